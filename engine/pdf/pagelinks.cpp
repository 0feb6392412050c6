#include "mupdfpage.h"
#include "pdfeditorbackend.h"

namespace {

using mupdf::ErrorTextSize;

void *loadLinksRaw(fz_context *ctx, fz_page *page)
{
    return fz_load_links(ctx, page);
}

int targetRaw(fz_context *ctx, fz_document *doc, const char *uri, int *external)
{
    int page = -1;
    fz_var(page);
    fz_try(ctx)
    {
        *external = fz_is_external_link(ctx, uri);
        if (!*external) {
            const fz_location location = fz_resolve_link(ctx, doc, uri, nullptr, nullptr);
            if (location.chapter == 0)
                page = location.page;
        }
    }
    fz_catch(ctx) page = -1;
    return page;
}

} // namespace

bool PdfEditorBackend::loadLinks(const PdfSourcePage &page, QList<PdfPageLink> *links,
                                 QString *message)
{
    if (links)
        links->clear();
    if (page.blank || page.filePath.isEmpty())
        return true;
    mupdf::DocumentRef doc = mupdf::openForReading(page.filePath, page.password, message);
    if (!doc)
        return false;
    fz_context *ctx = doc.context();
    char error[ErrorTextSize] = {};
    fz_rect bounds{};
    auto *first = static_cast<fz_link *>(
        mupdf::readPage(ctx, doc.get(), page.pageIndex, &bounds, loadLinksRaw, error));
    if (!first && error[0]) {
        if (message)
            *message = QString::fromUtf8(error);
        return false;
    }
    QList<PdfPageLink> result;
    for (fz_link *link = first; link; link = link->next) {
        if (!link->uri || fz_is_empty_rect(link->rect))
            continue;
        PdfPageLink item;
        item.rect = QRectF(QPointF(link->rect.x0 - bounds.x0, link->rect.y0 - bounds.y0),
                           QPointF(link->rect.x1 - bounds.x0, link->rect.y1 - bounds.y0))
                        .normalized();
        int external = 0;
        item.targetPage =
            targetRaw(ctx, reinterpret_cast<fz_document *>(doc.get()), link->uri, &external);
        if (external)
            item.uri = QString::fromUtf8(link->uri);
        if (item.targetPage >= 0 || !item.uri.isEmpty())
            result.append(item);
    }
    fz_drop_link(ctx, first);
    if (links)
        *links = std::move(result);
    return true;
}
