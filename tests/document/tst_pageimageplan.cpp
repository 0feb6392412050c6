#include "pageimageplan.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfrendermanager.h"
#include "testregistry.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The page images of the reading view, planned without any widget: which pages get images, at
// which size, which part of a deeply zoomed page, how many requests at once, what is let go.
class TestPageImagePlan : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QList<QRect> column(int pages, QSize shown, int gap)
    {
        QList<QRect> rects;
        for (int row = 0; row < pages; ++row)
            rects.append(QRect(QPoint(0, row * (shown.height() + gap)), shown));
        return rects;
    }

    // Asks and feeds the answers back until the plan asks for nothing more; the most requests
    // that were outstanding at once.
    static int settle(PageImagePlan &plan, const PageImagePlan::View &view)
    {
        int most = 0;
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < 200 && clock.elapsed() < 60000; ++round) {
            plan.request(view);
            most = std::max(most, plan.inFlight());
            if (plan.inFlight() == 0)
                break;
            while (plan.inFlight() > 0 && clock.elapsed() < 60000)
                QTest::qWait(5);
        }
        return most;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void plansThePagesInView_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("scrollTo");
        QTest::addColumn<double>("pixelRatio");
        QTest::addColumn<bool>("split");
        QTest::newRow("fit width, top")
            << 30 << QSize(600, 900) << QSize(800, 1000) << 0 << 1.5 << false;
        QTest::newRow("read on to the middle")
            << 30 << QSize(600, 900) << QSize(800, 1000) << 12000 << 1.5 << false;
        QTest::newRow("small pages, many in view")
            << 120 << QSize(60, 90) << QSize(800, 2000) << 0 << 2.0 << false;
        QTest::newRow("deep zoom")
            << 3 << QSize(12000, 18000) << QSize(800, 1000) << 6000 << 1.5 << true;
    }
    void plansThePagesInView()
    {
        QFETCH(int, pages);
        QFETCH(QSize, shown);
        QFETCH(QSize, window);
        QFETCH(int, scrollTo);
        QFETCH(double, pixelRatio);
        QFETCH(bool, split);

        const QString path = m_dir.filePath(u"plan%1.pdf"_s.arg(pages));
        fixtures::DocumentSpec spec;
        for (int i = 0; i < pages; ++i)
            spec.pages.append({QSizeF(200, 300), 0, fixtures::colourFor(i), {}, false});
        QVERIFY(fixtures::write(spec, path));
        PdfDocumentModel model;
        QVERIFY(model.loadDocument(path, QString(), nullptr, nullptr));
        PdfRenderManager manager;
        PageImagePlan plan;
        plan.setDocumentModel(&model);
        plan.setRenderManager(&manager);
        connect(&manager, &PdfRenderManager::pageRendered, this,
                [&plan](PdfPageId id, QSize size, PdfRenderPurpose, qulonglong request, qulonglong,
                        const QImage &image) { plan.accept(id, size, request, image); });
        connect(&manager, &PdfRenderManager::pageRenderFailed, this,
                [&plan](PdfPageId id, PdfRenderPurpose, qulonglong request, const QString &) {
                    plan.fail(id, request);
                });

        PageImagePlan::View view;
        view.pageRects = column(pages, shown, 18);
        view.pixelRatio = pixelRatio;
        view.screenPixelRatio = 1.0;
        view.visible = QRect(QPoint(0, 0), window);
        int most = settle(plan, view);
        view.visible.moveTop(scrollTo);
        most = std::max(most, settle(plan, view));
        // Bounded however many pages are in view; a page's rough first image goes with its sharp
        // one.
        QVERIFY2(most <= PageImagePlan::MaxInFlight + 1, qPrintable(QString::number(most)));

        const QRect visible = view.visible;
        const QRect around = visible.adjusted(0, -window.height(), 0, window.height());
        const QRect kept = visible.adjusted(0, -2 * window.height(), 0, 2 * window.height());
        int held = 0;
        for (int row = 0; row < pages; ++row) {
            const QRect rect = view.pageRects.at(row);
            const PdfPageId id = model.pageAt(row)->id;
            const PageImagePlan::Page *page = plan.page(id);
            if (!rect.intersects(kept)) {
                QVERIFY2(!plan.hasImage(id), qPrintable(u"row %1 kept"_s.arg(row)));
                continue;
            }
            if (!rect.intersects(around))
                continue;
            ++held;
            QVERIFY2(page && page->image, qPrintable(u"row %1 has no image"_s.arg(row)));
            // The page's own colour: the image is of that page.
            const QImage &image = *page->image;
            QVERIFY(fixtures::near(image.pixelColor(image.width() / 2, image.height() / 2),
                                   fixtures::colourFor(row)));
            const double w = shown.width() * pixelRatio;
            const double h = shown.height() * pixelRatio;
            if (!split) {
                QCOMPARE(image.size(), QSize(int(std::ceil(w)), int(std::ceil(h))));
                QVERIFY(!page->detail);
                continue;
            }
            // Deep zoom: a whole image within its bound, and on screen a sharp part covering
            // what is visible of the page, at the screen's own pixel ratio.
            QVERIFY(double(image.width()) * image.height() <= PageImagePlan::OverviewArea * 1.01);
            if (!rect.intersects(visible))
                continue;
            QVERIFY(page->detail);
            QCOMPARE(page->detailPageSize, shown);
            QCOMPARE(page->detail->size(), page->detailRegion.size());
            const QRect seen = (rect & visible).translated(-rect.topLeft());
            QVERIFY2(page->detailRegion.contains(seen),
                     qPrintable(u"%1,%2 %3x%4"_s.arg(page->detailRegion.x())
                                    .arg(page->detailRegion.y())
                                    .arg(page->detailRegion.width())
                                    .arg(page->detailRegion.height())));
            QVERIFY(fixtures::near(
                page->detail->pixelColor(page->detail->width() / 2, page->detail->height() / 2),
                fixtures::colourFor(row)));
        }
        QVERIFY(held > 0);
        QVERIFY(plan.imageBytes() > 0);
    }
};

VELMORA_REGISTER_TEST(TestPageImagePlan);
#include "tst_pageimageplan.moc"
