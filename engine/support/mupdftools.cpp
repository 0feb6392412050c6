#include "mupdftools.h"

#include <QFile>

#include <cstring>
#include <set>
#include <vector>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace mupdftools {
namespace {

using mupdf::ErrorTextSize;

// 1 ok, 0 error.
int checkPassword(fz_context *ctx, const char *path, const char *password, int *encrypted,
                  int *accepted, int *needsPassword, char *error)
{
    pdf_document *doc = nullptr;
    int ok = 1;
    fz_var(doc);
    fz_var(ok);
    fz_try(ctx)
    {
        doc = pdf_open_document(ctx, path);
        *encrypted = doc->crypt != nullptr;
        *needsPassword = pdf_needs_password(ctx, doc);
        *accepted = *encrypted ? pdf_authenticate_password(ctx, doc, password) : 1;
    }
    fz_always(ctx)
    {
        pdf_drop_document(ctx, doc);
    }
    fz_catch(ctx)
    {
        mupdf::copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

pdf_document *openBuffer(fz_context *ctx, const unsigned char *data, size_t size, char *error)
{
    fz_stream *stream = nullptr;
    pdf_document *doc = nullptr;
    fz_var(stream);
    fz_var(doc);
    fz_try(ctx)
    {
        stream = fz_open_memory(ctx, data, size);
        doc = pdf_open_document_with_stream(ctx, stream);
        pdf_count_pages(ctx, doc);
    }
    fz_always(ctx)
    {
        fz_drop_stream(ctx, stream);
    }
    fz_catch(ctx)
    {
        mupdf::copyCaughtMessage(ctx, error);
        pdf_drop_document(ctx, doc);
        doc = nullptr;
    }
    return doc;
}

ColorKind kindOf(fz_context *ctx, fz_colorspace *cs)
{
    if (!cs)
        return ColorKind::Other;
    switch (fz_colorspace_type(ctx, cs)) {
    case FZ_COLORSPACE_GRAY:
        return ColorKind::Gray;
    case FZ_COLORSPACE_RGB:
        return ColorKind::Rgb;
    case FZ_COLORSPACE_CMYK:
        return ColorKind::Cmyk;
    default:
        return ColorKind::Other;
    }
}

// Decodes into a pixmap the caller drops; null on failure.
fz_pixmap *decodeRaw(fz_context *ctx, pdf_document *doc, int num, int gen, int toDisplay,
                     int minWidth, int minHeight, char *error)
{
    pdf_obj *ref = nullptr;
    fz_image *image = nullptr;
    fz_pixmap *pixmap = nullptr;
    fz_var(ref);
    fz_var(image);
    fz_var(pixmap);
    fz_try(ctx)
    {
        ref = pdf_new_indirect(ctx, doc, num, gen);
        image = pdf_load_image(ctx, doc, ref);
        if (minWidth > 0 && minHeight > 0) {
            fz_matrix ctm = fz_scale(static_cast<float>(minWidth), static_cast<float>(minHeight));
            int w = 0;
            int h = 0;
            pixmap = fz_get_pixmap_from_image(ctx, image, nullptr, &ctm, &w, &h);
        } else {
            pixmap = fz_get_pixmap_from_image(ctx, image, nullptr, nullptr, nullptr, nullptr);
        }
        fz_colorspace *cs = fz_pixmap_colorspace(ctx, pixmap);
        if (toDisplay && cs && !fz_pixmap_alpha(ctx, pixmap) &&
            fz_colorspace_type(ctx, cs) != FZ_COLORSPACE_GRAY &&
            fz_colorspace_type(ctx, cs) != FZ_COLORSPACE_RGB) {
            fz_pixmap *rgb = fz_convert_pixmap(ctx, pixmap, fz_device_rgb(ctx), nullptr, nullptr,
                                               fz_default_color_params, 0);
            fz_drop_pixmap(ctx, pixmap);
            pixmap = rgb;
        }
    }
    fz_always(ctx)
    {
        fz_drop_image(ctx, image);
        pdf_drop_obj(ctx, ref);
    }
    fz_catch(ctx)
    {
        mupdf::copyCaughtMessage(ctx, error);
        fz_drop_pixmap(ctx, pixmap);
        pixmap = nullptr;
    }
    return pixmap;
}

// 1 when a JPEG was copied into *out (a new buffer the caller drops).
int jpegRaw(fz_context *ctx, pdf_document *doc, int num, int gen, fz_buffer **out)
{
    pdf_obj *ref = nullptr;
    fz_image *image = nullptr;
    int found = 0;
    fz_var(ref);
    fz_var(image);
    fz_var(found);
    fz_try(ctx)
    {
        ref = pdf_new_indirect(ctx, doc, num, gen);
        image = pdf_load_image(ctx, doc, ref);
        fz_compressed_buffer *compressed = fz_compressed_image_buffer(ctx, image);
        if (compressed && compressed->buffer && compressed->params.type == FZ_IMAGE_JPEG &&
            (image->n == 1 || image->n == 3) && image->bpc == 8 && !image->use_decode &&
            !image->use_colorkey && !image->imagemask &&
            compressed->params.u.jpeg.color_transform != 0) {
            *out = fz_keep_buffer(ctx, compressed->buffer);
            found = 1;
        }
    }
    fz_always(ctx)
    {
        fz_drop_image(ctx, image);
        pdf_drop_obj(ctx, ref);
    }
    fz_catch(ctx)
    {
        found = 0;
    }
    return found;
}

int softMaskRaw(fz_context *ctx, pdf_document *doc, int num, int gen, int *maskGen)
{
    pdf_obj *ref = nullptr;
    int mask = 0;
    fz_var(ref);
    fz_var(mask);
    fz_try(ctx)
    {
        ref = pdf_new_indirect(ctx, doc, num, gen);
        pdf_obj *smask = pdf_dict_get(ctx, ref, PDF_NAME(SMask));
        if (pdf_is_indirect(ctx, smask) && pdf_is_stream(ctx, smask)) {
            mask = pdf_to_num(ctx, smask);
            *maskGen = pdf_to_gen(ctx, smask);
        }
    }
    fz_always(ctx)
    {
        pdf_drop_obj(ctx, ref);
    }
    fz_catch(ctx)
    {
        mask = 0;
    }
    return mask;
}

void collect(fz_context *ctx, pdf_obj *resources, std::vector<ImageRef> &images,
             std::set<int> &seen, int depth)
{
    pdf_obj *xobjects = pdf_dict_get(ctx, resources, PDF_NAME(XObject));
    const int count = pdf_dict_len(ctx, xobjects);
    for (int i = 0; i < count; ++i) {
        pdf_obj *xobject = pdf_dict_get_val(ctx, xobjects, i);
        if (!pdf_is_indirect(ctx, xobject) || !pdf_is_stream(ctx, xobject))
            continue;
        const int num = pdf_to_num(ctx, xobject);
        pdf_obj *subtype = pdf_dict_get(ctx, xobject, PDF_NAME(Subtype));
        if (pdf_name_eq(ctx, subtype, PDF_NAME(Image))) {
            if (seen.insert(num).second)
                images.push_back({num, pdf_to_gen(ctx, xobject),
                                  pdf_dict_get_bool(ctx, xobject, PDF_NAME(ImageMask)) != 0});
        } else if (pdf_name_eq(ctx, subtype, PDF_NAME(Form)) && depth < 32 &&
                   seen.insert(num).second) {
            collect(ctx, pdf_dict_get(ctx, xobject, PDF_NAME(Resources)), images, seen, depth + 1);
        }
    }
}

int pageImagesRaw(fz_context *ctx, pdf_document *doc, int index, std::vector<ImageRef> &images,
                  char *error)
{
    int ok = 1;
    std::set<int> seen;
    fz_var(ok);
    fz_try(ctx)
    {
        pdf_obj *page = pdf_lookup_page_obj(ctx, doc, index);
        collect(ctx, pdf_dict_get_inheritable(ctx, page, PDF_NAME(Resources)), images, seen, 0);
    }
    fz_catch(ctx)
    {
        mupdf::copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

} // namespace

BatchFailure openFailure(mupdf::OpenStatus status)
{
    switch (status) {
    case mupdf::OpenStatus::NotFound:
        return BatchFailure::SourceMissing;
    case mupdf::OpenStatus::PasswordRequired:
        return BatchFailure::PasswordRequired;
    case mupdf::OpenStatus::WrongPassword:
        return BatchFailure::WrongPassword;
    case mupdf::OpenStatus::Corrupt:
        return BatchFailure::NotPdf;
    case mupdf::OpenStatus::Ok:
    case mupdf::OpenStatus::NoContext:
        break;
    }
    return BatchFailure::Unknown;
}

bool passwordState(const QString &path, const QString &password, bool *encrypted, bool *accepted,
                   QString *message, bool *needsPassword, bool *ownerAccess)
{
    fz_context *ctx = mupdf::threadContext(message);
    if (!ctx)
        return false;
    char error[ErrorTextSize] = {};
    int isEncrypted = 0;
    int rights = 0;
    int needs = 0;
    if (!checkPassword(ctx, QFile::encodeName(path).constData(), password.toUtf8().constData(),
                       &isEncrypted, &rights, &needs, error)) {
        *message = QString::fromUtf8(error);
        return false;
    }
    *encrypted = isEncrypted;
    *accepted = rights != 0;
    if (needsPassword)
        *needsPassword = needs;
    if (ownerAccess)
        *ownerAccess = !isEncrypted || (rights & 4) != 0;
    return true;
}

mupdf::DocumentRef openMemory(const QByteArray &bytes, QString *message)
{
    fz_context *ctx = mupdf::threadContext(message);
    if (!ctx)
        return {};
    char error[ErrorTextSize] = {};
    pdf_document *doc = openBuffer(ctx, reinterpret_cast<const unsigned char *>(bytes.constData()),
                                   static_cast<size_t>(bytes.size()), error);
    if (!doc) {
        *message = QString::fromUtf8(error);
        return {};
    }
    return mupdf::DocumentRef(ctx, doc);
}

bool decodeImage(const mupdf::DocumentRef &doc, int num, int gen, Pixels *pixels, QString *message,
                 bool toDisplay, QSize atLeast)
{
    fz_context *ctx = doc.context();
    char error[ErrorTextSize] = {};
    fz_pixmap *pixmap = decodeRaw(ctx, doc.get(), num, gen, toDisplay ? 1 : 0,
                                  atLeast.isValid() ? atLeast.width() : 0,
                                  atLeast.isValid() ? atLeast.height() : 0, error);
    if (!pixmap) {
        *message = QString::fromUtf8(error);
        return false;
    }
    const int n = fz_pixmap_components(ctx, pixmap);
    const int alpha = fz_pixmap_alpha(ctx, pixmap);
    const int colorants = fz_pixmap_colorants(ctx, pixmap);
    if (alpha && colorants == 0) {
        // A stencil or a soft mask comes back as alpha only: its values are the mask.
        pixels->kind = ColorKind::Gray;
    } else if (alpha) {
        fz_drop_pixmap(ctx, pixmap);
        *message = QStringLiteral("colour-keyed images are left alone");
        return false;
    } else {
        pixels->kind = kindOf(ctx, fz_pixmap_colorspace(ctx, pixmap));
    }
    pixels->width = fz_pixmap_width(ctx, pixmap);
    pixels->height = fz_pixmap_height(ctx, pixmap);
    pixels->components = n;
    const qsizetype rowBytes = qsizetype(pixels->width) * n;
    const qsizetype stride = fz_pixmap_stride(ctx, pixmap);
    pixels->samples.resize(rowBytes * pixels->height);
    const unsigned char *from = fz_pixmap_samples(ctx, pixmap);
    char *to = pixels->samples.data();
    for (int y = 0; y < pixels->height; ++y)
        std::memcpy(to + y * rowBytes, from + y * stride, static_cast<size_t>(rowBytes));
    fz_drop_pixmap(ctx, pixmap);
    return true;
}

QByteArray embeddedJpeg(const mupdf::DocumentRef &doc, int num, int gen)
{
    fz_context *ctx = doc.context();
    fz_buffer *buffer = nullptr;
    if (!jpegRaw(ctx, doc.get(), num, gen, &buffer))
        return {};
    unsigned char *data = nullptr;
    const size_t size = fz_buffer_storage(ctx, buffer, &data);
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    fz_drop_buffer(ctx, buffer);
    return bytes;
}

int softMaskOf(const mupdf::DocumentRef &doc, int num, int gen, int *maskGen)
{
    return softMaskRaw(doc.context(), doc.get(), num, gen, maskGen);
}

bool pageImages(const mupdf::DocumentRef &doc, QList<QList<ImageRef>> *pages, QString *message)
{
    fz_context *ctx = doc.context();
    QList<QSizeF> sizes;
    if (!mupdf::pageSizes(doc, &sizes, message))
        return false;
    pages->clear();
    char error[ErrorTextSize] = {};
    for (int i = 0; i < sizes.size(); ++i) {
        std::vector<ImageRef> images;
        if (!pageImagesRaw(ctx, doc.get(), i, images, error)) {
            *message = QString::fromUtf8(error);
            return false;
        }
        pages->append(QList<ImageRef>(images.begin(), images.end()));
    }
    return true;
}

} // namespace mupdftools
