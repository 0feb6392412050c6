#include "pdffixtures.h"
#include "pdfsignatures.h"
#include "taskstatus.h"
#include "testregistry.h"
#include "worklane.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace fixtures;

// Every operation driven through the task centre, as the tool pages drive it.
class TestBatchJobs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QHash<QString, int> m_final;
    QHash<QString, QString> m_errors;

    QString file(const QString &name) const { return m_dir.filePath(name); }

    int finalStatusOf(const QString &id)
    {
        if (!QTest::qWaitFor([&] { return m_final.contains(id); }, 120000))
            return -1;
        return m_final.value(id);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        connect(&Worklane::instance(), &Worklane::taskStatus, this,
                [this](const QString &id, int status) {
                    if (status >= TaskStatus::Completed)
                        m_final.insert(id, status);
                });
        connect(&Worklane::instance(), &Worklane::taskError, this,
                [this](const QString &id, const QString &text) { m_errors.insert(id, text); });
    }

    void everyOperation()
    {
        const QString a = textPdf(file(u"a.pdf"_s), 2);
        const QString b = textPdf(file(u"b.pdf"_s), 3);
        const QString photos =
            photoPdf(file(u"photos.pdf"_s), 2, QSize(1200, 900), QSizeF(288, 216), Embedding::Jpeg);
        const QString png = file(u"pic.png"_s);
        QVERIFY(picture(QSize(64, 48)).save(png));
        QDir(m_dir.path()).mkpath(u"enc"_s);
        QDir(m_dir.path()).mkpath(u"a"_s);

        TaskRequest merge;
        merge.type = TaskType::Merge;
        merge.inputFiles = {a, b};
        merge.outputPath = file(u"pdf_merge.pdf"_s);

        TaskRequest compress;
        compress.type = TaskType::Compress;
        compress.inputFile = QDir::toNativeSeparators(photos);
        compress.outputPath = file(u"photos(1).pdf"_s);
        compress.useSourceFolder = true;
        compress.options = {{u"compressLevel"_s, 1}, {u"saveOption"_s, 1}};

        TaskRequest encrypt;
        encrypt.type = TaskType::Encrypt;
        encrypt.inputFiles = {b};
        encrypt.inputFile = b;
        encrypt.outputPath = file(u"enc"_s);
        encrypt.options = {{u"password"_s, u"pw"_s}, {u"saveOption"_s, 1}};

        TaskRequest images;
        images.type = TaskType::ImageToPdf;
        images.inputFiles = {png};
        images.outputPath = file(u"pic.pdf"_s);
        images.options = {{u"pageSize"_s, 0},
                          {u"pageMargin"_s, 1},
                          {u"pageOrientation"_s, 0},
                          {u"singlePdf"_s, false}};

        TaskRequest render;
        render.type = TaskType::PdfToImage;
        render.inputFiles = {a};
        render.outputPath = file(u"a"_s);
        render.options = {{u"format"_s, 3}, {u"saveAsSeparateFiles"_s, false}};

        TaskRequest broken = compress;
        broken.inputFile = file(u"absent.pdf"_s);

        Worklane &lane = Worklane::instance();
        const QString mergeId = lane.submitTask(merge);
        const QString compressId = lane.submitTask(compress);
        const QString encryptId = lane.submitTask(encrypt);
        const QString imagesId = lane.submitTask(images);
        const QString renderId = lane.submitTask(render);
        const QString brokenId = lane.submitTask(broken);

        QCOMPARE(finalStatusOf(mergeId), int(TaskStatus::Completed));
        QCOMPARE(pageCount(merge.outputPath), 5);
        QCOMPARE(finalStatusOf(compressId), int(TaskStatus::Completed));
        QVERIFY(QFileInfo(compress.outputPath).size() < QFileInfo(photos).size());
        QCOMPARE(finalStatusOf(encryptId), int(TaskStatus::Completed));
        QCOMPARE(encryptionRevision(file(u"enc/b.pdf"_s), u"pw"_s), 6);
        QCOMPARE(finalStatusOf(imagesId), int(TaskStatus::Completed));
        QCOMPARE(pageCount(images.outputPath), 1);
        QCOMPARE(finalStatusOf(renderId), int(TaskStatus::Completed));
        QCOMPARE(QDir(file(u"a"_s)).entryList(QDir::Files),
                 (QStringList{u"a_1.png"_s, u"a_2.png"_s}));
        QCOMPARE(finalStatusOf(brokenId), int(TaskStatus::Failed));

        // Unlock what was encrypted, through the centre as well.
        TaskRequest unlock;
        unlock.type = TaskType::Decrypt;
        unlock.inputFile = file(u"enc/b.pdf"_s);
        unlock.outputPath = file(u"enc"_s);
        unlock.options = {{u"password"_s, u"pw"_s}, {u"saveOption"_s, 1}};
        QCOMPARE(finalStatusOf(lane.submitTask(unlock)), int(TaskStatus::Completed));
        QCOMPARE(encryptionRevision(file(u"enc/b(1).pdf"_s), QString()), 0);
        QVERIFY(lane.liveTaskIds().isEmpty());
    }

    void parallelCompressJobsReportTheirOwnResults()
    {
        QStringList ids;
        QStringList sources;
        for (int i = 0; i < 4; ++i) {
            sources.append(photoPdf(file(u"p%1.pdf"_s.arg(i)), 1, QSize(900, 600), QSizeF(200, 150),
                                    Embedding::Flate));
            TaskRequest r;
            r.type = TaskType::Compress;
            r.inputFile = sources.last();
            // Every other job names its own source as output and must fail alone.
            r.outputPath = i % 2 ? sources.last() : file(u"p%1(1).pdf"_s.arg(i));
            r.options = {{u"compressLevel"_s, 0}, {u"saveOption"_s, 1}};
            ids.append(Worklane::instance().submitTask(r));
        }
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(finalStatusOf(ids[i]),
                     int(i % 2 ? TaskStatus::Failed : TaskStatus::Completed));
            QCOMPARE(pageCount(sources[i]), 1);
        }
    }

    // Each failure names its reason on the way to its row, and leaves the folder as it was.
    void failureReasons_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("reason");
        // The input a page may leave out to go on, as listed; empty where none is named.
        QTest::addColumn<QString>("failedInput");
        QTest::newRow("wrong password") << int(TaskType::Decrypt) << u"locked.pdf"_s << u"bad"_s
                                        << u"."_s << u"密码不正确"_s << u"locked.pdf"_s;
        QTest::newRow("unlock without password")
            << int(TaskType::Decrypt) << u"locked.pdf"_s << QString() << u"."_s
            << u"文件受密码保护，需要密码：locked.pdf"_s << u"locked.pdf"_s;
        QTest::newRow("unlock of a file without password")
            << int(TaskType::Decrypt) << u"plain.pdf"_s << u"pw"_s << u"."_s << u"此文件没有密码"_s
            << QString();
        QTest::newRow("encrypt of a file that needs its password")
            << int(TaskType::Encrypt) << u"locked.pdf"_s << u"new"_s << u"out"_s
            << u"文件受密码保护，需要密码：locked.pdf"_s << u"locked.pdf"_s;
        QTest::newRow("password needed")
            << int(TaskType::Compress) << u"locked.pdf"_s << QString() << u"locked(1).pdf"_s
            << u"文件受密码保护，需要密码：locked.pdf"_s << u"locked.pdf"_s;
        QTest::newRow("not a PDF")
            << int(TaskType::Merge) << u"plain.pdf,notes.pdf"_s << QString() << u"pdf_merge.pdf"_s
            << u"不是PDF文件或文件已损坏：notes.pdf"_s << u"notes.pdf"_s;
        QTest::newRow("unreadable image")
            << int(TaskType::ImageToPdf) << u"pic.png,bad.png"_s << QString() << u"pic.pdf"_s
            << u"无法读取图像：bad.png"_s << u"bad.png"_s;
        QTest::newRow("output folder missing")
            << int(TaskType::Encrypt) << u"plain.pdf"_s << u"pw"_s << u"nowhere"_s
            << u"输出文件夹不存在"_s << QString();
        QTest::newRow("missing source")
            << int(TaskType::PdfToImage) << u"missing.pdf"_s << QString() << u"."_s
            << u"找不到文件：missing.pdf"_s << u"missing.pdf"_s;
    }

    void failureReasons()
    {
        QFETCH(int, type);
        QFETCH(QString, input);
        QFETCH(QString, password);
        QFETCH(QString, output);
        QFETCH(QString, reason);
        QFETCH(QString, failedInput);
        const QDir dir(file(u"reasons-"_s + QString::fromLatin1(QTest::currentDataTag())));
        QVERIFY(dir.mkpath(u"out"_s));
        textPdf(dir.filePath(u"plain.pdf"_s), 1);
        QVERIFY(fixtures::encrypt(dir.filePath(u"plain.pdf"_s), dir.filePath(u"locked.pdf"_s),
                                  fixtures::Scheme::Aes256, u"pw"_s, u"pw"_s));
        QFile notes(dir.filePath(u"notes.pdf"_s));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("meeting notes, not a PDF") > 0);
        notes.copy(dir.filePath(u"bad.png"_s));
        QVERIFY(picture(QSize(20, 20)).save(dir.filePath(u"pic.png"_s)));
        const QStringList before =
            dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        TaskRequest r;
        r.type = type;
        for (const QString &name : input.split(u','))
            r.inputFiles.append(dir.filePath(name));
        if (type == TaskType::Compress || type == TaskType::Decrypt || type == TaskType::Encrypt)
            r.inputFile = r.inputFiles.constFirst();
        r.outputPath = QDir::cleanPath(dir.filePath(output));
        r.options = {{u"password"_s, password}, {u"saveOption"_s, 1}};
        QString named;
        const QMetaObject::Connection watch =
            connect(&Worklane::instance(), &Worklane::taskInputFailed, this,
                    [&named](const QString &, const QString &input) { named = input; });
        const QString id = Worklane::instance().submitTask(r);
        QCOMPARE(finalStatusOf(id), int(TaskStatus::Failed));
        disconnect(watch);
        QCOMPARE(m_errors.value(id), reason);
        QCOMPARE(named, failedInput.isEmpty() ? QString() : dir.filePath(failedInput));
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }

    // Jobs that write a PDF anew name on their row the signed inputs whose signatures the
    // output does not carry, also when the job replaced the signed original.
    void signedInputsNamed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<int>("saveOption");
        QTest::addColumn<QString>("named"); // empty: no note
        QTest::newRow("merge") << int(TaskType::Merge) << u"plain.pdf,signed.pdf"_s << 1
                               << u"signed.pdf"_s;
        QTest::newRow("compress, replacing the original")
            << int(TaskType::Compress) << u"signed.pdf"_s << 0 << u"signed.pdf"_s;
        QTest::newRow("encrypt") << int(TaskType::Encrypt) << u"signed.pdf"_s << 1
                                 << u"signed.pdf"_s;
        QTest::newRow("nothing signed")
            << int(TaskType::Merge) << u"plain.pdf,plain2.pdf"_s << 1 << QString();
        QTest::newRow("pages to images")
            << int(TaskType::PdfToImage) << u"signed.pdf"_s << 1 << QString();
    }

    void signedInputsNamed()
    {
        QFETCH(int, type);
        QFETCH(QString, inputs);
        QFETCH(int, saveOption);
        QFETCH(QString, named);
        const QDir dir(file(u"signed-"_s + QString::fromLatin1(QTest::currentDataTag())));
        QVERIFY(dir.mkpath(u"out"_s));
        textPdf(dir.filePath(u"plain.pdf"_s), 1);
        textPdf(dir.filePath(u"plain2.pdf"_s), 1);
        textPdf(dir.filePath(u"unsigned.pdf"_s), 2);
        // The engine's own signer makes the signed input (tst_signatures checks it with pdfsig).
        const QString key = dir.filePath(u"key.pem"_s);
        const QString cert = dir.filePath(u"cert.pem"_s);
        const QString p12 = dir.filePath(u"id.p12"_s);
        QVERIFY(run(u"openssl"_s,
                    {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-subj"_s,
                     u"/CN=Row Test"_s, u"-days"_s, u"30"_s, u"-keyout"_s, key, u"-out"_s, cert}));
        QVERIFY(run(u"openssl"_s, {u"pkcs12"_s, u"-export"_s, u"-inkey"_s, key, u"-in"_s, cert,
                                   u"-out"_s, p12, u"-passout"_s, u"pass:pw"_s}));
        PdfSignOptions options;
        options.certificatePath = p12;
        options.certificatePassword = u"pw"_s;
        QString written;
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY2(PdfSignatures::sign(dir.filePath(u"unsigned.pdf"_s), {}, options,
                                     dir.filePath(u"signed.pdf"_s), false, &written, &error,
                                     &message),
                 qPrintable(message));

        TaskRequest r;
        r.type = type;
        for (const QString &name : inputs.split(u','))
            r.inputFiles.append(dir.filePath(name));
        if (type != TaskType::Merge)
            r.inputFile = r.inputFiles.constFirst();
        r.outputPath = type == TaskType::Merge      ? dir.filePath(u"out/merged.pdf"_s)
                       : type == TaskType::Compress ? dir.filePath(u"out/small.pdf"_s)
                                                    : dir.filePath(u"out"_s);
        r.options = {{u"password"_s, u"pw"_s},
                     {u"saveOption"_s, saveOption},
                     {u"compressLevel"_s, 0},
                     {u"format"_s, 3}};
        QString note;
        const QMetaObject::Connection watch =
            connect(&Worklane::instance(), &Worklane::taskNote, this,
                    [&note](const QString &, const QString &text) { note = text; });
        const QString id = Worklane::instance().submitTask(r);
        QCOMPARE(finalStatusOf(id), int(TaskStatus::Completed));
        disconnect(watch);
        if (named.isEmpty()) {
            QVERIFY2(note.isEmpty(), qPrintable(note));
        } else {
            QVERIFY2(note.contains(named), qPrintable(note));
            QVERIFY(!note.contains(u"plain"_s));
        }
    }

    // A job cancelled while it runs stops, and what it had begun to write is gone.
    void cancelRunningJob()
    {
        const QString source = textPdf(file(u"long.pdf"_s), 400);
        QVERIFY(QDir(m_dir.path()).mkpath(u"long"_s));
        TaskRequest r;
        r.type = TaskType::PdfToImage;
        r.inputFiles = {source};
        r.outputPath = file(u"long"_s);
        r.options = {{u"format"_s, 3}};
        bool running = false;
        QString id;
        auto watch = connect(&Worklane::instance(), &Worklane::taskStatus, this,
                             [&](const QString &task, int status) {
                                 if (task == id && status == TaskStatus::Running)
                                     running = true;
                             });
        id = Worklane::instance().submitTask(r);
        QVERIFY(Worklane::instance().isOutputReserved(r.outputPath));
        QVERIFY(QTest::qWaitFor([&] { return running; }, 30000));
        QTest::qWait(300);
        Worklane::instance().cancelTask(id);
        disconnect(watch);
        QCOMPARE(finalStatusOf(id), int(TaskStatus::Cancelled));
        QVERIFY(!QFileInfo::exists(r.outputPath));
        QVERIFY(!Worklane::instance().isOutputReserved(r.outputPath));
    }
};

VELMORA_REGISTER_TEST(TestBatchJobs);
#include "tst_batchjobs.moc"
