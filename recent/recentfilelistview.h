#pragma once

#include <QString>
#include <QWidget>

class FileHistoryModel;
class QLabel;
class QMenu;
class QModelIndex;
class QSortFilterProxyModel;
class QStackedLayout;
class QTreeView;

// The recent files table with its name filter, or, when no row is left to show, a panel that says
// why: nothing opened yet, or nothing matching the search.
class RecentFileListView : public QWidget
{
    Q_OBJECT

public:
    explicit RecentFileListView(QWidget *parent = nullptr);

    // Adds a row for the file if it exists; missing files are skipped.
    void addFile(const QString &path);
    // Puts the row of a newly opened file above the others (moved there when it has one).
    void addNewestFile(const QString &path);
    void removeFile(const QString &path);
    // Shows the files' sizes and dates as they are now.
    void refresh();
    // The menu of a row: open, show in folder, remove from the list. Null off the rows.
    QMenu *createContextMenu(const QModelIndex &index, QWidget *parent);
    // Shows only files whose name contains the trimmed text, ignoring case.
    void setFilter(const QString &text);

    QString filterText() const { return m_filterText; }
    bool isShowingEmptyState() const;
    FileHistoryModel *model() const { return m_model; }

Q_SIGNALS:
    void fileClicked(const QString &path);
    void showInFolderRequested(const QString &path);
    void removeRequested(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void updateEmptyState();
    QWidget *createEmptyState();

    QTreeView *m_treeView = nullptr;
    FileHistoryModel *m_model = nullptr;
    QSortFilterProxyModel *m_proxy = nullptr;
    QStackedLayout *m_stack = nullptr;
    QWidget *m_emptyState = nullptr;
    QLabel *m_emptyIcon = nullptr;
    QLabel *m_emptyTitle = nullptr;
    QLabel *m_emptySubtitle = nullptr;
    QString m_filterText;
};
