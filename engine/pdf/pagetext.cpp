#include "mupdfpage.h"
#include "pdfeditorbackend.h"

#include <vector>

namespace {

using mupdf::copyCaughtMessage;
using mupdf::ErrorTextSize;

constexpr int kMaxQuads = 8192;

// Points are relative to the page's top-left; quads come back the same way. *text is MuPDF
// memory for the caller to free.
int selectRaw(fz_context *ctx, fz_stext_page *stext, fz_rect bounds, fz_point a, fz_point b,
              int whole, int snap, fz_quad *quads, int *quadCount, char **text, char *error)
{
    fz_buffer *buffer = nullptr;
    int ok = 1;
    fz_var(buffer);
    fz_var(ok);
    fz_try(ctx)
    {
        fz_point from = whole ? fz_make_point(bounds.x0, bounds.y0)
                              : fz_make_point(a.x + bounds.x0, a.y + bounds.y0);
        fz_point to = whole ? fz_make_point(bounds.x1, bounds.y1)
                            : fz_make_point(b.x + bounds.x0, b.y + bounds.y0);
        if (snap && !whole)
            fz_snap_selection(ctx, stext, &from, &to, snap);
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
    fz_always(ctx) fz_drop_buffer(ctx, buffer);
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

// The text page last selected on, per thread: a drag asks for the same page at every step.
// Made after the thread's MuPDF context, so it goes before it when the thread ends.
struct CachedTextPage
{
    QString key;
    fz_context *ctx = nullptr;
    fz_stext_page *page = nullptr;
    fz_rect bounds{};

    void reset(fz_context *newCtx = nullptr, fz_stext_page *newPage = nullptr,
               const QString &newKey = QString(), fz_rect newBounds = {})
    {
        if (page)
            fz_drop_stext_page(ctx, page);
        ctx = newCtx;
        page = newPage;
        key = newKey;
        bounds = newBounds;
    }
    ~CachedTextPage() { reset(); }
};

int snapMode(PdfSelectionUnit unit)
{
    switch (unit) {
    case PdfSelectionUnit::Words:
        return FZ_SELECT_WORDS;
    case PdfSelectionUnit::Lines:
        return FZ_SELECT_LINES;
    default:
        return 0;
    }
}

} // namespace

bool PdfEditorBackend::selectText(const PdfSourcePage &page, const QPointF &from, const QPointF &to,
                                  bool wholePage, PdfTextSelection *selection, QString *message,
                                  PdfSelectionUnit unit)
{
    if (selection)
        *selection = {};
    if (page.blank || page.filePath.isEmpty())
        return true;
    const QString key = page.filePath + QChar(0) +
                        QString::fromLatin1(mupdf::fileStamp(page.filePath)) + QChar(0) +
                        page.password + QChar(0) + QString::number(page.pageIndex);
    // The context first, so that the cache below is made after it and goes before it.
    if (!mupdf::threadContext(message))
        return false;
    thread_local CachedTextPage cache;
    char error[ErrorTextSize] = {};
    if (cache.key != key || !cache.page) {
        mupdf::DocumentRef doc = mupdf::openForReading(page.filePath, page.password, message);
        if (!doc)
            return false;
        fz_rect bounds{};
        auto *stext = static_cast<fz_stext_page *>(mupdf::readPage(
            doc.context(), doc.get(), page.pageIndex, &bounds, mupdf::readText, error));
        if (!stext) {
            if (message)
                *message = QString::fromUtf8(error);
            return false;
        }
        cache.reset(doc.context(), stext, key, bounds);
    }
    fz_context *ctx = cache.ctx;
    std::vector<fz_quad> quads(kMaxQuads);
    int count = 0;
    char *chars = nullptr;
    const fz_point a = fz_make_point(float(from.x()), float(from.y()));
    const fz_point b = fz_make_point(float(to.x()), float(to.y()));
    if (!selectRaw(ctx, cache.page, cache.bounds, a, b, wholePage ? 1 : 0, snapMode(unit),
                   quads.data(), &count, &chars, error)) {
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
