// Renders the window after a later start handed files over and after files were dropped on it,
// and the page grid of the handed-over file, for review: scripts/handover-screenshots.sh runs it
// offscreen.
// Usage: handover_screenshots <velmora program> <sample.pdf> <second.pdf> [folder]

#include "customtabwidget.h"
#include "framelesswindow.h"
#include "mainpage.h"
#include "pdfshowpage.h"
#include "pdftoptoolbar.h"
#include "pdfviewerwidget.h"
#include "singleinstance.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4) {
        fputs("usage: handover_screenshots <velmora> <sample.pdf> <second.pdf> [folder]\n", stderr);
        return 2;
    }
    Startup::configureApplication(app);
    QStandardPaths::setTestModeEnabled(true);
    const QString out = arguments.value(4, u"screenshots"_s);
    QDir().mkpath(out);
    QTemporaryDir scratch;

    SingleInstance instance(scratch.filePath(u"instance.socket"_s));
    if (instance.start({}) != SingleInstance::Role::Primary)
        return 3;
    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    Startup::serveLaterStarts(window, instance);
    Startup::openFiles(window, {arguments.at(2)}, 0);

    // A later start from another folder, with a relative path and a page.
    const QFileInfo second(arguments.at(3));
    QProcess later;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"VELMORA_INSTANCE_NAME"_s, instance.serverName());
    later.setProcessEnvironment(environment);
    later.setWorkingDirectory(second.absolutePath());
    bool received = false;
    QObject::connect(&instance, &SingleInstance::requestReceived, &window,
                     [&received] { received = true; });
    later.start(arguments.at(1), {u"--page"_s, u"2"_s, second.fileName()});
    if (!QTest::qWaitFor([&] { return received; }, 60000))
        return 4;
    QTest::qWait(1500);
    window.grab().save(QDir(out).filePath(u"handover.png"_s));
    later.waitForFinished(10000);

    // A file manager drops the sample and a text file on the home tab.
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    page->tabWidget()->setCurrentIndex(0);
    const QString text = scratch.filePath(u"notes.txt"_s);
    QFile file(text);
    if (!file.open(QIODevice::WriteOnly) || file.write("notes\n") < 0)
        return 5;
    file.close();
    const QString dropped = scratch.filePath(u"dropped from the file manager.pdf"_s);
    if (!QFile::copy(arguments.at(3), dropped))
        return 6;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(dropped)});
    page->tabWidget()->setCurrentIndex(0);
    QTest::qWait(200);
    const QPoint at(page->width() / 2, page->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &drop);
    // The note about the text file is a modal box: grab the window behind it, then close it.
    QTimer::singleShot(2000, &window, [&window, &out] {
        window.grab().save(QDir(out).filePath(u"drop.png"_s));
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != &window && top->isVisible() && top->inherits("QDialog")) {
                top->grab().save(QDir(out).filePath(u"drop-note.png"_s));
                top->close();
            }
        }
    });
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(QDir(out).filePath(u"drop.png"_s)); },
                         30000))
        return 7;
    QTest::qWait(300);

    // The page grid of the handed-over document.
    page->tabWidget()->setCurrentIndex(2);
    if (auto *tab = qobject_cast<PdfShowPage *>(page->tabWidget()->currentWidget()))
        Q_EMIT tab->viewer()->topToolBar()->pageManageViewRequested();
    QTest::qWait(2000);
    window.grab().save(QDir(out).filePath(u"pages.png"_s));
    return 0;
}
