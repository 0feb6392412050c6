#include "filestamp.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

FileStamp FileStamp::of(const QString &path)
{
    FileStamp stamp;
    if (path.isEmpty())
        return stamp;
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    constexpr qint64 NsPerSecond = 1'000'000'000;
    stamp.exists = true;
    stamp.device = static_cast<quint64>(info.st_dev);
    stamp.inode = static_cast<quint64>(info.st_ino);
    stamp.size = static_cast<qint64>(info.st_size);
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * NsPerSecond + info.st_mtim.tv_nsec;
    stamp.changedNs = qint64(info.st_ctim.tv_sec) * NsPerSecond + info.st_ctim.tv_nsec;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return stamp;
    constexpr qint64 NsPerMs = 1'000'000;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * NsPerMs;
    stamp.changedNs = info.metadataChangeTime().toMSecsSinceEpoch() * NsPerMs;
#endif
    return stamp;
}

QByteArray FileStamp::text() const
{
    if (!exists)
        return {};
    return QByteArray::number(device) + ':' + QByteArray::number(inode) + ':' +
           QByteArray::number(size) + ':' + QByteArray::number(modifiedNs) + ':' +
           QByteArray::number(changedNs);
}
