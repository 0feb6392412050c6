#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>

#include <memory>

class QTranslator;

// Chooses, installs, persists and announces the interface language. The source texts are
// Simplified Chinese; every other language comes from a catalogue in the resources.
class LanguageManager : public QObject
{
    Q_OBJECT

public:
    struct Language
    {
        QString code;
        QString catalogue; // empty for the source language
        QLocale::Language language;
        QLocale::Territory territory;
        Qt::LayoutDirection direction;
    };

    static LanguageManager &instance();
    // Every language the program offers, in the order the dialog shows them.
    static const QList<Language> &languages();
    static const QString settingsKey;

    // The language a first start picks on a system with the given locale.
    static QString defaultLanguage(const QLocale &systemLocale);

    QString currentLanguage() const { return m_current; }

    // Installs the saved language (or the locale's default) before any widget exists. Falls back
    // to Chinese without touching the setting; neither writes the setting nor announces anything.
    void loadSaved(const QLocale &systemLocale = QLocale::system());

    // Switches, saves and announces; false leaves everything as it was.
    bool setLanguage(const QString &code);

    // Folder the catalogues are loaded from; tests point it elsewhere.
    static QString catalogueFolder();
    static void setCatalogueFolder(const QString &folder);

Q_SIGNALS:
    void languageChanged(const QString &languageCode);

private:
    LanguageManager();
    ~LanguageManager() override;

    bool apply(const QString &code);

    std::unique_ptr<QTranslator> m_translator;
    QString m_current;
};
