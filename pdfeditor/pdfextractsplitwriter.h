#pragma once

#include "pdfeditorbackend.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class PdfDocumentModel;
class QWidget;

// Writes parts of the open document into new PDF files without changing the document: the
// selected pages (one file each, or all in one) or consecutive parts cut at split points. The
// pages are taken as the model shows them, so unsaved edits are part of the output.
class PdfExtractSplitWriter
{
    Q_DECLARE_TR_FUNCTIONS(PdfExtractSplitWriter)

public:
    // One file to write: its full path and the model rows it holds, in order.
    struct OutputFile
    {
        QString path;
        QList<int> rows;
    };

    struct Outcome
    {
        QStringList written; // full paths
        QStringList failed;  // the engine's message, or the target path when it gave none
    };

    // The name outputs start with: the document's file name without its last suffix, or a
    // stand-in for a document that was never saved.
    static QString baseName(const QString &documentPath);
    // The folder outputs go to by default.
    static QString documentFolder(const QString &documentPath);

    // Split points reduced to the rows 1..pageCount-1, ascending, each once.
    static QList<int> splitBoundaries(int pageCount, bool everyPage, const QList<int> &beforeRows);

    // What extraction or splitting would write into directory. A target that names a file the
    // document reads from (the document itself, an inserted PDF, or any of protectedPaths, such
    // as files only the undo history still refers to) is moved to the next free name, so
    // writing never destroys a source.
    static QList<OutputFile> extractionPlan(const PdfDocumentModel &model, bool combineIntoOne,
                                            const QString &directory,
                                            const QStringList &protectedPaths = {});
    static QList<OutputFile> splitPlan(const PdfDocumentModel &model, bool everyPage,
                                       const QList<int> &beforeRows, const QString &directory,
                                       const QStringList &protectedPaths = {});

    // Carry the operation out and report it in a summary box. Nothing happens without pages to
    // write or without a directory. Long runs show a progress box that cannot be dismissed.
    static Outcome extract(QWidget *parent, const PdfDocumentModel *model, bool combineIntoOne,
                           const QString &directory, const QStringList &protectedPaths = {});
    static Outcome split(QWidget *parent, const PdfDocumentModel *model, bool everyPage,
                         const QList<int> &beforeRows, const QString &directory,
                         const QStringList &protectedPaths = {});

private:
    struct Job
    {
        QString path;
        QList<PdfSourcePage> pages;
    };

    static QList<OutputFile> resolveTargets(const PdfDocumentModel &model,
                                            const QString &directory,
                                            const QList<QPair<QString, QList<int>>> &named,
                                            const QStringList &protectedPaths);
    static QList<Job> jobsFor(const PdfDocumentModel &model, const QList<OutputFile> &files);
    static bool prepareDirectory(QWidget *parent, const QString &directory,
                                 const QString &failureTitle);
    static Outcome run(QWidget *parent, const QList<Job> &jobs, const QString &progressTitle);
    static void showSummary(QWidget *parent, const Outcome &outcome, const QString &directory,
                            const QString &successTitle, const QString &partialTitle);
};
