#include "mupdfpage.h"
#include "pdfeditorbackend.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace {

using mupdf::ErrorTextSize;

constexpr int ContextBefore = 40;
constexpr int ContextAfter = 60;

// A page's text as one string: white space runs folded into one space, lines and blocks joined
// by a space, each code unit knowing the character (and its line) it came from.
struct PageText
{
    QString text;
    std::vector<int> charOf; // -1 for the spaces put between lines
    std::vector<fz_quad> quads;
    std::vector<int> lineOfChar;
    std::vector<std::pair<int, int>> lines; // [start, end) of each line in text

    void read(const fz_stext_page *page)
    {
        for (const fz_stext_block *block = page->first_block; block; block = block->next) {
            if (block->type != FZ_STEXT_BLOCK_TEXT)
                continue;
            for (const fz_stext_line *line = block->u.t.first_line; line; line = line->next) {
                if (!text.isEmpty() && !text.endsWith(u' ')) {
                    text.append(u' ');
                    charOf.push_back(-1);
                }
                const int lineIndex = int(lines.size());
                const int lineStart = int(text.size());
                for (const fz_stext_char *ch = line->first_char; ch; ch = ch->next) {
                    const char32_t c = char32_t(ch->c);
                    const bool space = QChar::isSpace(c) || c == 0xa0;
                    if (space && (text.isEmpty() || text.endsWith(u' ')))
                        continue;
                    const int index = int(quads.size());
                    quads.push_back(ch->quad);
                    lineOfChar.push_back(lineIndex);
                    if (space) {
                        text.append(u' ');
                        charOf.push_back(index);
                        continue;
                    }
                    if (QChar::requiresSurrogates(c)) {
                        text.append(QChar(QChar::highSurrogate(c)));
                        text.append(QChar(QChar::lowSurrogate(c)));
                        charOf.push_back(index);
                    } else {
                        text.append(QChar(c));
                    }
                    charOf.push_back(index);
                }
                int lineEnd = int(text.size());
                while (lineEnd > lineStart && text.at(lineEnd - 1) == u' ')
                    --lineEnd;
                lines.emplace_back(lineStart, lineEnd);
            }
        }
    }
};

bool isWordUnit(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

QRectF shownBox(const fz_rect &rect, const fz_matrix &toShown)
{
    const fz_rect r = fz_transform_rect(rect, toShown);
    return QRectF(QPointF(r.x0, r.y0), QPointF(r.x1, r.y1)).normalized();
}

PdfTextHit makeHit(const PageText &page, int start, int length, const fz_matrix &toShown)
{
    PdfTextHit hit;
    int line = -1;
    fz_rect box = fz_empty_rect;
    int firstLine = -1;
    for (int i = start; i < start + length; ++i) {
        const int index = page.charOf[size_t(i)];
        if (index < 0)
            continue;
        const int at = page.lineOfChar[size_t(index)];
        if (firstLine < 0)
            firstLine = at;
        if (at != line) {
            if (line >= 0 && !fz_is_empty_rect(box))
                hit.boxes.append(shownBox(box, toShown));
            line = at;
            box = fz_empty_rect;
        }
        box = fz_union_rect(box, fz_rect_from_quad(page.quads[size_t(index)]));
    }
    if (line >= 0 && !fz_is_empty_rect(box))
        hit.boxes.append(shownBox(box, toShown));

    if (firstLine >= 0) {
        const auto [lineStart, lineEnd] = page.lines[size_t(firstLine)];
        const int from = std::max(lineStart, start - ContextBefore);
        const int to = std::max(std::min(lineEnd, start + length + ContextAfter), start + length);
        hit.context = page.text.mid(from, to - from);
        hit.contextStart = start - from;
        hit.contextLength = length;
        if (from > lineStart) {
            hit.context.prepend(u'…');
            ++hit.contextStart;
        }
        if (to < lineEnd)
            hit.context.append(u'…');
    }
    return hit;
}

} // namespace

QList<PdfTextHit> PdfEditorBackend::findText(const PdfSourcePage &page, const QString &needle,
                                             PdfBackendError *error, QString *message,
                                             bool *hasText, const PdfFindOptions &options)
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

    PageText pageText;
    pageText.read(stext);
    const QString wanted = needle.simplified();
    const Qt::CaseSensitivity sensitivity =
        options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QList<PdfTextHit> hits;
    for (qsizetype at = wanted.isEmpty() ? -1 : pageText.text.indexOf(wanted, 0, sensitivity);
         at >= 0; at = pageText.text.indexOf(wanted, at + 1, sensitivity)) {
        const qsizetype end = at + wanted.size();
        if (options.wholeWords &&
            ((at > 0 && isWordUnit(pageText.text.at(at - 1)) && isWordUnit(wanted.front())) ||
             (end < pageText.text.size() && isWordUnit(pageText.text.at(end)) &&
              isWordUnit(wanted.back()))))
            continue;
        hits.append(makeHit(pageText, int(at), int(wanted.size()), toShown));
        at = end - 1;
    }
    if (hasText)
        *hasText = mupdf::hasText(stext);
    fz_drop_stext_page(ctx, stext);
    return hits;
}
