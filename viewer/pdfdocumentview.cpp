#include "pdfdocumentview.h"

#include "pdfdocumentmodel.h"
#include "pdfrendermanager.h"
#include "pdftextsearch.h"
#include "theme.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr QSizeF FallbackPageSize{595.0, 842.0};
constexpr int FitMargin = 64;
constexpr int TopSpace = 32;
constexpr int PageGap = 18;
constexpr int BottomExtra = 14;
constexpr int WidthMargin = 64;
constexpr int GoToTopSpace = 32;
constexpr double MinRenderPixelRatio = 1.5;
constexpr double PixelRatioTolerance = 0.01;
constexpr double WheelPixelsPerAngleUnit = 1.5;
constexpr int ZoomSettleMs = 150;

// Draws only the part of the image that falls inside the clip: scaling a whole large image to
// paint a corner of it costs far more than the corner.
void drawClipped(QPainter &painter, const QRectF &target, const QImage &image, const QRect &clip)
{
    const QRectF shown = target.intersected(QRectF(clip));
    if (shown.isEmpty())
        return;
    const double sx = image.width() / target.width();
    const double sy = image.height() / target.height();
    const QRectF source((shown.x() - target.x()) * sx, (shown.y() - target.y()) * sy,
                        shown.width() * sx, shown.height() * sy);
    painter.drawImage(shown, image, source);
}

bool sameZoom(double a, double b)
{
    return qFuzzyCompare(a, b);
}

QSizeF displaySizeAt(const PdfDocumentModel *model, int row, int viewRotation = 0)
{
    if (auto entry = model->pageAt(row)) {
        entry->rotation += viewRotation;
        return PdfDocumentModel::displaySize(*entry);
    }
    return FallbackPageSize;
}

// A box on a page of that size, turned clockwise with the page.
QRectF turnBox(const QRectF &box, const QSizeF &size, int rotation)
{
    switch (rotation) {
    case 90:
        return {size.height() - box.bottom(), box.left(), box.height(), box.width()};
    case 180:
        return {size.width() - box.right(), size.height() - box.bottom(), box.width(),
                box.height()};
    case 270:
        return {box.top(), size.width() - box.right(), box.height(), box.width()};
    default:
        return box;
    }
}

QString viewStyleSheet()
{
    return uR"(
QAbstractScrollArea { background: %1; border: none; }
QScrollBar:vertical { width: 10px; background: transparent; margin: 2px; border: none; }
QScrollBar:horizontal { height: 10px; background: transparent; margin: 2px; border: none; }
QScrollBar::handle:vertical { background: %2; border-radius: 4px; min-height: 32px; }
QScrollBar::handle:horizontal { background: %2; border-radius: 4px; min-width: 32px; }
QScrollBar::handle:vertical:hover { background: %3; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: transparent; }
QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }
)"_s.arg(Theme::viewBackground, Theme::viewScrollHandle, Theme::viewScrollHandleHover);
}

} // namespace

PdfDocumentView::PdfDocumentView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(u"pdfDocumentView"_s);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::ArrowCursor);
    setStyleSheet(viewStyleSheet());
    m_contentSize = QSize();
    m_settleTimer = new QTimer(this);
    m_settleTimer->setSingleShot(true);
    connect(m_settleTimer, &QTimer::timeout, this, &PdfDocumentView::requestVisiblePages);
}

PdfDocumentView::~PdfDocumentView() = default;

