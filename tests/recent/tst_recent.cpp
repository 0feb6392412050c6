#include "filehistorymodel.h"
#include "recentfilelistview.h"
#include "recentfilemanager.h"
#include "recentfilespage.h"
#include "searchbarwidget.h"
#include "testregistry.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A store file holding the given entries, written by hand rather than by the store.
QByteArray storeText(const QStringList &entries)
{
    QByteArray text = "{\n    \"recentFiles\": [\n";
    for (qsizetype i = 0; i < entries.size(); ++i) {
        text += "        \"" + entries.at(i).toUtf8() + '"';
        text += i + 1 < entries.size() ? ",\n" : "\n";
    }
    return text + "    ]\n}\n";
}

// The visible rows' values of one column and role, top to bottom.
QVariantList columnValues(const QTreeView *view, int column, int role = Qt::DisplayRole)
{
    QVariantList values;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        values.append(model->index(row, column).data(role));
    return values;
}

QStringList names(const QTreeView *view)
{
    QStringList result;
    const QVariantList values = columnValues(view, FileHistoryModel::NameColumn);
    for (const QVariant &v : values)
        result.append(v.toString());
    return result;
}

} // namespace

class TestRecent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // Store
    void defaultLocation();
    void fileLayout_data();
    void fileLayout();
    void addIsCaseSensitive();
    void addExistingMovesToTop();
    void trimming_data();
    void trimming();
    void loadSkipsNonStrings();
    void unreadableStoreIsKept_data();
    void unreadableStoreIsKept();
    void unwritableStoreKeepsList();

    // Model and page
    void modelContract();
    void sizeTexts_data();
    void sizeTexts();
    void emptyStore();
    void filter_data();
    void filter();
    void noMatchAndBack();
    void filterWithoutFilesShowsNoRecentFiles();
    void reopeningAddsNoRow();
    void deletedFilesHiddenButKept();
    void addedMissingFileIsStoredNotShown();
    void clickEmitsFullPath();
    void headerSortsByValue_data();
    void headerSortsByValue();
    void newestFirstAndRowMenu_data();
    void newestFirstAndRowMenu();

private:
    QString makeFile(const QString &name, qint64 size = 100);
    QString storePath() const { return m_dir->filePath(u"config/recent_files.json"_s); }
    std::unique_ptr<RecentFileManager> newStore()
    {
        return std::make_unique<RecentFileManager>(storePath());
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecent::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setApplicationName(u"Velmora"_s);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
}

void TestRecent::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestRecent::makeFile(const QString &name, qint64 size)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        qFatal("cannot create test file");
    return path;
}

void TestRecent::defaultLocation()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    RecentFileManager &store = RecentFileManager::instance();
    QCOMPARE(&store, &RecentFileManager::instance());
    QCOMPARE(QDir::fromNativeSeparators(store.filePath()),
             QDir(folder).filePath(u"recent_files.json"_s));
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(store.paths().isEmpty());
}

void TestRecent::fileLayout_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QStringList() << QByteArray("{\n    \"recentFiles\": [\n    ]\n}\n");
    QTest::newRow("two entries") << QStringList{u"C:\\Docs\\say \"hi\".pdf"_s,
                                                u"/home/mei/报告.pdf"_s}
                                 << QByteArray(
                                        "{\n"
                                        "    \"recentFiles\": [\n"
                                        "        \"/home/mei/\xe6\x8a\xa5\xe5\x91\x8a.pdf\",\n"
                                        "        \"C:\\\\Docs\\\\say \\\"hi\\\".pdf\"\n"
                                        "    ]\n"
                                        "}\n");
}

void TestRecent::fileLayout()
{
    QFETCH(QStringList, added);
    QFETCH(QByteArray, expected);

    auto store = newStore();
    for (const QString &path : std::as_const(added))
        store->add(path);
    if (added.isEmpty())
        store->save();
    QCOMPARE(readAll(storePath()), expected);
    QVERIFY(!QFileInfo::exists(storePath() + u".bak"_s));

    // And the text reads back as the same list.
    QStringList newestFirst = added;
    std::reverse(newestFirst.begin(), newestFirst.end());
    QCOMPARE(newStore()->paths(), newestFirst);
}

