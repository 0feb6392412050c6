#include "testregistry.h"

#include "batchoptionspanel.h"
#include "batchtoolpage.h"
#include "dialogseam.h"
#include "filedropzonewidget.h"
#include "filelistwidget.h"
#include "iconbutton.h"
#include "inkwell.h"
#include "pdfreadback.h"
#include "tasklistwidget.h"
#include "taskstatus.h"
#include "toolpages.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSet>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

constexpr auto kFodp = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.presentation">
<office:body><office:presentation>
<draw:page draw:name="one"><draw:frame svg:x="2cm" svg:y="2cm" svg:width="20cm" svg:height="3cm"><draw:text-box><text:p>Lantern slide one</text:p></draw:text-box></draw:frame></draw:page>
<draw:page draw:name="two"><draw:frame svg:x="2cm" svg:y="2cm" svg:width="20cm" svg:height="3cm"><draw:text-box><text:p>Harbour slide two</text:p></draw:text-box></draw:frame></draw:page>
</office:presentation></office:body></office:document>
)";

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray sha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QString pdfText(const QString &pdf)
{
    QProcess text;
    text.start(u"pdftotext"_s, {pdf, u"-"_s});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

bool alive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

// A stand-in office that never answers; it leaves the pid of a child of its own.
QString writeHangingOffice(const QString &folder)
{
    const QString path = folder + u"/hanging-office"_s;
    write(path, "#!/bin/sh\nsleep 600 &\necho $! > \"" + (folder + u"/child.pid"_s).toUtf8() +
                    "\"\nwait\n");
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

class EnvironmentOverride
{
public:
    EnvironmentOverride(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentOverride()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

bool waitUntilFinished(TaskListWidget *list, int timeoutMs = 240000)
{
    return QTest::qWaitFor(
        [list] {
            QListWidget *view = list->listWidget();
            for (int i = 0; i < view->count(); ++i) {
                const int status = list->status(view->item(i)->data(Qt::UserRole).toString());
                if (status != TaskStatus::Completed && status != TaskStatus::Failed &&
                    status != TaskStatus::Cancelled)
                    return false;
            }
            return view->count() > 0;
        },
        timeoutMs);
}

struct Run
{
    QStringList ids;
    QStringList outputs;
};

// Brings the files in through the drop zone and presses start.
Run startOnPage(OfficeToPdfPage &page, const QStringList &files)
{
    Run run;
    BatchToolPage::setSubmissionObserver([&](const TaskRequest &request, const QString &id) {
        run.ids.append(id);
        run.outputs.append(QDir::fromNativeSeparators(request.outputPath));
    });
    Q_EMIT page.dropZone()->fileSelected(files);
    page.optionsPanel()->startButton()->click();
    BatchToolPage::setSubmissionObserver({});
    return run;
}

Run convertOnPage(OfficeToPdfPage &page, const QStringList &files)
{
    const Run run = startOnPage(page, files);
    waitUntilFinished(page.taskList());
    return run;
}

} // namespace

class TestOfficeToPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void convertsEachFormat_data();
    void convertsEachFormat();
    void failsWithItsReason_data();
    void failsWithItsReason();
    void hungConversionIsKilled();
    void killedProgramLeavesNothing();
    void missingOfficeStartsNothing();
    void commandLine_data();
    void commandLine();

private:
    QTemporaryDir m_dir;
    QString m_sources;
};

void TestOfficeToPdf::initTestCase()
{
    if (Inkwell::officeProgram().isEmpty())
        QSKIP("No office suite is installed (scripts/setup.sh installs LibreOffice).");
    m_sources = m_dir.filePath(u"sources"_s);
    QDir().mkpath(m_sources);
    write(m_sources + u"/notes.txt"_s, "Meadow notes in plain text\n");
    write(m_sources + u"/letter.rtf"_s, "{\\rtf1\\ansi Quill letter in rich text\\par}");
    write(m_sources + u"/table.csv"_s, "Granite,Pebble\n12,34\n");
    write(m_sources + u"/report.txt"_s, "Orchard report words\n");
    write(m_sources + u"/sheet.csv"_s, "Walnut,Cedar\n5,6\n");
    write(m_sources + u"/deck.fodp"_s, kFodp);
    // The office itself writes the Office formats, each in a profile of its own, side by side.
    const QList<std::pair<QString, QString>> made = {
        {u"docx"_s, u"report.txt"_s}, {u"xlsx"_s, u"sheet.csv"_s}, {u"pptx"_s, u"deck.fodp"_s}};
    const auto start = [this](const QString &format, const QString &file) {
        auto maker = std::make_unique<QProcess>();
        const QString profile = m_dir.filePath(u"profile-"_s + format);
        maker->start(Inkwell::officeProgram(),
                     {u"-env:UserInstallation="_s + QUrl::fromLocalFile(profile).toString(),
                      u"--headless"_s, u"--convert-to"_s, format, u"--outdir"_s, m_sources,
                      m_sources + u'/' + file});
        return maker;
    };
    const auto output = [this](const QString &format, const QString &file) -> QString {
        return m_sources + u'/' + QFileInfo(file).completeBaseName() + u'.' + format;
    };
    std::vector<std::unique_ptr<QProcess>> makers;
    for (const auto &[format, file] : made)
        makers.push_back(start(format, file));
    for (auto &maker : makers)
        QVERIFY(maker->waitForFinished(180000));
    // A first start of the office on a busy machine now and then ends without writing
    // anything; once more, alone, settles it.
    for (const auto &[format, file] : made) {
        if (!QFileInfo::exists(output(format, file)))
            QVERIFY(start(format, file)->waitForFinished(180000));
    }
    for (const auto &[format, file] : made)
        QVERIFY2(QFileInfo::exists(output(format, file)), qPrintable(format));
}

void TestOfficeToPdf::cleanup()
{
    BatchToolPage::setSubmissionObserver({});
    DialogSeam::reset();
}

void TestOfficeToPdf::convertsEachFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("text");
    QTest::newRow("txt") << u"notes.txt"_s << 1 << u"Meadow notes in plain text"_s;
    QTest::newRow("rtf") << u"letter.rtf"_s << 1 << u"Quill letter in rich text"_s;
    QTest::newRow("csv") << u"table.csv"_s << 1 << u"Granite Pebble 12 34"_s;
    QTest::newRow("docx") << u"report.docx"_s << 1 << u"Orchard report words"_s;
    QTest::newRow("xlsx") << u"sheet.xlsx"_s << 1 << u"Walnut Cedar 5 6"_s;
    QTest::newRow("pptx") << u"deck.pptx"_s << 2 << u"Lantern slide one"_s;
}

// Each format becomes a PDF beside its source, named after it, with the source's text; the
// source never changes.
void TestOfficeToPdf::convertsEachFormat()
{
    QFETCH(QString, file);
    QFETCH(int, pages);
    QFETCH(QString, text);
    QTemporaryDir out;
    const QString source = out.filePath(file);
    QVERIFY(QFile::copy(m_sources + u'/' + file, source));
    const QByteArray before = sha256(source);

    // Two jobs at once on the same source, from two pages: both run, in helpers of their own,
    // and neither replaces the other's PDF.
    OfficeToPdfPage page;
    OfficeToPdfPage second;
    const Run run = startOnPage(page, {source});
    const Run other = startOnPage(second, {source});
    QVERIFY(waitUntilFinished(page.taskList()));
    QVERIFY(waitUntilFinished(second.taskList()));
    QCOMPARE(page.taskList()->status(run.ids.value(0)), int(TaskStatus::Completed));
    QCOMPARE(second.taskList()->status(other.ids.value(0)), int(TaskStatus::Completed));
    QCOMPARE(QSet<QString>({QFileInfo(run.outputs.value(0)).fileName(),
                            QFileInfo(other.outputs.value(0)).fileName()})
                 .size(),
             2);

    const QString base = QFileInfo(file).completeBaseName();
    for (const QString &name : QStringList{base + u".pdf"_s, base + u"(1).pdf"_s}) {
        const QString pdf = out.filePath(name);
        const readback::DocumentFacts facts = readback::inspect(pdf);
        QVERIFY2(facts.ok, qPrintable(name + u": "_s + facts.error));
        QCOMPARE(facts.pages.size(), pages);
        QVERIFY2(pdfText(pdf).contains(text), qPrintable(pdfText(pdf)));
    }
    QCOMPARE(sha256(source), before);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

void TestOfficeToPdf::failsWithItsReason_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QByteArray truncated;
    {
        QFile docx(m_sources + u"/report.docx"_s);
        if (docx.open(QIODevice::ReadOnly))
            truncated = docx.readAll().left(int(docx.size() / 2));
    }
    QTest::newRow("damaged docx") << u"broken.docx"_s << truncated << u"文件已损坏或受密码保护"_s;
    QByteArray sealed;
    {
        // Made by data/make-protected.py; its password is "secret".
        QFile odt(QStringLiteral(VELMORA_OFFICE_DATA "/protected.odt"));
        if (odt.open(QIODevice::ReadOnly))
            sealed = odt.readAll();
    }
    QTest::newRow("password") << u"sealed.odt"_s << sealed << u"文件已损坏或受密码保护"_s;
    QTest::newRow("text named docx")
        << u"fake.docx"_s << QByteArray("only text, no document\n") << u"文件已损坏或受密码保护"_s;
    QTest::newRow("empty doc") << u"blank.doc"_s << QByteArray() << u"文件是空的：blank.doc"_s;
    QTest::newRow("PDF named docx") << u"scan.docx"_s << QByteArray("%PDF-1.7\n%\xe2\xe3\n")
                                    << u"这是PDF文件，不是Office文档：scan.docx"_s;
    QTest::newRow("not an office file")
        << u"picture.png"_s << QByteArray("\x89PNG\r\n") << u"不支持的文件类型：picture.png"_s;
}

void TestOfficeToPdf::failsWithItsReason()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir out;
    const QString source = out.filePath(file);
    write(source, bytes);
    const QString good = out.filePath(u"notes.txt"_s);
    QVERIFY(QFile::copy(m_sources + u"/notes.txt"_s, good));

    OfficeToPdfPage page;
    const Run run = convertOnPage(page, {source, good});
    QCOMPARE(run.ids.size(), 2);
    QCOMPARE(page.taskList()->status(run.ids[0]), int(TaskStatus::Failed));
    QCOMPARE(page.taskList()->failureReason(run.ids[0]), reason);
    // The next job goes on.
    QCOMPARE(page.taskList()->status(run.ids[1]), int(TaskStatus::Completed));
    QStringList expected = {file, u"notes.pdf"_s, u"notes.txt"_s};
    expected.sort();
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

// An office that never answers is killed with everything it started, and its row says why.
void TestOfficeToPdf::hungConversionIsKilled()
{
    QTemporaryDir out;
    const QString office = writeHangingOffice(out.path());
    const EnvironmentOverride program("VELMORA_OFFICE_PROGRAM", office.toLocal8Bit());
    const EnvironmentOverride helper("VELMORA_OFFICE_HELPER", office.toLocal8Bit());
    const EnvironmentOverride limit("VELMORA_OFFICE_TIMEOUT_MS", "1500");
    const QString source = out.filePath(u"notes.txt"_s);
    QVERIFY(QFile::copy(m_sources + u"/notes.txt"_s, source));

    OfficeToPdfPage page;
    const Run run = convertOnPage(page, {source});
    QCOMPARE(page.taskList()->status(run.ids.value(0)), int(TaskStatus::Failed));
    QCOMPARE(page.taskList()->failureReason(run.ids.value(0)), u"转换超时"_s);
    QFile pidFile(out.filePath(u"child.pid"_s));
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const qint64 child = pidFile.readAll().trimmed().toLongLong();
    QTRY_VERIFY(!alive(child));
    QVERIFY(!QFileInfo::exists(out.filePath(u"notes.pdf"_s)));
}

// Killed outright mid-document, the program takes the office's processes with it; the next run
// clears the work folder it left.
void TestOfficeToPdf::killedProgramLeavesNothing()
{
    if (!QFileInfo::exists(QStringLiteral(VELMORA_EXECUTABLE)))
        QSKIP("The program is not built.");
    QTemporaryDir out;
    const QString office = writeHangingOffice(out.path());
    const QString temporary = out.filePath(u"tmp"_s);
    QVERIFY(QDir().mkpath(temporary));
    QVERIFY(QFile::copy(m_sources + u"/notes.txt"_s, out.filePath(u"notes.txt"_s)));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"VELMORA_OFFICE_PROGRAM"_s, office);
    environment.insert(u"VELMORA_OFFICE_HELPER"_s, office);
    environment.insert(u"TMPDIR"_s, temporary);
    const auto run = [&](QProcess &velmora, const QString &file) {
        velmora.setWorkingDirectory(out.path());
        velmora.setProcessEnvironment(environment);
        velmora.start(QStringLiteral(VELMORA_EXECUTABLE), {u"--convert-to"_s, u"pdf"_s, file});
    };
    const auto leftovers = [&] {
        return QDir(temporary).entryList({u"velmora-office-*"_s}, QDir::Dirs | QDir::Hidden);
    };

    QProcess killed;
    run(killed, u"notes.txt"_s);
    const QString pidPath = out.filePath(u"child.pid"_s);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(pidPath).size() > 0, 30000);
    QFile pidFile(pidPath);
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const qint64 child = pidFile.readAll().trimmed().toLongLong();
    QVERIFY(alive(child));
    killed.kill();
    QVERIFY(killed.waitForFinished(5000));
    QTRY_VERIFY_WITH_TIMEOUT(!alive(child), 2000);
    QCOMPARE(leftovers().size(), 1);

    QProcess next;
    write(out.filePath(u"blank.doc"_s), QByteArray());
    run(next, u"blank.doc"_s);
    QVERIFY(next.waitForFinished(60000));
    QCOMPARE(next.exitCode(), 1);
    QCOMPARE(leftovers(), QStringList());
}

