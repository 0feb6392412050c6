#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "pdfrendermanager.h"
#include "testregistry.h"
#include "viewertest.h"
#include "widgetinput.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A view over a model of generated pages, with or without a render manager.
struct ViewFixture
{
    QTemporaryDir dir;
    PdfDocumentModel model;
    PdfRenderManager manager;
    PdfDocumentView view;
    QString path;

    bool load(const QList<fixtures::PageSpec> &pages, bool withManager = true)
    {
        path = dir.filePath(u"doc.pdf"_s);
        fixtures::DocumentSpec spec;
        spec.pages = pages;
        if (!fixtures::write(spec, path))
            return false;
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        if (!model.loadDocument(path, QString(), &error, &message))
            return false;
        view.setDocumentModel(&model);
        if (withManager)
            view.setRenderManager(&manager);
        return true;
    }

    void show(QSize size = {800, 600})
    {
        view.resize(size);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    int viewportWidth() const { return view.viewport()->width(); }
    int viewportHeight() const { return view.viewport()->height(); }
};

QList<fixtures::PageSpec> mixedPages()
{
    fixtures::PageSpec portrait;
    portrait.size = {200, 300};
    portrait.colour = fixtures::colourFor(0);
    fixtures::PageSpec wide;
    wide.size = {600, 300};
    wide.colour = fixtures::colourFor(1);
    fixtures::PageSpec tall;
    tall.size = {200, 900};
    tall.colour = fixtures::colourFor(2);
    return {portrait, wide, tall, portrait};
}

void sendWheel(QWidget *viewport, QPoint at, int angleY, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(QPointF(at), QPointF(viewport->mapToGlobal(at)), QPoint(), QPoint(0, angleY),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

} // namespace

class TestDocumentView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyModel();
    void zoomClamps_data();
    void zoomClamps();
    void zoomStepsAndNoEcho();
    void layoutGeometry();
    void tinyPageAtLeastOnePixel();
    void fitWidthAcrossPageSizes();
    void fitPageAcrossPageSizes();
    void goToPageScrolls();
    void currentPageFollowsScrolling();
    void ctrlWheelKeepsPointUnderPointer_data();
    void ctrlWheelKeepsPointUnderPointer();
    void wheelScrolls();
    void panning_data();
    void panning();
    void pageClicks();
    void placeholderThenImage();
    void requestsOnlyTheBand();
    void viewShowsThePageAsDrawn_data();
    void viewShowsThePageAsDrawn();
    void rotationDiscardsImageMoveKeepsIt();
    void staleResultsDropped();
    void scrollingFarAwayLetsImagesGo();
};

void TestDocumentView::emptyModel()
{
    PdfDocumentModel model;
    PdfDocumentView view;
    view.resize(500, 400);
    view.setDocumentModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.contentSize(), view.viewport()->size());
    QSignalSpy current(&view, &PdfDocumentView::currentPageChanged);
    view.goToPage(0);
    QCOMPARE(current.count(), 0);
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);
    // Only the background is painted.
    const QImage shot = view.viewport()->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(0xE9, 0xED, 0xF4));
}

void TestDocumentView::zoomClamps_data()
{
    QTest::addColumn<double>("requested");
    QTest::addColumn<double>("expected");
    QTest::newRow("above the range") << 25.0 << 16.0;
    QTest::newRow("past the old 500%") << 10.0 << 10.0;
    QTest::newRow("below the range") << 0.01 << 0.1;
    QTest::newRow("inside") << 2.5 << 2.5;
}

void TestDocumentView::zoomClamps()
{
    QFETCH(double, requested);
    QFETCH(double, expected);
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(3), false));
    f.show();
    QSignalSpy zoom(&f.view, &PdfDocumentView::zoomFactorChanged);
    f.view.setZoomFactor(requested);
    QCOMPARE(f.view.zoomFactor(), expected);
    QCOMPARE(f.view.fitMode(), PdfFitMode::NoFit);
    QCOMPARE(zoom.count(), 1);
    QCOMPARE(zoom.at(0).at(0).toDouble(), expected);
    QCOMPARE(f.view.pageRect(0).width(), qRound(200 * expected));
}