void TestRecent::addIsCaseSensitive()
{
    auto store = newStore();
    store->add(u"/docs/Report.pdf"_s);
    store->add(u"/docs/report.pdf"_s);
    QVERIFY(store->contains(u"/docs/report.pdf"_s));
    QVERIFY(!store->contains(u"/DOCS/report.pdf"_s));
    QCOMPARE(newStore()->paths(), (QStringList{u"/docs/report.pdf"_s, u"/docs/Report.pdf"_s}));
}

void TestRecent::addExistingMovesToTop()
{
    auto store = newStore();
    store->add(u"/a.pdf"_s);
    store->add(u"/b.pdf"_s);
    store->add(u"/c.pdf"_s);
    // Spoil the file: adding an entry that is already listed must still write the list out.
    writeAll(storePath(), "{}");
    store->add(u"/a.pdf"_s);
    QCOMPARE(store->paths(), (QStringList{u"/a.pdf"_s, u"/c.pdf"_s, u"/b.pdf"_s}));
    QCOMPARE(readAll(storePath()), storeText({u"/a.pdf"_s, u"/c.pdf"_s, u"/b.pdf"_s}));
    // A file opened every day stays on a full list.
    for (int i = 0; i < RecentFileManager::MaximumCount; ++i) {
        store->add(u"/other/%1.pdf"_s.arg(i));
        if (i % 50 == 0)
            store->add(u"/daily.pdf"_s);
    }
    store->add(u"/daily.pdf"_s);
    QCOMPARE(newStore()->paths().constFirst(), u"/daily.pdf"_s);
    QCOMPARE(newStore()->paths().count(u"/daily.pdf"_s), 1);
}

void TestRecent::trimming_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("added");

    QTest::newRow("201st add") << 0 << 201;
    QTest::newRow("300 stored, one add") << 300 << 1;
}

void TestRecent::trimming()
{
    QFETCH(int, stored);
    QFETCH(int, added);

    QStringList onDisk;
    for (int i = 0; i < stored; ++i)
        onDisk.append(u"/stored/%1.pdf"_s.arg(i));
    if (stored > 0) {
        QDir().mkpath(QFileInfo(storePath()).absolutePath());
        writeAll(storePath(), storeText(onDisk));
    }

    auto store = newStore();
    QCOMPARE(store->paths().size(), stored);
    QStringList expected = onDisk;
    for (int i = 0; i < added; ++i) {
        const QString path = u"/added/%1.pdf"_s.arg(i);
        store->add(path);
        expected.prepend(path);
    }
    expected = expected.first(RecentFileManager::MaximumCount);

    const QStringList reloaded = newStore()->paths();
    QCOMPARE(reloaded.size(), 200);
    QCOMPARE(reloaded, expected);
}

void TestRecent::loadSkipsNonStrings()
{
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    writeAll(
        storePath(),
        R"({"recentFiles": [1, "", "/a.pdf", null, true, {"p": "/x.pdf"}, ["/y.pdf"], "/b.pdf", "/a.pdf"]})");
    QCOMPARE(newStore()->paths(), (QStringList{u"/a.pdf"_s, u"/b.pdf"_s, u"/a.pdf"_s}));
}

void TestRecent::unreadableStoreIsKept_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("not JSON") << QByteArray("{\"recentFiles\": [\"/a.pdf\", ");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe garbage", 12);
    QTest::newRow("top-level array") << QByteArray("[\"/a.pdf\"]");
    QTest::newRow("list is not an array") << QByteArray("{\"recentFiles\": \"/a.pdf\"}");
    QTest::newRow("no list") << QByteArray("{\"files\": [\"/a.pdf\"]}");
}

