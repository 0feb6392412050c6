// Finding a word in a long manual, offscreen, in a viewer tab: the time until every page is
// searched and the hits counted, the time to the first hit shown, and the longest stall of the
// event loop meanwhile. Searches twice: once with cold documents, once more with the search
// threads' documents already open.
//
// Usage: bench_find [document.pdf [word]]
// Without a document, or when the named one does not exist yet, a 2,400-page manual is written
// first (to a temporary folder, or to the name given).

#include "benchsupport.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffindbar.h"
#include "pdftextsearch.h"
#include "pdfviewerwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void searchOnce(PdfViewerWidget *viewer, const QString &word, const char *label)
{
    PdfFindBar *bar = viewer->findBar();
    PdfTextSearch *search = bar->search();
    bar->closeBar();
    QTest::qWait(200);

    qint64 longestStall = 0;
    QElapsedTimer tick;
    QTimer probe;
    probe.setInterval(2);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestStall = qMax(longestStall, tick.restart());
    });
    qint64 firstHit = -1;
    QElapsedTimer clock;
    QObject::connect(search, &PdfTextSearch::resultsChanged, &probe, [&] {
        if (firstHit < 0 && search->hitCount() > 0)
            firstHit = clock.elapsed();
    });
    bool done = false;
    QObject::connect(search, &PdfTextSearch::finished, &probe, [&] { done = true; });

    bar->openBar();
    bar->lineEdit()->setText(word);
    tick.start();
    probe.start();
    clock.start();
    QTest::keyClick(bar->lineEdit(), Qt::Key_Return);
    while (!done && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const qint64 total = clock.elapsed();
    probe.stop();
    std::printf("%s: \"%s\" %d hits on %d pages; first hit %lld ms, all counted %lld ms, longest "
                "event-loop stall %lld ms; status \"%s\"\n",
                label, qPrintable(word), search->hitCount(), search->pagesTotal(), firstHit, total,
                longestStall, qPrintable(bar->statusText()));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();

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
    QTest::qWait(500);
    std::printf("%s: %d pages\n", qPrintable(path), viewer.documentModel()->pageCount());

    searchOnce(&viewer, word, "cold");
    searchOnce(&viewer, word, "warm");
    return 0;
}
