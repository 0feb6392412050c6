#include "mupdfsupport.h"
#include "pdfeditorbackend.h"

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace {

using mupdf::copyCaughtMessage;
using mupdf::ErrorTextSize;

// Kept free of C++ objects: MuPDF errors unwind with longjmp.
fz_link *loadRaw(fz_context *ctx, pdf_document *doc, int index, fz_rect *bounds, char *error)
{
    fz_page *page = nullptr;
    fz_link *links = nullptr;
    fz_var(page);
    fz_var(links);
    fz_try(ctx)
    {
        page = reinterpret_cast<fz_page *>(pdf_load_page(ctx, doc, index));
        *bounds = fz_bound_page(ctx, page);
        links = fz_load_links(ctx, page);
    }
    fz_always(ctx) fz_drop_page(ctx, page);
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        return nullptr;
    }
    return links;
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
    mupdf::OpenStatus status;
    QString text;
    mupdf::DocumentRef doc =
        mupdf::openDocument(page.filePath, page.password, false, &status, &text);
    if (!doc) {
        if (message)
            *message = text;
        return false;
    }
    fz_context *ctx = doc.context();
    char error[ErrorTextSize] = {};
    fz_rect bounds{};
    fz_link *first = loadRaw(ctx, doc.get(), page.pageIndex, &bounds, error);
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