void TestRecent::unreadableStoreIsKept()
{
    QFETCH(QByteArray, content);

    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    writeAll(storePath(), content);
    auto store = newStore();
    QVERIFY(store->paths().isEmpty());

    store->add(u"/new.pdf"_s);
    QCOMPARE(readAll(storePath() + u".bak"_s), content);
    QCOMPARE(readAll(storePath()), storeText({u"/new.pdf"_s}));

    // Once the store is sound again, later writes leave the copy alone.
    store->add(u"/newer.pdf"_s);
    QCOMPARE(readAll(storePath() + u".bak"_s), content);
    QCOMPARE(newStore()->paths(), (QStringList{u"/newer.pdf"_s, u"/new.pdf"_s}));
}

void TestRecent::unwritableStoreKeepsList()
{
    // A folder where the file should be: nothing can be written, nothing may break.
    QDir().mkpath(storePath());
    auto store = newStore();
    store->add(u"/a.pdf"_s);
    QCOMPARE(store->paths(), QStringList{u"/a.pdf"_s});
    QVERIFY(QFileInfo(storePath()).isDir());
}

void TestRecent::modelContract()
{
    const QString small = makeFile(u"small.pdf"_s, 10);
    const QString large = makeFile(u"large.pdf"_s, 5000);
    const QDateTime modified(QDate(2023, 4, 5), QTime(6, 7, 8));
    {
        QFile f(large);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(modified, QFileDevice::FileModificationTime));
    }

    FileHistoryModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester proxyTester(&proxy,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);

    QVERIFY(model.addFile(small));
    QVERIFY(!model.addFile(m_dir->filePath(u"missing.pdf"_s)));
    QVERIFY(model.addFile(large));
    proxy.setFilterFixedString(u"LARGE"_s);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.sort(1);

    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.index(1, 0).data().toString(), u"large.pdf"_s);
    QCOMPARE(model.index(1, 1).data().toString(), u"5 KB"_s);
    QCOMPARE(model.index(1, 2).data().toString(), u"2023-04-05"_s);
    for (int column = 0; column < 3; ++column)
        QCOMPARE(model.index(1, column).data(FileHistoryModel::PathRole).toString(), large);
    QVERIFY(!model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(!model.index(1, 1).data(Qt::DecorationRole).isValid());
    QCOMPARE(model.index(1, 0).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model.index(1, 2).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), u"文件名"_s);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), u"尺寸"_s);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), u"最近一次编辑"_s);
    QCOMPARE(proxy.rowCount(), 1);
    // Opened again: the row moves to the top instead of a second one.
    QVERIFY(model.prependFile(large));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(0, 0).data().toString(), u"large.pdf"_s);
    QCOMPARE(model.index(1, 0).data().toString(), u"small.pdf"_s);
    QCOMPARE(proxy.rowCount(), 1);
}

void TestRecent::sizeTexts_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty file") << qint64(0) << u"0 B"_s;
    QTest::newRow("just under a kilobyte") << qint64(1023) << u"1023 B"_s;
    QTest::newRow("one kilobyte") << qint64(1024) << u"1 KB"_s;
    QTest::newRow("kilobytes round, no decimals") << qint64(1600) << u"2 KB"_s;
    QTest::newRow("megabytes, two decimals") << qint64(1572864) << u"1.50 MB"_s;
    QTest::newRow("gigabytes") << qint64(1073741824) << u"1.00 GB"_s;
}

void TestRecent::sizeTexts()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);

    const QString path = makeFile(u"sized.pdf"_s, bytes);
    auto store = newStore();
    RecentFilesPage page(store.get());
    page.add(path);
    QCOMPARE(columnValues(page.listView()->findChild<QTreeView *>(u"recentFilesTable"_s),
                          FileHistoryModel::SizeColumn),
             QVariantList{text});
}

