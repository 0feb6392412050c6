#include "pagethumbnailstore.h"

#include "pdfdocumentmodel.h"
#include "pdfrendermanager.h"

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

bool PageThumbnailStore::accept(PdfPageId pageId, quint64 requestId, const QImage &image)
{
    const auto pending = m_pending.constFind(pageId);
    if (pending == m_pending.cend() || pending->requestId != requestId)
        return false;
    m_thumbnails.insert(pageId, {image, pending->rotation, pending->stamp});
    m_pending.erase(pending);
    return true;
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
    m_thumbnails.remove(pageId);
    m_pending.remove(pageId);
}

void PageThumbnailStore::clear()
{
    m_thumbnails.clear();
    m_pending.clear();
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
        if (look == looks.cend() || look->first != it->rotation || look->second != it->stamp)
            it = m_thumbnails.erase(it);
        else
            ++it;
    }
    m_pending.clear();
}
