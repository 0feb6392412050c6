#include "customtabbar.h"
#include "customtabwidget.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "homepage.h"
#include "mainpage.h"
#include "pathidentity.h"
#include "pdfshowpage.h"
#include "revealinfolder.h"
#include "shellservices.h"
#include "startup.h"
#include "testregistry.h"
#include "titlebar.h"
#include "tooltype.h"
#include "widgetinput.h"
#include "workspacefactory.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// A viewer tab whose open and close answers the test decides.
class FakeViewerTab : public PdfShowPage
{
public:
    using PdfShowPage::PdfShowPage;

    static inline bool openSucceeds = true;
    static inline bool mayClose = true;
    static inline QStringList opened;
    static inline int closeQuestions = 0;

    bool openFile(const QString &filePath) override
    {
        opened.append(filePath);
        return openSucceeds;
    }
    bool confirmClose() override
    {
        ++closeQuestions;
        return mayClose;
    }
};

struct AddedFile
{
    int toolType;
    QString path;
};

QList<AddedFile> addedFiles;

QWidget *pageAt(MainPage &page, int index)
{
    return page.tabWidget()->widget(index);
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void toolTabs_data();
    void toolTabs();
    void toolTabFocusedNotDuplicated();
    void unknownToolIdsIgnored_data();
    void unknownToolIdsIgnored();
    void homePageSignalsOpenTabs();

    void viewerTabPerPath_data();
    void viewerTabPerPath();
    void viewerTabsForDistinctFiles();
    void viewerFailureLeavesNoTab();
    void emptyPathsIgnored_data();
    void emptyPathsIgnored();
    void viewerToolRequests_data();
    void viewerToolRequests();

    void homeTabNeverClosable();
    void closeAsksViewer_data();
    void closeAsksViewer();
    void closeButtonFollowsMovedTab();
    void tabContextMenu_data();
    void tabContextMenu();
    void windowPlacementRemembered_data();
    void windowPlacementRemembered();
    void tabSizeHints_data();
    void tabSizeHints();
    void tabBarHover();
    void manyTabsStayReachable_data();
    void manyTabsStayReachable();

    void titleBarTexts_data();
    void titleBarTexts();
    void titleBarSignals_data();
    void titleBarSignals();
    void titleBarMaximizedFace();
    void windowMaximizeAndMask();
    void windowDragThreshold_data();
    void windowDragThreshold();
    void windowMinimumSizeAndContent();

    void startupCommandLine_data();
    void startupCommandLine();
    void droppedFiles_data();
    void droppedFiles();
    void languageChangeRebuildsMainPage();

private:
    QString makeFile(const QString &name);

    QTemporaryDir m_dir;
};

void TestApp::init()
{
    // The home tab keeps a recent files store; keep it out of the user's configuration.
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    FakeViewerTab::openSucceeds = true;
    FakeViewerTab::mayClose = true;
    FakeViewerTab::opened.clear();
    FakeViewerTab::closeQuestions = 0;
    addedFiles.clear();
    // The real viewer reports files it cannot open; nothing may wait for an answer.
    DialogSeam::setScripted(true);
    WorkspaceFactory::setViewerTabMaker([](QWidget *parent) { return new FakeViewerTab(parent); });
    WorkspaceFactory::setToolFileAdder([](QWidget *, int type, const QString &path) {
        addedFiles.append({type, path});
    });
}

void TestApp::cleanup()
{
    DialogSeam::reset();
    WorkspaceFactory::reset();
    ShellServices::instance().reset();
}

QString TestApp::makeFile(const QString &name)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("%PDF-1.4\n");
    return path;
}

void TestApp::toolTabs_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("icon");
    QTest::newRow("1") << 1 << u"压缩PDF"_s << u":/res/icons/modern/compress.png"_s;
    QTest::newRow("2") << 2 << u"PDF转为Office"_s << u":/res/icons/modern/convert.png"_s;
    QTest::newRow("3") << 3 << u"Office转为PDF"_s << u":/res/icons/modern/convert.png"_s;
    QTest::newRow("4") << 4 << u"图像转PDF"_s << u":/res/icons/modern/image.png"_s;
    QTest::newRow("5") << 5 << u"PDF转为图像"_s << u":/res/icons/modern/image.png"_s;
    QTest::newRow("6") << 6 << u"PDF解密"_s << u":/res/icons/modern/decrypt.png"_s;
    QTest::newRow("7") << 7 << u"PDF加密"_s << u":/res/icons/modern/encrypt.png"_s;
    QTest::newRow("8") << 8 << u"合并PDF"_s << u":/res/icons/modern/merge.png"_s;
}

