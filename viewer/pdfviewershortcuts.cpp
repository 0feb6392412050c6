#include "pdfviewershortcuts.h"

#include "pdfbottomcontrolbar.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfpagemanagerview.h"
#include "pdfreadinghistory.h"
#include "pdfthumbnailpanel.h"
#include "pdftoptoolbar.h"
#include "pdfviewerwidget.h"

#include <QAbstractItemView>
#include <QAction>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

PdfViewerShortcuts::PdfViewerShortcuts(PdfViewerWidget *viewer)
    : QObject(viewer)
    , m_viewer(viewer)
{
    setObjectName(u"pdfViewerShortcuts"_s);
    using Command = PdfTopToolBar::Command;
    PdfTopToolBar *bar = viewer->topToolBar();
    for (Command command : {Command::Save, Command::SaveAs, Command::Print, Command::Undo,
                            Command::Redo, Command::Properties})
        put(viewer, bar->action(command));

    m_readingKeys = {
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_Plus), &PdfViewerShortcuts::zoomIn),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_Equal), &PdfViewerShortcuts::zoomIn),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_Minus), &PdfViewerShortcuts::zoomOut),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_0), &PdfViewerShortcuts::fitPage),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_1), &PdfViewerShortcuts::zoomReset),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_2), &PdfViewerShortcuts::fitWidth),
        add(viewer, QKeySequence(Qt::Key_Home), &PdfViewerShortcuts::firstPage),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_Home), &PdfViewerShortcuts::firstPage),
        add(viewer, QKeySequence(Qt::Key_End), &PdfViewerShortcuts::lastPage),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_End), &PdfViewerShortcuts::lastPage),
        add(viewer, QKeySequence(Qt::Key_PageUp), &PdfViewerShortcuts::screenUp),
        add(viewer, QKeySequence(Qt::Key_PageDown), &PdfViewerShortcuts::screenDown),
        add(viewer, QKeySequence(Qt::Key_Space), &PdfViewerShortcuts::screenDown),
        add(viewer, QKeySequence(Qt::SHIFT | Qt::Key_Space), &PdfViewerShortcuts::screenUp),
        add(viewer, QKeySequence(Qt::Key_Left), &PdfViewerShortcuts::leftKey),
        add(viewer, QKeySequence(Qt::Key_Right), &PdfViewerShortcuts::rightKey),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_G), &PdfViewerShortcuts::pageNumberBox),
    };
    // Delete acts on the pages where they are picked: the strip (when it has the focus) and the
    // grid (whenever it is shown).
    QAction *remove = bar->action(Command::Delete);
    put(viewer->thumbnailPanel(), remove);
    auto *inGrid = new QShortcut(remove->shortcut(), viewer->pageManagerView());
    inGrid->setContext(Qt::WindowShortcut);
    connect(inGrid, &QShortcut::activated, remove, &QAction::trigger);

    connect(viewer->viewStack(), &QStackedWidget::currentChanged, this,
            &PdfViewerShortcuts::updateEnabled);
    updateEnabled();
}

QShortcut *PdfViewerShortcuts::add(QWidget *owner, const QKeySequence &key,
                                   void (PdfViewerShortcuts::*slot)())
{
    auto *shortcut = new QShortcut(key, owner);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    shortcut->setAutoRepeat(true);
    connect(shortcut, &QShortcut::activated, this, slot);
    return shortcut;
}

void PdfViewerShortcuts::put(QWidget *owner, QAction *action)
{
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    owner->addAction(action);
}

void PdfViewerShortcuts::focusCurrentView(PdfViewerWidget *viewer)
{
    QWidget *page = viewer->viewStack()->currentWidget();
    if (!page)
        return;
    if (page->focusPolicy() != Qt::NoFocus) {
        page->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (auto *list = page->findChild<QAbstractItemView *>())
        list->setFocus(Qt::OtherFocusReason);
}

void PdfViewerShortcuts::updateEnabled()
{
    // In the grid, Home, End and the page keys move among the cards instead.
    const bool reading = m_viewer->viewStack()->currentWidget() == m_viewer->documentView();
    for (QShortcut *shortcut : std::as_const(m_readingKeys))
        shortcut->setEnabled(reading);
}

void PdfViewerShortcuts::zoomIn()
{
    m_viewer->zoomIn();
}

void PdfViewerShortcuts::zoomOut()
{
    m_viewer->zoomOut();
}

void PdfViewerShortcuts::zoomReset()
{
    m_viewer->setZoomFactor(1.0);
}

void PdfViewerShortcuts::fitPage()
{
    m_viewer->fitPage();
}

void PdfViewerShortcuts::fitWidth()
{
    m_viewer->fitWidth();
}

void PdfViewerShortcuts::firstPage()
{
    m_viewer->history()->jumpTo(0);
}

void PdfViewerShortcuts::lastPage()
{
    m_viewer->history()->jumpTo(m_viewer->documentModel()->pageCount() - 1);
}

void PdfViewerShortcuts::scrollBy(int direction)
{
    m_viewer->documentView()->turnScreen(direction);
}

void PdfViewerShortcuts::screenUp()
{
    scrollBy(-1);
}

void PdfViewerShortcuts::screenDown()
{
    scrollBy(1);
}

void PdfViewerShortcuts::sideways(int direction)
{
    // With nothing to scroll sideways the arrows turn pages, as the page buttons do.
    QScrollBar *bar = m_viewer->documentView()->horizontalScrollBar();
    if (bar->maximum() > bar->minimum()) {
        bar->triggerAction(direction < 0 ? QAbstractSlider::SliderSingleStepSub
                                         : QAbstractSlider::SliderSingleStepAdd);
        return;
    }
    if (m_viewer->layoutDirection() == Qt::RightToLeft)
        direction = -direction;
    m_viewer->documentView()->turnPage(direction);
}

void PdfViewerShortcuts::leftKey()
{
    sideways(-1);
}

void PdfViewerShortcuts::rightKey()
{
    sideways(1);
}

void PdfViewerShortcuts::pageNumberBox()
{
    if (m_viewer->isBottomBarWanted())
        m_viewer->bottomBar()->focusPageNumber();
}
