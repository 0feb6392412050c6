#include "customtabwidget.h"

#include "batchtoolpage.h"
#include "customtabbar.h"
#include "pdfshowpage.h"
#include "theme.h"

#include <QDebug>

using namespace Qt::StringLiterals;

CustomTabWidget::CustomTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    m_tabBar = new CustomTabBar(this);
    setTabBar(m_tabBar);
    setStyleSheet(uR"(
QTabWidget { background: %1; border: none; }
QTabBar { background: transparent; }
QTabWidget::pane { border: none; border-top: 1px solid %2; margin-top: -1px; background: %3; }
)"_s.arg(Theme::tabWidgetBackground, Theme::paneLine, Theme::surface));
    connect(m_tabBar, &QTabBar::tabCloseRequested, this, &CustomTabWidget::onTabCloseRequested);
}

void CustomTabWidget::onTabCloseRequested(int index)
{
    qDebug() << "remove index" << index;
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
