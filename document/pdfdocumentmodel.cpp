#include "pdfdocumentmodel.h"

#include "jobrunner.h"

#include <QDataStream>
#include <QFutureWatcher>
#include <QIODevice>
#include <QMimeData>
#include <QPromise>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// A page of a file, as the model first holds it.
PdfPageEntry filePage(PdfPageId id, const QString &path, const QString &password, int index,
                      QSizeF size, PdfPageOrigin origin)
{
    PdfPageEntry entry;
    entry.id = id;
    entry.sourcePath = path;
    entry.password = password;
    entry.sourcePageIndex = index;
    entry.pageSize = size;
    entry.origin = origin;
    return entry;
}

// Marks a payload with the model that made it, so that a page dragged out of another tab's model
// is not taken for the page that happens to carry the same id here.
constexpr char OriginModelProperty[] = "velmoraPageModel";

const QList<int> SelectionRoles = {Qt::CheckStateRole, PdfDocumentModel::SelectedRole};

} // namespace

PdfDocumentModel::PdfDocumentModel(QObject *parent)
    : QAbstractListModel(parent)
{
    qRegisterMetaType<PdfPageId>("PdfPageId");
    qRegisterMetaType<PdfPageEntry>();
    connect(this, &QAbstractItemModel::modelReset, this, &PdfDocumentModel::pageListChanged);
    connect(this, &QAbstractItemModel::rowsInserted, this, &PdfDocumentModel::pageListChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &PdfDocumentModel::pageListChanged);
    connect(this, &QAbstractItemModel::rowsMoved, this, &PdfDocumentModel::pageListChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &PdfDocumentModel::pageListChanged);
}

PdfDocumentModel::~PdfDocumentModel() = default;

std::optional<PdfPageEntry> PdfDocumentModel::pageAt(int row) const
{
    if (row < 0 || row >= m_pages.size())
        return std::nullopt;
    return m_pages.at(row);
}

int PdfDocumentModel::rowOfPage(PdfPageId id) const
{
    for (int row = 0; row < m_pages.size(); ++row) {
        if (m_pages.at(row).id == id)
            return row;
    }
    return -1;
}

QList<PdfDocumentModel::SourceFile> PdfDocumentModel::sourceFiles() const
{
    QList<SourceFile> files;
    QSet<QString> seen;
    for (const PdfPageEntry &entry : m_pages) {
        if (!entry.sourcePath.isEmpty() && !seen.contains(entry.sourcePath)) {
            seen.insert(entry.sourcePath);
            files.append({entry.sourcePath, entry.password});
        }
    }
    return files;
}

QList<PdfSourcePage> PdfDocumentModel::sourcePages() const
{
    ensurePageSizes();
    QList<PdfSourcePage> result;
    result.reserve(m_pages.size());
    for (const PdfPageEntry &entry : m_pages)
        result.append(toSourcePage(entry));
    return result;
}

QSet<PdfPageId> PdfDocumentModel::selectedPageIds() const
{
    QSet<PdfPageId> ids;
    for (const PdfPageEntry &entry : m_pages) {
        if (entry.selected)
            ids.insert(entry.id);
    }
    return ids;
}

QList<int> PdfDocumentModel::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < m_pages.size(); ++row) {
        if (m_pages.at(row).selected)
            rows.append(row);
    }
    return rows;
}

PdfSourcePage PdfDocumentModel::toSourcePage(const PdfPageEntry &entry)
{
    PdfSourcePage page;
    page.filePath = entry.sourcePath;
    page.password = entry.password;
    page.pageIndex = entry.sourcePageIndex;
    page.rotation = entry.rotation;
    page.pageSize = entry.pageSize;
    page.blank = entry.origin == PdfPageOrigin::Blank;
    if (entry.numbering.enabled) {
        page.stampText = entry.stampText;
        page.stampPosition = entry.numbering.position;
        page.stampFontSize = entry.numbering.fontSize;
    }
    page.annotations = entry.annotations;
    page.hiddenAnnotations = entry.hiddenAnnotations;
    page.fieldValues = entry.fieldValues;
    return page;
}

QSizeF PdfDocumentModel::displaySize(const PdfPageEntry &entry)
{
    const int rotation = normalizedRotation(entry.rotation);
    return rotation == 90 || rotation == 270 ? entry.pageSize.transposed() : entry.pageSize;
}

