#include "pathidentity.h"

#include <QDir>
#include <QFileInfo>

namespace pathidentity {

QString internal(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QString normalised(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(QDir::fromNativeSeparators(path));
    const QString canonical = info.canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
}

QString key(const QString &path)
{
    const QString result = normalised(path);
    if constexpr (caseSensitivity == Qt::CaseInsensitive)
        return result.toCaseFolded();
    return result;
}

QString outputKey(const QString &path)
{
    return internal(path).toCaseFolded();
}

bool same(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && key(a) == key(b);
}

} // namespace pathidentity
