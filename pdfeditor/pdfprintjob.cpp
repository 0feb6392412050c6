#include "pdfprintjob.h"

#include "modernmessagebox.h"
#include "pdfdocumentmodel.h"
#include "pdfeditorbackend.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

PdfPrintJob::DialogHook &dialogHook()
{
    static PdfPrintJob::DialogHook hook;
    return hook;
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

QSize fitted(const QSizeF &size, const QSizeF &into)
{
    return size.scaled(into, Qt::KeepAspectRatio).toSize();
}

} // namespace

void PdfPrintJob::setDialogHook(DialogHook hook)
{
    dialogHook() = std::move(hook);
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

    bool started = false;
    const QString error = printRows(model, &printer,
                                    pageRange(answer.fromPage, answer.toPage, count), &started);
    if (!started) {
        ModernMessageBox::showWarning(parent, QApplication::translate("PdfPrintJob", "打印失败"),
                                      QApplication::translate("PdfPrintJob", "无法启动打印任务。"));
        return;
    }
    if (!error.isEmpty())
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfPrintJob", "打印未完成"), error);
}

QString PdfPrintJob::printRows(const PdfDocumentModel *model, QPrinter *printer, Range range,
                               bool *started)
{
    QPainter painter;
    *started = painter.begin(printer);
    if (!*started)
        return QString();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // The painter's origin is the top-left of the printable area.
    const QSizeF area = printer->pageRect(QPrinter::DevicePixel).size();
    const QRectF pageRect(QPointF(0, 0), area);

    QString error;
    for (int row = range.first; row < range.end; ++row) {
        const auto entry = model->pageAt(row);
        QImage image;
        if (entry) {
            QSize target = fitted(PdfDocumentModel::displaySize(*entry), area);
            const double pixels = double(target.width()) * target.height();
            if (pixels > MaxPagePixels) {
                const double scale = std::sqrt(MaxPagePixels / pixels);
                target = QSize(std::max(int(target.width() * scale), 1),
                               std::max(int(target.height() * scale), 1));
            }
            PdfBackendError renderError = PdfBackendError::NoError;
            QString message;
            image = PdfEditorBackend::renderPage(PdfDocumentModel::toSourcePage(*entry), target,
                                                 &renderError, &message);
            if (image.isNull()) {
                error = !message.isEmpty() ? message
                                           : QApplication::translate("PdfPrintJob",
                                                                     "第 %1 页渲染失败。")
                                                 .arg(row + 1);
                break;
            }
        }
        // Rendered before the sheet is started, so a page that fails leaves no blank sheet.
        if (row > range.first && !printer->newPage()) {
            error = QApplication::translate("PdfPrintJob", "打印机无法创建新页面。");
            break;
        }
        if (image.isNull())
            continue;
        const QSizeF drawn = QSizeF(fitted(image.size(), area));
        const QPointF centre = pageRect.center();
        const QRectF where(centre.x() - drawn.width() / 2, centre.y() - drawn.height() / 2,
                           drawn.width(), drawn.height());
        painter.drawImage(where, image);
    }
    painter.end();
    QApplication::restoreOverrideCursor();
    return error;
}
