#include "toolstestsupport.h"

#include "dialogseam.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

// Runs the tool pages' test classes in one process. Standard folders point into a temporary
// home, so the desktop and documents outputs never touch the real one.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    QDir(home.path()).mkpath(QStringLiteral("Desktop"));
    DialogSeam::setScripted(true);

    int failures = 0;
    failures += toolstest::runFileIntakeTests(argc, argv);
    failures += toolstest::runTaskListTests(argc, argv);
    failures += toolstest::runLocationTests(argc, argv);
    failures += toolstest::runOptionsPanelTests(argc, argv);
    failures += toolstest::runToolPageTests(argc, argv);
    return failures;
}
