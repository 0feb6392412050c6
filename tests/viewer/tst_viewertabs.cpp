#include "customtabwidget.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "mainpage.h"
#include "modernmessagebox.h"
#include "pathidentity.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "pdfshowpage.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "startup.h"
#include "testregistry.h"
#include "tooltype.h"
#include "viewertest.h"
#include "workspacefactory.h"

#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestViewerTabs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openingAddsViewerTab();
    void sameFileFocusesItsTab_data();
    void sameFileFocusesItsTab();
    void failedOpensLeaveNoTab_data();
    void failedOpensLeaveNoTab();
    void closingModifiedDocument_data();
    void closingModifiedDocument();
    void viewerToolRequestsOpenToolTabs_data();
    void viewerToolRequestsOpenToolTabs();
    void commandLineOpensFile();
    void saveAsRenamesTab();
    void saveOverFileOpenInOtherTab_data();
    void saveOverFileOpenInOtherTab();
    void closingWindowAsksForModifiedDocuments_data();
    void closingWindowAsksForModifiedDocuments();

private:
    QString makePdf(const QString &name, int pages);
    static PdfViewerWidget *viewerAt(MainPage &page, int index)
    {
        auto *tab = qobject_cast<PdfShowPage *>(page.tabWidget()->widget(index));
        return tab ? tab->viewer() : nullptr;
    }

    QTemporaryDir m_dir;
    struct Added
    {
        int type;
        QString path;
    };
    QList<Added> m_added;
};

void TestViewerTabs::init()
{
    QVERIFY(m_dir.isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
    m_added.clear();
    WorkspaceFactory::setToolFileAdder([this](QWidget *, int type, const QString &path) {
        m_added.append({type, path});
    });
}

void TestViewerTabs::cleanup()
{
    WorkspaceFactory::reset();
    DialogSeam::reset();
}

namespace {

QString writeColoured(const QString &path, int pages, int colourOffset)
{
    fixtures::DocumentSpec spec;
    for (int i = 0; i < pages; ++i) {
        fixtures::PageSpec page;
        page.colour = fixtures::colourFor(i + colourOffset);
        spec.pages.append(page);
    }
    return fixtures::write(spec, path) ? path : QString();
}

QList<int> colourIndexes(const QString &path)
{
    QList<int> found;
    const int count = int(readback::inspect(path).pages.size());
    for (int page = 0; page < count; ++page) {
        const QColor centre = readback::centreColour(readback::renderPoppler(path, page, 24));
        int index = -1;
        for (int k = 0; k < 6 && index < 0; ++k) {
            if (readback::similar(centre, fixtures::colourFor(k), 20))
                index = k;
        }
        found.append(index);
    }
    return found;
}

} // namespace

QString TestViewerTabs::makePdf(const QString &name, int pages)
{
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(pages);
    const QString path = m_dir.filePath(name);
    return fixtures::write(spec, path) ? path : QString();
}

void TestViewerTabs::openingAddsViewerTab()
{
    const QString path = makePdf(u"Report.pdf"_s, 3);
    MainPage page;
    page.onFileOpen(path);
    QTabWidget *tabs = page.tabWidget();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(tabs->tabText(1), u"Report.pdf"_s);
    QCOMPARE(tabs->widget(1)->property("tesselFilePath").toString(),
             pathidentity::normalised(path));
    PdfViewerWidget *viewer = viewerAt(page, 1);
    QVERIFY(viewer);
    QCOMPARE(viewer->documentModel()->pageCount(), 3);
    QVERIFY(DialogSeam::requests().isEmpty());
}

void TestViewerTabs::sameFileFocusesItsTab_data()
{
    QTest::addColumn<QString>("spelling");
    QTest::newRow("dotted") << u"%1/./sub/../Report.pdf"_s;
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // Elsewhere another case names another file (tst_app viewerTabPerPath).
    QTest::newRow("other case") << u"%1/REPORT.PDF"_s;
#endif
    QTest::newRow("padded") << u"  %1/Report.pdf  "_s;
}

void TestViewerTabs::sameFileFocusesItsTab()
{
    QFETCH(QString, spelling);
    const QString path = makePdf(u"Report.pdf"_s, 2);
    QVERIFY(QDir(m_dir.path()).mkpath(u"sub"_s));
    const QString other = makePdf(u"Other.pdf"_s, 1);
    MainPage page;
    page.onFileOpen(path);
    page.onFileClicked(other);
    QCOMPARE(page.tabWidget()->count(), 3);
    page.onFileClicked(spelling.arg(m_dir.path()));
    QCOMPARE(page.tabWidget()->count(), 3);
    QCOMPARE(page.tabWidget()->currentIndex(), 1);
}

void TestViewerTabs::failedOpensLeaveNoTab_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("messages");
    QTest::newRow("missing") << u"missing.pdf"_s << 1;
    QTest::newRow("damaged") << u"damaged.pdf"_s << 1;
    QTest::newRow("password prompt cancelled") << u"locked.pdf"_s << 0;
}