void TestRecent::emptyStore()
{
    auto store = newStore();
    RecentFilesPage page(store.get());
    page.resize(900, 600);
    page.show();
    RecentFileListView *list = page.listView();
    QVERIFY(list->isShowingEmptyState());
    QVERIFY(!list->findChild<QTreeView *>(u"recentFilesTable"_s)->isVisible());
    QCOMPARE(list->findChild<QLabel *>(u"emptyStateTitle"_s)->text(), u"暂无最近文件"_s);
    QCOMPARE(list->findChild<QLabel *>(u"emptyStateSubtitle"_s)->text(),
             u"打开的 PDF 文件会显示在这里"_s);
    const QLabel *icon = list->findChild<QLabel *>(u"emptyStateIcon"_s);
    QVERIFY(icon->isVisible());
    QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(56, 56));
    QCOMPARE(page.searchBar()->placeholderText(), u"搜索文件"_s);
}

void TestRecent::filter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");

    const QStringList all{u"Report.pdf"_s, u"budget 2024.pdf"_s, u"a.b.pdf"_s, u"axb.pdf"_s};
    QTest::newRow("nothing typed") << QString() << all;
    QTest::newRow("blanks only") << u"   "_s << all;
    QTest::newRow("other case") << u"REPORT"_s << QStringList{u"Report.pdf"_s};
    QTest::newRow("surrounding blanks trimmed")
        << u"  2024 "_s << QStringList{u"budget 2024.pdf"_s};
    QTest::newRow("inner blank kept") << u"t 2"_s << QStringList{u"budget 2024.pdf"_s};
    QTest::newRow("dot is a dot") << u"a.b"_s << QStringList{u"a.b.pdf"_s};
    QTest::newRow("no wildcards") << u"a*b"_s << QStringList();
    QTest::newRow("extension") << u".PDF"_s << all;
}

void TestRecent::filter()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);

    auto store = newStore();
    RecentFilesPage page(store.get());
    for (const QString &name : {u"Report.pdf"_s, u"budget 2024.pdf"_s, u"a.b.pdf"_s, u"axb.pdf"_s})
        page.add(makeFile(name));
    page.resize(900, 600);
    page.show();

    QTest::keyClicks(page.searchBar(), typed);
    QCOMPARE(page.listView()->filterText(), typed.trimmed());
    QStringList visible = names(page.listView()->findChild<QTreeView *>(u"recentFilesTable"_s));
    visible.sort();
    QStringList expected = shown;
    expected.sort();
    QCOMPARE(visible, expected);
    QCOMPARE(page.listView()->isShowingEmptyState(), shown.isEmpty());
    QCOMPARE(page.listView()->findChild<QTreeView *>(u"recentFilesTable"_s)->isVisible(),
             !shown.isEmpty());
}

void TestRecent::noMatchAndBack()
{
    auto store = newStore();
    RecentFilesPage page(store.get());
    page.add(makeFile(u"invoice.pdf"_s));
    page.resize(900, 600);
    page.show();
    RecentFileListView *list = page.listView();
    QVERIFY(!list->isShowingEmptyState());

    QTest::keyClicks(page.searchBar(), u"zzz"_s);
    QVERIFY(list->isShowingEmptyState());
    QCOMPARE(list->findChild<QLabel *>(u"emptyStateTitle"_s)->text(), u"未找到匹配的文件"_s);
    QCOMPARE(list->findChild<QLabel *>(u"emptyStateSubtitle"_s)->text(), u"请尝试其他关键词"_s);

    page.searchBar()->clear();
    QVERIFY(!list->isShowingEmptyState());
    QVERIFY(list->findChild<QTreeView *>(u"recentFilesTable"_s)->isVisible());
    QCOMPARE(names(list->findChild<QTreeView *>(u"recentFilesTable"_s)),
             QStringList{u"invoice.pdf"_s});
}

void TestRecent::filterWithoutFilesShowsNoRecentFiles()
{
    auto store = newStore();
    RecentFilesPage page(store.get());
    QTest::keyClicks(page.searchBar(), u"abc"_s);
    QCOMPARE(page.listView()->findChild<QLabel *>(u"emptyStateTitle"_s)->text(), u"暂无最近文件"_s);
}

void TestRecent::reopeningAddsNoRow()
{
    const QString path = makeFile(u"twice.pdf"_s);
    auto store = newStore();
    RecentFilesPage page(store.get());
    page.add(path);
    page.add(path);
    QCOMPARE(names(page.listView()->findChild<QTreeView *>(u"recentFilesTable"_s)),
             QStringList{u"twice.pdf"_s});
    QCOMPARE(newStore()->paths(), QStringList{path});
}

