#include "languagemanager.h"

#include "settingskeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTranslator>
#include <QVariant>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString defaultCatalogueFolder = u":/res/translate"_s;

QString &catalogueFolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

const QString LanguageManager::settingsKey = settingskeys::Language;

LanguageManager::LanguageManager() = default;

// Removing the translator from the application needs the application to still exist; the
// manager lives until static destruction, after the application object is gone.
LanguageManager::~LanguageManager()
{
    if (m_translator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_translator.get());
}

LanguageManager &LanguageManager::instance()
{
    static LanguageManager manager;
    return manager;
}

const QList<LanguageManager::Language> &LanguageManager::languages()
{
    // Arabic keeps a left-to-right layout: the painted controls and page views are not mirrored.
    static const QList<Language> table{
        {u"zh_CN"_s, u"tessel_zh_CN.qm"_s, QLocale::Chinese, QLocale::China, Qt::LeftToRight},
        {u"en_US"_s, u"tessel_en.qm"_s, QLocale::English, QLocale::UnitedStates, Qt::LeftToRight},
        {u"de_DE"_s, u"de.qm"_s, QLocale::German, QLocale::Germany, Qt::LeftToRight},
        {u"fr_FR"_s, u"fr.qm"_s, QLocale::French, QLocale::France, Qt::LeftToRight},
        {u"es_ES"_s, u"es.qm"_s, QLocale::Spanish, QLocale::Spain, Qt::LeftToRight},
        {u"ar_SA"_s, u"ar.qm"_s, QLocale::Arabic, QLocale::SaudiArabia, Qt::RightToLeft},
        {u"ja_JP"_s, u"jp.qm"_s, QLocale::Japanese, QLocale::Japan, Qt::LeftToRight},
    };
    return table;
}

QString LanguageManager::defaultLanguage(const QLocale &systemLocale)
{
    return systemLocale.language() == QLocale::Chinese ? u"zh_CN"_s : u"en_US"_s;
}

QString LanguageManager::catalogueFolder()
{
    const QString &folder = catalogueFolderOverride();
    return folder.isEmpty() ? defaultCatalogueFolder : folder;
}

void LanguageManager::setCatalogueFolder(const QString &folder)
{
    catalogueFolderOverride() = folder;
}

bool LanguageManager::apply(const QString &code)
{
    const QList<Language> &table = languages();
    const auto row = std::find_if(table.cbegin(), table.cend(),
                                  [&code](const Language &l) { return l.code == code; });
    if (row == table.cend())
        return false;

    std::unique_ptr<QTranslator> translator;
    if (!row->catalogue.isEmpty()) {
        translator = std::make_unique<QTranslator>();
        // The Chinese catalogue only covers the few texts not written in Chinese in the code:
        // without it the interface is still usable, so it never blocks the fallback language.
        if (!translator->load(QDir(catalogueFolder()).filePath(row->catalogue))) {
            if (row->code != u"zh_CN"_s)
                return false;
            translator.reset();
        }
    }

    // Recorded first: the language-change events below already read the new code.
    m_current = code;
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator = std::move(translator);

    QLocale::setDefault(QLocale(row->language, row->territory));
    // Through the property, so that the command line, which has no GUI application, does not
    // load the GUI library for it.
    if (QCoreApplication *app = QCoreApplication::instance();
        app && app->inherits("QGuiApplication"))
        app->setProperty("layoutDirection", QVariant::fromValue(row->direction));

    if (m_translator)
        QCoreApplication::installTranslator(m_translator.get());
    return true;
}

void LanguageManager::loadSaved(const QLocale &systemLocale)
{
    const QString saved = QSettings().value(settingsKey, defaultLanguage(systemLocale)).toString();
    if (!apply(saved))
        apply(u"zh_CN"_s);
}

bool LanguageManager::setLanguage(const QString &code)
{
    if (code == m_current)
        return true;
    if (!apply(code))
        return false;
    QSettings().setValue(settingsKey, code);
    Q_EMIT languageChanged(code);
    return true;
}