void TestApp::toolTabs()
{
    QFETCH(int, type);
    QFETCH(QString, label);
    QFETCH(QString, icon);
    MainPage page;
    int madeFor = 0;
    WorkspaceFactory::setToolPageMaker([&](int t, QWidget *parent) {
        madeFor = t;
        return new QWidget(parent);
    });
    page.onToolClicked(type);
    QCOMPARE(madeFor, type);
    QTabWidget *tabs = page.tabWidget();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(tabs->tabText(1), label);
    QCOMPARE(MainPage::toolTabIcon(type), icon);
    QVERIFY(!tabs->tabIcon(1).isNull());
    QCOMPARE(pageAt(page, 1)->property("tesselToolType").toInt(), type);
    QVERIFY(tabs->tabBar()->tabButton(1, QTabBar::RightSide));
}

void TestApp::toolTabFocusedNotDuplicated()
{
    MainPage page;
    page.onToolClicked(ToolType::Compress);
    page.onToolClicked(ToolType::Merge);
    QCOMPARE(page.tabWidget()->currentIndex(), 2);
    page.onToolClicked(ToolType::Compress);
    QCOMPARE(page.tabWidget()->count(), 3);
    QCOMPARE(page.tabWidget()->currentIndex(), 1);

    // Identity goes by the page, not the position.
    page.tabWidget()->tabBar()->moveTab(1, 2);
    page.onToolClicked(ToolType::Compress);
    QCOMPARE(page.tabWidget()->count(), 3);
    QCOMPARE(pageAt(page, page.tabWidget()->currentIndex())->property("tesselToolType").toInt(),
             int(ToolType::Compress));
}

void TestApp::unknownToolIdsIgnored_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("0") << 0;
    QTest::newRow("10") << 10;
    QTest::newRow("-1") << -1;
    QTest::newRow("100") << 100;
}

void TestApp::unknownToolIdsIgnored()
{
    QFETCH(int, type);
    MainPage page;
    page.onToolClicked(type);
    page.onViewerToolRequested(type, makeFile(u"a.pdf"_s));
    QCOMPARE(page.tabWidget()->count(), 1);
    QCOMPARE(page.tabWidget()->currentIndex(), 0);
    QVERIFY(addedFiles.isEmpty());
}

void TestApp::homePageSignalsOpenTabs()
{
    MainPage page;
    const QString file = makeFile(u"home.pdf"_s);
    Q_EMIT page.homePage()->toolClicked(ToolType::Encrypt);
    Q_EMIT page.homePage()->openFile(file);
    Q_EMIT page.homePage()->fileClicked(file);
    QCOMPARE(page.tabWidget()->count(), 3);
    QCOMPARE(pageAt(page, 1)->property("tesselToolType").toInt(), int(ToolType::Encrypt));
    QCOMPARE(FakeViewerTab::opened, QStringList{pathidentity::normalised(file)});
}

void TestApp::viewerTabPerPath_data()
{
    // How the second file is named, whether it is a file of its own or a link to the first, and
    // how many viewer tabs the two open.
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("tabs");
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    const int caseTabs = 1;
#else
    const int caseTabs = 2;
#endif
    QTest::newRow("same") << u"Report.pdf"_s << QString() << 1;
    QTest::newRow("other case") << u"REPORT.PDF"_s << u"file"_s << caseTabs;
    QTest::newRow("lower case") << u"report.pdf"_s << u"file"_s << caseTabs;
    QTest::newRow("dot") << u"./Report.pdf"_s << QString() << 1;
    QTest::newRow("dot segments") << u"./sub/../Report.pdf"_s << QString() << 1;
    QTest::newRow("surrounding spaces") << u"  Report.pdf  "_s << QString() << 1;
    QTest::newRow("link") << u"link.pdf"_s << u"link"_s << 1;
    QTest::newRow("link in folder") << u"sub/link.pdf"_s << u"link"_s << 1;
}

void TestApp::viewerTabPerPath()
{
    QFETCH(QString, variant);
    QFETCH(QString, kind);
    QFETCH(int, tabs);
    const QString file = makeFile(u"Report.pdf"_s);
    QDir(m_dir.path()).mkdir(u"sub"_s);
    const QString trimmed = variant.trimmed();
    if (kind == u"file"_s)
        QVERIFY(!makeFile(trimmed).isEmpty());
    else if (kind == u"link"_s)
        QVERIFY(QFile::link(file, m_dir.filePath(trimmed)));
    MainPage page;
    page.onFileOpen(file);
    page.onToolClicked(ToolType::Merge);
    QCOMPARE(page.tabWidget()->currentIndex(), 2);

    const QString padding = variant.left(variant.indexOf(trimmed));
    page.onFileClicked(padding + m_dir.path() + u'/' + trimmed + padding);
    QCOMPARE(page.tabWidget()->count(), 2 + tabs);
    QCOMPARE(FakeViewerTab::opened.size(), tabs);
    QCOMPARE(page.viewerPaths().size(), tabs);
    // The tab shown is the file's own, or the one that already held it.
    QCOMPARE(page.tabWidget()->currentIndex(), tabs == 1 ? 1 : 3);
    if (tabs > 1) {
        QCOMPARE(page.viewerPaths().last(), m_dir.path() + u'/' + trimmed);
        QVERIFY(QFile::exists(page.viewerPaths().last()));
    }
}

