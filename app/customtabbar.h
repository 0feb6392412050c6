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

    explicit CustomTabBar(QWidget *parent = nullptr);

    int hoveredIndex() const { return m_hoveredIndex; }
    bool isHomeTab(int index) const;

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
