#pragma once

#include "taskiteminfo.h"

#include <QMap>
#include <QWidget>

class IconButton;
class QLabel;
class QListWidget;
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

    bool hasTask(const QString &taskId) const { return m_items.contains(taskId); }
    TaskListItem *item(const QString &taskId) const { return m_items.value(taskId); }
    int count() const;
    QListWidget *listWidget() const { return m_list; }

Q_SIGNALS:
    void sigRestart();

private:
    void restart();

    IconButton *m_restartButton = nullptr;
    QLabel *m_separator = nullptr;
    QListWidget *m_list = nullptr;
    QMap<QString, TaskListItem *> m_items;
};