void TestApp::viewerTabsForDistinctFiles()
{
    const QString a = makeFile(u"a.pdf"_s);
    const QString b = makeFile(u"b.pdf"_s);
    MainPage page;
    page.onFileOpen(a);
    page.onFileOpen(b);
    QTabWidget *tabs = page.tabWidget();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(tabs->tabText(1), u"a.pdf"_s);
    QCOMPARE(tabs->tabText(2), u"b.pdf"_s);
    QVERIFY(!tabs->tabIcon(2).isNull());
    QCOMPARE(pageAt(page, 2)->property("tesselFilePath").toString(),
             QFileInfo(b).canonicalFilePath());
    QVERIFY(qobject_cast<PdfShowPage *>(pageAt(page, 2)));
}

void TestApp::viewerFailureLeavesNoTab()
{
    FakeViewerTab::openSucceeds = false;
    MainPage page;
    const QString missing = m_dir.path() + u"/nowhere/../missing.pdf"_s;
    page.onFileOpen(missing);
    QCOMPARE(FakeViewerTab::opened, QStringList{m_dir.path() + u"/missing.pdf"_s});
    QCOMPARE(page.tabWidget()->count(), 1);
    QTRY_VERIFY(page.findChildren<PdfShowPage *>().isEmpty());

    // The real viewer refuses a file that is no PDF, and no tab remains either.
    WorkspaceFactory::reset();
    page.onFileOpen(makeFile(u"plain.pdf"_s));
    QCOMPARE(page.tabWidget()->count(), 1);
}

void TestApp::emptyPathsIgnored_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces") << u"   "_s;
    QTest::newRow("tab and newline") << u"\t\n"_s;
}

void TestApp::emptyPathsIgnored()
{
    QFETCH(QString, path);
    MainPage page;
    page.onFileOpen(path);
    page.onFileClicked(path);
    QVERIFY(FakeViewerTab::opened.isEmpty());
    QCOMPARE(page.tabWidget()->count(), 1);
}

void TestApp::viewerToolRequests_data()
{
    QTest::addColumn<QString>("toolId");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("addsFile");
    QTest::newRow("compress") << u"compress"_s << 1 << true;
    QTest::newRow("images") << u"images"_s << 5 << true;
    QTest::newRow("encrypt") << u"encrypt"_s << 7 << true;
    QTest::newRow("decrypt") << u"decrypt"_s << 6 << true;
    QTest::newRow("office") << u"office"_s << 2 << false;
    QTest::newRow("unknown") << u"merge"_s << 0 << false;
}

void TestApp::viewerToolRequests()
{
    QFETCH(QString, toolId);
    QFETCH(int, type);
    QFETCH(bool, addsFile);
    const QString file = makeFile(u"doc.pdf"_s);
    MainPage page;
    page.onFileOpen(file);
    auto *viewer = qobject_cast<PdfShowPage *>(pageAt(page, 1));
    QVERIFY(viewer);
    QSignalSpy requested(viewer, &PdfShowPage::toolRequested);
    if (toolId == u"office"_s)
        viewer->onConvertToOfficeRequested(file);
    else
        viewer->onExternalToolRequested(toolId, file);

    if (!type) {
        QCOMPARE(requested.size(), 0);
        QCOMPARE(page.tabWidget()->count(), 2);
        return;
    }
    QCOMPARE(requested.size(), 1);
    QCOMPARE(page.tabWidget()->count(), 3);
    QCOMPARE(pageAt(page, page.tabWidget()->currentIndex())->property("tesselToolType").toInt(),
             type);
    QCOMPARE(addedFiles.size(), addsFile ? 1 : 0);
    if (addsFile) {
        QCOMPARE(addedFiles.at(0).toolType, type);
        QCOMPARE(addedFiles.at(0).path, file);
    }

    // A second request focuses the same tool tab and adds the file again.
    page.tabWidget()->setCurrentIndex(1);
    Q_EMIT viewer->toolRequested(type, file);
    QCOMPARE(page.tabWidget()->count(), 3);
    QCOMPARE(page.tabWidget()->currentIndex(), 2);
    QCOMPARE(addedFiles.size(), addsFile ? 2 : 0);
}

