#include "customtabwidget.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "mainpage.h"
#include "modernmessagebox.h"
#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffindbar.h"
#include "pdffixtures.h"
#include "pdfoutlinepanel.h"
#include "pdfpageinteraction.h"
#include "pdfpagemanagerview.h"
#include "pdfpresentationview.h"
#include "pdfreadback.h"
#include "pdfreadingmodes.h"
#include "pdfshowpage.h"
#include "pdfthumbnailpanel.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "readingplacestore.h"
#include "testregistry.h"
#include "titlebar.h"
#include "viewertest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
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
    void historyInputs_data();
    void historyInputs();
    void readingPlaceRestored_data();
    void readingPlaceRestored();
    void readingPlacesBounded();
    void pageContextMenu_data();
    void pageContextMenu();

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
    // On page 4 of 6, a page turned (and the turn undone).
    RotatedOnPage4,
    RotatedUndoneOnPage4,
    GridSelected,
    TwoTabs,
    FitPage,
    FitPageAtLast,
    ZoomListOpen,
    // Page 5 typed into the page box, then page 2 picked in the strip.
    Jumped,
    JumpedBack,
    // Page 3 reached with the next-page button: a step, not a jump.
    Stepped,
    SinglePageLayout,
    TwoUpLayout,
    FullScreen,
    ToolChosen,
    // The find bar open, the keyboard in its field.
    FindBarOpen,
    ThumbnailsClosed
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
    TypedPage,
    // The page, and Alt+Left leads back to where the key was pressed.
    PageThenBack,
    PropertiesShown,
    ViewRotation,
    // The page the presentation shows; Escape then returns to the viewer at it.
    Presentation,
    WindowedAgain,
    // The page box shows the view's page, and the next-page button goes on from there.
    PageBoxThenNext,
    // The annotation tool in use: an index into PdfAnnotationLayer::toolIds(), -1 for none.
    AnnotationTool,
    // The view's fit, which the bottom bar's toggle names.
    Fit
};

PdfViewerWidget *currentViewer(MainPage &page)
{
    auto *tab = qobject_cast<PdfShowPage *>(page.tabWidget()->currentWidget());
    return tab ? tab->viewer() : nullptr;
}