void TestRecent::deletedFilesHiddenButKept()
{
    const QString kept = makeFile(u"kept.pdf"_s);
    const QString gone = makeFile(u"gone.pdf"_s);
    {
        auto store = newStore();
        store->add(gone);
        store->add(kept);
    }
    QVERIFY(QFile::remove(gone));

    // As after a restart: a fresh store read from disk and a fresh page.
    auto store = newStore();
    RecentFilesPage page(store.get());
    QCOMPARE(names(page.listView()->findChild<QTreeView *>(u"recentFilesTable"_s)),
             QStringList{u"kept.pdf"_s});
    page.add(makeFile(u"third.pdf"_s));
    QCOMPARE(newStore()->paths(), (QStringList{m_dir->filePath(u"third.pdf"_s), kept, gone}));
}

void TestRecent::addedMissingFileIsStoredNotShown()
{
    const QString missing = m_dir->filePath(u"nowhere.pdf"_s);
    auto store = newStore();
    RecentFilesPage page(store.get());
    page.add(missing);
    QVERIFY(page.listView()->isShowingEmptyState());
    QCOMPARE(newStore()->paths(), QStringList{missing});
}

void TestRecent::clickEmitsFullPath()
{
    auto store = newStore();
    RecentFilesPage page(store.get());
    const QString first = makeFile(u"first.pdf"_s);
    const QString second = makeFile(u"second.pdf"_s);
    page.add(first);
    page.add(second);
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QTreeView *view = page.listView()->findChild<QTreeView *>(u"recentFilesTable"_s);
    QSignalSpy clicked(&page, &RecentFilesPage::fileClicked);
    const QStringList shown = names(view);
    for (int column = 0; column < 3; ++column) {
        const int row = shown.indexOf(u"second.pdf"_s);
        const QRect cell = view->visualRect(view->model()->index(row, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QCOMPARE(clicked.size(), 3);
    for (const auto &arguments : std::as_const(clicked))
        QCOMPARE(arguments.at(0).toString(), second);
}

void TestRecent::headerSortsByValue_data()
{
    QTest::addColumn<int>("column");

    QTest::newRow("name") << int(FileHistoryModel::NameColumn);
    QTest::newRow("size") << int(FileHistoryModel::SizeColumn);
    QTest::newRow("last edited") << int(FileHistoryModel::ModifiedColumn);
}

void TestRecent::headerSortsByValue()
{
    QFETCH(int, column);

    // Sizes whose texts sort the other way round: "1.50 MB" < "2 KB" < "900 B".
    auto store = newStore();
    RecentFilesPage page(store.get());
    const QList<std::tuple<QString, qint64, QDate>> files{{u"beta.pdf"_s, 2048, {2021, 1, 2}},
                                                          {u"Alpha.pdf"_s, 1572864, {2023, 6, 1}},
                                                          {u"gamma.pdf"_s, 900, {2019, 12, 31}}};
    for (const auto &[name, size, date] : files) {
        QFile f(makeFile(name, size));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime(date, QTime(12, 0)), QFileDevice::FileModificationTime));
        page.add(f.fileName());
    }
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTreeView *view = page.listView()->findChild<QTreeView *>(u"recentFilesTable"_s);
    QHeaderView *header = view->header();
    const QPoint section(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                         header->height() / 2);

    // Each click flips the order; both orders must follow the files' own values.
    QList<QVariantList> orders;
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section);
        QCOMPARE(header->sortIndicatorSection(), column);
        QVariantList keys;
        for (const QVariant &path : columnValues(view, 0, FileHistoryModel::PathRole)) {
            const QFileInfo info(path.toString());
            keys.append(column == 0   ? QVariant(info.fileName().toLower())
                        : column == 1 ? QVariant(info.size())
                                      : QVariant(info.lastModified()));
        }
        QCOMPARE(keys.size(), 3);
        const bool up = header->sortIndicatorOrder() == Qt::AscendingOrder;
        for (qsizetype i = 1; i < keys.size(); ++i) {
            const QVariant &a = keys.at(up ? i - 1 : i);
            const QVariant &b = keys.at(up ? i : i - 1);
            QVERIFY2(QVariant::compare(a, b) < 0, qPrintable(QDebug::toString(keys)));
        }
        orders.append(keys);
    }
    QVERIFY(orders.at(0) != orders.at(1));
}

