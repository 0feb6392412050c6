#include "pdfprintjob.h"

#include "inkwell.h"
#include "jobrunner.h"
#include "modernmessagebox.h"
#include "pathidentity.h"
#include "pdfdocumentmodel.h"
#include "pdfprintworker.h"
#include "pdfspool.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QUuid>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

PdfPrintJob::DialogHook &dialogHook()
{
    static PdfPrintJob::DialogHook hook;
    return hook;
}

bool &renderedOnly()
{
    static bool only = false;
    return only;
}

PdfPrintJob::DialogAnswer runDialog(QPrinter *printer, QWidget *parent)
{
    if (dialogHook())
        return dialogHook()(printer, parent);
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(QApplication::translate("PdfPrintJob", "打印 PDF"));
    dialog.setMinMax(printer->fromPage(), printer->toPage());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    PdfPrintJob::DialogAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    if (printer->printRange() != QPrinter::PageRange) {
        answer.fromPage = 0;
        answer.toPage = 0;
    } else {
        answer.fromPage = printer->fromPage();
        answer.toPage = printer->toPage();
    }
    return answer;
}

PdfPrintWorker::Route routeFor(const QPrinter &printer)
{
    if (renderedOnly())
        return PdfPrintWorker::Route::Rendered;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName().isEmpty() ? PdfPrintWorker::Route::Rendered
                                                  : PdfPrintWorker::Route::PdfFile;
    return PdfSpool::accepts(printer.printerName()) ? PdfPrintWorker::Route::Spool
                                                    : PdfPrintWorker::Route::Rendered;
}

// Escape and Cancel ask the worker to stop; the box closes when it has.
// Replacing a file the document reads its pages from would change the document under the tab.
bool readsFrom(const PdfDocumentModel &model, const QString &path)
{
    // QFileInfo takes two missing files for the same one; a missing target replaces nothing.
    const QFileInfo target(path);
    if (!target.exists())
        return false;
    if (!model.documentPath().isEmpty() && QFileInfo(model.documentPath()) == target)
        return true;
    const QList<PdfDocumentModel::SourceFile> files = model.sourceFiles();
    return std::any_of(files.cbegin(), files.cend(),
                       [&target](const auto &file) { return QFileInfo(file.path) == target; });
}

QString progressText(const PdfPrintWorker &worker)
{
    return QApplication::translate("PdfPrintJob", "已完成 %1 / %2 页")
        .arg(QString::number(worker.pagesDone()), QString::number(worker.pageCount()));
}

// Runs the worker away from the window while a window-blocking progress box keeps the event
// loop turning; the document cannot be edited or saved over meanwhile.
void runWithProgress(PdfPrintWorker *worker, QWidget *parent)
{
    MessageBoxOptions options;
    options.kind = MessageBoxOptions::Question;
    options.title = QApplication::translate("PdfPrintJob", "正在打印 PDF");
    options.message =
        QApplication::translate("PdfPrintJob", "正在准备 %1 页，页数多时可能需要一些时间。")
            .arg(QString::number(worker->pageCount()));
    ModernMessageBox::Wait wait;
    wait.details = [worker] {
        return progressText(*worker);
    };
    wait.cancel = [worker] {
        worker->cancel();
    };
    wait.cancelling = QApplication::translate("PdfPrintJob", "正在取消打印…");
    QFuture<void> printing = ModernMessageBox::waitFor(
        [worker] { return jobs::run(jobs::Lane::Writes, [worker] { worker->run(); }); }, options,
        parent, u"pdfPrintProgressBox"_s, wait);
    printing.waitForFinished();
}

} // namespace

void PdfPrintJob::setDialogHook(DialogHook hook)
{
    dialogHook() = std::move(hook);
}

void PdfPrintJob::setRenderedOnly(bool only)
{
    renderedOnly() = only;
}

PdfPrintJob::Range PdfPrintJob::pageRange(int fromPage, int toPage, int pageCount)
{
    Range range;
    range.first = fromPage == 0 ? 0 : std::clamp(fromPage, 1, std::max(pageCount, 1)) - 1;
    range.end = toPage < 1 ? pageCount : std::max(std::min(toPage, pageCount), range.first + 1);
    return range;
}

