#include "customtabwidget.h"
#include "dialogseam.h"
#include "filehistorymodel.h"
#include "homepage.h"
#include "iconbutton.h"
#include "mainpage.h"
#include "pdfshowpage.h"
#include "recentfilelistview.h"
#include "recentfilemanager.h"
#include "recentfilespage.h"
#include "sidebardelegate.h"
#include "sidebarmodel.h"
#include "sidenavigationbar.h"
#include "testregistry.h"
#include "theme.h"
#include "workspacefactory.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

// A viewer tab that opens any existing file, standing in for the PDF viewer.
class FakeViewer : public PdfShowPage
{
public:
    using PdfShowPage::PdfShowPage;
    bool openFile(const QString &filePath) override { return QFile::exists(filePath); }
};

QRect rowRect(QListView *view, int row)
{
    return view->visualRect(view->model()->index(row, 0));
}

// One row painted by the delegate alone, on white.
QImage paintRow(const QAbstractItemModel *model, int row, bool hovered)
{
    SidebarDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 212, 48);
    option.state = QStyle::State_Enabled;
    if (hovered)
        option.state |= QStyle::State_MouseOver;
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, option, model->index(row, 0));
    return image;
}

} // namespace

class TestHome : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void sidebarModelContract();
    void navigationItems();
    void itemClicksEmitToolIds_data();
    void itemClicksEmitToolIds();
    void openButton_data();
    void openButton();
    void rowPainting_data();
    void rowPainting();
    void hoverHighlightFollowsMouse();
    void mainPageWiring();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestHome::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setApplicationName(u"Velmora"_s);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
}

void TestHome::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestHome::cleanup()
{
    DialogSeam::reset();
    WorkspaceFactory::reset();
}

void TestHome::sidebarModelContract()
{
    SidebarModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    const QIcon icon(u":/res/icons/modern/merge-big.png"_s);
    model.addItem(SidebarModel::Header, u"H"_s, icon);
    model.addItem(SidebarModel::Tool, u"T"_s, icon, 8);

    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 1);
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(!model.index(0, 0).data(Qt::DecorationRole).isValid());
    QVERIFY(!model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    QCOMPARE(model.index(1, 0).data(256).toInt(), int(SidebarModel::Tool));
    QCOMPARE(model.index(1, 0).data(257).toInt(), 8);
    QVERIFY(!model.index(1, 0).data(258).isValid());
    QVERIFY(!model.index(1, 0).data(Qt::ToolTipRole).isValid());
    QVERIFY(!model.index(2, 0).isValid());
}

void TestHome::navigationItems()
{
    SideNavigationBar bar;
    QCOMPARE(bar.width(), 236);
    QCOMPARE(bar.openButton()->text(), u" 打开"_s);
    QCOMPARE(bar.openButton()->height(), 40);

    const QAbstractItemModel *model = bar.listView()->model();
    QStringList texts;
    QList<int> kinds;
    QList<int> tools;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        texts.append(index.data().toString());
        kinds.append(index.data(SidebarModel::KindRole).toInt());
        tools.append(index.data(SidebarModel::ToolTypeRole).toInt());
        QCOMPARE(index.data(Qt::DecorationRole).value<QIcon>().isNull(), kinds.last() == 0);
        QCOMPARE(bar.listView()->sizeHintForIndex(index).height(), kinds.last() == 0 ? 34 : 48);
    }
    QCOMPARE(texts,
             (QStringList{u"文件"_s, u"全部文档"_s, u"工具"_s, u"压缩PDF"_s, u"PDF 转为 Office"_s,
                          u"Office 转为 PDF"_s, u"PDF 转为图像"_s, u"图像转 PDF"_s, u"加密PDF"_s,
                          u"解锁PDF"_s, u"合并PDF"_s, u"文字识别"_s}));
    QCOMPARE(kinds, (QList<int>{0, 1, 0, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    QCOMPARE(tools, (QList<int>{0, 0, 0, 1, 2, 3, 5, 4, 7, 6, 8, 9}));
}

void TestHome::itemClicksEmitToolIds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("toolType");

    QTest::newRow("section header") << u"文件"_s << 0;
    QTest::newRow("all documents") << u"全部文档"_s << 0;
    QTest::newRow("images to pdf, fifth tool") << u"图像转 PDF"_s << 4;
    QTest::newRow("unlock") << u"解锁PDF"_s << 6;
}

void TestHome::itemClicksEmitToolIds()
{
    QFETCH(QString, text);
    QFETCH(int, toolType);

    SideNavigationBar bar;
    bar.resize(236, 760);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const QModelIndexList found = bar.listView()->model()->match(
        bar.listView()->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);

    QSignalSpy clicked(&bar, &SideNavigationBar::toolClicked);
    QTest::mouseClick(bar.listView()->viewport(), Qt::LeftButton, {},
                      rowRect(bar.listView(), found.first().row()).center());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().first().toInt(), toolType);
}

void TestHome::openButton_data()
{
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<bool>("emitted");

    QTest::newRow("file chosen") << QStringList{u"/docs/chosen file.pdf"_s} << true;
    QTest::newRow("cancelled") << QStringList() << false;
}

