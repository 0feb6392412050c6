#include "customtabwidget.h"

#include "batchtoolpage.h"
#include "customtabbar.h"
#include "pdfshowpage.h"
#include "theme.h"

#include <QEvent>
#include <QIcon>
#include <QLoggingCategory>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcTabs, "velmora.tabs", QtWarningMsg)

CustomTabWidget::CustomTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    m_tabBar = new CustomTabBar(this);
    setTabBar(m_tabBar);
    // By class: the rules must not reach the tab widgets of dialogs opened from a tab (printing).
    setStyleSheet(uR"(
CustomTabWidget { background: %1; border: none; }
CustomTabBar { background: transparent; }
CustomTabWidget::pane { border: none; border-top: 1px solid %2; margin-top: -1px; background: %3; }
)"_s.arg(Theme::tabWidgetBackground, Theme::paneLine, Theme::surface));
    connect(m_tabBar, &QTabBar::tabCloseRequested, this, &CustomTabWidget::onTabCloseRequested);

    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(u"tabListMenu"_s);
    connect(m_listMenu, &QMenu::aboutToShow, this, &CustomTabWidget::fillListMenu);
    m_listButton = new QToolButton(this);
    m_listButton->setObjectName(u"tabListButton"_s);
    m_listButton->setToolTip(tr("全部标签页"));
    m_listButton->setCursor(Qt::PointingHandCursor);
    m_listButton->setMinimumSize(24, 42);
    m_listButton->setMaximumSize(CustomTabBar::ReservedWidth - 4, 42);
    m_listButton->setPopupMode(QToolButton::InstantPopup);
    m_listButton->setIcon(QIcon(u":/res/icons/modern/chevron-down.png"_s));
    m_listButton->setIconSize(QSize(16, 16));
    m_listButton->setMenu(m_listMenu);
    m_listButton->setStyleSheet(uR"(
QToolButton { border: none; background: transparent; border-radius: 6px; margin: 5px 4px 3px 4px; }
QToolButton:hover { background: %1; }
QToolButton::menu-indicator { image: none; }
)"_s.arg(Theme::tabCloseHover));
    setCornerWidget(m_listButton, Qt::TopRightCorner);
    m_listButton->hide();
}

void CustomTabWidget::fillListMenu()
{
    m_listMenu->clear();
    for (int i = 0; i < count(); ++i) {
        QAction *action = m_listMenu->addAction(tabIcon(i), tabText(i));
        action->setToolTip(tabToolTip(i));
        action->setCheckable(true);
        action->setChecked(i == currentIndex());
        QWidget *page = widget(i);
        connect(action, &QAction::triggered, this, [this, page] {
            if (const int at = indexOf(page); at >= 0)
                setCurrentIndex(at);
        });
    }
}

void CustomTabWidget::updateListButton()
{
    const bool overflow = !m_tabBar->isHidden() && m_tabBar->tabsOverflow();
    if (overflow != m_listButton->isVisible())
        m_listButton->setVisible(overflow);
    // The style sets corner widgets on the pane's edge; this one belongs beside the tabs.
    const QRect bar = m_tabBar->geometry();
    const int x = bar.right() + 1;
    m_listButton->setGeometry(x, bar.top(), std::max(width() - x, 24), bar.height());
}

void CustomTabWidget::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    updateListButton();
}

bool CustomTabWidget::event(QEvent *event)
{
    const bool result = QTabWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        updateListButton();
    return result;
}

void CustomTabWidget::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    updateListButton();
}

void CustomTabWidget::tabRemoved(int index)
{
    QTabWidget::tabRemoved(index);
    updateListButton();
}

void CustomTabWidget::resizeEvent(QResizeEvent *event)
{
    QTabWidget::resizeEvent(event);
    updateListButton();
}

void CustomTabWidget::onTabCloseRequested(int index)
{
    qCDebug(lcTabs) << "close requested for tab" << index;
    QWidget *page = widget(index);
    if (!page || m_tabBar->isHomeTab(index))
        return;
    if (auto *viewer = qobject_cast<PdfShowPage *>(page)) {
        if (!viewer->confirmClose())
            return;
    }
    if (auto *tool = qobject_cast<BatchToolPage *>(page); tool && !tool->confirmClose())
        return;
    // The viewer may have run a modal box meanwhile; look the page up again.
    const int at = indexOf(page);
    if (at < 0)
        return;
    removeTab(at);
    page->deleteLater();
}
