#include "pdfrendermanager.h"

#include "jobrunner.h"
#include "pdfdocumentmodel.h"
#include "pdfeditorbackend.h"

#include <QMutexLocker>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace {

// A long request is split into jobs, each still one engine call: the first job of each pool
// thread carries a single page so that something shows at once, later ones up to PagesPerJob
// pages or JobPixelBytes of pixels, so that large pages are not held back by their neighbours and
// few finished images wait in memory at a time.
constexpr int PagesPerJob = 8;
constexpr qint64 JobPixelBytes = 4 * 1024 * 1024;
// How long page images must stop arriving before freed memory is handed back.
constexpr int RestMs = 1000;

qsizetype imageCost(const QImage &image)
{
    return std::max<qsizetype>(image.sizeInBytes() / 1024, 1);
}

} // namespace

struct PdfRenderManager::RenderJob
{
    QPointer<PdfRenderManager> manager;
    QList<PdfSourcePage> sources;
    QList<PdfPageId> pageIds;
    QList<QSize> sizes;
    QList<QRect> regions;
    QList<quint64> requestIds;
    QList<QString> keys;
    PdfRenderPurpose purpose = PdfRenderPurpose::Thumbnail;
    quint64 documentRevision = 0;
    quint64 generation = 0;
};

PdfRenderManager::PdfRenderManager(QObject *parent)
    : QObject(parent)
    , m_cache(CacheMaxCost)
{
    qRegisterMetaType<PdfRenderPurpose>("PdfRenderPurpose");
    qRegisterMetaType<PdfPageId>("PdfPageId");
    m_pool.setObjectName(QStringLiteral("PdfRenderPool"));
    m_pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 2, 4));
    m_pool.setExpiryTimeout(15000);
    m_restTimer = new QTimer(this);
    m_restTimer->setSingleShot(true);
    m_restTimer->setInterval(RestMs);
    connect(m_restTimer, &QTimer::timeout, this, &PdfRenderManager::rest);
}

PdfRenderManager::~PdfRenderManager()
{
    // Jobs still running post results that die with this object's event queue.
    ++m_generation;
    m_pool.clear();
    m_pool.waitForDone(-1);
    clearCache();
    releaseFreedMemory();
}

quint64 PdfRenderManager::requestRender(const PdfPageEntry &entry, const QSize &targetSize,
                                        PdfRenderPurpose purpose, quint64 documentRevision,
                                        int priority, const QRect &region)
{
    const QList<quint64> ids =
        requestRenders({entry}, {targetSize}, purpose, documentRevision, priority, {region});
    return ids.value(0, 0);
}

QList<quint64> PdfRenderManager::requestRenders(const QList<PdfPageEntry> &entries,
                                                const QList<QSize> &targetSizes,
                                                PdfRenderPurpose purpose, quint64 documentRevision,
                                                int priority, const QList<QRect> &regions)
{
    QList<quint64> requestIds(entries.size(), 0);
    if (entries.size() != targetSizes.size() || entries.isEmpty())
        return requestIds;

    RenderJob job;
    qint64 jobBytes = 0;
    int jobsStarted = 0;
    const auto startFullJob = [&] {
        const int pageLimit = jobsStarted < m_pool.maxThreadCount() ? 1 : PagesPerJob;
        if (job.sources.size() < pageLimit && jobBytes < JobPixelBytes)
            return;
        job.purpose = purpose;
        job.documentRevision = documentRevision;
        startJob(std::exchange(job, {}), priority);
        jobBytes = 0;
        ++jobsStarted;
    };
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const quint64 requestId = m_nextRequestId.fetch_add(1);
        requestIds[i] = requestId;

        const QSize size = targetSizes.at(i);
        if (size.isEmpty())
            continue;

        const PdfPageEntry &entry = entries.at(i);
        const QRect region = regions.value(i);
        const QString key = cacheKey(entry, size, purpose, region);
        QImage cached;
        {
            QMutexLocker locker(&m_cacheMutex);
            if (const QImage *hit = m_cache.object(key))
                cached = *hit;
        }

        if (!cached.isNull()) {
            // Even a hit answers later, so callers see one ordering whatever the cache holds.
            QMetaObject::invokeMethod(
                this,
                [this, id = entry.id, size, purpose, requestId, documentRevision, cached] {
                    Q_EMIT pageRendered(id, size, purpose, requestId, documentRevision, cached);
                },
                Qt::QueuedConnection);
            continue;
        }

        job.sources.append(PdfDocumentModel::toSourcePage(entry));
        // The reading view draws the page's own annotations and form values over its images as
        // they change.
        if (purpose == PdfRenderPurpose::Page) {
            job.sources.last().annotations.clear();
            job.sources.last().fieldValues.clear();
        }
        job.pageIds.append(entry.id);
        job.sizes.append(size);
        job.regions.append(region);
        job.requestIds.append(requestId);
        job.keys.append(key);
        const QSize drawn = region.isEmpty() ? size : region.size();
        jobBytes += qint64(drawn.width()) * drawn.height() * 4;
        startFullJob();
    }

    if (!job.sources.isEmpty()) {
        job.purpose = purpose;
        job.documentRevision = documentRevision;
        startJob(std::move(job), priority);
    }
    return requestIds;
}

