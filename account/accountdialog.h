#pragma once

#include <QDialog>

class AccountService;
class QLabel;
class QLineEdit;
class QPushButton;

// The modal account window: a sign-in form without a session, otherwise who is signed in and the
// subscription state. It only shows and asks; the account service does the work.
class AccountDialog : public QDialog
{
    Q_OBJECT

public:
    // Shows the program's shared account service.
    explicit AccountDialog(QWidget *parent = nullptr);
    AccountDialog(AccountService &service, QWidget *parent = nullptr);

public Q_SLOTS:
    void updateView();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildUi();
    void fitToContent();
    QPushButton *makeLinkButton(const QString &text, const QString &objectName, QStringView path,
                                QWidget *parent);

    AccountService &m_service;
    QWidget *m_signInPage = nullptr;
    QWidget *m_signedInPage = nullptr;
    QLineEdit *m_emailEdit = nullptr;
    QLineEdit *m_passwordEdit = nullptr;
    QLabel *m_accountLabel = nullptr;
    QLabel *m_subscriptionLabel = nullptr;
    QLabel *m_messageLabel = nullptr;
    QPushButton *m_signInButton = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QPushButton *m_signOutButton = nullptr;
};
