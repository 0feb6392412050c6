#include "pdfbottomcontrolbar.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Seven empty pages labelled i, ii, iii, 1, 2, A-1, A-2, written by hand and rewritten by qpdf.
QString labelledPdf(const QString &path)
{
    QList<QByteArray> objects;
    objects << "<< /Type /Catalog /Pages 2 0 R /PageLabels << /Nums [0 << /S /r >> 3 << /S /D >> "
               "5 << /P (A-) /S /D >> ] >> >>";
    QByteArray kids;
    for (int page = 0; page < 7; ++page)
        kids += QByteArray::number(page + 3) + " 0 R ";
    objects << "<< /Type /Pages /Kids [" + kids + "] /Count 7 >>";
    for (int page = 0; page < 7; ++page)
        objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 400] /Resources << >> >>";
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
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

VELMORA_REGISTER_TEST(TestPageLabels);
#include "tst_pagelabels.moc"