VELMORA_REGISTER_TEST(TestRecent);
#include "tst_recent.moc"

void TestRecent::newestFirstAndRowMenu_data()
{
    // Files stored earlier, then files opened in this run; the menu entry used on the row.
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<int>("menuEntry");
    QTest::addColumn<int>("menuRow");
    QTest::newRow("store order, open")
        << QStringList{u"c.pdf"_s, u"a.pdf"_s, u"b.pdf"_s} << QStringList{} << 0 << 1;
    QTest::newRow("new files on top, show in folder")
        << QStringList{u"m.pdf"_s} << QStringList{u"z.pdf"_s, u"a.pdf"_s} << 1 << 0;
    QTest::newRow("remove from the list")
        << QStringList{u"y.pdf"_s, u"x.pdf"_s} << QStringList{u"b.pdf"_s} << 2 << 2;
    QTest::newRow("a listed file opened again moves to the top")
        << QStringList{u"c.pdf"_s, u"a.pdf"_s, u"b.pdf"_s} << QStringList{u"b.pdf"_s} << 0 << 0;
}

void TestRecent::newestFirstAndRowMenu()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, opened);
    QFETCH(int, menuEntry);
    QFETCH(int, menuRow);

    QStringList storedPaths;
    for (const QString &name : stored)
        storedPaths.append(makeFile(name));
    QVERIFY(QDir().mkpath(QFileInfo(storePath()).path()));
    writeAll(storePath(), storeText(storedPaths));
    auto store = newStore();
    RecentFilesPage page(store.get());
    for (const QString &name : opened)
        page.add(makeFile(name));
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    // Newest first: this run's files in reverse order of opening, then the store's order.
    QStringList expected;
    for (const QString &name : opened)
        expected.prepend(name);
    for (const QString &name : stored) {
        if (!opened.contains(name))
            expected.append(name);
    }
    QTreeView *view = page.listView()->findChild<QTreeView *>(u"recentFilesTable"_s);
    QCOMPARE(names(view), expected);
    QCOMPARE(view->header()->sortIndicatorSection(), -1);
    QVERIFY(view->header()->isSortIndicatorShown());

    const QString path =
        view->model()->index(menuRow, 0).data(FileHistoryModel::PathRole).toString();
    QSignalSpy opens(&page, &RecentFilesPage::fileClicked);
    QSignalSpy reveals(&page, &RecentFilesPage::showInFolderRequested);
    std::unique_ptr<QMenu> menu(
        page.listView()->createContextMenu(view->model()->index(menuRow, 1), &page));
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 4); // open, show in folder, separator, remove
    QVERIFY(!page.listView()->createContextMenu(QModelIndex(), &page));
    QList<QAction *> entries;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            entries.append(action);
    }
    entries.at(menuEntry)->trigger();

    QCOMPARE(opens.size(), menuEntry == 0 ? 1 : 0);
    QCOMPARE(reveals.size(), menuEntry == 1 ? 1 : 0);
    if (!opens.isEmpty())
        QCOMPARE(opens.at(0).at(0).toString(), path);
    if (!reveals.isEmpty())
        QCOMPARE(reveals.at(0).at(0).toString(), path);
    // Removing takes the row off the table and the path out of the store file on disk.
    const bool removed = menuEntry == 2;
    QCOMPARE(names(view).contains(QFileInfo(path).fileName()), !removed);
    QCOMPARE(newStore()->paths().contains(path), !removed);
    QCOMPARE(newStore()->paths().size(), names(view).size());
}
