#pragma once

#include <QTabWidget>

class CustomTabBar;

// The main page's tab widget. Closing a viewer tab first asks the viewer, which may refuse.
class CustomTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit CustomTabWidget(QWidget *parent = nullptr);

    CustomTabBar *customTabBar() const { return m_tabBar; }

private:
    void onTabCloseRequested(int index);

    CustomTabBar *m_tabBar = nullptr;
};