void TestOfficeToPdf::missingOfficeStartsNothing()
{
    const EnvironmentOverride program("VELMORA_OFFICE_PROGRAM", "/nonexistent/soffice");
    OfficeToPdfPage page;
    page.show();
    auto *note = page.findChild<QLabel *>(u"missingOfficeNote"_s);
    QVERIFY(note && note->isVisible());
    QVERIFY(note->text().contains(u"libreoffice-writer-nogui"_s));
    QVERIFY(!page.optionsPanel()->startButton()->isEnabled());
    int submitted = 0;
    BatchToolPage::setSubmissionObserver(
        [&](const TaskRequest &, const QString &) { ++submitted; });
    Q_EMIT page.dropZone()->fileSelected({m_sources + u"/notes.txt"_s});
    Q_EMIT page.optionsPanel()->startClicked();
    QCOMPARE(submitted, 0);
    QCOMPARE(page.stack()->currentWidget(), static_cast<QWidget *>(page.fileList()));
}

void TestOfficeToPdf::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("two files") << QStringList{u"--convert-to"_s, u"pdf"_s,       u"--outdir"_s,
                                              u"out"_s,          u"notes.txt"_s, u"report.docx"_s}
                               << 0 << QStringList{u"out/notes.pdf"_s, u"out/report.pdf"_s};
    QTest::newRow("one missing") << QStringList{u"--convert-to"_s, u"pdf"_s, u"notes.txt"_s,
                                                u"gone.docx"_s}
                                 << 1 << QStringList{u"notes.pdf"_s};
    QTest::newRow("no files") << QStringList{u"--convert-to"_s, u"pdf"_s} << 2 << QStringList{};
    QTest::newRow("other format") << QStringList{u"--convert-to"_s, u"odt"_s, u"notes.txt"_s} << 2
                                  << QStringList{};
    QTest::newRow("outdir alone") << QStringList{u"--outdir"_s, u"out"_s, u"notes.txt"_s} << 2
                                  << QStringList{};
}

