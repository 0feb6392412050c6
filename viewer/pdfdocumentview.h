#pragma once

#include "pageimageplan.h"
#include "pagetone.h"
#include "pdfpageentry.h"
#include "pdfpageid.h"
#include "pdfrenderpurpose.h"

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QRect>

#include <optional>

class PdfDocumentModel;
class PdfRenderManager;
class PdfTextSearch;
class QTimer;

enum class PdfFitMode : int {
    NoFit = 0,
    FitWidth = 1,
    FitPage = 2,
};

// How the pages stand: one column (the default), one page at a time, or pairs side by side,
// with the first page alone as a book's cover.
enum class PdfPageLayout : int {
    Continuous = 0,
    SinglePage = 1,
    TwoUp = 2,
    TwoUpCover = 3,
};

// The continuous reading view: every page of the model in one centred column at one zoom factor.
// Page images come from the render manager at the size each page is shown; until one arrives a
// page shows a placeholder, and while a page is re-rendered its older image is drawn scaled.
class PdfDocumentView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr double MinZoom = 0.1;
    static constexpr double MaxZoom = 16.0;
    static constexpr double ZoomStep = 1.2;
    static constexpr double WheelZoomStep = 1.12;
    static constexpr int RenderPriority = PageImagePlan::RenderPriority;

    explicit PdfDocumentView(QWidget *parent = nullptr);
    ~PdfDocumentView() override;

    void setDocumentModel(PdfDocumentModel *model);
    void setRenderManager(PdfRenderManager *manager);
    void setHandToolEnabled(bool enabled);
    // Page images arriving from now on are shown in the tone; those on screen are asked again.
    void setPageTone(PdfPageTone tone);
    PdfPageTone pageTone() const { return m_tone; }

    int currentPage() const { return m_currentPage; }
    double zoomFactor() const { return m_zoom; }
    PdfFitMode fitMode() const { return m_fitMode; }
    bool isHandToolEnabled() const { return m_handTool; }

    PdfPageLayout pageLayout() const { return m_layout; }
    void setPageLayout(PdfPageLayout layout);
    // Quarter turns of the view alone, clockwise; the document is not changed.
    int viewRotation() const { return m_viewRotation; }
    void setViewRotation(int degrees);
    // The entry of a row as the view draws it: its rotation includes the view's.
    std::optional<PdfPageEntry> shownPage(int row) const;
    // The row under a viewport position, -1 when none.
    int pageRowAt(const QPoint &viewportPos) const;
    // The first row of the spread (the pages shown side by side) holding row.
    int spreadStart(int row) const;
    // The next or previous spread (direction 1 or -1) in the layout's steps.
    void turnPage(int direction);
    // A screen further when the spread goes on beyond the window, else the next spread; in the
    // continuous layout always a screen.
    void turnScreen(int direction);

    // Asks again for every page not yet shown at its size, after the render manager dropped
    // queued work (cancelPending) while this view's document stayed the same.
    void refreshRenders();

    // Where a page stands in the scrollable content; empty for a row without a page.
    QRect pageRect(int row) const { return m_pageRects.value(row); }
    QSize contentSize() const { return m_contentSize; }
    // True when the page shows a rendered image (of any size) rather than the placeholder.
    bool hasPageImage(PdfPageId id) const;
    // Pixel bytes of the page images the view holds.
    qint64 imageBytes() const;

    // Hits of this search are drawn over the pages.
    void setTextSearch(PdfTextSearch *search);
    // Scrolls the least needed to show box (points on the page as shown) of a row.
    void revealPageBox(int row, const QRectF &box);

Q_SIGNALS:
    void currentPageChanged(int page);
    void zoomFactorChanged(double factor);
    void pageClicked(int page);
    void pageLayoutChanged(PdfPageLayout layout);
    void viewRotationChanged(int degrees);

public Q_SLOTS:
    void setZoomFactor(double factor);
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();
    void goToPage(int page);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    double fitZoomFor(int row, PdfFitMode mode) const;
    void refit();
    // Adopts the zoom and emits when it differs from the current one; true when it did.
    bool adoptZoom(double zoom);
    void layoutPages(bool keepPosition);
    void updateScrollBars();
    void requestVisiblePages();
    void checkPixelRatio();
    void updateCurrentPage();
    QRect bandRect(int viewportHeightsAround) const;
    int rowNearestTo(int contentY) const;
    void clearPageState();
    void paintSearchHits(QPainter &painter, int row, PdfPageId id, const QRect &rect) const;
    QRect pageBoxRect(int row, const QRectF &box) const;
    int visibleHitCount() const;
    int spreadLength(int start) const;
    QRect spreadRect(int row) const;
    double spreadFitZoom(int start, PdfFitMode mode) const;
    bool turnAtEdge(int delta);

    void onModelReset();
    void onRowsChanged();
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                       const QList<int> &roles);
    void onPageRendered(PdfPageId pageId, QSize targetSize, PdfRenderPurpose purpose,
                        qulonglong requestId, qulonglong documentRevision, const QImage &image);
    void onPageRenderFailed(PdfPageId pageId, PdfRenderPurpose purpose, qulonglong requestId,
                            const QString &message);

    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfRenderManager> m_renderManager;
    QPointer<PdfTextSearch> m_textSearch;
    int m_shownHits = 0; // hits on the pages in view when last painted
    QList<QRect> m_pageRects;
    // Which page images the view holds and asks for.
    PageImagePlan m_images;
    // While the zoom keeps changing, pages that have an image wait before asking for a new one.
    QElapsedTimer m_zoomClock;
    QTimer *m_settleTimer = nullptr;
    QSize m_contentSize;
    double m_zoom = 1.0;
    PdfFitMode m_fitMode = PdfFitMode::FitWidth;
    int m_currentPage = 0;
    bool m_scrollGuard = false;
    bool m_handTool = false;
    bool m_panning = false;
    QPoint m_lastPointer;
    double m_requestPixelRatio = 0.0;
    PdfPageLayout m_layout = PdfPageLayout::Continuous;
    int m_viewRotation = 0;
    // Wheel turns gathered at a page's edge before the next page is shown.
    int m_edgeWheel = 0;
    PdfPageTone m_tone = PdfPageTone::Normal;
};
