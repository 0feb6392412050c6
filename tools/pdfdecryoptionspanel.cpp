#include "pdfdecryoptionspanel.h"

#include "passwordinput.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

PdfDecryOptionsPanel::PdfDecryOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("解锁PDF"), tr("解锁"), Location::WithSourceFolder, parent)
{
    setObjectName(u"pdfDecryOptionsPanel"_s);

    m_password =
        addPasswordField(tr("密码"), u"passwordInput"_s, u"passwordError"_s, &m_passwordError);
    addSaveOptions();
    connect(m_password->lineEdit(), &QLineEdit::textChanged, this,
            &PdfDecryOptionsPanel::onPasswordChanged);
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
    return passwordOptions(m_password);
}
