#include <QApplication>
#include <QTemporaryDir>

int runAccountServiceTests(int argc, char **argv);
int runAccountDialogTests(int argc, char **argv);
int runAccountTitleBarTests(int argc, char **argv);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and the session key live in a folder of this run only.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Velmora"));

    int failures = 0;
    failures += runAccountServiceTests(argc, argv);
    failures += runAccountDialogTests(argc, argv);
    failures += runAccountTitleBarTests(argc, argv);
    return failures;
}
