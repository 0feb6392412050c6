#include "dialogseam.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfprintjob.h"
#include "pdfreadback.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The box around everything that is not (nearly) white.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < 3 * 235)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pageRange_data();
    void pageRange();
    void printRanges_data();
    void printRanges();
    void rotatedPageCentred_data();
    void rotatedPageCentred();
    void cancelledDialogPrintsNothing();
    void printerThatCannotStart_data();
    void printerThatCannotStart();
    void renderFailureStopsAtThatPage_data();
    void renderFailureStopsAtThatPage();
    void toolBarPrints();
    void printsOffTheGuiThread_data();
    void printsOffTheGuiThread();

private:
    // Prints through the dialog hook into a PDF file; the printed file's path.
    QString printModel(const PdfDocumentModel *model, int from, int to, bool accept = true);
    bool load(PdfDocumentModel *model, const QString &name, int pages, QSizeF size = {200, 300});

    QTemporaryDir m_dir;
    QString m_docName;
};

void TestPrintJob::init()
{
    QVERIFY(m_dir.isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestPrintJob::cleanup()
{
    PdfPrintJob::setDialogHook({});
    PdfPrintJob::setRenderedOnly(false);
    DialogSeam::reset();
}

bool TestPrintJob::load(PdfDocumentModel *model, const QString &name, int pages, QSizeF size)
{
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(pages, size);
    const QString path = m_dir.filePath(name);
    if (!fixtures::write(spec, path))
        return false;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    return model->loadDocument(path, QString(), &error, &message);
}

QString TestPrintJob::printModel(const PdfDocumentModel *model, int from, int to, bool accept)
{
    static int printed = 0;
    const QString out = m_dir.filePath(u"printed-%1.pdf"_s).arg(++printed);
    PdfPrintJob::setDialogHook([this, out, from, to, accept](QPrinter *printer, QWidget *) {
        m_docName = printer->docName();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(out);
        printer->setResolution(72);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(36, 36, 36, 36), QPageLayout::Point));
        return PdfPrintJob::DialogAnswer{accept, from, to};
    });
    PdfPrintJob::print(model, nullptr);
    return out;
}

void TestPrintJob::pageRange_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("end");
    QTest::newRow("all") << 0 << 0 << 0 << 5;
    QTest::newRow("3..2 prints page 3") << 3 << 2 << 2 << 3;
    QTest::newRow("4..9 stops at the last") << 4 << 9 << 3 << 5;
    QTest::newRow("whole range") << 1 << 5 << 0 << 5;
    QTest::newRow("from beyond the last") << 7 << 9 << 4 << 5;
    QTest::newRow("open end") << 2 << 0 << 1 << 5;
}

void TestPrintJob::pageRange()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, first);
    QFETCH(int, end);
    const PdfPrintJob::Range range = PdfPrintJob::pageRange(from, to, 5);
    QCOMPARE(range.first, first);
    QCOMPARE(range.end, end);
}

void TestPrintJob::printRanges_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<bool>("rendered");
    QTest::newRow("3..2") << 3 << 2 << QList<int>{2} << false;
    QTest::newRow("4..9") << 4 << 9 << QList<int>{3, 4} << false;
    QTest::newRow("all") << 0 << 0 << QList<int>{0, 1, 2, 3, 4} << false;
    QTest::newRow("3..2 rendered") << 3 << 2 << QList<int>{2} << true;
    QTest::newRow("4..9 rendered") << 4 << 9 << QList<int>{3, 4} << true;
}

void TestPrintJob::printRanges()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, pages);
    QFETCH(bool, rendered);
    PdfPrintJob::setRenderedOnly(rendered);
    PdfDocumentModel model;
    QVERIFY(load(&model, u"five.pdf"_s, 5));
    const QString out = printModel(&model, from, to);
    QCOMPARE(m_docName, u"five.pdf"_s);
    const readback::DocumentFacts facts = readback::inspect(out);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.pages.size(), pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        const QImage image = readback::renderPoppler(out, i, 36);
        QVERIFY2(viewertest::centreIs(image, fixtures::colourFor(pages.at(i))),
                 qPrintable(u"sheet %1"_s.arg(i)));
    }
    QVERIFY(DialogSeam::requests().isEmpty());
}

