#include "pdffixtures.h"
#include "pdfreadback.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_DCT.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <zlib.h>

#include <cmath>
#include <map>

using namespace Qt::StringLiterals;

namespace fixtures {
namespace {

using Obj = QPDFObjectHandle;

std::string num(double v)
{
    return QByteArray::number(v, 'f', 3).toStdString();
}

std::string pageContent(const PageSpec &page)
{
    const double w = page.size.width();
    const double h = page.size.height();
    std::string s;
    s += num(page.colour.redF()) + " " + num(page.colour.greenF()) + " " +
         num(page.colour.blueF()) + " rg 0 0 " + num(w) + " " + num(h) + " re f\n";
    if (page.marker)
        s += "0 0 0 rg 0 " + num(h * 0.75) + " " + num(w / 4) + " " + num(h / 4) + " re f\n";
    return s;
}

Obj rect(double x0, double y0, double x1, double y1)
{
    return Obj::newArray(Obj::Rectangle(x0, y0, x1, y1));
}

Obj explicitDest(Obj page)
{
    return Obj::newArray({page, Obj::newName("/Fit")});
}

// Chains outline items of one level through /Prev and /Next.
void linkSiblings(std::vector<Obj> &items)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            items[i].replaceKey("/Prev", items[i - 1]);
        if (i + 1 < items.size())
            items[i].replaceKey("/Next", items[i + 1]);
    }
}

QPDFObjectHandle name(const char *n)
{
    return QPDFObjectHandle::newName(n);
}

// A page of width x height points drawing the images in xobjects with content.
void addImagePage(QPDF &pdf, QPDFObjectHandle xobjects, double width, double height,
                  const std::string &content)
{
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);
    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", name("/Page"));
    page.replaceKey("/MediaBox", rect(0, 0, width, height));
    page.replaceKey("/Resources", resources);
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
    QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
}

std::string bytes(const QByteArray &data)
{
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

std::map<QPDFObjGen, int> pageIndexes(QPDF &pdf)
{
    std::map<QPDFObjGen, int> result;
    int i = 0;
    for (QPDFObjectHandle page : pdf.getAllPages())
        result[page.getObjGen()] = i++;
    return result;
}

void writeTo(QPDF &pdf, const QString &path)
{
    // The writer keeps the name pointer until it is done.
    const QByteArray fileName = QFile::encodeName(path);
    QPDFWriter writer(pdf, fileName.constData());
    writer.write();
}

void writeInPlace(QPDF &pdf, const QString &path)
{
    const QString temp = path + u".tmp"_s;
    writeTo(pdf, temp);
    QFile::remove(path);
    QFile::rename(temp, path);
}

Outline readOutline(QPDFOutlineObjectHelper item, const std::map<QPDFObjGen, int> &pages)
{
    Outline outline;
    outline.title = QString::fromStdString(item.getTitle());
    QPDFObjectHandle page = item.getDestPage();
    if (page.isDictionary()) {
        auto found = pages.find(page.getObjGen());
        outline.page = found == pages.end() ? -1 : found->second;
    }
    for (QPDFOutlineObjectHelper kid : item.getKids())
        outline.kids.append(readOutline(kid, pages));
    return outline;
}

} // namespace

QColor colourFor(int index)
{
    static const QColor colours[] = {QColor(220, 40, 40),  QColor(40, 170, 60),
                                     QColor(40, 80, 220),  QColor(230, 200, 30),
                                     QColor(160, 60, 200), QColor(30, 190, 200)};
    return colours[index % 6];
}

QList<PageSpec> pagesOf(int count, QSizeF size)
{
    QList<PageSpec> pages;
    for (int i = 0; i < count; ++i) {
        PageSpec page;
        page.size = size;
        page.colour = colourFor(i);
        pages.append(page);
    }
    return pages;
}

