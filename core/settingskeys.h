#pragma once

#include <QLatin1String>
#include <QList>

// Every key the program keeps in its settings (QSettings), in one place: a feature names its key
// from here, never as a string of its own, so two features cannot meet on one key. The window's
// placement is kept apart, in a file of its own (the window's code).
namespace settingskeys {

inline constexpr QLatin1String Theme{"appearance/theme"};       // "dark" or "light"
inline constexpr QLatin1String Language{"appearance/language"}; // a catalogue code, "zh_CN"
inline constexpr QLatin1String ReopenAtStart{"session/reopenAtStart"};
inline constexpr QLatin1String SessionDocuments{"session/documents"};
inline constexpr QLatin1String SessionCurrent{"session/currentDocument"};
inline constexpr QLatin1String PageTone{"reading/pageTone"};
inline constexpr QLatin1String AnnotationAuthor{"annotations/author"};
// A group: "annotations/<tool>/<property>" holds each annotation tool's last style.
inline constexpr QLatin1String AnnotationStyles{"annotations"};
inline constexpr QLatin1String SigningCertificate{"signing/certificate"};
inline constexpr QLatin1String TimestampUrl{"signing/timestampUrl"};
inline constexpr QLatin1String AccountService{"account/serviceUrl"};
inline constexpr QLatin1String AccountSession{"account/encryptedSession"};

struct Entry
{
    QLatin1String key;
    bool group; // keys below it ("group/…") belong to it
};

// The table, for the test that walks it.
QList<Entry> all();

} // namespace settingskeys
