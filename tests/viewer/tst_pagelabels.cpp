#include "pagemanagerlistview.h"
#include "pdfannotationmodel.h"
#include "pdfbottomcontrolbar.h"
#include "pdfcommentspanel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffindbar.h"
#include "pdffixtures.h"
#include "pdfoutlinemodel.h"
#include "pdfpagelabels.h"
#include "pdfpagemanagerview.h"
#include "pdfthumbnailpanel.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "thumbnaildelegate.h"
#include "viewertest.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

using namespace Qt::StringLiterals;

namespace {

// Seven empty pages labelled i, ii, iii, 1, 2, A-1, A-2, written by hand and rewritten by qpdf;
// a note on the page of row notePage.
QString labelledPdf(const QString &path, int notePage = -1)
{
    QList<QByteArray> objects;
    objects << "<< /Type /Catalog /Pages 2 0 R /PageLabels << /Nums [0 << /S /r >> 3 << /S /D >> "
               "5 << /P (A-) /S /D >> ] >> >>";
    QByteArray kids;
    for (int page = 0; page < 7; ++page)
        kids += QByteArray::number(page + 3) + " 0 R ";
    objects << "<< /Type /Pages /Kids [" + kids + "] /Count 7 >>";
    for (int page = 0; page < 7; ++page)
        objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 400] /Resources << >> " +
                       QByteArray(page == notePage ? "/Annots [<< /Type /Annot /Subtype /Text "
                                                     "/Rect [20 20 40 40] /Contents (Hi) >>] "
                                                   : "") +
                       ">>";
    const QByteArray pdf = fixtures::pdfOfObjects(objects, "1.4");
    const QString raw = path + u".raw"_s;
    if (!fixtures::writeBytes(raw, pdf) || !fixtures::run(u"qpdf"_s, {raw, path}))
        return {};
    return path;
}

} // namespace

// The page box of the bottom bar shows a file's page labels with the page number beside them,
// and takes a typed label to its page.
class TestPageLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelsInThePageBox_data();
    void labelsInThePageBox();
    void labelsBesideNumbers_data();
    void labelsBesideNumbers();
    void barKeepsItsWidth();
    void readWhileQtPoolIsBusy();

private:
    QTemporaryDir m_dir;
};

void TestPageLabels::labelsInThePageBox_data()
{
    QTest::addColumn<QString>("file"); // "labelled", "plain", or "reorganised" (labelled, a page
                                       // deleted and saved, which drops the labels)
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("count");

    QTest::newRow("roman label") << u"labelled"_s << u"iii"_s << 2 << u"iii"_s << u"(3 / 7)"_s;
    QTest::newRow("number label") << u"labelled"_s << u"2"_s << 4 << u"2"_s << u"(5 / 7)"_s;
    QTest::newRow("prefixed label") << u"labelled"_s << u"A-2"_s << 6 << u"A-2"_s << u"(7 / 7)"_s;
    QTest::newRow("label in other case")
        << u"labelled"_s << u"II"_s << 1 << u"ii"_s << u"(2 / 7)"_s;
    QTest::newRow("number past the labels")
        << u"labelled"_s << u"7"_s << 6 << u"A-2"_s << u"(7 / 7)"_s;
    QTest::newRow("text naming no page") << u"labelled"_s << u"zz"_s << 0 << u"i"_s << u"(1 / 7)"_s;
    QTest::newRow("file without labels") << u"plain"_s << u"3"_s << 2 << u"3"_s << u"/6"_s;
    QTest::newRow("labels dropped by a reorganised save")
        << u"reorganised"_s << u"2"_s << 1 << u"2"_s << u"/6"_s;
}

