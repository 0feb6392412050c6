#include "pdfdocumentmodel.h"
#include "pdfdocumentsession.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "pdfundomanager.h"
#include "testregistry.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

// The words poppler finds on one page (0-based), joined by spaces, and the box around them as
// a share of the page as it is shown (0..1, y downwards). poppler gives the page's size before
// its rotation and the words' places after it, so a page turned a quarter swaps the two.
struct PageText
{
    QString text;
    QRectF box;
};

PageText pageText(const QString &path, int page, bool quarterTurned = false)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-bbox"_s, u"-cropbox"_s, u"-f"_s, QString::number(page + 1),
                                   u"-l"_s, QString::number(page + 1), path, u"-"_s});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PageText result;
    static const QRegularExpression size(uR"re(<page width="([\d.]+)" height="([\d.]+)")re"_s);
    const QRegularExpressionMatch pageSize = size.match(html);
    if (!pageSize.hasMatch())
        return result;
    double w = pageSize.captured(1).toDouble();
    double h = pageSize.captured(2).toDouble();
    if (quarterTurned)
        std::swap(w, h);
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    QStringList words;
    for (const QRegularExpressionMatch &m : word.globalMatch(html)) {
        words.append(m.captured(5));
        const QRectF box(QPointF(m.captured(1).toDouble() / w, m.captured(2).toDouble() / h),
                         QPointF(m.captured(3).toDouble() / w, m.captured(4).toDouble() / h));
        result.box = result.box.isNull() ? box : result.box.united(box);
    }
    result.text = words.join(u' ');
    return result;
}

QStringList allPageTexts(const QString &path)
{
    QStringList texts;
    const int count = int(readback::inspect(path).pages.size());
    for (int page = 0; page < count; ++page)
        texts.append(pageText(path, page).text);
    return texts;
}

PdfPageNumbering numbering(int position, int format, int first)
{
    PdfPageNumbering result;
    result.enabled = true;
    result.position = PdfStampPosition(position);
    result.format = PdfPageNumbering::Format(format);
    result.firstNumber = first;
    result.fontSize = 12;
    return result;
}

} // namespace

// Page numbers are an edit of the document: shown before saving, written by a save, undone and
// redone like any other step, and never written twice.
class TestPageNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenWhereAsked_data();
    void writtenWhereAsked();
    void followHistoryAndSaves_data();
    void followHistoryAndSaves();
    void shownBeforeSaving();

private:
    QString makePdf(const QString &name, const QList<fixtures::PageSpec> &pages);
    QTemporaryDir m_dir;
};

QString TestPageNumbers::makePdf(const QString &name, const QList<fixtures::PageSpec> &pages)
{
    fixtures::DocumentSpec spec;
    spec.pages = pages;
    const QString path = m_dir.filePath(name);
    return fixtures::write(spec, path) ? path : QString();
}

void TestPageNumbers::writtenWhereAsked_data()
{
    // A three-page document; page 1 (0-based) is checked. Corners: column 0 left, 1 centre,
    // 2 right; row 0 top, 1 bottom, of the page as it is shown.
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("storedRotate");
    QTest::addColumn<int>("userRotation");
    QTest::addColumn<bool>("cropped");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("bottom centre, n") << 0 << 0 << 1 << 0 << 0 << false << u"2"_s << 1 << 1;
    QTest::newRow("bottom right, n / N") << 1 << 1 << 1 << 0 << 0 << false << u"2 / 3"_s << 2 << 1;
    QTest::newRow("bottom left, first 10") << 2 << 0 << 10 << 0 << 0 << false << u"11"_s << 0 << 1;
    QTest::newRow("top centre, n / N from 5")
        << 3 << 1 << 5 << 0 << 0 << false << u"6 / 7"_s << 1 << 0;
    QTest::newRow("top right, turned by the user")
        << 4 << 0 << 1 << 0 << 90 << false << u"2"_s << 2 << 0;
    QTest::newRow("top left, stored /Rotate 270")
        << 5 << 0 << 1 << 270 << 0 << false << u"2"_s << 0 << 0;
    QTest::newRow("bottom right, /Rotate 90 and turned 90")
        << 1 << 0 << 1 << 90 << 90 << false << u"2"_s << 2 << 1;
    QTest::newRow("bottom left, crop box") << 2 << 1 << 1 << 0 << 0 << true << u"2 / 3"_s << 0 << 1;
}

