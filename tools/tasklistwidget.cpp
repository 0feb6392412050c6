#include "tasklistwidget.h"

#include "iconbutton.h"
#include "kitstyle.h"
#include "listviewstyle.h"
#include "tasklistitem.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TaskListWidget::TaskListWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"taskList"_s);

    m_restartButton = new IconButton(tr("重来"), this);
    m_restartButton->setObjectName(u"taskRestartButton"_s);
    m_restartButton->setFixedSize(110, 40);
    m_restartButton->setBackgroundColor(Theme::color(Theme::surface));
    m_restartButton->setHoverColor(Theme::color(Theme::lightSurface));
    m_restartButton->setBorderColor(Theme::color(Theme::border));
    m_restartButton->setTextColor(Theme::color(Theme::textSecondary));
    m_restartButton->setPixmap(ToolPixmaps::icon(u":/res/icons/modern/restart.png"_s, 16));

    m_separator = new QLabel(this);
    m_separator->setFixedHeight(1);
    m_separator->setStyleSheet(KitStyle::dividerStyle());

    m_list = new QListWidget(this);
    m_list->setObjectName(u"taskListView"_s);
    ListViewStyle::apply(m_list);

    auto *top = new QHBoxLayout;
    top->setContentsMargins(15, 0, 15, 0);
    top->addStretch();
    top->addWidget(m_restartButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 10, 0, 10);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(m_separator);
    layout->addWidget(m_list);

    connect(m_restartButton, &QPushButton::clicked, this, &TaskListWidget::restart);
}

void TaskListWidget::addTask(const TaskItemInfo &info)
{
    auto *item = new QListWidgetItem;
    item->setSizeHint(QSize(0, 80));
    item->setData(Qt::UserRole, info.taskId);
    m_list->addItem(item);

    auto *row = new TaskListItem;
    row->setTask(info);
    m_list->setItemWidget(item, row);
    m_items.insert(info.taskId, row);
}

void TaskListWidget::updateTaskStatus(const QString &taskId, int status)
{
    if (TaskListItem *row = m_items.value(taskId))
        row->setStatus(status);
}

int TaskListWidget::count() const
{
    return m_list->count();
}

void TaskListWidget::restart()
{
    m_list->clear();
    m_items.clear();
    Q_EMIT sigRestart();
}
