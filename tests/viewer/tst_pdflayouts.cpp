#include "dialogseam.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfpageinteraction.h"
#include "pdfpresentationview.h"
#include "pdfreadback.h"
#include "pdfreadingmodes.h"
#include "pdfthumbnailpanel.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "thumbnaillistview.h"
#include "viewertest.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

// Page layouts, the view's own rotation and the presentation, read back from what the reader
// sees: the page shown, its pixels, the page box and the strip, and the file written after.
class TestPdfLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pageTurning_data();
    void pageTurning();
    void viewRotation_data();
    void viewRotation();
    void presentation_data();
    void presentation();

private:
    QString makePdf(int pages);
    QTemporaryDir m_dir;
};

VELMORA_REGISTER_TEST(TestPdfLayouts);

namespace {

constexpr int PageCount = 7;

// Keys as the reader types them: a word per key, "next" and "click" for the bottom bar's
// button and a click on the slide.
void press(QWidget *target, PdfViewerWidget *viewer, const QString &keys)
{
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts)) {
        if (key == u"next"_s) {
            QTest::mouseClick(viewer->findChild<QPushButton *>(u"pdfNextPageButton"_s),
                              Qt::LeftButton);
            continue;
        }
        if (key == u"click"_s) {
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
            continue;
        }
        const QKeySequence sequence(key);
        QTest::keySequence(target, sequence);
    }
}

// Rows whose page stands mostly in the window (its middle on screen).
QList<int> visibleRows(PdfDocumentView *view, int count)
{
    const QRect visible(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value(),
                        view->viewport()->width(), view->viewport()->height());
    QList<int> rows;
    for (int row = 0; row < count; ++row) {
        const QRect rect = view->pageRect(row);
        if (!rect.isEmpty() && visible.contains(rect.center()))
            rows.append(row);
    }
    return rows;
}

bool showActive(PdfViewerWidget &viewer, const QString &path)
{
    if (!viewertest::showAndOpen(viewer, path, {1100, 760}))
        return false;
    viewer.activateWindow();
    return QTest::qWaitForWindowActive(&viewer);
}

// A point a tenth of the way in from a corner of the page on screen.
QPoint nearCorner(const QRect &page, Qt::Corner corner)
{
    const bool right = corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner;
    const bool bottom = corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner;
    return {right ? page.right() - page.width() / 10 : page.left() + page.width() / 10,
            bottom ? page.bottom() - page.height() / 10 : page.top() + page.height() / 10};
}

} // namespace