void TestPrintJob::rotatedPageCentred_data()
{
    QTest::addColumn<bool>("rendered");
    QTest::newRow("as PDF") << false;
    QTest::newRow("rendered") << true;
}

void TestPrintJob::rotatedPageCentred()
{
    QFETCH(bool, rendered);
    PdfPrintJob::setRenderedOnly(rendered);
    PdfDocumentModel model;
    QVERIFY(load(&model, u"portrait.pdf"_s, 1, {200, 300}));
    model.rotatePages({model.pageAt(0)->id}, 90);
    const QString out = printModel(&model, 0, 0);
    const QImage sheet = readback::renderPoppler(out, 0, 72);
    QVERIFY(!sheet.isNull());
    if (!rendered) {
        // The page itself, turned: the marker of its top-left corner now sits top right.
        const readback::DocumentFacts facts = readback::inspect(out);
        QCOMPARE(facts.pages.size(), 1);
        QCOMPARE(facts.pages.at(0).rotate, 90);
        QCOMPARE(sheet.size(), QSize(300, 200));
        QCOMPARE(readback::markerQuadrant(sheet), 1);
        return;
    }
    const QRect ink = inkBox(sheet);
    // Landscape on a portrait sheet: as wide as the printable area, centred on the sheet.
    QVERIFY(ink.width() > ink.height());
    QVERIFY(qAbs(double(ink.width()) / ink.height() - 1.5) < 0.03);
    QVERIFY(qAbs(ink.width() - (595 - 72)) <= 2);
    QVERIFY(qAbs(ink.left() - (sheet.width() - 1 - ink.right())) <= 2);
    QVERIFY(qAbs(ink.top() - (sheet.height() - 1 - ink.bottom())) <= 2);
}

void TestPrintJob::cancelledDialogPrintsNothing()
{
    PdfDocumentModel model;
    QVERIFY(load(&model, u"two.pdf"_s, 2));
    const QString out = printModel(&model, 0, 0, false);
    QVERIFY(!QFileInfo::exists(out));
    PdfDocumentModel empty;
    int asked = 0;
    PdfPrintJob::setDialogHook([&asked](QPrinter *, QWidget *) {
        ++asked;
        return PdfPrintJob::DialogAnswer{true, 0, 0};
    });
    PdfPrintJob::print(&empty, nullptr);
    QCOMPARE(asked, 0);
}

void TestPrintJob::printerThatCannotStart_data()
{
    QTest::addColumn<bool>("rendered");
    QTest::addColumn<QString>("target");
    QTest::newRow("as PDF") << false << u"no/such/folder/out.pdf"_s;
    QTest::newRow("rendered") << true << u"no/such/folder/out.pdf"_s;
    // Printing over a file the document reads would change the document under the tab.
    QTest::newRow("into the document") << false << u"two.pdf"_s;
    QTest::newRow("into an inserted file") << false << u"extra.pdf"_s;
    QTest::newRow("into the document, rendered") << true << u"two.pdf"_s;
}

void TestPrintJob::printerThatCannotStart()
{
    QFETCH(bool, rendered);
    QFETCH(QString, target);
    PdfPrintJob::setRenderedOnly(rendered);
    PdfDocumentModel model;
    QVERIFY(load(&model, u"two.pdf"_s, 2));
    fixtures::DocumentSpec extra;
    extra.pages = fixtures::pagesOf(1);
    QVERIFY(fixtures::write(extra, m_dir.filePath(u"extra.pdf"_s)));
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QVERIFY(model.insertPdf(m_dir.filePath(u"extra.pdf"_s), 2, QString(), &error, &message));
    const QString out = m_dir.filePath(target);
    const QByteArray before = fixtures::readBytes(out);
    PdfPrintJob::setDialogHook([out](QPrinter *printer, QWidget *) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(out);
        return PdfPrintJob::DialogAnswer{true, 0, 0};
    });
    PdfPrintJob::print(&model, nullptr);
    const QList<DialogSeam::Request> requests = DialogSeam::requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).title, u"打印失败"_s);
    QCOMPARE(requests.at(0).text, u"无法启动打印任务。"_s);
    QCOMPARE(fixtures::readBytes(out), before);
}