void PdfDocumentView::setDocumentModel(PdfDocumentModel *model)
{
    if (m_model == model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    m_images.setDocumentModel(model);
    if (m_model) {
        connect(m_model, &QAbstractItemModel::modelReset, this, &PdfDocumentView::onModelReset);
        connect(m_model, &QAbstractItemModel::rowsInserted, this, &PdfDocumentView::onRowsChanged);
        connect(m_model, &QAbstractItemModel::rowsRemoved, this, &PdfDocumentView::onRowsChanged);
        connect(m_model, &QAbstractItemModel::rowsMoved, this, &PdfDocumentView::onRowsChanged);
        connect(m_model, &QAbstractItemModel::dataChanged, this, &PdfDocumentView::onDataChanged);
    }
    clearPageState();
    layoutPages(false);
}

void PdfDocumentView::setRenderManager(PdfRenderManager *manager)
{
    if (m_renderManager == manager)
        return;
    if (m_renderManager)
        disconnect(m_renderManager, nullptr, this, nullptr);
    m_renderManager = manager;
    m_images.setRenderManager(manager);
    if (m_renderManager) {
        connect(m_renderManager, &PdfRenderManager::pageRendered, this,
                &PdfDocumentView::onPageRendered);
        connect(m_renderManager, &PdfRenderManager::pageRenderFailed, this,
                &PdfDocumentView::onPageRenderFailed);
    }
}

void PdfDocumentView::setHandToolEnabled(bool enabled)
{
    m_handTool = enabled;
    if (!m_panning)
        viewport()->setCursor(enabled ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

double PdfDocumentView::fitZoomFor(int row, PdfFitMode mode) const
{
    if (!m_model || m_model->pageCount() == 0)
        return 1.0;
    row = std::clamp(row, 0, m_model->pageCount() - 1);
    double candidate = spreadFitZoom(spreadStart(row), mode);
    // Fit width goes by the widest spread, so that a wide page further on neither cuts off the
    // page in view nor brings a horizontal scroll bar, and the zoom stays put while reading on.
    // Fit page shows the current spread whole.
    if (mode == PdfFitMode::FitWidth) {
        const int rows = m_model->pageCount();
        for (int start = 0; start < rows; start += spreadLength(start))
            candidate = std::min(candidate, spreadFitZoom(start, PdfFitMode::FitWidth));
    }
    return std::max(std::min(candidate, MaxZoom), MinZoom);
}

double PdfDocumentView::spreadFitZoom(int start, PdfFitMode mode) const
{
    const int count = spreadLength(start);
    double width = 0.0;
    double height = 0.0;
    for (int row = start; row < start + count; ++row) {
        const QSizeF size = displaySizeAt(m_model, row, m_viewRotation);
        width += size.width();
        height = std::max(height, size.height());
    }
    // A page alone among pairs (the cover, an odd last page) is fitted as one of a pair, so
    // the zoom does not jump when reading reaches it.
    int places = count;
    if (count == 1 && (m_layout == PdfPageLayout::TwoUp || m_layout == PdfPageLayout::TwoUpCover) &&
        m_model->pageCount() > 1) {
        places = 2;
        width *= 2;
    }
    const QSize area = viewport()->size();
    // Each page's width is rounded on its own: a pixel apiece is left for that.
    const int room = area.width() - FitMargin - (PageGap + 1) * (places - 1);
    const double w = double(room) / std::max(width, 1.0);
    if (mode == PdfFitMode::FitPage)
        return std::min(w, double(area.height() - FitMargin) / std::max(height, 1.0));
    return w;
}

int PdfDocumentView::spreadStart(int row) const
{
    if (row <= 0)
        return 0;
    switch (m_layout) {
    case PdfPageLayout::TwoUp:
        return row - row % 2;
    case PdfPageLayout::TwoUpCover:
        return row - (row - 1) % 2;
    case PdfPageLayout::Continuous:
    case PdfPageLayout::SinglePage:
        break;
    }
    return row;
}

int PdfDocumentView::spreadLength(int start) const
{
    const int rows = m_model ? m_model->pageCount() : 0;
    const bool pairs =
        m_layout == PdfPageLayout::TwoUp || (m_layout == PdfPageLayout::TwoUpCover && start > 0);
    return std::max(std::min(pairs ? 2 : 1, rows - start), 1);
}

QRect PdfDocumentView::spreadRect(int row) const
{
    const int start = spreadStart(row);
    QRect united;
    for (int r = start; r < start + spreadLength(start); ++r)
        united |= m_pageRects.value(r);
    return united;
}

bool PdfDocumentView::adoptZoom(double zoom)
{
    if (sameZoom(zoom, m_zoom))
        return false;
    m_zoom = zoom;
    m_zoomClock.start();
    Q_EMIT zoomFactorChanged(m_zoom);
    return true;
}

void PdfDocumentView::layoutPages(bool keepPosition)
{
    QScrollBar *vertical = verticalScrollBar();
    double ratio = 0.0;
    if (keepPosition)
        ratio = double(vertical->value()) / std::max(m_contentSize.height(), 1);

    m_pageRects.clear();
    const QSize area = viewport()->size();
    if (!m_model || m_model->pageCount() == 0) {
        m_contentSize = area;
        updateScrollBars();
        viewport()->update();
        return;
    }

    const int rows = m_model->pageCount();
    m_currentPage = std::clamp(m_currentPage, 0, rows - 1);
    QList<QSize> sizes;
    sizes.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        const QSizeF points = displaySizeAt(m_model, row, m_viewRotation);
        sizes.append(QSize(std::max(qRound(points.width() * m_zoom), 1),
                           std::max(qRound(points.height() * m_zoom), 1)));
    }
    // Pages of a spread stand side by side, centred on each other's middle; one page at a time
    // leaves every other row without a place.
    const int shownSpread = m_layout == PdfPageLayout::SinglePage ? spreadStart(m_currentPage) : -1;
    const auto spreadSize = [&](int start) {
        QSize size(PageGap * (spreadLength(start) - 1), 0);
        for (int row = start; row < start + spreadLength(start); ++row) {
            size.rwidth() += sizes.at(row).width();
            size.setHeight(std::max(size.height(), sizes.at(row).height()));
        }
        return size;
    };
    int widest = 0;
    for (int start = 0; start < rows; start += spreadLength(start)) {
        if (shownSpread < 0 || start == shownSpread)
            widest = std::max(widest, spreadSize(start).width());
    }

    const int contentWidth = std::max(area.width(), widest + WidthMargin);
    m_pageRects.reserve(rows);
    int y = TopSpace;
    for (int start = 0; start < rows; start += spreadLength(start)) {
        const int count = spreadLength(start);
        if (shownSpread >= 0 && start != shownSpread) {
            for (int i = 0; i < count; ++i)
                m_pageRects.append(QRect());
            continue;
        }
        const QSize spread = spreadSize(start);
        int x = (contentWidth - spread.width()) / 2;
        for (int row = start; row < start + count; ++row) {
            const QSize &size = sizes.at(row);
            m_pageRects.append(QRect(QPoint(x, y + (spread.height() - size.height()) / 2), size));
            x += size.width() + PageGap;
        }
        y += spread.height() + PageGap;
    }
    m_contentSize = QSize(contentWidth, y + BottomExtra);

    updateScrollBars();
    if (keepPosition)
        vertical->setValue(qRound(m_contentSize.height() * ratio));
    viewport()->update();
    requestVisiblePages();
}

void PdfDocumentView::updateScrollBars()
{
    const QSize area = viewport()->size();
    QScrollBar *horizontal = horizontalScrollBar();
    QScrollBar *vertical = verticalScrollBar();
    horizontal->setPageStep(area.width());
    vertical->setPageStep(area.height());
    horizontal->setRange(0, std::max(0, m_contentSize.width() - area.width()));
    vertical->setRange(0, std::max(0, m_contentSize.height() - area.height()));
}

QRect PdfDocumentView::bandRect(int viewportHeightsAround) const
{
    const QSize area = viewport()->size();
    const QRect visible(horizontalScrollBar()->value(), verticalScrollBar()->value(), area.width(),
                        area.height());
    const int extra = area.height() * viewportHeightsAround;
    return visible.adjusted(0, -extra, 0, extra);
}

void PdfDocumentView::requestVisiblePages()
{
    // A hidden view (a tab in the background, a view not shown yet) asks for nothing.
    if (!m_model || !m_renderManager || m_pageRects.isEmpty() || !isVisible())
        return;
    checkPixelRatio();
    PageImagePlan::View view;
    view.pageRects = m_pageRects;
    view.visible = bandRect(0);
    view.pixelRatio = m_requestPixelRatio;
    view.screenPixelRatio = viewport()->devicePixelRatioF();
    view.settleLeftMs = m_zoomClock.isValid() ? ZoomSettleMs - m_zoomClock.elapsed() : qint64(0);
    view.nowMs = QDateTime::currentMSecsSinceEpoch();
    const qint64 again = m_images.request(view);
    if (again >= 0)
        m_settleTimer->start(int(again));
}

void PdfDocumentView::setPageTone(PdfPageTone tone)
{
    if (tone == m_tone)
        return;
    m_tone = tone;
    if (m_model) {
        for (int row = 0; row < m_model->pageCount(); ++row) {
            if (const auto entry = m_model->pageAt(row))
                m_images.redraw(entry->id);
        }
    }
    viewport()->update();
}

void PdfDocumentView::refreshRenders()
{
    m_images.forgetRequests();
    requestVisiblePages();
}

qint64 PdfDocumentView::imageBytes() const
{
    return m_images.imageBytes();
}

void PdfDocumentView::checkPixelRatio()
{
    const double dpr = std::max(viewport()->devicePixelRatioF(), MinRenderPixelRatio);
    if (std::abs(dpr - m_requestPixelRatio) <= PixelRatioTolerance)
        return;
    const bool hadRatio = m_requestPixelRatio > 0.0;
    m_requestPixelRatio = dpr;
    if (!hadRatio)
        return;
    // New sizes for every page; the images stay on screen until their replacements arrive.
    m_images.resizeAll();
    viewport()->update();
}

void PdfDocumentView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Theme::color(Theme::viewBackground));
    if (!m_model)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect band = bandRect(1);
    const QRect area = viewport()->rect();
    const QColor shadow = Theme::color(Theme::pageShadow);
    const QColor outline = Theme::color(Theme::border);
    const QColor paper = pagetone::paper(m_tone);
    for (int row = 0; row < m_pageRects.size(); ++row) {
        const QRect content = m_pageRects.at(row);
        if (!content.intersects(band))
            continue;
        const QRect rect = content.translated(-scroll);
        // Only what is on screen is filled: at a deep zoom a page is many windows large.
        painter.fillRect(rect.translated(0, 3) & area, shadow);
        painter.fillRect(rect & area, paper);
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1) & area, outline);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1) & area, outline);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()) & area, outline);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()) & area, outline);

        const auto entry = m_model->pageAt(row);
        const PageImagePlan::Page *page = entry ? m_images.page(entry->id) : nullptr;
        if (!page || (!page->image && !page->detail)) {
            painter.setPen(Theme::color(Theme::textMuted));
            painter.drawText(rect, Qt::AlignCenter, tr("正在渲染第 %1 页…").arg(row + 1));
            if (entry)
                paintSearchHits(painter, row, entry->id, rect);
            continue;
        }
        // An image of another size (an older zoom, or the first rough one) is scaled while
        // painting until its replacement arrives.
        if (page->image)
            drawClipped(painter, rect, *page->image, area);
        if (page->detail) {
            const double sx = double(rect.width()) / page->detailPageSize.width();
            const double sy = double(rect.height()) / page->detailPageSize.height();
            const QRect &part = page->detailRegion;
            drawClipped(painter,
                        QRectF(rect.left() + part.left() * sx, rect.top() + part.top() * sy,
                               part.width() * sx, part.height() * sy),
                        *page->detail, area);
        }
        paintSearchHits(painter, row, entry->id, rect);
    }
    painter.end();
    requestVisiblePages();
}

