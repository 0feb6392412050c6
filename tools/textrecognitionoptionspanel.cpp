#include "textrecognitionoptionspanel.h"

#include "inkwell.h"
#include "kitstyle.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The name a language is known by to its own readers, and the order the list shows: the
// interface languages first.
struct Language
{
    const char *code;
    const char *name;
};

constexpr Language kLanguages[] = {
    {"eng", "English"},  {"chi_sim", "简体中文"}, {"deu", "Deutsch"}, {"fra", "Français"},
    {"spa", "Español"},  {"jpn", "日本語"},       {"ara", "العربية"}, {"chi_tra", "繁體中文"},
    {"ita", "Italiano"}, {"por", "Português"},    {"rus", "Русский"}, {"kor", "한국어"},
};

QString languageName(const QString &code)
{
    for (const Language &language : kLanguages) {
        if (code == QLatin1StringView(language.code))
            return QString::fromUtf8(language.name);
    }
    return code;
}

int rank(const QString &code)
{
    int index = 0;
    for (const Language &language : kLanguages) {
        if (code == QLatin1StringView(language.code))
            return index;
        ++index;
    }
    return index;
}

} // namespace

TextRecognitionOptionsPanel::TextRecognitionOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("文字识别"), tr("识别"), Location::WithSourceFolder, parent)
{
    setObjectName(u"textRecognitionOptionsPanel"_s);
    addSpacing(10);
    auto *description =
        new QLabel(tr("识别扫描页面中的文字，使 PDF 可以搜索和复制，页面外观不变"), this);
    description->setObjectName(u"recognitionDescription"_s);
    description->setWordWrap(true);
    description->setFont(KitStyle::font(KitStyle::Regular14, font()));
    description->setStyleSheet(KitStyle::plainLabelStyle());
    addControl(description);

    addSection(tr("识别语言"));
    QStringList installed = Inkwell::recognitionLanguages();
    std::stable_sort(installed.begin(), installed.end(),
                     [](const QString &a, const QString &b) { return rank(a) < rank(b); });
    const QStringList chosen =
        Inkwell::defaultRecognitionLanguages().split(u'+', Qt::SkipEmptyParts);
    for (const QString &code : installed) {
        auto *box = new QCheckBox(languageName(code), this);
        box->setObjectName(u"language_"_s + code);
        box->setProperty("languageCode", code);
        box->setFont(KitStyle::font(KitStyle::Regular14, font()));
        box->setStyleSheet(KitStyle::checkBoxStyle());
        box->setCursor(Qt::PointingHandCursor);
        box->setChecked(chosen.contains(code));
        connect(box, &QCheckBox::toggled, this, &TextRecognitionOptionsPanel::updateStartButton);
        m_languages.append(box);
        addControl(box);
        addSpacing(4);
    }
    m_missingData = addErrorLabel(u"missingLanguageData"_s);
    m_missingData->setWordWrap(true);
    m_missingData->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_missingData->setText(
        tr("未安装文字识别语言数据，无法识别文字。") + u'\n' +
        tr("安装方法：sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim"));
    m_missingData->setVisible(installed.isEmpty());

    addSection(tr("页面"));
    m_force = new QCheckBox(tr("也识别已有文字的页面"), this);
    m_force->setObjectName(u"forceRecognitionCheck"_s);
    m_force->setFont(KitStyle::font(KitStyle::Regular14, font()));
    m_force->setStyleSheet(KitStyle::checkBoxStyle());
    m_force->setCursor(Qt::PointingHandCursor);
    addControl(m_force);
    updateStartButton();
}

QString TextRecognitionOptionsPanel::startBlocker() const
{
    if (m_languages.isEmpty())
        return tr("未安装文字识别语言数据");
    return languages().isEmpty() ? tr("请选择至少一种语言") : QString();
}

QString TextRecognitionOptionsPanel::languages() const
{
    QStringList codes;
    for (const QCheckBox *box : m_languages) {
        if (box->isChecked())
            codes.append(box->property("languageCode").toString());
    }
    return codes.join(u'+');
}

QVariantMap TextRecognitionOptionsPanel::options() const
{
    return {{TaskOption::OcrLanguages, languages()},
            {TaskOption::ForceRecognition, m_force->isChecked()}};
}
