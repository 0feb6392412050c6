#include "pdfeditorbackend.h"

bool PdfEditorBackend::inspectDocument(const QString &, const QString &, PdfDocumentInfo *, PdfBackendError *, QString *) { return false; }
bool PdfEditorBackend::saveDocument(const QList<PdfSourcePage> &, const QString &, PdfBackendError *, QString *) { return false; }
QList<QImage> PdfEditorBackend::renderPages(const QList<PdfSourcePage> &, const QList<QSize> &, QList<QString> *) { return {}; }
QImage PdfEditorBackend::renderPage(const PdfSourcePage &, const QSize &, PdfBackendError *, QString *) { return {}; }
