#include "dialogseam.h"
#include "organisetest.h"
#include "pdfextractsplitwriter.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "testregistry.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace organise;

using Contents = QList<QList<int>>; // per file, the fixture page index of each page

namespace {

// Reads a written file back with qpdf and poppler and checks that its pages are the fixture
// pages listed, in order: width tells the page, the rendered centre its colour.
bool holdsPages(const QString &path, const QList<int> &sources, QString *why)
{
    QString check;
    if (!readback::qpdfCheck(path, &check)) {
        *why = u"qpdf --check failed on %1: %2"_s.arg(path, check);
        return false;
    }
    const readback::DocumentFacts facts = readback::inspect(path);
    if (!facts.ok || facts.pages.size() != sources.size()) {
        *why =
            u"%1 has %2 pages, expected %3"_s.arg(path).arg(facts.pages.size()).arg(sources.size());
        return false;
    }
    for (int i = 0; i < sources.size(); ++i) {
        if (!qFuzzyCompare(facts.pages.at(i).mediaBox.width(),
                           fixturePageSize(sources.at(i)).width())) {
            *why = u"page %1 of %2 is %3 wide"_s.arg(i).arg(path).arg(
                facts.pages.at(i).mediaBox.width());
            return false;
        }
    }
    const QImage first = readback::renderPoppler(path, 0, 18);
    if (!readback::similar(readback::centreColour(first), fixtures::colourFor(sources.first()))) {
        *why = u"the first page of %1 has the wrong colour"_s.arg(path);
        return false;
    }
    return true;
}

QStringList filesIn(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

DialogSeam::Request lastBox()
{
    const QList<DialogSeam::Request> requests = DialogSeam::requests();
    return requests.isEmpty() ? DialogSeam::Request{DialogSeam::Kind::Text, {}, {}, -1}
                              : requests.last();
}

QList<int> range(int first, int last)
{
    QList<int> rows;
    for (int i = first; i <= last; ++i)
        rows.append(i);
    return rows;
}

} // namespace

class ExtractSplitTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString outFolder() const { return m_dir->filePath(u"out"_s); }

    void verifyFiles(const QStringList &names, const Contents &contents)
    {
        QCOMPARE(filesIn(outFolder()), [&] {
            QStringList sorted = names;
            sorted.sort();
            return sorted;
        }());
        for (int i = 0; i < names.size(); ++i) {
            QString why;
            QVERIFY2(holdsPages(QDir(outFolder()).filePath(names.at(i)), contents.at(i), &why),
                     qPrintable(why));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        DialogSeam::reset();
        DialogSeam::setScripted(true);
    }

    void cleanup() { DialogSeam::reset(); }

    void extraction_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("combine");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<Contents>("contents");
        QTest::newRow("pages 2 and 5 separately")
            << QList<int>{1, 4} << false << QStringList{u"report-2.pdf"_s, u"report-5.pdf"_s}
            << Contents{{1}, {4}};
        QTest::newRow("pages 2 and 5 combined")
            << QList<int>{4, 1} << true << QStringList{u"report-extracted.pdf"_s}
            << Contents{{1, 4}};
        QTest::newRow("one page, combine asked")
            << QList<int>{3} << true << QStringList{u"report-4.pdf"_s} << Contents{{3}};
    }

    void extraction()
    {
        QFETCH(QList<int>, selected);
        QFETCH(bool, combine);
        QFETCH(QStringList, names);
        QFETCH(Contents, contents);
        auto model = loadFixture(*m_dir, u"report.pdf"_s, 6);
        QVERIFY(model);
        QSet<PdfPageId> ids;
        for (int row : selected)
            ids.insert(idAt(*model, row));
        model->setSelectedPageIds(ids);

        const auto outcome =
            PdfExtractSplitWriter::extract(nullptr, model.get(), combine, outFolder());
        QCOMPARE(outcome.written.size(), names.size());
        QVERIFY(outcome.failed.isEmpty());
        verifyFiles(names, contents);
        QCOMPARE(lastBox().title, u"提取完成"_s);
        QCOMPARE(lastBox().text, u"已生成 %1 个 PDF 文件。\n%2"_s.arg(names.size())
                                     .arg(QDir::toNativeSeparators(outFolder())));
    }

    void extractionNeedsSelectionAndFolder()
    {
        auto model = loadFixture(*m_dir, u"report.pdf"_s, 3);
        QVERIFY(model);
        PdfExtractSplitWriter::extract(nullptr, model.get(), false, outFolder());
        model->selectAll();
        PdfExtractSplitWriter::extract(nullptr, model.get(), false, QString());
        QVERIFY(!QFileInfo::exists(outFolder()));
        QVERIFY(DialogSeam::requests().isEmpty());
    }

