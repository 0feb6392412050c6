#include "pdftextsearch.h"

#include "pdfdocumentmodel.h"
#include "relink.h"

#include <QMutex>
#include <QTimer>

#include <atomic>
#include <utility>

// Shared by the GUI thread and the workers; the workers only take page numbers, search and append
// what they found, so a cancelled job simply runs dry.
struct PdfTextSearch::Job
{
    QList<PdfSourcePage> pages;
    QList<int> order; // page numbers in the order they are searched
    QString needle;
    PdfFindOptions options;
    std::atomic<int> next{0};
    std::atomic<bool> cancelled{false};
    QMutex mutex;
    QList<std::pair<int, QList<PdfTextHit>>> ready;
    int done = 0;
    int withoutText = 0; // pages of some file that have no text at all
};

PdfTextSearch::PdfTextSearch(QObject *parent)
    : QObject(parent)
    , m_pool(std::make_unique<jobs::Group>(jobs::Lane::Reads, MaxThreads))
    , m_drainTimer(new QTimer(this))
    , m_restartTimer(new QTimer(this))
{
    m_drainTimer->setInterval(BatchIntervalMs);
    connect(m_drainTimer, &QTimer::timeout, this, &PdfTextSearch::drain);
    m_restartTimer->setSingleShot(true);
    m_restartTimer->setInterval(0);
    connect(m_restartTimer, &QTimer::timeout, this, &PdfTextSearch::restart);
}

PdfTextSearch::~PdfTextSearch()
{
    cancelJob();
    m_pool->waitForDone();
}

void PdfTextSearch::setDocumentModel(PdfDocumentModel *model)
{
    if (!relink(m_model, model, this))
        return;
    if (model) {
        connect(model, &PdfDocumentModel::pageListChanged, this, &PdfTextSearch::scheduleRestart);
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                    using Change = PdfDocumentModel::PageChange;
                    if (PdfDocumentModel::pageChanges(roles) &
                        (Change::Pixels | Change::Rotation | Change::Size))
                        scheduleRestart();
                });
    }
    scheduleRestart();
}

void PdfTextSearch::start(const QString &needle, int fromRow, bool selectFirst)
{
    m_needle = needle;
    m_startRow = fromRow;
    m_selectFirst = selectFirst;
    m_restartTimer->stop();
    restart();
}

void PdfTextSearch::clear()
{
    start(QString());
}

void PdfTextSearch::scheduleRestart()
{
    if (m_needle.isEmpty())
        return;
    // Boxes of moved or turned pages are stale at once; the new search starts once the edit is
    // complete (one edit may change the model several times).
    cancelJob();
    m_hits.clear();
    m_hitCount = 0;
    m_pagesDone = 0;
    m_pagesWithoutText = 0;
    m_currentPage = 0;
    m_currentIndex = -1;
    m_selectFirst = false;
    Q_EMIT hitsCleared();
    Q_EMIT resultsChanged();
    Q_EMIT currentHitChanged();
    m_restartTimer->start();
}

void PdfTextSearch::cancelJob()
{
    if (m_job)
        m_job->cancelled = true;
    m_job.reset();
    m_drainTimer->stop();
}

void PdfTextSearch::restart()
{
    cancelJob();
    m_hits.clear();
    m_ids.clear();
    m_order.clear();
    m_searched.clear();
    m_settled = 0;
    m_hitCount = 0;
    m_pagesDone = 0;
    m_currentPage = 0;
    m_currentIndex = -1;
    Q_EMIT hitsCleared();
    if (m_needle.isEmpty() || !m_model || m_model->pageCount() == 0) {
        Q_EMIT resultsChanged();
        Q_EMIT currentHitChanged();
        Q_EMIT progressChanged(0, 0);
        Q_EMIT finished();
        return;
    }

    auto job = std::make_shared<Job>();
    job->needle = m_needle;
    job->options = m_options;
    m_model->ensurePageSizes();
    const QList<PdfPageEntry> entries = m_model->pages();
    job->pages.reserve(entries.size());
    m_ids.reserve(entries.size());
    for (const PdfPageEntry &entry : entries) {
        job->pages.append(PdfDocumentModel::toSourcePage(entry));
        m_ids.append(entry.id);
    }
    // Pages nearest the reading position first, so the hit the user wants next comes early.
    const int first = qBound(0, m_startRow, int(entries.size()) - 1);
    job->order.reserve(entries.size());
    for (int i = 0; i < entries.size(); ++i)
        job->order.append((first + i) % int(entries.size()));
    m_order = job->order;
    m_searched.fill(false, entries.size());

    m_job = job;
    const int workers = qMin(MaxThreads, int(entries.size()));
    for (int w = 0; w < workers; ++w) {
        m_pool->start([job] {
            const int count = int(job->order.size());
            while (!job->cancelled) {
                const int slot = job->next.fetch_add(1);
                if (slot >= count)
                    break;
                const int page = job->order.at(slot);
                bool hasText = true;
                QList<PdfTextHit> hits = PdfEditorBackend::findText(
                    job->pages.at(page), job->needle, nullptr, nullptr, &hasText, job->options);
                QMutexLocker lock(&job->mutex);
                job->ready.append({page, std::move(hits)});
                ++job->done;
                if (!hasText && !job->pages.at(page).blank)
                    ++job->withoutText;
            }
        });
    }
    Q_EMIT resultsChanged();
    Q_EMIT currentHitChanged();
    Q_EMIT progressChanged(0, int(m_ids.size()));
    m_drainTimer->start();
}

