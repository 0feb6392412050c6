#include "pdfpagemanagerview.h"

#include "pagemanagerdelegate.h"
#include "pagemanagerlistview.h"
#include "pdfdocumentmodel.h"
#include "pdfrendermanager.h"
#include "relink.h"
#include "theme.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString viewStyle()
{
    return uR"(
#pdfPageManagerView { background: %1; border: none; }
QListView#pdfPageGrid { background: %1; border: none; outline: none; }
QListView#pdfPageGrid::item { background: transparent; border: none; }
QListView#pdfPageGrid QScrollBar:vertical { width: 10px; background: transparent; margin: 2px; }
QListView#pdfPageGrid QScrollBar::handle:vertical {
    background: %2; border-radius: 4px; min-height: 32px;
}
QListView#pdfPageGrid QScrollBar::add-line:vertical,
QListView#pdfPageGrid QScrollBar::sub-line:vertical { height: 0px; border: none; }
QListView#pdfPageGrid QScrollBar::add-page:vertical,
QListView#pdfPageGrid QScrollBar::sub-page:vertical { background: transparent; }
#pdfPageGridZoomControl { background: %3; border: 1px solid %4; border-radius: 5px; }
#pdfPageGridZoomControl QPushButton {
    background: transparent; color: %5; border: 1px solid %5; border-radius: 10px; padding: 0px;
}
#pdfPageGridZoomControl QPushButton:hover { background: %6; }
#pdfPageGridZoomControl QPushButton:pressed { background: %7; }
QPushButton#pdfPageGridZoomOutButton { qproperty-icon: url(:/res/icons/pdfviewer/zoom-out.png); }
QPushButton#pdfPageGridZoomInButton { qproperty-icon: url(:/res/icons/pdfviewer/zoom-in.png); }
QSlider#pdfPageGridZoomSlider { min-height: 20px; background: transparent; }
QSlider#pdfPageGridZoomSlider::groove:horizontal { height: 4px; background: %8; border-radius: 2px; }
QSlider#pdfPageGridZoomSlider::sub-page:horizontal { background: %5; border-radius: 2px; }
QSlider#pdfPageGridZoomSlider::add-page:horizontal { background: %8; border-radius: 2px; }
QSlider#pdfPageGridZoomSlider::handle:horizontal {
    width: 14px; height: 14px; margin: -5px 0px; border-radius: 7px; background: %5;
}
)"_s.arg(Theme::pageGridBackground, Theme::viewScrollHandle, Theme::zoomControlBackground,
         Theme::zoomControlBorder, Theme::surface, Theme::zoomButtonHover, Theme::zoomButtonPressed,
         Theme::zoomTrack);
}

// How far the gap markers of an item move right so that a marker at the grid's left edge shows.
int splitShift(const QRect &itemRect)
{
    constexpr int MarkerHalf = 16;
    return std::max(0, MarkerHalf - itemRect.left());
}

double scaleFor(int sliderValue)
{
    return std::clamp(sliderValue, PdfPageManagerView::ZoomMinimum,
                      PdfPageManagerView::ZoomMaximum) /
           100.0;
}

} // namespace