void TestPrintJob::renderFailureStopsAtThatPage_data()
{
    QTest::addColumn<bool>("rendered");
    QTest::addColumn<int>("sheets");
    // Sheets rendered before the failure stay, as on paper; a PDF without the missing pages is
    // no print of the range and is not left behind.
    QTest::newRow("as PDF") << false << -1;
    QTest::newRow("rendered") << true << 3;
}

void TestPrintJob::renderFailureStopsAtThatPage()
{
    QFETCH(bool, rendered);
    QFETCH(int, sheets);
    PdfPrintJob::setRenderedOnly(rendered);
    PdfDocumentModel model;
    QVERIFY(load(&model, u"three.pdf"_s, 3));
    fixtures::DocumentSpec extra;
    extra.pages = fixtures::pagesOf(3);
    const QString extraPath = m_dir.filePath(u"extra.pdf"_s);
    QVERIFY(fixtures::write(extra, extraPath));
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QVERIFY(model.insertPdf(extraPath, 3, QString(), &error, &message));
    QCOMPARE(model.pageCount(), 6);
    QVERIFY(QFile::remove(extraPath));

    const QString out = printModel(&model, 0, 0);
    if (sheets < 0)
        QVERIFY(!QFileInfo::exists(out));
    else
        QCOMPARE(readback::inspect(out).pages.size(), sheets);
    const QList<DialogSeam::Request> requests = DialogSeam::requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).title, u"打印未完成"_s);
    QVERIFY(!requests.at(0).text.isEmpty());
}

void TestPrintJob::toolBarPrints()
{
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(2);
    const QString path = m_dir.filePath(u"viewer.pdf"_s);
    QVERIFY(fixtures::write(spec, path));
    PdfViewerWidget viewer;
    QVERIFY(viewer.openDocument(path));
    // Unsaved edits print as they stand.
    viewer.undoManager()->removePages({viewer.documentModel()->pageAt(0)->id});
    const QString out = m_dir.filePath(u"from-toolbar.pdf"_s);
    QWidget *dialogParent = nullptr;
    PdfPrintJob::setDialogHook([&](QPrinter *printer, QWidget *parent) {
        dialogParent = parent;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(out);
        printer->setResolution(72);
        return PdfPrintJob::DialogAnswer{true, 0, 0};
    });
    viewer.topToolBar()->moreMenu()->actions().at(2)->trigger();
    QCOMPARE(dialogParent, &viewer);
    QCOMPARE(readback::inspect(out).pages.size(), 1);
    QVERIFY(viewertest::centreIs(readback::renderPoppler(out, 0, 36), fixtures::colourFor(1)));
}

void TestPrintJob::printsOffTheGuiThread_data()
{
    QTest::addColumn<bool>("rendered");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("as PDF") << false << false;
    QTest::newRow("rendered") << true << false;
    QTest::newRow("as PDF, cancelled") << false << true;
    QTest::newRow("rendered, cancelled") << true << true;
}

