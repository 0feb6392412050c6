#include "filelistwidget.h"

#include "dialogseam.h"
#include "filelistitem.h"
#include "iconbutton.h"
#include "kitstyle.h"
#include "lazyrowwidgets.h"
#include "listframe.h"
#include "listviewstyle.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSet>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int rowHeight = 80;
constexpr int autoScrollMargin = 32;
constexpr int autoScrollStep = 12;

} // namespace

FileListWidget::FileListWidget(QWidget *parent)
    : QWidget(parent)
    , m_filter(tr("PDF 文件 (*.pdf)"))
    , m_caption(tr("选择 PDF"))
{
    setObjectName(u"fileList"_s);

    m_addButton = new IconButton(tr("添加文件"), this);
    m_addButton->setObjectName(u"fileListAddButton"_s);
    m_addButton->setFixedHeight(40);
    m_addButton->setBackgroundColor(Theme::color(Theme::accent));
    m_addButton->setHoverColor(Theme::color(Theme::accentHover));
    m_addButton->setPixmap(ToolPixmaps::icon(u":/res/icons/modern/addfile.png"_s, 24));
    m_addButton->setFixedWidth(qMax(m_addButton->sizeHint().width(), 120));

    m_clearButton = ListFrame::plainButton(tr("清除全部"), u":/res/icons/modern/trash.png"_s, this);
    m_clearButton->setObjectName(u"fileListClearButton"_s);
    m_clearButton->setFixedHeight(35);
    m_clearButton->setFixedWidth(qMax(m_clearButton->sizeHint().width(), 110));

    m_list = new QListWidget(this);
    m_list->setObjectName(u"fileListView"_s);
    ListViewStyle::apply(m_list, FileListItem::styleRules());
    m_list->setAutoScroll(true);
    m_list->setAutoScrollMargin(autoScrollMargin);
    m_rows = new LazyRowWidgets(m_list, rowHeight,
                                [this](QListWidgetItem *item) { return makeRow(item); });

    auto *top = new QHBoxLayout;
    top->addWidget(m_addButton);
    top->addStretch();
    top->addWidget(m_clearButton);
    ListFrame::arrange(this, top, m_list);

    m_check = new FileProtectionCheck(this);
    connect(m_check, &FileProtectionCheck::finished, this, &FileListWidget::checksFinished);

    connect(m_addButton, &QPushButton::clicked, this, &FileListWidget::onAddFile);
    connect(m_clearButton, &QPushButton::clicked, this, &FileListWidget::clearFiles);
}

void FileListWidget::addFiles(const QStringList &paths)
{
    const QStringList current = files();
    QSet<QString> listed(current.cbegin(), current.cend());
    QStringList added;
    for (const QString &path : paths) {
        if (listed.contains(path))
            continue;
        listed.insert(path);
        added.append(path);
        auto *item = new QListWidgetItem;
        item->setSizeHint(QSize(0, rowHeight));
        item->setData(Qt::UserRole, path);
        m_list->addItem(item);
    }
    m_rows->update();
    m_check->check(added);
}

QWidget *FileListWidget::makeRow(QListWidgetItem *item)
{
    auto *row = new FileListItem(item->data(Qt::UserRole).toString());
    connect(row, &FileListItem::close, this, [this, row] { removeRow(row); });
    connect(row, &FileListItem::dragStarted, this, [this, row] { onDragStarted(row); });
    connect(row, &FileListItem::dragMoved, this,
            [this, row](const QPoint &globalPosition) { onDragMoved(row, globalPosition); });
    connect(row, &FileListItem::dragFinished, this, [this, row] { onDragFinished(row); });
    return row;
}

QStringList FileListWidget::files() const
{
    QStringList paths;
    paths.reserve(m_list->count());
    for (int i = 0; i < m_list->count(); ++i)
        paths.append(m_list->item(i)->data(Qt::UserRole).toString());
    return paths;
}

int FileListWidget::count() const
{
    return m_list->count();
}

QStringList FileListWidget::takeFiles()
{
    const QStringList paths = files();
    resetDrag();
    m_list->clear();
    m_check->forgetAll();
    return paths;
}

void FileListWidget::onAddFile()
{
    addFiles(DialogSeam::getOpenFileNames(this, m_caption, QString(), m_filter));
}

void FileListWidget::clearFiles()
{
    resetDrag();
    m_list->clear();
    m_check->forgetAll();
    Q_EMIT fileCountChange(0);
}

int FileListWidget::rowOf(const FileListItem *row) const
{
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->itemWidget(m_list->item(i)) == row)
            return i;
    }
    return -1;
}

void FileListWidget::removeRow(FileListItem *row)
{
    const int index = rowOf(row);
    if (index < 0)
        return;
    if (row == m_dragRow)
        onDragFinished(row);
    m_check->forget(row->filePath());
    delete m_list->takeItem(index);
    m_rows->update();
    Q_EMIT fileCountChange(m_list->count());
}

void FileListWidget::onDragStarted(FileListItem *row)
{
    const int index = rowOf(row);
    if (index < 0)
        return;
    m_dragItem = m_list->item(index);
    m_dragRow = row;
    m_dragStartRow = index;
}

void FileListWidget::onDragMoved(FileListItem *row, const QPoint &globalPosition)
{
    if (!m_dragItem || row != m_dragRow)
        return;
    QWidget *viewport = m_list->viewport();
    const QPoint pos = viewport->mapFromGlobal(globalPosition);
    QScrollBar *bar = m_list->verticalScrollBar();
    if (pos.y() < autoScrollMargin)
        bar->setValue(bar->value() - autoScrollStep);
    else if (pos.y() > viewport->height() - autoScrollMargin)
        bar->setValue(bar->value() + autoScrollStep);

    int target = m_list->indexAt(pos).row();
    if (target < 0) {
        if (pos.y() < 0)
            target = 0;
        else if (pos.y() >= viewport->height())
            target = m_list->count() - 1;
        else
            return;
    }
    const int current = m_list->row(m_dragItem);
    if (current == target || current < 0)
        return;
    const int destination = target > current ? target + 1 : target;
    m_list->model()->moveRow(QModelIndex(), current, QModelIndex(), destination);
    m_list->scrollToItem(m_dragItem);
    viewport->update();
}

void FileListWidget::onDragFinished(FileListItem *row)
{
    if (!m_dragItem || row != m_dragRow)
        return;
    const bool moved = m_list->row(m_dragItem) != m_dragStartRow;
    resetDrag();
    row->setDragging(false);
    if (moved)
        Q_EMIT fileOrderChanged(files());
}

void FileListWidget::resetDrag()
{
    if (m_dragRow)
        m_dragRow->setDragging(false);
    m_dragItem = nullptr;
    m_dragRow = nullptr;
    m_dragStartRow = -1;
}
