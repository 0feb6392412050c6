#pragma once

#include "batchtypes.h"
#include "stagedfile.h"
#include "taskrequest.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

// Batch operations, run on task threads. Each answers true only when its output was written.
class Inkwell
{
public:
    // Runs the tool of the table that request.type names (see tooltype.h); false, with the
    // failure Unknown, for a type no tool runs.
    static bool run(const TaskRequest &request);
    static bool compress(TaskRequest request);
    static bool imageToPdf(TaskRequest request);
    // An Office document (inputFile) to a PDF named by the output rule (outputPath).
    static bool officeToPdf(TaskRequest request);
    // A PDF (inputFile) to a Word, Excel or PowerPoint file (TaskOption::OfficeFormat) named by
    // the output rule (outputPath).
    static bool pdfToOffice(TaskRequest request);
    // A PDF (inputFile) whose pages without text get an invisible layer of recognised text
    // (TaskOption::OcrLanguages, TaskOption::ForceRecognition), named by the output rule.
    static bool recognizeText(TaskRequest request);
    // Languages text recognition can read (tesseract codes such as "eng", "chi_sim"), and the
    // ones it reads by default: the interface language's and English.
    static QStringList recognitionLanguages();
    static QString defaultRecognitionLanguages();
    // The suffix of a format's files, without the dot ("docx").
    static QString officeSuffix(OfficeFormat format);
    // The office suite that converts them, or an empty string when none is installed.
    static QString officeProgram();
    // Suffixes of the Office documents it converts, lower case, without the dot.
    static QStringList officeSuffixes();
    // 0 merge, 2 encrypt, 3 decrypt, 4 PDF to images, each guarded as run(); an empty pointer
    // for anything else.
    static std::shared_ptr<IPfdfTool> CreateTool(int type);

    // What the last operation run on the calling thread did: why it failed, or what it wrote.
    static BatchOutcome lastOutcome();
    // Starts a run of operations on the calling thread with a clean outcome. While the flag is
    // set, they stop at their next step once it is true, leaving no output behind.
    static void setCancelFlag(const std::atomic<bool> *flag);
    // Where the operations run on the calling thread report their progress (0 to 100), from
    // any thread; empty for none.
    static void setProgressSink(std::function<void(int)> sink);

    // Output names promised to unfinished jobs (owner: the job's identifier). An operation never
    // writes a name promised to another job; the task centre keeps them.
    static bool reserveOutput(const QString &path, const QString &owner);
    static bool isOutputReserved(const QString &path);
    static void releaseOutputs(const QString &owner);
};
