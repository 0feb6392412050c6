#include "customtabwidget.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "mainpage.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfpagemanagerview.h"
#include "pdfreadback.h"
#include "pdfshowpage.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

// The keyboard of the window and the viewer, sent as a user types it and read back from what it
// changed: the page, the zoom, the tabs, the undo history and the file on disk.
class TestViewerKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void keyTable_data();
    void keyTable();
    void fitWidthOnOpen_data();
    void fitWidthOnOpen();

private:
    QString makePdf(const QString &name, const QList<QSizeF> &sizes);
    QTemporaryDir m_dir;
};

VELMORA_REGISTER_TEST(TestViewerKeys);

namespace {

enum class Setup {
    None,
    AtLastPage,
    Scrolled,
    Rotated,
    RotatedUndone,
    GridSelected,
    TwoTabs,
    FitPage,
    FitPageAtLast,
    ZoomListOpen
};
enum class Effect {
    Page,
    ScrollMoved,
    Zoom,
    Rotation,
    SavedRotation,
    PageCount,
    TabIndex,
    TabCount,
    FullScreen,
    TypedPage
};

PdfViewerWidget *currentViewer(MainPage &page)
{
    auto *tab = qobject_cast<PdfShowPage *>(page.tabWidget()->currentWidget());
    return tab ? tab->viewer() : nullptr;
}

} // namespace

void TestViewerKeys::init()
{
    QVERIFY(m_dir.isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestViewerKeys::cleanup()
{
    DialogSeam::reset();
}

QString TestViewerKeys::makePdf(const QString &name, const QList<QSizeF> &sizes)
{
    fixtures::DocumentSpec spec;
    for (int i = 0; i < sizes.size(); ++i) {
        fixtures::PageSpec page;
        page.size = sizes.at(i);
        page.colour = fixtures::colourFor(i);
        spec.pages.append(page);
    }
    const QString path = m_dir.filePath(name);
    return fixtures::write(spec, path) ? path : QString();
}

void TestViewerKeys::keyTable_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Effect>("effect");
    QTest::addColumn<double>("expected");

    const auto ctrl = [](int key) {
        return QKeySequence(Qt::CTRL | key);
    };
    QTest::newRow("End: last page")
        << QKeySequence(Qt::Key_End) << Setup::None << Effect::Page << 5.0;
    QTest::newRow("Ctrl+End") << ctrl(Qt::Key_End) << Setup::None << Effect::Page << 5.0;
    QTest::newRow("Home: first page")
        << QKeySequence(Qt::Key_Home) << Setup::AtLastPage << Effect::Page << 0.0;
    QTest::newRow("Ctrl+Home") << ctrl(Qt::Key_Home) << Setup::AtLastPage << Effect::Page << 0.0;
    QTest::newRow("PageDown scrolls a screen")
        << QKeySequence(Qt::Key_PageDown) << Setup::None << Effect::ScrollMoved << 1.0;
    QTest::newRow("Space scrolls a screen")
        << QKeySequence(Qt::Key_Space) << Setup::None << Effect::ScrollMoved << 1.0;
    QTest::newRow("PageUp scrolls back")
        << QKeySequence(Qt::Key_PageUp) << Setup::Scrolled << Effect::ScrollMoved << -1.0;
    QTest::newRow("Ctrl++ zooms in") << ctrl(Qt::Key_Plus) << Setup::None << Effect::Zoom << 1.2;
    QTest::newRow("Ctrl+= zooms in") << ctrl(Qt::Key_Equal) << Setup::None << Effect::Zoom << 1.2;
    QTest::newRow("Ctrl+- zooms out")
        << ctrl(Qt::Key_Minus) << Setup::None << Effect::Zoom << 1 / 1.2;
    QTest::newRow("Ctrl+0 actual size") << ctrl(Qt::Key_0) << Setup::None << Effect::Zoom << 0.0;
    QTest::newRow("Ctrl+Z undoes") << ctrl(Qt::Key_Z) << Setup::Rotated << Effect::Rotation << 0.0;
    QTest::newRow("Ctrl+Y redoes")
        << ctrl(Qt::Key_Y) << Setup::RotatedUndone << Effect::Rotation << 90.0;
    QTest::newRow("Ctrl+Shift+Z redoes") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
                                         << Setup::RotatedUndone << Effect::Rotation << 90.0;
    QTest::newRow("Ctrl+S writes the file")
        << ctrl(Qt::Key_S) << Setup::Rotated << Effect::SavedRotation << 90.0;
    QTest::newRow("Delete in the grid")
        << QKeySequence(Qt::Key_Delete) << Setup::GridSelected << Effect::PageCount << 5.0;
    QTest::newRow("Ctrl+W closes the tab")
        << ctrl(Qt::Key_W) << Setup::None << Effect::TabCount << 1.0;
    QTest::newRow("Ctrl+W asks first: cancel keeps it")
        << ctrl(Qt::Key_W) << Setup::Rotated << Effect::TabCount << 2.0;
    QTest::newRow("Ctrl+Tab next tab")
        << ctrl(Qt::Key_Tab) << Setup::TwoTabs << Effect::TabIndex << 0.0;
    QTest::newRow("Ctrl+Shift+Tab previous tab")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab) << Setup::TwoTabs
        << Effect::TabIndex << 1.0;
    QTest::newRow("Ctrl+PgDn next tab")
        << ctrl(Qt::Key_PageDown) << Setup::TwoTabs << Effect::TabIndex << 0.0;
    QTest::newRow("Ctrl+PgUp previous tab")
        << ctrl(Qt::Key_PageUp) << Setup::TwoTabs << Effect::TabIndex << 1.0;
    QTest::newRow("Right turns a whole page")
        << QKeySequence(Qt::Key_Right) << Setup::FitPage << Effect::Page << 1.0;
    QTest::newRow("Left turns back")
        << QKeySequence(Qt::Key_Left) << Setup::FitPageAtLast << Effect::Page << 4.0;
    QTest::newRow("End in the open zoom list stays in the list")
        << QKeySequence(Qt::Key_End) << Setup::ZoomListOpen << Effect::Page << 0.0;
    // Typing after the key replaces the number shown: "4" goes to page 4, not to 14.
    QTest::newRow("Ctrl+G then a number")
        << ctrl(Qt::Key_G) << Setup::None << Effect::TypedPage << 3.0;
    QTest::newRow("a click in the page box then a number")
        << QKeySequence() << Setup::None << Effect::TypedPage << 3.0;
    QTest::newRow("Ctrl+O opens a file")
        << ctrl(Qt::Key_O) << Setup::None << Effect::TabCount << 3.0;
    QTest::newRow("F11 full screen")
        << QKeySequence(Qt::Key_F11) << Setup::None << Effect::FullScreen << 1.0;
}

