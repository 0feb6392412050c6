#pragma once

#include "pdfextractsplitplan.h"

#include <QCoreApplication>

class PdfDocumentModel;
class QWidget;

// Writes parts of the open document into new PDF files without changing the document: the
// selected pages (one file each, or all in one) or consecutive parts cut at split points. The
// pages are taken as the model shows them, so unsaved edits are part of the output. The files
// are written on a worker thread; the outputs keep the protection that options names.
class PdfExtractSplitWriter
{
    Q_DECLARE_TR_FUNCTIONS(PdfExtractSplitWriter)

public:
    using OutputFile = PdfExtractSplitPlan::OutputFile;
    using Outcome = PdfExtractSplitPlan::Outcome;

    static QString baseName(const QString &documentPath)
    {
        return PdfExtractSplitPlan::baseName(documentPath);
    }
    static QString documentFolder(const QString &documentPath)
    {
        return PdfExtractSplitPlan::documentFolder(documentPath);
    }
    static QList<int> splitBoundaries(int pageCount, bool everyPage, const QList<int> &beforeRows)
    {
        return PdfExtractSplitPlan::splitBoundaries(pageCount, everyPage, beforeRows);
    }
    static QList<OutputFile> extractionPlan(const PdfDocumentModel &model, bool combineIntoOne,
                                            const QString &directory,
                                            const QStringList &protectedPaths = {})
    {
        return PdfExtractSplitPlan::extractionPlan(model, combineIntoOne, directory,
                                                   protectedPaths);
    }
    static QList<OutputFile> splitPlan(const PdfDocumentModel &model, bool everyPage,
                                       const QList<int> &beforeRows, const QString &directory,
                                       const QStringList &protectedPaths = {})
    {
        return PdfExtractSplitPlan::splitPlan(model, everyPage, beforeRows, directory,
                                              protectedPaths);
    }

    // Carry the operation out and report it in a summary box. Nothing happens without pages to
    // write or without a directory. Long runs show a progress box that cannot be dismissed.
    static Outcome extract(QWidget *parent, const PdfDocumentModel *model, bool combineIntoOne,
                           const QString &directory, const QStringList &protectedPaths = {},
                           const PdfWriteOptions &options = {});
    static Outcome split(QWidget *parent, const PdfDocumentModel *model, bool everyPage,
                         const QList<int> &beforeRows, const QString &directory,
                         const QStringList &protectedPaths = {},
                         const PdfWriteOptions &options = {});

    // The file names of the first files written, one a line, and how many more there are.
    static QString writtenNames(const QStringList &written);

private:
    static bool prepareDirectory(QWidget *parent, const QString &directory,
                                 const QString &failureTitle);
    static Outcome run(QWidget *parent, const QList<PdfExtractSplitPlan::Job> &jobs,
                       const PdfWriteOptions &options, const QString &progressTitle);
    // The outcome, the names written and a way to see them in their folder.
    static void showSummary(QWidget *parent, const Outcome &outcome, const QString &directory,
                            const QString &successTitle, const QString &partialTitle);
};
