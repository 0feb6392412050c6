#include "pdfextractsplitwriter.h"

#include "modernmessagebox.h"
#include "pdfdocumentmodel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Short runs finish without a progress box flashing up.
constexpr int ProgressBoxDelayMs = 400;

QString pathKey(const QString &path)
{
    const QString key = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
#ifdef Q_OS_WIN
    return key.toCaseFolded();
#else
    return key;
#endif
}

// Every spelling under which a file is known: as given and, when it exists, behind links.
QStringList pathKeys(const QString &path)
{
    QStringList keys{pathKey(path)};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty())
        keys.append(pathKey(canonical));
    return keys;
}

bool anyIn(const QStringList &keys, const QSet<QString> &set)
{
    return std::any_of(keys.cbegin(), keys.cend(),
                       [&set](const QString &key) { return set.contains(key); });
}

} // namespace

QString PdfExtractSplitWriter::baseName(const QString &documentPath)
{
    const QString base = QFileInfo(documentPath).completeBaseName();
    return base.isEmpty() ? tr("未命名") : base;
}

QString PdfExtractSplitWriter::documentFolder(const QString &documentPath)
{
    if (documentPath.isEmpty())
        return QDir::homePath();
    return QFileInfo(documentPath).absolutePath();
}

QList<int> PdfExtractSplitWriter::splitBoundaries(int pageCount, bool everyPage,
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

QList<PdfExtractSplitWriter::OutputFile>
PdfExtractSplitWriter::extractionPlan(const PdfDocumentModel &model, bool combineIntoOne,
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

QList<PdfExtractSplitWriter::OutputFile>
PdfExtractSplitWriter::splitPlan(const PdfDocumentModel &model, bool everyPage,
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

QList<PdfExtractSplitWriter::OutputFile>
PdfExtractSplitWriter::resolveTargets(const PdfDocumentModel &model, const QString &directory,
                                      const QList<QPair<QString, QList<int>>> &named,
                                      const QStringList &protectedPaths)
{
    QSet<QString> sources;
    const auto protect = [&sources](const QString &path) {
        if (path.isEmpty())
            return;
        for (const QString &key : pathKeys(path))
            sources.insert(key);
    };
    protect(model.documentPath());
    for (const QString &path : protectedPaths)
        protect(path);
    QSet<QString> seenPaths;
    for (const PdfPageEntry &entry : model.pages()) {
        if (!entry.sourcePath.isEmpty() && !seenPaths.contains(entry.sourcePath)) {
            seenPaths.insert(entry.sourcePath);
            protect(entry.sourcePath);
        }
    }

    const QDir dir(directory);
    QSet<QString> planned;
    QList<OutputFile> files;
    files.reserve(named.size());
    for (const auto &[name, rows] : named) {
        QString path = dir.filePath(name);
        if (anyIn(pathKeys(path), sources) || planned.contains(pathKey(path))) {
            const QString stem = QFileInfo(name).completeBaseName();
            for (int k = 1;; ++k) {
                path = dir.filePath(u"%1(%2).pdf"_s.arg(stem, QString::number(k)));
                if (!anyIn(pathKeys(path), sources) && !planned.contains(pathKey(path)) &&
                    !QFileInfo::exists(path))
                    break;
            }
        }
        planned.insert(pathKey(path));
        files.append({path, rows});
    }
    return files;
}

QList<PdfExtractSplitWriter::Job>
PdfExtractSplitWriter::jobsFor(const PdfDocumentModel &model, const QList<OutputFile> &files)
{
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

PdfExtractSplitWriter::Outcome PdfExtractSplitWriter::extract(QWidget *parent,
                                                              const PdfDocumentModel *model,
                                                              bool combineIntoOne,
                                                              const QString &directory,
                                                              const QStringList &protectedPaths)
{
    if (!model || directory.isEmpty() || model->selectedRows().isEmpty())
        return {};
    const QString folder = QDir(directory).absolutePath();
    if (!prepareDirectory(parent, folder, tr("提取失败")))
        return {};
    const QList<OutputFile> plan = extractionPlan(*model, combineIntoOne, folder, protectedPaths);
    const Outcome outcome = run(parent, jobsFor(*model, plan), tr("正在提取页面"));
    showSummary(parent, outcome, folder, tr("提取完成"), tr("部分页面提取失败"));
    return outcome;
}

PdfExtractSplitWriter::Outcome PdfExtractSplitWriter::split(QWidget *parent,
                                                            const PdfDocumentModel *model,
                                                            bool everyPage,
                                                            const QList<int> &beforeRows,
                                                            const QString &directory,
                                                            const QStringList &protectedPaths)
{
    if (!model || directory.isEmpty() || model->pageCount() < 2 ||
        splitBoundaries(model->pageCount(), everyPage, beforeRows).isEmpty())
        return {};
    const QString folder = QDir(directory).absolutePath();
    if (!prepareDirectory(parent, folder, tr("拆分失败")))
        return {};
    const QList<OutputFile> plan = splitPlan(*model, everyPage, beforeRows, folder, protectedPaths);
    const Outcome outcome = run(parent, jobsFor(*model, plan), tr("正在拆分 PDF"));
    showSummary(parent, outcome, folder, tr("拆分完成"), tr("部分文件拆分失败"));
    return outcome;
}

bool PdfExtractSplitWriter::prepareDirectory(QWidget *parent, const QString &directory,
                                             const QString &failureTitle)
{
    QDir dir(directory);
    if (dir.exists() || dir.mkpath(u"."_s))
        return true;
    ModernMessageBox::showWarning(parent, failureTitle, tr("无法创建目标文件夹。"), QString());
    return false;
}

PdfExtractSplitWriter::Outcome PdfExtractSplitWriter::run(QWidget *parent,
                                                          const QList<Job> &jobs,
                                                          const QString &progressTitle)
{
    // The writer thread works on its own copy of the page lists and writes only the outcome,
    // which is read after the thread has ended.
    auto outcome = std::make_shared<Outcome>();
    std::unique_ptr<QThread> writer(QThread::create([jobs, outcome] {
        for (const Job &job : jobs) {
            PdfBackendError error = PdfBackendError::NoError;
            QString message;
            if (PdfEditorBackend::saveDocument(job.pages, job.path, &error, &message)) {
                outcome->written.append(job.path);
                continue;
            }
            message = message.trimmed();
            const QString shown = QDir::toNativeSeparators(job.path);
            outcome->failed.append(message.isEmpty()
                                       ? shown
                                       : u"%1: %2"_s.arg(QFileInfo(job.path).fileName(), message));
        }
    }));
    writer->start();
    if (!writer->wait(QDeadlineTimer(ProgressBoxDelayMs))) {
        MessageBoxOptions options;
        options.kind = MessageBoxOptions::Question;
        options.title = progressTitle;
        options.message = tr("正在写入文件，大文件可能需要一些时间。");
        options.details = tr("完成前请不要关闭程序。");
        options.showConfirm = false;
        options.showProgress = true;
        options.mayReject = false;
        ModernMessageBox box(options, parent);
        QObject::connect(writer.get(), &QThread::finished, &box, &QDialog::accept);
        if (!writer->isFinished())
            box.exec();
        writer->wait();
    }
    return *outcome;
}

void PdfExtractSplitWriter::showSummary(QWidget *parent, const Outcome &outcome,
                                        const QString &directory, const QString &successTitle,
                                        const QString &partialTitle)
{
    if (outcome.failed.isEmpty()) {
        ModernMessageBox::showInformation(parent, successTitle,
                                          tr("已生成 %1 个 PDF 文件。\n%2")
                                              .arg(QString::number(outcome.written.size()),
                                                   QDir::toNativeSeparators(directory)),
                                          QString());
        return;
    }
    ModernMessageBox::showWarning(parent, partialTitle,
                                  tr("已生成 %1 个文件，%2 个文件失败。\n\n%3")
                                      .arg(QString::number(outcome.written.size()),
                                           QString::number(outcome.failed.size()),
                                           outcome.failed.join(u'\n')),
                                  QString());
}
