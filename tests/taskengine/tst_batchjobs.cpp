#include "batchfixtures.h"
#include "taskstatus.h"
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
                    if (status == TaskStatus::Completed || status == TaskStatus::Failed)
                        m_final.insert(id, status);
                });
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
};

QTEST_MAIN(TestBatchJobs)
#include "tst_batchjobs.moc"