void TestHome::openButton()
{
    QFETCH(QStringList, answer);
    QFETCH(bool, emitted);

    SideNavigationBar bar;
    bar.show();
    DialogSeam::answerFiles(answer);
    QSignalSpy opened(&bar, &SideNavigationBar::openFile);
    QTest::mouseClick(bar.openButton(), Qt::LeftButton);

    QCOMPARE(DialogSeam::requests().size(), 1);
    QCOMPARE(DialogSeam::requests().first().title, u"打开 PDF 文件"_s);
    QCOMPARE(DialogSeam::requests().first().text, QString());
    QCOMPARE(opened.size(), emitted ? 1 : 0);
    if (emitted)
        QCOMPARE(opened.first().first().toString(), answer.first());
}

void TestHome::rowPainting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QString>("fill");

    QTest::newRow("tool") << u"合并PDF"_s << false << u"#ffffff"_s;
    QTest::newRow("tool under the mouse") << u"合并PDF"_s << true << QString(Theme::hoverSurface);
    QTest::newRow("destination") << u"全部文档"_s << false << QString(Theme::accentSoft);
    QTest::newRow("destination under the mouse")
        << u"全部文档"_s << true << QString(Theme::destinationHover);
    QTest::newRow("header under the mouse") << u"工具"_s << true << u"#ffffff"_s;
}

void TestHome::rowPainting()
{
    QFETCH(QString, text);
    QFETCH(bool, hovered);
    QFETCH(QString, fill);

    SideNavigationBar bar;
    const QAbstractItemModel *model = bar.model();
    const QModelIndexList found =
        model->match(model->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const QImage image = paintRow(model, found.first().row(), hovered);

    // Inside the rounded fill, clear of icon and text; the rounded corner stays unpainted.
    QCOMPARE(image.pixelColor(200, 24).name(), QColor(fill).name());
    QCOMPARE(image.pixelColor(0, 1).name(), u"#ffffff"_s);
    // The one-pixel gap above and below the fill.
    QCOMPARE(image.pixelColor(100, 0).name(), u"#ffffff"_s);
}

void TestHome::hoverHighlightFollowsMouse()
{
    SideNavigationBar bar;
    bar.resize(236, 760);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QListView *view = bar.listView();
    const int mergeRow = view->model()->rowCount() - 1;
    const QRect merge = rowRect(view, mergeRow);
    const QPoint probe(merge.right() - 6, merge.center().y());
    const auto fillAtProbe = [&] {
        return view->viewport()->grab().toImage().pixelColor(probe);
    };

    const QColor before = fillAtProbe();
    QTest::mouseMove(view->viewport(), merge.center());
    QTRY_COMPARE(fillAtProbe().name(), QColor(Theme::hoverSurface).name());

    QTest::mouseMove(view->viewport(), rowRect(view, 0).center());
    QTRY_COMPARE(fillAtProbe(), before);
    QVERIFY(before.name() != QColor(Theme::hoverSurface).name());
}

void TestHome::mainPageWiring()
{
    WorkspaceFactory::setViewerTabMaker([](QWidget *parent) { return new FakeViewer(parent); });
    const QString path = QDir(m_dir->path()).canonicalPath() + u"/opened.pdf"_s;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    MainPage page;
    page.resize(1160, 740);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    CustomTabWidget *tabs = page.tabWidget();
    HomePage *home = page.homePage();
    QListView *navigation = home->navigationBar()->listView();

    // A header keeps the home tab and opens nothing.
    QTest::mouseClick(navigation->viewport(), Qt::LeftButton, {}, rowRect(navigation, 0).center());
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->currentIndex(), 0);

    // A tool row opens that tool's tab.
    QTest::mouseClick(navigation->viewport(), Qt::LeftButton, {}, rowRect(navigation, 7).center());
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->currentWidget()->property("tesselToolType").toInt(), 4);

    // The open button opens a viewer tab and lists the file.
    DialogSeam::answerFiles({path});
    QTest::mouseClick(home->navigationBar()->openButton(), Qt::LeftButton);
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->currentWidget()->property("tesselFilePath").toString(), path);
    QCOMPARE(RecentFileManager::instance().paths().first(), path);

    // Clicking the listed file focuses its tab again without touching the list.
    const QByteArray storeBefore = [] {
        QFile f(RecentFileManager::instance().filePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    tabs->setCurrentIndex(0);
    QTreeView *table =
        home->recentFilesPage()->listView()->findChild<QTreeView *>(u"recentFilesTable"_s);
    QTRY_VERIFY(table->isVisible());
    const QModelIndexList rows = table->model()->match(
        table->model()->index(0, 0), FileHistoryModel::PathRole, path, 1, Qt::MatchExactly);
    QCOMPARE(rows.size(), 1);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(rows.first()).center());
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->currentIndex(), 2);
    QFile after(RecentFileManager::instance().filePath());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), storeBefore);

    // A cancelled dialog opens nothing.
    DialogSeam::answerFiles({});
    QTest::mouseClick(home->navigationBar()->openButton(), Qt::LeftButton);
    QCOMPARE(tabs->count(), 3);
}

VELMORA_REGISTER_TEST(TestHome);
#include "tst_home.moc"
