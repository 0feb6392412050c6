#include "pdfeditorbackend.h"

#include "mupdfsupport.h"
#include "mupdftools.h"
#include "pagestamp.h"
#include "pagewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <cstdlib>
#include <mutex>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/mman.h>
#endif

namespace {

// Page images of a megabyte and more are mapped on their own, so that each goes back to the
// system as soon as it is freed. From the heap, a zoom's worth of them left it grown and
// fragmented, held by the allocator until the next trim.
constexpr size_t kOwnMappingBytes = size_t(1) << 20;

void *allocateBlock(size_t bytes)
{
#ifdef Q_OS_UNIX
    if (bytes >= kOwnMappingBytes) {
        void *block =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        return block == MAP_FAILED ? nullptr : block;
    }
#endif
    return std::malloc(bytes);
}

void freeBlock(void *block, size_t bytes)
{
#ifdef Q_OS_UNIX
    if (bytes >= kOwnMappingBytes) {
        munmap(block, bytes);
        return;
    }
#endif
    std::free(block);
}

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
// Page images come and go by the hundred while a long document scrolls. Each fresh one costs
// the system thousands of page faults to hand over and zero, often more than drawing the page; a
// few spare buffers of the sizes in use let the next page reuse the memory of the last.
class PageBuffers
{
public:
    static PageBuffers &instance()
    {
        static auto *buffers = new PageBuffers; // images may outlive static teardown
        return *buffers;
    }

    QImage take(const QSize &size)
    {
        const size_t bytesPerLine = size_t(size.width()) * 4;
        const size_t bytes = bytesPerLine * size_t(size.height());
        void *block = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            // The buffer given back last is the one most likely still in the cache.
            for (auto it = m_spare.rbegin(); it != m_spare.rend(); ++it) {
                if (it->bytes == bytes) {
                    block = it->block;
                    m_spareBytes -= bytes;
                    m_spare.erase(std::next(it).base());
                    break;
                }
            }
        }
        if (!block) {
            block = allocateBlock(kHeader + bytes);
            if (!block)
                return {};
            *static_cast<size_t *>(block) = bytes;
        }
        return QImage(static_cast<uchar *>(block) + kHeader, size.width(), size.height(),
                      qsizetype(bytesPerLine), QImage::Format_RGB32, &PageBuffers::giveBack, block);
    }

    void clear()
    {
        std::vector<Spare> spare;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            spare.swap(m_spare);
            m_spareBytes = 0;
        }
        for (const Spare &entry : spare)
            freeBlock(entry.block, kHeader + entry.bytes);
    }

private:
    struct Spare
    {
        size_t bytes;
        void *block;
    };
    static constexpr size_t kHeader = 64; // keeps the pixels aligned for wide stores
    static constexpr size_t kMaxSpareBytes = 64u << 20;
    static constexpr size_t kMaxSpare = 8;

    static void giveBack(void *block)
    {
        PageBuffers &self = instance();
        const size_t bytes = *static_cast<size_t *>(block);
        {
            std::lock_guard<std::mutex> lock(self.m_mutex);
            if (self.m_spare.size() < kMaxSpare && self.m_spareBytes + bytes <= kMaxSpareBytes) {
                self.m_spare.push_back({bytes, block});
                self.m_spareBytes += bytes;
                return;
            }
        }
        freeBlock(block, kHeader + bytes);
    }

    std::mutex m_mutex;
    std::vector<Spare> m_spare;
    size_t m_spareBytes = 0;
};

// The part region of the page drawn at size; the whole page when region is empty.
QImage renderWith(const mupdf::DocumentRef &doc, const PdfSourcePage &page, const QSize &size,
                  const QRect &region, QString *message)
{
    const QRect part = region.isEmpty() ? QRect(QPoint(), size) : region;
    if (size.isEmpty() || !validSize(part.size()) || !QRect(QPoint(), size).contains(part)) {
        *message =
            region.isEmpty()
                ? QStringLiteral("Invalid image size %1 x %2.").arg(size.width()).arg(size.height())
                : QStringLiteral("Invalid part %1,%2 %3 x %4 of a %5 x %6 page image.")
                      .arg(part.x())
                      .arg(part.y())
                      .arg(part.width())
                      .arg(part.height())
                      .arg(size.width())
                      .arg(size.height());
        return {};
    }
    // Filled once, by the drawing or here for a blank page.
    QImage image = PageBuffers::instance().take(part.size());
    if (image.isNull()) {
        *message = QStringLiteral("Not enough memory for a %1 x %2 image.")
                       .arg(part.width())
                       .arg(part.height());
        return {};
    }
    if (page.blank || page.filePath.isEmpty())
        image.fill(Qt::white);
    else if (!mupdf::drawPage(doc, page.pageIndex, page.rotation, &image, message, size,
                              part.topLeft(), page.hiddenAnnotations))
        return {};
    pagestamp::paintOnImage(&image, page, size, part.topLeft());
    QList<PdfFormField> filled;
    QList<mupdf::WidgetBox> widgets;
    QString ignored;
    if (!page.fieldValues.isEmpty() && doc &&
        mupdf::widgetBoxes(doc, page.pageIndex, &widgets, &ignored)) {
        for (const mupdf::WidgetBox &widget : std::as_const(widgets)) {
            const auto value = page.fieldValues.constFind(widget.name);
            if (value == page.fieldValues.cend())
                continue;
            PdfFormField field;
            field.kind = widget.button == 1   ? PdfFormField::Kind::CheckBox
                         : widget.button == 2 ? PdfFormField::Kind::Radio
                                              : PdfFormField::Kind::Text;
            field.rect = widget.rect;
            field.value = *value;
            field.onState = widget.onState;
            filled.append(field);
        }
    }
    if (!page.annotations.isEmpty() || !filled.isEmpty()) {
        QPainter painter(&image);
        painter.translate(-part.topLeft());
        const int turn = ((page.rotation % 360) + 360) % 360;
        const double shownWidth =
            turn == 90 || turn == 270 ? page.pageSize.height() : page.pageSize.width();
        const double scale = size.width() / std::max(shownWidth, 1.0);
        PdfEditorBackend::paintFormValues(&painter, filled, page.pageSize, page.rotation, scale);
        PdfEditorBackend::paintAnnotations(&painter, page.annotations, page.pageSize, page.rotation,
                                           scale);
    }
    return image;
}

