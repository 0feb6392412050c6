#include "accountdialog.h"

#include "accountservice.h"
#include "kitstyle.h"
#include "theme.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AccountDialog::AccountDialog(QWidget *parent)
    : AccountDialog(AccountService::instance(), parent)
{}

AccountDialog::AccountDialog(AccountService &service, QWidget *parent)
    : QDialog(parent)
    , m_service(service)
{
    buildUi();

    connect(m_signInButton, &QPushButton::clicked, this,
            [this] { m_service.login(m_emailEdit->text(), m_passwordEdit->text()); });
    // A disabled Sign in button ignores the click, so Return does nothing while busy.
    connect(m_passwordEdit, &QLineEdit::returnPressed, m_signInButton, &QPushButton::click);
    connect(m_refreshButton, &QPushButton::clicked, &m_service, &AccountService::refresh);
    connect(m_signOutButton, &QPushButton::clicked, &m_service, &AccountService::logout);
    connect(&m_service, &AccountService::accountChanged, this, &AccountDialog::updateView);

    updateView();
}

void AccountDialog::buildUi()
{
    setWindowTitle(tr("Velmora account"));
    setModal(true);
    setMinimumWidth(460);

    auto *title = new QLabel(tr("Account & subscription"), this);
    title->setObjectName(u"accountTitle"_s);
    QFont titleFont = font();
    titleFont.setPixelSize(22);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);

    auto *accessNote = new QLabel(tr("All PDF tools are currently available to every user. Signing "
                                     "in only synchronizes your account and subscription status."),
                                  this);
    accessNote->setObjectName(u"accessNote"_s);
    accessNote->setWordWrap(true);

    m_signInPage = new QWidget(this);
    m_signInPage->setObjectName(u"signInPage"_s);
    m_emailEdit = new QLineEdit(m_signInPage);
    m_emailEdit->setObjectName(u"emailEdit"_s);
    m_emailEdit->setPlaceholderText(tr("name@example.com"));
    m_passwordEdit = new QLineEdit(m_signInPage);
    m_passwordEdit->setObjectName(u"passwordEdit"_s);
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setPlaceholderText(tr("Password"));
    m_signInButton = new QPushButton(tr("Sign in"), m_signInPage);
    m_signInButton->setObjectName(u"primaryButton"_s);
    QPushButton *createAccount =
        makeLinkButton(tr("Create account"), u"createAccountButton"_s, u"/register", m_signInPage);

    auto *signInRow = new QHBoxLayout;
    signInRow->addWidget(m_signInButton);
    signInRow->addWidget(createAccount);
    auto *form = new QFormLayout(m_signInPage);
    form->setContentsMargins(0, 8, 0, 0);
    form->setSpacing(12);
    form->addRow(tr("Email"), m_emailEdit);
    form->addRow(tr("Password"), m_passwordEdit);
    form->addRow(signInRow);

    m_signedInPage = new QWidget(this);
    m_signedInPage->setObjectName(u"signedInPage"_s);
    m_accountLabel = new QLabel(m_signedInPage);
    m_accountLabel->setObjectName(u"accountLabel"_s);
    m_accountLabel->setWordWrap(true);
    m_subscriptionLabel = new QLabel(m_signedInPage);
    m_subscriptionLabel->setObjectName(u"subscriptionLabel"_s);
    m_subscriptionLabel->setWordWrap(true);
    m_refreshButton = new QPushButton(tr("Refresh status"), m_signedInPage);
    m_refreshButton->setObjectName(u"refreshButton"_s);
    QPushButton *manage = makeLinkButton(tr("Manage subscription"), u"manageSubscriptionButton"_s,
                                         u"/account", m_signedInPage);
    m_signOutButton = new QPushButton(tr("Sign out"), m_signedInPage);
    m_signOutButton->setObjectName(u"signOutButton"_s);

    auto *actions = new QHBoxLayout;
    actions->addWidget(m_refreshButton);
    actions->addWidget(manage);
    actions->addStretch();
    actions->addWidget(m_signOutButton);
    auto *signedIn = new QVBoxLayout(m_signedInPage);
    signedIn->setContentsMargins(0, 8, 0, 0);
    signedIn->addWidget(m_accountLabel);
    signedIn->addWidget(m_subscriptionLabel);
    signedIn->addLayout(actions);

    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(u"messageLabel"_s);
    m_messageLabel->setWordWrap(true);

    // Texts from the service are shown as they are, never interpreted as markup.
    for (QLabel *label : {m_accountLabel, m_subscriptionLabel, m_messageLabel})
        label->setTextFormat(Qt::PlainText);
    // Return belongs to the password field alone; a default button would sign in twice.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(14);
    layout->addWidget(title);
    layout->addWidget(accessNote);
    layout->addWidget(m_signInPage);
    layout->addWidget(m_signedInPage);
    layout->addWidget(m_messageLabel);

    setStyleSheet(uR"(
QDialog { background: %1; color: %2; }
QLabel#accessNote { color: %3; background: %4; border: 1px solid %5; border-radius: 10px; padding: 12px; }
QLabel#messageLabel { color: %6; }
QLineEdit { min-height: 38px; border: 1px solid %7; border-radius: 8px; padding: 0 11px; background: %1; }
QLineEdit:focus { border-color: %8; }
QPushButton { min-height: 38px; border: 1px solid %7; border-radius: 8px; padding: 0 15px; background: %1; font-weight: 600; }
QPushButton:hover { background: %9; }
QPushButton#primaryButton { color: white; background: %8; border-color: %8; }
QPushButton#primaryButton:hover { background: %10; }
QPushButton:disabled { color: %11; background: %12; }
)"_s.arg(Theme::surface, Theme::accountText, Theme::accountNoteText, Theme::accountNoteBackground,
         Theme::accountNoteBorder, Theme::accountError, Theme::accountFieldBorder,
         Theme::accountPrimary, Theme::accountButtonHover, Theme::accountPrimaryHover,
         Theme::accountDisabledText, Theme::accountDisabledBackground));
}