void TestPageNumbers::writtenWhereAsked()
{
    QFETCH(int, position);
    QFETCH(int, format);
    QFETCH(int, first);
    QFETCH(int, storedRotate);
    QFETCH(int, userRotation);
    QFETCH(bool, cropped);
    QFETCH(QString, expected);
    QFETCH(int, column);
    QFETCH(int, row);
    QVERIFY(m_dir.isValid());

    QList<fixtures::PageSpec> pages = fixtures::pagesOf(3, {300, 400});
    for (fixtures::PageSpec &page : pages) {
        page.colour = Qt::white;
        page.rotate = storedRotate;
        if (cropped)
            page.cropBox = QRectF(50, 60, 200, 250);
    }
    const QString source = makePdf(u"numbers-source.pdf"_s, pages);
    QVERIFY(!source.isEmpty());

    PdfDocumentSession session;
    PdfDocumentModel *model = session.model();
    QCOMPARE(session.open(source, QString(), nullptr), PdfDocumentSession::Result::Done);
    if (userRotation)
        session.undoManager()->rotatePages({model->pageAt(1)->id}, userRotation);
    QVERIFY(session.undoManager()->setPageNumbering(numbering(position, format, first)));
    QCOMPARE(model->pageAt(1)->stampText, expected);

    const QString target = m_dir.filePath(u"numbers-out.pdf"_s);
    PdfDocumentSession::Failure failure;
    QVERIFY2(session.saveAs(target, &failure), qPrintable(failure.message));
    QVERIFY(readback::qpdfCheck(target));

    const PageText text = pageText(target, 1, (storedRotate + userRotation) % 180 != 0);
    QCOMPARE(text.text, expected);
    const QPointF centre = text.box.center();
    const double columns[3][2] = {{0.0, 0.3}, {0.35, 0.65}, {0.7, 1.0}};
    QVERIFY2(centre.x() >= columns[column][0] && centre.x() <= columns[column][1],
             qPrintable(u"x %1"_s.arg(centre.x())));
    QVERIFY2(row == 0 ? centre.y() < 0.15 : centre.y() > 0.85,
             qPrintable(u"y %1"_s.arg(centre.y())));
    // Upright as shown: a horizontal run of text is wider than tall.
    if (expected.size() > 1)
        QVERIFY(text.box.width() > text.box.height());
}

void TestPageNumbers::followHistoryAndSaves_data()
{
    // Steps on a four-page document, then what a save as to a fresh file holds, page by page.
    // "number" adds "n / N" at the bottom, "save" saves over the document's own file, "undo",
    // "redo", "move" puts the last page first, "blank" appends a blank page.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("texts");
    const QStringList numbered{u"1 / 4"_s, u"2 / 4"_s, u"3 / 4"_s, u"4 / 4"_s};
    const QStringList none(4, QString());
    QTest::newRow("numbered") << QStringList{u"number"_s} << numbered;
    QTest::newRow("undone") << QStringList{u"number"_s, u"undo"_s} << none;
    QTest::newRow("redone") << QStringList{u"number"_s, u"undo"_s, u"redo"_s} << numbered;
    QTest::newRow("saved, then saved again")
        << QStringList{u"number"_s, u"save"_s, u"save"_s} << numbered;
    QTest::newRow("saved, page turned, saved again")
        << QStringList{u"number"_s, u"save"_s, u"rotate"_s, u"save"_s} << numbered;
    // The history outlives a save: undo reads the pages from the file as it was.
    QTest::newRow("undo after the save takes the numbers off")
        << QStringList{u"number"_s, u"save"_s, u"undo"_s} << none;
    QTest::newRow("undone after the save, redone")
        << QStringList{u"number"_s, u"save"_s, u"undo"_s, u"redo"_s} << numbered;
    QTest::newRow("undone after the save, saved, redone")
        << QStringList{u"number"_s, u"save"_s, u"undo"_s, u"save"_s, u"redo"_s} << numbered;
    QTest::newRow("saved, turned, saved, all undone")
        << QStringList{u"number"_s, u"save"_s, u"rotate"_s, u"save"_s, u"undo"_s, u"undo"_s}
        << none;
    QTest::newRow("numbers follow a moved page")
        << QStringList{u"number"_s, u"move"_s}
        << QStringList{u"1 / 4"_s, u"2 / 4"_s, u"3 / 4"_s, u"4 / 4"_s};
    QTest::newRow("a page added later counts in the total")
        << QStringList{u"number"_s, u"blank"_s}
        << QStringList{u"1 / 5"_s, u"2 / 5"_s, u"3 / 5"_s, u"4 / 5"_s, QString()};
    QTest::newRow("undone before a save, saved twice")
        << QStringList{u"number"_s, u"undo"_s, u"save"_s, u"redo"_s, u"save"_s} << numbered;
}

