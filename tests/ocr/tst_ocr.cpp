#include "pdffixtures.h"
#include "testregistry.h"

#include "inkwell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

using namespace Qt::StringLiterals;

namespace {

const QStringList kLines = {
    u"Harbour lanterns guide the evening ferry"_s,
    u"Keepers record every vessel in ledgers"_s,
    u"Winter storms delayed the northern cargo"_s,
    u"Fishermen mend their nets before sunrise"_s,
};

// A contents page: titles run into dot leaders and their page numbers.
const QStringList kLeaderLines = {
    u"Harbour lanterns guide the ferry....................12"_s,
    u"Keepers record every vessel.........................27"_s,
    u"Winter storms delayed cargo.........................31"_s,
    u"Fishermen mend their nets...........................45"_s,
};

const QStringList kChineseLines = {
    u"扫描的文档可以搜索"_s,
    u"窗口不会冻结"_s,
};

// The stored bytes of every image of the file, page by page (decrypted, still encoded).
QList<QByteArray> imageStreams(const QString &path, const QString &password)
{
    QList<QByteArray> streams;
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData(), password.toLatin1().constData());
    for (QPDFObjectHandle page : pdf.getAllPages()) {
        for (auto &[key, image] : QPDFPageObjectHelper(page).getImages()) {
            const std::shared_ptr<Buffer> raw = image.getRawStreamData();
            QByteArray data(reinterpret_cast<const char *>(raw->getBuffer()),
                            qsizetype(raw->getSize()));
            QPDFObjectHandle filter = image.getDict().getKey("/Filter");
            if (filter.isArray() && filter.getArrayNItems() == 2 &&
                filter.getArrayItem(0).isNameAndEquals("/FlateDecode")) {
                // Wrapped in Flate without loss: the picture inside is what counts.
                QByteArray sized(4, '\0');
                qToBigEndian(quint32(data.size() * 4), sized.data());
                data = qUncompress(sized + data);
            }
            streams << data;
        }
    }
    return streams;
}

QString pageText(const QString &path, int page, const QString &password)
{
    QByteArray text;
    QStringList arguments = {u"-f"_s, QString::number(page), u"-l"_s, QString::number(page)};
    if (!password.isEmpty())
        arguments << u"-upw"_s << password;
    fixtures::run(u"pdftotext"_s, arguments << path << u"-"_s, &text);
    return QString::fromUtf8(text);
}

// Share of the words of the lines found in text, each as often as it is printed.
double recall(const QString &text, const QStringList &lines)
{
    const QRegularExpression nonWord(u"\\W+"_s);
    QStringList found = text.toLower().split(nonWord, Qt::SkipEmptyParts);
    int hits = 0, words = 0;
    for (const QString &line : lines) {
        for (const QString &word : line.toLower().split(nonWord, Qt::SkipEmptyParts)) {
            ++words;
            if (found.removeOne(word))
                ++hits;
        }
    }
    return double(hits) / words;
}

} // namespace

