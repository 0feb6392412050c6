#pragma once

#include "pdfeditorbackend.h"

namespace pagewriter {

// Writes pages (in order, rotations applied, blanks as empty pages) to path atomically.
// Annotations, form fields, links and outlines that point to written pages are kept.
bool write(const QList<PdfSourcePage> &pages, const QString &path, const PdfWriteOptions &options,
           PdfBackendError *error, QString *message);

} // namespace pagewriter