bool write(const DocumentSpec &spec, const QString &path)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper pagesHelper(pdf);
        std::vector<Obj> pages;
        for (const PageSpec &page : spec.pages) {
            Obj dict = Obj::newDictionary();
            dict.replaceKey("/Type", Obj::newName("/Page"));
            dict.replaceKey("/MediaBox", rect(0, 0, page.size.width(), page.size.height()));
            if (!page.cropBox.isEmpty())
                dict.replaceKey("/CropBox", rect(page.cropBox.left(), page.cropBox.top(),
                                                 page.cropBox.right(), page.cropBox.bottom()));
            if (page.rotate && !spec.rotateOnPagesNode)
                dict.replaceKey("/Rotate", Obj::newInteger(page.rotate));
            if (spec.userUnit > 0)
                dict.replaceKey("/UserUnit", Obj::newReal(spec.userUnit, 3));
            dict.replaceKey("/Resources", Obj::newDictionary());
            dict.replaceKey("/Contents", Obj::newStream(&pdf, pageContent(page)));
            Obj indirect = pdf.makeIndirectObject(dict);
            pagesHelper.addPage(QPDFPageObjectHelper(indirect), false);
            pages.push_back(pdf.getAllPages().back());
        }
        Obj root = pdf.getRoot();
        if (spec.rotateOnPagesNode && !spec.pages.isEmpty())
            root.getKey("/Pages").replaceKey("/Rotate", Obj::newInteger(spec.pages[0].rotate));

        auto addAnnot = [&](int pageIndex, Obj annot) {
            Obj page = pages[static_cast<size_t>(pageIndex)];
            if (!page.getKey("/Annots").isArray())
                page.replaceKey("/Annots", Obj::newArray());
            page.getKey("/Annots").appendItem(pdf.makeIndirectObject(annot));
        };
        int linkSlot = 0;
        for (const auto &link : spec.links) {
            Obj annot = Obj::newDictionary();
            annot.replaceKey("/Type", Obj::newName("/Annot"));
            annot.replaceKey("/Subtype", Obj::newName("/Link"));
            annot.replaceKey("/Rect", rect(10, 10 + 20 * linkSlot, 60, 25 + 20 * linkSlot));
            annot.replaceKey("/Border", Obj::parse("[0 0 0]"));
            annot.replaceKey("/Dest", explicitDest(pages[static_cast<size_t>(link.second)]));
            addAnnot(link.first, annot);
            ++linkSlot;
        }
        Obj names = Obj::newArray(); // name tree entries, in sorted order
        auto namedTarget = [&](Obj target) {
            if (spec.namedDestsWrapped) {
                Obj wrapper = Obj::newDictionary();
                wrapper.replaceKey("/D", target);
                target = wrapper;
            }
            return pdf.makeIndirectObject(target);
        };
        if (!spec.namedLinks.isEmpty()) {
            for (qsizetype i = 0; i < spec.namedLinks.size(); ++i) {
                const std::string name = "dest" + std::to_string(i);
                names.appendItem(Obj::newString(name));
                names.appendItem(namedTarget(
                    explicitDest(pages[static_cast<size_t>(spec.namedLinks[i].second)])));
                Obj annot = Obj::newDictionary();
                annot.replaceKey("/Type", Obj::newName("/Annot"));
                annot.replaceKey("/Subtype", Obj::newName("/Link"));
                annot.replaceKey("/Rect", rect(70, 10 + 20 * i, 120, 25 + 20 * i));
                Obj action = Obj::newDictionary();
                action.replaceKey("/S", Obj::newName("/GoTo"));
                action.replaceKey("/D", Obj::newString(name));
                annot.replaceKey("/A", action);
                addAnnot(spec.namedLinks[i].first, annot);
            }
        }
        if (spec.annotationPage >= 0) {
            Obj ap = Obj::newStream(&pdf, "0 0 1 rg 0 0 40 40 re f\n");
            Obj apDict = ap.getDict();
            apDict.replaceKey("/Type", Obj::newName("/XObject"));
            apDict.replaceKey("/Subtype", Obj::newName("/Form"));
            apDict.replaceKey("/BBox", rect(0, 0, 40, 40));
            Obj annot = Obj::newDictionary();
            annot.replaceKey("/Type", Obj::newName("/Annot"));
            annot.replaceKey("/Subtype", Obj::newName("/Square"));
            const QSizeF size = spec.pages[spec.annotationPage].size;
            const double x = size.width() / 2 - 20;
            const double y = size.height() / 2 - 20;
            annot.replaceKey("/Rect", rect(x, y, x + 40, y + 40));
            annot.replaceKey("/C", Obj::parse("[0 0 1]"));
            Obj apEntry = Obj::newDictionary();
            apEntry.replaceKey("/N", ap);
            annot.replaceKey("/AP", apEntry);
            addAnnot(spec.annotationPage, annot);
        }
        if (spec.formFieldPage >= 0) {
            Obj field = Obj::newDictionary();
            field.replaceKey("/Type", Obj::newName("/Annot"));
            field.replaceKey("/Subtype", Obj::newName("/Widget"));
            field.replaceKey("/FT", Obj::newName("/Tx"));
            field.replaceKey("/T", Obj::newString("field" + std::to_string(spec.formFieldPage)));
            field.replaceKey("/V", Obj::newString("hello"));
            field.replaceKey("/Rect", rect(100, 100, 180, 120));
            field.replaceKey("/P", pages[static_cast<size_t>(spec.formFieldPage)]);
            Obj indirect = pdf.makeIndirectObject(field);
            Obj page = pages[static_cast<size_t>(spec.formFieldPage)];
            if (!page.getKey("/Annots").isArray())
                page.replaceKey("/Annots", Obj::newArray());
            page.getKey("/Annots").appendItem(indirect);
            Obj acroForm = Obj::newDictionary();
            acroForm.replaceKey("/Fields", Obj::newArray({indirect}));
            acroForm.replaceKey("/DA", Obj::newString("/Helv 0 Tf 0 g"));
            root.replaceKey("/AcroForm", pdf.makeIndirectObject(acroForm));
        }
        if (spec.outlines && !pages.empty()) {
            Obj outlines = pdf.makeIndirectObject(Obj::newDictionary());
            outlines.replaceKey("/Type", Obj::newName("/Outlines"));
            std::vector<Obj> items;
            for (size_t i = 0; i < pages.size(); ++i) {
                Obj item = pdf.makeIndirectObject(Obj::newDictionary());
                item.replaceKey("/Title", Obj::newUnicodeString("Page " + std::to_string(i + 1)));
                item.replaceKey("/Parent", outlines);
                if (spec.namedOutlines) {
                    const std::string name = "page" + std::to_string(i);
                    names.appendItem(Obj::newString(name));
                    names.appendItem(namedTarget(explicitDest(pages[i])));
                    item.replaceKey("/Dest", Obj::newString(name));
                } else {
                    item.replaceKey("/Dest", explicitDest(pages[i]));
                }
                items.push_back(item);
            }
            linkSiblings(items);
            Obj child = pdf.makeIndirectObject(Obj::newDictionary());
            child.replaceKey("/Title", Obj::newUnicodeString("Page 1 detail"));
            child.replaceKey("/Parent", items[0]);
            child.replaceKey("/Dest", explicitDest(pages[0]));
            items[0].replaceKey("/First", child);
            items[0].replaceKey("/Last", child);
            items[0].replaceKey("/Count", Obj::newInteger(1));
            outlines.replaceKey("/First", items.front());
            outlines.replaceKey("/Last", items.back());
            outlines.replaceKey("/Count",
                                Obj::newInteger(static_cast<long long>(items.size() + 1)));
            root.replaceKey("/Outlines", outlines);
        }
        if (names.getArrayNItems() > 0) {
            Obj tree = Obj::newDictionary();
            tree.replaceKey("/Names", names);
            Obj namesDict = Obj::newDictionary();
            namesDict.replaceKey("/Dests", pdf.makeIndirectObject(tree));
            root.replaceKey("/Names", namesDict);
        }
        if (!spec.pageLabels.isEmpty())
            root.replaceKey("/PageLabels",
                            Obj::parse("<< /Nums [" + spec.pageLabels.toStdString() + "] >>"));
        const QByteArray fileName = QFile::encodeName(path); // the writer keeps the pointer
        QPDFWriter writer(pdf, fileName.constData());
        writer.setStaticID(true);
        writer.write();
        return true;
    } catch (const std::exception &e) {
        qWarning("fixture %s: %s", qPrintable(path), e.what());
        return false;
    }
}

