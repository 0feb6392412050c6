#include "pdffixtures.h"
#include "testregistry.h"

#include "inkwell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A PDF of known structure, in points (72 dpi): page 1 a heading over two columns (a word broken
// by a hyphen at a line end in the left one), page 2 a ruled table of 3 rows and 4 columns (its
// first row one merged cell) above a picture, page 3 a picture alone (no text).
bool writeStructuredPdf(const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p;
    if (!p.begin(&writer))
        return false;
    QFont heading(u"DejaVu Serif"_s);
    heading.setPixelSize(22);
    heading.setBold(true);
    QFont body(u"DejaVu Serif"_s);
    body.setPixelSize(10);
    p.setFont(heading);
    p.drawText(QPointF(56, 80), u"Harbour Report"_s);
    p.setFont(body);
    const QStringList left = {
        u"Left column opens the story of the"_s, u"harbour and its careful docu-"_s,
        u"mentation of the ships that arrived"_s, u"late in the winter of that year."_s};
    const QStringList right = {u"Right column follows with the tale"_s,
                               u"of lanterns along the quay and the"_s,
                               u"keepers who tended every flame."_s};
    for (qsizetype i = 0; i < left.size(); ++i)
        p.drawText(QPointF(56, 120 + 12 * double(i)), left[i]);
    for (qsizetype i = 0; i < right.size(); ++i)
        p.drawText(QPointF(320, 120 + 12 * double(i)), right[i]);

    writer.newPage();
    p.setPen(QPen(Qt::black, 0.8));
    const double xs[] = {56, 156, 256, 356, 456};
    const double ys[] = {80, 100, 120, 140};
    for (double y : ys)
        p.drawLine(QPointF(xs[0], y), QPointF(xs[4], y));
    for (int c = 0; c < 5; ++c) {
        // The first row is one cell: inner rules start below it.
        const double top = (c == 0 || c == 4) ? ys[0] : ys[1];
        p.drawLine(QPointF(xs[c], top), QPointF(xs[c], ys[3]));
    }
    p.setFont(body);
    p.drawText(QPointF(60, 94), u"Cargo ledger"_s);
    const QStringList cells = {u"Vessel"_s, u"Tons"_s,   u"Arrived"_s,    u"Berth"_s,
                               u"Osprey"_s, u"1234.5"_s, u"2024-03-15"_s, u"North"_s};
    for (int i = 0; i < 8; ++i)
        p.drawText(QPointF(xs[i % 4] + 4, ys[1 + i / 4] + 14), cells[i]);
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(30, 120, 200));
    p.drawImage(QRectF(56, 200, 120, 80), picture);

    writer.newPage();
    p.fillRect(QRectF(100, 100, 300, 200), QColor(200, 60, 40));
    for (int i = 0; i < 12; ++i)
        p.drawEllipse(QRectF(120 + 20 * i, 400, 30, 30));
    return p.end();
}

QString python()
{
    // Debian's interpreter, where python3-docx and python3-openpyxl are installed.
    if (QFileInfo(u"/usr/bin/python3"_s).isExecutable())
        return u"/usr/bin/python3"_s;
    return QStandardPaths::findExecutable(u"python3"_s);
}

// Runs a reader script over file; its JSON answer, or a null object with *why set.
QJsonObject readBack(const QString &script, const QString &file, QString *why)
{
    QProcess process;
    process.start(python(), {u"-c"_s, script, file});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        *why = QString::fromUtf8(process.readAllStandardError());
        return {};
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

bool hasModule(const QString &module)
{
    QProcess process;
    process.start(python(), {u"-c"_s, u"import "_s + module});
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

constexpr auto kDocxReader = R"py(
import docx, json, sys
d = docx.Document(sys.argv[1])
body = [(p.style.name, p.text) for p in d.paragraphs if p.text.strip()]
tables = [[[c.text for c in row.cells] for row in t.rows] for t in d.tables]
sec = d.sections[0]
print(json.dumps({"paragraphs": body, "tables": tables, "pictures": len(d.inline_shapes),
                  "width": sec.page_width.pt, "height": sec.page_height.pt}))
)py";

constexpr auto kXlsxReader = R"py(
import openpyxl, json, sys, datetime
wb = openpyxl.load_workbook(sys.argv[1])
out = {}
for ws in wb.worksheets:
    rows = []
    for row in ws.iter_rows():
        cells = []
        for c in row:
            v = c.value
            kind = "date" if isinstance(v, datetime.datetime) else type(v).__name__
            cells.append([kind, str(v) if v is not None else ""])
        rows.append(cells)
    out[ws.title] = {"rows": rows, "merged": [str(r) for r in ws.merged_cells.ranges]}
print(json.dumps(out))
)py";

