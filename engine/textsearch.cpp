#include "mupdfpage.h"
#include "pdfeditorbackend.h"

#include <QFile>

#include <vector>

namespace {

using mupdf::copyCaughtMessage;
using mupdf::ErrorTextSize;

int searchText(fz_context *ctx, fz_stext_page *text, const char *needle, int *marks, fz_quad *quads,
               int capacity, int *count, char *error)
{
    int ok = 1;
    fz_var(ok);
    fz_try(ctx)
    {
        *count = fz_search_stext_page(ctx, text, needle, marks, quads, capacity);
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

QRectF shownBox(const fz_quad &quad, const fz_matrix &toShown)
{
    const fz_rect r = fz_transform_rect(fz_rect_from_quad(quad), toShown);
    return QRectF(QPointF(r.x0, r.y0), QPointF(r.x1, r.y1)).normalized();
}

} // namespace

QList<PdfTextHit> PdfEditorBackend::findText(const PdfSourcePage &page, const QString &needle,
                                             PdfBackendError *error, QString *message,
                                             bool *hasText)
{
    if (hasText)
        *hasText = false;
    const auto report = [&](PdfBackendError code, const QString &text) {
        if (error)
            *error = code;
        if (message)
            *message = text;
    };
    report(PdfBackendError::NoError, QString());
    if (page.blank || page.filePath.isEmpty() || needle.isEmpty())
        return {};

    mupdf::OpenStatus status = mupdf::OpenStatus::Ok;
    QString text;
    const mupdf::DocumentRef doc =
        mupdf::openDocument(page.filePath, page.password, false, &status, &text);
    if (!doc) {
        report(status == mupdf::OpenStatus::NotFound ? PdfBackendError::FileNotFound
                                                     : PdfBackendError::CorruptOrUnsupported,
               text);
        return {};
    }
    fz_context *ctx = doc.context();
    if (page.pageIndex < 0 || page.pageIndex >= mupdf::pageCount(doc)) {
        report(PdfBackendError::RenderFailed,
               QStringLiteral("Page %1 is not in the file.").arg(page.pageIndex + 1));
        return {};
    }

    char errorText[ErrorTextSize] = {};
    fz_rect bounds{};
    auto *stext = static_cast<fz_stext_page *>(
        mupdf::readPage(ctx, doc.get(), page.pageIndex, &bounds, mupdf::readText, errorText));
    if (!stext) {
        report(PdfBackendError::RenderFailed, QString::fromUtf8(errorText));
        return {};
    }
    // From the page's own space to the page as shown.
    const fz_matrix turn = fz_rotate(static_cast<float>(page.rotation));
    const fz_rect turned = fz_transform_rect(bounds, turn);
    const fz_matrix toShown = fz_concat(turn, fz_translate(-turned.x0, -turned.y0));

    const QByteArray utf8 = needle.toUtf8();
    QList<PdfTextHit> hits;
    // The search stops when its buffer is full; a page with that many hits is searched again
    // with a larger one.
    for (int capacity = 256; capacity <= (1 << 20); capacity *= 8) {
        std::vector<int> marks(static_cast<size_t>(capacity), 0);
        std::vector<fz_quad> quads(static_cast<size_t>(capacity));
        int count = 0;
        if (!searchText(ctx, stext, utf8.constData(), marks.data(), quads.data(), capacity, &count,
                        errorText)) {
            report(PdfBackendError::RenderFailed, QString::fromUtf8(errorText));
            hits.clear();
            break;
        }
        if (count >= capacity && capacity < (1 << 20))
            continue;
        for (int i = 0; i < count; ++i) {
            if (marks[size_t(i)] || hits.isEmpty())
                hits.append(PdfTextHit());
            hits.last().boxes.append(shownBox(quads[size_t(i)], toShown));
        }
        break;
    }
    if (hasText)
        *hasText = mupdf::hasText(stext);
    fz_drop_stext_page(ctx, stext);
    return hits;
}
