#pragma once

#include <QString>
#include <QStringList>

// What a task body hands back to its worker.
struct TaskResult
{
    QString taskId;
    bool success = false;
    QString message; // not filled by any task yet
    QString detail;  // not filled by any task yet
    // The engine's reason (a BatchFailure) and its argument, for a job that failed.
    int failure = 0;
    QString failureArgument;
    // The input the failure names, as the request listed it; empty when it names none.
    QString failedInput;
    // The file or folder the job finally wrote.
    QString writtenPath;
    bool cancelled = false;
    // PDF to Office: pages that went in as pictures, having no text.
    int pagesWithoutText = 0;
    // Text recognition: pages read, pages kept as they were (they had text), pages unread.
    int pagesRecognised = 0;
    int pagesKept = 0;
    int pagesUnread = 0;
    // Signed inputs of a job whose PDF output carries no valid signature of theirs.
    QStringList signedInputs;
};
