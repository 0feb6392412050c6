#include "pdfviewershortcuts.h"

#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfreadinghistory.h"
#include "pdftoptoolbar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

PdfViewerShortcuts::PdfViewerShortcuts(const Parts &parts)
    : QObject(parts.host)
    , m_parts(parts)
{
    QWidget *viewer = parts.host;
    setObjectName(u"pdfViewerShortcuts"_s);
    using Command = PdfTopToolBar::Command;
    PdfTopToolBar *bar = parts.toolBar;
    for (Command command : {Command::Save, Command::SaveAs, Command::Print, Command::Undo,
                            Command::Redo, Command::Properties})
        put(viewer, bar->action(command));

    m_readingKeys = {
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_Plus), &PdfViewerShortcuts::zoomInPressed),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_Equal), &PdfViewerShortcuts::zoomInPressed),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_Minus), &PdfViewerShortcuts::zoomOutPressed),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_0), &PdfViewerShortcuts::fitPagePressed),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_1), &PdfViewerShortcuts::zoomResetPressed),
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_2), &PdfViewerShortcuts::fitWidthPressed),
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
        add(viewer, QKeySequence(Qt::CTRL | Qt::Key_G), &PdfViewerShortcuts::pageNumberPressed),
    };
    // Delete acts on the pages where they are picked: the strip (when it has the focus) and the
    // grid (whenever it is shown).
    QAction *remove = bar->action(Command::Delete);
    put(parts.strip, remove);
    auto *inGrid = new QShortcut(remove->shortcut(), parts.grid);
    inGrid->setContext(Qt::WindowShortcut);
    connect(inGrid, &QShortcut::activated, remove, &QAction::trigger);

    connect(parts.viewStack, &QStackedWidget::currentChanged, this,
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

void PdfViewerShortcuts::focusCurrentView(QStackedWidget *viewStack)
{
    QWidget *page = viewStack->currentWidget();
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
    const bool reading = m_parts.viewStack->currentWidget() == m_parts.view;
    for (QShortcut *shortcut : std::as_const(m_readingKeys))
        shortcut->setEnabled(reading);
}

void PdfViewerShortcuts::firstPage()
{
    m_parts.history->jumpTo(0);
}

void PdfViewerShortcuts::lastPage()
{
    m_parts.history->jumpTo(m_parts.model->pageCount() - 1);
}

void PdfViewerShortcuts::scrollBy(int direction)
{
    m_parts.view->turnScreen(direction);
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
    QScrollBar *bar = m_parts.view->horizontalScrollBar();
    if (bar->maximum() > bar->minimum()) {
        bar->triggerAction(direction < 0 ? QAbstractSlider::SliderSingleStepSub
                                         : QAbstractSlider::SliderSingleStepAdd);
        return;
    }
    if (m_parts.host->layoutDirection() == Qt::RightToLeft)
        direction = -direction;
    m_parts.view->turnPage(direction);
}

void PdfViewerShortcuts::leftKey()
{
    sideways(-1);
}

void PdfViewerShortcuts::rightKey()
{
    sideways(1);
}
