#include "annotationwriter.h"
#include "unicodeface.h"

#include <QString>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>

namespace annotationwriter {
namespace {

using Handle = QPDFObjectHandle;

enum class Face { Helvetica, Unicode, Cjk, None };

// The byte WinAnsiEncoding gives c, or -1.
int winAnsiCode(char32_t c)
{
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    static const std::pair<char32_t, int> beyondLatin1[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
        {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
        {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
        {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
        {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
        {0x017E, 0x9E}, {0x0178, 0x9F}};
    for (const auto &[unicode, code] : beyondLatin1)
        if (unicode == c)
            return code;
    return -1;
}

// Scripts set in the CJK font: ideographs, kana, hangul, bopomofo, CJK punctuation and the
// full-width forms.
bool isCjk(char32_t c)
{
    static const std::pair<char32_t, char32_t> ranges[] = {
        {0x1100, 0x11FF}, {0x2E80, 0x2FFF}, {0x3000, 0x33FF},  {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF}, {0xA960, 0xA97F}, {0xAC00, 0xD7AF},  {0xF900, 0xFAFF},
        {0xFE30, 0xFE4F}, {0xFF00, 0xFFEF}, {0x20000, 0x3FFFF}};
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const auto &range) { return c >= range.first && c <= range.second; });
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

Face faceOf(char32_t c, const UnicodeFace *face)
{
    if (c == u'\t')
        return Face::Helvetica;
    if (isControl(c))
        return Face::None;
    if (winAnsiCode(c) >= 0)
        return Face::Helvetica;
    if (face && face->holds(c))
        return Face::Unicode;
    return Face::Cjk;
}

std::string hex4(unsigned value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toStdString();
}

} // namespace

// A line of text shown in runs: what WinAnsiEncoding has in Helvetica, the characters of face
// in it, the rest in a CJK font readers supply.
std::string textRuns(const QString &line, double size, const UnicodeFace *face)
{
    const QString sizeText = QString::number(size, 'f', 3);
    QString trimmed = sizeText;
    while (trimmed.contains(u'.') && (trimmed.endsWith(u'0') || trimmed.endsWith(u'.')))
        trimmed.chop(1);
    const std::string points = trimmed.toStdString();

    const QList<uint> characters = QStringView(line).toUcs4();
    std::string out;
    qsizetype i = 0;
    while (i < characters.size()) {
        const Face kind = faceOf(characters.at(i), face);
        qsizetype end = i;
        while (end < characters.size() && faceOf(characters.at(end), face) == kind)
            ++end;
        switch (kind) {
        case Face::Helvetica: {
            std::string bytes = "(";
            for (qsizetype k = i; k < end; ++k) {
                const int code = characters.at(k) == u'\t' ? 0x20 : winAnsiCode(characters.at(k));
                if (code == '(' || code == ')' || code == '\\')
                    bytes += '\\';
                if (code >= 0x80)
                    bytes += "\\" + QString::number(code, 8).toStdString();
                else
                    bytes += char(code);
            }
            out += "/Helv " + points + " Tf " + bytes + ") Tj\n";
            break;
        }
        case Face::Unicode: {
            std::string hex;
            for (qsizetype k = i; k < end; ++k)
                hex += face->hexCode(characters.at(k));
            out += "/Uni " + points + " Tf <" + hex + "> Tj\n";
            break;
        }
        case Face::Cjk: {
            // UTF-16 code units, high byte first.
            std::string hex;
            const QString run = QString::fromUcs4(
                reinterpret_cast<const char32_t *>(characters.constData() + i), end - i);
            for (const QChar c : run)
                hex += hex4(c.unicode());
            out += "/CJK " + points + " Tf <" + hex + "> Tj\n";
            break;
        }
        case Face::None:
            break;
        }
        i = end;
    }
    return out;
}

bool needsCjk(const QString &text, const UnicodeFace *face)
{
    const QList<uint> characters = QStringView(text).toUcs4();
    return std::any_of(characters.cbegin(), characters.cend(),
                       [face](uint c) { return faceOf(c, face) == Face::Cjk; });
}

std::set<char32_t> faceCharacters(const QString &text)
{
    std::set<char32_t> wanted;
    for (const uint c : QStringView(text).toUcs4())
        if (faceOf(c, nullptr) == Face::Cjk && !isCjk(c))
            wanted.insert(c);
    return wanted;
}

// Song (Adobe-GB1) by name, not embedded: poppler and MuPDF take a system or built-in face.
Handle cjkFont(QPDF &pdf)
{
    return pdf.makeIndirectObject(cjkFontDictionary());
}

Handle cjkFontDictionary()
{
    return Handle::parse(
        "<< /Type /Font /Subtype /Type0 /BaseFont /STSong-Light /Encoding /UniGB-UTF16-H "
        "/DescendantFonts [ << /Type /Font /Subtype /CIDFontType0 /BaseFont /STSong-Light "
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (GB1) /Supplement 4 >> /DW 1000 "
        "/FontDescriptor << /Type /FontDescriptor /FontName /STSong-Light /Flags 4 "
        "/FontBBox [-25 -254 1000 880] /ItalicAngle 0 /Ascent 880 /Descent -120 "
        "/CapHeight 880 /StemV 80 >> >> ] >>");
}

} // namespace annotationwriter
