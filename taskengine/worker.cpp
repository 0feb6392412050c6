#include "worker.h"

#include "pdfsignatures.h"

#include "cpubudget.h"
#include "inkwell.h"
#include "pathidentity.h"
#include "taskbase.h"
#include "taskstatus.h"
#include "tooltype.h"

#include <QDir>
#include <QLoggingCategory>

#include <exception>

Q_LOGGING_CATEGORY(lcWorker, "velmora.worklane", QtWarningMsg)

namespace {

// Failures that a job could get past by leaving that input out.
bool readsInput(BatchFailure failure)
{
    switch (failure) {
    case BatchFailure::SourceMissing:
    case BatchFailure::NotPdf:
    case BatchFailure::PasswordRequired:
    case BatchFailure::WrongPassword:
    case BatchFailure::UnreadableImage:
    case BatchFailure::ImageTooLarge:
    case BatchFailure::OfficeUnreadable:
    case BatchFailure::UnsupportedFormat:
    case BatchFailure::EmptyFile:
    case BatchFailure::PdfNotOffice:
        return true;
    default:
        return false;
    }
}

// The engine names files cleaned; pages know them as they listed them.
QString listedInput(const TaskRequest &request, const QString &argument)
{
    if (argument.isEmpty())
        return {};
    const QString wanted = pathidentity::internal(argument);
    QStringList inputs = request.inputFiles;
    if (!request.inputFile.isEmpty())
        inputs.append(request.inputFile);
    for (const QString &input : std::as_const(inputs)) {
        if (pathidentity::internal(input) == wanted)
            return input;
    }
    return {};
}

// Jobs that write a PDF anew from PDFs: their signatures do not survive in the output.
QStringList signedInputs(const TaskRequest &request)
{
    const ToolType::Info *tool = ToolType::forTask(request.type);
    if (!tool || !tool->rewritesPdf)
        return {};
    QStringList inputs = request.inputFiles;
    if (!request.inputFile.isEmpty())
        inputs.append(request.inputFile);
    QStringList found;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        if (PdfSignatures::isSigned(inputs[i], inputPassword(request.options, i)))
            found.append(inputs[i]);
    }
    return found;
}

} // namespace

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
    // A job runs once a core is free for it, unless its work is done by helper processes, which
    // are as many as the cores themselves.
    cpubudget::Share core;
    const ToolType::Info *tool = ToolType::forTask(m_task->request.type);
    if (!tool || !tool->ownProcesses) {
        core = cpubudget::Share::forThisThread(&m_task->cancelled);
        if (core.threads() == 0) {
            result.cancelled = true;
            if (m_onResult)
                m_onResult(result);
            return;
        }
    }
    if (m_onStatus)
        m_onStatus(m_taskId, TaskStatus::Running);
    Inkwell::setCancelFlag(&m_task->cancelled);
    // An exception escaping a pool thread would end the program; a job that throws has failed.
    try {
        // Read before the job, which may replace its source.
        const QStringList signedSources = signedInputs(m_task->request);
        result = m_task->run();
        const BatchOutcome outcome = Inkwell::lastOutcome();
        if (result.success) {
            result.writtenPath = outcome.writtenPath;
            result.pagesWithoutText = outcome.pagesWithoutText;
            result.pagesRecognised = outcome.pagesRecognised;
            result.pagesKept = outcome.pagesKept;
            result.pagesUnread = outcome.pagesUnread;
            result.signedInputs = signedSources;
        } else {
            result.failure = int(outcome.failure);
            result.failureArgument = outcome.argument;
            if (readsInput(outcome.failure))
                result.failedInput = listedInput(m_task->request, outcome.argument);
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
