// The Word writer: document.xml with the flow of every page, styles with Heading styles, lists,
// pictures and ruled tables, one section per page size.
#include "officepackage.h"

#include <QHash>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <list>

using namespace officelayout;

namespace officewriters {
namespace {

constexpr auto kW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr auto kR = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

struct Margins
{
    double left = 54, top = 54, right = 54, bottom = 54;
};

struct Section
{
    QSizeF size;
    Margins margins;
};

// A paragraph as written: flowing on from the page before where the source says so.
struct FlowItem
{
    const Item *item = nullptr;
    Paragraph merged; // when a paragraph took in its continuation
    bool useMerged = false;
    bool pageBreak = false;
    int section = 0;
};

class DocxWriter
{
public:
    explicit DocxWriter(const Document &document)
        : m_document(document)
    {}

    bool write(QByteArray *bytes, QString *error);

private:
    void planSections();
    void planFlow();
    QByteArray documentXml();
    QByteArray stylesXml() const;
    QByteArray numberingXml() const;
    QByteArray relationshipsXml() const;
    QByteArray contentTypesXml() const;

    void writeSectionProperties(QXmlStreamWriter &x, const Section &section, bool last);
    void writeParagraph(QXmlStreamWriter &x, const Paragraph &p, const Section &section,
                        bool pageBreak, bool inCell);
    void writeRun(QXmlStreamWriter &x, const Run &run, const QString &text);
    void writeImage(QXmlStreamWriter &x, const Image &image, const Section &section, bool pageBreak,
                    double spaceBefore);
    void writeTable(QXmlStreamWriter &x, const Table &table, const Section &section,
                    bool pageBreak);
    int numberingFor(const Paragraph &p);

