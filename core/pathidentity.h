#pragma once

#include <QString>

// When two spellings name the same file. Case counts only where the platform's file systems
// count it (not on Windows and macOS); links are followed when the file exists.
namespace pathidentity {

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
inline constexpr Qt::CaseSensitivity caseSensitivity = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity caseSensitivity = Qt::CaseSensitive;
#endif

// The one form paths take inside the program: '/' separators, cleaned; native separators only
// where a path is shown. Empty for an empty path.
QString internal(const QString &path);

// Absolute and cleaned, behind links when the file exists; case as given. Empty for an empty path.
QString normalised(const QString &path);

// normalised(), folded where case does not count: equal keys name the same file.
QString key(const QString &path);

// True when both name the same file (or the same not yet existing path).
bool same(const QString &a, const QString &b);

// For names still to be written (output naming, reserved outputs): cleaned and folded on every
// platform, as the most forgiving file system would compare them (a case-blind stick or share
// on Linux), so no two outputs can land on one file anywhere. Links are not followed.
QString outputKey(const QString &path);

} // namespace pathidentity