// What the window shows of itself and of the viewer, by name.
QStringList shownParts(FramelessWindow &window, MainPage &page, PdfViewerWidget *viewer)
{
    QStringList parts;
    for (const auto &[name, widget] :
         {std::pair<QString, QWidget *>{u"title bar"_s, window.titleBar()},
          {u"tabs"_s, page.tabWidget()->tabBar()},
          {u"tool bar"_s, viewer->topToolBar()},
          {u"thumbnails"_s, viewer->thumbnailPanel()},
          {u"pages"_s, viewer->documentView()}}) {
        if (widget->isVisible())
            parts.append(name);
    }
    return parts;
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
    QTest::newRow("Ctrl+1 actual size") << ctrl(Qt::Key_1) << Setup::None << Effect::Zoom << 0.0;
    QTest::newRow("Ctrl+0 fit page")
        << ctrl(Qt::Key_0) << Setup::None << Effect::Fit << double(PdfFitMode::FitPage);
    QTest::newRow("Ctrl+2 fit width")
        << ctrl(Qt::Key_2) << Setup::FitPage << Effect::Fit << double(PdfFitMode::FitWidth);
    QTest::newRow("Ctrl+Z undoes") << ctrl(Qt::Key_Z) << Setup::Rotated << Effect::Rotation << 0.0;
    QTest::newRow("Ctrl+Y redoes")
        << ctrl(Qt::Key_Y) << Setup::RotatedUndone << Effect::Rotation << 90.0;
    QTest::newRow("Ctrl+Y keeps the page box on the page in view")
        << ctrl(Qt::Key_Y) << Setup::RotatedUndoneOnPage4 << Effect::PageBoxThenNext << 3.0;
    QTest::newRow("Ctrl+Z keeps the page box on the page in view")
        << ctrl(Qt::Key_Z) << Setup::RotatedOnPage4 << Effect::PageBoxThenNext << 3.0;
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
    QTest::newRow("Alt+Left goes back to before the jump")
        << QKeySequence(Qt::ALT | Qt::Key_Left) << Setup::Jumped << Effect::Page << 4.0;
    QTest::newRow("Alt+Right goes forward again")
        << QKeySequence(Qt::ALT | Qt::Key_Right) << Setup::JumpedBack << Effect::Page << 1.0;
    QTest::newRow("Alt+Left after page steps stays")
        << QKeySequence(Qt::ALT | Qt::Key_Left) << Setup::Stepped << Effect::Page << 2.0;
    QTest::newRow("End is a jump Alt+Left undoes")
        << QKeySequence(Qt::Key_End) << Setup::Stepped << Effect::PageThenBack << 5.0;
    QTest::newRow("F11 full screen")
        << QKeySequence(Qt::Key_F11) << Setup::None << Effect::FullScreen << 1.0;
    QTest::newRow("F11 keeps a closed side panel closed")
        << QKeySequence(Qt::Key_F11) << Setup::ThumbnailsClosed << Effect::FullScreen << 1.0;
    QTest::newRow("Ctrl+D document properties")
        << ctrl(Qt::Key_D) << Setup::None << Effect::PropertiesShown << 6.0;
    QTest::newRow("Escape leaves full screen")
        << QKeySequence(Qt::Key_Escape) << Setup::FullScreen << Effect::WindowedAgain << 0.0;
    QTest::newRow("PageDown in single page turns a page")
        << QKeySequence(Qt::Key_PageDown) << Setup::SinglePageLayout << Effect::Page << 1.0;
    QTest::newRow("Right in two-up turns a spread")
        << QKeySequence(Qt::Key_Right) << Setup::TwoUpLayout << Effect::Page << 2.0;
    QTest::newRow("Ctrl+R turns the view")
        << ctrl(Qt::Key_R) << Setup::None << Effect::ViewRotation << 90.0;
    QTest::newRow("Ctrl+Shift+R turns it back") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)
                                                << Setup::None << Effect::ViewRotation << 270.0;
    QTest::newRow("F5 presents the page in view")
        << QKeySequence(Qt::Key_F5) << Setup::AtLastPage << Effect::Presentation << 5.0;
    const QList<std::pair<const char *, Qt::Key>> tools = {
        {"H: highlight", Qt::Key_H}, {"U: underline", Qt::Key_U}, {"S: strike-out", Qt::Key_S},
        {"N: note", Qt::Key_N},      {"T: text box", Qt::Key_T},  {"P: pen", Qt::Key_P},
        {"R: rectangle", Qt::Key_R}, {"E: ellipse", Qt::Key_E},   {"A: arrow", Qt::Key_A}};
    for (qsizetype i = 0; i < tools.size(); ++i)
        QTest::newRow(tools.at(i).first) << QKeySequence(tools.at(i).second) << Setup::None
                                         << Effect::AnnotationTool << double(i);
    QTest::newRow("Escape puts the tool down")
        << QKeySequence(Qt::Key_Escape) << Setup::ToolChosen << Effect::AnnotationTool << -1.0;
    QTest::newRow("H in the find field is a letter")
        << QKeySequence(Qt::Key_H) << Setup::FindBarOpen << Effect::AnnotationTool << -1.0;
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
    QStringList windowedParts;

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
    case Setup::RotatedOnPage4:
    case Setup::RotatedUndoneOnPage4:
        viewer->goToPage(3);
        viewer->undoManager()->rotatePages({model.pageAt(5)->id}, 90);
        if (setup == Setup::RotatedUndoneOnPage4)
            stack->undo();
        QCOMPARE(view->currentPage(), 3);
        QCOMPARE(pageEdit->text(), u"4"_s);
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
    case Setup::Jumped:
    case Setup::JumpedBack:
        pageEdit->setFocus(Qt::OtherFocusReason);
        pageEdit->selectAll();
        QTest::keyClicks(pageEdit, u"5"_s);
        QTest::keyClick(pageEdit, Qt::Key_Return);
        QCOMPARE(view->currentPage(), 4);
        Q_EMIT viewer->thumbnailPanel()->pageActivated(1);
        QCOMPARE(view->currentPage(), 1);
        if (setup == Setup::JumpedBack) {
            QTest::keySequence(view, QKeySequence(Qt::ALT | Qt::Key_Left));
            QCOMPARE(view->currentPage(), 4);
        }
        view->setFocus(Qt::OtherFocusReason);
        break;
    case Setup::Stepped: {
        auto *next = viewer->findChild<QPushButton *>(u"pdfNextPageButton"_s);
        QVERIFY(next);
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(view->currentPage(), 2);
        break;
    }
    case Setup::SinglePageLayout:
    case Setup::TwoUpLayout:
        view->setPageLayout(setup == Setup::TwoUpLayout ? PdfPageLayout::TwoUp
                                                        : PdfPageLayout::SinglePage);
        viewer->fitPage();
        QApplication::processEvents();
        break;
    case Setup::FullScreen:
        windowedParts = shownParts(window, *page, viewer);
        QTest::keySequence(&window, QKeySequence(Qt::Key_F11));
        QTRY_VERIFY(window.isFullScreen());
        break;
    case Setup::ThumbnailsClosed:
        viewer->showThumbnailPanel(false);
        QTRY_VERIFY(!viewer->thumbnailPanel()->isVisible());
        break;
    case Setup::ToolChosen:
        viewer->annotationLayer()->setTool(u"rectangle"_s);
        break;
    case Setup::FindBarOpen:
        viewer->findBar()->openBar();
        QTRY_VERIFY(viewer->findBar()->lineEdit()->hasFocus());
        break;
    case Setup::TwoTabs:
    case Setup::None:
        break;
    }
    if (windowedParts.isEmpty())
        windowedParts = shownParts(window, *page, viewer);
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
    case Effect::PageThenBack:
        QCOMPARE(view->currentPage(), int(expected));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::ALT | Qt::Key_Left));
        QCOMPARE(view->currentPage(), 2);
        break;
    case Effect::PropertiesShown: {
        QLabel *pages = nullptr;
        QTRY_VERIFY((pages = viewer->findChild<QLabel *>(u"propertiesPageCount"_s)));
        QCOMPARE(pages->text(), QString::number(int(expected)));
        QTRY_VERIFY(QApplication::activeModalWidget());
        QApplication::activeModalWidget()->close();
        break;
    }
    case Effect::WindowedAgain:
        QTRY_VERIFY(!window.isFullScreen());
        QTRY_COMPARE(shownParts(window, *page, viewer), windowedParts);
        break;
    case Effect::ViewRotation:
        QCOMPARE(view->viewRotation(), int(expected));
        QCOMPARE(model.pageAt(0)->rotation, 0);
        QVERIFY(!stack->canUndo());
        break;
    case Effect::Presentation: {
        PdfPresentationView *show = viewer->readingModes()->presentation();
        QVERIFY(show && QTest::qWaitForWindowActive(show));
        QCOMPARE(show->currentRow(), int(expected));
        QTest::keyClick(show, Qt::Key_Escape);
        QTRY_VERIFY(!viewer->readingModes()->presentation());
        break;
    }
    case Effect::Fit: {
        QCOMPARE(int(view->fitMode()), int(expected));
        auto *fit = viewer->findChild<QPushButton *>(u"pdfFitToggleButton"_s);
        QCOMPARE(fit->toolTip(),
                 PdfFitMode(expected) == PdfFitMode::FitPage ? u"适合页面"_s : u"适合宽度"_s);
        break;
    }
    case Effect::PageBoxThenNext: {
        QCOMPARE(view->currentPage(), int(expected));
        QTRY_COMPARE(pageEdit->text(), QString::number(int(expected) + 1));
        auto *next = viewer->findChild<QPushButton *>(u"pdfNextPageButton"_s);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(view->currentPage(), int(expected) + 1);
        QCOMPARE(pageEdit->text(), QString::number(int(expected) + 2));
        break;
    }
    case Effect::FullScreen:
        // The pages alone, then everything that was shown before.
        QTRY_VERIFY(window.isFullScreen());
        QTRY_COMPARE(shownParts(window, *page, viewer), QStringList{u"pages"_s});
        QTRY_COMPARE(viewer->documentView()->width(), window.width());
        QTest::keySequence(&window, key);
        QTRY_VERIFY(!window.isFullScreen());
        QTRY_COMPARE(shownParts(window, *page, viewer), windowedParts);
        break;
    case Effect::AnnotationTool: {
        const int index = int(expected);
        const QString tool = index < 0 ? QString() : PdfAnnotationLayer::toolIds().at(index);
        QCOMPARE(viewer->annotationLayer()->tool(), tool);
        if (setup == Setup::FindBarOpen)
            QCOMPARE(viewer->findBar()->lineEdit()->text(), u"h"_s);
        if (!tool.isEmpty()) {
            // The button's tip names its key.
            auto *button =
                viewer->topToolBar()->findChild<QPushButton *>(u"pdfAnnotation_"_s + tool);
            QVERIFY(button);
            QVERIFY2(
                button->toolTip().endsWith(u'(' + key.toString(QKeySequence::NativeText) + u')'),
                qPrintable(button->toolTip()));
        }
        break;
    }
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

