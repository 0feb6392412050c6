// Renders the viewer for review: scripts/viewer-screenshots.sh runs it under Xvfb so that menus,
// popups and modal dialogs appear as real windows. Not a test.
//
// Usage: viewer_screenshots <output folder> <document.pdf> <encrypted.pdf> <long.pdf>

#include "customtabwidget.h"
#include "framelesswindow.h"
#include "mainpage.h"
#include "moderncombobox.h"
#include "pdfbottomcontrolbar.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentsession.h"
#include "pdfdocumentview.h"
#include "pdfshowpage.h"
#include "pdfthumbnailpanel.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "screenshots.h"
#include "startup.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace shots;

namespace {

bool pagesShown(PdfViewerWidget *viewer)
{
    PdfDocumentView *view = viewer->documentView();
    const QRect visible(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value(),
                        view->viewport()->width(), view->viewport()->height());
    const PdfDocumentModel *model = viewer->documentModel();
    for (int row = 0; row < model->pageCount(); ++row) {
        if (view->pageRect(row).intersects(visible) && !view->hasPageImage(model->pageAt(row)->id))
            return false;
    }
    return true;
}

void waitForPages(PdfViewerWidget *viewer)
{
    if (!QTest::qWaitFor([viewer] { return pagesShown(viewer); }, 20000))
        qWarning("pages did not arrive in time");
    settle();
}

PdfViewerWidget *currentViewer(MainPage *page)
{
    auto *tab = qobject_cast<PdfShowPage *>(page->tabWidget()->currentWidget());
    return tab ? tab->viewer() : nullptr;
}

// Grabs the screen once a modal dialog has come up, then closes it.
void grabModalLater(QWidget *window, const QString &name, int delayMs)
{
    QTimer::singleShot(delayMs, window, [window, name] {
        save(screenAround(window), name);
        // Its first drop-down open: the list belongs under its box, wherever the dialog stands.
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *combo = modal->findChild<ModernComboBox *>()) {
                QTest::mouseClick(combo, Qt::LeftButton);
                QTest::qWait(300);
                save(window->screen()->grabWindow(0), name + u"-list"_s);
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : combo,
                                Qt::Key_Escape);
                QTest::qWait(100);
            }
        }
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::configureApplication(app);
    const QStringList args = QApplication::arguments();
    if (args.size() < 5) {
        qWarning("usage: viewer_screenshots <out> <document.pdf> <encrypted.pdf> <long.pdf>");
        return 2;
    }
    shots::setFolder(args.at(1));

    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.move(100, 50);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    page->onFileOpen(args.at(2));
    PdfViewerWidget *viewer = currentViewer(page);
    if (!viewer)
        return 1;
    waitForPages(viewer);
    save(screenAround(&window), u"viewer-fit-width"_s);

    viewer->fitPage();
    waitForPages(viewer);
    save(screenAround(&window), u"viewer-fit-page"_s);

    // Full screen: the pages alone, then the window as it was.
    window.toggleFullScreen();
    QTest::qWait(400);
    waitForPages(viewer);
    save(window.screen()->grabWindow(0), u"viewer-full-screen"_s);
    window.toggleFullScreen();
    QTest::qWait(400);
    waitForPages(viewer);
    save(screenAround(&window), u"viewer-after-full-screen"_s);

    viewer->setZoomFactor(1.5);
    viewer->goToPage(1);
    viewer->documentView()->horizontalScrollBar()->setValue(120);
    waitForPages(viewer);
    save(screenAround(&window), u"viewer-zoomed-150"_s);

    // The deepest zoom, where the part in view is drawn sharp over a smaller whole page: near
    // the top left corner of the page's text.
    viewer->setZoomFactor(PdfDocumentView::MaxZoom);
    viewer->goToPage(1);
    {
        PdfDocumentView *view = viewer->documentView();
        const QRect page = view->pageRect(1);
        view->horizontalScrollBar()->setValue(page.left() + page.width() / 12);
        view->verticalScrollBar()->setValue(page.top() + page.height() / 14);
    }
    waitForPages(viewer);
    QTest::qWait(1500);
    save(screenAround(&window), u"viewer-zoomed-deepest"_s);

    viewer->setZoomFactor(0.25);
    waitForPages(viewer);
    save(screenAround(&window), u"viewer-zoomed-25"_s);
    viewer->fitWidth();
    waitForPages(viewer);

