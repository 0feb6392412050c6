#include "pdfpageinteraction.h"

#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

namespace {

// Maps between page points before the user's rotation and the page as shown (clockwise turns).
QPointF rotatePoint(const QPointF &p, const QSizeF &size, int rotation)
{
    switch (rotation) {
    case 90:
        return {size.height() - p.y(), p.x()};
    case 180:
        return {size.width() - p.x(), size.height() - p.y()};
    case 270:
        return {p.y(), size.width() - p.x()};
    default:
        return p;
    }
}

QPointF unrotatePoint(const QPointF &q, const QSizeF &size, int rotation)
{
    switch (rotation) {
    case 90:
        return {q.y(), size.height() - q.x()};
    case 180:
        return {size.width() - q.x(), size.height() - q.y()};
    case 270:
        return {size.width() - q.y(), q.x()};
    default:
        return q;
    }
}

} // namespace

PdfPageInteraction::PdfPageInteraction(PdfDocumentView *view, PdfDocumentModel *model)
    : QWidget(view->viewport())
    , m_view(view)
    , m_model(model)
{
    setObjectName(QStringLiteral("pdfPageInteraction"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(view->viewport()->rect());
    m_autoScroll = new QTimer(this);
    m_autoScroll->setInterval(30);
    connect(m_autoScroll, &QTimer::timeout, this, &PdfPageInteraction::autoScrollStep);
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    if (model) {
        auto forgetAll = [this] {
            m_links.clear();
            clearSelection();
        };
        connect(model, &QAbstractItemModel::modelReset, this, forgetAll);
        connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
            if (m_selectionPage && m_model->rowOfPage(m_selectionPage) < 0)
                clearSelection();
        });
        connect(model, &QAbstractItemModel::dataChanged, this, [this] { update(); });
    }
    show();
}

PdfPageInteraction::~PdfPageInteraction() = default;

int PdfPageInteraction::pageRowAt(const QPoint &viewportPos) const
{
    return m_view && m_model ? m_view->pageRowAt(viewportPos) : -1;
}

QPointF PdfPageInteraction::toPage(int row, const QPoint &viewportPos) const
{
    // As the view draws it: the view's own turn is part of the rotation.
    const std::optional<PdfPageEntry> entry = m_view->shownPage(row);
    const QRect rect = m_view->pageRect(row);
    if (!entry || rect.isEmpty())
        return {};
    const QSizeF shown = PdfDocumentModel::displaySize(*entry);
    const QPoint offset(m_view->horizontalScrollBar()->value(),
                        m_view->verticalScrollBar()->value());
    const QPointF local = QPointF(viewportPos + offset - rect.topLeft());
    const QPointF q(local.x() * shown.width() / rect.width(),
                    local.y() * shown.height() / rect.height());
    return unrotatePoint(q, entry->pageSize, entry->rotation);
}

QPointF PdfPageInteraction::toViewport(int row, const QPointF &pagePoint) const
{
    // As the view draws it: the view's own turn is part of the rotation.
    const std::optional<PdfPageEntry> entry = m_view->shownPage(row);
    const QRect rect = m_view->pageRect(row);
    if (!entry || rect.isEmpty())
        return {};
    const QSizeF shown = PdfDocumentModel::displaySize(*entry);
    const QPointF q = rotatePoint(pagePoint, entry->pageSize, entry->rotation);
    const QPoint offset(m_view->horizontalScrollBar()->value(),
                        m_view->verticalScrollBar()->value());
    return QPointF(rect.topLeft() - offset) +
           QPointF(q.x() * rect.width() / shown.width(), q.y() * rect.height() / shown.height());
}

const PdfPageLink *PdfPageInteraction::linkAt(const QPoint &viewportPos, int *rowOut)
{
    const int row = pageRowAt(viewportPos);
    if (rowOut)
        *rowOut = row;
    if (row < 0)
        return nullptr;
    const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
    if (!entry || entry->sourcePath.isEmpty())
        return nullptr;
    auto it = m_links.find(entry->id);
    if (it == m_links.end()) {
        QList<PdfPageLink> links;
        QString message;
        PdfEditorBackend::loadLinks(PdfDocumentModel::toSourcePage(*entry), &links, &message);
        it = m_links.insert(entry->id, links);
    }
    const QPointF point = toPage(row, viewportPos);
    for (const PdfPageLink &link : *it) {
        if (link.rect.contains(point))
            return &link;
    }
    return nullptr;
}

