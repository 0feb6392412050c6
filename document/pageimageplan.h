#pragma once

#include "pdfpageentry.h"
#include "pdfpageid.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <optional>

class PdfDocumentModel;
class PdfRenderManager;

// The page images a continuous reading view holds and the requests it waits for, keyed by page
// id. It decides which pages to ask for (those on screen first, then a screen above and below),
// at which size (as shown, at the pixel ratio, bounded), which part of a deeply zoomed page to
// ask for sharp, how many requests may be outstanding and for how long, and which images to let
// go (outside the kept band, then past a budget, farthest first). The view tells it where the
// pages stand and what is visible, and paints what it holds.
class PageImagePlan
{
public:
    static constexpr int RenderPriority = 20;
    // A page whose image would be larger than this (deep zoom) is held as a whole image of at
    // most OverviewArea pixels plus a sharp image of the part around the view, drawn at the
    // screen's own pixel ratio: memory follows the window's size, not the page's.
    static constexpr double SplitArea = 16777216.0;   // 2^24 pixels, 64 MiB
    static constexpr double OverviewArea = 4194304.0; // 2^22 pixels, 16 MiB
    static constexpr double MaxImageSide = 8192.0;
    static constexpr double MaxImageArea = 33554432.0; // 2^25 pixels
    // Requests that may be outstanding at once.
    static constexpr int MaxInFlight = 12;
    // Beyond the visible pages, images held stay under this many bytes. Most of them are also in
    // the render cache; this only lets go of the neighbours of deeply zoomed pages, which the
    // cache would otherwise have to hold a second time.
    static constexpr qint64 ImageBudgetBytes = qint64(64) << 20;

    // What the view holds and has asked for, of one page.
    struct Page
    {
        std::optional<QImage> image;       // possibly of another size, or the rough first one
        std::optional<QSize> renderedSize; // size of a sharp image
        std::optional<QSize> requestedSize;
        std::optional<quint64> pendingRequest;
        // Low-resolution first image asked for when a document first comes on screen.
        std::optional<quint64> previewRequest;
        // A page too large to hold whole at its zoom: its sharp part around the visible area,
        // drawn over a smaller whole image. Kept with the page size it was drawn for, so that it
        // can still be shown, scaled, while the zoom changes.
        std::optional<QImage> detail;
        QSize detailPageSize;
        QRect detailRegion;
        // The part asked for last, in requestedDetailSize's pixels.
        std::optional<QRect> requestedDetail;
        QSize requestedDetailSize;
        std::optional<quint64> pendingDetail;

        // Answers still on their way are ignored; the page asks again when next in view.
        void forgetRequests();
        void dropDetail();
    };

    // Where the view stands, in the coordinates of its scrollable content.
    struct View
    {
        QList<QRect> pageRects; // one a row
        QRect visible;
        double pixelRatio = 1.0;       // whole images are asked for at this ratio
        double screenPixelRatio = 1.0; // the sharp part of a deep page, at the screen's own
        // While the zoom keeps changing, pages that show an image wait this much longer.
        qint64 settleLeftMs = 0;
        qint64 nowMs = 0; // a clock in milliseconds, for the expiry of requests
    };

    // What an answer of the render manager means to the view.
    enum class Arrival { Ignored, Shown, RoomForMore };

    void setDocumentModel(PdfDocumentModel *model);
    void setRenderManager(PdfRenderManager *manager);
    // Quarter turns the view adds to every page's own rotation when it asks for images.
    void setViewRotation(int degrees) { m_viewRotation = degrees; }

    // Asks for what the view needs now and lets go of what it no longer needs. Answers how many
    // milliseconds to wait before asking again while the zoom settles, or -1.
    qint64 request(const View &view);
    Arrival accept(PdfPageId pageId, QSize targetSize, quint64 requestId, const QImage &image);
    void fail(PdfPageId pageId, quint64 requestId);

    const Page *page(PdfPageId id) const;
    bool hasImage(PdfPageId id) const;
    qint64 imageBytes() const;
    int inFlight() const { return int(m_inFlight.size()); }

    // The page is drawn differently now: its images go.
    void forget(PdfPageId id) { m_pages.remove(id); }
    // The page is drawn again; its older images are shown until then.
    void redraw(PdfPageId id);
    // Every page needs a new size (a new pixel ratio); the images stay until replaced.
    void resizeAll();
    // Answers to earlier requests will not come (the render manager dropped them).
    void forgetRequests();
    void clear();

private:
    void requestDetail(const View &view, int row, Page &page);
    void dropOutside(const View &view, const QRect &keep);
    std::optional<PdfPageEntry> entryAt(int row) const;

    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfRenderManager> m_renderManager;
    QHash<PdfPageId, Page> m_pages;
    // Requests sent and not yet answered; bounded so that fast scrolling cannot queue up
    // renders of pages long gone from the screen ahead of the ones now shown.
    QHash<quint64, qint64> m_inFlight; // request id -> when it was sent
    bool m_previewDone = false;
    int m_viewRotation = 0;
};
