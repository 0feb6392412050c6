#include "mupdfsupport.h"
#include "pdfeditorbackend.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtConcurrent>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#ifdef Q_OS_UNIX
#include <QtTest>
#include <unistd.h>
#endif

using fixtures::DocumentSpec;
using fixtures::PageSpec;
using fixtures::Scheme;

Q_DECLARE_METATYPE(PdfBackendError)
Q_DECLARE_METATYPE(Scheme)
Q_DECLARE_METATYPE(PdfAnnotation::Type)

namespace {

PdfSourcePage sourcePage(const QString &path, int index, int rotation = 0,
                         const QString &password = {})
{
    PdfSourcePage page;
    page.filePath = path;
    page.password = password;
    page.pageIndex = index;
    page.rotation = rotation;
    return page;
}

PdfSourcePage blankPage(QSizeF size, int rotation = 0)
{
    PdfSourcePage page;
    page.blank = true;
    page.pageSize = size;
    page.rotation = rotation;
    return page;
}

// The dictionary of the first annotation of a subtype as `qpdf --json` shows it.
QJsonObject annotationJson(const QString &path, const QString &subtype)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"),
               {QStringLiteral("--json"), QStringLiteral("--json-key=qpdf"), path});
    qpdf.waitForFinished(60000);
    const QJsonArray parts =
        QJsonDocument::fromJson(qpdf.readAllStandardOutput()).object().value(u"qpdf").toArray();
    const QJsonObject objects = parts.at(1).toObject();
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        const QJsonObject value = it.value().toObject().value(u"value").toObject();
        if (value.value(u"/Subtype").toString() == subtype)
            return value;
    }
    return {};
}

QList<double> jsonNumbers(const QJsonValue &value)
{
    QList<double> out;
    for (const QJsonValue item : value.toArray())
        out.append(item.toDouble());
    return out;
}

// Quadrant of the marker after turning a page clockwise by degrees.
int turnedQuadrant(int degrees)
{
    return (((degrees % 360) + 360) % 360) / 90;
}

// Four 144 x 216 pt pages (/Rotate 0, 90, 180, 270) drawing half-transparent fills, a Multiply
// blend, a transparency group and a fill under a luminosity soft mask.
QByteArray transparencyPdf()
{
    const QByteArray content = "0 0 1 rg /Half gs 10 10 90 90 re f 0 1 0 rg 50 50 90 90 re f\n"
                               "/Mul gs 1 1 0 rg 20 120 100 60 re f\n"
                               "/Half gs /Grp Do\n"
                               "/Masked gs 0.8 0 0 rg 0 0 144 216 re f\n";
    const QByteArray group = "0 0.5 0.5 rg 70 150 60 50 re f 1 0 1 rg 90 170 50 40 re f\n";
    const QByteArray mask = "1 g 0 0 72 216 re f 0.3 g 72 0 72 108 re f\n";
    QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R 6 0 R] /Count 4 /MediaBox [0 0 144 216] "
        "/Resources << /ExtGState << /Half << /ca 0.5 >> /Mul << /BM /Multiply /ca 1 >> "
        "/Masked << /ca 1 /BM /Normal /SMask << /S /Luminosity /G 8 0 R >> >> >> "
        "/XObject << /Grp 9 0 R >> >> >>",
    };
    for (int rotate : {0, 90, 180, 270})
        objects << "<< /Type /Page /Parent 2 0 R /Contents 7 0 R /Rotate " +
                       QByteArray::number(rotate) + " >>";
    auto stream = [](const QByteArray &dict, const QByteArray &data) -> QByteArray {
        return "<< " + dict + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" +
               data + "\nendstream";
    };
    objects << stream("", content);
    objects << stream("/Type /XObject /Subtype /Form /BBox [0 0 144 216] "
                      "/Group << /S /Transparency /CS /DeviceRGB >>",
                      mask);
    objects << stream("/Type /XObject /Subtype /Form /BBox [0 0 144 216] "
                      "/Group << /S /Transparency /K true >>",
                      group);
    QByteArray pdf = "%PDF-1.7\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

// Saves the pages to out and reads the file back; facts.ok is false, with the reason, when the
// save failed or qpdf finds the file unsound.
readback::DocumentFacts saveAndInspect(const QList<PdfSourcePage> &pages, const QString &out,
                                       const PdfWriteOptions &options = {})
{
    PdfBackendError error;
    QString message;
    if (!PdfEditorBackend::saveDocument(pages, out, options, &error, &message))
        return {false, false, message};
    QString check;
    if (!readback::qpdfCheck(out, &check))
        return {false, false, check};
    return readback::inspect(out);
}

// Renders one page (0-based) with poppler at 72 dpi, leaving annotations out.
QImage renderWithoutAnnotations(const QString &file, int page)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-hide-annotations"), QStringLiteral("-r"), QStringLiteral("72"),
                    QStringLiteral("-f"), QString::number(page + 1), QStringLiteral("-l"),
                    QString::number(page + 1), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), file, prefix});
    pdftoppm.waitForFinished(60000);
    return QImage(prefix + QStringLiteral(".png"));
}

// Output of a program run on a file, empty when it failed.
QString toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPdfEditorBackend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void inspectReportsVisibleSizes_data();
    void inspectReportsVisibleSizes();
    void inspectRejectsBadInput_data();
    void inspectRejectsBadInput();
    void inspectRepairsDamagedXref();
    void damagedFilesRefusedOrRepaired_data();
    void damagedFilesRefusedOrRepaired();
    void passwords_data();
    void passwords();

    void renderMatchesSizeAndRotation_data();
    void renderMatchesSizeAndRotation();
    void renderMatchesReferenceRenderer_data();
    void renderMatchesReferenceRenderer();
    void renderDrawsAnnotationsAndBlankPages();
    void fileAnnotationsReadHiddenOrKept_data();
    void fileAnnotationsReadHiddenOrKept();
    void annotationStylesRoundTrip_data();
    void annotationStylesRoundTrip();
    void fileAnnotationsReadRepliesAndState();
    void commentsAndFieldsOfNestedTrees_data();
    void commentsAndFieldsOfNestedTrees();
    void renderPagesReportsFailuresInPlace();
    void renderSeesFileReplacedOnDisk();

    void saveReorganises_data();
    void saveReorganises();
    void saveOverItsOwnSource();
    void saveKeepsLinksOutlinesAndForms_data();
    void saveKeepsLinksOutlinesAndForms();
    void saveKeepsPageLabels_data();
    void saveKeepsPageLabels();
    void freeTextFontsInOtherReaders_data();
    void freeTextFontsInOtherReaders();
    void saveRemapsLinksOfInsertedDocument_data();
    void saveRemapsLinksOfInsertedDocument();
    void saveKeepsProtection_data();
    void saveKeepsProtection();
    void saveKeepsEverySourcesBookmarks_data();
    void saveKeepsEverySourcesBookmarks();
    void saveFailureLeavesFilesUntouched_data();
    void saveFailureLeavesFilesUntouched();
    void saveFromRepairableSource();
    void otherProducers_data();
    void otherProducers();

    void concurrentRendersWhileSaving();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString make(const QString &name, const DocumentSpec &spec)
    {
        const QString file = path(name);
        if (!fixtures::write(spec, file))
            return {};
        return file;
    }

    QTemporaryDir m_dir;
    QString m_six;   // 6 pages, distinct colours, 200 x 300
    QString m_mixed; // mixed sizes and /Rotate
};

void TestPdfEditorBackend::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_six = make(QStringLiteral("six.pdf"), DocumentSpec{fixtures::pagesOf(6)});
    QVERIFY(!m_six.isEmpty());
    DocumentSpec mixed;
    mixed.pages = fixtures::pagesOf(4);
    mixed.pages[1].size = QSizeF(400, 250);
    mixed.pages[2].rotate = 90;
    mixed.pages[3].rotate = 270;
    mixed.pages[3].size = QSizeF(300, 500);
    m_mixed = make(QStringLiteral("mixed.pdf"), mixed);
    QVERIFY(!m_mixed.isEmpty());
}

void TestPdfEditorBackend::inspectReportsVisibleSizes_data()
{
    QTest::addColumn<QList<PageSpec>>("pages");
    QTest::addColumn<bool>("onPagesNode");
    QTest::addColumn<double>("userUnit");
    QTest::addColumn<QList<QSizeF>>("expected");

    PageSpec plain;
    plain.size = {200, 300};
    PageSpec turned = plain;
    turned.rotate = 90;
    PageSpec upside = plain;
    upside.rotate = 180;
    PageSpec odd = plain;
    odd.rotate = -90;
    PageSpec cropped = plain;
    cropped.cropBox = QRectF(50, 50, 100, 120);
    PageSpec overhang = plain;
    overhang.cropBox = QRectF(100, 100, 500, 500);

    QTest::newRow("plain") << QList<PageSpec>{plain} << false << 0.0 << QList<QSizeF>{{200, 300}};
    QTest::newRow("rotate 90 shows landscape")
        << QList<PageSpec>{plain, turned, upside} << false << 0.0
        << QList<QSizeF>{{200, 300}, {300, 200}, {200, 300}};
    QTest::newRow("negative rotate")
        << QList<PageSpec>{odd} << false << 0.0 << QList<QSizeF>{{300, 200}};
    QTest::newRow("inherited rotate")
        << QList<PageSpec>{turned, turned} << true << 0.0 << QList<QSizeF>{{300, 200}, {300, 200}};
    QTest::newRow("crop box") << QList<PageSpec>{cropped} << false << 0.0
                              << QList<QSizeF>{{100, 120}};
    QTest::newRow("crop box clipped to media box")
        << QList<PageSpec>{overhang} << false << 0.0 << QList<QSizeF>{{100, 200}};
    QTest::newRow("user unit") << QList<PageSpec>{plain} << false << 2.0
                               << QList<QSizeF>{{400, 600}};
}

