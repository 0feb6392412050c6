#include "pdfdecryoptionspanel.h"

#include "passwordinput.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

PdfDecryOptionsPanel::PdfDecryOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("解锁PDF"), tr("解锁"), Location::WithSourceFolder, parent)
{
    setObjectName(u"pdfDecryOptionsPanel"_s);

    addSection(tr("密码"));
    m_password = new PasswordInput(this);
    m_password->setObjectName(u"passwordInput"_s);
    m_password->setFixedHeight(48);
    addControl(m_password);
    m_passwordError = addErrorLabel(u"passwordError"_s);

    addSaveOptions();

    connect(m_password->lineEdit(), &QLineEdit::textChanged, this,
            &PdfDecryOptionsPanel::onPasswordChanged);
    connect(m_password->lineEdit(), &QLineEdit::textChanged, this,
            &PdfDecryOptionsPanel::updateStartButton);
    updateStartButton();
}

QString PdfDecryOptionsPanel::startBlocker() const
{
    return m_password->lineEdit()->text().isEmpty() ? tr("此项目为必填项") : QString();
}

void PdfDecryOptionsPanel::onPasswordChanged(const QString &text)
{
    const bool missing = text.isEmpty();
    if (missing)
        m_passwordError->setText(tr("此项目为必填项"));
    m_passwordError->setVisible(missing);
    m_password->setError(missing);
}

QVariantMap PdfDecryOptionsPanel::options() const
{
    return {
        {TaskOption::Password, m_password->lineEdit()->text()},
        {TaskOption::SaveOption, int(saveMode())},
    };
}
