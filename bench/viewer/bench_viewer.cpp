// The viewer on a long manual, offscreen, the way a user meets it: the file is opened in a tab of
// the main window, then read by flicking quickly to the end and by jumping about. Reports the
// time to the first painted page, the longest stall of the event loop while scrolling, how long
// the pages take to appear once scrolling stops, and resident memory.
//
// Usage: bench_viewer [document.pdf]
// Without a document, a 2,000-page manual (text on every page, a picture on every third) is
// written to a temporary folder first.

#include "benchsupport.h"
#include "customtabwidget.h"
#include "framelesswindow.h"
#include "mainpage.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfrendermanager.h"
#include "pdfshowpage.h"
#include "pdfthumbnailpanel.h"
#include "pdfviewerwidget.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::StringLiterals;

namespace {

double mib(qint64 kib)
{
    return double(kib) / 1024.0;
}

// Where the resident memory is: page images held by the view and by the render cache (shared
// where both hold the same page), thumbnails, and the allocator's view of its heap. Read at once
// and again after a rest, once the render manager has handed freed memory back.
void printMemory(const char *when, PdfViewerWidget *viewer, qint64 baseKiB)
{
    const qint64 busyKiB = BenchSupport::residentKiB("VmRSS:");
    QTest::qWait(1500);
    qint64 thumbnailBytes = 0;
    int thumbnails = 0;
    const PdfDocumentModel *model = viewer->documentModel();
    for (int row = 0; row < model->pageCount(); ++row) {
        const QImage image = viewer->thumbnailPanel()->thumbnail(model->pageAt(row)->id);
        thumbnailBytes += image.sizeInBytes();
        thumbnails += image.isNull() ? 0 : 1;
    }
    std::printf("  %s: resident +%.0f MiB, at rest +%.0f MiB (peak +%.0f MiB); view images %.0f "
                "MiB, render cache %.0f MiB, %d thumbnails %.0f MiB",
                when, mib(busyKiB - baseKiB), mib(BenchSupport::residentKiB("VmRSS:") - baseKiB),
                mib(BenchSupport::residentKiB("VmHWM:") - baseKiB),
                double(viewer->documentView()->imageBytes()) / 1048576.0,
                double(viewer->renderManager()->cacheBytes()) / 1048576.0, thumbnails,
                double(thumbnailBytes) / 1048576.0);
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    std::printf("; malloc in use %.0f MiB (mapped %.0f MiB), free but held %.0f MiB",
                double(info.uordblks + info.hblkhd) / 1048576.0, double(info.hblkhd) / 1048576.0,
                double(info.fordblks) / 1048576.0);
#endif
    std::printf("\n");
}

bool writeManual(const QString &path, int pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QImage picture(600, 400, QImage::Format_RGB32);
    {
        QPainter p(&picture);
        QLinearGradient g(0, 0, 600, 400);
        g.setColorAt(0, QColor(30, 80, 160));
        g.setColorAt(1, QColor(230, 160, 40));
        p.fillRect(picture.rect(), g);
        for (int i = 0; i < 60; ++i)
            p.fillRect((i * 97) % 600, (i * 53) % 400, 40, 30,
                       QColor::fromHsv((i * 37) % 360, 180, 220));
    }
    const QString text = u"Section text of a long manual, set in a plain face to be read. "_s;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.setFont(QFont(u"DejaVu Serif"_s, 14, QFont::Bold));
        painter.drawText(QRectF(50, 40, 495, 30), u"Chapter %1"_s.arg(page / 25 + 1));
        painter.setFont(QFont(u"DejaVu Sans"_s, 9));
        for (int line = 0; line < 46; ++line)
            painter.drawText(QRectF(50, 80 + line * 13, 495, 13),
                             text.repeated(3).mid(line % 30, 100));
        if (page % 3 == 0)
            painter.drawImage(QRectF(120, 690, 360, 110), picture);
        painter.drawText(QRectF(50, 810, 495, 14), Qt::AlignCenter, QString::number(page + 1));
    }
    return painter.end();
}