void TestPdfEditorBackend::inspectReportsVisibleSizes()
{
    QFETCH(QList<PageSpec>, pages);
    QFETCH(bool, onPagesNode);
    QFETCH(double, userUnit);
    QFETCH(QList<QSizeF>, expected);

    DocumentSpec spec;
    spec.pages = pages;
    spec.rotateOnPagesNode = onPagesNode;
    spec.userUnit = userUnit;
    const QString file = make(QStringLiteral("inspect.pdf"), spec);
    PdfDocumentInfo info;
    PdfBackendError error = PdfBackendError::RenderFailed;
    QString message;
    QVERIFY2(PdfEditorBackend::inspectDocument(file, {}, &info, &error, &message),
             qPrintable(message));
    QCOMPARE(error, PdfBackendError::NoError);
    QCOMPARE(info.pageSizes.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QVERIFY2(qAbs(info.pageSizes[i].width() - expected[i].width()) < 0.5 &&
                     qAbs(info.pageSizes[i].height() - expected[i].height()) < 0.5,
                 qPrintable(QStringLiteral("page %1: %2 x %3")
                                .arg(i)
                                .arg(info.pageSizes[i].width())
                                .arg(info.pageSizes[i].height())));
    }
}

void TestPdfEditorBackend::inspectRejectsBadInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PdfBackendError>("expected");

    const QByteArray good = fixtures::readBytes(m_six);
    QTest::newRow("missing") << QStringLiteral("missing.pdf") << QByteArray()
                             << PdfBackendError::FileNotFound;
    QTest::newRow("folder") << QStringLiteral("folder.pdf") << QByteArray()
                            << PdfBackendError::CorruptOrUnsupported;
    QTest::newRow("empty") << QStringLiteral("empty.pdf") << QByteArray("")
                           << PdfBackendError::CorruptOrUnsupported;
    QTest::newRow("garbage") << QStringLiteral("garbage.pdf") << QByteArray(4096, '\x9c')
                             << PdfBackendError::CorruptOrUnsupported;
    QTest::newRow("text") << QStringLiteral("text.pdf") << QByteArray("hello world\n")
                          << PdfBackendError::CorruptOrUnsupported;
    QTest::newRow("header only") << QStringLiteral("header.pdf") << QByteArray("%PDF-1.7\n")
                                 << PdfBackendError::CorruptOrUnsupported;
    QTest::newRow("first bytes only")
        << QStringLiteral("cut.pdf") << good.left(40) << PdfBackendError::CorruptOrUnsupported;
}

void TestPdfEditorBackend::inspectRejectsBadInput()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(PdfBackendError, expected);

    const QString file = path(name);
    if (name == QLatin1String("folder.pdf"))
        QVERIFY(QDir().mkpath(file));
    else if (name != QLatin1String("missing.pdf"))
        QVERIFY(fixtures::writeBytes(file, bytes));

    PdfDocumentInfo info;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QVERIFY(!PdfEditorBackend::inspectDocument(file, {}, &info, &error, &message));
    QCOMPARE(error, expected);
    QVERIFY(!message.isEmpty());

    // Rendering and saving the same input fail cleanly as well.
    QVERIFY(PdfEditorBackend::renderPage(sourcePage(file, 0), QSize(20, 30), &error, &message)
                .isNull());
    QVERIFY(!message.isEmpty());
    QVERIFY(!PdfEditorBackend::saveDocument({sourcePage(file, 0)},
                                            path(QStringLiteral("never.pdf")), &error, &message));
    QVERIFY(!QFile::exists(path(QStringLiteral("never.pdf"))));
}

void TestPdfEditorBackend::inspectRepairsDamagedXref()
{
    // Wrong xref offsets and a missing trailer: readers rebuild the table from the objects.
    QByteArray bytes = fixtures::readBytes(m_six);
    const qsizetype xref = bytes.lastIndexOf("xref");
    QVERIFY(xref > 0);
    bytes.truncate(xref);
    const QString file = path(QStringLiteral("noxref.pdf"));
    QVERIFY(fixtures::writeBytes(file, bytes));

    PdfDocumentInfo info;
    PdfBackendError error;
    QString message;
    QVERIFY2(PdfEditorBackend::inspectDocument(file, {}, &info, &error, &message),
             qPrintable(message));
    QCOMPARE(info.pageSizes.size(), 6);
}

namespace {

// A long manual laid out as many producers write one: pages first, then two page-tree nodes,
// the tree's root and the catalog at the very end. overstate adds to the first node's /Count.
QByteArray manual(int pageCount, int overstate, bool noPages)
{
    QByteArray bytes("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    QList<qsizetype> offsets;
    const auto object = [&](const QByteArray &body) {
        offsets << bytes.size();
        bytes += QByteArray::number(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    const int half = pageCount / 2;
    const int firstNode = 2 * pageCount + 1;
    QByteArray kids[2];
    for (int i = 0; i < pageCount; ++i) {
        const QColor c = fixtures::colourFor(i);
        QByteArray content = QByteArray::number(c.redF(), 'f', 3) + ' ' +
                             QByteArray::number(c.greenF(), 'f', 3) + ' ' +
                             QByteArray::number(c.blueF(), 'f', 3) + " rg 0 0 200 300 re f\n";
        for (int line = 0; line < 40; ++line) // the bulk a page of text would have
            content += "% text of page " + QByteArray::number(i) + " line " +
                       QByteArray::number(line) + '\n';
        object("<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content +
               "endstream");
        object("<< /Type /Page /Parent " + QByteArray::number(firstNode + (i >= half)) +
               " 0 R /MediaBox [0 0 200 300] /Resources << >> /Contents " +
               QByteArray::number(2 * i + 1) + " 0 R >>");
        kids[i >= half] += QByteArray::number(2 * i + 2) + " 0 R ";
    }
    const QByteArray root = QByteArray::number(firstNode + 2);
    object("<< /Type /Pages /Parent " + root + " 0 R /Count " +
           QByteArray::number(half + overstate) + " /Kids [" + kids[0] + "] >>");
    object("<< /Type /Pages /Parent " + root + " 0 R /Count " +
           QByteArray::number(pageCount - half) + " /Kids [" + kids[1] + "] >>");
    if (noPages)
        object("<< /Type /Pages /Count 0 /Kids [] >>");
    else
        object("<< /Type /Pages /Count " + QByteArray::number(pageCount + overstate) + " /Kids [" +
               QByteArray::number(firstNode) + " 0 R " + QByteArray::number(firstNode + 1) +
               " 0 R] >>");
    object("<< /Type /Catalog /Pages " + root + " 0 R >>");
    const qsizetype xref = bytes.size();
    bytes += "xref\n0 " + QByteArray::number(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        bytes += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    bytes += "trailer\n<< /Size " + QByteArray::number(offsets.size() + 1) + " /Root " +
             QByteArray::number(offsets.size()) + " 0 R >>\nstartxref\n" +
             QByteArray::number(xref) + "\n%%EOF\n";
    return bytes;
}

} // namespace

void TestPdfEditorBackend::damagedFilesRefusedOrRepaired_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pages"); // -1: refused as damaged
    QTest::addColumn<int>("lost");  // the index of a page whose object is missing, else -1

    const int count = 400;
    const QByteArray whole = manual(count, 0, false);
    const qsizetype xref = whole.lastIndexOf("xref");
    for (int percent : {10, 50, 75, 95})
        QTest::addRow("first %d%%", percent)
            << whole.left(whole.size() * percent / 100) << -1 << -1;
    QTest::newRow("catalog lost") << whole.left(whole.lastIndexOf("/Type /Catalog") - 12) << -1
                                  << -1;
    QTest::newRow("cut inside the xref") << whole.left(xref + 200) << count << -1;
    QTest::newRow("trailer lost") << whole.left(whole.lastIndexOf("trailer")) << count << -1;
    QByteArray dangling = whole;
    dangling.replace("[2 0 R 4 0 R ", "[2 0 R 9999 0 R ");
    QTest::newRow("page object lost") << dangling << count - 1 << 1;
    QByteArray shifted = whole;
    for (qsizetype at = shifted.indexOf(" 00000 n", xref); at > 0;
         at = shifted.indexOf(" 00000 n", at + 8))
        shifted[at - 1] = '7'; // every offset points a few bytes off
    QTest::newRow("broken xref offsets") << shifted << count << -1;
    QTest::newRow("count overstated") << manual(count, 60, false) << count << -1;
    QTest::newRow("count understated") << manual(count, -50, false) << count << -1;
    QTest::newRow("no pages at all") << manual(2, 0, true) << 0 << -1;
}

void TestPdfEditorBackend::damagedFilesRefusedOrRepaired()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pages);
    QFETCH(int, lost);
    const auto colour = [lost](int index) {
        return fixtures::colourFor(lost >= 0 && index >= lost ? index + 1 : index);
    };
    const QString file = path(QStringLiteral("damaged.pdf"));
    QVERIFY(fixtures::writeBytes(file, bytes));
    PdfDocumentInfo info;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    // First as the viewer opens a file: its first pages, and the first page drawn, before the
    // whole tree is read. A damaged tree taken as it reads must not leak into what follows.
    PdfDocumentInfo first;
    if (PdfEditorBackend::inspectDocument(file, {}, 64, &first, nullptr, nullptr) &&
        first.pageCount > 0) {
        QList<QString> errors;
        const QList<QImage> drawn =
            PdfEditorBackend::renderPages({sourcePage(file, 0)}, {QSize(20, 30)}, &errors);
        if (pages > 0)
            QVERIFY(readback::similar(readback::centreColour(drawn.value(0)), colour(0)));
    }
    const bool opened = PdfEditorBackend::inspectDocument(file, {}, &info, &error, &message);
    if (pages < 0) {
        QVERIFY(!opened);
        QCOMPARE(error, PdfBackendError::CorruptOrUnsupported);
        QVERIFY(message.contains(QLatin1String("damaged")));
        return;
    }
    QVERIFY2(opened, qPrintable(message));
    QCOMPARE(info.pageSizes.size(), pages);
    if (pages == 0)
        return;
    // Once read whole, the tree is known: a later look at the first pages counts right.
    QVERIFY(PdfEditorBackend::inspectDocument(file, {}, 64, &first, nullptr, nullptr));
    QVERIFY(first.treeChecked);
    QCOMPARE(first.pageCount, pages);
    // A long first part is read in one walk of the tree, and agrees with the whole.
    const int part = std::max(pages - 10, 1);
    PdfDocumentInfo most;
    QVERIFY(PdfEditorBackend::inspectDocument(file, {}, part, &most, nullptr, nullptr));
    QCOMPARE(most.pageSizes, info.pageSizes.first(part));

    // Rendering, saving and an independent reader of the saved file all see the same pages.
    const QList<int> probes{0, pages / 2 - 1, pages / 2, pages - 1};
    QList<PdfSourcePage> list;
    for (int index : probes) {
        const QImage image =
            PdfEditorBackend::renderPage(sourcePage(file, index), QSize(20, 30), &error, &message);
        QVERIFY2(!image.isNull(), qPrintable(message));
        QVERIFY(readback::similar(readback::centreColour(image), colour(index)));
        QList<QString> errors;
        const QImage viewed =
            PdfEditorBackend::renderPages({sourcePage(file, index)}, {QSize(20, 30)}, &errors)
                .value(0);
        QVERIFY2(readback::similar(readback::centreColour(viewed), colour(index)),
                 qPrintable(errors.value(0)));
        list << sourcePage(file, index);
    }
    QVERIFY(PdfEditorBackend::renderPage(sourcePage(file, pages), QSize(20, 30), &error, &message)
                .isNull());
    const QString out = path(QStringLiteral("damaged-saved.pdf"));
    QVERIFY2(PdfEditorBackend::saveDocument(list, out, &error, &message), qPrintable(message));
    QVERIFY(readback::qpdfCheck(out));
    QCOMPARE(readback::inspect(out).pages.size(), probes.size());
    for (int i = 0; i < probes.size(); ++i)
        QVERIFY(readback::similar(readback::centreColour(readback::renderPoppler(out, i, 18)),
                                  colour(probes[i])));
    list.clear();
    for (int i = 0; i < pages; ++i)
        list << sourcePage(file, i);
    QVERIFY2(PdfEditorBackend::saveDocument(list, out, &error, &message), qPrintable(message));
    QCOMPARE(readback::inspect(out).pages.size(), pages);
}

void TestPdfEditorBackend::passwords_data()
{
    QTest::addColumn<Scheme>("scheme");
    QTest::addColumn<QString>("given");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<PdfBackendError>("expected");

    const QList<QPair<const char *, Scheme>> schemes{{"rc4-40", Scheme::Rc4_40},
                                                     {"rc4-128", Scheme::Rc4_128},
                                                     {"aes-128", Scheme::Aes128},
                                                     {"aes-256", Scheme::Aes256}};
    for (const auto &[name, scheme] : schemes) {
        QTest::addRow("%s none", name)
            << scheme << QString() << false << PdfBackendError::PasswordRequired;
        QTest::addRow("%s wrong", name)
            << scheme << QStringLiteral("nope") << false << PdfBackendError::WrongPassword;
        QTest::addRow("%s user", name)
            << scheme << QStringLiteral("user") << true << PdfBackendError::NoError;
        QTest::addRow("%s owner", name)
            << scheme << QStringLiteral("owner") << true << PdfBackendError::NoError;
    }
}

void TestPdfEditorBackend::passwords()
{
    QFETCH(Scheme, scheme);
    QFETCH(QString, given);
    QFETCH(bool, opens);
    QFETCH(PdfBackendError, expected);

    const QString file = path(QStringLiteral("locked-%1.pdf").arg(int(scheme)));
    if (!QFile::exists(file))
        QVERIFY(fixtures::encrypt(m_six, file, scheme, QStringLiteral("user"),
                                  QStringLiteral("owner")));

    PdfDocumentInfo info;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QCOMPARE(PdfEditorBackend::inspectDocument(file, given, &info, &error, &message), opens);
    QCOMPARE(error, expected);
    if (!opens) {
        QVERIFY(PdfEditorBackend::renderPage(sourcePage(file, 0, 0, given), QSize(20, 30), &error,
                                             &message)
                    .isNull());
        QCOMPARE(error, expected);
        return;
    }
    QCOMPARE(info.pageSizes.size(), 6);
    const QImage image = PdfEditorBackend::renderPage(sourcePage(file, 2, 0, given), QSize(40, 60),
                                                      &error, &message);
    QVERIFY2(!image.isNull(), qPrintable(message));
    QVERIFY(readback::similar(readback::centreColour(image), fixtures::colourFor(2)));
}

void TestPdfEditorBackend::renderMatchesSizeAndRotation_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QSize>("size");

