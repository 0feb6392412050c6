// Responsiveness of a tool page with many files: hundreds of PDFs dropped on the compress page,
// started at once, and compressed next to their sources while a 1 ms heartbeat timer
// measures the longest stall of the event loop.
//   1. drop: time from the drop until the file list is shown with its rows, then the time the
//      list takes to look at every file for a password and its longest stall meanwhile;
//   2. start: time of the start (naming and submitting every job, one row each);
//   3. run: time until every row shows its final status, and the longest stall meanwhile.
//
// Usage: bench_toolpages [files]   (default 500, made in a temporary folder)

#include "batchoptionspanel.h"
#include "benchsupport.h"
#include "filedropzonewidget.h"
#include "filelistwidget.h"
#include "iconbutton.h"
#include "tasklistwidget.h"
#include "toolpages.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

bool writeDocument(const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    painter.setFont(QFont(u"Serif"_s, 11));
    for (int line = 0; line < 40; ++line)
        painter.drawText(
            200, 300 + line * 220,
            u"Line %1 of a short letter that is compressed many times over."_s.arg(line + 1));
    return true;
}

// Runs the event loop until done() holds; returns the longest gap between heartbeats in ms.
qint64 runUntil(const std::function<bool()> &done, qint64 *elapsed)
{
    BenchSupport::StallMeter meter;
    meter.start();
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    *elapsed = meter.elapsedMs();
    return qint64(meter.stopMs());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500;

    QTemporaryDir work;
    const QString first = work.filePath(u"letter.pdf"_s);
    if (!writeDocument(first))
        return 1;
    QList<QUrl> urls;
    for (int i = 0; i < count; ++i) {
        const QString copy = work.filePath(u"letter-%1.pdf"_s.arg(i, 4, 10, QLatin1Char('0')));
        QFile::copy(first, copy);
        urls.append(QUrl::fromLocalFile(copy));
    }

    PdfCompressPage page;
    page.resize(1160, 740);
    page.show();
    QApplication::processEvents();

    QElapsedTimer clock;
    QMimeData data;
    data.setUrls(urls);
    clock.start();
    QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page.dropZone(), &enter);
    QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page.dropZone(), &drop);
    page.fileList()->repaint();
    const qint64 dropMs = clock.elapsed();

    // Each file is looked at for a password off the GUI thread; a start waits for that.
    qint64 checkMs = 0;
    const qint64 checkStall = runUntil([&] { return !page.fileList()->isChecking(); }, &checkMs);

    clock.restart();
    page.optionsPanel()->startButton()->click();
    page.taskList()->repaint();
    const qint64 startMs = clock.elapsed();

    QListWidget *rows = page.taskList()->listWidget();
    const auto finished = [&] {
        for (int i = 0; i < rows->count(); ++i) {
            if (page.taskList()->status(rows->item(i)->data(Qt::UserRole).toString()) < 3)
                return false;
        }
        return true;
    };
    qint64 runMs = 0;
    const qint64 stall = runUntil(finished, &runMs);

    int done = 0;
    for (int i = 0; i < rows->count(); ++i)
        done += page.taskList()->status(rows->item(i)->data(Qt::UserRole).toString()) == 3;
    std::printf("files %d: drop %lld ms, password checks %lld ms (longest stall %lld ms), "
                "start %lld ms (%d rows), jobs %lld ms, %d completed, "
                "longest event-loop stall while running %lld ms\n",
                count, static_cast<long long>(dropMs), static_cast<long long>(checkMs),
                static_cast<long long>(checkStall), static_cast<long long>(startMs),
                int(rows->count()), static_cast<long long>(runMs), done,
                static_cast<long long>(stall));
    return done == count ? 0 : 1;
}