    const Document &m_document;
    QList<Section> m_sections;
    QList<int> m_pageSection;
    std::list<FlowItem> m_flow;
    struct Media
    {
        QString name;
        QByteArray data;
    };
    QList<Media> m_media;
    int m_drawingId = 0;
    // Numbered lists: one numbering instance a run of items, starting at its first value.
    struct NumberedList
    {
        int id;
        int start;
        QChar delimiter;
    };
    QList<NumberedList> m_numbered;
    int m_lastValue = -1;
    QChar m_lastDelimiter;
    bool m_previousWasNumbered = false;
};

Margins marginsOf(const Document &document, const QSizeF &size)
{
    Margins m;
    bool any = false;
    for (const Page &page : document.pages) {
        if (page.size != size || page.pictureOnly || page.content.isEmpty())
            continue;
        const double left = page.content.left();
        const double top = page.content.top();
        const double right = page.size.width() - page.content.right();
        const double bottom = page.size.height() - page.content.bottom();
        if (!any) {
            m = {left, top, right, bottom};
            any = true;
        } else {
            m.left = std::min(m.left, left);
            m.top = std::min(m.top, top);
            m.right = std::min(m.right, right);
            m.bottom = std::min(m.bottom, bottom);
        }
    }
    if (!any)
        return {18, 18, 18, 18};
    auto clampMargin = [](double v) {
        return std::clamp(v - 2, 14.0, 108.0);
    };
    m.left = clampMargin(m.left);
    m.right = clampMargin(m.right);
    m.top = clampMargin(m.top);
    // Every page starts on a page of its own: room below costs nothing and takes in the lines
    // a stand-in font wraps more often.
    m.bottom = clampMargin(m.bottom - 26);
    return m;
}

void DocxWriter::planSections()
{
    for (const Page &page : m_document.pages) {
        if (m_sections.isEmpty() || m_sections.last().size != page.size)
            m_sections.append({page.size, marginsOf(m_document, page.size)});
        m_pageSection.append(int(m_sections.size()) - 1);
    }
    if (m_sections.isEmpty())
        m_sections.append({QSizeF(595.276, 841.89), Margins()});
}

QString joinedText(const QList<Run> &runs)
{
    QString text;
    for (const Run &r : runs)
        text += r.text;
    return text;
}

void DocxWriter::planFlow()
{
    for (qsizetype i = 0; i < m_document.pages.size(); ++i) {
        const Page &page = m_document.pages[i];
        bool first = true;
        if (page.items.isEmpty()) {
            // A blank page stays a page.
            FlowItem flow;
            flow.section = m_pageSection[i];
            flow.pageBreak = i > 0 && m_pageSection[i] == m_pageSection[i - 1];
            m_flow.push_back(std::move(flow));
            continue;
        }
        for (const Item &item : page.items) {
            const auto *p = std::get_if<Paragraph>(&item);
            if (first && p && p->continued && !m_flow.empty() && m_flow.back().item &&
                std::holds_alternative<Paragraph>(*m_flow.back().item) &&
                m_flow.back().section == m_pageSection[i]) {
                FlowItem &before = m_flow.back();
                if (!before.useMerged) {
                    before.merged = std::get<Paragraph>(*before.item);
                    before.useMerged = true;
                }
                QList<Run> &runs = before.merged.runs;
                QString &tail = runs.last().text;
                const QString head = joinedText(p->runs);
                if (tail.size() >= 2 && tail.back() == u'-' && tail.at(tail.size() - 2).isLetter())
                    tail.chop(1);
                else if (!tail.isEmpty() && !tail.back().isSpace() && !head.startsWith(u' '))
                    tail += u' ';
                runs += p->runs;
                first = false;
                continue;
            }
            FlowItem flow;
            flow.item = &item;
            flow.section = m_pageSection[i];
            flow.pageBreak = first && i > 0 && m_pageSection[i] == m_pageSection[i - 1];
            m_flow.push_back(std::move(flow));
            first = false;
        }
    }
}

void DocxWriter::writeSectionProperties(QXmlStreamWriter &x, const Section &section, bool last)
{
    Q_UNUSED(last);
    x.writeStartElement(QStringLiteral("w:sectPr"));
    x.writeEmptyElement(QStringLiteral("w:pgSz"));
    x.writeAttribute(QStringLiteral("w:w"), QString::number(twips(section.size.width())));
    x.writeAttribute(QStringLiteral("w:h"), QString::number(twips(section.size.height())));
    if (section.size.width() > section.size.height())
        x.writeAttribute(QStringLiteral("w:orient"), QStringLiteral("landscape"));
    x.writeEmptyElement(QStringLiteral("w:pgMar"));
    x.writeAttribute(QStringLiteral("w:top"), QString::number(twips(section.margins.top)));
    x.writeAttribute(QStringLiteral("w:right"), QString::number(twips(section.margins.right)));
    x.writeAttribute(QStringLiteral("w:bottom"), QString::number(twips(section.margins.bottom)));
    x.writeAttribute(QStringLiteral("w:left"), QString::number(twips(section.margins.left)));
    x.writeAttribute(QStringLiteral("w:header"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:footer"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:gutter"), QStringLiteral("0"));
    x.writeEndElement();
}

int DocxWriter::numberingFor(const Paragraph &p)
{
    if (p.list == ListKind::Bullet) {
        m_previousWasNumbered = false;
        return 1;
    }
    const bool goesOn = m_previousWasNumbered && p.listValue == m_lastValue + 1 &&
                        p.listDelimiter == m_lastDelimiter && !m_numbered.isEmpty();
    m_previousWasNumbered = true;
    m_lastValue = p.listValue;
    m_lastDelimiter = p.listDelimiter;
    if (!goesOn)
        m_numbered.append({int(m_numbered.size()) + 2, p.listValue, p.listDelimiter});
    return m_numbered.last().id;
}

void DocxWriter::writeRun(QXmlStreamWriter &x, const Run &run, const QString &text)
{
    if (text.isEmpty())
        return;
    x.writeStartElement(QStringLiteral("w:r"));
    x.writeStartElement(QStringLiteral("w:rPr"));
    if (run.family != m_document.bodyFamily) {
        x.writeEmptyElement(QStringLiteral("w:rFonts"));
        for (const char *slot : {"w:ascii", "w:hAnsi", "w:cs", "w:eastAsia"})
            x.writeAttribute(QLatin1String(slot), run.family);
    }
    if (run.bold)
        x.writeEmptyElement(QStringLiteral("w:b"));
    if (run.italic)
        x.writeEmptyElement(QStringLiteral("w:i"));
    if (run.color != 0) {
        x.writeEmptyElement(QStringLiteral("w:color"));
        x.writeAttribute(QStringLiteral("w:val"),
                         QStringLiteral("%1").arg(run.color, 6, 16, QLatin1Char('0')).toUpper());
    }
    if (run.spacing != 0) {
        x.writeEmptyElement(QStringLiteral("w:spacing"));
        x.writeAttribute(QStringLiteral("w:val"), QString::number(twips(run.spacing)));
    }
    const int halfPoints = std::max(2, int(std::lround(run.size * 2)));
    x.writeEmptyElement(QStringLiteral("w:sz"));
    x.writeAttribute(QStringLiteral("w:val"), QString::number(halfPoints));
    x.writeEmptyElement(QStringLiteral("w:szCs"));
    x.writeAttribute(QStringLiteral("w:val"), QString::number(halfPoints));
    x.writeEndElement();
    const QStringList pieces = xmlText(text).replace(u'\n', u' ').split(u'\t');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x.writeEmptyElement(QStringLiteral("w:tab"));
        if (pieces[i].isEmpty())
            continue;
        x.writeStartElement(QStringLiteral("w:t"));
        x.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        x.writeCharacters(pieces[i]);
        x.writeEndElement();
    }
    x.writeEndElement();
}

void DocxWriter::writeParagraph(QXmlStreamWriter &x, const Paragraph &p, const Section &section,
                                bool pageBreak, bool inCell)
{
    Q_UNUSED(section);
    x.writeStartElement(QStringLiteral("w:p"));
    x.writeStartElement(QStringLiteral("w:pPr"));
    if (p.headingLevel > 0) {
        x.writeEmptyElement(QStringLiteral("w:pStyle"));
        x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("Heading%1").arg(p.headingLevel));
    } else if (p.list != ListKind::None) {
        x.writeEmptyElement(QStringLiteral("w:pStyle"));
        x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("ListParagraph"));
    }
    if (pageBreak)
        x.writeEmptyElement(QStringLiteral("w:pageBreakBefore"));
    if (p.list != ListKind::None && p.headingLevel == 0) {
        x.writeStartElement(QStringLiteral("w:numPr"));
        x.writeEmptyElement(QStringLiteral("w:ilvl"));
        x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("0"));
        x.writeEmptyElement(QStringLiteral("w:numId"));
        x.writeAttribute(QStringLiteral("w:val"), QString::number(numberingFor(p)));
        x.writeEndElement();
    } else {
        m_previousWasNumbered = false;
    }
    if (!p.tabs.isEmpty()) {
        x.writeStartElement(QStringLiteral("w:tabs"));
        for (const TabStop &stop : p.tabs) {
            x.writeEmptyElement(QStringLiteral("w:tab"));
            x.writeAttribute(QStringLiteral("w:val"),
                             stop.right ? QStringLiteral("right") : QStringLiteral("left"));
            x.writeAttribute(QStringLiteral("w:pos"),
                             QString::number(twips(std::max(0.0, stop.position))));
        }
        x.writeEndElement();
    }
    x.writeEmptyElement(QStringLiteral("w:spacing"));
    x.writeAttribute(QStringLiteral("w:before"),
                     QString::number(inCell ? 0 : twips(p.spaceBefore)));
    x.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
    if (p.pitch > 0) {
        x.writeAttribute(QStringLiteral("w:line"), QString::number(twips(p.pitch)));
        // Exact: each line takes the room it took on the page, whatever font stands in.
        x.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("exact"));
    }
    if (!inCell || p.firstIndent != 0) {
        x.writeEmptyElement(QStringLiteral("w:ind"));
        const double indent = inCell ? 0 : p.indent;
        double first = p.firstIndent;
        if (p.align == Align::Center || p.align == Align::Right)
            first = 0;
        x.writeAttribute(QStringLiteral("w:left"), QString::number(twips(indent)));
        x.writeAttribute(QStringLiteral("w:right"), QStringLiteral("0"));
        if (first < 0)
            x.writeAttribute(QStringLiteral("w:hanging"),
                             QString::number(twips(std::min(-first, indent))));
        else
            x.writeAttribute(QStringLiteral("w:firstLine"), QString::number(twips(first)));
    }
    if (p.align != Align::Left) {
        x.writeEmptyElement(QStringLiteral("w:jc"));
        x.writeAttribute(QStringLiteral("w:val"),
                         p.align == Align::Center  ? QStringLiteral("center")
                         : p.align == Align::Right ? QStringLiteral("right")
                                                   : QStringLiteral("both"));
    }
    x.writeEndElement(); // pPr
    int skip = (p.list != ListKind::None && p.headingLevel == 0) ? p.listMarkerLength : 0;
    for (const Run &run : p.runs) {
        QString text = run.text;
        if (skip > 0) {
            const int cut = std::min<int>(skip, int(text.size()));
            text = text.mid(cut);
            skip -= cut;
        }
        writeRun(x, run, text);
    }
    x.writeEndElement(); // p
}