    // m_mixed: page 1 is landscape 400 x 250, page 2 carries /Rotate 90, page 3 /Rotate 270.
    QTest::newRow("plain") << 0 << 0 << QSize(100, 150);
    QTest::newRow("plain turned 90") << 0 << 90 << QSize(150, 100);
    QTest::newRow("plain turned 180") << 0 << 180 << QSize(100, 150);
    QTest::newRow("plain turned 270") << 0 << 270 << QSize(150, 100);
    QTest::newRow("landscape page") << 1 << 0 << QSize(160, 100);
    QTest::newRow("own rotate 90") << 2 << 0 << QSize(150, 100);
    QTest::newRow("own rotate 90 turned 90") << 2 << 90 << QSize(100, 150);
    QTest::newRow("own rotate 270 turned 180") << 3 << 180 << QSize(250, 150);
    QTest::newRow("stretched to odd size") << 0 << 0 << QSize(37, 91);
}

void TestPdfEditorBackend::renderMatchesSizeAndRotation()
{
    QFETCH(int, page);
    QFETCH(int, rotation);
    QFETCH(QSize, size);
    const int ownRotate[] = {0, 0, 90, 270};

    PdfBackendError error;
    QString message;
    const QImage image =
        PdfEditorBackend::renderPage(sourcePage(m_mixed, page, rotation), size, &error, &message);
    QVERIFY2(!image.isNull(), qPrintable(message));
    QCOMPARE(error, PdfBackendError::NoError);
    QCOMPARE(image.size(), size);
    QCOMPARE(readback::markerQuadrant(image), turnedQuadrant(ownRotate[page] + rotation));
    QVERIFY(readback::similar(readback::centreColour(image), fixtures::colourFor(page)));

    // The batch call draws the same pixels.
    QList<QString> errors;
    const QList<QImage> batch =
        PdfEditorBackend::renderPages({sourcePage(m_mixed, page, rotation)}, {size}, &errors);
    QCOMPARE(batch.size(), 1);
    QCOMPARE(batch[0].convertToFormat(QImage::Format_RGB32),
             image.convertToFormat(QImage::Format_RGB32));
}

void TestPdfEditorBackend::renderMatchesReferenceRenderer_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("rotation");
    // Only this part drawn (a deeply zoomed view); the whole page when empty.
    QTest::addColumn<QRect>("region");
    QTest::newRow("rotate 0") << 0 << 0 << QRect();
    QTest::newRow("rotate 90") << 1 << 0 << QRect();
    QTest::newRow("rotate 180") << 2 << 0 << QRect();
    QTest::newRow("rotate 270") << 3 << 0 << QRect();
    QTest::newRow("turned 90") << 0 << 90 << QRect();
    QTest::newRow("rotate 90 turned 180") << 1 << 180 << QRect();
    QTest::newRow("turned 270") << 0 << 270 << QRect();
    QTest::newRow("part, top left") << 0 << 0 << QRect(0, 0, 120, 90);
    QTest::newRow("part, inside") << 2 << 0 << QRect(70, 130, 151, 97);
    QTest::newRow("part, bottom right, turned 90") << 0 << 90 << QRect(301, 180, 149, 120);
    QTest::newRow("part, rotate 90 turned 180") << 1 << 180 << QRect(150, 40, 290, 250);
}

// Transparency, blending, groups and soft masks come out as the command-line renderer draws
// them, at 150 dpi, with the page's own and an extra rotation.
void TestPdfEditorBackend::renderMatchesReferenceRenderer()
{
    QFETCH(int, page);
    QFETCH(int, rotation);
    QFETCH(QRect, region);
    const QString file = path(QStringLiteral("transparency.pdf"));
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(transparencyPdf());
    }
    const QString reference = path(QStringLiteral("reference-%1-%2.ppm").arg(page).arg(rotation));
    QProcess mutool;
    mutool.start(QStringLiteral("mutool"),
                 {QStringLiteral("draw"), QStringLiteral("-q"), QStringLiteral("-r"),
                  QStringLiteral("150"), QStringLiteral("-R"), QString::number(rotation),
                  QStringLiteral("-F"), QStringLiteral("ppm"), QStringLiteral("-o"), reference,
                  file, QString::number(page + 1)});
    if (!mutool.waitForStarted())
        QSKIP("mutool is not installed");
    QVERIFY(mutool.waitForFinished());
    const QImage whole = QImage(reference).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!whole.isNull());
    QCOMPARE(whole.size(), (page + rotation / 90) % 2 ? QSize(450, 300) : QSize(300, 450));
    const QImage expected = region.isEmpty() ? whole : whole.copy(region);

    QList<QString> errors;
    const QList<QImage> images = PdfEditorBackend::renderPages({sourcePage(file, page, rotation)},
                                                               {whole.size()}, {region}, &errors);
    QCOMPARE(images.size(), 1);
    QVERIFY2(!images[0].isNull(), qPrintable(errors.value(0)));
    const QImage actual = images[0].convertToFormat(QImage::Format_RGB32);
    QCOMPARE(actual.size(), expected.size());
    qint64 total = 0;
    int far = 0;
    for (int y = 0; y < actual.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
        const auto *e = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int d =
                std::max({std::abs(qRed(a[x]) - qRed(e[x])), std::abs(qGreen(a[x]) - qGreen(e[x])),
                          std::abs(qBlue(a[x]) - qBlue(e[x]))});
            total += d;
            far += d > 24;
        }
    }
    const qint64 pixels = qint64(actual.width()) * actual.height();
    // Edges may fall a sub-pixel apart; a lost mask, blend or turn changes whole areas.
    QVERIFY2(far * 500 < pixels, qPrintable(QStringLiteral("%1 pixels differ").arg(far)));
    QVERIFY2(total < pixels,
             qPrintable(QStringLiteral("mean difference %1").arg(double(total) / pixels)));
}

void TestPdfEditorBackend::renderDrawsAnnotationsAndBlankPages()
{
    DocumentSpec spec{fixtures::pagesOf(2)};
    spec.annotationPage = 1;
    const QString file = make(QStringLiteral("annotated.pdf"), spec);
    PdfBackendError error;
    QString message;
    const QImage image =
        PdfEditorBackend::renderPage(sourcePage(file, 1), QSize(200, 300), &error, &message);
    QVERIFY2(!image.isNull(), qPrintable(message));
    QVERIFY(readback::similar(QColor(image.pixel(100, 150)), QColor(0, 0, 255)));

    const QImage blank = PdfEditorBackend::renderPage(blankPage(QSizeF(100, 100), 90),
                                                      QSize(33, 44), &error, &message);
    QCOMPARE(blank.size(), QSize(33, 44));
    for (int y = 0; y < blank.height(); y += 7)
        for (int x = 0; x < blank.width(); x += 7)
            QCOMPARE(QColor(blank.pixel(x, y)), QColor(Qt::white));
}