void TestViewerKeys::keyTable()
{
    QFETCH(QKeySequence, key);
    QFETCH(Setup, setup);
    QFETCH(Effect, effect);
    QFETCH(double, expected);

    const QList<QSizeF> sizes(6, QSizeF(300, 400));
    const QString path = makePdf(u"keys.pdf"_s, sizes);
    const QString other = makePdf(u"other.pdf"_s, {QSizeF(300, 400)});
    FramelessWindow window;
    auto *page = new MainPage;
    window.setContentWidget(page);
    window.resize(1160, 780);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (setup == Setup::TwoTabs)
        page->onFileOpen(other);
    page->onFileOpen(path);
    PdfViewerWidget *viewer = currentViewer(*page);
    QVERIFY(viewer);
    QTRY_VERIFY(viewer->documentView()->isVisible());
    PdfDocumentView *view = viewer->documentView();
    QVERIFY2(QApplication::focusWidget() && viewer->isAncestorOf(QApplication::focusWidget()),
             "a viewer tab takes the keyboard");
    QUndoStack *stack = viewer->undoManager()->undoStack();
    auto *zoomCombo = viewer->findChild<QComboBox *>(u"pdfZoomCombo"_s);
    auto *pageEdit = viewer->findChild<QLineEdit *>(u"pdfPageNumberEdit"_s);
    QVERIFY(zoomCombo && pageEdit);
    const PdfDocumentModel &model = *viewer->documentModel();

    switch (setup) {
    case Setup::AtLastPage:
        viewer->goToPage(5);
        break;
    case Setup::Scrolled:
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
        break;
    case Setup::Rotated:
    case Setup::RotatedUndone:
        viewer->undoManager()->rotatePages({model.pageAt(0)->id}, 90);
        if (setup == Setup::RotatedUndone)
            stack->undo();
        // The tab marks unsaved changes and names the whole path.
        QCOMPARE(page->tabWidget()->tabText(page->tabWidget()->currentIndex()),
                 (setup == Setup::Rotated ? u"\u2022 "_s : QString()) + u"keys.pdf"_s);
        QVERIFY(page->tabWidget()
                    ->tabToolTip(page->tabWidget()->currentIndex())
                    .startsWith(QDir::toNativeSeparators(QFileInfo(path).canonicalFilePath())));
        break;
    case Setup::GridSelected:
        Q_EMIT viewer->topToolBar()->pageManageViewRequested();
        const_cast<PdfDocumentModel &>(model).setPageSelected(model.pageAt(2)->id, true);
        break;
    case Setup::FitPage:
    case Setup::FitPageAtLast:
        viewer->fitPage();
        QApplication::processEvents();
        if (setup == Setup::FitPageAtLast)
            viewer->goToPage(5);
        break;
    case Setup::ZoomListOpen:
        zoomCombo->showPopup();
        QTRY_VERIFY(zoomCombo->view()->isVisible());
        zoomCombo->view()->setFocus(Qt::PopupFocusReason);
        break;
    case Setup::TwoTabs:
    case Setup::None:
        break;
    }
    if (key == QKeySequence(Qt::CTRL | Qt::Key_O))
        DialogSeam::answerFiles({other});

    const int scrollBefore = view->verticalScrollBar()->value();
    const double zoomBefore = view->zoomFactor();
    // Unanswered questions (closing a modified tab) are cancelled.
    QWidget *target = QApplication::focusWidget();
    if (key.isEmpty())
        QTest::mouseClick(pageEdit, Qt::LeftButton, {}, QPoint(pageEdit->width() - 4, 10));
    else
        QTest::keySequence(target ? target : &window, key);

    switch (effect) {
    case Effect::Page:
        QCOMPARE(view->currentPage(), int(expected));
        if (setup == Setup::ZoomListOpen) {
            // The key moved the list's selection instead.
            QTRY_COMPARE(zoomCombo->view()->currentIndex().row(), zoomCombo->count() - 1);
            zoomCombo->hidePopup();
        }
        break;
    case Effect::ScrollMoved: {
        const int moved = view->verticalScrollBar()->value() - scrollBefore;
        QCOMPARE(moved, int(expected) * view->viewport()->height());
        break;
    }
    case Effect::Zoom:
        QCOMPARE(view->zoomFactor(), expected == 0.0 ? 1.0 : zoomBefore * expected);
        QCOMPARE(view->fitMode(), PdfFitMode::NoFit);
        break;
    case Effect::Rotation:
        QCOMPARE(model.pageAt(0)->rotation, int(expected));
        break;
    case Effect::SavedRotation:
        QVERIFY(!model.isModified());
        QCOMPARE(readback::inspect(path).pages.value(0).rotate, int(expected));
        QCOMPARE(page->tabWidget()->tabText(page->tabWidget()->currentIndex()), u"keys.pdf"_s);
        break;
    case Effect::PageCount:
        QCOMPARE(model.pageCount(), int(expected));
        QVERIFY(stack->canUndo());
        break;
    case Effect::TabIndex:
        QCOMPARE(page->tabWidget()->currentIndex(), int(expected));
        break;
    case Effect::TabCount:
        QTRY_COMPARE(page->tabWidget()->count(), int(expected));
        // A modified document is asked about first, as with the tab's close button.
        if (key == QKeySequence(Qt::CTRL | Qt::Key_W))
            QCOMPARE(DialogSeam::requests().isEmpty(), setup != Setup::Rotated);
        break;
    case Effect::TypedPage:
        QTRY_VERIFY(pageEdit->hasFocus());
        QTRY_COMPARE(pageEdit->selectedText(), pageEdit->text());
        QTest::keyClicks(pageEdit, QString::number(int(expected) + 1));
        QTest::keyClick(pageEdit, Qt::Key_Return);
        QCOMPARE(view->currentPage(), int(expected));
        break;
    case Effect::FullScreen:
        QTRY_VERIFY(window.isFullScreen());
        QTest::keySequence(&window, key);
        QTRY_VERIFY(!window.isFullScreen());
        break;
    }
}