int PdfDocumentModel::normalizedRotation(qint64 degrees)
{
    qint64 rest = degrees % 360;
    if (rest < 0)
        rest += 360;
    return int(rest);
}

bool PdfDocumentModel::loadDocument(const QString &path, const QString &password,
                                    PdfBackendError *error, QString *message)
{
    PdfDocumentInfo info;
    if (!PdfEditorBackend::inspectDocument(path, password, FirstPageSizes, &info, error, message))
        return false;

    const bool moved = path != m_documentPath;
    beginResetModel();
    m_pages.clear();
    m_documentPath = path;
    m_documentPassword = password;
    m_metadataEdits.reset();
    const int count = std::max(info.pageCount, int(info.pageSizes.size()));
    const QSizeF stand = info.pageSizes.value(0, DefaultBlankPageSize);
    m_pages.reserve(count);
    for (int i = 0; i < count; ++i)
        m_pages.append(filePage(takeNextId(), path, password, i, info.pageSizes.value(i, stand),
                                PdfPageOrigin::Loaded));
    ++m_revision;
    m_modified = false;
    m_sizesPath = path;
    m_sizesStamp = FileStamp::of(path);
    m_sizes = info.pageSizes;
    m_treeChecked = info.treeChecked;
    if (count > info.pageSizes.size() || !info.treeChecked)
        readPageSizes(path, password);
    else
        m_sizesPending = false;
    endResetModel();

    Q_EMIT selectionChanged();
    Q_EMIT modifiedChanged(false);
    Q_EMIT documentReset();
    if (moved)
        Q_EMIT documentPathChanged(path);
    return true;
}

void PdfDocumentModel::readPageSizes(const QString &path, const QString &password)
{
    auto promise = std::make_shared<QPromise<PdfDocumentInfo>>();
    m_sizeRead = promise->future();
    m_sizesPending = true;
    const quint64 generation = ++m_sizeReadGeneration;
    auto *watcher = new QFutureWatcher<PdfDocumentInfo>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == m_sizeReadGeneration)
            applyPageSizes();
    });
    watcher->setFuture(m_sizeRead);
    // At a lower priority: the first screen's pages are drawn meanwhile and must not wait for
    // this on a machine with few cores.
    jobs::startOn(jobs::Lane::Background, [promise, path, password] {
        promise->start();
        PdfDocumentInfo info;
        // A page that cannot be read keeps its stand-in size; drawing it reports the fault.
        if (!PdfEditorBackend::inspectDocument(path, password, &info, nullptr, nullptr))
            info.pageCount = -1;
        promise->addResult(info);
        promise->finish();
    });
}

void PdfDocumentModel::ensurePageSizes() const
{
    if (!m_sizesPending)
        return;
    // Readers that only look at the pages (print, extract) still get them right; no model is
    // ever created const, so filling the sizes in here is sound.
    auto *self = const_cast<PdfDocumentModel *>(this);
    self->m_sizeRead.waitForFinished();
    self->applyPageSizes();
}

void PdfDocumentModel::applyPageSizes()
{
    if (!m_sizesPending)
        return;
    m_sizesPending = false;
    const PdfDocumentInfo info =
        m_sizeRead.resultCount() > 0 ? m_sizeRead.result() : PdfDocumentInfo{m_sizes};
    m_sizeRead = {};
    const bool wasChecked = std::exchange(m_treeChecked, true);
    if (!wasChecked && (info.pageCount < 0 || info.treeRepaired) && !m_modified &&
        FileStamp::of(m_sizesPath) == m_sizesStamp) {
        // The tree taken as it read is damaged: its pages are others than shown. Read again,
        // mended this time (or refused, leaving the pages as they are).
        loadDocument(m_documentPath, m_documentPassword, nullptr, nullptr);
        return;
    }
    const QList<QSizeF> &sizes = info.pageSizes;
    if (sizes.size() > m_sizes.size())
        m_sizes = sizes;
    int first = -1;
    int last = -1;
    fillKnownSizes(&first, &last);
    if (first >= 0)
        Q_EMIT dataChanged(index(first), index(last), {PageSizeRole});
}

