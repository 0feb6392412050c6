#include "unicodeface.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <cmath>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;

// The face subsets are cut from, read once for the process and only read afterwards.
struct SystemFace
{
    hb_face_t *face = nullptr;
    hb_font_t *font = nullptr;
    unsigned unitsPerEm = 1000;
    std::string name = "DejaVuSans";
    int bbox[4] = {0, 0, 0, 0};
    int ascent = 0;
    int descent = 0;

    SystemFace()
    {
        const QString file = QStringLiteral("fonts/truetype/dejavu/DejaVuSans.ttf");
        QStringList candidates =
            QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, file);
        candidates << QStringLiteral("/usr/share/") + file
                   << QStringLiteral("/usr/local/share/") + file;
        for (const QString &path : std::as_const(candidates)) {
            hb_blob_t *blob = hb_blob_create_from_file_or_fail(QFile::encodeName(path).constData());
            if (!blob)
                continue;
            hb_face_t *candidate = hb_face_create(blob, 0);
            hb_blob_destroy(blob);
            if (hb_face_get_glyph_count(candidate) > 0) {
                face = candidate;
                break;
            }
            hb_face_destroy(candidate);
        }
        if (!face)
            return;
        hb_face_make_immutable(face);
        unitsPerEm = std::max(1u, hb_face_get_upem(face));
        font = hb_font_create(face);
        hb_font_make_immutable(font);

        char postscript[64] = {};
        unsigned size = sizeof(postscript);
        if (hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size,
                                postscript) > 0 &&
            postscript[0])
            name = postscript;
        hb_blob_t *head = hb_face_reference_table(face, HB_TAG('h', 'e', 'a', 'd'));
        unsigned length = 0;
        const auto *bytes =
            reinterpret_cast<const unsigned char *>(hb_blob_get_data(head, &length));
        if (length >= 44) {
            for (int i = 0; i < 4; ++i)
                bbox[i] = thousandths(int16_t(bytes[36 + 2 * i] << 8 | bytes[37 + 2 * i]));
        }
        hb_blob_destroy(head);
        hb_font_extents_t extents{};
        if (hb_font_get_h_extents(font, &extents)) {
            ascent = thousandths(extents.ascender);
            descent = thousandths(extents.descender);
        }
    }
    ~SystemFace()
    {
        hb_font_destroy(font);
        hb_face_destroy(face);
    }

    int thousandths(double units) const { return int(std::lround(units * 1000.0 / unitsPerEm)); }
};

const SystemFace &systemFace()
{
    static const SystemFace face;
    return face;
}

std::string hex4(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out(4, '0');
    for (int i = 3; i >= 0; --i, value >>= 4)
        out[size_t(i)] = digits[value & 0xF];
    return out;
}

std::string utf16Hex(char32_t c)
{
    if (c < 0x10000)
        return hex4(c);
    const char32_t v = c - 0x10000;
    return hex4(0xD800 + (v >> 10)) + hex4(0xDC00 + (v & 0x3FF));
}

} // namespace

UnicodeFace::UnicodeFace(const std::set<char32_t> &characters)
{
    const SystemFace &system = systemFace();
    if (!system.face || characters.empty())
        return;
    std::map<char32_t, hb_codepoint_t> glyphs;
    for (char32_t c : characters) {
        hb_codepoint_t glyph = 0;
        if (hb_font_get_nominal_glyph(system.font, c, &glyph) && glyph != 0)
            glyphs.emplace(c, glyph);
    }
    if (glyphs.empty())
        return;
    hb_subset_input_t *input = hb_subset_input_create_or_fail();
    if (!input)
        return;
    for (const auto &[c, glyph] : glyphs)
        hb_set_add(hb_subset_input_unicode_set(input), c);
    // Characters are placed one by one: no hinting, no layout features pulling in more glyphs.
    hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_NO_HINTING);
    hb_set_clear(hb_subset_input_set(input, HB_SUBSET_SETS_LAYOUT_FEATURE_TAG));
    hb_subset_plan_t *plan = hb_subset_plan_create_or_fail(system.face, input);
    hb_subset_input_destroy(input);
    if (!plan)
        return;
    if (hb_face_t *subset = hb_subset_plan_execute_or_fail(plan)) {
        hb_blob_t *blob = hb_face_reference_blob(subset);
        unsigned length = 0;
        const char *data = hb_blob_get_data(blob, &length);
        m_program = QByteArray(data, qsizetype(length));
        hb_blob_destroy(blob);
        hb_face_destroy(subset);
    }
    if (!m_program.isEmpty()) {
        const hb_map_t *oldToNew = hb_subset_plan_old_to_new_glyph_mapping(plan);
        for (const auto &[c, old] : glyphs) {
            const hb_codepoint_t glyph = hb_map_get(oldToNew, old);
            if (glyph == HB_MAP_VALUE_INVALID)
                continue;
            m_codes.emplace(c, glyph);
            m_widths[glyph] = system.thousandths(hb_font_get_glyph_h_advance(system.font, old));
        }
    }
    hb_subset_plan_destroy(plan);

    // A subset tag of six capitals that follows from the characters, so equal text writes equal
    // fonts.
    quint32 hash = 2166136261u;
    for (const auto &[c, glyph] : m_codes)
        hash = (hash ^ quint32(c)) * 16777619u;
    std::string tag;
    for (int i = 0; i < 6; ++i, hash /= 26)
        tag += char('A' + hash % 26);
    m_name = tag + "+" + system.name;
    std::copy(std::begin(system.bbox), std::end(system.bbox), m_bbox);
    m_ascent = system.ascent;
    m_descent = system.descent;
}

