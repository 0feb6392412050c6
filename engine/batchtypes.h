#pragma once

#include "taskrequest.h"

#include <QString>

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

class IPfdfTool
{
public:
    virtual ~IPfdfTool() = default;
    virtual bool execute(const TaskRequest &request) = 0;
};