void PdfDocumentView::onPageRendered(PdfPageId pageId, QSize targetSize, PdfRenderPurpose purpose,
                                     qulonglong requestId, qulonglong, const QImage &image)
{
    if (purpose != PdfRenderPurpose::Page)
        return;
    // Toned once as it arrives, so painting draws the held image as it is.
    switch (m_images.accept(pageId, targetSize, requestId, pagetone::apply(image, m_tone))) {
    case PageImagePlan::Arrival::Shown:
        viewport()->update();
        break;
    case PageImagePlan::Arrival::RoomForMore:
        requestVisiblePages();
        break;
    case PageImagePlan::Arrival::Ignored:
        break;
    }
}

void PdfDocumentView::onPageRenderFailed(PdfPageId pageId, PdfRenderPurpose purpose,
                                         qulonglong requestId, const QString &)
{
    if (purpose == PdfRenderPurpose::Page)
        m_images.fail(pageId, requestId);
}

void PdfDocumentView::updateCurrentPage()
{
    // One page at a time: the page shown is current however it is scrolled.
    if (m_pageRects.isEmpty() || m_scrollGuard || m_layout == PdfPageLayout::SinglePage)
        return;
    m_scrollGuard = true;
    const int middle = verticalScrollBar()->value() + viewport()->height() / 2;
    int row = rowNearestTo(middle);
    // Either page of the spread in the middle may be the current one.
    if (spreadStart(row) == spreadStart(m_currentPage))
        row = m_currentPage;
    if (row != m_currentPage) {
        m_currentPage = row;
        Q_EMIT currentPageChanged(row);
    }
    m_scrollGuard = false;
}