void DocxWriter::writeImage(QXmlStreamWriter &x, const Image &image, const Section &section,
                            bool pageBreak, double spaceBefore)
{
    const double textWidth = section.size.width() - section.margins.left - section.margins.right;
    const double textHeight = section.size.height() - section.margins.top - section.margins.bottom;
    double w = image.box.width();
    double h = image.box.height();
    const double scale = std::min({1.0, textWidth / w, (textHeight - 2) / h});
    w *= scale;
    h *= scale;
    const double indent = std::clamp(image.box.left() - section.margins.left, 0.0, textWidth - w);

    const int id = ++m_drawingId;
    const QString name = QStringLiteral("image%1.%2").arg(id).arg(image.suffix);
    m_media.append({name, image.data});
    x.writeStartElement(QStringLiteral("w:p"));
    x.writeStartElement(QStringLiteral("w:pPr"));
    if (pageBreak)
        x.writeEmptyElement(QStringLiteral("w:pageBreakBefore"));
    x.writeEmptyElement(QStringLiteral("w:spacing"));
    x.writeAttribute(QStringLiteral("w:before"), QString::number(twips(spaceBefore)));
    x.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
    x.writeEmptyElement(QStringLiteral("w:ind"));
    x.writeAttribute(QStringLiteral("w:left"), QString::number(twips(indent)));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("w:r"));
    x.writeStartElement(QStringLiteral("w:drawing"));
    x.writeStartElement(QStringLiteral("wp:inline"));
    for (const char *d : {"distT", "distB", "distL", "distR"})
        x.writeAttribute(QLatin1String(d), QStringLiteral("0"));
    x.writeEmptyElement(QStringLiteral("wp:extent"));
    x.writeAttribute(QStringLiteral("cx"), QString::number(emu(w)));
    x.writeAttribute(QStringLiteral("cy"), QString::number(emu(h)));
    x.writeEmptyElement(QStringLiteral("wp:docPr"));
    x.writeAttribute(QStringLiteral("id"), QString::number(id));
    x.writeAttribute(QStringLiteral("name"), QStringLiteral("Picture %1").arg(id));
    x.writeStartElement(QStringLiteral("wp:cNvGraphicFramePr"));
    x.writeEmptyElement(QStringLiteral("a:graphicFrameLocks"));
    x.writeAttribute(QStringLiteral("noChangeAspect"), QStringLiteral("1"));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("a:graphic"));
    x.writeStartElement(QStringLiteral("a:graphicData"));
    x.writeAttribute(QStringLiteral("uri"),
                     QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture"));
    x.writeStartElement(QStringLiteral("pic:pic"));
    x.writeStartElement(QStringLiteral("pic:nvPicPr"));
    x.writeEmptyElement(QStringLiteral("pic:cNvPr"));
    x.writeAttribute(QStringLiteral("id"), QString::number(id));
    x.writeAttribute(QStringLiteral("name"), name);
    x.writeEmptyElement(QStringLiteral("pic:cNvPicPr"));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("pic:blipFill"));
    x.writeEmptyElement(QStringLiteral("a:blip"));
    x.writeAttribute(QStringLiteral("r:embed"), QStringLiteral("rIdImage%1").arg(id));
    x.writeStartElement(QStringLiteral("a:stretch"));
    x.writeEmptyElement(QStringLiteral("a:fillRect"));
    x.writeEndElement();
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("pic:spPr"));
    x.writeStartElement(QStringLiteral("a:xfrm"));
    x.writeEmptyElement(QStringLiteral("a:off"));
    x.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
    x.writeEmptyElement(QStringLiteral("a:ext"));
    x.writeAttribute(QStringLiteral("cx"), QString::number(emu(w)));
    x.writeAttribute(QStringLiteral("cy"), QString::number(emu(h)));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("a:prstGeom"));
    x.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    x.writeEmptyElement(QStringLiteral("a:avLst"));
    x.writeEndElement();
    x.writeEndElement(); // spPr
    x.writeEndElement(); // pic
    x.writeEndElement(); // graphicData
    x.writeEndElement(); // graphic
    x.writeEndElement(); // inline
    x.writeEndElement(); // drawing
    x.writeEndElement(); // r
    x.writeEndElement(); // p
}

