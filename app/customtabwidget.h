#pragma once

#include <QTabWidget>

class CustomTabBar;
class QMenu;
class QToolButton;

// The main page's tab widget. Closing a viewer tab first asks the viewer, which may refuse.
class CustomTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit CustomTabWidget(QWidget *parent = nullptr);

    // The button with the list of every tab, shown while the tabs do not all fit.
    QToolButton *tabListButton() const { return m_listButton; }
    // Closes the tab as its close button does (a viewer may refuse).
    void requestCloseTab(int index) { onTabCloseRequested(index); }

protected:
    void tabInserted(int index) override;
    void tabRemoved(int index) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void onTabCloseRequested(int index);
    void updateListButton();
    void fillListMenu();

    CustomTabBar *m_tabBar = nullptr;
    QToolButton *m_listButton = nullptr;
    QMenu *m_listMenu = nullptr;
};