void TestDocumentView::zoomStepsAndNoEcho()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(2), false));
    f.show();
    const double fitted = f.view.zoomFactor();
    QSignalSpy zoom(&f.view, &PdfDocumentView::zoomFactorChanged);
    // The current value while fitting: no signal, but fitting stops.
    f.view.setZoomFactor(fitted);
    QCOMPARE(zoom.count(), 0);
    QCOMPARE(f.view.fitMode(), PdfFitMode::NoFit);

    f.view.setZoomFactor(1.0);
    f.view.zoomIn();
    QCOMPARE(f.view.zoomFactor(), 1.2);
    f.view.zoomOut();
    QVERIFY(qFuzzyCompare(f.view.zoomFactor(), 1.0));
    f.view.setZoomFactor(PdfDocumentView::MaxZoom);
    QCOMPARE(f.view.zoomFactor(), 16.0);
    zoom.clear();
    f.view.zoomIn();
    QCOMPARE(zoom.count(), 0);
    QCOMPARE(f.view.zoomFactor(), PdfDocumentView::MaxZoom);
}

void TestDocumentView::layoutGeometry()
{
    ViewFixture f;
    QVERIFY(f.load(mixedPages(), false));
    f.show();
    f.view.setZoomFactor(1.0);
    const int content = f.view.contentSize().width();
    QCOMPARE(content, std::max(f.viewportWidth(), 600 + 64));
    int y = 32;
    const QList<QSize> sizes{{200, 300}, {600, 300}, {200, 900}, {200, 300}};
    for (int row = 0; row < sizes.size(); ++row) {
        const QRect r = f.view.pageRect(row);
        QCOMPARE(r.size(), sizes.at(row));
        QCOMPARE(r.top(), y);
        QCOMPARE(r.left(), (content - r.width()) / 2);
        y += r.height() + 18;
    }
    QCOMPARE(f.view.contentSize().height(), y + 14);
    QCOMPARE(f.view.verticalScrollBar()->maximum(), y + 14 - f.viewportHeight());
    QCOMPARE(f.view.verticalScrollBar()->pageStep(), f.viewportHeight());
}

void TestDocumentView::tinyPageAtLeastOnePixel()
{
    fixtures::PageSpec tiny;
    tiny.size = {1, 1};
    ViewFixture f;
    QVERIFY(f.load({tiny}, false));
    f.show();
    f.view.setZoomFactor(0.1);
    QCOMPARE(f.view.pageRect(0).size(), QSize(1, 1));
}

void TestDocumentView::fitWidthAcrossPageSizes()
{
    ViewFixture f;
    QVERIFY(f.load(mixedPages(), false));
    f.show();
    f.view.fitWidth();
    QCOMPARE(f.view.fitMode(), PdfFitMode::FitWidth);
    // The widest page (the second) fills the width less the margin, so no page is cut off.
    QCOMPARE(f.view.pageRect(1).width(), f.viewportWidth() - 64);
    QCOMPARE(f.view.horizontalScrollBar()->maximum(), 0);

    QSignalSpy zoom(&f.view, &PdfDocumentView::zoomFactorChanged);
    QSignalSpy current(&f.view, &PdfDocumentView::currentPageChanged);
    f.view.goToPage(1);
    // Reading on keeps the zoom.
    QCOMPARE(zoom.count(), 0);
    QCOMPARE(f.view.pageRect(1).width(), f.viewportWidth() - 64);
    QCOMPARE(current.count(), 1);
    QCOMPARE(f.view.currentPage(), 1);

    // A resize keeps fitting.
    f.view.resize(600, 600);
    QTRY_COMPARE(f.view.pageRect(1).width(), f.viewportWidth() - 64);
}

void TestDocumentView::fitPageAcrossPageSizes()
{
    ViewFixture f;
    QVERIFY(f.load(mixedPages(), false));
    f.show(QSize(900, 500));
    f.view.fitPage();
    QCOMPARE(f.view.fitMode(), PdfFitMode::FitPage);
    // The first page is height-bound: 200 x 300 in a wide, low window.
    QCOMPARE(f.view.pageRect(0).height(), f.viewportHeight() - 64);
    QVERIFY(f.view.pageRect(0).width() <= f.viewportWidth() - 64);
    QSignalSpy zoom(&f.view, &PdfDocumentView::zoomFactorChanged);
    f.view.goToPage(2);
    QCOMPARE(zoom.count(), 1);
    QCOMPARE(f.view.pageRect(2).height(), f.viewportHeight() - 64);
    // The whole page is on screen, 32 pixels below the top.
    QCOMPARE(f.view.pageRect(2).top() - f.view.verticalScrollBar()->value(), 32);
}

