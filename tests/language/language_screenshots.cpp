// Renders the window, the language dialog and its message boxes in every interface language, for
// a reader of each language to check wording and fit (scripts/language-screenshots.sh).
// Usage: velmora_language_screenshots <output folder>

#include "accountdialog.h"
#include "customtabwidget.h"
#include "framelesswindow.h"
#include "homepage.h"
#include "languagedialog.h"
#include "languagemanager.h"
#include "mainpage.h"
#include "modernmessagebox.h"
#include "pdfshowpage.h"
#include "recentfilespage.h"
#include "screenshots.h"
#include "searchbarwidget.h"
#include "startup.h"
#include "titlebar.h"
#include "tooltype.h"
#include "workspacefactory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using namespace shots;

namespace {

// The tab strips of every language, for one sheet at the end.
QList<QPixmap> tabStrips;

QPixmap stacked(const QList<QPixmap> &pixmaps)
{
    int width = 0, height = 0;
    for (const QPixmap &pm : pixmaps) {
        width = qMax(width, pm.width());
        height += pm.height();
    }
    QPixmap sheet(width, height);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 0;
    for (const QPixmap &pm : pixmaps) {
        p.drawPixmap(0, y, pm);
        y += pm.height();
    }
    return sheet;
}

// A dialog drawn where it sits over the window, since dialogs are translucent around their card.
QPixmap over(QWidget *window, QWidget *dialog)
{
    settle();
    QPixmap canvas = window->grab();
    QPainter p(&canvas);
    p.fillRect(canvas.rect(), QColor(15, 23, 42, 40));
    const QPoint at = dialog->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0));
    p.drawPixmap(at, dialog->grab());
    return canvas;
}

class PictureViewerTab : public PdfShowPage
{
public:
    using PdfShowPage::PdfShowPage;
    bool openFile(const QString &) override { return true; }
};

// Waits for the next message box, grabs it and answers it; then runs `then`.
void grabNextBox(QWidget *window, const QString &name, bool confirm,
                 std::function<void()> then = {}, int attempt = 0)
{
    QTimer::singleShot(50, window, [=] {
        auto *box = qobject_cast<ModernMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (attempt < 200)
                grabNextBox(window, name, confirm, then, attempt + 1);
            else
                qWarning() << "no message box for" << name;
            return;
        }
        save(over(window, box), name);
        if (then)
            then();
        if (confirm)
            box->findChild<QPushButton *>(u"messageBoxConfirmButton"_s)->click();
        else
            box->reject();
    });
}

void shootLanguage(const QString &code)
{
    LanguageManager::instance().setLanguage(code);
    const QString tag = code.section(u'_', 0, 0);

    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.move(40, 40);
    window.show();
    settle();
    save(window.grab(), tag + u"-home"_s);
    SearchBarWidget *search = qobject_cast<MainPage *>(window.contentWidget())
                                  ->homePage()
                                  ->recentFilesPage()
                                  ->searchBar();
    search->setText(u"no such file"_s);
    settle();
    save(window.grab(), tag + u"-home-no-match"_s);
    search->clear();

    // Below seven tabs every tab is wide: all eight tool names in two rounds.
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    for (int t : {ToolType::Compress, ToolType::PdfToOffice, ToolType::OfficeToPdf,
                  ToolType::ImageToPdf, ToolType::PdfToImages})
        page->onToolClicked(t);
    settle();
    QTabBar *bar = page->tabWidget()->tabBar();
    const QPixmap wide1 = bar->grab();
    window.setContentWidget(new MainPage);
    settle();
    page = qobject_cast<MainPage *>(window.contentWidget());
    for (int t : {ToolType::Decrypt, ToolType::Encrypt, ToolType::Merge})
        page->onToolClicked(t);
    page->onFileOpen(QDir::temp().filePath(u"Quarterly report 2024 - final version.pdf"_s));
    settle();
    bar = page->tabWidget()->tabBar();
    const QPixmap wide2 = bar->grab();
    tabStrips.append(wide1);
    tabStrips.append(wide2);

    for (int t : {ToolType::Compress, ToolType::PdfToOffice, ToolType::OfficeToPdf,
                  ToolType::ImageToPdf, ToolType::PdfToImages})
        page->onToolClicked(t);
    settle();
    const QPixmap strip = bar->grab();
    // The narrow tab bar is wider than the window: two halves, one under the other.
    QPixmap two(strip.width() / 2 + 1, strip.height() * 2);
    two.fill(Qt::white);
    {
        QPainter p(&two);
        p.drawPixmap(0, 0, strip, 0, 0, strip.width() / 2 + 1, strip.height());
        p.drawPixmap(0, strip.height(), strip, strip.width() / 2, 0, strip.width() / 2 + 1,
                     strip.height());
    }
    save(stacked({wide1, wide2, two}), tag + u"-tabs"_s);
    save(window.titleBar()->grab().scaled(window.titleBar()->size() * 2), tag + u"-titlebar"_s);

    {
        AccountDialog account(&window);
        account.show();
        settle();
        save(over(&window, &account), tag + u"-account"_s);
    }

    LanguageDialog dialog(&window);
    dialog.show();
    settle();
    save(over(&window, &dialog), tag + u"-dialog"_s);

    // The confirmation, asked for the next language that has a catalogue.
    const QList<LanguageManager::Language> &languages = LanguageManager::languages();
    int next = 0;
    for (int i = 0; i < languages.size(); ++i) {
        if (languages.at(i).code == code)
            next = i + 1 < languages.size() ? i + 1 : 1;
    }
    const auto buttons = dialog.findChildren<QRadioButton *>();
    for (QRadioButton *button : buttons) {
        if (button->property("languageCode").toString() == languages.at(next).code)
            button->click();
    }
    settle();
    grabNextBox(&window, tag + u"-confirm"_s, false);
    dialog.applyLanguage();

    // A switch that cannot load its catalogue.
    LanguageManager::setCatalogueFolder(u"/nonexistent"_s);
    grabNextBox(&window, tag + u"-confirm-again"_s, true,
                [&window, tag] { grabNextBox(&window, tag + u"-error"_s, false); });
    dialog.applyLanguage();
    LanguageManager::setCatalogueFolder(QString());
    dialog.reject();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Scratch settings and recent files: the pictures must not touch the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    Startup::configureApplication(app);
    shots::setFolder(app.arguments().value(1, u"screenshots"_s));
    WorkspaceFactory::setViewerTabMaker(
        [](QWidget *parent) { return new PictureViewerTab(parent); });

    // A few recent files of different sizes, recorded by opening them.
    QTemporaryDir files;
    {
        FramelessWindow window;
        Startup::installMainPage(window);
        auto *page = qobject_cast<MainPage *>(window.contentWidget());
        const QList<std::pair<QString, qint64>> names{
            {u"Quarterly report 2024 - final version.pdf"_s, 2'458'112},
            {u"invoice_10482.pdf"_s, 1023},
            {u"合同-最终版.pdf"_s, 845'331},
            {u"scan_0001.pdf"_s, 3'221'225'472},
        };
        for (const auto &[name, size] : names) {
            QFile file(files.filePath(name));
            if (file.open(QIODevice::WriteOnly))
                file.resize(size);
            file.close();
            page->onFileOpen(file.fileName());
        }
    }

    const QStringList codes = app.arguments().size() > 2 ? app.arguments().mid(2) : [] {
        QStringList all;
        for (const LanguageManager::Language &l : LanguageManager::languages())
            all.append(l.code);
        return all;
    }();
    for (const QString &code : codes)
        shootLanguage(code);
    save(stacked(tabStrips), u"tabs-all-languages"_s);
    return 0;
}
