#pragma once

#include "taskrequest.h"
#include "worklane_global.h"

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <memory>

class TaskBase;
struct TaskResult;

// The task centre: runs batch jobs on its own pool of four threads and reports their state.
// Status signals come from pool threads; receivers on the GUI thread get them queued, in
// emission order per task.
class WORKLANE_EXPORT Worklane : public QObject
{
    Q_OBJECT
public:
    static Worklane &instance();
    ~Worklane() override;

    // Returns the new task's braced identifier, or an empty string when the type has no task.
    QString submitTask(TaskRequest request);

    // Identifiers of the tasks submitted and not yet finished.
    QStringList liveTaskIds() const;

signals:
    void taskStarted(const QString &taskId);
    void taskProgress(const QString &taskId, int progress);
    void taskStatus(const QString &taskId, int status);
    void taskFinished(const QString &taskId, bool success);
    void taskError(const QString &taskId, const QString &error);

private:
    explicit Worklane(QObject *parent = nullptr);
    void finishTask(const TaskResult &result);

    QThreadPool m_pool;
    mutable QMutex m_registryMutex;
    QMap<QString, std::shared_ptr<TaskBase>> m_registry;
};
