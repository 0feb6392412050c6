#pragma once

#include <QByteArray>

#include <map>
#include <set>
#include <string>

class QPDF;
class QPDFObjectHandle;

// A subset of a system sans-serif face (DejaVu Sans) embedded for the characters that neither
// Helvetica nor the CJK font readers supply can show with their own widths: Greek, Cyrillic,
// symbols. Each character gets a two-byte code in the font; widths and a ToUnicode map go with it.
class UnicodeFace
{
public:
    // The subset holding those of characters the system face has; null when it has none of them
    // or no face was found.
    explicit UnicodeFace(const std::set<char32_t> &characters);

    bool isNull() const { return m_codes.empty(); }
    bool holds(char32_t c) const { return m_codes.count(c) > 0; }
    // The character's code as four hex digits.
    std::string hexCode(char32_t c) const;
    // The Type0 font (Identity-H) with the subset embedded, made indirect in pdf.
    QPDFObjectHandle font(QPDF &pdf) const;

private:
    std::map<char32_t, unsigned> m_codes; // character -> glyph of the subset
    std::map<unsigned, int> m_widths;     // glyph of the subset -> advance, 1/1000 em
    QByteArray m_program;                 // the subset as a TrueType file
    std::string m_name;                   // with its subset tag
    int m_bbox[4] = {0, 0, 0, 0};
    int m_ascent = 0;
    int m_descent = 0;
};