void TestApp::homeTabNeverClosable()
{
    MainPage page;
    page.onToolClicked(ToolType::Compress);
    QTabBar *bar = page.tabWidget()->tabBar();
    QVERIFY(!bar->tabButton(0, QTabBar::RightSide));
    QVERIFY(!bar->tabButton(0, QTabBar::LeftSide));
    Q_EMIT bar->tabCloseRequested(0);
    QCOMPARE(page.tabWidget()->count(), 2);
    QCOMPARE(pageAt(page, 0), page.homePage());

    bar->moveTab(0, 1);
    QCOMPARE(pageAt(page, 1), page.homePage());
    Q_EMIT bar->tabCloseRequested(1);
    QCOMPARE(page.tabWidget()->count(), 2);
    Q_EMIT bar->tabCloseRequested(7); // no page there
    QCOMPARE(page.tabWidget()->count(), 2);
}

void TestApp::closeAsksViewer_data()
{
    QTest::addColumn<bool>("mayClose");
    QTest::newRow("viewer agrees") << true;
    QTest::newRow("viewer refuses") << false;
}

void TestApp::closeAsksViewer()
{
    QFETCH(bool, mayClose);
    FakeViewerTab::mayClose = mayClose;
    MainPage page;
    page.onFileOpen(makeFile(u"edited.pdf"_s));
    QPointer<QWidget> viewer = pageAt(page, 1);
    auto *close =
        qobject_cast<QPushButton *>(page.tabWidget()->tabBar()->tabButton(1, QTabBar::RightSide));
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(FakeViewerTab::closeQuestions, 1);
    QCOMPARE(page.tabWidget()->count(), mayClose ? 1 : 2);
    if (mayClose)
        QTRY_VERIFY(!viewer);
    else
        QCOMPARE(pageAt(page, 1), viewer.data());
}

void TestApp::closeButtonFollowsMovedTab()
{
    MainPage page;
    page.onToolClicked(ToolType::Compress);
    page.onToolClicked(ToolType::PdfToOffice);
    page.onToolClicked(ToolType::Merge);
    QTabBar *bar = page.tabWidget()->tabBar();
    bar->moveTab(1, 3); // compress goes last
    QWidget *compressButton = bar->tabButton(3, QTabBar::RightSide);
    QTest::mouseClick(qobject_cast<QPushButton *>(compressButton), Qt::LeftButton);
    QCOMPARE(page.tabWidget()->count(), 3);
    QCOMPARE(page.toolTabIndex(ToolType::Compress), -1);
    QVERIFY(page.toolTabIndex(ToolType::PdfToOffice) > 0);
    QVERIFY(page.toolTabIndex(ToolType::Merge) > 0);
    QCOMPARE(FakeViewerTab::closeQuestions, 0);
}

void TestApp::tabSizeHints_data()
{
    QTest::addColumn<int>("toolTabs");
    QTest::addColumn<int>("width");
    QTest::newRow("2 tabs") << 1 << 180;
    QTest::newRow("6 tabs") << 5 << 180;
    QTest::newRow("7 tabs") << 6 << 150;
    QTest::newRow("9 tabs") << 8 << 150;
}

void TestApp::tabSizeHints()
{
    QFETCH(int, toolTabs);
    QFETCH(int, width);
    MainPage page;
    page.resize(1900, 600);
    page.show();
    for (int type = 1; type <= toolTabs; ++type)
        page.onToolClicked(type);
    QTabBar *bar = page.tabWidget()->tabBar();
    QCOMPARE(bar->count(), toolTabs + 1);
    QCOMPARE(bar->tabRect(0).size(), QSize(90, 42));
    for (int i = 1; i < bar->count(); ++i)
        QCOMPARE(bar->tabRect(i).size(), QSize(width, 42));
}

void TestApp::manyTabsStayReachable_data()
{
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("files");
    QTest::newRow("14 tabs, 1160 wide") << 1160 << 13;
    QTest::newRow("14 tabs, narrowest window") << 940 << 13;
    QTest::newRow("9 tabs shrink without scrolling") << 1160 << 8;
}

