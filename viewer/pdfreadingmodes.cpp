#include "pdfreadingmodes.h"

#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfpresentationview.h"
#include "pdfreadinghistory.h"
#include "pdftoptoolbar.h"
#include "roundedpopupmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString ViewerIcons = u":/res/icons/pdfviewer/"_s;

} // namespace

PdfReadingModes::PdfReadingModes(const Parts &parts)
    : QObject(parts.host)
    , m_parts(parts)
{
    setObjectName(u"pdfReadingModes"_s);
    PdfDocumentView *view = parts.view;
    QMenu *more = parts.toolBar->moreMenu();

    m_layoutMenu = new RoundedPopupMenu(more);
    m_layoutMenu->setObjectName(u"pdfPageLayoutMenu"_s);
    m_layoutMenu->setTitle(tr("页面布局"));
    m_layouts = new QActionGroup(this);
    const QList<QPair<PdfPageLayout, QString>> layouts = {
        {PdfPageLayout::Continuous, tr("连续滚动")},
        {PdfPageLayout::SinglePage, tr("单页")},
        {PdfPageLayout::TwoUp, tr("双页")},
        {PdfPageLayout::TwoUpCover, tr("双页（封面单独显示）")},
    };
    for (const auto &[layout, text] : layouts) {
        QAction *action = m_layoutMenu->addAction(text);
        action->setCheckable(true);
        action->setChecked(layout == view->pageLayout());
        action->setData(int(layout));
        m_layouts->addAction(action);
        connect(action, &QAction::triggered, view, [view, layout] { view->setPageLayout(layout); });
    }
    connect(view, &PdfDocumentView::pageLayoutChanged, this, [this](PdfPageLayout layout) {
        if (QAction *action = layoutAction(layout))
            action->setChecked(true);
    });

    QAction *clockwise = makeAction(
        Command::RotateViewClockwise, tr("顺时针旋转视图"),
        {QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::CTRL | Qt::Key_BracketRight)});
    clockwise->setIcon(QIcon(ViewerIcons + u"rotate-right.png"_s));
    connect(clockwise, &QAction::triggered, view,
            [view] { view->setViewRotation(view->viewRotation() + 90); });
    QAction *anticlockwise = makeAction(Command::RotateViewAnticlockwise, tr("逆时针旋转视图"),
                                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
                                         QKeySequence(Qt::CTRL | Qt::Key_BracketLeft)});
    anticlockwise->setIcon(QIcon(ViewerIcons + u"rotate-left.png"_s));
    connect(anticlockwise, &QAction::triggered, view,
            [view] { view->setViewRotation(view->viewRotation() + 270); });

    // F11 belongs to the window (it works on every tab); the entry only names it.
    QAction *fullScreen = makeAction(Command::FullScreen, tr("全屏"), {});
    fullScreen->setText(fullScreen->text() + u'\t' +
                        QKeySequence(Qt::Key_F11).toString(QKeySequence::NativeText));
    fullScreen->setCheckable(true);
    connect(fullScreen, &QAction::triggered, this, &PdfReadingModes::toggleFullScreen);
    QAction *presentation =
        makeAction(Command::Presentation, tr("演示"), {QKeySequence(Qt::Key_F5)});
    connect(presentation, &QAction::triggered, this, &PdfReadingModes::startPresentation);

    more->addSeparator();
    more->addMenu(m_layoutMenu);
    more->addAction(clockwise);
    more->addAction(anticlockwise);
    more->addAction(fullScreen);
    more->addAction(presentation);
    connect(more, &QMenu::aboutToShow, this, [this] {
        action(Command::FullScreen)->setChecked(m_parts.host->window()->isFullScreen());
    });

    for (Command command :
         {Command::RotateViewClockwise, Command::RotateViewAnticlockwise, Command::Presentation}) {
        QAction *key = action(command);
        key->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        parts.host->addAction(key);
    }
    connect(parts.viewStack, &QStackedWidget::currentChanged, this,
            &PdfReadingModes::updateEnabled);
    updateEnabled();
}

