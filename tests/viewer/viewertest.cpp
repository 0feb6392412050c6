#include "viewertest.h"

#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfreadback.h"
#include "pdfviewerwidget.h"

#include <QScrollBar>
#include <QTest>

namespace viewertest {

bool showAndOpen(PdfViewerWidget &viewer, const QString &path, QSize size)
{
    viewer.resize(size);
    viewer.show();
    return QTest::qWaitForWindowExposed(&viewer) && viewer.openDocument(path);
}

namespace {

QRect visibleContent(PdfDocumentView *view)
{
    return QRect(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value(),
                 view->viewport()->width(), view->viewport()->height());
}

bool allVisibleShown(PdfDocumentView *view, const PdfDocumentModel *model)
{
    const QRect visible = visibleContent(view);
    for (int row = 0; row < model->pageCount(); ++row) {
        if (!view->pageRect(row).intersects(visible))
            continue;
        if (!view->hasPageImage(model->pageAt(row)->id))
            return false;
    }
    return true;
}

} // namespace

bool waitForVisibleImages(PdfDocumentView *view, const PdfDocumentModel *model, int timeoutMs)
{
    return QTest::qWaitFor([view, model] { return allVisibleShown(view, model); }, timeoutMs);
}

QColor paintedPageCentre(PdfDocumentView *view, int row)
{
    const QImage shot = view->viewport()->grab().toImage();
    const QRect rect =
        view->pageRect(row)
            .translated(-view->horizontalScrollBar()->value(), -view->verticalScrollBar()->value())
            .intersected(view->viewport()->rect());
    return rect.isEmpty() ? QColor() : shot.pixelColor(rect.center());
}

bool centreIs(const QImage &image, const QColor &colour, int tolerance)
{
    if (image.isNull())
        return false;
    return readback::similar(readback::centreColour(image), colour, tolerance);
}

QMetaMethod signalNamed(const QObject *object, const QByteArray &name)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name() == name)
            return method;
    }
    return QMetaMethod();
}

} // namespace viewertest