// Without a display: one line per PDF written, reasons on stderr, 0 / 1 / 2.
void TestOfficeToPdf::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, written);
    if (!QFileInfo::exists(QStringLiteral(VELMORA_EXECUTABLE)))
        QSKIP("The program is not built.");
    QTemporaryDir work;
    for (const QString &file : {u"notes.txt"_s, u"report.docx"_s})
        QVERIFY(QFile::copy(m_sources + u'/' + file, work.filePath(file)));
    QProcess velmora;
    velmora.setWorkingDirectory(work.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    velmora.setProcessEnvironment(environment);
    velmora.start(QStringLiteral(VELMORA_EXECUTABLE), arguments);
    QVERIFY(velmora.waitForFinished(300000));
    const QString err = QString::fromLocal8Bit(velmora.readAllStandardError());
    QCOMPARE(velmora.exitStatus(), QProcess::NormalExit);
    QVERIFY2(velmora.exitCode() == exitCode, qPrintable(err));
    QStringList lines =
        QString::fromLocal8Bit(velmora.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    QStringList expected;
    for (const QString &name : written) {
        expected.append(work.filePath(name));
        QVERIFY(readback::inspect(work.filePath(name)).ok);
    }
    QCOMPARE(lines, expected);
    if (exitCode == 1)
        QVERIFY(err.contains(u"gone.docx"_s));
    if (exitCode == 2)
        QVERIFY(!err.isEmpty());
}

VELMORA_REGISTER_TEST(TestOfficeToPdf);

#include "tst_officetopdf.moc"