void TestViewerKeys::historyInputs_data()
{
    // After jumps from page 1 to 4 (the strip) and on to 6 (a link), these steps lead to a page.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("expected");
    QTest::newRow("mouse back button") << QStringList{u"mouse back"_s} << 3;
    QTest::newRow("mouse back twice") << QStringList{u"mouse back"_s, u"mouse back"_s} << 0;
    QTest::newRow("mouse forward after back")
        << QStringList{u"mouse back"_s, u"mouse forward"_s} << 5;
    QTest::newRow("bar back button") << QStringList{u"bar back"_s} << 3;
    QTest::newRow("bar forward after back") << QStringList{u"bar back"_s, u"bar forward"_s} << 5;
    QTest::newRow("a bookmark is a jump too") << QStringList{u"bookmark 2"_s, u"bar back"_s} << 5;
    QTest::newRow("a new jump drops the way forward")
        << QStringList{u"bar back"_s, u"bookmark 2"_s, u"bar forward"_s} << 1;
    QTest::newRow("back past a removed page") << QStringList{u"remove 4"_s, u"bar back"_s} << 0;
    QTest::newRow("back at the oldest place stays")
        << QStringList{u"bar back"_s, u"bar back"_s, u"bar back"_s} << 0;
}

void TestViewerKeys::historyInputs()
{
    QFETCH(QStringList, steps);
    QFETCH(int, expected);

    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(6, QSizeF(300, 400));
    spec.outlines = true;
    spec.links = {{3, 5}};
    const QString path = m_dir.filePath(u"history.pdf"_s);
    QVERIFY(fixtures::write(spec, path));
    PdfViewerWidget viewer;
    viewer.resize(1000, 700);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QVERIFY(viewer.openDocument(path));
    PdfDocumentView *view = viewer.documentView();
    auto *back = viewer.findChild<QAbstractButton *>(u"pdfHistoryBackButton"_s);
    auto *forward = viewer.findChild<QAbstractButton *>(u"pdfHistoryForwardButton"_s);
    QVERIFY(back && forward);
    QTRY_VERIFY(back->isVisible());
    QVERIFY(!back->isEnabled() && !forward->isEnabled());

    Q_EMIT viewer.thumbnailPanel()->pageActivated(3);
    QCOMPARE(view->currentPage(), 3);
    // The link on page 4 leads to page 6.
    const QRect rect = view->pageRect(3);
    const QPoint origin(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    // The link's box is 10..60 x 10..25 points from the bottom left of a 300 x 400 page.
    const double scale = rect.width() / 300.0;
    const QPoint link = rect.topLeft() - origin + QPointF(35 * scale, (400 - 17) * scale).toPoint();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, link);
    QTRY_COMPARE(view->currentPage(), 5);
    QVERIFY(back->isEnabled() && !forward->isEnabled());

    for (const QString &step : std::as_const(steps)) {
        const QString argument = step.section(u' ', 1);
        if (step == u"mouse back"_s || step == u"mouse forward"_s)
            QTest::mouseClick(view->viewport(),
                              step.endsWith(u"back"_s) ? Qt::BackButton : Qt::ForwardButton, {},
                              QPoint(20, 20));
        else if (step == u"bar back"_s)
            QTest::mouseClick(back, Qt::LeftButton);
        else if (step == u"bar forward"_s)
            QTest::mouseClick(forward, Qt::LeftButton);
        else if (step.startsWith(u"bookmark"_s))
            Q_EMIT viewer.findChild<PdfOutlinePanel *>()->pageRequested(argument.toInt() - 1);
        else if (step.startsWith(u"remove"_s))
            viewer.undoManager()->removePages(
                {viewer.documentModel()->pageAt(argument.toInt() - 1)->id});
        QApplication::processEvents();
    }
    QCOMPARE(view->currentPage(), expected);
}

