#pragma once

#include "mupdfsupport.h"

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <atomic>
#include <variant>

// What a PDF page holds, laid out again for office documents: paragraphs in reading order with
// their runs, images where they stand and ruled tables. Coordinates are points from the page's
// top left corner.
namespace officelayout {

struct Run
{
    QString text;
    QString family; // without subset prefix and style suffixes
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool monospaced = false;
    double spacing = 0; // letter spacing, points
    quint32 color = 0;  // 0xRRGGBB
};

struct Line
{
    QRectF box;
    double baseline = 0;
    double size = 0; // the size most of its characters have
    QList<Run> runs;
    // Pieces of the line set apart by wide spaces (a tab before each): left and right edges.
    QList<QPair<double, double>> tabbed;
    QString text() const;
};

enum class Align { Left, Center, Right, Justify };
enum class ListKind { None, Bullet, Decimal };

struct TabStop
{
    double position = 0; // from the column's left edge (the page margin in Word)
    bool right = false;
};

struct Paragraph
{
    QList<Line> lines;
    // The text flowing on: line ends joined, hyphenation undone, a list marker left out.
    QList<Run> runs;
    QRectF box;
    double size = 0;
    double pitch = 0;       // baseline to baseline
    double spaceBefore = 0; // above the first line, beyond the pitch
    double indent = 0;      // left edge beyond the column's
    double firstIndent = 0; // first line beyond indent (negative: hanging)
    Align align = Align::Left;
    ListKind list = ListKind::None;
    int listValue = 0;        // the number a numbered item shows
    QChar listDelimiter;      // '.' or ')' after it
    int listMarkerLength = 0; // characters of the marker and the space after it
    int headingLevel = 0;     // 1..6, set when the whole document is known
    bool continued = false;   // goes on from the previous page
    QList<TabStop> tabs;
    QString text() const;
};

struct Image
{
    QByteArray data; // a PNG or JPEG file
    QString suffix;  // "png" or "jpeg"
    QRectF box;
    QSize pixels;
};

struct Cell
{
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    QList<Paragraph> paragraphs;
    QString text() const;
};

struct Table
{
    QRectF box;
    QList<double> columns; // edges, left to right
    QList<double> rows;    // edges, top to bottom
    QList<Cell> cells;     // row by row; covered grid places have no cell
};

using Item = std::variant<Paragraph, Image, Table>;

struct Page
{
    QSizeF size;
    QRectF content; // what the items cover
    QList<Item> items;
    bool hasText = false;
    bool pictureOnly = false; // no text: the page's picture stands for it
    bool blank = false;       // nothing on it
    QSize tooLargeImage;      // the page was refused for an image of this size
};

struct Document
{
    QList<Page> pages;
    double bodySize = 10;
    QString bodyFamily;
    int pagesWithoutText = 0;
    QSize tooLargeImage; // set when a page was refused for the size of an image
};

// Reads page index of doc into page. False with *message when MuPDF failed.
bool analysePage(const mupdf::DocumentRef &doc, int index, Page *page, QString *message);

// Reads every page of the file, on up to threads threads (each with its own copy of the
// document), then settles what needs the whole document: headings, paragraphs going on over a
// page break. False with *message when it could not be read; stops early when cancelled.
bool analyseDocument(const QString &path, const QString &password, int threads, Document *document,
                     mupdf::OpenStatus *status, QString *message,
                     const std::atomic<bool> *cancel = nullptr);

// Settles headings and page-crossing paragraphs over pages already analysed.
void finishDocument(Document *document);

// ---- pieces shared by the analysis files ----

struct Segment
{
    double x0, y0, x1, y1; // a horizontal (y0 == y1) or vertical (x0 == x1) rule
    bool horizontal() const { return y0 == y1; }
};

// Rules and drawn figures of a page, read by a device of our own.
struct Graphics
{
    QList<Segment> rules;
    QList<QRectF> figures; // areas drawn with many paths (plots, diagrams)
};

// Builds the ruled tables of a page from its rules.
QList<Table> findTables(const QList<Segment> &rules);

} // namespace officelayout
