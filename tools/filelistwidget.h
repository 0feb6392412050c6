#pragma once

#include "filelistitem.h"
#include "fileprotectioncheck.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class IconButton;
class LazyRowWidgets;
class QListWidget;
class QListWidgetItem;

// The files chosen for a batch job, in the order the job takes them. Rows can be removed and
// dragged into another order; a path is never listed twice.
class FileListWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FileListWidget(QWidget *parent = nullptr);

    void addFiles(const QStringList &paths);
    // The paths in display order; the list is empty afterwards.
    QStringList takeFiles();
    QStringList files() const;
    int count() const;

    void setFilter(const QString &filter) { m_filter = filter; }
    QString filter() const { return m_filter; }
    void setCaption(const QString &caption) { m_caption = caption; }
    QString caption() const { return m_caption; }
    QListWidget *listWidget() const { return m_list; }

    // Which added files are asked for a password (none by default).
    void setPasswordCheck(FileProtectionCheck::Ask ask) { m_check->setAsk(ask); }
    // The password a listed file was given when it was added; empty when it needs none or the
    // user skipped it.
    QString password(const QString &path) const { return m_check->password(path); }
    // Added files are still being looked at or asked for.
    bool isChecking() const { return m_check->isBusy(); }

Q_SIGNALS:
    void fileCountChange(int count);
    void fileOrderChanged(const QStringList &files);
    // The files added have all been looked at and asked for.
    void checksFinished();

public Q_SLOTS:
    void onAddFile();
    void clearFiles();

private:
    QWidget *makeRow(QListWidgetItem *item);
    void removeRow(FileListItem *row);
    void onDragStarted(FileListItem *row);
    void onDragMoved(FileListItem *row, const QPoint &globalPosition);
    void onDragFinished(FileListItem *row);
    void resetDrag();
    int rowOf(const FileListItem *row) const;

    IconButton *m_addButton = nullptr;
    IconButton *m_clearButton = nullptr;
    QListWidget *m_list = nullptr;
    LazyRowWidgets *m_rows = nullptr;
    FileProtectionCheck *m_check = nullptr;
    QString m_filter;
    QString m_caption;
    QListWidgetItem *m_dragItem = nullptr;
    QPointer<FileListItem> m_dragRow;
    int m_dragStartRow = -1;
};