void PdfDocumentModel::forgetReadSizes()
{
    // The file may hold other pages now: what was read of it no longer applies.
    ++m_sizeReadGeneration;
    m_sizesPending = false;
    m_sizeRead = {};
    m_sizesPath.clear();
    m_sizesStamp = {};
    m_sizes.clear();
}

void PdfDocumentModel::fillKnownSizes(int *first, int *last)
{
    *first = -1;
    *last = -1;
    if (m_sizesPath.isEmpty() || m_sizes.isEmpty())
        return;
    // Saved over since: its pages are others now, with sizes of their own.
    if (FileStamp::of(m_sizesPath) != m_sizesStamp) {
        forgetReadSizes();
        return;
    }
    for (int row = 0; row < m_pages.size(); ++row) {
        const PdfPageEntry &entry = m_pages.at(row);
        if (entry.origin == PdfPageOrigin::Blank || entry.sourcePath != m_sizesPath ||
            entry.sourcePageIndex < 0 || entry.sourcePageIndex >= m_sizes.size() ||
            entry.pageSize == m_sizes.at(entry.sourcePageIndex))
            continue;
        m_pages[row].pageSize = m_sizes.at(entry.sourcePageIndex);
        *first = *first < 0 ? row : *first;
        *last = row;
    }
}

PdfPageId PdfDocumentModel::insertBlankPage(int row, const QSizeF &size)
{
    const int at = clampedInsertRow(row);
    PdfPageEntry entry;
    entry.id = takeNextId();
    entry.pageSize = size.isEmpty() ? DefaultBlankPageSize : size;
    entry.origin = PdfPageOrigin::Blank;
    entry.edited = true;

    beginInsertRows(QModelIndex(), at, at);
    m_pages.insert(at, entry);
    endInsertRows();

    markPagesChanged();
    Q_EMIT pageOrderChanged();
    return entry.id;
}

bool PdfDocumentModel::insertPdf(const QString &path, int row, const QString &password,
                                 PdfBackendError *error, QString *message)
{
    PdfDocumentInfo info;
    if (!PdfEditorBackend::inspectDocument(path, password, &info, error, message))
        return false;
    if (info.pageSizes.isEmpty()) {
        // Nothing could be inserted; saying so beats a silent success the user cannot see.
        if (error)
            *error = PdfBackendError::CorruptOrUnsupported;
        if (message)
            *message = tr("该 PDF 文件没有页面，无法插入。");
        return false;
    }

    const int at = clampedInsertRow(row);
    const int count = int(info.pageSizes.size());
    beginInsertRows(QModelIndex(), at, at + count - 1);
    for (int i = 0; i < count; ++i) {
        PdfPageEntry entry = filePage(takeNextId(), path, password, i, info.pageSizes.at(i),
                                      PdfPageOrigin::Inserted);
        entry.edited = true;
        m_pages.insert(at + i, entry);
    }
    endInsertRows();

    markPagesChanged();
    Q_EMIT pageOrderChanged();
    return true;
}

QList<PdfPageId> PdfDocumentModel::duplicatePages(const QList<PdfPageId> &ids)
{
    QList<int> rows;
    for (PdfPageId id : ids) {
        const int row = rowOfPage(id);
        if (row >= 0)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());

    QList<PdfPageId> created;
    for (int k = 0; k < rows.size(); ++k) {
        const int source = rows.at(k) + k;
        PdfPageEntry copy = m_pages.at(source);
        copy.id = takeNextId();
        copy.origin = PdfPageOrigin::Duplicated;
        copy.selected = false;
        copy.edited = true;

        beginInsertRows(QModelIndex(), source + 1, source + 1);
        m_pages.insert(source + 1, copy);
        endInsertRows();
        created.append(copy.id);
    }

    if (!created.isEmpty()) {
        markPagesChanged();
        Q_EMIT pageOrderChanged();
    }
    return created;
}