PdfPageManagerView::PdfPageManagerView(QWidget *parent)
    : QWidget(parent)
    , m_grid(new PageManagerListView(this, this))
    , m_zoomControl(new QWidget(this))
    , m_zoomSlider(new QSlider(Qt::Horizontal, m_zoomControl))
    , m_zoomOutButton(new QPushButton(m_zoomControl))
    , m_zoomInButton(new QPushButton(m_zoomControl))
    , m_rerenderTimer(new QTimer(this))
{
    setObjectName(u"pdfPageManagerView"_s);
    setAttribute(Qt::WA_StyledBackground, true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 20, 18, 20);
    layout->setSpacing(0);
    layout->addWidget(m_grid);

    m_grid->setObjectName(u"pdfPageGrid"_s);
    m_grid->setItemDelegate(new PageManagerDelegate(this));
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setFlow(QListView::LeftToRight);
    m_grid->setWrapping(true);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setMovement(QListView::Snap);
    m_grid->setGridSize(m_cellSize);
    m_grid->setSpacing(0);
    m_grid->setUniformItemSizes(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setDragEnabled(true);
    m_grid->setAcceptDrops(true);
    m_grid->setDropIndicatorShown(true);
    m_grid->setDefaultDropAction(Qt::MoveAction);
    m_grid->setDragDropMode(QAbstractItemView::InternalMove);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setMouseTracking(true);
    m_grid->viewport()->setMouseTracking(true);
    m_grid->viewport()->installEventFilter(this);
    // Cards passed while scrolling are not asked for: their requests would queue ahead of the
    // cards the user stops at.
    auto *scrollSettle = new QTimer(this);
    scrollSettle->setSingleShot(true);
    scrollSettle->setInterval(ScrollSettleMs);
    connect(scrollSettle, &QTimer::timeout, this, &PdfPageManagerView::requestPass);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, scrollSettle,
            qOverload<>(&QTimer::start));

    buildZoomControl();

    m_rerenderTimer->setObjectName(u"pdfPageGridRerenderTimer"_s);
    m_rerenderTimer->setSingleShot(true);
    m_rerenderTimer->setInterval(RerenderDelayMs);
    connect(m_rerenderTimer, &QTimer::timeout, this, [this] {
        reset();
        requestPass();
    });

    setStyleSheet(viewStyle());
    QTimer::singleShot(0, this, &PdfPageManagerView::placeZoomControl);
}

PdfPageManagerView::~PdfPageManagerView() = default;

void PdfPageManagerView::buildZoomControl()
{
    m_zoomControl->setObjectName(u"pdfPageGridZoomControl"_s);
    m_zoomControl->setAttribute(Qt::WA_StyledBackground, true);
    m_zoomControl->setFixedSize(220, 40);

    auto *layout = new QHBoxLayout(m_zoomControl);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(11);

    m_zoomOutButton->setObjectName(u"pdfPageGridZoomOutButton"_s);
    m_zoomInButton->setObjectName(u"pdfPageGridZoomInButton"_s);
    m_zoomOutButton->setToolTip(tr("缩小"));
    m_zoomInButton->setToolTip(tr("放大"));
    for (QPushButton *button : {m_zoomOutButton, m_zoomInButton}) {
        button->setFixedSize(20, 20);
        button->setIconSize(QSize(11, 11));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::NoFocus);
    }

    m_zoomSlider->setObjectName(u"pdfPageGridZoomSlider"_s);
    m_zoomSlider->setRange(ZoomMinimum, ZoomMaximum);
    m_zoomSlider->setSingleStep(5);
    m_zoomSlider->setPageStep(10);
    m_zoomSlider->setValue(ZoomStart);
    m_zoomSlider->setCursor(Qt::PointingHandCursor);

    layout->addWidget(m_zoomOutButton);
    layout->addWidget(m_zoomSlider, 1);
    layout->addWidget(m_zoomInButton);

    connect(m_zoomSlider, &QSlider::valueChanged, this, &PdfPageManagerView::applyCardScale);
    connect(m_zoomOutButton, &QPushButton::clicked, this,
            [this] { m_zoomSlider->setValue(m_zoomSlider->value() - m_zoomSlider->pageStep()); });
    connect(m_zoomInButton, &QPushButton::clicked, this,
            [this] { m_zoomSlider->setValue(m_zoomSlider->value() + m_zoomSlider->pageStep()); });
}

