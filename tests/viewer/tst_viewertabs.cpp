#include "customtabwidget.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "mainpage.h"
#include "modernmessagebox.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "pdfshowpage.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "startup.h"
#include "tooltype.h"
#include "viewertest.h"
#include "workspacefactory.h"

#include <QMenu>
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
    WorkspaceFactory::setToolFileAdder(
        [this](QWidget *, int type, const QString &path) { m_added.append({type, path}); });
}

void TestViewerTabs::cleanup()
{
    WorkspaceFactory::reset();
    DialogSeam::reset();
}

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
    QCOMPARE(tabs->widget(1)->property("tesselFilePath").toString(), MainPage::normalisedPath(path));
    PdfViewerWidget *viewer = viewerAt(page, 1);
    QVERIFY(viewer);
    QCOMPARE(viewer->documentModel()->pageCount(), 3);
    QVERIFY(DialogSeam::requests().isEmpty());
}

void TestViewerTabs::sameFileFocusesItsTab_data()
{
    QTest::addColumn<QString>("spelling");
    QTest::newRow("dotted") << u"%1/./sub/../Report.pdf"_s;
    QTest::newRow("other case") << u"%1/REPORT.PDF"_s;
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
        QCOMPARE(m_added.at(0).path, MainPage::normalisedPath(path));
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

VELMORA_VIEWER_TEST(TestViewerTabs);
#include "tst_viewertabs.moc"