void DocxWriter::writeTable(QXmlStreamWriter &x, const Table &table, const Section &section,
                            bool pageBreak)
{
    if (pageBreak) {
        x.writeStartElement(QStringLiteral("w:p"));
        x.writeStartElement(QStringLiteral("w:pPr"));
        x.writeEmptyElement(QStringLiteral("w:pageBreakBefore"));
        x.writeEmptyElement(QStringLiteral("w:spacing"));
        x.writeAttribute(QStringLiteral("w:before"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("w:line"), QStringLiteral("20"));
        x.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("exact"));
        x.writeEndElement();
        x.writeEndElement();
    }
    const qsizetype columns = table.columns.size() - 1;
    const qsizetype rows = table.rows.size() - 1;
    // Which cell each grid place belongs to.
    QList<int> owner(columns * rows, -1);
    for (qsizetype k = 0; k < table.cells.size(); ++k) {
        const Cell &c = table.cells[k];
        for (int r = c.row; r < c.row + c.rowSpan; ++r)
            for (int col = c.column; col < c.column + c.columnSpan; ++col)
                owner[r * columns + col] = int(k);
    }
    const double textWidth = section.size.width() - section.margins.left - section.margins.right;
    const double scale = std::min(1.0, textWidth / std::max(1.0, table.box.width()));
    auto columnWidth = [&](int from, int span) {
        return twips((table.columns[from + span] - table.columns[from]) * scale);
    };
    x.writeStartElement(QStringLiteral("w:tbl"));
    x.writeStartElement(QStringLiteral("w:tblPr"));
    x.writeEmptyElement(QStringLiteral("w:tblStyle"));
    x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("TableGrid"));
    x.writeEmptyElement(QStringLiteral("w:tblW"));
    x.writeAttribute(QStringLiteral("w:w"), QString::number(twips(table.box.width() * scale)));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    x.writeEmptyElement(QStringLiteral("w:tblInd"));
    x.writeAttribute(
        QStringLiteral("w:w"),
        QString::number(twips(std::clamp(table.box.left() - section.margins.left, 0.0,
                                         std::max(0.0, textWidth - table.box.width() * scale)))));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    x.writeEmptyElement(QStringLiteral("w:tblLayout"));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("fixed"));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("w:tblGrid"));
    for (int c = 0; c < columns; ++c) {
        x.writeEmptyElement(QStringLiteral("w:gridCol"));
        x.writeAttribute(QStringLiteral("w:w"), QString::number(columnWidth(c, 1)));
    }
    x.writeEndElement();
    for (int r = 0; r < rows; ++r) {
        x.writeStartElement(QStringLiteral("w:tr"));
        x.writeStartElement(QStringLiteral("w:trPr"));
        x.writeEmptyElement(QStringLiteral("w:trHeight"));
        x.writeAttribute(QStringLiteral("w:val"),
                         QString::number(twips(table.rows[r + 1] - table.rows[r])));
        x.writeAttribute(QStringLiteral("w:hRule"), QStringLiteral("atLeast"));
        x.writeEndElement();
        for (int c = 0; c < columns;) {
            const int k = owner[r * columns + c];
            const Cell *cell = k >= 0 ? &table.cells[k] : nullptr;
            const int span = cell ? cell->columnSpan : 1;
            x.writeStartElement(QStringLiteral("w:tc"));
            x.writeStartElement(QStringLiteral("w:tcPr"));
            x.writeEmptyElement(QStringLiteral("w:tcW"));
            x.writeAttribute(QStringLiteral("w:w"), QString::number(columnWidth(c, span)));
            x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
            if (span > 1) {
                x.writeEmptyElement(QStringLiteral("w:gridSpan"));
                x.writeAttribute(QStringLiteral("w:val"), QString::number(span));
            }
            const bool continuation = cell && cell->row != r;
            if (cell && cell->rowSpan > 1) {
                x.writeEmptyElement(QStringLiteral("w:vMerge"));
                if (!continuation)
                    x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("restart"));
            }
            x.writeEndElement();
            bool wrote = false;
            if (cell && !continuation) {
                for (const Paragraph &p : cell->paragraphs) {
                    writeParagraph(x, p, section, false, true);
                    wrote = true;
                }
            }
            if (!wrote)
                x.writeEmptyElement(QStringLiteral("w:p"));
            x.writeEndElement(); // tc
            c += span;
        }
        x.writeEndElement(); // tr
    }
    x.writeEndElement(); // tbl
}

