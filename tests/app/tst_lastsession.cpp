#include "customtabwidget.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "homepage.h"
#include "lastsession.h"
#include "mainpage.h"
#include "pathidentity.h"
#include "pdffixtures.h"
#include "pdfshowpage.h"
#include "settingsmenu.h"
#include "shellservices.h"
#include "startup.h"
#include "testregistry.h"
#include "titlebar.h"
#include "workspacefactory.h"

#include <QAction>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// A viewer tab that opens any file at once, so that only the tabs are under test.
class SessionTab : public PdfShowPage
{
public:
    using PdfShowPage::PdfShowPage;
    bool openFile(const QString &) override { return true; }
    bool confirmClose() override { return true; }
};

SettingsMenu *settingsMenuOf(FramelessWindow &window)
{
    auto *button = window.titleBar()->findChild<QToolButton *>(u"settingsBtn"_s);
    return button ? qobject_cast<SettingsMenu *>(button->menu()) : nullptr;
}

MainPage *mainPageOf(FramelessWindow &window)
{
    return qobject_cast<MainPage *>(window.contentWidget());
}

// The path of the current tab, empty for the home tab or a tool tab.
QString currentPath(MainPage &page)
{
    return page.tabWidget()->currentWidget()->property("tesselFilePath").toString();
}

} // namespace

class TestLastSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void reopen_data();
    void reopen();
    void protectedFilesNamedOnce_data();
    void protectedFilesNamedOnce();

private:
    QTemporaryDir m_dir;
};

void TestLastSession::init()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    DialogSeam::setScripted(true);
    WorkspaceFactory::setViewerTabMaker([](QWidget *parent) { return new SessionTab(parent); });
}

void TestLastSession::cleanup()
{
    DialogSeam::reset();
    WorkspaceFactory::reset();
    ShellServices::instance().reset();
}

void TestLastSession::reopen_data()
{
    QTest::addColumn<bool>("reopen");       // the settings menu's entry checked
    QTest::addColumn<QStringList>("files"); // open when the window closed, in tab order
    QTest::addColumn<int>("current");       // index into files of the current tab, -1: home
    QTest::addColumn<QStringList>("gone");  // deleted before the next start
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("expectedCurrent");
    const QStringList abc{u"a.pdf"_s, u"b.pdf"_s, u"c.pdf"_s};
    QTest::newRow("off by default")
        << false << abc << 1 << QStringList() << QStringList() << QString();
    QTest::newRow("in order, the second current")
        << true << abc << 1 << QStringList() << abc << u"b.pdf"_s;
    QTest::newRow("home tab current") << true << abc << -1 << QStringList() << abc << QString();
    QTest::newRow("gone files skipped") << true << abc << 2 << QStringList{u"a.pdf"_s}
                                        << QStringList{u"b.pdf"_s, u"c.pdf"_s} << u"c.pdf"_s;
    QTest::newRow("current one gone") << true << abc << 0 << QStringList{u"a.pdf"_s}
                                      << QStringList{u"b.pdf"_s, u"c.pdf"_s} << QString();
    QTest::newRow("no documents") << true << QStringList() << -1 << QStringList() << QStringList()
                                  << QString();
}