    PdfTopToolBar *toolBar = viewer->topToolBar();
    save(toolBar->grab(), u"viewer-toolbar"_s);
    save(viewer->findChild<PdfBottomControlBar *>(u"pdfBottomControlBar"_s)
             ->grab()
             .scaled(viewer->findChild<PdfBottomControlBar *>(u"pdfBottomControlBar"_s)->size() * 2,
                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
         u"viewer-bottom-bar-2x"_s);

    auto *tools = toolBar->findChild<QPushButton *>(u"pdfToolsButton"_s);
    // The button runs its menu modally: grab and close it from inside.
    QTimer::singleShot(400, &window, [&window, toolBar] {
        save(screenAround(&window), u"viewer-menu-tools"_s);
        toolBar->toolsMenu()->close();
    });
    tools->showMenu();
    settle();

    toolBar->findChild<QPushButton *>(u"pdfMoreButton"_s)->click();
    settle();
    save(screenAround(&window), u"viewer-menu-more"_s);
    toolBar->moreMenu()->close();
    settle();

    // The page's own menu, after a jump so that back is offered.
    Q_EMIT viewer->thumbnailPanel()->pageActivated(4);
    settle();
    QWidget *pageArea = viewer->documentView()->viewport();
    const QPoint inside = pageArea->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inside, pageArea->mapToGlobal(inside));
    QApplication::sendEvent(pageArea, &rightClick);
    settle();
    save(screenAround(&window), u"viewer-page-menu"_s);
    if (auto *pageMenu = viewer->findChild<QMenu *>(u"pdfPageContextMenu"_s))
        pageMenu->close();
    settle();

    auto *zoom = viewer->findChild<PdfBottomControlBar *>(u"pdfBottomControlBar"_s)
                     ->findChild<QComboBox *>(u"pdfZoomCombo"_s);
    viewer->setZoomFactor(0.333);
    zoom->showPopup();
    settle();
    save(screenAround(&window), u"viewer-zoom-popup"_s);
    zoom->hidePopup();
    viewer->fitWidth();
    settle();

    viewer->setViewMode(PdfViewMode::PageManageView);
    viewer->setWorkspaceMode(PdfWorkspaceMode::Extract);
    settle();
    save(screenAround(&window), u"viewer-page-grid-mode"_s);
    viewer->setViewMode(PdfViewMode::DocumentView);
    settle();

    // The document's properties once the file's part is read.
    QTimer::singleShot(1200, &window, [&window] {
        save(screenAround(&window), u"viewer-properties-dialog"_s);
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    viewer->showDocumentProperties();
    QTest::qWait(1500);

    // The page number dialog, then the numbers on the pages before any save (undone again).
    grabModalLater(&window, u"viewer-page-number-dialog"_s, 600);
    viewer->addPageNumbersWithDialog();
    PdfPageNumbering numbering;
    numbering.enabled = true;
    numbering.format = PdfPageNumbering::Format::NumberOfTotal;
    numbering.position = PdfStampPosition::BottomRight;
    numbering.fontSize = 14;
    viewer->addPageNumbers(numbering);
    waitForPages(viewer);
    save(screenAround(&window), u"viewer-page-numbers"_s);
    viewer->undoManager()->undoStack()->undo();
    settle();
    {
        // The same numbers written into a copy, for rendering with another reader.
        PdfDocumentSession session;
        if (session.open(args.at(2), QString(), nullptr) == PdfDocumentSession::Result::Done) {
            session.undoManager()->rotatePages({session.model()->pageAt(1)->id}, 90);
            session.undoManager()->setPageNumbering(numbering);
            session.saveAs(QDir(shots::folder()).filePath(u"numbered-sample.pdf"_s), nullptr);
        }
    }

    // A password prompt: opening the encrypted file shows it; the grab closes it again.
    grabModalLater(&window, u"viewer-password-prompt"_s, 600);
    page->onFileOpen(args.at(3));
    settle();

    // The save progress box, while a long document is written.
    page->onFileOpen(args.at(4));
    PdfViewerWidget *longViewer = currentViewer(page);
    if (longViewer) {
        waitForPages(longViewer);
        QTimer::singleShot(150, &window,
                           [&window] { save(screenAround(&window), u"viewer-save-progress"_s); });
        longViewer->saveAs(QDir(shots::folder()).filePath(u"long-saved.pdf"_s));
        QFile::remove(QDir(shots::folder()).filePath(u"long-saved.pdf"_s));
    }

    // Saving over a file that another tab shows with unsaved changes asks first (cancelled).
    const QString copy = QDir(shots::folder()).filePath(u"sample-copy.pdf"_s);
    QFile::remove(copy);
    QFile::copy(args.at(2), copy);
    page->onFileOpen(copy);
    if (PdfViewerWidget *copyViewer = currentViewer(page)) {
        waitForPages(copyViewer);
        copyViewer->undoManager()->rotatePages({copyViewer->documentModel()->pageAt(0)->id}, 90);
        if (longViewer) {
            grabModalLater(&window, u"viewer-replace-open-file"_s, 600);
            longViewer->saveAs(copy);
        }
        // Another program rewrites the file: the tab offers to reload it (kept).
        grabModalLater(&window, u"viewer-reload-offer"_s, 1500);
        QSaveFile rewrite(copy);
        if (rewrite.open(QIODevice::WriteOnly)) {
            QFile original(args.at(2));
            if (original.open(QIODevice::ReadOnly))
                rewrite.write(original.readAll());
            rewrite.commit();
        }
        QTest::qWait(2500);
    }
    QFile::remove(copy);
    return 0;
}