void TestViewerKeys::readingPlaceRestored_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("zoom"); // 0: fitted
    QTest::addColumn<int>("fitMode");
    QTest::addColumn<int>("viewMode");
    const int none = int(PdfFitMode::NoFit);
    const int width = int(PdfFitMode::FitWidth);
    const int whole = int(PdfFitMode::FitPage);
    const int grid = int(PdfViewMode::PageManageView);
    QTest::newRow("page and zoom") << u"page 5 zoom 1.5"_s << 4 << 1.5 << none << 0;
    QTest::newRow("fit page") << u"fit page 3"_s << 2 << 0.0 << whole << 0;
    QTest::newRow("fit width") << u"page 6"_s << 5 << 0.0 << width << 0;
    QTest::newRow("page grid") << u"grid page 2"_s << 1 << 0.0 << width << grid;
    QTest::newRow("two-up, view turned") << u"two-up turned page 2"_s << 1 << 0.0 << width << 0;
    QTest::newRow("edited, saved on closing") << u"page 5 edited saved"_s << 4 << 0.0 << width << 0;
    QTest::newRow("a rewritten file starts afresh")
        << u"page 5 rewritten"_s << 0 << 0.0 << width << 0;
}

void TestViewerKeys::readingPlaceRestored()
{
    QFETCH(QString, left);
    QFETCH(int, page);
    QFETCH(double, zoom);
    QFETCH(int, fitMode);
    QFETCH(int, viewMode);

    const QString path = makePdf(
        u"place-%1.pdf"_s.arg(QString::fromLatin1(QTest::currentDataTag())).replace(u' ', u'-'),
        QList<QSizeF>(6, QSizeF(300, 400)));
    const QStringList words = left.split(u' ');
    const auto number = [&words](const QString &word) {
        const qsizetype at = words.indexOf(word);
        return at >= 0 ? words.value(at + 1).toDouble() : 0.0;
    };
    {
        PdfViewerWidget viewer;
        viewer.resize(900, 700);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(viewer.openDocument(path));
        if (words.contains(u"fit"_s))
            viewer.fitPage();
        if (words.contains(u"zoom"_s))
            viewer.setZoomFactor(number(u"zoom"_s));
        if (words.contains(u"two-up"_s))
            viewer.documentView()->setPageLayout(PdfPageLayout::TwoUp);
        if (words.contains(u"turned"_s))
            viewer.documentView()->setViewRotation(90);
        viewer.goToPage(int(number(u"page"_s)) - 1);
        if (words.contains(u"grid"_s))
            viewer.setViewMode(PdfViewMode::PageManageView);
        if (words.contains(u"edited"_s))
            viewer.undoManager()->rotatePages({viewer.documentModel()->pageAt(0)->id}, 90);
        if (words.contains(u"saved"_s)) {
            DialogSeam::answerMessageBox(ModernMessageBox::Confirmed);
            QVERIFY(viewer.confirmClose());
            QVERIFY(!viewer.documentModel()->isModified());
            QCOMPARE(readback::inspect(path).pages.value(0).rotate, 90);
        }
    }
    if (words.contains(u"rewritten"_s)) {
        QTest::qWait(20);
        QVERIFY(!makePdf(QFileInfo(path).fileName(), QList<QSizeF>(6, QSizeF(300, 400))).isEmpty());
    }

    PdfViewerWidget fresh;
    fresh.resize(900, 700);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    QVERIFY(fresh.openDocument(path));
    QApplication::processEvents();
    QCOMPARE(fresh.documentView()->currentPage(), page);
    QCOMPARE(int(fresh.documentView()->fitMode()), fitMode);
    if (zoom > 0)
        QCOMPARE(fresh.documentView()->zoomFactor(), zoom);
    QCOMPARE(int(fresh.viewMode()), viewMode);
    QCOMPARE(fresh.documentView()->pageLayout(),
             words.contains(u"two-up"_s) ? PdfPageLayout::TwoUp : PdfPageLayout::Continuous);
    QCOMPARE(fresh.documentView()->viewRotation(), words.contains(u"turned"_s) ? 90 : 0);
    // The page shown is the one stored: its top stands at the top of the window.
    if (viewMode == int(PdfViewMode::DocumentView))
        QVERIFY(fresh.documentView()->pageRect(page).top() <=
                fresh.documentView()->verticalScrollBar()->value() + 40);
}