void TestLastSession::reopen()
{
    QFETCH(bool, reopen);
    QFETCH(QStringList, files);
    QFETCH(int, current);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, expected);
    QFETCH(QString, expectedCurrent);
    const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(folder));
    const auto pathOf = [&folder](const QString &name) {
        return pathidentity::normalised(QDir(folder).filePath(name));
    };
    for (const QString &name : std::as_const(files)) {
        QFile file(pathOf(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }

    {
        FramelessWindow window;
        Startup::installMainPage(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SettingsMenu *menu = settingsMenuOf(window);
        QVERIFY(menu);
        QVERIFY(!menu->reopenSessionAction()->isChecked() || reopen);
        if (menu->reopenSessionAction()->isChecked() != reopen)
            menu->reopenSessionAction()->trigger();
        QCOMPARE(menu->reopenSessionAction()->isChecked(), reopen);

        MainPage *page = mainPageOf(window);
        QStringList paths;
        for (const QString &name : std::as_const(files))
            paths.append(pathOf(name));
        page->openFiles(paths);
        page->onToolClicked(8); // a tool tab is no document and is not reopened
        page->tabWidget()->setCurrentIndex(current < 0 ? 0
                                                       : page->viewerTabIndex(paths.at(current)));
        QVERIFY(window.close());
    }
    for (const QString &name : std::as_const(gone))
        QVERIFY(QFile::remove(pathOf(name)));

    FramelessWindow window;
    Startup::installMainPage(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Startup::reopenLastSession(window);
    MainPage *page = mainPageOf(window);
    QVERIFY(page->viewerPaths().isEmpty());
    QStringList wanted;
    for (const QString &name : std::as_const(expected))
        wanted.append(pathOf(name));
    // The window is painted first; the documents follow.
    QTRY_COMPARE(page->viewerPaths(), wanted);
    QCOMPARE(currentPath(*page), expectedCurrent.isEmpty() ? QString() : pathOf(expectedCurrent));
    // Gone files are skipped without a word.
    QCOMPARE(DialogSeam::requests().size(), 0);
    QCOMPARE(settingsMenuOf(window)->reopenSessionAction()->isChecked(), reopen);

    // Back to the default for the next row.
    if (reopen)
        settingsMenuOf(window)->reopenSessionAction()->trigger();
}

void TestLastSession::protectedFilesNamedOnce_data()
{
    // Answers typed for the password prompts, in order, and the tabs opened.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expectedTabs");
    QTest::addColumn<QStringList>("prompts"); // the file each prompt names
    QTest::newRow("both passwords right")
        << QStringList{u"one"_s, u"two"_s} << QStringList{u"one.pdf"_s, u"two.pdf"_s}
        << QStringList{u"“one.pdf”已加密，请输入密码："_s, u"“two.pdf”已加密，请输入密码："_s};
    QTest::newRow("a wrong one asked again")
        << QStringList{u"nope"_s, u"one"_s, u"two"_s} << QStringList{u"one.pdf"_s, u"two.pdf"_s}
        << QStringList{u"“one.pdf”已加密，请输入密码："_s,
                       u"密码错误，请重新输入“one.pdf”的密码："_s,
                       u"“two.pdf”已加密，请输入密码："_s};
    QTest::newRow("the first cancelled")
        << QStringList{QString(), u"two"_s} << QStringList{u"two.pdf"_s}
        << QStringList{u"“one.pdf”已加密，请输入密码："_s, u"“two.pdf”已加密，请输入密码："_s};
}

void TestLastSession::protectedFilesNamedOnce()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expectedTabs);
    QFETCH(QStringList, prompts);
    WorkspaceFactory::reset();
    const QString folder =
        m_dir.filePath(u"protected-"_s + QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(folder));
    QStringList paths;
    for (const QString &name : {u"one"_s, u"two"_s}) {
        const QString plain = QDir(folder).filePath(name + u"-plain.pdf"_s);
        QVERIFY(fixtures::write({fixtures::pagesOf(2)}, plain));
        const QString path = pathidentity::normalised(QDir(folder).filePath(name + u".pdf"_s));
        QVERIFY(fixtures::encrypt(plain, path, fixtures::Scheme::Aes256, name, name + u"-owner"_s));
        paths.append(path);
    }
    LastSession::setReopensAtStart(true);
    LastSession::remember({paths, 1});

    FramelessWindow window;
    Startup::installMainPage(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QString &answer : std::as_const(answers))
        DialogSeam::answerText(answer, !answer.isEmpty());
    Startup::reopenLastSession(window);
    MainPage *page = mainPageOf(window);
    QStringList wanted;
    for (const QString &name : std::as_const(expectedTabs))
        wanted.append(QDir(folder).filePath(name));
    QTRY_COMPARE(page->viewerPaths(), wanted);
    QStringList asked;
    for (const DialogSeam::Request &request : DialogSeam::requests())
        asked.append(request.text);
    QCOMPARE(asked, prompts);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
    LastSession::setReopensAtStart(false);
}

VELMORA_REGISTER_TEST(TestLastSession);
#include "tst_lastsession.moc"
