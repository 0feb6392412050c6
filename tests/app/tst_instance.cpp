// The command line and the one-window-per-session hand-over, with real program processes.

#include "commandline.h"
#include "pdffixtures.h"
#include "testregistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// One started program whose viewer tabs are read from the lines it prints.
class Program
{
public:
    Program(const QString &folder, const QProcessEnvironment &environment)
    {
        m_process.setWorkingDirectory(folder);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.setReadChannel(QProcess::StandardOutput);
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

    void start(const QStringList &arguments)
    {
        m_process.start(QStringLiteral(VELMORA_EXECUTABLE), arguments);
    }
    QProcess &process() { return m_process; }

    // The next report of the window's tabs, or an empty object when none came in time.
    QJsonObject nextReport(int timeoutMs = 60000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            if (m_process.canReadLine()) {
                const QJsonDocument line = QJsonDocument::fromJson(m_process.readLine());
                if (line.isObject())
                    return line.object();
                continue;
            }
            if (m_process.state() == QProcess::NotRunning)
                return {};
            m_process.waitForReadyRead(200);
        }
        return {};
    }
    bool endsWithZero(int timeoutMs = 60000)
    {
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(timeoutMs))
            return false;
        const bool zero =
            m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
        if (!zero)
            qWarning() << "exit" << m_process.exitCode() << m_process.readAllStandardError();
        return zero;
    }

private:
    QProcess m_process;
};

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list.append(item.toString());
    return list;
}

QList<int> numbers(const QJsonValue &value)
{
    QList<int> list;
    for (const QJsonValue &item : value.toArray())
        list.append(item.toInt());
    return list;
}

} // namespace

class TestInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data();
    void commandLine();
    void withoutDisplay();
    void toolCommandLines_data();
    void toolCommandLines();
    void handOver_data();
    void handOver();
};

void TestInstance::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("newWindow");

    const auto open = int(CommandLine::Action::Open);
    const auto error = int(CommandLine::Action::Error);
    const QString here = u"/home/user/docs"_s;
    QTest::newRow("nothing") << QStringList{} << open << QStringList{} << 0 << false;
    QTest::newRow("relative and absolute")
        << QStringList{u"a.pdf"_s, u"../b.pdf"_s, u"/tmp/c.pdf"_s, u"./sub//d.pdf"_s} << open
        << QStringList{here + u"/a.pdf"_s, u"/home/user/b.pdf"_s, u"/tmp/c.pdf"_s,
                       here + u"/sub/d.pdf"_s}
        << 0 << false;
    QTest::newRow("file URL") << QStringList{u"file:///tmp/with%20space.pdf"_s} << open
                              << QStringList{u"/tmp/with space.pdf"_s} << 0 << false;
    QTest::newRow("page before files")
        << QStringList{u"--page"_s, u"3"_s, u"a.pdf"_s, u"b.pdf"_s} << open
        << QStringList{here + u"/a.pdf"_s, here + u"/b.pdf"_s} << 3 << false;
    QTest::newRow("page joined") << QStringList{u"a.pdf"_s, u"--page=12"_s} << open
                                 << QStringList{here + u"/a.pdf"_s} << 12 << false;
    QTest::newRow("short page") << QStringList{u"-p"_s, u"2"_s, u"a.pdf"_s} << open
                                << QStringList{here + u"/a.pdf"_s} << 2 << false;
    QTest::newRow("new window") << QStringList{u"--new-window"_s, u"a.pdf"_s} << open
                                << QStringList{here + u"/a.pdf"_s} << 0 << true;
    QTest::newRow("dash file after --") << QStringList{u"--"_s, u"--page"_s} << open
                                        << QStringList{here + u"/--page"_s} << 0 << false;
    QTest::newRow("help") << QStringList{u"a.pdf"_s, u"--help"_s} << int(CommandLine::Action::Help)
                          << QStringList{} << 0 << false;
    QTest::newRow("version") << QStringList{u"-v"_s} << int(CommandLine::Action::Version)
                             << QStringList{} << 0 << false;
    QTest::newRow("page zero") << QStringList{u"--page"_s, u"0"_s, u"a.pdf"_s} << error
                               << QStringList{} << 0 << false;
    QTest::newRow("page not a number")
        << QStringList{u"--page"_s, u"two"_s, u"a.pdf"_s} << error << QStringList{} << 0 << false;
    QTest::newRow("page without file")
        << QStringList{u"--page"_s, u"2"_s} << error << QStringList{} << 0 << false;
    QTest::newRow("page without value")
        << QStringList{u"a.pdf"_s, u"--page"_s} << error << QStringList{} << 0 << false;
    QTest::newRow("unknown option")
        << QStringList{u"--frobnicate"_s, u"a.pdf"_s} << error << QStringList{} << 0 << false;
}

