#include "pagethumbnailstore.h"

#include "pdfdocumentmodel.h"
#include "pdfrendermanager.h"

#include <algorithm>
#include <limits>

void PageThumbnailStore::request(PdfDocumentModel *model, PdfRenderManager *manager,
                                 const QList<int> &rows, const TargetSize &targetSize, int priority)
{
    if (!model || !manager)
        return;
    QList<PdfPageEntry> entries;
    QList<QSize> sizes;
    for (int row : rows) {
        const std::optional<PdfPageEntry> entry = model->pageAt(row);
        if (!entry || isKnown(entry->id))
            continue;
        entries.append(*entry);
        sizes.append(targetSize(*entry));
    }
    if (entries.isEmpty())
        return;
    const QList<quint64> ids = manager->requestRenders(entries, sizes, PdfRenderPurpose::Thumbnail,
                                                       model->revision(), priority);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        // An empty target size gets an id but never an answer; waiting for it would stall.
        if (ids.value(i) != 0 && !sizes.at(i).isEmpty())
            m_pending.insert(entries.at(i).id,
                             {ids.at(i), entries.at(i).rotation, entries.at(i).stampText});
    }
}

bool PageThumbnailStore::accept(PdfPageId pageId, quint64 requestId, const QImage &image,
                                const PdfDocumentModel *model)
{
    const auto pending = m_pending.constFind(pageId);
    if (pending == m_pending.cend() || pending->requestId != requestId)
        return false;
    if (const auto old = m_thumbnails.find(pageId); old != m_thumbnails.end())
        remove(old);
    m_thumbnails.insert(pageId, {image, pending->rotation, pending->stamp});
    m_bytes += image.sizeInBytes();
    m_pending.erase(pending);
    if (model && m_bytes > m_budget)
        trim(model);
    return true;
}

void PageThumbnailStore::setBudget(qint64 bytes)
{
    m_budget = std::max<qint64>(bytes, 1);
}

int PageThumbnailStore::capacityFor(const QSize &size) const
{
    const qint64 each = std::max<qint64>(qint64(size.width()) * size.height() * 4, 1);
    return int(std::clamp<qint64>(m_budget / each, 1, std::numeric_limits<int>::max()));
}

void PageThumbnailStore::setFocus(int firstRow, int lastRow)
{
    m_focusFirst = std::min(firstRow, lastRow);
    m_focusLast = std::max(firstRow, lastRow);
}

void PageThumbnailStore::trim(const PdfDocumentModel *model)
{
    if (m_bytes <= m_budget)
        return;
    // Trimming a little below the budget keeps it from running on every new thumbnail.
    const qint64 target = m_budget - m_budget / 8;
    QList<std::pair<qint64, PdfPageId>> byDistance;
    byDistance.reserve(m_thumbnails.size());
    QHash<PdfPageId, bool> placed;
    placed.reserve(m_thumbnails.size());
    if (model) {
        const QList<PdfPageEntry> pages = model->pages();
        for (int row = 0; row < pages.size(); ++row) {
            const PdfPageId id = pages.at(row).id;
            if (!m_thumbnails.contains(id))
                continue;
            const qint64 distance = row < m_focusFirst  ? m_focusFirst - row
                                    : row > m_focusLast ? row - m_focusLast
                                                        : 0;
            byDistance.append({distance, id});
            placed.insert(id, true);
        }
    }
    // Pages no longer in the model are the first to go.
    for (auto it = m_thumbnails.cbegin(); it != m_thumbnails.cend(); ++it) {
        if (!placed.contains(it.key()))
            byDistance.append({std::numeric_limits<qint64>::max(), it.key()});
    }
    std::sort(byDistance.begin(), byDistance.end(),
              [](const auto &a, const auto &b) { return a.first > b.first; });
    for (const auto &[distance, id] : std::as_const(byDistance)) {
        if (m_bytes <= target || distance == 0)
            break;
        remove(m_thumbnails.find(id));
    }
}

void PageThumbnailStore::forgetResized(const PdfDocumentModel *model, const TargetSize &targetSize)
{
    if (!model || (m_thumbnails.isEmpty() && m_pending.isEmpty()))
        return;
    const QList<PdfPageEntry> pages = model->pages();
    for (const PdfPageEntry &entry : pages) {
        const auto it = m_thumbnails.find(entry.id);
        const bool held = it != m_thumbnails.end();
        if (!held && !m_pending.contains(entry.id))
            continue;
        // A request under way was sized from the old size; its answer would be stretched.
        if (!held || it->image.size() != targetSize(entry))
            forget(entry.id);
    }
}

bool PageThumbnailStore::follow(const PdfDocumentModel *model, int first, int last,
                                const QList<int> &roles, const TargetSize &targetSize)
{
    if (!model)
        return false;
    const PdfDocumentModel::PageChanges changes = PdfDocumentModel::pageChanges(roles);
    if (changes & PdfDocumentModel::Redraw) {
        for (int row = std::max(first, 0); row <= last; ++row) {
            if (const std::optional<PdfPageEntry> entry = model->pageAt(row))
                forget(entry->id);
        }
        return true;
    }
    if (!(changes & PdfDocumentModel::PageChange::Size))
        return false;
    forgetResized(model, targetSize);
    return true;
}

void PageThumbnailStore::remove(QHash<PdfPageId, Thumbnail>::iterator it)
{
    m_bytes -= it->image.sizeInBytes();
    m_thumbnails.erase(it);
}

bool PageThumbnailStore::fail(PdfPageId pageId, quint64 requestId)
{
    const auto pending = m_pending.constFind(pageId);
    if (pending == m_pending.cend() || pending->requestId != requestId)
        return false;
    m_pending.erase(pending);
    return true;
}

void PageThumbnailStore::forget(PdfPageId pageId)
{
    if (const auto it = m_thumbnails.find(pageId); it != m_thumbnails.end())
        remove(it);
    m_pending.remove(pageId);
}

void PageThumbnailStore::clear()
{
    m_thumbnails.clear();
    m_pending.clear();
    m_bytes = 0;
}

void PageThumbnailStore::keepValid(const PdfDocumentModel *model)
{
    QHash<PdfPageId, std::pair<int, QString>> looks;
    if (model) {
        const QList<PdfPageEntry> pages = model->pages();
        looks.reserve(pages.size());
        for (const PdfPageEntry &entry : pages)
            looks.insert(entry.id, {entry.rotation, entry.stampText});
    }
    for (auto it = m_thumbnails.begin(); it != m_thumbnails.end();) {
        const auto look = looks.constFind(it.key());
        if (look == looks.cend() || look->first != it->rotation || look->second != it->stamp) {
            m_bytes -= it->image.sizeInBytes();
            it = m_thumbnails.erase(it);
        } else
            ++it;
    }
    m_pending.clear();
}
