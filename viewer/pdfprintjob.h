#pragma once

#include <QString>

#include <functional>

class PdfDocumentModel;
class QPrinter;
class QWidget;

// Prints the document as the model holds it (order, rotation, inserted and blank pages). Where
// the destination takes PDF (a PDF file, a CUPS printer) the engine writes the chosen pages as
// PDF; elsewhere each page is rendered at the printer's resolution and centred on the sheet.
// The work runs on a worker thread behind a progress box that can cancel it.
class PdfPrintJob
{
public:
    // What the print dialog answered: pages are 1-based, from 0 meaning all pages.
    struct DialogAnswer
    {
        bool accepted = false;
        int fromPage = 0;
        int toPage = 0;
    };
    // Tests answer the dialog (and may point the printer at a PDF file) instead of showing it.
    using DialogHook = std::function<DialogAnswer(QPrinter *printer, QWidget *parent)>;

    // Rows [first, end) to print.
    struct Range
    {
        int first = 0;
        int end = 0;
    };

    static void setDialogHook(DialogHook hook);
    // Sends every destination down the rendered path that printers without PDF input take, so
    // tests and benchmarks can reach it with a PDF file.
    static void setRenderedOnly(bool renderedOnly);
    static Range pageRange(int fromPage, int toPage, int pageCount);

    // Asks for printer and range, prints, and reports failures in a message box.
    static void print(const PdfDocumentModel *model, QWidget *parent);
};
