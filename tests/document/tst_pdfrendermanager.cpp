#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfrendermanager.h"
#include "testregistry.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The answers one manager gave, by request id.
class Answers : public QObject
{
public:
    explicit Answers(PdfRenderManager *manager)
    {
        connect(manager, &PdfRenderManager::pageRendered, this,
                [this](PdfPageId pageId, QSize size, PdfRenderPurpose purpose, qulonglong requestId,
                       qulonglong revision, const QImage &image) {
                    rendered.insert(requestId, {pageId, size, purpose, revision, image});
                    order << requestId;
                });
        connect(manager, &PdfRenderManager::pageRenderFailed, this,
                [this](PdfPageId pageId, PdfRenderPurpose purpose, qulonglong requestId,
                       const QString &message) {
                    failed.insert(requestId, {pageId, purpose, message});
                    order << requestId;
                });
    }

    struct Rendered
    {
        PdfPageId pageId;
        QSize size;
        PdfRenderPurpose purpose;
        quint64 revision;
        QImage image;
    };
    struct Failed
    {
        PdfPageId pageId;
        PdfRenderPurpose purpose;
        QString message;
    };
    bool has(quint64 requestId) const
    {
        return rendered.contains(requestId) || failed.contains(requestId);
    }
    int count() const { return int(order.size()); }

    QHash<quint64, Rendered> rendered;
    QHash<quint64, Failed> failed;
    QList<quint64> order;
};

QColor pageColour(int page)
{
    return QColor::fromHsv((page * 67) % 360, 200, 230);
}

bool near(QColor a, QColor b)
{
    return fixtures::near(a, b, 12);
}

} // namespace