void TestPageNumbers::followHistoryAndSaves()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, texts);
    QVERIFY(m_dir.isValid());
    QList<fixtures::PageSpec> pages = fixtures::pagesOf(4, {300, 400});
    for (fixtures::PageSpec &page : pages)
        page.colour = Qt::white;
    const QString source = makePdf(u"history.pdf"_s, pages);
    QVERIFY(!source.isEmpty());

    PdfDocumentSession session;
    PdfDocumentModel *model = session.model();
    PdfUndoManager *undo = session.undoManager();
    QCOMPARE(session.open(source, QString(), nullptr), PdfDocumentSession::Result::Done);
    PdfDocumentSession::Failure failure;
    for (const QString &step : std::as_const(steps)) {
        if (step == u"number"_s)
            QVERIFY(undo->setPageNumbering(numbering(0, 1, 1)));
        else if (step == u"undo"_s)
            undo->undoStack()->undo();
        else if (step == u"redo"_s)
            undo->undoStack()->redo();
        else if (step == u"save"_s)
            QVERIFY2(session.saveAs(source, &failure), qPrintable(failure.message));
        else if (step == u"rotate"_s)
            undo->rotatePages({model->pageAt(0)->id}, 180);
        else if (step == u"move"_s)
            QVERIFY(model->moveRows({}, model->pageCount() - 1, 1, {}, 0));
        else if (step == u"blank"_s)
            undo->insertBlankPage(-1);
    }
    const QString check = m_dir.filePath(u"history-check.pdf"_s);
    QVERIFY2(session.saveAs(check, &failure), qPrintable(failure.message));
    QCOMPARE(allPageTexts(check), texts);
}

void TestPageNumbers::shownBeforeSaving()
{
    // The rendered page carries the number where the file will: dark pixels appear in the
    // bottom right corner of a white page only with the number.
    QVERIFY(m_dir.isValid());
    QList<fixtures::PageSpec> pages = fixtures::pagesOf(1, {300, 400});
    pages[0].colour = Qt::white;
    const QString source = makePdf(u"shown.pdf"_s, pages);
    PdfDocumentSession session;
    QCOMPARE(session.open(source, QString(), nullptr), PdfDocumentSession::Result::Done);
    const auto darkInCorner = [&] {
        const PdfSourcePage page = PdfDocumentModel::toSourcePage(*session.model()->pageAt(0));
        const QImage image = PdfEditorBackend::renderPage(page, QSize(600, 800), nullptr, nullptr)
                                 .convertToFormat(QImage::Format_RGB32);
        int dark = 0;
        for (int y = image.height() * 85 / 100; y < image.height(); ++y)
            for (int x = image.width() * 70 / 100; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    QCOMPARE(darkInCorner(), 0);
    QVERIFY(session.undoManager()->setPageNumbering(numbering(1, 0, 7)));
    QVERIFY(darkInCorner() > 10);
    // Drawn as a part only (a deeply zoomed view), the number falls on the same pixels.
    const PdfSourcePage page = PdfDocumentModel::toSourcePage(*session.model()->pageAt(0));
    const QRect corner(400, 650, 200, 150);
    QList<QString> errors;
    const QImage part =
        PdfEditorBackend::renderPages({page}, {QSize(600, 800)}, {corner}, &errors).value(0);
    QVERIFY2(!part.isNull(), qPrintable(errors.value(0)));
    QCOMPARE(part.convertToFormat(QImage::Format_RGB32),
             PdfEditorBackend::renderPage(page, QSize(600, 800), nullptr, nullptr)
                 .convertToFormat(QImage::Format_RGB32)
                 .copy(corner));
    session.undoManager()->undoStack()->undo();
    QCOMPARE(darkInCorner(), 0);
}

VELMORA_REGISTER_TEST(TestPageNumbers);

#include "tst_pagenumbers.moc"
