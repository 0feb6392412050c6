#include "mupdfsupport.h"
#include "pdfeditorbackend.h"

#include <cstring>
#include <vector>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace {

constexpr size_t kErrorTextSize = 256;
constexpr int kMaxQuads = 8192;

void copyError(fz_context *ctx, char *buffer)
{
    const char *text = fz_caught_message(ctx);
    std::strncpy(buffer, text && *text ? text : "unknown MuPDF error", kErrorTextSize - 1);
    buffer[kErrorTextSize - 1] = '\0';
}

// Kept free of C++ objects: MuPDF errors unwind with longjmp. Points are relative to the page's
// top-left; quads come back the same way. *text is MuPDF memory for the caller to free.
int selectRaw(fz_context *ctx, pdf_document *doc, int index, fz_point a, fz_point b, int whole,
              fz_quad *quads, int *quadCount, char **text, char *error)
{
    fz_page *page = nullptr;
    fz_stext_page *stext = nullptr;
    fz_buffer *buffer = nullptr;
    int ok = 1;
    fz_var(page);
    fz_var(stext);
    fz_var(buffer);
    fz_var(ok);
    fz_try(ctx)
    {
        page = reinterpret_cast<fz_page *>(pdf_load_page(ctx, doc, index));
        const fz_rect bounds = fz_bound_page(ctx, page);
        stext = fz_new_stext_page_from_page(ctx, page, nullptr);
        const fz_point from = whole ? fz_make_point(bounds.x0, bounds.y0)
                                    : fz_make_point(a.x + bounds.x0, a.y + bounds.y0);
        const fz_point to = whole ? fz_make_point(bounds.x1, bounds.y1)
                                  : fz_make_point(b.x + bounds.x0, b.y + bounds.y0);
        *quadCount = fz_highlight_selection(ctx, stext, from, to, quads, kMaxQuads);
        for (int i = 0; i < *quadCount; ++i)
            quads[i] = fz_transform_quad(quads[i], fz_translate(-bounds.x0, -bounds.y0));
        if (whole) {
            buffer = fz_new_buffer_from_stext_page(ctx, stext);
            *text = fz_strdup(ctx, fz_string_from_buffer(ctx, buffer));
        } else {
            *text = fz_copy_selection(ctx, stext, from, to, 0);
        }
    }
    fz_always(ctx)
    {
        fz_drop_buffer(ctx, buffer);
        fz_drop_stext_page(ctx, stext);
        fz_drop_page(ctx, page);
    }
    fz_catch(ctx)
    {
        copyError(ctx, error);
        ok = 0;
    }
    return ok;
}

} // namespace

bool PdfEditorBackend::selectText(const PdfSourcePage &page, const QPointF &from, const QPointF &to,
                                  bool wholePage, PdfTextSelection *selection, QString *message)
{
    if (selection)
        *selection = {};
    if (page.blank || page.filePath.isEmpty())
        return true;
    mupdf::OpenStatus status;
    QString text;
    mupdf::DocumentRef doc = mupdf::openDocument(page.filePath, page.password, false, &status, &text);
    if (!doc) {
        if (message)
            *message = text;
        return false;
    }
    fz_context *ctx = doc.context();
    std::vector<fz_quad> quads(kMaxQuads);
    int count = 0;
    char *chars = nullptr;
    char error[kErrorTextSize] = {};
    const fz_point a = fz_make_point(float(from.x()), float(from.y()));
    const fz_point b = fz_make_point(float(to.x()), float(to.y()));
    if (!selectRaw(ctx, doc.get(), page.pageIndex, a, b, wholePage ? 1 : 0, quads.data(), &count,
                   &chars, error)) {
        if (message)
            *message = QString::fromUtf8(error);
        return false;
    }
    PdfTextSelection result;
    result.text = QString::fromUtf8(chars ? chars : "");
    fz_free(ctx, chars);
    result.quads.reserve(count);
    for (int i = 0; i < count; ++i) {
        const fz_quad &q = quads[size_t(i)];
        result.quads.append(QPolygonF({QPointF(q.ul.x, q.ul.y), QPointF(q.ur.x, q.ur.y),
                                       QPointF(q.lr.x, q.lr.y), QPointF(q.ll.x, q.ll.y)}));
    }
    if (selection)
        *selection = std::move(result);
    return true;
}
