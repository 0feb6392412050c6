#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class CustomTabWidget;
class HomePage;

// The window's content: one tab widget with the home tab first, then at most one tab per tool
// type and one viewer tab per file.
class MainPage : public QWidget
{
    Q_OBJECT

public:
    explicit MainPage(QWidget *parent = nullptr);

    CustomTabWidget *tabWidget() const { return m_tabWidget; }
    HomePage *homePage() const { return m_homePage; }

    // The tab index of the tool's tab or of the file's viewer tab, -1 when there is none.
    int toolTabIndex(int toolType) const;
    int viewerTabIndex(const QString &path) const;

    // Where a document tab stands, to open it again as it was on a rebuilt main page.
    struct DocumentPlace
    {
        QString path;
        QString password;
        int page = 0;
        double zoom = 1.0;
        int fitMode = 0; // PdfFitMode
        bool current = false;
    };
    QList<DocumentPlace> documentPlaces() const;
    // Opens the documents again in their order, each at its page and zoom.
    void restoreDocuments(const QList<DocumentPlace> &places);
    // One question for every document with unsaved changes: save them all, drop the changes, or
    // cancel (false).
    bool confirmSaveDocuments();

    // Asks every viewer tab in turn to close (saving or discarding changes); false as soon as
    // one refuses. The tabs stay; this only answers whether the window may go.
    bool confirmCloseViewers();
    // While batch jobs run, asks whether to cancel them; false to keep the window (and wait).
    bool confirmStopJobs();

    static QString toolTabLabel(int toolType);
    static QString toolTabIcon(int toolType);

    // Opens each file in a viewer tab, the first one at `page` (1-based, 0 for its start), and
    // tells the user about the paths that name no file. Returns those paths.
    QStringList openFiles(const QStringList &files, int page = 0);
    // The files of the viewer tabs, in tab order.
    QStringList viewerPaths() const;

    // The keys of the window: open, close tab, next and previous tab.
    void openWithDialog();
    void closeCurrentTab();
    void cycleTabs(int step);

    // Full screen: no tabs, and every viewer tab shows its pages alone; false brings back what
    // was shown before.
    void setPagesOnly(bool pagesOnly);
    bool isPagesOnly() const { return m_pagesOnly; }

public Q_SLOTS:
    void onToolClicked(int type);
    void onFileOpen(const QString &filePath);
    void onFileClicked(const QString &filePath);
    void onViewerToolRequested(int toolType, const QString &filePath);

protected:
    // Files dropped outside the tool pages (which take their own drops) open as viewer tabs.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void installShortcuts();
    bool takesDropAt(const QPoint &position) const;
    // Title, unsaved mark and full path of a viewer tab.
    void updateViewerTab(QWidget *viewer);
    void closeOtherTabsOf(QWidget *viewer);
    // Opens or focuses the file's viewer tab; the normalised path, or empty when no tab shows it.
    QString openInViewerTab(const QString &filePath, const QString &password = QString());
    // A copy the viewer made (the version a signature covers): a read-only tab, not a recent file.
    void openReadOnlyCopy(const QString &filePath, const QString &password);

    CustomTabWidget *m_tabWidget = nullptr;
    HomePage *m_homePage = nullptr;
    bool m_pagesOnly = false;
    bool m_tabBarWasShown = true;
};