bool encrypt(const QString &in, const QString &out, Scheme scheme, const QString &user,
             const QString &owner)
{
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(in).constData());
        const QByteArray fileName = QFile::encodeName(out);
        QPDFWriter writer(pdf, fileName.constData());
        const std::string u = user.toStdString();
        const std::string o = owner.toStdString();
        switch (scheme) {
        case Scheme::Rc4_40:
            writer.setR2EncryptionParametersInsecure(u.c_str(), o.c_str(), true, true, true, true);
            break;
        case Scheme::Rc4_128:
            writer.setR3EncryptionParametersInsecure(u.c_str(), o.c_str(), true, true, true, true,
                                                     true, true, qpdf_r3p_full);
            break;
        case Scheme::Aes128:
            writer.setR4EncryptionParametersInsecure(u.c_str(), o.c_str(), true, true, true, true,
                                                     true, true, qpdf_r3p_full, true, true);
            break;
        case Scheme::Aes256:
            writer.setR6EncryptionParameters(u.c_str(), o.c_str(), true, true, true, true, true,
                                             true, qpdf_r3p_full, true);
            break;
        }
        writer.write();
        return true;
    } catch (const std::exception &e) {
        qWarning("encrypt %s: %s", qPrintable(in), e.what());
        return false;
    }
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray pdfOfObjects(const QList<QByteArray> &objects, const QByteArray &version)
{
    QByteArray pdf = "%PDF-" + version + '\n';
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString textPdf(const QString &path, int pages, const QSizeF &points)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(points, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    QPainter painter(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.fillRect(QRectF(40, 40, 120, 80), QColor::fromHsv((i * 47) % 360, 200, 220));
        painter.setFont(QFont(u"DejaVu Sans"_s, 24));
        painter.drawText(QPointF(40, 200), u"Page %1"_s.arg(i + 1));
        painter.setFont(QFont(u"DejaVu Sans"_s, 10));
        for (int line = 0; line < 30; ++line)
            painter.drawText(
                QPointF(40, 240 + line * 14),
                u"Line %1 of page %2: the quick brown fox jumps over the lazy dog."_s.arg(line + 1)
                    .arg(i + 1));
    }
    painter.end();
    return path;
}

namespace {

// A page as a scanner gives it: the lines drawn at 300 dpi into a grey picture, stored as JPEG.
QByteArray scannedJpeg(const QStringList &lines, int turn)
{
    QImage image(1275, 900, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font(u"DejaVu Serif"_s);
        font.setPixelSize(44);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(QPointF(90, 160 + 130 * double(i)), lines.at(i));
    }
    if (turn % 90 != 0) {
        // A scan fed in a little askew: the corners the turn uncovers are paper, not black.
        const QImage turned = image.convertToFormat(QImage::Format_ARGB32)
                                  .transformed(QTransform().rotate(turn), Qt::SmoothTransformation);
        QImage paper(turned.size(), QImage::Format_Grayscale8);
        paper.fill(Qt::white);
        QPainter(&paper).drawImage(0, 0, turned);
        image = paper;
    } else if (turn != 0) {
        image = image.transformed(QTransform().rotate(turn));
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return jpeg;
}

// A one-page PDF showing the JPEG edge to edge at 300 dpi, written by hand so nothing of the
// code under test makes it.
bool writeScanPdf(const QString &path, const QByteArray &jpeg, int rotate)
{
    const QImage image = QImage::fromData(jpeg);
    const double w = image.width() * 72.0 / 300, h = image.height() * 72.0 / 300;
    QList<QByteArray> objects;
    objects << "<< /Type /Catalog /Pages 2 0 R >>"
            << "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
            << QByteArray("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %1 %2] /Rotate %3 "
                          "/Resources << /XObject << /Im0 4 0 R >> >> /Contents 5 0 R >>")
                   .replace("%1", QByteArray::number(w))
                   .replace("%2", QByteArray::number(h))
                   .replace("%3", QByteArray::number(rotate));
    const QByteArray content =
        "q " + QByteArray::number(w) + " 0 0 " + QByteArray::number(h) + " 0 0 cm /Im0 Do Q\n";
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    offsets << pdf.size();
    pdf += "4 0 obj\n<< /Type /XObject /Subtype /Image /Width " +
           QByteArray::number(image.width()) + " /Height " + QByteArray::number(image.height()) +
           " /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /DCTDecode /Length " +
           QByteArray::number(jpeg.size()) + " >>\nstream\n" + jpeg + "\nendstream\nendobj\n";
    offsets << pdf.size();
    pdf += "5 0 obj\n<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content +
           "endstream\nendobj\n";
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 6\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf +=
        "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return writeBytes(path, pdf);
}

} // namespace

QString scanPdf(const QString &path, const QStringList &lines, int turn, int rotate)
{
    return writeScanPdf(path, scannedJpeg(lines, turn), rotate) ? path : QString();
}

QImage picture(QSize size, bool alpha)
{
    QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const QColor corners[4] = {QColor(220, 30, 30), QColor(30, 190, 40), QColor(30, 40, 210),
                               QColor(235, 220, 30)};
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int quadrant = (y >= size.height() / 2 ? 2 : 0) + (x >= size.width() / 2 ? 1 : 0);
            const QColor &c = corners[quadrant];
            // Texture and grain, so the picture has the many colours of a photograph.
            const int t = int(12 * std::sin(x * 0.05) * std::cos(y * 0.07));
            auto grain = [&random] {
                return int(random.bounded(17)) - 8;
            };
            const int a = alpha ? (x < size.width() / 2 ? 255 : 96) : 255;
            row[x] = qRgba(std::clamp(c.red() + t + grain(), 0, 255),
                           std::clamp(c.green() + t + grain(), 0, 255),
                           std::clamp(c.blue() + t + grain(), 0, 255), a);
        }
    }
    return image;
}