int PdfDocumentView::rowNearestTo(int contentY) const
{
    int best = std::clamp(m_currentPage, 0, std::max(int(m_pageRects.size()) - 1, 0));
    double bestDistance = -1.0;
    for (int row = 0; row < m_pageRects.size(); ++row) {
        const QRect &r = m_pageRects.at(row);
        if (r.isEmpty())
            continue;
        const double centre = r.top() + r.height() / 2.0;
        const double distance = std::abs(centre - contentY);
        if (bestDistance < 0.0 || distance < bestDistance) {
            best = row;
            bestDistance = distance;
        }
    }
    return best;
}

void PdfDocumentView::scrollContentsBy(int, int)
{
    viewport()->update();
    updateCurrentPage();
    requestVisiblePages();
}

void PdfDocumentView::goToPage(int page)
{
    if (!m_model || page < 0 || page >= m_pageRects.size())
        return;
    const bool guard = m_scrollGuard;
    m_scrollGuard = true;
    const int previous = m_currentPage;
    bool relayout = false;
    if (m_layout == PdfPageLayout::SinglePage && spreadStart(page) != spreadStart(previous)) {
        m_currentPage = page;
        relayout = true;
    }
    if (m_fitMode != PdfFitMode::NoFit && adoptZoom(fitZoomFor(page, m_fitMode)))
        relayout = true;
    if (relayout)
        layoutPages(false);
    const QRect rect = spreadRect(page);
    if (!rect.isEmpty()) {
        verticalScrollBar()->setValue(std::max(0, rect.top() - GoToTopSpace));
        const double centre = rect.left() + rect.width() / 2.0;
        horizontalScrollBar()->setValue(std::max(0, qRound(centre - viewport()->width() / 2.0)));
    }
    m_currentPage = page;
    if (page != previous)
        Q_EMIT currentPageChanged(page);
    m_scrollGuard = guard;
    requestVisiblePages();
}

