#include "testregistry.h"

#ifdef VELMORA_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace testsupport {
namespace {

struct Entry
{
    QByteArray name;
    TestFactory factory;
};

std::vector<Entry> &tests()
{
    static std::vector<Entry> list;
    return list;
}

std::vector<void (*)()> &setups(Stage stage)
{
    static std::vector<void (*)()> before, after;
    return stage == Stage::BeforeApp ? before : after;
}

// The arguments QTest gets for one class: the options, and those of the named test functions
// that this class has. Empty when functions were named and none is this class's.
std::vector<char *> argumentsFor(const QObject &test, const std::vector<char *> &all)
{
    static const QList<QByteArray> withValue = {
        "-o",     "-maxwarnings", "-eventdelay", "-keydelay",     "-mousedelay",   "-platform",
        "-seed",  "-iterations",  "-median",     "-minimumvalue", "-minimumtotal", "-perfcounter",
        "-repeat"};
    std::vector<char *> arguments{all.front()};
    bool named = false;
    bool ours = false;
    for (size_t i = 1; i < all.size(); ++i) {
        const QByteArray argument(all[i]);
        if (argument.startsWith('-')) {
            arguments.push_back(all[i]);
            if (withValue.contains(argument) && i + 1 < all.size())
                arguments.push_back(all[++i]);
            continue;
        }
        named = true;
        const qsizetype tag = argument.indexOf(':');
        const QByteArray function = (tag < 0 ? argument : argument.left(tag)) + "()";
        if (test.metaObject()->indexOfMethod(function.constData()) >= 0) {
            arguments.push_back(all[i]);
            ours = true;
        }
    }
    if (named && !ours)
        arguments.clear();
    return arguments;
}

} // namespace

void registerTest(const char *className, TestFactory factory)
{
    tests().push_back({className, std::move(factory)});
}

void registerSetup(Stage stage, void (*setup)())
{
    setups(stage).push_back(setup);
}

} // namespace testsupport

// Options of our own: -class Name[,Name…] runs only those classes, -classes lists them; the
// rest goes to QTest, and test functions named there run in the classes that have them.
int main(int argc, char **argv)
{
    using namespace testsupport;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QList<QByteArray> classes;
    bool list = false;
    std::vector<char *> arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-class" && i + 1 < argc)
            classes += QByteArray(argv[++i]).split(',');
        else if (argument == "-classes")
            list = true;
        else
            arguments.push_back(argv[i]);
    }
    if (list) {
        for (const Entry &entry : tests())
            std::printf("%s\n", entry.name.constData());
        return 0;
    }
    // Each test executable has a home of its own. They run side by side (ctest -j2), and under
    // one shared home an account session signed in by one was read back by another.
    static QTemporaryDir home;
    if (home.isValid()) {
        qputenv("HOME", QFile::encodeName(home.path()));
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            qunsetenv(variable);
    }
    for (void (*setup)() : setups(Stage::BeforeApp))
        setup();
    // Settings and recent files of test runs stay out of the user's own configuration.
    QStandardPaths::setTestModeEnabled(true);
    TestApplication::setAttribute(Qt::AA_Use96Dpi, true);
    int appArgc = argc;
    TestApplication app(appArgc, argv);
    for (void (*setup)() : setups(Stage::AfterApp))
        setup();

    // Unless the caller chose its own loggers, each class also logs to a file, and the failures
    // are repeated at the end: a long log cut in the middle still shows what failed.
    const bool ownLoggers = std::any_of(arguments.begin(), arguments.end(),
                                        [](const char *a) { return qstrcmp(a, "-o") == 0; });
    QTemporaryDir logs;
    QByteArrayList recap;
    int failures = 0;
    int ran = 0;
    for (const Entry &entry : tests()) {
        if (!classes.isEmpty() && !classes.contains(entry.name))
            continue;
        std::unique_ptr<QObject> test = entry.factory();
        std::vector<char *> own = argumentsFor(*test, arguments);
        if (own.empty())
            continue;
        ++ran;
        const QString logPath = logs.filePath(QString::fromLatin1(entry.name) + u".txt");
        QByteArray toFile = QFile::encodeName(logPath) + ",txt";
        QByteArray option = "-o", toStdout = "-,txt";
        if (!ownLoggers && logs.isValid())
            own.insert(own.begin() + 1,
                       {option.data(), toFile.data(), option.data(), toStdout.data()});
        const int failed = QTest::qExec(test.get(), int(own.size()), own.data());
        failures += failed;
        QFile log(logPath);
        if (failed != 0 && log.open(QIODevice::ReadOnly)) {
            bool inFailure = false;
            for (const QByteArray &line : log.readAll().split('\n')) {
                if (line.startsWith("FAIL!") || line.startsWith("XPASS"))
                    inFailure = true;
                else if (!line.startsWith(' '))
                    inFailure = false;
                if (inFailure)
                    recap += line;
            }
        }
    }
    if (ran == 0) {
        std::fprintf(stderr, "No test class matched the command line.\n");
        return 1;
    }
    if (!recap.isEmpty())
        std::printf("\n********* Failures *********\n%s\n", recap.join('\n').constData());
    return failures == 0 ? 0 : 1;
}