QByteArray jpegBytes(const QImage &image, int quality)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image.convertToFormat(QImage::Format_RGB32));
    return data;
}

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation)
{
    QByteArray tiff("MM\0*\0\0\0\x08", 8);
    tiff.append(QByteArray("\0\x01", 2));                   // one entry
    tiff.append(QByteArray("\x01\x12\0\x03\0\0\0\x01", 8)); // orientation, SHORT, 1 value
    tiff.append(char(0));
    tiff.append(char(orientation));
    tiff.append(QByteArray(2, '\0'));
    tiff.append(QByteArray(4, '\0')); // no next directory
    QByteArray segment = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xFF\xE1", 2);
    app1.append(char((segment.size() + 2) >> 8));
    app1.append(char((segment.size() + 2) & 0xFF));
    app1.append(segment);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

void hugeGrayPng(const QString &path, int w, int h)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    auto chunk = [&file](const char *type, const QByteArray &data) {
        uchar length[4];
        qToBigEndian<quint32>(quint32(data.size()), length);
        file.write(reinterpret_cast<const char *>(length), 4);
        QByteArray body = QByteArray(type, 4) + data;
        file.write(body);
        uchar crc[4];
        qToBigEndian<quint32>(
            quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
            crc);
        file.write(reinterpret_cast<const char *>(crc), 4);
    };
    file.write("\x89PNG\r\n\x1a\n", 8);
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(w), header.data());
    qToBigEndian<quint32>(quint32(h), header.data() + 4);
    header[8] = 8; // bit depth; colour type 0 (gray)
    chunk("IHDR", header);
    z_stream zs{};
    deflateInit(&zs, 9);
    QByteArray row(w + 1, '\0');
    QByteArray out(1 << 16, '\0');
    for (int y = 0; y <= h; ++y) {
        const bool last = y == h;
        zs.next_in = last ? nullptr : reinterpret_cast<Bytef *>(row.data());
        zs.avail_in = last ? 0 : uInt(row.size());
        do {
            zs.next_out = reinterpret_cast<Bytef *>(out.data());
            zs.avail_out = uInt(out.size());
            deflate(&zs, last ? Z_FINISH : Z_NO_FLUSH);
            const int produced = out.size() - int(zs.avail_out);
            if (produced > 0)
                chunk("IDAT", out.left(produced));
        } while (zs.avail_out == 0);
    }
    deflateEnd(&zs);
    chunk("IEND", QByteArray());
}

