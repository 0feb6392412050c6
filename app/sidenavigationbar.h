#pragma once

#include <QWidget>

class IconButton;
class QListView;
class SidebarDelegate;
class SidebarModel;

// The left column of the home tab: the open button above the list of destinations and tools.
class SideNavigationBar : public QWidget
{
    Q_OBJECT

public:
    explicit SideNavigationBar(QWidget *parent = nullptr);

    QListView *listView() const { return m_listView; }
    SidebarModel *model() const { return m_model; }
    IconButton *openButton() const { return m_openButton; }

Q_SIGNALS:
    void toolClicked(int toolType);
    void openFile(const QString &filePath);

public Q_SLOTS:
    void onItemClicked(const QModelIndex &index);
    void onOpenClicked();

private:
    void fillModel();

    QListView *m_listView = nullptr;
    SidebarModel *m_model = nullptr;
    SidebarDelegate *m_delegate = nullptr;
    IconButton *m_openButton = nullptr;
};
