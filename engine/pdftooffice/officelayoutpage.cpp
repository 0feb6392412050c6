// Reading a page through MuPDF for the office writers: characters with their fonts, images,
// rules and drawn figures (MuPDF 1.21's structured text has no paths, so a device of our own
// collects them), and pictures of areas that text alone cannot carry.
#include "officelayoutpage.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace officelayout {
namespace {

using mupdf::copyCaughtMessage;
using mupdf::ErrorTextSize;

constexpr float kRuleThickness = 3.0f; // filled bars thinner than this are rules
constexpr float kMinRule = 4.0f;
constexpr double kPictureDpi = 150.0;
// MuPDF decodes a Flate or LZW picture whole, whatever size it is drawn at: one declared larger
// than this many bytes decoded is refused rather than taking the machine's memory (JPEG, which
// MuPDF decodes scaled down, is exempt).
constexpr qint64 kMaxDecodedImageBytes = qint64(256) << 20;
// Page and figure pictures at most this many pixels: a page of 200 inches is drawn coarser.
constexpr double kMaxPicturePixels = 40e6;

struct GraphicsDevice
{
    fz_device base;
    Graphics *graphics;
    float pageX, pageY;
    bool failed;
};

struct PathWalk
{
    fz_matrix ctm;
    fz_point start, current;
    std::vector<fz_point> *points; // one polyline at a time; curves mark it bent
    bool bent;
    int rects;
    fz_rect rect;
};

void walkMove(fz_context *, void *arg, float x, float y)
{
    auto *walk = static_cast<PathWalk *>(arg);
    walk->start = walk->current = fz_transform_point(fz_make_point(x, y), walk->ctm);
    walk->points->push_back(walk->current);
}

void walkLine(fz_context *, void *arg, float x, float y)
{
    auto *walk = static_cast<PathWalk *>(arg);
    walk->current = fz_transform_point(fz_make_point(x, y), walk->ctm);
    walk->points->push_back(walk->current);
}

void walkCurve(fz_context *, void *arg, float, float, float, float, float x3, float y3)
{
    auto *walk = static_cast<PathWalk *>(arg);
    walk->bent = true;
    walk->current = fz_transform_point(fz_make_point(x3, y3), walk->ctm);
    walk->points->push_back(walk->current);
}

void walkClose(fz_context *, void *arg)
{
    auto *walk = static_cast<PathWalk *>(arg);
    walk->points->push_back(walk->start);
    walk->current = walk->start;
}

void walkRect(fz_context *, void *arg, float x0, float y0, float x1, float y1)
{
    auto *walk = static_cast<PathWalk *>(arg);
    const fz_rect r = fz_transform_rect(fz_make_rect(x0, y0, x1, y1), walk->ctm);
    walk->rect = r;
    ++walk->rects;
    walk->points->push_back(fz_make_point(r.x0, r.y0));
    walk->points->push_back(fz_make_point(r.x1, r.y0));
    walk->points->push_back(fz_make_point(r.x1, r.y1));
    walk->points->push_back(fz_make_point(r.x0, r.y1));
    walk->points->push_back(fz_make_point(r.x0, r.y0));
}

const fz_path_walker kWalker = {walkMove, walkLine, walkCurve, walkClose,
                                nullptr,  nullptr,  nullptr,   walkRect};

void addRule(GraphicsDevice *dev, float x0, float y0, float x1, float y1)
{
    x0 -= dev->pageX;
    x1 -= dev->pageX;
    y0 -= dev->pageY;
    y1 -= dev->pageY;
    if (std::fabs(y1 - y0) < 0.8f && std::fabs(x1 - x0) >= kMinRule) {
        const double y = (y0 + y1) / 2;
        dev->graphics->rules.append({std::min(x0, x1), y, std::max(x0, x1), y});
    } else if (std::fabs(x1 - x0) < 0.8f && std::fabs(y1 - y0) >= kMinRule) {
        const double x = (x0 + x1) / 2;
        dev->graphics->rules.append({x, std::min(y0, y1), x, std::max(y0, y1)});
    }
}

void addFigurePiece(GraphicsDevice *dev, fz_rect r)
{
    if (fz_is_empty_rect(r) || fz_is_infinite_rect(r))
        return;
    dev->graphics->figures.append(QRectF(QPointF(r.x0 - dev->pageX, r.y0 - dev->pageY),
                                         QPointF(r.x1 - dev->pageX, r.y1 - dev->pageY)));
}

bool isWhite(fz_context *ctx, fz_colorspace *cs, const float *color)
{
    if (!cs || !color)
        return false;
    float rgb[3] = {0, 0, 0};
    fz_convert_color(ctx, cs, color, fz_device_rgb(ctx), rgb, nullptr, fz_default_color_params);
    return rgb[0] > 0.97f && rgb[1] > 0.97f && rgb[2] > 0.97f;
}

// Sorts one path into rules (straight axis-parallel pieces) or a piece of a figure.
void takePath(fz_context *ctx, GraphicsDevice *dev, const fz_path *path, fz_matrix ctm,
              float lineWidth, bool filled, bool white, const fz_stroke_state *stroke)
{
    std::vector<fz_point> points;
    PathWalk walk{ctm, {}, {}, &points, false, 0, {}};
    fz_walk_path(ctx, path, &kWalker, &walk);
    if (points.size() < 2)
        return;
    if (filled) {
        fz_rect box = fz_empty_rect;
        for (const fz_point &p : points)
            box = fz_include_point_in_rect(box, p);
        bool axisAligned = !walk.bent;
        for (size_t i = 1; i < points.size() && axisAligned; ++i) {
            const float dx = std::fabs(points[i].x - points[i - 1].x);
            const float dy = std::fabs(points[i].y - points[i - 1].y);
            axisAligned = dx < 0.5f || dy < 0.5f;
        }
        const float w = box.x1 - box.x0;
        const float h = box.y1 - box.y0;
        if (axisAligned && points.size() <= 6 * size_t(std::max(walk.rects, 1))) {
            if (white)
                return;
            if (h <= kRuleThickness && w >= kMinRule) {
                addRule(dev, box.x0, (box.y0 + box.y1) / 2, box.x1, (box.y0 + box.y1) / 2);
                return;
            }
            if (w <= kRuleThickness && h >= kMinRule) {
                addRule(dev, (box.x0 + box.x1) / 2, box.y0, (box.x0 + box.x1) / 2, box.y1);
                return;
            }
            // A shaded box: its edges may be the lines of a table.
            addRule(dev, box.x0, box.y0, box.x1, box.y0);
            addRule(dev, box.x0, box.y1, box.x1, box.y1);
            addRule(dev, box.x0, box.y0, box.x0, box.y1);
            addRule(dev, box.x1, box.y0, box.x1, box.y1);
            return;
        }
        if (!white)
            addFigurePiece(dev, fz_bound_path(ctx, path, nullptr, ctm));
        return;
    }
    if (lineWidth > 4.0f)
        return;
    bool straight = !walk.bent;
    for (size_t i = 1; i < points.size(); ++i) {
        const fz_point a = points[i - 1];
        const fz_point b = points[i];
        if (std::fabs(a.x - b.x) < 0.5f || std::fabs(a.y - b.y) < 0.5f)
            addRule(dev, a.x, a.y, b.x, b.y);
        else
            straight = false;
    }
    if (!straight || points.size() > 12)
        addFigurePiece(dev, fz_bound_path(ctx, path, stroke, ctm));
}

void deviceFillPath(fz_context *ctx, fz_device *device, const fz_path *path, int, fz_matrix ctm,
                    fz_colorspace *cs, const float *color, float alpha, fz_color_params)
{
    auto *dev = reinterpret_cast<GraphicsDevice *>(device);
    if (dev->failed || alpha <= 0.05f)
        return;
    try {
        takePath(ctx, dev, path, ctm, 0, true, isWhite(ctx, cs, color), nullptr);
    } catch (...) {
        dev->failed = true; // never through MuPDF
    }
}

void deviceStrokePath(fz_context *ctx, fz_device *device, const fz_path *path,
                      const fz_stroke_state *stroke, fz_matrix ctm, fz_colorspace *cs,
                      const float *color, float alpha, fz_color_params)
{
    auto *dev = reinterpret_cast<GraphicsDevice *>(device);
    if (dev->failed || alpha <= 0.05f || isWhite(ctx, cs, color))
        return;
    try {
        const float width = stroke ? stroke->linewidth * fz_matrix_expansion(ctm) : 1.0f;
        takePath(ctx, dev, path, ctm, width, false, false, stroke);
    } catch (...) {
        dev->failed = true;
    }
}

void deviceFillShade(fz_context *ctx, fz_device *device, fz_shade *shade, fz_matrix ctm, float,
                     fz_color_params)
{
    auto *dev = reinterpret_cast<GraphicsDevice *>(device);
    if (dev->failed)
        return;
    try {
        addFigurePiece(dev, fz_bound_shade(ctx, shade, ctm));
    } catch (...) {
        dev->failed = true;
    }
}

// Everything MuPDF made for one page; dropped together.
struct PageObjects
{
    fz_page *page = nullptr;
    fz_display_list *list = nullptr;
    fz_stext_page *text = nullptr;
    fz_device *device = nullptr;
    fz_rect bounds{};
};

void dropObjects(fz_context *ctx, PageObjects *objects)
{
    fz_drop_device(ctx, objects->device);
    fz_drop_stext_page(ctx, objects->text);
    fz_drop_display_list(ctx, objects->list);
    fz_drop_page(ctx, objects->page);
    *objects = PageObjects();
}

int loadPage(fz_context *ctx, pdf_document *doc, int index, Graphics *graphics,
             PageObjects *objects, char *error)
{
    int ok = 1;
    fz_var(ok);
    fz_try(ctx)
    {
        objects->page = reinterpret_cast<fz_page *>(pdf_load_page(ctx, doc, index));
        objects->bounds = fz_bound_page(ctx, objects->page);
        objects->list = fz_new_display_list_from_page(ctx, objects->page);
        fz_stext_options options{};
        options.flags = FZ_STEXT_PRESERVE_IMAGES | FZ_STEXT_MEDIABOX_CLIP;
        objects->text = fz_new_stext_page_from_display_list(ctx, objects->list, &options);
        auto *dev = fz_new_derived_device(ctx, GraphicsDevice);
        objects->device = &dev->base;
        dev->graphics = graphics;
        dev->pageX = objects->bounds.x0;
        dev->pageY = objects->bounds.y0;
        dev->failed = false;
        dev->base.fill_path = deviceFillPath;
        dev->base.stroke_path = deviceStrokePath;
        dev->base.fill_shade = deviceFillShade;
        fz_run_display_list(ctx, objects->list, objects->device, fz_identity, fz_infinite_rect,
                            nullptr);
        fz_close_device(ctx, objects->device);
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

// An image as a file: JPEG data as it is where it needs no decoding, else PNG.
fz_buffer *encodeImage(fz_context *ctx, fz_image *image, int *isJpeg)
{
    fz_buffer *result = nullptr;
    fz_pixmap *color = nullptr;
    fz_pixmap *mask = nullptr;
    fz_pixmap *joined = nullptr;
    fz_var(result);
    fz_var(color);
    fz_var(mask);
    fz_var(joined);
    *isJpeg = 0;
    fz_try(ctx)
    {
        fz_compressed_buffer *compressed = fz_compressed_image_buffer(ctx, image);
        const int n = image->colorspace ? fz_colorspace_n(ctx, image->colorspace) : 0;
        if (compressed && compressed->params.type == FZ_IMAGE_JPEG && (n == 1 || n == 3) &&
            !image->use_decode && !image->mask) {
            result = fz_keep_buffer(ctx, compressed->buffer);
            *isJpeg = 1;
        } else if (image->mask && !image->imagemask) {
            // The soft mask as the picture's alpha, so that what was clear stays clear.
            color = fz_get_pixmap_from_image(ctx, image, nullptr, nullptr, nullptr, nullptr);
            if (color->colorspace && fz_colorspace_n(ctx, color->colorspace) != 3) {
                fz_pixmap *rgb = fz_convert_pixmap(ctx, color, fz_device_rgb(ctx), nullptr, nullptr,
                                                   fz_default_color_params, 0);
                fz_drop_pixmap(ctx, color);
                color = rgb;
            }
            mask = fz_get_pixmap_from_image(ctx, image->mask, nullptr, nullptr, nullptr, nullptr);
            if (mask->w == color->w && mask->h == color->h && mask->n == 1 && !color->alpha) {
                joined = fz_new_pixmap_from_color_and_mask(ctx, color, mask);
                result = fz_new_buffer_from_pixmap_as_png(ctx, joined, fz_default_color_params);
            } else {
                result = fz_new_buffer_from_image_as_png(ctx, image, fz_default_color_params);
            }
        } else {
            result = fz_new_buffer_from_image_as_png(ctx, image, fz_default_color_params);
        }
    }
    fz_always(ctx)
    {
        fz_drop_pixmap(ctx, joined);
        fz_drop_pixmap(ctx, mask);
        fz_drop_pixmap(ctx, color);
    }
    fz_catch(ctx) result = nullptr;
    return result;
}

// The area of the page list as a PNG at the picture resolution, white behind.
fz_buffer *renderArea(fz_context *ctx, fz_display_list *list, fz_rect area)
{
    fz_pixmap *pixmap = nullptr;
    fz_device *device = nullptr;
    fz_buffer *result = nullptr;
    fz_var(pixmap);
    fz_var(device);
    fz_var(result);
    fz_try(ctx)
    {
        const double wanted = kPictureDpi / 72.0;
        const double pixels =
            double(area.x1 - area.x0) * double(area.y1 - area.y0) * wanted * wanted;
        const float scale = float(
            pixels > kMaxPicturePixels ? wanted * std::sqrt(kMaxPicturePixels / pixels) : wanted);
        const fz_matrix ctm = fz_pre_translate(fz_scale(scale, scale), -area.x0, -area.y0);
        const fz_irect box =
            fz_round_rect(fz_transform_rect(fz_make_rect(area.x0, area.y0, area.x1, area.y1), ctm));
        pixmap = fz_new_pixmap_with_bbox(ctx, fz_device_rgb(ctx), box, nullptr, 0);
        fz_clear_pixmap_with_value(ctx, pixmap, 255);
        device = fz_new_draw_device(ctx, fz_identity, pixmap);
        fz_run_display_list(ctx, list, device, ctm, fz_transform_rect(area, ctm), nullptr);
        fz_close_device(ctx, device);
        result = fz_new_buffer_from_pixmap_as_png(ctx, pixmap, fz_default_color_params);
    }
    fz_always(ctx)
    {
        fz_drop_device(ctx, device);
        fz_drop_pixmap(ctx, pixmap);
    }
    fz_catch(ctx) result = nullptr;
    return result;
}

QByteArray takeBuffer(fz_context *ctx, fz_buffer *buffer)
{
    if (!buffer)
        return {};
    unsigned char *data = nullptr;
    const size_t size = fz_buffer_storage(ctx, buffer, &data);
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fz_drop_buffer(ctx, buffer);
    return bytes;
}

// TeX's own fonts (Computer Modern, Latin Modern, cm-super) are on no office machine: the
// common family of their kind stands in, so the text keeps about its width.
QString officeFamily(const QString &family)
{
    static const QRegularExpression tex(
        QStringLiteral("^(CM|LM|SF|EC|TC)[A-Z]{1,5}[0-9]*$|^LM(Roman|Sans|Mono)"));
    if (!tex.match(family).hasMatch())
        return family;
    if (family.contains(QLatin1String("TT")) || family.contains(QLatin1String("Mono")) ||
        family.startsWith(QLatin1String("CMVTT")))
        return QStringLiteral("Courier New");
    if (family.contains(QLatin1String("SS")) || family.contains(QLatin1String("Sans")))
        return QStringLiteral("Arial");
    return QStringLiteral("Times New Roman");
}

// "ABCDEF+Times-BoldItalic" → "Times"; "ArialMT" → "Arial"; "TimesNewRomanPSMT" → "Times New
// Roman": the family an office can look up.
QString familyOf(const char *name)
{
    QString family = QString::fromUtf8(name ? name : "");
    const qsizetype plus = family.indexOf(u'+');
    if (plus == 6)
        family = family.mid(plus + 1);
    for (const QChar separator : {u'-', u','}) {
        const qsizetype at = family.indexOf(separator);
        if (at > 0)
            family = family.left(at);
    }
    for (const QString &suffix : {QStringLiteral("PSMT"), QStringLiteral("MT"),
                                  QStringLiteral("PS"), QStringLiteral("Regular")}) {
        if (family.size() > suffix.size() + 2 && family.endsWith(suffix))
            family.chop(suffix.size());
    }
    // Spaces back into camel-cased names, but not into all-capital ones (CMR10, NimbusRomNo9L).
    QString spaced;
    for (qsizetype i = 0; i < family.size(); ++i) {
        const QChar c = family.at(i);
        if (i > 0 && c.isUpper() && family.at(i - 1).isLower() &&
            (i + 1 >= family.size() || family.at(i + 1).isLower()))
            spaced.append(u' ');
        spaced.append(c);
    }
    return spaced.isEmpty() ? QStringLiteral("Times New Roman") : officeFamily(spaced);
}

bool nameSays(const QString &name, std::initializer_list<const char *> words)
{
    for (const char *word : words)
        if (name.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

bool readPage(const mupdf::DocumentRef &doc, int index, RawPage *raw, QString *message)
{
    fz_context *ctx = doc.context();
    PageObjects objects;
    char error[ErrorTextSize] = {};
    if (!loadPage(ctx, doc.get(), index, &raw->graphics, &objects, error)) {
        dropObjects(ctx, &objects);
        *message = QString::fromUtf8(error);
        return false;
    }
    const fz_rect b = objects.bounds;
    raw->size = QSizeF(b.x1 - b.x0, b.y1 - b.y0);
    QHash<fz_font *, int> fonts;
    struct PendingImage
    {
        fz_image *image;
        QRectF box;
    };
    QList<PendingImage> images;
    try {
        for (fz_stext_block *block = objects.text->first_block; block; block = block->next) {
            const QRectF box(QPointF(block->bbox.x0 - b.x0, block->bbox.y0 - b.y0),
                             QPointF(block->bbox.x1 - b.x0, block->bbox.y1 - b.y0));
            if (block->type == FZ_STEXT_BLOCK_IMAGE) {
                fz_image *image = block->u.i.image;
                fz_compressed_buffer *compressed = fz_compressed_image_buffer(ctx, image);
                const bool scalable = compressed && compressed->params.type == FZ_IMAGE_JPEG;
                if (!scalable && qint64(image->w) * image->h * std::max(1, int(image->n)) >
                                     kMaxDecodedImageBytes) {
                    raw->tooLargeImage = QSize(image->w, image->h);
                    dropObjects(ctx, &objects);
                    *message =
                        QStringLiteral("an image of %1 x %2 pixels").arg(image->w).arg(image->h);
                    return false;
                }
                images.append({image, box});
                continue;
            }
            for (fz_stext_line *line = block->u.t.first_line; line; line = line->next) {
                RawLine out;
                for (fz_stext_char *ch = line->first_char; ch; ch = ch->next) {
                    RawChar c;
                    c.c = char32_t(ch->c);
                    const fz_rect q = fz_rect_from_quad(ch->quad);
                    c.box = QRectF(QPointF(q.x0 - b.x0, q.y0 - b.y0),
                                   QPointF(q.x1 - b.x0, q.y1 - b.y0));
                    c.baseline = ch->origin.y - b.y0;
                    c.size = ch->size;
                    c.color = quint32(ch->color) & 0xffffffu;
                    auto found = fonts.constFind(ch->font);
                    if (found == fonts.constEnd()) {
                        FontInfo info;
                        const char *name = ch->font ? fz_font_name(ctx, ch->font) : "";
                        const QString full = QString::fromUtf8(name ? name : "");
                        info.family = familyOf(name);
                        info.bold =
                            (ch->font && fz_font_is_bold(ctx, ch->font)) ||
                            nameSays(full, {"bold", "black", "heavy", "semibold", "CMBX", "demi"});
                        info.italic = (ch->font && fz_font_is_italic(ctx, ch->font)) ||
                                      nameSays(full, {"italic", "oblique", "CMTI", "CMSL"});
                        info.monospaced =
                            (ch->font && fz_font_is_monospaced(ctx, ch->font)) ||
                            nameSays(full, {"courier", "mono", "CMTT", "typewriter", "consol"});
                        // The office's monospaced families are wider than TeX's: condensed
                        // back to the width the text had.
                        if (info.monospaced && info.family == QLatin1String("Courier New") &&
                            full.contains(QRegularExpression(QStringLiteral("CMTT|LMMono|SFTT"))))
                            info.spacing = -0.075;
                        found = fonts.insert(ch->font, int(raw->fonts.size()));
                        raw->fonts.append(info);
                    }
                    c.font = found.value();
                    out.chars.append(c);
                }
                if (out.chars.isEmpty())
                    continue;
                out.box = QRectF(QPointF(line->bbox.x0 - b.x0, line->bbox.y0 - b.y0),
                                 QPointF(line->bbox.x1 - b.x0, line->bbox.y1 - b.y0));
                out.horizontal = std::fabs(line->dir.y) < 0.1f && line->dir.x > 0;
                raw->lines.append(std::move(out));
            }
        }
    } catch (const std::bad_alloc &) {
        dropObjects(ctx, &objects);
        *message = QStringLiteral("out of memory");
        return false;
    }

    const double pageArea = raw->size.width() * raw->size.height();
    bool hasText = false;
    for (const RawLine &line : raw->lines)
        for (const RawChar &c : line.chars)
            hasText = hasText || !QChar::isSpace(c.c);
    for (const PendingImage &pending : images) {
        const QRectF box = pending.box.intersected(QRectF(QPointF(0, 0), raw->size));
        if (box.width() < 4 || box.height() < 4)
            continue;
        // A scan under its own text layer: the text stands for it.
        if (hasText && box.width() * box.height() > 0.8 * pageArea)
            continue;
        int isJpeg = 0;
        Image image;
        image.data = takeBuffer(ctx, encodeImage(ctx, pending.image, &isJpeg));
        if (image.data.isEmpty())
            continue;
        image.suffix = isJpeg ? QStringLiteral("jpeg") : QStringLiteral("png");
        image.box = box;
        image.pixels = QSize(pending.image->w, pending.image->h);
        raw->images.append(std::move(image));
    }
    raw->hasText = hasText;
    QList<QRectF> areas = figureAreas(raw->graphics.figures, raw->size);
    // A grid of rules with little text in it, or text that is mostly dashes and marks, is a
    // drawing (a diagram of margins, a chart's frame): its picture says more than a table.
    for (const Table &table : findTables(raw->graphics.rules)) {
        int filled = 0, letters = 0, marks = 0;
        for (const Cell &cell : table.cells) {
            const QRectF box(QPointF(table.columns[cell.column], table.rows[cell.row]),
                             QPointF(table.columns[cell.column + cell.columnSpan],
                                     table.rows[cell.row + cell.rowSpan]));
            bool any = false;
            for (const RawLine &line : std::as_const(raw->lines))
                for (const RawChar &c : line.chars) {
                    if (QChar::isSpace(c.c) || !box.contains(c.box.center()))
                        continue;
                    any = true;
                    (QChar::isLetterOrNumber(c.c) ? letters : marks) += 1;
                }
            filled += any ? 1 : 0;
        }
        const bool sparse = table.cells.size() >= 6 && filled * 10 < table.cells.size() * 4;
        if (filled >= 2 && (sparse || marks > letters))
            areas.append(table.box.adjusted(-2, -2, 2, 2));
    }
    // A page without text becomes one picture of itself: drawing its figures as well would only
    // double the time (a page of long strokes takes minutes to draw).
    if (!hasText)
        areas.clear();
    for (QRectF area : std::as_const(areas)) {
        // Labels of a drawing (axes, ticks, captions inside it) are short lines at its edges or
        // over it: the picture takes them in.
        // A line outside it that belongs to a paragraph (a line of text just above or below
        // it) stays in the text.
        auto inParagraph = [&](const RawLine &line, const QRectF &within) {
            for (const RawLine &other : std::as_const(raw->lines)) {
                // Stacked labels (tick marks) are short; lines of a paragraph are not.
                if (&other == &line || other.chars.size() < 15 || other.box.intersects(within))
                    continue;
                const double step =
                    std::fabs(other.chars.first().baseline - line.chars.first().baseline);
                const double size = line.chars.first().size;
                if (step > 0.5 * size && step < 1.6 * size && other.box.left() < line.box.right() &&
                    other.box.right() > line.box.left())
                    return true;
            }
            return false;
        };
        for (int round = 0; round < 2; ++round) {
            for (const RawLine &line : std::as_const(raw->lines)) {
                if (line.chars.isEmpty())
                    continue;
                const double size = line.chars.first().size;
                const bool over = area.intersects(line.box);
                if (line.chars.size() <= 40 && line.box.width() < area.width() &&
                    area.adjusted(-1.2 * size, -1.2 * size, 1.2 * size, 1.2 * size)
                        .intersects(line.box) &&
                    (over || !inParagraph(line, area)))
                    area |= line.box.adjusted(-1, -1, 1, 1);
            }
        }
        area = area.intersected(QRectF(QPointF(0, 0), raw->size));
        Image figure;
        const fz_rect r = fz_make_rect(float(area.left() + b.x0), float(area.top() + b.y0),
                                       float(area.right() + b.x0), float(area.bottom() + b.y0));
        figure.data = takeBuffer(ctx, renderArea(ctx, objects.list, r));
        if (figure.data.isEmpty())
            continue;
        figure.suffix = QStringLiteral("png");
        figure.box = area;
        figure.pixels = QSize(int(std::lround(area.width() * kPictureDpi / 72.0)),
                              int(std::lround(area.height() * kPictureDpi / 72.0)));
        raw->figures.append(std::move(figure));
    }
    raw->blank = !hasText && images.isEmpty() && raw->graphics.rules.isEmpty() &&
                 raw->graphics.figures.isEmpty();
    if (!hasText && !raw->blank) {
        raw->picture.data = takeBuffer(ctx, renderArea(ctx, objects.list, b));
        raw->picture.suffix = QStringLiteral("png");
        raw->picture.box = QRectF(QPointF(0, 0), raw->size);
        raw->picture.pixels = QSize(int(std::lround(raw->size.width() * kPictureDpi / 72.0)),
                                    int(std::lround(raw->size.height() * kPictureDpi / 72.0)));
    }
    dropObjects(ctx, &objects);
    return true;
}

QList<QRectF> figureAreas(const QList<QRectF> &pieces, const QSizeF &page)
{
    // Pieces close to each other make one drawing; only drawings of many pieces are figures.
    struct Cluster
    {
        QRectF box;
        int count;
    };
    std::vector<Cluster> clusters;
    if (pieces.size() > 1500) {
        // Drawn point by point (a plot): one drawing.
        QRectF all;
        for (const QRectF &piece : pieces)
            all |= piece;
        clusters.push_back({all, int(pieces.size())});
    }
    for (const QRectF &piece : pieces) {
        if (!clusters.empty() && pieces.size() > 1500)
            break;
        if (piece.width() > 0.95 * page.width() && piece.height() > 0.95 * page.height())
            continue; // page backgrounds
        clusters.push_back({piece, 1});
    }
    bool merged = true;
    while (merged) {
        merged = false;
        for (size_t i = 0; i < clusters.size() && !merged; ++i) {
            for (size_t j = i + 1; j < clusters.size(); ++j) {
                if (clusters[i].box.adjusted(-6, -6, 6, 6).intersects(clusters[j].box)) {
                    clusters[i].box |= clusters[j].box;
                    clusters[i].count += clusters[j].count;
                    clusters.erase(clusters.begin() + qsizetype(j));
                    merged = true;
                    break;
                }
            }
        }
        if (clusters.size() > 400)
            break; // a page drawn stroke by stroke; no figures found there
    }
    QList<QRectF> areas;
    for (const Cluster &c : clusters) {
        if (c.count >= 8 && c.box.width() >= 40 && c.box.height() >= 30)
            areas.append(c.box.adjusted(-2, -2, 2, 2).intersected(QRectF(QPointF(0, 0), page)));
    }
    return areas;
}

} // namespace officelayout