constexpr auto kPptxReader = R"py(
import json, re, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
slides = sorted((n for n in z.namelist() if re.match(r"ppt/slides/slide\d+\.xml$", n)),
                key=lambda n: int(re.findall(r"\d+", n)[0]))
pres = z.read("ppt/presentation.xml").decode()
size = re.search(r'<p:sldSz cx="(\d+)" cy="(\d+)"', pres)
out = {"size": [int(size.group(1)), int(size.group(2))], "slides": []}
for n in slides:
    xml = z.read(n).decode()
    out["slides"].append({"text": " ".join(re.findall(r"<a:t>([^<]*)</a:t>", xml)),
                          "boxes": xml.count('txBox="1"'), "pictures": xml.count("<p:pic>")})
print(json.dumps(out))
)py";

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list.append(v.isArray() ? v.toArray().at(1).toString() : v.toString());
    return list;
}

} // namespace

class TestPdfToOffice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_source = m_dir.filePath(u"harbour.pdf"_s);
        QVERIFY(writeStructuredPdf(m_source));
    }

    void structureKept_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("module");
        QTest::newRow("Word") << int(OfficeFormat::Word) << u"docx"_s;
        QTest::newRow("Excel") << int(OfficeFormat::Excel) << u"openpyxl"_s;
        QTest::newRow("PowerPoint") << int(OfficeFormat::PowerPoint) << u"zipfile"_s;
    }

    // Each format keeps what the page shows: the heading as a heading, the columns in reading
    // order, the broken word whole, the table as a table with its merged cell and typed values,
    // the pictures, and a page without text as its picture.
    void structureKept()
    {
        QFETCH(int, format);
        QFETCH(QString, module);
        if (python().isEmpty() || !hasModule(module))
            QSKIP("python3 with the reader module is missing (scripts/setup.sh installs it)");
        const QString suffix = Inkwell::officeSuffix(OfficeFormat(format));
        TaskRequest request;
        request.type = TaskType::PdfToOffice;
        request.inputFile = QDir::toNativeSeparators(m_source);
        request.outputPath = m_dir.filePath(u"harbour."_s + suffix);
        request.options.insert(TaskOption::OfficeFormat, format);
        QFile::remove(request.outputPath);
        Inkwell::setCancelFlag(nullptr);
        QVERIFY(Inkwell::pdfToOffice(request));
        QCOMPARE(Inkwell::lastOutcome().writtenPath, request.outputPath);
        QCOMPARE(Inkwell::lastOutcome().pagesWithoutText, 1);

        QString why;
        if (format == int(OfficeFormat::Word)) {
            const QJsonObject doc = readBack(QLatin1String(kDocxReader), request.outputPath, &why);
            QVERIFY2(!doc.isEmpty(), qPrintable(why));
            const QJsonArray paragraphs = doc.value(u"paragraphs"_s).toArray();
            QString text;
            int headings = 0;
            for (const QJsonValue &p : paragraphs) {
                const QJsonArray pair = p.toArray();
                text += pair.at(1).toString() + u'\n';
                if (pair.at(0).toString() == u"Heading 1"_s) {
                    ++headings;
                    QCOMPARE(pair.at(1).toString(), u"Harbour Report"_s);
                }
            }
            QCOMPARE(headings, 1);
            // One flowing paragraph a column, the left one first, the word whole again.
            QVERIFY2(text.contains(u"Left column opens the story of the harbour and its careful "
                                   "documentation of the ships that arrived late in the winter of "
                                   "that year.\nRight column follows"_s),
                     qPrintable(text));
            const QJsonArray tables = doc.value(u"tables"_s).toArray();
            QCOMPARE(tables.size(), 1);
            const QJsonArray rows = tables.at(0).toArray();
            QCOMPARE(rows.size(), 3);
            QCOMPARE(strings(rows.at(0)), QStringList(4, u"Cargo ledger"_s));
            QCOMPARE(strings(rows.at(2)),
                     (QStringList{u"Osprey"_s, u"1234.5"_s, u"2024-03-15"_s, u"North"_s}));
            QCOMPARE(doc.value(u"pictures"_s).toInt(), 2);
            QCOMPARE(qRound(doc.value(u"width"_s).toDouble()), 595);
            QCOMPARE(qRound(doc.value(u"height"_s).toDouble()), 842);
        } else if (format == int(OfficeFormat::Excel)) {
            const QJsonObject book = readBack(QLatin1String(kXlsxReader), request.outputPath, &why);
            QVERIFY2(!book.isEmpty(), qPrintable(why));
            QCOMPARE(book.keys(), (QStringList{u"Page 1"_s, u"Table 1"_s}));
            const QJsonObject table = book.value(u"Table 1"_s).toObject();
            const QJsonArray rows = table.value(u"rows"_s).toArray();
            QCOMPARE(rows.size(), 3);
            QCOMPARE(strings(table.value(u"merged"_s)), QStringList{u"A1:D1"_s});
            const QJsonArray last = rows.at(2).toArray();
            QCOMPARE(last.at(1).toArray().at(0).toString(), u"float"_s);
            QCOMPARE(last.at(1).toArray().at(1).toString(), u"1234.5"_s);
            QCOMPARE(last.at(2).toArray().at(0).toString(), u"date"_s);
            QVERIFY(last.at(2).toArray().at(1).toString().startsWith(u"2024-03-15"_s));
            QCOMPARE(last.at(0).toArray().at(1).toString(), u"Osprey"_s);
            QString lines;
            for (const QJsonValue &row :
                 book.value(u"Page 1"_s).toObject().value(u"rows"_s).toArray())
                lines += strings(row).join(u' ').trimmed() + u'\n';
            QVERIFY2(lines.startsWith(u"Harbour Report\nLeft column opens the story of the\n"_s),
                     qPrintable(lines));
        } else {
            const QJsonObject deck = readBack(QLatin1String(kPptxReader), request.outputPath, &why);
            QVERIFY2(!deck.isEmpty(), qPrintable(why));
            const QJsonArray size = deck.value(u"size"_s).toArray();
            QCOMPARE(size.at(0).toInteger(), qint64(595 * 12700)); // the page's width
            const QJsonArray slides = deck.value(u"slides"_s).toArray();
            QCOMPARE(slides.size(), 3);
            const QJsonObject first = slides.at(0).toObject();
            QVERIFY(first.value(u"text"_s).toString().startsWith(u"Harbour Report"_s));
            QVERIFY(first.value(u"text"_s).toString().contains(u"documentation"_s));
            QVERIFY(first.value(u"boxes"_s).toInt() >= 3);
            QCOMPARE(slides.at(1).toObject().value(u"pictures"_s).toInt(), 1);
            QVERIFY(slides.at(1).toObject().value(u"text"_s).toString().contains(u"Osprey"_s));
            QCOMPARE(slides.at(2).toObject().value(u"pictures"_s).toInt(), 1);
            QCOMPARE(slides.at(2).toObject().value(u"boxes"_s).toInt(), 0);
        }
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // {dir} is the folder of the files
        QTest::addColumn<QStringList>("existing");  // made beforehand
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("written"); // stdout, one line a file
        QTest::addColumn<QString>("reason");      // in stderr
        QTest::newRow("docx beside the source, its name taken")
            << QStringList{u"--convert-to"_s, u"docx"_s, u"{dir}/harbour.pdf"_s}
            << QStringList{u"harbour.docx"_s} << 0 << QStringList{u"{dir}/harbour(1).docx"_s}
            << QString();
        QTest::newRow("xlsx and pptx into a new folder")
            << QStringList{u"--convert-to"_s, u"xlsx"_s, u"--outdir"_s, u"{dir}/out"_s,
                           u"{dir}/harbour.pdf"_s}
            << QStringList{} << 0 << QStringList{u"{dir}/out/harbour.xlsx"_s} << QString();
        QTest::newRow("a missing file fails, the other is written")
            << QStringList{u"--convert-to"_s, u"pptx"_s, u"{dir}/missing.pdf"_s,
                           u"{dir}/harbour.pdf"_s}
            << QStringList{} << 1 << QStringList{u"{dir}/harbour.pptx"_s} << u"missing.pdf"_s;
        QTest::newRow("not a PDF")
            << QStringList{u"--convert-to"_s, u"docx"_s, u"{dir}/notes.pdf"_s}
            << QStringList{u"notes.pdf"_s} << 1 << QStringList{} << u"notes.pdf"_s;
        QTest::newRow("an image too large to decode is refused, nothing written")
            << QStringList{u"--convert-to"_s, u"docx"_s, u"{dir}/bomb.pdf"_s} << QStringList{} << 1
            << QStringList{} << u"bomb.pdf"_s;
        QTest::newRow("unknown format")
            << QStringList{u"--convert-to"_s, u"odt"_s, u"{dir}/harbour.pdf"_s} << QStringList{}
            << 2 << QStringList{} << u"odt"_s;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, existing);
        QFETCH(int, exitCode);
        QFETCH(QStringList, written);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(m_source, dir.filePath(u"harbour.pdf"_s)));
        writeImageBomb(dir.filePath(u"bomb.pdf"_s));
        for (const QString &name : existing) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("taken");
        }
        for (QString &argument : arguments)
            argument.replace(u"{dir}"_s, dir.path());
        QProcess velmora;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        velmora.setProcessEnvironment(environment);
        velmora.start(QStringLiteral(VELMORA_EXECUTABLE), arguments);
        QVERIFY(velmora.waitForFinished(120000));
        QCOMPARE(velmora.exitCode(), exitCode);
        QStringList lines = QString::fromLocal8Bit(velmora.readAllStandardOutput())
                                .split(u'\n', Qt::SkipEmptyParts);
        QStringList expected;
        for (const QString &path : written)
            expected.append(
                QDir::toNativeSeparators(QString(path).replace(u"{dir}"_s, dir.path())));
        QCOMPARE(lines, expected);
        for (const QString &path : expected) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.read(4), QByteArray("PK\x03\x04", 4)); // a zip container, complete
        }
        for (const QString &name : existing) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("taken")); // never replaced
        }
        if (!reason.isEmpty())
            QVERIFY(QString::fromLocal8Bit(velmora.readAllStandardError()).contains(reason));
    }

private:
    // A page showing a 20000 x 20000 grey Flate image (400 MB decoded) whose stream holds a few
    // bytes: only its declared size is large.
    static void writeImageBomb(const QString &path)
    {
        const QByteArray data = qCompress(QByteArray(64, '\0')).mid(4);
        const QByteArray content = "q 612 0 0 792 0 0 cm /Im0 Do Q";
        const QList<QByteArray> objects = {
            "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] "
            "/Resources << /XObject << /Im0 4 0 R >> >> /Contents 5 0 R >>",
            "<< /Type /XObject /Subtype /Image /Width 20000 /Height 20000 /ColorSpace /DeviceGray "
            "/BitsPerComponent 8 /Filter /FlateDecode /Length " +
                QByteArray::number(data.size()) + " >>\nstream\n" + data + "\nendstream",
            "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content +
                "\nendstream"};
        fixtures::writeBytes(path, fixtures::pdfOfObjects(objects));
    }

    QTemporaryDir m_dir;
    QString m_source;
};

VELMORA_REGISTER_TEST(TestPdfToOffice);

#include "tst_pdftooffice.moc"
