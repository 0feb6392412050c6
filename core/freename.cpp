#include "freename.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace freename {

QString numbered(const QString &path, int n, Counting counting)
{
    if (n == 0)
        return path;
    const QFileInfo info(path);
    QString stem = info.completeBaseName();
    const QString suffix = info.suffix();
    int start = 0;
    if (counting == Counting::CountingOn) {
        static const QRegularExpression counted(QStringLiteral("^(.*)\\((\\d{1,6})\\)$"));
        if (const QRegularExpressionMatch m = counted.match(stem); m.hasMatch()) {
            stem = m.captured(1);
            start = m.captured(2).toInt();
        }
    }
    QString name = QStringLiteral("%1(%2)").arg(stem).arg(start + n);
    if (!suffix.isEmpty())
        name += QLatin1Char('.') + suffix;
    return info.dir().filePath(name);
}

QString first(const QString &path, const std::function<bool(const QString &)> &taken,
              Counting counting)
{
    QString candidate = path;
    for (int n = 1; taken(candidate); ++n)
        candidate = numbered(path, n, counting);
    return candidate;
}

} // namespace freename
