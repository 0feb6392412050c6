// The PowerPoint writer: one slide per page at the page's size, a text box per paragraph and per
// table cell, pictures where they stood.
#include "officepackage.h"

#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

using namespace officelayout;

namespace officewriters {
namespace {

constexpr auto kNamespaces =
    R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main")";
constexpr auto kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

QByteArray header()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
}

QByteArray emptyTree()
{
    return QByteArrayLiteral("<p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/>"
                             "</p:nvGrpSpPr><p:grpSpPr/>");
}

QByteArray theme()
{
    QByteArray colors;
    const char *names[] = {"dk1",     "lt1",     "dk2",     "lt2",     "accent1", "accent2",
                           "accent3", "accent4", "accent5", "accent6", "hlink",   "folHlink"};
    const char *values[] = {"000000", "FFFFFF", "44546A", "E7E6E6", "4472C4", "ED7D31",
                            "A5A5A5", "FFC000", "5B9BD5", "70AD47", "0563C1", "954F72"};
    for (int i = 0; i < 12; ++i)
        colors += QByteArray("<a:") + names[i] + "><a:srgbClr val=\"" + values[i] +
                  "\"/></a:" + names[i] + ">";
    const QByteArray fill = "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>";
    const QByteArray line = "<a:ln w=\"6350\"><a:solidFill><a:schemeClr val=\"phClr\"/>"
                            "</a:solidFill></a:ln>";
    return header() +
           "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
           "name=\"Velmora\"><a:themeElements><a:clrScheme name=\"Velmora\">" +
           colors +
           "</a:clrScheme><a:fontScheme name=\"Velmora\"><a:majorFont><a:latin "
           "typeface=\"Arial\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:majorFont>"
           "<a:minorFont><a:latin typeface=\"Arial\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/>"
           "</a:minorFont></a:fontScheme><a:fmtScheme name=\"Velmora\"><a:fillStyleLst>" +
           fill + fill + fill + "</a:fillStyleLst><a:lnStyleLst>" + line + line + line +
           "</a:lnStyleLst><a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle>"
           "<a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/>"
           "</a:effectStyle></a:effectStyleLst><a:bgFillStyleLst>" +
           fill + fill + fill + "</a:bgFillStyleLst></a:fmtScheme></a:themeElements></a:theme>";
}

QByteArray relationships(const QList<QPair<QString, QString>> &targets)
{
    QByteArray xml = header() + "<Relationships xmlns=\"http://schemas.openxmlformats.org/"
                                "package/2006/relationships\">";
    int id = 0;
    for (const auto &[type, target] : targets)
        xml += "<Relationship Id=\"rId" + QByteArray::number(++id) + "\" Type=\"" + kRel +
               type.toUtf8() + "\" Target=\"" + target.toUtf8() + "\"/>";
    return xml + "</Relationships>";
}

class SlideWriter
{
public:
    SlideWriter(QXmlStreamWriter &x, double scale)
        : m_x(x)
        , m_scale(scale)
    {}

