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
fz_outline *loadRaw(fz_context *ctx, fz_document *doc, char *error)
{
    fz_outline *outline = nullptr;
    fz_var(outline);
    fz_try(ctx) outline = fz_load_outline(ctx, doc);
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        return nullptr;
    }
    return outline;
}

int resolveRaw(fz_context *ctx, fz_document *doc, const char *uri)
{
    int page = -1;
    fz_var(page);
    fz_try(ctx)
    {
        const fz_location location = fz_resolve_link(ctx, doc, uri, nullptr, nullptr);
        if (location.chapter == 0)
            page = location.page;
    }
    fz_catch(ctx) page = -1;
    return page;
}

int isExternalRaw(fz_context *ctx, const char *uri)
{
    int external = 0;
    fz_var(external);
    fz_try(ctx) external = fz_is_external_link(ctx, uri);
    fz_catch(ctx) external = 0;
    return external;
}

QList<PdfOutlineItem> convert(fz_context *ctx, fz_document *doc, const fz_outline *node, int depth)
{
    QList<PdfOutlineItem> items;
    for (; node; node = node->next) {
        PdfOutlineItem item;
        item.title = QString::fromUtf8(node->title ? node->title : "").simplified();
        if (node->uri && isExternalRaw(ctx, node->uri)) {
            item.uri = QString::fromUtf8(node->uri);
        } else {
            item.pageIndex = node->page.chapter == 0 ? node->page.page : -1;
            if (item.pageIndex < 0 && node->uri)
                item.pageIndex = resolveRaw(ctx, doc, node->uri);
        }
        // Guards against outlines that nest without end.
        if (node->down && depth < 64)
            item.children = convert(ctx, doc, node->down, depth + 1);
        items.append(std::move(item));
    }
    return items;
}

} // namespace

bool PdfEditorBackend::loadOutline(const QString &path, const QString &password,
                                   QList<PdfOutlineItem> *items, QString *message)
{
    mupdf::OpenStatus status;
    QString text;
    // Opened fresh: this usually runs on a pool thread that should not keep documents open.
    // It runs while the first screen is drawn; the page-size read checks a long tree.
    mupdf::DocumentRef doc =
        mupdf::openDocument(path, password, true, &status, &text, mupdf::TreeCheck::Deferred);
    if (!doc) {
        if (message)
            *message = text;
        return false;
    }
    fz_context *ctx = doc.context();
    fz_document *document = reinterpret_cast<fz_document *>(doc.get());
    char error[ErrorTextSize] = {};
    fz_outline *outline = loadRaw(ctx, document, error);
    if (!outline && error[0]) {
        if (message)
            *message = QString::fromUtf8(error);
        return false;
    }
    QList<PdfOutlineItem> result = convert(ctx, document, outline, 0);
    fz_drop_outline(ctx, outline);
    if (items)
        *items = std::move(result);
    if (message)
        message->clear();
    return true;
}