QByteArray DocxWriter::documentXml()
{
    QByteArray bytes;
    QXmlStreamWriter x(&bytes);
    x.writeStartDocument(QStringLiteral("1.0"), true);
    x.writeStartElement(QStringLiteral("w:document"));
    x.writeAttribute(QStringLiteral("xmlns:w"), QLatin1String(kW));
    x.writeAttribute(QStringLiteral("xmlns:r"), QLatin1String(kR));
    x.writeAttribute(
        QStringLiteral("xmlns:wp"),
        QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"));
    x.writeAttribute(QStringLiteral("xmlns:a"),
                     QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main"));
    x.writeAttribute(QStringLiteral("xmlns:pic"),
                     QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture"));
    x.writeStartElement(QStringLiteral("w:body"));
    int section = 0;
    const Item *previous = nullptr;
    for (const FlowItem &flow : m_flow) {
        if (flow.section != section) {
            // The section ends with a paragraph that carries its properties.
            x.writeStartElement(QStringLiteral("w:p"));
            x.writeStartElement(QStringLiteral("w:pPr"));
            writeSectionProperties(x, m_sections[section], false);
            x.writeEndElement();
            x.writeEndElement();
            section = flow.section;
        }
        const Section &s = m_sections[section];
        if (!flow.item) {
            x.writeStartElement(QStringLiteral("w:p"));
            x.writeStartElement(QStringLiteral("w:pPr"));
            if (flow.pageBreak)
                x.writeEmptyElement(QStringLiteral("w:pageBreakBefore"));
            x.writeEndElement();
            x.writeEndElement();
            previous = nullptr;
            continue;
        }
        if (const auto *p = std::get_if<Paragraph>(flow.item)) {
            writeParagraph(x, flow.useMerged ? flow.merged : *p, s, flow.pageBreak, false);
        } else if (const auto *image = std::get_if<Image>(flow.item)) {
            double space = 0;
            if (previous && !flow.pageBreak) {
                QRectF box;
                if (const auto *pp = std::get_if<Paragraph>(previous))
                    box = pp->box;
                else if (const auto *pi = std::get_if<Image>(previous))
                    box = pi->box;
                else
                    box = std::get<Table>(*previous).box;
                space = std::clamp(image->box.top() - box.bottom(), 0.0, 72.0);
            }
            writeImage(x, *image, s, flow.pageBreak, space);
        } else {
            writeTable(x, std::get<Table>(*flow.item), s, flow.pageBreak);
        }
        previous = flow.item;
    }
    if (m_flow.empty())
        x.writeEmptyElement(QStringLiteral("w:p"));
    writeSectionProperties(x, m_sections[section], true);
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    return bytes;
}

QByteArray DocxWriter::stylesXml() const
{
    QByteArray bytes;
    QXmlStreamWriter x(&bytes);
    x.writeStartDocument(QStringLiteral("1.0"), true);
    x.writeStartElement(QStringLiteral("w:styles"));
    x.writeAttribute(QStringLiteral("xmlns:w"), QLatin1String(kW));
    const QString family =
        m_document.bodyFamily.isEmpty() ? QStringLiteral("Times New Roman") : m_document.bodyFamily;
    const QString size = QString::number(std::max(2, int(std::lround(m_document.bodySize * 2))));
    x.writeStartElement(QStringLiteral("w:docDefaults"));
    x.writeStartElement(QStringLiteral("w:rPrDefault"));
    x.writeStartElement(QStringLiteral("w:rPr"));
    x.writeEmptyElement(QStringLiteral("w:rFonts"));
    for (const char *slot : {"w:ascii", "w:hAnsi", "w:cs", "w:eastAsia"})
        x.writeAttribute(QLatin1String(slot), family);
    x.writeEmptyElement(QStringLiteral("w:sz"));
    x.writeAttribute(QStringLiteral("w:val"), size);
    x.writeEmptyElement(QStringLiteral("w:szCs"));
    x.writeAttribute(QStringLiteral("w:val"), size);
    x.writeEndElement();
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("w:pPrDefault"));
    x.writeStartElement(QStringLiteral("w:pPr"));
    x.writeEmptyElement(QStringLiteral("w:spacing"));
    x.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:line"), QStringLiteral("240"));
    x.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("auto"));
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndElement(); // docDefaults

    auto style = [&](const QString &type, const QString &id, const QString &name, bool isDefault,
                     const std::function<void()> &body) {
        x.writeStartElement(QStringLiteral("w:style"));
        x.writeAttribute(QStringLiteral("w:type"), type);
        if (isDefault)
            x.writeAttribute(QStringLiteral("w:default"), QStringLiteral("1"));
        x.writeAttribute(QStringLiteral("w:styleId"), id);
        x.writeEmptyElement(QStringLiteral("w:name"));
        x.writeAttribute(QStringLiteral("w:val"), name);
        if (body)
            body();
        x.writeEndElement();
    };
    style(QStringLiteral("paragraph"), QStringLiteral("Normal"), QStringLiteral("Normal"), true,
          {});
    style(QStringLiteral("character"), QStringLiteral("DefaultParagraphFont"),
          QStringLiteral("Default Paragraph Font"), true, {});
    for (int level = 1; level <= 6; ++level) {
        style(QStringLiteral("paragraph"), QStringLiteral("Heading%1").arg(level),
              QStringLiteral("heading %1").arg(level), false, [&] {
                  x.writeEmptyElement(QStringLiteral("w:basedOn"));
                  x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("Normal"));
                  x.writeEmptyElement(QStringLiteral("w:next"));
                  x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("Normal"));
                  x.writeEmptyElement(QStringLiteral("w:qFormat"));
                  x.writeStartElement(QStringLiteral("w:pPr"));
                  x.writeEmptyElement(QStringLiteral("w:keepNext"));
                  x.writeEmptyElement(QStringLiteral("w:outlineLvl"));
                  x.writeAttribute(QStringLiteral("w:val"), QString::number(level - 1));
                  x.writeEndElement();
                  x.writeStartElement(QStringLiteral("w:rPr"));
                  x.writeEmptyElement(QStringLiteral("w:b"));
                  x.writeEndElement();
              });
    }
    style(QStringLiteral("paragraph"), QStringLiteral("ListParagraph"),
          QStringLiteral("List Paragraph"), false, [&] {
              x.writeEmptyElement(QStringLiteral("w:basedOn"));
              x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("Normal"));
          });
    style(QStringLiteral("table"), QStringLiteral("TableGrid"), QStringLiteral("Table Grid"), false,
          [&] {
              x.writeStartElement(QStringLiteral("w:tblPr"));
              x.writeStartElement(QStringLiteral("w:tblBorders"));
              for (const char *edge :
                   {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
                  x.writeEmptyElement(QLatin1String(edge));
                  x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("single"));
                  x.writeAttribute(QStringLiteral("w:sz"), QStringLiteral("4"));
                  x.writeAttribute(QStringLiteral("w:space"), QStringLiteral("0"));
                  x.writeAttribute(QStringLiteral("w:color"), QStringLiteral("000000"));
              }
              x.writeEndElement();
              x.writeStartElement(QStringLiteral("w:tblCellMar"));
              for (const char *edge : {"w:left", "w:right"}) {
                  x.writeEmptyElement(QLatin1String(edge));
                  x.writeAttribute(QStringLiteral("w:w"), QStringLiteral("57"));
                  x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
              }
              x.writeEndElement();
              x.writeEndElement();
          });
    x.writeEndElement();
    x.writeEndDocument();
    return bytes;
}

