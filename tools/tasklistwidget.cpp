#include "tasklistwidget.h"

#include "iconbutton.h"
#include "kitstyle.h"
#include "lazyrowwidgets.h"
#include "listframe.h"
#include "listviewstyle.h"
#include "tasklistitem.h"
#include "taskstatus.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMetaMethod>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

TaskListWidget::TaskListWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"taskList"_s);

    m_restartButton = ListFrame::plainButton(tr("重来"), u":/res/icons/modern/restart.png"_s, this);
    m_restartButton->setObjectName(u"taskRestartButton"_s);
    m_restartButton->setFixedSize(110, 40);
    // Wider where the language needs it.
    m_restartButton->setFixedWidth(std::max(110, m_restartButton->sizeHint().width()));

    m_retryButton =
        ListFrame::plainButton(tr("重试失败项"), u":/res/icons/modern/restart.png"_s, this);
    m_retryButton->setObjectName(u"taskRetryButton"_s);
    m_retryButton->setFixedHeight(40);
    m_retryButton->setMinimumWidth(110);
    m_retryButton->setFixedWidth(std::max(110, m_retryButton->sizeHint().width()));
    m_retryButton->hide();

    m_list = new QListWidget(this);
    m_list->setObjectName(u"taskListView"_s);
    ListViewStyle::apply(m_list, TaskListItem::styleRules());
    m_rows =
        new LazyRowWidgets(m_list, 80, [this](QListWidgetItem *item) { return makeRow(item); });

    auto *top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(m_retryButton);
    top->addSpacing(10);
    top->addWidget(m_restartButton);
    ListFrame::arrange(this, top, m_list);

    connect(m_restartButton, &QPushButton::clicked, this, &TaskListWidget::restart);
    connect(m_retryButton, &QPushButton::clicked, this, &TaskListWidget::retryFailedRequested);
}

namespace {

// What a row shows, kept with its item until the row is on screen and has its widget.
enum Role : int {
    TaskIdRole = Qt::UserRole,
    TypeRole = Qt::UserRole + 1,
    OutputRole = Qt::UserRole + 2,
    SourceRole = Qt::UserRole + 3,
    StatusRole = Qt::UserRole + 4,
    FailureRole = Qt::UserRole + 5,
    SourceSizeRole = Qt::UserRole + 6,
    InputsRole = Qt::UserRole + 7,
    FailedInputRole = Qt::UserRole + 8,
    RemovableInputRole = Qt::UserRole + 9,
    NoteRole = Qt::UserRole + 10,
    ProgressRole = Qt::UserRole + 11,
};

} // namespace

QListWidgetItem *TaskListWidget::makeItem(const TaskItemInfo &info)
{
    auto *item = new QListWidgetItem;
    item->setSizeHint(QSize(0, 80));
    item->setData(TaskIdRole, info.taskId);
    item->setData(TypeRole, info.type);
    item->setData(OutputRole, info.outputPath);
    item->setData(SourceRole, info.sourceFile);
    item->setData(SourceSizeRole, info.sourceSize);
    item->setData(InputsRole, info.inputs);
    item->setData(StatusRole, int(TaskStatus::Waiting));
    m_items.insert(info.taskId, item);
    return item;
}

void TaskListWidget::addTask(const TaskItemInfo &info)
{
    m_list->addItem(makeItem(info));
    m_rows->update();
}

void TaskListWidget::replaceTask(const QString &oldTaskId, const TaskItemInfo &info)
{
    QListWidgetItem *old = m_items.take(oldTaskId);
    const int row = old ? m_list->row(old) : m_list->count();
    delete old;
    m_list->insertItem(row, makeItem(info));
    m_rows->update();
    updateRetryButton();
}

void TaskListWidget::setTaskFailedInput(const QString &taskId, const QString &file,
                                        bool offerRemoval)
{
    QListWidgetItem *item = m_items.value(taskId);
    if (!item)
        return;
    item->setData(FailedInputRole, file);
    item->setData(RemovableInputRole, offerRemoval);
    if (auto *row = qobject_cast<TaskListItem *>(m_list->itemWidget(item)))
        row->setFailedInput(file, offerRemoval);
}

