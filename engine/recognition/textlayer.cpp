#include "textlayer.h"

#include <QHash>
#include <QLineF>
#include <QRectF>
#include <QTextBoundaryFinder>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QUtil.hh>

#include <algorithm>
#include <string>

namespace textlayer {
namespace {

// Every glyph is half an em wide and draws nothing; words are stretched to their boxes with the
// horizontal scaling, so one width fits every script.
constexpr int kGlyphWidth = 500;
constexpr int kCodesPerFont = 256;

std::string number(double value)
{
    const std::string text = QUtil::double_to_string(value, 3, true);
    return text == "-0" ? "0" : text;
}

std::string hexByte(int code)
{
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(code >> 4) & 15], digits[code & 15]};
}

std::string utf16Hex(const QString &text)
{
    std::string hex;
    for (const QChar c : text) {
        hex += hexByte(c.unicode() >> 8);
        hex += hexByte(c.unicode() & 0xff);
    }
    return hex;
}

QStringList clusters(const QString &word)
{
    QStringList parts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        if (end > start)
            parts.append(word.mid(start, end - start));
        start = end;
    }
    return parts;
}

bool isRightToLeft(const QString &word)
{
    for (const QChar c : word) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
            return true;
        case QChar::DirL:
            return false;
        default:
            break;
        }
    }
    return false;
}

// Codes are handed out per page; each font holds 256 of them.
struct Codes
{
    QHash<QString, int> byCluster;
    QStringList clusters;

    int codeOf(const QString &cluster)
    {
        const auto found = byCluster.constFind(cluster);
        if (found != byCluster.constEnd())
            return *found;
        const int code = int(clusters.size());
        clusters.append(cluster);
        byCluster.insert(cluster, code);
        return code;
    }
};

std::string toUnicode(const Codes &codes, int font)
{
    std::string cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                       "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                       "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                       "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
    const int first = font * kCodesPerFont;
    const int last = std::min(int(codes.clusters.size()), first + kCodesPerFont);
    for (int block = first; block < last; block += 100) {
        const int end = std::min(last, block + 100);
        cmap += std::to_string(end - block) + " beginbfchar\n";
        for (int code = block; code < end; ++code)
            cmap += "<" + hexByte(code - first) + "> <" + utf16Hex(codes.clusters.at(code)) + ">\n";
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return cmap;
}

QPDFObjectHandle makeFont(QPDF &pdf, const Writer::Shared &shared, const Codes &codes, int font)
{
    QPDFObjectHandle dict = QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type3 /FontBBox [0 -250 500 750] "
        "/FontMatrix [0.001 0 0 0.001 0 0] /FirstChar 0 /LastChar 255 /Resources << >> >>");
    dict.replaceKey("/CharProcs", shared.charProcs);
    dict.replaceKey("/Encoding", shared.encoding);
    dict.replaceKey("/Widths", shared.widths);
    dict.replaceKey("/ToUnicode", QPDFObjectHandle::newStream(&pdf, toUnicode(codes, font)));
    return pdf.makeIndirectObject(dict);
}

// The font and size set last in the layer's content.
struct TextState
{
    int font = -1;
    std::string size;
};

std::string showCodes(const QList<int> &codes, TextState *state, double size)
{
    std::string out;
    std::string run;
    const std::string sizeText = number(size);
    for (const int code : codes) {
        const int wanted = code / kCodesPerFont;
        if (wanted != state->font || sizeText != state->size) {
            if (!run.empty())
                out += "<" + run + "> Tj\n";
            run.clear();
            state->font = wanted;
            state->size = sizeText;
            out += "/F" + std::to_string(wanted) + " " + sizeText + " Tf\n";
        }
        run += hexByte(code % kCodesPerFont);
    }
    if (!run.empty())
        out += "<" + run + "> Tj\n";
    return out;
}

// A name for the layer that the page's XObjects do not use yet.
std::string freeName(QPDFObjectHandle xobjects)
{
    std::string name = "/VelmoraText";
    for (int n = 1; xobjects.hasKey(name); ++n)
        name = "/VelmoraText" + std::to_string(n);
    return name;
}

} // namespace