void TestDocumentView::goToPageScrolls()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(10), false));
    f.show();
    f.view.setZoomFactor(1.0);
    QSignalSpy current(&f.view, &PdfDocumentView::currentPageChanged);
    f.view.goToPage(6);
    QCOMPARE(f.view.verticalScrollBar()->value(), f.view.pageRect(6).top() - 32);
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.at(0).at(0).toInt(), 6);
    // A narrow page leaves the horizontal position at 0.
    f.view.goToPage(0);
    QCOMPARE(f.view.horizontalScrollBar()->value(), 0);
    QCOMPARE(f.view.verticalScrollBar()->value(), 0);
    // Rows out of range change nothing.
    current.clear();
    f.view.goToPage(10);
    f.view.goToPage(-1);
    QCOMPARE(current.count(), 0);
}

void TestDocumentView::currentPageFollowsScrolling()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(12), false));
    f.show(QSize(600, 400));
    f.view.setZoomFactor(1.0);
    QSignalSpy current(&f.view, &PdfDocumentView::currentPageChanged);
    QScrollBar *bar = f.view.verticalScrollBar();
    for (int value = 0; value <= bar->maximum(); value += 97) {
        bar->setValue(value);
        const int middle = value + f.viewportHeight() / 2;
        int nearest = 0;
        for (int row = 1; row < 12; ++row) {
            const auto distance = [&](int r) {
                const QRect rect = f.view.pageRect(r);
                return std::abs(rect.top() + rect.height() / 2.0 - middle);
            };
            if (distance(row) < distance(nearest))
                nearest = row;
        }
        QCOMPARE(f.view.currentPage(), nearest);
    }
    QVERIFY(current.count() >= 10);
    QCOMPARE(current.last().at(0).toInt(), 11);
}

void TestDocumentView::ctrlWheelKeepsPointUnderPointer_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<int>("angle");
    QTest::newRow("first page, zoom in") << 0 << QPoint(300, 200) << 120;
    QTest::newRow("deep page, zoom in") << 30 << QPoint(250, 150) << 120;
    QTest::newRow("deep page, zoom out") << 30 << QPoint(350, 300) << -120;
}

void TestDocumentView::ctrlWheelKeepsPointUnderPointer()
{
    QFETCH(int, page);
    QFETCH(QPoint, pointer);
    QFETCH(int, angle);
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(40, {400, 500}), false));
    f.show();
    // Wider than the window, so that both scroll bars can keep the point.
    f.view.setZoomFactor(2.5);
    f.view.goToPage(page);
    const auto pagePoint = [&f](QPoint at) {
        const QPoint content =
            at + QPoint(f.view.horizontalScrollBar()->value(), f.view.verticalScrollBar()->value());
        for (int row = 0; row < 40; ++row) {
            const QRect r = f.view.pageRect(row);
            if (r.contains(content))
                return QPointF(row + double(content.x() - r.left()) / r.width(),
                               double(content.y() - r.top()) / r.height());
        }
        return QPointF(-1, -1);
    };
    const QPointF before = pagePoint(pointer);
    QVERIFY(before.x() >= 0);
    const double zoom = f.view.zoomFactor();
    sendWheel(f.view.viewport(), pointer, angle, Qt::ControlModifier);
    QVERIFY(!qFuzzyCompare(f.view.zoomFactor(), zoom));
    QCOMPARE(f.view.zoomFactor(), angle > 0 ? zoom * 1.12 : zoom / 1.12);
    const QPointF after = pagePoint(pointer);
    QCOMPARE(std::floor(after.x()), std::floor(before.x()));
    // Within a pixel of the page.
    const QRect r = f.view.pageRect(int(after.x()));
    QVERIFY2(std::abs(after.x() - before.x()) * r.width() <= 1.5,
             qPrintable(u"%1 vs %2"_s.arg(after.x()).arg(before.x())));
    QVERIFY(std::abs(after.y() - before.y()) * r.height() <= 1.5);
}

void TestDocumentView::wheelScrolls()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(10, {400, 500}), false));
    f.show();
    f.view.setZoomFactor(3.0);
    QScrollBar *vertical = f.view.verticalScrollBar();
    QScrollBar *horizontal = f.view.horizontalScrollBar();
    vertical->setValue(1000);
    horizontal->setValue(50);
    sendWheel(f.view.viewport(), QPoint(100, 100), -120, Qt::NoModifier);
    QCOMPARE(vertical->value(), 1180);
    // Shift turns the wheel sideways.
    sendWheel(f.view.viewport(), QPoint(100, 100), -20, Qt::ShiftModifier);
    QCOMPARE(horizontal->value(), 80);
    QCOMPARE(vertical->value(), 1180);
}

