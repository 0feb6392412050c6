#pragma once

#include "officelayout.h"

// The raw reading of one page, before any layout: MuPDF's lines of characters, images, rules and
// pictures of drawn figures.
namespace officelayout {

struct FontInfo
{
    QString family;
    bool bold = false;
    bool italic = false;
    bool monospaced = false;
    double spacing = 0; // letter spacing in ems
};

struct RawChar
{
    char32_t c = 0;
    QRectF box;
    double baseline = 0;
    double size = 0;
    quint32 color = 0;
    int font = 0; // into RawPage::fonts
};

struct RawLine
{
    QList<RawChar> chars;
    QRectF box;
    bool horizontal = true;
};

struct RawPage
{
    QSizeF size;
    QList<FontInfo> fonts;
    QList<RawLine> lines;
    QList<Image> images;
    QList<Image> figures; // drawn figures as pictures
    Graphics graphics;
    bool hasText = false;
    bool blank = false;  // nothing drawn at all
    Image picture;       // the whole page, when it has no text but shows something
    QSize tooLargeImage; // an image refused for its decoded size (the page was not read)
};

bool readPage(const mupdf::DocumentRef &doc, int index, RawPage *raw, QString *message);

// Areas of a page drawn with many paths close together.
QList<QRectF> figureAreas(const QList<QRectF> &pieces, const QSizeF &page);

} // namespace officelayout
