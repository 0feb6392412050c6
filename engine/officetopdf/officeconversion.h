#pragma once

#include "taskrequest.h"

#include <QString>
#include <QStringList>

#include <chrono>

// Office documents to PDF through the office suite, run as processes of their own.
namespace officeconversion {

// The office program (soffice), or an empty string when none is installed.
QString officeProgram();
// Suffixes, lower case without the dot, of the documents it converts.
QStringList suffixes();

// How long one document may take: more for a bigger file.
std::chrono::milliseconds timeLimit(qint64 fileSize);

// The folder that holds the offices' profiles, one folder each.
QString profileRoot();
// Writes the settings every profile starts with into profile (a folder): macros never run,
// links to untrusted places are blocked, linked content is never updated, no lock files are
// written beside documents.
bool prepareProfile(const QString &profile);

#ifdef Q_OS_UNIX
// Office processes outlive a program killed outright: they run in process groups of their own,
// and the suite's launcher starts the real office as its own child. Called in a child between
// fork and exec, right after setsid(), with what groupGuard() gave before the fork: leaves a
// watcher in the child's group that kills the whole group once this program is gone, however it
// ended. Async-signal-safe.
int groupGuard();
void guardGroupAfterFork(int guard);
// The temporary folder an office process of the given profile is given (its own files, which
// the office leaves behind when it is killed), emptied now; its profile must be held.
QString freshTemporaryFolder(const QString &profile);
#endif
// Removes work folders of conversions whose program is gone (killed mid-way).
void sweepAbandonedWork();

// What one conversion came to.
enum class Result { Done, Unreadable, TimedOut, Crashed, Cancelled, Unavailable };
// Converts source into the PDF file pdf with `soffice --convert-to pdf` in a profile of its own.
Result convertWithCommand(const QString &source, const QString &pdf,
                          std::chrono::milliseconds limit);

// The batch job: request.inputFile into request.outputPath by the output rule.
bool convert(const TaskRequest &request);

} // namespace officeconversion