QString photoPdf(const QString &path, int pages, QSize pixels, QSizeF box, Embedding embedding)
{
    QPDF pdf;
    pdf.emptyPDF();
    for (int i = 0; i < pages; ++i) {
        const bool alpha = embedding == Embedding::FlateWithAlpha;
        const QImage image = picture(pixels, alpha);
        QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf);
        QPDFObjectHandle dict = stream.getDict();
        dict.replaceKey("/Type", name("/XObject"));
        dict.replaceKey("/Subtype", name("/Image"));
        dict.replaceKey("/Width", QPDFObjectHandle::newInteger(pixels.width()));
        dict.replaceKey("/Height", QPDFObjectHandle::newInteger(pixels.height()));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
        if (embedding == Embedding::Jpeg) {
            dict.replaceKey("/ColorSpace", name("/DeviceRGB"));
            stream.replaceStreamData(bytes(jpegBytes(image, 95)), name("/DCTDecode"),
                                     QPDFObjectHandle::newNull());
        } else if (embedding == Embedding::CmykJpeg) {
            QByteArray cmyk;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb p = image.pixel(x, y);
                    const int k = 255 - std::max({qRed(p), qGreen(p), qBlue(p)});
                    cmyk.append(char(255 - qRed(p) - k));
                    cmyk.append(char(255 - qGreen(p) - k));
                    cmyk.append(char(255 - qBlue(p) - k));
                    cmyk.append(char(k));
                }
            Pl_Buffer buffer("jpeg");
            Pl_DCT dct("dct", &buffer, JDIMENSION(pixels.width()), JDIMENSION(pixels.height()), 4,
                       JCS_CMYK);
            dct.write(reinterpret_cast<const unsigned char *>(cmyk.constData()),
                      size_t(cmyk.size()));
            dct.finish();
            dict.replaceKey("/ColorSpace", name("/DeviceCMYK"));
            std::unique_ptr<Buffer> data(buffer.getBuffer());
            stream.replaceStreamData(
                std::string(reinterpret_cast<const char *>(data->getBuffer()), data->getSize()),
                name("/DCTDecode"), QPDFObjectHandle::newNull());
        } else {
            const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
            QByteArray raw;
            for (int y = 0; y < rgb.height(); ++y)
                raw.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
            dict.replaceKey("/ColorSpace", name("/DeviceRGB"));
            stream.replaceStreamData(bytes(raw), QPDFObjectHandle::newNull(),
                                     QPDFObjectHandle::newNull());
            if (alpha) {
                const QImage a = image.convertToFormat(QImage::Format_Alpha8);
                QByteArray mask;
                for (int y = 0; y < a.height(); ++y)
                    mask.append(reinterpret_cast<const char *>(a.constScanLine(y)), a.width());
                QPDFObjectHandle smask = QPDFObjectHandle::newStream(&pdf, bytes(mask));
                QPDFObjectHandle md = smask.getDict();
                md.replaceKey("/Type", name("/XObject"));
                md.replaceKey("/Subtype", name("/Image"));
                md.replaceKey("/Width", QPDFObjectHandle::newInteger(pixels.width()));
                md.replaceKey("/Height", QPDFObjectHandle::newInteger(pixels.height()));
                md.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
                md.replaceKey("/ColorSpace", name("/DeviceGray"));
                dict.replaceKey("/SMask", smask);
            }
        }
        const std::string content = QStringLiteral("q %1 0 0 %2 36 36 cm /Im0 Do Q\n")
                                        .arg(box.width())
                                        .arg(box.height())
                                        .toStdString();
        QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
        xobjects.replaceKey("/Im0", stream);
        addImagePage(pdf, xobjects, box.width() + 72, box.height() + 72, content);
    }
    writeTo(pdf, path);
    return path;
}

