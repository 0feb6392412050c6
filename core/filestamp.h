#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// What a file looks like from outside: whether it is there, which file the name holds (device and
// inode where the platform has them), its size, modification and status-change times to the
// nanosecond. Two equal stamps mean nobody wrote or replaced the file in between, as far as a
// cheap look can tell; the status-change time catches writers that put the old time back.
struct FileStamp
{
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    static FileStamp of(const QString &path);
    // The stamp as text, for keys of caches; empty when the file is not there.
    QByteArray text() const;
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