void PdfPageManagerView::setDocumentModel(PdfDocumentModel *model)
{
    if (!relink(m_model, model, this))
        return;
    m_splitPoints.clear();
    m_modelChanging = false;

    if (model) {
        // Before the grid's selection model connects, so that the flag is up when it reacts.
        const auto changing = [this] {
            m_modelChanging = true;
        };
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, changing);
        connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, changing);
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, changing);
    }
    m_grid->setModel(model);
    connectSelectionModel();
    reset();
    if (!model)
        return;

    connect(model, &PdfDocumentModel::selectionChanged, this,
            &PdfPageManagerView::modelSelectionToGrid);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        m_modelChanging = false;
        // Ids are never reused within a model: after a snapshot restore the points of pages
        // that are still there stay, after loading another document none is left.
        pruneSplitPoints();
        keepValidThumbnails();
        connectSelectionModel();
        requestPass();
        emitSplitPoints();
    });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] {
        requestPass();
        emitSplitPoints();
    });
    const auto rowsGone = [this] {
        m_modelChanging = false;
        pruneSplitPoints();
        emitSplitPoints();
        requestPass();
    };
    connect(model, &QAbstractItemModel::rowsRemoved, this, rowsGone);
    connect(model, &QAbstractItemModel::rowsMoved, this, rowsGone);
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles) {
                if (m_store.follow(
                        m_model, topLeft.row(), bottomRight.row(), roles,
                        [this](const PdfPageEntry &entry) { return thumbnailTargetSize(entry); }))
                    requestPass();
            });
    modelSelectionToGrid();
    requestPass();
}

void PdfPageManagerView::setRenderManager(PdfRenderManager *manager)
{
    if (!relink(m_renderManager, manager, this))
        return;
    m_store.forgetRequests();
    if (!manager)
        return;
    connect(manager, &PdfRenderManager::pageRendered, this,
            [this](PdfPageId pageId, QSize, PdfRenderPurpose purpose, qulonglong requestId,
                   qulonglong,
                   const QImage &image) { onPageRendered(pageId, purpose, requestId, image); });
    connect(manager, &PdfRenderManager::pageRenderFailed, this,
            &PdfPageManagerView::onPageRenderFailed);
    requestPass();
}

void PdfPageManagerView::setWorkspaceMode(PdfWorkspaceMode mode)
{
    m_mode = mode;
    m_grid->viewport()->update();
}

void PdfPageManagerView::setPageLabels(const QStringList &labels)
{
    if (labels == m_labels)
        return;
    m_labels = labels;
    m_grid->viewport()->update();
}

void PdfPageManagerView::setSplitEveryPage(bool enabled)
{
    if (enabled == m_splitEveryPage)
        return;
    m_splitEveryPage = enabled;
    m_grid->viewport()->update();
    emitSplitPoints();
}

void PdfPageManagerView::movePages(const QList<PdfPageId> &pageIds, int beforeRow)
{
    if (!m_model)
        return;
    QList<QPersistentModelIndex> moving;
    for (PdfPageId id : pageIds) {
        const int row = m_model->rowOfPage(id);
        if (row >= 0 && !moving.contains(m_model->index(row)))
            moving.append(m_model->index(row));
    }
    std::sort(moving.begin(), moving.end());
    const int destination = std::clamp(beforeRow, 0, rowCount());
    // Pages above the destination gather just before it, the nearest first; pages below it
    // follow, the nearest first. Pages already in place are not moved, so a drop that changes
    // nothing adds no undo step.
    int above = destination;
    for (auto it = moving.crbegin(); it != moving.crend(); ++it) {
        const int source = it->row();
        if (source >= destination)
            continue;
        if (source != above - 1)
            m_model->moveRows(QModelIndex(), source, 1, QModelIndex(), above);
        --above;
    }
    int below = destination;
    for (const QPersistentModelIndex &index : std::as_const(moving)) {
        const int source = index.row();
        if (source < destination)
            continue;
        if (source != below)
            m_model->moveRows(QModelIndex(), source, 1, QModelIndex(), below);
        ++below;
    }
}

