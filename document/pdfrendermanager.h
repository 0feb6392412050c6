#pragma once

#include "pdfpageentry.h"
#include "pdfrenderpurpose.h"

#include <QCache>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QThreadPool>

#include <atomic>

class QTimer;

// Turns page entries into images off the GUI thread. Answers come as signals on the manager's
// thread, tagged with the page id, a request id and the revision the caller passed, so that
// views can drop answers that no longer match what they show.
class PdfRenderManager : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype CacheMaxCost = 262144; // KiB of pixels: 256 MiB
    // What the cache keeps once the reader rests: the pages read last.
    static constexpr qsizetype RestingCacheCost = CacheMaxCost / 2;
    // Larger images (deep zoom) are not kept: the view holds the ones it shows, and each would
    // push out many pages of ordinary size.
    static constexpr qsizetype LargestCachedCost = CacheMaxCost / 8;

    explicit PdfRenderManager(QObject *parent = nullptr);
    ~PdfRenderManager() override;

    // Returns 0 when no request id was assigned. With a region (pixels of the page drawn at
    // targetSize), only that part is drawn; the answer still names the whole page's size.
    quint64 requestRender(const PdfPageEntry &entry, const QSize &targetSize,
                          PdfRenderPurpose purpose, quint64 documentRevision, int priority = 0,
                          const QRect &region = {});
    // One request id per entry; all zeros (and no signals) when the lists differ in length.
    QList<quint64> requestRenders(const QList<PdfPageEntry> &entries,
                                  const QList<QSize> &targetSizes, PdfRenderPurpose purpose,
                                  quint64 documentRevision, int priority = 0,
                                  const QList<QRect> &regions = {});

    // Drops queued work; results of jobs already running are discarded when they arrive.
    void cancelPending();
    void clearCache();
    // Blocks until no job is running, e.g. before the sources are overwritten. -1 waits forever.
    bool waitForIdle(int msecs = -1);

    int maxThreadCount() const { return m_pool.maxThreadCount(); }
    // Pixel bytes the cache holds now.
    qint64 cacheBytes() const;

    static QString cacheKey(const PdfPageEntry &entry, const QSize &targetSize,
                            PdfRenderPurpose purpose, const QRect &region = {});

Q_SIGNALS:
    void pageRendered(PdfPageId pageId, QSize targetSize, PdfRenderPurpose purpose,
                      qulonglong requestId, qulonglong documentRevision, QImage image);
    void pageRenderFailed(PdfPageId pageId, PdfRenderPurpose purpose, qulonglong requestId,
                          QString message);

private:
    struct RenderJob;
    void startJob(RenderJob job, int priority);
    void deliver(const RenderJob &job, const QList<QImage> &images, const QList<QString> &errors);
    void rest();
    static void releaseFreedMemory();

    mutable QMutex m_cacheMutex;
    QCache<QString, QImage> m_cache;
    std::atomic<quint64> m_nextRequestId{1};
    std::atomic<quint64> m_generation{1};
    // Fires once page images stop arriving, i.e. when the reader comes to rest.
    QTimer *m_restTimer = nullptr;
    // Declared last so it goes first: no job may outlive the cache it reports to.
    QThreadPool m_pool;
};
