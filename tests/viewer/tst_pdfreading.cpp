#include "dialogseam.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfoutlinemodel.h"
#include "pdfoutlinepanel.h"
#include "pdfpageinteraction.h"
#include "pdfreadback.h"
#include "pdfthumbnailpanel.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QProcess>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>
#include <QUrl>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

using namespace Qt::StringLiterals;

namespace {

// Adds two lines of Helvetica text to every page of a file.
bool addText(const QString &in, const QString &out)
{
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(in).constData());
        int index = 0;
        for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            ++index;
            const std::string text = "BT /VF 14 Tf 30 200 Td (Alpha beta page " +
                                     std::to_string(index) +
                                     ") Tj 0 -24 Td (second line here) Tj ET\n";
            page.addPageContents(QPDFObjectHandle::newStream(&pdf, text), false);
            QPDFObjectHandle font =
                QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
            QPDFObjectHandle resources = page.getObjectHandle().getKey("/Resources");
            resources.replaceKey("/Font", QPDFObjectHandle::newDictionary());
            resources.getKey("/Font").replaceKey("/VF", font);
        }
        const QByteArray name = QFile::encodeName(out);
        QPDFWriter writer(pdf, name.constData());
        writer.write();
        return true;
    } catch (...) {
        return false;
    }
}

// Gives the first page a link that leads to uri.
bool addUriLink(const QString &in, const QString &out, const QString &uri)
{
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(in).constData());
        QPDFObjectHandle annot = QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Link /Rect [10 10 60 25] /Border [0 0 0] "
            "/A << /S /URI >> >>");
        annot.getKey("/A").replaceKey("/URI", QPDFObjectHandle::newString(uri.toStdString()));
        QPDFObjectHandle page = QPDFPageDocumentHelper(pdf).getAllPages().front().getObjectHandle();
        page.replaceKey("/Annots", QPDFObjectHandle::newArray());
        page.getKey("/Annots").appendItem(pdf.makeIndirectObject(annot));
        const QByteArray name = QFile::encodeName(out);
        QPDFWriter writer(pdf, name.constData());
        writer.write();
        return true;
    } catch (...) {
        return false;
    }
}

// Receives the addresses the program hands to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

QString words(const QString &text)
{
    return text.simplified();
}

QString pdftotext(const QString &path, int page)
{
    QProcess process;
    process.start(u"pdftotext"_s,
                  {u"-f"_s, QString::number(page), u"-l"_s, QString::number(page), path, u"-"_s});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The colour at a point of the viewport that lies in the right half of whatever page the view
// shows at its top, clear of the marker square.
QColor shownAtTop(PdfDocumentView *view)
{
    const QImage shot = view->viewport()->grab().toImage();
    return shot.pixelColor(view->viewport()->width() / 2 + 30, 60);
}

} // namespace

class TestReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { DialogSeam::setScripted(true); }
    void cleanup() { DialogSeam::reset(); }
    void outlineClick_data();
    void outlineClick();
    void outlineMarksAndWidens();
    void linkClick_data();
    void linkClick();
    void externalLink_data();
    void externalLink();
    void copyText_data();
    void copyText();

private:
    QTemporaryDir m_dir;
};

void TestReading::outlineClick_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("item");       // top-level item clicked
    QTest::addColumn<int>("sourcePage"); // page whose colour must show; -1: item disabled
    QTest::newRow("explicit") << false << u""_s << 3 << 3;
    QTest::newRow("named destinations") << true << u""_s << 4 << 4;
    QTest::newRow("after moving the target to the front") << false << u"move"_s << 4 << 4;
    QTest::newRow("target deleted") << false << u"delete"_s << 2 << -1;
    QTest::newRow("after undoing the delete") << false << u"delete-undo"_s << 2 << 2;
}