void TestPdfEditorBackend::fileAnnotationsReadHiddenOrKept_data()
{
    QTest::addColumn<bool>("hidden");
    QTest::newRow("kept") << false;
    QTest::newRow("hidden") << true;
}

void TestPdfEditorBackend::fileAnnotationsReadHiddenOrKept()
{
    QFETCH(bool, hidden);
    DocumentSpec spec{fixtures::pagesOf(2)};
    spec.annotationPage = 1;
    const QString file = make(QStringLiteral("annotated-%1.pdf").arg(hidden), spec);
    QList<QList<PdfAnnotation>> pages;
    bool allowed = false;
    QString message;
    QVERIFY2(PdfEditorBackend::loadAnnotations(file, {}, &pages, &allowed, &message),
             qPrintable(message));
    QVERIFY(allowed);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages.at(1).size(), 1);
    const PdfAnnotation &square = pages.at(1).first();
    QCOMPARE(square.type, PdfAnnotation::Type::Rectangle);
    QCOMPARE(square.fileIndex, 0);
    // 40 points square in the middle of a 200 x 300 page, origin at the top.
    QVERIFY(qAbs(square.rect.left() - 80) < 0.01 && qAbs(square.rect.top() - 130) < 0.01);
    QCOMPARE(square.rect.size(), QSizeF(40, 40));

    PdfSourcePage page = sourcePage(file, 1);
    if (hidden)
        page.hiddenAnnotations = {0};
    PdfBackendError error;
    const QImage image = PdfEditorBackend::renderPage(page, QSize(200, 300), &error, &message);
    QVERIFY2(!image.isNull(), qPrintable(message));
    QCOMPARE(readback::similar(QColor(image.pixel(100, 150)), QColor(0, 0, 255)), !hidden);
    const QString out = path(QStringLiteral("annotated-saved-%1.pdf").arg(hidden));
    QVERIFY2(PdfEditorBackend::saveDocument({sourcePage(file, 0), page}, out, &error, &message),
             qPrintable(message));
    QCOMPARE(readback::inspect(out).pages.value(1).annotations, hidden ? 0 : 1);
}

void TestPdfEditorBackend::commentsAndFieldsOfNestedTrees_data()
{
    // Three pages in a tree of two levels (page 0 alone, pages 1 and 2 under a node of their
    // own); what each page carries, and what must be read back.
    QTest::addColumn<QByteArrayList>("annots"); // /Annots of each page, empty for none
    QTest::addColumn<bool>("form");
    QTest::addColumn<QList<int>>("comments"); // comments read per page
    QTest::addColumn<QList<int>>("fields");   // fields read per page
    const QByteArray link = "<< /Type /Annot /Subtype /Link /Rect [10 10 50 50] /Border [0 0 0] >>";
    const QByteArray popup = "<< /Type /Annot /Subtype /Popup /Rect [10 10 50 50] >>";
    const QByteArray note = "<< /Type /Annot /Subtype /Text /Rect [20 20 40 40] /Contents (n) >>";
    const QByteArray stamp = "<< /Type /Annot /Subtype /Stamp /Rect [20 20 90 40] >>";
    const QByteArray widget = "9 0 R";
    QTest::newRow("links and popups only")
        << QByteArrayList{"[" + link + "]", "", "[" + link + ' ' + popup + "]"} << false
        << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("a note on the last page, behind links")
        << QByteArrayList{"[" + link + "]", "", "[" + link + ' ' + note + "]"} << false
        << QList<int>{0, 0, 1} << QList<int>{0, 0, 0};
    QTest::newRow("an annotation type not drawn as a comment")
        << QByteArrayList{"", "[" + stamp + "]", ""} << false << QList<int>{0, 1, 0}
        << QList<int>{0, 0, 0};
    QTest::newRow("a form field, no comments")
        << QByteArrayList{"", "[" + widget + "]", "[" + link + "]"} << true << QList<int>{0, 0, 0}
        << QList<int>{0, 1, 0};
    QTest::newRow("a form field and a note")
        << QByteArrayList{"[" + note + "]", "[" + widget + "]", ""} << true << QList<int>{1, 0, 0}
        << QList<int>{0, 1, 0};
}

void TestPdfEditorBackend::commentsAndFieldsOfNestedTrees()
{
    QFETCH(QByteArrayList, annots);
    QFETCH(bool, form);
    QFETCH(QList<int>, comments);
    QFETCH(QList<int>, fields);
    const auto page = [&](int index, int parent) -> QByteArray {
        QByteArray object =
            "<< /Type /Page /Parent " + QByteArray::number(parent) + " 0 R /MediaBox [0 0 200 300]";
        if (!annots.at(index).isEmpty())
            object += " /Annots " + annots.at(index);
        return object + " >>";
    };
    QList<QByteArray> objects = {
        form ? "<< /Type /Catalog /Pages 2 0 R /AcroForm << /Fields [9 0 R] >> >>"
             : "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 3 >>",
        page(0, 2),
        "<< /Type /Pages /Parent 2 0 R /Kids [5 0 R 6 0 R] /Count 2 >>",
        page(1, 4),
        page(2, 4),
        "<< >>",
        "<< >>",
        "<< /Type /Annot /Subtype /Widget /FT /Tx /T (name) /V (Ada) /Rect [20 200 180 220] "
        "/P 5 0 R >>"};
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    const QString file = path(tag + QStringLiteral(".pdf"));
    fixtures::writeBytes(file, fixtures::pdfOfObjects(objects));

    QList<QList<PdfAnnotation>> readComments;
    QList<QList<PdfFormField>> readFields;
    bool allowed = false;
    QString message;
    QVERIFY2(
        PdfEditorBackend::loadAnnotations(file, {}, &readComments, &allowed, &message, &readFields),
        qPrintable(message));
    QList<int> commentCounts;
    for (const QList<PdfAnnotation> &list : std::as_const(readComments))
        commentCounts.append(int(list.size()));
    QList<int> fieldCounts;
    for (const QList<PdfFormField> &list : std::as_const(readFields))
        fieldCounts.append(int(list.size()));
    QCOMPARE(commentCounts, comments);
    QCOMPARE(fieldCounts, fields);
    if (fields.contains(1))
        QCOMPARE(readFields.at(fields.indexOf(1)).first().value, QStringLiteral("Ada"));
}

void TestPdfEditorBackend::annotationStylesRoundTrip_data()
{
    QTest::addColumn<PdfAnnotation::Type>("type");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QList<double>>("dash");
    QTest::addColumn<double>("opacity");
    using Type = PdfAnnotation::Type;
    QTest::newRow("rectangle, filled and dashed")
        << Type::Rectangle << QColor(0x20, 0xA6, 0x6A) << QList<double>{6, 4} << 1.0;
    QTest::newRow("ellipse, filled, half opaque")
        << Type::Ellipse << QColor(0x25, 0x59, 0xEB) << QList<double>() << 0.5;
    QTest::newRow("rectangle, plain") << Type::Rectangle << QColor() << QList<double>() << 1.0;
    QTest::newRow("ink, dashed") << Type::Ink << QColor() << QList<double>{8, 6} << 1.0;
}

void TestPdfEditorBackend::annotationStylesRoundTrip()
{
    QFETCH(PdfAnnotation::Type, type);
    QFETCH(QColor, fill);
    QFETCH(QList<double>, dash);
    QFETCH(double, opacity);
    DocumentSpec spec{fixtures::pagesOf(1)};
    spec.pages[0].colour = Qt::white;
    spec.pages[0].marker = false;
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    const QString file = make(name + QStringLiteral(".pdf"), spec);
    PdfAnnotation a;
    a.type = type;
    a.colour = QColor(0xE0, 0x52, 0x52);
    a.width = 4;
    a.fill = fill;
    a.dash = dash;
    a.opacity = opacity;
    a.author = QStringLiteral("Ada Lovelace");
    // 200 x 300 page: the shape's top edge is stroked from y = 60 to 64.
    a.rect = QRectF(40, 60, 120, 180);
    if (type == PdfAnnotation::Type::Ink)
        a.paths = {QPolygonF({QPointF(30, 62), QPointF(170, 62)})};
    PdfSourcePage page = sourcePage(file, 0);
    page.annotations = {a};
    const QString out = path(name + QStringLiteral("-saved.pdf"));
    const readback::DocumentFacts facts = saveAndInspect({page}, out);
    QVERIFY2(facts.ok, qPrintable(facts.error));

    const QJsonObject json =
        annotationJson(out, type == PdfAnnotation::Type::Ink       ? QStringLiteral("/Ink")
                            : type == PdfAnnotation::Type::Ellipse ? QStringLiteral("/Circle")
                                                                   : QStringLiteral("/Square"));
    QVERIFY(!json.isEmpty());
    QCOMPARE(json.contains(u"/IC"), fill.isValid());
    if (fill.isValid()) {
        const QList<double> ic = jsonNumbers(json.value(u"/IC"));
        QCOMPARE(ic.size(), 3);
        QVERIFY(readback::similar(QColor::fromRgbF(ic[0], ic[1], ic[2]), fill, 3));
    }
    const QJsonObject border = json.value(u"/BS").toObject();
    QCOMPARE(border.value(u"/S").toString(),
             dash.isEmpty() ? QStringLiteral("/S") : QStringLiteral("/D"));
    QCOMPARE(jsonNumbers(border.value(u"/D")), dash);
    QCOMPARE(json.value(u"/CA").toDouble(), opacity);
    QVERIFY(json.value(u"/T").toString().endsWith(u"Ada Lovelace"));

    QList<QList<PdfAnnotation>> pages;
    QString message;
    QVERIFY2(PdfEditorBackend::loadAnnotations(out, {}, &pages, nullptr, &message),
             qPrintable(message));
    QCOMPARE(pages.value(0).size(), 1);
    const PdfAnnotation &read = pages[0][0];
    QCOMPARE(read.fill.isValid(), fill.isValid());
    if (fill.isValid())
        QVERIFY(readback::similar(read.fill, fill, 3));
    QCOMPARE(read.dash, dash);
    QCOMPARE(read.author, a.author);
    QCOMPARE(read.opacity, opacity);

    // Other readers draw the fill and the dashes from the appearance written.
    const QImage image = readback::renderPoppler(out, 0, 72);
    QVERIFY(!image.isNull());
    const QColor inside = image.pixelColor(100, 150);
    const QColor expected = fill.isValid() ? QColor::fromRgbF(1 - opacity * (1 - fill.redF()),
                                                              1 - opacity * (1 - fill.greenF()),
                                                              1 - opacity * (1 - fill.blueF()))
                                           : QColor(Qt::white);
    QVERIFY2(readback::similar(inside, expected, 30), qPrintable(inside.name()));
    // Along the top edge, outside the fill: the line has gaps where it is dashed.
    if (type != PdfAnnotation::Type::Ellipse) {
        int gaps = 0;
        for (int x = 60; x <= 140; ++x)
            gaps += readback::similar(image.pixelColor(x, 61), Qt::white, 40) ? 1 : 0;
        QCOMPARE(gaps > 10, !dash.isEmpty());
    }
}