void TestViewerTabs::failedOpensLeaveNoTab()
{
    QFETCH(QString, file);
    QFETCH(int, messages);
    QVERIFY(fixtures::writeBytes(m_dir.filePath(u"damaged.pdf"_s), "%PDF-1.4\n"));
    QVERIFY(fixtures::encrypt(makePdf(u"plain.pdf"_s, 1), m_dir.filePath(u"locked.pdf"_s),
                              fixtures::Scheme::Aes128, u"pw"_s, u"pw"_s));
    MainPage page;
    page.onFileOpen(m_dir.filePath(file));
    QCOMPARE(page.tabWidget()->count(), 1);
    int boxes = 0;
    for (const DialogSeam::Request &request : DialogSeam::requests())
        boxes += request.kind == DialogSeam::Kind::MessageBox ? 1 : 0;
    QCOMPARE(boxes, messages);
    QTRY_VERIFY(page.findChildren<PdfShowPage *>().isEmpty());
}

void TestViewerTabs::closingModifiedDocument_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("cancel keeps the tab") << int(ModernMessageBox::Cancelled) << false;
    QTest::newRow("discard closes it") << int(ModernMessageBox::Discarded) << true;
    QTest::newRow("save closes it") << int(ModernMessageBox::Confirmed) << true;
}

void TestViewerTabs::closingModifiedDocument()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    const QString path = makePdf(u"edit.pdf"_s, 2);
    MainPage page;
    page.onFileOpen(path);
    PdfViewerWidget *viewer = viewerAt(page, 1);
    QVERIFY(viewer);
    viewer->undoManager()->removePages({viewer->documentModel()->pageAt(0)->id});
    DialogSeam::answerMessageBox(answer);
    auto *close =
        qobject_cast<QPushButton *>(page.tabWidget()->tabBar()->tabButton(1, QTabBar::RightSide));
    QVERIFY(close);
    close->click();
    QCOMPARE(page.tabWidget()->count(), closed ? 1 : 2);
    QCOMPARE(readback::inspect(path).pages.size(),
             answer == int(ModernMessageBox::Confirmed) ? 1 : 2);
}

void TestViewerTabs::viewerToolRequestsOpenToolTabs_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("toolType");
    QTest::addColumn<bool>("fileAdded");
    QTest::newRow("compress") << 0 << int(ToolType::Compress) << true;
    QTest::newRow("office") << 1 << int(ToolType::PdfToOffice) << false;
    QTest::newRow("images") << 2 << int(ToolType::PdfToImages) << true;
    QTest::newRow("encrypt") << 3 << int(ToolType::Encrypt) << true;
    QTest::newRow("decrypt") << 4 << int(ToolType::Decrypt) << true;
    QTest::newRow("page numbers: no tool") << 5 << 0 << false;
}

