#include "organisetest.h"
#include "pdffixtures.h"
#include "pdfinsertdropzone.h"
#include "pdfrendermanager.h"
#include "pdfthumbnailpanel.h"
#include "pdfundomanager.h"
#include "testregistry.h"
#include "thumbnaildelegate.h"

#include <QListView>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace organise;

namespace {

struct Strip
{
    std::unique_ptr<PdfDocumentModel> model;
    PdfRenderManager renderManager;
    PdfThumbnailPanel panel;
};

QRect actionBarOf(const PdfThumbnailPanel &panel, int row)
{
    QListView *list = panel.listView();
    return ThumbnailDelegate::actionBarRect(
        ThumbnailDelegate::cardRect(list->visualRect(list->model()->index(row, 0))));
}

// A render manager whose thread does not run while the test looks: requests are taken, but no
// answer is delivered until it is released.
struct ParkedRenderManager
{
    QThread parked;
    PdfRenderManager *manager = new PdfRenderManager;

    ParkedRenderManager() { manager->moveToThread(&parked); }
    ~ParkedRenderManager()
    {
        parked.start();
        QMetaObject::invokeMethod(
            manager, [this] { manager->moveToThread(QCoreApplication::instance()->thread()); },
            Qt::BlockingQueuedConnection);
        parked.quit();
        parked.wait();
        delete manager;
    }
};

} // namespace

class ThumbnailPanelTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::unique_ptr<Strip> makeStrip(int pages, int height = 700)
    {
        auto strip = std::make_unique<Strip>();
        strip->model = loadFixture(m_dir, u"strip-%1.pdf"_s.arg(pages), pages);
        if (!strip->model)
            return nullptr;
        strip->panel.resize(210, height);
        strip->panel.show();
        if (!QTest::qWaitForWindowExposed(&strip->panel))
            return nullptr;
        strip->panel.setDocumentModel(strip->model.get());
        strip->panel.setRenderManager(&strip->renderManager);
        return strip;
    }