void TestViewerKeys::readingPlacesBounded()
{
    // More files than the store keeps, and one that is gone by the time it writes.
    ReadingPlaceStore store(m_dir.filePath(u"places.json"_s));
    const QString gone = makePdf(u"gone.pdf"_s, {QSizeF(300, 400)});
    store.remember(gone, {});
    QVERIFY(QFile::remove(gone));
    QStringList files;
    for (int i = 0; i < ReadingPlaceStore::MaximumFiles + 5; ++i) {
        const QString file = m_dir.filePath(u"bound-%1.pdf"_s.arg(i));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.close();
        ReadingPlaceStore::Place place;
        place.page = i;
        place.readAt = 1000 + i;
        store.remember(file, place);
        files.append(file);
    }
    QFile written(store.filePath());
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray json = written.readAll();
    const QJsonArray places = QJsonDocument::fromJson(json).object().value("places"_L1).toArray();
    QCOMPARE(places.size(), ReadingPlaceStore::MaximumFiles);
    QVERIFY(!json.contains("gone.pdf"));
    // The oldest readings made way; the newest is there with its page.
    QVERIFY(!json.contains("bound-4.pdf\""));
    const ReadingPlaceStore again(store.filePath());
    QCOMPARE(again.place(files.constLast())->page, ReadingPlaceStore::MaximumFiles + 4);
    QVERIFY(!again.place(files.constFirst()));
}

