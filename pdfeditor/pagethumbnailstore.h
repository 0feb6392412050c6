#pragma once

#include "pdfpageid.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class PdfDocumentModel;
class PdfRenderManager;
struct PdfPageEntry;

// The thumbnails a page view holds and the requests it waits for, keyed by page id so that
// moves keep them. Each image remembers the rotation it was made for; a rotated page needs a
// new one. The views decide when to ask; this decides what to ask for and what to keep.
class PageThumbnailStore
{
public:
    using TargetSize = std::function<QSize(const PdfPageEntry &)>;

    QImage image(PdfPageId pageId) const { return m_thumbnails.value(pageId).image; }
    bool has(PdfPageId pageId) const { return m_thumbnails.contains(pageId); }
    bool isPending(PdfPageId pageId) const { return m_pending.contains(pageId); }
    bool isKnown(PdfPageId pageId) const { return has(pageId) || isPending(pageId); }
    int pendingCount() const { return int(m_pending.size()); }

    // Asks for the pages of rows that have neither a thumbnail nor a request under way.
    void request(PdfDocumentModel *model, PdfRenderManager *manager, const QList<int> &rows,
                 const TargetSize &targetSize, int priority);

    // True when the answer belongs to a request still awaited; the image is then kept.
    bool accept(PdfPageId pageId, quint64 requestId, const QImage &image);
    // True when the failed request was still awaited.
    bool fail(PdfPageId pageId, quint64 requestId);

    void forget(PdfPageId pageId);
    // Answers to earlier requests will not be waited for any more.
    void forgetRequests() { m_pending.clear(); }
    void clear();
    // Keeps the images of pages still in the model with the rotation they were made for.
    void keepValid(const PdfDocumentModel *model);

private:
    struct Thumbnail
    {
        QImage image;
        int rotation = 0;
        QString stamp;
    };
    struct Pending
    {
        quint64 requestId = 0;
        int rotation = 0;
        QString stamp;
    };

    QHash<PdfPageId, Thumbnail> m_thumbnails;
    QHash<PdfPageId, Pending> m_pending;
};
