#include "inkwell.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "testregistry.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace fixtures;

namespace {

bool runTool(int type, const TaskRequest &request)
{
    std::shared_ptr<IPfdfTool> tool = Inkwell::CreateTool(type);
    return tool && tool->execute(request);
}

TaskRequest request(int type)
{
    TaskRequest r;
    r.taskId = u"{00000000-0000-0000-0000-000000000000}"_s;
    r.type = type;
    return r;
}

QStringList visibleFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestBatchOperations : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString freshFolder(const QString &name) const
    {
        QDir(m_dir.path()).mkpath(name);
        return m_dir.filePath(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char *tool : {"qpdf", "pdfimages", "pdftoppm"})
            QVERIFY2(run(QString::fromLatin1(tool), {u"-v"_s}) ||
                         run(QString::fromLatin1(tool), {u"--version"_s}),
                     tool);
    }

    void createToolOnlyForToolTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("expected");
        QTest::newRow("merge") << 0 << true;
        QTest::newRow("encrypt") << 2 << true;
        QTest::newRow("decrypt") << 3 << true;
        QTest::newRow("pdf to images") << 4 << true;
        QTest::newRow("images to pdf has no tool") << 5 << false;
        QTest::newRow("compress has no tool") << 6 << false;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("-1") << -1 << false;
    }

    void createToolOnlyForToolTypes()
    {
        QFETCH(int, type);
        QFETCH(bool, expected);
        QCOMPARE(bool(Inkwell::CreateTool(type)), expected);
    }

    // ---- encrypt -------------------------------------------------------------------------

    void encrypt_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("saveOption");
        QTest::addColumn<bool>("outputInSourceFolder");
        QTest::addColumn<QString>("expectedName");
        QTest::newRow("new file in another folder") << u"secret"_s << 1 << false << u"doc.pdf"_s;
        QTest::newRow("new file beside the source") << u"secret"_s << 1 << true << u"doc(1).pdf"_s;
        QTest::newRow("replace the source") << u"secret"_s << 0 << true << u"doc.pdf"_s;
        QTest::newRow("non-ASCII password") << u"pässwörd密码"_s << 1 << false << u"doc.pdf"_s;
    }

    void encrypt()
    {
        QFETCH(QString, password);
        QFETCH(int, saveOption);
        QFETCH(bool, outputInSourceFolder);
        QFETCH(QString, expectedName);
        const QString folder =
            freshFolder(u"enc-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));
        const QString source = textPdf(QDir(folder).filePath(u"doc.pdf"_s), 3);
        QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const QFileDevice::Permissions permissions = QFile::permissions(source);
        const QByteArray before = fileHash(source);
        const QString outFolder =
            outputInSourceFolder
                ? folder
                : freshFolder(u"enc-out-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));

        TaskRequest r = request(TaskType::Encrypt);
        r.inputFiles = {source};
        r.inputFile = QDir::toNativeSeparators(source);
        r.outputPath = QDir::toNativeSeparators(outFolder);
        r.useSourceFolder = outputInSourceFolder;
        r.options = {{u"password"_s, password}, {u"saveOption"_s, saveOption}};
        QVERIFY(runTool(TaskType::Encrypt, r));

        const QString output = QDir(outFolder).filePath(expectedName);
        QCOMPARE(encryptionRevision(output, password), 6);
        QCOMPARE(encryptionRevision(output, QString()), -1);
        QCOMPARE(pageCount(output, password), 3);
        QVERIFY(qpdfCheck(output, password));
        if (saveOption == 0) {
            QVERIFY(fileHash(source) != before);
            QCOMPARE(QFile::permissions(source), permissions);
            QCOMPARE(visibleFiles(folder), QStringList{u"doc.pdf"_s});
        } else {
            QCOMPARE(fileHash(source), before);
        }
    }

    void encryptFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("empty password") << u"empty"_s;
        QTest::newRow("missing source") << u"missing"_s;
        QTest::newRow("not a PDF") << u"garbage"_s;
        QTest::newRow("source needs a password") << u"locked"_s;
        QTest::newRow("output folder missing") << u"nofolder"_s;
        QTest::newRow("output folder read-only") << u"readonly"_s;
    }

    void encryptFailures()
    {
        QFETCH(QString, kind);
        if (kind == u"readonly"_s && ::geteuid() == 0)
            QSKIP("permissions do not bind root");
        const QString folder = freshFolder(u"encfail-"_s + kind);
        QString source = textPdf(QDir(folder).filePath(u"in.pdf"_s), 1);
        QString outFolder = freshFolder(u"encfail-out-"_s + kind);
        QString password = u"pw"_s;
        if (kind == u"empty"_s)
            password.clear();
        if (kind == u"missing"_s)
            source = QDir(folder).filePath(u"absent.pdf"_s);
        if (kind == u"garbage"_s) {
            QFile file(source);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("this is not a PDF at all");
        }
        if (kind == u"locked"_s) {
            const QString locked = QDir(folder).filePath(u"locked.pdf"_s);
            QVERIFY(
                fixtures::encrypt(source, locked, fixtures::Scheme::Aes256, u"user"_s, u"owner"_s));
            source = locked;
        }
        if (kind == u"nofolder"_s)
            outFolder = QDir(folder).filePath(u"nowhere"_s);
        if (kind == u"readonly"_s)
            QFile::setPermissions(outFolder, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray before = fileHash(source);
        TaskRequest r = request(TaskType::Encrypt);
        r.inputFiles = {source};
        r.inputFile = source;
        r.outputPath = outFolder;
        r.options = {{u"password"_s, password}, {u"saveOption"_s, 1}};
        QVERIFY(!runTool(TaskType::Encrypt, r));
        QCOMPARE(fileHash(source), before);
        if (QFileInfo(outFolder).isDir())
            QVERIFY(visibleFiles(outFolder).isEmpty());
        QFile::setPermissions(outFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // ---- unlock --------------------------------------------------------------------------

    void unlock_data()
    {
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("saveOption");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("AES-256, user password") << 6 << u"u1"_s << u"o1"_s << u"u1"_s << 1 << true;
        QTest::newRow("AES-256, owner password") << 6 << u"u1"_s << u"o1"_s << u"o1"_s << 1 << true;
        QTest::newRow("AES-128, user password") << 4 << u"u1"_s << u"o1"_s << u"u1"_s << 1 << true;
        QTest::newRow("RC4, owner password") << 3 << u"u1"_s << u"o1"_s << u"o1"_s << 1 << true;
        QTest::newRow("owner password only") << 6 << QString() << u"o1"_s << u"o1"_s << 1 << true;
        QTest::newRow("replace the source") << 6 << u"u1"_s << u"o1"_s << u"u1"_s << 0 << true;
        QTest::newRow("not encrypted: nothing written")
            << 0 << QString() << QString() << u"any"_s << 1 << false;
        QTest::newRow("wrong password") << 6 << u"u1"_s << u"o1"_s << u"nope"_s << 1 << false;
        QTest::newRow("empty password") << 4 << u"u1"_s << u"o1"_s << QString() << 1 << false;
        QTest::newRow("owner only, empty password")
            << 6 << QString() << u"o1"_s << QString() << 1 << false;
        QTest::newRow("owner only, wrong password")
            << 4 << QString() << u"o1"_s << u"x"_s << 1 << false;
    }

    void unlock()
    {
        QFETCH(int, revision);
        QFETCH(QString, user);
        QFETCH(QString, owner);
        QFETCH(QString, given);
        QFETCH(int, saveOption);
        QFETCH(bool, succeeds);
        const QString folder =
            freshFolder(u"unlock-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));
        const QString plain = textPdf(QDir(folder).filePath(u"plain.pdf"_s), 2);
        QString source = plain;
        if (revision) {
            source = QDir(folder).filePath(u"report.pdf"_s);
            QVERIFY(fixtures::encrypt(
                plain, source, revision == 4 ? fixtures::Scheme::Aes128 : fixtures::Scheme::Aes256,
                user, owner));
            QFile::remove(plain);
        }
        const QByteArray before = fileHash(source);
        TaskRequest r = request(TaskType::Decrypt);
        r.inputFile = QDir::toNativeSeparators(source);
        r.outputPath = QDir::toNativeSeparators(folder);
        r.useSourceFolder = true;
        r.options = {{u"password"_s, given}, {u"saveOption"_s, saveOption}};
        QCOMPARE(runTool(TaskType::Decrypt, r), succeeds);
        const QString base = QFileInfo(source).completeBaseName();
        const QString output =
            saveOption == 0 ? source : QDir(folder).filePath(base + u"(1).pdf"_s);
        if (!succeeds) {
            QCOMPARE(fileHash(source), before);
            QCOMPARE(visibleFiles(folder).size(), 1);
            return;
        }
        QCOMPARE(encryptionRevision(output, QString()), 0);
        QCOMPARE(pageCount(output), 2);
        QVERIFY(qpdfCheck(output));
        if (saveOption == 1)
            QCOMPARE(fileHash(source), before);
    }

    // ---- protection kept or changed only with the owner password ------------------------

    void keepsProtection_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("bits");      // 256 or 128 (AES)
        QTest::addColumn<QString>("user");  // of the source
        QTest::addColumn<QString>("given"); // the password the file was added with
        QTest::addColumn<int>("saveOption");
        QTest::addColumn<bool>("succeeds");
        const int compress = TaskType::Compress;
        const int encrypt = TaskType::Encrypt;
        const int merge = TaskType::Merge;
        const int images = TaskType::PdfToImage;
        QTest::newRow("compress, owner password only")
            << compress << 256 << QString() << QString() << 1 << true;
        QTest::newRow("compress, opened with the user password")
            << compress << 128 << u"u1"_s << u"u1"_s << 1 << true;
        QTest::newRow("compress, replace the source")
            << compress << 256 << u"u1"_s << u"o1"_s << 0 << true;
        QTest::newRow("merge, protected first input")
            << merge << 256 << u"u1"_s << u"u1"_s << 1 << true;
        QTest::newRow("page images of a protected file")
            << images << 256 << u"u1"_s << u"u1"_s << 1 << true;
        QTest::newRow("encrypt anew with the owner password")
            << encrypt << 256 << u"u1"_s << u"o1"_s << 1 << true;
        QTest::newRow("encrypt with the user password only")
            << encrypt << 256 << u"u1"_s << u"u1"_s << 1 << false;
        QTest::newRow("encrypt of an owner-only file, no password")
            << encrypt << 128 << QString() << QString() << 1 << false;
    }

    void keepsProtection()
    {
        QFETCH(int, type);
        QFETCH(int, bits);
        QFETCH(QString, user);
        QFETCH(QString, given);
        QFETCH(int, saveOption);
        QFETCH(bool, succeeds);
        const QString folder =
            freshFolder(u"protect-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));
        const QString plain = photoPdf(QDir(folder).filePath(u"plain.pdf"_s), 2, QSize(1600, 1200),
                                       QSizeF(288, 216), Embedding::Flate);
        const QString source = QDir(folder).filePath(u"report.pdf"_s);
        QStringList args{u"--encrypt"_s, user, u"o1"_s, QString::number(bits)};
        if (bits == 128)
            args << u"--use-aes=y"_s;
        args << u"--print=none"_s << u"--modify=none"_s << u"--"_s << plain << source;
        QVERIFY(run(u"qpdf"_s, args));
        QFile::remove(plain);
        const QByteArray before = fileHash(source);
        const QString out =
            freshFolder(u"protect-out-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));

        TaskRequest r = request(type);
        r.options = {{u"saveOption"_s, saveOption},
                     {u"inputPasswords"_s, QStringList{given}},
                     {u"password"_s, u"new"_s},
                     {u"ownerPassword"_s, u"newowner"_s},
                     {u"allowCopy"_s, false}};
        QString output = QDir(out).filePath(u"report.pdf"_s);
        if (type == TaskType::Merge) {
            const QString second = textPdf(QDir(folder).filePath(u"second.pdf"_s), 1);
            r.inputFiles = {source, second};
            output = QDir(out).filePath(u"pdf_merge.pdf"_s);
            r.outputPath = output;
        } else if (type == TaskType::Compress) {
            r.inputFile = source;
            r.options.insert(u"compressLevel"_s, 1);
            if (saveOption == 0)
                output = source;
            r.outputPath = output;
        } else if (type == TaskType::PdfToImage) {
            r.inputFiles = {source};
            r.options.insert(u"format"_s, int(ImageFormat::Png));
            r.outputPath = out;
        } else {
            r.inputFiles = {source};
            r.inputFile = source;
            r.outputPath = out;
        }
        const bool done = type == TaskType::Compress ? Inkwell::compress(r) : runTool(type, r);
        QCOMPARE(done, succeeds);
        if (!succeeds) {
            QCOMPARE(fileHash(source), before);
            QVERIFY(visibleFiles(out).isEmpty());
            return;
        }
        if (type == TaskType::PdfToImage) {
            QCOMPARE(visibleFiles(out).size(), 2);
            QCOMPARE(fileHash(source), before);
            return;
        }
        if (type == TaskType::Encrypt) {
            // The new protection, with the permissions asked for.
            QCOMPARE(protection(output, QString()).revision, -1);
            const Protection asUser = protection(output, u"new"_s);
            QCOMPARE(asUser.revision, 6);
            QVERIFY(!asUser.owner);
            QVERIFY(asUser.print);
            QVERIFY(!asUser.copy);
            QVERIFY(protection(output, u"newowner"_s).owner);
            QCOMPARE(fileHash(source), before);
            return;
        }
        // The source's protection as it was: algorithm, both passwords, permissions.
        const int revision = bits == 256 ? 6 : 4;
        const Protection asUser = protection(output, user);
        QCOMPARE(asUser.revision, revision);
        QCOMPARE(asUser.print, false);
        QCOMPARE(asUser.modify, false);
        const Protection asOwner = protection(output, u"o1"_s);
        QCOMPARE(asOwner.revision, revision);
        QVERIFY(asOwner.owner);
        if (!user.isEmpty())
            QCOMPARE(protection(output, QString()).revision, -1);
        QCOMPARE(pageCount(output, u"o1"_s), type == TaskType::Merge ? 3 : 2);
        QVERIFY(qpdfCheck(output, u"o1"_s));
        if (type == TaskType::Compress)
            QCOMPARE(fileHash(source) == before, saveOption != 0);
    }

    // ---- merge ---------------------------------------------------------------------------

    void merge()
    {
        const QString folder = freshFolder(u"merge"_s);
        const QString a = textPdf(QDir(folder).filePath(u"alpha.pdf"_s), 2, QSizeF(595, 842));
        const QString b = textPdf(QDir(folder).filePath(u"beta.pdf"_s), 3, QSizeF(612, 792));
        const QString c = textPdf(QDir(folder).filePath(u"gamma.pdf"_s), 1, QSizeF(842, 595));
        addNavigation(a, u"name"_s);
        addNavigation(b, u"name"_s);
        const QString out = QDir(folder).filePath(u"pdf_merge.pdf"_s);

        TaskRequest r = request(TaskType::Merge);
        r.inputFiles = {a, b, c};
        r.outputPath = QDir::toNativeSeparators(out);
        QVERIFY(runTool(TaskType::Merge, r));

        QVERIFY(qpdfCheck(out));
        const QList<QSizeF> sizes = pageSizes(out);
        QCOMPARE(sizes.size(), 6);
        QCOMPARE(sizes[0], QSizeF(595, 842));
        QCOMPARE(sizes[2], QSizeF(612, 792));
        QCOMPARE(sizes[5], QSizeF(842, 595));

        const QList<Outline> tree = outlines(out);
        QCOMPARE(tree.size(), 3);
        QCOMPARE(tree[0].title, u"alpha"_s);
        QCOMPARE(tree[1].title, u"beta"_s);
        QCOMPARE(tree[2].title, u"gamma"_s);
        QCOMPARE(tree[0].page, 0);
        QCOMPARE(tree[1].page, 2);
        QCOMPARE(tree[2].page, 5);
        QCOMPARE(tree[2].kids.size(), 0);
        QCOMPARE(tree[1].kids.size(), 3);
        QCOMPARE(tree[1].kids[0].title, u"Chapter 1"_s);
        QCOMPARE(tree[1].kids[0].page, 2);
        QCOMPARE(tree[1].kids[2].page, 4);
        QCOMPARE(tree[1].kids[0].kids.size(), 1);
        QCOMPARE(tree[1].kids[0].kids[0].page, 4);

        // Links still lead to the last page of their own document.
        QCOMPARE(linkTargets(out, 0), QList<int>{1});
        QCOMPARE(linkTargets(out, 2), QList<int>{4});
        // Two fields called "name" stay two fields.
        const QStringList fields = fieldNames(out);
        QCOMPARE(fields.size(), 2);
        QVERIFY(fields[0] != fields[1]);
        QVERIFY(fields.contains(u"name"_s));
    }

    // Links, annotations, fields and outlines of each input, compared with the inputs themselves.
    void mergeNavigation_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("wrapped");
        QTest::addColumn<bool>("forms");
        QTest::newRow("explicit destinations") << false << false << false;
        QTest::newRow("named destinations, same names in both") << true << false << false;
        QTest::newRow("named destinations as << /D >>") << true << true << false;
        QTest::newRow("named, with fields and annotations") << true << false << true;
    }

    void mergeNavigation()
    {
        QFETCH(bool, named);
        QFETCH(bool, wrapped);
        QFETCH(bool, forms);
        const QString folder =
            freshFolder(u"mergenav-%1%2%3"_s.arg(int(named)).arg(int(wrapped)).arg(int(forms)));
        fixtures::DocumentSpec first;
        first.pages = fixtures::pagesOf(4);
        first.outlines = true;
        fixtures::DocumentSpec second;
        second.pages = fixtures::pagesOf(3);
        second.outlines = true;
        // Forward links reach pages not copied yet when their page is copied.
        const QList<QPair<int, int>> firstLinks{{0, 3}, {3, 0}, {1, 2}};
        const QList<QPair<int, int>> secondLinks{{0, 2}, {2, 1}};
        (named ? first.namedLinks : first.links) = firstLinks;
        (named ? second.namedLinks : second.links) = secondLinks;
        first.namedDestsWrapped = second.namedDestsWrapped = wrapped;
        first.namedOutlines = second.namedOutlines = named;
        if (forms) {
            first.formFieldPage = 1;
            first.annotationPage = 2;
            second.formFieldPage = 1;
        }
        const QString a = QDir(folder).filePath(u"first.pdf"_s);
        const QString b = QDir(folder).filePath(u"second.pdf"_s);
        QVERIFY(fixtures::write(first, a));
        QVERIFY(fixtures::write(second, b));
        const QString out = QDir(folder).filePath(u"pdf_merge.pdf"_s);

        TaskRequest r = request(TaskType::Merge);
        r.inputFiles = {a, b};
        r.outputPath = out;
        QVERIFY(runTool(TaskType::Merge, r));
        QVERIFY(readback::qpdfCheck(out));

        const readback::DocumentFacts merged = readback::inspect(out);
        QVERIFY2(merged.ok, qPrintable(merged.error));
        QStringList titles;
        QList<int> targets;
        QList<int> annotations;
        QList<QList<int>> links;
        int offset = 0;
        for (const QString &input : {a, b}) {
            const readback::DocumentFacts source = readback::inspect(input);
            QVERIFY(source.ok);
            titles << QFileInfo(input).completeBaseName() << source.outlineTitles;
            targets << offset;
            for (int target : source.outlineTargets)
                targets << (target < 0 ? -1 : target + offset);
            for (const readback::PageFacts &page : source.pages) {
                annotations << page.annotations;
                QList<int> shifted;
                for (int target : page.linkTargets) {
                    QVERIFY(target >= 0);
                    shifted << target + offset;
                }
                links << shifted;
            }
            offset += static_cast<int>(source.pages.size());
        }
        QCOMPARE(merged.pages.size(), 7);
        QCOMPARE(merged.outlineTitles, titles);
        QCOMPARE(merged.outlineTargets, targets);
        for (qsizetype i = 0; i < merged.pages.size(); ++i) {
            QCOMPARE(merged.pages[i].annotations, annotations[i]);
            QCOMPARE(merged.pages[i].linkTargets, links[i]);
        }
        QCOMPARE(merged.fieldNames.size(), forms ? 2 : 0);
        if (forms)
            QVERIFY(merged.fieldNames[0] != merged.fieldNames[1]);
    }

    void mergeBlankPages_data()
    {
        QTest::addColumn<bool>("blank");
        QTest::addColumn<QList<QSizeF>>("sizes");
        const QSizeF a4(595, 842), letter(612, 792), wide(842, 595);
        QTest::newRow("blank page between inputs")
            << true << QList<QSizeF>{a4, a4, a4, letter, letter, wide};
        QTest::newRow("without") << false << QList<QSizeF>{a4, a4, letter, wide};
    }

    void mergeBlankPages()
    {
        QFETCH(bool, blank);
        QFETCH(QList<QSizeF>, sizes);
        const QString folder =
            freshFolder(u"mergeblank-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));
        const QString a = textPdf(QDir(folder).filePath(u"a.pdf"_s), 2, QSizeF(595, 842));
        const QString b = textPdf(QDir(folder).filePath(u"b.pdf"_s), 1, QSizeF(612, 792));
        const QString c = textPdf(QDir(folder).filePath(u"c.pdf"_s), 1, QSizeF(842, 595));
        const QString out = QDir(folder).filePath(u"pdf_merge.pdf"_s);
        TaskRequest r = request(TaskType::Merge);
        r.inputFiles = {a, b, c};
        r.outputPath = out;
        r.options = {{u"insertBlankPages"_s, blank}};
        QVERIFY(runTool(TaskType::Merge, r));
        QVERIFY(qpdfCheck(out));
        QCOMPARE(pageSizes(out), sizes);
        if (blank) {
            // The inserted pages are white; the bookmarks still lead to each input's first page.
            const QImage page = renderPage(out, 3, 36);
            QVERIFY(near(page.pixelColor(page.width() / 2, page.height() / 2), Qt::white, 2));
            QCOMPARE(outlines(out).value(1).page, 3);
        }
    }

    void mergeFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing input") << u"missing"_s;
        QTest::newRow("encrypted input") << u"locked"_s;
        QTest::newRow("damaged input") << u"garbage"_s;
        QTest::newRow("output equals an input") << u"same"_s;
        QTest::newRow("no output folder") << u"nofolder"_s;
    }

    void mergeFailures()
    {
        QFETCH(QString, kind);
        const QString folder = freshFolder(u"mergefail-"_s + kind);
        const QString a = textPdf(QDir(folder).filePath(u"a.pdf"_s), 1);
        QString b = textPdf(QDir(folder).filePath(u"b.pdf"_s), 1);
        QString out = QDir(folder).filePath(u"pdf_merge.pdf"_s);
        if (kind == u"missing"_s)
            b = QDir(folder).filePath(u"absent.pdf"_s);
        if (kind == u"locked"_s) {
            QVERIFY(fixtures::encrypt(a, QDir(folder).filePath(u"l.pdf"_s),
                                      fixtures::Scheme::Aes128, u"u"_s, u"o"_s));
            b = QDir(folder).filePath(u"l.pdf"_s);
        }
        if (kind == u"garbage"_s) {
            QFile file(b);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("%PDF-1.4\nbroken beyond repair");
        }
        if (kind == u"same"_s)
            out = b;
        if (kind == u"nofolder"_s)
            out = QDir(folder).filePath(u"nowhere/pdf_merge.pdf"_s);
        const QStringList before = visibleFiles(folder);
        const QByteArray hashA = fileHash(a);
        TaskRequest r = request(TaskType::Merge);
        r.inputFiles = {a, b};
        r.outputPath = out;
        QVERIFY(!runTool(TaskType::Merge, r));
        QCOMPARE(visibleFiles(folder), before);
        QCOMPARE(fileHash(a), hashA);
    }

    // ---- images to PDF -------------------------------------------------------------------

    void imagesToPdfLayout_data()
    {
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("margin");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSizeF>("expectedPage");
        QTest::addColumn<double>("inset");
        QTest::newRow("A4 portrait, no margin, JPEG")
            << 0 << 0 << 0 << u"jpg"_s << QSizeF(595.276, 841.89) << 0.0;
        QTest::newRow("A4 landscape, narrow, PNG")
            << 0 << 1 << 1 << u"png"_s << QSizeF(841.89, 595.276) << 36.0;
        QTest::newRow("Letter portrait, wide, PNG")
            << 1 << 0 << 2 << u"png"_s << QSizeF(612, 792) << 72.0;
        QTest::newRow("Letter landscape, wide, JPEG")
            << 1 << 1 << 2 << u"jpg"_s << QSizeF(792, 612) << 72.0;
    }

    // The picture (4:3, corners red/green/blue/yellow) is fitted inside the margins, centred.
    void imagesToPdfLayout()
    {
        QFETCH(int, pageSize);
        QFETCH(int, orientation);
        QFETCH(int, margin);
        QFETCH(QString, format);
        QFETCH(QSizeF, expectedPage);
        QFETCH(double, inset);
        const QString folder =
            freshFolder(u"img-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));
        const QImage image = picture(QSize(400, 300));
        const QString file = QDir(folder).filePath(u"photo."_s + format);
        if (format == u"jpg"_s) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(jpegBytes(image));
        } else {
            QVERIFY(image.save(file));
        }
        const QString pdf = QDir(folder).filePath(u"photo.pdf"_s);
        TaskRequest r = request(TaskType::ImageToPdf);
        r.inputFiles = {QDir::toNativeSeparators(file)};
        r.outputPath = QDir::toNativeSeparators(pdf);
        r.options = {{u"pageSize"_s, pageSize},
                     {u"pageMargin"_s, margin},
                     {u"pageOrientation"_s, orientation},
                     {u"singlePdf"_s, false}};
        QVERIFY(Inkwell::imageToPdf(r));
        QVERIFY(qpdfCheck(pdf));
        const QList<QSizeF> sizes = pageSizes(pdf);
        QCOMPARE(sizes.size(), 1);
        QVERIFY(std::abs(sizes[0].width() - expectedPage.width()) < 0.5);
        QVERIFY(std::abs(sizes[0].height() - expectedPage.height()) < 0.5);

        const QImage page = renderPage(pdf, 1, 36);
        QVERIFY(!page.isNull());
        const double scale = 36.0 / 72.0;
        const double boxW = expectedPage.width() - 2 * inset;
        const double boxH = expectedPage.height() - 2 * inset;
        const double fit = std::min(boxW / 400, boxH / 300);
        const QRectF placed((inset + (boxW - 400 * fit) / 2) * scale,
                            (inset + (boxH - 300 * fit) / 2) * scale, 400 * fit * scale,
                            300 * fit * scale);
        auto at = [&](double fx, double fy) {
            return page.pixelColor(int(placed.x() + fx * placed.width()),
                                   int(placed.y() + fy * placed.height()));
        };
        QVERIFY2(near(at(0.2, 0.2), QColor(220, 30, 30)), qPrintable(at(0.2, 0.2).name()));
        QVERIFY(near(at(0.8, 0.2), QColor(30, 190, 40)));
        QVERIFY(near(at(0.2, 0.8), QColor(30, 40, 210)));
        QVERIFY(near(at(0.8, 0.8), QColor(235, 220, 30)));
        // Outside the picture the page stays white.
        if (placed.x() > 4)
            QVERIFY(near(page.pixelColor(int(placed.x() - 3), int(placed.center().y())), Qt::white,
                         10));
        if (placed.bottom() + 4 < page.height())
            QVERIFY(near(page.pixelColor(int(placed.center().x()), int(placed.bottom() + 3)),
                         Qt::white, 10));

        const QList<ListedImage> images = listImages(pdf);
        QCOMPARE(images.size(), 1);
        QCOMPARE(images[0].width, 400);
        QCOMPARE(images[0].encoding, format == u"jpg"_s ? u"jpeg"_s : u"image"_s);
    }

    void jpegEmbeddedUnchanged()
    {
        const QString folder = freshFolder(u"img-raw"_s);
        const QByteArray jpeg = jpegBytes(picture(QSize(320, 240)), 77);
        const QString file = QDir(folder).filePath(u"a.jpeg"_s);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(jpeg);
        out.close();
        TaskRequest r = request(TaskType::ImageToPdf);
        r.inputFiles = {file};
        r.outputPath = QDir(folder).filePath(u"a.pdf"_s);
        QVERIFY(Inkwell::imageToPdf(r));
        QString filter;
        QCOMPARE(firstImageRawData(r.outputPath, &filter), jpeg);
        QCOMPARE(filter, u"/DCTDecode"_s);
    }

    void exifOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QList<QColor>>(
            "corners"); // top left, top right, bottom left, bottom right
        const QColor red(220, 30, 30), green(30, 190, 40), blue(30, 40, 210), yellow(235, 220, 30);
        QTest::newRow("1 upright") << 1 << QList<QColor>{red, green, blue, yellow};
        QTest::newRow("3 upside down") << 3 << QList<QColor>{yellow, blue, green, red};
        QTest::newRow("6 turned clockwise") << 6 << QList<QColor>{blue, red, yellow, green};
        QTest::newRow("8 turned anticlockwise") << 8 << QList<QColor>{green, yellow, red, blue};
        QTest::newRow("2 mirrored") << 2 << QList<QColor>{green, red, yellow, blue};
    }

    void exifOrientation()
    {
        QFETCH(int, orientation);
        QFETCH(QList<QColor>, corners);
        const QString folder = freshFolder(u"exif-%1"_s.arg(orientation));
        const QString file = QDir(folder).filePath(u"cam.jpg"_s);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(withExifOrientation(jpegBytes(picture(QSize(400, 300))), orientation));
        out.close();
        TaskRequest r = request(TaskType::ImageToPdf);
        r.inputFiles = {file};
        r.outputPath = QDir(folder).filePath(u"cam.pdf"_s);
        QVERIFY(Inkwell::imageToPdf(r));
        const QImage page = renderPage(r.outputPath, 1, 36);
        QVERIFY(!page.isNull());
        // Find the picture's bounding box on the white page.
        QRect box;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (!near(page.pixelColor(x, y), Qt::white, 12))
                    box |= QRect(x, y, 1, 1);
        const bool turned = orientation >= 5;
        QVERIFY(turned ? box.height() > box.width() : box.width() > box.height());
        auto at = [&](double fx, double fy) {
            return page.pixelColor(box.x() + int(fx * box.width()),
                                   box.y() + int(fy * box.height()));
        };
        QVERIFY2(near(at(0.2, 0.2), corners[0]), qPrintable(at(0.2, 0.2).name()));
        QVERIFY(near(at(0.8, 0.2), corners[1]));
        QVERIFY(near(at(0.2, 0.8), corners[2]));
        QVERIFY(near(at(0.8, 0.8), corners[3]));
    }

    void singlePdfKeepsOrderAndAlpha()
    {
        const QString folder = freshFolder(u"single"_s);
        QStringList files;
        const QColor colours[3] = {Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 3; ++i) {
            QImage image(120, 90, QImage::Format_ARGB32);
            image.fill(colours[i]);
            if (i == 1) // half transparent
                for (int y = 0; y < 90; ++y)
                    for (int x = 60; x < 120; ++x)
                        image.setPixelColor(x, y, QColor(0, 255, 0, 0));
            files.append(QDir(folder).filePath(u"%1.png"_s.arg(i)));
            QVERIFY(image.save(files.last()));
        }
        std::reverse(files.begin(), files.end());
        TaskRequest r = request(TaskType::ImageToPdf);
        r.inputFiles = files;
        r.outputPath = QDir(folder).filePath(u"2.pdf"_s);
        r.options = {{u"singlePdf"_s, true}};
        QVERIFY(Inkwell::imageToPdf(r));
        QCOMPARE(pageCount(r.outputPath), 3);
        const QColor expected[3] = {Qt::blue, Qt::green, Qt::red};
        for (int i = 0; i < 3; ++i) {
            const QImage page = renderPage(r.outputPath, i + 1, 24);
            QVERIFY(near(page.pixelColor(page.width() / 4, page.height() / 2), expected[i], 10));
        }
        const QImage middle = renderPage(r.outputPath, 2, 24);
        QVERIFY(
            near(middle.pixelColor(middle.width() * 3 / 4, middle.height() / 2), Qt::white, 10));
        bool hasMask = false;
        for (const ListedImage &image : listImages(r.outputPath))
            hasMask = hasMask || image.type == u"smask"_s;
        QVERIFY(hasMask);
    }

    void imagesToPdfFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not an image") << u"text"_s;
        QTest::newRow("missing image") << u"missing"_s;
        QTest::newRow("output folder missing") << u"nofolder"_s;
        QTest::newRow("output equals the image") << u"same"_s;
        QTest::newRow("20000 x 20000 pixels") << u"huge"_s;
    }

    void imagesToPdfFailures()
    {
        QFETCH(QString, kind);
        const QString folder = freshFolder(u"imgfail-"_s + kind);
        QString image = QDir(folder).filePath(u"x.png"_s);
        QVERIFY(picture(QSize(50, 50)).save(image));
        QString out = QDir(folder).filePath(u"x.pdf"_s);
        if (kind == u"text"_s) {
            image = QDir(folder).filePath(u"notes.png"_s);
            QFile file(image);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("just some words, no pixels");
        }
        if (kind == u"missing"_s)
            image = QDir(folder).filePath(u"absent.png"_s);
        if (kind == u"nofolder"_s)
            out = QDir(folder).filePath(u"nowhere/x.pdf"_s);
        if (kind == u"same"_s)
            out = image;
        if (kind == u"huge"_s) {
            image = QDir(folder).filePath(u"huge.png"_s);
            hugeGrayPng(image, 20000, 20000);
        }
        const QStringList before = visibleFiles(folder);
        TaskRequest r = request(TaskType::ImageToPdf);
        r.inputFiles = {QDir(folder).filePath(u"x.png"_s), image};
        r.outputPath = out;
        r.options = {{u"singlePdf"_s, true}};
        QVERIFY(!Inkwell::imageToPdf(r));
        QCOMPARE(visibleFiles(folder), before);
    }

    // ---- PDF to images -------------------------------------------------------------------

    void pdfToImages_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("JPG, 3 pages")
            << 2 << 3 << QStringList{u"a_1.jpg"_s, u"a_2.jpg"_s, u"a_3.jpg"_s};
        QTest::newRow("PNG, 12 pages")
            << 3 << 12 << QStringList{u"a_01.png"_s, u"a_02.png"_s, u"a_03.png"_s, u"a_04.png"_s,
                                      u"a_05.png"_s, u"a_06.png"_s, u"a_07.png"_s, u"a_08.png"_s,
                                      u"a_09.png"_s, u"a_10.png"_s, u"a_11.png"_s, u"a_12.png"_s};
    }

    void pdfToImages()
    {
        QFETCH(int, format);
        QFETCH(int, pages);
        QFETCH(QStringList, names);
        const QString folder = freshFolder(u"render-%1"_s.arg(format));
        const QString source = textPdf(QDir(folder).filePath(u"a.pdf"_s), pages, QSizeF(600, 800));
        const QString out = freshFolder(u"render-%1/a"_s.arg(format));
        TaskRequest r = request(TaskType::PdfToImage);
        r.inputFiles = {QDir::toNativeSeparators(source)};
        r.outputPath = out;
        r.options = {{u"format"_s, format}, {u"saveAsSeparateFiles"_s, false}};
        QVERIFY(runTool(TaskType::PdfToImage, r));
        QCOMPARE(visibleFiles(out), names);
        for (const QString &name : names) {
            QImageReader reader(QDir(out).filePath(name));
            QCOMPARE(reader.format(), format == 2 ? QByteArray("jpeg") : QByteArray("png"));
            QCOMPARE(reader.size(), QSize(1250, 1667)); // 600 x 800 pt at 150 dpi
        }
        // The pixels are the page's: compare with an independent renderer.
        const QImage ours(QDir(out).filePath(names.last()));
        const QImage theirs = renderPage(source, pages, 150);
        QCOMPARE(theirs.size(), ours.size());
        QVERIFY(meanDifference(ours, theirs) < 6);
    }

    void extractImages()
    {
        const QString folder = freshFolder(u"extract"_s);
        const QString jpegPdf = photoPdf(QDir(folder).filePath(u"j.pdf"_s), 2, QSize(300, 200),
                                         QSizeF(300, 200), Embedding::Jpeg);
        const QString out = freshFolder(u"extract/j"_s);
        TaskRequest r = request(TaskType::PdfToImage);
        r.inputFiles = {jpegPdf};
        r.outputPath = out;
        r.options = {{u"format"_s, 3}, {u"saveAsSeparateFiles"_s, true}};
        QVERIFY(runTool(TaskType::PdfToImage, r));
        QCOMPARE(visibleFiles(out), (QStringList{u"j_p1_1.jpg"_s, u"j_p2_1.jpg"_s}));
        QString filter;
        QFile first(QDir(out).filePath(u"j_p1_1.jpg"_s));
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), firstImageRawData(jpegPdf, &filter));

        const QString alphaPdf = photoPdf(QDir(folder).filePath(u"f.pdf"_s), 1, QSize(200, 100),
                                          QSizeF(200, 100), Embedding::FlateWithAlpha);
        const QString out2 = freshFolder(u"extract/f"_s);
        r.inputFiles = {alphaPdf};
        r.outputPath = out2;
        QVERIFY(runTool(TaskType::PdfToImage, r));
        QCOMPARE(visibleFiles(out2), QStringList{u"f_p1_1.png"_s});
        const QImage image(QDir(out2).filePath(u"f_p1_1.png"_s));
        QCOMPARE(image.size(), QSize(200, 100));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(150, 50).alpha(), 96);
        QVERIFY(near(image.pixelColor(20, 20), QColor(220, 30, 30), 30));

        // A document without pictures has nothing to extract.
        const QString text = textPdf(QDir(folder).filePath(u"t.pdf"_s), 1);
        const QString out3 = freshFolder(u"extract/t"_s);
        r.inputFiles = {text};
        r.outputPath = out3;
        QVERIFY(!runTool(TaskType::PdfToImage, r));
        QVERIFY(visibleFiles(out3).isEmpty());
    }

    void pdfToImagesFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("needs a password") << u"locked"_s;
        QTest::newRow("not a PDF") << u"garbage"_s;
        QTest::newRow("missing source") << u"missing"_s;
        QTest::newRow("output folder missing") << u"nofolder"_s;
    }

    void pdfToImagesFailures()
    {
        QFETCH(QString, kind);
        const QString folder = freshFolder(u"renderfail-"_s + kind);
        QString source = textPdf(QDir(folder).filePath(u"s.pdf"_s), 2);
        QString out = freshFolder(u"renderfail-"_s + kind + u"/s"_s);
        if (kind == u"locked"_s) {
            QVERIFY(fixtures::encrypt(source, QDir(folder).filePath(u"l.pdf"_s),
                                      fixtures::Scheme::Aes256, u"u"_s, u"o"_s));
            source = QDir(folder).filePath(u"l.pdf"_s);
        }
        if (kind == u"garbage"_s) {
            QFile file(source);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("GIF89a not a pdf");
        }
        if (kind == u"missing"_s)
            source = QDir(folder).filePath(u"absent.pdf"_s);
        if (kind == u"nofolder"_s)
            out = QDir(folder).filePath(u"nowhere"_s);
        TaskRequest r = request(TaskType::PdfToImage);
        r.inputFiles = {source};
        r.outputPath = out;
        r.options = {{u"format"_s, 3}};
        QVERIFY(!runTool(TaskType::PdfToImage, r));
        if (QFileInfo(out).isDir())
            QVERIFY(visibleFiles(out).isEmpty());
    }

    // ---- compress ------------------------------------------------------------------------

    void compressImages_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("embedding");
        QTest::addColumn<int>("maxPpi");
        QTest::newRow("basic, JPEG at 300 ppi") << 0 << int(Embedding::Jpeg) << 155;
        QTest::newRow("strong, JPEG at 300 ppi") << 1 << int(Embedding::Jpeg) << 100;
        QTest::newRow("basic, lossless with alpha") << 0 << int(Embedding::FlateWithAlpha) << 155;
        QTest::newRow("strong, lossless") << 1 << int(Embedding::Flate) << 100;
        QTest::newRow("basic, CMYK JPEG") << 0 << int(Embedding::CmykJpeg) << 155;
    }

    void compressImages()
    {
        QFETCH(int, level);
        QFETCH(int, embedding);
        QFETCH(int, maxPpi);
        const QString folder =
            freshFolder(u"compress-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));
        // 1200 x 900 pixels over 4 x 3 inches: 300 ppi.
        const QString source = photoPdf(QDir(folder).filePath(u"photos.pdf"_s), 2, QSize(1200, 900),
                                        QSizeF(288, 216), Embedding(embedding));
        const QByteArray before = fileHash(source);
        const QString out = QDir(folder).filePath(u"photos(1).pdf"_s);
        TaskRequest r = request(TaskType::Compress);
        r.inputFile = QDir::toNativeSeparators(source);
        r.outputPath = QDir::toNativeSeparators(out);
        r.useSourceFolder = true;
        r.options = {{u"compressLevel"_s, level}, {u"saveOption"_s, 1}};
        QVERIFY(Inkwell::compress(r));
        QCOMPARE(fileHash(source), before);
        QVERIFY(qpdfCheck(out));
        QCOMPARE(pageCount(out), 2);
        QVERIFY(QFileInfo(out).size() < QFileInfo(source).size() / 2);
        bool masked = false;
        for (const ListedImage &image : listImages(out)) {
            if (image.type == u"smask"_s) {
                masked = true;
                continue;
            }
            QVERIFY2(image.xppi <= maxPpi && image.xppi >= maxPpi - 15,
                     qPrintable(QString::number(image.xppi)));
            QCOMPARE(image.encoding, u"jpeg"_s);
        }
        QCOMPARE(masked, embedding == int(Embedding::FlateWithAlpha));
        for (int page = 1; page <= 2; ++page) {
            const QImage after = renderPage(out, page, 48);
            const double difference = meanDifference(renderPage(source, page, 48), after);
            QVERIFY2(difference < 8, qPrintable(QString::number(difference)));
            // The picture's top-left quarter is still red, whatever its colour space.
            const QColor corner = after.pixelColor(72, 60);
            QVERIFY2(near(corner, QColor(220, 30, 30), 70), qPrintable(corner.name()));
        }
    }

    void compressNeverGrows_data()
    {
        QTest::addColumn<int>("saveOption");
        QTest::newRow("new file") << 1;
        QTest::newRow("replace") << 0;
    }

    void compressNeverGrows()
    {
        QFETCH(int, saveOption);
        const QString folder = freshFolder(u"compress-text-%1"_s.arg(saveOption));
        // Low-resolution pictures and text: little or nothing to gain.
        const QString source = photoPdf(QDir(folder).filePath(u"small.pdf"_s), 1, QSize(100, 100),
                                        QSizeF(200, 200), Embedding::Jpeg);
        const qint64 size = QFileInfo(source).size();
        const QString out = QDir(folder).filePath(u"small(1).pdf"_s);
        TaskRequest r = request(TaskType::Compress);
        r.inputFile = source;
        r.outputPath = out;
        r.options = {{u"compressLevel"_s, 1}, {u"saveOption"_s, saveOption}};
        QVERIFY(Inkwell::compress(r));
        const QString result = saveOption == 0 ? source : out;
        QVERIFY(QFileInfo(result).size() <= size);
        QCOMPARE(pageCount(result), 1);
        QCOMPARE(visibleFiles(folder).size(), saveOption == 0 ? 1 : 2);
    }

    void compressReplacesSource()
    {
        const QString folder = freshFolder(u"compress-replace"_s);
        const QString source = photoPdf(QDir(folder).filePath(u"big.pdf"_s), 1, QSize(1600, 1200),
                                        QSizeF(288, 216), Embedding::Jpeg);
        const qint64 size = QFileInfo(source).size();
        TaskRequest r = request(TaskType::Compress);
        r.inputFile = source;
        r.outputPath = QDir(folder).filePath(u"unused.pdf"_s);
        r.options = {{u"compressLevel"_s, 0}, {u"saveOption"_s, 0}};
        QVERIFY(Inkwell::compress(r));
        QVERIFY(QFileInfo(source).size() < size / 2);
        QVERIFY(qpdfCheck(source));
        QCOMPARE(visibleFiles(folder), QStringList{u"big.pdf"_s});
    }

    void compressDropsUnusedAndDuplicateImages()
    {
        const QString folder = freshFolder(u"compress-redundant"_s);
        const QString source = redundantPdf(QDir(folder).filePath(u"r.pdf"_s));
        QCOMPARE(imageObjectCount(source), 3);
        TaskRequest r = request(TaskType::Compress);
        r.inputFile = source;
        r.outputPath = QDir(folder).filePath(u"r(1).pdf"_s);
        r.options = {{u"compressLevel"_s, 0}, {u"saveOption"_s, 1}};
        QVERIFY(Inkwell::compress(r));
        QCOMPARE(imageObjectCount(r.outputPath), 1);
        QCOMPARE(pageCount(r.outputPath), 2);
        for (int page = 1; page <= 2; ++page)
            QVERIFY(meanDifference(renderPage(source, page, 48),
                                   renderPage(r.outputPath, page, 48)) < 2);
    }

    void compressFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("needs a password") << u"locked"_s;
        QTest::newRow("not a PDF") << u"garbage"_s;
        QTest::newRow("missing source") << u"missing"_s;
        QTest::newRow("output equals source") << u"same"_s;
        QTest::newRow("output folder missing") << u"nofolder"_s;
    }

    void compressFailures()
    {
        QFETCH(QString, kind);
        const QString folder = freshFolder(u"compressfail-"_s + kind);
        QString source = textPdf(QDir(folder).filePath(u"s.pdf"_s), 1);
        QString out = QDir(folder).filePath(u"s(1).pdf"_s);
        if (kind == u"locked"_s) {
            QVERIFY(fixtures::encrypt(source, QDir(folder).filePath(u"l.pdf"_s),
                                      fixtures::Scheme::Aes128, u"u"_s, u"o"_s));
            source = QDir(folder).filePath(u"l.pdf"_s);
        }
        if (kind == u"garbage"_s) {
            QFile file(source);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("not a pdf");
        }
        if (kind == u"missing"_s)
            source = QDir(folder).filePath(u"absent.pdf"_s);
        if (kind == u"same"_s)
            out = source;
        if (kind == u"nofolder"_s)
            out = QDir(folder).filePath(u"nowhere/s.pdf"_s);
        const QStringList before = visibleFiles(folder);
        const QByteArray hash = fileHash(source);
        TaskRequest r = request(TaskType::Compress);
        r.inputFile = source;
        r.outputPath = out;
        r.options = {{u"compressLevel"_s, 0}, {u"saveOption"_s, 1}};
        QVERIFY(!Inkwell::compress(r));
        QCOMPARE(visibleFiles(folder), before);
        QCOMPARE(fileHash(source), hash);
    }

    // A name that was free when the job was named and is taken when it finishes: the engine
    // moves on to the next free name and says which it wrote; the other file stays as it was.
    // A killed job leaves nothing: until it is placed, the output has no name in the folder.
    void stagedOutputHasNoNameUntilPlaced_data()
    {
        QTest::addColumn<QString>("end"); // commit, replace or drop
        QTest::addColumn<QStringList>("after");
        QTest::newRow("placed beside a file")
            << u"commit"_s << QStringList{u"a(1).pdf"_s, u"a.pdf"_s};
        QTest::newRow("replacing its source") << u"replace"_s << QStringList{u"a.pdf"_s};
        QTest::newRow("given up") << u"drop"_s << QStringList{u"a.pdf"_s};
    }

    void stagedOutputHasNoNameUntilPlaced()
    {
        QFETCH(QString, end);
        QFETCH(QStringList, after);
        const QString folder =
            freshFolder(u"staged-%1"_s.arg(QString::fromUtf8(QTest::currentDataTag())));
        const QString existing = QDir(folder).filePath(u"a.pdf"_s);
        QVERIFY(writeBytes(existing, "old"));
        {
            StagedFile staged(folder);
            QVERIFY(staged.isValid());
            QFile file(staged.path());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(file.write("new bytes"), 9);
            file.close();
            QCOMPARE(visibleFiles(folder), QStringList{u"a.pdf"_s});
            if (end == u"commit"_s) {
                QVERIFY(staged.commitTo(existing));
                QCOMPARE(staged.placedPath(), QDir(folder).filePath(u"a(1).pdf"_s));
            } else if (end == u"replace"_s) {
                QVERIFY(staged.replace(existing));
            }
        }
        QCOMPARE(visibleFiles(folder), after);
        QCOMPARE(readBytes(existing),
                 end == u"replace"_s ? QByteArray("new bytes") : QByteArray("old"));
        if (end == u"commit"_s)
            QCOMPARE(readBytes(QDir(folder).filePath(u"a(1).pdf"_s)), QByteArray("new bytes"));
    }

    void neverReplacesAFileItDidNotReserve_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("taken");   // what appeared meanwhile
        QTest::addColumn<QString>("written"); // where the output went instead
        QTest::newRow("compress") << int(TaskType::Compress) << u"s(1).pdf"_s << u"s(2).pdf"_s;
        QTest::newRow("merge") << int(TaskType::Merge) << u"pdf_merge.pdf"_s
                               << u"pdf_merge(1).pdf"_s;
        QTest::newRow("images") << int(TaskType::ImageToPdf) << u"p.pdf"_s << u"p(1).pdf"_s;
        QTest::newRow("encrypt") << int(TaskType::Encrypt) << u"out/s.pdf"_s << u"out/s(1).pdf"_s;
        QTest::newRow("page images")
            << int(TaskType::PdfToImage) << u"s/s_1.png"_s << u"s/s_1(1).png"_s;
        QTest::newRow("reserved by another job")
            << int(TaskType::Compress) << u"reserved:s(1).pdf"_s << u"s(2).pdf"_s;
    }

    void neverReplacesAFileItDidNotReserve()
    {
        QFETCH(int, type);
        QFETCH(QString, taken);
        QFETCH(QString, written);
        const QString folder =
            freshFolder(u"taken-"_s + QString::fromLatin1(QTest::currentDataTag()));
        const QDir dir(folder);
        const QString source = textPdf(dir.filePath(u"s.pdf"_s), 1);
        QVERIFY(picture(QSize(40, 30)).save(dir.filePath(u"p.png"_s)));
        dir.mkpath(u"out"_s);
        dir.mkpath(u"s"_s);
        const bool reserved = taken.startsWith(u"reserved:"_s);
        const QString foreign = dir.filePath(taken.mid(reserved ? 9 : 0));
        if (reserved) {
            QVERIFY(Inkwell::reserveOutput(foreign, u"{other}"_s));
        } else {
            QFile file(foreign);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("someone else's") > 0);
        }
        TaskRequest r = request(type);
        r.taskId = u"{job}"_s;
        r.inputFiles = {type == TaskType::ImageToPdf ? dir.filePath(u"p.png"_s) : source};
        if (type == TaskType::Merge)
            r.inputFiles.append(source);
        r.inputFile = type == TaskType::Compress || type == TaskType::Encrypt ? source : QString();
        r.outputPath = type == TaskType::Encrypt      ? dir.filePath(u"out"_s)
                       : type == TaskType::PdfToImage ? dir.filePath(u"s"_s)
                       : type == TaskType::Compress   ? dir.filePath(u"s(1).pdf"_s)
                                                      : foreign;
        r.options = {{u"saveOption"_s, 1}, {u"password"_s, u"pw"_s}, {u"format"_s, 3}};
        const bool done = type == TaskType::Compress     ? Inkwell::compress(r)
                          : type == TaskType::ImageToPdf ? Inkwell::imageToPdf(r)
                                                         : Inkwell::CreateTool(type)->execute(r);
        Inkwell::releaseOutputs(u"{other}"_s);
        QVERIFY(done);
        if (!reserved)
            QCOMPARE(fileHash(foreign),
                     QCryptographicHash::hash("someone else's", QCryptographicHash::Sha256));
        QVERIFY(QFileInfo(dir.filePath(written)).size() > 0);
        if (type != TaskType::PdfToImage)
            QCOMPARE(Inkwell::lastOutcome().writtenPath, dir.filePath(written));
    }
};

VELMORA_REGISTER_TEST(TestBatchOperations);
#include "tst_batchoperations.moc"