void TestPdfEditorBackend::fileAnnotationsReadRepliesAndState()
{
    // A note, a reply to it and a review state set on it, as other programs write them.
    const QString file = path(QStringLiteral("replies.pdf"));
    {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle page = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 200 300] >>"));
        QPDFPageDocumentHelper(pdf).addPage(page, false);
        QPDFObjectHandle note = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Text /Rect [20 250 40 270] /Contents (Check this) "
            "/T (Ada) >>"));
        QPDFObjectHandle reply = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Text /Rect [20 250 40 270] /Contents (Done) "
            "/T (Bob) >>"));
        reply.replaceKey("/IRT", note);
        QPDFObjectHandle state = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Text /Rect [20 250 40 270] /F 2 /T (Bob) "
            "/State (Accepted) /StateModel (Review) >>"));
        state.replaceKey("/IRT", note);
        page.replaceKey("/Annots", QPDFObjectHandle::newArray(
                                       std::vector<QPDFObjectHandle>{note, reply, state}));
        const QByteArray name = QFile::encodeName(file); // the writer keeps the pointer
        QPDFWriter writer(pdf, name.constData());
        writer.write();
    }
    QList<QList<PdfAnnotation>> pages;
    QString message;
    QVERIFY2(PdfEditorBackend::loadAnnotations(file, {}, &pages, nullptr, &message),
             qPrintable(message));
    QCOMPARE(pages.value(0).size(), 3);
    const QList<PdfAnnotation> &list = pages[0];
    QCOMPARE(list[0].replyTo, -1);
    QCOMPARE(list[1].replyTo, 0);
    QCOMPARE(list[1].text, QStringLiteral("Done"));
    QCOMPARE(list[2].replyTo, 0);
    QCOMPARE(list[2].state, QStringLiteral("Accepted"));
    QVERIFY(list[0].state.isEmpty());
}

void TestPdfEditorBackend::renderPagesReportsFailuresInPlace()
{
    const QList<PdfSourcePage> pages{
        sourcePage(m_six, 0),   sourcePage(path(QStringLiteral("gone.pdf")), 0),
        sourcePage(m_six, 99),  blankPage({10, 10}),
        sourcePage(m_mixed, 1), sourcePage(m_six, 5),
        sourcePage(m_six, 1),   blankPage({10, 10}),
        sourcePage(m_six, 2)};
    const QList<QSize> sizes{{20, 30}, {20, 30}, {20, 30}, {5, 5},  {40, 25},
                             {0, 0},   {20, 30}, {50, 50}, {20, 30}};
    // Parts: one reaching past its page, one of a blank page, one inside.
    const QList<QRect> regions{{},           {},          {}, {}, {}, {}, {10, 20, 20, 20},
                               {5, 5, 7, 9}, {2, 3, 4, 5}};
    QList<QString> errors;
    const QList<QImage> images = PdfEditorBackend::renderPages(pages, sizes, regions, &errors);
    QCOMPARE(images.size(), pages.size());
    QCOMPARE(errors.size(), pages.size());
    const bool failed[] = {false, true, true, false, false, true, true, false, false};
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(images[i].isNull(), failed[i]);
        QCOMPARE(errors[i].isEmpty(), !failed[i]);
    }
    QCOMPARE(images[4].size(), QSize(40, 25));
    QVERIFY(readback::similar(readback::centreColour(images[4]), fixtures::colourFor(1)));
    QCOMPARE(images[7].size(), QSize(7, 9));
    QCOMPARE(images[8].size(), QSize(4, 5));
}

void TestPdfEditorBackend::renderSeesFileReplacedOnDisk()
{
    const QString file = path(QStringLiteral("changing.pdf"));
    DocumentSpec first{fixtures::pagesOf(1)};
    QVERIFY(fixtures::write(first, file));
    PdfBackendError error;
    QString message;
    QImage image =
        PdfEditorBackend::renderPage(sourcePage(file, 0), QSize(20, 30), &error, &message);
    QVERIFY(readback::similar(readback::centreColour(image), fixtures::colourFor(0)));

    DocumentSpec second{fixtures::pagesOf(2)};
    second.pages[0].colour = fixtures::colourFor(3);
    QVERIFY(fixtures::write(second, file + QStringLiteral(".new")));
    QFile::remove(file);
    QVERIFY(QFile::rename(file + QStringLiteral(".new"), file));
    image = PdfEditorBackend::renderPage(sourcePage(file, 0), QSize(20, 30), &error, &message);
    QVERIFY(readback::similar(readback::centreColour(image), fixtures::colourFor(3)));
}

void TestPdfEditorBackend::saveReorganises_data()
{
    QTest::addColumn<QList<int>>("order"); // source page per output page, -1 blank
    QTest::addColumn<QList<int>>("rotations");
    QTest::addColumn<bool>("fromMixed");

    QTest::newRow("identity") << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{0, 0, 0, 0, 0, 0}
                              << false;
    QTest::newRow("reverse") << QList<int>{5, 4, 3, 2, 1, 0} << QList<int>{0, 0, 0, 0, 0, 0}
                             << false;
    QTest::newRow("subset rotated") << QList<int>{2, 0} << QList<int>{90, 270} << false;
    QTest::newRow("duplicates") << QList<int>{1, 1, 1, 0} << QList<int>{0, 90, 180, 0} << false;
    QTest::newRow("blank pages") << QList<int>{-1, 3, -1} << QList<int>{0, 0, 90} << false;
    QTest::newRow("only blank") << QList<int>{-1} << QList<int>{0} << false;
    QTest::newRow("own rotate kept under user rotation")
        << QList<int>{2, 3, 2} << QList<int>{0, 90, 180} << true;
}

void TestPdfEditorBackend::saveReorganises()
{
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, rotations);
    QFETCH(bool, fromMixed);
    const QString source = fromMixed ? m_mixed : m_six;
    const int ownRotate[] = {0, 0, 90, 270};

    PdfDocumentInfo info;
    PdfBackendError error;
    QString message;
    QVERIFY(PdfEditorBackend::inspectDocument(source, {}, &info, &error, &message));

    QList<PdfSourcePage> pages;
    for (int i = 0; i < order.size(); ++i) {
        if (order[i] < 0) {
            pages.append(blankPage(QSizeF(150, 100), rotations[i]));
        } else {
            PdfSourcePage page = sourcePage(source, order[i], rotations[i]);
            page.pageSize = info.pageSizes[order[i]];
            pages.append(page);
        }
    }
    const QString out = path(QStringLiteral("reorganised.pdf"));
    QVERIFY2(PdfEditorBackend::saveDocument(pages, out, &error, &message), qPrintable(message));
    QCOMPARE(error, PdfBackendError::NoError);
    QVERIFY(readback::qpdfCheck(out));

    const readback::DocumentFacts facts = readback::inspect(out);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.pages.size(), order.size());
    for (int i = 0; i < order.size(); ++i) {
        const int own = (order[i] >= 0 && fromMixed) ? ownRotate[order[i]] : 0;
        QCOMPARE(facts.pages[i].rotate, (own + rotations[i]) % 360);
        const QImage image = readback::renderPoppler(out, i, 18);
        QVERIFY(!image.isNull());
        if (order[i] < 0) {
            QCOMPARE(facts.pages[i].mediaBox, QSizeF(150, 100));
            QCOMPARE(readback::markerQuadrant(image), -1);
            QCOMPARE(QColor(image.pixel(image.width() / 2, image.height() / 2)), QColor(Qt::white));
        } else {
            QCOMPARE(readback::markerQuadrant(image), turnedQuadrant(own + rotations[i]));
            QVERIFY(
                readback::similar(readback::centreColour(image), fixtures::colourFor(order[i])));
        }
    }
}

void TestPdfEditorBackend::saveOverItsOwnSource()
{
    const QString file = path(QStringLiteral("self.pdf"));
    QVERIFY(QFile::copy(m_six, file));
    QList<PdfSourcePage> pages{sourcePage(file, 5), sourcePage(file, 0, 90), sourcePage(file, 5)};
    PdfBackendError error;
    QString message;
    QVERIFY2(PdfEditorBackend::saveDocument(pages, file, &error, &message), qPrintable(message));
    QVERIFY(readback::qpdfCheck(file));
    const readback::DocumentFacts facts = readback::inspect(file);
    QCOMPARE(facts.pages.size(), 3);
    QVERIFY(readback::similar(readback::centreColour(readback::renderPoppler(file, 0, 18)),
                              fixtures::colourFor(5)));
    QCOMPARE(facts.pages[1].rotate, 90);
    // The engine's own reader sees the new file, not a cached copy of the old one.
    PdfDocumentInfo info;
    QVERIFY(PdfEditorBackend::inspectDocument(file, {}, &info, &error, &message));
    QCOMPARE(info.pageSizes.size(), 3);
    const QImage image =
        PdfEditorBackend::renderPage(sourcePage(file, 0), QSize(20, 30), &error, &message);
    QVERIFY(readback::similar(readback::centreColour(image), fixtures::colourFor(5)));

#ifdef Q_OS_UNIX
    // Saved through a symbolic link, the link stays and the file it names is replaced.
    const QString link = path(QStringLiteral("self-link.pdf"));
    QVERIFY(QFile::link(file, link));
    QVERIFY(PdfEditorBackend::saveDocument({sourcePage(link, 2)}, link, &error, &message));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readback::inspect(file).pages.size(), 1);
