#include "pdfthumbnailpanel.h"

#include "pdfdocumentmodel.h"
#include "pdfinsertdropzone.h"
#include "pdfrendermanager.h"
#include "relink.h"
#include "theme.h"
#include "thumbnaildelegate.h"
#include "thumbnaillistview.h"

#include <QEvent>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <QVBoxLayout>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int AfterPassDelayMs = 20;
constexpr int BetweenStepsDelayMs = 25;
constexpr int BackOffDelayMs = 50;
constexpr int AfterFailureDelayMs = 60;

QString panelStyle()
{
    return uR"(
#pdfThumbnailPanel { background: %1; border: none; border-right: 1px solid %2; }
QListView#pdfThumbnailList { background: transparent; border: none; outline: none; }
QListView#pdfThumbnailList::item { background: transparent; border: none; }
QListView#pdfThumbnailList QScrollBar:vertical { width: 10px; background: transparent; margin: 2px; }
QListView#pdfThumbnailList QScrollBar::handle:vertical {
    background: %8; border-radius: 3px; min-height: 32px;
}
QListView#pdfThumbnailList QScrollBar::add-line:vertical,
QListView#pdfThumbnailList QScrollBar::sub-line:vertical { height: 0px; border: none; }
QListView#pdfThumbnailList QScrollBar::add-page:vertical,
QListView#pdfThumbnailList QScrollBar::sub-page:vertical { background: transparent; }
QPushButton#pdfInsertDropZone {
    color: %3; background: %4; border: 2px dashed %5; border-radius: 10px;
    font-size: 13px; padding: 12px 4px;
    qproperty-icon: url(:/res/icons/modern/add-file.png); qproperty-iconSize: 28px 28px;
}
QPushButton#pdfInsertDropZone:hover, QPushButton#pdfInsertDropZone[dragActive="true"] {
    background: %6; border-color: %7;
}
)"_s.arg(Theme::windowBackground, Theme::border, Theme::accent, Theme::accentSoft,
         Theme::dropZoneBorder, Theme::dropZoneActive, Theme::dropZoneActiveBorder,
         Theme::viewScrollHandle);
}

} // namespace

PdfThumbnailPanel::PdfThumbnailPanel(QWidget *parent)
    : QWidget(parent)
    , m_list(new ThumbnailListView(this))
    , m_dropZone(new PdfInsertDropZone(this))
    , m_sweepTimer(new QTimer(this))
{
    setObjectName(u"pdfThumbnailPanel"_s);
    // The actions come up only once the pointer rests on a card, so that a quick click on a
    // card opens its page and never hits an action that appeared under the pointer.
    m_actionTimer = new QTimer(this);
    m_actionTimer->setSingleShot(true);
    m_actionTimer->setInterval(ActionDelayMs);
    connect(m_actionTimer, &QTimer::timeout, this, [this] {
        m_actionsRow = m_hoverRow;
        m_list->viewport()->update();
    });
    setAttribute(Qt::WA_StyledBackground, true);
    setMinimumWidth(MinimumWidth);
    setMaximumWidth(MaximumWidth);
    resize(210, height());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 10, 8, 10);
    layout->setSpacing(8);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_dropZone);

    m_list->setObjectName(u"pdfThumbnailList"_s);
    m_list->setItemDelegate(new ThumbnailDelegate(this));
    m_list->setSpacing(2);
    m_list->setViewMode(QListView::ListMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(false);
    m_list->setUniformItemSizes(true);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->verticalScrollBar()->setSingleStep(42);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setDragEnabled(true);
    m_list->setAcceptDrops(true);
    m_list->setDropIndicatorShown(true);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setMouseTracking(true);
    m_list->viewport()->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);

    m_sweepTimer->setObjectName(u"pdfThumbnailSweepTimer"_s);
    m_sweepTimer->setSingleShot(true);
    connect(m_sweepTimer, &QTimer::timeout, this, &PdfThumbnailPanel::sweepStep);

    connect(m_list, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { Q_EMIT pageActivated(index.row()); });
    // Cards passed while scrolling are not asked for: their requests would queue ahead of the
    // cards the user stops at.
    auto *scrollSettle = new QTimer(this);
    scrollSettle->setSingleShot(true);
    scrollSettle->setInterval(ScrollSettleMs);
    connect(scrollSettle, &QTimer::timeout, this, &PdfThumbnailPanel::onScreenPass);
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, scrollSettle,
            qOverload<>(&QTimer::start));
    connect(m_dropZone, &QPushButton::clicked, this,
            [this] { Q_EMIT chooseInsertFilesRequested(rowCount()); });
    connect(m_dropZone, &PdfInsertDropZone::pdfFilesDropped, this,
            [this](const QStringList &files) { Q_EMIT insertFilesRequested(files, rowCount()); });

    setStyleSheet(panelStyle());
}

PdfThumbnailPanel::~PdfThumbnailPanel() = default;

