#include "filesizetext.h"

#include <QFileInfo>
#include <QLocale>

QString FileSizeText::format(qint64 bytes)
{
    constexpr qint64 kib = 1024;
    constexpr qint64 mib = kib * 1024;
    constexpr qint64 gib = mib * 1024;
    // Digits as the interface language writes them: "1,22 Mo" in French.
    QLocale locale;
    // Digits stay Western where the language writes its own, as dates and page numbers do.
    if (locale.zeroDigit() != u"0")
        locale = QLocale::c();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    if (bytes < kib)
        return tr("%1 B").arg(locale.toString(bytes));
    if (bytes < mib)
        return tr("%1 KB").arg(locale.toString(double(bytes) / kib, 'f', 0));
    if (bytes < gib)
        return tr("%1 MB").arg(locale.toString(double(bytes) / mib, 'f', 2));
    return tr("%1 GB").arg(locale.toString(double(bytes) / gib, 'f', 2));
}

QString FileSizeText::ofFile(const QString &path)
{
    const QFileInfo info(path);
    return format(info.isFile() ? info.size() : 0);
}