void TestDocumentView::panning_data()
{
    QTest::addColumn<bool>("handTool");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("pans");
    QTest::newRow("middle button") << false << int(Qt::MiddleButton) << true;
    QTest::newRow("hand tool, left button") << true << int(Qt::LeftButton) << true;
    QTest::newRow("left button") << false << int(Qt::LeftButton) << false;
}

void TestDocumentView::panning()
{
    QFETCH(bool, handTool);
    QFETCH(int, button);
    QFETCH(bool, pans);
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(10, {400, 500}), false));
    f.show();
    f.view.setZoomFactor(3.0);
    f.view.setHandToolEnabled(handTool);
    QCOMPARE(f.view.viewport()->cursor().shape(), handTool ? Qt::OpenHandCursor : Qt::ArrowCursor);
    QScrollBar *vertical = f.view.verticalScrollBar();
    QScrollBar *horizontal = f.view.horizontalScrollBar();
    vertical->setValue(500);
    horizontal->setValue(200);
    QWidget *vp = f.view.viewport();
    const auto b = Qt::MouseButton(button);
    input::sendMouse(vp, QEvent::MouseButtonPress, QPoint(300, 300), b, b);
    if (pans)
        QCOMPARE(vp->cursor().shape(), Qt::ClosedHandCursor);
    input::sendMouse(vp, QEvent::MouseMove, QPoint(280, 250), Qt::NoButton, b);
    input::sendMouse(vp, QEvent::MouseButtonRelease, QPoint(280, 250), b, Qt::NoButton);
    QCOMPARE(vertical->value(), pans ? 550 : 500);
    QCOMPARE(horizontal->value(), pans ? 220 : 200);
    QCOMPARE(vp->cursor().shape(), handTool ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void TestDocumentView::pageClicks()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(3), false));
    f.show();
    f.view.setZoomFactor(1.0);
    QSignalSpy clicked(&f.view, &PdfDocumentView::pageClicked);
    QWidget *vp = f.view.viewport();
    const QPoint onSecond = f.view.pageRect(1).center();
    input::sendMouse(vp, QEvent::MouseButtonPress, onSecond, Qt::LeftButton, Qt::LeftButton);
    input::sendMouse(vp, QEvent::MouseButtonRelease, onSecond, Qt::LeftButton, Qt::NoButton);
    const QPoint inGap(f.view.pageRect(0).center().x(), f.view.pageRect(0).bottom() + 9);
    input::sendMouse(vp, QEvent::MouseButtonPress, inGap, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1);
}

void TestDocumentView::placeholderThenImage()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(2, {400, 500}), false));
    f.show();
    f.view.setZoomFactor(1.0);
    // Without images: a white page with the muted placeholder text in its middle.
    QImage shot = f.view.viewport()->grab().toImage();
    const QRect page = f.view.pageRect(0);
    bool placeholderText = false;
    for (int x = page.left(); x <= page.right() && !placeholderText; ++x)
        placeholderText =
            readback::similar(shot.pixelColor(x, page.center().y()), QColor(0x84, 0x90, 0xA3), 30);
    QVERIFY(placeholderText);
    QCOMPARE(shot.pixelColor(page.left() + 10, page.top() + 10), QColor(Qt::white));

    f.view.setRenderManager(&f.manager);
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    QVERIFY(readback::similar(viewertest::paintedPageCentre(&f.view, 0), fixtures::colourFor(0)));
}

void TestDocumentView::requestsOnlyTheBand()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(90, {300, 400})));
    f.show(QSize(700, 500));
    f.view.setZoomFactor(1.0);
    f.view.goToPage(30);
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    // Let the prefetch still in flight land before watching.
    QTest::qWait(300);
    QSignalSpy rendered(&f.manager, &PdfRenderManager::pageRendered);
    f.view.goToPage(60);
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    QTest::qWait(300);
    const int value = f.view.verticalScrollBar()->value();
    const QRect band(0, value - f.viewportHeight(), f.view.contentSize().width(),
                     3 * f.viewportHeight());
    QSet<int> rows;
    for (const QList<QVariant> &args : std::as_const(rendered)) {
        QCOMPARE(args.at(2).value<PdfRenderPurpose>(), PdfRenderPurpose::Page);
        const int row = f.model.rowOfPage(args.at(0).value<PdfPageId>());
        const QRect r = f.view.pageRect(row);
        QVERIFY2(r.intersects(band), qPrintable(QString::number(row)));
        // At least 1.5 image pixels per screen pixel.
        QCOMPARE(args.at(1).toSize(),
                 QSize(int(std::ceil(r.width() * 1.5)), int(std::ceil(r.height() * 1.5))));
        rows.insert(row);
    }
    QVERIFY(rows.contains(60));
    // The pages just outside the window are fetched ahead.
    QVERIFY(rows.contains(59) || rows.contains(61));
}