void TestViewerKeys::pageContextMenu_data()
{
    // Menu entries chosen in turn on the first page shown, and what they leave behind.
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing selected: copy is off")
        << QStringList{u"pdfPageCopyAction"_s} << u"disabled"_s;
    QTest::newRow("select all then copy")
        << QStringList{u"pdfPageSelectAllAction"_s, u"pdfPageCopyAction"_s}
        << u"clipboard Line 1 of page 2"_s;
    QTest::newRow("find the selection")
        << QStringList{u"pdfPageSelectAllAction"_s, u"pdfPageFindSelectionAction"_s}
        << u"find Page 2"_s;
    QTest::newRow("back after a jump") << QStringList{u"pdfHistoryBackAction"_s} << u"page 0"_s;
    QTest::newRow("nothing selected: no marking")
        << QStringList{u"pdfPageHighlightAction"_s} << u"absent"_s;
    QTest::newRow("highlight the selection")
        << QStringList{u"pdfPageSelectAllAction"_s, u"pdfPageHighlightAction"_s}
        << u"marked highlight"_s;
    QTest::newRow("underline the selection")
        << QStringList{u"pdfPageSelectAllAction"_s, u"pdfPageUnderlineAction"_s}
        << u"marked underline"_s;
    QTest::newRow("strike the selection out")
        << QStringList{u"pdfPageSelectAllAction"_s, u"pdfPageStrikeOutAction"_s}
        << u"marked strikeout"_s;
}

