#include "pdftoimagetool.h"

#include "batchsupport.h"
#include "jobrunner.h"
#include "mupdfsupport.h"
#include "mupdftools.h"
#include "pathidentity.h"
#include "stagedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QThread>

#include <atomic>
#include <cmath>
#include <memory>
#include <set>
#include <thread>
#include <vector>

using namespace batchsupport;

namespace {

constexpr double kDpi = 150.0;
constexpr int kJpegQuality = 90;
constexpr int kDotsPerMeter = 5906; // 150 dpi, recorded in the files

struct Job
{
    QString source;
    QString folder;
    QString base;
    QString password;
    bool png = false;
    QString suffix() const { return png ? QStringLiteral("png") : QStringLiteral("jpg"); }
};

bool writeImage(const QImage &image, const QString &path, bool png, QString *message)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *message = file.errorString();
        return false;
    }
    QImageWriter writer(&file, png ? "png" : "jpeg");
    if (!png)
        writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        *message = writer.errorString();
        return false;
    }
    return true;
}

QString pageFileName(const Job &job, int page, int digits)
{
    return QStringLiteral("%1_%2.%3")
        .arg(job.base)
        .arg(page, digits, 10, QLatin1Char('0'))
        .arg(job.suffix());
}

QSize pixelSize(const QSizeF &points)
{
    return QSize(std::max(1, static_cast<int>(std::lround(points.width() * kDpi / 72.0))),
                 std::max(1, static_cast<int>(std::lround(points.height() * kDpi / 72.0))));
}

// Moves every staged file to its name; the staged files of a failed job are removed by their
// destructors.
bool commitAll(const TaskRequest &request, std::vector<std::unique_ptr<StagedFile>> &staged,
               const QStringList &names)
{
    for (size_t i = 0; i < staged.size(); ++i) {
        if (!staged[i]->commitTo(names[static_cast<qsizetype>(i)])) {
            // Take back what this job already placed: no partial output.
            for (size_t j = 0; j < i; ++j)
                QFile::remove(staged[j]->placedPath());
            return failStaged(request, *staged[i]);
        }
    }
    return true;
}

bool renderPages(const TaskRequest &request, const Job &job)
{
    mupdf::OpenStatus status;
    QString message;
    QList<QSizeF> sizes;
    {
        mupdf::DocumentRef doc =
            mupdf::openDocument(job.source, job.password, true, &status, &message);
        if (!doc || !mupdf::pageSizes(doc, &sizes, &message))
            return fail(request, doc ? BatchFailure::NotPdf : mupdftools::openFailure(status),
                        job.source, message);
    }
    const int count = static_cast<int>(sizes.size());
    if (count == 0)
        return fail(request, BatchFailure::NoPages, job.source,
                    QStringLiteral("the document has no pages"));
    const int digits = static_cast<int>(QString::number(count).size());

    std::vector<std::unique_ptr<StagedFile>> staged;
    QStringList names;
    staged.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        staged.push_back(std::make_unique<StagedFile>(job.folder));
        if (!staged.back()->isValid())
            return failStaged(request, *staged.back());
        names.append(QDir(job.folder).filePath(pageFileName(job, i + 1, digits)));
    }

    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::vector<QString> errors(static_cast<size_t>(count));
    auto worker = [&] {
        // Each thread reads the file through its own MuPDF context and document.
        mupdf::OpenStatus openStatus;
        QString openMessage;
        mupdf::DocumentRef doc =
            mupdf::openDocument(job.source, job.password, true, &openStatus, &openMessage);
        QImage image; // reused while the pages keep their size
        for (int i = next++; i < count && !failed; i = next++) {
            if (cancelRequested()) {
                failed = true;
                break;
            }
            QString error = openMessage;
            bool ok = static_cast<bool>(doc);
            if (ok) {
                const QSize size = pixelSize(sizes[i]);
                if (image.size() != size) {
                    image = QImage(size, QImage::Format_RGB888);
                    image.setDotsPerMeterX(kDotsPerMeter);
                    image.setDotsPerMeterY(kDotsPerMeter);
                }
                const QString target = staged[static_cast<size_t>(i)]->path();
                ok = !image.isNull() && mupdf::drawPage(doc, i, 0, &image, &error) &&
                     (job.png ? mupdf::savePng(image, int(kDpi), target, &error)
                              : writeImage(image, target, false, &error));
                if (image.isNull())
                    error = QStringLiteral("not enough memory for page %1").arg(i + 1);
            }
            if (!ok) {
                errors[static_cast<size_t>(i)] = error;
                failed = true;
            }
        }
    };
    jobs::runInParallel(
        std::clamp(QThread::idealThreadCount(), 1, count), worker,
        [&] { return next.load() < count && !failed; }, batchsupport::cancelFlag());
    if (failed) {
        if (cancelRequested())
            return fail(request, BatchFailure::Cancelled, QString(), QStringLiteral("cancelled"));
        for (const QString &error : errors)
            if (!error.isEmpty())
                return fail(request, writeFailure(job.folder), job.folder, error);
        return fail(request, BatchFailure::Unknown, QString(), QStringLiteral("rendering failed"));
    }
    return commitAll(request, staged, names);
}