void TestDocumentView::viewShowsThePageAsDrawn_data()
{
    QTest::addColumn<QSizeF>("pageSize");
    QTest::addColumn<int>("rotate"); // stored /Rotate
    QTest::addColumn<double>("zoom");
    // Where the view's centre goes, as a fraction of the page as shown.
    QTest::addColumn<QPointF>("centre");
    const double deepest = PdfDocumentView::MaxZoom;
    QTest::newRow("tall page, marker corner")
        << QSizeF(600, 8000) << 0 << deepest << QPointF(0.25, 0.25);
    QTest::newRow("tall page, middle") << QSizeF(600, 8000) << 0 << deepest << QPointF(0.5, 0.5);
    QTest::newRow("A4, marker corner") << QSizeF(595, 842) << 0 << deepest << QPointF(0.25, 0.25);
    QTest::newRow("A4 turned, marker corner")
        << QSizeF(595, 842) << 90 << deepest << QPointF(0.75, 0.25);
    QTest::newRow("A4, bottom right") << QSizeF(595, 842) << 0 << deepest << QPointF(1.0, 1.0);
    QTest::newRow("A4 at 100%, bottom right") << QSizeF(595, 842) << 0 << 1.0 << QPointF(1.0, 1.0);
}

// What the view shows is the page as drawn, also where a page is many windows large: then it
// holds a sharp image of the part in view (drawn where it belongs) over a small whole one, never
// the whole page sharp. Page numbers added later show on the pages already drawn.
void TestDocumentView::viewShowsThePageAsDrawn()
{
    QFETCH(QSizeF, pageSize);
    QFETCH(int, rotate);
    QFETCH(double, zoom);
    QFETCH(QPointF, centre);
    fixtures::PageSpec spec;
    spec.size = pageSize;
    spec.rotate = rotate;
    spec.colour = fixtures::colourFor(1);
    ViewFixture f;
    QVERIFY(f.load({spec}));
    QSignalSpy rendered(&f.manager, &PdfRenderManager::pageRendered);
    QSignalSpy failed(&f.manager, &PdfRenderManager::pageRenderFailed);
    f.view.setZoomFactor(zoom);
    f.show();
    const QRect page = f.view.pageRect(0);
    f.view.horizontalScrollBar()->setValue(page.left() + int(page.width() * centre.x()) -
                                           f.viewportWidth() / 2);
    f.view.verticalScrollBar()->setValue(page.top() + int(page.height() * centre.y()) -
                                         f.viewportHeight() / 2);
    const QPoint scroll(f.view.horizontalScrollBar()->value(), f.view.verticalScrollBar()->value());

    // Every pixel in view shows the page as drawn: black over the marker (the top left quarter
    // of the page as stored), its colour elsewhere. Only pixels on an edge are skipped: a
    // blurred enlargement of a smaller image spreads the edge further.
    const auto matches = [&] {
        const QImage shot = f.view.viewport()->grab().toImage();
        const double ratio = shot.devicePixelRatio();
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QPointF at(((x + 0.5) / ratio + scroll.x() - page.left()) / page.width(),
                                 ((y + 0.5) / ratio + scroll.y() - page.top()) / page.height());
                if (at.x() < 0 || at.y() < 0 || at.x() >= 1 || at.y() >= 1)
                    continue;
                // Back to the page as stored: /Rotate 90 turned it clockwise.
                const QPointF stored = rotate == 90 ? QPointF(at.y(), 1 - at.x()) : at;
                const double edgeX =
                    std::abs(stored.x() - 0.25) * (rotate == 90 ? page.height() : page.width());
                const double edgeY =
                    std::abs(stored.y() - 0.25) * (rotate == 90 ? page.width() : page.height());
                const double border =
                    std::min({at.x() * page.width(), at.y() * page.height(),
                              (1 - at.x()) * page.width(), (1 - at.y()) * page.height()});
                if (border < 1.5 || (edgeX < 1.5 && stored.y() < 0.26) ||
                    (edgeY < 1.5 && stored.x() < 0.26))
                    continue;
                const bool marker = stored.x() < 0.25 && stored.y() < 0.25;
                if (!readback::similar(shot.pixelColor(x, y),
                                       marker ? QColor(Qt::black) : spec.colour, 16))
                    return false;
            }
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(matches(), 30000);
    QVERIFY(f.view.hasPageImage(f.model.pageAt(0)->id));
    QCOMPARE(failed.count(), 0);
    // What was drawn and what is held stay within a few window sizes of pixels.
    const double pixels = std::max(f.view.devicePixelRatioF() * f.view.devicePixelRatioF(), 1.0);
    for (const QList<QVariant> &args : std::as_const(rendered)) {
        const QImage image = args.at(5).value<QImage>();
        QVERIFY2(image.sizeInBytes() <= (qint64(20) << 20) * pixels,
                 qPrintable(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height())));
    }
    QVERIFY2(f.view.imageBytes() <= (qint64(32) << 20) * pixels,
             qPrintable(QString::number(f.view.imageBytes())));

    if (centre != QPointF(1.0, 1.0))
        return;
    const auto dark = [&f] {
        const QImage shot = f.view.viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                count += qGray(shot.pixel(x, y)) < 60;
        return count;
    };
    QCOMPARE(dark(), 0);
    PdfPageNumbering numbering;
    numbering.enabled = true;
    numbering.position = PdfStampPosition::BottomRight;
    numbering.fontSize = 30;
    QVERIFY(f.model.setPageNumbering(numbering));
    QTRY_VERIFY_WITH_TIMEOUT(dark() > 20, 10000);
    numbering.enabled = false;
    QVERIFY(f.model.setPageNumbering(numbering));
    QTRY_VERIFY_WITH_TIMEOUT(matches(), 10000);
}