int PdfPageInteraction::selectionRow() const
{
    return m_selectionPage && m_model ? m_model->rowOfPage(m_selectionPage) : -1;
}

void PdfPageInteraction::clearSelection()
{
    if (!m_selectionPage && m_quads.isEmpty())
        return;
    m_selectionPage = 0;
    m_quads.clear();
    m_text.clear();
    update();
}

void PdfPageInteraction::selectPage(int row)
{
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (!entry)
        return;
    PdfTextSelection selection;
    QString message;
    PdfEditorBackend::selectText(PdfDocumentModel::toSourcePage(*entry), {}, {}, true, &selection,
                                 &message);
    m_selectionPage = entry->id;
    m_quads = selection.quads;
    m_text = selection.text;
    update();
    publishSelection();
}

void PdfPageInteraction::selectUnit(int row, const QPoint &viewportPos, PdfSelectionUnit unit)
{
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (!entry)
        return;
    const QPointF point = toPage(row, viewportPos);
    PdfTextSelection selection;
    QString message;
    PdfEditorBackend::selectText(PdfDocumentModel::toSourcePage(*entry), point, point, false,
                                 &selection, &message, unit);
    m_selecting = false;
    m_selectionPage = selection.quads.isEmpty() ? 0 : entry->id;
    m_anchor = point;
    m_focus = point;
    m_quads = selection.quads;
    m_text = selection.text;
    update();
    publishSelection();
}

void PdfPageInteraction::publishSelection()
{
    QClipboard *clipboard = QApplication::clipboard();
    if (hasSelection() && clipboard->supportsSelection())
        clipboard->setText(m_text, QClipboard::Selection);
}

void PdfPageInteraction::updateSelection(const QPoint &viewportPos)
{
    const int row = selectionRow();
    const std::optional<PdfPageEntry> entry = row >= 0 ? m_model->pageAt(row) : std::nullopt;
    if (!entry)
        return;
    const QSizeF size = entry->pageSize;
    QPointF focus = toPage(row, viewportPos);
    focus.setX(std::clamp(focus.x(), 0.0, size.width()));
    focus.setY(std::clamp(focus.y(), 0.0, size.height()));
    if ((focus - m_focus).manhattanLength() < 0.5 && !m_quads.isEmpty())
        return;
    m_focus = focus;
    PdfTextSelection selection;
    QString message;
    PdfEditorBackend::selectText(PdfDocumentModel::toSourcePage(*entry), m_anchor, m_focus, false,
                                 &selection, &message);
    m_quads = selection.quads;
    m_text = selection.text;
    update();
}

bool PdfPageInteraction::copySelection()
{
    if (!hasSelection())
        return false;
    QApplication::clipboard()->setText(m_text);
    return true;
}

void PdfPageInteraction::followLink(int row, const PdfPageLink &link)
{
    if (!link.uri.isEmpty()) {
        Q_EMIT externalLinkRequested(link.uri);
        return;
    }
    const std::optional<PdfPageEntry> from = m_model->pageAt(row);
    if (!from)
        return;
    // The target as it now stands: the first row showing that page of the same file.
    const QList<PdfPageEntry> pages = m_model->pages();
    for (int target = 0; target < pages.size(); ++target) {
        if (pages[target].sourcePath == from->sourcePath &&
            pages[target].sourcePageIndex == link.targetPage) {
            Q_EMIT pageRequested(target);
            return;
        }
    }
}

void PdfPageInteraction::updateHoverCursor(const QPoint &viewportPos)
{
    if (!m_view || m_view->isHandToolEnabled())
        return;
    const bool overLink = linkAt(viewportPos) != nullptr;
    const Qt::CursorShape wanted = overLink ? Qt::PointingHandCursor : Qt::ArrowCursor;
    const Qt::CursorShape shown = m_view->viewport()->cursor().shape();
    // Only the two shapes this class sets are replaced; the view's own (panning) stay.
    if (shown != wanted && (shown == Qt::ArrowCursor || shown == Qt::PointingHandCursor))
        m_view->viewport()->setCursor(wanted);
}

void PdfPageInteraction::autoScrollStep()
{
    const int height = m_view ? m_view->viewport()->height() : 0;
    const int beyond = m_dragPos.y() < 0 ? m_dragPos.y() : std::max(0, m_dragPos.y() - height);
    if (!m_selecting || beyond == 0) {
        m_autoScroll->stop();
        return;
    }
    QScrollBar *bar = m_view->verticalScrollBar();
    bar->setValue(bar->value() + std::clamp(beyond, -60, 60));
    updateSelection(m_dragPos);
}

