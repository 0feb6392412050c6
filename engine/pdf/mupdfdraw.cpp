#include "mupdfsupport.h"

#include <QFile>
#include <QImage>
#include <QSysInfo>

#include <cstring>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

// Drawing into images apart from the rest of the MuPDF support: what opens, reads and signs
// documents does not bring the GUI library in with it (the command line signs without it).
namespace mupdf {
namespace {

enum class PixelLayout { Rgb24, Bgra32 };

// Draws over white straight into samples, filled here once.
struct DrawTarget
{
    int width;
    int height;
    int stride;
    unsigned char *samples;
    PixelLayout layout;
    // The whole page's size in pixels and where the target starts in it.
    int pageWidth;
    int pageHeight;
    int x;
    int y;
    // Positions in the page's /Annots of annotations left out of the drawing.
    const int *hidden;
    int hiddenCount;
};

int isHidden(fz_context *ctx, pdf_obj *annots, pdf_obj *annot, const DrawTarget &target)
{
    for (int h = 0; h < target.hiddenCount; ++h) {
        pdf_obj *item = pdf_array_get(ctx, annots, target.hidden[h]);
        if (item && (item == annot || (pdf_is_indirect(ctx, item) &&
                                       pdf_to_num(ctx, item) == pdf_to_num(ctx, annot))))
            return 1;
    }
    return 0;
}

// The page with its annotations, but those the target hides.
void runPage(fz_context *ctx, fz_page *page, fz_device *device, fz_matrix ctm,
             const DrawTarget &target)
{
    if (target.hiddenCount <= 0) {
        fz_run_page(ctx, page, device, ctm, nullptr);
        return;
    }
    pdf_page *pdfPage = reinterpret_cast<pdf_page *>(page);
    fz_run_page_contents(ctx, page, device, ctm, nullptr);
    pdf_obj *annots = pdf_dict_get(ctx, pdfPage->obj, PDF_NAME(Annots));
    for (pdf_annot *annot = pdf_first_annot(ctx, pdfPage); annot;
         annot = pdf_next_annot(ctx, annot)) {
        if (!isHidden(ctx, annots, pdf_annot_obj(ctx, annot), target))
            pdf_run_annot(ctx, annot, device, ctm, nullptr);
    }
    fz_run_page_widgets(ctx, page, device, ctm, nullptr);
}

int drawRaw(fz_context *ctx, pdf_document *doc, int index, int rotation, const DrawTarget &target,
            char *error)
{
    fz_page *page = nullptr;
    fz_pixmap *pixmap = nullptr;
    fz_device *device = nullptr;
    int ok = 1;
    fz_var(ok);
    fz_var(page);
    fz_var(pixmap);
    fz_var(device);
    fz_try(ctx)
    {
        page = reinterpret_cast<fz_page *>(pdf_load_page(ctx, doc, index));
        const fz_rect bounds = fz_bound_page(ctx, page);
        fz_matrix ctm = fz_rotate(static_cast<float>(rotation));
        const fz_rect turned = fz_transform_rect(bounds, ctm);
        const float w = turned.x1 - turned.x0;
        const float h = turned.y1 - turned.y0;
        if (w <= 0 || h <= 0)
            fz_throw(ctx, FZ_ERROR_GENERIC, "page %d has an empty box", index + 1);
        ctm = fz_concat(ctm, fz_translate(-turned.x0, -turned.y0));
        ctm = fz_concat(ctm, fz_scale(static_cast<float>(target.pageWidth) / w,
                                      static_cast<float>(target.pageHeight) / h));
        ctm = fz_concat(ctm,
                        fz_translate(static_cast<float>(-target.x), static_cast<float>(-target.y)));
        const PixelLayout layout = target.layout;
        fz_colorspace *cs = layout == PixelLayout::Rgb24 ? fz_device_rgb(ctx) : fz_device_bgr(ctx);
        pixmap = fz_new_pixmap_with_data(ctx, cs, target.width, target.height, nullptr,
                                         layout == PixelLayout::Bgra32 ? 1 : 0, target.stride,
                                         target.samples);
        fz_clear_pixmap_with_value(ctx, pixmap, 255);
        device = fz_new_draw_device(ctx, fz_identity, pixmap);
        runPage(ctx, page, device, ctm, target);
        fz_close_device(ctx, device);
    }
    fz_always(ctx)
    {
        fz_drop_device(ctx, device);
        fz_drop_pixmap(ctx, pixmap);
        fz_drop_page(ctx, page);
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

// Encodes into memory: MuPDF's file outputs remove the file first, which a staged output that
// has no name yet does not allow.
int encodePng(fz_context *ctx, int width, int height, int stride, unsigned char *samples, int dpi,
              fz_buffer **result, char *error)
{
    fz_pixmap *pixmap = nullptr;
    int ok = 1;
    fz_var(ok);
    fz_var(pixmap);
    fz_try(ctx)
    {
        pixmap = fz_new_pixmap_with_data(ctx, fz_device_rgb(ctx), width, height, nullptr, 0, stride,
                                         samples);
        fz_set_pixmap_resolution(ctx, pixmap, dpi, dpi);
        *result = fz_new_buffer_from_pixmap_as_png(ctx, pixmap, fz_default_color_params);
    }
    fz_always(ctx)
    {
        fz_drop_pixmap(ctx, pixmap);
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

QString text(const char *error)
{
    return QString::fromUtf8(error);
}

} // namespace

bool drawPage(const DocumentRef &doc, int index, int rotation, QImage *image, QString *message,
              const QSize &pageSize, const QPoint &offset, const QList<int> &hidden)
{
    PixelLayout layout;
    switch (image->format()) {
    case QImage::Format_RGB888:
        layout = PixelLayout::Rgb24;
        break;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
        // Drawn opaque over white; a 24-bit draw widened afterwards costs more than the alpha.
        layout = PixelLayout::Bgra32;
        break;
    default:
        *message =
            QStringLiteral("Page %1 could not be drawn (unsupported image format).").arg(index + 1);
        return false;
    }
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian && layout != PixelLayout::Rgb24) {
        // 32-bit pixels are stored ARGB in memory there: draw RGB and widen through Qt.
        QImage rgb(image->size(), QImage::Format_RGB888);
        if (rgb.isNull() ||
            !drawPage(doc, index, rotation, &rgb, message, pageSize, offset, hidden))
            return false;
        *image = rgb.convertToFormat(image->format());
        return true;
    }
    char error[ErrorTextSize] = {};
    const QSize page = pageSize.isEmpty() ? image->size() : pageSize;
    const DrawTarget target{image->width(),
                            image->height(),
                            static_cast<int>(image->bytesPerLine()),
                            image->bits(),
                            layout,
                            page.width(),
                            page.height(),
                            offset.x(),
                            offset.y(),
                            hidden.constData(),
                            int(hidden.size())};
    if (!drawRaw(doc.context(), doc.get(), index, rotation, target, error)) {
        *message =
            QStringLiteral("Page %1 could not be drawn (%2).").arg(index + 1).arg(text(error));
        return false;
    }
    return true;
}

bool savePng(const QImage &image, int dpi, const QString &path, QString *message)
{
    fz_context *ctx = threadContext();
    if (!ctx || image.format() != QImage::Format_RGB888) {
        *message = ctx ? QStringLiteral("unsupported image format")
                       : QStringLiteral("The PDF engine could not start (out of memory).");
        return false;
    }
    char error[ErrorTextSize] = {};
    // MuPDF only reads the samples; the pixmap borrows them.
    auto *samples = const_cast<unsigned char *>(image.constBits());
    fz_buffer *buffer = nullptr;
    if (!encodePng(ctx, image.width(), image.height(), static_cast<int>(image.bytesPerLine()),
                   samples, dpi, &buffer, error)) {
        *message = text(error);
        return false;
    }
    unsigned char *data = nullptr;
    const size_t size = fz_buffer_storage(ctx, buffer, &data);
    QFile file(path);
    const bool ok =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size) &&
        file.flush();
    fz_drop_buffer(ctx, buffer);
    if (!ok)
        *message = file.errorString();
    return ok;
}

} // namespace mupdf
