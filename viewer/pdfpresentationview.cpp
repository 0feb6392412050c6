#include "pdfpresentationview.h"

#include "pdfdocumentmodel.h"
#include "pdfrendermanager.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int CursorHideMs = 2000;
constexpr int WheelNotch = 120;
constexpr double MaxImageArea = 33554432.0; // 2^25 pixels, as the reading view

std::optional<PdfPageEntry> turnedEntry(const PdfDocumentModel *model, int row, int rotation)
{
    std::optional<PdfPageEntry> entry = model ? model->pageAt(row) : std::nullopt;
    if (entry)
        entry->rotation = (entry->rotation + rotation) % 360;
    return entry;
}

} // namespace

PdfPresentationView::PdfPresentationView(PdfDocumentModel *model, PdfRenderManager *manager,
                                         int viewRotation, int startRow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_model(model)
    , m_renderManager(manager)
    , m_viewRotation(viewRotation)
{
    setObjectName(u"pdfPresentationView"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_cursorTimer = new QTimer(this);
    m_cursorTimer->setSingleShot(true);
    m_cursorTimer->setInterval(CursorHideMs);
    connect(m_cursorTimer, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
    if (manager)
        connect(manager, &PdfRenderManager::pageRendered, this,
                &PdfPresentationView::onPageRendered);
    if (model) {
        // Pages added, taken away or changed elsewhere end nothing here: the row is kept in range
        // and what no longer matches is drawn again.
        const auto changed = [this] {
            m_images.clear();
            m_requested.clear();
            m_pending.clear();
            goToRow(m_row);
        };
        connect(model, &QAbstractItemModel::modelReset, this, changed);
        connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
        connect(model, &QAbstractItemModel::rowsInserted, this, changed);
        connect(model, &QAbstractItemModel::rowsMoved, this, changed);
    }
    m_row = std::max(startRow, 0);
    showCursorForAWhile();
}

PdfPresentationView::~PdfPresentationView() = default;

bool PdfPresentationView::isPageShown() const
{
    const auto entry = m_model ? m_model->pageAt(m_row) : std::nullopt;
    return entry && m_images.contains(entry->id);
}

void PdfPresentationView::goToRow(int row)
{
    const int count = m_model ? m_model->pageCount() : 0;
    if (count == 0) {
        close();
        return;
    }
    m_row = std::clamp(row, 0, count - 1);
    requestAround();
    update();
}

QRect PdfPresentationView::pageArea(int row) const
{
    const auto entry = turnedEntry(m_model, row, m_viewRotation);
    if (!entry || width() <= 0 || height() <= 0)
        return {};
    const QSizeF points = PdfDocumentModel::displaySize(*entry);
    const QSize shown =
        points.scaled(QSizeF(size()), Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

void PdfPresentationView::requestRow(int row, int priority)
{
    const auto entry = turnedEntry(m_model, row, m_viewRotation);
    const QRect area = pageArea(row);
    if (!entry || !m_renderManager || area.isEmpty())
        return;
    const double dpr = devicePixelRatioF();
    const double w = area.width() * dpr;
    const double h = area.height() * dpr;
    const double scale = std::min(1.0, std::sqrt(MaxImageArea / std::max(w * h, 1.0)));
    const QSize target(std::max(int(std::ceil(w * scale)), 1),
                       std::max(int(std::ceil(h * scale)), 1));
    if (m_images.value(entry->id).size == target || m_requested.value(entry->id) == target)
        return;
    m_requested.insert(entry->id, target);
    // Whole pages as they will print: added annotations and filled fields drawn in, which the
    // reading view paints over its images itself.
    const quint64 id = m_renderManager->requestRender(*entry, target, PdfRenderPurpose::Thumbnail,
                                                      m_model->revision(), priority);
    if (id != 0)
        m_pending.insert(id, entry->id);
}

void PdfPresentationView::requestAround()
{
    if (!m_model || !isVisible())
        return;
    requestRow(m_row, RenderPriority);
    requestRow(m_row + 1, RenderPriority - 1);
    requestRow(m_row - 1, RenderPriority - 2);
    // Only the pages within a step are held.
    QSet<PdfPageId> keep;
    for (int row = m_row - 1; row <= m_row + 1; ++row) {
        if (const auto entry = m_model->pageAt(row))
            keep.insert(entry->id);
    }
    for (auto it = m_images.begin(); it != m_images.end();)
        it = keep.contains(it.key()) ? std::next(it) : m_images.erase(it);
}

void PdfPresentationView::onPageRendered(PdfPageId pageId, QSize targetSize,
                                         PdfRenderPurpose purpose, qulonglong requestId, qulonglong,
                                         const QImage &image)
{
    if (purpose != PdfRenderPurpose::Thumbnail || !m_pending.contains(requestId))
        return;
    m_pending.remove(requestId);
    if (m_requested.value(pageId) != targetSize)
        return;
    m_requested.remove(pageId);
    m_images.insert(pageId, {image, targetSize});
    const auto entry = m_model ? m_model->pageAt(m_row) : std::nullopt;
    if (entry && entry->id == pageId)
        update();
}

void PdfPresentationView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const auto entry = m_model ? m_model->pageAt(m_row) : std::nullopt;
    if (!entry)
        return;
    const auto held = m_images.constFind(entry->id);
    if (held == m_images.constEnd())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pageArea(m_row), held->image);
}

void PdfPresentationView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        goToRow(event->modifiers() & Qt::ShiftModifier && event->key() == Qt::Key_Space
                    ? m_row - 1
                    : m_row + 1);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Up:
        goToRow(m_row - 1);
        break;
    case Qt::Key_Home:
        goToRow(0);
        break;
    case Qt::Key_End:
        goToRow(m_model ? m_model->pageCount() - 1 : 0);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PdfPresentationView::mousePressEvent(QMouseEvent *event)
{
    showCursorForAWhile();
    if (event->button() == Qt::LeftButton)
        goToRow(m_row + 1);
    else if (event->button() == Qt::RightButton)
        goToRow(m_row - 1);
    event->accept();
}

void PdfPresentationView::mouseMoveEvent(QMouseEvent *event)
{
    showCursorForAWhile();
    QWidget::mouseMoveEvent(event);
}

void PdfPresentationView::wheelEvent(QWheelEvent *event)
{
    m_wheel += event->angleDelta().y();
    if (std::abs(m_wheel) >= WheelNotch) {
        goToRow(m_wheel < 0 ? m_row + 1 : m_row - 1);
        m_wheel = 0;
    }
    event->accept();
}

void PdfPresentationView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    requestAround();
}

void PdfPresentationView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    requestAround();
}

void PdfPresentationView::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_finished) {
        m_finished = true;
        Q_EMIT finished(m_row);
    }
}

void PdfPresentationView::showCursorForAWhile()
{
    // The pointer stays out of the way of the slides until it moves.
    if (cursor().shape() != Qt::ArrowCursor)
        setCursor(Qt::ArrowCursor);
    m_cursorTimer->start();
}
