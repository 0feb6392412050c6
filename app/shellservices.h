#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// Where the window and start-up reach the language manager and the account service. Those
// services install their hooks here and forward their change signals; until they do, the shell
// runs in the source language and without an account.
class ShellServices : public QObject
{
    Q_OBJECT

public:
    struct LanguageHooks
    {
        std::function<void()> installSaved;
        std::function<QString()> currentCode;
        std::function<void(QWidget *parent)> runDialog;
    };

    struct Account
    {
        QString token;
        QString username;
        QString email;
    };

    struct AccountHooks
    {
        std::function<Account()> current;
        std::function<void(QWidget *parent)> runDialog;
    };

    static ShellServices &instance();

    void setLanguageHooks(const LanguageHooks &hooks);
    void setAccountHooks(const AccountHooks &hooks);
    // Back to no language manager and no account service.
    void reset();

    void installSavedLanguage();
    QString currentLanguageCode() const;
    void runLanguageDialog(QWidget *parent);
    Account currentAccount() const;
    void runAccountDialog(QWidget *parent);

Q_SIGNALS:
    void languageChanged(const QString &code);
    void accountChanged();

private:
    ShellServices() = default;

    LanguageHooks m_language;
    AccountHooks m_account;
};
