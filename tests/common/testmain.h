#pragma once

#include <QGuiApplication>
#include <QStandardPaths>
#include <QtTest>

// Like QTEST_MAIN, but offscreen unless the caller chose a platform, so tests never need a display.
#define VELMORA_TEST_MAIN(TestClass, AppClass)                                                     \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        AppClass app(argc, argv);                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
