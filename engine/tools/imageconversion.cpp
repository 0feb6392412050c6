#include "imageconversion.h"

#include "batchsupport.h"
#include "flateimage.h"
#include "pathidentity.h"
#include "qpdfsupport.h"
#include "stagedfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTransform>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cstring>

using namespace batchsupport;

namespace imageconversion {
namespace {

// Decoding beyond this many megabytes is refused rather than risked.
constexpr int kDecodeLimitMb = 512;

struct JpegInfo
{
    int width = 0;
    int height = 0;
    int components = 0;
    bool adobe = false;
};

int be16(const QByteArray &b, qsizetype at)
{
    return (static_cast<unsigned char>(b[at]) << 8) | static_cast<unsigned char>(b[at + 1]);
}

// Reads the frame header of a JPEG that PDF readers take as it is (8-bit Huffman, baseline,
// extended or progressive).
bool jpegInfo(const QByteArray &bytes, JpegInfo *info)
{
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8)
        return false;
    qsizetype pos = 2;
    while (pos + 4 <= bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) != 0xFF)
            return false;
        const int marker = static_cast<unsigned char>(bytes[pos + 1]);
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        const int length = be16(bytes, pos + 2);
        if (length < 2 || pos + 2 + length > bytes.size())
            return false;
        if (marker == 0xEE && length >= 7 && bytes.mid(pos + 4, 5) == "Adobe")
            info->adobe = true;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8 || (marker != 0xC0 && marker != 0xC1 && marker != 0xC2) ||
                static_cast<unsigned char>(bytes[pos + 4]) != 8)
                return false;
            info->height = be16(bytes, pos + 5);
            info->width = be16(bytes, pos + 7);
            info->components = static_cast<unsigned char>(bytes[pos + 9]);
            return info->width > 0 && info->height > 0 &&
                   (info->components == 1 || info->components == 3 || info->components == 4);
        }
        if (marker == 0xDA || marker == 0xD9)
            return false;
        pos += 2 + length;
    }
    return false;
}

QImageIOHandler::Transformations jpegOrientation(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    return reader.transformation();
}

// Maps the image's unit square onto a w x h box at the origin, showing the stored pixels turned
// the way the transformation says (mirror and flip first, then a quarter turn clockwise).
QTransform placement(QImageIOHandler::Transformations t, double w, double h)
{
    // Unit square (s, t) -> stored image coordinates (u right, v down).
    QTransform toStored(1, 0, 0, -1, 0, 1);
    QTransform orient;
    if (t & QImageIOHandler::TransformationMirror)
        orient *= QTransform(-1, 0, 0, 1, 1, 0);
    if (t & QImageIOHandler::TransformationFlip)
        orient *= QTransform(1, 0, 0, -1, 0, 1);
    if (t & QImageIOHandler::TransformationRotate90)
        orient *= QTransform(0, 1, -1, 0, 1, 0); // (u, v) -> (1 - v, u)
    // Displayed coordinates (p right, q down) -> page box.
    QTransform toBox(w, 0, 0, -h, 0, h);
    return toStored * orient * toBox;
}

QPDFObjectHandle name(const char *text)
{
    return QPDFObjectHandle::newName(text);
}

QPDFObjectHandle flateParms(int colors, int bits, int columns)
{
    QPDFObjectHandle parms = QPDFObjectHandle::newDictionary();
    parms.replaceKey("/Predictor", QPDFObjectHandle::newInteger(15));
    parms.replaceKey("/Colors", QPDFObjectHandle::newInteger(colors));
    parms.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(bits));
    parms.replaceKey("/Columns", QPDFObjectHandle::newInteger(columns));
    return parms;
}

