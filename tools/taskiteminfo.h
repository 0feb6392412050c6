#pragma once

#include <QString>
#include <QStringList>

// What a tool page tells its task list about a submitted job.
struct TaskItemInfo
{
    QString taskId;
    int type = 0; // the request's TaskType
    QString outputPath;
    // The file the job reads, when it reads one; rows whose output is a folder name it, so that
    // jobs writing into the same folder can be told apart.
    QString sourceFile;
    // Size of the source before the job, for rows that show what compressing saved; -1 if none.
    qint64 sourceSize = -1;
    // Every file the job reads, in order, as the page listed them.
    QStringList inputs;
};