private Q_SLOTS:
    void actionBarThirds_data()
    {
        // Where on card 1 the click lands (x as a fraction of the action bar, y in the bar or in
        // the lower part of the card), whether the pointer rested first, and what it does.
        QTest::addColumn<double>("fraction");
        QTest::addColumn<bool>("lowerPart");
        QTest::addColumn<bool>("rested");
        QTest::addColumn<int>("action");
        QTest::newRow("preview, left third") << 0.15 << false << true << 0;
        QTest::newRow("rotate, middle third") << 0.5 << false << true << 1;
        QTest::newRow("delete, right third") << 0.85 << false << true << 2;
        QTest::newRow("lower part, middle: opens") << 0.5 << true << true << -1;
        QTest::newRow("lower part, right: opens") << 0.85 << true << true << -1;
        QTest::newRow("bar place before it shows: opens") << 0.5 << false << false << -1;
    }

    void actionBarThirds()
    {
        QFETCH(double, fraction);
        QFETCH(bool, lowerPart);
        QFETCH(bool, rested);
        QFETCH(int, action);
        auto strip = makeStrip(4);
        QVERIFY(strip);
        PdfThumbnailPanel &panel = strip->panel;
        QWidget *viewport = panel.listView()->viewport();
        QSignalSpy preview(&panel, &PdfThumbnailPanel::previewPageRequested);
        QSignalSpy rotate(&panel, &PdfThumbnailPanel::rotatePageRequested);
        QSignalSpy remove(&panel, &PdfThumbnailPanel::deletePageRequested);
        QSignalSpy activated(&panel, &PdfThumbnailPanel::pageActivated);

        const QRect bar = actionBarOf(panel, 1);
        const QRect card = ThumbnailDelegate::cardRect(
            panel.listView()->visualRect(panel.listView()->model()->index(1, 0)));
        const int y = lowerPart ? card.bottom() - 20 : bar.center().y();
        const QPoint at(bar.left() + int(bar.width() * fraction), y);
        mouseMove(viewport, at);
        QCOMPARE(panel.hoverRow(), 1);
        if (rested)
            QTRY_COMPARE(panel.actionsRow(), 1);
        else
            QCOMPARE(panel.actionsRow(), -1);
        const QImage shown = viewport->grab().toImage();
        mouseClick(viewport, at);

        QList<QSignalSpy *> spies{&preview, &rotate, &remove};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(spies[i]->count(), i == action ? 1 : 0);
        QCOMPARE(strip->model->pageCount(), 4);
        QCOMPARE(panel.listView()->currentIndex().row(), 1);
        if (action >= 0) {
            QCOMPARE(spies[action]->first().first().value<PdfPageId>(), idAt(*strip->model, 1));
            QCOMPARE(activated.count(), 0);
        } else {
            // An ordinary click on the card: it opens the page.
            QCOMPARE(activated.count(), 1);
            QCOMPARE(activated.first().first().toInt(), 1);
        }
        // The bar is painted exactly when it acts: white over the thumbnail, never lower down.
        const QColor barColour = shown.pixelColor(bar.center() * shown.devicePixelRatio());
        QCOMPARE(barColour == QColor(Qt::white), rested);
        QVERIFY(!bar.contains(QPoint(bar.center().x(), card.bottom() - 20)));
    }

    void releaseWithoutHoverIsAClick_data()
    {
        QTest::addColumn<int>("hoverRow");
        QTest::newRow("hover on another card") << 0;
        QTest::newRow("no hover") << -1;
    }

    void releaseWithoutHoverIsAClick()
    {
        QFETCH(int, hoverRow);
        auto strip = makeStrip(4);
        QVERIFY(strip);
        PdfThumbnailPanel &panel = strip->panel;
        QWidget *viewport = panel.listView()->viewport();
        QSignalSpy rotate(&panel, &PdfThumbnailPanel::rotatePageRequested);
        QSignalSpy activated(&panel, &PdfThumbnailPanel::pageActivated);

        const QRect bar = actionBarOf(panel, 1);
        const QPoint at = bar.center();
        if (hoverRow >= 0)
            mouseMove(viewport, actionBarOf(panel, hoverRow).center());
        else
            mouseLeave(viewport);
        QCOMPARE(panel.hoverRow(), hoverRow);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);

        QCOMPARE(rotate.count(), 0);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toInt(), 1);
        QCOMPARE(panel.listView()->currentIndex().row(), 1);
    }

    void rotationDropsAndRequestsThumbnail()
    {
        auto strip = makeStrip(3);
        QVERIFY(strip);
        PdfThumbnailPanel &panel = strip->panel;
        const PdfPageId id = idAt(*strip->model, 0);
        QTRY_VERIFY(!panel.thumbnail(id).isNull());
        const QImage upright = panel.thumbnail(id);
        QVERIFY(upright.height() > upright.width());

        strip->model->rotatePages({id}, 90);
        QVERIFY(panel.thumbnail(id).isNull());
        QVERIFY(panel.isRequestPending(id));
        QTRY_VERIFY(!panel.thumbnail(id).isNull());
        const QImage turned = panel.thumbnail(id);
        QVERIFY(turned.width() > turned.height());
        QCOMPARE(turned.size(), QSize(136, 91)); // 300 x 200 points fitted into 136 x 166
    }

    void moveKeepsThumbnail()
    {
        auto strip = makeStrip(5);
        QVERIFY(strip);
        PdfThumbnailPanel &panel = strip->panel;
        const PdfPageId id = idAt(*strip->model, 0);
        QTRY_COMPARE(panel.pendingRequestCount(), 0);
        QTRY_VERIFY(!panel.thumbnail(id).isNull());
        const qint64 before = panel.thumbnail(id).cacheKey();

        QVERIFY(strip->model->moveRows(QModelIndex(), 0, 1, QModelIndex(), 4));
        QCOMPARE(strip->model->rowOfPage(id), 3);
        QCOMPARE(panel.thumbnail(id).cacheKey(), before);
        QCOMPARE(panel.pendingRequestCount(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(panel.pendingRequestCount(), 0);
        QCOMPARE(panel.thumbnail(id).cacheKey(), before);
    }

    void cardsDropByHalves_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("lowerHalf");
        QTest::addColumn<QString>("order");
        QTest::newRow("one place down, lower half of the next card") << 0 << 1 << true << u"BACD"_s;
        QTest::newRow("upper half of the next card: its own place") << 0 << 1 << false << u"ABCD"_s;
        QTest::newRow("up, upper half of a card") << 3 << 1 << false << u"ADBC"_s;
        QTest::newRow("up, lower half of a card") << 3 << 0 << true << u"ADBC"_s;
        QTest::newRow("down to the end") << 1 << 3 << true << u"ACDB"_s;
    }

    void cardsDropByHalves()
    {
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(bool, lowerHalf);
        QFETCH(QString, order);
        auto strip = makeStrip(4, 1100);
        QVERIFY(strip);
        PdfDocumentModel &model = *strip->model;
        QListView *list = strip->panel.listView();
        const QRect card = list->visualRect(model.index(target));
        const QPoint at(card.center().x(), lowerHalf ? card.bottom() - 40 : card.top() + 40);
        std::unique_ptr<QMimeData> data(model.mimeData({model.index(source)}));

        QDragEnterEvent enter(list->visualRect(model.index(source)).center(), Qt::MoveAction,
                              data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &move);
        const bool moves = order != u"ABCD"_s;
        QCOMPARE(move.isAccepted(), moves);
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &drop);

        QString letters;
        for (const PdfPageEntry &entry : model.pages())
            letters += QChar(u'A' + entry.sourcePageIndex);
        QCOMPARE(letters, order);
        QCOMPARE(model.isModified(), moves);
    }

    void undoKeepsThumbnailsOfUnchangedPages()
    {
        auto strip = makeStrip(3);
        QVERIFY(strip);
        PdfThumbnailPanel &panel = strip->panel;
        PdfUndoManager undo(strip->model.get());
        const PdfPageId turned = idAt(*strip->model, 0);
        const PdfPageId kept = idAt(*strip->model, 1);
        QTRY_COMPARE(panel.pendingRequestCount(), 0);
        QTRY_VERIFY(!panel.thumbnail(kept).isNull());
        const qint64 keptKey = panel.thumbnail(kept).cacheKey();

        undo.rotatePages({turned}, 90);
        QTRY_VERIFY(!panel.thumbnail(turned).isNull());
        QVERIFY(panel.thumbnail(turned).width() > panel.thumbnail(turned).height());

        undo.undoStack()->undo();
        // The turned page shows its upright thumbnail again; the others were never dropped.
        QCOMPARE(panel.thumbnail(kept).cacheKey(), keptKey);
        QVERIFY(panel.thumbnail(turned).isNull());
        QTRY_VERIFY(!panel.thumbnail(turned).isNull());
        QVERIFY(panel.thumbnail(turned).height() > panel.thumbnail(turned).width());
    }

    void sweepFetchesEveryPage()
    {
        auto strip = makeStrip(40, 500);
        QVERIFY(strip);
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (int row = 0; row < strip->model->pageCount(); ++row) {
                    if (strip->panel.thumbnail(idAt(*strip->model, row)).isNull())
                        return false;
                }
                return true;
            }(),
            20000);
        QCOMPARE(strip->panel.pendingRequestCount(), 0);
    }

    void sweepBacksOffWhileManyArePending()
    {
        auto model = loadFixture(m_dir, u"sweep.pdf"_s, 60);
        QVERIFY(model);
        ParkedRenderManager parked;
        PdfThumbnailPanel panel;
        panel.resize(210, 500);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto *timer = panel.findChild<QTimer *>(u"pdfThumbnailSweepTimer"_s);
        QVERIFY(timer);
        panel.setDocumentModel(model.get());
        panel.setRenderManager(parked.manager);

        QTRY_VERIFY(panel.pendingRequestCount() >= PdfThumbnailPanel::SweepPendingLimit);
        const int pending = panel.pendingRequestCount();
        // Each step that went ahead asked for at most 8 more while fewer than 18 were pending.
        QVERIFY(pending < PdfThumbnailPanel::SweepPendingLimit + PdfThumbnailPanel::SweepBatch);
        QSignalSpy steps(timer, &QTimer::timeout);
        QTRY_VERIFY(steps.count() >= 3);
        QCOMPARE(panel.pendingRequestCount(), pending);
        QCOMPARE(timer->interval(), 50);
        panel.setRenderManager(nullptr);
    }

    void farThumbnailsGoAndComeBack_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("budgetCards");
        QTest::newRow("12 cards' worth, 120 pages") << 120 << 12;
        QTest::newRow("30 cards' worth, 90 pages") << 90 << 30;
    }

    void farThumbnailsGoAndComeBack()
    {
        QFETCH(int, pages);
        QFETCH(int, budgetCards);
        Strip strip;
        strip.model = loadFixture(m_dir, u"bounded-%1.pdf"_s.arg(pages), pages);
        QVERIFY(strip.model);
        strip.model->ensurePageSizes();
        // The first page is the largest thumbnail of the fixture.
        const QSize largest = PdfThumbnailPanel::thumbnailTargetSize(*strip.model->pageAt(0));
        const qint64 budget = qint64(budgetCards) * largest.width() * largest.height() * 4;
        PdfThumbnailPanel &panel = strip.panel;
        panel.setThumbnailBudget(budget);
        panel.resize(210, 500);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.setDocumentModel(strip.model.get());
        panel.setRenderManager(&strip.renderManager);
        auto *sweep = panel.findChild<QTimer *>(u"pdfThumbnailSweepTimer"_s);
        QVERIFY(sweep);
        const auto atRest = [&] {
            return panel.pendingRequestCount() == 0 && !sweep->isActive();
        };
        const auto heldBytes = [&] {
            qint64 bytes = 0;
            for (int row = 0; row < pages; ++row)
                bytes += panel.thumbnail(idAt(*strip.model, row)).sizeInBytes();
            return bytes;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!panel.thumbnail(idAt(*strip.model, 0)).isNull() && atRest(),
                                 20000);
        QVERIFY(heldBytes() <= budget);

        QScrollBar *bar = panel.listView()->verticalScrollBar();
        bar->setValue(bar->maximum());
        QTRY_VERIFY_WITH_TIMEOUT(
            !panel.thumbnail(idAt(*strip.model, pages - 1)).isNull() && atRest(), 20000);
        QVERIFY(heldBytes() <= budget);
        // The far end went first; the cards still shown stayed.
        QVERIFY(panel.thumbnail(idAt(*strip.model, 0)).isNull());
        QVERIFY(!panel.thumbnail(idAt(*strip.model, pages - 2)).isNull());

        bar->setValue(0);
        QTRY_VERIFY_WITH_TIMEOUT(!panel.thumbnail(idAt(*strip.model, 0)).isNull() && atRest(),
                                 20000);
        QVERIFY(heldBytes() <= budget);
        QVERIFY(panel.thumbnail(idAt(*strip.model, pages - 1)).isNull());
        // What the card paints again is the first page itself.
        QListView *list = panel.listView();
        const QRect box = ThumbnailDelegate::thumbnailBox(
            ThumbnailDelegate::cardRect(list->visualRect(list->model()->index(0, 0))));
        const QImage shot = list->viewport()->grab().toImage();
        const QColor painted = shot.pixelColor(box.center() * shot.devicePixelRatio());
        const QColor expected = fixtures::colourFor(0);
        QVERIFY2(fixtures::near(painted, expected, 12),
                 qPrintable(painted.name() + u" for "_s + expected.name()));
    }

    void cardsAtTheEndAreAskedFor()
    {
        // Scrolled to the end, the viewport's bottom edge lies below the last card.
        auto model = loadFixture(m_dir, u"end.pdf"_s, 60);
        QVERIFY(model);
        ParkedRenderManager parked;
        PdfThumbnailPanel panel;
        panel.resize(210, 500);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.setDocumentModel(model.get());
        panel.setRenderManager(parked.manager);
        QScrollBar *bar = panel.listView()->verticalScrollBar();
        bar->setValue(bar->maximum());
        QVERIFY(!panel.listView()
                     ->indexAt(QPoint(4, panel.listView()->viewport()->height() - 1))
                     .isValid());
        QTRY_VERIFY(panel.isRequestPending(idAt(*model, 59)));
        QVERIFY(panel.isRequestPending(idAt(*model, 57)));
        panel.setRenderManager(nullptr);
    }

    void currentPageScrollsIntoView()
    {
        auto strip = makeStrip(30, 500);
        QVERIFY(strip);
        QListView *list = strip->panel.listView();
        strip->panel.setCurrentPage(25);
        QCOMPARE(list->currentIndex().row(), 25);
        QVERIFY(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
        QVERIFY(list->verticalScrollBar()->value() > 0);
        strip->panel.setCurrentPage(30); // outside: ignored
        QCOMPARE(list->currentIndex().row(), 25);
    }

    void dropZoneOnEmptyDocument()
    {
        PdfDocumentModel empty;
        PdfThumbnailPanel panel;
        panel.setDocumentModel(&empty);
        QSignalSpy choose(&panel, &PdfThumbnailPanel::chooseInsertFilesRequested);
        panel.insertDropZone()->click();
        QCOMPARE(choose.count(), 1);
        QCOMPARE(choose.first().first().toInt(), 0);
    }

    void dropZoneAcceptsOnlyPdfFiles_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("two pdf files") << QStringList{u"a.pdf"_s, u"b.PDF"_s} << true;
        QTest::newRow("a pdf and a text file") << QStringList{u"a.PDF"_s, u"notes.txt"_s} << false;
        QTest::newRow("no files") << QStringList{} << false;
    }

    void dropZoneAcceptsOnlyPdfFiles()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, accepted);
        auto strip = makeStrip(3);
        QVERIFY(strip);
        PdfInsertDropZone *zone = strip->panel.insertDropZone();
        QSignalSpy insert(&strip->panel, &PdfThumbnailPanel::insertFilesRequested);

        QMimeData data;
        QList<QUrl> urls;
        QStringList paths;
        for (const QString &name : names) {
            paths.append(m_dir.filePath(name));
            urls.append(QUrl::fromLocalFile(paths.last()));
        }
        data.setUrls(urls);
        const QPoint centre = zone->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(zone, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QCOMPARE(zone->property("dragActive").toBool(), accepted);
        if (!accepted)
            return;

        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(zone, &drop);
        QVERIFY(!zone->property("dragActive").toBool());
        QCOMPARE(insert.count(), 1);
        QCOMPARE(insert.first().at(0).toStringList(), paths);
        QCOMPARE(insert.first().at(1).toInt(), 3);
    }
};

VELMORA_REGISTER_TEST(ThumbnailPanelTest);

#include "tst_thumbnailpanel.moc"