void PdfDocumentModel::removePages(const QList<PdfPageId> &ids)
{
    QList<int> rows;
    for (PdfPageId id : ids) {
        const int row = rowOfPage(id);
        if (row >= 0 && !rows.contains(row))
            rows.append(row);
    }
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end(), std::greater<int>());

    for (int row : std::as_const(rows)) {
        beginRemoveRows(QModelIndex(), row, row);
        m_pages.removeAt(row);
        endRemoveRows();
    }

    if (m_pages.isEmpty()) {
        PdfPageEntry blank;
        blank.id = takeNextId();
        blank.pageSize = DefaultBlankPageSize;
        blank.origin = PdfPageOrigin::Blank;
        blank.edited = true;
        beginInsertRows(QModelIndex(), 0, 0);
        m_pages.append(blank);
        endInsertRows();
        markPagesChanged();
        Q_EMIT pageOrderChanged();
    }

    markPagesChanged();
    Q_EMIT selectionChanged();
    Q_EMIT pageOrderChanged();
}

void PdfDocumentModel::rotatePages(const QList<PdfPageId> &ids, int degrees)
{
    bool found = false;
    for (PdfPageId id : ids) {
        const int row = rowOfPage(id);
        if (row < 0)
            continue;
        PdfPageEntry &entry = m_pages[row];
        entry.rotation = normalizedRotation(qint64(entry.rotation) + degrees);
        entry.edited = true;
        const QModelIndex changed = index(row);
        Q_EMIT dataChanged(changed, changed, {RotationRole, PageSizeRole, EditedRole});
        found = true;
    }
    if (found)
        markPagesChanged();
}

bool PdfDocumentModel::setPageNumbering(const PdfPageNumbering &numbering)
{
    const PdfPageNumbering wanted = numbering.enabled ? numbering : PdfPageNumbering();
    bool changed = false;
    for (PdfPageEntry &entry : m_pages) {
        if (entry.numbering == wanted)
            continue;
        entry.numbering = wanted;
        entry.edited = true;
        changed = true;
    }
    if (!changed)
        return false;
    refreshStampTexts(false);
    Q_EMIT dataChanged(index(0), index(int(m_pages.size()) - 1), {EditedRole, StampTextRole});
    markPagesChanged();
    return true;
}

QString PdfDocumentModel::pageNumberText(const PdfPageNumbering &numbering, int row, int pageCount)
{
    if (!numbering.enabled)
        return {};
    const qint64 number = qint64(numbering.firstNumber) + row;
    if (numbering.format == PdfPageNumbering::Format::NumberOfTotal)
        return QStringLiteral("%1 / %2").arg(number).arg(qint64(numbering.firstNumber) + pageCount -
                                                         1);
    return QString::number(number);
}

void PdfDocumentModel::refreshStampTexts(bool notify)
{
    int first = -1;
    int last = -1;
    const int count = int(m_pages.size());
    for (int row = 0; row < count; ++row) {
        PdfPageEntry &entry = m_pages[row];
        const QString text = pageNumberText(entry.numbering, row, count);
        if (text == entry.stampText)
            continue;
        entry.stampText = text;
        if (first < 0)
            first = row;
        last = row;
    }
    if (notify && first >= 0)
        Q_EMIT dataChanged(index(first), index(last), {StampTextRole});
}
void PdfDocumentModel::setPageSelected(PdfPageId id, bool selected)
{
    const int row = rowOfPage(id);
    if (row < 0 || m_pages.at(row).selected == selected)
        return;
    setSelectedAt(row, selected);
    Q_EMIT selectionChanged();
}

void PdfDocumentModel::setSelectedPageIds(const QSet<PdfPageId> &ids)
{
    bool changed = false;
    for (int row = 0; row < m_pages.size(); ++row) {
        const bool selected = ids.contains(m_pages.at(row).id);
        if (m_pages.at(row).selected != selected) {
            setSelectedAt(row, selected);
            changed = true;
        }
    }
    if (changed)
        Q_EMIT selectionChanged();
}

void PdfDocumentModel::selectAll()
{
    QSet<PdfPageId> all;
    all.reserve(m_pages.size());
    for (const PdfPageEntry &entry : std::as_const(m_pages))
        all.insert(entry.id);
    setSelectedPageIds(all);
}

void PdfDocumentModel::clearSelection()
{
    setSelectedPageIds({});
}

void PdfDocumentModel::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void PdfDocumentModel::setMetadataEdits(const std::optional<PdfDocumentMetadata> &metadata)
{
    if (m_metadataEdits == metadata)
        return;
    m_metadataEdits = metadata;
    Q_EMIT metadataChanged();
}