QPDFObjectHandle imageStream(QPDF &pdf, int width, int height, int bits, QPDFObjectHandle space,
                             const QByteArray &data, QPDFObjectHandle filter,
                             QPDFObjectHandle parms)
{
    QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
    QPDFObjectHandle dict = image.getDict();
    dict.replaceKey("/Type", name("/XObject"));
    dict.replaceKey("/Subtype", name("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(height));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(bits));
    dict.replaceKey("/ColorSpace", space);
    image.replaceStreamData(data.toStdString(), filter, parms);
    return image;
}

// 16-bit samples are stored big-endian in PDF.
QByteArray bigEndian16(const QImage &image, int channels, bool keepAlpha, QByteArray *alpha)
{
    const int w = image.width();
    const int h = image.height();
    QByteArray color(qsizetype(w) * h * channels * 2, Qt::Uninitialized);
    if (alpha)
        alpha->resize(qsizetype(w) * h * 2);
    char *c = color.data();
    char *a = alpha ? alpha->data() : nullptr;
    for (int y = 0; y < h; ++y) {
        const auto *row = reinterpret_cast<const quint16 *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int stride = channels == 1 ? 1 : 4;
            for (int k = 0; k < channels; ++k) {
                const quint16 v = row[x * stride + k];
                *c++ = static_cast<char>(v >> 8);
                *c++ = static_cast<char>(v & 0xFF);
            }
            if (a && keepAlpha) {
                const quint16 v = row[x * 4 + 3];
                *a++ = static_cast<char>(v >> 8);
                *a++ = static_cast<char>(v & 0xFF);
            }
        }
    }
    return color;
}

bool opaque(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return true;
    const QImage probe = image.convertToFormat(QImage::Format_Alpha8);
    for (int y = 0; y < probe.height(); ++y) {
        const uchar *row = probe.constScanLine(y);
        for (int x = 0; x < probe.width(); ++x)
            if (row[x] != 0xFF)
                return false;
    }
    return true;
}

// A lossless image XObject of a decoded picture.
QPDFObjectHandle losslessImage(QPDF &pdf, const QImage &decoded)
{
    const int w = decoded.width();
    const int h = decoded.height();
    const bool hasAlpha = !opaque(decoded);
    const bool deep = decoded.depth() == 64 || decoded.format() == QImage::Format_Grayscale16;
    const bool gray = decoded.isGrayscale();

    if (decoded.format() == QImage::Format_Indexed8 && !hasAlpha) {
        // Palette pictures stay palette pictures: smaller, and exactly the same colours.
        QByteArray palette;
        for (QRgb rgb : decoded.colorTable()) {
            palette.append(static_cast<char>(qRed(rgb)));
            palette.append(static_cast<char>(qGreen(rgb)));
            palette.append(static_cast<char>(qBlue(rgb)));
        }
        if (palette.isEmpty())
            palette = QByteArray(3, '\0');
        QPDFObjectHandle space = QPDFObjectHandle::newArray(
            std::vector<QPDFObjectHandle>{name("/Indexed"), name("/DeviceRGB"),
                                          QPDFObjectHandle::newInteger(palette.size() / 3 - 1),
                                          QPDFObjectHandle::newString(palette.toStdString())});
        const QByteArray data =
            flateimage::encode(decoded.constBits(), decoded.bytesPerLine(), w, h, 1);
        return imageStream(pdf, w, h, 8, space, data, name("/FlateDecode"), flateParms(1, 8, w));
    }

    QByteArray color;
    QByteArray alpha;
    int channels = gray ? 1 : 3;
    int bits = 8;
    if (deep) {
        bits = 16;
        const QImage source = gray && !hasAlpha
                                  ? decoded.convertToFormat(QImage::Format_Grayscale16)
                                  : decoded.convertToFormat(QImage::Format_RGBA64);
        if (source.format() != QImage::Format_Grayscale16)
            channels = 3;
        color = bigEndian16(source, channels, hasAlpha, hasAlpha ? &alpha : nullptr);
        color = flateimage::encode(reinterpret_cast<const uchar *>(color.constData()),
                                   qsizetype(w) * channels * 2, qsizetype(w) * channels * 2, h,
                                   channels * 2);
        if (hasAlpha)
            alpha = flateimage::encode(reinterpret_cast<const uchar *>(alpha.constData()),
                                       qsizetype(w) * 2, qsizetype(w) * 2, h, 2);
    } else if (gray && !hasAlpha) {
        const QImage source = decoded.convertToFormat(QImage::Format_Grayscale8);
        color = flateimage::encode(source.constBits(), source.bytesPerLine(), w, h, 1);
    } else {
        if (gray) {
            const QImage source = decoded.convertToFormat(QImage::Format_Grayscale8);
            color = flateimage::encode(source.constBits(), source.bytesPerLine(), w, h, 1);
        } else {
            const QImage rgb = decoded.convertToFormat(QImage::Format_RGB888);
            color = flateimage::encode(rgb.constBits(), rgb.bytesPerLine(), qsizetype(w) * 3, h, 3);
        }
        if (hasAlpha) {
            const QImage mask = decoded.convertToFormat(QImage::Format_RGBA8888)
                                    .convertToFormat(QImage::Format_Alpha8);
            alpha = flateimage::encode(mask.constBits(), mask.bytesPerLine(), w, h, 1);
        }
    }
    if (color.isEmpty())
        return {};
    QPDFObjectHandle image =
        imageStream(pdf, w, h, bits, name(channels == 1 ? "/DeviceGray" : "/DeviceRGB"), color,
                    name("/FlateDecode"), flateParms(channels, bits, w));
    if (hasAlpha) {
        QPDFObjectHandle mask = imageStream(pdf, w, h, bits, name("/DeviceGray"), alpha,
                                            name("/FlateDecode"), flateParms(1, bits, w));
        image.getDict().replaceKey("/SMask", mask);
    }
    return image;
}

struct Picture
{
    QPDFObjectHandle xobject;
    QImageIOHandler::Transformations orientation;
    int width = 0; // stored pixels
    int height = 0;
};

bool loadPicture(QPDF &pdf, const QString &path, Picture *picture, QString *message,
                 BatchFailure *failure)
{
    *failure = BatchFailure::UnreadableImage;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *message = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray head = file.peek(4);
    JpegInfo jpeg;
    if (head.startsWith("\xFF\xD8\xFF")) {
        const QByteArray bytes = file.readAll();
        if (jpegInfo(bytes, &jpeg)) {
            const char *space = jpeg.components == 1   ? "/DeviceGray"
                                : jpeg.components == 3 ? "/DeviceRGB"
                                                       : "/DeviceCMYK";
            picture->xobject = imageStream(pdf, jpeg.width, jpeg.height, 8, name(space), bytes,
                                           name("/DCTDecode"), QPDFObjectHandle::newNull());
            if (jpeg.components == 4 && jpeg.adobe) {
                // Adobe writes CMYK JPEGs inverted.
                std::vector<QPDFObjectHandle> decode;
                for (int i = 0; i < 4; ++i) {
                    decode.push_back(QPDFObjectHandle::newInteger(1));
                    decode.push_back(QPDFObjectHandle::newInteger(0));
                }
                picture->xobject.getDict().replaceKey("/Decode",
                                                      QPDFObjectHandle::newArray(decode));
            }
            picture->orientation = jpegOrientation(bytes);
            picture->width = jpeg.width;
            picture->height = jpeg.height;
            return true;
        }
        file.seek(0);
    }
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kDecodeLimitMb);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(kDecodeLimitMb) << 20) {
        *failure = BatchFailure::ImageTooLarge;
        *message = QStringLiteral("%1 is too large to convert (%2 x %3 pixels)")
                       .arg(path)
                       .arg(size.width())
                       .arg(size.height());
        return false;
    }
    const QImage decoded = reader.read();
    if (decoded.isNull()) {
        *message = QStringLiteral("%1 is not a readable image: %2").arg(path, reader.errorString());
        return false;
    }
    picture->xobject = losslessImage(pdf, decoded);
    if (picture->xobject.isNull()) {
        *message = QStringLiteral("%1 could not be encoded").arg(path);
        return false;
    }
    picture->orientation = QImageIOHandler::TransformationNone;
    picture->width = decoded.width();
    picture->height = decoded.height();
    return true;
}