void PdfPrintJob::print(const PdfDocumentModel *model, QWidget *parent)
{
    if (!model || model->pageCount() == 0)
        return;
    const int count = model->pageCount();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(model->documentPath()).fileName());
    printer.setFromTo(1, count);

    const DialogAnswer answer = runDialog(&printer, parent);
    if (!answer.accepted)
        return;

    model->ensurePageSizes();
    const Range range = pageRange(answer.fromPage, answer.toPage, count);
    PdfPrintWorker::Order order;
    order.route = routeFor(printer);
    order.firstRow = range.first;
    order.printer = &printer;
    for (int row = range.first; row < range.end; ++row) {
        if (const std::optional<PdfPageEntry> entry = model->pageAt(row)) {
            order.pages.append(PdfDocumentModel::toSourcePage(*entry));
            order.displaySizes.append(PdfDocumentModel::displaySize(*entry));
        }
    }

    // Output to a file goes under a temporary name beside it and takes the name only at the
    // end: a cancelled run leaves nothing, a failed one leaves an existing file as it was.
    const bool toFile =
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    const QString target =
        toFile ? QFileInfo(printer.outputFileName()).absoluteFilePath() : QString();
    std::unique_ptr<StagedFile> staged;
    if (toFile && readsFrom(*model, target)) {
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfPrintJob", "打印失败"),
            QApplication::translate("PdfPrintJob", "无法启动打印任务。"),
            QApplication::translate("PdfPrintJob", "不能打印到文档正在读取的文件：%1")
                .arg(QDir::toNativeSeparators(target)));
        return;
    }
    // The print dialog asked before a file there was chosen to be replaced; a file that appears
    // there meanwhile is kept and the print takes the next free name.
    const bool replaceChosen = toFile && QFileInfo::exists(target);
    if (toFile) {
        // Also a probe for the PDF route, whose writer stages its own: a folder that cannot
        // take a file fails here, before any work.
        staged = std::make_unique<StagedFile>(QFileInfo(target).absolutePath());
        if (!staged->isValid()) {
            ModernMessageBox::showWarning(
                parent, QApplication::translate("PdfPrintJob", "打印失败"),
                QApplication::translate("PdfPrintJob", "无法启动打印任务。"));
            return;
        }
    }
    if (toFile && order.route == PdfPrintWorker::Route::PdfFile) {
        staged.reset();
        order.target = target;
        order.replaceTarget = replaceChosen;
        // A document opened with a password keeps its protection in the printed file.
        order.writeOptions = PdfWriteOptions{model->documentPath(), model->documentPassword()};
    } else if (toFile) {
        printer.setOutputFileName(staged->path());
    }

    PdfPrintWorker worker(std::move(order));
    runWithProgress(&worker, parent);
    if (worker.isCancelRequested())
        return;

    const PdfPrintWorker::Outcome &outcome = worker.outcome();
    if (!outcome.started) {
        ModernMessageBox::showWarning(parent, QApplication::translate("PdfPrintJob", "打印失败"),
                                      QApplication::translate("PdfPrintJob", "无法启动打印任务。"));
        return;
    }
    QString error = outcome.error;
    // Rendered sheets printed before a failure stay, as they would on paper; a PDF subset that
    // failed is not a print of the range and is dropped.
    const bool keep = error.isEmpty() || worker.route() == PdfPrintWorker::Route::Rendered;
    QString placedPath = outcome.writtenPath;
    if (staged && keep) {
        const QString owner = QUuid::createUuid().toString();
        staged->setOwner(owner);
        const bool placed = replaceChosen ? staged->replace(target) : staged->commitTo(target);
        Inkwell::releaseOutputs(owner);
        if (!placed && error.isEmpty())
            error = staged->errorString();
        if (placed)
            placedPath = staged->placedPath();
    }
    if (!placedPath.isEmpty() && error.isEmpty() && !pathidentity::same(placedPath, target))
        ModernMessageBox::showInformation(
            parent, QApplication::translate("PdfPrintJob", "打印完成"),
            QApplication::translate("PdfPrintJob", "已有同名文件，打印内容已保存为：\n%1")
                .arg(QDir::toNativeSeparators(placedPath)));
    if (!error.isEmpty())
        ModernMessageBox::showWarning(parent, QApplication::translate("PdfPrintJob", "打印未完成"),
                                      error);
}
