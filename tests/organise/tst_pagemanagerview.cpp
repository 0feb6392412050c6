#include "organisetest.h"
#include "pagemanagerlistview.h"
#include "pdfpagemanagerview.h"
#include "pdfrendermanager.h"
#include "pdfundomanager.h"
#include "testregistry.h"
#include "theme.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace organise;

namespace {

struct Grid
{
    std::unique_ptr<PdfDocumentModel> model;
    PdfRenderManager renderManager;
    PdfPageManagerView view;
};

QRect itemRect(const PdfPageManagerView &view, int row)
{
    return view.grid()->visualRect(view.grid()->model()->index(row, 0));
}

QPoint splitPoint(const PdfPageManagerView &view, int row)
{
    const QRect item = itemRect(view, row);
    return view.splitClickArea(item).center();
}

// The insert marker after the card of the row; before the first card for -1.
QPoint insertPoint(const PdfPageManagerView &view, int row)
{
    if (row < 0)
        return view.insertFirstMarkerRect(itemRect(view, 0)).center();
    const QRect item = itemRect(view, row);
    return view.insertMarkerRect(item).center();
}

QPoint checkBoxPoint(const PdfPageManagerView &view, int row)
{
    const QRect item = itemRect(view, row);
    return PdfPageManagerView::checkBoxRect(view.cardRect(item)).center();
}

QList<int> lastRows(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QList<int>{-1} : spy.last().first().value<QList<int>>();
}

QList<int> gridSelectedRows(const PdfPageManagerView &view)
{
    QList<int> rows;
    for (const QModelIndex &index : view.grid()->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

class PageManagerViewTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::unique_ptr<Grid> makeGrid(int pages, bool render = false)
    {
        auto grid = std::make_unique<Grid>();
        grid->model = loadFixture(m_dir, u"grid-%1.pdf"_s.arg(pages), pages);
        if (!grid->model)
            return nullptr;
        grid->view.resize(1000, 700);
        grid->view.show();
        if (!QTest::qWaitForWindowExposed(&grid->view))
            return nullptr;
        grid->view.setDocumentModel(grid->model.get());
        if (render)
            grid->view.setRenderManager(&grid->renderManager);
        return grid;
    }

private Q_SLOTS:
    void splitPointsFollowTheirPages()
    {
        // Pages A B C D with a split point at C.
        auto grid = makeGrid(4);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        PdfDocumentModel &model = *grid->model;
        QSignalSpy points(&view, &PdfPageManagerView::splitPointsChanged);
        view.setWorkspaceMode(PdfWorkspaceMode::Split);
        const PdfPageId c = idAt(model, 2);

        mouseClick(view.grid()->viewport(), splitPoint(view, 2));
        QCOMPARE(lastRows(points), QList<int>{2});
        QVERIFY(view.isSplitPoint(2));

        QVERIFY(model.moveRows(QModelIndex(), 2, 1, QModelIndex(), 0));
        QCOMPARE(model.rowOfPage(c), 0);
        QCOMPARE(lastRows(points), QList<int>{});

        QVERIFY(model.moveRows(QModelIndex(), 0, 1, QModelIndex(), 3));
        QCOMPARE(model.rowOfPage(c), 2);
        QCOMPARE(lastRows(points), QList<int>{2});

        // A second click on the same gap takes the point away again.
        mouseClick(view.grid()->viewport(), splitPoint(view, 2));
        QCOMPARE(lastRows(points), QList<int>{});
    }

    void deletionPrunesSplitPoints_data()
    {
        QTest::addColumn<QList<int>>("points");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("page carrying the point") << QList<int>{2} << 2 << QList<int>{};
        QTest::newRow("page before the point") << QList<int>{3} << 1 << QList<int>{2};
        QTest::newRow("one of two points") << QList<int>{1, 3} << 3 << QList<int>{1};
    }

    void deletionPrunesSplitPoints()
    {
        QFETCH(QList<int>, points);
        QFETCH(int, deleted);
        QFETCH(QList<int>, expected);
        auto grid = makeGrid(5);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        view.setWorkspaceMode(PdfWorkspaceMode::Split);
        for (int row : points)
            mouseClick(view.grid()->viewport(), splitPoint(view, row));
        QCOMPARE(view.splitRows(), points);

        QSignalSpy changed(&view, &PdfPageManagerView::splitPointsChanged);
        grid->model->removePages({idAt(*grid->model, deleted)});
        QVERIFY(!changed.isEmpty());
        QCOMPARE(lastRows(changed), expected);
    }

    void splitPointsSurviveUndoButNotAnotherDocument()
    {
        auto grid = makeGrid(4);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        PdfDocumentModel &model = *grid->model;
        PdfUndoManager undo(&model);
        view.setWorkspaceMode(PdfWorkspaceMode::Split);
        mouseClick(view.grid()->viewport(), splitPoint(view, 2));
        QSignalSpy points(&view, &PdfPageManagerView::splitPointsChanged);

        undo.removePages({idAt(model, 0)});
        QCOMPARE(lastRows(points), QList<int>{1});
        undo.undoStack()->undo(); // a snapshot restore resets the model
        QCOMPARE(lastRows(points), QList<int>{2});
        undo.undoStack()->redo();
        QCOMPARE(lastRows(points), QList<int>{1});

        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(model.loadDocument(writeFixture(m_dir, u"other.pdf"_s, 4), QString(), &error,
                                   &message));
        QCOMPARE(lastRows(points), QList<int>{});
    }

    void splitEveryPage()
    {
        auto grid = makeGrid(4);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        view.setWorkspaceMode(PdfWorkspaceMode::Split);
        mouseClick(view.grid()->viewport(), splitPoint(view, 2));
        QSignalSpy points(&view, &PdfPageManagerView::splitPointsChanged);

        view.setSplitEveryPage(true);
        QCOMPARE(lastRows(points), (QList<int>{1, 2, 3}));
        const int emitted = int(points.count());
        mouseClick(view.grid()->viewport(), splitPoint(view, 1));
        mouseClick(view.grid()->viewport(), splitPoint(view, 2));
        QCOMPARE(points.count(), emitted);
        QCOMPARE(view.splitRows(), (QList<int>{1, 2, 3}));

        view.setSplitEveryPage(false);
        QCOMPARE(lastRows(points), QList<int>{2});
    }

    void onePageHasNoSplitPoints()
    {
        auto grid = makeGrid(1);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        view.setWorkspaceMode(PdfWorkspaceMode::Split);
        QSignalSpy points(&view, &PdfPageManagerView::splitPointsChanged);
        view.setSplitEveryPage(true);
        QCOMPARE(lastRows(points), QList<int>{});
        // Nothing is drawn between cards: the area left of the only card is plain background.
        const QImage shot = view.grid()->viewport()->grab().toImage();
        const QRect item = itemRect(view, 0);
        QCOMPARE(shot.pixelColor(view.splitLineRect(item).center()), QColor(0xFA, 0xFB, 0xFC));
    }

    void insertMarkers_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("before the first card") << -1;
        QTest::newRow("after the first card") << 0;
        QTest::newRow("after the last card") << 4;
    }

    void insertMarkers()
    {
        QFETCH(int, row);
        auto grid = makeGrid(5);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        QSignalSpy insert(&view, &PdfPageManagerView::insertAtRequested);

        // Outside insert mode the marker's place is an ordinary part of the grid.
        mouseClick(view.grid()->viewport(), insertPoint(view, row));
        QCOMPARE(insert.count(), 0);

        view.setWorkspaceMode(PdfWorkspaceMode::Insert);
        const QPoint at = insertPoint(view, row);
        // The marker is drawn where it is clicked.
        const QImage shot = view.grid()->viewport()->grab().toImage();
        QCOMPARE(shot.pixelColor(at + QPoint(-11, 0)), Theme::color(Theme::pageMarker));
        mouseClick(view.grid()->viewport(), at);
        QCOMPARE(insert.count(), 1);
        QCOMPARE(insert.first().at(0).toInt(), row + 1);
        QCOMPARE(insert.first().at(1).toPoint(), view.grid()->viewport()->mapToGlobal(at));
    }

    void markersAtTheEdgesAreWhole()
    {
        // The narrowest grid with four columns: the last column ends at the viewport's right
        // border, so a gap marker there would hang over it; the first column starts at 0.
        auto grid = makeGrid(30);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        QWidget *viewport = view.grid()->viewport();
        const int cell = view.cellSize().width();
        for (int width = 4 * cell - 20; width < 4 * cell + 100; ++width) {
            view.resize(width, 700);
            QCoreApplication::processEvents();
            if (itemRect(view, 4).left() == 0)
                break;
        }
        QCOMPARE(itemRect(view, 4).left(), 0);
        QVERIFY(itemRect(view, 3).right() + 18 > viewport->width());

        QVERIFY(viewport->rect().contains(view.insertMarkerRect(itemRect(view, 3))));
        QVERIFY(viewport->rect().contains(view.splitMarkerRect(itemRect(view, 4))));
        QVERIFY(viewport->rect().contains(view.splitClickArea(itemRect(view, 4))));

        QSignalSpy points(&view, &PdfPageManagerView::splitPointsChanged);
        view.setWorkspaceMode(PdfWorkspaceMode::Split);
        mouseClick(viewport, view.splitClickArea(itemRect(view, 4)).topLeft() + QPoint(1, 1));
        QCOMPARE(lastRows(points), QList<int>{4});
        QSignalSpy insert(&view, &PdfPageManagerView::insertAtRequested);
        view.setWorkspaceMode(PdfWorkspaceMode::Insert);
        mouseClick(viewport, view.insertMarkerRect(itemRect(view, 3)).center());
        QCOMPARE(insert.count(), 1);
        QCOMPARE(insert.first().first().toInt(), 4);
    }

    void checkBoxTogglesOnePage()
    {
        auto grid = makeGrid(4);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        PdfDocumentModel &model = *grid->model;
        model.setPageSelected(idAt(model, 0), true);
        QCOMPARE(gridSelectedRows(view), QList<int>{0});

        // An ordinary click would replace the selection; the check box adds to it.
        mouseClick(view.grid()->viewport(), checkBoxPoint(view, 2));
        QCOMPARE(model.selectedRows(), (QList<int>{0, 2}));
        QCOMPARE(gridSelectedRows(view), (QList<int>{0, 2}));

        mouseClick(view.grid()->viewport(), checkBoxPoint(view, 0));
        QCOMPARE(model.selectedRows(), QList<int>{2});
        QCOMPARE(gridSelectedRows(view), QList<int>{2});

        // A click on the card itself is the grid's: it selects that page alone.
        const QRect item = itemRect(view, 1);
        mouseClick(view.grid()->viewport(),
                   PdfPageManagerView::imageArea(view.cardRect(item)).center());
        QCOMPARE(model.selectedRows(), QList<int>{1});
    }

    void checkBoxPressNeverDrags()
    {
        // A card clicked before leaves the grid's press state behind; a check box press that
        // wobbles on its way up must neither drag nor sweep a selection from there.
        auto grid = makeGrid(6);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        PdfDocumentModel &model = *grid->model;
        QWidget *viewport = view.grid()->viewport();
        const QList<PdfPageEntry> order = model.pages();
        mouseClick(viewport,
                   PdfPageManagerView::imageArea(view.cardRect(itemRect(view, 0))).center());
        QCOMPARE(model.selectedRows(), QList<int>{0});

        const QPoint box = checkBoxPoint(view, 2);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, box);
        bool inMove = true;
        bool dragStarted = false;
        QTimer::singleShot(300, viewport, [&] {
            if (!inMove)
                return;
            dragStarted = true; // a drag runs its own loop: end it
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &escape);
        });
        for (const QPoint step : {QPoint(30, 10), QPoint(120, 40), QPoint(260, 60)}) {
            QMouseEvent move(QEvent::MouseMove, box + step, viewport->mapToGlobal(box + step),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &move);
        }
        inMove = false;
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, box + QPoint(260, 60));

        QVERIFY(!dragStarted);
        QCOMPARE(model.pages().size(), order.size());
        for (int row = 0; row < order.size(); ++row)
            QCOMPARE(model.pages().at(row).id, order.at(row).id);
        QCOMPARE(model.selectedRows(), (QList<int>{0, 2}));
    }

    void hoverActions_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("action");
        QTest::newRow("preview") << 0.1 << 0;
        QTest::newRow("duplicate") << 0.35 << 1;
        QTest::newRow("rotate") << 0.6 << 2;
        QTest::newRow("delete") << 0.9 << 3;
    }

    void hoverActions()
    {
        QFETCH(double, fraction);
        QFETCH(int, action);
        auto grid = makeGrid(3);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        QList<QSignalSpy *> spies{
            new QSignalSpy(&view, &PdfPageManagerView::previewPageRequested),
            new QSignalSpy(&view, &PdfPageManagerView::duplicatePageRequested),
            new QSignalSpy(&view, &PdfPageManagerView::rotatePageRequested),
            new QSignalSpy(&view, &PdfPageManagerView::deletePageRequested)};
        const QRect bar = PdfPageManagerView::actionBarRect(view.cardRect(itemRect(view, 1)));
        const QPoint at(bar.left() + int(bar.width() * fraction), bar.center().y());

        // Without hover the bar is not there: the press selects the card.
        mouseLeave(view.grid()->viewport());
        mouseClick(view.grid()->viewport(), at);
        for (QSignalSpy *spy : spies)
            QCOMPARE(spy->count(), 0);
        QCOMPARE(grid->model->selectedRows(), QList<int>{1});

        mouseMove(view.grid()->viewport(), at);
        QCOMPARE(view.hoverRow(), 1);
        mouseClick(view.grid()->viewport(), at);
        for (int i = 0; i < spies.size(); ++i)
            QCOMPARE(spies[i]->count(), i == action ? 1 : 0);
        QCOMPARE(spies[action]->first().first().value<PdfPageId>(), idAt(*grid->model, 1));
        qDeleteAll(spies);
    }

    void movingSeveralPages_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("order");
        QTest::newRow("two pages forward") << QList<int>{0, 1} << 4 << u"CDABEF"_s;
        QTest::newRow("two pages back") << QList<int>{4, 3} << 1 << u"ADEBCF"_s;
        QTest::newRow("from both sides") << QList<int>{4, 1} << 3 << u"ACBEDF"_s;
        QTest::newRow("to the end") << QList<int>{0, 2} << 6 << u"BDEFAC"_s;
        QTest::newRow("already there") << QList<int>{2, 3} << 4 << u"ABCDEF"_s;
    }

    void movingSeveralPages()
    {
        QFETCH(QList<int>, rows);
        QFETCH(int, before);
        QFETCH(QString, order);
        auto grid = makeGrid(6);
        QVERIFY(grid);
        PdfDocumentModel &model = *grid->model;
        PdfUndoManager undo(&model);
        const QList<PdfPageEntry> original = model.pages();
        const auto letters = [&] {
            QString text;
            for (const PdfPageEntry &entry : model.pages())
                text += QChar(u'A' + entry.sourcePageIndex);
            return text;
        };
        QList<PdfPageId> ids;
        for (int row : rows)
            ids.append(idAt(model, row));
        // Dropped on the grid, the pages come in the order the drag carried them.
        grid->view.movePages(ids, before);
        QCOMPARE(letters(), order);

        // All moves of one drop are one undo step.
        QCoreApplication::processEvents();
        QCOMPARE(undo.undoStack()->count(), order == u"ABCDEF"_s ? 0 : 1);
        undo.undoStack()->undo();
        QCOMPARE(model.pages(), original);
    }

    void dropPositions()
    {
        auto grid = makeGrid(5);
        QVERIFY(grid);
        PageManagerListView *list = grid->view.grid();
        const QRect second = itemRect(grid->view, 1);
        QCOMPARE(list->dropRowAt(second.center() - QPoint(20, 0)), 1);
        QCOMPARE(list->dropRowAt(second.center() + QPoint(20, 0)), 2);
        QCOMPARE(list->dropRowAt(list->viewport()->rect().bottomRight() - QPoint(2, 2)), 5);
    }

    void selectionFollowsBothWays()
    {
        auto grid = makeGrid(5);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        PdfDocumentModel &model = *grid->model;
        QItemSelectionModel *selection = view.grid()->selectionModel();

        selection->select(model.index(1), QItemSelectionModel::Select);
        selection->select(model.index(3), QItemSelectionModel::Select);
        QCOMPARE(model.selectedRows(), (QList<int>{1, 3}));

        model.setSelectedPageIds({idAt(model, 4)});
        QCOMPARE(gridSelectedRows(view), QList<int>{4});

        model.selectAll();
        QCOMPARE(gridSelectedRows(view), (QList<int>{0, 1, 2, 3, 4}));
        model.clearSelection();
        QCOMPARE(gridSelectedRows(view), QList<int>{});

        // Moves and deletions keep both sides on the same pages.
        model.setSelectedPageIds({idAt(model, 0), idAt(model, 2)});
        const PdfPageId first = idAt(model, 0);
        QVERIFY(model.moveRows(QModelIndex(), 0, 1, QModelIndex(), 5));
        QCOMPARE(model.rowOfPage(first), 4);
        QCOMPARE(model.selectedRows(), (QList<int>{1, 4}));
        QCOMPARE(gridSelectedRows(view), (QList<int>{1, 4}));
        model.removePages({idAt(model, 1)});
        QCOMPARE(model.selectedRows(), QList<int>{3});
        QCOMPARE(gridSelectedRows(view), QList<int>{3});
    }

    void cardScale_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QSize>("cell");
        QTest::addColumn<QSize>("card");
        QTest::newRow("70") << 70 << QSize(230, 238) << QSize(181, 203);
        QTest::newRow("80") << 80 << QSize(260, 272) << QSize(206, 232);
        QTest::newRow("160") << 160 << QSize(500, 544) << QSize(413, 464);
    }

    void cardScale()
    {
        QFETCH(int, value);
        QFETCH(QSize, cell);
        QFETCH(QSize, card);
        auto grid = makeGrid(6);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        view.resize(1300, 700); // two cells of the largest scale side by side
        auto *slider = view.findChild<QSlider *>(u"pdfPageGridZoomSlider"_s);
        QVERIFY(slider);
        slider->setValue(value == 80 ? 120 : 80);
        slider->setValue(value);
        QCOMPARE(view.cellSize(), cell);
        QCOMPARE(view.cardSize(), card);
        QCOMPARE(view.grid()->gridSize(), cell);
        QCOMPARE(itemRect(view, 0).size(), cell);
        QCOMPARE(itemRect(view, 1).left() - itemRect(view, 0).left(), cell.width());
        QCOMPARE(view.cardRect(itemRect(view, 0)).size(), card);
        // The width the columns leave is shared by both sides (the scroll bar's strip apart).
        const QRect area = view.grid()->viewport()->geometry();
        const int columns = area.width() / cell.width();
        const int left = area.left() + itemRect(view, 0).left();
        const int right = view.grid()->width() - area.left() - itemRect(view, columns - 1).right();
        QVERIFY2(left > 0 && std::abs(right - left) <= 20,
                 qPrintable(u"%1 %2"_s.arg(left).arg(right)));
    }

    void zoomButtonsStepByTen()
    {
        auto grid = makeGrid(2);
        QVERIFY(grid);
        auto *slider = grid->view.findChild<QSlider *>(u"pdfPageGridZoomSlider"_s);
        auto *zoomIn = grid->view.findChild<QPushButton *>(u"pdfPageGridZoomInButton"_s);
        auto *zoomOut = grid->view.findChild<QPushButton *>(u"pdfPageGridZoomOutButton"_s);
        QVERIFY(slider && zoomIn && zoomOut);
        QCOMPARE(slider->value(), 80);
        zoomOut->click();
        QCOMPARE(slider->value(), 70);
        zoomOut->click();
        QCOMPARE(slider->value(), 70);
        slider->setValue(155);
        zoomIn->click();
        QCOMPARE(slider->value(), 160);
    }

    void zoomRerendersAfterTheSliderRests()
    {
        auto grid = makeGrid(3, true);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        const PdfPageId id = idAt(*grid->model, 0);
        QTRY_VERIFY(!view.thumbnail(id).isNull());
        const QSize small = view.thumbnail(id).size();

        auto *slider = view.findChild<QSlider *>(u"pdfPageGridZoomSlider"_s);
        slider->setValue(160);
        // Meanwhile the old thumbnail is drawn scaled.
        QCOMPARE(view.thumbnail(id).size(), small);
        QTRY_VERIFY(!view.thumbnail(id).isNull() && view.thumbnail(id).size() != small);
        const QSize large = view.thumbnail(id).size();
        QVERIFY(large.width() > small.width());
        QVERIFY(large.width() <= view.thumbnailRequestBox().width() &&
                large.height() <= view.thumbnailRequestBox().height());
    }

    void zoomControlFloatsAtTheBottom()
    {
        auto grid = makeGrid(2);
        QVERIFY(grid);
        PdfPageManagerView &view = grid->view;
        auto *control = view.findChild<QWidget *>(u"pdfPageGridZoomControl"_s);
        QVERIFY(control);
        QTRY_VERIFY(control->isVisible());
        QWidget *viewport = view.grid()->viewport();
        const QRect area(viewport->mapTo(&view, QPoint(0, 0)), viewport->size());
        QCOMPARE(control->size(), QSize(220, 40));
        QVERIFY(qAbs(control->geometry().center().x() - area.center().x()) <= 1);
        QCOMPARE(area.bottom() - control->geometry().bottom(), 16);
    }
};

VELMORA_REGISTER_TEST(PageManagerViewTest);

#include "tst_pagemanagerview.moc"