void TestViewerTabs::viewerToolRequestsOpenToolTabs()
{
    QFETCH(int, entry);
    QFETCH(int, toolType);
    QFETCH(bool, fileAdded);
    const QString path = makePdf(u"tool.pdf"_s, 1);
    MainPage page;
    page.onFileOpen(path);
    viewerAt(page, 1)->topToolBar()->toolsMenu()->actions().at(entry)->trigger();
    QCOMPARE(page.tabWidget()->count(), toolType ? 3 : 2);
    if (toolType) {
        QCOMPARE(page.toolTabIndex(toolType), 2);
        QCOMPARE(page.tabWidget()->currentIndex(), 2);
    }
    QCOMPARE(m_added.size(), fileAdded ? 1 : 0);
    if (fileAdded) {
        QCOMPARE(m_added.at(0).type, toolType);
        QCOMPARE(m_added.at(0).path, pathidentity::normalised(path));
    }
}

void TestViewerTabs::commandLineOpensFile()
{
    const QString path = makePdf(u"start.pdf"_s, 2);
    FramelessWindow window;
    Startup::installMainPage(window);
    Startup::openCommandLineFile(window, {u"velmora"_s, path});
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(page);
    QCOMPARE(page->tabWidget()->count(), 2);
    QCOMPARE(viewerAt(*page, 1)->documentModel()->pageCount(), 2);
    // A missing file is ignored without a word.
    Startup::openCommandLineFile(window, {u"velmora"_s, m_dir.filePath(u"gone.pdf"_s)});
    QCOMPARE(page->tabWidget()->count(), 2);
    QVERIFY(DialogSeam::requests().isEmpty());
}

void TestViewerTabs::saveAsRenamesTab()
{
    const QString path = makePdf(u"draft.pdf"_s, 2);
    MainPage page;
    page.onFileOpen(path);
    PdfViewerWidget *viewer = viewerAt(page, 1);
    const QString copy = m_dir.filePath(u"final.pdf"_s);
    DialogSeam::answerFiles({copy});
    QVERIFY(viewer->saveAsWithDialog());
    QCOMPARE(page.tabWidget()->tabText(1), u"final.pdf"_s);
    QCOMPARE(page.viewerTabIndex(pathidentity::normalised(copy)), 1);
    // The saved file now has its tab; the draft gets a tab of its own again.
    page.onFileOpen(copy);
    QCOMPARE(page.tabWidget()->count(), 2);
    page.onFileOpen(path);
    QCOMPARE(page.tabWidget()->count(), 3);
}

void TestViewerTabs::saveOverFileOpenInOtherTab_data()
{
    // Tab 1 shows a.pdf (colours 0, 1, 2) and saves it over b.pdf (colours 3, 4). The other tab
    // shows b.pdf itself, or c.pdf (colour 5) with b.pdf's pages inserted after its page.
    QTest::addColumn<bool>("otherIsB");
    QTest::addColumn<bool>("modifyOther");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QList<int>>("otherWrites");
    QTest::newRow("unmodified tab closes") << true << false << -1 << true << QList<int>{};
    QTest::newRow("modified tab: asked, replace, closes")
        << true << true << int(ModernMessageBox::Confirmed) << true << QList<int>{};
    QTest::newRow("modified tab: asked, cancel")
        << true << true << int(ModernMessageBox::Cancelled) << false << QList<int>{3, 4};
    QTest::newRow("inserted pages keep their content")
        << false << true << -1 << true << QList<int>{5, 3, 4};
}

