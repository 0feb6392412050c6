#include "lazyrowwidgets.h"

#include <QEvent>
#include <QListWidget>
#include <QScrollBar>

LazyRowWidgets::LazyRowWidgets(QListWidget *list, int rowHeight, Maker maker)
    : QObject(list)
    , m_list(list)
    , m_viewport(list->viewport())
    , m_rowHeight(rowHeight)
    , m_maker(std::move(maker))
{
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, &LazyRowWidgets::update);
    m_viewport->installEventFilter(this);
}

void LazyRowWidgets::update()
{
    const int count = m_list->count();
    if (count == 0)
        return;
    // Rows are all m_rowHeight high, so the scroll position alone says which are on screen.
    const int offset = m_list->verticalScrollBar()->value();
    const int height = qMax(m_list->viewport()->height(), m_rowHeight);
    const int first = qMax(0, (offset - height) / m_rowHeight);
    const int last = qMin(count - 1, (offset + 2 * height) / m_rowHeight);
    for (int row = first; row <= last; ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (!m_list->itemWidget(item))
            m_list->setItemWidget(item, m_maker(item));
    }
}

bool LazyRowWidgets::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        update();
    return QObject::eventFilter(watched, event);
}
