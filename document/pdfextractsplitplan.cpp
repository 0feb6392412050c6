#include "pdfextractsplitplan.h"

#include "freename.h"
#include "pathidentity.h"
#include "pdfdocumentmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

QString PdfExtractSplitPlan::baseName(const QString &documentPath)
{
    const QString base = QFileInfo(documentPath).completeBaseName();
    return base.isEmpty() ? QCoreApplication::translate("PdfExtractSplitWriter", "未命名") : base;
}

QString PdfExtractSplitPlan::documentFolder(const QString &documentPath)
{
    if (documentPath.isEmpty())
        return QDir::homePath();
    return QFileInfo(documentPath).absolutePath();
}

QList<int> PdfExtractSplitPlan::splitBoundaries(int pageCount, bool everyPage,
                                                const QList<int> &beforeRows)
{
    QList<int> rows;
    if (everyPage) {
        for (int row = 1; row < pageCount; ++row)
            rows.append(row);
        return rows;
    }
    for (int row : beforeRows) {
        if (row >= 1 && row < pageCount)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QList<PdfExtractSplitPlan::OutputFile>
PdfExtractSplitPlan::extractionPlan(const PdfDocumentModel &model, bool combineIntoOne,
                                    const QString &directory, const QStringList &protectedPaths)
{
    const QList<int> rows = model.selectedRows();
    const QString base = baseName(model.documentPath());
    QList<QPair<QString, QList<int>>> named;
    if (!combineIntoOne || rows.size() < 2) {
        for (int row : rows)
            named.append({u"%1-%2.pdf"_s.arg(base, QString::number(row + 1)), {row}});
    } else {
        named.append({base + u"-extracted.pdf"_s, rows});
    }
    return resolveTargets(model, directory, named, protectedPaths);
}

QList<PdfExtractSplitPlan::OutputFile>
PdfExtractSplitPlan::splitPlan(const PdfDocumentModel &model, bool everyPage,
                               const QList<int> &beforeRows, const QString &directory,
                               const QStringList &protectedPaths)
{
    const int count = model.pageCount();
    if (count < 2)
        return {};
    QList<int> boundaries = splitBoundaries(count, everyPage, beforeRows);
    if (boundaries.isEmpty())
        return {};
    boundaries.append(count);

    const QString base = baseName(model.documentPath());
    QList<QPair<QString, QList<int>>> named;
    int start = 0;
    int part = 1;
    for (int boundary : std::as_const(boundaries)) {
        if (start < boundary) {
            QList<int> rows;
            for (int row = start; row < boundary; ++row)
                rows.append(row);
            named.append({u"%1-%2.pdf"_s.arg(base, QString::number(part)), rows});
            ++part;
        }
        start = boundary;
    }
    return resolveTargets(model, directory, named, protectedPaths);
}

QList<PdfExtractSplitPlan::OutputFile>
PdfExtractSplitPlan::resolveTargets(const PdfDocumentModel &model, const QString &directory,
                                    const QList<QPair<QString, QList<int>>> &named,
                                    const QStringList &protectedPaths)
{
    QSet<QString> sources;
    const auto protect = [&sources](const QString &path) {
        if (path.isEmpty())
            return;
        sources.insert(pathidentity::key(path));
    };
    protect(model.documentPath());
    for (const QString &path : protectedPaths)
        protect(path);
    for (const PdfDocumentModel::SourceFile &file : model.sourceFiles())
        protect(file.path);

    const QDir dir(directory);
    QSet<QString> planned;
    QList<OutputFile> files;
    files.reserve(named.size());
    for (const auto &[name, rows] : named) {
        const QString path = freename::first(dir.filePath(name), [&](const QString &candidate) {
            const QString key = pathidentity::key(candidate);
            return sources.contains(key) || planned.contains(key) || QFileInfo::exists(candidate) ||
                   QFileInfo(candidate).isSymLink();
        });
        planned.insert(pathidentity::key(path));
        files.append({path, rows});
    }
    return files;
}

QList<PdfExtractSplitPlan::Job> PdfExtractSplitPlan::jobsFor(const PdfDocumentModel &model,
                                                             const QList<OutputFile> &files)
{
    model.ensurePageSizes();
    QList<Job> jobs;
    jobs.reserve(files.size());
    for (const OutputFile &file : files) {
        Job job{file.path, {}};
        for (int row : file.rows) {
            if (const std::optional<PdfPageEntry> entry = model.pageAt(row))
                job.pages.append(PdfDocumentModel::toSourcePage(*entry));
        }
        if (!job.pages.isEmpty())
            jobs.append(job);
    }
    return jobs;
}

PdfExtractSplitPlan::Outcome PdfExtractSplitPlan::write(const QList<Job> &jobs,
                                                        const PdfWriteOptions &options)
{
    Outcome outcome;
    for (const Job &job : jobs) {
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QString written;
        // A name taken since the plan was made is left alone; the next free one is used.
        if (PdfEditorBackend::saveNewDocument(job.pages, job.path, options, &written, &error,
                                              &message)) {
            outcome.written.append(written);
            continue;
        }
        message = message.trimmed();
        const QString shown = QDir::toNativeSeparators(job.path);
        outcome.failed.append(
            message.isEmpty() ? shown : u"%1: %2"_s.arg(QFileInfo(job.path).fileName(), message));
    }
    return outcome;
}
