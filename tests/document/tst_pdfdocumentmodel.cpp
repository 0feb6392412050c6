#include "pagemodeltester.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "testregistry.h"

#include <QDataStream>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Records the model's own signals in the order they come.
class SignalLog : public QObject
{
public:
    explicit SignalLog(PdfDocumentModel *model)
    {
        connect(model, &PdfDocumentModel::selectionChanged, this,
                [this] { names << u"selection"_s; });
        connect(model, &PdfDocumentModel::pageOrderChanged, this, [this] { names << u"order"_s; });
        connect(model, &PdfDocumentModel::documentReset, this, [this] { names << u"reset"_s; });
        connect(model, &PdfDocumentModel::modifiedChanged, this,
                [this](bool modified) { names << (modified ? u"modified:1"_s : u"modified:0"_s); });
    }
    QStringList names;
};

QList<PdfPageId> idsOf(const PdfDocumentModel &model)
{
    QList<PdfPageId> ids;
    for (const PdfPageEntry &entry : model.pages())
        ids << entry.id;
    return ids;
}

QByteArray payloadOf(const QList<qint64> &ids)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    for (qint64 id : ids)
        stream << id;
    return bytes;
}

} // namespace

class TestPdfDocumentModel : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_four; // A4, Letter, 300 x 400, A4
    QString m_two;  // two pages of 200 x 300
    QString m_empty;

    // A model with the four-page document loaded, checked by the item model tester throughout.
    struct Loaded
    {
        PdfDocumentModel model;
        PageModelTester tester{&model};
    };
    std::unique_ptr<Loaded> loadFour()
    {
        auto loaded = std::make_unique<Loaded>();
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        if (!loaded->model.loadDocument(m_four, QString(), &error, &message))
            qWarning() << "loading the test document failed:" << message;
        return loaded;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_four = m_dir.filePath(u"four.pdf"_s);
        m_two = m_dir.filePath(u"two.pdf"_s);
        m_empty = m_dir.filePath(u"empty.pdf"_s);
        QVERIFY(fixtures::write(
            {{{QSizeF(595, 842)}, {QSizeF(612, 792)}, {QSizeF(300, 400)}, {QSizeF(595, 842)}}},
            m_four));
        QVERIFY(fixtures::write({fixtures::pagesOf(2)}, m_two));
        QVERIFY(fixtures::write({}, m_empty));
    }

    void loadFillsEntriesInDocumentOrder()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.documentPath(), m_four);
        const QList<QSizeF> expected = {{595, 842}, {612, 792}, {300, 400}, {595, 842}};
        for (int row = 0; row < 4; ++row) {
            const PdfPageEntry entry = *model.pageAt(row);
            QCOMPARE(entry.sourcePath, m_four);
            QCOMPARE(entry.sourcePageIndex, row);
            QCOMPARE(entry.origin, PdfPageOrigin::Loaded);
            QVERIFY(!entry.edited);
            QVERIFY(qAbs(entry.pageSize.width() - expected.at(row).width()) < 1);
            QVERIFY(qAbs(entry.pageSize.height() - expected.at(row).height()) < 1);
        }
        QVERIFY(!model.pageAt(4));
        QVERIFY(!model.pageAt(-1));
        QVERIFY(!model.isModified());
        QCOMPARE(model.revision(), 1u);
    }

    void loadSignalsAndFailure()
    {
        PdfDocumentModel model;
        SignalLog log(&model);
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(!model.loadDocument(m_dir.filePath(u"missing.pdf"_s), QString(), &error, &message));
        QCOMPARE(error, PdfBackendError::FileNotFound);
        QVERIFY(log.names.isEmpty());
        QCOMPARE(model.revision(), 0u);

        QVERIFY(model.loadDocument(m_two, QString(), &error, &message));
        QCOMPARE(log.names, QStringList({u"selection"_s, u"modified:0"_s, u"reset"_s}));
    }

    void idsAreNeverReused()
    {
        PdfDocumentModel model;
        PageModelTester tester(&model);
        QVERIFY(model.loadDocument(m_four, QString(), nullptr, nullptr));
        QCOMPARE(idsOf(model), QList<PdfPageId>({1, 2, 3, 4}));
        QVERIFY(model.loadDocument(m_two, QString(), nullptr, nullptr));
        QCOMPARE(idsOf(model), QList<PdfPageId>({5, 6}));

        // A restored snapshot with higher ids moves the counter past them.
        PdfPageEntry far;
        far.id = 40;
        far.pageSize = QSizeF(100, 100);
        far.origin = PdfPageOrigin::Blank;
        model.restoreSnapshot({far}, true);
        QCOMPARE(model.insertBlankPage(-1), PdfPageId(41));
        // ...but never moves it back.
        model.restoreSnapshot({}, false);
        QCOMPARE(model.insertBlankPage(0), PdfPageId(42));
        QCOMPARE(model.duplicatePages({42}), QList<PdfPageId>({43}));
        QVERIFY(model.insertPdf(m_two, 0, QString(), nullptr, nullptr));
        QCOMPARE(idsOf(model), QList<PdfPageId>({44, 45, 42, 43}));
        model.removePages(idsOf(model));
        QCOMPARE(idsOf(model), QList<PdfPageId>({46}));
    }

    void rotation_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("expected");
        QTest::newRow("left from 0") << 0 << -90 << 270;
        QTest::newRow("right from 270") << 270 << 90 << 0;
        QTest::newRow("450 from 0") << 0 << 450 << 90;
        QTest::newRow("-450 from 90") << 90 << -450 << 0;
        QTest::newRow("full turn") << 180 << 360 << 180;
        QTest::newRow("two turns back") << 90 << -720 << 90;
        QTest::newRow("half turn") << 90 << 180 << 270;
    }
    void rotation()
    {
        QFETCH(int, start);
        QFETCH(int, degrees);
        QFETCH(int, expected);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const PdfPageId id = model.pageAt(1)->id;
        if (start != 0)
            model.rotatePages({id}, start);
        const quint64 revision = model.revision();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy order(&model, &PdfDocumentModel::pageOrderChanged);

        model.rotatePages({id}, degrees);
        QCOMPARE(model.data(model.index(1), PdfDocumentModel::RotationRole).toInt(), expected);
        QVERIFY(model.data(model.index(1), PdfDocumentModel::EditedRole).toBool());
        QVERIFY(model.isModified());
        QCOMPARE(model.revision(), revision + 1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(2).value<QList<int>>(),
                 QList<int>({PdfDocumentModel::RotationRole, PdfDocumentModel::PageSizeRole,
                             PdfDocumentModel::EditedRole}));
        QCOMPARE(order.size(), 0);
        // Neighbours keep their rotation.
        QCOMPARE(model.pageAt(0)->rotation, 0);
        QCOMPARE(model.pageAt(2)->rotation, 0);
    }

    void rotateUnknownChangesNothing()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const quint64 revision = model.revision();
        QSignalSpy modified(&model, &PdfDocumentModel::modifiedChanged);
        model.rotatePages({999}, 90);
        QCOMPARE(model.revision(), revision);
        QCOMPARE(modified.size(), 0);
        QVERIFY(!model.isModified());
    }

    void displaySize_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QSizeF>("expected");
        QTest::newRow("upright") << QSizeF(595, 842) << 0 << QSizeF(595, 842);
        QTest::newRow("quarter") << QSizeF(595, 842) << 90 << QSizeF(842, 595);
        QTest::newRow("half") << QSizeF(595, 842) << 180 << QSizeF(595, 842);
        QTest::newRow("three quarters") << QSizeF(612, 792) << 270 << QSizeF(792, 612);
        QTest::newRow("negative quarter") << QSizeF(100, 200) << -90 << QSizeF(200, 100);
        QTest::newRow("beyond a turn") << QSizeF(100, 200) << 450 << QSizeF(200, 100);
    }
    void displaySize()
    {
        QFETCH(QSizeF, size);
        QFETCH(int, rotation);
        QFETCH(QSizeF, expected);
        PdfPageEntry entry;
        entry.pageSize = size;
        entry.rotation = rotation;
        QCOMPARE(PdfDocumentModel::displaySize(entry), expected);
    }

    void pageSizeRoleFollowsRotation()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        model.rotatePages({model.pageAt(2)->id}, 90);
        const QSizeF shown = model.data(model.index(2), PdfDocumentModel::PageSizeRole).toSizeF();
        QVERIFY(qAbs(shown.width() - 400) < 1 && qAbs(shown.height() - 300) < 1);
    }

    void removingEveryPageLeavesOneBlank()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const quint64 revision = model.revision();
        SignalLog log(&model);
        model.removePages(idsOf(model));

        QCOMPARE(model.rowCount(), 1);
        const PdfPageEntry blank = *model.pageAt(0);
        QCOMPARE(blank.origin, PdfPageOrigin::Blank);
        QCOMPARE(blank.pageSize, QSizeF(595, 842));
        QCOMPARE(blank.sourcePageIndex, -1);
        QVERIFY(blank.sourcePath.isEmpty());
        QVERIFY(blank.edited);
        QCOMPARE(blank.id, PdfPageId(5));
        QCOMPARE(model.revision(), revision + 2);
        QCOMPARE(log.names, QStringList({u"modified:1"_s, u"order"_s, u"selection"_s, u"order"_s}));
        QVERIFY(PdfDocumentModel::toSourcePage(blank).blank);
    }

    void remove_data()
    {
        QTest::addColumn<QList<PdfPageId>>("ids");
        QTest::addColumn<QList<PdfPageId>>("expected");
        QTest::addColumn<int>("revisionSteps");
        QTest::newRow("one") << QList<PdfPageId>{2} << QList<PdfPageId>{1, 3, 4} << 1;
        QTest::newRow("repeated and unordered")
            << QList<PdfPageId>{4, 1, 4} << QList<PdfPageId>{2, 3} << 1;
        QTest::newRow("unknown skipped")
            << QList<PdfPageId>{77, 3} << QList<PdfPageId>{1, 2, 4} << 1;
        QTest::newRow("only unknown") << QList<PdfPageId>{77} << QList<PdfPageId>{1, 2, 3, 4} << 0;
        QTest::newRow("nothing") << QList<PdfPageId>{} << QList<PdfPageId>{1, 2, 3, 4} << 0;
    }
    void remove()
    {
        QFETCH(QList<PdfPageId>, ids);
        QFETCH(QList<PdfPageId>, expected);
        QFETCH(int, revisionSteps);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const quint64 revision = model.revision();
        QSignalSpy order(&model, &PdfDocumentModel::pageOrderChanged);
        model.removePages(ids);
        QCOMPARE(idsOf(model), expected);
        QCOMPARE(model.revision(), revision + revisionSteps);
        QCOMPARE(order.size(), revisionSteps);
        QCOMPARE(model.isModified(), revisionSteps > 0);
    }

    void duplicate_data()
    {
        QTest::addColumn<QList<PdfPageId>>("ids");
        QTest::addColumn<QList<PdfPageId>>("order"); // 0 stands for a copy
        QTest::addColumn<QList<int>>("copyRows");
        QTest::newRow("rows 1 and 3")
            << QList<PdfPageId>{2, 4} << QList<PdfPageId>{1, 2, 0, 3, 4, 0} << QList<int>{2, 5};
        QTest::newRow("given out of order")
            << QList<PdfPageId>{4, 2} << QList<PdfPageId>{1, 2, 0, 3, 4, 0} << QList<int>{2, 5};
        QTest::newRow("same page twice")
            << QList<PdfPageId>{1, 1} << QList<PdfPageId>{1, 0, 0, 2, 3, 4} << QList<int>{1, 2};
        QTest::newRow("unknown skipped")
            << QList<PdfPageId>{9, 3} << QList<PdfPageId>{1, 2, 3, 0, 4} << QList<int>{3};
        QTest::newRow("none found")
            << QList<PdfPageId>{9} << QList<PdfPageId>{1, 2, 3, 4} << QList<int>{};
    }
    void duplicate()
    {
        QFETCH(QList<PdfPageId>, ids);
        QFETCH(QList<PdfPageId>, order);
        QFETCH(QList<int>, copyRows);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        model.rotatePages({1, 2, 3, 4}, 90);
        model.setSelectedPageIds({1, 2, 3, 4});
        const quint64 revision = model.revision();
        QSignalSpy orderSpy(&model, &PdfDocumentModel::pageOrderChanged);

        const QList<PdfPageId> created = model.duplicatePages(ids);
        QCOMPARE(created.size(), copyRows.size());
        QCOMPARE(model.rowCount(), order.size());
        for (int row = 0; row < order.size(); ++row) {
            if (order.at(row) != 0)
                QCOMPARE(model.pageAt(row)->id, order.at(row));
        }
        for (int i = 0; i < copyRows.size(); ++i) {
            const PdfPageEntry copy = *model.pageAt(copyRows.at(i));
            const PdfPageEntry source = *model.pageAt(copyRows.at(i) - 1);
            QCOMPARE(copy.id, created.at(i));
            QVERIFY(copy.id > 4);
            QCOMPARE(copy.origin, PdfPageOrigin::Duplicated);
            QCOMPARE(copy.sourcePath, source.sourcePath);
            QCOMPARE(copy.sourcePageIndex, source.sourcePageIndex);
            QCOMPARE(copy.rotation, 90);
            QCOMPARE(copy.pageSize, source.pageSize);
            QVERIFY(!copy.selected);
            QVERIFY(copy.edited);
        }
        QCOMPARE(model.revision(), revision + (created.isEmpty() ? 0 : 1));
        QCOMPARE(orderSpy.size(), created.isEmpty() ? 0 : 1);
    }

    void insertBlank_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<int>("expectedRow");
        QTest::addColumn<QSizeF>("expectedSize");
        QTest::newRow("front") << 0 << QSizeF(200, 100) << 0 << QSizeF(200, 100);
        QTest::newRow("middle, default size") << 2 << QSizeF() << 2 << QSizeF(595, 842);
        QTest::newRow("negative means end") << -1 << QSizeF() << 4 << QSizeF(595, 842);
        QTest::newRow("past the end clamped") << 99 << QSizeF(0, 50) << 4 << QSizeF(595, 842);
    }
    void insertBlank()
    {
        QFETCH(int, row);
        QFETCH(QSizeF, size);
        QFETCH(int, expectedRow);
        QFETCH(QSizeF, expectedSize);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        SignalLog log(&model);
        const PdfPageId id = model.insertBlankPage(row, size);
        QCOMPARE(id, PdfPageId(5));
        QCOMPARE(model.rowOfPage(id), expectedRow);
        const PdfPageEntry entry = *model.pageAt(expectedRow);
        QCOMPARE(entry.pageSize, expectedSize);
        QCOMPARE(entry.origin, PdfPageOrigin::Blank);
        QVERIFY(entry.edited);
        QCOMPARE(log.names, QStringList({u"modified:1"_s, u"order"_s}));
        // A second edit reports no further change of the modified flag.
        model.insertBlankPage(0);
        QCOMPARE(log.names, QStringList({u"modified:1"_s, u"order"_s, u"order"_s}));
    }

    void insertPdf_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("expectedRow");
        QTest::newRow("front") << 0 << 0;
        QTest::newRow("between") << 3 << 3;
        QTest::newRow("end") << -5 << 4;
    }
    void insertPdf()
    {
        QFETCH(int, row);
        QFETCH(int, expectedRow);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        QVERIFY(model.insertPdf(m_two, row, QString(), nullptr, nullptr));
        QCOMPARE(model.rowCount(), 6);
        for (int i = 0; i < 2; ++i) {
            const PdfPageEntry entry = *model.pageAt(expectedRow + i);
            QCOMPARE(entry.sourcePath, m_two);
            QCOMPARE(entry.sourcePageIndex, i);
            QCOMPARE(entry.origin, PdfPageOrigin::Inserted);
            QVERIFY(entry.edited);
        }
        QCOMPARE(model.documentPath(), m_four);
        QVERIFY(model.isModified());
    }

    void insertPdfFailures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<PdfBackendError>("expectedError");
        QTest::newRow("missing") << u"missing.pdf"_s << PdfBackendError::FileNotFound;
        QTest::newRow("no pages") << u"empty.pdf"_s << PdfBackendError::CorruptOrUnsupported;
    }
    void insertPdfFailures()
    {
        QFETCH(QString, file);
        QFETCH(PdfBackendError, expectedError);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const QList<PdfPageEntry> before = model.pages();
        const quint64 revision = model.revision();
        SignalLog log(&model);
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(!model.insertPdf(m_dir.filePath(file), 1, QString(), &error, &message));
        QCOMPARE(error, expectedError);
        QVERIFY(!message.isEmpty());
        QCOMPARE(model.pages(), before);
        QCOMPARE(model.revision(), revision);
        QVERIFY(!model.isModified());
        QVERIFY(log.names.isEmpty());
    }

    void loadWithoutPagesGivesEmptyModel()
    {
        PdfDocumentModel model;
        QVERIFY(model.loadDocument(m_empty, QString(), nullptr, nullptr));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.documentPath(), m_empty);
    }

    void moveRows_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("destination");
        QTest::addColumn<bool>("childParent");
        QTest::addColumn<QList<PdfPageId>>("expected"); // empty: refused
        QTest::newRow("row 2 to front") << 2 << 1 << 0 << false << QList<PdfPageId>{3, 1, 2, 4};
        QTest::newRow("row 0 to 3") << 0 << 1 << 3 << false << QList<PdfPageId>{2, 3, 1, 4};
        QTest::newRow("row 0 to end") << 0 << 1 << 4 << false << QList<PdfPageId>{2, 3, 4, 1};
        QTest::newRow("last to front") << 3 << 1 << 0 << false << QList<PdfPageId>{4, 1, 2, 3};
        QTest::newRow("onto itself") << 1 << 1 << 1 << false << QList<PdfPageId>{};
        QTest::newRow("just after itself") << 1 << 1 << 2 << false << QList<PdfPageId>{};
        QTest::newRow("two rows") << 0 << 2 << 3 << false << QList<PdfPageId>{};
        QTest::newRow("no rows") << 0 << 0 << 3 << false << QList<PdfPageId>{};
        QTest::newRow("source past the end") << 4 << 1 << 0 << false << QList<PdfPageId>{};
        QTest::newRow("negative source") << -1 << 1 << 0 << false << QList<PdfPageId>{};
        QTest::newRow("destination past the end") << 0 << 1 << 5 << false << QList<PdfPageId>{};
        QTest::newRow("negative destination") << 2 << 1 << -1 << false << QList<PdfPageId>{};
        QTest::newRow("valid parent") << 2 << 1 << 0 << true << QList<PdfPageId>{};
    }
    void moveRows()
    {
        QFETCH(int, source);
        QFETCH(int, count);
        QFETCH(int, destination);
        QFETCH(bool, childParent);
        QFETCH(QList<PdfPageId>, expected);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const quint64 revision = model.revision();
        SignalLog log(&model);
        const QModelIndex parent = childParent ? model.index(0) : QModelIndex();
        const bool moved = model.moveRows(parent, source, count, QModelIndex(), destination);
        QCOMPARE(moved, !expected.isEmpty());
        if (moved) {
            QCOMPARE(idsOf(model), expected);
            QCOMPARE(model.revision(), revision + 1);
            QCOMPARE(log.names, QStringList({u"modified:1"_s, u"order"_s}));
        } else {
            QCOMPARE(idsOf(model), QList<PdfPageId>({1, 2, 3, 4}));
            QCOMPARE(model.revision(), revision);
            QVERIFY(log.names.isEmpty());
        }
    }

    void dragPayload_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<qint64>>("ids");
        QTest::newRow("one") << QList<int>{2} << QList<qint64>{3};
        QTest::newRow("two") << QList<int>{0, 3} << QList<qint64>{1, 4};
        QTest::newRow("order kept") << QList<int>{3, 1} << QList<qint64>{4, 2};
        QTest::newRow("repeats once") << QList<int>{1, 1, 2} << QList<qint64>{2, 3};
    }
    void dragPayload()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QList<qint64>, ids);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        QModelIndexList indexes;
        for (int row : rows)
            indexes << model.index(row);
        std::unique_ptr<QMimeData> data(model.mimeData(indexes));
        QCOMPARE(model.mimeTypes(), QStringList({u"application/x-tessel-page-id"_s}));
        const QByteArray bytes = data->data(u"application/x-tessel-page-id"_s);
        QCOMPARE(bytes.size(), 8 * ids.size());
        QCOMPARE(bytes, payloadOf(ids));
        // Big-endian: the first id's low byte is the eighth byte.
        QCOMPARE(int(bytes.at(7)), int(ids.first()));
    }

    void drop_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("parentRow");             // -1: root
        QTest::addColumn<QList<PdfPageId>>("expected"); // empty: refused
        QTest::newRow("first id only")
            << payloadOf({4, 1}) << 0 << -1 << QList<PdfPageId>{4, 1, 2, 3};
        QTest::newRow("to the end") << payloadOf({1}) << -1 << -1 << QList<PdfPageId>{2, 3, 4, 1};
        QTest::newRow("onto an item") << payloadOf({4}) << -1 << 1 << QList<PdfPageId>{1, 4, 2, 3};
        QTest::newRow("own position") << payloadOf({2}) << 1 << -1 << QList<PdfPageId>{};
        QTest::newRow("right after itself") << payloadOf({2}) << 2 << -1 << QList<PdfPageId>{};
        QTest::newRow("end for the last page") << payloadOf({4}) << -1 << -1 << QList<PdfPageId>{};
        QTest::newRow("unknown id") << payloadOf({99, 1}) << 0 << -1 << QList<PdfPageId>{};
        QTest::newRow("target past the end") << payloadOf({1}) << 7 << -1 << QList<PdfPageId>{};
        QTest::newRow("empty payload") << QByteArray() << 0 << -1 << QList<PdfPageId>{};
        QTest::newRow("truncated payload")
            << QByteArray("\0\0\0", 3) << 0 << -1 << QList<PdfPageId>{};
    }
    void drop()
    {
        QFETCH(QByteArray, payload);
        QFETCH(int, row);
        QFETCH(int, parentRow);
        QFETCH(QList<PdfPageId>, expected);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const quint64 revision = model.revision();
        SignalLog log(&model);
        QMimeData data;
        data.setData(u"application/x-tessel-page-id"_s, payload);
        const QModelIndex parent = parentRow >= 0 ? model.index(parentRow) : QModelIndex();

        QCOMPARE(model.canDropMimeData(&data, Qt::MoveAction, row, 0, parent), !expected.isEmpty());
        const bool dropped = model.dropMimeData(&data, Qt::MoveAction, row, 0, parent);
        QCOMPARE(dropped, !expected.isEmpty());
        if (dropped) {
            QCOMPARE(idsOf(model), expected);
            QCOMPARE(model.revision(), revision + 1);
        } else {
            QCOMPARE(idsOf(model), QList<PdfPageId>({1, 2, 3, 4}));
            QCOMPARE(model.revision(), revision);
            QVERIFY(log.names.isEmpty());
        }
    }

    void dropWithoutPayload()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        QMimeData text;
        text.setText(u"1"_s);
        QVERIFY(!model.dropMimeData(&text, Qt::MoveAction, 0, 0, QModelIndex()));
        QVERIFY(!model.dropMimeData(nullptr, Qt::MoveAction, 0, 0, QModelIndex()));
        QVERIFY(model.dropMimeData(nullptr, Qt::IgnoreAction, 0, 0, QModelIndex()));
        QCOMPARE(model.revision(), 1u);
        QCOMPARE(model.supportedDropActions(), Qt::DropActions(Qt::MoveAction));
        QCOMPARE(model.supportedDragActions(), Qt::DropActions(Qt::MoveAction));
    }

    void dropFromAnotherModelRefused()
    {
        auto loaded = loadFour();
        auto other = loadFour();
        // Same ids in both models: the dragged page of the other tab must not move one here.
        std::unique_ptr<QMimeData> foreign(other->model.mimeData({other->model.index(3)}));
        QVERIFY(!loaded->model.dropMimeData(foreign.get(), Qt::MoveAction, 0, 0, QModelIndex()));
        QCOMPARE(idsOf(loaded->model), QList<PdfPageId>({1, 2, 3, 4}));

        std::unique_ptr<QMimeData> own(loaded->model.mimeData({loaded->model.index(3)}));
        QVERIFY(loaded->model.dropMimeData(own.get(), Qt::MoveAction, 0, 0, QModelIndex()));
        QCOMPARE(idsOf(loaded->model), QList<PdfPageId>({4, 1, 2, 3}));
    }

    void itemDataAndFlags()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const QModelIndex second = model.index(1);
        QCOMPARE(model.data(second, Qt::DisplayRole).toInt(), 2);
        QCOMPARE(model.data(second, PdfDocumentModel::PageIdRole).value<PdfPageId>(), PdfPageId(2));
        QCOMPARE(model.data(second, PdfDocumentModel::SourcePathRole).toString(), m_four);
        QCOMPARE(model.data(second, PdfDocumentModel::SourcePageIndexRole).toInt(), 1);
        QCOMPARE(model.data(second, PdfDocumentModel::OriginRole).toInt(), 0);
        QCOMPARE(model.data(second, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(!model.data(second, Qt::ToolTipRole).isValid());
        QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());
        QCOMPARE(int(model.flags(second)), 61);
        QCOMPARE(int(model.flags(QModelIndex())), 8);
        QCOMPARE(model.rowCount(second), 0);
        QCOMPARE(QMetaType::fromName("PdfPageId"), QMetaType::fromType<PdfPageId>());
    }

    void selection_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("check state") << int(Qt::CheckStateRole) << QVariant(int(Qt::Checked));
        QTest::newRow("selected role") << int(PdfDocumentModel::SelectedRole) << QVariant(true);
    }
    void selection()
    {
        QFETCH(int, role);
        QFETCH(QVariant, value);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        const quint64 revision = model.revision();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy selection(&model, &PdfDocumentModel::selectionChanged);

        QVERIFY(model.setData(model.index(2), value, role));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(2).value<QList<int>>(),
                 QList<int>({Qt::CheckStateRole, PdfDocumentModel::SelectedRole}));
        QCOMPARE(selection.size(), 1);
        QCOMPARE(model.data(model.index(2), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(model.data(model.index(2), PdfDocumentModel::SelectedRole).toBool());
        QCOMPARE(model.selectedPageIds(), QSet<PdfPageId>({3}));

        // Unchanged flag, wrong role, bad index: refused without signals.
        QVERIFY(!model.setData(model.index(2), value, role));
        QVERIFY(!model.setData(model.index(2), u"x"_s, Qt::EditRole));
        QVERIFY(!model.setData(QModelIndex(), value, role));
        QCOMPARE(selection.size(), 1);
        QCOMPARE(model.revision(), revision);
        QVERIFY(!model.isModified());
    }

    void selectionBySet()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy selection(&model, &PdfDocumentModel::selectionChanged);
        model.setSelectedPageIds({4, 2, 77});
        QCOMPARE(model.selectedRows(), QList<int>({1, 3}));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(selection.size(), 1);
        model.setSelectedPageIds({4, 2});
        QCOMPARE(selection.size(), 1);
        model.selectAll();
        QCOMPARE(model.selectedRows(), QList<int>({0, 1, 2, 3}));
        QCOMPARE(selection.size(), 2);
        model.setPageSelected(1, false);
        model.setPageSelected(1, false);
        model.setPageSelected(99, true);
        QCOMPARE(model.selectedRows(), QList<int>({1, 2, 3}));
        QCOMPARE(selection.size(), 3);
        model.clearSelection();
        QVERIFY(model.selectedPageIds().isEmpty());
        QCOMPARE(selection.size(), 4);
        QCOMPARE(model.revision(), 1u);
    }

    void markSaved_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("keepsPath");
        QTest::newRow("save") << QString() << true;
        QTest::newRow("save as") << u"/tmp/elsewhere.pdf"_s << false;
    }
    void markSaved()
    {
        QFETCH(QString, path);
        QFETCH(bool, keepsPath);
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        model.rotatePages({1, 3}, 90);
        model.insertBlankPage(0);
        const quint64 revision = model.revision();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy modified(&model, &PdfDocumentModel::modifiedChanged);

        model.markSaved(path);
        QCOMPARE(model.documentPath(), keepsPath ? m_four : path);
        QCOMPARE(model.revision(), revision);
        QVERIFY(!model.isModified());
        QCOMPARE(modified.size(), 1);
        QCOMPARE(modified.first().first().toBool(), false);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(0).value<QModelIndex>().row(), 0);
        QCOMPARE(changed.first().at(1).value<QModelIndex>().row(), 4);
        QCOMPARE(changed.first().at(2).value<QList<int>>(),
                 QList<int>({PdfDocumentModel::EditedRole}));
        for (const PdfPageEntry &entry : model.pages())
            QVERIFY(!entry.edited);
        QCOMPARE(model.pageAt(1)->rotation, 90);

        model.markSaved(QString());
        QCOMPARE(modified.size(), 1);
    }

    void sourcePagesFollowRowOrder()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        model.rotatePages({2}, -90);
        model.moveRows(QModelIndex(), 1, 1, QModelIndex(), 0);
        model.insertBlankPage(-1, QSizeF(100, 150));
        const QList<PdfSourcePage> sources = model.sourcePages();
        QCOMPARE(sources.size(), 5);
        QCOMPARE(sources.at(0).pageIndex, 1);
        QCOMPARE(sources.at(0).rotation, 270);
        QCOMPARE(sources.at(0).filePath, m_four);
        QCOMPARE(sources.at(1).pageIndex, 0);
        QVERIFY(!sources.at(1).blank);
        QVERIFY(sources.at(4).blank);
        QCOMPARE(sources.at(4).pageIndex, -1);
        QCOMPARE(sources.at(4).pageSize, QSizeF(100, 150));
    }

    // A long document shows before every page's size was read; what arrives later must leave
    // every page with its own size, however it is asked for.
    void lateSizesReachEveryPage_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("how");
        const int beyond = PdfDocumentModel::FirstPageSizes + 40;
        QTest::newRow("read in the background") << beyond << u"wait"_s;
        QTest::newRow("source pages wait for them") << beyond << u"sourcePages"_s;
        QTest::newRow("snapshot from before they came") << beyond << u"snapshot"_s;
        QTest::newRow("short document, all at once")
            << PdfDocumentModel::FirstPageSizes << u"none"_s;
    }

    void lateSizesReachEveryPage()
    {
        QFETCH(int, pages);
        QFETCH(QString, how);
        fixtures::DocumentSpec spec;
        for (int i = 0; i < pages; ++i) {
            fixtures::PageSpec page;
            page.size = QSizeF(200 + i, 300 + (i % 7) * 10);
            spec.pages.append(page);
        }
        const QString path = m_dir.filePath(u"late-%1-%2.pdf"_s.arg(pages).arg(how));
        QVERIFY(fixtures::write(spec, path));

        Loaded loaded;
        PdfDocumentModel &model = loaded.model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(model.loadDocument(path, QString(), &error, &message));
        QCOMPARE(model.rowCount(), pages);
        QCOMPARE(model.pageSizesPending(), pages > PdfDocumentModel::FirstPageSizes);

        QList<QSizeF> sizes;
        if (how == u"wait"_s || how == u"none"_s) {
            QTRY_VERIFY(!model.pageSizesPending());
            for (const PdfPageEntry &entry : model.pages())
                sizes.append(entry.pageSize);
        } else if (how == u"sourcePages"_s) {
            for (const PdfSourcePage &page : model.sourcePages())
                sizes.append(page.pageSize);
        } else {
            const QList<PdfPageEntry> before = model.pages();
            model.removePages({before.at(3).id});
            QTRY_VERIFY(!model.pageSizesPending());
            model.restoreSnapshot(before, false);
            for (const PdfPageEntry &entry : model.pages())
                sizes.append(entry.pageSize);
        }
        QCOMPARE(sizes.size(), pages);
        for (int i = 0; i < pages; ++i) {
            QVERIFY2(qAbs(sizes.at(i).width() - spec.pages.at(i).size.width()) < 1 &&
                         qAbs(sizes.at(i).height() - spec.pages.at(i).size.height()) < 1,
                     qPrintable(u"page %1"_s.arg(i + 1)));
        }
        // Only the pages that differed from their stand-in were announced, and only as sizes.
        for (const QList<QVariant> &args : std::as_const(changed)) {
            const auto roles = args.at(2).value<QList<int>>();
            QVERIFY(roles == QList<int>{PdfDocumentModel::PageSizeRole} ||
                    !roles.contains(PdfDocumentModel::PageSizeRole));
        }
        // Sizes read late are not an edit: renders already asked for stay valid.
        if (how != u"snapshot"_s)
            QCOMPARE(model.revision(), 1u);
    }

    void restoreSnapshot()
    {
        auto loaded = loadFour();
        PdfDocumentModel &model = loaded->model;
        model.setSelectedPageIds({2});
        const QList<PdfPageEntry> snapshot = model.pages();
        model.removePages({1, 2});
        const quint64 revision = model.revision();
        SignalLog log(&model);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        model.restoreSnapshot(snapshot, false);
        QCOMPARE(model.pages(), snapshot);
        QCOMPARE(model.selectedPageIds(), QSet<PdfPageId>({2}));
        QCOMPARE(model.revision(), revision + 1);
        QCOMPARE(reset.size(), 1);
        QCOMPARE(log.names, QStringList({u"selection"_s, u"modified:0"_s, u"reset"_s}));
    }
};

VELMORA_REGISTER_TEST(TestPdfDocumentModel);

#include "tst_pdfdocumentmodel.moc"