PdfReadingModes::~PdfReadingModes()
{
    // A window of its own rather than a child, so that it takes the keyboard; it goes with the tab.
    delete m_presentation;
}

QAction *PdfReadingModes::makeAction(Command command, const QString &text,
                                     const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setToolTip(PdfTopToolBar::toolTipOf(action));
    m_actions.insert(command, action);
    return action;
}

QAction *PdfReadingModes::layoutAction(PdfPageLayout layout) const
{
    for (QAction *action : m_layouts->actions()) {
        if (action->data().toInt() == int(layout))
            return action;
    }
    return nullptr;
}

void PdfReadingModes::updateEnabled()
{
    // The page grid has layouts of its own; these act on the reading view.
    const bool reading =
        m_parts.viewStack->currentWidget() == m_parts.view && m_parts.model->pageCount() > 0;
    for (Command command :
         {Command::RotateViewClockwise, Command::RotateViewAnticlockwise, Command::Presentation})
        action(command)->setEnabled(reading);
    m_layoutMenu->setEnabled(reading);
}

void PdfReadingModes::toggleFullScreen()
{
    // Maximised stays in the state underneath, so leaving full screen gives it back.
    QWidget *window = m_parts.host->window();
    window->setWindowState(window->windowState() ^ Qt::WindowFullScreen);
}

QList<QWidget *> PdfReadingModes::chrome() const
{
    QList<QWidget *> widgets;
    if (QLayout *column = m_parts.host->layout()) {
        for (int i = 0; i < column->count(); ++i) {
            QWidget *widget = column->itemAt(i)->widget();
            if (widget && widget != m_parts.splitter)
                widgets.append(widget);
        }
    }
    QSplitter *splitter = m_parts.splitter;
    for (int i = 0; i < splitter->count(); ++i) {
        if (splitter->widget(i) != m_parts.viewStack)
            widgets.append(splitter->widget(i));
    }
    return widgets;
}

void PdfReadingModes::setPagesOnly(bool pagesOnly)
{
    if (pagesOnly == m_pagesOnly)
        return;
    m_pagesOnly = pagesOnly;
    const QList<QWidget *> widgets = chrome();
    if (pagesOnly) {
        for (QWidget *widget : widgets) {
            if (!widget->isHidden()) {
                m_hidden.append(widget);
                widget->hide();
            }
            // The viewer shows some of them again as its modes change.
            widget->installEventFilter(this);
        }
        return;
    }
    for (QWidget *widget : widgets)
        widget->removeEventFilter(this);
    for (const QPointer<QWidget> &widget : std::as_const(m_hidden)) {
        if (widget)
            widget->show();
    }
    m_hidden.clear();
}

bool PdfReadingModes::eventFilter(QObject *watched, QEvent *event)
{
    if (m_pagesOnly && event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (!m_hidden.contains(widget))
            m_hidden.append(widget);
        // Not from inside its own showing.
        QTimer::singleShot(0, widget, [this, widget] {
            if (m_pagesOnly)
                widget->hide();
        });
    }
    return QObject::eventFilter(watched, event);
}

void PdfReadingModes::startPresentation()
{
    PdfDocumentView *view = m_parts.view;
    if (m_presentation || m_parts.model->pageCount() == 0)
        return;
    auto *show = new PdfPresentationView(m_parts.model, m_parts.renderManager, view->viewRotation(),
                                         view->currentPage(), nullptr);
    show->setAttribute(Qt::WA_DeleteOnClose);
    m_presentation = show;
    connect(show, &PdfPresentationView::finished, this, [this](int row) {
        // Where the talk ended is where reading goes on.
        if (row != m_parts.view->currentPage())
            m_parts.history->jumpTo(row);
        QWidget *window = m_parts.host->window();
        window->activateWindow();
        m_parts.view->setFocus(Qt::OtherFocusReason);
    });
    QScreen *screen =
        m_parts.host->screen() ? m_parts.host->screen() : QGuiApplication::primaryScreen();
    if (screen)
        show->setGeometry(screen->geometry());
    show->showFullScreen();
    show->activateWindow();
    show->setFocus(Qt::OtherFocusReason);
}
