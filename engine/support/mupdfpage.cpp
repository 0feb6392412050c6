#include "mupdfpage.h"

namespace mupdf {

DocumentRef openForReading(const QString &path, const QString &password, QString *message)
{
    OpenStatus status;
    QString text;
    DocumentRef doc = openDocument(path, password, false, &status, &text);
    if (!doc && message)
        *message = text;
    return doc;
}

void *readText(fz_context *ctx, fz_page *page)
{
    return fz_new_stext_page_from_page(ctx, page, nullptr);
}

void *readPage(fz_context *ctx, pdf_document *doc, int index, fz_rect *bounds, PageReader read,
               char *error)
{
    fz_page *page = nullptr;
    void *result = nullptr;
    fz_var(page);
    fz_var(result);
    fz_try(ctx)
    {
        page = reinterpret_cast<fz_page *>(pdf_load_page(ctx, doc, index));
        *bounds = fz_bound_page(ctx, page);
        result = read(ctx, page);
    }
    fz_always(ctx) fz_drop_page(ctx, page);
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        return nullptr;
    }
    return result;
}

bool hasText(const fz_stext_page *text)
{
    for (const fz_stext_block *block = text ? text->first_block : nullptr; block;
         block = block->next) {
        if (block->type != FZ_STEXT_BLOCK_TEXT)
            continue;
        for (const fz_stext_line *line = block->u.t.first_line; line; line = line->next) {
            for (const fz_stext_char *ch = line->first_char; ch; ch = ch->next) {
                if (ch->c > 32 && ch->c != 0xa0 && ch->c != 0xfffd)
                    return true;
            }
        }
    }
    return false;
}

} // namespace mupdf