void TestApp::manyTabsStayReachable()
{
    QFETCH(int, windowWidth);
    QFETCH(int, files);
    MainPage page;
    page.resize(windowWidth, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QStringList paths;
    for (int i = 0; i < files; ++i) {
        paths.append(makeFile(u"a rather long report name number %1.pdf"_s.arg(i)));
        page.onFileOpen(paths.last());
    }
    auto *bar = qobject_cast<CustomTabBar *>(page.tabWidget()->tabBar());
    QCOMPARE(bar->count(), files + 1);

    const auto visibleArea = [bar] {
        QRegion area(bar->rect());
        for (const QWidget *child : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && child->objectName() != u"tabCloseButton"_s)
                area -= child->geometry();
        }
        return area;
    };
    // Every tab, chosen in turn, is seen whole on the bar; shrunk tabs keep a minimum width.
    for (int i = bar->count() - 1; i >= 0; --i) {
        page.tabWidget()->setCurrentIndex(i);
        QApplication::processEvents();
        const QRect r = bar->tabRect(i);
        QVERIFY2(
            visibleArea().contains(r) || (visibleArea() & r) == QRegion(r),
            qPrintable(u"tab %1 at %2,%3 %4 wide"_s.arg(i).arg(r.x()).arg(r.y()).arg(r.width())));
        if (i > 0)
            QVERIFY(r.width() >= CustomTabBar::MinimumTabWidth);
    }
    // The tabs that do not fit are listed too, and the full path is the tab's tool tip.
    const bool overflow = bar->tabsOverflow();
    QCOMPARE(page.tabWidget()->tabListButton()->isVisible(), overflow);
    QCOMPARE(overflow, files * CustomTabBar::MinimumTabWidth + 90 >
                           page.tabWidget()->width() - CustomTabBar::ReservedWidth);
    QCOMPARE(bar->tabToolTip(files),
             QDir::toNativeSeparators(pathidentity::normalised(paths.last())));
}

void TestApp::tabBarHover()
{
    MainPage page;
    page.resize(1200, 600);
    page.show();
    page.onToolClicked(ToolType::Compress);
    auto *bar = qobject_cast<CustomTabBar *>(page.tabWidget()->tabBar());
    QVERIFY(bar);
    QCOMPARE(bar->hoveredIndex(), -1);
    QTest::mouseMove(bar, bar->tabRect(1).center());
    QTRY_COMPARE(bar->hoveredIndex(), 1);
    QTest::mouseMove(bar, bar->tabRect(0).center());
    QTRY_COMPARE(bar->hoveredIndex(), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar, &leave);
    QCOMPARE(bar->hoveredIndex(), -1);
}

void TestApp::titleBarTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("languageText");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("accountText");
    QTest::newRow("no session") << u"zh_CN"_s << u"ZH"_s << QString() << u"ann"_s
                                << u"ann@example.com"_s << u"Sign in"_s;
    QTest::newRow("username") << u"en_US"_s << u"EN"_s << u"t0k"_s << u"ann"_s
                              << u"someone@example.com"_s << u"ann"_s;
    QTest::newRow("email local part") << u"ar_SA"_s << u"AR"_s << u"t0k"_s << QString()
                                      << u"bob.lee@example.com"_s << u"bob.lee"_s;
    QTest::newRow("email without at")
        << u"ja_JP"_s << u"JA"_s << u"t0k"_s << QString() << u"carol"_s << u"carol"_s;
}

void TestApp::titleBarTexts()
{
    QFETCH(QString, language);
    QFETCH(QString, languageText);
    QFETCH(QString, token);
    QFETCH(QString, username);
    QFETCH(QString, email);
    QFETCH(QString, accountText);
    ShellServices::instance().setLanguageHooks({{}, [=] { return language; }, {}});
    ShellServices::instance().setAccountHooks(
        {[=] {
             return ShellServices::Account{token, username, email};
         },
         {}});
    FramelessWindow window;
    auto *languageBtn = window.findChild<QToolButton *>(u"languageBtn"_s);
    auto *accountBtn = window.findChild<QToolButton *>(u"accountBtn"_s);
    QVERIFY(languageBtn && accountBtn);
    QCOMPARE(languageBtn->text(), languageText);
    QCOMPARE(languageBtn->toolTip(), u"语言设置"_s);
    QCOMPARE(accountBtn->text(), accountText);
    QCOMPARE(accountBtn->toolTip(), u"Account and subscription"_s);
    QCOMPARE(window.findChild<QPushButton *>(u"minimizeBtn"_s)->toolTip(), u"最小化"_s);
    QCOMPARE(window.findChild<QPushButton *>(u"closeBtn"_s)->toolTip(), u"关闭"_s);

    // A later change of the account reaches the button.
    ShellServices::instance().setAccountHooks({[] { return ShellServices::Account(); }, {}});
    Q_EMIT ShellServices::instance().accountChanged();
    QCOMPARE(accountBtn->text(), u"Sign in"_s);
}

