#pragma once

#include "shellservices.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

class QVBoxLayout;
class TitleBar;

// The main window: no system frame, a painted rounded border, a title bar, and one content
// widget below it. It is moved by dragging its top strip and maximised through the title bar.
class FramelessWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize PreferredMinimum{940, 600};

    explicit FramelessWindow(QWidget *parent = nullptr);

    // Sizes the window to `wanted`, or to its screen's free area when that is smaller, and
    // centres it there.
    void fitToScreen(const QSize &wanted);
    // Puts the window where it was last closed (place, size, maximised), or fits `wanted` to
    // the screen the first time. Kept in "window.ini" in the application configuration folder.
    void restorePlacement(const QSize &wanted);
    void rememberPlacement() const;
    static QString placementFilePath();

    // Replaces the content; the old content is deleted later. Null is ignored.
    void setContentWidget(QWidget *widget);
    QWidget *contentWidget() const { return m_contentWidget; }
    TitleBar *titleBar() const { return m_titleBar; }
    bool isDragging() const { return m_dragging; }
    void updateMask();
    // F11: full screen with the pages alone (no title bar, tabs, tool bars or side panels), and
    // back to the state and the parts shown before it.
    void toggleFullScreen();

    // The account button text for a session: empty without a token, else the username, else the
    // part of the e-mail address before the at sign.
    static QString accountButtonText(const ShellServices::Account &account);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refreshAccountText();
    // Maximised or full screen: no rounded corners.
    bool isSquare() const;

    bool m_dragging = false;
    bool m_maximizedBeforeFullScreen = false;
    QPoint m_dragOffset;
    int m_dragStripHeight = 40;
    TitleBar *m_titleBar = nullptr;
    QWidget *m_contentWidget = nullptr;
    QVBoxLayout *m_layout = nullptr;
};