#endif
}

void TestPdfEditorBackend::saveKeepsLinksOutlinesAndForms_data()
{
    QTest::addColumn<bool>("flatten");
    QTest::newRow("annotations kept") << false;
    // Comments and fields are drawn into the pages; links stay links.
    QTest::newRow("flattened") << true;
}

void TestPdfEditorBackend::saveKeepsLinksOutlinesAndForms()
{
    QFETCH(bool, flatten);
    DocumentSpec spec{fixtures::pagesOf(5)};
    spec.outlines = true;
    spec.links = {{0, 3}, {2, 4}, {1, 0}};
    spec.namedLinks = {{0, 2}};
    spec.formFieldPage = 2;
    spec.annotationPage = flatten ? 0 : 1;
    const QString file = make(QStringLiteral("rich-%1.pdf").arg(flatten), spec);

    // Output: 3, 2, 0, 2 (page 2 twice), page 1 and 4 dropped.
    const QList<PdfSourcePage> pages{sourcePage(file, 3), sourcePage(file, 2), sourcePage(file, 0),
                                     sourcePage(file, 2, 90)};
    const QString out = path(QStringLiteral("rich-out-%1.pdf").arg(flatten));
    PdfWriteOptions options;
    options.flattenAnnotations = flatten;
    const readback::DocumentFacts facts = saveAndInspect(pages, out, options);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.pages.size(), 4);

    // Link on old page 0 to old page 3 now points at output page 0; the named one to page 2
    // resolves to its first copy (output 1).
    QCOMPARE(facts.pages[2].linkTargets, (QList<int>{0, 1}));
    // Old page 2 linked to dropped page 4: the link no longer resolves. Both copies agree.
    QCOMPARE(facts.pages[1].linkTargets, QList<int>{-1});
    QCOMPARE(facts.pages[3].linkTargets, QList<int>{-1});

    // Outline items of dropped pages are gone, the others point at their new places.
    QCOMPARE(facts.outlineTitles,
             (QStringList{QStringLiteral("Page 1"), QStringLiteral("Page 1 detail"),
                          QStringLiteral("Page 3"), QStringLiteral("Page 4")}));
    QCOMPARE(facts.outlineTargets, (QList<int>{2, 2, 1, 0}));

    if (flatten) {
        // Only the links are annotations still; the square is part of its page.
        QCOMPARE(facts.fieldNames, QStringList());
        for (const readback::PageFacts &page : facts.pages)
            QCOMPARE(page.annotations, page.linkTargets.size());
        const QImage drawn = renderWithoutAnnotations(out, 2);
        QVERIFY(!drawn.isNull());
        QVERIFY(
            readback::similar(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), Qt::blue));
        return;
    }

    // The form field lives on both copies of its page, under distinct names.
    QCOMPARE(facts.fieldNames.size(), 2);
    QVERIFY(facts.fieldNames[0] != facts.fieldNames[1]);
    QList<int> fieldPages = facts.fieldPages;
    std::sort(fieldPages.begin(), fieldPages.end());
    QCOMPARE(fieldPages, (QList<int>{1, 3}));
    QCOMPARE(facts.pages[1].annotations, facts.pages[3].annotations);
}

void TestPdfEditorBackend::saveKeepsPageLabels_data()
{
    // Output pages: L<n> a page of a file labelled i, ii, 1, 2, 3, A-1; O<n> one labelled A, B,
    // C; P<n> one without labels; "-" a blank page.
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<bool>("extract"); // written as a new file, as extract and split do
    QTest::addColumn<QStringList>("labels");
    const auto list = [](const char *items) {
        return QString::fromLatin1(items).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    QTest::newRow("as it is") << list("L0 L1 L2 L3 L4 L5") << false << list("i ii 1 2 3 A-1");
    QTest::newRow("reversed") << list("L5 L4 L3 L2 L1 L0") << false << list("A-1 3 2 1 ii i");
    QTest::newRow("front matter deleted") << list("L2 L3 L4 L5") << false << list("1 2 3 A-1");
    QTest::newRow("moved and duplicated") << list("L1 L0 L0 L2") << false << list("ii i i 1");
    // A page without a label of its own is numbered by its place.
    QTest::newRow("blank page inserted") << list("L0 L1 - L2") << false << list("i ii 3 1");
    QTest::newRow("pages of a file without labels")
        << list("L2 P0 P1 L3") << false << list("1 2 3 2");
    QTest::newRow("pages of another labelled file") << list("L0 O0 O1") << false << list("i A B");
    QTest::newRow("no labels anywhere")
        << list("P1 P0") << false << QStringList{QString(), QString()};
    QTest::newRow("extracted") << list("L4 L5 L0") << true << list("3 A-1 i");
}

void TestPdfEditorBackend::saveKeepsPageLabels()
{
    QFETCH(QStringList, order);
    QFETCH(bool, extract);
    QFETCH(QStringList, labels);
    DocumentSpec labelled{fixtures::pagesOf(6)};
    labelled.pageLabels = QStringLiteral("0 << /S /r >> 2 << /S /D >> 5 << /S /D /P (A-) >>");
    DocumentSpec other{fixtures::pagesOf(3)};
    other.pageLabels = QStringLiteral("0 << /S /A >>");
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    const QString l = make(tag + QStringLiteral("-l.pdf"), labelled);
    const QString o = make(tag + QStringLiteral("-o.pdf"), other);
    QList<PdfSourcePage> pages;
    for (const QString &item : std::as_const(order)) {
        if (item == QLatin1String("-")) {
            pages.append(blankPage({200, 300}));
            continue;
        }
        const QString file = item.startsWith(u'L') ? l : item.startsWith(u'O') ? o : m_six;
        pages.append(sourcePage(file, item.mid(1).toInt()));
    }
    const QString out = path(tag + QStringLiteral("-out.pdf"));
    PdfBackendError error;
    QString message;
    QString written = out;
    const bool saved =
        extract ? PdfEditorBackend::saveNewDocument(pages, out, {}, &written, &error, &message)
                : PdfEditorBackend::saveDocument(pages, out, &error, &message);
    QVERIFY2(saved, qPrintable(message));
    QVERIFY(readback::qpdfCheck(written));
    QStringList read;
    for (const readback::PageFacts &page : readback::inspect(written).pages)
        read.append(page.label);
    QCOMPARE(read, labels);
}

void TestPdfEditorBackend::freeTextFontsInOtherReaders_data()
{
    // pdffonts names the fonts the box's text is set in.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QString>("measured"); // a word whose width must be proportional
    QTest::newRow("WinAnsi punctuation")
        << QStringLiteral("€5 – “quoted” ‘so’ • … ™ — Œœ Šš Žž Ÿ ƒ ‰ ‹› †‡")
        << QStringList{QStringLiteral("Helvetica")}
        << QStringList{QStringLiteral("STSong"), QStringLiteral("DejaVu")}
        << QStringLiteral("“quoted”");
    QTest::newRow("Greek and Cyrillic")
        << QStringLiteral("Ω ΩΩΩΩΩΩΩΩ Жизнь €")
        << QStringList{QStringLiteral("Helvetica"), QStringLiteral("DejaVuSans")}
        << QStringList{QStringLiteral("STSong")} << QStringLiteral("ΩΩΩΩΩΩΩΩ");
    QTest::newRow("Chinese among them")
        << QStringLiteral("中文 ΩΩΩΩΩΩΩΩ €")
        << QStringList{QStringLiteral("Helvetica"), QStringLiteral("DejaVuSans"),
                       QStringLiteral("STSong-Light")}
        << QStringList() << QStringLiteral("ΩΩΩΩΩΩΩΩ");
}

void TestPdfEditorBackend::freeTextFontsInOtherReaders()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fonts);
    QFETCH(QStringList, absent);
    QFETCH(QString, measured);
    DocumentSpec spec{fixtures::pagesOf(1, {600, 300})};
    spec.pages[0].colour = Qt::white;
    spec.pages[0].marker = false;
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    const QString source = make(tag + QStringLiteral("-text.pdf"), spec);
    PdfSourcePage page = sourcePage(source, 0);
    PdfAnnotation box;
    box.type = PdfAnnotation::Type::FreeText;
    box.rect = QRectF(20, 20, 560, 40);
    box.colour = QColor(0xE0, 0x52, 0x52);
    box.fontSize = 12;
    box.text = text;
    page.annotations = {box};
    const QString out = path(tag + QStringLiteral("-text-out.pdf"));
    const readback::DocumentFacts facts = saveAndInspect({page}, out);
    QVERIFY2(facts.ok, qPrintable(facts.error));

    const QString listed = toolOutput(QStringLiteral("pdffonts"), {out});
    for (const QString &font : std::as_const(fonts))
        QVERIFY2(listed.contains(font), qPrintable(listed));
    for (const QString &font : std::as_const(absent))
        QVERIFY2(!listed.contains(font), qPrintable(listed));
    // Every character reads back as it was written.
    const QString read = toolOutput(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
    for (const QString &word : text.split(u' '))
        QVERIFY2(read.contains(word), qPrintable(read));

    // Set with the font's own widths, not full-width ones.
    const QString boxes = toolOutput(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), out, QStringLiteral("-")});
    const QRegularExpression wordBox(
        QString::fromLatin1(R"re(xMin="([\d.]+)"[^>]*xMax="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    double width = -1;
    for (const QRegularExpressionMatch &m : wordBox.globalMatch(boxes))
        if (m.captured(3) == measured.toHtmlEscaped())
            width = m.captured(2).toDouble() - m.captured(1).toDouble();
    QVERIFY2(width > 0, qPrintable(boxes));
    QVERIFY2(width < measured.size() * 12 * 0.85, qPrintable(QString::number(width)));

    // Both other renderers draw the text inside its box.
    const QImage poppler = readback::renderPoppler(out, 0, 72);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("mupdf.png"));
    QVERIFY(
        fixtures::run(QStringLiteral("mutool"),
                      {QStringLiteral("draw"), QStringLiteral("-q"), QStringLiteral("-r"),
                       QStringLiteral("72"), QStringLiteral("-o"), png, out, QStringLiteral("1")}));
    for (const QImage &image : {poppler, QImage(png)}) {
        QVERIFY(!image.isNull());
        int red = 0;
        for (int y = 20; y < 60; ++y)
            for (int x = 20; x < 580; ++x)
                red += readback::similar(image.pixelColor(x, y), box.colour, 70) ? 1 : 0;
        QVERIFY2(red > 40, qPrintable(QString::number(red)));
    }
}