void PdfThumbnailPanel::setDocumentModel(PdfDocumentModel *model)
{
    if (!relink(m_model, model, this))
        return;
    m_list->setModel(model);
    reset();
    if (!model)
        return;

    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        // Snapshots (undo, redo) keep page ids: thumbnails of unchanged pages stay valid.
        keepValidThumbnails();
        onScreenPass();
    });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] {
        // The sweep revisits the rows around the view and fetches only what is missing.
        m_sweepCursor = 0;
        onScreenPass();
    });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles) {
                if (!m_store.follow(m_model, topLeft.row(), bottomRight.row(), roles,
                                    thumbnailTargetSize))
                    return;
                // Sizes that arrived late or pages drawn anew: the sweep fetches what is missing.
                m_sweepCursor = 0;
                onScreenPass();
            });
    onScreenPass();
}

void PdfThumbnailPanel::setRenderManager(PdfRenderManager *manager)
{
    if (!relink(m_renderManager, manager, this))
        return;
    // Answers to the old manager's requests can no longer arrive.
    m_store.forgetRequests();
    if (!manager)
        return;
    connect(manager, &PdfRenderManager::pageRendered, this, &PdfThumbnailPanel::onPageRendered);
    connect(manager, &PdfRenderManager::pageRenderFailed, this,
            &PdfThumbnailPanel::onPageRenderFailed);
    onScreenPass();
}

void PdfThumbnailPanel::setCurrentPage(int row)
{
    if (!m_model || row < 0 || row >= rowCount())
        return;
    const QModelIndex index = m_model->index(row);
    if (m_list->currentIndex() != index)
        m_list->setCurrentIndex(index);
    m_list->scrollTo(index, QAbstractItemView::EnsureVisible);
    onScreenPass();
}

void PdfThumbnailPanel::setPageLabels(const QStringList &labels)
{
    if (labels == m_labels)
        return;
    m_labels = labels;
    m_list->viewport()->update();
}

QImage PdfThumbnailPanel::thumbnail(PdfPageId pageId) const
{
    return m_store.image(pageId);
}

QSize PdfThumbnailPanel::thumbnailTargetSize(const PdfPageEntry &entry)
{
    const QSizeF shown = PdfDocumentModel::displaySize(entry);
    if (shown.isEmpty())
        return {};
    return shown.scaled(QSizeF(ThumbnailDelegate::ThumbnailBoxSize), Qt::KeepAspectRatio).toSize();
}

bool PdfThumbnailPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_list->viewport())
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        const QModelIndex index = m_list->indexAt(pos);
        setHoverRow(index.isValid() ? index.row() : -1);
        break;
    }
    case QEvent::Leave:
        setHoverRow(-1);
        break;
    case QEvent::MouseButtonPress:
        m_pressedAction = actionUnder(static_cast<QMouseEvent *>(event)->position().toPoint());
        break;
    case QEvent::MouseButtonRelease:
        if (m_model && handleRelease(static_cast<QMouseEvent *>(event)->position().toPoint()))
            return true;
        break;
    case QEvent::Resize:
        // More cards may fit now; the scroll bar does not move for that.
        QTimer::singleShot(0, this, &PdfThumbnailPanel::onScreenPass);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

int PdfThumbnailPanel::actionUnder(const QPoint &pos) const
{
    const QModelIndex index = m_list->indexAt(pos);
    if (!index.isValid() || index.row() != m_actionsRow || m_actionsRow != m_hoverRow)
        return -1;
    const QRect bar =
        ThumbnailDelegate::actionBarRect(ThumbnailDelegate::cardRect(m_list->visualRect(index)));
    return bar.contains(pos) ? ThumbnailDelegate::actionAt(bar, pos) : -1;
}

bool PdfThumbnailPanel::handleRelease(const QPoint &pos)
{
    const int pressed = std::exchange(m_pressedAction, -1);
    const int action = actionUnder(pos);
    if (action < 0)
        return false;
    // Only a press and release on the same action count; the release is the list's otherwise.
    if (action != pressed)
        return true;

    const QModelIndex index = m_list->indexAt(pos);
    const PdfPageId id = index.data(PdfDocumentModel::PageIdRole).value<PdfPageId>();
    switch (action) {
    case 0:
        Q_EMIT previewPageRequested(id);
        break;
    case 1:
        Q_EMIT rotatePageRequested(id);
        break;
    default:
        Q_EMIT deletePageRequested(id);
        break;
    }
    return true;
}

void PdfThumbnailPanel::setHoverRow(int row)
{
    if (row == m_hoverRow)
        return;
    m_hoverRow = row;
    m_actionsRow = -1;
    if (row >= 0)
        m_actionTimer->start();
    else
        m_actionTimer->stop();
    m_list->viewport()->update();
}

int PdfThumbnailPanel::rowCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

void PdfThumbnailPanel::reset()
{
    m_sweepTimer->stop();
    m_store.clear();
    m_sweepCursor = 0;
    m_hoverRow = -1;
    m_actionsRow = -1;
    m_list->viewport()->update();
}