QByteArray DocxWriter::numberingXml() const
{
    QByteArray bytes;
    QXmlStreamWriter x(&bytes);
    x.writeStartDocument(QStringLiteral("1.0"), true);
    x.writeStartElement(QStringLiteral("w:numbering"));
    x.writeAttribute(QStringLiteral("xmlns:w"), QLatin1String(kW));
    auto abstract = [&](int id, const QString &format, const QString &text) {
        x.writeStartElement(QStringLiteral("w:abstractNum"));
        x.writeAttribute(QStringLiteral("w:abstractNumId"), QString::number(id));
        x.writeStartElement(QStringLiteral("w:lvl"));
        x.writeAttribute(QStringLiteral("w:ilvl"), QStringLiteral("0"));
        x.writeEmptyElement(QStringLiteral("w:start"));
        x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("1"));
        x.writeEmptyElement(QStringLiteral("w:numFmt"));
        x.writeAttribute(QStringLiteral("w:val"), format);
        x.writeEmptyElement(QStringLiteral("w:lvlText"));
        x.writeAttribute(QStringLiteral("w:val"), text);
        x.writeEmptyElement(QStringLiteral("w:lvlJc"));
        x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("left"));
        x.writeStartElement(QStringLiteral("w:pPr"));
        x.writeEmptyElement(QStringLiteral("w:ind"));
        x.writeAttribute(QStringLiteral("w:left"), QStringLiteral("720"));
        x.writeAttribute(QStringLiteral("w:hanging"), QStringLiteral("360"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
    };
    abstract(0, QStringLiteral("bullet"), QString(QChar(0x2022)));
    abstract(1, QStringLiteral("decimal"), QStringLiteral("%1."));
    abstract(2, QStringLiteral("decimal"), QStringLiteral("%1)"));
    auto num = [&](int id, int abstractId, int start) {
        x.writeStartElement(QStringLiteral("w:num"));
        x.writeAttribute(QStringLiteral("w:numId"), QString::number(id));
        x.writeEmptyElement(QStringLiteral("w:abstractNumId"));
        x.writeAttribute(QStringLiteral("w:val"), QString::number(abstractId));
        if (start > 0) {
            x.writeStartElement(QStringLiteral("w:lvlOverride"));
            x.writeAttribute(QStringLiteral("w:ilvl"), QStringLiteral("0"));
            x.writeEmptyElement(QStringLiteral("w:startOverride"));
            x.writeAttribute(QStringLiteral("w:val"), QString::number(start));
            x.writeEndElement();
        }
        x.writeEndElement();
    };
    num(1, 0, 0);
    for (const NumberedList &list : m_numbered)
        num(list.id, list.delimiter == u')' ? 2 : 1, list.start);
    x.writeEndElement();
    x.writeEndDocument();
    return bytes;
}

