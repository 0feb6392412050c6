#pragma once

#include "pdfeditorbackend.h"
#include "pdfpageid.h"

#include <QMetaType>
#include <QSizeF>
#include <QString>

enum class PdfPageOrigin : qint32 {
    Loaded = 0,
    Inserted = 1,
    Blank = 2,
    Duplicated = 3,
};

// Page numbers asked for a page. The number follows from the page's place in the document:
// the first page shows firstNumber, and "n / N" counts to the last page.
struct PdfPageNumbering
{
    enum class Format : qint32 { Number = 0, NumberOfTotal = 1 };
    bool enabled = false;
    Format format = Format::Number;
    qint32 firstNumber = 1;
    PdfStampPosition position = PdfStampPosition::BottomCenter;
    double fontSize = 10.0;

    friend bool operator==(const PdfPageNumbering &, const PdfPageNumbering &) = default;
};

// One page of the edited document: a page of some source PDF, or a blank page.
struct PdfPageEntry
{
    PdfPageId id = 0;
    QString sourcePath; // empty for a blank page
    QString password;   // the password its source was opened with
    qint32 sourcePageIndex = -1;
    qint32 rotation = 0; // clockwise, kept in 0..359
    QSizeF pageSize;     // points, before the user's rotation
    PdfPageOrigin origin = PdfPageOrigin::Loaded;
    bool selected = false;
    bool edited = false;
    PdfPageNumbering numbering;
    QString stampText; // the number shown, kept up to date by the model
    // Annotations added or edited here, and the file's own ones left out (positions in the
    // source page's /Annots); they move with the page.
    QList<PdfAnnotation> annotations;
    QList<int> hiddenAnnotations;
    QMap<QString, QString> fieldValues; // form fields filled on this page, by name
    quint64 annotationVersion = 0;      // new for every change, for the images drawn of the page

    friend bool operator==(const PdfPageEntry &, const PdfPageEntry &) = default;
};

Q_DECLARE_METATYPE(PdfPageEntry)
