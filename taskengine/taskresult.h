#pragma once

#include <QString>

// What a task body hands back to its worker.
struct TaskResult
{
    QString taskId;
    bool success = false;
    QString message; // not filled by any task yet
    QString detail;  // not filled by any task yet
};
