#include "worker.h"

#include "inkwell.h"
#include "taskbase.h"
#include "taskstatus.h"

#include <QLoggingCategory>

#include <exception>

Q_LOGGING_CATEGORY(lcWorker, "velmora.worklane", QtWarningMsg)

Worker::Worker(std::shared_ptr<TaskBase> task, ResultCallback onResult, StatusCallback onStatus,
               std::string taskId)
    : m_task(std::move(task))
    , m_onResult(std::move(onResult))
    , m_onStatus(std::move(onStatus))
    , m_taskId(std::move(taskId))
{
    setAutoDelete(true);
}

void Worker::run()
{
    if (!m_task)
        return;
    TaskResult result;
    result.taskId = QString::fromStdString(m_taskId);
    if (m_task->cancelled) {
        // Cancelled while it waited in the queue: it never starts.
        result.cancelled = true;
        if (m_onResult)
            m_onResult(result);
        return;
    }
    if (m_onStatus)
        m_onStatus(m_taskId, TaskStatus::Running);
    Inkwell::setCancelFlag(&m_task->cancelled);
    // An exception escaping a pool thread would end the program; a job that throws has failed.
    try {
        result = m_task->run();
        const BatchOutcome outcome = Inkwell::lastOutcome();
        if (result.success) {
            result.writtenPath = outcome.writtenPath;
        } else {
            result.failure = int(outcome.failure);
            result.failureArgument = outcome.argument;
        }
    } catch (const std::exception &e) {
        qCWarning(lcWorker, "task %s failed: %s", m_taskId.c_str(), e.what());
        result.success = false;
    } catch (...) {
        qCWarning(lcWorker, "task %s failed", m_taskId.c_str());
        result.success = false;
    }
    Inkwell::setCancelFlag(nullptr);
    if (result.taskId.isEmpty())
        result.taskId = QString::fromStdString(m_taskId);
    if (!result.success && m_task->cancelled)
        result.cancelled = true;
    if (m_onResult)
        m_onResult(result);
}
