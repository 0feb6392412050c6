#pragma once

#include "taskrequest.h"

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

Q_DECLARE_LOGGING_CATEGORY(lcBatch)

// Reading of batch requests, shared by the engine's batch operations.
namespace batchsupport {

enum SaveOption { ReplaceSource = 0, NewFile = 1 };

// The single source of a compress, encrypt or unlock job (inputFile, else the only entry of
// inputFiles), cleaned; empty when there is none.
QString singleSource(const TaskRequest &request);

// The request's inputFiles, cleaned, in order.
QStringList sources(const TaskRequest &request);

// "saveOption" as given; anything but 0 keeps the original.
SaveOption saveOption(const TaskRequest &request);

// True when both name the same file (or the same not yet existing path).
bool samePath(const QString &a, const QString &b);

// Logs why a job failed and answers false.
bool fail(const TaskRequest &request, const QString &why);

} // namespace batchsupport
