#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfpageinteraction.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The centre of the n-th word equal to word on a page, in points from the top left of the
// page, as poppler places it.
std::optional<QPointF> popplerWordCentre(const QString &path, int page, const QString &word,
                                         int occurrence)
{
    QProcess tool;
    const QString number = QString::number(page + 1);
    tool.start(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, number, u"-l"_s, number, path, u"-"_s});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return std::nullopt;
    const QRegularExpression pattern(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    int seen = 0;
    for (auto it = pattern.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()));
         it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(5) != word || seen++ != occurrence)
            continue;
        return QPointF((m.captured(1).toDouble() + m.captured(3).toDouble()) / 2,
                       (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2);
    }
    return std::nullopt;
}

} // namespace

// A double click on the reading view selects the word under the pointer, a triple click its
// line; the text is read back from the clipboard after a copy, and from the primary selection
// where the platform has one.
class TestWordLineSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clicksSelectWordsAndLines_data();
    void clicksSelectWordsAndLines();

private:
    QTemporaryDir m_dir;
};

void TestWordLineSelection::clicksSelectWordsAndLines_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("occurrence"); // which of the page's words of that text
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QString>("expected");

    QTest::newRow("double click a word") << u"quick"_s << 2 << 2 << 0 << u"quick"_s;
    QTest::newRow("double click the first word") << u"Line"_s << 0 << 2 << 0 << u"Line"_s;
    QTest::newRow("double click on a turned page") << u"brown"_s << 4 << 2 << 90 << u"brown"_s;
    QTest::newRow("triple click a line")
        << u"fox"_s << 2 << 3 << 0
        << u"Line 3 of page 1: the quick brown fox jumps over the lazy dog."_s;
    QTest::newRow("triple click on a turned page")
        << u"lazy"_s << 0 << 3 << 270
        << u"Line 1 of page 1: the quick brown fox jumps over the lazy dog."_s;
}

void TestWordLineSelection::clicksSelectWordsAndLines()
{
    QFETCH(QString, word);
    QFETCH(int, occurrence);
    QFETCH(int, clicks);
    QFETCH(int, rotation);
    QFETCH(QString, expected);

    QVERIFY(m_dir.isValid());
    const QString path = fixtures::textPdf(m_dir.filePath(u"words.pdf"_s), 2);
    const std::optional<QPointF> centre = popplerWordCentre(path, 0, word, occurrence);
    QVERIFY(centre);

    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, path, {1000, 900}));
    if (rotation)
        viewer.undoManager()->rotatePages({viewer.documentModel()->pageAt(0)->id}, rotation);
    PdfDocumentView *view = viewer.documentView();
    view->goToPage(0);
    PdfPageInteraction *pages = viewer.pageInteraction();
    const QPoint at = pages->toViewport(0, *centre).toPoint();
    QVERIFY(view->viewport()->rect().contains(at));
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();

    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    if (clicks == 3)
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(pages->hasSelection());
    if (clipboard->supportsSelection())
        QCOMPARE(clipboard->text(QClipboard::Selection).trimmed(), expected);
    // The ordinary clipboard is left alone until the user copies.
    QVERIFY(clipboard->text().isEmpty());
    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text().trimmed(), expected);
}

VELMORA_REGISTER_TEST(TestWordLineSelection);
#include "tst_wordlineselection.moc"