QString redundantPdf(const QString &path)
{
    QPDF pdf;
    pdf.emptyPDF();
    const std::string jpeg = bytes(jpegBytes(picture(QSize(120, 90)), 90));
    const std::string big = bytes(jpegBytes(picture(QSize(1600, 1200)), 90));
    auto image = [&pdf](const std::string &data, int w, int h) {
        QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf);
        QPDFObjectHandle dict = stream.getDict();
        dict.replaceKey("/Type", name("/XObject"));
        dict.replaceKey("/Subtype", name("/Image"));
        dict.replaceKey("/Width", QPDFObjectHandle::newInteger(w));
        dict.replaceKey("/Height", QPDFObjectHandle::newInteger(h));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
        dict.replaceKey("/ColorSpace", name("/DeviceRGB"));
        stream.replaceStreamData(data, name("/DCTDecode"), QPDFObjectHandle::newNull());
        return stream;
    };
    for (int i = 0; i < 2; ++i) {
        QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
        xobjects.replaceKey("/Im0", image(jpeg, 120, 90));
        if (i == 0)
            xobjects.replaceKey("/Unused", image(big, 1600, 1200));
        addImagePage(pdf, xobjects, 300, 300, "q 240 180 0 0 30 30 cm /Im0 Do Q\n");
    }
    writeTo(pdf, path);
    return path;
}