QList<int> PdfPageManagerView::splitRows() const
{
    QList<int> rows;
    if (!m_model)
        return rows;
    if (m_splitEveryPage) {
        for (int row = 1; row < rowCount(); ++row)
            rows.append(row);
        return rows;
    }
    for (PdfPageId id : m_splitPoints) {
        const int row = m_model->rowOfPage(id);
        if (row >= 1)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool PdfPageManagerView::isSplitPoint(int row) const
{
    if (m_splitEveryPage)
        return row >= 1 && row < rowCount();
    if (!m_model || row < 1)
        return false;
    const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
    return entry && m_splitPoints.contains(entry->id);
}

QImage PdfPageManagerView::thumbnail(PdfPageId pageId) const
{
    return m_store.image(pageId);
}

QSize PdfPageManagerView::cellSizeFor(int sliderValue)
{
    const double s = scaleFor(sliderValue);
    return QSize(int(std::lround(300 * s)) + 20, int(std::lround(340 * s)));
}

QSize PdfPageManagerView::cardSizeFor(int sliderValue)
{
    const double s = scaleFor(sliderValue);
    return QSize(int(std::lround(258 * s)), int(std::lround(290 * s)));
}

QRect PdfPageManagerView::cardRect(const QRect &itemRect) const
{
    return QRect(itemRect.left() + (itemRect.width() - m_cardSize.width()) / 2, itemRect.top() + 12,
                 m_cardSize.width(), m_cardSize.height());
}

QRect PdfPageManagerView::checkBoxRect(const QRect &card)
{
    return QRect(card.left() + 14, card.top() + 13, 28, 28);
}

QRect PdfPageManagerView::imageArea(const QRect &card)
{
    return card.adjusted(12, 38, -12, -38);
}

QRect PdfPageManagerView::actionBarRect(const QRect &card)
{
    return QRect(card.left() + 12, card.top() + card.height() - 43, card.width() - 24, 36);
}

QRect PdfPageManagerView::pageNumberBand(const QRect &itemRect, const QRect &card)
{
    return QRect(itemRect.left(), card.top() + card.height() + 7, itemRect.width(), 26);
}

QRect PdfPageManagerView::insertMarkerRect(const QRect &itemRect) const
{
    const QRect card = cardRect(itemRect);
    QRect marker(itemRect.left() + itemRect.width() - 16, card.center().y() - 17, 34, 34);
    const int overhang = marker.right() - (m_grid->viewport()->width() - 2);
    if (overhang > 0)
        marker.translate(-overhang, 0);
    return marker;
}

QRect PdfPageManagerView::insertFirstMarkerRect(const QRect &itemRect) const
{
    const QRect card = cardRect(itemRect);
    QRect marker(itemRect.left() - 18, card.center().y() - 17, 34, 34);
    if (marker.left() < 2)
        marker.moveLeft(2);
    return marker;
}

QRect PdfPageManagerView::splitLineRect(const QRect &itemRect) const
{
    const QRect card = cardRect(itemRect);
    return QRect(itemRect.left() - 12 + splitShift(itemRect), card.top() + 42, 24,
                 card.height() - 84);
}

QRect PdfPageManagerView::splitClickArea(const QRect &itemRect) const
{
    const QRect card = cardRect(itemRect);
    return QRect(itemRect.left() - 14 + splitShift(itemRect), card.top() + 42, 28,
                 card.height() - 84);
}

QRect PdfPageManagerView::splitMarkerRect(const QRect &itemRect) const
{
    const QPoint centre = splitLineRect(itemRect).center();
    return QRect(centre.x() - 14, centre.y() - 14, 30, 30);
}

QSize PdfPageManagerView::thumbnailRequestBox() const
{
    return QSize(m_cardSize.width() - 44, m_cardSize.height() - 94);
}

QSize PdfPageManagerView::thumbnailTargetSize(const PdfPageEntry &entry) const
{
    const QSizeF shown = PdfDocumentModel::displaySize(entry);
    if (shown.isEmpty())
        return {};
    return shown.scaled(QSizeF(thumbnailRequestBox()), Qt::KeepAspectRatio).toSize();
}

bool PdfPageManagerView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_grid->viewport())
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::Resize:
        placeZoomControl();
        QTimer::singleShot(0, this, &PdfPageManagerView::requestPass);
        break;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QModelIndex index = m_grid->indexAt(mouse->position().toPoint());
        setHoverRow(index.isValid() ? index.row() : -1);
        // The grid did not see the press: moving on with the button held must not drag or
        // sweep a selection from an earlier press.
        if (m_swallowRelease && (mouse->buttons() & Qt::LeftButton))
            return true;
        break;
    }
    case QEvent::Leave:
        setHoverRow(-1);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_model &&
            handlePress(mouse->position().toPoint())) {
            // The grid saw no press, so it must not see the release either.
            m_swallowRelease = true;
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (m_swallowRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_swallowRelease = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool PdfPageManagerView::handlePress(const QPoint &pos)
{
    const int count = rowCount();
    if (m_mode == PdfWorkspaceMode::Split && count >= 2) {
        for (int row = 1; row < count; ++row) {
            const QRect item = m_grid->visualRect(m_model->index(row));
            if (!splitClickArea(item).contains(pos))
                continue;
            if (m_splitEveryPage)
                return true;
            const PdfPageId id =
                m_model->index(row).data(PdfDocumentModel::PageIdRole).value<PdfPageId>();
            if (!m_splitPoints.remove(id))
                m_splitPoints.insert(id);
            m_grid->viewport()->update();
            emitSplitPoints();
            return true;
        }
    } else if (m_mode == PdfWorkspaceMode::Insert) {
        if (count > 0 &&
            insertFirstMarkerRect(m_grid->visualRect(m_model->index(0))).contains(pos)) {
            Q_EMIT insertAtRequested(0, m_grid->viewport()->mapToGlobal(pos));
            return true;
        }
        for (int row = 0; row < count; ++row) {
            const QRect item = m_grid->visualRect(m_model->index(row));
            if (insertMarkerRect(item).contains(pos)) {
                Q_EMIT insertAtRequested(row + 1, m_grid->viewport()->mapToGlobal(pos));
                return true;
            }
        }
    }

    const QModelIndex index = m_grid->indexAt(pos);
    if (!index.isValid())
        return false;
    const PdfPageId id = index.data(PdfDocumentModel::PageIdRole).value<PdfPageId>();
    const QRect card = cardRect(m_grid->visualRect(index));
    if (checkBoxRect(card).contains(pos)) {
        m_model->setPageSelected(id, !index.data(PdfDocumentModel::SelectedRole).toBool());
        return true;
    }
    const QRect bar = actionBarRect(card);
    if (index.row() == m_hoverRow && bar.contains(pos)) {
        const int part = std::clamp((pos.x() - bar.left()) / std::max(bar.width() / ActionCount, 1),
                                    0, ActionCount - 1);
        switch (part) {
        case 0:
            Q_EMIT previewPageRequested(id);
            break;
        case 1:
            Q_EMIT duplicatePageRequested(id);
            break;
        case 2:
            Q_EMIT rotatePageRequested(id);
            break;
        default:
            Q_EMIT deletePageRequested(id);
            break;
        }
        return true;
    }
    return false;
}

void PdfPageManagerView::setHoverRow(int row)
{
    if (row == m_hoverRow)
        return;
    m_hoverRow = row;
    m_grid->viewport()->update();
}

int PdfPageManagerView::rowCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

void PdfPageManagerView::reset()
{
    m_store.clear();
    m_hoverRow = -1;
    m_grid->viewport()->update();
}

void PdfPageManagerView::keepValidThumbnails()
{
    m_store.keepValid(m_model);
    m_hoverRow = -1;
    m_grid->viewport()->update();
}

void PdfPageManagerView::connectSelectionModel()
{
    QItemSelectionModel *selection = m_grid->selectionModel();
    if (!selection)
        return;
    // The same selection model survives a model reset; never connect it twice.
    disconnect(selection, &QItemSelectionModel::selectionChanged, this, nullptr);
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            &PdfPageManagerView::gridSelectionToModel);
}

void PdfPageManagerView::requestPass()
{
    if (!m_model || !m_renderManager)
        return;
    const int count = rowCount();
    if (count == 0)
        return;
    const int margin = 2 * m_cellSize.height();
    const QRect band = m_grid->viewport()->rect().adjusted(0, -margin, 0, margin);

    const QRect visible = m_grid->viewport()->rect();
    QList<int> rows;
    int firstShown = -1;
    int lastShown = -1;
    for (int row = 0; row < count; ++row) {
        const QRect item = m_grid->visualRect(m_model->index(row));
        if (!item.intersects(band))
            continue;
        rows.append(row);
        if (item.intersects(visible)) {
            firstShown = firstShown < 0 ? row : firstShown;
            lastShown = row;
        }
    }
    if (firstShown >= 0)
        m_store.setFocus(firstShown, lastShown);
    m_store.request(
        m_model, m_renderManager, rows,
        [this](const PdfPageEntry &entry) { return thumbnailTargetSize(entry); }, RequestPriority);
}

void PdfPageManagerView::applyCardScale(int sliderValue)
{
    const QSize cell = cellSizeFor(sliderValue);
    const QSize card = cardSizeFor(sliderValue);
    if (cell == m_cellSize && card == m_cardSize)
        return;
    m_cellSize = cell;
    m_cardSize = card;
    m_grid->setGridSize(cell);
    m_grid->centreColumns();
    m_grid->doItemsLayout();
    m_grid->viewport()->update();
    // Until the slider rests, the old thumbnails are drawn scaled into the new cards.
    requestPass();
    m_rerenderTimer->start();
}

void PdfPageManagerView::placeZoomControl()
{
    const QRect viewport(m_grid->viewport()->mapTo(this, QPoint(0, 0)), m_grid->viewport()->size());
    const int x = std::max(viewport.center().x() - m_zoomControl->width() / 2 + 1, 0);
    const int y = std::max(viewport.bottom() + 1 - 16 - m_zoomControl->height(), 0);
    m_zoomControl->move(x, y);
    m_zoomControl->show();
    m_zoomControl->raise();
}

void PdfPageManagerView::pruneSplitPoints()
{
    if (!m_model) {
        m_splitPoints.clear();
        return;
    }
    QSet<PdfPageId> present;
    const QList<PdfPageEntry> pages = m_model->pages();
    present.reserve(pages.size());
    for (const PdfPageEntry &entry : pages)
        present.insert(entry.id);
    m_splitPoints.intersect(present);
}

void PdfPageManagerView::emitSplitPoints()
{
    Q_EMIT splitPointsChanged(splitRows());
}

void PdfPageManagerView::gridSelectionToModel()
{
    if (m_syncingSelection || m_modelChanging || !m_model || !m_grid->selectionModel())
        return;
    m_syncingSelection = true;
    QSet<PdfPageId> ids;
    const QModelIndexList indexes = m_grid->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : indexes)
        ids.insert(index.data(PdfDocumentModel::PageIdRole).value<PdfPageId>());
    m_model->setSelectedPageIds(ids);
    m_syncingSelection = false;
}