Writer::Writer(QPDF &pdf)
    : m_pdf(pdf)
{
    QPDFObjectHandle glyph =
        QPDFObjectHandle::newStream(&pdf, std::to_string(kGlyphWidth) + " 0 d0\n");
    QPDFObjectHandle procs = QPDFObjectHandle::newDictionary();
    procs.replaceKey("/g", glyph);
    m_shared.charProcs = pdf.makeIndirectObject(procs);
    QPDFObjectHandle differences = QPDFObjectHandle::newArray();
    differences.appendItem(QPDFObjectHandle::newInteger(0));
    QPDFObjectHandle widths = QPDFObjectHandle::newArray();
    for (int i = 0; i < kCodesPerFont; ++i) {
        differences.appendItem(QPDFObjectHandle::newName("/g"));
        widths.appendItem(QPDFObjectHandle::newInteger(kGlyphWidth));
    }
    QPDFObjectHandle encoding = QPDFObjectHandle::newDictionary();
    encoding.replaceKey("/Type", QPDFObjectHandle::newName("/Encoding"));
    encoding.replaceKey("/Differences", differences);
    m_shared.encoding = pdf.makeIndirectObject(encoding);
    m_shared.widths = pdf.makeIndirectObject(widths);
}

void Writer::addToPage(QPDFObjectHandle page, const textrecognition::PageText &text)
{
    QPDF &pdf = m_pdf;
    if (text.words.isEmpty())
        return;
    Codes codes;
    std::string content = "BT\n3 Tr\n";
    TextState state;
    const int space = codes.codeOf(QStringLiteral(" "));
    QRectF bounds;
    for (qsizetype i = 0; i < text.words.size(); ++i) {
        const textrecognition::Word &word = text.words.at(i);
        QStringList parts = clusters(word.text);
        if (parts.isEmpty() || word.size <= 0)
            continue;
        // Scans show right-to-left words in visual order; readers put them back.
        if (isRightToLeft(word.text))
            std::reverse(parts.begin(), parts.end());
        const QLineF baseline(word.origin, word.end);
        double length = std::max(baseline.length(), 0.01);
        const double ux = (word.end.x() - word.origin.x()) / length;
        const double uy = (word.end.y() - word.origin.y()) / length;
        if (word.joinsNext && i + 1 < text.words.size()) {
            // Characters of one run of CJK text: the word reaches the next, so that readers see
            // no gap to take for a space.
            const QPointF next = text.words.at(i + 1).origin - word.origin;
            length = std::max(length, next.x() * ux + next.y() * uy);
        }
        QList<int> wordCodes;
        for (const QString &part : std::as_const(parts))
            wordCodes.append(codes.codeOf(part));
        const double advance = word.size * kGlyphWidth / 1000.0;
        const double scale = 100.0 * length / (advance * double(wordCodes.size()));
        content += number(ux) + " " + number(uy) + " " + number(-uy) + " " + number(ux) + " " +
                   number(word.origin.x()) + " " + number(word.origin.y()) + " Tm\n";
        content += number(scale) + " Tz\n";
        content += showCodes(wordCodes, &state, word.size);
        if (word.spaceAfter && i + 1 < text.words.size()) {
            // The space reaches the next word, so a copied line reads as it is printed.
            const QPointF next = text.words.at(i + 1).origin - word.end;
            const double gap = next.x() * ux + next.y() * uy;
            const double spaceScale = 100.0 * std::max(gap, 0.05 * word.size) / advance;
            content += number(spaceScale) + " Tz\n";
            content += showCodes({space}, &state, word.size);
        }
        bounds |= QRectF(word.origin, word.end)
                      .normalized()
                      .adjusted(-word.size, -word.size, word.size, word.size);
    }
    content += "ET\n";

    QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
    const int fontCount = int((codes.clusters.size() + kCodesPerFont - 1) / kCodesPerFont);
    for (int f = 0; f < fontCount; ++f)
        fonts.replaceKey("/F" + std::to_string(f), makeFont(pdf, m_shared, codes, f));
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/Font", fonts);
    QPDFObjectHandle form = QPDFObjectHandle::newStream(&pdf, content);
    QPDFObjectHandle formDict = form.getDict();
    formDict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    formDict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
    formDict.replaceKey("/BBox",
                        QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                            bounds.left(), bounds.top(), bounds.right(), bounds.bottom())));
    formDict.replaceKey("/Resources", resources);

    // Resources may be inherited or shared with other pages: this page gets its own copy.
    QPDFPageObjectHelper helper(page);
    QPDFObjectHandle pageResources = helper.getAttribute("/Resources", true);
    if (!pageResources.isDictionary()) {
        pageResources = QPDFObjectHandle::newDictionary();
        page.replaceKey("/Resources", pageResources);
    }
    QPDFObjectHandle xobjects = pageResources.getKey("/XObject");
    if (!xobjects.isDictionary())
        xobjects = QPDFObjectHandle::newDictionary();
    else
        xobjects = xobjects.shallowCopy();
    pageResources.replaceKey("/XObject", xobjects);
    const std::string name = freeName(xobjects);
    xobjects.replaceKey(name, form);
    helper.addPageContents(QPDFObjectHandle::newStream(&pdf, "q " + name + " Do Q\n"), true);
}

} // namespace textlayer
