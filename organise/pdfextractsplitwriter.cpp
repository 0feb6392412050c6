#include "pdfextractsplitwriter.h"

#include "jobrunner.h"
#include "modernmessagebox.h"
#include "pdfdocumentmodel.h"
#include "revealinfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSemaphore>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Short runs finish without a progress box flashing up.
constexpr int ProgressBoxDelayMs = 400;
// The summary names this many files written; longer runs end with how many more there are.
constexpr int NamesShown = 8;

} // namespace

PdfExtractSplitWriter::Outcome
PdfExtractSplitWriter::extract(QWidget *parent, const PdfDocumentModel *model, bool combineIntoOne,
                               const QString &directory, const QStringList &protectedPaths,
                               const PdfWriteOptions &options)
{
    if (!model || directory.isEmpty() || model->selectedRows().isEmpty())
        return {};
    const QString folder = QDir(directory).absolutePath();
    if (!prepareDirectory(parent, folder, tr("提取失败")))
        return {};
    const QList<OutputFile> plan = extractionPlan(*model, combineIntoOne, folder, protectedPaths);
    const Outcome outcome =
        run(parent, PdfExtractSplitPlan::jobsFor(*model, plan), options, tr("正在提取页面"));
    showSummary(parent, outcome, folder, tr("提取完成"), tr("部分页面提取失败"));
    return outcome;
}

PdfExtractSplitWriter::Outcome
PdfExtractSplitWriter::split(QWidget *parent, const PdfDocumentModel *model, bool everyPage,
                             const QList<int> &beforeRows, const QString &directory,
                             const QStringList &protectedPaths, const PdfWriteOptions &options)
{
    if (!model || directory.isEmpty() || model->pageCount() < 2 ||
        splitBoundaries(model->pageCount(), everyPage, beforeRows).isEmpty())
        return {};
    const QString folder = QDir(directory).absolutePath();
    if (!prepareDirectory(parent, folder, tr("拆分失败")))
        return {};
    const QList<OutputFile> plan = splitPlan(*model, everyPage, beforeRows, folder, protectedPaths);
    const Outcome outcome =
        run(parent, PdfExtractSplitPlan::jobsFor(*model, plan), options, tr("正在拆分 PDF"));
    showSummary(parent, outcome, folder, tr("拆分完成"), tr("部分文件拆分失败"));
    return outcome;
}

bool PdfExtractSplitWriter::prepareDirectory(QWidget *parent, const QString &directory,
                                             const QString &failureTitle)
{
    QDir dir(directory);
    if (dir.exists() || dir.mkpath(u"."_s))
        return true;
    ModernMessageBox::showWarning(parent, failureTitle, tr("无法创建目标文件夹。"),
                                  QDir::toNativeSeparators(directory));
    return false;
}

PdfExtractSplitWriter::Outcome
PdfExtractSplitWriter::run(QWidget *parent, const QList<PdfExtractSplitPlan::Job> &jobs,
                           const PdfWriteOptions &options, const QString &progressTitle)
{
    // The writer works on its own copy of the page lists and writes only the outcome, which is
    // read after it has ended.
    auto outcome = std::make_shared<Outcome>();
    auto written = std::make_shared<QSemaphore>();
    QFuture<void> writer = ::jobs::run(::jobs::Lane::Writes, [jobs, options, outcome, written] {
        *outcome = PdfExtractSplitPlan::write(jobs, options);
        written->release();
    });
    // A short write shows no box at all.
    if (written->tryAcquire(1, ProgressBoxDelayMs)) {
        writer.waitForFinished();
        return *outcome;
    }
    MessageBoxOptions box;
    box.kind = MessageBoxOptions::Question;
    box.title = progressTitle;
    box.message = tr("正在写入文件，大文件可能需要一些时间。");
    box.details = tr("完成前请不要关闭程序。");
    ModernMessageBox::waitFor(writer, box, parent, u"pdfExtractSplitProgressBox"_s);
    writer.waitForFinished();
    return *outcome;
}

QString PdfExtractSplitWriter::writtenNames(const QStringList &written)
{
    QStringList names;
    for (const QString &path : written.first(qMin(written.size(), qsizetype(NamesShown))))
        names.append(QFileInfo(path).fileName());
    if (written.size() > NamesShown)
        names.append(tr("…以及另外 %n 个文件", nullptr, int(written.size() - NamesShown)));
    return names.join(u'\n');
}

void PdfExtractSplitWriter::showSummary(QWidget *parent, const Outcome &outcome,
                                        const QString &directory, const QString &successTitle,
                                        const QString &partialTitle)
{
    MessageBoxOptions box;
    box.details = writtenNames(outcome.written);
    if (!outcome.written.isEmpty())
        box.actionText = tr("打开文件夹");
    if (outcome.failed.isEmpty()) {
        box.kind = MessageBoxOptions::Information;
        box.title = successTitle;
        box.message =
            tr("已生成 %1 个 PDF 文件。\n%2")
                .arg(QString::number(outcome.written.size()), QDir::toNativeSeparators(directory));
    } else {
        box.kind = MessageBoxOptions::Warning;
        box.title = partialTitle;
        box.message = tr("已生成 %1 个文件，%2 个文件失败。\n\n%3")
                          .arg(QString::number(outcome.written.size()),
                               QString::number(outcome.failed.size()), outcome.failed.join(u'\n'));
    }
    ModernMessageBox summary(box, parent);
    if (summary.exec() == ModernMessageBox::Action)
        RevealInFolder::reveal(outcome.written.constFirst());
}