bool visiblePagesShown(PdfViewerWidget *viewer)
{
    PdfDocumentView *view = viewer->documentView();
    const QRect visible(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value(),
                        view->viewport()->width(), view->viewport()->height());
    const PdfDocumentModel *model = viewer->documentModel();
    for (int row = 0; row < model->pageCount(); ++row) {
        const QRect r = view->pageRect(row);
        if (r.top() > visible.bottom())
            break;
        if (r.intersects(visible) && !view->hasPageImage(model->pageAt(row)->id))
            return false;
    }
    return true;
}

// Milliseconds until every page on screen shows its image.
double msUntilShown(PdfViewerWidget *viewer)
{
    QElapsedTimer clock;
    clock.start();
    if (!QTest::qWaitFor([viewer] { return visiblePagesShown(viewer); }, 60000))
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Startup::configureApplication(app);
    // Documents opened here stay out of the user's recent files.
    QStandardPaths::setTestModeEnabled(true);
    // A reading place left by an earlier run would open the manual elsewhere than page 1.
    for (const auto location : {QStandardPaths::AppConfigLocation, QStandardPaths::AppDataLocation})
        QDir(QStandardPaths::writableLocation(location)).removeRecursively();

    QTemporaryDir dir;
    QString path = QApplication::arguments().value(1);
    if (path.isEmpty()) {
        path = dir.filePath(u"manual.pdf"_s);
        QElapsedTimer made;
        made.start();
        if (!writeManual(path, 2000)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("wrote a 2000-page manual in %.1f s (%.1f MiB)\n",
                    double(made.elapsed()) / 1000.0, double(QFile(path).size()) / 1048576.0);
    }

    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    const qint64 baseKiB = BenchSupport::residentKiB("VmRSS:");

    // Open: from the request to the first page painted on screen.
    QElapsedTimer clock;
    clock.start();
    page->onFileOpen(path);
    const double openedMs = double(clock.nsecsElapsed()) / 1e6;
    auto *tab = qobject_cast<PdfShowPage *>(page->tabWidget()->currentWidget());
    if (!tab) {
        std::fprintf(stderr, "the document did not open\n");
        return 1;
    }
    PdfViewerWidget *viewer = tab->viewer();
    PdfDocumentView *view = viewer->documentView();
    const PdfPageId first = viewer->documentModel()->pageAt(0)->id;
    if (!QTest::qWaitFor([view, first] { return view->hasPageImage(first); }, 60000))
        return 1;
    view->viewport()->repaint();
    const double firstPaintMs = double(clock.nsecsElapsed()) / 1e6;
    const int pages = viewer->documentModel()->pageCount();
    std::printf("open %d pages: document ready %.1f ms, first page painted %.1f ms "
                "(budget 300 ms)\n",
                pages, openedMs, firstPaintMs);
    {
        // The sizes of the pages past the first screen come from the background.
        BenchSupport::StallMeter arrival(2);
        arrival.start();
        if (!QTest::qWaitFor([viewer] { return !viewer->documentModel()->pageSizesPending(); },
                             60000))
            std::printf("the page sizes did not arrive\n");
        const double sizesMs = double(clock.nsecsElapsed()) / 1e6;
        QTest::qWait(500);
        std::printf("every page's size read %.0f ms after the request to open; longest stall "
                    "meanwhile %.1f ms; resident +%.0f MiB (peak +%.0f MiB)\n",
                    sizesMs, arrival.stopMs(), mib(BenchSupport::residentKiB("VmRSS:") - baseKiB),
                    mib(BenchSupport::residentKiB("VmHWM:") - baseKiB));
    }

    // Flick to the end: 1,500 pixels every 8 ms, about a page and a half per frame; on very
    // long documents larger steps, so that the flick takes at most 2,000 frames.
    BenchSupport::StallMeter stall(2);
    QScrollBar *bar = view->verticalScrollBar();
    const int flickStep = std::max(1500, bar->maximum() / 2000);
    QTimer flick;
    flick.setTimerType(Qt::PreciseTimer);
    QEventLoop flickDone;
    int steps = 0;
    double longestStepMs = 0;
    QObject::connect(&flick, &QTimer::timeout, &flickDone, [&] {
        QElapsedTimer step;
        step.start();
        bar->setValue(bar->value() + flickStep);
        longestStepMs = std::max(longestStepMs, double(step.nsecsElapsed()) / 1e6);
        ++steps;
        if (bar->value() >= bar->maximum())
            flickDone.quit();
    });
    clock.restart();
    stall.start();
    flick.start(8);
    flickDone.exec();
    flick.stop();
    const double flickMs = double(clock.nsecsElapsed()) / 1e6;
    const double flickStall = stall.stopMs();
    const double settleMs = msUntilShown(viewer);
    std::printf(
        "flick to the end: %d steps of %d px in %.0f ms (%.0f pages/s), longest stall %.1f ms, "
        "longest scroll step %.2f ms; pages shown %.0f ms after stopping; current page "
        "%d\n",
        steps, flickStep, flickMs, pages / (flickMs / 1000.0), flickStall, longestStepMs, settleMs,
        view->currentPage() + 1);
    printMemory("after the flick", viewer, baseKiB);

    // Jumping about, as when dragging the scroll bar's handle: 200 jumps, one every 30 ms.
    QRandomGenerator random(7);
    QTimer jump;
    QEventLoop jumpsDone;
    int jumps = 0;
    QObject::connect(&jump, &QTimer::timeout, &jumpsDone, [&] {
        viewer->goToPage(int(random.bounded(pages)));
        if (++jumps == 200)
            jumpsDone.quit();
    });
    stall.start();
    jump.start(30);
    jumpsDone.exec();
    jump.stop();
    const double jumpStall = stall.stopMs();
    const double jumpSettleMs = msUntilShown(viewer);
    std::printf("200 jumps: longest stall %.1f ms; pages shown %.0f ms after the last jump\n",
                jumpStall, jumpSettleMs);
    printMemory("after the jumps", viewer, baseKiB);

    // Zooming with the wheel over the page, 40 steps in and out.
    stall.start();
    for (int i = 0; i < 40; ++i) {
        if (i < 20)
            viewer->zoomIn();
        else
            viewer->zoomOut();
        QTest::qWait(16);
    }
    const double zoomStall = stall.stopMs();
    const double zoomSettleMs = msUntilShown(viewer);
    std::printf("40 zoom steps: longest stall %.1f ms; pages shown %.0f ms after the last\n",
                zoomStall, zoomSettleMs);
    printMemory("after zooming", viewer, baseKiB);

    // Reading at the deepest zoom, where every page image is as large as the view allows.
    viewer->documentView()->setZoomFactor(PdfDocumentView::MaxZoom);
    const double deepSettleMs = msUntilShown(viewer);
    stall.start();
    for (int i = 0; i < 12; ++i) {
        bar->setValue(bar->value() + view->viewport()->height());
        if (msUntilShown(viewer) < 0)
            break;
    }
    const double deepStall = stall.stopMs();
    std::printf("at %.0f%%: every page on screen drawn (the older images scaled, if need be) %.0f "
                "ms after the change; 12 screens read, longest stall %.1f ms\n",
                PdfDocumentView::MaxZoom * 100, deepSettleMs, deepStall);
    printMemory("at the deepest zoom", viewer, baseKiB);

    // Back to the width of the window: what stays once the large images are let go.
    viewer->documentView()->fitWidth();
    msUntilShown(viewer);
    QTest::qWait(500);
    printMemory("back at fit width", viewer, baseKiB);
    std::printf("resident at the end +%.0f MiB, peak +%.0f MiB over %.0f MiB before opening "
                "(render cache bound %lld MiB)\n",
                mib(BenchSupport::residentKiB("VmRSS:") - baseKiB),
                mib(BenchSupport::residentKiB("VmHWM:") - baseKiB), mib(baseKiB),
                static_cast<long long>(PdfRenderManager::CacheMaxCost / 1024));
    return 0;
}
