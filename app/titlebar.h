#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

// The window's own title bar: product mark, account and language buttons and the window buttons.
// It only reports clicks; the window acts on them.
class TitleBar : public QWidget
{
    Q_OBJECT

public:
    explicit TitleBar(QWidget *parent = nullptr);

    // An empty text shows "Sign in".
    void setAccountText(const QString &text);
    void setMaximized(bool maximized);
    // Whether the maximise button shows its restore face. (QWidget's own read-only "maximized"
    // property shadows a dynamic property of that name, so the face is kept here.)
    bool showsRestore() const { return m_maximized; }
    void retranslateUi();

Q_SIGNALS:
    void languageRequested();
    void accountRequested();
    void minimizeRequested();
    void maximizeRestoreRequested();
    void closeRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    QPushButton *makeWindowButton(const QString &iconPath, const QString &toolTip);

    QLabel *m_logo = nullptr;
    QLabel *m_title = nullptr;
    QToolButton *m_languageButton = nullptr;
    QToolButton *m_accountButton = nullptr;
    QToolButton *m_settingsButton = nullptr;
    QPushButton *m_minimizeButton = nullptr;
    QPushButton *m_maximizeButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QString m_accountText;
    bool m_maximized = false;
};