int imageObjectCount(const QString &path)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    int count = 0;
    for (QPDFObjectHandle object : pdf.getAllObjects())
        if (object.isStream() && object.getDict().getKey("/Subtype").isNameAndEquals("/Image"))
            ++count;
    return count;
}

void addNavigation(const QString &path, const QString &field)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
    QPDFObjectHandle root = pdf.getRoot();

    QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    std::vector<QPDFObjectHandle> items;
    for (size_t i = 0; i < pages.size(); ++i) {
        QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title",
                        QPDFObjectHandle::newUnicodeString("Chapter " + std::to_string(i + 1)));
        item.replaceKey("/Dest", explicitDest(pages[i]));
        item.replaceKey("/Parent", outlines);
        items.push_back(item);
    }
    linkSiblings(items);
    QPDFObjectHandle child = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    child.replaceKey("/Title", QPDFObjectHandle::newUnicodeString("Section 1.1"));
    child.replaceKey("/Dest", explicitDest(pages.back()));
    child.replaceKey("/Parent", items.front());
    items.front().replaceKey("/First", child);
    items.front().replaceKey("/Last", child);
    items.front().replaceKey("/Count", QPDFObjectHandle::newInteger(1));
    outlines.replaceKey("/Type", name("/Outlines"));
    outlines.replaceKey("/First", items.front());
    outlines.replaceKey("/Last", items.back());
    outlines.replaceKey("/Count",
                        QPDFObjectHandle::newInteger(static_cast<long long>(items.size()) + 1));
    root.replaceKey("/Outlines", outlines);

    QPDFObjectHandle link = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    link.replaceKey("/Type", name("/Annot"));
    link.replaceKey("/Subtype", name("/Link"));
    link.replaceKey("/Rect", rect(40, 40, 160, 120));
    link.replaceKey("/Border", QPDFObjectHandle::parse("[0 0 0]"));
    link.replaceKey("/Dest", QPDFObjectHandle::newArray(
                                 std::vector<QPDFObjectHandle>{pages.back(), name("/Fit")}));

    QPDFObjectHandle widget = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    widget.replaceKey("/Type", name("/Annot"));
    widget.replaceKey("/Subtype", name("/Widget"));
    widget.replaceKey("/FT", name("/Tx"));
    widget.replaceKey("/T", QPDFObjectHandle::newUnicodeString(field.toStdString()));
    widget.replaceKey("/V",
                      QPDFObjectHandle::newUnicodeString(QFileInfo(path).baseName().toStdString()));
    widget.replaceKey("/Rect", rect(200, 700, 400, 730));
    widget.replaceKey("/DA", QPDFObjectHandle::newString("/Helv 12 Tf 0 g"));
    widget.replaceKey("/P", pages.front());
    widget.replaceKey("/F", QPDFObjectHandle::newInteger(4));

    QPDFObjectHandle annots =
        QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{link, widget});
    pages.front().replaceKey("/Annots", annots);
    QPDFObjectHandle helv = QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    QPDFObjectHandle acroForm = QPDFObjectHandle::newDictionary();
    acroForm.replaceKey("/Fields",
                        QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{widget}));
    acroForm.replaceKey("/DA", QPDFObjectHandle::newString("/Helv 12 Tf 0 g"));
    QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
    fonts.replaceKey("/Helv", pdf.makeIndirectObject(helv));
    QPDFObjectHandle dr = QPDFObjectHandle::newDictionary();
    dr.replaceKey("/Font", fonts);
    acroForm.replaceKey("/DR", dr);
    root.replaceKey("/AcroForm", acroForm);
    writeInPlace(pdf, path);
}

int pageCount(const QString &path, const QString &password)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        return static_cast<int>(pdf.getAllPages().size());
    } catch (const std::exception &) {
        return -1;
    }
}

QList<QSizeF> pageSizes(const QString &path, const QString &password)
{
    QList<QSizeF> sizes;
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        for (QPDFObjectHandle page : pdf.getAllPages()) {
            QPDFObjectHandle::Rectangle box =
                QPDFPageObjectHelper(page).getMediaBox().getArrayAsRectangle();
            QSizeF size(box.urx - box.llx, box.ury - box.lly);
            QPDFObjectHandle rotate = QPDFPageObjectHelper(page).getAttribute("/Rotate", false);
            if (rotate.isInteger() && (rotate.getIntValue() / 90) % 2)
                size.transpose();
            sizes.append(size);
        }
    } catch (const std::exception &) {
    }
    return sizes;
}