QPushButton *AccountDialog::makeLinkButton(const QString &text, const QString &objectName,
                                           QStringView path, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setProperty("secondary", true);
    connect(button, &QPushButton::clicked, this,
            [path = path.toString()] { QDesktopServices::openUrl(AccountService::webPage(path)); });
    return button;
}

void AccountDialog::updateView()
{
    const bool signedIn = m_service.isSignedIn();
    m_signInPage->setVisible(!signedIn);
    m_signedInPage->setVisible(signedIn);

    const bool busy = m_service.isBusy();
    m_signInButton->setEnabled(!busy);
    m_refreshButton->setEnabled(!busy);
    m_signOutButton->setEnabled(!busy);
    m_signInButton->setText(busy ? tr("Signing in...") : tr("Sign in"));

    const QString message = m_service.errorMessage();
    m_messageLabel->setText(KitStyle::breakAnywhere(message));
    m_messageLabel->setVisible(!message.isEmpty());

    if (signedIn) {
        const QString email = m_service.email();
        const QString username = m_service.username();
        const QString name = username.isEmpty() ? email : u"%1  <%2>"_s.arg(username, email);
        m_accountLabel->setText(tr("Signed in as %1").arg(name));
    }

    QString subscription;
    if (m_service.entitlementActive()) {
        subscription = tr("Subscription active (%1)").arg(m_service.entitlementType());
        const QString periodEnd = m_service.entitlementExpiresAt();
        if (!periodEnd.isEmpty())
            subscription += tr(". Current period ends %1.").arg(periodEnd);
    } else {
        subscription = tr("Free account. All tools remain available during the current "
                          "open-access period.");
    }
    m_subscriptionLabel->setText(subscription);

    // The pages and the message differ in height: fit the window to what it now shows.
    fitToContent();
}

void AccountDialog::fitToContent()
{
    layout()->activate();
    const int needed = qMax(layout()->minimumSize().height(), heightForWidth(width()));
    if (isVisible())
        resize(width(), needed);
    // Never smaller than the content at this width, so no button is ever cut off.
    setMinimumHeight(needed);
}

void AccountDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (event->oldSize().width() != event->size().width())
        QMetaObject::invokeMethod(this, &AccountDialog::fitToContent, Qt::QueuedConnection);
}

void AccountDialog::showEvent(QShowEvent *event)
{
    fitToContent();
    resize(width(), minimumHeight());
    QDialog::showEvent(event);
}