void PdfPageManagerView::modelSelectionToGrid()
{
    QItemSelectionModel *selectionModel = m_grid->selectionModel();
    if (m_syncingSelection || !m_model || !selectionModel)
        return;
    m_syncingSelection = true;
    QItemSelection selection;
    const QList<int> rows = m_model->selectedRows();
    // Consecutive rows make one range, so selecting a whole document stays cheap.
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows.at(j + 1) == rows.at(j) + 1)
            ++j;
        selection.select(m_model->index(rows.at(i)), m_model->index(rows.at(j)));
        i = j + 1;
    }
    selectionModel->select(selection,
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->viewport()->update();
    m_syncingSelection = false;
}

void PdfPageManagerView::onPageRendered(PdfPageId pageId, PdfRenderPurpose purpose,
                                        qulonglong requestId, const QImage &image)
{
    if (purpose != PdfRenderPurpose::Thumbnail || !m_model)
        return;
    if (!m_store.accept(pageId, requestId, image, m_model))
        return;
    const int row = m_model->rowOfPage(pageId);
    if (row >= 0)
        m_grid->update(m_model->index(row));
}

void PdfPageManagerView::onPageRenderFailed(PdfPageId pageId, PdfRenderPurpose purpose,
                                            qulonglong requestId)
{
    if (purpose != PdfRenderPurpose::Thumbnail)
        return;
    m_store.fail(pageId, requestId);
}

PdfDocumentModel *PdfPageManagerView::documentModel() const
{
    return m_model;
}
