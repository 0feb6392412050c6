#include "titlebar.h"

#include "settingsmenu.h"
#include "shellservices.h"
#include "theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString maximizeIcon = u":/res/icons/modern/maximize.png"_s;
const QString restoreIcon = u":/res/icons/modern/restore.png"_s;

QString imageStyle(QStringView iconPath)
{
    return u"QPushButton { image: url(%1); }"_s.arg(iconPath);
}

} // namespace

TitleBar::TitleBar(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(40);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_logo = new QLabel(this);
    m_logo->setObjectName(u"titleLogo"_s);
    m_logo->setPixmap(QIcon(u":/res/icons/modern/logo.png"_s).pixmap(20, 20));
    m_logo->setFixedSize(20, 20);
    m_logo->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_title = new QLabel(this);
    m_title->setObjectName(u"titleLabel"_s);
    m_title->setStyleSheet(u"QLabel{background:transparent;color:%1;}"_s.arg(Theme::textPrimary));
    QFont titleFont = font();
    titleFont.setPixelSize(13);
    titleFont.setWeight(QFont::DemiBold);
    m_title->setFont(titleFont);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_languageButton = new QToolButton(this);
    m_languageButton->setObjectName(u"languageBtn"_s);
    m_languageButton->setFixedSize(46, 40);
    m_languageButton->setCursor(Qt::PointingHandCursor);

    m_accountButton = new QToolButton(this);
    m_accountButton->setObjectName(u"accountBtn"_s);
    m_accountButton->setCursor(Qt::PointingHandCursor);
    m_accountButton->setMinimumWidth(74);
    m_accountButton->setFixedHeight(40);

    m_settingsButton = new QToolButton(this);
    m_settingsButton->setObjectName(u"settingsBtn"_s);
    m_settingsButton->setFixedSize(40, 40);
    m_settingsButton->setCursor(Qt::PointingHandCursor);
    // In the style sheet, where the dark theme finds it to show it light.
    m_settingsButton->setStyleSheet(
        u"QToolButton { qproperty-icon: url(:/res/icons/pdfviewer/more.png); }"_s);
    m_settingsButton->setIconSize(QSize(20, 20));
    m_settingsButton->setPopupMode(QToolButton::InstantPopup);
    m_settingsButton->setMenu(new SettingsMenu(m_settingsButton));

    m_minimizeButton = makeWindowButton(u":/res/icons/modern/minimize.png"_s, QString());
    m_minimizeButton->setObjectName(u"minimizeBtn"_s);
    m_maximizeButton = makeWindowButton(maximizeIcon, QString());
    m_maximizeButton->setObjectName(u"maximizeBtn"_s);
    m_closeButton = makeWindowButton(u":/res/icons/modern/close_20_hover.png"_s, QString());
    m_closeButton->setObjectName(u"closeBtn"_s);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_logo);
    layout->addWidget(m_title);
    layout->addStretch();
    layout->addWidget(m_settingsButton);
    layout->addWidget(m_accountButton);
    layout->addWidget(m_languageButton);
    layout->addWidget(m_minimizeButton);
    layout->addWidget(m_maximizeButton);
    layout->addWidget(m_closeButton);

    setStyleSheet(uR"(
TitleBar { background: %1; }
QToolButton, QPushButton { background: transparent; border: none; border-radius: 6px; margin: 1px 2px; }
QToolButton:hover, QPushButton:hover { background: %2; }
QToolButton:pressed, QPushButton:pressed { background: %3; }
QToolButton#languageBtn, QToolButton#accountBtn { color: %4; font-size: 12px; font-weight: 600; padding: 0 10px; }
QPushButton { padding: 9px 14px; }
QToolButton#settingsBtn::menu-indicator { image: none; width: 0px; }
QPushButton#closeBtn { border-top-right-radius: 11px; margin-right: 0px; }
QPushButton#closeBtn:hover { background: %5; }
QPushButton#closeBtn:pressed { background: %6; }
)"_s.arg(Theme::windowBackground, Theme::chromeButtonHover, Theme::chromeButtonPressed,
         Theme::textSecondary, Theme::closeButtonHover, Theme::closeButtonPressed));

    retranslateUi();

    connect(m_languageButton, &QToolButton::clicked, this, &TitleBar::languageRequested);
    connect(m_accountButton, &QToolButton::clicked, this, &TitleBar::accountRequested);
    connect(m_minimizeButton, &QPushButton::clicked, this, &TitleBar::minimizeRequested);
    connect(m_maximizeButton, &QPushButton::clicked, this, &TitleBar::maximizeRestoreRequested);
    connect(m_closeButton, &QPushButton::clicked, this, &TitleBar::closeRequested);
}

QPushButton *TitleBar::makeWindowButton(const QString &iconPath, const QString &toolTip)
{
    auto *button = new QPushButton(this);
    button->setFixedSize(46, 40);
    button->setStyleSheet(imageStyle(iconPath));
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(toolTip);
    return button;
}

void TitleBar::setAccountText(const QString &text)
{
    m_accountText = text;
    m_accountButton->setText(text.isEmpty() ? tr("Sign in") : text);
}

void TitleBar::setMaximized(bool maximized)
{
    m_maximizeButton->setStyleSheet(imageStyle(maximized ? restoreIcon : maximizeIcon));
    m_maximized = maximized;
    m_maximizeButton->setToolTip(maximized ? tr("还原") : tr("最大化"));
}

void TitleBar::retranslateUi()
{
    m_title->setText(tr("Velmora"));
    const QString code = ShellServices::instance().currentLanguageCode();
    m_languageButton->setText(code.section(u'_', 0, 0).toUpper());
    m_languageButton->setToolTip(tr("语言设置"));
    m_accountButton->setToolTip(tr("Account and subscription"));
    m_settingsButton->setToolTip(tr("设置"));
    setAccountText(m_accountText);
    m_minimizeButton->setToolTip(tr("最小化"));
    m_maximizeButton->setToolTip(m_maximized ? tr("还原") : tr("最大化"));
    m_closeButton->setToolTip(tr("关闭"));
}

void TitleBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
