#include "darktheme.h"
#include "languagemanager.h"
#include "lastsession.h"
#include "pagetone.h"
#include "pdfannotationstyles.h"
#include "settingskeys.h"
#include "testregistry.h"

#include <QSet>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

// The features keep their settings under the keys of one table, and the table is sound: no key
// twice, none inside another (the settings file could not hold both).
class TestSettingsKeys : public QObject
{
    Q_OBJECT

private slots:
    void everyKeyWrittenIsInTheTable()
    {
        const QString language = LanguageManager::instance().currentLanguage();
        const bool dark = DarkTheme::isEnabled();
        QSettings().clear();
        DarkTheme::setEnabled(!dark);
        DarkTheme::setEnabled(dark);
        LanguageManager::instance().setLanguage(language == u"en_US"_s ? u"zh_CN"_s : u"en_US"_s);
        LanguageManager::instance().setLanguage(language);
        LastSession::setReopensAtStart(true);
        LastSession::remember({{u"/tmp/a.pdf"_s}, 0});
        PageToneSetting::instance().setTone(PdfPageTone::Sepia);
        PdfAnnotationStyles::instance().setAuthor(u"Ada"_s);
        PdfAnnotationStyles::Style style = PdfAnnotationStyles::instance().style(u"highlight"_s);
        style.width += 1;
        PdfAnnotationStyles::instance().setStyle(u"highlight"_s, style);

        const QList<settingskeys::Entry> table = settingskeys::all();
        const QStringList written = QSettings().allKeys();
        QVERIFY(written.size() >= 7);
        for (const QString &key : written) {
            const bool known = std::any_of(table.cbegin(), table.cend(), [&key](const auto &e) {
                return e.group ? key.startsWith(e.key + u'/') : key == e.key;
            });
            QVERIFY2(known, qPrintable(key));
        }
        QSettings().clear();
    }

    void tableIsSound()
    {
        const QList<settingskeys::Entry> table = settingskeys::all();
        QSet<QString> seen;
        for (const settingskeys::Entry &entry : table) {
            QVERIFY2(!seen.contains(entry.key), entry.key.data());
            seen.insert(entry.key);
            for (const settingskeys::Entry &other : table) {
                if (&other == &entry || other.group)
                    continue;
                // A key below another key; below a group only one level down, beside the
                // group's own "<group>/<name>/<property>" keys.
                QVERIFY2(
                    !QString(other.key).startsWith(entry.key + u'/') ||
                        (entry.group && !other.key.sliced(entry.key.size() + 1).contains(u'/')),
                    other.key.data());
            }
        }
    }
};

VELMORA_REGISTER_TEST(TestSettingsKeys);
#include "tst_settingskeys.moc"
