#pragma once

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

    friend bool operator==(const PdfPageEntry &, const PdfPageEntry &) = default;
};

Q_DECLARE_METATYPE(PdfPageEntry)