int encryptionRevision(const QString &path, const QString &password)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        int r = 0;
        int p = 0;
        return pdf.isEncrypted(r, p) ? r : 0;
    } catch (const std::exception &) {
        return -1;
    }
}

Protection protection(const QString &path, const QString &password)
{
    Protection result;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        int r = 0;
        int p = 0;
        result.revision = pdf.isEncrypted(r, p) ? r : 0;
        result.owner = result.revision == 0 || pdf.ownerPasswordMatched();
        result.print = pdf.allowPrintHighRes();
        result.copy = pdf.allowExtractAll();
        result.modify = pdf.allowModifyOther();
    } catch (const std::exception &) {
    }
    return result;
}

QList<Outline> outlines(const QString &path)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    const std::map<QPDFObjGen, int> pages = pageIndexes(pdf);
    QPDFOutlineDocumentHelper helper(pdf);
    QList<Outline> result;
    for (QPDFOutlineObjectHelper item : helper.getTopLevelOutlines())
        result.append(readOutline(item, pages));
    return result;
}

QStringList fieldNames(const QString &path)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    QStringList names;
    for (QPDFFormFieldObjectHelper field : QPDFAcroFormDocumentHelper(pdf).getFormFields())
        names.append(QString::fromStdString(field.getFullyQualifiedName()));
    names.sort();
    return names;
}

QList<int> linkTargets(const QString &path, int page)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    const std::map<QPDFObjGen, int> pages = pageIndexes(pdf);
    QList<int> targets;
    QPDFObjectHandle pageObject = pdf.getAllPages().at(static_cast<size_t>(page));
    QPDFObjectHandle annots = pageObject.getKey("/Annots");
    if (!annots.isArray())
        return targets;
    for (QPDFObjectHandle annot : annots.aitems()) {
        if (!annot.getKey("/Subtype").isNameAndEquals("/Link"))
            continue;
        QPDFObjectHandle dest = annot.getKey("/Dest");
        if (!dest.isArray() && annot.getKey("/A").isDictionary())
            dest = annot.getKey("/A").getKey("/D");
        int target = -1;
        if (dest.isArray() && dest.getArrayNItems() > 0) {
            auto found = pages.find(dest.getArrayItem(0).getObjGen());
            target = found == pages.end() ? -1 : found->second;
        }
        targets.append(target);
    }
    return targets;
}

QByteArray firstImageRawData(const QString &path, QString *filter)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    QByteArray data;
    for (QPDFObjectHandle page : pdf.getAllPages()) {
        for (auto &[key, image] : QPDFPageObjectHelper(page).getImages()) {
            std::shared_ptr<Buffer> raw = image.getRawStreamData();
            data = QByteArray(reinterpret_cast<const char *>(raw->getBuffer()),
                              static_cast<qsizetype>(raw->getSize()));
            QPDFObjectHandle f = image.getDict().getKey("/Filter");
            *filter = f.isName() ? QString::fromStdString(f.getName()) : QString();
            return data;
        }
    }
    return data;
}

QList<ListedImage> listImages(const QString &path)
{
    QByteArray output;
    QList<ListedImage> images;
    if (!run(u"pdfimages"_s, {u"-list"_s, path}, &output))
        return images;
    const QList<QByteArray> lines = output.split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].simplified().split(' ');
        if (f.size() < 14)
            continue;
        ListedImage image;
        image.page = f[0].toInt();
        image.type = QString::fromLatin1(f[2]);
        image.width = f[3].toInt();
        image.height = f[4].toInt();
        image.encoding = QString::fromLatin1(f[8]);
        image.xppi = f[12].toInt();
        images.append(image);
    }
    return images;
}

bool run(const QString &program, const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool qpdfCheck(const QString &path, const QString &password)
{
    QStringList args{u"--check"_s};
    if (!password.isEmpty())
        args.append(u"--password="_s + password);
    args.append(path);
    return run(u"qpdf"_s, args);
}

QImage renderPage(const QString &path, int page, int dpi, const QString &password)
{
    return readback::renderPoppler(path, page - 1, dpi, password);
}

double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

bool near(QColor actual, QColor expected, int tolerance)
{
    return readback::similar(actual, expected, tolerance);
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

} // namespace fixtures