void TestInstance::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QStringList, files);
    QFETCH(int, page);
    QFETCH(bool, newWindow);

    const CommandLine line =
        CommandLine::parse(QStringList{u"velmora"_s} + arguments, u"/home/user/docs"_s);
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.files, files);
    QCOMPARE(line.page, page);
    QCOMPARE(line.newWindow, newWindow);
    if (line.action == CommandLine::Action::Error)
        QVERIFY(!line.message.isEmpty());
    if (line.action == CommandLine::Action::Help)
        QVERIFY(line.message.contains(u"--page"_s) && line.message.contains(u"--new-window"_s));
    if (line.action == CommandLine::Action::Version)
        QCOMPARE(line.message, u"velmora %1"_s.arg(QStringLiteral(VELMORA_VERSION)));
}

// Without a display server the window says so and ends with 1; Qt itself would abort.
void TestInstance::withoutDisplay()
{
    QProcess velmora;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name :
         {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"XDG_SESSION_TYPE"_s})
        environment.remove(name);
    environment.insert(u"LANG"_s, u"C"_s);
    velmora.setProcessEnvironment(environment);
    velmora.start(QStringLiteral(VELMORA_EXECUTABLE), {u"--new-window"_s});
    QVERIFY(velmora.waitForFinished(30000));
    QCOMPARE(velmora.exitStatus(), QProcess::NormalExit);
    QCOMPARE(velmora.exitCode(), 1);
    QVERIFY(QString::fromLocal8Bit(velmora.readAllStandardError()).contains(u"DISPLAY"_s));
}

void TestInstance::toolCommandLines_data()
{
    // {dir}: a folder holding a.pdf (3 pages), b.pdf (2 pages), locked.pdf (b.pdf, password
    // "pw"), one.png and two.png.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("password"); // VELMORA_PASSWORD; null: none
    QTest::addColumn<int>("exitCode");
    // Each file written, as stdout names it (sorted; jobs end in any order): what it holds ("pdf:N"
    // pages, "locked:N" pages behind "pw", "images:N" files in a folder).
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("contents");

    QTest::newRow("compress, strong, beside the sources")
        << QStringList{u"--compress"_s, u"--level"_s, u"strong"_s, u"{dir}/a.pdf"_s,
                       u"{dir}/b.pdf"_s}
        << QString() << 0 << QStringList{u"{dir}/a(1).pdf"_s, u"{dir}/b(1).pdf"_s}
        << QStringList{u"pdf:3"_s, u"pdf:2"_s};
    QTest::newRow("merge in list order, blank pages between, into a new folder")
        << QStringList{u"--merge"_s,   u"--blank-pages"_s, u"--outdir"_s,
                       u"{dir}/out"_s, u"{dir}/b.pdf"_s,   u"{dir}/a.pdf"_s}
        << QString() << 0 << QStringList{u"{dir}/out/pdf_merge.pdf"_s} << QStringList{u"pdf:6"_s};
    QTest::newRow("compress opens a protected input with the password and keeps it protected")
        << QStringList{u"--compress"_s, u"--password"_s, u"{dir}/locked.pdf"_s} << u"pw"_s << 0
        << QStringList{u"{dir}/locked(1).pdf"_s} << QStringList{u"locked:2"_s};
    QTest::newRow("pages to PNG images, a folder a file")
        << QStringList{u"--to-images"_s, u"--format"_s, u"png"_s, u"{dir}/a.pdf"_s} << QString()
        << 0 << QStringList{u"{dir}/a"_s} << QStringList{u"images:3"_s};
    QTest::newRow("images, one PDF for all")
        << QStringList{u"--images-to-pdf"_s, u"--one-pdf"_s, u"{dir}/one.png"_s, u"{dir}/two.png"_s}
        << QString() << 0 << QStringList{u"{dir}/one.pdf"_s} << QStringList{u"pdf:2"_s};
    QTest::newRow("encrypt with the password read, never beside the source unasked")
        << QStringList{u"--encrypt"_s, u"--password"_s, u"{dir}/a.pdf"_s} << u"pw"_s << 0
        << QStringList{u"{dir}/a(1).pdf"_s} << QStringList{u"locked:3"_s};
    QTest::newRow("unlock") << QStringList{u"--unlock"_s, u"--password"_s, u"{dir}/locked.pdf"_s}
                            << u"pw"_s << 0 << QStringList{u"{dir}/locked(1).pdf"_s}
                            << QStringList{u"pdf:2"_s};
    QTest::newRow("unlock with a wrong password writes nothing")
        << QStringList{u"--unlock"_s, u"--password"_s, u"{dir}/locked.pdf"_s} << u"no"_s << 1
        << QStringList{} << QStringList{};
    QTest::newRow("encrypt without a password") << QStringList{u"--encrypt"_s, u"{dir}/a.pdf"_s}
                                                << QString() << 2 << QStringList{} << QStringList{};
    QTest::newRow("two tools") << QStringList{u"--compress"_s, u"--merge"_s, u"{dir}/a.pdf"_s}
                               << QString() << 2 << QStringList{} << QStringList{};
    QTest::newRow("another tool's option")
        << QStringList{u"--compress"_s, u"--one-pdf"_s, u"{dir}/a.pdf"_s} << QString() << 2
        << QStringList{} << QStringList{};
    QTest::newRow("a value the option does not take")
        << QStringList{u"--to-images"_s, u"--format"_s, u"gif"_s, u"{dir}/a.pdf"_s} << QString()
        << 2 << QStringList{} << QStringList{};
}