std::string UnicodeFace::hexCode(char32_t c) const
{
    const auto found = m_codes.find(c);
    return hex4(found == m_codes.end() ? 0 : found->second);
}

QPDFObjectHandle UnicodeFace::font(QPDF &pdf) const
{
    Handle program =
        Handle::newStream(&pdf, std::string(m_program.constData(), size_t(m_program.size())));
    program.getDict().replaceKey("/Length1", Handle::newInteger(m_program.size()));

    Handle descriptor = Handle::newDictionary();
    descriptor.replaceKey("/Type", Handle::newName("/FontDescriptor"));
    descriptor.replaceKey("/FontName", Handle::newName("/" + m_name));
    descriptor.replaceKey("/Flags", Handle::newInteger(4));
    descriptor.replaceKey("/FontBBox", Handle::newArray(QPDFObjectHandle::Rectangle(
                                           m_bbox[0], m_bbox[1], m_bbox[2], m_bbox[3])));
    descriptor.replaceKey("/ItalicAngle", Handle::newInteger(0));
    descriptor.replaceKey("/Ascent", Handle::newInteger(m_ascent));
    descriptor.replaceKey("/Descent", Handle::newInteger(m_descent));
    descriptor.replaceKey("/CapHeight", Handle::newInteger(m_ascent));
    descriptor.replaceKey("/StemV", Handle::newInteger(80));
    descriptor.replaceKey("/FontFile2", program);

    // Widths in runs of consecutive glyphs: [first [w w …] first [w …] …].
    std::vector<Handle> widths;
    std::vector<Handle> run;
    unsigned next = 0;
    for (const auto &[glyph, width] : m_widths) {
        if (!run.empty() && glyph != next) {
            widths.push_back(Handle::newArray(run));
            run.clear();
        }
        if (run.empty())
            widths.push_back(Handle::newInteger(glyph));
        run.push_back(Handle::newInteger(width));
        next = glyph + 1;
    }
    if (!run.empty())
        widths.push_back(Handle::newArray(run));

    Handle cidFont = Handle::newDictionary();
    cidFont.replaceKey("/Type", Handle::newName("/Font"));
    cidFont.replaceKey("/Subtype", Handle::newName("/CIDFontType2"));
    cidFont.replaceKey("/BaseFont", Handle::newName("/" + m_name));
    cidFont.replaceKey("/CIDSystemInfo",
                       Handle::parse("<< /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"));
    cidFont.replaceKey("/FontDescriptor", pdf.makeIndirectObject(descriptor));
    cidFont.replaceKey("/DW", Handle::newInteger(1000));
    cidFont.replaceKey("/W", Handle::newArray(widths));
    cidFont.replaceKey("/CIDToGIDMap", Handle::newName("/Identity"));

    std::string cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                       "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                       "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                       "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::pair<unsigned, char32_t>> pairs;
    for (const auto &[c, glyph] : m_codes)
        pairs.emplace_back(glyph, c);
    for (size_t i = 0; i < pairs.size(); i += 100) {
        const size_t end = std::min(pairs.size(), i + 100);
        cmap += std::to_string(end - i) + " beginbfchar\n";
        for (size_t j = i; j < end; ++j)
            cmap += "<" + hex4(pairs[j].first) + "> <" + utf16Hex(pairs[j].second) + ">\n";
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";

    Handle font = Handle::newDictionary();
    font.replaceKey("/Type", Handle::newName("/Font"));
    font.replaceKey("/Subtype", Handle::newName("/Type0"));
    font.replaceKey("/BaseFont", Handle::newName("/" + m_name));
    font.replaceKey("/Encoding", Handle::newName("/Identity-H"));
    font.replaceKey("/DescendantFonts", Handle::newArray(std::vector<Handle>{cidFont}));
    font.replaceKey("/ToUnicode", Handle::newStream(&pdf, cmap));
    return pdf.makeIndirectObject(font);
}
