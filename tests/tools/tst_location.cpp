#include "testregistry.h"
#include "toolstestsupport.h"

#include "dialogseam.h"
#include "filelocationselector.h"
#include "moderncombobox.h"
#include "pdfcompressoptionspanel.h"
#include "pdfmergeoptionspanel.h"
#include "pdfreadback.h"

#include <QAction>
#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>
#include <QListWidgetItem>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace toolstest;

namespace {

QString desktop()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

QString documents()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QAction *menuAction(FileLocationSelector &selector, const QString &text)
{
    QMenu *menu = selector.menu();
    if (!menu)
        return nullptr;
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

// Where outputs go: the selector button with its menu, and the options panels' location entries.
class TestLocation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void standardFoldersAreTestFolders();
    void setDirectoryPicksMode_data();
    void setDirectoryPicksMode();
    void menuChoices();
    void choosingSameEntryTwiceEmitsOnce();
    void otherFolderThroughDialog();
    void emptyCustomFolderKeepsMode();
    void painting_data();
    void painting();
    void panelLocations_data();
    void panelLocations();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLocation::initTestCase()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
}

void TestLocation::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestLocation::cleanup()
{
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestLocation::standardFoldersAreTestFolders()
{
    // Everything below writes into the temporary home, never the real one.
    QVERIFY2(desktop().startsWith(home()), qPrintable(desktop()));
    QVERIFY2(documents().startsWith(home()), qPrintable(documents()));
}

void TestLocation::setDirectoryPicksMode_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("directory"); // "source", "desktop", "documents" or a path
    QTest::newRow("empty") << QString() << 0 << u"source"_s;
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    QTest::newRow("source folder") << u"SOURCE"_s << 0 << u"source"_s;
    QTest::newRow("desktop, other case") << u"DESKTOP-UPPER"_s << 1 << u"desktop"_s;
#else
    // Another case names another folder here.
    QTest::newRow("source folder, other case") << u"SOURCE"_s << 3 << u"as given"_s;
    QTest::newRow("desktop, other case") << u"DESKTOP-UPPER"_s << 3 << u"as given"_s;
#endif
    QTest::newRow("source folder") << u"SOURCE-SAME"_s << 0 << u"source"_s;
    QTest::newRow("desktop") << u"desktop"_s << 1 << u"desktop"_s;
    QTest::newRow("desktop, trailing slash") << u"desktop/"_s << 1 << u"desktop"_s;
    QTest::newRow("documents, dot segments") << u"documents/sub/.."_s << 2 << u"documents"_s;
    QTest::newRow("other folder") << u"/srv/exports/../out"_s << 3 << u"/srv/out"_s;
#ifdef Q_OS_WIN
    QTest::newRow("desktop, backslashes") << u"DESKTOP-NATIVE"_s << 1 << u"desktop"_s;
#endif
}

void TestLocation::setDirectoryPicksMode()
{
    QFETCH(QString, path);
    QFETCH(int, mode);
    QFETCH(QString, directory);
    const QString source = m_dir->path();
    const auto expand = [&](QString p) {
        if (p == u"SOURCE"_s)
            return source.toUpper();
        if (p == u"SOURCE-SAME"_s)
            return source;
        if (p == u"DESKTOP-UPPER"_s)
            return desktop().toUpper();
        if (p == u"DESKTOP-NATIVE"_s)
            return QDir::toNativeSeparators(desktop());
        if (p.startsWith(u"desktop"_s))
            return p.replace(0, 7, desktop());
        if (p.startsWith(u"documents"_s))
            return p.replace(0, 9, documents());
        return p;
    };
    FileLocationSelector selector;
    selector.setSourceFolder(source);
    QSignalSpy changed(&selector, &FileLocationSelector::directoryChanged);
    selector.setDirectory(expand(path));
    QCOMPARE(int(selector.mode()), mode);
    const QString expected = directory == u"as given"_s    ? expand(path)
                             : directory == u"source"_s    ? source
                             : directory == u"desktop"_s   ? desktop()
                             : directory == u"documents"_s ? documents()
                                                           : directory;
    QCOMPARE(selector.directory(), expected);
    QVERIFY(changed.isEmpty());
    QCOMPARE(selector.toolTip(), QDir::toNativeSeparators(expected));
    QCOMPARE(selector.accessibleDescription(),
             selector.modeName(selector.mode()) + u": "_s + QDir::toNativeSeparators(expected));
}

void TestLocation::menuChoices()
{
    FileLocationSelector selector;
    selector.resize(300, 62);
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    selector.setLocation(FileLocationSelector::Documents);
    QTest::mouseClick(&selector, Qt::LeftButton);
    QMenu *menu = selector.menu();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), u"fileLocationMenu"_s);
    QTRY_VERIFY(menu->isVisible());
    QStringList texts;
    QList<bool> checked;
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        texts.append(action->isSeparator() ? u"-"_s : action->text());
        checked.append(action->isChecked());
    }
    QCOMPARE(texts,
             (QStringList{u"原始文件夹"_s, u"桌面"_s, u"文档"_s, u"-"_s, u"选择其他文件夹…"_s}));
    QCOMPARE(checked, (QList<bool>{false, false, true, false, false}));
    QCOMPARE(menu->pos(), selector.mapToGlobal(selector.rect().bottomLeft() + QPoint(0, 4)));

    QSignalSpy changed(&selector, &FileLocationSelector::directoryChanged);
    menuAction(selector, u"桌面"_s)->trigger();
    QCOMPARE(selector.mode(), FileLocationSelector::Desktop);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), desktop());
    menu->close();
}