void TestPdfEditorBackend::saveRemapsLinksOfInsertedDocument_data()
{
    QTest::addColumn<bool>("wrapped");
    QTest::newRow("named destinations as arrays") << false;
    QTest::newRow("named destinations as dictionaries") << true;
}

void TestPdfEditorBackend::saveRemapsLinksOfInsertedDocument()
{
    QFETCH(bool, wrapped);
    DocumentSpec main{fixtures::pagesOf(3)};
    main.outlines = true;
    const QString mainFile = make(QStringLiteral("main.pdf"), main);
    DocumentSpec inserted{fixtures::pagesOf(4)};
    inserted.links = {{0, 3}, {1, 2}};
    inserted.namedLinks = {{0, 1}};
    inserted.namedDestsWrapped = wrapped;
    inserted.formFieldPage = 1;
    inserted.annotationPage = 0;
    const QString insertedFile = make(QStringLiteral("inserted.pdf"), inserted);

    // main 0, inserted 0, inserted 3, main 1, inserted 0 again, main 2; inserted 1 and 2 not used.
    const QList<PdfSourcePage> pages{sourcePage(mainFile, 0),          sourcePage(insertedFile, 0),
                                     sourcePage(insertedFile, 3),      sourcePage(mainFile, 1),
                                     sourcePage(insertedFile, 0, 180), sourcePage(mainFile, 2),
                                     sourcePage(insertedFile, 1)};
    const QString out = path(QStringLiteral("combined.pdf"));
    const readback::DocumentFacts facts = saveAndInspect(pages, out);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.pages.size(), 7);
    // Inserted page 0 links to its page 3 (output 2) and, by name, to its page 1 (output 6).
    QCOMPARE(facts.pages[1].linkTargets, (QList<int>{2, 6}));
    QCOMPARE(facts.pages[4].linkTargets, (QList<int>{2, 6}));
    // Inserted page 1 linked to its page 2, which was not inserted.
    QCOMPARE(facts.pages[6].linkTargets, QList<int>{-1});
    QCOMPARE(facts.outlineTargets, (QList<int>{0, 0, 3, 5}));
    QCOMPARE(facts.fieldNames.size(), 1);
    QCOMPARE(facts.fieldPages, QList<int>{6});
    for (int i = 0; i < 7; ++i) {
        const int expected[] = {0, 0, 3, 1, 0, 2, 1};
        QVERIFY(readback::similar(readback::centreColour(readback::renderPoppler(out, i, 18)),
                                  fixtures::colourFor(expected[i])));
    }
    QCOMPARE(readback::markerQuadrant(readback::renderPoppler(out, 4, 18)), 2);
}

void TestPdfEditorBackend::saveKeepsProtection_data()
{
    QTest::addColumn<QStringList>("encryption"); // qpdf --encrypt arguments
    QTest::addColumn<QString>("password");       // the one the document was opened with
    QTest::addColumn<QString>("mode");

    const QList<QPair<const char *, QStringList>> kinds{
        {"rc4-40",
         {QStringLiteral("40"), QStringLiteral("--print=n"), QStringLiteral("--modify=n")}},
        {"rc4-128",
         {QStringLiteral("128"), QStringLiteral("--use-aes=n"), QStringLiteral("--print=low"),
          QStringLiteral("--modify=annotate")}},
        {"aes-128",
         {QStringLiteral("128"), QStringLiteral("--use-aes=y"), QStringLiteral("--extract=n")}},
        {"aes-256", {QStringLiteral("256"), QStringLiteral("--print=none")}}};
    // save: over the file itself; save as: to a new file, protection named; extract: a subset,
    // protection by default; insert: first page from a plain file, protection named; moved: no
    // page from the protected file, protection named.
    const char *modes[] = {"save", "save as", "extract", "insert", "moved"};
    for (const auto &[name, args] : kinds)
        for (const char *mode : modes)
            for (const char *password : {"user", "owner"})
                QTest::addRow("%s %s %s", name, mode, password)
                    << (QStringList{QStringLiteral("user"), QStringLiteral("owner")} + args)
                    << QString::fromLatin1(password) << QString::fromLatin1(mode);
    QTest::newRow("aes-256 owner only save")
        << QStringList{QString(), QStringLiteral("owner"), QStringLiteral("256"),
                       QStringLiteral("--modify=none")}
        << QString() << QStringLiteral("save");
}

void TestPdfEditorBackend::saveKeepsProtection()
{
    QFETCH(QStringList, encryption);
    QFETCH(QString, password);
    QFETCH(QString, mode);
    const auto qpdf = [](const QStringList &args, QString *out = nullptr) {
        QProcess process;
        process.start(QStringLiteral("qpdf"), args);
        process.waitForFinished(60000);
        if (out)
            *out = QString::fromLocal8Bit(process.readAllStandardOutput());
        return process.exitCode();
    };
    // What --show-encryption reports, without the lines that depend on the password supplied.
    const auto protection = [&](const QString &file, const QString &pw, QString *supplied) {
        QString out;
        if (qpdf({QStringLiteral("--show-encryption"), QStringLiteral("--password=") + pw, file},
                 &out) != 0)
            return QStringList();
        QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : lines)
            if (line.startsWith(QLatin1String("Supplied password")))
                *supplied = line;
        lines.removeIf([](const QString &l) {
            return l.startsWith(QLatin1String("Supplied")) || l.startsWith(QLatin1String("User"));
        });
        return lines;
    };

    const QString source = path(QStringLiteral("protected.pdf"));
    QFile::remove(source);
    QCOMPARE(qpdf(QStringList{QStringLiteral("--allow-weak-crypto"), QStringLiteral("--encrypt")} +
                  encryption + QStringList{QStringLiteral("--"), m_six, source}),
             0);
    QString supplied;
    const QStringList expected = protection(source, QStringLiteral("owner"), &supplied);
    QVERIFY(expected.size() > 5);

    QString out = path(QStringLiteral("protected-out.pdf"));
    QFile::remove(out);
    PdfWriteOptions options{source, password};
    PdfBackendError error;
    QString message;
    bool saved = false;
    QList<int> colours;
    if (mode == QLatin1String("save")) {
        out = source;
        saved = PdfEditorBackend::saveDocument(
            {sourcePage(source, 5, 0, password), sourcePage(source, 0, 90, password)}, out, &error,
            &message);
        colours = {5, 0};
    } else if (mode == QLatin1String("save as")) {
        saved = PdfEditorBackend::saveDocument(
            {sourcePage(source, 1, 0, password), blankPage({100, 100}), sourcePage(m_six, 3)}, out,
            options, &error, &message);
        colours = {1, -1, 3};
    } else if (mode == QLatin1String("extract")) {
        saved = PdfEditorBackend::saveDocument({sourcePage(source, 3, 0, password)}, out, &error,
                                               &message);
        colours = {3};
    } else if (mode == QLatin1String("insert")) {
        saved = PdfEditorBackend::saveDocument(
            {sourcePage(m_mixed, 0), sourcePage(source, 2, 0, password)}, out, options, &error,
            &message);
        colours = {0, 2};
    } else {
        saved =
            PdfEditorBackend::saveDocument({sourcePage(m_six, 4)}, out, options, &error, &message);
        colours = {4};
    }
    QVERIFY2(saved, qPrintable(message));

    const QString user = encryption.first();
    QCOMPARE(qpdf({QStringLiteral("--requires-password"), out}), user.isEmpty() ? 3 : 0);
    QCOMPARE(protection(out, QStringLiteral("owner"), &supplied), expected);
    QCOMPARE(supplied, QStringLiteral("Supplied password is owner password"));
    QCOMPARE(protection(out, user, &supplied), expected);
    QCOMPARE(supplied, QStringLiteral("Supplied password is user password"));
    QString pages;
    qpdf({QStringLiteral("--show-npages"), QStringLiteral("--password=") + user, out}, &pages);
    QCOMPARE(pages.trimmed().toInt(), colours.size());
    for (int i = 0; i < colours.size(); ++i) {
        const QColor colour = readback::centreColour(readback::renderPoppler(out, i, 18, user));
        QVERIFY(readback::similar(colour, colours[i] < 0 ? QColor(Qt::white)
                                                         : fixtures::colourFor(colours[i])));
    }

    // Without options but with no encrypted source, nothing gets encrypted; without a password
    // the protected source is refused.
    const QString plain = path(QStringLiteral("plain-out.pdf"));
    QVERIFY(PdfEditorBackend::saveDocument({sourcePage(m_six, 0)}, plain, {}, &error, &message));
    QCOMPARE(qpdf({QStringLiteral("--requires-password"), plain}), 2);
    if (!user.isEmpty()) {
        QVERIFY(!PdfEditorBackend::saveDocument({sourcePage(source, 0)}, plain, &error, &message));
        QCOMPARE(error, PdfBackendError::PasswordRequired);
    }
}

void TestPdfEditorBackend::saveKeepsEverySourcesBookmarks_data()
{
    QTest::addColumn<bool>("named");    // outline items use named destinations
    QTest::addColumn<bool>("wrapped");  // stored as << /D [...] >>
    QTest::addColumn<bool>("overMain"); // saved over the main file instead of a new one
    QTest::newRow("explicit") << false << false << false;
    QTest::newRow("named") << true << false << false;
    QTest::newRow("named as dictionaries") << true << true << false;
    QTest::newRow("named as dictionaries over main") << true << true << true;
}

