#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Reads PDFs back with tools independent of the engine: qpdf's library and command line, and
// poppler's renderer.
namespace readback {

struct PageFacts
{
    QSizeF mediaBox; // width/height of the MediaBox, unrotated
    int rotate = 0;  // effective /Rotate, 0..270
    int annotations = 0;
    QList<int> linkTargets; // page index each link jumps to, -1 when unresolved
    QString label;          // the page label ("iii", "A-2"); empty without /PageLabels
};

struct DocumentFacts
{
    bool ok = false;
    bool encrypted = false;
    QString error;
    QList<PageFacts> pages;
    QStringList outlineTitles;   // depth-first
    QList<int> outlineTargets;   // page index per title, -1 when none
    QStringList fieldNames;      // fully qualified names of terminal fields
    QList<int> fieldPages;       // page index of each field's first widget, -1 when none
    QMap<QString, QString> info; // the trailer's /Info strings, by key without the slash
};

DocumentFacts inspect(const QString &path, const QString &password = {});

// `qpdf --check`: true when the file is structurally sound.
bool qpdfCheck(const QString &path, QString *output = nullptr);

// Renders one page (0-based) with pdftoppm at dpi; null on failure.
QImage renderPoppler(const QString &path, int page, int dpi, const QString &password = {});

// Where the dark marker square sits in an image: 0 top-left, 1 top-right, 2 bottom-right,
// 3 bottom-left, -1 when no quadrant is mostly dark.
int markerQuadrant(const QImage &image);

// The dominant colour in the image centre (the page's fill colour).
QColor centreColour(const QImage &image);

bool similar(const QColor &a, const QColor &b, int tolerance = 40);

} // namespace readback
