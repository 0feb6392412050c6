#include "textrecognition.h"

#include "batchsupport.h"
#include "jobrunner.h"
#include "mupdfpage.h"
#include "mupdftools.h"
#include "pagereader.h"
#include "pathidentity.h"
#include "qpdfsupport.h"
#include "stagedfile.h"
#include "textlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QThread>
#include <QTransform>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <vector>

#include <zlib.h>

using namespace Qt::StringLiterals;

namespace textrecognition {
namespace {

using batchsupport::fail;

constexpr double kDpi = 300.0;
// Pages larger than this many pixels are read at a lower resolution (tesseract's sides stop at
// 32767 pixels, and memory per thread stays bounded).
constexpr double kMaxPixels = 60e6;
// A page drawn for reading: grey pixels and the way back from them to the page's user space.
struct Scan
{
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
    int dpi = 0;
    QTransform toPage;
    bool hasText = false;
    bool failed = false;
};

// Everything inside MuPDF's error handling: no C++ objects with destructors in here.
void drawPage(fz_context *ctx, pdf_document *doc, int index, bool checkText, Scan *scan,
              char *error)
{
    pdf_page *page = nullptr;
    fz_stext_page *text = nullptr;
    fz_pixmap *pix = nullptr;
    fz_var(page);
    fz_var(text);
    fz_var(pix);
    fz_try(ctx)
    {
        page = pdf_load_page(ctx, doc, index);
        if (checkText) {
            text = fz_new_stext_page_from_page(ctx, &page->super, nullptr);
            scan->hasText = mupdf::hasText(text);
        }
        if (!scan->hasText) {
            fz_rect mediabox;
            fz_matrix pageCtm;
            pdf_page_transform(ctx, page, &mediabox, &pageCtm);
            const fz_rect bounds = fz_bound_page(ctx, &page->super);
            const double area = double(bounds.x1 - bounds.x0) * double(bounds.y1 - bounds.y0);
            double dpi = kDpi;
            if (area > 0 && area * (dpi / 72) * (dpi / 72) > kMaxPixels)
                dpi = 72 * std::sqrt(kMaxPixels / area);
            const double side = std::max(bounds.x1 - bounds.x0, bounds.y1 - bounds.y0);
            if (side > 0)
                dpi = std::min(dpi, 72 * 32000 / side);
            const fz_matrix scale = fz_scale(float(dpi / 72), float(dpi / 72));
            pix = fz_new_pixmap_from_page(ctx, &page->super, scale, fz_device_gray(ctx), 0);
            const fz_matrix full = fz_concat(pageCtm, scale);
            const fz_matrix back = fz_invert_matrix(full);
            // Pixel (0, 0) is the pixmap's origin in device space.
            scan->toPage = QTransform(back.a, back.b, back.c, back.d, back.e, back.f);
            scan->toPage = QTransform::fromTranslate(pix->x, pix->y) * scan->toPage;
            scan->width = pix->w;
            scan->height = pix->h;
            scan->dpi = int(std::lround(dpi));
            const size_t stride = size_t(pix->stride);
            scan->pixels.resize(stride * size_t(pix->h));
            memcpy(scan->pixels.data(), pix->samples, scan->pixels.size());
        }
    }
    fz_always(ctx)
    {
        fz_drop_pixmap(ctx, pix);
        fz_drop_stext_page(ctx, text);
        fz_drop_page(ctx, page ? &page->super : nullptr);
    }
    fz_catch(ctx)
    {
        scan->failed = true;
        mupdf::copyCaughtMessage(ctx, error);
    }
}

QString languagesOf(const TaskRequest &request)
{
    const QString wanted = request.options.value(TaskOption::OcrLanguages).toString().trimmed();
    return wanted.isEmpty() ? defaultLanguages() : wanted;
}

// Scanners write JPEGs whose coded data still deflates well (grey pages stored as colour, flat
// chroma): wrapping the stream in Flate, without touching a byte of the JPEG, often saves a
// third. Kept only where it saves something, so the output stays within the input's size.
void deflateJpegs(QPDF &pdf)
{
    constexpr double Worthwhile = 0.97;
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
        if (!object.isStream())
            continue;
        QPDFObjectHandle dict = object.getDict();
        if (!dict.getKey("/Subtype").isNameAndEquals("/Image"))
            continue;
        QPDFObjectHandle filter = dict.getKey("/Filter");
        if (filter.isArray() && filter.getArrayNItems() == 1)
            filter = filter.getArrayItem(0);
        if (!filter.isNameAndEquals("/DCTDecode") || dict.hasKey("/DecodeParms"))
            continue;
        const std::shared_ptr<Buffer> raw = object.getRawStreamData();
        uLongf packedSize = compressBound(uLong(raw->getSize()));
        std::string packed(packedSize, '\0');
        if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize, raw->getBuffer(),
                      uLong(raw->getSize()), 6) != Z_OK ||
            double(packedSize) > double(raw->getSize()) * Worthwhile)
            continue;
        packed.resize(packedSize);
        object.replaceStreamData(
            packed,
            QPDFObjectHandle::newArray({QPDFObjectHandle::newName("/FlateDecode"),
                                        QPDFObjectHandle::newName("/DCTDecode")}),
            QPDFObjectHandle::newNull());
    }
}

} // namespace