    void textBox(const QList<Paragraph> &paragraphs, const QRectF &box, bool border,
                 double maxRight);
    // The picture of the slide's relationship rId<relationship>.
    void picture(const QRectF &box, int relationship);
    int nextId() { return ++m_id; }

private:
    void offset(const QRectF &box);
    QXmlStreamWriter &m_x;
    double m_scale;
    int m_id = 1;
};

void SlideWriter::offset(const QRectF &box)
{
    m_x.writeStartElement(QStringLiteral("a:xfrm"));
    m_x.writeEmptyElement(QStringLiteral("a:off"));
    m_x.writeAttribute(QStringLiteral("x"), QString::number(emu(box.left() * m_scale)));
    m_x.writeAttribute(QStringLiteral("y"), QString::number(emu(box.top() * m_scale)));
    m_x.writeEmptyElement(QStringLiteral("a:ext"));
    m_x.writeAttribute(QStringLiteral("cx"),
                       QString::number(emu(std::max(1.0, box.width()) * m_scale)));
    m_x.writeAttribute(QStringLiteral("cy"),
                       QString::number(emu(std::max(1.0, box.height()) * m_scale)));
    m_x.writeEndElement();
    m_x.writeStartElement(QStringLiteral("a:prstGeom"));
    m_x.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    m_x.writeEmptyElement(QStringLiteral("a:avLst"));
    m_x.writeEndElement();
}

void SlideWriter::textBox(const QList<Paragraph> &paragraphs, const QRectF &area, bool border,
                          double maxRight)
{
    // A little wider than on the page: a stand-in font must not wrap the lines.
    QRectF box = area;
    if (!border)
        box.setRight(std::min(maxRight, box.right() + box.width() * 0.08 + 4));
    const int id = nextId();
    m_x.writeStartElement(QStringLiteral("p:sp"));
    m_x.writeStartElement(QStringLiteral("p:nvSpPr"));
    m_x.writeEmptyElement(QStringLiteral("p:cNvPr"));
    m_x.writeAttribute(QStringLiteral("id"), QString::number(id));
    m_x.writeAttribute(QStringLiteral("name"), QStringLiteral("Text %1").arg(id));
    m_x.writeEmptyElement(QStringLiteral("p:cNvSpPr"));
    m_x.writeAttribute(QStringLiteral("txBox"), QStringLiteral("1"));
    m_x.writeEmptyElement(QStringLiteral("p:nvPr"));
    m_x.writeEndElement();
    m_x.writeStartElement(QStringLiteral("p:spPr"));
    offset(box);
    m_x.writeEmptyElement(QStringLiteral("a:noFill"));
    if (border) {
        m_x.writeStartElement(QStringLiteral("a:ln"));
        m_x.writeAttribute(QStringLiteral("w"), QStringLiteral("6350"));
        m_x.writeStartElement(QStringLiteral("a:solidFill"));
        m_x.writeEmptyElement(QStringLiteral("a:srgbClr"));
        m_x.writeAttribute(QStringLiteral("val"), QStringLiteral("000000"));
        m_x.writeEndElement();
        m_x.writeEndElement();
    }
    m_x.writeEndElement();
    m_x.writeStartElement(QStringLiteral("p:txBody"));
    m_x.writeStartElement(QStringLiteral("a:bodyPr"));
    m_x.writeAttribute(QStringLiteral("wrap"), QStringLiteral("square"));
    const QString inset = QString::number(border ? emu(2 * m_scale) : 0);
    for (const char *side : {"lIns", "tIns", "rIns", "bIns"})
        m_x.writeAttribute(QLatin1String(side), inset);
    m_x.writeEmptyElement(QStringLiteral("a:noAutofit"));
    m_x.writeEndElement();
    m_x.writeEmptyElement(QStringLiteral("a:lstStyle"));
    if (paragraphs.isEmpty()) {
        m_x.writeStartElement(QStringLiteral("a:p"));
        m_x.writeEndElement();
    }
    for (const Paragraph &p : paragraphs) {
        m_x.writeStartElement(QStringLiteral("a:p"));
        m_x.writeStartElement(QStringLiteral("a:pPr"));
        m_x.writeAttribute(QStringLiteral("algn"), p.align == Align::Center  ? QStringLiteral("ctr")
                                                   : p.align == Align::Right ? QStringLiteral("r")
                                                   : p.align == Align::Justify
                                                       ? QStringLiteral("just")
                                                       : QStringLiteral("l"));
        if (p.firstIndent != 0) {
            m_x.writeAttribute(QStringLiteral("indent"),
                               QString::number(emu(p.firstIndent * m_scale)));
            if (p.firstIndent < 0)
                m_x.writeAttribute(QStringLiteral("marL"),
                                   QString::number(emu(-p.firstIndent * m_scale)));
        }
        m_x.writeStartElement(QStringLiteral("a:lnSpc"));
        m_x.writeEmptyElement(QStringLiteral("a:spcPts"));
        m_x.writeAttribute(
            QStringLiteral("val"),
            QString::number(std::clamp(int(std::lround(p.pitch * m_scale * 100)), 100, 158400)));
        m_x.writeEndElement();
        m_x.writeEndElement(); // pPr
        for (const Run &run : p.runs) {
            const QString text = xmlText(run.text).replace(u'\t', u' ').replace(u'\n', u' ');
            if (text.isEmpty())
                continue;
            m_x.writeStartElement(QStringLiteral("a:r"));
            m_x.writeStartElement(QStringLiteral("a:rPr"));
            m_x.writeAttribute(QStringLiteral("lang"), QStringLiteral("en-US"));
            m_x.writeAttribute(QStringLiteral("sz"),
                               QString::number(std::clamp(
                                   int(std::lround(run.size * m_scale * 100)), 100, 400000)));
            if (run.bold)
                m_x.writeAttribute(QStringLiteral("b"), QStringLiteral("1"));
            if (run.italic)
                m_x.writeAttribute(QStringLiteral("i"), QStringLiteral("1"));
            if (run.spacing != 0)
                m_x.writeAttribute(QStringLiteral("spc"),
                                   QString::number(int(std::lround(run.spacing * m_scale * 100))));
            m_x.writeAttribute(QStringLiteral("dirty"), QStringLiteral("0"));
            m_x.writeStartElement(QStringLiteral("a:solidFill"));
            m_x.writeEmptyElement(QStringLiteral("a:srgbClr"));
            m_x.writeAttribute(
                QStringLiteral("val"),
                QStringLiteral("%1").arg(run.color, 6, 16, QLatin1Char('0')).toUpper());
            m_x.writeEndElement();
            for (const char *slot : {"a:latin", "a:ea", "a:cs"}) {
                m_x.writeEmptyElement(QLatin1String(slot));
                m_x.writeAttribute(QStringLiteral("typeface"), run.family);
            }
            m_x.writeEndElement(); // rPr
            m_x.writeTextElement(QStringLiteral("a:t"), text);
            m_x.writeEndElement(); // r
        }
        m_x.writeEndElement(); // p
    }
    m_x.writeEndElement(); // txBody
    m_x.writeEndElement(); // sp
}

void SlideWriter::picture(const QRectF &box, int relationship)
{
    const int id = nextId();
    m_x.writeStartElement(QStringLiteral("p:pic"));
    m_x.writeStartElement(QStringLiteral("p:nvPicPr"));
    m_x.writeEmptyElement(QStringLiteral("p:cNvPr"));
    m_x.writeAttribute(QStringLiteral("id"), QString::number(id));
    m_x.writeAttribute(QStringLiteral("name"), QStringLiteral("Picture %1").arg(id));
    m_x.writeStartElement(QStringLiteral("p:cNvPicPr"));
    m_x.writeEmptyElement(QStringLiteral("a:picLocks"));
    m_x.writeAttribute(QStringLiteral("noChangeAspect"), QStringLiteral("1"));
    m_x.writeEndElement();
    m_x.writeEmptyElement(QStringLiteral("p:nvPr"));
    m_x.writeEndElement();
    m_x.writeStartElement(QStringLiteral("p:blipFill"));
    m_x.writeEmptyElement(QStringLiteral("a:blip"));
    m_x.writeAttribute(QStringLiteral("r:embed"), QStringLiteral("rId%1").arg(relationship));
    m_x.writeStartElement(QStringLiteral("a:stretch"));
    m_x.writeEmptyElement(QStringLiteral("a:fillRect"));
    m_x.writeEndElement();
    m_x.writeEndElement();
    m_x.writeStartElement(QStringLiteral("p:spPr"));
    offset(box);
    m_x.writeEndElement();
    m_x.writeEndElement();
}

} // namespace