void PdfTextSearch::drain()
{
    if (!m_job)
        return;
    QList<std::pair<int, QList<PdfTextHit>>> ready;
    int done = 0;
    {
        QMutexLocker lock(&m_job->mutex);
        ready.swap(m_job->ready);
        done = m_job->done;
        m_pagesWithoutText = m_job->withoutText;
    }
    bool changed = false;
    for (auto &[page, hits] : ready) {
        m_searched[page] = true;
        if (hits.isEmpty())
            continue;
        changed = true;
        m_hitCount += int(hits.size());
        m_hits.insert(m_ids.at(page), std::move(hits));
        Q_EMIT pageHitsAdded(page);
    }
    int found = -1;
    while (m_settled < m_order.size() && m_searched.at(m_order.at(m_settled))) {
        const int row = m_order.at(m_settled++);
        if (m_selectFirst && m_hits.contains(m_ids.at(row))) {
            m_selectFirst = false;
            m_currentPage = m_ids.at(row);
            m_currentIndex = 0;
            found = row;
        }
    }
    const bool complete = done >= m_ids.size();
    m_pagesDone = done;
    if (complete) {
        m_job.reset();
        m_drainTimer->stop();
    }
    if (changed)
        Q_EMIT resultsChanged();
    if (found >= 0) {
        Q_EMIT currentHitChanged();
        Q_EMIT firstHitFound(found);
    }
    Q_EMIT progressChanged(m_pagesDone, int(m_ids.size()));
    if (complete)
        Q_EMIT finished();
}

int PdfTextSearch::currentOrdinal() const
{
    if (m_currentIndex < 0)
        return 0;
    int ordinal = 0;
    for (PdfPageId id : m_ids) {
        if (id == m_currentPage)
            return ordinal + m_currentIndex + 1;
        ordinal += int(m_hits.value(id).size());
    }
    return 0;
}

QRectF PdfTextSearch::currentBox() const
{
    const QList<PdfTextHit> hits = m_hits.value(m_currentPage);
    if (m_currentIndex < 0 || m_currentIndex >= hits.size())
        return {};
    QRectF box;
    for (const QRectF &part : hits.at(m_currentIndex).boxes)
        box = box.united(part);
    return box;
}

bool PdfTextSearch::setCurrentHit(PdfPageId page, int index)
{
    if (index < 0 || index >= m_hits.value(page).size())
        return false;
    m_currentPage = page;
    m_currentIndex = index;
    m_selectFirst = false;
    Q_EMIT currentHitChanged();
    return true;
}

int PdfTextSearch::next(int fromRow)
{
    return step(fromRow, 1);
}

int PdfTextSearch::previous(int fromRow)
{
    return step(fromRow, -1);
}

int PdfTextSearch::step(int fromRow, int direction)
{
    const int rows = int(m_ids.size());
    if (rows == 0 || m_hitCount == 0)
        return -1;
    int row = int(m_ids.indexOf(m_currentPage));
    if (m_currentIndex >= 0 && row >= 0) {
        const int index = m_currentIndex + direction;
        if (index >= 0 && index < m_hits.value(m_currentPage).size()) {
            m_currentIndex = index;
            Q_EMIT currentHitChanged();
            return row;
        }
        row += direction;
    } else {
        row = qBound(0, fromRow, rows - 1);
    }
    for (int i = 0; i < rows; ++i, row += direction) {
        row = (row % rows + rows) % rows;
        const qsizetype count = m_hits.value(m_ids.at(row)).size();
        if (count == 0)
            continue;
        m_currentPage = m_ids.at(row);
        m_currentIndex = direction > 0 ? 0 : int(count) - 1;
        Q_EMIT currentHitChanged();
        return row;
    }
    return -1;
}
