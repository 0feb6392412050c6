#include "commandline.h"
#include "commandlineconversion.h"
#include "framelesswindow.h"
#include "singleinstance.h"
#include "startup.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const auto exitCode =
            Startup::runInformationalOptions(argc, argv, &CommandLineConversion::run))
        return *exitCode;
    if (const auto exitCode = Startup::refuseWithoutDisplay(argc, argv))
        return *exitCode;

    QApplication app(argc, argv);
    Startup::configureApplication(app);
    const CommandLine line = CommandLine::parse(QApplication::arguments(), QDir::currentPath());
    if (line.action == CommandLine::Action::Error) {
        fputs(qPrintable(line.message + u'\n'), stderr);
        return 2;
    }

    // Captures for tests and screenshots want a window of their own.
    SingleInstance instance;
    const bool alone = line.newWindow || qEnvironmentVariableIsSet("VELMORA_CAPTURE_FIRST_PAGE");
    if (!alone && instance.start({line.files, line.page}) == SingleInstance::Role::HandedOver)
        return 0;

    FramelessWindow window;
    Startup::installMainPage(window);
    window.restorePlacement(QSize(1160, 780));
    window.show();
    Startup::serveLaterStarts(window, instance);
    if (line.files.isEmpty())
        Startup::reopenLastSession(window);
    Startup::openFiles(window, line.files, line.page);
    Startup::armFirstPageCapture(window);

    return QApplication::exec();
}