void PdfDocumentView::turnPage(int direction)
{
    if (!m_model || m_model->pageCount() == 0)
        return;
    const int start = spreadStart(m_currentPage);
    const int target = direction > 0 ? start + spreadLength(start) : spreadStart(start - 1);
    if (target >= 0 && target < m_model->pageCount() && target != start)
        goToPage(target);
}

void PdfDocumentView::turnScreen(int direction)
{
    QScrollBar *bar = verticalScrollBar();
    const auto scroll = [&] {
        bar->triggerAction(direction < 0 ? QAbstractSlider::SliderPageStepSub
                                         : QAbstractSlider::SliderPageStepAdd);
    };
    if (m_layout == PdfPageLayout::Continuous) {
        scroll();
        return;
    }
    const QRect spread = spreadRect(m_currentPage);
    const QRect visible = bandRect(0);
    if (direction > 0 ? spread.bottom() > visible.bottom() : spread.top() < visible.top())
        scroll();
    else
        turnPage(direction);
}

bool PdfDocumentView::turnAtEdge(int delta)
{
    QScrollBar *bar = verticalScrollBar();
    const bool down = delta < 0;
    if (m_layout != PdfPageLayout::SinglePage || delta == 0 ||
        (down ? bar->value() < bar->maximum() : bar->value() > bar->minimum())) {
        m_edgeWheel = 0;
        return false;
    }
    // A full notch (or as much finger travel) past the edge turns; a flick's tail alone does not.
    m_edgeWheel += delta;
    if (std::abs(m_edgeWheel) < 120)
        return true;
    m_edgeWheel = 0;
    const int before = m_currentPage;
    turnPage(down ? 1 : -1);
    if (!down && m_currentPage != before)
        bar->setValue(bar->maximum());
    return true;
}

void PdfDocumentView::setPageLayout(PdfPageLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    const int page = m_currentPage;
    refit();
    layoutPages(false);
    goToPage(page);
    Q_EMIT pageLayoutChanged(layout);
}