bool indexInRange(const mupdf::DocumentRef &doc, int index, QString *message)
{
    const int count = mupdf::pageCount(doc);
    if (count < 0) {
        *message = QStringLiteral("The pages of the file cannot be counted.");
        return false;
    }
    if (index < 0 || index >= count) {
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
    // Only the first pages wanted: a long tree is checked when the rest is asked for.
    mupdf::DocumentRef doc =
        mupdf::openDocument(path, password, true, &status, &text,
                            firstPages >= 0 ? mupdf::TreeCheck::Deferred : mupdf::TreeCheck::Now);
    if (!doc) {
        put(error, toError(status));
        put(message, text);
        return false;
    }
    PdfDocumentInfo result;
    result.treeChecked = doc.treeChecked();
    result.treeRepaired = doc.treeRepaired();
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

bool PdfEditorBackend::saveNewDocument(const QList<PdfSourcePage> &pages, const QString &path,
                                       const PdfWriteOptions &options, QString *writtenPath,
                                       PdfBackendError *error, QString *message)
{
    PdfBackendError code = PdfBackendError::NoError;
    QString text;
    QString placed;
    bool ok = false;
    if (pages.isEmpty()) {
        code = PdfBackendError::WriteFailed;
        text = QStringLiteral("A PDF needs at least one page.");
    } else if (path.isEmpty()) {
        code = PdfBackendError::WriteFailed;
        text = QStringLiteral("No file name was given.");
    } else {
        ok = pagewriter::writeNew(pages, path, options, &placed, &code, &text);
    }
    put(error, ok ? PdfBackendError::NoError : code);
    put(message, text);
    put(writtenPath, ok ? placed : QString());
    return ok;
}

bool PdfEditorBackend::readProtection(const QString &path, const QString &password,
                                      PdfProtection *protection, PdfBackendError *error,
                                      QString *message)
{
    PdfProtection result;
    QString text;
    if (!QFileInfo(path).isFile()) {
        put(error, PdfBackendError::FileNotFound);
        put(message,
            QStringLiteral("The file does not exist: %1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    bool accepted = false;
    if (!mupdftools::passwordState(path, password, &result.encrypted, &accepted, &text,
                                   &result.needsPassword, &result.ownerAccess)) {
        put(error, PdfBackendError::CorruptOrUnsupported);
        put(message, text);
        return false;
    }
    result.opens = accepted || !result.needsPassword;
    if (protection)
        *protection = result;
    put(error, PdfBackendError::NoError);
    put(message, QString());
    return true;
}

QList<QImage> PdfEditorBackend::renderPages(const QList<PdfSourcePage> &pages,
                                            const QList<QSize> &sizes, QList<QString> *errors)
{
    return renderPages(pages, sizes, {}, errors);
}

QList<QImage> PdfEditorBackend::renderPages(const QList<PdfSourcePage> &pages,
                                            const QList<QSize> &sizes, const QList<QRect> &regions,
                                            QList<QString> *errors)
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
            // The first screen is not held up by a walk of a long tree; the model checks it.
            doc = mupdf::openDocument(page.filePath, page.password, false, &status, &docError,
                                      mupdf::TreeCheck::Deferred);
            docPath = page.filePath;
            docPassword = page.password;
        }
        QImage image;
        if (!page.blank && !page.filePath.isEmpty() && !doc)
            text = docError;
        else
            image = renderWith(doc, page, size, regions.value(i), &text);
        images.append(image);
        texts.append(image.isNull() ? text : QString());
    }
    if (errors)
        *errors = texts;
    return images;
}

void PdfEditorBackend::trimWhileBusy()
{
#ifdef __GLIBC__
    // Drawing frees as much as it allocates, in the heaps of the threads that drew; while pages
    // keep coming the freed space would pile up until the reader rests.
    static std::atomic<qint64> last{0};
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    qint64 before = last.load();
    if (now - before >= 500 && last.compare_exchange_strong(before, now))
        malloc_trim(0);
#endif
}

void PdfEditorBackend::releaseSpareMemory()
{
    PageBuffers::instance().clear();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
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
    QImage image = renderWith(doc, page, size, {}, &text);
    put(error, image.isNull() ? PdfBackendError::RenderFailed : PdfBackendError::NoError);
    put(message, text);
    return image;
}
