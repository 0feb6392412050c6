#pragma once

#include "messageboxoptions.h"

#include <QDialog>
#include <QFuture>
#include <QPointer>

#include <functional>

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

    // What a progress box does while it waits for its job.
    struct Wait
    {
        // The line under the message, asked again every 200 ms (none: the options' details).
        std::function<QString()> details;
        // Called once on Escape or Cancel (none: the box cannot be cancelled); the job ends
        // soon after, and meanwhile the message says cancelling.
        std::function<void()> cancel;
        QString cancelling;
    };
    // Blocks the window with a progress box (options.showProgress) until job has finished; the
    // box is named objectName for tests. Returns at once for a job already finished.
    static void waitFor(const QFuture<void> &job, MessageBoxOptions options, QWidget *parent,
                        const QString &objectName, const Wait &wait = {});
    // The same for a job that start() begins once the box is up, so that it runs behind the
    // box from its first moment; returns the job.
    static QFuture<void> waitFor(const std::function<QFuture<void>()> &start,
                                 MessageBoxOptions options, QWidget *parent,
                                 const QString &objectName, const Wait &wait = {});

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
    std::function<void()> m_cancel;
    QString m_cancelling;
};
