#include "pdfeditorbackend.h"

#include "mupdfsupport.h"
#include "pagestamp.h"
#include "pagewriter.h"

#include <QDir>
#include <QFileInfo>

namespace {

PdfBackendError toError(mupdf::OpenStatus status)
{
    switch (status) {
    case mupdf::OpenStatus::Ok:
        return PdfBackendError::NoError;
    case mupdf::OpenStatus::NotFound:
        return PdfBackendError::FileNotFound;
    case mupdf::OpenStatus::PasswordRequired:
        return PdfBackendError::PasswordRequired;
    case mupdf::OpenStatus::WrongPassword:
        return PdfBackendError::WrongPassword;
    case mupdf::OpenStatus::Corrupt:
        return PdfBackendError::CorruptOrUnsupported;
    case mupdf::OpenStatus::NoContext:
        return PdfBackendError::RenderFailed;
    }
    return PdfBackendError::CorruptOrUnsupported;
}

template<typename T> void put(T *target, T value)
{
    if (target)
        *target = std::move(value);
}

constexpr qint64 kMaxPixels = qint64(1) << 28; // 1 GiB of RGB32

bool validSize(const QSize &size)
{
    return size.width() > 0 && size.height() > 0 &&
           qint64(size.width()) * size.height() <= kMaxPixels;
}

// Renders one page into a new image; doc may be empty for a blank page.
QImage renderWith(const mupdf::DocumentRef &doc, const PdfSourcePage &page, const QSize &size,
                  QString *message)
{
    if (!validSize(size)) {
        *message =
            QStringLiteral("Invalid image size %1 x %2.").arg(size.width()).arg(size.height());
        return {};
    }
    // Filled once, by the drawing or here for a blank page.
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        *message = QStringLiteral("Not enough memory for a %1 x %2 image.")
                       .arg(size.width())
                       .arg(size.height());
        return {};
    }
    if (page.blank || page.filePath.isEmpty())
        image.fill(Qt::white);
    else if (!mupdf::drawPage(doc, page.pageIndex, page.rotation, &image, message))
        return {};
    pagestamp::paintOnImage(&image, page);
    return image;
}

bool indexInRange(const mupdf::DocumentRef &doc, int index, QString *message)
{
    QList<QSizeF> sizes;
    if (!mupdf::pageSizes(doc, &sizes, message))
        return false;
    if (index < 0 || index >= sizes.size()) {
        *message = QStringLiteral("Page %1 does not exist.").arg(index + 1);
        return false;
    }
    return true;
}

} // namespace

bool PdfEditorBackend::inspectDocument(const QString &path, const QString &password,
                                       PdfDocumentInfo *info, PdfBackendError *error,
                                       QString *message)
{
    return inspectDocument(path, password, -1, info, error, message);
}

bool PdfEditorBackend::inspectDocument(const QString &path, const QString &password, int firstPages,
                                       PdfDocumentInfo *info, PdfBackendError *error,
                                       QString *message)
{
    mupdf::OpenStatus status;
    QString text;
    mupdf::DocumentRef doc = mupdf::openDocument(path, password, true, &status, &text);
    if (!doc) {
        put(error, toError(status));
        put(message, text);
        return false;
    }
    PdfDocumentInfo result;
    if (!mupdf::pageSizes(doc, &result.pageSizes, &text, firstPages, &result.pageCount)) {
        put(error, PdfBackendError::CorruptOrUnsupported);
        put(message, QStringLiteral("The file is damaged: %1").arg(text));
        return false;
    }
    put(info, std::move(result));
    put(error, PdfBackendError::NoError);
    put(message, QString());
    return true;
}

bool PdfEditorBackend::saveDocument(const QList<PdfSourcePage> &pages, const QString &path,
                                    PdfBackendError *error, QString *message)
{
    // The primary source: the file saved over when it is a source, else the first page's.
    PdfWriteOptions options;
    const QString target = QFileInfo(path).absoluteFilePath();
    for (const PdfSourcePage &page : pages) {
        if (page.blank || page.filePath.isEmpty())
            continue;
        const bool isTarget = QFileInfo(page.filePath).absoluteFilePath() == target;
        if (options.protectionSource.isEmpty() || isTarget) {
            options.protectionSource = page.filePath;
            options.protectionPassword = page.password;
        }
        if (isTarget)
            break;
    }
    return saveDocument(pages, path, options, error, message);
}

bool PdfEditorBackend::saveDocument(const QList<PdfSourcePage> &pages, const QString &path,
                                    const PdfWriteOptions &options, PdfBackendError *error,
                                    QString *message)
{
    PdfBackendError code = PdfBackendError::NoError;
    QString text;
    if (pages.isEmpty()) {
        put(error, PdfBackendError::WriteFailed);
        put(message, QStringLiteral("A PDF needs at least one page."));
        return false;
    }
    if (path.isEmpty()) {
        put(error, PdfBackendError::WriteFailed);
        put(message, QStringLiteral("No file name was given."));
        return false;
    }
    const bool ok = pagewriter::write(pages, path, options, &code, &text);
    put(error, ok ? PdfBackendError::NoError : code);
    put(message, text);
    return ok;
}

QList<QImage> PdfEditorBackend::renderPages(const QList<PdfSourcePage> &pages,
                                            const QList<QSize> &sizes, QList<QString> *errors)
{
    QList<QImage> images;
    QList<QString> texts;
    images.reserve(pages.size());
    texts.reserve(pages.size());
    // Pages of one source usually come together; keep the open document between them.
    mupdf::DocumentRef doc;
    QString docPath;
    QString docPassword;
    QString docError;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const PdfSourcePage &page = pages[i];
        const QSize size = i < sizes.size() ? sizes[i] : QSize();
        QString text;
        if (!page.blank && !page.filePath.isEmpty() &&
            (!doc || docPath != page.filePath || docPassword != page.password)) {
            mupdf::OpenStatus status;
            doc = mupdf::openDocument(page.filePath, page.password, false, &status, &docError);
            docPath = page.filePath;
            docPassword = page.password;
        }
        QImage image;
        if (!page.blank && !page.filePath.isEmpty() && !doc)
            text = docError;
        else
            image = renderWith(doc, page, size, &text);
        images.append(image);
        texts.append(image.isNull() ? text : QString());
    }
    if (errors)
        *errors = texts;
    return images;
}

QImage PdfEditorBackend::renderPage(const PdfSourcePage &page, const QSize &size,
                                    PdfBackendError *error, QString *message)
{
    QString text;
    mupdf::DocumentRef doc;
    if (!page.blank && !page.filePath.isEmpty()) {
        mupdf::OpenStatus status;
        doc = mupdf::openDocument(page.filePath, page.password, false, &status, &text);
        if (!doc) {
            put(error, toError(status));
            put(message, text);
            return {};
        }
        if (!indexInRange(doc, page.pageIndex, &text)) {
            put(error, PdfBackendError::RenderFailed);
            put(message, text);
            return {};
        }
    }
    QImage image = renderWith(doc, page, size, &text);
    put(error, image.isNull() ? PdfBackendError::RenderFailed : PdfBackendError::NoError);
    put(message, text);
    return image;
}
