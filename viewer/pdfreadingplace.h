#pragma once

class PdfViewerWidget;

// Reopening a document shows it as it was left: page, zoom (or fit) and view.
namespace readingplace {

// Stores where the viewer stands in its document, if it has one.
void remember(const PdfViewerWidget &viewer);
// Shows the document the viewer just opened where it was left, when it was read before.
void restore(PdfViewerWidget &viewer);

} // namespace readingplace
