#include "startup.h"

#include "accountwiring.h"
#include "commandline.h"
#include "customtabwidget.h"
#include "darktheme.h"
#include "framelesswindow.h"
#include "languagedialog.h"
#include "languagemanager.h"
#include "lastsession.h"
#include "mainpage.h"
#include "pdfdocumentview.h"
#include "pdfrendermanager.h"
#include "pdfshowpage.h"
#include "pdfviewerwidget.h"
#include "shellservices.h"
#include "singleinstance.h"
#include "theme.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPalette>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <utility>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A switch rebuilds the main page; the documents open again as they are on disk, so unsaved
// changes are saved or dropped first, in one question.
bool documentsMaySwitch(QWidget *window)
{
    auto *frameless = qobject_cast<FramelessWindow *>(window);
    auto *page = frameless ? qobject_cast<MainPage *>(frameless->contentWidget()) : nullptr;
    return !page || page->confirmSaveDocuments();
}

// Runs a task once the window is on screen and painted: at once (after the paint) when it is
// already, else after the window system first shows it.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget *window, std::function<void()> task)
        : QObject(window)
        , m_task(std::move(task))
    {
        QWindow *handle = window->windowHandle();
        if (handle && handle->isExposed()) {
            window->repaint();
            start();
        } else if (handle) {
            handle->installEventFilter(this);
        } else {
            start();
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // The expose paints the window before the event loop turns again.
            start();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void start()
    {
        QTimer::singleShot(0, this, [this] {
            m_task();
            deleteLater();
        });
    }

    std::function<void()> m_task;
};

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
    nameApplication();
    QApplication::setApplicationDisplayName(u"Velmora"_s);
    // Lets the desktop match the window with its entry and icon.
    QGuiApplication::setDesktopFileName(u"org.velmora.Velmora"_s);
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

    DarkTheme::applySaved();
    QApplication::setPalette(DarkTheme::applicationPalette());

    app.setStyleSheet(applicationStyleSheet());
}

void installLanguageManager()
{
    ShellServices::instance().setLanguageHooks(
        {[] { LanguageManager::instance().loadSaved(); },
         [] { return LanguageManager::instance().currentLanguage(); },
         [](QWidget *parent) {
             LanguageDialog dialog(parent);
             dialog.setSwitchGuard([parent] { return documentsMaySwitch(parent); });
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
                     [&window] {
                         auto *old = qobject_cast<MainPage *>(window.contentWidget());
                         const QList<MainPage::DocumentPlace> places =
                             old ? old->documentPlaces() : QList<MainPage::DocumentPlace>();
                         auto *page = new MainPage;
                         window.setContentWidget(page);
                         page->restoreDocuments(places);
                     });
}

void openCommandLineFile(FramelessWindow &window, const QStringList &arguments)
{
    const CommandLine line = CommandLine::parse(arguments, QDir::currentPath());
    if (line.action == CommandLine::Action::Open)
        openFiles(window, line.files, line.page);
}

void openFiles(FramelessWindow &window, const QStringList &files, int page)
{
    QStringList missing;
    if (auto *main = qobject_cast<MainPage *>(window.contentWidget()))
        missing = main->openFiles(files, page);
    reportTabs(window, missing);
}

void reopenLastSession(FramelessWindow &window)
{
    if (!LastSession::reopensAtStart())
        return;
    // Opening the documents (and asking for their passwords) takes a while; the window is
    // painted first instead of staying black meanwhile.
    new AfterFirstPaint(&window, [&window] {
        if (auto *main = qobject_cast<MainPage *>(window.contentWidget()))
            LastSession::reopen(*main);
    });
}

void serveLaterStarts(FramelessWindow &window, SingleInstance &instance)
{
    QObject::connect(&instance, &SingleInstance::requestReceived, &window,
                     [&window](const SingleInstance::Request &request) {
                         if (window.isMinimized())
                             window.showNormal();
                         window.show();
                         window.raise();
                         window.activateWindow();
                         openFiles(window, request.files, request.page);
                     });
}

void reportTabs(FramelessWindow &window, const QStringList &missing)
{
    if (!qEnvironmentVariableIsSet("VELMORA_TEST_REPORT_TABS"))
        return;
    auto *main = qobject_cast<MainPage *>(window.contentWidget());
    if (!main)
        return;
    QJsonObject report;
    report.insert(u"tabs"_s, QJsonArray::fromStringList(main->viewerPaths()));
    report.insert(u"missing"_s, QJsonArray::fromStringList(missing));
    // The page is set once the new tab is laid out, after this turn of the event loop.
    QTimer::singleShot(0, main, [main, report]() mutable {
        QTimer::singleShot(0, main, [main, report]() mutable {
            QJsonArray pages;
            for (int i = 0; i < main->tabWidget()->count(); ++i) {
                auto *tab = qobject_cast<PdfShowPage *>(main->tabWidget()->widget(i));
                if (tab && tab->viewer())
                    pages.append(tab->viewer()->documentView()->currentPage() + 1);
            }
            report.insert(u"pages"_s, pages);
            fputs(QJsonDocument(report).toJson(QJsonDocument::Compact).constData(), stdout);
            fputc('\n', stdout);
            fflush(stdout);
        });
    });
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