void TestLocation::choosingSameEntryTwiceEmitsOnce()
{
    FileLocationSelector selector;
    selector.setSourceFolder(m_dir->path());
    selector.show();
    QSignalSpy changed(&selector, &FileLocationSelector::directoryChanged);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(&selector, Qt::LeftButton);
        QAction *desktopEntry = menuAction(selector, u"桌面"_s);
        QVERIFY(desktopEntry);
        QCOMPARE(desktopEntry->isChecked(), i == 1);
        desktopEntry->trigger();
        selector.menu()->close();
    }
    QCOMPARE(changed.size(), 1);

    // The source folder changing under the source mode is the owner's business: no signal.
    selector.setLocation(FileLocationSelector::SourceFolder);
    QCOMPARE(changed.size(), 2);
    selector.setSourceFolder(m_dir->filePath(u"other"_s));
    QCOMPARE(selector.directory(), m_dir->filePath(u"other"_s));
    QCOMPARE(changed.size(), 2);
}

void TestLocation::otherFolderThroughDialog()
{
    FileLocationSelector selector;
    selector.setSourceFolder(m_dir->path());
    selector.show();
    QSignalSpy changed(&selector, &FileLocationSelector::directoryChanged);

    // Cancelled: nothing changes.
    QTest::mouseClick(&selector, Qt::LeftButton);
    menuAction(selector, u"选择其他文件夹…"_s)->trigger();
    QTRY_COMPARE(DialogSeam::requests().size(), 1);
    QCOMPARE(DialogSeam::requests().at(0).title, u"选择文件保存位置"_s);
    QCOMPARE(DialogSeam::requests().at(0).text, m_dir->path());
    QCOMPARE(selector.mode(), FileLocationSelector::SourceFolder);
    QVERIFY(changed.isEmpty());

    const QString chosen = m_dir->filePath(u"chosen"_s);
    DialogSeam::answerDirectory(chosen + u"/"_s);
    QTest::mouseClick(&selector, Qt::LeftButton);
    menuAction(selector, u"选择其他文件夹…"_s)->trigger();
    QTRY_COMPARE(changed.size(), 1);
    QCOMPARE(selector.mode(), FileLocationSelector::Custom);
    QCOMPARE(selector.directory(), chosen);
    QCOMPARE(changed.at(0).at(0).toString(), chosen);
    QCOMPARE(selector.accessibleDescription(),
             u"自定义文件夹: "_s + QDir::toNativeSeparators(chosen));
}

void TestLocation::emptyCustomFolderKeepsMode()
{
    FileLocationSelector selector;
    selector.setLocation(FileLocationSelector::Desktop);
    QSignalSpy changed(&selector, &FileLocationSelector::directoryChanged);
    selector.setLocation(FileLocationSelector::Custom, u"   "_s);
    QCOMPARE(selector.mode(), FileLocationSelector::Desktop);
    QVERIFY(changed.isEmpty());
}

void TestLocation::painting_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("border");
    QTest::newRow("rest") << u"rest"_s << QColor(0xFF, 0xFF, 0xFF) << QColor(0xE2, 0xE7, 0xEF);
    QTest::newRow("hovered") << u"hover"_s << QColor(0xF1, 0xF3, 0xF8) << QColor(0xE2, 0xE7, 0xEF);
    QTest::newRow("pressed") << u"down"_s << QColor(0xE8, 0xEB, 0xF2) << QColor(0xE2, 0xE7, 0xEF);
    QTest::newRow("focused") << u"focus"_s << QColor(0xFF, 0xFF, 0xFF) << QColor(0x4F, 0x46, 0xE5);
}