QByteArray DocxWriter::relationshipsXml() const
{
    QByteArray bytes;
    QXmlStreamWriter x(&bytes);
    x.writeStartDocument(QStringLiteral("1.0"), true);
    x.writeStartElement(QStringLiteral("Relationships"));
    x.writeAttribute(
        QStringLiteral("xmlns"),
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships"));
    auto rel = [&](const QString &id, const QString &type, const QString &target) {
        x.writeEmptyElement(QStringLiteral("Relationship"));
        x.writeAttribute(QStringLiteral("Id"), id);
        x.writeAttribute(
            QStringLiteral("Type"),
            QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/") +
                type);
        x.writeAttribute(QStringLiteral("Target"), target);
    };
    rel(QStringLiteral("rIdStyles"), QStringLiteral("styles"), QStringLiteral("styles.xml"));
    rel(QStringLiteral("rIdNumbering"), QStringLiteral("numbering"),
        QStringLiteral("numbering.xml"));
    rel(QStringLiteral("rIdSettings"), QStringLiteral("settings"), QStringLiteral("settings.xml"));
    for (qsizetype i = 0; i < m_media.size(); ++i)
        rel(QStringLiteral("rIdImage%1").arg(i + 1), QStringLiteral("image"),
            QStringLiteral("media/") + m_media[i].name);
    x.writeEndElement();
    x.writeEndDocument();
    return bytes;
}

QByteArray DocxWriter::contentTypesXml() const
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Default Extension=\"png\" ContentType=\"image/png\"/>"
        "<Default Extension=\"jpeg\" ContentType=\"image/jpeg\"/>"
        "<Override PartName=\"/word/document.xml\" "
        "ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "<Override PartName=\"/word/styles.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/"
        ">"
        "<Override PartName=\"/word/numbering.xml\" "
        "ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml\"/>"
        "<Override PartName=\"/word/settings.xml\" "
        "ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
        "<Override PartName=\"/docProps/core.xml\" "
        "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
        "</Types>");
}

