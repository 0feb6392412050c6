#pragma once

#include "mupdfsupport.h"

#include <QString>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

// Reading one page of a source file: the steps the page readers (links, text) share.
namespace mupdf {

// Opens the file of a page to read it; an empty reference with *message set (when given) when
// it cannot be opened.
DocumentRef openForReading(const QString &path, const QString &password, QString *message);

// Makes something of a loaded page inside MuPDF's error handling, so no C++ objects.
using PageReader = void *(*)(fz_context *ctx, fz_page *page);

// Whether a page's text has any character that shows (a scan without a text layer has none).
bool hasText(const fz_stext_page *text);

// A PageReader: the page's text, for the caller to drop with fz_drop_stext_page.
void *readText(fz_context *ctx, fz_page *page);

// Loads page index of doc, stores its bounds, hands it to read and drops it again. Answers what
// read made; nullptr with the error text in error (ErrorTextSize bytes) when MuPDF failed, and
// nullptr with error left empty when read made nothing.
void *readPage(fz_context *ctx, pdf_document *doc, int index, fz_rect *bounds, PageReader read,
               char *error);

} // namespace mupdf
