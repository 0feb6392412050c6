#pragma once

#include "jobrunner.h"
#include "pdfeditorbackend.h"
#include "pdfpageid.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRectF>

#include <memory>

class PdfDocumentModel;
class QTimer;

// Finds a text on every page of a document model on background threads. Results come in
// batches while the search runs; an edit of the pages starts the search again. GUI thread only.
class PdfTextSearch : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxThreads = 2;
    static constexpr int BatchIntervalMs = 40;

    explicit PdfTextSearch(QObject *parent = nullptr);
    ~PdfTextSearch() override;

    void setDocumentModel(PdfDocumentModel *model);

    // Starts a search for needle over all pages, the ones from fromRow on first (an empty needle
    // clears the results). With selectFirst, the first hit from fromRow on (wrapping round)
    // becomes the current one as soon as every page before it is searched (firstHitFound).
    void start(const QString &needle, int fromRow = 0, bool selectFirst = false);
    void clear();
    // Match case and whole words; they apply from the next start.
    void setFindOptions(const PdfFindOptions &options) { m_options = options; }
    PdfFindOptions findOptions() const { return m_options; }

    QString needle() const { return m_needle; }
    bool isRunning() const { return bool(m_job); }
    int pagesDone() const { return m_pagesDone; }
    // Pages searched so far that have no text at all (scans without a text layer).
    int pagesWithoutText() const { return m_pagesWithoutText; }
    int pagesTotal() const { return int(m_ids.size()); }
    int hitCount() const { return m_hitCount; }
    QList<PdfTextHit> hitsOnPage(PdfPageId id) const { return m_hits.value(id); }
    // Row of a page as it stood when the search started, -1 when it was not searched.
    int rowOfPage(PdfPageId id) const { return int(m_ids.indexOf(id)); }
    PdfPageId pageOfRow(int row) const { return m_ids.value(row); }

    // The current hit: its page and index on that page; no page when there is none.
    PdfPageId currentPage() const { return m_currentPage; }
    int currentIndex() const { return m_currentIndex; }
    // 1-based place of the current hit among all hits in page order, 0 without one.
    int currentOrdinal() const;
    // The current hit's boxes united, in points on its page.
    QRectF currentBox() const;

    // Moves to the next (or previous) hit, starting at the current one, or at fromRow when there
    // is none. Returns the row of the new current hit, -1 when there is no hit (yet).
    int next(int fromRow);
    int previous(int fromRow);
    // Makes hit index of the page the current one; false when there is no such hit.
    bool setCurrentHit(PdfPageId page, int index);

Q_SIGNALS:
    // Hits arrived or were dropped; the view repaints.
    void resultsChanged();
    // Every hit was dropped (a new search, an edit); hits of one page arrived.
    void hitsCleared();
    void pageHitsAdded(int row);
    void progressChanged(int done, int total);
    void finished();
    void currentHitChanged();
    void firstHitFound(int row);

private:
    struct Job;

    void restart();
    void scheduleRestart();
    void cancelJob();
    void drain();
    int step(int fromRow, int direction);

    QPointer<PdfDocumentModel> m_model;
    std::unique_ptr<jobs::Group> m_pool;
    QTimer *m_drainTimer = nullptr;
    QTimer *m_restartTimer = nullptr;
    std::shared_ptr<Job> m_job;
    QString m_needle;
    PdfFindOptions m_options;
    QList<PdfPageId> m_ids; // pages in row order when the search started
    QList<int> m_order;     // rows in the order they are searched
    QList<bool> m_searched; // by row
    int m_settled = 0;      // leading entries of m_order searched
    bool m_selectFirst = false;
    QHash<PdfPageId, QList<PdfTextHit>> m_hits;
    int m_startRow = 0;
    int m_pagesDone = 0;
    int m_pagesWithoutText = 0;
    int m_hitCount = 0;
    PdfPageId m_currentPage = 0;
    int m_currentIndex = -1;
};
