#include "pdfencryoptionspanel.h"

#include "kitstyle.h"
#include "passwordinput.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTransform>
#include <QVBoxLayout>

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
    addMoreOptions();

    connect(m_password->lineEdit(), &QLineEdit::textChanged, this,
            &PdfEncryOptionsPanel::onPasswordChanged);
    connect(m_password->lineEdit(), &QLineEdit::textChanged, this,
            &PdfEncryOptionsPanel::updateOwnerFeedback);
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
    return ownerProblem();
}

QString PdfEncryOptionsPanel::ownerProblem() const
{
    // Whoever opens the file as its owner may do everything: a restriction only holds when the
    // owner password is one the readers are not given.
    const bool restricted =
        !m_allowPrint->isChecked() || !m_allowCopy->isChecked() || !m_allowModify->isChecked();
    const QString owner = m_ownerPassword->lineEdit()->text();
    if (restricted && (owner.isEmpty() || owner == m_password->lineEdit()->text()))
        return tr("限制权限需要一个与密码不同的所有者密码");
    return {};
}

void PdfEncryOptionsPanel::updateOwnerFeedback()
{
    const QString problem = ownerProblem();
    m_ownerError->setText(problem);
    m_ownerError->setVisible(!problem.isEmpty());
    m_ownerPassword->setError(!problem.isEmpty());
    updateStartButton();
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

void PdfEncryOptionsPanel::addMoreOptions()
{
    addSpacing(10);
    m_moreToggle = new QToolButton(this);
    m_moreToggle->setObjectName(u"moreOptionsToggle"_s);
    m_moreToggle->setText(tr("更多选项"));
    m_moreToggle->setFont(KitStyle::font(KitStyle::Bold14, font()));
    m_moreToggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_moreToggle->setIconSize(QSize(16, 16));
    m_moreToggle->setCheckable(true);
    m_moreToggle->setCursor(Qt::PointingHandCursor);
    m_moreToggle->setAutoRaise(true);
    m_moreToggle->setStyleSheet(
        u"QToolButton { border: none; background: transparent; color: %1; padding: 0px; }"_s.arg(
            Theme::kitText));
    addControl(m_moreToggle);

    m_more = new QWidget(this);
    auto *layout = new QVBoxLayout(m_more);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(0);
    auto *ownerLabel = new QLabel(tr("所有者密码"), m_more);
    ownerLabel->setFont(KitStyle::font(KitStyle::Regular14, font()));
    ownerLabel->setStyleSheet(KitStyle::plainLabelStyle());
    layout->addWidget(ownerLabel);
    layout->addSpacing(6);
    m_ownerPassword = new PasswordInput(m_more);
    m_ownerPassword->setObjectName(u"ownerPasswordInput"_s);
    m_ownerPassword->setFixedHeight(48);
    m_ownerPassword->lineEdit()->setPlaceholderText(tr("留空则与上面的密码相同"));
    layout->addWidget(m_ownerPassword);
    m_ownerError = new QLabel(m_more);
    m_ownerError->setObjectName(u"ownerPasswordError"_s);
    m_ownerError->setWordWrap(true);
    m_ownerError->setFont(KitStyle::font(KitStyle::Regular12, font()));
    m_ownerError->setStyleSheet(KitStyle::colouredLabelStyle(QString(Theme::errorText)));
    m_ownerError->hide();
    layout->addWidget(m_ownerError);
    layout->addSpacing(10);
    const auto permission = [&](const QString &text, const QString &name) {
        auto *box = new QCheckBox(text, m_more);
        box->setObjectName(name);
        box->setFont(KitStyle::font(KitStyle::Regular14, font()));
        box->setStyleSheet(KitStyle::checkBoxStyle());
        box->setCursor(Qt::PointingHandCursor);
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, &PdfEncryOptionsPanel::updateOwnerFeedback);
        layout->addWidget(box);
        layout->addSpacing(6);
        return box;
    };
    m_allowPrint = permission(tr("允许打印"), u"allowPrintCheck"_s);
    m_allowCopy = permission(tr("允许复制内容"), u"allowCopyCheck"_s);
    m_allowModify = permission(tr("允许修改"), u"allowModifyCheck"_s);
    addControl(m_more);
    connect(m_ownerPassword->lineEdit(), &QLineEdit::textChanged, this,
            &PdfEncryOptionsPanel::updateOwnerFeedback);

    setMoreOptionsShown(false);
    connect(m_moreToggle, &QToolButton::toggled, this, &PdfEncryOptionsPanel::setMoreOptionsShown);
}

void PdfEncryOptionsPanel::setMoreOptionsShown(bool shown)
{
    // Collapsed, the chevron points at the text it would open.
    QPixmap chevron = ToolPixmaps::icon(u":/res/icons/modern/chevron-down.png"_s, 16);
    if (!shown) {
        const qreal ratio = chevron.devicePixelRatio();
        chevron = chevron.transformed(QTransform().rotate(-90), Qt::SmoothTransformation);
        chevron.setDevicePixelRatio(ratio);
    }
    m_moreToggle->setIcon(chevron);
    m_more->setVisible(shown);
}

QVariantMap PdfEncryOptionsPanel::options() const
{
    QVariantMap options = passwordOptions(m_password);
    options.insert(TaskOption::OwnerPassword, m_ownerPassword->lineEdit()->text());
    options.insert(TaskOption::AllowPrint, m_allowPrint->isChecked());
    options.insert(TaskOption::AllowCopy, m_allowCopy->isChecked());
    options.insert(TaskOption::AllowModify, m_allowModify->isChecked());
    return options;
}
