#include "viewertest.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    // Recent files and settings of test runs stay out of the user's own configuration.
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (const ViewerTestFactory &factory : viewerTests()) {
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