QImage toImage(const mupdftools::Pixels &pixels)
{
    const auto *data = reinterpret_cast<const uchar *>(pixels.samples.constData());
    if (pixels.components == 1)
        return QImage(data, pixels.width, pixels.height, pixels.width, QImage::Format_Grayscale8)
            .copy();
    if (pixels.components == 3)
        return QImage(data, pixels.width, pixels.height, pixels.width * 3, QImage::Format_RGB888)
            .copy();
    return {};
}

// Joins a soft mask to its image; without alpha (JPEG) the image is shown over white.
QImage withMask(const QImage &color, QImage mask, bool keepAlpha)
{
    if (mask.size() != color.size())
        mask = mask.scaled(color.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result = color.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        const uchar *alpha = mask.constScanLine(y);
        for (int x = 0; x < result.width(); ++x)
            row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha[x]);
    }
    if (keepAlpha)
        return result;
    QImage flat(result.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    for (int y = 0; y < result.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(result.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(flat.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const int a = qAlpha(from[x]);
            auto blend = [a](int c) {
                return (c * a + 255 * (255 - a) + 127) / 255;
            };
            to[x] = qRgb(blend(qRed(from[x])), blend(qGreen(from[x])), blend(qBlue(from[x])));
        }
    }
    return flat;
}

bool extractImages(const TaskRequest &request, const Job &job)
{
    mupdf::OpenStatus status;
    QString message;
    mupdf::DocumentRef doc = mupdf::openDocument(job.source, job.password, true, &status, &message);
    QList<QList<mupdftools::ImageRef>> pages;
    if (!doc || !mupdftools::pageImages(doc, &pages, &message))
        return fail(request, doc ? BatchFailure::NotPdf : mupdftools::openFailure(status),
                    job.source, message);

    std::vector<std::unique_ptr<StagedFile>> staged;
    QStringList names;
    std::set<int> done;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        int k = 0;
        for (const mupdftools::ImageRef &ref : pages[page]) {
            if (ref.isMask || !done.insert(ref.num).second)
                continue;
            auto file = std::make_unique<StagedFile>(job.folder);
            if (!file->isValid())
                return failStaged(request, *file);
            QString suffix = job.suffix();
            QString error;
            bool ok = false;
            const QByteArray jpeg = mupdftools::embeddedJpeg(doc, ref.num, ref.gen);
            if (!jpeg.isEmpty()) {
                suffix = QStringLiteral("jpg");
                QFile out(file->path());
                ok = out.open(QIODevice::WriteOnly) && out.write(jpeg) == jpeg.size();
                error = out.errorString();
            } else {
                mupdftools::Pixels pixels;
                if (mupdftools::decodeImage(doc, ref.num, ref.gen, &pixels, &error, true)) {
                    QImage image = toImage(pixels);
                    int maskGen = 0;
                    const int maskNum = mupdftools::softMaskOf(doc, ref.num, ref.gen, &maskGen);
                    mupdftools::Pixels maskPixels;
                    QString maskError;
                    if (!image.isNull() && maskNum > 0 &&
                        mupdftools::decodeImage(doc, maskNum, maskGen, &maskPixels, &maskError) &&
                        maskPixels.components == 1)
                        image = withMask(image, toImage(maskPixels), job.png);
                    ok = !image.isNull() && writeImage(image, file->path(), job.png, &error);
                }
            }
            if (!ok) {
                // One unreadable picture does not spoil the others.
                qCInfo(lcBatch, "image %d on page %lld skipped: %s", ref.num, page + 1,
                       qUtf8Printable(error));
                continue;
            }
            ++k;
            names.append(QDir(job.folder)
                             .filePath(QStringLiteral("%1_p%2_%3.%4")
                                           .arg(job.base)
                                           .arg(page + 1)
                                           .arg(k)
                                           .arg(suffix)));
            staged.push_back(std::move(file));
        }
    }
    if (staged.empty())
        return fail(request, BatchFailure::NoImages, job.source,
                    QStringLiteral("the document holds no images to extract"));
    return commitAll(request, staged, names);
}

} // namespace

bool PdfToImageTool::execute(const TaskRequest &request)
{
    Job job;
    job.source = request.inputFiles.isEmpty() ? singleSource(request) : sources(request).first();
    job.folder = pathidentity::internal(request.outputPath);
    job.png =
        ImageFormat(request.options.value(TaskOption::ImageFormat).toInt()) == ImageFormat::Png;
    if (job.source.isEmpty() || !QFileInfo(job.source).isFile())
        return fail(request, BatchFailure::SourceMissing, job.source,
                    QStringLiteral("the source does not exist: %1").arg(job.source));
    if (job.folder.isEmpty() || !QFileInfo(job.folder).isDir())
        return fail(request, BatchFailure::OutputFolderMissing, job.folder,
                    QStringLiteral("the output folder does not exist: %1").arg(job.folder));
    job.base = QFileInfo(job.source).completeBaseName();
    job.password = inputPassword(request.options, 0);
    const bool done = request.options.value(TaskOption::SaveAsSeparateFiles).toBool()
                          ? extractImages(request, job)
                          : renderPages(request, job);
    // The job's output is the folder, whatever names its pictures finally took.
    if (done)
        outcome().writtenPath = job.folder;
    return done;
}
