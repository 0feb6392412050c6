#include "pagemodeltester.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfundomanager.h"
#include "testregistry.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

QList<PdfPageId> idsOf(const PdfDocumentModel &model)
{
    QList<PdfPageId> ids;
    for (const PdfPageEntry &entry : model.pages())
        ids << entry.id;
    return ids;
}

} // namespace

class TestPdfUndoManager : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_three;
    QString m_two;
    QString m_empty;

    // A tab's worth: the model (under the item model tester) and its undo manager, freshly loaded.
    struct Session
    {
        PdfDocumentModel model;
        PageModelTester tester{&model};
        PdfUndoManager undo{&model};
        QUndoStack &stack() { return *undo.undoStack(); }
    };
    std::unique_ptr<Session> open()
    {
        auto session = std::make_unique<Session>();
        if (!session->model.loadDocument(m_three, QString(), nullptr, nullptr))
            qWarning("loading the test document failed");
        session->undo.clear();
        return session;
    }

    enum class Edit {
        Duplicate,
        InsertBlank,
        InsertPdf,
        Remove,
        RemoveAll,
        RotateLeft,
        RotateRight
    };

    void apply(Session &session, Edit edit)
    {
        switch (edit) {
        case Edit::Duplicate:
            session.undo.duplicatePages({1, 3});
            break;
        case Edit::InsertBlank:
            session.undo.insertBlankPage(1, QSizeF(300, 300));
            break;
        case Edit::InsertPdf:
            QVERIFY(session.undo.insertPdf(m_two, 2, QString(), nullptr, nullptr));
            break;
        case Edit::Remove:
            session.undo.removePages({2});
            break;
        case Edit::RemoveAll:
            session.undo.removePages({1, 2, 3});
            break;
        case Edit::RotateLeft:
            session.undo.rotatePages({1, 2}, -90);
            break;
        case Edit::RotateRight:
            session.undo.rotatePages({3}, 90);
            break;
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_three = m_dir.filePath(u"three.pdf"_s);
        m_two = m_dir.filePath(u"two.pdf"_s);
        m_empty = m_dir.filePath(u"empty.pdf"_s);
        QVERIFY(fixtures::write({fixtures::pagesOf(3, {595, 842})}, m_three));
        QVERIFY(fixtures::write({fixtures::pagesOf(2)}, m_two));
        QVERIFY(fixtures::write({}, m_empty));
    }

    void everyEditIsOneStep_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("text");
        QTest::newRow("duplicate") << int(Edit::Duplicate) << u"复制页面"_s;
        QTest::newRow("insert blank") << int(Edit::InsertBlank) << u"插入空白页"_s;
        QTest::newRow("insert PDF") << int(Edit::InsertPdf) << u"插入 PDF"_s;
        QTest::newRow("remove") << int(Edit::Remove) << u"删除页面"_s;
        QTest::newRow("remove all") << int(Edit::RemoveAll) << u"删除页面"_s;
        QTest::newRow("rotate left") << int(Edit::RotateLeft) << u"向左旋转页面"_s;
        QTest::newRow("rotate right") << int(Edit::RotateRight) << u"向右旋转页面"_s;
    }
    void everyEditIsOneStep()
    {
        QFETCH(int, edit);
        QFETCH(QString, text);
        auto session = open();
        session->model.setSelectedPageIds({2});
        const QList<PdfPageEntry> before = session->model.pages();

        apply(*session, Edit(edit));
        const QList<PdfPageEntry> after = session->model.pages();
        QVERIFY(after != before);
        QCOMPARE(session->stack().count(), 1);
        QCOMPARE(session->stack().undoText(), text);
        QVERIFY(session->model.isModified());

        session->stack().undo();
        QCOMPARE(session->model.pages(), before);
        QVERIFY(!session->model.isModified());

        session->stack().redo();
        QCOMPARE(session->model.pages(), after);
        QVERIFY(session->model.isModified());
    }

    void noOpEditsAddNoStep_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("remove unknown") << 0;
        QTest::newRow("duplicate unknown") << 1;
        QTest::newRow("rotate unknown") << 2;
        QTest::newRow("insert missing PDF") << 3;
        QTest::newRow("insert PDF without pages") << 4;
        QTest::newRow("remove nothing") << 5;
    }
    void noOpEditsAddNoStep()
    {
        QFETCH(int, which);
        auto session = open();
        const QList<PdfPageEntry> before = session->model.pages();
        QSignalSpy index(&session->stack(), &QUndoStack::indexChanged);
        switch (which) {
        case 0:
            session->undo.removePages({42});
            break;
        case 1:
            QVERIFY(session->undo.duplicatePages({42}).isEmpty());
            break;
        case 2:
            session->undo.rotatePages({42}, 90);
            break;
        case 3:
            QVERIFY(!session->undo.insertPdf(m_dir.filePath(u"gone.pdf"_s), 0, QString(), nullptr,
                                             nullptr));
            break;
        case 4:
            QVERIFY(!session->undo.insertPdf(m_empty, 0, QString(), nullptr, nullptr));
            break;
        case 5:
            session->undo.removePages({});
            break;
        }
        QCOMPARE(session->stack().count(), 0);
        QCOMPARE(index.size(), 0);
        QCOMPARE(session->model.pages(), before);
        QVERIFY(!session->model.isModified());
    }

    void removingAllAndUndoingBringsPagesBack()
    {
        auto session = open();
        session->undo.removePages({1, 2, 3});
        QCOMPARE(session->model.rowCount(), 1);
        const PdfPageId blank = session->model.pageAt(0)->id;
        session->stack().undo();
        QCOMPARE(idsOf(session->model), QList<PdfPageId>({1, 2, 3}));
        QCOMPARE(session->model.rowOfPage(blank), -1);
    }

    void rotateLeftUndoRedo()
    {
        auto session = open();
        session->undo.rotatePages({2}, -90);
        QCOMPARE(session->model.pageAt(1)->rotation, 270);
        QVERIFY(session->model.pageAt(1)->edited);
        session->stack().undo();
        QCOMPARE(session->model.pageAt(1)->rotation, 0);
        QVERIFY(!session->model.pageAt(1)->edited);
        session->stack().redo();
        QCOMPARE(session->model.pageAt(1)->rotation, 270);
        QVERIFY(session->model.pageAt(1)->edited);
    }

    void idsAfterUndoAreFresh()
    {
        auto session = open();
        const PdfPageId first = session->undo.insertBlankPage(0);
        session->stack().undo();
        const PdfPageId second = session->undo.insertBlankPage(0);
        QVERIFY(second != first);
        QVERIFY(second > first);
        // The redo branch is gone, but a restored older state still keeps the counter ahead.
        session->stack().undo();
        QCOMPARE(session->undo.insertBlankPage(0), second + 1);
    }

    void modifiedFollowsCleanState_data()
    {
        QTest::addColumn<QString>("script");   // e = edit, s = save, u = undo, r = redo
        QTest::addColumn<QString>("modified"); // flag after each step
        QTest::newRow("edit") << u"e"_s << u"1"_s;
        QTest::newRow("edit undo") << u"eu"_s << u"10"_s;
        QTest::newRow("edit undo redo") << u"eur"_s << u"101"_s;
        QTest::newRow("save rotate undo") << u"eseu"_s << u"1010"_s;
        QTest::newRow("undo past the save point") << u"eseuu"_s << u"10101"_s;
        QTest::newRow("back to the save point") << u"eseuur"_s << u"101010"_s;
        QTest::newRow("save point dropped by a new branch") << u"esueu"_s << u"10111"_s;
    }
    void modifiedFollowsCleanState()
    {
        QFETCH(QString, script);
        QFETCH(QString, modified);
        auto session = open();
        QVERIFY(!session->model.isModified());
        QString seen;
        for (QChar step : script) {
            if (step == u'e')
                session->undo.rotatePages({1}, 90);
            else if (step == u's') {
                session->model.markSaved(QString());
                session->undo.setClean();
            } else if (step == u'u')
                session->stack().undo();
            else if (step == u'r')
                session->stack().redo();
            seen += session->model.isModified() ? u'1' : u'0';
        }
        QCOMPARE(seen, modified);
    }

    void dragMoveIsOneStep_data()
    {
        QTest::addColumn<int>("moves");
        QTest::newRow("one drop") << 1;
        QTest::newRow("three moves in one turn") << 3;
    }
    void dragMoveIsOneStep()
    {
        QFETCH(int, moves);
        auto session = open();
        const QList<PdfPageEntry> before = session->model.pages();
        for (int i = 0; i < moves; ++i) {
            std::unique_ptr<QMimeData> data(session->model.mimeData({session->model.index(2)}));
            QVERIFY(session->model.dropMimeData(data.get(), Qt::MoveAction, 0, 0, QModelIndex()));
        }
        // The step is recorded once control returns to the event loop.
        QCOMPARE(session->stack().count(), 0);
        QTRY_COMPARE(session->stack().count(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(session->stack().count(), 1);
        QCOMPARE(session->stack().undoText(), u"移动页面"_s);
        QVERIFY(session->model.isModified());
        const QList<PdfPageEntry> after = session->model.pages();

        session->stack().undo();
        QCOMPARE(session->model.pages(), before);
        QVERIFY(!session->model.isModified());
        session->stack().redo();
        QCOMPARE(session->model.pages(), after);
    }

    void moveThenEditInOneTurnKeepsOrder()
    {
        auto session = open();
        const QList<PdfPageEntry> original = session->model.pages();
        QVERIFY(session->model.moveRows(QModelIndex(), 2, 1, QModelIndex(), 0));
        const QList<PdfPageEntry> moved = session->model.pages();
        session->undo.rotatePages({3}, 90);
        QCoreApplication::processEvents();

        QCOMPARE(session->stack().count(), 2);
        session->stack().undo();
        QCOMPARE(session->model.pages(), moved);
        session->stack().undo();
        QCOMPARE(session->model.pages(), original);
    }

    void clearForgetsHistory()
    {
        auto session = open();
        session->undo.rotatePages({1}, 90);
        QVERIFY(session->model.moveRows(QModelIndex(), 0, 1, QModelIndex(), 3));
        session->undo.clear();
        QCoreApplication::processEvents();
        QCOMPARE(session->stack().count(), 0);
        QVERIFY(!session->model.isModified());
        QVERIFY(!session->stack().canUndo());
    }
};

VELMORA_REGISTER_TEST(TestPdfUndoManager);

#include "tst_pdfundomanager.moc"
