#include "pageimageplan.h"

#include "pdfdocumentmodel.h"
#include "pdfrendermanager.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxDetailSide = 1 << 20;
// How far the sharp part reaches beyond the view, in viewport sizes; a new part is asked for
// once the view comes within half of that of its edge.
constexpr double DetailMarginX = 0.25;
constexpr double DetailMarginY = 0.5;
// How long a request may stay unanswered before it stops counting (a request dropped by
// cancelPending is never answered).
constexpr qint64 InFlightExpiryMs = 10000;
// Images are kept for pages this many viewport heights around the visible area; further out
// they are let go so that reading through a long document keeps memory bounded.
constexpr int KeepViewportHeights = 2;
// The first screenful of a document is first asked for at this fraction of its shown size, so
// that something readable appears while the sharp images are rendered.
constexpr double PreviewScale = 0.5;
constexpr int PreviewPriority = PageImagePlan::RenderPriority + 1;

QSize scaledSize(const QSize &shown, double scale)
{
    return QSize(std::clamp(int(std::ceil(shown.width() * scale)), 1, MaxDetailSide),
                 std::clamp(int(std::ceil(shown.height() * scale)), 1, MaxDetailSide));
}

// The pixels of size (a whole page drawn at it) under part of page, a rectangle in the same
// coordinates as page.
QRect pixelsUnder(const QRect &part, const QRect &page, const QSize &size)
{
    const double sx = double(size.width()) / page.width();
    const double sy = double(size.height()) / page.height();
    const QPoint from(int(std::floor((part.left() - page.left()) * sx)),
                      int(std::floor((part.top() - page.top()) * sy)));
    const QPoint to(int(std::ceil((part.right() + 1 - page.left()) * sx)),
                    int(std::ceil((part.bottom() + 1 - page.top()) * sy)));
    return QRect(from, to - QPoint(1, 1)) & QRect(QPoint(), size);
}

QRect band(const QRect &visible, int viewportHeightsAround)
{
    const int extra = visible.height() * viewportHeightsAround;
    return visible.adjusted(0, -extra, 0, extra);
}

} // namespace

void PageImagePlan::Page::forgetRequests()
{
    requestedSize.reset();
    pendingRequest.reset();
    requestedDetail.reset();
    pendingDetail.reset();
}

void PageImagePlan::Page::dropDetail()
{
    detail.reset();
    requestedDetail.reset();
    pendingDetail.reset();
}

void PageImagePlan::setDocumentModel(PdfDocumentModel *model)
{
    m_model = model;
}

void PageImagePlan::setRenderManager(PdfRenderManager *manager)
{
    m_renderManager = manager;
    m_inFlight.clear();
}