void TestReading::outlineClick()
{
    QFETCH(bool, named);
    QFETCH(QString, edit);
    QFETCH(int, item);
    QFETCH(int, sourcePage);
    const QString path = m_dir.filePath(
        u"outline-%1.pdf"_s.arg(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-')));
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(6);
    spec.outlines = true;
    spec.namedOutlines = named;
    QVERIFY(fixtures::write(spec, path));

    PdfViewerWidget viewer;

    QVERIFY(viewertest::showAndOpen(viewer, path, {1100, 750}));
    PdfOutlinePanel *panel = viewer.findChild<PdfOutlinePanel *>(u"pdfOutlinePanel"_s);
    QAbstractItemModelTester tester(panel->outlineModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTest::mouseClick(viewer.findChild<QToolButton *>(u"pdfSidebarOutlineTab"_s), Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QVERIFY(!viewer.thumbnailPanel()->listView()->isVisible());
    QTRY_COMPARE(panel->outlineModel()->rowCount(), 6);
    QTreeView *tree = panel->findChild<QTreeView *>(u"pdfOutlineTree"_s);
    tree->expandAll();
    QCOMPARE(panel->outlineModel()->rowCount(panel->outlineModel()->index(0, 0)), 1);

    PdfDocumentModel *model = viewer.documentModel();
    const PdfPageId target = model->pageAt(item)->id;
    if (edit == u"move"_s) {
        QVERIFY(model->moveRows(QModelIndex(), item, 1, QModelIndex(), 0));
        QCOMPARE(model->rowOfPage(target), 0);
    } else if (edit.startsWith(u"delete"_s)) {
        viewer.undoManager()->removePages({target});
        if (edit.endsWith(u"undo"_s))
            viewer.undoManager()->undoStack()->undo();
    }
    // Start somewhere else, so that a landing is visible.
    viewer.documentView()->goToPage(model->pageCount() - 1);

    const QModelIndex index = panel->outlineModel()->index(item, 0);
    QCOMPARE(index.data().toString(), u"Page %1"_s.arg(item + 1));
    tree->scrollTo(index);
    const QRect cell = tree->visualRect(index);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, cell.center());
    if (sourcePage < 0) {
        QVERIFY(!(index.flags() & Qt::ItemIsEnabled));
        QCOMPARE(viewer.documentView()->currentPage(), model->pageCount() - 1);
        return;
    }
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), model));
    QVERIFY2(readback::similar(shownAtTop(viewer.documentView()), fixtures::colourFor(sourcePage)),
             qPrintable(shownAtTop(viewer.documentView()).name()));
}

// The mark follows the page into a branch the reader opens and back to it when closed; the
// strip widens for long titles while the bookmarks show, and narrows again for thumbnails.
void TestReading::outlineMarksAndWidens()
{
    const QString path = m_dir.filePath(u"outline-marks.pdf"_s);
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(6);
    spec.outlines = true;
    QVERIFY(fixtures::write(spec, path));
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, path, {1100, 750}));
    PdfOutlinePanel *panel = viewer.findChild<PdfOutlinePanel *>(u"pdfOutlinePanel"_s);
    QTest::mouseClick(viewer.findChild<QToolButton *>(u"pdfSidebarOutlineTab"_s), Qt::LeftButton);
    QTRY_COMPARE(panel->outlineModel()->rowCount(), 6);
    QTreeView *tree = panel->findChild<QTreeView *>(u"pdfOutlineTree"_s);
    tree->collapseAll();
    viewer.documentView()->goToPage(2);
    viewer.documentView()->goToPage(0);
    const QModelIndex section = panel->outlineModel()->index(0, 0);
    QCOMPARE(tree->currentIndex(), section);
    tree->expand(section);
    QCOMPARE(tree->currentIndex().data().toString(), u"Page 1 detail"_s);
    tree->collapse(section);
    QCOMPARE(tree->currentIndex(), section);

    QSplitter *splitter = viewer.splitter();
    QList<int> sizes = splitter->sizes();
    sizes[1] += sizes[0] - 480;
    sizes[0] = 480;
    splitter->setSizes(sizes);
    QTRY_COMPARE_GE(viewer.thumbnailPanel()->width(), 470);
    QTest::mouseClick(viewer.findChild<QToolButton *>(u"pdfSidebarThumbnailsTab"_s),
                      Qt::LeftButton);
    QTRY_COMPARE_LE(viewer.thumbnailPanel()->width(), PdfThumbnailPanel::MaximumWidth);
}

void TestReading::linkClick_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<int>("rotation"); // the user's rotation of the page holding the link
    QTest::addColumn<bool>("handTool");
    QTest::newRow("explicit") << false << 0 << false;
    QTest::newRow("named") << true << 0 << false;
    QTest::newRow("turned 90") << false << 90 << false;
    QTest::newRow("turned 270") << false << 270 << false;
    QTest::newRow("hand tool") << false << 0 << true;
}