class TestTextRecognition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!Inkwell::recognitionLanguages().contains(u"eng"_s))
            QSKIP("no English language data for tesseract (package tesseract-ocr-eng)");
    }

    void recognise_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("turn");   // the scan's picture turned
        QTest::addColumn<int>("rotate"); // the page's /Rotate
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("failure");

        const int none = int(BatchFailure::None);
        QTest::newRow("jpeg scan") << u"scan"_s << 0 << 0 << QString() << none;
        QTest::newRow("page turned by /Rotate") << u"scan"_s << 90 << 270 << QString() << none;
        QTest::newRow("scan upside down") << u"scan"_s << 180 << 0 << QString() << none;
        QTest::newRow("scan turned by 3 degrees") << u"scan"_s << 3 << 0 << QString() << none;
        QTest::newRow("protected") << u"protected"_s << 0 << 0 << u"user"_s << none;
        QTest::newRow("page with text kept") << u"mixed"_s << 0 << 0 << QString() << none;
        QTest::newRow("chinese") << u"chinese"_s << 0 << 0 << QString() << none;
        QTest::newRow("contents with dot leaders") << u"leaders"_s << 0 << 0 << QString() << none;
        QTest::newRow("every page has text")
            << u"text"_s << 0 << 0 << QString() << int(BatchFailure::AlreadySearchable);
        QTest::newRow("language data missing")
            << u"nodata"_s << 0 << 0 << QString() << int(BatchFailure::RecognitionDataMissing);
    }

    void recognise()
    {
        QFETCH(QString, kind);
        QFETCH(int, turn);
        QFETCH(int, rotate);
        QFETCH(QString, password);
        QFETCH(int, failure);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString scan = dir.filePath(u"scan.pdf"_s);
        const bool chinese = kind == u"chinese"_s;
        if (chinese && !Inkwell::recognitionLanguages().contains(u"chi_sim"_s))
            QSKIP("no Chinese language data for tesseract (package tesseract-ocr-chi-sim)");
        const QStringList &lines = chinese                ? kChineseLines
                                   : kind == u"leaders"_s ? kLeaderLines
                                                          : kLines;
        QVERIFY(!fixtures::scanPdf(scan, lines, turn, rotate).isEmpty());
        QString source = scan;
        int scanPage = 1;
        if (kind == u"protected"_s) {
            source = dir.filePath(u"protected.pdf"_s);
            QVERIFY(
                fixtures::encrypt(scan, source, fixtures::Scheme::Aes256, password, u"owner"_s));
        } else if (kind == u"mixed"_s || kind == u"text"_s) {
            const QString text = fixtures::textPdf(dir.filePath(u"text.pdf"_s), 1);
            source = dir.filePath(u"mixed.pdf"_s);
            QStringList pages = {u"--empty"_s, u"--pages"_s, text, u"1"_s};
            if (kind == u"mixed"_s)
                pages << scan << u"1"_s;
            QVERIFY(fixtures::run(u"qpdf"_s, pages << u"--"_s << source));
            scanPage = 2;
        }
        const QByteArray before = fixtures::readBytes(source);
        const QList<QByteArray> imagesBefore = imageStreams(source, password);

        QTemporaryDir data;
        if (kind == u"nodata"_s)
            qputenv("TESSDATA_PREFIX", data.path().toLocal8Bit());
        TaskRequest request;
        request.type = TaskType::RecognizeText;
        request.inputFile = source;
        request.outputPath = dir.filePath(u"out.pdf"_s);
        request.options.insert(TaskOption::OcrLanguages, chinese ? u"chi_sim"_s : u"eng"_s);
        request.options.insert(TaskOption::InputPasswords, QStringList{password});
        Inkwell::setCancelFlag(nullptr);
        const bool done = Inkwell::recognizeText(request);
        qunsetenv("TESSDATA_PREFIX");
        QCOMPARE(int(Inkwell::lastOutcome().failure), failure);
        QCOMPARE(fixtures::readBytes(source), before);
        if (failure != int(BatchFailure::None)) {
            QVERIFY(!done);
            QVERIFY(!QFileInfo::exists(request.outputPath));
            return;
        }
        QVERIFY(done);
        const QString out = request.outputPath;
        QVERIFY(fixtures::qpdfCheck(out, password));
        QCOMPARE(imageStreams(out, password), imagesBefore);
        // The scan's JPEGs deflate: the searchable file is no larger than the scan was.
        QVERIFY2(QFileInfo(out).size() <= QFileInfo(source).size(),
                 qPrintable(
                     u"%1 -> %2 bytes"_s.arg(QFileInfo(source).size()).arg(QFileInfo(out).size())));
        const QString text = pageText(out, scanPage, password);
        if (chinese) {
            // Characters of one line run on: no gap between them reads as a space.
            QString joined = text;
            joined.remove(QRegularExpression(u"\\s+"_s));
            for (const QString &line : kChineseLines)
                QVERIFY2(joined.contains(line), qPrintable(text));
            QVERIFY2(!text.contains(QRegularExpression(u"\\p{Han} +\\p{Han}"_s)), qPrintable(text));
        } else {
            QVERIFY2(recall(text, lines) >= 0.9, qPrintable(text));
        }
        // The layer draws nothing: the page looks as it did.
        const QImage was = fixtures::renderPage(source, scanPage, 50, password);
        const QImage now = fixtures::renderPage(out, scanPage, 50, password);
        QVERIFY(fixtures::meanDifference(was, now) < 0.5);
        if (kind == u"protected"_s) {
            const fixtures::Protection kept = fixtures::protection(out, u"owner"_s);
            QCOMPARE(kept.revision, fixtures::protection(source, u"owner"_s).revision);
            QVERIFY(kept.owner);
            QCOMPARE(fixtures::encryptionRevision(out, QString()), -1);
        }
        if (kind == u"mixed"_s) {
            // The page that had text is not read again: its words are there once.
            QCOMPARE(pageText(out, 1, QString()).count(u"quick brown fox"_s),
                     pageText(source, 1, QString()).count(u"quick brown fox"_s));
            QCOMPARE(Inkwell::lastOutcome().pagesKept, 1);
        }
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("written");

        QTest::newRow("default languages") << QStringList() << 0 << true;
        QTest::newRow("english") << QStringList{u"--lang"_s, u"eng"_s} << 0 << true;
        QTest::newRow("language not installed")
            << QStringList{u"--lang"_s, u"xyz_none"_s} << 2 << false;
    }

    void commandLine()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(bool, written);

        QTemporaryDir dir;
        const QString scan = dir.filePath(u"scan.pdf"_s);
        QVERIFY(!fixtures::scanPdf(scan, kLines).isEmpty());
        const QString outdir = dir.filePath(u"out"_s);
        QProcess velmora;
        velmora.start(QStringLiteral(VELMORA_EXECUTABLE),
                      QStringList{u"--ocr"_s} << options << u"--outdir"_s << outdir << scan);
        QVERIFY(velmora.waitForFinished(180000));
        QCOMPARE(velmora.exitCode(), exitCode);
        const QString out = QDir(outdir).filePath(u"scan.pdf"_s);
        QCOMPARE(QFileInfo::exists(out), written);
        if (written) {
            QCOMPARE(QString::fromLocal8Bit(velmora.readAllStandardOutput()).trimmed(),
                     QDir::toNativeSeparators(out));
            QVERIFY(recall(pageText(out, 1, QString()), kLines) >= 0.9);
        }
    }
};

VELMORA_REGISTER_TEST(TestTextRecognition);

#include "tst_ocr.moc"