void TestInstance::toolCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, password);
    QFETCH(int, exitCode);
    QFETCH(QStringList, written);
    QFETCH(QStringList, contents);

    QTemporaryDir dir;
    const QString folder = dir.path();
    QVERIFY(!fixtures::textPdf(folder + u"/a.pdf"_s, 3).isEmpty());
    QVERIFY(!fixtures::textPdf(folder + u"/b.pdf"_s, 2).isEmpty());
    QVERIFY(fixtures::encrypt(folder + u"/b.pdf"_s, folder + u"/locked.pdf"_s,
                              fixtures::Scheme::Aes256, u"pw"_s, u"pw"_s));
    QVERIFY(fixtures::picture({60, 40}).save(folder + u"/one.png"_s));
    QVERIFY(fixtures::picture({40, 60}).save(folder + u"/two.png"_s));
    const QByteArray before = fixtures::fileHash(folder + u"/a.pdf"_s);
    for (QString &argument : arguments)
        argument.replace(u"{dir}"_s, folder);

    QProcess velmora;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.insert(u"LANG"_s, u"C"_s);
    if (!password.isNull())
        environment.insert(u"VELMORA_PASSWORD"_s, password);
    velmora.setProcessEnvironment(environment);
    velmora.start(QStringLiteral(VELMORA_EXECUTABLE), arguments);
    velmora.closeWriteChannel();
    QVERIFY(velmora.waitForFinished(120000));
    const QString errors = QString::fromLocal8Bit(velmora.readAllStandardError());
    QVERIFY2(velmora.exitCode() == exitCode, qPrintable(errors));
    if (exitCode != 0)
        QVERIFY(!errors.isEmpty());
    QStringList lines =
        QString::fromLocal8Bit(velmora.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QStringList expected;
    for (const QString &path : written)
        expected.append(QString(path).replace(u"{dir}"_s, folder));
    lines.sort();
    QCOMPARE(lines, expected);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QString kind = contents.at(i).section(u':', 0, 0);
        const int count = contents.at(i).section(u':', 1).toInt();
        if (kind == u"images"_s) {
            QCOMPARE(QDir(expected[i]).entryList(QDir::Files).size(), count);
            continue;
        }
        const QString opening = kind == u"locked"_s ? u"pw"_s : QString();
        QCOMPARE(fixtures::encryptionRevision(expected[i], QString()),
                 kind == u"locked"_s ? -1 : 0);
        QCOMPARE(fixtures::pageCount(expected[i], opening), count);
    }
    // The sources are never replaced.
    QCOMPARE(fixtures::fileHash(folder + u"/a.pdf"_s), before);
}

void TestInstance::handOver_data()
{
    // How the first program ends before the second starts: it keeps running, it crashed (its
    // socket stays behind), or both start at the same moment.
    QTest::addColumn<QString>("first");
    // Arguments of the later start, run in the folder "caller" below the test folder.
    QTest::addColumn<QStringList>("second");
    // The viewer tabs of the window that stays, as paths under the test folder.
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QStringList>("missing");

    QTest::newRow("absolute file")
        << u"running"_s << QStringList{u"@/b.pdf"_s} << QStringList{u"a.pdf"_s, u"b.pdf"_s}
        << QList<int>{1, 1} << QStringList{};
    QTest::newRow("relative files and page")
        << u"running"_s << QStringList{u"--page"_s, u"3"_s, u"c.pdf"_s, u"../b.pdf"_s}
        << QStringList{u"a.pdf"_s, u"caller/c.pdf"_s, u"b.pdf"_s} << QList<int>{1, 3, 1}
        << QStringList{};
    QTest::newRow("bare start") << u"running"_s << QStringList{} << QStringList{u"a.pdf"_s}
                                << QList<int>{1} << QStringList{};
    QTest::newRow("already open") << u"running"_s << QStringList{u"../a.pdf"_s}
                                  << QStringList{u"a.pdf"_s} << QList<int>{1} << QStringList{};
    QTest::newRow("missing file") << u"running"_s << QStringList{u"gone.pdf"_s, u"c.pdf"_s}
                                  << QStringList{u"a.pdf"_s, u"caller/c.pdf"_s} << QList<int>{1, 1}
                                  << QStringList{u"caller/gone.pdf"_s};
    QTest::newRow("crashed first")
        << u"crashed"_s << QStringList{u"c.pdf"_s} << QStringList{u"caller/c.pdf"_s}
        << QList<int>{1} << QStringList{};
    QTest::newRow("new window") << u"running"_s << QStringList{u"--new-window"_s, u"c.pdf"_s}
                                << QStringList{u"caller/c.pdf"_s} << QList<int>{1} << QStringList{};
    QTest::newRow("same moment") << u"together"_s << QStringList{u"c.pdf"_s}
                                 << QStringList{u"a.pdf"_s, u"caller/c.pdf"_s} << QList<int>{1, 1}
                                 << QStringList{};
}