void PdfDocumentView::setViewRotation(int degrees)
{
    const int turned = PdfDocumentModel::normalizedRotation(degrees) / 90 * 90;
    if (turned == m_viewRotation)
        return;
    m_viewRotation = turned;
    // Every page is drawn anew; turning back finds the older images in the render cache.
    m_images.clear();
    m_images.setViewRotation(turned);
    const int page = m_currentPage;
    refit();
    layoutPages(false);
    goToPage(page);
    viewport()->update();
    Q_EMIT viewRotationChanged(turned);
}

std::optional<PdfPageEntry> PdfDocumentView::shownPage(int row) const
{
    std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (entry && m_viewRotation != 0)
        entry->rotation = (entry->rotation + m_viewRotation) % 360;
    return entry;
}

int PdfDocumentView::pageRowAt(const QPoint &viewportPos) const
{
    const QPoint content =
        viewportPos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    for (int row = 0; row < m_pageRects.size(); ++row) {
        if (m_pageRects.at(row).contains(content))
            return row;
    }
    return -1;
}

void PdfDocumentView::setZoomFactor(double factor)
{
    const double clamped = std::clamp(factor, MinZoom, MaxZoom);
    if (sameZoom(clamped, m_zoom) && m_fitMode == PdfFitMode::NoFit)
        return;
    m_fitMode = PdfFitMode::NoFit;
    adoptZoom(clamped);
    layoutPages(true);
}

void PdfDocumentView::zoomIn()
{
    setZoomFactor(m_zoom * ZoomStep);
}

void PdfDocumentView::zoomOut()
{
    setZoomFactor(m_zoom / ZoomStep);
}

void PdfDocumentView::fitWidth()
{
    m_fitMode = PdfFitMode::FitWidth;
    adoptZoom(fitZoomFor(m_currentPage, m_fitMode));
    layoutPages(true);
}

void PdfDocumentView::fitPage()
{
    m_fitMode = PdfFitMode::FitPage;
    adoptZoom(fitZoomFor(m_currentPage, m_fitMode));
    layoutPages(true);
    goToPage(m_currentPage);
}

void PdfDocumentView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_fitMode != PdfFitMode::NoFit && m_model && m_model->pageCount() > 0)
        adoptZoom(fitZoomFor(m_currentPage, m_fitMode));
    layoutPages(true);
}

bool PdfDocumentView::event(QEvent *event)
{
    const bool result = QAbstractScrollArea::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal) {
        const double dpr = std::max(viewport()->devicePixelRatioF(), MinRenderPixelRatio);
        if (std::abs(dpr - m_requestPixelRatio) > PixelRatioTolerance) {
            checkPixelRatio();
            viewport()->update();
            requestVisiblePages();
        }
    }
    return result;
}

void PdfDocumentView::wheelEvent(QWheelEvent *event)
{
    QScrollBar *horizontal = horizontalScrollBar();
    QScrollBar *vertical = verticalScrollBar();
    if (event->modifiers() & Qt::ControlModifier) {
        // Keep the page point under the pointer where it is: remember it relative to its page,
        // since the margins and gaps between pages do not grow with the zoom.
        const QPointF pointer = event->position();
        const QPointF content = pointer + QPointF(horizontal->value(), vertical->value());
        const int row = m_pageRects.isEmpty() ? -1 : rowNearestTo(qRound(content.y()));
        QPointF relative;
        if (row >= 0) {
            const QRect r = m_pageRects.at(row);
            relative = QPointF((content.x() - r.left()) / std::max(r.width(), 1),
                               (content.y() - r.top()) / std::max(r.height(), 1));
        }
        const double oldZoom = m_zoom;
        setZoomFactor(event->angleDelta().y() <= 0 ? m_zoom / WheelZoomStep
                                                   : m_zoom * WheelZoomStep);
        QPointF target = content * (m_zoom / oldZoom);
        if (row >= 0 && row < m_pageRects.size()) {
            const QRect r = m_pageRects.at(row);
            target =
                QPointF(r.left() + relative.x() * r.width(), r.top() + relative.y() * r.height());
        }
        horizontal->setValue(qRound(target.x() - pointer.x()));
        vertical->setValue(qRound(target.y() - pointer.y()));
        event->accept();
        return;
    }

    const QPoint pixels = event->pixelDelta();
    if (turnAtEdge(pixels.isNull() ? event->angleDelta().y() : pixels.y())) {
        event->accept();
        return;
    }
    if (!pixels.isNull()) {
        horizontal->setValue(horizontal->value() - pixels.x());
        vertical->setValue(vertical->value() - pixels.y());
    } else {
        QPoint angle = event->angleDelta();
        if ((event->modifiers() & Qt::ShiftModifier) && angle.x() == 0)
            angle = QPoint(angle.y(), 0);
        horizontal->setValue(horizontal->value() - qRound(angle.x() * WheelPixelsPerAngleUnit));
        vertical->setValue(vertical->value() - qRound(angle.y() * WheelPixelsPerAngleUnit));
    }
    event->accept();
}

