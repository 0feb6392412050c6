#pragma once

#include <QString>

// Hands a finished PDF to the system's print spooler where the spooler takes PDF itself (CUPS on
// Linux). Elsewhere nothing is accepted and printing renders the pages instead.
namespace PdfSpool {

struct Settings
{
    QString printerName;
    QString title;
    int copies = 1;
    // "one-sided", "two-sided-long-edge" or "two-sided-short-edge"; empty keeps the printer's.
    QString sides;
    // A media keyword such as "A4" or "Letter"; empty keeps the printer's.
    QString media;
};

bool accepts(const QString &printerName);
// Queues the file as one job; on failure the spooler's reason.
bool submit(const QString &pdfPath, const Settings &settings, QString *error);

} // namespace PdfSpool
