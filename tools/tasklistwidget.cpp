#include "tasklistwidget.h"

#include "iconbutton.h"
#include "kitstyle.h"
#include "lazyrowwidgets.h"
#include "listviewstyle.h"
#include "tasklistitem.h"
#include "taskstatus.h"
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
    ListViewStyle::apply(m_list, TaskListItem::styleRules());
    m_rows =
        new LazyRowWidgets(m_list, 80, [this](QListWidgetItem *item) { return makeRow(item); });

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

namespace {

// What a row shows, kept with its item until the row is on screen and has its widget.
enum Role : int {
    TaskIdRole = Qt::UserRole,
    TypeRole = Qt::UserRole + 1,
    OutputRole = Qt::UserRole + 2,
    SourceRole = Qt::UserRole + 3,
    StatusRole = Qt::UserRole + 4,
};

} // namespace

void TaskListWidget::addTask(const TaskItemInfo &info)
{
    auto *item = new QListWidgetItem;
    item->setSizeHint(QSize(0, 80));
    item->setData(TaskIdRole, info.taskId);
    item->setData(TypeRole, info.type);
    item->setData(OutputRole, info.outputPath);
    item->setData(SourceRole, info.sourceFile);
    item->setData(StatusRole, int(TaskStatus::Waiting));
    m_list->addItem(item);
    m_items.insert(info.taskId, item);
    m_rows->update();
}

QWidget *TaskListWidget::makeRow(QListWidgetItem *item)
{
    auto *row = new TaskListItem;
    row->setTask({item->data(TaskIdRole).toString(), item->data(TypeRole).toInt(),
                  item->data(OutputRole).toString(), item->data(SourceRole).toString()});
    const int status = item->data(StatusRole).toInt();
    if (status != TaskStatus::Waiting)
        row->setStatus(status);
    return row;
}

void TaskListWidget::updateTaskStatus(const QString &taskId, int status)
{
    QListWidgetItem *item = m_items.value(taskId);
    if (!item || status < TaskStatus::Waiting || status > TaskStatus::Cancelled)
        return;
    item->setData(StatusRole, status);
    if (auto *row = qobject_cast<TaskListItem *>(m_list->itemWidget(item)))
        row->setStatus(status);
}

TaskListItem *TaskListWidget::item(const QString &taskId) const
{
    QListWidgetItem *row = m_items.value(taskId);
    return row ? qobject_cast<TaskListItem *>(m_list->itemWidget(row)) : nullptr;
}

int TaskListWidget::status(const QString &taskId) const
{
    QListWidgetItem *row = m_items.value(taskId);
    return row ? row->data(StatusRole).toInt() : -1;
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