void TestPdfLayouts::init()
{
    QVERIFY(m_dir.isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestPdfLayouts::cleanup()
{
    DialogSeam::reset();
}

QString TestPdfLayouts::makePdf(int pages)
{
    fixtures::DocumentSpec spec;
    for (int i = 0; i < pages; ++i) {
        fixtures::PageSpec page;
        page.size = {300, 400};
        page.colour = fixtures::colourFor(i);
        spec.pages.append(page);
    }
    const QString path = m_dir.filePath(u"layout-%1.pdf"_s.arg(pages));
    return fixtures::write(spec, path) ? path : QString();
}

void TestPdfLayouts::pageTurning_data()
{
    QTest::addColumn<PdfPageLayout>("layout");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("page");
    // The rows on screen afterwards: the spread, or in one column the page and its neighbours.
    QTest::addColumn<QList<int>>("shown");

    const auto single = PdfPageLayout::SinglePage;
    const auto pairs = PdfPageLayout::TwoUp;
    const auto cover = PdfPageLayout::TwoUpCover;
    QTest::newRow("continuous: Right turns one page")
        << PdfPageLayout::Continuous << u"Right"_s << 1 << QList<int>{};
    QTest::newRow("single: PageDown twice") << single << u"PgDown PgDown"_s << 2 << QList<int>{2};
    QTest::newRow("single: End then PageUp") << single << u"End PgUp"_s << 5 << QList<int>{5};
    QTest::newRow("single: Left at the first page stays")
        << single << u"Left"_s << 0 << QList<int>{0};
    QTest::newRow("single: the bar's next button") << single << u"next"_s << 1 << QList<int>{1};
    QTest::newRow("two-up: PageDown turns a spread")
        << pairs << u"PgDown"_s << 2 << QList<int>{2, 3};
    QTest::newRow("two-up: Right Right") << pairs << u"Right Right"_s << 4 << QList<int>{4, 5};
    QTest::newRow("two-up: End shows the odd last page alone")
        << pairs << u"End"_s << 6 << QList<int>{6};
    QTest::newRow("two-up: End then Left") << pairs << u"End Left"_s << 4 << QList<int>{4, 5};
    QTest::newRow("cover: PageDown from the cover")
        << cover << u"PgDown"_s << 1 << QList<int>{1, 2};
    QTest::newRow("cover: three spreads on")
        << cover << u"PgDown PgDown PgDown"_s << 5 << QList<int>{5, 6};
    QTest::newRow("cover: back to the cover") << cover << u"Right PgUp"_s << 0 << QList<int>{0};
}

void TestPdfLayouts::pageTurning()
{
    QFETCH(PdfPageLayout, layout);
    QFETCH(QString, keys);
    QFETCH(int, page);
    QFETCH(QList<int>, shown);

    const QString path = makePdf(PageCount);
    PdfViewerWidget viewer;
    QVERIFY(showActive(viewer, path));
    PdfDocumentView *view = viewer.documentView();
    // Chosen as the reader does, from the more menu.
    QAction *entry = viewer.readingModes()->layoutAction(layout);
    QVERIFY(entry && entry->isEnabled());
    entry->trigger();
    QCOMPARE(view->pageLayout(), layout);
    QVERIFY(entry->isChecked());
    viewer.fitPage();
    view->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();

    press(view, &viewer, keys);
    QApplication::processEvents();

    QCOMPARE(view->currentPage(), page);
    QCOMPARE(viewer.findChild<QLineEdit *>(u"pdfPageNumberEdit"_s)->text(),
             QString::number(page + 1));
    QCOMPARE(viewer.thumbnailPanel()->listView()->currentIndex().row(), page);
    if (!shown.isEmpty()) {
        QCOMPARE(visibleRows(view, PageCount), shown);
        // Side by side: the spread's pages stand on one line, left to right.
        if (shown.size() == 2) {
            QCOMPARE(view->pageRect(shown[0]).top(), view->pageRect(shown[1]).top());
            QVERIFY(view->pageRect(shown[0]).right() < view->pageRect(shown[1]).left());
        }
        // One page at a time gives the others no place at all.
        if (layout == PdfPageLayout::SinglePage)
            QCOMPARE(view->pageRect((page + 1) % PageCount), QRect());
        QVERIFY(viewertest::waitForVisibleImages(view, viewer.documentModel()));
        for (int row : std::as_const(shown))
            QVERIFY2(readback::similar(viewertest::paintedPageCentre(view, row),
                                       fixtures::colourFor(row), 40),
                     qPrintable(QString::number(row)));
    }
}

void TestPdfLayouts::viewRotation_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("rotation");
    // Where the marker drawn in the page's top-left corner ends up on screen.
    QTest::addColumn<Qt::Corner>("marker");
    QTest::newRow("unturned") << QString() << 0 << Qt::TopLeftCorner;
    QTest::newRow("Ctrl+R a quarter clockwise") << u"Ctrl+R"_s << 90 << Qt::TopRightCorner;
    QTest::newRow("Ctrl+R twice upside down") << u"Ctrl+R Ctrl+R"_s << 180 << Qt::BottomRightCorner;
    QTest::newRow("Ctrl+Shift+R anticlockwise") << u"Ctrl+Shift+R"_s << 270 << Qt::BottomLeftCorner;
    QTest::newRow("menu entry") << u"menu"_s << 90 << Qt::TopRightCorner;
}

void TestPdfLayouts::viewRotation()
{
    QFETCH(QString, keys);
    QFETCH(int, rotation);
    QFETCH(Qt::Corner, marker);

    const QString path = makePdf(3);
    PdfViewerWidget viewer;
    QVERIFY(showActive(viewer, path));
    PdfDocumentView *view = viewer.documentView();
    viewer.fitPage();
    view->setFocus(Qt::OtherFocusReason);
    if (keys == u"menu"_s)
        viewer.readingModes()->action(PdfReadingModes::Command::RotateViewClockwise)->trigger();
    else
        press(view, &viewer, keys);
    QApplication::processEvents();
    QCOMPARE(view->viewRotation(), rotation);

    // The page stands turned: a quarter turn swaps its sides, and the pixels turned with it.
    const QRect rect = view->pageRect(0);
    QVERIFY((rotation % 180 == 0) == (rect.height() > rect.width()));
    QVERIFY(viewertest::waitForVisibleImages(view, viewer.documentModel()));
    const QRect onScreen =
        rect.translated(-view->horizontalScrollBar()->value(), -view->verticalScrollBar()->value());
    const auto dark = [&](Qt::Corner corner) {
        return qGray(view->viewport()->grab().toImage().pixel(nearCorner(onScreen, corner))) < 60;
    };
    QTRY_VERIFY(dark(marker));
    for (Qt::Corner other :
         {Qt::TopLeftCorner, Qt::TopRightCorner, Qt::BottomRightCorner, Qt::BottomLeftCorner})
        QVERIFY(other == marker || !dark(other));

    // Hit testing turns too: the marker's place on screen is the page's top-left corner.
    const QPoint markerPoint = nearCorner(onScreen, marker);
    QCOMPARE(viewer.pageInteraction()->pageRowAt(markerPoint), 0);
    const QPointF onPage = viewer.pageInteraction()->toPage(0, markerPoint);
    QVERIFY2(onPage.x() < 75 && onPage.y() < 100,
             qPrintable(u"%1, %2"_s.arg(onPage.x()).arg(onPage.y())));

    // The document is as it was: nothing to undo, nothing modified, and a copy saved now keeps
    // the pages unturned.
    QCOMPARE(viewer.documentModel()->pageAt(0)->rotation, 0);
    QVERIFY(!viewer.undoManager()->undoStack()->canUndo());
    QVERIFY(!viewer.documentModel()->isModified());
    const QString copy = m_dir.filePath(u"turned-view.pdf"_s);
    QVERIFY(viewer.saveAs(copy));
    const auto saved = readback::inspect(copy);
    QCOMPARE(saved.pages.size(), 3);
    for (const auto &page : saved.pages)
        QCOMPARE(page.rotate, 0);
    QCOMPARE(view->viewRotation(), rotation);
}

void TestPdfLayouts::presentation_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("page");
    QTest::newRow("PageDown Space Right") << 0 << u"PgDown Space Right"_s << 3;
    QTest::newRow("clicks go on") << 1 << u"click click"_s << 3;
    QTest::newRow("End then Backspace") << 0 << u"End Backspace"_s << 5;
    QTest::newRow("End then Home") << 2 << u"End Home"_s << 0;
    QTest::newRow("PageUp and Left go back") << 4 << u"PgUp Left"_s << 2;
    QTest::newRow("nothing after the last") << 5 << u"Right Right Space"_s << 6;
}

