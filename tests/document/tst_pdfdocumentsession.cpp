#include "pathidentity.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentsession.h"
#include "pdffileregistry.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "pdfundomanager.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

// The colour of every page of a saved file, read back with poppler; an invalid colour for a
// page it could not render.
QList<QColor> pageColours(const QString &path)
{
    QList<QColor> colours;
    const int count = int(readback::inspect(path).pages.size());
    for (int page = 0; page < count; ++page) {
        const QImage image = readback::renderPoppler(path, page, 24);
        colours.append(image.isNull() ? QColor() : readback::centreColour(image));
    }
    return colours;
}

bool sameColours(const QList<QColor> &actual, const QList<QColor> &expected)
{
    if (actual.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (!readback::similar(actual.at(i), expected.at(i)))
            return false;
    }
    return true;
}

} // namespace

// A document session over real files: after a save the pages read the saved file, so the files
// they came from may go, and the undo history only brings back pages that still exist.
class TestPdfDocumentSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveRebindsPages_data();
    void saveRebindsPages();

private:
    QString makePdf(const QString &name, int pages, int colourOffset);
    QTemporaryDir m_dir;
};

QString TestPdfDocumentSession::makePdf(const QString &name, int pages, int colourOffset)
{
    fixtures::DocumentSpec spec;
    for (int i = 0; i < pages; ++i) {
        fixtures::PageSpec page;
        page.colour = fixtures::colourFor(i + colourOffset);
        spec.pages.append(page);
    }
    const QString path = m_dir.filePath(name);
    return fixtures::write(spec, path) ? path : QString();
}

void TestPdfDocumentSession::saveRebindsPages_data()
{
    // The document is a.pdf (colours 0, 1, 2) with b.pdf (colours 3, 4) inserted after its first
    // page; page 0 is then deleted, so it shows b0 b1 a1 a2. It is saved to target, the files in
    // gone are deleted, page 0 is turned and the document is saved there again. Then everything
    // is undone that can be, and what undo reached (undone: the colours of its pages) is saved.
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<QList<int>>("undone");
    QTest::newRow("save as, original and inserted file deleted")
        << u"out/saved.pdf"_s << QStringList{u"a.pdf"_s, u"b.pdf"_s} << QList<int>{3, 4, 1, 2};
    QTest::newRow("save as, inserted file deleted")
        << u"saved.pdf"_s << QStringList{u"b.pdf"_s} << QList<int>{0, 1, 2};
    // The page the save dropped from the file is read from its copy as it was.
    QTest::newRow("save over the open file")
        << u"a.pdf"_s << QStringList{u"b.pdf"_s} << QList<int>{0, 1, 2};
    QTest::newRow("save over the inserted file")
        << u"b.pdf"_s << QStringList{} << QList<int>{0, 1, 2};
}

void TestPdfDocumentSession::saveRebindsPages()
{
    QFETCH(QString, target);
    QFETCH(QStringList, gone);
    QFETCH(QList<int>, undone);
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.filePath(u"out"_s)));
    const QString a = makePdf(u"a.pdf"_s, 3, 0);
    const QString b = makePdf(u"b.pdf"_s, 2, 3);
    const QString targetPath = m_dir.filePath(target);

    PdfDocumentSession session;
    PdfDocumentModel *model = session.model();
    QUndoStack *stack = session.undoManager()->undoStack();
    QCOMPARE(session.open(a, QString(), nullptr), PdfDocumentSession::Result::Done);
    int added = 0;
    QCOMPARE(session.insertFile(b, 1, &added, nullptr), PdfDocumentSession::Result::Done);
    QCOMPARE(added, 2);
    session.undoManager()->removePages({model->pageAt(0)->id});
    const QList<QColor> shown{fixtures::colourFor(3), fixtures::colourFor(4),
                              fixtures::colourFor(1), fixtures::colourFor(2)};

    PdfDocumentSession::Failure failure;
    QVERIFY2(session.saveAs(targetPath, &failure), qPrintable(failure.message));
    QVERIFY(!model->isModified());
    QVERIFY(sameColours(pageColours(targetPath), shown));
    for (const PdfPageEntry &entry : model->pages())
        QCOMPARE(pathidentity::key(entry.sourcePath), pathidentity::key(targetPath));
    for (const QString &name : std::as_const(gone))
        QVERIFY(QFile::remove(m_dir.filePath(name)));

    // The saved file serves the next save on its own.
    session.undoManager()->rotatePages({model->pageAt(0)->id}, 90);
    QVERIFY2(session.saveAs(targetPath, &failure), qPrintable(failure.message));
    const readback::DocumentFacts facts = readback::inspect(targetPath);
    QCOMPARE(facts.pages.size(), 4);
    QCOMPARE(facts.pages.at(0).rotate, 90);
    QVERIFY(sameColours(pageColours(targetPath), shown));

    // Undo goes back only as far as the pages it brings back still exist somewhere.
    while (stack->canUndo())
        stack->undo();
    const QString check = m_dir.filePath(u"out/check.pdf"_s);
    QVERIFY2(session.saveAs(check, &failure), qPrintable(failure.message));
    QList<QColor> expected;
    for (int colour : std::as_const(undone))
        expected.append(fixtures::colourFor(colour));
    QVERIFY(sameColours(pageColours(check), expected));
    QCOMPARE(readback::inspect(check).pages.at(0).rotate, 0);
}

VELMORA_REGISTER_TEST(TestPdfDocumentSession);

#include "tst_pdfdocumentsession.moc"