void PdfDocumentModel::markSaved(const QString &path)
{
    setMetadataEdits(std::nullopt);
    const bool moved = !path.isEmpty() && path != m_documentPath;
    if (!path.isEmpty())
        m_documentPath = path;
    forgetReadSizes();
    for (PdfPageEntry &entry : m_pages)
        entry.edited = false;
    if (!m_pages.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_pages.size()) - 1), {EditedRole});
    setModified(false);
    if (moved)
        Q_EMIT documentPathChanged(path);
}

void PdfDocumentModel::invalidatePages()
{
    forgetReadSizes();
    ++m_revision;
    if (!m_pages.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_pages.size()) - 1), {PixelsRole, PageSizeRole});
}

PdfDocumentModel::PageChanges PdfDocumentModel::pageChanges(const QList<int> &roles)
{
    PageChanges changes;
    changes.setFlag(PageChange::Pixels, roles.contains(PixelsRole));
    changes.setFlag(PageChange::Size, roles.contains(PageSizeRole));
    changes.setFlag(PageChange::Rotation, roles.contains(RotationRole));
    changes.setFlag(PageChange::Stamp, roles.contains(StampTextRole));
    changes.setFlag(PageChange::Annotations, roles.contains(AnnotationsRole));
    return changes;
}

void PdfDocumentModel::restoreSnapshot(const QList<PdfPageEntry> &entries, bool modified)
{
    beginResetModel();
    m_pages = entries;
    PdfPageId highest = 0;
    for (const PdfPageEntry &entry : entries)
        highest = std::max(highest, entry.id);
    m_nextId = std::max(m_nextId, highest + 1);
    ++m_revision;
    m_modified = modified;
    refreshStampTexts(false);
    // A snapshot taken before the page sizes arrived still holds the stand-in sizes.
    int first = -1;
    int last = -1;
    fillKnownSizes(&first, &last);
    endResetModel();

    Q_EMIT selectionChanged();
    Q_EMIT modifiedChanged(modified);
    Q_EMIT documentReset();
}

int PdfDocumentModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pages.size());
}

QVariant PdfDocumentModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.column() != 0 || index.row() < 0 ||
        index.row() >= m_pages.size())
        return {};

    const PdfPageEntry &entry = m_pages.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.row() + 1;
    case Qt::CheckStateRole:
        return int(entry.selected ? Qt::Checked : Qt::Unchecked);
    case PageIdRole:
        return QVariant::fromValue<PdfPageId>(entry.id);
    case SourcePathRole:
        return entry.sourcePath;
    case SourcePageIndexRole:
        return entry.sourcePageIndex;
    case RotationRole:
        return entry.rotation;
    case SelectedRole:
        return entry.selected;
    case PageSizeRole:
        return displaySize(entry);
    case OriginRole:
        return int(entry.origin);
    case EditedRole:
        return entry.edited;
    case StampTextRole:
        return entry.stampText;
    case PixelsRole:
        return QVariant::fromValue<qulonglong>(m_revision);
    default:
        return {};
    }
}

bool PdfDocumentModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.parent().isValid() || index.column() != 0 || index.row() < 0 ||
        index.row() >= m_pages.size())
        return false;

    bool selected = false;
    if (role == Qt::CheckStateRole)
        selected = value.toInt() == Qt::Checked;
    else if (role == SelectedRole)
        selected = value.toBool();
    else
        return false;

    if (m_pages.at(index.row()).selected == selected)
        return false;
    setSelectedAt(index.row(), selected);
    Q_EMIT selectionChanged();
    return true;
}

Qt::ItemFlags PdfDocumentModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled |
           Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
}

QHash<int, QByteArray> PdfDocumentModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(Qt::CheckStateRole, "checkState");
    names.insert(PageIdRole, "pageId");
    names.insert(SourcePathRole, "sourcePath");
    names.insert(SourcePageIndexRole, "sourcePageIndex");
    names.insert(RotationRole, "rotation");
    names.insert(SelectedRole, "selected");
    names.insert(PageSizeRole, "pageSize");
    names.insert(OriginRole, "origin");
    names.insert(EditedRole, "edited");
    names.insert(StampTextRole, "stampText");
    names.insert(PixelsRole, "pixels");
    return names;
}