void TestApp::titleBarSignals_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("signalIndex");
    QTest::newRow("language") << u"languageBtn"_s << 0;
    QTest::newRow("account") << u"accountBtn"_s << 1;
    QTest::newRow("minimize") << u"minimizeBtn"_s << 2;
    QTest::newRow("maximize") << u"maximizeBtn"_s << 3;
    QTest::newRow("close") << u"closeBtn"_s << 4;
}

void TestApp::titleBarSignals()
{
    QFETCH(QString, button);
    QFETCH(int, signalIndex);
    TitleBar bar;
    QCOMPARE(bar.height(), 40);
    QSignalSpy language(&bar, &TitleBar::languageRequested);
    QSignalSpy account(&bar, &TitleBar::accountRequested);
    QSignalSpy minimize(&bar, &TitleBar::minimizeRequested);
    QSignalSpy maximize(&bar, &TitleBar::maximizeRestoreRequested);
    QSignalSpy close(&bar, &TitleBar::closeRequested);
    auto *target = bar.findChild<QAbstractButton *>(button);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);
    const QList<QSignalSpy *> spies{&language, &account, &minimize, &maximize, &close};
    for (int i = 0; i < spies.size(); ++i)
        QCOMPARE(spies.at(i)->size(), i == signalIndex ? 1 : 0);
}

void TestApp::titleBarMaximizedFace()
{
    TitleBar bar;
    auto *button = bar.findChild<QPushButton *>(u"maximizeBtn"_s);
    QCOMPARE(button->toolTip(), u"最大化"_s);
    QVERIFY(button->styleSheet().contains(u"maximize.png"_s));
    bar.setMaximized(true);
    QVERIFY(bar.showsRestore());
    QCOMPARE(button->toolTip(), u"还原"_s);
    QVERIFY(button->styleSheet().contains(u"restore.png"_s));
    bar.retranslateUi();
    QCOMPARE(button->toolTip(), u"还原"_s);
    bar.setMaximized(false);
    QCOMPARE(button->toolTip(), u"最大化"_s);
    QVERIFY(button->styleSheet().contains(u"maximize.png"_s));
}

void TestApp::windowMaximizeAndMask()
{
    FramelessWindow window;
    window.resize(1160, 780);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QRegion mask = window.mask();
    QVERIFY(!mask.isEmpty());
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(window.width() - 1, window.height() - 1)));
    QVERIFY(mask.contains(QPoint(window.width() / 2, 0)));

    QTest::mouseClick(window.findChild<QPushButton *>(u"maximizeBtn"_s), Qt::LeftButton);
    QTRY_VERIFY(window.isMaximized());
    QVERIFY(window.titleBar()->showsRestore());
    QTRY_VERIFY(window.mask().isEmpty());

    QTest::mouseClick(window.findChild<QPushButton *>(u"maximizeBtn"_s), Qt::LeftButton);
    QTRY_VERIFY(!window.isMaximized());
    QVERIFY(!window.titleBar()->showsRestore());
    QTRY_VERIFY(!window.mask().isEmpty());
    QVERIFY(!window.mask().contains(QPoint(0, 0)));
}

void TestApp::windowDragThreshold_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("drags");
    QTest::newRow("top edge") << 0 << int(Qt::LeftButton) << true;
    QTest::newRow("y 40") << 40 << int(Qt::LeftButton) << true;
    QTest::newRow("y 41") << 41 << int(Qt::LeftButton) << false;
    QTest::newRow("right button") << 10 << int(Qt::RightButton) << false;
}

void TestApp::windowDragThreshold()
{
    QFETCH(int, y);
    QFETCH(int, button);
    QFETCH(bool, drags);
    FramelessWindow window;
    window.resize(1000, 700);
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    const auto b = Qt::MouseButton(button);
    input::sendMouse(&window, QEvent::MouseButtonPress, QPoint(300, y), b, b);
    QCOMPARE(window.isDragging(), drags);
    input::sendMouse(&window, QEvent::MouseMove, QPoint(330, y + 20), Qt::NoButton, b);
    QCOMPARE(window.pos(), drags ? start + QPoint(30, 20) : start);
    input::sendMouse(&window, QEvent::MouseButtonRelease, QPoint(330, y + 20), b, Qt::NoButton);
    QVERIFY(!window.isDragging());
}

void TestApp::windowMinimumSizeAndContent()
{
    FramelessWindow window;
    window.resize(500, 300);
    QCOMPARE(window.size(), QSize(940, 600));
    QCOMPARE(window.minimumSize(), QSize(940, 600));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));

    window.setContentWidget(nullptr);
    QVERIFY(!window.contentWidget());
    QPointer<QWidget> first = new QWidget;
    window.setContentWidget(first);
    QCOMPARE(first->parentWidget(), &window);
    window.setContentWidget(nullptr);
    QCOMPARE(window.contentWidget(), first.data());
    window.setContentWidget(new QWidget);
    QVERIFY(window.contentWidget() != first.data());
    QVERIFY(first); // deleted later, not at once
    QTRY_VERIFY(!first);
}