bool DocxWriter::write(QByteArray *bytes, QString *error)
{
    planSections();
    planFlow();
    const QByteArray document = documentXml();
    OfficePackage package;
    const QByteArray rootRels = QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "officeDocument\" Target=\"word/document.xml\"/>"
        "<Relationship Id=\"rId2\" "
        "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
        "core-properties\" Target=\"docProps/core.xml\"/>"
        "</Relationships>");
    const QByteArray settings = QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:defaultTabStop w:val=\"720\"/><w:compat><w:compatSetting w:name=\"compatibilityMode\" "
        "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
        "</w:settings>");
    const QByteArray core = QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<cp:coreProperties "
        "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
        "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:creator>Velmora</dc:creator>"
        "</cp:coreProperties>");
    bool ok = package.add(QStringLiteral("[Content_Types].xml"), contentTypesXml()) &&
              package.add(QStringLiteral("_rels/.rels"), rootRels) &&
              package.add(QStringLiteral("docProps/core.xml"), core) &&
              package.add(QStringLiteral("word/document.xml"), document) &&
              package.add(QStringLiteral("word/styles.xml"), stylesXml()) &&
              package.add(QStringLiteral("word/numbering.xml"), numberingXml()) &&
              package.add(QStringLiteral("word/settings.xml"), settings) &&
              package.add(QStringLiteral("word/_rels/document.xml.rels"), relationshipsXml());
    for (const Media &media : std::as_const(m_media))
        ok = ok && package.add(QStringLiteral("word/media/") + media.name, media.data);
    if (!ok) {
        *error = QStringLiteral("the document could not be packed");
        return false;
    }
    return package.finish(bytes, error);
}

} // namespace

bool writeDocx(const Document &document, QByteArray *bytes, QString *error)
{
    DocxWriter writer(document);
    return writer.write(bytes, error);
}

} // namespace officewriters
