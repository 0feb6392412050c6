#include "inkwell.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffindbar.h"
#include "pdffindresultsmodel.h"
#include "pdffixtures.h"
#include "pdftextsearch.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QLineEdit>
#include <QLineF>
#include <QListView>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

// Lines of text per page; words recur in several cases and some pages have none.
const QList<QStringList> kPages = {
    {u"apple banana cherry"_s, u"The Velmora manual"_s},
    {u"apple apple"_s, u"VELMORA in capitals"_s, u"velMORA again"_s},
    {u"nothing here but words"_s},
    {u"velmora lower case"_s, u"banana apple"_s},
    {u"just some plain text"_s},
    {u"apple at the end"_s, u"and one more Apple"_s},
};

bool writeTextDocument(const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(14);
    painter.setFont(font);
    for (int page = 0; page < kPages.size(); ++page) {
        if (page > 0)
            writer.newPage();
        for (int line = 0; line < kPages[page].size(); ++line)
            painter.drawText(QPointF(60, 120 + line * 260), kPages[page][line]);
    }
    return painter.end();
}

// Occurrences of word on a page (0-based) as poppler's text extraction reads it, ignoring case.
int popplerCount(const QString &path, int page, const QString &word)
{
    QProcess tool;
    const QString number = QString::number(page + 1);
    tool.start(u"pdftotext"_s, {u"-f"_s, number, u"-l"_s, number, path, u"-"_s});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return -1;
    return int(QString::fromUtf8(tool.readAllStandardOutput()).count(word, Qt::CaseInsensitive));
}

// Centres of the words equal to word (ignoring case) on a page, in points from the top left of
// the unrotated page, as poppler places them.
QList<QPointF> popplerCentres(const QString &path, int page, const QString &word)
{
    QProcess tool;
    const QString number = QString::number(page + 1);
    tool.start(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, number, u"-l"_s, number, path, u"-"_s});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    const QRegularExpression pattern(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    QList<QPointF> centres;
    auto it = pattern.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(5).compare(word, Qt::CaseInsensitive) == 0)
            centres.append(QPointF((m.captured(1).toDouble() + m.captured(3).toDouble()) / 2,
                                   (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2));
    }
    return centres;
}

} // namespace

class TestPdfFind : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void findCountsAndSteps_data();
    void findCountsAndSteps();
    void hitBoxesFollowRotation_data();
    void hitBoxesFollowRotation();
    void scannedPagesOfferRecognition_data();
    void scannedPagesOfferRecognition();
    void findOptionsAndResults_data();
    void findOptionsAndResults();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestPdfFind::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(u"words.pdf"_s);
    QVERIFY(writeTextDocument(m_path));
}

void TestPdfFind::findCountsAndSteps_data()
{
    QTest::addColumn<QString>("needle");
    // What is done to the pages while the search runs: "" nothing, "delete" the second page,
    // "blank" a blank page in front, "rotate" the first page turned.
    QTest::addColumn<QString>("edit");

    QTest::newRow("common word") << u"apple"_s << QString();
    QTest::newRow("other case") << u"VeLmOrA"_s << QString();
    QTest::newRow("absent word") << u"zebra"_s << QString();
    QTest::newRow("page deleted while searching") << u"apple"_s << u"delete"_s;
    QTest::newRow("blank page inserted") << u"velmora"_s << u"blank"_s;
    QTest::newRow("first page turned") << u"banana"_s << u"rotate"_s;
}