void TestLocation::painting()
{
    QFETCH(QString, state);
    QFETCH(QColor, fill);
    QFETCH(QColor, border);
    QWidget window;
    window.resize(340, 100);
    auto *selector = new FileLocationSelector(&window);
    selector->setGeometry(10, 10, 300, 62);
    // Takes the focus while the selector is not meant to have it.
    auto *other = new QPushButton(&window);
    other->setGeometry(10, 80, 20, 10);
    other->setFocusPolicy(Qt::StrongFocus);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    other->setFocus();
    if (state == u"hover"_s) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(selector, &enter);
    } else if (state == u"down"_s) {
        selector->setDown(true);
    } else if (state == u"focus"_s) {
        selector->setFocus();
        QTRY_VERIFY(selector->hasFocus());
    }
    const QImage image = selector->grab().toImage();
    // Inside the frame, between the icon and the text column.
    QCOMPARE(image.pixelColor(44, 31).rgb(), fill.rgb());
    // The middle of the top edge, one pixel in (partly covered by the antialiased pen).
    const QColor edge = image.pixelColor(150, 1);
    QVERIFY2(readback::similar(edge, border, 49), qPrintable(edge.name()));
    // The chevron is drawn in its square at the right.
    int drawn = 0;
    for (int y = 23; y < 39; ++y) {
        for (int x = 300 - 31; x < 300 - 15; ++x)
            drawn += image.pixelColor(x, y).rgb() != fill.rgb();
    }
    QVERIFY(drawn > 10);
}

void TestLocation::panelLocations_data()
{
    QTest::addColumn<bool>("merge");
    QTest::addColumn<QList<int>>("choices");  // combo rows picked in order
    QTest::addColumn<QStringList>("answers"); // folder dialog answers, empty = cancelled
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("folder"); // "" = next to the source

    const QString chosen = u"CHOSEN"_s;
    QTest::newRow("source folder")
        << false << QList<int>{} << QStringList{} << u"原始文件"_s << QString();
    QTest::newRow("desktop") << false << QList<int>{1} << QStringList{} << u"桌面"_s
                             << u"DESKTOP"_s;
    QTest::newRow("program folder")
        << false << QList<int>{2} << QStringList{} << u"Velmora文件"_s << u"VELMORA"_s;
    QTest::newRow("chosen folder")
        << false << QList<int>{3} << QStringList{chosen} << chosen << chosen;
    QTest::newRow("cancelled at first")
        << false << QList<int>{3} << QStringList{QString()} << u"原始文件"_s << QString();
    QTest::newRow("cancelled after desktop")
        << false << QList<int>{1, 3} << QStringList{QString()} << u"桌面"_s << u"DESKTOP"_s;
    QTest::newRow("cancelled after a chosen folder")
        << false << QList<int>{3, 3} << QStringList{chosen, QString()} << chosen << chosen;
    QTest::newRow("chosen, then desktop, then cancelled")
        << false << QList<int>{3, 1, 3} << QStringList{chosen, QString()} << u"桌面"_s
        << u"DESKTOP"_s;
    QTest::newRow("merge default")
        << true << QList<int>{} << QStringList{} << u"Velmora文件"_s << u"VELMORA"_s;
    QTest::newRow("merge desktop")
        << true << QList<int>{0} << QStringList{} << u"桌面"_s << u"DESKTOP"_s;
    QTest::newRow("merge cancelled")
        << true << QList<int>{2} << QStringList{QString()} << u"Velmora文件"_s << u"VELMORA"_s;
}

void TestLocation::panelLocations()
{
    QFETCH(bool, merge);
    QFETCH(QList<int>, choices);
    QFETCH(QStringList, answers);
    QFETCH(QString, shown);
    QFETCH(QString, folder);
    const QString chosen = m_dir->filePath(u"chosen"_s);
    const QString velmora = documents() + u"/Velmora"_s;
    QDir(velmora).removeRecursively();
    const auto expand = [&](const QString &s) {
        if (s == u"CHOSEN"_s)
            return chosen;
        if (s == u"DESKTOP"_s)
            return desktop();
        if (s == u"VELMORA"_s)
            return velmora;
        return s;
    };

    std::unique_ptr<BatchOptionsPanel> panel;
    if (merge)
        panel = std::make_unique<PdfMergeOptionsPanel>();
    else
        panel = std::make_unique<PdfCompressOptionsPanel>();
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    ModernComboBox *combo = panel->locationComboBox();
    QCOMPARE(combo->count(), merge ? 3 : 4);
    QCOMPARE(combo->item(combo->count() - 1)->data(Qt::UserRole + 4).toInt(), 3);

    for (const QString &answer : answers)
        DialogSeam::answerDirectory(expand(answer));
    for (int row : choices)
        chooseComboEntry(combo, row);

    QCOMPARE(combo->currentText(), expand(shown));
    const TaskRequest request = panel->buildRequest();
    QCOMPARE(request.useSourceFolder, folder.isEmpty());
    QCOMPARE(QDir::cleanPath(request.outputPath), folder.isEmpty() ? QString() : expand(folder));
    QCOMPARE(QFileInfo(velmora).isDir(), folder == u"VELMORA"_s);
    // A folder name, never the entry's own label.
    QVERIFY(!request.outputPath.contains(u"选择位置"_s));
    for (const DialogSeam::Request &asked : DialogSeam::requests())
        QCOMPARE(asked.title, u"选择文件夹"_s);
}

VELMORA_REGISTER_TEST(TestLocation);

#include "tst_location.moc"