void TestInstance::handOver()
{
    QFETCH(QString, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, tabs);
    QFETCH(QList<int>, pages);
    QFETCH(QStringList, missing);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    QVERIFY(QDir(root).mkpath(u"caller"_s));
    fixtures::DocumentSpec spec;
    spec.pages = QList<fixtures::PageSpec>(4);
    for (const QString &name : {u"a.pdf"_s, u"b.pdf"_s, u"caller/c.pdf"_s})
        QVERIFY(fixtures::write(spec, root + u'/' + name));
    for (QString &argument : second)
        argument.replace(u"@"_s, root);
    const auto underRoot = [&root](QStringList names) {
        for (QString &name : names)
            name = root + u'/' + name;
        return names;
    };

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, root + u"/config"_s);
    environment.insert(u"VELMORA_INSTANCE_NAME"_s, root + u"/instance.socket"_s);
    environment.insert(u"VELMORA_TEST_REPORT_TABS"_s, u"1"_s);
    environment.remove(u"VELMORA_CAPTURE_FIRST_PAGE"_s);

    auto firstProgram = std::make_unique<Program>(root, environment);
    Program secondProgram(root + u"/caller"_s, environment);
    Program *staying = firstProgram.get();

    if (first == u"together"_s) {
        firstProgram->start({u"a.pdf"_s});
        secondProgram.start(second);
        // One of the two becomes the window; the other hands its file over and ends.
        QVERIFY(firstProgram->process().waitForStarted());
        QVERIFY(secondProgram.process().waitForStarted());
        QElapsedTimer clock;
        clock.start();
        while (firstProgram->process().state() != QProcess::NotRunning &&
               secondProgram.process().state() != QProcess::NotRunning && clock.elapsed() < 60000)
            QTest::qWait(50);
        if (firstProgram->process().state() == QProcess::NotRunning) {
            QVERIFY(firstProgram->endsWithZero());
            staying = &secondProgram;
        } else {
            QVERIFY(secondProgram.endsWithZero());
        }
        // The window's own start and the hand-over each report once, in either order.
        QJsonObject report = staying->nextReport();
        if (strings(report.value(u"tabs"_s)).size() < tabs.size())
            report = staying->nextReport();
        QStringList shown = strings(report.value(u"tabs"_s));
        shown.sort();
        QCOMPARE(shown, underRoot(tabs));
        return;
    }

    firstProgram->start({u"a.pdf"_s});
    QCOMPARE(strings(firstProgram->nextReport().value(u"tabs"_s)), underRoot({u"a.pdf"_s}));
    if (first == u"crashed"_s) {
        firstProgram->process().kill();
        QVERIFY(firstProgram->process().waitForFinished());
        QVERIFY(QFileInfo::exists(root + u"/instance.socket"_s));
    }

    secondProgram.start(second);
    if (first == u"crashed"_s || second.contains(u"--new-window"_s)) {
        // The later start has a window of its own, and a third start reaches that one.
        staying = &secondProgram;
        QCOMPARE(strings(staying->nextReport().value(u"tabs"_s)), underRoot(tabs));
        if (first == u"running"_s)
            return;
        Program third(root, environment);
        third.start({u"b.pdf"_s});
        QVERIFY(third.endsWithZero());
        tabs.append(u"b.pdf"_s);
        pages.append(1);
    } else {
        QVERIFY(secondProgram.endsWithZero());
    }
    const QJsonObject report = staying->nextReport();
    QCOMPARE(strings(report.value(u"tabs"_s)), underRoot(tabs));
    QCOMPARE(numbers(report.value(u"pages"_s)), pages);
    QCOMPARE(strings(report.value(u"missing"_s)), underRoot(missing));
}

VELMORA_REGISTER_TEST(TestInstance);
#include "tst_instance.moc"