void TestPdfFind::findCountsAndSteps()
{
    QFETCH(QString, needle);
    QFETCH(QString, edit);

    // The source page each row shows after the edit (-1 for a blank page), and from poppler the
    // row of every hit in reading order.
    QList<int> sources;
    for (int page = 0; page < kPages.size(); ++page)
        sources.append(page);
    if (edit == u"delete"_s)
        sources.removeAt(1);
    else if (edit == u"blank"_s)
        sources.prepend(-1);
    QList<int> hitRows;
    for (int row = 0; row < sources.size(); ++row) {
        const int count = sources[row] < 0 ? 0 : popplerCount(m_path, sources[row], needle);
        QVERIFY(count >= 0);
        for (int i = 0; i < count; ++i)
            hitRows.append(row);
    }

    PdfViewerWidget viewer;

    QVERIFY(viewertest::showAndOpen(viewer, m_path, {1000, 760}));
    PdfFindBar *bar = viewer.findChild<PdfFindBar *>(u"pdfFindBar"_s);
    PdfTextSearch *search = bar->search();
    PdfDocumentView *view = viewer.documentView();
    QVERIFY(bar->isHidden());

    // The tool bar's search opens the bar over the reading view, from the page grid too.
    viewer.setViewMode(PdfViewMode::PageManageView);
    Q_EMIT viewer.topToolBar()->searchRequested();
    QCOMPARE(viewer.viewMode(), PdfViewMode::DocumentView);
    QVERIFY(bar->isVisible());
    bar->closeBar();

    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar->isVisible());
    QVERIFY(bar->lineEdit()->hasFocus());
    QTest::keyClicks(bar->lineEdit(), needle);
    QTest::keyClick(bar->lineEdit(), Qt::Key_Return);
    QCOMPARE(search->needle(), needle);

    PdfUndoManager *undo = viewer.undoManager();
    const PdfPageId first = viewer.documentModel()->pageAt(0)->id;
    if (edit == u"delete"_s)
        undo->removePages({viewer.documentModel()->pageAt(1)->id});
    else if (edit == u"blank"_s)
        undo->insertBlankPage(0, QSizeF(595, 842));
    else if (edit == u"rotate"_s)
        undo->rotatePages({first}, 90);
    QCOMPARE(viewer.documentModel()->pageCount(), sources.size());

    QTRY_VERIFY_WITH_TIMEOUT(!search->isRunning() && search->pagesDone() == sources.size(), 20000);
    QCOMPARE(search->hitCount(), hitRows.size());
    if (hitRows.isEmpty()) {
        QCOMPARE(bar->statusText(), u"无结果"_s);
        return;
    }
    QVERIFY2(bar->statusText().contains(QString::number(hitRows.size())),
             qPrintable(bar->statusText()));

    // A search started from the field lands on the first hit from the reading position on;
    // F3 and Enter go forward, Shift+F3 and Shift+Enter back, both round the ends.
    bar->closeBar();
    QCOMPARE(search->hitCount(), 0);
    view->goToPage(0);
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(view->currentPage(), hitRows.first());
    QTRY_VERIFY(!search->isRunning());
    for (int i = 1; i < hitRows.size() + 1; ++i) {
        if (i % 2)
            QTest::keyClick(bar->lineEdit(), Qt::Key_F3);
        else
            QTest::keyClick(bar->lineEdit(), Qt::Key_Return);
        QCOMPARE(view->currentPage(), hitRows[i % hitRows.size()]);
    }
    QTest::keyClick(bar->lineEdit(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(view->currentPage(), hitRows.last());
    QTest::keyClick(bar->lineEdit(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(view->currentPage(), hitRows[qMax(int(hitRows.size()) - 2, 0)]);

    QTest::keyClick(bar->lineEdit(), Qt::Key_Escape);
    QVERIFY(bar->isHidden());
    QCOMPARE(search->hitCount(), 0);
}

void TestPdfFind::hitBoxesFollowRotation_data()
{
    QTest::addColumn<int>("rotation");
    for (int rotation : {0, 90, 180, 270})
        QTest::addRow("%d", rotation) << rotation;
}

// The boxes highlighted are where poppler finds the words, on the page as turned by the user.
void TestPdfFind::hitBoxesFollowRotation()
{
    QFETCH(int, rotation);
    const QSizeF size(595.0, 842.0);
    PdfSourcePage page;
    page.filePath = m_path;
    page.pageIndex = 5;
    page.rotation = rotation;
    page.pageSize = size;
    PdfBackendError error = PdfBackendError::RenderFailed;
    const QList<PdfTextHit> hits = PdfEditorBackend::findText(page, u"APPLE"_s, &error, nullptr);
    QCOMPARE(error, PdfBackendError::NoError);

    QList<QPointF> expected;
    for (const QPointF &c : popplerCentres(m_path, 5, u"apple"_s)) {
        switch (rotation) {
        case 90:
            expected.append({size.height() - c.y(), c.x()});
            break;
        case 180:
            expected.append({size.width() - c.x(), size.height() - c.y()});
            break;
        case 270:
            expected.append({c.y(), size.width() - c.x()});
            break;
        default:
            expected.append(c);
        }
    }
    QCOMPARE(hits.size(), expected.size());
    QVERIFY(!expected.isEmpty());
    for (qsizetype i = 0; i < hits.size(); ++i) {
        QCOMPARE(hits[i].boxes.size(), 1);
        const QPointF centre = hits[i].boxes.first().center();
        QVERIFY2(QLineF(centre, expected[i]).length() < 4.0,
                 qPrintable(u"hit %1 at %2,%3, poppler %4,%5"_s.arg(i)
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(expected[i].x())
                                .arg(expected[i].y())));
    }
}

// A search that finds nothing on pages without text offers to recognise them; the pages then
// read a searchable version of their file, as one step that undo takes back.
void TestPdfFind::scannedPagesOfferRecognition_data()
{
    QTest::addColumn<int>("files"); // scans the tab's pages come from, one page each

    QTest::newRow("one scan") << 1;
    // Each file is a job of the task centre; both run, and both versions replace their pages.
    QTest::newRow("pages of two scans") << 2;
}

void TestPdfFind::scannedPagesOfferRecognition()
{
    QFETCH(int, files);
    if (!Inkwell::recognitionLanguages().contains(u"eng"_s))
        QSKIP("no English language data for tesseract (package tesseract-ocr-eng)");
    const QStringList lines = {u"Lanterns guide the evening ferry"_s,
                               u"Harbour lanterns answer the ferry"_s};
    QStringList scans;
    QList<QByteArray> before;
    for (int i = 0; i < files; ++i) {
        scans.append(fixtures::scanPdf(
            m_dir.filePath(
                u"scan-%1-%2.pdf"_s.arg(QString::fromUtf8(QTest::currentDataTag())).arg(i)),
            {lines[i]}));
        QVERIFY(!scans.last().isEmpty());
        before.append(fixtures::readBytes(scans.last()));
    }
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, scans.first(), {1000, 760}));
    PdfDocumentModel *model = viewer.documentModel();
    for (int i = 1; i < files; ++i)
        QVERIFY(viewer.undoManager()->insertPdf(scans[i], i, QString(), nullptr, nullptr));
    QCOMPARE(model->pageCount(), files);
    auto *bar = viewer.findChild<PdfFindBar *>(u"pdfFindBar"_s);
    auto *recognise = bar->findChild<QPushButton *>(u"pdfFindRecognizeButton"_s);
    QTest::keyClick(viewer.documentView(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(bar->lineEdit(), u"lanterns"_s);
    QTest::keyClick(bar->lineEdit(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!bar->search()->isRunning() && bar->search()->pagesDone() == files,
                             20000);
    QCOMPARE(bar->search()->hitCount(), 0);
    QVERIFY(recognise->isVisible());

    recognise->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bar->search()->isRunning() && bar->search()->hitCount() == files,
                             60000);
    QVERIFY(!recognise->isVisible());
    QVERIFY(model->isModified());
    for (int i = 0; i < files; ++i) {
        QVERIFY(model->pageAt(i)->sourcePath != scans[i]);
        QCOMPARE(fixtures::readBytes(scans[i]), before[i]);
    }

    QUndoStack *stack = viewer.undoManager()->undoStack();
    const int recognised = stack->index();
    stack->undo();
    QCOMPARE(stack->index(), recognised - 1);
    for (int i = 0; i < files; ++i)
        QCOMPARE(model->pageAt(i)->sourcePath, scans[i]);
    bar->openBar();
    QTRY_VERIFY_WITH_TIMEOUT(!bar->search()->isRunning() && bar->search()->pagesDone() == files,
                             20000);
    QCOMPARE(bar->search()->hitCount(), 0);
}

void TestPdfFind::findOptionsAndResults_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWords");

    QTest::newRow("any case") << u"velmora"_s << false << false;
    QTest::newRow("match case") << u"Velmora"_s << true << false;
    QTest::newRow("match case capitals") << u"VELMORA"_s << true << false;
    QTest::newRow("part of words") << u"app"_s << false << false;
    QTest::newRow("whole words only") << u"app"_s << false << true;
    QTest::newRow("whole word found") << u"apple"_s << false << true;
    QTest::newRow("whole word and case") << u"Apple"_s << true << true;
    QTest::newRow("two words") << u"banana apple"_s << false << true;
}

// The toggles search again; the list holds every hit in page order with the line it stands in,
// and a click on a row goes to its page.
void TestPdfFind::findOptionsAndResults()
{
    QFETCH(QString, needle);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWords);

    QString pattern = QRegularExpression::escape(needle);
    if (wholeWords)
        pattern = u"\\b"_s + pattern + u"\\b"_s;
    const QRegularExpression expression(pattern, matchCase
                                                     ? QRegularExpression::NoPatternOption
                                                     : QRegularExpression::CaseInsensitiveOption);
    // From the text written: each hit's page and line; from poppler: the count of every page.
    QList<std::pair<int, QString>> expected;
    int popplerTotal = 0;
    for (int page = 0; page < kPages.size(); ++page) {
        for (const QString &line : kPages[page]) {
            for (auto it = expression.globalMatch(line); it.hasNext(); it.next())
                expected.append({page, line});
        }
        QProcess tool;
        tool.start(u"pdftotext"_s, {u"-f"_s, QString::number(page + 1), u"-l"_s,
                                    QString::number(page + 1), m_path, u"-"_s});
        QVERIFY(tool.waitForFinished(30000));
        const QString text = QString::fromUtf8(tool.readAllStandardOutput()).simplified();
        for (auto it = expression.globalMatch(text); it.hasNext(); it.next())
            ++popplerTotal;
    }
    QCOMPARE(popplerTotal, int(expected.size()));

    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, m_path, {1100, 800}));
    auto *bar = viewer.findChild<PdfFindBar *>(u"pdfFindBar"_s);
    PdfTextSearch *search = bar->search();
    QTest::keyClick(viewer.documentView(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(bar->lineEdit(), needle);
    QTest::keyClick(bar->lineEdit(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!search->isRunning() && search->pagesDone() == kPages.size(), 20000);

    // Clicking the toggles runs the search again with them.
    for (const auto &[name, wanted] : {std::pair{u"pdfFindMatchCaseButton"_s, matchCase},
                                       std::pair{u"pdfFindWholeWordsButton"_s, wholeWords}}) {
        auto *toggle = bar->findChild<QPushButton *>(name);
        QVERIFY(toggle && toggle->isVisible());
        if (wanted)
            QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->isChecked(), wanted);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!search->isRunning() && search->pagesDone() == kPages.size(), 20000);
    QCOMPARE(search->hitCount(), expected.size());

    auto *listButton = bar->findChild<QPushButton *>(u"pdfFindResultsButton"_s);
    QTest::mouseClick(listButton, Qt::LeftButton);
    QListView *list = bar->resultsList();
    QTRY_VERIFY(list->isVisible());
    QAbstractItemModel *results = list->model();
    QCOMPARE(results->rowCount(), expected.size());
    for (int row = 0; row < results->rowCount(); ++row) {
        const QModelIndex index = results->index(row, 0);
        QCOMPARE(index.data(PdfFindResultsModel::PageRowRole).toInt(), expected[row].first);
        const QString context = index.data(PdfFindResultsModel::ContextRole).toString();
        QCOMPARE(context, expected[row].second);
        const QString hit = context.mid(index.data(PdfFindResultsModel::HitStartRole).toInt(),
                                        index.data(PdfFindResultsModel::HitLengthRole).toInt());
        QCOMPARE(hit.compare(needle, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive), 0);
    }
    if (expected.isEmpty()) {
        QCOMPARE(bar->statusText(), u"无结果"_s);
        return;
    }

    // The last row is clicked: the view shows its page and the count names it.
    const QModelIndex last = results->index(results->rowCount() - 1, 0);
    list->scrollTo(last);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(last).center());
    QTRY_COMPARE(viewer.documentView()->currentPage(), expected.last().first);
    QCOMPARE(bar->statusText(), u"第 %1/%2 处"_s.arg(expected.size()).arg(expected.size()));
    // F3 wraps round to the first hit, and the list follows.
    QTest::keyClick(bar->lineEdit(), Qt::Key_F3);
    QTRY_COMPARE(viewer.documentView()->currentPage(), expected.first().first);
    QCOMPARE(list->currentIndex().row(), 0);
}

VELMORA_REGISTER_TEST(TestPdfFind);
#include "tst_pdffind.moc"
