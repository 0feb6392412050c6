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
    // The output the request names is promised to the task until it ends.
    QString submitTask(TaskRequest request);

    // Identifiers of the tasks submitted and not yet finished.
    QStringList liveTaskIds() const;

    // True while an unfinished task was promised that output file or folder; tool pages name
    // their outputs around these.
    bool isOutputReserved(const QString &path) const;

    // Asks unfinished tasks to stop; each ends with status Cancelled and leaves no output (a task
    // that finished meanwhile keeps its result). Unknown identifiers are ignored.
    void cancelTask(const QString &taskId);
    void cancelTasks(const QStringList &taskIds);

    // The short text shown for a failure reason of the engine.
    static QString failureText(int failure, const QString &argument);

signals:
    void taskStarted(const QString &taskId);
    void taskProgress(const QString &taskId, int progress);
    void taskStatus(const QString &taskId, int status);
    void taskFinished(const QString &taskId, bool success);
    // A failed task's reason, translated, just before its Failed status.
    void taskError(const QString &taskId, const QString &error);
    // The same reason as the engine gives it (a BatchFailure and the file or folder it names),
    // just before taskError, for callers that answer some reasons in their own way.
    void taskFailed(const QString &taskId, int failure, const QString &argument);
    // The file or folder a task finally wrote, just before its Completed status.
    void taskOutputWritten(const QString &taskId, const QString &path);
    // The input a failed task could not read (as the request listed it), just before taskError;
    // pages of jobs over several inputs offer to go on without it.
    void taskInputFailed(const QString &taskId, const QString &file);
    // Something a completed task's row should say besides its output, just before
    // taskOutputWritten (pages without text, converted as pictures).
    void taskNote(const QString &taskId, const QString &note);

private:
    explicit Worklane(QObject *parent = nullptr);
    void finishTask(const TaskResult &result);

    QThreadPool m_pool;
    mutable QMutex m_registryMutex;
    QMap<QString, std::shared_ptr<TaskBase>> m_registry;
    // Image folders made empty for a task, removed again when it fails while they are empty.
    QMap<QString, QString> m_emptyFolders;
};