void TestPageLabels::labelsInThePageBox()
{
    QFETCH(QString, file);
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(QString, count);

    QVERIFY(m_dir.isValid());
    const QString path =
        file == u"plain"_s ? fixtures::textPdf(m_dir.filePath(u"plain.pdf"_s), 6)
                           : labelledPdf(m_dir.filePath(u"labelled-%1.pdf"_s.arg(
                                 QString::fromUtf8(QTest::currentDataTag()).replace(u':', u'-'))));
    QVERIFY(!path.isEmpty());
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, path, {900, 800}));
    PdfBottomControlBar *bar = viewer.bottomBar();
    auto *edit = bar->findChild<QLineEdit *>(u"pdfPageNumberEdit"_s);
    auto *label = bar->findChild<QLabel *>(u"pdfPageCountLabel"_s);
    if (file == u"labelled"_s) {
        QTRY_COMPARE(edit->text(), u"i"_s);
        QCOMPARE(label->text(), u"(1 / 7)"_s);
    } else if (file == u"reorganised"_s) {
        QTRY_COMPARE(edit->text(), u"i"_s);
        viewer.undoManager()->removePages({viewer.documentModel()->pageAt(0)->id});
        QVERIFY(viewer.saveAs(m_dir.filePath(u"reorganised.pdf"_s)));
        QTRY_COMPARE(label->text(), u"/6"_s);
    }

    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE(viewer.documentView()->currentPage(), row);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(label->text(), count);
    QTRY_VERIFY(bar->isVisible());
}

namespace {

// How wide the ink of a band is: the columns that differ from its corner.
int inkWidth(const QImage &band)
{
    const QColor background = band.pixelColor(0, 0);
    int left = band.width();
    int right = -1;
    for (int y = 0; y < band.height(); ++y) {
        for (int x = 0; x < band.width(); ++x) {
            const QColor c = band.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) >
                60) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right < left ? 0 : right - left + 1;
}

} // namespace

void TestPageLabels::labelsBesideNumbers_data()
{
    // Where a page is named, and how: the label with its number where they differ.
    QTest::addColumn<QString>("place"); // strip, grid, find
    QTest::addColumn<bool>("labelled");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("strip: roman") << u"strip"_s << true << 2 << u"iii (3)"_s;
    QTest::newRow("strip: arabic label") << u"strip"_s << true << 3 << u"1 (4)"_s;
    QTest::newRow("strip: no labels") << u"strip"_s << false << 2 << u"3"_s;
    QTest::newRow("grid: prefixed") << u"grid"_s << true << 6 << u"A-2 (7)"_s;
    QTest::newRow("grid: no labels") << u"grid"_s << false << 4 << u"5"_s;
    QTest::newRow("find: roman") << u"find"_s << true << 1 << u"第 ii (2) 页"_s;
    QTest::newRow("find: prefixed") << u"find"_s << true << 6 << u"第 A-2 (7) 页"_s;
    QTest::newRow("find: no labels") << u"find"_s << false << 5 << u"第 6 页"_s;
    QTest::newRow("comments: roman") << u"comments"_s << true << 2 << u"第 iii (3) 页"_s;
}

void TestPageLabels::labelsBesideNumbers()
{
    QFETCH(QString, place);
    QFETCH(bool, labelled);
    QFETCH(int, row);
    QFETCH(QString, text);

    QVERIFY(m_dir.isValid());
    const QString path = labelled ? labelledPdf(m_dir.filePath(u"names.pdf"_s), row)
                                  : fixtures::textPdf(m_dir.filePath(u"names-plain.pdf"_s), 7);
    QVERIFY(!path.isEmpty());
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, path, {1100, 900}));
    auto *edit = viewer.bottomBar()->findChild<QLineEdit *>(u"pdfPageNumberEdit"_s);
    if (labelled)
        QTRY_COMPARE(edit->text(), u"i"_s);

    QListView *list = nullptr;
    QRect band;
    if (place == u"comments"_s) {
        viewer.annotationModel()->waitUntilLoaded();
        auto *panel = viewer.findChild<PdfCommentsPanel *>();
        QVERIFY(panel);
        panel->show();
        QTRY_COMPARE(panel->list()->count(), 1);
        QTRY_VERIFY2(panel->list()->item(0)->text().contains(text),
                     qPrintable(panel->list()->item(0)->text()));
        return;
    }
    if (place == u"find"_s) {
        auto *bar = viewer.findChild<PdfFindBar *>(u"pdfFindBar"_s);
        QCOMPARE(bar->pageName(row), text);
        bar->openBar();
        bar->resultsList()->show();
        const QFontMetrics metrics(bar->resultsList()->font());
        // The page column holds the widest name of the document whole.
        for (int page = 0; page < viewer.documentModel()->pageCount(); ++page)
            QVERIFY(bar->pageColumnWidth() >= metrics.horizontalAdvance(bar->pageName(page)));
        return;
    }
    if (place == u"strip"_s) {
        list = viewer.thumbnailPanel()->listView();
        list->scrollTo(list->model()->index(row, 0));
        const QRect item = list->visualRect(list->model()->index(row, 0));
        band = ThumbnailDelegate::pageNumberBand(item, ThumbnailDelegate::cardRect(item));
    } else {
        viewer.setViewMode(PdfViewMode::PageManageView);
        PdfPageManagerView *grid = viewer.pageManagerView();
        list = grid->grid();
        QTRY_VERIFY(list->isVisible());
        list->scrollTo(list->model()->index(row, 0));
        const QRect item = list->visualRect(list->model()->index(row, 0));
        band = PdfPageManagerView::pageNumberBand(item, grid->cardRect(item));
    }
    QFont bold = list->font();
    bold.setWeight(QFont::Bold);
    const int expected = QFontMetrics(bold).horizontalAdvance(text);
    QTRY_VERIFY2(std::abs(inkWidth(list->viewport()->grab(band).toImage()) - expected) <= 3,
                 qPrintable(u"%1 against %2"_s.arg(inkWidth(list->viewport()->grab(band).toImage()))
                                .arg(expected)));
}