    void splitting_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("points");
        QTest::addColumn<bool>("everyPage");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<Contents>("contents");
        QTest::newRow("rows 3 and 7 of ten")
            << 10 << QList<int>{7, 3} << false
            << QStringList{u"report-1.pdf"_s, u"report-2.pdf"_s, u"report-3.pdf"_s}
            << Contents{range(0, 2), range(3, 6), range(7, 9)};
        QTest::newRow("points 0, 3, 3 and 12 of ten")
            << 10 << QList<int>{0, 3, 3, 12} << false
            << QStringList{u"report-1.pdf"_s, u"report-2.pdf"_s}
            << Contents{range(0, 2), range(3, 9)};
        QTest::newRow("every page of four") << 4 << QList<int>{2} << true
                                            << QStringList{u"report-1.pdf"_s, u"report-2.pdf"_s,
                                                           u"report-3.pdf"_s, u"report-4.pdf"_s}
                                            << Contents{{0}, {1}, {2}, {3}};
    }

    void splitting()
    {
        QFETCH(int, pages);
        QFETCH(QList<int>, points);
        QFETCH(bool, everyPage);
        QFETCH(QStringList, names);
        QFETCH(Contents, contents);
        auto model = loadFixture(*m_dir, u"report.pdf"_s, pages);
        QVERIFY(model);
        const quint64 revision = model->revision();

        const auto outcome =
            PdfExtractSplitWriter::split(nullptr, model.get(), everyPage, points, outFolder());
        QCOMPARE(outcome.written.size(), names.size());
        verifyFiles(names, contents);
        QCOMPARE(lastBox().title, u"拆分完成"_s);
        QCOMPARE(lastBox().messageKind, 1);
        // The document itself is not touched.
        QCOMPARE(model->revision(), revision);
        QVERIFY(!model->isModified());
    }

    void nothingToSplit_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("points");
        QTest::addColumn<bool>("everyPage");
        QTest::newRow("one page, every page") << 1 << QList<int>{} << true;
        QTest::newRow("no points") << 4 << QList<int>{} << false;
        QTest::newRow("only points at the ends") << 4 << QList<int>{0, 4} << false;
    }

    void nothingToSplit()
    {
        QFETCH(int, pages);
        QFETCH(QList<int>, points);
        QFETCH(bool, everyPage);
        auto model = loadFixture(*m_dir, u"report.pdf"_s, pages);
        QVERIFY(model);
        PdfExtractSplitWriter::split(nullptr, model.get(), everyPage, points, outFolder());
        QVERIFY(!QFileInfo::exists(outFolder()));
        QVERIFY(DialogSeam::requests().isEmpty());
    }

    void unsavedEditsAreWritten()
    {
        // Rotate the first page, insert a blank page after it and move the last page to the
        // front: the parts show the document as it is on screen.
        auto model = loadFixture(*m_dir, u"report.pdf"_s, 3);
        QVERIFY(model);
        model->rotatePages({idAt(*model, 0)}, 90);
        model->insertBlankPage(1, QSizeF(400, 500));
        QVERIFY(model->moveRows(QModelIndex(), 3, 1, QModelIndex(), 0));

        PdfExtractSplitWriter::split(nullptr, model.get(), true, {}, outFolder());
        QCOMPARE(filesIn(outFolder()), (QStringList{u"report-1.pdf"_s, u"report-2.pdf"_s,
                                                    u"report-3.pdf"_s, u"report-4.pdf"_s}));
        const QDir out(outFolder());
        const auto facts = [&](int part) {
            return readback::inspect(out.filePath(u"report-%1.pdf"_s.arg(part)));
        };
        QCOMPARE(facts(1).pages.value(0).mediaBox.width(), fixturePageSize(2).width());
        QCOMPARE(facts(2).pages.value(0).mediaBox.width(), fixturePageSize(0).width());
        QCOMPARE(facts(2).pages.value(0).rotate, 90);
        QCOMPARE(facts(3).pages.value(0).mediaBox, QSizeF(400, 500));
        QCOMPARE(facts(3).pages.value(0).rotate, 0);
        QCOMPARE(facts(4).pages.value(0).mediaBox.width(), fixturePageSize(1).width());

        // The rotated page's marker, top-left when upright, lands top-right when turned.
        const QImage turned = readback::renderPoppler(out.filePath(u"report-2.pdf"_s), 0, 36);
        QVERIFY(turned.width() > turned.height());
        QCOMPARE(readback::markerQuadrant(turned), 1);
        const QImage blank = readback::renderPoppler(out.filePath(u"report-3.pdf"_s), 0, 18);
        QCOMPARE(readback::centreColour(blank), QColor(Qt::white));
    }

    void existingFilesAreNeverReplaced_data()
    {
        // Splitting beside an extraction's output: neverSavedDocument.
        QTest::addColumn<QString>("run"); // extract, combine, or late: a split whose first name
                                          // is taken after the plan was made
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<Contents>("contents");
        QTest::newRow("extract page 3") << u"extract"_s << u"report-3.pdf"_s
                                        << QStringList{u"report-3(1).pdf"_s} << Contents{{2}};
        QTest::newRow("extract combined")
            << u"combine"_s << u"report-extracted.pdf"_s
            << QStringList{u"report-extracted(1).pdf"_s} << Contents{{0, 2}};
        QTest::newRow("split, taken after the plan")
            << u"late"_s << u"report-1.pdf"_s
            << QStringList{u"report-1(1).pdf"_s, u"report-2.pdf"_s}
            << Contents{range(0, 1), range(2, 3)};
    }

    void existingFilesAreNeverReplaced()
    {
        QFETCH(QString, run);
        QFETCH(QString, existing);
        QFETCH(QStringList, written);
        QFETCH(Contents, contents);
        auto model = loadFixture(*m_dir, u"report.pdf"_s, 4);
        QVERIFY(model);
        QVERIFY(QDir().mkpath(outFolder()));
        const QDir out(outFolder());
        const QString kept = out.filePath(existing);
        PdfExtractSplitWriter::Outcome outcome;
        QByteArray before;
        if (run == u"late"_s) {
            const auto plan = PdfExtractSplitWriter::splitPlan(*model, false, {2}, outFolder());
            QVERIFY(!writeFixture(*m_dir, u"out/"_s + existing, 7).isEmpty());
            before = fixtures::fileHash(kept);
            outcome = PdfExtractSplitPlan::write(PdfExtractSplitPlan::jobsFor(*model, plan), {});
        } else {
            QVERIFY(!writeFixture(*m_dir, u"out/"_s + existing, 7).isEmpty());
            before = fixtures::fileHash(kept);
            if (run == u"extract"_s)
                model->setSelectedPageIds({idAt(*model, 2)});
            else
                model->setSelectedPageIds({idAt(*model, 0), idAt(*model, 2)});
            outcome = PdfExtractSplitWriter::extract(nullptr, model.get(), run == u"combine"_s,
                                                     outFolder());
        }
        QVERIFY(outcome.failed.isEmpty());
        QCOMPARE(fixtures::fileHash(kept), before);
        QStringList expected;
        for (int i = 0; i < written.size(); ++i) {
            expected.append(out.filePath(written.at(i)));
            QString why;
            QVERIFY2(holdsPages(expected.last(), contents.at(i), &why), qPrintable(why));
        }
        QCOMPARE(outcome.written, expected);
        // The summary names what was written, at most eight of them.
        QCOMPARE(PdfExtractSplitWriter::writtenNames(expected), written.join(u'\n'));
        QCOMPARE(PdfExtractSplitWriter::writtenNames(QStringList(10, kept)).split(u'\n').last(),
                 u"…以及另外 2 个文件"_s);
    }

    void sourcesAreNeverOverwritten()
    {
        // x.pdf with the pages of x-1.pdf inserted: the first part would be called x-1.pdf.
        auto model = loadFixture(*m_dir, u"x.pdf"_s, 3);
        QVERIFY(model);
        const QString inserted = writeFixture(*m_dir, u"x-1.pdf"_s, 5);
        const QByteArray insertedBytes = fixtures::readBytes(inserted);
        const QByteArray documentBytes = fixtures::readBytes(model->documentPath());
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(model->insertPdf(inserted, 3, QString(), &error, &message));

        const auto outcome =
            PdfExtractSplitWriter::split(nullptr, model.get(), false, {2, 6}, m_dir->path());
        QVERIFY(outcome.failed.isEmpty());
        QCOMPARE(fixtures::readBytes(inserted), insertedBytes);
        QCOMPARE(fixtures::readBytes(model->documentPath()), documentBytes);
        QCOMPARE(outcome.written,
                 (QStringList{m_dir->filePath(u"x-1(1).pdf"_s), m_dir->filePath(u"x-2.pdf"_s),
                              m_dir->filePath(u"x-3.pdf"_s)}));
        QString why;
        QVERIFY2(holdsPages(outcome.written.at(0), {0, 1}, &why), qPrintable(why));
        QVERIFY2(holdsPages(outcome.written.at(1), {2, 0, 1, 2}, &why), qPrintable(why));
        QVERIFY2(holdsPages(outcome.written.at(2), {3, 4}, &why), qPrintable(why));

        // The document's pages can still be written from their untouched sources.
        const QString saved = m_dir->filePath(u"saved.pdf"_s);
        QVERIFY(PdfEditorBackend::saveDocument(model->sourcePages(), saved, &error, &message));
        QVERIFY2(holdsPages(saved, {0, 1, 2, 0, 1, 2, 3, 4}, &why), qPrintable(why));
    }

    void documentItselfIsNeverOverwritten()
    {
        // The first part's name is a link to the open document: it must not be written through.
        auto model = loadFixture(*m_dir, u"y.pdf"_s, 3);
        QVERIFY(model);
        const QByteArray documentBytes = fixtures::readBytes(model->documentPath());
        const QString link = m_dir->filePath(u"y-1.pdf"_s);
        QVERIFY(QFile::link(model->documentPath(), link));

        const auto outcome =
            PdfExtractSplitWriter::split(nullptr, model.get(), true, {}, m_dir->path());
        QVERIFY(outcome.failed.isEmpty());
        QCOMPARE(fixtures::readBytes(model->documentPath()), documentBytes);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(outcome.written,
                 (QStringList{m_dir->filePath(u"y-1(1).pdf"_s), m_dir->filePath(u"y-2.pdf"_s),
                              m_dir->filePath(u"y-3.pdf"_s)}));
        for (int part = 0; part < 3; ++part) {
            QString why;
            QVERIFY2(holdsPages(outcome.written.at(part), {part}, &why), qPrintable(why));
        }
    }

    void neverSavedDocument()
    {
        PdfDocumentModel model;
        const QString source = writeFixture(*m_dir, u"source.pdf"_s, 3);
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(model.insertPdf(source, 0, QString(), &error, &message));
        QVERIFY(model.documentPath().isEmpty());

        model.setSelectedPageIds({idAt(model, 0), idAt(model, 2)});
        PdfExtractSplitWriter::extract(nullptr, &model, false, outFolder());
        PdfExtractSplitWriter::extract(nullptr, &model, true, outFolder());
        PdfExtractSplitWriter::split(nullptr, &model, false, {1}, outFolder());
        // The split's first part keeps clear of the extracted page of that name.
        verifyFiles({u"未命名-1.pdf"_s, u"未命名-3.pdf"_s, u"未命名-extracted.pdf"_s,
                     u"未命名-1(1).pdf"_s, u"未命名-2.pdf"_s},
                    {{0}, {2}, {0, 2}, {0}, {1, 2}});
    }

    void partialFailureIsListed()
    {
        auto model = loadFixture(*m_dir, u"report.pdf"_s, 3);
        QVERIFY(model);
        // The second page comes from a file that is gone by the time the parts are written.
        const QString inserted = writeFixture(*m_dir, u"gone.pdf"_s, 1);
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(model->insertPdf(inserted, 1, QString(), &error, &message));
        QVERIFY(QFile::remove(inserted));

        const auto outcome =
            PdfExtractSplitWriter::split(nullptr, model.get(), true, {}, outFolder());
        QCOMPARE(outcome.written.size(), 3);
        QCOMPARE(outcome.failed.size(), 1);
        QVERIFY(outcome.failed.first().contains(u"report-2.pdf"_s));
        QCOMPARE(filesIn(outFolder()),
                 (QStringList{u"report-1.pdf"_s, u"report-3.pdf"_s, u"report-4.pdf"_s}));
        QString why;
        QVERIFY2(holdsPages(QDir(outFolder()).filePath(u"report-3.pdf"_s), {1}, &why),
                 qPrintable(why));
        QCOMPARE(lastBox().title, u"部分文件拆分失败"_s);
        QCOMPARE(lastBox().messageKind, 2);
        QVERIFY(lastBox().text.startsWith(u"已生成 3 个文件，1 个文件失败。\n\n"_s));
    }

    void folderThatCannotBeMade()
    {
        auto model = loadFixture(*m_dir, u"report.pdf"_s, 3);
        QVERIFY(model);
        const QString blocker = m_dir->filePath(u"plain-file"_s);
        QVERIFY(fixtures::writeBytes(blocker, "x"));
        model->selectAll();
        PdfExtractSplitWriter::extract(nullptr, model.get(), false, blocker + u"/sub"_s);
        QCOMPARE(lastBox().title, u"提取失败"_s);
        QCOMPARE(lastBox().text, u"无法创建目标文件夹。"_s);
        PdfExtractSplitWriter::split(nullptr, model.get(), true, {}, blocker + u"/sub"_s);
        QCOMPARE(lastBox().title, u"拆分失败"_s);
        QCOMPARE(DialogSeam::requests().size(), 2);
    }
};

VELMORA_REGISTER_TEST(ExtractSplitTest);

#include "tst_extractsplit.moc"