void TestPrintJob::printsOffTheGuiThread()
{
    QFETCH(bool, rendered);
    QFETCH(bool, cancel);
    PdfPrintJob::setRenderedOnly(rendered);

    // Thirty pages whose widths give their order.
    const int count = 30;
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(count);
    for (int i = 0; i < count; ++i)
        spec.pages[i].size = QSizeF(200 + 2 * i, 300);
    const QString path = m_dir.filePath(u"thirty.pdf"_s);
    QVERIFY(fixtures::write(spec, path));
    PdfDocumentModel model;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QVERIFY(model.loadDocument(path, QString(), &error, &message));
    model.rotatePages({model.pageAt(4)->id}, 90);

    // A file of that name already there is what a cancelled run must leave.
    const QString out = m_dir.filePath(rendered ? u"thirty-rendered.pdf"_s : u"thirty-out.pdf"_s);
    const QByteArray before = "not replaced";
    QVERIFY(fixtures::writeBytes(out, before));
    PdfPrintJob::setDialogHook([out](QPrinter *printer, QWidget *) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(out);
        printer->setResolution(72);
        return PdfPrintJob::DialogAnswer{true, 0, 0};
    });

    // Counts the turns of the event loop while the print runs behind its progress box.
    int ticks = 0;
    bool cancelOffered = false;
    // A name taken in the folder while the pages are written would outlive a killed process.
    // Only the finished file may show one, for the instant between taking its hidden name and
    // replacing the old file with it.
    QStringList seenWhilePrinting;
    int ticksWithName = 0;
    QTimer heartbeat;
    heartbeat.setInterval(0);
    connect(&heartbeat, &QTimer::timeout, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || box->objectName() != u"pdfPrintProgressBox"_s)
            return;
        ++ticks;
        const QStringList names =
            QDir(m_dir.path()).entryList({u".*"_s}, QDir::Files | QDir::Hidden);
        seenWhilePrinting += names;
        ticksWithName += names.isEmpty() ? 0 : 1;
        auto *button = box->findChild<QPushButton *>(u"messageBoxCancelButton"_s);
        cancelOffered = cancelOffered || (button && button->isEnabled());
        if (cancel && button && button->isEnabled())
            button->click();
    });
    heartbeat.start();
    QWidget window;
    PdfPrintJob::print(&model, &window);
    heartbeat.stop();

    // The box closes when the worker has ended: a turn of the loop while it is up is a turn
    // during the print.
    QVERIFY(ticks >= 1);
    QVERIFY(cancelOffered);
    QVERIFY(DialogSeam::requests().isEmpty());
    const QStringList leftovers =
        QDir(m_dir.path()).entryList({u"*.part"_s}, QDir::Files | QDir::Hidden);
    QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(u", "_s)));
    seenWhilePrinting.removeDuplicates();
    QVERIFY2(seenWhilePrinting.size() <= 1 && ticksWithName <= std::max(1, ticks / 10),
             qPrintable(u"%1 of %2 turns: "_s.arg(ticksWithName).arg(ticks) +
                        seenWhilePrinting.join(u", "_s)));
    if (cancel) {
        // Thirty pages as PDF may all be written before the click lands: then the print is
        // whole. Drawn pages take long enough for the cancel to come first every time.
        const QByteArray now = fixtures::readBytes(out);
        if (rendered || now == before) {
            QCOMPARE(now, before);
            return;
        }
        QCOMPARE(readback::inspect(out).pages.size(), count);
        return;
    }

    const readback::DocumentFacts facts = readback::inspect(out);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.pages.size(), count);
    if (rendered) {
        for (int i : {0, 17, count - 1}) {
            QVERIFY2(
                viewertest::centreIs(readback::renderPoppler(out, i, 36), fixtures::colourFor(i)),
                qPrintable(u"sheet %1"_s.arg(i)));
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        QCOMPARE(facts.pages.at(i).mediaBox.width(), 200.0 + 2 * i);
        QCOMPARE(facts.pages.at(i).rotate, i == 4 ? 90 : 0);
    }
    QCOMPARE(readback::markerQuadrant(readback::renderPoppler(out, 4, 36)), 1);
    QCOMPARE(readback::markerQuadrant(readback::renderPoppler(out, 5, 36)), 0);
}

VELMORA_REGISTER_TEST(TestPrintJob);
#include "tst_pdfprintjob.moc"