void TestViewerKeys::pageContextMenu()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);

    const QString path = fixtures::textPdf(m_dir.filePath(u"menu.pdf"_s), 3, QSizeF(400, 300));
    QVERIFY(!path.isEmpty());
    PdfViewerWidget viewer;
    viewer.resize(900, 700);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QVERIFY(viewer.openDocument(path));
    PdfDocumentView *view = viewer.documentView();
    Q_EMIT viewer.thumbnailPanel()->pageActivated(1);
    QCOMPARE(view->currentPage(), 1);
    QGuiApplication::clipboard()->clear();

    const QString what = expected.section(u' ', 0, 0);
    const QString argument = expected.section(u' ', 1);
    for (const QString &entry : std::as_const(entries)) {
        // A right click in the middle of the page at the top of the window.
        const QRect rect = view->pageRect(1);
        const QPoint at = rect.center() - QPoint(view->horizontalScrollBar()->value(),
                                                 view->verticalScrollBar()->value());
        const QPoint inside(at.x(), std::min(at.y(), view->viewport()->height() / 2));
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside,
                                view->viewport()->mapToGlobal(inside));
        QApplication::sendEvent(view->viewport(), &click);
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = viewer.findChild<QMenu *>(u"pdfPageContextMenu"_s)) &&
                    menu->isVisible());
        QAction *action = nullptr;
        for (QAction *candidate : menu->actions())
            if (candidate->objectName() == entry)
                action = candidate;
        if (what == u"absent"_s) {
            QVERIFY(!action);
            menu->close();
            return;
        }
        QVERIFY(action);
        if (what == u"disabled"_s) {
            QVERIFY(!action->isEnabled());
            menu->close();
            return;
        }
        QVERIFY(action->isEnabled());
        const QPointer<QMenu> shown = menu;
        menu->close();
        action->trigger();
        // The menu goes once closed, so the next click finds the next one.
        QTRY_VERIFY(!shown);
    }
    if (what == u"clipboard"_s) {
        QVERIFY2(QGuiApplication::clipboard()->text().contains(argument),
                 qPrintable(QGuiApplication::clipboard()->text()));
    } else if (what == u"find"_s) {
        auto *edit = viewer.findChild<QLineEdit *>(u"pdfFindEdit"_s);
        QVERIFY(edit && edit->isVisible());
        QCOMPARE(edit->text(), argument);
        QTRY_VERIFY(viewer.findChild<QLabel *>(u"pdfFindStatus"_s)->text().contains(u'1'));
    } else if (what == u"marked"_s) {
        // The page's text is marked as one annotation of the tool's kind, the selection gone.
        viewer.annotationModel()->waitUntilLoaded();
        const QList<PdfAnnotationItem> items = viewer.annotationModel()->annotations(1);
        QCOMPARE(items.size(), 1);
        QCOMPARE(PdfAnnotationLayer::toolOf(items.first().annotation.type), argument);
        QVERIFY(!items.first().annotation.quads.isEmpty());
        QVERIFY(!viewer.pageInteraction()->hasSelection());
    } else {
        QCOMPARE(view->currentPage(), argument.toInt());
    }
}
