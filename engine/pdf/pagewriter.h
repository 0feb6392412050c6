#pragma once

#include "pdfeditorbackend.h"

namespace pagewriter {

// Writes pages (in order, rotations applied, blanks as empty pages) to path atomically.
// Annotations, form fields, links and outlines that point to written pages are kept.
bool write(const QList<PdfSourcePage> &pages, const QString &path, const PdfWriteOptions &options,
           PdfBackendError *error, QString *message);

// As write, but never replaces a file: the output takes path or, when that is taken on disk or
// promised to an unfinished job, the next free "<stem>(n).pdf"; *writtenPath is the name taken.
bool writeNew(const QList<PdfSourcePage> &pages, const QString &path,
              const PdfWriteOptions &options, QString *writtenPath, PdfBackendError *error,
              QString *message);

} // namespace pagewriter
