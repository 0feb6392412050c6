// Renders the page organising views offscreen for review:
//   organise_screenshots [document.pdf] [folder]
// Defaults: the bundled sample document and the current folder.

#include "pagemanagerlistview.h"
#include "pdfdocumentmodel.h"
#include "pdfextractsplitwriter.h"
#include "pdfoperationsidepanel.h"
#include "pdfpagemanagerview.h"
#include "pdfrendermanager.h"
#include "pdfthumbnailpanel.h"
#include "pdftoptoolbar.h"
#include "pdfviewerwidget.h"
#include "screenshots.h"
#include "thumbnaildelegate.h"
#include "widgetinput.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void hover(QWidget *viewport, QPoint at)
{
    input::sendMouse(viewport, QEvent::MouseMove, at);
}

void click(QWidget *viewport, QPoint at)
{
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
}

template<typename Done> void waitFor(Done done)
{
    if (!QTest::qWaitFor(done, 20000))
        std::fprintf(stderr, "gave up waiting for thumbnails\n");
    QTest::qWait(50);
}

bool allThumbnails(const PdfPageManagerView &view, const PdfDocumentModel &model)
{
    QWidget *viewport = view.grid()->viewport();
    for (int row = 0; row < model.pageCount(); ++row) {
        const QRect item = view.grid()->visualRect(model.index(row));
        if (item.intersects(viewport->rect()) && view.thumbnail(model.pageAt(row)->id).isNull())
            return false;
    }
    return true;
}

QPoint splitPoint(const PdfPageManagerView &view, const PdfDocumentModel &model, int row)
{
    const QRect item = view.grid()->visualRect(model.index(row));
    return view.splitClickArea(item).center();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(u"Noto Sans CJK SC"_s, 10));
    QString document = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (document.isEmpty())
        document = QStringLiteral(VELMORA_SOURCE_DIR "/res/sample/velmora-sample.pdf");
    shots::setFolder(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath());

    PdfDocumentModel model;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (!model.loadDocument(document, QString(), &error, &message)) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(document), qPrintable(message));
        return 1;
    }
    PdfRenderManager renderManager;

    {
        PdfThumbnailPanel strip;
        strip.resize(210, 780);
        strip.setDocumentModel(&model);
        strip.setRenderManager(&renderManager);
        strip.show();
        strip.setCurrentPage(0);
        waitFor([&] {
            return strip.pendingRequestCount() == 0 &&
                   !strip.thumbnail(model.pageAt(2)->id).isNull();
        });
        QListView *list = strip.listView();
        const QRect bar = ThumbnailDelegate::actionBarRect(
            ThumbnailDelegate::cardRect(list->visualRect(model.index(1))));
        hover(list->viewport(), bar.center());
        waitFor([&] { return strip.actionsRow() == 1; });
        shots::save(&strip, u"strip-hover"_s);
    }

    PdfPageManagerView grid;
    grid.resize(1100, 780);
    grid.setDocumentModel(&model);
    grid.setRenderManager(&renderManager);
    grid.show();
    model.setSelectedPageIds({model.pageAt(1)->id, model.pageAt(4)->id});
    waitFor([&] { return allThumbnails(grid, model); });
    const QRect item = grid.grid()->visualRect(model.index(2));
    hover(grid.grid()->viewport(), PdfPageManagerView::actionBarRect(grid.cardRect(item)).center());
    shots::save(&grid, u"grid-browse"_s);
    hover(grid.grid()->viewport(), QPoint(2, 2));
    grid.setWorkspaceMode(PdfWorkspaceMode::Insert);
    shots::save(&grid, u"grid-insert"_s);
    grid.setWorkspaceMode(PdfWorkspaceMode::Split);
    click(grid.grid()->viewport(), splitPoint(grid, model, 3));
    click(grid.grid()->viewport(), splitPoint(grid, model, 4));
    click(grid.grid()->viewport(), splitPoint(grid, model, 8));
    shots::save(&grid, u"grid-split"_s);
    grid.setSplitEveryPage(true);
    shots::save(&grid, u"grid-split-every-page"_s);
    grid.setSplitEveryPage(false);

    {
        PdfOperationSidePanel side;
        side.resize(340, 780);
        side.setDocumentModel(&model);
        side.setWorkspaceMode(PdfWorkspaceMode::Extract);
        shots::save(&side, u"side-extract"_s);
        side.findChild<QCheckBox *>(u"pdfCombineExtractCheckBox"_s)->setChecked(true);
        shots::save(&side, u"side-extract-combined"_s);
        side.setSplitPoints(grid.splitRows());
        side.setWorkspaceMode(PdfWorkspaceMode::Split);
        shots::save(&side, u"side-split"_s);
        model.clearSelection();
        side.setWorkspaceMode(PdfWorkspaceMode::Extract);
        shots::save(&side, u"side-extract-empty"_s);
        side.setSplitPoints({});
        side.setWorkspaceMode(PdfWorkspaceMode::Split);
        shots::save(&side, u"side-split-empty"_s);
    }

    {
        PdfViewerWidget viewer;
        viewer.resize(1400, 860);
        viewer.show();
        viewer.openDocument(document);
        waitFor([&] { return viewer.thumbnailPanel()->pendingRequestCount() == 0; });
        shots::save(&viewer, u"viewer-document"_s);
        QMetaObject::invokeMethod(viewer.topToolBar(), "splitModeRequested");
        PdfPageManagerView *pages = viewer.pageManagerView();
        waitFor([&] { return allThumbnails(*pages, *viewer.documentModel()); });
        click(pages->grid()->viewport(), splitPoint(*pages, *viewer.documentModel(), 2));
        click(pages->grid()->viewport(), splitPoint(*pages, *viewer.documentModel(), 6));
        shots::save(&viewer, u"viewer-split"_s);
        viewer.documentModel()->setSelectedPageIds(
            {viewer.documentModel()->pageAt(0)->id, viewer.documentModel()->pageAt(3)->id});
        QMetaObject::invokeMethod(viewer.topToolBar(), "extractModeRequested");
        shots::save(&viewer, u"viewer-extract"_s);

        // The summary of a split: the names written, and a way to see them in their folder.
        QTemporaryDir out;
        QTimer poll;
        poll.setInterval(50);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box || !box->isVisible())
                return;
            poll.stop();
            QTest::qWait(50);
            QPixmap shot = viewer.grab();
            QPainter p(&shot);
            p.drawPixmap(box->mapToGlobal(QPoint()) - viewer.mapToGlobal(QPoint()), box->grab());
            p.end();
            shots::save(shot, u"split-summary"_s);
            box->close();
        });
        poll.start();
        PdfExtractSplitWriter::split(&viewer, viewer.documentModel(), true, {}, out.path());
    }
    return 0;
}
