#include "batchsupport.h"

#include "pathidentity.h"
#include "qpdfsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <qpdf/QPDFExc.hh>

Q_LOGGING_CATEGORY(lcBatch, "velmora.engine.batch", QtWarningMsg)

namespace batchsupport {
namespace {

QString clean(const QString &path)
{
    return path.isEmpty() ? QString() : pathidentity::internal(path);
}

struct JobState
{
    BatchOutcome outcome;
    QString owner;
    const std::atomic<bool> *cancelFlag = nullptr;
    std::function<void(int)> progress;
};

JobState &state()
{
    thread_local JobState job;
    return job;
}

} // namespace

BatchOutcome &outcome()
{
    return state().outcome;
}

void beginJob(const TaskRequest &request)
{
    JobState &job = state();
    job.outcome = BatchOutcome();
    job.owner = request.taskId;
}

void setCancelFlag(const std::atomic<bool> *cancelFlag)
{
    state().cancelFlag = cancelFlag;
}

QString jobOwner()
{
    return state().owner;
}

const std::atomic<bool> *cancelFlag()
{
    return state().cancelFlag;
}

void setProgressSink(std::function<void(int)> sink)
{
    state().progress = std::move(sink);
}

std::function<void(int)> progressSink()
{
    return state().progress;
}

bool cancelRequested()
{
    const std::atomic<bool> *flag = state().cancelFlag;
    return flag && flag->load();
}

BatchFailure failureOf(PdfBackendError error)
{
    switch (error) {
    case PdfBackendError::FileNotFound:
        return BatchFailure::SourceMissing;
    case PdfBackendError::PasswordRequired:
        return BatchFailure::PasswordRequired;
    case PdfBackendError::WrongPassword:
        return BatchFailure::WrongPassword;
    case PdfBackendError::CorruptOrUnsupported:
    case PdfBackendError::RenderFailed:
        return BatchFailure::NotPdf;
    case PdfBackendError::WriteFailed:
        return BatchFailure::WriteFailed;
    case PdfBackendError::NoError:
        break;
    }
    return BatchFailure::Unknown;
}

BatchFailure writeFailureOf(PdfBackendError error, const QString &folder)
{
    return error == PdfBackendError::WriteFailed || error == PdfBackendError::NoError
               ? writeFailure(folder)
               : failureOf(error);
}

BatchFailure exceptionFailure(const std::exception &e, QString *file)
{
    if (!qpdfsupport::isDamage(e))
        return BatchFailure::Unknown;
    if (const auto *exc = dynamic_cast<const QPDFExc *>(&e))
        *file = QString::fromStdString(exc->getFilename());
    return BatchFailure::NotPdf;
}

BatchFailure writeFailure(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return BatchFailure::OutputFolderMissing;
    if (!info.isWritable())
        return BatchFailure::NoPermission;
    // Asked after the failure: a nearly full volume is the likely cause.
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < (qint64(4) << 20))
        return BatchFailure::NoSpace;
    return BatchFailure::WriteFailed;
}

QString singleSource(const TaskRequest &request)
{
    if (!request.inputFile.isEmpty())
        return clean(request.inputFile);
    if (request.inputFiles.size() == 1)
        return clean(request.inputFiles.first());
    return {};
}

QStringList sources(const TaskRequest &request)
{
    QStringList result;
    result.reserve(request.inputFiles.size());
    for (const QString &path : request.inputFiles)
        result.append(clean(path));
    return result;
}

SaveMode saveMode(const TaskRequest &request)
{
    return replacesSource(request.options) ? SaveMode::ReplaceSource : SaveMode::NewFile;
}

bool fail(const TaskRequest &request, const QString &why)
{
    return fail(request, BatchFailure::Unknown, QString(), why);
}

bool fail(const TaskRequest &request, BatchFailure failure, const QString &argument,
          const QString &why)
{
    BatchOutcome &result = outcome();
    if (result.failure == BatchFailure::None) {
        result.failure = cancelRequested() ? BatchFailure::Cancelled : failure;
        result.argument = QDir::toNativeSeparators(argument);
    }
    qCInfo(lcBatch, "task %s (type %d) failed: %s", qUtf8Printable(request.taskId), request.type,
           qUtf8Printable(why));
    return false;
}

bool copyFile(const QString &from, const QString &to, QString *message)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *message = in.isOpen() ? out.errorString() : in.errorString();
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            *message = out.errorString();
            return false;
        }
    }
    return true;
}

} // namespace batchsupport