void PdfDocumentView::mousePressEvent(QMouseEvent *event)
{
    const bool pan =
        (event->button() == Qt::LeftButton && m_handTool) || event->button() == Qt::MiddleButton;
    if (pan) {
        m_panning = true;
        m_lastPointer = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const QPoint content = event->position().toPoint() +
                               QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
        for (int row = 0; row < m_pageRects.size(); ++row) {
            if (m_pageRects.at(row).contains(content)) {
                Q_EMIT pageClicked(row);
                break;
            }
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void PdfDocumentView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_panning) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint position = event->position().toPoint();
    const QPoint moved = position - m_lastPointer;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
    m_lastPointer = position;
    event->accept();
}

void PdfDocumentView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_panning && (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)) {
        m_panning = false;
        viewport()->setCursor(m_handTool ? Qt::OpenHandCursor : Qt::ArrowCursor);
        event->accept();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void PdfDocumentView::clearPageState()
{
    m_images.clear();
}

bool PdfDocumentView::hasPageImage(PdfPageId id) const
{
    return m_images.hasImage(id);
}

void PdfDocumentView::onModelReset()
{
    // Undo, redo and a save restore the page list as a whole while the reader stays where they
    // are: the current page is the one in view, not the first one.
    clearPageState();
    layoutPages(false);
    updateCurrentPage();
}

void PdfDocumentView::refit()
{
    // Rotated, inserted or removed pages change what the fit mode asks for.
    if (m_fitMode != PdfFitMode::NoFit && m_model && m_model->pageCount() > 0)
        adoptZoom(fitZoomFor(m_currentPage, m_fitMode));
}

void PdfDocumentView::onRowsChanged()
{
    refit();
    layoutPages(true);
}

void PdfDocumentView::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                    const QList<int> &roles)
{
    using Change = PdfDocumentModel::PageChange;
    const PdfDocumentModel::PageChanges changes = PdfDocumentModel::pageChanges(roles);
    if (changes & (Change::Pixels | Change::Rotation)) {
        // Turned, or the file drew differently: the old images are wrong.
        for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
            if (const auto entry = m_model->pageAt(row))
                m_images.forget(entry->id);
        }
        refit();
        layoutPages(true);
        return;
    }
    if (changes & (Change::Stamp | Change::Annotations)) {
        // Page numbers, comments or form values changed: drawn again, the older images shown
        // until then.
        for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
            if (const auto entry = m_model->pageAt(row))
                m_images.redraw(entry->id);
        }
    }
    if (changes & Change::Size) {
        // Sizes read after the first screen: the pages keep their images (drawn scaled until
        // redrawn at the new size) and the current page stays where the reader has it.
        const int anchor = m_currentPage;
        const QRect before = m_pageRects.value(anchor);
        const int offset = verticalScrollBar()->value() - before.top();
        const bool guarded = std::exchange(m_scrollGuard, true);
        refit();
        layoutPages(false);
        if (anchor < m_pageRects.size() && before.isValid()) {
            const QRect after = m_pageRects.at(anchor);
            const double scale = double(after.height()) / std::max(before.height(), 1);
            verticalScrollBar()->setValue(after.top() + qRound(offset * scale));
        }
        m_scrollGuard = guarded;
    }
    if (changes & (Change::Stamp | Change::Size))
        requestVisiblePages();
}

