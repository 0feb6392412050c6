// Render manager on a long document: every thumbnail at once, then one screen of pages at 150 dpi.
// Prints the time to the first delivered page, pages per second, how busy the pool was, and the
// peak resident memory above the level after loading.
//
// Usage: bench_rendermanager [document.pdf]
// Without a document, a 1,200-page text document is written to a temporary folder first.

#include "benchsupport.h"
#include "pdfdocumentmodel.h"
#include "pdfrendermanager.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct RunResult
{
    double firstMs = 0;
    double totalMs = 0;
    int rendered = 0;
    int failed = 0;
    double cpuPerWall = 0;
};

RunResult run(PdfRenderManager &manager, const QList<PdfPageEntry> &entries,
              const QList<QSize> &sizes, PdfRenderPurpose purpose, int priority)
{
    RunResult result;
    QEventLoop loop;
    QElapsedTimer timer;
    int answered = 0;
    auto answer = [&] {
        if (answered++ == 0)
            result.firstMs = double(timer.nsecsElapsed()) / 1e6;
        if (answered == entries.size())
            loop.quit();
    };
    const auto renderedConnection =
        QObject::connect(&manager, &PdfRenderManager::pageRendered, &loop, [&] {
            ++result.rendered;
            answer();
        });
    const auto failedConnection =
        QObject::connect(&manager, &PdfRenderManager::pageRenderFailed, &loop, [&] {
            ++result.failed;
            answer();
        });
    const double cpuBefore = cpuSeconds();
    timer.start();
    manager.requestRenders(entries, sizes, purpose, 1, priority);
    if (answered < entries.size())
        loop.exec();
    result.totalMs = double(timer.nsecsElapsed()) / 1e6;
    result.cpuPerWall = (cpuSeconds() - cpuBefore) / (result.totalMs / 1000.0);
    QObject::disconnect(renderedConnection);
    QObject::disconnect(failedConnection);
    return result;
}

qint64 baseKiB = 0;

void report(const char *name, const RunResult &result, int pages)
{
    std::printf("%-26s %5d pages  first %7.1f ms  total %8.1f ms  %8.1f pages/s  cpu/wall %.2f"
                "  resident +%.0f MiB (peak +%.0f)%s\n",
                name, pages, result.firstMs, result.totalMs, pages / (result.totalMs / 1000.0),
                result.cpuPerWall, double(BenchSupport::residentKiB("VmRSS:") - baseKiB) / 1024.0,
                double(BenchSupport::residentKiB("VmHWM:") - baseKiB) / 1024.0,
                result.failed ? qPrintable(u"  FAILED %1"_s.arg(result.failed)) : "");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTemporaryDir dir;
    QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (path.isEmpty()) {
        path = dir.filePath(u"long.pdf"_s);
        QElapsedTimer timer;
        timer.start();
        if (!BenchSupport::writeLongDocument(
                path, 1200, u"Chapter"_s, 20,
                u"The quick brown fox jumps over the lazy dog while the page renders. "_s)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("generated 1200 pages in %.1f s\n", double(timer.elapsed()) / 1000.0);
    }

    PdfDocumentModel model;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QElapsedTimer loadTimer;
    loadTimer.start();
    if (!model.loadDocument(path, QString(), &error, &message)) {
        std::fprintf(stderr, "could not open %s: %s\n", qPrintable(path), qPrintable(message));
        return 1;
    }
    std::printf("document %s: %d pages, inspected in %lld ms\n", qPrintable(path),
                model.pageCount(), loadTimer.elapsed());

    PdfRenderManager manager;
    std::printf("render pool: %d threads, cache bound %lld MiB\n", manager.maxThreadCount(),
                qlonglong(PdfRenderManager::CacheMaxCost / 1024));
    baseKiB = BenchSupport::residentKiB("VmHWM:");
    const QList<PdfPageEntry> entries = model.pages();

    const QList<QSize> thumbSizes(entries.size(), QSize(136, 166));
    report("all thumbnails 136x166",
           run(manager, entries, thumbSizes, PdfRenderPurpose::Thumbnail, 10), int(entries.size()));
    report("all thumbnails, cached",
           run(manager, entries, thumbSizes, PdfRenderPurpose::Thumbnail, 10), int(entries.size()));

    // One screen: the pages that a 1080-pixel-high view shows at 150 dpi, from the middle.
    const int middle = int(entries.size()) / 2;
    const QList<PdfPageEntry> screen = entries.mid(middle, 2);
    QList<QSize> screenSizes;
    for (const PdfPageEntry &entry : screen)
        screenSizes << (PdfDocumentModel::displaySize(entry) * 150.0 / 72.0).toSize();
    report("one screen at 150 dpi", run(manager, screen, screenSizes, PdfRenderPurpose::Page, 20),
           int(screen.size()));

    // A stretch of pages at 150 dpi in one call: more pixels than the cache holds.
    const QList<PdfPageEntry> stretch = entries.mid(10, 60);
    QList<QSize> stretchSizes;
    for (const PdfPageEntry &entry : stretch)
        stretchSizes << (PdfDocumentModel::displaySize(entry) * 150.0 / 72.0).toSize();
    report("60 pages at 150 dpi", run(manager, stretch, stretchSizes, PdfRenderPurpose::Page, 20),
           int(stretch.size()));

    return 0;
}
