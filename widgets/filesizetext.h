#pragma once

#include <QCoreApplication>
#include <QString>

// The size of a file as the file lists, task lists and recent files show it ("12 KB", "3.40 MB").
class FileSizeText
{
    Q_DECLARE_TR_FUNCTIONS(FileSizeText)

public:
    static QString format(qint64 bytes);
    // The size of the file at path; a missing file counts as 0 bytes.
    static QString ofFile(const QString &path);
};
