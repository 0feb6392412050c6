#include "worklane.h"

#include "taskbase.h"
#include "taskfactory.h"
#include "taskstatus.h"
#include "worker.h"

#include <QUuid>

namespace {
constexpr int kMaxThreads = 4;
}

Worklane &Worklane::instance()
{
    static Worklane centre;
    return centre;
}

Worklane::Worklane(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(kMaxThreads);
}

Worklane::~Worklane()
{
    // Jobs still queued at exit run to the end, and each removes itself from the registry, so
    // the registry must outlive them.
    m_pool.waitForDone();
}

QString Worklane::submitTask(TaskRequest request)
{
    const QString taskId = QUuid::createUuid().toString(QUuid::WithBraces);
    request.taskId = taskId;
    std::shared_ptr<TaskBase> task = TaskFactory::create(request);
    if (!task) {
        emit taskError(taskId, tr("invalid task"));
        return {};
    }
    task->progressCallback = [this, taskId](int progress) {
        emit taskProgress(taskId, progress);
    };
    {
        QMutexLocker lock(&m_registryMutex);
        m_registry.insert(taskId, task);
    }
    emit taskStarted(taskId);

    auto onStatus = [this](const std::string &id, int status) {
        emit taskStatus(QString::fromStdString(id), status);
    };
    auto onResult = [this](const TaskResult &result) {
        finishTask(result);
    };
    m_pool.start(new Worker(std::move(task), onResult, onStatus, taskId.toStdString()), 0);
    return taskId;
}

QStringList Worklane::liveTaskIds() const
{
    QMutexLocker lock(&m_registryMutex);
    return m_registry.keys();
}

void Worklane::finishTask(const TaskResult &result)
{
    // Leave the registry before reporting, so a receiver of the final status never finds the
    // task still registered.
    {
        QMutexLocker lock(&m_registryMutex);
        m_registry.remove(result.taskId);
    }
    emit taskStatus(result.taskId, result.success ? TaskStatus::Completed : TaskStatus::Failed);
}
