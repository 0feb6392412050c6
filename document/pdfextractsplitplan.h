#pragma once

#include "pdfeditorbackend.h"

#include <QList>
#include <QString>
#include <QStringList>

class PdfDocumentModel;

// What extraction and splitting write, and the writing itself, without any user interface: the
// names of the output files, the pages each holds, and a run that writes them in turn (meant
// for a worker thread; it touches nothing but its own copies).
class PdfExtractSplitPlan
{
public:
    // One file to write: its full path and the model rows it holds, in order.
    struct OutputFile
    {
        QString path;
        QList<int> rows;
    };

    struct Outcome
    {
        QStringList written; // full paths of the files written, as named on disk
        QStringList failed;  // the engine's message, or the target path when it gave none
    };

    // One file with its pages copied out of the model.
    struct Job
    {
        QString path;
        QList<PdfSourcePage> pages;
    };

    // The name outputs start with: the document's file name without its last suffix, or a
    // stand-in for a document that was never saved.
    static QString baseName(const QString &documentPath);
    // The folder outputs go to by default.
    static QString documentFolder(const QString &documentPath);

    // Split points reduced to the rows 1..pageCount-1, ascending, each once.
    static QList<int> splitBoundaries(int pageCount, bool everyPage, const QList<int> &beforeRows);

    // What extraction or splitting would write into directory. A target that is taken (an
    // existing file, a file the document reads from: the document itself, an inserted PDF, or
    // any of protectedPaths, such as files only the undo history or another tab refers to) is
    // moved to the next free name, so writing never replaces a file.
    static QList<OutputFile> extractionPlan(const PdfDocumentModel &model, bool combineIntoOne,
                                            const QString &directory,
                                            const QStringList &protectedPaths = {});
    static QList<OutputFile> splitPlan(const PdfDocumentModel &model, bool everyPage,
                                       const QList<int> &beforeRows, const QString &directory,
                                       const QStringList &protectedPaths = {});

    static QList<Job> jobsFor(const PdfDocumentModel &model, const QList<OutputFile> &files);
    // Writes every job; a failed file does not stop the others.
    static Outcome write(const QList<Job> &jobs, const PdfWriteOptions &options);

private:
    static QList<OutputFile> resolveTargets(const PdfDocumentModel &model, const QString &directory,
                                            const QList<QPair<QString, QList<int>>> &named,
                                            const QStringList &protectedPaths);
};