void TestReading::linkClick()
{
    QFETCH(bool, named);
    QFETCH(int, rotation);
    QFETCH(bool, handTool);
    const QString path = m_dir.filePath(
        u"links-%1.pdf"_s.arg(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-')));
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(6);
    if (named)
        spec.namedLinks = {{0, 4}};
    else
        spec.links = {{0, 4}};
    QVERIFY(fixtures::write(spec, path));

    PdfViewerWidget viewer;

    QVERIFY(viewertest::showAndOpen(viewer, path, {1100, 750}));
    PdfDocumentModel *model = viewer.documentModel();
    if (rotation)
        viewer.undoManager()->rotatePages({model->pageAt(0)->id}, rotation);
    viewer.documentView()->setHandToolEnabled(handTool);
    viewer.fitPage();
    viewer.documentView()->goToPage(0);
    QTest::qWait(50);

    // The link's rectangle in PDF space, its centre turned as the page is shown.
    const QRectF linkRect = named ? QRectF(70, 10, 50, 15) : QRectF(10, 10, 50, 15);
    QPointF centre(linkRect.center().x(), 300 - linkRect.center().y()); // top-left origin
    QSizeF shown(200, 300);
    if (rotation == 90) {
        centre = QPointF(300 - centre.y(), centre.x());
        shown = QSizeF(300, 200);
    } else if (rotation == 270) {
        centre = QPointF(centre.y(), 200 - centre.x());
        shown = QSizeF(300, 200);
    }
    PdfDocumentView *view = viewer.documentView();
    const QRect page = view->pageRect(0);
    QPoint at = page.topLeft() + QPoint(qRound(centre.x() * page.width() / shown.width()),
                                        qRound(centre.y() * page.height() / shown.height()));
    // In the middle of the window, away from the floating bottom bar.
    view->verticalScrollBar()->setValue(at.y() - view->viewport()->height() / 2);
    at -= QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    QVERIFY(view->viewport()->rect().contains(at));
    QTest::mouseMove(view->viewport(), at);
    QCOMPARE(view->viewport()->cursor().shape(),
             handTool ? Qt::OpenHandCursor : Qt::PointingHandCursor);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(view->currentPage(), 4);
    QVERIFY(viewertest::waitForVisibleImages(view, model));
    QVERIFY(readback::similar(shownAtTop(view), fixtures::colourFor(4)));
}

void TestReading::externalLink_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<int>("answer");       // to the question, when one is asked
    QTest::addColumn<QString>("question"); // title of the box shown
    QTest::addColumn<bool>("opened");
    QTest::newRow("web, agreed") << u"https://example.com/manual"_s << 1 << u"打开链接"_s << true;
    QTest::newRow("web, declined")
        << u"https://example.com/manual"_s << 0 << u"打开链接"_s << false;
    QTest::newRow("mail, agreed") << u"mailto:help@example.com"_s << 1 << u"打开链接"_s << true;
    QTest::newRow("local program") << u"file:///usr/bin/xterm"_s << 1 << u"无法打开链接"_s << false;
}

void TestReading::externalLink()
{
    QFETCH(QString, uri);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, opened);
    const QString plain = m_dir.filePath(u"uri-plain.pdf"_s);
    const QString path = m_dir.filePath(u"uri.pdf"_s);
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(2);
    QVERIFY(fixtures::write(spec, plain));
    QVERIFY(addUriLink(plain, path, uri));
    UrlCatcher catcher;
    const QString scheme = QUrl(uri).scheme();
    QDesktopServices::setUrlHandler(scheme, &catcher, "open");

    PdfViewerWidget viewer;

    QVERIFY(viewertest::showAndOpen(viewer, path, {1100, 750}));
    viewer.fitPage();
    PdfDocumentView *view = viewer.documentView();
    const QRect page = view->pageRect(0);
    QPoint at = page.topLeft() + QPoint(35 * page.width() / 200, 282 * page.height() / 300);
    view->verticalScrollBar()->setValue(at.y() - view->viewport()->height() / 2);
    at -= QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    DialogSeam::answerMessageBox(answer);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QDesktopServices::unsetUrlHandler(scheme);

    QList<QString> titles;
    for (const DialogSeam::Request &request : DialogSeam::requests())
        titles.append(request.title);
    QCOMPARE(titles, QList<QString>{question});
    QCOMPARE(catcher.urls, opened ? QList<QUrl>{QUrl(uri)} : QList<QUrl>{});
    QCOMPARE(view->currentPage(), 0);
}

void TestReading::copyText_data()
{
    QTest::addColumn<int>("page"); // 1-based
    QTest::addColumn<bool>("drag");
    QTest::newRow("Ctrl+A on page 1") << 1 << false;
    QTest::newRow("Ctrl+A on page 3") << 3 << false;
    QTest::newRow("drag over page 2") << 2 << true;
}

void TestReading::copyText()
{
    QFETCH(int, page);
    QFETCH(bool, drag);
    const QString plain = m_dir.filePath(u"plain.pdf"_s);
    const QString path = m_dir.filePath(u"text.pdf"_s);
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(4, {300, 300});
    QVERIFY(fixtures::write(spec, plain));
    QVERIFY(addText(plain, path));
    const QString expected = words(pdftotext(path, page));
    QVERIFY(expected.contains(u"page %1"_s.arg(page)));

    PdfViewerWidget viewer;

    QVERIFY(viewertest::showAndOpen(viewer, path, {1100, 750}));
    PdfDocumentView *view = viewer.documentView();
    view->goToPage(page - 1);
    QApplication::clipboard()->setText(u"before"_s);
    QTest::qWait(50);
    if (drag) {
        const QRect rect = view->pageRect(page - 1).translated(
            -view->horizontalScrollBar()->value(), -view->verticalScrollBar()->value());
        const QPoint from = rect.topLeft() + QPoint(2, 2);
        const QPoint to = rect.bottomRight() - QPoint(2, 2);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, view->viewport()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &move);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    } else {
        view->setFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    }
    // The grid's pages stay as they were.
    QVERIFY(viewer.documentModel()->selectedPageIds().isEmpty());
    QCOMPARE(viewer.findChild<PdfPageInteraction *>(u"pdfPageInteraction"_s)->selectionRow(),
             page - 1);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(words(QApplication::clipboard()->text()), expected);
}

VELMORA_REGISTER_TEST(TestReading);
#include "tst_pdfreading.moc"
