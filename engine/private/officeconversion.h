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

// What one conversion came to.
enum class Result { Done, Unreadable, TimedOut, Crashed, Cancelled, Unavailable };
// Converts source into the PDF file pdf with `soffice --convert-to pdf` in a profile of its own.
Result convertWithCommand(const QString &source, const QString &pdf,
                          std::chrono::milliseconds limit);

// The batch job: request.inputFile into request.outputPath by the output rule.
bool convert(const TaskRequest &request);

} // namespace officeconversion
