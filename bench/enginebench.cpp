// Engine benchmark: make a large document, render it, save it reorganised.
//   enginebench make <out.pdf> <pages>
//   enginebench render <in.pdf> <dpi> <threads> [first-last]   (pages counted from 1)
//   enginebench save <in.pdf> <out.pdf> [password]   (an encrypted input stays encrypted)
//   enginebench inspect <in.pdf> [password]
#include "pdfeditorbackend.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

int make(const QString &out, int pages)
{
    QPdfWriter writer(out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter(&writer);
    QImage photo(600, 400, QImage::Format_RGB32);
    {
        QPainter p(&photo);
        QLinearGradient g(0, 0, 600, 400);
        g.setColorAt(0, QColor(30, 80, 160));
        g.setColorAt(1, QColor(230, 160, 40));
        p.fillRect(photo.rect(), g);
        for (int i = 0; i < 60; ++i)
            p.fillRect((i * 97) % 600, (i * 53) % 400, 40, 30,
                       QColor::fromHsv((i * 37) % 360, 180, 220));
    }
    const QString text = u"Velmora renders and reorganises large documents. "_s.repeated(3);
    for (int page = 0; page < pages; ++page) {
        if (page)
            writer.newPage();
        painter.setFont(QFont(u"DejaVu Serif"_s, 14, QFont::Bold));
        painter.drawText(QRectF(50, 40, 495, 30), u"Chapter %1"_s.arg(page + 1));
        painter.setFont(QFont(u"DejaVu Sans"_s, 9));
        for (int line = 0; line < 40; ++line)
            painter.drawText(QRectF(50, 80 + line * 13, 495, 13), text.mid(line % 20, 95));
        if (page % 3 == 0)
            painter.drawImage(QRectF(120, 620, 360, 180), photo);
        painter.setPen(QPen(QColor(200, 40, 40), 2));
        for (int i = 0; i < 12; ++i)
            painter.drawLine(QPointF(50 + i * 40, 810),
                             QPointF(70 + i * 40, 790 - (i * page) % 30));
        painter.setPen(Qt::black);
    }
    painter.end();
    std::printf("made %s with %d pages\n", qPrintable(out), pages);
    return 0;
}

int render(const QString &in, int dpi, int threads, const QString &range)
{
    PdfDocumentInfo info;
    PdfBackendError error;
    QString message;
    QElapsedTimer timer;
    timer.start();
    // A range reads only the sizes it needs, as the viewer reads a long file's first screen.
    const QStringList bounds = range.split(u'-');
    const int last = range.isEmpty() ? -1 : bounds.value(1, bounds.value(0)).toInt();
    if (!PdfEditorBackend::inspectDocument(in, {}, last, &info, &error, &message)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 1;
    }
    const qint64 inspectMs = timer.elapsed();
    int first = 0;
    int count = int(info.pageSizes.size());
    if (!range.isEmpty()) {
        first = qBound(0, bounds.value(0).toInt() - 1, count);
        count = qBound(first, last, count);
    }
    std::atomic<int> next{first};
    std::atomic<int> failed{0};
    timer.restart();
    auto worker = [&] {
        // Each thread takes a run of neighbouring pages, whose objects tend to share object
        // streams, and draws them one at a time, as the image export does: one buffer, still
        // in the cache, is reused page after page.
        constexpr int run = 16;
        for (int start = next.fetch_add(run); start < count; start = next.fetch_add(run)) {
            for (int i = start; i < qMin(count, start + run); ++i) {
                PdfSourcePage page;
                page.filePath = in;
                page.pageIndex = i;
                QList<QString> errors;
                const QList<QImage> images = PdfEditorBackend::renderPages(
                    {page}, {(info.pageSizes[i] * dpi / 72.0).toSize()}, &errors);
                if (images.value(0).isNull())
                    ++failed;
            }
        }
    };
    // This thread reads on with the document it inspected, as the image export does; the others
    // open their own.
    std::vector<QThread *> workers;
    for (int t = 1; t < threads; ++t) {
        workers.push_back(QThread::create(worker));
        workers.back()->start();
    }
    worker();
    for (QThread *worker : workers) {
        worker->wait();
        delete worker;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("inspect %lld ms; rendered %d pages at %d dpi on %d threads in %.2f s: %.1f "
                "pages/s (%d failed)\n",
                inspectMs, count - first, dpi, threads, seconds, (count - first) / seconds,
                failed.load());
    return failed ? 1 : 0;
}

int inspect(const QString &in, const QString &password)
{
    PdfDocumentInfo info;
    PdfBackendError error;
    QString message;
    QElapsedTimer timer;
    timer.start();
    const bool ok = PdfEditorBackend::inspectDocument(in, password, &info, &error, &message);
    std::printf("%s: %s %lld pages, error %d %s (%lld ms)\n", qPrintable(in),
                ok ? "opened" : "refused", static_cast<long long>(info.pageSizes.size()),
                int(error), qPrintable(message), timer.elapsed());
    return ok ? 0 : 1;
}

int save(const QString &in, const QString &out, const QString &password)
{
    PdfDocumentInfo info;
    PdfBackendError error;
    QString message;
    if (!PdfEditorBackend::inspectDocument(in, password, &info, &error, &message)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 1;
    }
    const int count = int(info.pageSizes.size());
    // Reverse order, every third output page turned, ten pages duplicated at the end.
    QList<PdfSourcePage> pages;
    for (int i = count - 1; i >= 0; --i) {
        PdfSourcePage page;
        page.filePath = in;
        page.password = password;
        page.pageIndex = i;
        page.pageSize = info.pageSizes[i];
        page.rotation = (pages.size() % 3 == 0) ? 90 : 0;
        pages << page;
    }
    for (int k = 0; k < 10; ++k) {
        PdfSourcePage page = pages[(k * 97) % count];
        page.rotation = 0;
        pages << page;
    }
    QElapsedTimer timer;
    timer.start();
    if (!PdfEditorBackend::saveDocument(pages, out, &error, &message)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 1;
    }
    std::printf("saved %lld pages in %.3f s\n", static_cast<long long>(pages.size()),
                timer.nsecsElapsed() / 1e9);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == "make"_L1)
        return make(args[2], args[3].toInt());
    if (args.size() >= 5 && args[1] == "render"_L1)
        return render(args[2], args[3].toInt(), args[4].toInt(), args.value(5));
    if (args.size() >= 4 && args[1] == "save"_L1)
        return save(args[2], args[3], args.value(4));
    if (args.size() >= 3 && args[1] == "inspect"_L1)
        return inspect(args[2], args.value(3));
    std::fprintf(
        stderr,
        "usage: enginebench make OUT PAGES | render IN DPI THREADS [FIRST-LAST] | save IN OUT "
        "[PASSWORD] | inspect IN [PASSWORD]\n");
    return 2;
}