bool PdfPageInteraction::handleKey(QKeyEvent *event, bool overrideOnly)
{
    const bool copy = event->matches(QKeySequence::Copy);
    const bool selectAll = event->matches(QKeySequence::SelectAll);
    if (!(copy && hasSelection()) && !selectAll)
        return false;
    // Claiming the override keeps window shortcuts from taking these keys while the view
    // has focus.
    event->accept();
    if (overrideOnly)
        return true;
    if (copy)
        copySelection();
    else
        selectPage(m_view->currentPage());
    return true;
}

bool PdfPageInteraction::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_view || !m_model)
        return QWidget::eventFilter(watched, event);
    if (watched == m_view) {
        if (event->type() == QEvent::ShortcutOverride)
            handleKey(static_cast<QKeyEvent *>(event), true);
        else if (event->type() == QEvent::KeyPress &&
                 handleKey(static_cast<QKeyEvent *>(event), false))
            return true;
        else if (event->type() == QEvent::KeyPress &&
                 static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && m_selectionPage) {
            clearSelection();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched != m_view->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
        setGeometry(m_view->viewport()->rect());
        break;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const QPoint pos = mouse->position().toPoint();
        m_pressPos = pos;
        int row = -1;
        const PdfPageLink *link = linkAt(pos, &row);
        if (m_doubleClick.isValid() && !m_view->isHandToolEnabled() && row >= 0 && !link &&
            m_doubleClick.elapsed() <= QApplication::doubleClickInterval() &&
            (pos - m_doubleClickPos).manhattanLength() < QApplication::startDragDistance()) {
            m_doubleClick.invalidate();
            m_pressLinkRow = -1;
            selectUnit(row, pos, PdfSelectionUnit::Lines);
            break;
        }
        m_doubleClick.invalidate();
        m_pressLinkRow = link ? row : -1;
        m_pressLinkRect = link ? link->rect : QRectF();
        if (m_view->isHandToolEnabled())
            break;
        clearSelection();
        if (row >= 0 && !link) {
            const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
            m_selectionPage = entry ? entry->id : 0;
            m_anchor = toPage(row, pos);
            m_focus = m_anchor;
            m_selecting = m_selectionPage != 0;
        }
        break;
    }
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || m_view->isHandToolEnabled())
            break;
        const QPoint pos = mouse->position().toPoint();
        int row = -1;
        if (linkAt(pos, &row) || row < 0)
            break;
        m_pressPos = pos;
        m_pressLinkRow = -1;
        selectUnit(row, pos, PdfSelectionUnit::Words);
        m_doubleClick.start();
        m_doubleClickPos = pos;
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint pos = mouse->position().toPoint();
        if (m_selecting && (mouse->buttons() & Qt::LeftButton)) {
            m_dragPos = pos;
            if ((pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
                updateSelection(pos);
            if ((pos.y() < 0 || pos.y() >= m_view->viewport()->height()) &&
                !m_autoScroll->isActive())
                m_autoScroll->start();
        } else if (mouse->buttons() == Qt::NoButton) {
            updateHoverCursor(pos);
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const QPoint pos = mouse->position().toPoint();
        const bool click = (pos - m_pressPos).manhattanLength() < QApplication::startDragDistance();
        const bool dragged = m_selecting && !click;
        m_selecting = false;
        m_autoScroll->stop();
        if (click && m_quads.isEmpty())
            m_selectionPage = 0;
        if (dragged)
            publishSelection();
        if (click && m_pressLinkRow >= 0) {
            int row = -1;
            const PdfPageLink *link = linkAt(pos, &row);
            if (link && row == m_pressLinkRow && link->rect == m_pressLinkRect) {
                const PdfPageLink target = *link;
                m_pressLinkRow = -1;
                followLink(row, target);
            }
        }
        m_pressLinkRow = -1;
        break;
    }
    case QEvent::Leave:
        if (!m_view->isHandToolEnabled() &&
            m_view->viewport()->cursor().shape() == Qt::PointingHandCursor)
            m_view->viewport()->setCursor(Qt::ArrowCursor);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void PdfPageInteraction::paintEvent(QPaintEvent *)
{
    const int row = selectionRow();
    if (row < 0 || m_quads.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(79, 70, 229, 72));
    for (const QPolygonF &quad : std::as_const(m_quads)) {
        QPolygonF shown;
        for (const QPointF &point : quad)
            shown.append(toViewport(row, point));
        painter.drawPolygon(shown);
    }
}
