#pragma once

#include "taskiteminfo.h"

#include <QMap>
#include <QWidget>

class IconButton;
class LazyRowWidgets;
class QLabel;
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

    bool hasTask(const QString &taskId) const { return m_items.contains(taskId); }
    // The row's widget; rows get theirs when they first come near the screen.
    TaskListItem *item(const QString &taskId) const;
    // The last status the row was given, -1 for an identifier not listed.
    int status(const QString &taskId) const;
    int count() const;
    QListWidget *listWidget() const { return m_list; }

Q_SIGNALS:
    void sigRestart();

private:
    void restart();
    QWidget *makeRow(QListWidgetItem *item);

    IconButton *m_restartButton = nullptr;
    QLabel *m_separator = nullptr;
    QListWidget *m_list = nullptr;
    LazyRowWidgets *m_rows = nullptr;
    QMap<QString, QListWidgetItem *> m_items;
};
