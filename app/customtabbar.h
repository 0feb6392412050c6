#pragma once

#include <QTabBar>

// The tab strip of the main page: wide tabs with flared feet, a narrow home tab, hover
// tracking, separators and a close button on every tab but the first.
class CustomTabBar : public QTabBar
{
    Q_OBJECT

public:
    // Tab data that marks the home tab.
    static constexpr int HomeTabData = 1;
    static constexpr int HomeTabWidth = 90;
    // Tabs shrink down to this width before the bar scrolls.
    static constexpr int MinimumTabWidth = 140;
    // Kept free at the right for the list of all tabs.
    static constexpr int ReservedWidth = 44;

    explicit CustomTabBar(QWidget *parent = nullptr);

    int hoveredIndex() const { return m_hoveredIndex; }
    bool isHomeTab(int index) const;
    // True when the tabs need more room than the bar has, even at their smallest.
    bool tabsOverflow() const;

protected:
    QSize tabSizeHint(int index) const override;
    void tabInserted(int index) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHoveredIndex(int index);

    int m_hoveredIndex = -1;
};