QSizeF pageSize(const TaskRequest &request)
{
    const auto size = PageSize(request.options.value(TaskOption::PageSize).toInt());
    QSizeF page = size == PageSize::Letter ? QSizeF(612, 792) : QSizeF(595.276, 841.89);
    if (PageOrientation(request.options.value(TaskOption::PageOrientation).toInt()) ==
        PageOrientation::Landscape)
        page.transpose();
    return page;
}

double margin(const TaskRequest &request)
{
    switch (PageMargin(request.options.value(TaskOption::PageMargin).toInt())) {
    case PageMargin::Narrow:
        return 36;
    case PageMargin::Wide:
        return 72;
    case PageMargin::None:
        break;
    }
    return 0;
}

QString number(double value)
{
    return QString::number(value, 'f', 4);
}

void addPage(QPDF &pdf, const Picture &picture, const QSizeF &page, double inset)
{
    const bool turned = picture.orientation & QImageIOHandler::TransformationRotate90;
    const double shownW = turned ? picture.height : picture.width;
    const double shownH = turned ? picture.width : picture.height;
    const double boxW = std::max(1.0, page.width() - 2 * inset);
    const double boxH = std::max(1.0, page.height() - 2 * inset);
    const double scale = std::min(boxW / shownW, boxH / shownH);
    const double w = shownW * scale;
    const double h = shownH * scale;
    QTransform m = placement(picture.orientation, w, h);
    m *= QTransform::fromTranslate(inset + (boxW - w) / 2, inset + (boxH - h) / 2);

    const QString content = QStringLiteral("q %1 %2 %3 %4 %5 %6 cm /Im0 Do Q\n")
                                .arg(number(m.m11()), number(m.m12()), number(m.m21()),
                                     number(m.m22()), number(m.dx()), number(m.dy()));
    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey("/Im0", picture.xobject);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    dict.replaceKey("/Type", name("/Page"));
    dict.replaceKey("/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                                     0, 0, page.width(), page.height())));
    dict.replaceKey("/Resources", resources);
    dict.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content.toStdString()));
    QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(dict)), false);
}

