// Renders the home tab for review: with no recent files, with a dozen, filtered to nothing, and
// with the mouse over a tool. Runs offscreen with a scratch configuration folder.
// Usage: velmora_home_screenshots [output folder]

#include "framelesswindow.h"
#include "homepage.h"
#include "mainpage.h"
#include "recentfilelistview.h"
#include "recentfilespage.h"
#include "screenshots.h"
#include "searchbarwidget.h"
#include "sidenavigationbar.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QListView>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", u"offscreen"_s).toUtf8());
    QApplication app(argc, argv);
    Startup::configureApplication(app);
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();

    shots::setFolder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                              : QDir::current().filePath(u"build/screenshots"_s));

    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    HomePage *home = page->homePage();
    shots::save(&window, u"home-empty"_s);

    QTemporaryDir files;
    const QList<std::pair<QString, qint64>> names{
        {u"2024年度财务报告.pdf"_s, 2'458'112},
        {u"Quarterly Review Q3.pdf"_s, 845'331},
        {u"合同-北京分公司-最终版.pdf"_s, 1'572'864},
        {u"invoice_10482.pdf"_s, 1023},
        {u"Product Roadmap 2025 (draft for internal discussion only).pdf"_s, 12'884'901},
        {u"会议纪要.pdf"_s, 1600},
        {u"scan_0001.pdf"_s, 3'221'225'472 / 1024},
        {u"用户手册 v2.3.pdf"_s, 7'340'032},
        {u"Boarding pass.pdf"_s, 96'512},
        {u"thesis-final-FINAL.pdf"_s, 24'117'248},
        {u"简历_张伟.pdf"_s, 215'040},
        {u"Lease agreement.pdf"_s, 402'653},
    };
    for (const auto &[name, size] : names) {
        QFile file(files.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.resize(size);
        file.close();
        home->recordOpenedFile(file.fileName());
    }
    shots::save(&window, u"home-files"_s);

    // A selected row with the mouse over the next one.
    QTreeView *table =
        home->recentFilesPage()->listView()->findChild<QTreeView *>(u"recentFilesTable"_s);
    table->setCurrentIndex(table->model()->index(1, 0));
    QTest::mouseMove(table->viewport(), table->visualRect(table->model()->index(2, 0)).center());
    shots::save(home->recentFilesPage(), u"home-files-selected-hover"_s);

    // Sorted by size, largest first: the header shows the arrow.
    QHeaderView *header = table->header();
    const QPoint sizeHeader(header->sectionViewportPosition(1) + header->sectionSize(1) / 2,
                            header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeHeader);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeHeader);
    shots::save(home->recentFilesPage(), u"home-files-sorted-by-size"_s);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionSize(0) / 2, header->height() / 2));
    shots::save(home->recentFilesPage(), u"home-files-sorted-by-name"_s);
    header->setSortIndicator(-1, Qt::AscendingOrder);

    SearchBarWidget *search = home->recentFilesPage()->searchBar();
    search->setFocus();
    search->insert(u"报告"_s);
    shots::save(&window, u"home-search"_s);
    search->clear();
    QTest::keyClicks(search, u"no such file"_s);
    shots::save(&window, u"home-no-match"_s);
    search->clear();

    QListView *list = home->navigationBar()->listView();
    QTest::mouseMove(list->viewport(), list->visualRect(list->model()->index(5, 0)).center());
    shots::save(home->navigationBar(), u"home-navigation-hover"_s);
    return 0;
}