void TestDocumentView::rotationDiscardsImageMoveKeepsIt()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(3, {300, 200})));
    f.show();
    f.view.setZoomFactor(1.0);
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    const PdfPageId first = f.model.pageAt(0)->id;
    const PdfPageId second = f.model.pageAt(1)->id;

    f.model.moveRows(QModelIndex(), 1, 1, QModelIndex(), 0);
    QVERIFY(f.view.hasPageImage(first));
    QVERIFY(f.view.hasPageImage(second));

    f.model.rotatePages({first}, 90);
    QVERIFY(!f.view.hasPageImage(first));
    QVERIFY(f.view.hasPageImage(second));
    QCOMPARE(f.view.pageRect(1).size(), QSize(200, 300));
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    QVERIFY(f.view.hasPageImage(first));
}

void TestDocumentView::staleResultsDropped()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(1), false));
    f.view.setRenderManager(&f.manager);
    f.show();
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    const PdfPageId id = f.model.pageAt(0)->id;
    const QColor before = viewertest::paintedPageCentre(&f.view, 0);

    // A result nobody asked for, of the right size, is not taken.
    const QRect r = f.view.pageRect(0);
    const QSize target(int(std::ceil(r.width() * 1.5)), int(std::ceil(r.height() * 1.5)));
    QImage black(target, QImage::Format_RGB32);
    black.fill(Qt::black);
    Q_EMIT f.manager.pageRendered(id, target, PdfRenderPurpose::Page, 1, f.model.revision(), black);
    Q_EMIT f.manager.pageRendered(id, target, PdfRenderPurpose::Thumbnail, 1, f.model.revision(),
                                  black);
    QCOMPARE(viewertest::paintedPageCentre(&f.view, 0), before);
}

void TestDocumentView::scrollingFarAwayLetsImagesGo()
{
    ViewFixture f;
    QVERIFY(f.load(fixtures::pagesOf(80, {300, 400})));
    f.show(QSize(600, 500));
    f.view.setZoomFactor(1.0);
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    const PdfPageId first = f.model.pageAt(0)->id;
    QVERIFY(f.view.hasPageImage(first));
    f.view.goToPage(79);
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    QVERIFY(!f.view.hasPageImage(first));
    // Coming back asks again and shows the page.
    f.view.goToPage(0);
    QVERIFY(viewertest::waitForVisibleImages(&f.view, &f.model));
    QVERIFY(readback::similar(viewertest::paintedPageCentre(&f.view, 0), fixtures::colourFor(0)));
}

VELMORA_REGISTER_TEST(TestDocumentView);
#include "tst_pdfdocumentview.moc"