void PdfRenderManager::startJob(RenderJob job, int priority)
{
    job.manager = this;
    job.generation = m_generation.load();
    m_pool.start(
        [job = std::move(job)] {
            QList<QString> errors;
            QList<QImage> images =
                PdfEditorBackend::renderPages(job.sources, job.sizes, job.regions, &errors);
            PdfEditorBackend::trimWhileBusy();

            // The manager waits for running jobs before it goes, so it is alive here; the
            // check still covers a job that somehow outlived it.
            PdfRenderManager *manager = job.manager.data();
            if (!manager)
                return;
            QMetaObject::invokeMethod(
                manager,
                [manager, job, images = std::move(images), errors = std::move(errors)] {
                    manager->deliver(job, images, errors);
                },
                Qt::QueuedConnection);
        },
        priority);
}

void PdfRenderManager::deliver(const RenderJob &job, const QList<QImage> &images,
                               const QList<QString> &errors)
{
    const QPointer<PdfRenderManager> alive(this);
    for (qsizetype i = 0; i < job.sources.size(); ++i) {
        // Checked per page: a receiver may cancel, or even destroy the manager, mid-batch.
        if (!alive || job.generation != m_generation.load())
            return;

        const QImage image = images.value(i);
        if (image.isNull()) {
            Q_EMIT pageRenderFailed(job.pageIds.at(i), job.purpose, job.requestIds.at(i),
                                    errors.value(i));
            continue;
        }
        if (const qsizetype cost = imageCost(image); cost <= LargestCachedCost) {
            QMutexLocker locker(&m_cacheMutex);
            m_cache.insert(job.keys.at(i), new QImage(image), cost);
        }
        Q_EMIT pageRendered(job.pageIds.at(i), job.sizes.at(i), job.purpose, job.requestIds.at(i),
                            job.documentRevision, image);
    }
    // Thumbnails of the background sweep do not hold the hand-back off, page images do.
    if (alive && (job.purpose == PdfRenderPurpose::Page || !m_restTimer->isActive()))
        m_restTimer->start();
}

void PdfRenderManager::cancelPending()
{
    ++m_generation;
    m_pool.clear();
}

void PdfRenderManager::clearCache()
{
    {
        QMutexLocker locker(&m_cacheMutex);
        m_cache.clear();
    }
    if (m_restTimer)
        m_restTimer->start();
}

void PdfRenderManager::rest()
{
    {
        QMutexLocker locker(&m_cacheMutex);
        // Lowering the bound lets the least recently used images go.
        m_cache.setMaxCost(RestingCacheCost);
        m_cache.setMaxCost(CacheMaxCost);
    }
    releaseFreedMemory();
}

void PdfRenderManager::releaseFreedMemory()
{
    // Page images are megabytes each, made on the pool's threads and freed on this one; the
    // engine and the allocator keep the freed space for the next pages. While pages keep coming
    // that reuse keeps scrolling cheap; once the reader rests, what the caches and views no
    // longer hold goes back to the system. It takes tens of milliseconds: not on this thread.
    // One pass at a time covers every manager that asked meanwhile: closing many tabs (or the
    // window) asked once each, and the process waited for every pass before it could end.
    static std::atomic_bool queued{false};
    if (queued.exchange(true))
        return;
    jobs::startOn(jobs::Lane::Reads, [] {
        queued = false;
        PdfEditorBackend::releaseSpareMemory();
    });
}

qint64 PdfRenderManager::cacheBytes() const
{
    QMutexLocker locker(&m_cacheMutex);
    return qint64(m_cache.totalCost()) * 1024;
}

bool PdfRenderManager::waitForIdle(int msecs)
{
    return m_pool.waitForDone(msecs);
}

QString PdfRenderManager::cacheKey(const PdfPageEntry &entry, const QSize &targetSize,
                                   PdfRenderPurpose purpose, const QRect &region)
{
    // One multi-argument pass: a '%' in the path must not be taken for a placeholder.
    const QString key =
        QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
            .arg(entry.sourcePath, QString::number(entry.sourcePageIndex),
                 QString::number(entry.rotation), QString::number(targetSize.width()),
                 QString::number(targetSize.height()), QString::number(int(purpose)),
                 entry.origin == PdfPageOrigin::Blank ? QStringLiteral("1") : QStringLiteral("0"));
    const QString part = region.isEmpty() ? QString()
                                          : QStringLiteral("|part %1,%2,%3,%4")
                                                .arg(region.x())
                                                .arg(region.y())
                                                .arg(region.width())
                                                .arg(region.height());
    const QString hidden = entry.hiddenAnnotations.isEmpty() &&
                                   ((entry.annotations.isEmpty() && entry.fieldValues.isEmpty()) ||
                                    purpose == PdfRenderPurpose::Page)
                               ? QString()
                               : QStringLiteral("|annotations %1").arg(entry.annotationVersion);
    if (!entry.numbering.enabled)
        return key + hidden + part;
    return key +
           QStringLiteral("|%1|%2|%3")
               .arg(entry.stampText, QString::number(int(entry.numbering.position)),
                    QString::number(entry.numbering.fontSize)) +
           hidden + part;
}
