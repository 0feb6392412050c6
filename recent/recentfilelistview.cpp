#include "recentfilelistview.h"

#include "filedelegate.h"
#include "filehistorymodel.h"
#include "theme.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QStackedLayout>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RecentFileListView::RecentFileListView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"recentFileListView"_s);

    m_treeView = new QTreeView(this);
    m_treeView->setObjectName(u"recentFilesTable"_s);
    m_model = new FileHistoryModel(this);

    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(FileHistoryModel::NameColumn);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    // Sizes and dates sort by value: as texts "900 B" would follow "2 MB".
    m_proxy->setSortRole(FileHistoryModel::SortRole);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);

    m_treeView->setModel(m_proxy);
    m_treeView->setItemDelegate(new FileDelegate(m_treeView));
    m_treeView->setRootIsDecorated(false);
    m_treeView->setIndentation(0);
    m_treeView->setMouseTracking(true);
    m_treeView->setFrameShape(QFrame::NoFrame);
    m_treeView->setUniformRowHeights(true);
    m_treeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Unsorted at first: the rows stand in the store's order, newest first. A click on a header
    // sorts by that column and shows the arrow.
    m_treeView->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_treeView->setSortingEnabled(true);
    m_treeView->setStyleSheet(uR"(
QTreeView { background: %1; }
QScrollBar:vertical { background: transparent; width: 8px; margin: 2px 0; }
QScrollBar::handle:vertical { background: %2; border-radius: 4px; min-height: 40px; }
QScrollBar::handle:vertical:hover { background: %3; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }
)"_s.arg(Theme::surface, Theme::borderStrong, Theme::textMuted));

    QHeaderView *header = m_treeView->header();
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    header->setSectionResizeMode(FileHistoryModel::NameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(FileHistoryModel::SizeColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(FileHistoryModel::ModifiedColumn, QHeaderView::Fixed);
    header->resizeSection(FileHistoryModel::SizeColumn, 100);
    header->resizeSection(FileHistoryModel::ModifiedColumn, 150);
    // The sort arrow stands before a right-aligned title instead of over its last letter, and
    // after the left-aligned name.
    header->setStyleSheet(
        u"QHeaderView, QHeaderView::section { background: transparent; "
        u"border: none; color: %1; padding: 5px; padding-left: 20px; font-weight: bold; }"
        u"QHeaderView::section:first { padding-left: 5px; }"
        u"QHeaderView::down-arrow, QHeaderView::up-arrow { subcontrol-origin: padding; "
        u"subcontrol-position: center left; width: 12px; height: 12px; left: 4px; }"
        u"QHeaderView::down-arrow:first, QHeaderView::up-arrow:first { "
        u"subcontrol-position: center right; left: -4px; }"
        u"QHeaderView::down-arrow { image: url(:/res/icons/modern/chevron-down.png); }"
        u"QHeaderView::up-arrow { image: url(:/res/icons/modern/chevron-up.png); }"_s.arg(
            Theme::tableHeaderText));

    connect(m_treeView, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        const QString path = index.data(FileHistoryModel::PathRole).toString();
        if (!path.isEmpty())
            Q_EMIT fileClicked(path);
    });

    m_treeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_treeView, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QMenu *menu = createContextMenu(m_treeView->indexAt(pos), this)) {
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(m_treeView->viewport()->mapToGlobal(pos));
        }
    });

    m_emptyState = createEmptyState();

    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_treeView);
    m_stack->addWidget(m_emptyState);

    updateEmptyState();
}

QWidget *RecentFileListView::createEmptyState()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(u"recentFilesEmptyState"_s);
    panel->setStyleSheet(u"QWidget#recentFilesEmptyState { background: transparent; }"_s);

    m_emptyIcon = new QLabel(panel);
    m_emptyIcon->setObjectName(u"emptyStateIcon"_s);
    m_emptyIcon->setFixedSize(64, 64);
    m_emptyIcon->setAlignment(Qt::AlignCenter);
    m_emptyIcon->setStyleSheet(u"QLabel { background: transparent; }"_s);

    m_emptyTitle = new QLabel(panel);
    m_emptyTitle->setObjectName(u"emptyStateTitle"_s);
    m_emptyTitle->setAlignment(Qt::AlignCenter);
    m_emptyTitle->setStyleSheet(
        u"QLabel { color: %1; font-size: 15px; font-weight: 600; background: transparent; }"_s.arg(
            Theme::textSecondary));

    m_emptySubtitle = new QLabel(panel);
    m_emptySubtitle->setObjectName(u"emptyStateSubtitle"_s);
    m_emptySubtitle->setAlignment(Qt::AlignCenter);
    m_emptySubtitle->setStyleSheet(
        u"QLabel { color: %1; font-size: 13px; background: transparent; }"_s.arg(Theme::textMuted));

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(20, 20, 20, 80);
    layout->setSpacing(8);
    layout->addStretch();
    layout->addWidget(m_emptyIcon, 0, Qt::AlignHCenter);
    layout->addWidget(m_emptyTitle);
    layout->addWidget(m_emptySubtitle);
    layout->addStretch();
    return panel;
}

void RecentFileListView::addFile(const QString &path)
{
    m_model->addFile(path);
    updateEmptyState();
}

void RecentFileListView::addNewestFile(const QString &path)
{
    m_model->prependFile(path);
    updateEmptyState();
}

void RecentFileListView::refresh()
{
    m_model->refresh();
}

void RecentFileListView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void RecentFileListView::removeFile(const QString &path)
{
    m_model->removeFile(path);
    updateEmptyState();
}

QMenu *RecentFileListView::createContextMenu(const QModelIndex &index, QWidget *parent)
{
    const QString path = index.data(FileHistoryModel::PathRole).toString();
    if (path.isEmpty())
        return nullptr;
    auto *menu = new QMenu(parent);
    menu->setObjectName(u"recentFileMenu"_s);
    connect(menu->addAction(tr("打开")), &QAction::triggered, this,
            [this, path] { Q_EMIT fileClicked(path); });
    connect(menu->addAction(tr("在文件夹中显示")), &QAction::triggered, this,
            [this, path] { Q_EMIT showInFolderRequested(path); });
    menu->addSeparator();
    connect(menu->addAction(tr("从列表中移除")), &QAction::triggered, this,
            [this, path] { Q_EMIT removeRequested(path); });
    return menu;
}

void RecentFileListView::setFilter(const QString &text)
{
    m_filterText = text.trimmed();
    m_proxy->setFilterFixedString(m_filterText);
    updateEmptyState();
}

bool RecentFileListView::isShowingEmptyState() const
{
    return m_stack->currentWidget() == m_emptyState;
}

void RecentFileListView::updateEmptyState()
{
    if (m_proxy->rowCount() > 0) {
        m_stack->setCurrentWidget(m_treeView);
        return;
    }

    QString icon;
    if (!m_filterText.isEmpty() && m_model->rowCount() > 0) {
        icon = u":/res/icons/modern/search@3x.png"_s;
        m_emptyTitle->setText(tr("未找到匹配的文件"));
        m_emptySubtitle->setText(tr("请尝试其他关键词"));
    } else {
        icon = u":/res/icons/modern/documents-big@3x.png"_s;
        m_emptyTitle->setText(tr("暂无最近文件"));
        m_emptySubtitle->setText(tr("打开的 PDF 文件会显示在这里"));
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap =
        QPixmap(icon).scaled(QSize(56, 56) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    m_emptyIcon->setPixmap(pixmap);
    m_stack->setCurrentWidget(m_emptyState);
}