void TestApp::startupCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("tabs");
    const QString existing = makeFile(u"start.pdf"_s);
    QTest::newRow("no argument") << QStringList{u"velmora"_s} << 1;
    QTest::newRow("missing file") << QStringList{u"velmora"_s, m_dir.filePath(u"gone.pdf"_s)} << 1;
    QTest::newRow("folder") << QStringList{u"velmora"_s, m_dir.path()} << 1;
    QTest::newRow("existing file") << QStringList{u"velmora"_s, existing} << 2;
}

void TestApp::startupCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, tabs);
    FramelessWindow window;
    Startup::installMainPage(window);
    Startup::openCommandLineFile(window, arguments);
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(page);
    QCOMPARE(page->tabWidget()->count(), tabs);
    QCOMPARE(page->tabWidget()->currentIndex(), tabs - 1);
}

void TestApp::droppedFiles_data()
{
    // Files named "*text*" hold text, the others start like a PDF.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("onToolPage");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<int>("notices");
    QTest::newRow("one pdf") << QStringList{u"a.pdf"_s} << false << true << QStringList{u"a.pdf"_s}
                             << 0;
    QTest::newRow("two pdfs") << QStringList{u"a.pdf"_s, u"b.pdf"_s} << false << true
                              << QStringList{u"a.pdf"_s, u"b.pdf"_s} << 0;
    QTest::newRow("pdf by its content")
        << QStringList{u"scan.dat"_s} << false << true << QStringList{u"scan.dat"_s} << 0;
    QTest::newRow("pdf and text") << QStringList{u"text.txt"_s, u"b.pdf"_s} << false << true
                                  << QStringList{u"b.pdf"_s} << 1;
    QTest::newRow("text only") << QStringList{u"text.txt"_s} << false << false << QStringList{}
                               << 0;
    QTest::newRow("pdf on a tool page")
        << QStringList{u"a.pdf"_s} << true << false << QStringList{} << 0;
}

