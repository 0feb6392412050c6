#include "pdfencryoptionspanel.h"

#include "passwordinput.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

PdfEncryOptionsPanel::PdfEncryOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("加密PDF"), tr("添加密码"), Location::WithSourceFolder, parent)
{
    setObjectName(u"pdfEncryOptionsPanel"_s);

    // A typo in either field would lock the user out of the file: nothing starts until both
    // agree.
    m_password =
        addPasswordField(tr("密码"), u"passwordInput"_s, u"passwordError"_s, &m_passwordError);
    m_confirmation = addPasswordField(tr("重新输入密码"), u"confirmPasswordInput"_s,
                                      u"confirmPasswordError"_s, &m_confirmationError);
    addSaveOptions();

    connect(m_password->lineEdit(), &QLineEdit::textChanged, this,
            &PdfEncryOptionsPanel::onPasswordChanged);
    connect(m_confirmation->lineEdit(), &QLineEdit::textChanged, this,
            &PdfEncryOptionsPanel::onConfirmationChanged);
    updateStartButton();
}

QString PdfEncryOptionsPanel::startBlocker() const
{
    const QString password = m_password->lineEdit()->text();
    const QString confirmation = m_confirmation->lineEdit()->text();
    if (password.isEmpty() || confirmation.isEmpty())
        return tr("此项目为必填项");
    if (password != confirmation)
        return tr("两个密码应该匹配");
    return {};
}

void PdfEncryOptionsPanel::onPasswordChanged(const QString &text)
{
    if (text.isEmpty()) {
        m_passwordError->setText(tr("此项目为必填项"));
        m_passwordError->show();
        m_password->setError(true);
        m_confirmationError->setVisible(!m_confirmation->lineEdit()->text().isEmpty());
        return;
    }
    m_passwordError->hide();
    m_password->setError(false);
    // Without this, a mismatch reported while the confirmation was typed first would stay on
    // screen after the password was completed to match it.
    if (!m_confirmation->lineEdit()->text().isEmpty())
        compare();
}

void PdfEncryOptionsPanel::onConfirmationChanged(const QString &text)
{
    if (text.isEmpty()) {
        m_confirmationError->setText(tr("此项目为必填项"));
        m_confirmationError->show();
        m_confirmation->setError(true);
        m_passwordError->setVisible(!m_password->lineEdit()->text().isEmpty());
        return;
    }
    compare();
}

void PdfEncryOptionsPanel::compare()
{
    const bool match = m_password->lineEdit()->text() == m_confirmation->lineEdit()->text();
    if (!match) {
        m_passwordError->setText(tr("两个密码应该匹配"));
        m_confirmationError->setText(tr("两个密码应该匹配"));
    }
    m_passwordError->setVisible(!match);
    m_confirmationError->setVisible(!match);
    m_password->setError(!match);
    m_confirmation->setError(!match);
}

QVariantMap PdfEncryOptionsPanel::options() const
{
    return passwordOptions(m_password);
}
