#pragma once

#include <QWidget>

class RecentFileListView;
class RecentFileManager;
class SearchBarWidget;

// The right-hand side of the home tab: a search field over the table of recently opened files.
class RecentFilesPage : public QWidget
{
    Q_OBJECT

public:
    // Shows the files of the given store, by default the process-wide one.
    explicit RecentFilesPage(QWidget *parent = nullptr);
    explicit RecentFilesPage(RecentFileManager *store, QWidget *parent = nullptr);

    // Records an opened file as the newest, moving it to the top when it is listed already.
    void add(const QString &path);
    // Takes the file off the list and out of the store.
    void remove(const QString &path);

    SearchBarWidget *searchBar() const { return m_searchBar; }
    RecentFileListView *listView() const { return m_listView; }

Q_SIGNALS:
    void fileClicked(const QString &path);
    // The user asked to see the file in the file manager.
    void showInFolderRequested(const QString &path);

private:
    SearchBarWidget *m_searchBar = nullptr;
    RecentFileListView *m_listView = nullptr;
    RecentFileManager *m_store = nullptr;
};
