#pragma once

#include <QWidget>

class RecentFilesPage;
class SideNavigationBar;

// The first tab of the main page: the side navigation beside the recent files list. It passes
// their requests on to the main page.
class HomePage : public QWidget
{
    Q_OBJECT

public:
    explicit HomePage(QWidget *parent = nullptr);

    // Hands a file that was opened to the recent files list.
    void recordOpenedFile(const QString &filePath);

    SideNavigationBar *navigationBar() const { return m_navigationBar; }
    RecentFilesPage *recentFilesPage() const { return m_recentFilesPage; }

Q_SIGNALS:
    void toolClicked(int toolType);
    void openFile(const QString &filePath);
    void fileClicked(const QString &path);

private:
    SideNavigationBar *m_navigationBar = nullptr;
    RecentFilesPage *m_recentFilesPage = nullptr;
};