qint64 PageImagePlan::request(const View &view)
{
    if (!m_model || !m_renderManager || view.pageRects.isEmpty())
        return -1;
    const double dpr = view.pixelRatio;
    const QRect &visible = view.visible;
    dropOutside(view, band(visible, KeepViewportHeights));

    for (auto it = m_inFlight.begin(); it != m_inFlight.end();) {
        if (view.nowMs - it.value() > InFlightExpiryMs)
            it = m_inFlight.erase(it);
        else
            ++it;
    }

    // Pages on screen first, then those within a viewport above and below.
    const QRect around = band(visible, 1);
    const QList<QRect> &rects = view.pageRects;
    QList<int> rows;
    for (int row = 0; row < rects.size(); ++row) {
        if (rects.at(row).intersects(visible))
            rows.append(row);
    }
    const qsizetype onScreen = rows.size();
    for (int row = 0; row < rects.size(); ++row) {
        if (rects.at(row).intersects(around) && !rects.at(row).intersects(visible))
            rows.append(row);
    }

    const qint64 settleLeft = view.settleLeftMs;
    bool deferred = false;
    const bool preview =
        !m_previewDone && std::none_of(m_pages.cbegin(), m_pages.cend(),
                                       [](const Page &page) { return page.image.has_value(); });
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (m_inFlight.size() >= MaxInFlight && i >= onScreen)
            break;
        const int row = rows.at(i);
        const auto entry = entryAt(row);
        if (!entry)
            continue;
        const QSize shown = rects.at(row).size();
        QSize target;
        bool split = false;
        if (!shown.isEmpty()) {
            const double w = shown.width();
            const double h = shown.height();
            split = w * h * dpr * dpr > SplitArea;
            const double area = split ? OverviewArea : MaxImageArea;
            const double scale = std::min({dpr, MaxImageSide / std::max({w, h, 1.0}),
                                           std::sqrt(area / std::max(w * h, 1.0))});
            target = scaledSize(shown, scale);
        }
        Page &page = m_pages[entry->id];
        if (split && i < onScreen) {
            if (settleLeft > 0 && (page.image || page.detail))
                deferred = true;
            else if (m_inFlight.size() < MaxInFlight)
                requestDetail(view, row, page);
        } else if (!split && page.detail && page.renderedSize == target) {
            // Back to a zoom where the whole page is sharp.
            page.dropDetail();
        }
        if (page.renderedSize == target || page.requestedSize == target)
            continue;
        // A page that shows an older image keeps it until the zoom comes to rest.
        if (settleLeft > 0 && page.image) {
            deferred = true;
            continue;
        }
        if (m_inFlight.size() >= MaxInFlight)
            break;
        if (preview && i < onScreen && !target.isEmpty()) {
            // A fraction of the image asked for, so never larger than it (a deeply zoomed page's
            // own size would be hundreds of megabytes).
            const QSize small = scaledSize(target, PreviewScale / dpr);
            const quint64 id = m_renderManager->requestRender(*entry, small, PdfRenderPurpose::Page,
                                                              m_model->revision(), PreviewPriority);
            page.previewRequest = id;
            if (id != 0)
                m_inFlight.insert(id, view.nowMs);
        }
        page.requestedSize = target;
        const quint64 id = m_renderManager->requestRender(*entry, target, PdfRenderPurpose::Page,
                                                          m_model->revision(), RenderPriority);
        page.pendingRequest = id;
        if (id != 0 && !target.isEmpty())
            m_inFlight.insert(id, view.nowMs);
    }
    if (preview && onScreen > 0)
        m_previewDone = true;
    return deferred ? settleLeft + 1 : -1;
}

void PageImagePlan::requestDetail(const View &view, int row, Page &page)
{
    const QRect rect = view.pageRects.at(row);
    const QRect seen = rect & view.visible;
    if (seen.isEmpty())
        return;
    const QSize size = scaledSize(rect.size(), std::max(view.screenPixelRatio, 1.0));
    const int mx = int(view.visible.width() * DetailMarginX);
    const int my = int(view.visible.height() * DetailMarginY);
    const QRect soon =
        pixelsUnder(seen.adjusted(-mx / 2, -my / 2, mx / 2, my / 2) & rect, rect, size);
    const auto covers = [&](const std::optional<QRect> &part, const QSize &partSize) {
        return part && partSize == size && part->contains(soon);
    };
    if (covers(page.requestedDetail, page.requestedDetailSize) ||
        (page.detail && covers(page.detailRegion, page.detailPageSize)))
        return;
    const auto entry = entryAt(row);
    if (!entry)
        return;
    const QRect wanted = pixelsUnder(seen.adjusted(-mx, -my, mx, my) & rect, rect, size);
    const quint64 id = m_renderManager->requestRender(*entry, size, PdfRenderPurpose::Page,
                                                      m_model->revision(), RenderPriority, wanted);
    page.requestedDetail = wanted;
    page.requestedDetailSize = size;
    page.pendingDetail = id;
    if (id != 0)
        m_inFlight.insert(id, view.nowMs);
}

std::optional<PdfPageEntry> PageImagePlan::entryAt(int row) const
{
    std::optional<PdfPageEntry> entry = m_model->pageAt(row);
    if (entry && m_viewRotation != 0)
        entry->rotation = (entry->rotation + m_viewRotation) % 360;
    return entry;
}

