// Finding a word in a long manual, offscreen, in a viewer tab: the time until every page is
// searched and the hits counted, the time to the first hit shown, and the longest stall of the
// event loop meanwhile. Searches twice: right after opening, while the thumbnails and pages are
// still being rendered, and again once rendering has come to rest.
//
// Usage: bench_find [--shot viewer.png] [document.pdf [word]]
// Without a document, or when the named one does not exist yet, a 2,400-page manual is written
// first (to a temporary folder, or to the name given).

#include "benchsupport.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffindbar.h"
#include "pdfrendermanager.h"
#include "pdftextsearch.h"
#include "pdfviewerwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// CPU time of the whole process so far, all threads, in ms: with the machine busy elsewhere it
// tells what the search itself costs.
qint64 cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

// The longest gap between ticks of a 5 ms timer over a while with nothing to do: the scheduler's
// share of any stall measured below.
qint64 idleStall(int ms)
{
    qint64 longest = 0;
    QElapsedTimer tick;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] { longest = qMax(longest, tick.restart()); });
    tick.start();
    probe.start();
    QTest::qWait(ms);
    return longest;
}

void searchOnce(PdfViewerWidget *viewer, const QString &word, const char *label,
                const QString &progressShot = QString())
{
    PdfFindBar *bar = viewer->findChild<PdfFindBar *>(u"pdfFindBar"_s);
    PdfTextSearch *search = bar->search();
    bar->closeBar();
    QTest::qWait(200);

    qint64 longestStall = 0;
    QElapsedTimer tick;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { longestStall = qMax(longestStall, tick.restart()); });
    qint64 firstHit = -1;
    QElapsedTimer clock;
    bool grabbed = progressShot.isEmpty();
    QObject::connect(search, &PdfTextSearch::resultsChanged, &probe, [&] {
        if (firstHit < 0 && search->hitCount() > 0)
            firstHit = clock.elapsed();
        if (!grabbed && clock.elapsed() > 1000) {
            grabbed = true;
            viewer->grab().save(progressShot);
        }
    });
    QEventLoop loop;
    QObject::connect(search, &PdfTextSearch::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);

    bar->openBar();
    bar->lineEdit()->setText(word);
    const qint64 cpuBefore = cpuMs();
    tick.start();
    probe.start();
    clock.start();
    QTest::keyClick(bar->lineEdit(), Qt::Key_Return);
    loop.exec();
    const qint64 total = clock.elapsed();
    const qint64 cpu = cpuMs() - cpuBefore;
    probe.stop();
    std::printf("%s: \"%s\" %d hits on %d pages; first hit %lld ms, all counted %lld ms (CPU %lld "
                "ms, all threads), longest event-loop stall %lld ms; status \"%s\"\n",
                label, qPrintable(word), search->hitCount(), search->pagesTotal(), firstHit, total,
                cpu, longestStall, qPrintable(bar->statusText()));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QString shot;
    if (const qsizetype at = args.indexOf(u"--shot"_s); at > 0 && at + 1 < args.size()) {
        shot = args.at(at + 1);
        args.remove(at, 2);
    }

    QTemporaryDir dir;
    QString path = args.value(1);
    const QString word = args.value(2, u"manual"_s);
    if (path.isEmpty() || !QFile::exists(path)) {
        if (path.isEmpty())
            path = dir.filePath(u"manual.pdf"_s);
        QElapsedTimer writing;
        writing.start();
        if (!BenchSupport::writeLongDocument(
                path, 2400, u"Chapter"_s, 40,
                u"Every reader of this manual keeps the pages open while the work goes on. "_s)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("wrote a 2,400-page manual in %lld ms\n", writing.elapsed());
    }

    PdfViewerWidget viewer;
    viewer.resize(1280, 860);
    viewer.show();
    if (!viewer.openDocument(path, QString())) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }
    QTest::qWait(300);
    std::printf("%s: %d pages\n", qPrintable(path), viewer.documentModel()->pageCount());
    searchOnce(&viewer, word, "right after opening");

    // Rendering is at rest once no page image arrived for a while.
    QElapsedTimer quiet;
    quiet.start();
    QObject::connect(viewer.renderManager(), &PdfRenderManager::pageRendered, &viewer,
                     [&quiet] { quiet.restart(); });
    QElapsedTimer waited;
    waited.start();
    while (quiet.elapsed() < 2000 && waited.elapsed() < 120000)
        QTest::qWait(100);
    std::printf("rendering at rest after %lld more ms; longest event-loop stall with nothing to "
                "do, over 3 s: %lld ms\n",
                waited.elapsed(), idleStall(3000));
    searchOnce(&viewer, word, "at rest",
               shot.isEmpty() ? QString() : shot.chopped(4) + u"-progress.png"_s);
    if (!shot.isEmpty()) {
        QTest::keyClick(viewer.findChild<PdfFindBar *>(u"pdfFindBar"_s)->lineEdit(), Qt::Key_F3);
        QTest::qWait(1500);
        viewer.grab().save(shot);
        std::printf("grabbed the viewer to %s\n", qPrintable(shot));
    }
    return 0;
}
