#pragma once

#include <QWidget>

class PdfDocumentModel;
class PdfOutlineModel;
class PdfThumbnailPanel;
class QButtonGroup;
class QLabel;
class QToolButton;
class QTreeView;

// The document's bookmarks as a tree, shown in place of the thumbnail strip's cards. Two tabs
// at the top of the strip switch between them.
class PdfOutlinePanel : public QWidget
{
    Q_OBJECT

public:
    explicit PdfOutlinePanel(QWidget *parent = nullptr);
    ~PdfOutlinePanel() override;

    void setDocumentModel(PdfDocumentModel *model);
    // Puts the tabs and this panel into the strip's column; the strip's own widgets stay as
    // they are and are hidden while the bookmarks show.
    void attachTo(PdfThumbnailPanel *strip);
    void showOutline(bool show);
    bool isOutlineShown() const { return m_outlineShown; }
    // Marks the bookmark of the page the reader is on.
    void setCurrentPage(int row);
    // One more tab after the bookmarks, an icon named by its tool tip: panel takes the strip's
    // place while its tab is on.
    void addPanelTab(const QString &icon, const QString &toolTip, QWidget *panel);
    // Turns on the tab of a panel added with addPanelTab.
    void showPanel(QWidget *panel);

    PdfOutlineModel *outlineModel() const { return m_outline; }

Q_SIGNALS:
    void pageRequested(int row);
    void externalLinkRequested(const QString &uri);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activate(const QModelIndex &index);
    // Marks the bookmark of the current page that can be seen; after a branch opened, an item
    // inside it takes the mark from the branch.
    void markCurrentPage(bool branchOpened);
    // Lets the strip widen while a panel of text (bookmarks, comments) stands in it.
    void widenStrip(bool wide);
    void updateState();
    void retranslate();
    void fitTabTexts();

    PdfOutlineModel *m_outline = nullptr;
    QTreeView *m_tree = nullptr;
    QLabel *m_emptyLabel = nullptr;
    QWidget *m_tabs = nullptr;
    QToolButton *m_thumbnailsTab = nullptr;
    QToolButton *m_outlineTab = nullptr;
    QButtonGroup *m_tabGroup = nullptr;
    PdfThumbnailPanel *m_strip = nullptr;
    bool m_outlineShown = false;
    QList<std::pair<QToolButton *, QWidget *>> m_extraTabs;
    int m_currentPage = 0;
};
