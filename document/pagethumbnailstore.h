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
// What it keeps is bounded: past the budget, the thumbnails farthest from the rows the view
// shows go first, and the view asks for them again when they come back into sight.
class PageThumbnailStore
{
public:
    using TargetSize = std::function<QSize(const PdfPageEntry &)>;

    static constexpr qint64 DefaultBudgetBytes = 32 * 1024 * 1024;

    QImage image(PdfPageId pageId) const { return m_thumbnails.value(pageId).image; }
    bool has(PdfPageId pageId) const { return m_thumbnails.contains(pageId); }
    bool isPending(PdfPageId pageId) const { return m_pending.contains(pageId); }
    bool isKnown(PdfPageId pageId) const { return has(pageId) || isPending(pageId); }
    int pendingCount() const { return int(m_pending.size()); }
    int count() const { return int(m_thumbnails.size()); }
    qint64 bytes() const { return m_bytes; }

    qint64 budget() const { return m_budget; }
    void setBudget(qint64 bytes);
    // How many thumbnails of that size the budget holds, at least one.
    int capacityFor(const QSize &size) const;

    // The rows the view shows; what lies farthest from them is let go first.
    void setFocus(int firstRow, int lastRow);
    int focusFirst() const { return m_focusFirst; }
    int focusLast() const { return m_focusLast; }

    // Asks for the pages of rows that have neither a thumbnail nor a request under way.
    void request(PdfDocumentModel *model, PdfRenderManager *manager, const QList<int> &rows,
                 const TargetSize &targetSize, int priority);

    // True when the answer belongs to a request still awaited; the image is then kept, and
    // past the budget the farthest thumbnails of the model's rows are dropped.
    bool accept(PdfPageId pageId, quint64 requestId, const QImage &image,
                const PdfDocumentModel *model = nullptr);
    // True when the failed request was still awaited.
    bool fail(PdfPageId pageId, quint64 requestId);

    void forget(PdfPageId pageId);
    // Answers to earlier requests will not be waited for any more.
    void forgetRequests() { m_pending.clear(); }
    void clear();
    // Keeps the images of pages still in the model with the rotation they were made for.
    void keepValid(const PdfDocumentModel *model);
    // Drops the thumbnails (and forgets the requests) of pages whose target size changed.
    void forgetResized(const PdfDocumentModel *model, const TargetSize &targetSize);
    // Follows a dataChanged of rows first..last: the thumbnails of pages drawn differently now
    // go; after new sizes, those of another shape. False when the change leaves them as they are.
    bool follow(const PdfDocumentModel *model, int first, int last, const QList<int> &roles,
                const TargetSize &targetSize);
    // Drops the thumbnails farthest from the focus until what is held fits the budget.
    void trim(const PdfDocumentModel *model);

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

    void remove(QHash<PdfPageId, Thumbnail>::iterator it);

    QHash<PdfPageId, Thumbnail> m_thumbnails;
    QHash<PdfPageId, Pending> m_pending;
    qint64 m_bytes = 0;
    qint64 m_budget = DefaultBudgetBytes;
    int m_focusFirst = 0;
    int m_focusLast = 0;
};