void PdfThumbnailPanel::keepValidThumbnails()
{
    m_store.keepValid(m_model);
    m_sweepTimer->stop();
    m_sweepCursor = 0;
    m_hoverRow = -1;
    m_actionsRow = -1;
    m_list->viewport()->update();
}

void PdfThumbnailPanel::onScreenPass()
{
    if (!m_model || !m_renderManager || rowCount() == 0)
        return;
    const int count = rowCount();
    const int height = m_list->viewport()->height();
    // The edges of the viewport may fall into the spacing between cards or, at the end of the
    // list, below the last card: look a little further in before giving up.
    const auto rowNear = [this](int y, int step) {
        for (int k = 0; k <= 8; ++k) {
            const QModelIndex index = m_list->indexAt(QPoint(4, y + step * k));
            if (index.isValid())
                return index.row();
        }
        return -1;
    };
    const int first = rowNear(0, 1);
    const int start = std::max(0, (first >= 0 ? first : 0) - 2);
    int lastRow = rowNear(height - 1, -1);
    if (lastRow < 0) {
        const QRect lastCard = m_list->visualRect(m_model->index(count - 1));
        lastRow =
            lastCard.isValid() && lastCard.top() < height ? count - 1 : std::min(count - 1, 4);
    }
    const int end = std::min(count - 1, lastRow + 4);
    const int firstShown = first >= 0 ? first : 0;
    if (firstShown != m_store.focusFirst() || lastRow != m_store.focusLast()) {
        // The sweep walks outwards from the rows shown now.
        m_store.setFocus(firstShown, std::max(firstShown, lastRow));
        m_sweepCursor = 0;
    }

    QList<int> rows;
    for (int row = start; row <= end; ++row)
        rows.append(row);
    requestRows(rows, OnScreenPriority);
    scheduleSweep(AfterPassDelayMs);
}

int PdfThumbnailPanel::sweepReach() const
{
    const int first = m_store.focusFirst();
    const int last = m_store.focusLast();
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(first) : std::nullopt;
    const QSize size = entry ? thumbnailTargetSize(*entry) : ThumbnailDelegate::ThumbnailBoxSize;
    // Three quarters of the budget: what the sweep fetches must not push out what it fetched.
    const int fits = m_store.capacityFor(size) * 3 / 4 - (last - first + 1);
    const int before = first;
    const int after = rowCount() - 1 - last;
    // Near an end of the document, what one side lacks goes to the other.
    int reach = fits / 2;
    if (before < reach)
        reach = fits - before;
    else if (after < reach)
        reach = fits - after;
    return std::clamp(reach, 0, std::max(before, after));
}

bool PdfThumbnailPanel::sweepLeft() const
{
    return m_model && m_sweepCursor < sweepReach();
}

void PdfThumbnailPanel::scheduleSweep(int delayMs)
{
    if (!sweepLeft() || m_sweepTimer->isActive())
        return;
    m_sweepTimer->start(delayMs);
}

void PdfThumbnailPanel::sweepStep()
{
    if (!m_model || !m_renderManager)
        return;
    if (m_store.pendingCount() >= SweepPendingLimit) {
        scheduleSweep(BackOffDelayMs);
        return;
    }
    const int count = rowCount();
    const int reach = sweepReach();
    QList<int> rows;
    // Nearest first: one row after the shown ones, then one before, a step further each time.
    while (m_sweepCursor < reach && rows.size() < SweepBatch) {
        const int step = m_sweepCursor++;
        for (const int row : {m_store.focusLast() + 1 + step, m_store.focusFirst() - 1 - step}) {
            if (row < 0 || row >= count)
                continue;
            const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
            if (entry && !m_store.isKnown(entry->id))
                rows.append(row);
        }
    }
    requestRows(rows, SweepPriority);
    if (sweepLeft())
        scheduleSweep(BetweenStepsDelayMs);
}

void PdfThumbnailPanel::requestRows(const QList<int> &rows, int priority)
{
    m_store.request(
        m_model, m_renderManager, rows,
        [](const PdfPageEntry &entry) { return thumbnailTargetSize(entry); }, priority);
}

void PdfThumbnailPanel::onPageRendered(PdfPageId pageId, QSize, PdfRenderPurpose purpose,
                                       qulonglong requestId, qulonglong, const QImage &image)
{
    if (purpose != PdfRenderPurpose::Thumbnail || !m_model)
        return;
    if (!m_store.accept(pageId, requestId, image, m_model))
        return;
    const int row = m_model->rowOfPage(pageId);
    if (row >= 0)
        m_list->update(m_model->index(row));
    scheduleSweep(AfterPassDelayMs);
}

void PdfThumbnailPanel::onPageRenderFailed(PdfPageId pageId, PdfRenderPurpose purpose,
                                           qulonglong requestId)
{
    if (purpose != PdfRenderPurpose::Thumbnail)
        return;
    if (m_store.fail(pageId, requestId))
        scheduleSweep(AfterFailureDelayMs);
}

PdfDocumentModel *PdfThumbnailPanel::documentModel() const
{
    return m_model;
}