void TestViewerKeys::fitWidthOnOpen_data()
{
    // A portrait first page and a wider landscape page later, as in the bundled sample.
    QTest::addColumn<QList<QSizeF>>("sizes");
    QTest::addColumn<int>("rotateRow");
    QTest::newRow("portrait then landscape")
        << QList<QSizeF>{{595, 842}, {595, 842}, {842, 595}} << -1;
    QTest::newRow("all portrait") << QList<QSizeF>{{595, 842}, {595, 842}} << -1;
    QTest::newRow("first page rotated in fit width") << QList<QSizeF>{{595, 842}, {595, 842}} << 0;
}

void TestViewerKeys::fitWidthOnOpen()
{
    QFETCH(QList<QSizeF>, sizes);
    QFETCH(int, rotateRow);
    const QString path = makePdf(u"fit.pdf"_s, sizes);
    MainPage page;
    page.resize(1160, 740);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.onFileOpen(path);
    PdfViewerWidget *viewer = currentViewer(page);
    QVERIFY(viewer);
    PdfDocumentView *view = viewer->documentView();
    QTRY_VERIFY(view->isVisible());
    QApplication::processEvents();
    if (rotateRow >= 0)
        viewer->undoManager()->rotatePages({viewer->documentModel()->pageAt(rotateRow)->id}, 90);

    // No page is wider than the viewport, and the widest one fills it but for the margins.
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    int widest = 0;
    for (int row = 0; row < viewer->documentModel()->pageCount(); ++row) {
        const QRect r = view->pageRect(row);
        QVERIFY2(r.left() >= 0 && r.right() < view->viewport()->width(),
                 qPrintable(QString::number(row)));
        widest = std::max(widest, r.width());
    }
    QVERIFY(widest >= view->viewport()->width() - 70);
    // Page 1 is seen whole across.
    const QRect first = view->pageRect(0).translated(-view->horizontalScrollBar()->value(),
                                                     -view->verticalScrollBar()->value());
    QVERIFY(view->viewport()->rect().left() <= first.left() &&
            first.right() <= view->viewport()->rect().right());
}

#include "tst_viewerkeys.moc"