void PageImagePlan::dropOutside(const View &view, const QRect &keep)
{
    QSet<PdfPageId> kept;
    QSet<PdfPageId> onScreen;
    // Pages kept but not on screen, nearest to the visible area first.
    QList<QPair<int, PdfPageId>> byDistance;
    const int middle = view.visible.center().y();
    for (int row = 0; row < view.pageRects.size(); ++row) {
        const QRect &r = view.pageRects.at(row);
        if (!r.intersects(keep))
            continue;
        const auto entry = m_model->pageAt(row);
        if (!entry)
            continue;
        kept.insert(entry->id);
        if (r.intersects(view.visible))
            onScreen.insert(entry->id);
        else
            byDistance.append({std::abs(r.center().y() - middle), entry->id});
    }
    for (auto it = m_pages.begin(); it != m_pages.end();)
        it = kept.contains(it.key()) ? std::next(it) : m_pages.erase(it);
    // A page's sharp part is only worth its memory while the page is on screen.
    for (auto it = m_pages.begin(); it != m_pages.end(); ++it) {
        if (!onScreen.contains(it.key()))
            it->dropDetail();
    }

    // Very large images (deep zoom) could still add up: let the farthest go first.
    qint64 bytes = imageBytes();
    if (bytes <= ImageBudgetBytes)
        return;
    std::sort(byDistance.begin(), byDistance.end(),
              [](const auto &a, const auto &b) { return a.first > b.first; });
    for (const auto &[distance, id] : std::as_const(byDistance)) {
        if (bytes <= ImageBudgetBytes)
            break;
        const auto page = m_pages.constFind(id);
        if (page == m_pages.constEnd())
            continue;
        if (page->image)
            bytes -= page->image->sizeInBytes();
        forget(id);
    }
}

PageImagePlan::Arrival PageImagePlan::accept(PdfPageId pageId, QSize targetSize, quint64 requestId,
                                             const QImage &image)
{
    m_inFlight.remove(requestId);
    if (!m_model)
        return Arrival::Ignored;
    const auto page = m_pages.find(pageId);
    if (page != m_pages.end() && page->pendingDetail == requestId) {
        page->pendingDetail.reset();
        if (page->requestedDetail && page->requestedDetailSize == targetSize &&
            image.size() == page->requestedDetail->size()) {
            page->detail = image;
            page->detailPageSize = targetSize;
            page->detailRegion = *page->requestedDetail;
            return Arrival::Shown;
        }
        return Arrival::Ignored;
    }
    if (page != m_pages.end() && page->previewRequest == requestId) {
        page->previewRequest.reset();
        // Shown only until the sharp image arrives; the size request stays pending.
        if (page->image)
            return Arrival::Ignored;
        page->image = image;
        return Arrival::Shown;
    }
    if (page == m_pages.end() || page->pendingRequest != requestId ||
        page->requestedSize.value_or(QSize()) != targetSize)
        return Arrival::RoomForMore;
    page->image = image;
    page->renderedSize = targetSize;
    return Arrival::Shown;
}

void PageImagePlan::fail(PdfPageId pageId, quint64 requestId)
{
    m_inFlight.remove(requestId);
    const auto page = m_pages.find(pageId);
    if (page == m_pages.end())
        return;
    if (page->previewRequest == requestId) {
        page->previewRequest.reset();
        return;
    }
    if (page->pendingDetail == requestId) {
        page->pendingDetail.reset();
        page->requestedDetail.reset();
        return;
    }
    if (page->pendingRequest != requestId)
        return;
    page->requestedSize.reset();
    page->pendingRequest.reset();
}

const PageImagePlan::Page *PageImagePlan::page(PdfPageId id) const
{
    const auto it = m_pages.constFind(id);
    return it == m_pages.constEnd() ? nullptr : &*it;
}

bool PageImagePlan::hasImage(PdfPageId id) const
{
    const Page *held = page(id);
    return held && (held->image || held->detail);
}

qint64 PageImagePlan::imageBytes() const
{
    qint64 bytes = 0;
    for (const Page &page : m_pages) {
        if (page.image)
            bytes += page.image->sizeInBytes();
        if (page.detail)
            bytes += page.detail->sizeInBytes();
    }
    return bytes;
}

void PageImagePlan::redraw(PdfPageId id)
{
    const auto page = m_pages.find(id);
    if (page == m_pages.end())
        return;
    page->renderedSize.reset();
    page->forgetRequests();
    page->dropDetail();
}

void PageImagePlan::resizeAll()
{
    for (Page &page : m_pages) {
        page.renderedSize.reset();
        page.forgetRequests();
    }
}

void PageImagePlan::forgetRequests()
{
    for (Page &page : m_pages) {
        page.forgetRequests();
        page.previewRequest.reset();
    }
    m_inFlight.clear();
}

void PageImagePlan::clear()
{
    m_pages.clear();
    m_inFlight.clear();
    m_previewDone = false;
}
