#pragma once

#include <QString>

#include <functional>

class PdfDocumentModel;
class QPrinter;
class QWidget;

// Prints the document as the model holds it (order, rotation, inserted and blank pages), each
// page rendered by the engine at the printer's resolution and centred on the sheet. Runs on
// the GUI thread.
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

    // Largest image rendered for one sheet: a 1200 dpi printer would otherwise ask for half a
    // gigabyte of pixels per page.
    static constexpr double MaxPagePixels = 33554432.0;

    static void setDialogHook(DialogHook hook);
    static Range pageRange(int fromPage, int toPage, int pageCount);

    // Asks for printer and range, prints, and reports failures in a message box.
    static void print(const PdfDocumentModel *model, QWidget *parent);
    // Prints the rows onto the printer; the error text, empty when every page was printed.
    // Sets *started to false when the print job could not begin.
    static QString printRows(const PdfDocumentModel *model, QPrinter *printer, Range range,
                             bool *started);
};