void TestPdfLayouts::presentation()
{
    QFETCH(int, start);
    QFETCH(QString, keys);
    QFETCH(int, page);

    const QString path = makePdf(PageCount);
    PdfViewerWidget viewer;
    QVERIFY(showActive(viewer, path));
    PdfDocumentView *view = viewer.documentView();
    viewer.goToPage(start);
    view->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(view, Qt::Key_F5);
    QPointer<PdfPresentationView> show = viewer.readingModes()->presentation();
    QVERIFY(show);
    QTRY_VERIFY(show->isVisible() && show->isFullScreen());
    QVERIFY(QTest::qWaitForWindowActive(show));
    QCOMPARE(show->currentRow(), start);

    press(show, &viewer, keys);
    QCOMPARE(show->currentRow(), page);
    // The page alone, fitted on black.
    QTRY_VERIFY(show->isPageShown());
    const QImage shot = show->grab().toImage();
    QVERIFY(
        readback::similar(shot.pixelColor(shot.rect().center()), fixtures::colourFor(page), 40));
    QCOMPARE(shot.pixelColor(2, 2), QColor(Qt::black));
    // The reading view stays where it was until the show ends.
    QCOMPARE(view->currentPage(), start);

    QTest::keyClick(show, Qt::Key_Escape);
    QTRY_VERIFY(!show);
    QCOMPARE(view->currentPage(), page);
    QCOMPARE(viewer.findChild<QLineEdit *>(u"pdfPageNumberEdit"_s)->text(),
             QString::number(page + 1));
}

#include "tst_pdflayouts.moc"
