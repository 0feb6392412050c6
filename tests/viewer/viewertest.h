#pragma once

#include <QColor>
#include <QImage>
#include <QMetaMethod>
#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class PdfDocumentModel;
class PdfDocumentView;
class PdfViewerWidget;
class QWidget;

namespace viewertest {

// Shows the viewer at that size, waits until it is on screen and opens the document.
bool showAndOpen(PdfViewerWidget &viewer, const QString &path, QSize size);

// Waits until every page of the view that meets the visible area shows a rendered image.
bool waitForVisibleImages(PdfDocumentView *view, const PdfDocumentModel *model,
                          int timeoutMs = 20000);

// The colour in the middle of the visible part of a page as the view paints it, read from a
// grab of the viewport.
QColor paintedPageCentre(PdfDocumentView *view, int row);

// True when the image is (almost) uniformly the colour in its central third.
bool centreIs(const QImage &image, const QColor &colour, int tolerance = 40);

// The signal of that name, for spies chosen by data rows.
QMetaMethod signalNamed(const QObject *object, const QByteArray &name);

} // namespace viewertest
