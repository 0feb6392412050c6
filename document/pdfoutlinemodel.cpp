#include "pdfoutlinemodel.h"

#include "jobrunner.h"
#include "pdfdocumentmodel.h"
#include "relink.h"

#include <QCoreApplication>
#include <QThreadPool>

PdfOutlineModel::PdfOutlineModel(QObject *parent)
    : QAbstractItemModel(parent)
{}

PdfOutlineModel::~PdfOutlineModel() = default;

void PdfOutlineModel::setDocumentModel(PdfDocumentModel *model)
{
    if (!relink(m_model, model, this))
        return;
    if (model) {
        connect(model, &PdfDocumentModel::documentReset, this, &PdfOutlineModel::reloadIfNeeded);
        connect(model, &PdfDocumentModel::pageListChanged, this, &PdfOutlineModel::pagesChanged);
    }
    reloadIfNeeded();
}

void PdfOutlineModel::reloadIfNeeded()
{
    const QString path = m_model ? m_model->documentPath() : QString();
    const FileStamp stamp = FileStamp::of(path);
    if (path == m_path && stamp == m_stamp && !path.isEmpty()) {
        pagesChanged();
        return;
    }
    const quint64 generation = ++m_generation;
    setOutline(QString(), {});
    m_path = path;
    m_stamp = stamp;
    if (path.isEmpty()) {
        if (m_loading) {
            m_loading = false;
            Q_EMIT loadingChanged(false);
        }
        return;
    }
    m_loading = true;
    Q_EMIT loadingChanged(true);
    // Long manuals carry thousands of bookmarks: read them away from the window.
    const QString password = m_model->documentPassword();
    QPointer<PdfOutlineModel> guard(this);
    jobs::startOn(jobs::Lane::Reads, [guard, generation, path, password] {
        QList<PdfOutlineItem> items;
        QString message;
        PdfEditorBackend::loadOutline(path, password, &items, &message);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, generation, path, items = std::move(items)] {
                if (!guard || guard->m_generation != generation)
                    return;
                guard->setOutline(path, items);
                guard->m_loading = false;
                Q_EMIT guard->loadingChanged(false);
            },
            Qt::QueuedConnection);
    });
}

void PdfOutlineModel::setOutline(const QString &path, const QList<PdfOutlineItem> &items)
{
    beginResetModel();
    m_nodes.clear();
    m_roots.clear();
    m_path = path;
    addNodes(items, -1);
    m_rowsDirty = true;
    endResetModel();
}

void PdfOutlineModel::addNodes(const QList<PdfOutlineItem> &items, int parent)
{
    for (const PdfOutlineItem &item : items) {
        const int id = int(m_nodes.size());
        Node node;
        node.title = item.title;
        node.uri = item.uri;
        node.pageIndex = item.pageIndex;
        node.parent = parent;
        QVector<int> &siblings = parent < 0 ? m_roots : m_nodes[parent].children;
        node.row = int(siblings.size());
        siblings.append(id);
        m_nodes.append(node);
        addNodes(item.children, id);
    }
}

void PdfOutlineModel::pagesChanged()
{
    m_rowsDirty = true;
    if (!m_nodes.isEmpty())
        emitAllChanged(-1);
}

void PdfOutlineModel::emitAllChanged(int parent)
{
    const QVector<int> &children = parent < 0 ? m_roots : m_nodes[parent].children;
    if (children.isEmpty())
        return;
    const QModelIndex parentIndex =
        parent < 0 ? QModelIndex() : createIndex(m_nodes[parent].row, 0, quintptr(parent));
    Q_EMIT dataChanged(index(0, 0, parentIndex), index(int(children.size()) - 1, 0, parentIndex));
    for (int child : children)
        emitAllChanged(child);
}

void PdfOutlineModel::rebuildRows() const
{
    if (!m_rowsDirty)
        return;
    m_rowsDirty = false;
    m_rowOfPage.clear();
    if (!m_model || m_path.isEmpty())
        return;
    const QList<PdfPageEntry> pages = m_model->pages();
    for (int row = 0; row < pages.size(); ++row) {
        const PdfPageEntry &entry = pages[row];
        // A duplicate comes after its original in most documents; the first copy wins.
        if (entry.sourcePath == m_path && !m_rowOfPage.contains(entry.sourcePageIndex))
            m_rowOfPage.insert(entry.sourcePageIndex, row);
    }
}

const PdfOutlineModel::Node *PdfOutlineModel::nodeOf(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() >= quintptr(m_nodes.size()))
        return nullptr;
    return &m_nodes[int(index.internalId())];
}

int PdfOutlineModel::targetRow(const QModelIndex &index) const
{
    const Node *node = nodeOf(index);
    if (!node || node->pageIndex < 0)
        return -1;
    rebuildRows();
    return m_rowOfPage.value(node->pageIndex, -1);
}

QModelIndex PdfOutlineModel::indexForRow(int row) const
{
    rebuildRows();
    int best = -1;
    int bestRow = -1;
    // Nodes are stored in reading order (each before its children).
    for (int i = 0; i < m_nodes.size(); ++i) {
        const int target =
            m_nodes[i].pageIndex < 0 ? -1 : m_rowOfPage.value(m_nodes[i].pageIndex, -1);
        if (target >= 0 && target <= row && target >= bestRow) {
            best = i;
            bestRow = target;
        }
    }
    return best < 0 ? QModelIndex() : createIndex(m_nodes[best].row, 0, quintptr(best));
}

QModelIndex PdfOutlineModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    const QVector<int> *children = &m_roots;
    if (parent.isValid()) {
        const Node *node = nodeOf(parent);
        if (!node || parent.column() != 0)
            return {};
        children = &node->children;
    }
    if (row >= children->size())
        return {};
    return createIndex(row, 0, quintptr(children->at(row)));
}

QModelIndex PdfOutlineModel::parent(const QModelIndex &child) const
{
    const Node *node = nodeOf(child);
    if (!node || node->parent < 0)
        return {};
    return createIndex(m_nodes[node->parent].row, 0, quintptr(node->parent));
}

int PdfOutlineModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_roots.size());
    const Node *node = nodeOf(parent);
    return node && parent.column() == 0 ? int(node->children.size()) : 0;
}

int PdfOutlineModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant PdfOutlineModel::data(const QModelIndex &index, int role) const
{
    const Node *node = nodeOf(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return node->title;
    case TargetRowRole:
        return targetRow(index);
    case SourcePageRole:
        return node->pageIndex;
    case UriRole:
        return node->uri;
    default:
        return {};
    }
}

Qt::ItemFlags PdfOutlineModel::flags(const QModelIndex &index) const
{
    const Node *node = nodeOf(index);
    if (!node)
        return Qt::NoItemFlags;
    if (node->uri.isEmpty() && targetRow(index) < 0)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