class TestPdfRenderManager : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_coloured; // six pages, each filled with pageColour(i)
    int m_copies = 0;

    // A private copy of the test document, so a test may delete it to tell cache from engine.
    QString freshCopy()
    {
        const QString path = m_dir.filePath(u"copy%1.pdf"_s.arg(++m_copies));
        return QFile::copy(m_coloured, path) ? path : QString();
    }

    static QList<PdfPageEntry> entriesOf(const QString &path)
    {
        PdfDocumentModel model;
        if (!model.loadDocument(path, QString(), nullptr, nullptr))
            qWarning("loading the test document failed");
        return model.pages();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_coloured = m_dir.filePath(u"coloured.pdf"_s);
        fixtures::DocumentSpec spec;
        for (int i = 0; i < 6; ++i)
            spec.pages.append(
                {i == 2 ? QSizeF(842, 595) : QSizeF(595, 842), 0, pageColour(i), {}, false});
        QVERIFY(fixtures::write(spec, m_coloured));
    }

    void poolIsSmallAndPrivate()
    {
        PdfRenderManager manager;
        QVERIFY(manager.maxThreadCount() >= 2 && manager.maxThreadCount() <= 4);
        QVERIFY(QMetaType::fromName("PdfRenderPurpose").isValid());
    }

    void rendersAtTheRequestedSize_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("purpose");
        QTest::newRow("thumbnail") << 0 << 0 << QSize(136, 166) << int(PdfRenderPurpose::Thumbnail);
        QTest::newRow("page at 150 dpi")
            << 1 << 0 << QSize(1240, 1754) << int(PdfRenderPurpose::Page);
        QTest::newRow("landscape page") << 2 << 0 << QSize(300, 212) << int(PdfRenderPurpose::Page);
        QTest::newRow("rotated") << 3 << 90 << QSize(166, 136) << int(PdfRenderPurpose::Thumbnail);
        QTest::newRow("one pixel") << 4 << 0 << QSize(1, 1) << int(PdfRenderPurpose::Thumbnail);
        QTest::newRow("stretched") << 5 << 180 << QSize(50, 400) << int(PdfRenderPurpose::Page);
    }
    void rendersAtTheRequestedSize()
    {
        QFETCH(int, page);
        QFETCH(int, rotation);
        QFETCH(QSize, size);
        QFETCH(int, purpose);
        PdfRenderManager manager;
        Answers answers(&manager);
        PdfPageEntry entry = entriesOf(m_coloured).value(page);
        entry.rotation = rotation;

        const quint64 id = manager.requestRender(entry, size, PdfRenderPurpose(purpose), 77, 10);
        QVERIFY(id != 0);
        QTRY_VERIFY(answers.has(id));
        QVERIFY2(answers.failed.isEmpty(), qPrintable(answers.failed.value(id).message));
        const Answers::Rendered rendered = answers.rendered.value(id);
        QCOMPARE(rendered.pageId, entry.id);
        QCOMPARE(rendered.size, size);
        QCOMPARE(rendered.purpose, PdfRenderPurpose(purpose));
        QCOMPARE(rendered.revision, 77u);
        QCOMPARE(rendered.image.size(), size);
        const QColor centre = rendered.image.pixelColor(size.width() / 2, size.height() / 2);
        QVERIFY2(near(centre, pageColour(page)), qPrintable(centre.name()));
    }

    void blankPageRenders()
    {
        PdfRenderManager manager;
        Answers answers(&manager);
        PdfPageEntry blank;
        blank.id = 9;
        blank.pageSize = QSizeF(595, 842);
        blank.origin = PdfPageOrigin::Blank;
        const quint64 id =
            manager.requestRender(blank, QSize(60, 85), PdfRenderPurpose::Thumbnail, 1, 0);
        QTRY_VERIFY(answers.has(id));
        QCOMPARE(answers.rendered.value(id).image.size(), QSize(60, 85));
    }

    void batchAnswersEveryPage_data()
    {
        QTest::addColumn<int>("repeats");
        QTest::addColumn<QSize>("size");
        QTest::newRow("document of thumbnails") << 1 << QSize(40, 56);
        QTest::newRow("many thumbnails") << 5 << QSize(68, 83);
        QTest::newRow("large pages") << 2 << QSize(1100, 1560);
    }
    void batchAnswersEveryPage()
    {
        QFETCH(int, repeats);
        QFETCH(QSize, size);
        PdfRenderManager manager;
        Answers answers(&manager);
        const QList<PdfPageEntry> pages = entriesOf(m_coloured);
        QList<PdfPageEntry> entries;
        for (int i = 0; i < repeats; ++i)
            entries << pages;
        const QList<QSize> sizes(entries.size(), size);
        const QList<quint64> ids =
            manager.requestRenders(entries, sizes, PdfRenderPurpose::Thumbnail, 3, 8);
        QCOMPARE(ids.size(), entries.size());
        QCOMPARE(QSet<quint64>(ids.begin(), ids.end()).size(), ids.size());
        QTRY_COMPARE(answers.count(), int(entries.size()));
        QVERIFY(answers.failed.isEmpty());
        for (int i = 0; i < ids.size(); ++i) {
            QVERIFY(ids.at(i) != 0);
            const Answers::Rendered rendered = answers.rendered.value(ids.at(i));
            QCOMPARE(rendered.pageId, entries.at(i).id);
            QCOMPARE(rendered.image.size(), size);
            QVERIFY(near(rendered.image.pixelColor(size.width() / 2, size.height() / 2),
                         pageColour(i % int(pages.size()))));
        }
    }

    // The source file is deleted after the first answer: whatever still renders came from the
    // cache.
    void cacheKey_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("purpose");
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<bool>("fromCache");
        QTest::newRow("same request") << 0 << QSize(100, 140) << 0 << false << true;
        QTest::newRow("duplicate entry") << 0 << QSize(100, 140) << 0 << true << true;
        QTest::newRow("rotated") << 90 << QSize(100, 140) << 0 << false << false;
        QTest::newRow("other size") << 0 << QSize(100, 141) << 0 << false << false;
        QTest::newRow("other purpose") << 0 << QSize(100, 140) << 1 << false << false;
    }
    void cacheKey()
    {
        QFETCH(int, rotation);
        QFETCH(QSize, size);
        QFETCH(int, purpose);
        QFETCH(bool, duplicate);
        QFETCH(bool, fromCache);
        const QString path = freshCopy();
        QVERIFY(!path.isEmpty());
        PdfDocumentModel model;
        QVERIFY(model.loadDocument(path, QString(), nullptr, nullptr));
        PdfRenderManager manager;
        Answers answers(&manager);

        const PdfPageEntry entry = *model.pageAt(1);
        const quint64 first =
            manager.requestRender(entry, QSize(100, 140), PdfRenderPurpose::Thumbnail, 1, 0);
        QTRY_VERIFY(answers.has(first));
        QVERIFY(answers.rendered.contains(first));
        QVERIFY(manager.waitForIdle());
        QVERIFY(QFile::remove(path));

        PdfPageEntry second = entry;
        if (duplicate)
            second = *model.pageAt(model.rowOfPage(model.duplicatePages({entry.id}).first()));
        second.rotation = rotation;
        const quint64 again = manager.requestRender(second, size, PdfRenderPurpose(purpose), 2, 0);
        QVERIFY(again != first);
        // Even a cached answer arrives only after the request has returned.
        QCOMPARE(answers.count(), 1);
        QTRY_VERIFY(answers.has(again));
        QCOMPARE(answers.rendered.contains(again), fromCache);
        if (fromCache) {
            QCOMPARE(answers.rendered.value(again).pageId, second.id);
            QCOMPARE(answers.rendered.value(again).revision, 2u);
            QCOMPARE(answers.rendered.value(again).image, answers.rendered.value(first).image);
        } else {
            QCOMPARE(answers.failed.value(again).pageId, second.id);
        }
    }

    void clearCacheForgetsImages()
    {
        const QString path = freshCopy();
        PdfRenderManager manager;
        Answers answers(&manager);
        const PdfPageEntry entry = entriesOf(path).value(0);
        const quint64 first =
            manager.requestRender(entry, QSize(30, 40), PdfRenderPurpose::Page, 1, 0);
        QTRY_VERIFY(answers.has(first));
        QVERIFY(manager.waitForIdle());
        QVERIFY(QFile::remove(path));
        manager.clearCache();
        const quint64 again =
            manager.requestRender(entry, QSize(30, 40), PdfRenderPurpose::Page, 1, 0);
        QTRY_VERIFY(answers.has(again));
        QVERIFY(answers.failed.contains(again));
    }

    void requestsWithoutWork_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::addColumn<QList<bool>>("idAssigned");
        QTest::newRow("empty size") << 1 << QList<QSize>{QSize(0, 100)} << QList<bool>{true};
        QTest::newRow("negative size")
            << 2 << QList<QSize>{QSize(-1, 5), QSize(5, 0)} << QList<bool>{true, true};
        QTest::newRow("more entries than sizes")
            << 3 << QList<QSize>{QSize(10, 10), QSize(10, 10)} << QList<bool>{false, false, false};
        QTest::newRow("more sizes than entries")
            << 1 << QList<QSize>{QSize(10, 10), QSize(10, 10)} << QList<bool>{false};
        QTest::newRow("nothing") << 0 << QList<QSize>{} << QList<bool>{};
    }
    void requestsWithoutWork()
    {
        QFETCH(int, entries);
        QFETCH(QList<QSize>, sizes);
        QFETCH(QList<bool>, idAssigned);
        PdfRenderManager manager;
        Answers answers(&manager);
        const QList<PdfPageEntry> pages = entriesOf(m_coloured).mid(0, entries);
        const QList<quint64> ids =
            manager.requestRenders(pages, sizes, PdfRenderPurpose::Thumbnail, 1, 0);
        QCOMPARE(ids.size(), idAssigned.size());
        for (int i = 0; i < ids.size(); ++i)
            QCOMPARE(ids.at(i) != 0, idAssigned.at(i));

        // A real request afterwards: once it is answered and the pool is idle, nothing else came.
        const quint64 probe = manager.requestRender(pages.value(0, entriesOf(m_coloured).first()),
                                                    QSize(8, 8), PdfRenderPurpose::Page, 1, 0);
        QTRY_VERIFY(answers.has(probe));
        QVERIFY(manager.waitForIdle());
        QCoreApplication::processEvents();
        QCOMPARE(answers.order, QList<quint64>({probe}));
        if (entries == 1 && idAssigned.value(0))
            QCOMPARE(probe, ids.first() + 1);
    }

    void failingPagesReportFailure_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("pageIndex");
        QTest::newRow("missing file") << u"nowhere.pdf"_s << 0;
        QTest::newRow("page past the end") << u"coloured.pdf"_s << 6;
        QTest::newRow("not a PDF") << u"junk.pdf"_s << 0;
    }
    void failingPagesReportFailure()
    {
        QFETCH(QString, file);
        QFETCH(int, pageIndex);
        QFile junk(m_dir.filePath(u"junk.pdf"_s));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a document at all");
        junk.close();

        PdfRenderManager manager;
        Answers answers(&manager);
        PdfPageEntry good = entriesOf(m_coloured).first();
        PdfPageEntry bad = good;
        bad.id = 1234;
        bad.sourcePath = m_dir.filePath(file);
        bad.sourcePageIndex = pageIndex;
        const QList<quint64> ids = manager.requestRenders(
            {bad, good}, {QSize(20, 20), QSize(20, 20)}, PdfRenderPurpose::Page, 5, 0);
        QTRY_COMPARE(answers.count(), 2);
        QVERIFY(answers.failed.contains(ids.at(0)));
        QCOMPARE(answers.failed.value(ids.at(0)).pageId, PdfPageId(1234));
        QCOMPARE(answers.failed.value(ids.at(0)).purpose, PdfRenderPurpose::Page);
        QVERIFY(!answers.failed.value(ids.at(0)).message.isEmpty());
        QVERIFY(answers.rendered.contains(ids.at(1)));
    }

    // Whatever was running or queued when cancelPending came must never be answered.
    void cancelPendingDropsResults_data()
    {
        QTest::addColumn<int>("answersBeforeCancel");
        QTest::newRow("at once") << 0;
        QTest::newRow("after the first answer") << 1;
        QTest::newRow("after a few answers") << 5;
    }
    void cancelPendingDropsResults()
    {
        QFETCH(int, answersBeforeCancel);
        const QList<PdfPageEntry> pages = entriesOf(m_coloured);
        for (int round = 0; round < 10; ++round) {
            PdfRenderManager manager;
            Answers answers(&manager);
            QList<PdfPageEntry> entries;
            QList<QSize> sizes;
            for (int i = 0; i < 120; ++i) {
                entries << pages.at(i % pages.size());
                sizes << QSize(700 + i, 990 + round);
            }
            manager.requestRenders(entries, sizes, PdfRenderPurpose::Page, 1, 0);
            if (answersBeforeCancel > 0) {
                QVERIFY(
                    QTest::qWaitFor([&] { return answers.count() >= answersBeforeCancel; }, 20000));
            }
            const int before = answers.count();
            manager.cancelPending();
            QVERIFY(manager.waitForIdle());
            QCoreApplication::processEvents();
            QCOMPARE(answers.count(), before);
            QVERIFY(answers.count() < 120);

            // The manager stays usable.
            const quint64 later =
                manager.requestRender(pages.first(), QSize(10, 10), PdfRenderPurpose::Page, 2, 0);
            QTRY_VERIFY(answers.has(later));
        }
    }

    void cancelKeepsCachedAnswers()
    {
        PdfRenderManager manager;
        Answers answers(&manager);
        const PdfPageEntry entry = entriesOf(m_coloured).first();
        const quint64 first =
            manager.requestRender(entry, QSize(12, 12), PdfRenderPurpose::Page, 1, 0);
        QTRY_VERIFY(answers.has(first));
        const quint64 cached =
            manager.requestRender(entry, QSize(12, 12), PdfRenderPurpose::Page, 1, 0);
        manager.cancelPending();
        QTRY_VERIFY(answers.rendered.contains(cached));
    }

    void destructionWhileJobsRun_data()
    {
        QTest::addColumn<int>("answersBeforeDestruction");
        QTest::newRow("at once") << 0;
        QTest::newRow("mid batch") << 2;
    }
    void destructionWhileJobsRun()
    {
        QFETCH(int, answersBeforeDestruction);
        const QList<PdfPageEntry> pages = entriesOf(m_coloured);
        for (int round = 0; round < 25; ++round) {
            auto manager = std::make_unique<PdfRenderManager>();
            Answers answers(manager.get());
            QList<PdfPageEntry> entries;
            QList<QSize> sizes;
            for (int i = 0; i < 24; ++i) {
                entries << pages.at(i % pages.size());
                sizes << QSize(150 + round, 200 + i);
            }
            manager->requestRenders(entries, sizes, PdfRenderPurpose::Thumbnail, 1, 0);
            // A cached answer posted but not yet delivered must die with the manager too.
            manager->requestRender(pages.first(), QSize(150 + round, 200),
                                   PdfRenderPurpose::Thumbnail, 1, 0);
            if (answersBeforeDestruction > 0) {
                QVERIFY(QTest::qWaitFor([&] { return answers.count() >= answersBeforeDestruction; },
                                        20000));
            }
            const int before = answers.count();
            manager.reset();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents();
            QCOMPARE(answers.count(), before);
        }
    }

    void receiverMayDestroyManagerMidBatch()
    {
        const QList<PdfPageEntry> pages = entriesOf(m_coloured);
        auto *manager = new PdfRenderManager;
        QPointer<PdfRenderManager> guard(manager);
        int answers = 0;
        QObject receiver;
        connect(manager, &PdfRenderManager::pageRendered, &receiver, [&] {
            ++answers;
            delete guard.data();
        });
        manager->requestRenders(pages.mid(0, 4), QList<QSize>(4, QSize(20, 20)),
                                PdfRenderPurpose::Page, 1, 0);
        QTRY_VERIFY(guard.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(answers, 1);
    }
};

VELMORA_REGISTER_TEST(TestPdfRenderManager);

#include "tst_pdfrendermanager.moc"
