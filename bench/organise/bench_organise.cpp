// Responsiveness of the thumbnail strip and the page grid on a long document.
//   1. strip, idle: time until every card of the strip has its thumbnail, and the longest stall
//      of the event loop meanwhile (a 1 ms heartbeat timer measures the gaps);
//   2. strip, scrolled: the same while the strip is scrolled a step every 16 ms;
//   3. strip and grid flung from start to end in about a second: the longest stall, and the
//      time until the cards the user stopped at have their thumbnails.
//
// Usage: bench_organise [document.pdf]
// A 2,400-page text document is written first when the file does not exist (by default to a
// temporary folder).

#include "benchsupport.h"
#include "pagemanagerlistview.h"
#include "pdfdocumentmodel.h"
#include "pdfpagemanagerview.h"
#include "pdfrendermanager.h"
#include "pdfthumbnailpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListView>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int DocumentPages = 2400;

// Runs the event loop until done() holds, measuring the longest gap between heartbeats.
struct Run
{
    double elapsedMs = 0;
    double longestStallMs = 0;
    double stallsOver50 = 0;
    double longestStallAtMs = 0;
    bool finished = false;
};

Run runUntil(const std::function<bool()> &done, const std::function<void()> &everyFrame,
             int timeoutMs = 600000)
{
    Run run;
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 lastBeat = 0;
    qint64 lastCheck = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(1);
    QObject::connect(&heartbeat, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.nsecsElapsed();
        const double gap = double(now - lastBeat) / 1e6;
        if (gap > run.longestStallMs) {
            run.longestStallMs = gap;
            run.longestStallAtMs = double(now) / 1e6;
        }
        if (gap > 50)
            ++run.stallsOver50;
        lastBeat = now;
        // Checking costs time too; every 10 ms is fine-grained enough for the totals.
        if (now - lastCheck < 10'000'000)
            return;
        lastCheck = now;
        if (done()) {
            run.finished = true;
            loop.quit();
        } else if (clock.elapsed() > timeoutMs) {
            loop.quit();
        }
    });
    QTimer frame;
    frame.setInterval(16);
    if (everyFrame) {
        QObject::connect(&frame, &QTimer::timeout, &loop, everyFrame);
        frame.start();
    }
    clock.start();
    heartbeat.start();
    if (!done())
        loop.exec();
    else
        run.finished = true;
    run.elapsedMs = double(clock.nsecsElapsed()) / 1e6;
    return run;
}

void report(const char *name, const Run &run, const char *extra = "")
{
    std::printf("%-34s %8.0f ms  longest stall %6.1f ms (at %.0f ms)  stalls > 50 ms: %2.0f"
                "  resident %lld MiB%s%s\n",
                name, run.elapsedMs, run.longestStallMs, run.longestStallAtMs, run.stallsOver50,
                BenchSupport::residentKiB("VmRSS:") / 1024, extra,
                run.finished ? "" : "  (timed out)");
}