void TestPdfEditorBackend::saveKeepsEverySourcesBookmarks()
{
    QFETCH(bool, named);
    QFETCH(bool, wrapped);
    QFETCH(bool, overMain);
    DocumentSpec main{fixtures::pagesOf(3)};
    main.outlines = true;
    main.namedOutlines = named;
    main.namedDestsWrapped = wrapped;
    const QString mainFile = make(QStringLiteral("book-main.pdf"), main);
    DocumentSpec second{fixtures::pagesOf(4)};
    second.outlines = true;
    second.namedOutlines = named;
    second.namedDestsWrapped = wrapped;
    const QString secondFile = make(QStringLiteral("Second Book.pdf"), second);
    const QString thirdFile = make(QStringLiteral("third.pdf"), DocumentSpec{fixtures::pagesOf(2)});
    DocumentSpec fourth{fixtures::pagesOf(2)};
    fourth.outlines = true;
    const QString fourthFile = make(QStringLiteral("fourth.pdf"), fourth);

    // main 0, second 3, second 0, main 2, third 1, second 0 again, fourth 1; main 1, second 1
    // and 2, fourth 0 are dropped.
    const QList<PdfSourcePage> pages{sourcePage(mainFile, 0),   sourcePage(secondFile, 3),
                                     sourcePage(secondFile, 0), sourcePage(mainFile, 2),
                                     sourcePage(thirdFile, 1),  sourcePage(secondFile, 0, 90),
                                     sourcePage(fourthFile, 1)};
    const QString out = overMain ? mainFile : path(QStringLiteral("book-out.pdf"));
    const readback::DocumentFacts facts = saveAndInspect(pages, out);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.pages.size(), 7);
    // The main file's own outline as it was (without its dropped page), then one item per other
    // file whose bookmarks point at kept pages: the file without bookmarks adds nothing.
    QCOMPARE(facts.outlineTitles,
             (QStringList{QStringLiteral("Page 1"), QStringLiteral("Page 1 detail"),
                          QStringLiteral("Page 3"), QStringLiteral("Second Book"),
                          QStringLiteral("Page 1"), QStringLiteral("Page 1 detail"),
                          QStringLiteral("Page 4"), QStringLiteral("fourth"),
                          QStringLiteral("Page 2")}));
    QCOMPARE(facts.outlineTargets, (QList<int>{0, 0, 3, 1, 2, 2, 1, 6, 6}));
}

void TestPdfEditorBackend::saveFailureLeavesFilesUntouched_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<PdfBackendError>("expected");
    QTest::newRow("missing folder")
        << QStringLiteral("no/such/folder/out.pdf") << 0 << PdfBackendError::WriteFailed;
    QTest::newRow("target is a folder")
        << QStringLiteral("a-folder") << 0 << PdfBackendError::WriteFailed;
    QTest::newRow("page out of range")
        << QStringLiteral("existing.pdf") << 42 << PdfBackendError::CorruptOrUnsupported;
    QTest::newRow("negative page")
        << QStringLiteral("existing.pdf") << -5 << PdfBackendError::CorruptOrUnsupported;
}

void TestPdfEditorBackend::saveFailureLeavesFilesUntouched()
{
    QFETCH(QString, target);
    QFETCH(int, pageIndex);
    QFETCH(PdfBackendError, expected);
    QVERIFY(QDir().mkpath(path(QStringLiteral("a-folder"))));
    const QString existing = path(QStringLiteral("existing.pdf"));
    QFile::remove(existing);
    QVERIFY(QFile::copy(m_mixed, existing));
    const QByteArray before = fixtures::readBytes(existing);
    const QByteArray sourceBefore = fixtures::readBytes(m_six);
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);

    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QVERIFY(!PdfEditorBackend::saveDocument({sourcePage(m_six, pageIndex)}, path(target), &error,
                                            &message));
    QCOMPARE(error, expected);
    QVERIFY(!message.isEmpty());
    QCOMPARE(fixtures::readBytes(existing), before);
    QCOMPARE(fixtures::readBytes(m_six), sourceBefore);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);
}

void TestPdfEditorBackend::saveFromRepairableSource()
{
    QByteArray bytes = fixtures::readBytes(m_six);
    bytes.truncate(bytes.lastIndexOf("xref"));
    // Also break one object header, which strict readers refuse.
    const QString file = path(QStringLiteral("broken.pdf"));
    QVERIFY(fixtures::writeBytes(file, bytes));
    const QString out = path(QStringLiteral("broken-saved.pdf"));
    PdfBackendError error;
    QString message;
    QVERIFY2(PdfEditorBackend::saveDocument({sourcePage(file, 5), sourcePage(file, 0)}, out, &error,
                                            &message),
             qPrintable(message));
    QVERIFY(readback::qpdfCheck(out));
    QCOMPARE(readback::inspect(out).pages.size(), 2);
    QVERIFY(readback::similar(readback::centreColour(readback::renderPoppler(out, 0, 18)),
                              fixtures::colourFor(5)));
}

void TestPdfEditorBackend::otherProducers_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments"); // %in and %out are replaced

    QTest::newRow("object streams") << QStringLiteral("qpdf")
                                    << QStringList{QStringLiteral("--object-streams=generate"),
                                                   QStringLiteral("%in"), QStringLiteral("%out")};
    QTest::newRow("linearized") << QStringLiteral("qpdf")
                                << QStringList{QStringLiteral("--linearize"), QStringLiteral("%in"),
                                               QStringLiteral("%out")};
    QTest::newRow("uncompressed qdf")
        << QStringLiteral("qpdf")
        << QStringList{QStringLiteral("--qdf"), QStringLiteral("%in"), QStringLiteral("%out")};
    QTest::newRow("mupdf clean") << QStringLiteral("mutool")
                                 << QStringList{QStringLiteral("clean"), QStringLiteral("-gggg"),
                                                QStringLiteral("%in"), QStringLiteral("%out")};
    QTest::newRow("ghostscript") << QStringLiteral("gs")
                                 << QStringList{QStringLiteral("-q"),
                                                QStringLiteral("-dNOPAUSE"),
                                                QStringLiteral("-dBATCH"),
                                                QStringLiteral("-dSAFER"),
                                                QStringLiteral("-sDEVICE=pdfwrite"),
                                                QStringLiteral("-sOutputFile=%out"),
                                                QStringLiteral("%in")};
}

void TestPdfEditorBackend::otherProducers()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    DocumentSpec spec{fixtures::pagesOf(4)};
    spec.outlines = true;
    spec.links = {{0, 2}};
    spec.pages[1].rotate = 90;
    const QString in = make(QStringLiteral("producer-in.pdf"), spec);
    const QString produced = path(QStringLiteral("produced.pdf"));
    QFile::remove(produced);
    for (QString &argument : arguments)
        argument.replace(QLatin1String("%in"), in).replace(QLatin1String("%out"), produced);
    QProcess process;
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(QFile::exists(produced),
             qPrintable(QString::fromLocal8Bit(process.readAllStandardError())));

    PdfDocumentInfo info;
    PdfBackendError error;
    QString message;
    QVERIFY2(PdfEditorBackend::inspectDocument(produced, {}, &info, &error, &message),
             qPrintable(message));
    QCOMPARE(info.pageSizes.size(), 4);
    QCOMPARE(info.pageSizes[1].toSize(), QSize(300, 200));
    const QImage image =
        PdfEditorBackend::renderPage(sourcePage(produced, 1), QSize(60, 40), &error, &message);
    QCOMPARE(readback::markerQuadrant(image), 1);

    const QString out = path(QStringLiteral("produced-saved.pdf"));
    QVERIFY2(PdfEditorBackend::saveDocument(
                 {sourcePage(produced, 3), sourcePage(produced, 1, 90), sourcePage(produced, 0)},
                 out, &error, &message),
             qPrintable(message));
    QVERIFY(readback::qpdfCheck(out));
    const readback::DocumentFacts facts = readback::inspect(out);
    QCOMPARE(facts.pages.size(), 3);
    // Some producers bake /Rotate into the content; the page must still come out turned twice.
    QCOMPARE(readback::markerQuadrant(readback::renderPoppler(out, 1, 18)), 2);
    QVERIFY(readback::similar(readback::centreColour(readback::renderPoppler(out, 0, 18)),
                              fixtures::colourFor(3)));
}

void TestPdfEditorBackend::concurrentRendersWhileSaving()
{
    QStringList files;
    for (int f = 0; f < 4; ++f) {
        DocumentSpec spec{fixtures::pagesOf(6)};
        for (int p = 0; p < 6; ++p)
            spec.pages[p].colour = fixtures::colourFor(p + f);
        files << make(QStringLiteral("par-%1.pdf").arg(f), spec);
    }
    std::atomic<int> wrong{0};
    std::atomic<bool> stop{false};
    QList<QFuture<void>> workers;
    for (int t = 0; t < 4; ++t) {
        workers << QtConcurrent::run([&, t] {
            int round = 0;
            while (!stop.load() || round < 3) {
                QList<PdfSourcePage> pages;
                QList<QSize> sizes;
                for (int p = 0; p < 6; ++p) {
                    pages << sourcePage(files[(t + round + p) % 4], p, (p % 4) * 90);
                    sizes << ((p % 2) ? QSize(45, 30) : QSize(30, 45));
                }
                QList<QString> errors;
                const QList<QImage> images = PdfEditorBackend::renderPages(pages, sizes, &errors);
                for (int p = 0; p < 6; ++p) {
                    const int f = (t + round + p) % 4;
                    if (images[p].isNull() || images[p].size() != sizes[p] ||
                        !readback::similar(readback::centreColour(images[p]),
                                           fixtures::colourFor(p + f)))
                        ++wrong;
                }
                ++round;
            }
        });
    }
    const QString out = path(QStringLiteral("par-out.pdf"));
    for (int i = 0; i < 5; ++i) {
        QList<PdfSourcePage> pages;
        for (int p = 5; p >= 0; --p)
            pages << sourcePage(m_six, p, 90);
        PdfBackendError error;
        QString message;
        QVERIFY2(PdfEditorBackend::saveDocument(pages, out, &error, &message), qPrintable(message));
        // Saved over itself unchanged while the workers have it open, their cached copies let go
        // of from this thread (as before a replace on Windows): the pages stay right.
        QList<PdfSourcePage> same;
        for (int p = 0; p < 6; ++p)
            same << sourcePage(files[0], p);
        {
            const mupdf::ReleasedPath released(files[0]);
            QThread::msleep(5);
        }
        QVERIFY2(PdfEditorBackend::saveDocument(same, files[0], &error, &message),
                 qPrintable(message));
    }
    stop = true;
    for (QFuture<void> &w : workers)
        w.waitForFinished();
    QCOMPARE(wrong.load(), 0);
    QCOMPARE(readback::inspect(out).pages.size(), 6);
}

VELMORA_REGISTER_TEST(TestPdfEditorBackend);
#include "tst_pdfeditorbackend.moc"
