#include "dialogseam.h"
#include "organisetest.h"
#include "pagemanagerlistview.h"
#include "pdfdocumentview.h"
#include "pdfoperationsidepanel.h"
#include "pdfpagemanagerview.h"
#include "pdfreadback.h"
#include "pdfthumbnailpanel.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "thumbnaildelegate.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QSplitter>
#include <QStackedWidget>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace organise;

namespace {

void clickButton(QWidget *parent, const QString &name)
{
    auto *button = parent->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

QRect gridItem(PdfViewerWidget &viewer, int row)
{
    PdfPageManagerView *grid = viewer.pageManagerView();
    return grid->grid()->visualRect(viewer.documentModel()->index(row));
}

} // namespace

// The organising views inside the viewer: what their requests do to the document session.
class ViewerOrganiseTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PdfViewerWidget> m_viewer;

    PdfDocumentModel &model() { return *m_viewer->documentModel(); }

private Q_SLOTS:
    void init()
    {
        DialogSeam::reset();
        DialogSeam::setScripted(true);
        m_viewer = std::make_unique<PdfViewerWidget>();
        m_viewer->resize(1400, 860);
        m_viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_viewer.get()));
        const QString path = writeFixture(m_dir, u"manual.pdf"_s, 5);
        QVERIFY(m_viewer->openDocument(path));
    }

    void cleanup()
    {
        m_viewer.reset();
        DialogSeam::reset();
    }

    void layout()
    {
        QSplitter *splitter = m_viewer->splitter();
        QCOMPARE(splitter->count(), 3);
        QCOMPARE(splitter->widget(0), m_viewer->thumbnailPanel());
        QCOMPARE(splitter->widget(1), m_viewer->viewStack());
        QCOMPARE(splitter->widget(2),
                 m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s));
        QCOMPARE(m_viewer->viewStack()->widget(1), m_viewer->pageManagerView());
        QVERIFY(m_viewer->thumbnailPanel()->isVisible());
        QVERIFY(
            !m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s)->isVisible());
        // The strip shows the page the document view is on.
        QTRY_COMPARE(m_viewer->thumbnailPanel()->listView()->currentIndex().row(), 0);
    }

    void modesShowGridAndPanel()
    {
        clickButton(m_viewer->topToolBar(), u"pdfSplitButton"_s);
        QCOMPARE(m_viewer->viewStack()->currentWidget(), m_viewer->pageManagerView());
        QCOMPARE(m_viewer->pageManagerView()->workspaceMode(), PdfWorkspaceMode::Split);
        QVERIFY(
            m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s)->isVisible());
        QVERIFY(!m_viewer->thumbnailPanel()->isVisible());

        clickButton(m_viewer->topToolBar(), u"pdfInsertButton"_s);
        QCOMPARE(m_viewer->pageManagerView()->workspaceMode(), PdfWorkspaceMode::Insert);
        QVERIFY(
            !m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s)->isVisible());

        clickButton(m_viewer->topToolBar(), u"pdfDocumentViewButton"_s);
        QCOMPARE(m_viewer->pageManagerView()->workspaceMode(), PdfWorkspaceMode::Browse);
        QVERIFY(m_viewer->thumbnailPanel()->isVisible());
    }

    void stripActionsGoThroughUndo()
    {
        PdfThumbnailPanel *strip = m_viewer->thumbnailPanel();
        QListView *list = strip->listView();
        const PdfPageId first = idAt(model(), 0);
        const QRect bar = ThumbnailDelegate::actionBarRect(
            ThumbnailDelegate::cardRect(list->visualRect(model().index(0))));
        mouseMove(list->viewport(), bar.center());
        QTRY_COMPARE(strip->actionsRow(), 0);
        mouseClick(list->viewport(), bar.center()); // rotate
        QCOMPARE(model().pageAt(0)->rotation, 90);
        mouseClick(list->viewport(), QPoint(bar.right() - 3, bar.center().y())); // delete
        QCOMPARE(model().pageCount(), 4);
        QCOMPARE(model().rowOfPage(first), -1);

        QUndoStack *stack = m_viewer->undoManager()->undoStack();
        QCOMPARE(stack->count(), 2);
        stack->undo();
        stack->undo();
        QCOMPARE(model().pageCount(), 5);
        QCOMPARE(model().pageAt(0)->rotation, 0);
        QVERIFY(!model().isModified());
    }

    void gridActions()
    {
        clickButton(m_viewer->topToolBar(), u"pdfPageManageViewButton"_s);
        PdfPageManagerView *grid = m_viewer->pageManagerView();
        QWidget *viewport = grid->grid()->viewport();
        const QRect bar = PdfPageManagerView::actionBarRect(grid->cardRect(gridItem(*m_viewer, 1)));
        const int quarter = bar.width() / 4;
        mouseMove(viewport, bar.center());
        mouseClick(viewport, QPoint(bar.left() + quarter + quarter / 2, bar.center().y()));
        QCOMPARE(model().pageCount(), 6);
        QCOMPARE(model().pageAt(2)->sourcePageIndex, 1);
        QCOMPARE(m_viewer->undoManager()->undoStack()->undoText(), u"复制页面"_s);

        // Preview: back to the document view, on that page.
        mouseMove(viewport, bar.center());
        mouseClick(viewport, QPoint(bar.left() + quarter / 2, bar.center().y()));
        QCOMPARE(m_viewer->viewMode(), PdfViewMode::DocumentView);
        QCOMPARE(m_viewer->documentView()->currentPage(), 1);
    }

    void splitPointsReachThePanel()
    {
        clickButton(m_viewer->topToolBar(), u"pdfSplitButton"_s);
        PdfPageManagerView *grid = m_viewer->pageManagerView();
        QWidget *viewport = grid->grid()->viewport();
        mouseClick(viewport, grid->splitClickArea(gridItem(*m_viewer, 2)).center());
        QCOMPARE(
            m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s)->splitRows(),
            QList<int>{2});
        auto *preview = m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s)
                            ->findChild<QListWidget *>(u"pdfSplitPreviewList"_s);
        QCOMPARE(preview->count(), 2);
        QCOMPARE(preview->item(1)->text(), u"manual-2.pdf\n页面 3-5"_s);

        m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s)
            ->findChild<QCheckBox *>(u"pdfSplitEveryPageCheckBox"_s)
            ->click();
        QVERIFY(grid->splitEveryPage());
        QCOMPARE(grid->splitRows(), (QList<int>{1, 2, 3, 4}));

        const QString out = m_dir.filePath(u"parts"_s);
        m_viewer->splitDocument(true, {2}, out);
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 5);
        QCOMPARE(readback::inspect(QDir(out).filePath(u"manual-5.pdf"_s)).pages.size(), 1);
        QCOMPARE(DialogSeam::requests().last().title, u"拆分完成"_s);
        QVERIFY(!model().isModified());
    }

    void splitPointsFollowSaveAs_data()
    {
        QTest::addColumn<bool>("undo");
        QTest::newRow("save as") << false;
        QTest::newRow("save as, then undo") << true;
    }

    void splitPointsFollowSaveAs()
    {
        QFETCH(bool, undo);
        clickButton(m_viewer->topToolBar(), u"pdfSplitButton"_s);
        PdfPageManagerView *grid = m_viewer->pageManagerView();
        mouseClick(grid->grid()->viewport(), grid->splitClickArea(gridItem(*m_viewer, 2)).center());
        m_viewer->undoManager()->rotatePages({idAt(model(), 0)}, 90);
        const QString folder = m_dir.filePath(u"moved"_s);
        QVERIFY(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        QVERIFY(m_viewer->saveAs(QDir(folder).filePath(u"final.pdf"_s)));
        if (undo)
            m_viewer->undoManager()->undoStack()->undo();
        QCOMPARE(model().isModified(), undo);

        // The grid and the panel agree, and both name the new file and its folder.
        PdfOperationSidePanel *side =
            m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s);
        QCOMPARE(grid->splitRows(), QList<int>{2});
        QCOMPARE(side->splitRows(), QList<int>{2});
        QCOMPARE(QDir(side->outputDirectory()), QDir(folder));
        auto *preview = side->findChild<QListWidget *>(u"pdfSplitPreviewList"_s);
        QCOMPARE(preview->item(1)->text(), u"final-2.pdf\n页面 3-5"_s);
        side->findChild<QWidget *>(u"pdfSplitPage"_s)
            ->findChild<QAbstractButton *>(u"pdfPrimaryAction"_s)
            ->click();
        QCOMPARE(QDir(folder).entryList({u"final-*.pdf"_s}, QDir::Files),
                 (QStringList{u"final-1.pdf"_s, u"final-2.pdf"_s}));
        const readback::DocumentFacts first =
            readback::inspect(QDir(folder).filePath(u"final-1.pdf"_s));
        QCOMPARE(first.pages.size(), 2);
        QCOMPARE(first.pages.at(0).rotate, undo ? 0 : 90);
        QCOMPARE(readback::inspect(QDir(folder).filePath(u"final-2.pdf"_s)).pages.size(), 3);
    }

    void extractFromThePanel()
    {
        clickButton(m_viewer->topToolBar(), u"pdfExtractButton"_s);
        model().setSelectedPageIds({idAt(model(), 1), idAt(model(), 3)});
        PdfOperationSidePanel *side =
            m_viewer->findChild<PdfOperationSidePanel *>(u"pdfOperationSidePanel"_s);
        side->findChild<QCheckBox *>(u"pdfCombineExtractCheckBox"_s)->click();
        // The panel writes next to the document.
        side->findChild<QWidget *>(u"pdfExtractPage"_s)
            ->findChild<QAbstractButton *>(u"pdfPrimaryAction"_s)
            ->click();
        const QString written = m_dir.filePath(u"manual-extracted.pdf"_s);
        const readback::DocumentFacts facts = readback::inspect(written);
        QCOMPARE(facts.pages.size(), 2);
        QCOMPARE(facts.pages.at(0).mediaBox.width(), fixturePageSize(1).width());
        QCOMPARE(facts.pages.at(1).mediaBox.width(), fixturePageSize(3).width());
        QCOMPARE(DialogSeam::requests().last().title, u"提取完成"_s);
        QFile::remove(written);
    }
};

VELMORA_REGISTER_TEST(ViewerOrganiseTest);

#include "tst_viewerorganise.moc"