QWidget *TaskListWidget::makeRow(QListWidgetItem *item)
{
    auto *row = new TaskListItem;
    row->setTask({item->data(TaskIdRole).toString(), item->data(TypeRole).toInt(),
                  item->data(OutputRole).toString(), item->data(SourceRole).toString(),
                  item->data(SourceSizeRole).toLongLong(), item->data(InputsRole).toStringList()});
    row->setFailureReason(item->data(FailureRole).toString());
    row->setNote(item->data(NoteRole).toString());
    if (const QVariant progress = item->data(ProgressRole); progress.isValid())
        row->setProgress(progress.toInt());
    row->setFailedInput(item->data(FailedInputRole).toString(),
                        item->data(RemovableInputRole).toBool());
    connect(row, &TaskListItem::removeInputRequested, this,
            [this, row] { Q_EMIT removeInputRequested(row->taskId(), row->failedInput()); });
    connect(row, &TaskListItem::openRequested, this, [this](const QString &path) {
        if (isSignalConnected(QMetaMethod::fromSignal(&TaskListWidget::openRequested)))
            Q_EMIT openRequested(path);
        else
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    });
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
    updateRetryButton();
}

void TaskListWidget::setTaskOutput(const QString &taskId, const QString &path)
{
    QListWidgetItem *item = m_items.value(taskId);
    if (!item || path.isEmpty())
        return;
    item->setData(OutputRole, path);
    if (auto *row = qobject_cast<TaskListItem *>(m_list->itemWidget(item)))
        row->setOutputPath(path);
}

void TaskListWidget::setTaskFailure(const QString &taskId, const QString &reason)
{
    QListWidgetItem *item = m_items.value(taskId);
    if (!item)
        return;
    item->setData(FailureRole, reason);
    if (auto *row = qobject_cast<TaskListItem *>(m_list->itemWidget(item)))
        row->setFailureReason(reason);
}

void TaskListWidget::setTaskNote(const QString &taskId, const QString &note)
{
    QListWidgetItem *item = m_items.value(taskId);
    if (!item)
        return;
    item->setData(NoteRole, note);
    if (auto *row = qobject_cast<TaskListItem *>(m_list->itemWidget(item)))
        row->setNote(note);
}

void TaskListWidget::setTaskProgress(const QString &taskId, int percent)
{
    QListWidgetItem *item = m_items.value(taskId);
    if (!item || item->data(ProgressRole).toInt() == percent)
        return;
    item->setData(ProgressRole, percent);
    if (auto *row = qobject_cast<TaskListItem *>(m_list->itemWidget(item)))
        row->setProgress(percent);
}

QString TaskListWidget::failureReason(const QString &taskId) const
{
    QListWidgetItem *item = m_items.value(taskId);
    return item ? item->data(FailureRole).toString() : QString();
}

void TaskListWidget::removeTask(const QString &taskId)
{
    QListWidgetItem *item = m_items.take(taskId);
    if (!item)
        return;
    delete item;
    m_rows->update();
    updateRetryButton();
}

QStringList TaskListWidget::taskIds(const QList<int> &statuses) const
{
    QStringList ids;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem *item = m_list->item(i);
        if (statuses.contains(item->data(StatusRole).toInt()))
            ids.append(item->data(TaskIdRole).toString());
    }
    return ids;
}

QStringList TaskListWidget::failedTaskIds() const
{
    return taskIds({TaskStatus::Failed});
}

QStringList TaskListWidget::unfinishedTaskIds() const
{
    return taskIds({TaskStatus::Waiting, TaskStatus::Running, TaskStatus::Paused});
}

void TaskListWidget::updateRetryButton()
{
    m_retryButton->setVisible(!failedTaskIds().isEmpty());
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
    // Jobs still running keep their rows, so their outcome is not lost from sight.
    const QStringList running = unfinishedTaskIds();
    for (int i = m_list->count() - 1; i >= 0; --i) {
        QListWidgetItem *item = m_list->item(i);
        const QString id = item->data(TaskIdRole).toString();
        if (running.contains(id))
            continue;
        m_items.remove(id);
        delete item;
    }
    m_rows->update();
    updateRetryButton();
    Q_EMIT sigRestart();
}
