#include "shellservices.h"

using namespace Qt::StringLiterals;

ShellServices &ShellServices::instance()
{
    static ShellServices services;
    return services;
}

void ShellServices::setLanguageHooks(const LanguageHooks &hooks)
{
    m_language = hooks;
}

void ShellServices::setAccountHooks(const AccountHooks &hooks)
{
    m_account = hooks;
}

void ShellServices::reset()
{
    m_language = LanguageHooks();
    m_account = AccountHooks();
}

void ShellServices::installSavedLanguage()
{
    if (m_language.installSaved)
        m_language.installSaved();
}

QString ShellServices::currentLanguageCode() const
{
    // The interface texts are written in Simplified Chinese.
    return m_language.currentCode ? m_language.currentCode() : u"zh_CN"_s;
}

void ShellServices::runLanguageDialog(QWidget *parent)
{
    if (m_language.runDialog)
        m_language.runDialog(parent);
}

ShellServices::Account ShellServices::currentAccount() const
{
    return m_account.current ? m_account.current() : Account();
}

void ShellServices::runAccountDialog(QWidget *parent)
{
    if (m_account.runDialog)
        m_account.runDialog(parent);
}
