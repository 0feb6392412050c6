#include "pdfprintworker.h"

#include "inkwell.h"
#include "pdfspool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcPrint, "velmora.print", QtInfoMsg)

namespace {

QSize fitted(const QSizeF &size, const QSizeF &into)
{
    return size.scaled(into, Qt::KeepAspectRatio).toSize();
}

QString sidesFor(QPrinter::DuplexMode duplex)
{
    switch (duplex) {
    case QPrinter::DuplexNone:
        return QStringLiteral("one-sided");
    case QPrinter::DuplexLongSide:
        return QStringLiteral("two-sided-long-edge");
    case QPrinter::DuplexShortSide:
        return QStringLiteral("two-sided-short-edge");
    default:
        return QString();
    }
}

} // namespace

PdfPrintWorker::PdfPrintWorker(Order order)
    : m_order(std::move(order))
{}

void PdfPrintWorker::run()
{
    if (m_cancelRequested)
        return;
    switch (m_order.route) {
    case Route::PdfFile:
        if (writeFile())
            m_pagesDone = pageCount();
        return;
    case Route::Spool:
        if (spool() || m_cancelRequested || !m_outcome.error.isEmpty())
            return;
        render();
        return;
    case Route::Rendered:
        render();
        return;
    }
}

bool PdfPrintWorker::writeSubset(const QString &path, const PdfWriteOptions &options)
{
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (PdfEditorBackend::saveDocument(m_order.pages, path, options, &error, &message))
        return true;
    m_outcome.error = message.trimmed();
    return false;
}

bool PdfPrintWorker::writeFile()
{
    // The writer stages the pages unnamed and names them only when complete, so nothing is
    // left in the folder if the print is stopped midway.
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    bool ok = false;
    // A cancel before the name is taken leaves the folder as it was.
    Inkwell::setCancelFlag(&m_cancelRequested);
    if (m_order.replaceTarget) {
        ok = PdfEditorBackend::saveDocument(m_order.pages, m_order.target, m_order.writeOptions,
                                            &error, &message);
        m_outcome.writtenPath = ok ? m_order.target : QString();
    } else {
        ok = PdfEditorBackend::saveNewDocument(m_order.pages, m_order.target, m_order.writeOptions,
                                               &m_outcome.writtenPath, &error, &message);
    }
    Inkwell::setCancelFlag(nullptr);
    if (!ok)
        m_outcome.error = message.trimmed();
    return ok;
}

// False when the spooler could not take the job; the caller then renders.
bool PdfPrintWorker::spool()
{
    // The spooler and the page writer take the file by name.
    StagedFile staged(QDir::tempPath(), StagedFile::Kind::Named);
    if (!staged.isValid()) {
        qCDebug(lcPrint) << "no temporary file for the spooler:" << staged.errorString();
        return false;
    }
    // The pages go out without their protection: only this user may read them meanwhile.
    QFile::setPermissions(staged.path(), QFile::ReadOwner | QFile::WriteOwner);
    if (!writeSubset(staged.path(), PdfWriteOptions{}))
        return false;
    if (m_cancelRequested)
        return true;
    const QPrinter *printer = m_order.printer;
    PdfSpool::Settings settings;
    settings.printerName = printer->printerName();
    settings.title = printer->docName();
    settings.copies = printer->copyCount();
    settings.sides = sidesFor(printer->duplex());
    settings.media = printer->pageLayout().pageSize().key();
    QString reason;
    if (!PdfSpool::submit(staged.path(), settings, &reason)) {
        qCDebug(lcPrint) << "the spooler refused the PDF, rendering pages instead:" << reason;
        return false;
    }
    m_pagesDone = pageCount();
    return true;
}

void PdfPrintWorker::render()
{
    QPrinter *printer = m_order.printer;
    QPainter painter;
    if (!painter.begin(printer)) {
        m_outcome.started = false;
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // The painter's origin is the top-left of the printable area.
    const QSizeF area = printer->pageRect(QPrinter::DevicePixel).size();
    const QRectF pageRect(QPointF(0, 0), area);

    for (int i = 0; i < pageCount(); ++i) {
        if (m_cancelRequested) {
            // Nothing of a cancelled run reaches the printer where it can be withdrawn.
            printer->abort();
            return;
        }
        const PdfSourcePage &page = m_order.pages.at(i);
        QSize target = fitted(m_order.displaySizes.value(i, page.pageSize), area);
        const double pixels = double(target.width()) * target.height();
        if (pixels > MaxPagePixels) {
            const double scale = std::sqrt(MaxPagePixels / pixels);
            target = QSize(std::max(int(target.width() * scale), 1),
                           std::max(int(target.height() * scale), 1));
        }
        PdfBackendError renderError = PdfBackendError::NoError;
        QString message;
        const QImage image = PdfEditorBackend::renderPage(page, target, &renderError, &message);
        if (image.isNull()) {
            m_outcome.error = !message.isEmpty()
                                  ? message
                                  : QCoreApplication::translate("PdfPrintJob", "第 %1 页渲染失败。")
                                        .arg(m_order.firstRow + i + 1);
            break;
        }
        // Rendered before the sheet is started, so a page that fails leaves no blank sheet.
        if (i > 0 && !printer->newPage()) {
            m_outcome.error = QCoreApplication::translate("PdfPrintJob", "打印机无法创建新页面。");
            break;
        }
        const QSizeF drawn = QSizeF(fitted(image.size(), area));
        const QPointF centre = pageRect.center();
        painter.drawImage(QRectF(centre.x() - drawn.width() / 2, centre.y() - drawn.height() / 2,
                                 drawn.width(), drawn.height()),
                          image);
        ++m_pagesDone;
    }
    painter.end();
}