bool convert(const TaskRequest &request, const QStringList &images, const QString &target)
{
    QPDF pdf;
    pdf.emptyPDF();
    const QSizeF page = pageSize(request);
    const double inset = margin(request);
    for (const QString &path : images) {
        if (cancelRequested())
            return fail(request, BatchFailure::Cancelled, QString(), QStringLiteral("cancelled"));
        Picture picture;
        QString message;
        BatchFailure failure = BatchFailure::None;
        if (!loadPicture(pdf, path, &picture, &message, &failure))
            return fail(request, failure, path, message);
        addPage(pdf, picture, page, inset);
    }
    StagedFile staged(QFileInfo(target).absolutePath());
    if (!staged.isValid())
        return failStaged(request, staged);
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (!qpdfsupport::writeStaged(
            pdf, staged.path(),
            [](QPDFWriter &writer) { writer.setObjectStreamMode(qpdf_o_generate); }, &error,
            &message))
        return fail(request, writeFailureOf(error, staged.folder()), staged.folder(), message);
    if (!staged.commitTo(target))
        return failStaged(request, staged);
    return true;
}

} // namespace

bool imagesToPdf(const TaskRequest &request)
{
    const QStringList images = sources(request);
    const QString target = pathidentity::internal(request.outputPath);
    if (images.isEmpty())
        return fail(request, BatchFailure::SourceMissing, QString(), QStringLiteral("no images"));
    if (request.outputPath.isEmpty())
        return fail(request, BatchFailure::OutputFolderMissing, QString(),
                    QStringLiteral("no output file"));
    for (const QString &path : images) {
        if (!QFileInfo(path).isFile())
            return fail(request, BatchFailure::SourceMissing, path,
                        QStringLiteral("the image does not exist: %1").arg(path));
        if (pathidentity::same(path, target))
            return fail(request, BatchFailure::OutputIsInput, path,
                        QStringLiteral("the output would overwrite an input: %1").arg(path));
    }
    return convert(request, images, target);
}

} // namespace imageconversion