QStringList PdfDocumentModel::mimeTypes() const
{
    return {PageIdMimeType};
}

QMimeData *PdfDocumentModel::mimeData(const QModelIndexList &indexes) const
{
    QList<PdfPageId> ids;
    for (const QModelIndex &index : indexes) {
        if (!index.isValid() || index.model() != this || index.row() >= m_pages.size())
            continue;
        const PdfPageId id = m_pages.at(index.row()).id;
        if (!ids.contains(id))
            ids.append(id);
    }

    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    for (PdfPageId id : std::as_const(ids))
        stream << qint64(id);

    auto *data = new QMimeData;
    data->setData(PageIdMimeType, payload);
    data->setProperty(OriginModelProperty, QVariant::fromValue(quintptr(this)));
    return data;
}

bool PdfDocumentModel::isOwnPageDrag(const QMimeData *data) const
{
    return data && data->hasFormat(PageIdMimeType) &&
           data->property(OriginModelProperty).value<quintptr>() == quintptr(this);
}

std::optional<PdfPageId> PdfDocumentModel::firstPayloadId(const QMimeData *data) const
{
    if (!data || !data->hasFormat(PageIdMimeType))
        return std::nullopt;
    const QVariant origin = data->property(OriginModelProperty);
    if (origin.isValid() && origin.value<quintptr>() != quintptr(this))
        return std::nullopt;

    const QByteArray payload = data->data(PageIdMimeType);
    QDataStream stream(payload);
    qint64 id = 0;
    stream >> id;
    if (stream.status() != QDataStream::Ok)
        return std::nullopt;
    return PdfPageId(id);
}

std::optional<std::pair<int, int>> PdfDocumentModel::droppedMove(const QMimeData *data, int row,
                                                                 const QModelIndex &parent) const
{
    const std::optional<PdfPageId> id = firstPayloadId(data);
    if (!id)
        return std::nullopt;
    const int source = rowOfPage(*id);
    if (source < 0)
        return std::nullopt;
    const int target = row >= 0 ? row : (parent.isValid() ? parent.row() : pageCount());
    if (!isMovePossible(source, target))
        return std::nullopt;
    return std::pair{source, target};
}

bool PdfDocumentModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                       const QModelIndex &parent) const
{
    if (action == Qt::IgnoreAction)
        return true;
    return action == Qt::MoveAction && droppedMove(data, row, parent).has_value();
}

bool PdfDocumentModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                    const QModelIndex &parent)
{
    if (action == Qt::IgnoreAction)
        return true;
    const auto move = droppedMove(data, row, parent);
    if (!move)
        return false;
    moveOneRow(move->first, move->second);
    return true;
}

Qt::DropActions PdfDocumentModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

Qt::DropActions PdfDocumentModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

bool PdfDocumentModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                                const QModelIndex &destinationParent, int destinationChild)
{
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1 ||
        !isMovePossible(sourceRow, destinationChild))
        return false;
    moveOneRow(sourceRow, destinationChild);
    return true;
}

int PdfDocumentModel::clampedInsertRow(int row) const
{
    if (row < 0)
        return pageCount();
    return std::min(row, pageCount());
}

bool PdfDocumentModel::isMovePossible(int sourceRow, int destination) const
{
    if (sourceRow < 0 || sourceRow >= pageCount())
        return false;
    if (destination < 0 || destination > pageCount())
        return false;
    return destination != sourceRow && destination != sourceRow + 1;
}

void PdfDocumentModel::moveOneRow(int sourceRow, int destination)
{
    beginMoveRows(QModelIndex(), sourceRow, sourceRow, QModelIndex(), destination);
    const PdfPageEntry entry = m_pages.takeAt(sourceRow);
    m_pages.insert(destination > sourceRow ? destination - 1 : destination, entry);
    endMoveRows();

    markPagesChanged();
    Q_EMIT pageOrderChanged();
}

void PdfDocumentModel::setSelectedAt(int row, bool selected)
{
    m_pages[row].selected = selected;
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed, SelectionRoles);
}

void PdfDocumentModel::markPagesChanged()
{
    refreshStampTexts(true);
    ++m_revision;
    setModified(true);
}