void PdfDocumentView::setTextSearch(PdfTextSearch *search)
{
    if (m_textSearch)
        disconnect(m_textSearch, nullptr, this, nullptr);
    m_textSearch = search;
    if (search) {
        // Batches of hits keep coming while a long document is searched; only those on the
        // pages in view are worth a repaint.
        connect(search, &PdfTextSearch::resultsChanged, this, [this] {
            const int shown = visibleHitCount();
            if (shown != m_shownHits) {
                m_shownHits = shown;
                viewport()->update();
            }
        });
        connect(search, &PdfTextSearch::currentHitChanged, this, [this] { viewport()->update(); });
    }
    viewport()->update();
}

int PdfDocumentView::visibleHitCount() const
{
    if (!m_textSearch || !m_model || m_textSearch->hitCount() == 0)
        return 0;
    const QRect band = bandRect(0);
    int count = 0;
    for (int row = 0; row < m_pageRects.size(); ++row) {
        if (!m_pageRects.at(row).intersects(band))
            continue;
        if (const auto entry = m_model->pageAt(row))
            count += int(m_textSearch->hitsOnPage(entry->id).size());
    }
    return count;
}

QRect PdfDocumentView::pageBoxRect(int row, const QRectF &box) const
{
    const QRect page = m_pageRects.value(row);
    const auto entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (page.isEmpty() || !entry)
        return {};
    // Boxes are on the page as the document shows it; the view may turn it further.
    const QRectF turned = turnBox(box, PdfDocumentModel::displaySize(*entry), m_viewRotation);
    const QSizeF size = displaySizeAt(m_model, row, m_viewRotation);
    const double sx = page.width() / qMax(size.width(), 1.0);
    const double sy = page.height() / qMax(size.height(), 1.0);
    return QRectF(page.left() + turned.left() * sx, page.top() + turned.top() * sy,
                  turned.width() * sx, turned.height() * sy)
        .toAlignedRect();
}

void PdfDocumentView::paintSearchHits(QPainter &painter, int row, PdfPageId id,
                                      const QRect &rect) const
{
    if (!m_textSearch || m_textSearch->hitCount() == 0)
        return;
    const QList<PdfTextHit> hits = m_textSearch->hitsOnPage(id);
    if (hits.isEmpty())
        return;
    const QPoint offset = rect.topLeft() - m_pageRects.value(row).topLeft();
    QColor fill = Theme::color(Theme::accent);
    fill.setAlpha(60);
    QColor current = Theme::color(Theme::accent);
    current.setAlpha(120);
    const bool currentPage = m_textSearch->currentPage() == id;
    painter.save();
    painter.setClipRect(rect & viewport()->rect());
    for (int i = 0; i < hits.size(); ++i) {
        const bool isCurrent = currentPage && i == m_textSearch->currentIndex();
        for (const QRectF &box : hits.at(i).boxes) {
            const QRect area = pageBoxRect(row, box).translated(offset).adjusted(-1, -1, 1, 1);
            painter.fillRect(area, isCurrent ? current : fill);
            if (isCurrent) {
                painter.setPen(Theme::color(Theme::accentPressed));
                painter.drawRect(area.adjusted(0, 0, -1, -1));
            }
        }
    }
    painter.restore();
}

void PdfDocumentView::revealPageBox(int row, const QRectF &box)
{
    // One page at a time: a page not shown must first be brought in.
    if (m_layout == PdfPageLayout::SinglePage && m_pageRects.value(row).isEmpty())
        goToPage(row);
    QRect target = pageBoxRect(row, box);
    if (target.isEmpty())
        target = m_pageRects.value(row);
    if (target.isEmpty())
        return;
    const QRect visible(horizontalScrollBar()->value(), verticalScrollBar()->value(),
                        viewport()->width(), viewport()->height());
    // Keep some room around the hit; put it a third down the window when it must move.
    if (target.top() < visible.top() + 24 || target.bottom() > visible.bottom() - 24)
        verticalScrollBar()->setValue(target.top() - viewport()->height() / 3);
    if (target.left() < visible.left() || target.right() > visible.right())
        horizontalScrollBar()->setValue(target.center().x() - viewport()->width() / 2);
    viewport()->update();
}
