#pragma once

#include "taskrequest.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

// Why a batch job failed; the task centre turns it into a text for the user.
enum class BatchFailure : int {
    None = 0,
    Unknown,
    SourceMissing,    // argument: the file
    NotPdf,           // not a PDF or damaged; argument: the file
    PasswordRequired, // argument: the file
    WrongPassword,
    EmptyPassword,
    UnreadableImage,     // argument: the image
    ImageTooLarge,       // argument: the image
    NoSpace,             // argument: the folder
    NoPermission,        // argument: the folder
    OutputFolderMissing, // argument: the folder
    WriteFailed,         // argument: the folder
    NoPages,
    NoImages,
    OutputIsInput, // argument: the file
    OutOfMemory,
    NoFreeName, // argument: the folder
    Cancelled,
    NotProtected,          // unlock of a file without a password; argument: the file
    OwnerPasswordRequired, // encrypt of a protected file opened without its owner password
    OfficeMissing,         // no office suite to convert Office files with
    OfficeUnreadable,      // the office could not load it: damaged or protected; argument: the file
    ConversionTimedOut,    // argument: the file
    ConversionFailed,      // the office ended without a PDF; argument: the file
    UnsupportedFormat,     // argument: the file
    RecognitionDataMissing, // no language data for text recognition; argument: the language
    RecognitionFailed,      // argument: the file
    AlreadySearchable,      // every page already has text; argument: the file
    EmptyFile,              // zero bytes; argument: the file
    PdfNotOffice,           // a PDF under an office file's name; argument: the file
};

// What the last batch operation of a thread did: its failure, if any, and the file or folder it
// finally wrote (which differs from the one asked for when that name was taken meanwhile).
struct BatchOutcome
{
    BatchFailure failure = BatchFailure::None;
    QString argument;
    QString writtenPath;
    // PDF to Office: pages that had no text and went in as pictures.
    int pagesWithoutText = 0;
    // Text recognition: pages given a text layer, pages left as they were since they have
    // text, pages that could not be drawn.
    int pagesRecognised = 0;
    int pagesKept = 0;
    int pagesUnread = 0;
};

// A temporary file in an output folder that becomes the output only when the job succeeds: it
// is moved onto its final name in one step, and removed if the job ends any other way.
// Where the system allows, it has no name until then (Linux: O_TMPFILE), so even a killed
// process leaves nothing behind; path() then names it through /proc/self/fd.
class StagedFile
{
public:
    // Named: always a hidden file in the folder, for writers that stage their own output beside
    // the path they are given.
    enum class Kind { Anonymous, Named };
    explicit StagedFile(const QString &folder, Kind kind = Kind::Anonymous);
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;
    ~StagedFile();

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }
    // Why the last step failed, and the folder it concerns.
    BatchFailure failure() const { return m_failure; }
    QString folder() const { return m_folder; }

    // Replaces target, the job's own source, with the staged file; target keeps its permissions.
    bool replace(const QString &target);
    // Moves the staged file to target, or, when that name is taken on disk or promised to
    // another unfinished job, to the next free "<stem>(n).<suffix>"; never replaces a file.
    // The name taken is placedPath() and is recorded as the job's output.
    bool commitTo(const QString &target);
    // commitTo "<folder>/<base>.pdf"; the name taken, or an empty string.
    QString commitToFreeName(const QString &folder, const QString &base);
    QString placedPath() const { return m_placed; }
    // Who the names taken are promised to; by default the batch job running on this thread.
    void setOwner(const QString &owner) { m_owner = owner; }

private:
    bool refuseWhenCancelled();
    bool makeNamed();
    bool makeAnonymous();
    // Gives the staged bytes the name to without replacing anything there (Exists if taken).
    int placeAt(const QString &to, QString *why);

    QString m_folder;
    QString m_owner;
    int m_descriptor = -1; // the anonymous file, or -1
    QString m_path;
    QString m_placed;
    QString m_error;
    BatchFailure m_failure = BatchFailure::None;
};

class IPfdfTool
{
public:
    virtual ~IPfdfTool() = default;
    virtual bool execute(const TaskRequest &request) = 0;
};

// Batch operations, run on task threads. Each answers true only when its output was written.
class Inkwell
{
public:
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
    // 0 merge, 2 encrypt, 3 decrypt, 4 PDF to images; an empty pointer for anything else.
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
