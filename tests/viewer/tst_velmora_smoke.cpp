// Starts the real program offscreen with a PDF on its command line and checks the window it
// saved once the first page was on screen.

#include "pdffixtures.h"
#include "pdfreadback.h"
#include "testregistry.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestVelmoraSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLinePdfIsRendered();
};

void TestVelmoraSmoke::commandLinePdfIsRendered()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    fixtures::DocumentSpec spec;
    fixtures::PageSpec page;
    page.size = {595, 842};
    page.colour = QColor(40, 170, 60);
    spec.pages = {page, page, page};
    const QString pdf = dir.filePath(u"smoke.pdf"_s);
    QVERIFY(fixtures::write(spec, pdf));
    const QString shot = dir.filePath(u"window.png"_s);

    QProcess velmora;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"VELMORA_CAPTURE_FIRST_PAGE"_s, shot);
    env.insert(u"VELMORA_CAPTURE_TIMEOUT_MS"_s, u"60000"_s);
    env.insert(u"XDG_CONFIG_HOME"_s, dir.filePath(u"config"_s));
    velmora.setProcessEnvironment(env);
    velmora.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    velmora.start(QStringLiteral(VELMORA_EXECUTABLE), {pdf});
    QVERIFY2(velmora.waitForStarted(), qPrintable(velmora.errorString()));
    QVERIFY(velmora.waitForFinished(90000));
    QCOMPARE(velmora.exitStatus(), QProcess::NormalExit);
    QCOMPARE(velmora.exitCode(), 0);

    const QImage window(shot);
    QVERIFY(!window.isNull());
    QCOMPARE(window.size(), QSize(1160, 780));
    // A good part of the window shows the page's green: the page was rendered and painted.
    qint64 green = 0;
    for (int y = 0; y < window.height(); y += 4) {
        for (int x = 0; x < window.width(); x += 4)
            green += readback::similar(window.pixelColor(x, y), page.colour, 30) ? 1 : 0;
    }
    const qint64 samples = qint64(window.width() / 4) * (window.height() / 4);
    QVERIFY2(green * 5 > samples, qPrintable(u"%1 of %2"_s.arg(green).arg(samples)));
}

VELMORA_REGISTER_TEST(TestVelmoraSmoke);
#include "tst_velmora_smoke.moc"
