#pragma once

#include "taskresult.h"

#include <QRunnable>

#include <functional>
#include <memory>
#include <string>

class TaskBase;

// Runs one task on a pool thread and reports through its callbacks; the pool deletes it.
class Worker final : public QRunnable
{
public:
    using ResultCallback = std::function<void(const TaskResult &)>;
    using StatusCallback = std::function<void(const std::string &, int)>;

    Worker(std::shared_ptr<TaskBase> task, ResultCallback onResult, StatusCallback onStatus,
           std::string taskId);
    void run() override;

private:
    std::shared_ptr<TaskBase> m_task;
    ResultCallback m_onResult;
    StatusCallback m_onStatus;
    std::string m_taskId;
};
