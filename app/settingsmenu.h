#pragma once

#include "roundedpopupmenu.h"

class QAction;

// The title bar's settings menu: the dark theme and reopening the last documents at start.
class SettingsMenu : public RoundedPopupMenu
{
    Q_OBJECT

public:
    explicit SettingsMenu(QWidget *parent = nullptr);

    QAction *darkThemeAction() const { return m_darkTheme; }
    QAction *reopenSessionAction() const { return m_reopenSession; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    // Another window's menu may have changed the settings meanwhile.
    void showSettings();

    QAction *m_darkTheme = nullptr;
    QAction *m_reopenSession = nullptr;
};
