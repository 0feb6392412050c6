#pragma once

#include <QString>

// Why a batch job failed; the task centre turns it into a text for the user.
enum class BatchFailure : int {
    None = 0,
    Unknown,
    SourceMissing,     // argument: the file
    NotPdf,            // not a PDF or damaged; argument: the file
    PasswordRequired,  // argument: the file
    WrongPassword,
    EmptyPassword,
    UnreadableImage,   // argument: the image
    ImageTooLarge,     // argument: the image
    NoSpace,           // argument: the folder
    NoPermission,      // argument: the folder
    OutputFolderMissing, // argument: the folder
    WriteFailed,       // argument: the folder
    NoPages,
    NoImages,
    OutputIsInput,     // argument: the file
    OutOfMemory,
    NoFreeName,        // argument: the folder
    Cancelled,
};

// What the last batch operation of a thread did: its failure, if any, and the file or folder it
// finally wrote (which differs from the one asked for when that name was taken meanwhile).
struct BatchOutcome
{
    BatchFailure failure = BatchFailure::None;
    QString argument;
    QString writtenPath;
};
