#pragma once

#include "textrecognition.h"

#include <qpdf/QPDFObjectHandle.hh>

class QPDF;

// Writes recognised text under a page's content as an invisible form XObject, in fonts whose
// glyphs draw nothing; readers find, select and copy the words where the scan shows them.
namespace textlayer {

class Writer
{
public:
    explicit Writer(QPDF &pdf);

    // Adds the layer to a page of the document; nothing when the text has no words.
    void addToPage(QPDFObjectHandle page, const textrecognition::PageText &text);

    // The glyph, encoding and widths every layer's fonts share.
    struct Shared
    {
        QPDFObjectHandle charProcs;
        QPDFObjectHandle encoding;
        QPDFObjectHandle widths;
    };

private:
    QPDF &m_pdf;
    Shared m_shared;
};

} // namespace textlayer
