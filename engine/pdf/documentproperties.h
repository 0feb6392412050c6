#pragma once

#include "pdfeditorbackend.h"

#include <QDateTime>
#include <QString>

class QPDF;

namespace documentproperties {

// Replaces the four reader-editable fields of the document information (an empty field is
// removed) and stamps the modification date.
void writeMetadata(QPDF &pdf, const PdfDocumentMetadata &metadata, const QDateTime &now);

// PDF date strings ("D:YYYYMMDDHHmmSSOHH'mm'", every part after the year optional).
QDateTime parsePdfDate(const QString &text);
QString formatPdfDate(const QDateTime &when);

} // namespace documentproperties
