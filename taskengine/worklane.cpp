#include "worklane.h"

#include "failuretext.h"
#include "inkwell.h"
#include "pathidentity.h"
#include "pdfeditorbackend.h"
#include "taskbase.h"
#include "taskfactory.h"
#include "taskstatus.h"
#include "tooltype.h"
#include "worker.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace {
constexpr int kMaxThreads = 4;

// The output a request writes by name; the engine names some outputs only as it finishes.
QString namedOutput(const ToolType::Info &tool, const TaskRequest &request)
{
    if (tool.output == ToolType::Output::NamedByEngine)
        return {};
    // Replacing the original writes nothing new.
    return replacesSource(request.options) ? QString() : request.outputPath;
}

} // namespace

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
    const ToolType::Info *tool = ToolType::forTask(request.type);
    const QString output = tool ? namedOutput(*tool, request) : QString();
    {
        QMutexLocker lock(&m_registryMutex);
        m_registry.insert(taskId, task);
        Inkwell::reserveOutput(pathidentity::internal(output), taskId);
        if (tool && tool->output == ToolType::Output::ImageFolder && !output.isEmpty() &&
            QDir(output).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                 QDir::System))
            m_emptyFolders.insert(taskId, output);
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

bool Worklane::isOutputReserved(const QString &path) const
{
    return Inkwell::isOutputReserved(path);
}

void Worklane::cancelTask(const QString &taskId)
{
    cancelTasks({taskId});
}

void Worklane::cancelTasks(const QStringList &taskIds)
{
    QMutexLocker lock(&m_registryMutex);
    for (const QString &id : taskIds) {
        if (const std::shared_ptr<TaskBase> task = m_registry.value(id))
            task->cancel();
    }
}

QString Worklane::failureText(int failure, const QString &argument)
{
    return ::failureText(BatchFailure(failure), argument);
}

void Worklane::finishTask(const TaskResult &result)
{
    QString emptyFolder;
    bool last = false;
    // Leave the registry before reporting, so a receiver of the final status never finds the
    // task still registered; its names stay promised until its output is in place.
    {
        QMutexLocker lock(&m_registryMutex);
        m_registry.remove(result.taskId);
        emptyFolder = m_emptyFolders.take(result.taskId);
        Inkwell::releaseOutputs(result.taskId);
        last = m_registry.isEmpty();
    }
    // Freed pages and objects of big jobs stay with the engine and the allocator; with no job
    // left they go back.
    if (last)
        PdfEditorBackend::releaseSpareMemory();
    if (!result.success && !emptyFolder.isEmpty())
        QDir().rmdir(emptyFolder); // only while nothing is in it
    if (result.cancelled) {
        emit taskStatus(result.taskId, TaskStatus::Cancelled);
        return;
    }
    if (result.success) {
        if (result.pagesWithoutText > 0)
            emit taskNote(result.taskId,
                          tr("%n 页未找到文字，已作为图片保存", nullptr, result.pagesWithoutText));
        if (result.pagesRecognised > 0) {
            QStringList parts{tr("已识别 %n 页", nullptr, result.pagesRecognised)};
            if (result.pagesKept > 0)
                parts.append(tr("%n 页已有文字，保持原样", nullptr, result.pagesKept));
            if (result.pagesUnread > 0)
                parts.append(tr("%n 页无法读取", nullptr, result.pagesUnread));
            emit taskNote(result.taskId, parts.join(tr("，")));
        }
        if (!result.signedInputs.isEmpty()) {
            QStringList names;
            for (const QString &input : result.signedInputs)
                names.append(QFileInfo(input).fileName());
            emit taskNote(result.taskId,
                          tr("%1 带有数字签名；输出文件中的签名不再有效，原文件保持签名")
                              .arg(names.join(tr("、"))));
        }
        if (!result.writtenPath.isEmpty())
            emit taskOutputWritten(result.taskId, result.writtenPath);
        emit taskStatus(result.taskId, TaskStatus::Completed);
        return;
    }
    if (!result.failedInput.isEmpty())
        emit taskInputFailed(result.taskId, result.failedInput);
    emit taskFailed(result.taskId, result.failure, result.failureArgument);
    emit taskError(result.taskId, failureText(result.failure, result.failureArgument));
    emit taskStatus(result.taskId, TaskStatus::Failed);
}
