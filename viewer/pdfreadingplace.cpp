#include "pdfreadingplace.h"

#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfviewerwidget.h"
#include "readingplacestore.h"

#include <algorithm>

namespace readingplace {

void remember(const PdfViewerWidget &viewer)
{
    const PdfDocumentModel *model = viewer.documentModel();
    const PdfDocumentView *view = viewer.documentView();
    if (model->documentPath().isEmpty() || model->pageCount() == 0)
        return;
    ReadingPlaceStore::Place place;
    place.page = std::max(view->currentPage(), 0);
    place.zoom = view->zoomFactor();
    place.fitMode = int(view->fitMode());
    place.viewMode = int(viewer.viewMode());
    place.layout = int(view->pageLayout());
    place.viewRotation = view->viewRotation();
    ReadingPlaceStore::instance().remember(model->documentPath(), place);
}

void restore(PdfViewerWidget &viewer)
{
    const PdfDocumentModel *model = viewer.documentModel();
    const std::optional<ReadingPlaceStore::Place> place =
        ReadingPlaceStore::instance().place(model->documentPath());
    if (model->pageCount() == 0)
        return;
    // A turn of the view belongs to the document it was made for.
    if (!place) {
        viewer.documentView()->setViewRotation(0);
        return;
    }
    // The file may have fewer pages now.
    const int page = std::min(place->page, model->pageCount() - 1);
    viewer.documentView()->setPageLayout(PdfPageLayout(place->layout));
    viewer.documentView()->setViewRotation(place->viewRotation);
    viewer.goToPage(page);
    switch (PdfFitMode(place->fitMode)) {
    case PdfFitMode::FitWidth:
        viewer.fitWidth();
        break;
    case PdfFitMode::FitPage:
        viewer.fitPage();
        break;
    case PdfFitMode::NoFit:
        viewer.setZoomFactor(place->zoom);
        break;
    }
    viewer.goToPage(page);
    if (PdfViewMode(place->viewMode) == PdfViewMode::PageManageView)
        viewer.setViewMode(PdfViewMode::PageManageView);
}

} // namespace readingplace