void TestViewerTabs::saveOverFileOpenInOtherTab()
{
    QFETCH(bool, otherIsB);
    QFETCH(bool, modifyOther);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(QList<int>, otherWrites);
    const QString a = writeColoured(m_dir.filePath(u"a.pdf"_s), 3, 0);
    const QString b = writeColoured(m_dir.filePath(u"b.pdf"_s), 2, 3);
    const QString c = writeColoured(m_dir.filePath(u"c.pdf"_s), 1, 5);
    const QByteArray oldB = fixtures::readBytes(b);

    MainPage page;
    page.onFileOpen(otherIsB ? b : c);
    page.onFileOpen(a);
    QPointer<PdfViewerWidget> other = viewerAt(page, 1);
    PdfViewerWidget *saver = viewerAt(page, 2);
    QVERIFY(other && saver);
    if (!otherIsB)
        other->insertPdfFiles({b}, 1);
    if (modifyOther)
        other->undoManager()->rotatePages({other->documentModel()->pageAt(0)->id}, 90);
    if (answer >= 0)
        DialogSeam::answerMessageBox(answer);

    QCOMPARE(saver->saveAs(b), saved);
    QList<QString> asked;
    for (const DialogSeam::Request &request : DialogSeam::requests()) {
        if (request.kind == DialogSeam::Kind::MessageBox)
            asked.append(request.title);
    }
    QCOMPARE(asked, answer >= 0 ? QList<QString>{u"替换文件"_s} : QList<QString>{});
    QCOMPARE(fixtures::readBytes(b) == oldB, !saved);
    // Opening b.pdf again adds no tab: it leads to the one tab that shows it. A tab that showed
    // b.pdf itself is gone: the saving tab stands for the file now.
    const bool otherCloses = otherIsB && saved;
    page.onFileOpen(b);
    QCOMPARE(page.tabWidget()->count(), otherCloses ? 2 : 3);
    QCOMPARE(page.tabWidget()->currentIndex(),
             otherCloses || !otherIsB ? page.tabWidget()->count() - 1 : 1);
    QCOMPARE(viewerAt(page, page.tabWidget()->currentIndex()),
             otherCloses || !otherIsB ? saver : other.data());
    if (otherCloses) {
        QTRY_VERIFY(!other);
        return;
    }

    // What the other tab saves is what it shows: the new b.pdf after a reload, its own edits
    // when the save was cancelled, the old pages of b.pdf when it only had them inserted.
    QCOMPARE(other->documentModel()->isModified(), modifyOther && !(otherIsB && saved));
    const QString written = m_dir.filePath(u"other-out.pdf"_s);
    QVERIFY(other->saveAs(written));
    QCOMPARE(colourIndexes(written), otherWrites);
    QCOMPARE(readback::inspect(written).pages.at(0).rotate,
             modifyOther && !(otherIsB && saved) ? 90 : 0);
}

void TestViewerTabs::closingWindowAsksForModifiedDocuments_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("cancel keeps the window") << int(ModernMessageBox::Cancelled) << false;
    QTest::newRow("discard lets it close") << int(ModernMessageBox::Discarded) << true;
}

void TestViewerTabs::closingWindowAsksForModifiedDocuments()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    const QString clean = makePdf(u"clean.pdf"_s, 1);
    const QString edited = makePdf(u"edited.pdf"_s, 2);
    FramelessWindow window;
    Startup::installMainPage(window);
    window.show();
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    page->onFileOpen(edited);
    page->onFileOpen(clean);
    PdfViewerWidget *viewer = viewerAt(*page, 1);
    viewer->undoManager()->rotatePages({viewer->documentModel()->pageAt(0)->id}, 90);
    DialogSeam::answerMessageBox(answer);
    QCOMPARE(window.close(), closes);
    QCOMPARE(window.isVisible(), !closes);
    int questions = 0;
    for (const DialogSeam::Request &request : DialogSeam::requests())
        questions += request.title == u"保存修改"_s ? 1 : 0;
    QCOMPARE(questions, 1);
    // Cancelled, the edited document is left in front.
    if (!closes)
        QCOMPARE(page->tabWidget()->currentIndex(), 1);
    QCOMPARE(page->tabWidget()->count(), 3);
}

VELMORA_REGISTER_TEST(TestViewerTabs);
#include "tst_viewertabs.moc"
