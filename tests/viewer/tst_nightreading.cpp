#include "dialogseam.h"
#include "pagetone.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "pdftoptoolbar.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a page of the row's colour must look like on screen.
enum class Look { Same, Dark, Light, Warm, Brown };

bool looks(const QColor &shown, const QColor &page, Look look)
{
    if (!shown.isValid())
        return false;
    switch (look) {
    case Look::Same:
        return readback::similar(shown, page, 8);
    case Look::Dark:
        return shown.lightness() < 60;
    case Look::Light:
        return shown.lightness() > 180;
    case Look::Warm: // paper: light, red above green above blue
        return shown.lightness() > 180 && shown.red() > shown.green() &&
               shown.green() > shown.blue() && shown.red() - shown.blue() > 20;
    case Look::Brown: // ink: dark and warm
        return shown.lightness() < 90 && shown.red() > shown.blue() + 15;
    }
    return false;
}

QAction *toneEntry(PdfViewerWidget &viewer, const QString &name)
{
    auto *more = viewer.topToolBar()->moreMenu();
    auto *menu = more ? more->findChild<QMenu *>(u"pdfPageToneMenu"_s) : nullptr;
    return menu ? menu->findChild<QAction *>(name) : nullptr;
}

} // namespace

class TestNightReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { DialogSeam::setScripted(true); }
    void cleanup()
    {
        PageToneSetting::instance().setTone(PdfPageTone::Normal);
        DialogSeam::reset();
    }
    void pageTone_data();
    void pageTone();

private:
    QTemporaryDir m_dir;
};

void TestNightReading::pageTone_data()
{
    QTest::addColumn<QString>("entry"); // the more menu's page colour entry chosen
    QTest::addColumn<QColor>("page");
    QTest::addColumn<int>("look");
    QTest::newRow("normal white") << u"pageToneNormal"_s << QColor(Qt::white) << int(Look::Same);
    QTest::newRow("normal red") << u"pageToneNormal"_s << QColor(Qt::red) << int(Look::Same);
    QTest::newRow("inverted white reads dark")
        << u"pageToneInverted"_s << QColor(Qt::white) << int(Look::Dark);
    QTest::newRow("inverted black reads light")
        << u"pageToneInverted"_s << QColor(Qt::black) << int(Look::Light);
    QTest::newRow("sepia white is warm paper")
        << u"pageToneSepia"_s << QColor(Qt::white) << int(Look::Warm);
    QTest::newRow("sepia black is brown ink")
        << u"pageToneSepia"_s << QColor(Qt::black) << int(Look::Brown);
}

void TestNightReading::pageTone()
{
    QFETCH(QString, entry);
    QFETCH(QColor, page);
    QFETCH(int, look);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    const QString path = m_dir.filePath(tag + u".pdf"_s);
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(2);
    for (fixtures::PageSpec &each : spec.pages) {
        each.colour = page;
        each.marker = false;
    }
    QVERIFY(fixtures::write(spec, path));
    const QByteArray before = fixtures::readBytes(path);

    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, path, {900, 700}));
    PdfDocumentView *view = viewer.documentView();
    QVERIFY(viewertest::waitForVisibleImages(view, viewer.documentModel()));
    // Pages shown before the choice change too, not only those rendered after it.
    QTRY_VERIFY(looks(viewertest::paintedPageCentre(view, 0), page, Look::Same));

    QAction *action = toneEntry(viewer, entry);
    QVERIFY(action);
    action->trigger();
    QVERIFY(action->isChecked());
    QTRY_VERIFY2(looks(viewertest::paintedPageCentre(view, 0), page, Look(look)),
                 qPrintable(viewertest::paintedPageCentre(view, 0).name()));

    // Another viewer takes the same choice from the start.
    PdfViewerWidget second;
    QVERIFY(viewertest::showAndOpen(second, path, {900, 700}));
    QVERIFY(viewertest::waitForVisibleImages(second.documentView(), second.documentModel()));
    QTRY_VERIFY(looks(viewertest::paintedPageCentre(second.documentView(), 0), page, Look(look)));
    QVERIFY(toneEntry(second, entry)->isChecked());

    // Only the screen changes: the file, and what a save writes, keep the page's own colour.
    QCOMPARE(fixtures::readBytes(path), before);
    const QString saved = m_dir.filePath(tag + u"-saved.pdf"_s);
    QVERIFY(viewer.saveAs(saved));
    QVERIFY(viewertest::centreIs(readback::renderPoppler(saved, 0, 36), page, 8));
    QVERIFY(viewertest::centreIs(readback::renderPoppler(path, 0, 36), page, 8));
}

VELMORA_REGISTER_TEST(TestNightReading);
#include "tst_nightreading.moc"
