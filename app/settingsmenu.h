#pragma once

#include "roundedpopupmenu.h"

class QAction;

// The title bar's settings menu: the dark theme, reopening the last documents at start and the
// author name new annotations carry.
class SettingsMenu : public RoundedPopupMenu
{
    Q_OBJECT

public:
    explicit SettingsMenu(QWidget *parent = nullptr);

    QAction *darkThemeAction() const { return m_darkTheme; }
    QAction *reopenSessionAction() const { return m_reopenSession; }
    QAction *authorAction() const { return m_author; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    // Another window's menu may have changed the settings meanwhile.
    void showSettings();

    QAction *m_darkTheme = nullptr;
    QAction *m_reopenSession = nullptr;
    QAction *m_author = nullptr;
};
