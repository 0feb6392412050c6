#pragma once

#include "messageboxoptions.h"

#include <QDialog>
#include <QPointer>

class PasswordInput;
class QPushButton;

// The program's one styled modal dialog: notices, confirmations and blocking progress.
class ModernMessageBox : public QDialog
{
    Q_OBJECT

public:
    enum Result : int { Cancelled = 0, Confirmed = 1, Discarded = 2, Action = 3 };

    explicit ModernMessageBox(const MessageBoxOptions &options, QWidget *parent = nullptr);
    ~ModernMessageBox() override;

    // Runs the box modally and returns its Result (the seam may answer without showing it).
    int exec() override;
    int messageResult() const { return m_result; }
    const MessageBoxOptions &options() const { return m_options; }

    static QString accentColour(int kind);
    // The password field's text (empty without one).
    QString enteredText() const;
    PasswordInput *passwordInput() const { return m_password; }

    static void showInformation(QWidget *parent, const QString &title,
                                const QString &message = QString(),
                                const QString &details = QString());
    static void showWarning(QWidget *parent, const QString &title,
                            const QString &message = QString(), const QString &details = QString());
    static void showError(QWidget *parent, const QString &title, const QString &message = QString(),
                          const QString &details = QString());
    static int confirm(QWidget *parent, const QString &title, const QString &message,
                       const QString &details = QString(), const QString &confirmText = QString(),
                       const QString &cancelText = QString(),
                       int kind = MessageBoxOptions::Question);
    static int confirmWithDiscard(QWidget *parent, const QString &title, const QString &message,
                                  const QString &details = QString(),
                                  const QString &confirmText = QString(),
                                  const QString &discardText = QString(),
                                  const QString &cancelText = QString(),
                                  int kind = MessageBoxOptions::Question);
    // Asks for a password; *ok tells whether the user confirmed.
    static QString askPassword(QWidget *parent, const QString &title, const QString &prompt,
                               bool *ok);

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildUi();
    QPushButton *addButton(const QString &text, const QString &objectName);
    void showBackdrop();
    void dropBackdrop();
    void centre();

    MessageBoxOptions m_options;
    int m_result = Cancelled;
    QPointer<QWidget> m_backdrop;
    PasswordInput *m_password = nullptr;
    bool m_blend = true;
};
