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
    void commandLinePdfIsRendered_data();
    void commandLinePdfIsRendered();
};

void TestVelmoraSmoke::commandLinePdfIsRendered_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::newRow("room for the preferred size") << QSize(1600, 1000) << QSize(1160, 780);
    // A small screen, or a large scale factor, gets a window that fits it whole.
    QTest::newRow("a screen smaller than the window") << QSize(1000, 640) << QSize(1000, 640);
}

void TestVelmoraSmoke::commandLinePdfIsRendered()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString screens = dir.filePath(u"screens.json"_s);
    QVERIFY(fixtures::writeBytes(
        screens, u"{\"screens\": [{\"name\": \"s\", \"x\": 0, \"y\": 0, \"width\": %1, "
                 u"\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}"_s
                     .arg(screen.width())
                     .arg(screen.height())
                     .toUtf8()));
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
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen:configfile="_s + screens);
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

    const QImage grabbed(shot);
    QVERIFY(!grabbed.isNull());
    QCOMPARE(grabbed.size(), window);
    // A good part of the window shows the page's green: the page was rendered and painted.
    qint64 green = 0;
    for (int y = 0; y < grabbed.height(); y += 4) {
        for (int x = 0; x < grabbed.width(); x += 4)
            green += readback::similar(grabbed.pixelColor(x, y), page.colour, 30) ? 1 : 0;
    }
    const qint64 samples = qint64(grabbed.width() / 4) * (grabbed.height() / 4);
    QVERIFY2(green * 5 > samples, qPrintable(u"%1 of %2"_s.arg(green).arg(samples)));
}

VELMORA_REGISTER_TEST(TestVelmoraSmoke);
#include "tst_velmora_smoke.moc"