bool writePptx(const Document &document, QByteArray *bytes, QString *error)
{
    // One slide size for the whole file: the first page's; other pages are fitted into it.
    QSizeF slide = document.pages.isEmpty() ? QSizeF(720, 540) : document.pages.first().size;
    const double fit = std::clamp(std::max(slide.width(), slide.height()), 72.0, 4032.0) /
                       std::max(slide.width(), slide.height());
    slide *= fit;

    OfficePackage package;
    QByteArray types = header() +
                       "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                       "content-types\"><Default Extension=\"rels\" ContentType=\"application/"
                       "vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" "
                       "ContentType=\"application/xml\"/><Default Extension=\"png\" "
                       "ContentType=\"image/png\"/><Default Extension=\"jpeg\" "
                       "ContentType=\"image/jpeg\"/>";
    const QByteArray ml = "application/vnd.openxmlformats-officedocument.";
    types += "<Override PartName=\"/ppt/presentation.xml\" ContentType=\"" + ml +
             "presentationml.presentation.main+xml\"/><Override "
             "PartName=\"/ppt/slideMasters/slideMaster1.xml\" ContentType=\"" +
             ml +
             "presentationml.slideMaster+xml\"/><Override "
             "PartName=\"/ppt/slideLayouts/slideLayout1.xml\" ContentType=\"" +
             ml +
             "presentationml.slideLayout+xml\"/><Override PartName=\"/ppt/theme/theme1.xml\" "
             "ContentType=\"" +
             ml + "theme+xml\"/>";

    bool ok = true;
    QByteArray slideList;
    QList<QPair<QString, QString>> presentationRels = {
        {QStringLiteral("slideMaster"), QStringLiteral("slideMasters/slideMaster1.xml")}};
    int media = 0;
    for (qsizetype i = 0; i < document.pages.size(); ++i) {
        const Page &page = document.pages[i];
        const double scale = fit * std::min(slide.width() / (page.size.width() * fit),
                                            slide.height() / (page.size.height() * fit));
        QByteArray xml;
        QXmlStreamWriter x(&xml);
        QList<QPair<QString, QString>> rels = {
            {QStringLiteral("slideLayout"), QStringLiteral("../slideLayouts/slideLayout1.xml")}};
        SlideWriter writer(x, scale);
        x.writeStartElement(QStringLiteral("p:spTree"));
        x.writeStartElement(QStringLiteral("p:nvGrpSpPr"));
        x.writeEmptyElement(QStringLiteral("p:cNvPr"));
        x.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
        x.writeAttribute(QStringLiteral("name"), QString());
        x.writeEmptyElement(QStringLiteral("p:cNvGrpSpPr"));
        x.writeEmptyElement(QStringLiteral("p:nvPr"));
        x.writeEndElement();
        x.writeEmptyElement(QStringLiteral("p:grpSpPr"));
        for (const Item &item : page.items) {
            if (const auto *p = std::get_if<Paragraph>(&item)) {
                writer.textBox({*p}, p->box, false, page.size.width());
            } else if (const auto *image = std::get_if<Image>(&item)) {
                const QString name = QStringLiteral("image%1.%2").arg(++media).arg(image->suffix);
                ok = ok && package.add(QStringLiteral("ppt/media/") + name, image->data);
                rels.append({QStringLiteral("image"), QStringLiteral("../media/") + name});
                writer.picture(image->box, int(rels.size()));
            } else {
                const Table &table = std::get<Table>(item);
                for (const Cell &cell : table.cells) {
                    const QRectF box(QPointF(table.columns[cell.column], table.rows[cell.row]),
                                     QPointF(table.columns[cell.column + cell.columnSpan],
                                             table.rows[cell.row + cell.rowSpan]));
                    writer.textBox(cell.paragraphs, box, true, page.size.width());
                }
            }
        }
        x.writeEndElement();
        const QByteArray slideXml = header() + "<p:sld" + kNamespaces + "><p:cSld>" + xml +
                                    "</p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr>"
                                    "</p:sld>";
        const QString file = QStringLiteral("slide%1.xml").arg(i + 1);
        ok = ok && package.add(QStringLiteral("ppt/slides/") + file, slideXml) &&
             package.add(QStringLiteral("ppt/slides/_rels/") + file + QStringLiteral(".rels"),
                         relationships(rels));
        types += "<Override PartName=\"/ppt/slides/" + file.toUtf8() + "\" ContentType=\"" + ml +
                 "presentationml.slide+xml\"/>";
        presentationRels.append({QStringLiteral("slide"), QStringLiteral("slides/") + file});
        slideList += "<p:sldId id=\"" + QByteArray::number(256 + i) + "\" r:id=\"rId" +
                     QByteArray::number(presentationRels.size()) + "\"/>";
    }
    presentationRels.append({QStringLiteral("theme"), QStringLiteral("theme/theme1.xml")});
    types += "</Types>";

    const QByteArray cx =
        QByteArray::number(std::clamp<qint64>(emu(slide.width()), 914400, 51206400));
    const QByteArray cy =
        QByteArray::number(std::clamp<qint64>(emu(slide.height()), 914400, 51206400));
    const QByteArray presentation =
        header() + "<p:presentation" + kNamespaces +
        "><p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" r:id=\"rId1\"/></p:sldMasterIdLst>" +
        (slideList.isEmpty() ? QByteArray() : "<p:sldIdLst>" + slideList + "</p:sldIdLst>") +
        "<p:sldSz cx=\"" + cx + "\" cy=\"" + cy + "\"/><p:notesSz cx=\"" + cy + "\" cy=\"" + cx +
        "\"/></p:presentation>";
    const QByteArray master =
        header() + "<p:sldMaster" + kNamespaces +
        "><p:cSld><p:bg><p:bgRef idx=\"1001\">"
        "<a:schemeClr val=\"bg1\"/></p:bgRef></p:bg><p:spTree>" +
        emptyTree() +
        "</p:spTree></p:cSld><p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" "
        "accent1=\"accent1\" accent2=\"accent2\" accent3=\"accent3\" accent4=\"accent4\" "
        "accent5=\"accent5\" accent6=\"accent6\" hlink=\"hlink\" folHlink=\"folHlink\"/>"
        "<p:sldLayoutIdLst><p:sldLayoutId id=\"2147483649\" r:id=\"rId1\"/></p:sldLayoutIdLst>"
        "</p:sldMaster>";
    const QByteArray layout = header() + "<p:sldLayout" + kNamespaces +
                              " type=\"blank\" preserve=\"1\"><p:cSld name=\"Blank\"><p:spTree>" +
                              emptyTree() +
                              "</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/>"
                              "</p:clrMapOvr></p:sldLayout>";
    const QByteArray rootRels =
        relationships({{QStringLiteral("officeDocument"), QStringLiteral("ppt/presentation.xml")}});
    ok = ok && package.add(QStringLiteral("[Content_Types].xml"), types) &&
         package.add(QStringLiteral("_rels/.rels"), rootRels) &&
         package.add(QStringLiteral("ppt/presentation.xml"), presentation) &&
         package.add(QStringLiteral("ppt/_rels/presentation.xml.rels"),
                     relationships(presentationRels)) &&
         package.add(QStringLiteral("ppt/slideMasters/slideMaster1.xml"), master) &&
         package.add(
             QStringLiteral("ppt/slideMasters/_rels/slideMaster1.xml.rels"),
             relationships({{QStringLiteral("slideLayout"),
                             QStringLiteral("../slideLayouts/slideLayout1.xml")},
                            {QStringLiteral("theme"), QStringLiteral("../theme/theme1.xml")}})) &&
         package.add(QStringLiteral("ppt/slideLayouts/slideLayout1.xml"), layout) &&
         package.add(QStringLiteral("ppt/slideLayouts/_rels/slideLayout1.xml.rels"),
                     relationships({{QStringLiteral("slideMaster"),
                                     QStringLiteral("../slideMasters/slideMaster1.xml")}})) &&
         package.add(QStringLiteral("ppt/theme/theme1.xml"), theme());
    if (!ok) {
        *error = QStringLiteral("the presentation could not be packed");
        return false;
    }
    return package.finish(bytes, error);
}

} // namespace officewriters