bool recognise(const TaskRequest &request)
{
    const QString source = batchsupport::singleSource(request);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return fail(request, BatchFailure::SourceMissing, source, u"no source"_s);
    const bool replace = replacesSource(request.options);
    const QString target = replace ? source : pathidentity::internal(request.outputPath);
    if (target.isEmpty())
        return fail(request, BatchFailure::OutputFolderMissing, QString(), u"no output file"_s);
    if (!replace && pathidentity::same(source, target))
        return fail(request, BatchFailure::OutputIsInput, source, u"output is the source"_s);
    const QString folder = QFileInfo(target).absolutePath();
    if (!QFileInfo(folder).isDir())
        return fail(request, BatchFailure::OutputFolderMissing, folder, u"no output folder"_s);

    const QString languages = languagesOf(request);
    const QStringList installed = installedLanguages();
    const QStringList wanted = languages.split(u'+', Qt::SkipEmptyParts);
    if (wanted.isEmpty())
        return fail(request, BatchFailure::RecognitionDataMissing, QString(),
                    u"no language data"_s);
    for (const QString &language : wanted) {
        if (!installed.contains(language))
            return fail(request, BatchFailure::RecognitionDataMissing, language,
                        u"no language data for %1"_s.arg(language));
    }

    const QString password = inputPassword(request.options, 0);
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    std::shared_ptr<qpdfsupport::Source> input =
        qpdfsupport::open(source, password, false, &error, &message);
    if (!input)
        return fail(request, batchsupport::failureOf(error), source, message);
    // A repaired copy is decrypted; written out it would lose the file's protection.
    if (input->encrypted && !input->repairedBytes.isEmpty())
        return fail(request, BatchFailure::NotPdf, source,
                    u"the protected document is too damaged to keep its protection"_s);
    std::vector<QPDFObjectHandle> pages;
    try {
        pages = input->pdf->getAllPages();
    } catch (const std::exception &e) {
        return fail(request, BatchFailure::NotPdf, source, QString::fromUtf8(e.what()));
    }
    if (pages.empty())
        return fail(request, BatchFailure::NoPages, source, u"no pages"_s);

    {
        mupdf::OpenStatus status = mupdf::OpenStatus::Ok;
        mupdf::DocumentRef doc = mupdf::openDocument(source, password, false, &status, &message);
        if (!doc)
            return fail(request, mupdftools::openFailure(status), source, message);
        if (mupdf::pageCount(doc) != int(pages.size()))
            return fail(request, BatchFailure::NotPdf, source, u"page trees disagree"_s);
    }

    const bool force = request.options.value(TaskOption::ForceRecognition).toBool();
    const int total = int(pages.size());
    const std::atomic<bool> *cancel = batchsupport::cancelFlag();
    const std::function<void(int)> progress = batchsupport::progressSink();
    std::vector<PageText> texts(pages.size());
    std::vector<char> read(pages.size(), 0);
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<int> skipped{0};
    std::atomic<int> failedPages{0};
    // A reader that failed ends the job: the other threads stop at their next page.
    std::atomic<bool> stop{false};
    QMutex errorMutex;
    QString firstError;
    const QByteArray languageCodes = languages.toLatin1();
    const QByteArray folderBytes = dataFolder().toLocal8Bit();
    auto work = [&] {
        QString why;
        std::unique_ptr<PageReader> reader = makePageReader(languageCodes, folderBytes, &why);
        if (!reader) {
            QMutexLocker lock(&errorMutex);
            if (firstError.isEmpty())
                firstError = why;
            stop = true;
            return;
        }
        mupdf::OpenStatus status = mupdf::OpenStatus::Ok;
        QString openMessage;
        mupdf::DocumentRef doc =
            mupdf::openDocument(source, password, false, &status, &openMessage);
        for (int index = next++; index < total; index = next++) {
            if ((cancel && cancel->load()) || stop)
                return;
            Scan scan;
            char mupdfError[mupdf::ErrorTextSize] = {};
            if (doc)
                drawPage(doc.context(), doc.get(), index, !force, &scan, mupdfError);
            if (!doc || scan.failed) {
                ++failedPages;
            } else if (scan.hasText) {
                ++skipped;
            } else if (reader->read({scan.pixels.data(), scan.width, scan.height,
                                     int(scan.pixels.size() / size_t(scan.height)), scan.dpi,
                                     scan.toPage},
                                    cancel, &texts[size_t(index)], &why)) {
                read[size_t(index)] = 1;
            } else {
                QMutexLocker lock(&errorMutex);
                if (firstError.isEmpty())
                    firstError = why;
                stop = true;
                return;
            }
            const int finished = ++done;
            if (progress)
                progress(finished * 100 / total);
        }
    };
    jobs::runInParallel(
        std::clamp(QThread::idealThreadCount(), 1, total), work,
        [&] { return next.load() < total && !stop; }, batchsupport::cancelFlag());
    if (batchsupport::cancelRequested())
        return fail(request, BatchFailure::Cancelled, QString(), u"cancelled"_s);
    if (!firstError.isEmpty())
        return fail(request, BatchFailure::RecognitionFailed, source, firstError);
    const int recognised = int(std::count(read.begin(), read.end(), 1));
    if (recognised == 0 && failedPages == 0)
        return fail(request, BatchFailure::AlreadySearchable, source, u"every page has text"_s);
    if (recognised == 0)
        return fail(request, BatchFailure::NotPdf, source, u"no page could be drawn"_s);

    textlayer::Writer writer(*input->pdf);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (read[i])
            writer.addToPage(pages[i], texts[i]);
    }
    deflateJpegs(*input->pdf);

    StagedFile staged(folder);
    if (!staged.isValid())
        return batchsupport::failStaged(request, staged);
    bool damaged = false;
    const bool written = qpdfsupport::writeStaged(
        *input->pdf, staged.path(),
        [](QPDFWriter &writer) {
            // Streams go out as they came in: the scan's pictures keep every byte of their
            // coded data (some wrapped in Flate above).
            writer.setDecodeLevel(qpdf_dl_none);
            writer.setCompressStreams(true);
        },
        &error, &message, &damaged);
    input.reset();
    if (!written && damaged)
        return fail(request, BatchFailure::NotPdf, source, message);
    if (!written)
        return fail(request, batchsupport::writeFailureOf(error, staged.folder()), staged.folder(),
                    message);
    if (!(replace ? staged.replace(target) : staged.commitTo(target)))
        return batchsupport::failStaged(request, staged);
    BatchOutcome &outcome = batchsupport::outcome();
    outcome.pagesRecognised = recognised;
    outcome.pagesKept = skipped;
    outcome.pagesUnread = failedPages;
    return true;
}

} // namespace textrecognition
