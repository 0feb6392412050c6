#pragma once

#include "pdfeditorbackend.h"

#include <QList>
#include <QSizeF>
#include <QString>

#include <atomic>

class QPrinter;

// One print run, prepared on the GUI thread and carried out on a worker thread from copies of
// the pages, so the document may change while they are written.
class PdfPrintWorker
{
public:
    enum class Route {
        // The page subset written as PDF into the staged file.
        PdfFile,
        // The subset handed to the system's spooler; rendered pages when it cannot be queued.
        Spool,
        // Pages rendered by the engine and painted onto the printer.
        Rendered,
    };

    struct Order
    {
        Route route = Route::Rendered;
        QList<PdfSourcePage> pages;
        QList<QSizeF> displaySizes; // points, the user's rotation applied; one per page
        int firstRow = 0;           // row of the first page, for messages
        QString target;             // PdfFile: the file chosen for the subset
        bool replaceTarget = false; // PdfFile: the user chose to replace the file there
        PdfWriteOptions writeOptions;
        QPrinter *printer = nullptr; // Spool and Rendered; only this thread touches it meanwhile
    };

    struct Outcome
    {
        bool started = true; // false when the printer could not begin a job
        QString error;       // empty when every page was printed
        QString writtenPath; // PdfFile: the name the subset took
    };

    // Largest image rendered for one sheet: a 1200 dpi printer would otherwise ask for half a
    // gigabyte of pixels per page.
    static constexpr double MaxPagePixels = 33554432.0;

    explicit PdfPrintWorker(Order order);

    // On the worker thread.
    void run();

    // From any thread: stop before the next page.
    void cancel() { m_cancelRequested = true; }
    bool isCancelRequested() const { return m_cancelRequested; }
    int pagesDone() const { return m_pagesDone; }
    int pageCount() const { return int(m_order.pages.size()); }
    Route route() const { return m_order.route; }

    // Read once run() has returned.
    const Outcome &outcome() const { return m_outcome; }

private:
    bool writeSubset(const QString &path, const PdfWriteOptions &options);
    bool writeFile();
    bool spool();
    void render();

    Order m_order;
    Outcome m_outcome;
    std::atomic<bool> m_cancelRequested{false};
    std::atomic<int> m_pagesDone{0};
};
