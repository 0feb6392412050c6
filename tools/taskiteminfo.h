#pragma once

#include <QString>

// What a tool page tells its task list about a submitted job.
struct TaskItemInfo
{
    QString taskId;
    int type = 0; // the request's TaskType
    QString outputPath;
};
