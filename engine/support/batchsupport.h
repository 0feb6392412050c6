#pragma once

#include "batchtypes.h"
#include "pdftypes.h"
#include "taskrequest.h"

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

Q_DECLARE_LOGGING_CATEGORY(lcBatch)

// Reading of batch requests, shared by the engine's batch operations.
namespace batchsupport {

// The single source of a compress, encrypt or unlock job (inputFile, else the only entry of
// inputFiles), cleaned; empty when there is none.
QString singleSource(const TaskRequest &request);

// The request's inputFiles, cleaned, in order.
QStringList sources(const TaskRequest &request);

// The request's save option; anything but ReplaceSource keeps the original.
SaveMode saveMode(const TaskRequest &request);

// Logs why a job failed, records the reason in the thread's outcome and answers false. The
// first reason recorded for a job stands.
bool fail(const TaskRequest &request, const QString &why);
bool fail(const TaskRequest &request, BatchFailure failure, const QString &argument,
          const QString &why);

// fail() with the reason a staged output gives.
template<typename Staged> bool failStaged(const TaskRequest &request, const Staged &staged)
{
    return fail(request, staged.failure(), staged.folder(), staged.errorString());
}

// The outcome of the job running on this thread; reset by beginJob.
BatchOutcome &outcome();
// Starts a job on this thread: a clean outcome and the job's name as owner of the output names
// it takes.
void beginJob(const TaskRequest &request);
// The flag that asks the jobs of this thread to stop (may be null).
void setCancelFlag(const std::atomic<bool> *cancelFlag);
QString jobOwner();
bool cancelRequested();
// The flag itself, for threads a job starts (they have no job of their own).
const std::atomic<bool> *cancelFlag();
// Where the job of this thread reports progress (may be empty); callable from any thread.
void setProgressSink(std::function<void(int)> sink);
std::function<void(int)> progressSink();

// The reason an engine error gives for file.
BatchFailure failureOf(PdfBackendError error);
// The reason a failed write of a PDF into folder gives.
BatchFailure writeFailureOf(PdfBackendError error, const QString &folder);
// The reason a library exception gives: damaged input (naming the file where it can), else
// unknown.
BatchFailure exceptionFailure(const std::exception &e, QString *file);
// Why writing into folder failed: no space, no permission, or a write failure.
BatchFailure writeFailure(const QString &folder);

// Copies the bytes of from into the file to (a staged output); false with *message on failure.
bool copyFile(const QString &from, const QString &to, QString *message);

} // namespace batchsupport
