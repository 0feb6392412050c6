#include "startup.h"

#include "accountwiring.h"
#include "customtabwidget.h"
#include "framelesswindow.h"
#include "languagedialog.h"
#include "languagemanager.h"
#include "mainpage.h"
#include "pdfdocumentview.h"
#include "pdfrendermanager.h"
#include "pdfshowpage.h"
#include "pdfviewerwidget.h"
#include "shellservices.h"
#include "theme.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A switch replaces the main page with all its tabs, so every viewer gets the chance to save
// (or to keep the switch from happening) first.
bool viewersMayClose(QWidget *window)
{
    auto *frameless = qobject_cast<FramelessWindow *>(window);
    auto *page = frameless ? qobject_cast<MainPage *>(frameless->contentWidget()) : nullptr;
    return !page || page->confirmCloseViewers();
}

} // namespace

namespace Startup {

QString applicationStyleSheet()
{
    return uR"(
QToolTip { background-color: %1; color: %2; border: none; padding: 6px 10px; border-radius: 4px; }
QMenu { background-color: %2; border: 1px solid %3; border-radius: 8px; padding: 6px; }
QMenu::item { background-color: transparent; border-radius: 4px; color: %4; padding: 8px 24px 8px 16px; }
QMenu::item:selected { background-color: %5; color: %6; }
QMenu::separator { height: 1px; background: %7; margin: 5px 10px; }
)"_s.arg(Theme::toolTipBackground, Theme::surface, Theme::paneLine, Theme::menuText,
         Theme::menuSelected, Theme::menuSelectedText, Theme::menuSeparator);
}

void configureApplication(QApplication &app)
{
    // High-DPI scaling and high-DPI pixmaps are always on in Qt 6.
    QApplication::setApplicationName(u"Velmora"_s);
    QApplication::setOrganizationName(u"Velmora"_s);
    QApplication::setApplicationDisplayName(u"Velmora"_s);
    QApplication::setApplicationVersion(u"1.0.0"_s);
    QApplication::setWindowIcon(QIcon(u":/res/icons/modern/logo.png"_s));

    // Before any widget exists, so every widget is built in the saved language.
    installLanguageManager();
    ShellServices::instance().installSavedLanguage();
    AccountWiring::install();

    QFont font = QApplication::font();
    // The second family only matters where the first is missing (anything but Windows).
    font.setFamilies({u"Microsoft YaHei UI"_s, u"Noto Sans CJK SC"_s});
    font.setStyleStrategy(QFont::PreferAntialias);
    QApplication::setFont(font);

    QPalette palette = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, Theme::color(Theme::surface));
        palette.setColor(group, QPalette::Base, Theme::color(Theme::surface));
        palette.setColor(group, QPalette::WindowText, Theme::color(Theme::textPrimary));
        palette.setColor(group, QPalette::Text, Theme::color(Theme::textPrimary));
        palette.setColor(group, QPalette::ButtonText, Theme::color(Theme::textPrimary));
        palette.setColor(group, QPalette::Highlight, Theme::color(Theme::accent));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    QApplication::setPalette(palette);

    app.setStyleSheet(applicationStyleSheet());
}

void installLanguageManager()
{
    ShellServices::instance().setLanguageHooks(
        {[] { LanguageManager::instance().loadSaved(); },
         [] { return LanguageManager::instance().currentLanguage(); },
         [](QWidget *parent) {
             LanguageDialog dialog(parent);
             dialog.setSwitchGuard([parent] { return viewersMayClose(parent); });
             dialog.exec();
         }});
    QObject::connect(&LanguageManager::instance(), &LanguageManager::languageChanged,
                     &ShellServices::instance(), &ShellServices::languageChanged,
                     Qt::UniqueConnection);
}

void installMainPage(FramelessWindow &window)
{
    window.setContentWidget(new MainPage);
    QObject::connect(&ShellServices::instance(), &ShellServices::languageChanged, &window,
                     [&window] { window.setContentWidget(new MainPage); });
}

void openCommandLineFile(FramelessWindow &window, const QStringList &arguments)
{
    if (arguments.size() < 2 || !QFileInfo(arguments.at(1)).isFile())
        return;
    if (auto *page = qobject_cast<MainPage *>(window.contentWidget()))
        page->onFileOpen(arguments.at(1));
}

bool armFirstPageCapture(FramelessWindow &window)
{
    const QString target = qEnvironmentVariable("VELMORA_CAPTURE_FIRST_PAGE");
    if (target.isEmpty())
        return false;
    bool ok = false;
    int timeout = qEnvironmentVariableIntValue("VELMORA_CAPTURE_TIMEOUT_MS", &ok);
    if (!ok || timeout <= 0)
        timeout = 30000;
    QTimer::singleShot(timeout, &window, [] { QApplication::exit(3); });

    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    auto *tab = page ? qobject_cast<PdfShowPage *>(page->tabWidget()->currentWidget()) : nullptr;
    if (!tab)
        return true;
    PdfViewerWidget *viewer = tab->viewer();
    QObject::connect(viewer->renderManager(), &PdfRenderManager::pageRendered, &window,
                     [&window, viewer, target](PdfPageId id, QSize, PdfRenderPurpose purpose) {
                         if (purpose != PdfRenderPurpose::Page ||
                             !viewer->documentView()->hasPageImage(id))
                             return;
                         // After the view has painted the page.
                         QTimer::singleShot(0, &window, [&window, target] {
                             const bool saved = window.grab().save(target, "PNG");
                             QApplication::exit(saved ? 0 : 4);
                         });
                     });
    return true;
}

} // namespace Startup
