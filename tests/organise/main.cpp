#include "dialogseam.h"
#include "organisetest.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (const OrganiseTestFactory &factory : organiseTests()) {
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
