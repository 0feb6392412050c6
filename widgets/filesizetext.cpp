#include "filesizetext.h"

#include <QFileInfo>

QString FileSizeText::format(qint64 bytes)
{
    constexpr qint64 kib = 1024;
    constexpr qint64 mib = kib * 1024;
    constexpr qint64 gib = mib * 1024;
    if (bytes < kib)
        return tr("%1 B").arg(bytes);
    if (bytes < mib)
        return tr("%1 KB").arg(double(bytes) / kib, 0, 'f', 0);
    if (bytes < gib)
        return tr("%1 MB").arg(double(bytes) / mib, 0, 'f', 2);
    return tr("%1 GB").arg(double(bytes) / gib, 0, 'f', 2);
}

QString FileSizeText::ofFile(const QString &path)
{
    const QFileInfo info(path);
    return format(info.isFile() ? info.size() : 0);
}