namespace {

// What the bar shows each time it appears or changes its size while shown.
class BarWatch : public QObject
{
public:
    BarWatch(QWidget *bar, QLineEdit *edit)
        : m_bar(bar)
        , m_edit(edit)
    {
        bar->installEventFilter(this);
    }
    QStringList seen;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show ||
            (event->type() == QEvent::Resize && m_bar->isVisible()))
            seen.append(u"%1 %2"_s.arg(m_edit->text()).arg(m_bar->width()));
        return false;
    }

private:
    QWidget *m_bar;
    QLineEdit *m_edit;
};

} // namespace

// The bar appears once the labels are read, and keeps its width.
void TestPageLabels::barKeepsItsWidth()
{
    QVERIFY(m_dir.isValid());
    const QString path = labelledPdf(m_dir.filePath(u"width.pdf"_s));
    QVERIFY(!path.isEmpty());
    PdfViewerWidget viewer;
    PdfBottomControlBar *bar = viewer.bottomBar();
    auto *edit = bar->findChild<QLineEdit *>(u"pdfPageNumberEdit"_s);
    BarWatch watch(bar, edit);
    QVERIFY(viewertest::showAndOpen(viewer, path, {900, 800}));
    QTRY_VERIFY(bar->isVisible());
    QTRY_COMPARE(edit->text(), u"i"_s);
    QVERIFY(!watch.seen.isEmpty());
    for (const QString &state : std::as_const(watch.seen))
        QCOMPARE(state, watch.seen.constLast());
    QVERIFY(watch.seen.constLast().startsWith(u"i "_s));
}

// Qt's raster engine splits large fills over its global pool and waits for them: a document's
// background reads queued there would hold the window's painting up. With that pool held, the
// labels and the outline still arrive.
void TestPageLabels::readWhileQtPoolIsBusy()
{
    QVERIFY(m_dir.isValid());
    const QString path = labelledPdf(m_dir.filePath(u"busy-pool.pdf"_s));
    QVERIFY(!path.isEmpty());
    QThreadPool *global = QThreadPool::globalInstance();
    QSemaphore release;
    const int busy = global->maxThreadCount();
    for (int i = 0; i < busy; ++i)
        global->start([&release] { release.acquire(); });
    PdfDocumentModel model;
    PdfPageLabels labels(&model);
    PdfOutlineModel outline;
    outline.setDocumentModel(&model);
    const bool opened = model.loadDocument(path, {}, nullptr, nullptr);
    const bool labelled =
        QTest::qWaitFor([&labels] { return labels.labels().value(0) == u"i"_s; }, 5000);
    const bool outlined = QTest::qWaitFor([&outline] { return !outline.isLoading(); }, 5000);
    release.release(busy);
    global->waitForDone();
    QVERIFY(opened);
    QVERIFY(labelled);
    QVERIFY(outlined);
}

VELMORA_REGISTER_TEST(TestPageLabels);
#include "tst_pagelabels.moc"
