#include "recentfilespage.h"

#include "recentfilelistview.h"
#include "recentfilemanager.h"
#include "searchbarwidget.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RecentFilesPage::RecentFilesPage(QWidget *parent)
    : RecentFilesPage(&RecentFileManager::instance(), parent)
{}

RecentFilesPage::RecentFilesPage(RecentFileManager *store, QWidget *parent)
    : QWidget(parent)
    , m_store(store)
{
    setObjectName(u"recentFilesPage"_s);
    setAttribute(Qt::WA_StyledBackground);

    m_searchBar = new SearchBarWidget(this);
    m_searchBar->setFixedSize(320, 40);
    m_listView = new RecentFileListView(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->setSpacing(20);
    layout->addWidget(m_searchBar);
    layout->addWidget(m_listView);

    connect(m_searchBar, &QLineEdit::textChanged, m_listView, &RecentFileListView::setFilter);
    connect(m_listView, &RecentFileListView::fileClicked, this, &RecentFilesPage::fileClicked);
    connect(m_listView, &RecentFileListView::showInFolderRequested, this,
            &RecentFilesPage::showInFolderRequested);
    connect(m_listView, &RecentFileListView::removeRequested, this, &RecentFilesPage::remove);

    const QStringList paths = m_store->paths();
    for (const QString &path : paths)
        m_listView->addFile(path);
}

void RecentFilesPage::add(const QString &path)
{
    if (path.isEmpty())
        return;
    m_listView->addNewestFile(path);
    m_store->add(path);
}

void RecentFilesPage::remove(const QString &path)
{
    m_listView->removeFile(path);
    m_store->remove(path);
}
