#pragma once

#include "taskiteminfo.h"

#include <QMap>
#include <QWidget>

class IconButton;
class LazyRowWidgets;
class QListWidget;
class QListWidgetItem;
class TaskListItem;

// The jobs a tool page submitted, one row each, following the statuses the page passes on.
class TaskListWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TaskListWidget(QWidget *parent = nullptr);

    void addTask(const TaskItemInfo &info);
    // Ignored for an identifier that is not listed here.
    void updateTaskStatus(const QString &taskId, int status);
    // The name a job finally wrote, and the reason a failed one gives.
    void setTaskOutput(const QString &taskId, const QString &path);
    void setTaskFailure(const QString &taskId, const QString &reason);
    void setTaskNote(const QString &taskId, const QString &note);
    void setTaskProgress(const QString &taskId, int percent);
    void removeTask(const QString &taskId);
    // A new row in the place of another one, which goes.
    void replaceTask(const QString &oldTaskId, const TaskItemInfo &info);
    // The input a failed job could not read; with offerRemoval its row offers to retry the job
    // without it.
    void setTaskFailedInput(const QString &taskId, const QString &file, bool offerRemoval);

    // Rows in the given statuses, top to bottom.
    QStringList taskIds(const QList<int> &statuses) const;
    QStringList failedTaskIds() const;
    QStringList unfinishedTaskIds() const;
    // The reason shown by a failed row.
    QString failureReason(const QString &taskId) const;

    bool hasTask(const QString &taskId) const { return m_items.contains(taskId); }
    // The row's widget; rows get theirs when they first come near the screen.
    TaskListItem *item(const QString &taskId) const;
    // The last status the row was given, -1 for an identifier not listed.
    int status(const QString &taskId) const;
    int count() const;
    QListWidget *listWidget() const { return m_list; }

Q_SIGNALS:
    void sigRestart();
    // "Retry failed" was pressed.
    void retryFailedRequested();
    // A row's button asked to run its job again without the input that failed.
    void removeInputRequested(const QString &taskId, const QString &file);
    // A row's open-file or open-folder button was used on this path.
    void openRequested(const QString &path);

private:
    void restart();
    QListWidgetItem *makeItem(const TaskItemInfo &info);
    QWidget *makeRow(QListWidgetItem *item);
    void updateRetryButton();

    IconButton *m_restartButton = nullptr;
    IconButton *m_retryButton = nullptr;
    QListWidget *m_list = nullptr;
    LazyRowWidgets *m_rows = nullptr;
    QMap<QString, QListWidgetItem *> m_items;
};
