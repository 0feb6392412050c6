#include "languagedialog.h"

#include "kitstyle.h"

#include "languagemanager.h"
#include "modernmessagebox.h"
#include "theme.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct Choice
{
    const char *code;
    const char *label;
    const char *tag;
};

// Same order as LanguageManager::languages().
constexpr Choice choices[] = {
    {"zh_CN", QT_TRANSLATE_NOOP("LanguageDialog", "简体中文"), "zh-CN"},
    {"en_US", QT_TRANSLATE_NOOP("LanguageDialog", "英语"), "en-US"},
    {"de_DE", QT_TRANSLATE_NOOP("LanguageDialog", "德语"), "de-DE"},
    {"fr_FR", QT_TRANSLATE_NOOP("LanguageDialog", "法语"), "fr-FR"},
    {"es_ES", QT_TRANSLATE_NOOP("LanguageDialog", "西班牙语"), "es-ES"},
    {"ar_SA", QT_TRANSLATE_NOOP("LanguageDialog", "阿拉伯语"), "ar-SA"},
    {"ja_JP", QT_TRANSLATE_NOOP("LanguageDialog", "日语"), "ja-JP"},
};

const Choice *choiceFor(const QString &code)
{
    for (const Choice &c : choices) {
        if (code == QLatin1StringView(c.code))
            return &c;
    }
    return nullptr;
}

QString cardStyle()
{
    return uR"(
QFrame#languageCard { background: %1; border: 1px solid %2; border-radius: 16px; }
QLabel#languageTitle { color: %3; background: transparent; font-size: 21px; font-weight: 600; }
QLabel#languageDescription { color: %4; background: transparent; font-size: 13px; }
QRadioButton { color: %5; background: %1; border: 1px solid %6; border-radius: 10px; padding: 10px 16px; font-size: 14px; spacing: 12px; }
QRadioButton:hover { background: %7; border-color: %8; }
QRadioButton:checked { background: %9; border: 2px solid %10; padding: 9px 15px; }
QRadioButton::indicator { width: 18px; height: 18px; }
)"_s.arg(Theme::surface, Theme::languageCardBorder, Theme::cardTitle, Theme::textMuted,
           Theme::languageChoiceText, Theme::languageChoiceBorder, Theme::languageChoiceHover,
           Theme::languageChoiceHoverBorder, Theme::languageChoiceChecked, Theme::accent) +
           uR"(
QPushButton { min-width: 88px; border-radius: 8px; padding: 0 16px; font-size: 14px; font-weight: 600; }
QPushButton#languageCancelButton { color: %1; background: %2; border: 1px solid %3; }
QPushButton#languageCancelButton:hover { background: %4; }
QPushButton#languageApplyButton { color: %2; background: %5; border: 1px solid %5; }
QPushButton#languageApplyButton:hover { background: %6; border-color: %6; }
QPushButton#languageApplyButton:pressed { background: %7; border-color: %7; }
)"_s.arg(Theme::languageCancelText, Theme::surface, Theme::languageCancelBorder,
           Theme::languageCancelHover, Theme::accent, Theme::accentHover, Theme::accentPressed);
}

} // namespace

LanguageDialog::LanguageDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    setFixedWidth(620);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 20, 20, 20);

    auto *card = new QFrame(this);
    card->setObjectName(u"languageCard"_s);
    QString style = cardStyle();
    if (!KitStyle::dressCardWindow(this, outer, card, 36, 10, 55))
        style += u"QFrame#languageCard { border-radius: 0px; }"_s;
    card->setStyleSheet(style);
    outer->addWidget(card);

    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(28, 26, 28, 24);
    layout->setSpacing(0);

    auto *title = new QLabel(tr("语言设置"), card);
    title->setObjectName(u"languageTitle"_s);
    layout->addWidget(title);
    layout->addSpacing(7);

    auto *description = new QLabel(tr("选择 Velmora 的界面语言"), card);
    description->setObjectName(u"languageDescription"_s);
    description->setWordWrap(true);
    layout->addWidget(description);
    layout->addSpacing(22);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    m_choices = new QButtonGroup(this);
    m_choices->setExclusive(true);
    const QString current = LanguageManager::instance().currentLanguage();
    const QList<LanguageManager::Language> &languages = LanguageManager::languages();
    for (int i = 0; i < languages.size(); ++i) {
        const QString &code = languages.at(i).code;
        const Choice *choice = choiceFor(code);
        const QString tag = choice ? QString::fromLatin1(choice->tag) : code;
        auto *button = new QRadioButton(u"%1\n%2"_s.arg(languageLabel(code), tag), card);
        button->setProperty("languageCode", code);
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumHeight(58);
        button->setChecked(code == current);
        m_choices->addButton(button, i);
        grid->addWidget(button, i / 2, i % 2);
    }
    layout->addLayout(grid);
    layout->addSpacing(24);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    auto *cancel = new QPushButton(tr("取消"), card);
    cancel->setObjectName(u"languageCancelButton"_s);
    cancel->setMinimumSize(88, 40);
    cancel->setCursor(Qt::PointingHandCursor);
    auto *apply = new QPushButton(tr("应用"), card);
    apply->setObjectName(u"languageApplyButton"_s);
    apply->setMinimumSize(88, 40);
    apply->setCursor(Qt::PointingHandCursor);
    apply->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(apply);
    layout->addLayout(buttons);

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &LanguageDialog::applyLanguage);
}

QString LanguageDialog::languageLabel(const QString &code)
{
    const Choice *choice = choiceFor(code);
    return choice ? tr(choice->label) : code;
}

void LanguageDialog::applyLanguage()
{
    QAbstractButton *checked = m_choices->checkedButton();
    if (!checked)
        return;
    const QString code = checked->property("languageCode").toString();
    LanguageManager &manager = LanguageManager::instance();
    if (code == manager.currentLanguage()) {
        accept();
        return;
    }

    const QString label = checked->text().section(u'\n', 0, 0);
    const int answer =
        ModernMessageBox::confirm(this, tr("切换语言？"), tr("界面语言将切换为“%1”。").arg(label),
                                  tr("当前打开的工具标签页将关闭。"), tr("切换"), tr("取消"));
    if (answer != ModernMessageBox::Confirmed)
        return;
    if (m_switchGuard && !m_switchGuard())
        return;

    if (!manager.setLanguage(code)) {
        ModernMessageBox::showError(this, tr("无法切换语言"), tr("未能加载所选语言的翻译文件。"));
        return;
    }
    accept();
}
