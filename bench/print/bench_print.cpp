// Printing a long document to a PDF file from a viewer tab, the way a user does it, while a 1 ms
// heartbeat timer measures the longest stall of the event loop. Reports, for 100 pages out of
// the middle of a 200-page manual:
//   1. as PDF: the engine writes the chosen pages (what printing to a file does);
//   2. rendered: every page rendered at the printer's resolution and painted on a worker thread
//      (what printers without PDF input get);
//   3. old: the same rendering on the GUI thread, as printing used to run (skip with --no-old).
// Each row gives the time, the longest stall and the output size against the share of the
// source those pages take.
//
// Usage: bench_print [--pages N] [--no-old] [--shot progress.png]
// --shot grabs the screen while the progress box of a long print is up, and again once Escape
// asked it to cancel (run under xvfb-run); nothing is measured then.

#include "benchsupport.h"
#include "pdfdocumentmodel.h"
#include "pdfprintjob.h"
#include "pdfprintworker.h"
#include "pdfviewerwidget.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    qint64 ms = 0;
    qint64 stallMs = 0;
    qint64 bytes = 0;
};

// Runs work while a heartbeat measures the longest gap between its ticks.
Run measure(const std::function<void()> &work, const std::function<void()> &onTick = {})
{
    BenchSupport::StallMeter meter(1, onTick);
    meter.start();
    QCoreApplication::processEvents();
    work();
    Run run;
    run.ms = meter.elapsedMs();
    run.stallMs = qint64(meter.stopMs());
    return run;
}

void report(const char *name, const Run &run, qint64 shareBytes)
{
    std::printf("%-10s %8.2f s   stall %6lld ms   %8.2f MB   (%.2fx the pages' share of the "
                "source)\n",
                name, run.ms / 1000.0, static_cast<long long>(run.stallMs), run.bytes / 1048576.0,
                shareBytes > 0 ? double(run.bytes) / double(shareBytes) : 0.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::configureApplication(app);
    int pages = 100;
    bool old = true;
    QString shot;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == u"--pages"_s && i + 1 < args.size())
            pages = args.at(++i).toInt();
        else if (args.at(i) == u"--no-old"_s)
            old = false;
        else if (args.at(i) == u"--shot"_s && i + 1 < args.size())
            shot = args.at(++i);
    }

    QTemporaryDir dir;
    const QString source = dir.filePath(u"manual.pdf"_s);
    const int total = 2 * pages;
    if (!BenchSupport::writeLongDocument(
            source, total, u"Chapter"_s, 20,
            u"Printing should never stop the window from answering. "_s)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(source));
        return 1;
    }
    const qint64 shareBytes = QFileInfo(source).size() * pages / total;
    std::printf("source: %d pages, %.2f MB; printing pages %d-%d (their share: %.2f MB)\n", total,
                QFileInfo(source).size() / 1048576.0, pages / 2 + 1, pages / 2 + pages,
                shareBytes / 1048576.0);

    PdfViewerWidget viewer;
    viewer.resize(1160, 780);
    viewer.show();
    if (!viewer.openDocument(source)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(source));
        return 1;
    }
    QTest::qWait(1500);

    const int from = pages / 2 + 1;
    const int to = pages / 2 + pages;
    const auto printTo = [&](const QString &out) {
        PdfPrintJob::setDialogHook([out, from, to](QPrinter *printer, QWidget *) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(out);
            return PdfPrintJob::DialogAnswer{true, from, to};
        });
    };

    if (!shot.isEmpty()) {
        // The progress box of a long print, then the same box once Cancel was pressed.
        printTo(dir.filePath(u"shot.pdf"_s));
        PdfPrintJob::setRenderedOnly(true);
        int step = 0;
        QTimer poll;
        poll.setInterval(100);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box || box->objectName() != u"pdfPrintProgressBox"_s || ++step < 30)
                return;
            if (step == 30) {
                QGuiApplication::primaryScreen()->grabWindow(0).save(shot);
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (step == 31) {
                QString cancelling = shot;
                cancelling.replace(u".png"_s, u"-cancelling.png"_s);
                QGuiApplication::primaryScreen()->grabWindow(0).save(cancelling);
            }
        });
        poll.start();
        viewer.printDocument();
        std::printf("screenshots written; cancelled print left %s\n",
                    QFileInfo::exists(dir.filePath(u"shot.pdf"_s)) ? "a file (wrong)" : "no file");
        return 0;
    }

    const QString vectorOut = dir.filePath(u"as-pdf.pdf"_s);
    printTo(vectorOut);
    Run vector = measure([&] { viewer.printDocument(); });
    vector.bytes = QFileInfo(vectorOut).size();
    report("as PDF", vector, shareBytes);

    const QString renderedOut = dir.filePath(u"rendered.pdf"_s);
    printTo(renderedOut);
    PdfPrintJob::setRenderedOnly(true);
    Run rendered = measure([&] { viewer.printDocument(); });
    rendered.bytes = QFileInfo(renderedOut).size();
    report("rendered", rendered, shareBytes);
    PdfPrintJob::setRenderedOnly(false);

    if (old) {
        // The rendering loop run where it used to run: on the GUI thread.
        const QString oldOut = dir.filePath(u"old.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(oldOut);
        PdfPrintWorker::Order order;
        order.route = PdfPrintWorker::Route::Rendered;
        order.printer = &printer;
        const PdfDocumentModel *model = viewer.documentModel();
        for (int row = from - 1; row < to; ++row) {
            order.pages.append(PdfDocumentModel::toSourcePage(*model->pageAt(row)));
            order.displaySizes.append(PdfDocumentModel::displaySize(*model->pageAt(row)));
        }
        PdfPrintWorker worker(order);
        Run previous = measure([&] { worker.run(); });
        previous.bytes = QFileInfo(oldOut).size();
        report("old", previous, shareBytes);
    }
    return 0;
}