void TestApp::droppedFiles()
{
    QFETCH(QStringList, names);
    QFETCH(bool, onToolPage);
    QFETCH(bool, accepted);
    QFETCH(QStringList, opened);
    QFETCH(int, notices);

    const auto pathOf = [this](const QString &name) {
        return QFileInfo(m_dir.filePath(name)).canonicalFilePath();
    };
    QList<QUrl> urls;
    for (const QString &name : std::as_const(names)) {
        if (name.contains(u"text"_s)) {
            QFile file(m_dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("plain words\n");
        } else {
            QVERIFY(!makeFile(name).isEmpty());
        }
        urls.append(QUrl::fromLocalFile(pathOf(name)));
    }
    QStringList expected;
    for (const QString &name : std::as_const(opened))
        expected.append(pathOf(name));

    MainPage page;
    page.resize(1100, 700);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    if (onToolPage)
        page.onToolClicked(ToolType::Compress);
    const int tabsBefore = page.tabWidget()->count();
    QMimeData data;
    data.setUrls(urls);
    const QPoint at(page.width() / 2, page.height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&page, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (accepted) {
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&page, &drop);
        QVERIFY(drop.isAccepted());
    }
    QTRY_COMPARE(FakeViewerTab::opened, expected);
    QTRY_COMPARE(page.tabWidget()->count(), tabsBefore + int(expected.size()));
    QCOMPARE(DialogSeam::requests().size(), notices);
}

void TestApp::languageChangeRebuildsMainPage()
{
    FramelessWindow window;
    Startup::installMainPage(window);
    QPointer<MainPage> old = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(old);
    old->onToolClicked(ToolType::Merge);
    old->onFileOpen(makeFile(u"open.pdf"_s));
    QCOMPARE(old->tabWidget()->count(), 3);

    ShellServices::instance().setLanguageHooks({{}, [] { return u"de_DE"_s; }, {}});
    Q_EMIT ShellServices::instance().languageChanged(u"de_DE"_s);
    auto *fresh = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(fresh && fresh != old.data());
    // The tool tab goes; the document comes back in the rebuilt page.
    QCOMPARE(fresh->tabWidget()->count(), 2);
    QVERIFY2(fresh->tabWidget()->tabText(1).contains(u"open"_s),
             qPrintable(fresh->tabWidget()->tabText(1)));
    QTRY_VERIFY(!old);
}

VELMORA_REGISTER_TEST(TestApp);
#include "tst_app.moc"

void TestApp::tabContextMenu_data()
{
    // Tabs: home, a.pdf, b.pdf, the compress tool. A result names what is left or what happened.
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("mayClose");
    QTest::addColumn<QString>("expected");
    QTest::newRow("close a file tab") << 1 << u"tabCloseAction"_s << true << u"tabs 3"_s;
    QTest::newRow("close a tool tab") << 3 << u"tabCloseAction"_s << true << u"tabs 3"_s;
    QTest::newRow("close others keeps home and the tab")
        << 2 << u"tabCloseOthersAction"_s << true << u"tabs 2"_s;
    QTest::newRow("close others stops where the user cancels")
        << 3 << u"tabCloseOthersAction"_s << false << u"tabs 4"_s;
    QTest::newRow("copy path") << 1 << u"tabCopyPathAction"_s << true << u"clipboard a.pdf"_s;
    QTest::newRow("show in folder") << 2 << u"tabRevealAction"_s << true << u"revealed b.pdf"_s;
    QTest::newRow("home tab is not closed") << 0 << u"tabCloseAction"_s << true << u"disabled"_s;
    QTest::newRow("a tool tab has no file") << 3 << u"tabCopyPathAction"_s << true << u"absent"_s;
}

void TestApp::tabContextMenu()
{
    QFETCH(int, index);
    QFETCH(QString, action);
    QFETCH(bool, mayClose);
    QFETCH(QString, expected);

    MainPage page;
    const QString a = makeFile(u"a.pdf"_s);
    page.onFileOpen(a);
    page.onFileOpen(makeFile(u"b.pdf"_s));
    page.onToolClicked(ToolType::Compress);
    QCOMPARE(page.tabWidget()->count(), 4);
    FakeViewerTab::mayClose = mayClose;
    QStringList launched;
    RevealInFolder::setLauncher([&launched](const RevealInFolder::Action &what) {
        launched.append(what.arguments.join(u' ') + u' ' + what.url.toString());
        return true;
    });
    QGuiApplication::clipboard()->clear();

    // The menu the tab bar shows on a right click.
    QTabBar *bar = page.tabWidget()->tabBar();
    page.resize(1000, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QContextMenuEvent click(QContextMenuEvent::Mouse, bar->tabRect(index).center(),
                            bar->mapToGlobal(bar->tabRect(index).center()));
    QApplication::sendEvent(bar, &click);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = page.findChild<QMenu *>(u"tabContextMenu"_s)) && menu->isVisible());
    QAction *chosen = menu->findChild<QAction *>(action);
    const QString expectedWhat = expected.section(u' ', 0, 0);
    const QString expectedArgument = expected.section(u' ', 1);
    if (expectedWhat == u"absent"_s) {
        QVERIFY(!chosen);
    } else if (expectedWhat == u"disabled"_s) {
        QVERIFY(chosen && !chosen->isEnabled());
    } else {
        QVERIFY(chosen && chosen->isEnabled());
        menu->close();
        chosen->trigger();
        if (expectedWhat == u"tabs"_s)
            QCOMPARE(page.tabWidget()->count(), expectedArgument.toInt());
        else if (expectedWhat == u"clipboard"_s)
            QVERIFY(pathidentity::same(
                QDir::fromNativeSeparators(QGuiApplication::clipboard()->text()), a));
        else
            QVERIFY2(!launched.isEmpty() && launched.constFirst().contains(expectedArgument),
                     qPrintable(launched.join(u'\n')));
    }
    RevealInFolder::setLauncher({});
    if (expectedWhat == u"tabs"_s && !mayClose)
        QCOMPARE(FakeViewerTab::closeQuestions, 1);
}

void TestApp::windowPlacementRemembered_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("normal") << false << false;
    QTest::newRow("maximised") << true << false;
    QTest::newRow("full screen comes back as a window") << false << true;
}

void TestApp::windowPlacementRemembered()
{
    QFETCH(bool, maximised);
    QFETCH(bool, fullScreen);
    QFile::remove(FramelessWindow::placementFilePath());
    const QSize size(1000, 650);
    {
        FramelessWindow window;
        window.restorePlacement(QSize(1160, 780));
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (maximised)
            window.showMaximized();
        if (fullScreen)
            window.toggleFullScreen();
        QApplication::processEvents();
        QVERIFY(window.close());
    }
    QVERIFY(QFile::exists(FramelessWindow::placementFilePath()));
    FramelessWindow again;
    again.restorePlacement(QSize(1160, 780));
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.isMaximized(), maximised);
    QVERIFY(!again.isFullScreen());
    if (!maximised)
        QCOMPARE(again.normalGeometry().size(), size);
}