bool stripComplete(const PdfThumbnailPanel &strip, const PdfDocumentModel &model, int *cursor)
{
    // Rows before the cursor were seen complete already; thumbnails are never dropped here.
    while (*cursor < model.pageCount() && !strip.thumbnail(model.pageAt(*cursor)->id).isNull())
        ++*cursor;
    return *cursor == model.pageCount();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Documents opened here stay out of the user's recent files.
    QStandardPaths::setTestModeEnabled(true);

    QTemporaryDir dir;
    QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (path.isEmpty())
        path = dir.filePath(u"long.pdf"_s);
    if (!QFile::exists(path)) {
        QElapsedTimer timer;
        timer.start();
        if (!BenchSupport::writeLongDocument(
                path, DocumentPages, u"Section"_s, 25,
                u"Pages are moved, rotated and split while their thumbnails load. "_s)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("generated %d pages in %.1f s\n", DocumentPages, timer.elapsed() / 1000.0);
    }

    PdfDocumentModel model;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (!model.loadDocument(path, QString(), &error, &message)) {
        std::fprintf(stderr, "could not open %s: %s\n", qPrintable(path), qPrintable(message));
        return 1;
    }
    std::printf("document: %d pages; resident %lld MiB\n", model.pageCount(),
                BenchSupport::residentKiB("VmRSS:") / 1024);

    for (const bool scrolling : {false, true}) {
        PdfRenderManager renderManager;
        PdfThumbnailPanel strip;
        strip.resize(210, 860);
        strip.show();
        QCoreApplication::processEvents();
        QScrollBar *bar = strip.listView()->verticalScrollBar();
        int cursor = 0;
        int direction = 1;
        QElapsedTimer firstScreen;
        firstScreen.start();
        strip.setDocumentModel(&model);
        strip.setRenderManager(&renderManager);
        const Run visible = runUntil(
            [&] {
                for (int row = 0; row < 4; ++row) {
                    if (strip.thumbnail(model.pageAt(row)->id).isNull())
                        return false;
                }
                return true;
            },
            {});
        const Run all = runUntil([&] { return stripComplete(strip, model, &cursor); },
                                 scrolling ? std::function<void()>([&] {
                                     // Back and forth through the document, a card per frame.
                                     if (bar->value() >= bar->maximum())
                                         direction = -1;
                                     else if (bar->value() <= 0)
                                         direction = 1;
                                     bar->setValue(bar->value() + direction * 228);
                                 })
                                           : std::function<void()>());
        Run total = all;
        total.elapsedMs += visible.elapsedMs;
        total.longestStallMs = std::max(all.longestStallMs, visible.longestStallMs);
        char extra[80];
        std::snprintf(extra, sizeof extra, "  (first screen %.0f ms)", visible.elapsedMs);
        report(scrolling ? "strip, all thumbnails, scrolling" : "strip, all thumbnails, idle",
               total, extra);
    }

    {
        // Flung from the first to the last card in about a second: how soon the cards the user
        // stopped at have their thumbnails.
        PdfRenderManager renderManager;
        PdfThumbnailPanel strip;
        strip.resize(210, 860);
        strip.show();
        QCoreApplication::processEvents();
        strip.setDocumentModel(&model);
        strip.setRenderManager(&renderManager);
        QListView *list = strip.listView();
        QScrollBar *bar = list->verticalScrollBar();
        const int step = std::max(bar->maximum() / 60, 1);
        bool atEnd = false;
        const Run fling = runUntil(
            [&] {
                if (!atEnd)
                    return false;
                for (int row = model.pageCount() - 3; row < model.pageCount(); ++row) {
                    if (strip.thumbnail(model.pageAt(row)->id).isNull())
                        return false;
                }
                return true;
            },
            [&] {
                bar->setValue(bar->value() + step);
                atEnd = bar->value() >= bar->maximum();
            });
        report("strip, flung to the end", fling);
    }

    {
        PdfRenderManager renderManager;
        PdfPageManagerView grid;
        grid.resize(1150, 860);
        grid.show();
        QCoreApplication::processEvents();
        grid.setDocumentModel(&model);
        grid.setRenderManager(&renderManager);
        QScrollBar *bar = grid.grid()->verticalScrollBar();
        QWidget *viewport = grid.grid()->viewport();
        const auto screenDone = [&] {
            for (int row = 0; row < model.pageCount(); ++row) {
                const QRect item = grid.grid()->visualRect(model.index(row));
                if (item.intersects(viewport->rect()) &&
                    grid.thumbnail(model.pageAt(row)->id).isNull())
                    return false;
            }
            return true;
        };
        report("grid, first screen", runUntil(screenDone, {}));
        bool atEnd = false;
        const Run through =
            runUntil([&] { return atEnd && screenDone(); },
                     [&] {
                         bar->setValue(bar->value() + std::max(bar->maximum() / 60, 1));
                         atEnd = bar->value() >= bar->maximum();
                     });
        report("grid, flung to the end", through);
    }
    return 0;
}
