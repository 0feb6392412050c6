#include "officeconversion.h"

#include "batchsupport.h"
#include "officehelpers.h"
#include "pathidentity.h"
#include "stagedfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace officeconversion {
namespace {

using batchsupport::fail;

// One office per profile: a second one on the same profile exits and writes nothing. The lock
// file keeps the slot ours against other Velmora processes too.
class ProfileSlot
{
public:
    explicit ProfileSlot(const QString &kind)
    {
        QDir().mkpath(profileRoot());
        for (int n = 0; n < 64 && !m_lock; ++n) {
            const QString folder = profileRoot() + u"/%1-%2"_s.arg(kind).arg(n);
            auto lock = std::make_unique<QLockFile>(folder + u".lock"_s);
            lock->setStaleLockTime(0);
            if (lock->tryLock(0)) {
                m_lock = std::move(lock);
                m_folder = folder;
            }
        }
    }
    bool isValid() const { return m_lock != nullptr; }
    QString folder() const { return m_folder; }

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_folder;
};

// The settings, as the office's own configuration layer reads them.
constexpr auto kProfileSettings = R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Security/Scripting"><prop oor:name="DisableMacrosExecution" oor:op="fuse"><value>true</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Security/Scripting"><prop oor:name="MacroSecurityLevel" oor:op="fuse"><value>3</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Security/Scripting"><prop oor:name="BlockUntrustedRefererLinks" oor:op="fuse"><value>true</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Security/Scripting"><prop oor:name="CheckDocumentEvents" oor:op="fuse"><value>true</value></prop></item>
<item oor:path="/org.openoffice.Office.Writer/Content/Update"><prop oor:name="Link" oor:op="fuse"><value>0</value></prop></item>
<item oor:path="/org.openoffice.Office.Calc/Content/Update"><prop oor:name="Link" oor:op="fuse"><value>1</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="FirstRun" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseDocumentOOoLockFile" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseDocumentSystemFileLocking" oor:op="fuse"><value>false</value></prop></item>
</oor:items>
)";

#ifdef Q_OS_UNIX
void killGroup(QProcess &process)
{
    // The office runs under a launcher; the whole group has to go.
    if (process.processId() > 0)
        ::kill(-pid_t(process.processId()), SIGKILL);
    process.waitForFinished(5000);
}
#else
void killGroup(QProcess &process)
{
    process.kill();
    process.waitForFinished(5000);
}
#endif

enum class Run { Exited, TimedOut, Crashed, Cancelled, NotStarted };

// Runs the process to its end, within limit, stopping early when the job is cancelled.
Run runBounded(QProcess &process, const QString &program, const QStringList &arguments,
               std::chrono::milliseconds limit)
{
#ifdef Q_OS_UNIX
    const int guard = groupGuard();
    process.setChildProcessModifier([guard] {
        ::setsid();
        guardGroupAfterFork(guard);
    });
#endif
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return Run::NotStarted;
    const QDeadlineTimer deadline(limit);
    while (!process.waitForFinished(100)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (batchsupport::cancelRequested()) {
            killGroup(process);
            return Run::Cancelled;
        }
        if (deadline.hasExpired()) {
            killGroup(process);
            return Run::TimedOut;
        }
    }
    // Helpers the launcher left behind would hold the profile.
    killGroup(process);
    return process.exitStatus() == QProcess::CrashExit ? Run::Crashed : Run::Exited;
}

// The office reads anything it can as plain text; a zip-based document that is neither a zip nor
// an encrypted one (a compound file) is damaged, whatever text it holds.
bool lacksItsContainer(const QString &path)
{
    static const QStringList zipped = {u"docx"_s, u"docm"_s, u"xlsx"_s, u"xlsm"_s, u"pptx"_s,
                                       u"pptm"_s, u"odt"_s,  u"ods"_s,  u"odp"_s};
    if (!zipped.contains(QFileInfo(path).suffix().toLower()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head != QByteArray("PK\x03\x04", 4) && head != QByteArray("\xD0\xCF\x11\xE0", 4);
}

bool isSpreadsheet(const QString &path)
{
    static const QStringList sheets = {u"xls"_s, u"xlsx"_s, u"xlsm"_s, u"ods"_s, u"csv"_s};
    return sheets.contains(QFileInfo(path).suffix().toLower());
}

bool isPdf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

} // namespace

#ifdef Q_OS_UNIX
int groupGuard()
{
    // Only this process holds the write end (close-on-exec), so it closes when the process ends,
    // killed or not; the watchers read the end of the pipe then.
    static const int readEnd = [] {
        int ends[2];
        return ::pipe2(ends, O_CLOEXEC) == 0 ? ends[0] : -1;
    }();
    return readEnd;
}

void guardGroupAfterFork(int guard)
{
    if (guard < 0)
        return;
    const pid_t group = ::getpid();
    if (::fork() != 0)
        return;
    // The watcher holds nothing else: above all not the write end, nor the child's pipes.
    for (int fd = 0; fd < 1024; ++fd) {
        if (fd != guard)
            ::close(fd);
    }
    char byte;
    while (::read(guard, &byte, 1) < 0 && errno == EINTR) {
    }
    ::kill(-group, SIGKILL);
    ::_exit(0);
}

QString freshTemporaryFolder(const QString &profile)
{
    const QString folder = profile + u"-temp"_s;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}
#endif

namespace {

constexpr auto kWorkPrefix = "velmora-office-";

} // namespace

void sweepAbandonedWork()
{
#ifdef Q_OS_UNIX
    static std::once_flag once;
    std::call_once(once, [] {
        const QString prefix = QString::fromLatin1(kWorkPrefix);
        QDir temp(QDir::tempPath());
        const QStringList names =
            temp.entryList({prefix + u'*'}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString &name : names) {
            bool ok = false;
            const qint64 owner = name.mid(prefix.size()).section(u'-', 0, 0).toLongLong(&ok);
            if (ok && owner > 0 && ::kill(pid_t(owner), 0) != 0 && errno == ESRCH)
                QDir(temp.filePath(name)).removeRecursively();
        }
    });
#endif
}

QString profileRoot()
{
    QString root = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (root.isEmpty())
        root = QDir::tempPath();
    return root + u"/velmora/office"_s;
}

QString officeProgram()
{
    const QByteArray forced = qgetenv("VELMORA_OFFICE_PROGRAM");
    if (!forced.isEmpty()) {
        const QString path = QString::fromLocal8Bit(forced);
        return QFileInfo(path).isExecutable() ? path : QString();
    }
#ifdef Q_OS_WIN
    const QStringList roots = {qEnvironmentVariable("ProgramFiles"),
                               qEnvironmentVariable("ProgramFiles(x86)"),
                               qEnvironmentVariable("ProgramW6432")};
    for (const QString &root : roots) {
        const QString path = root + u"/LibreOffice/program/soffice.exe"_s;
        if (!root.isEmpty() && QFileInfo::exists(path))
            return QDir::toNativeSeparators(path);
    }
    return QStandardPaths::findExecutable(u"soffice"_s);
#else
    QString path = QStandardPaths::findExecutable(u"soffice"_s);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(
            u"soffice"_s, {u"/usr/lib/libreoffice/program"_s, u"/opt/libreoffice/program"_s});
    return path;
#endif
}

QStringList suffixes()
{
    return {u"doc"_s,  u"docx"_s, u"docm"_s, u"odt"_s, u"rtf"_s,  u"txt"_s,  u"xls"_s, u"xlsx"_s,
            u"xlsm"_s, u"ods"_s,  u"csv"_s,  u"ppt"_s, u"pptx"_s, u"pptm"_s, u"odp"_s};
}

std::chrono::milliseconds timeLimit(qint64 fileSize)
{
    bool ok = false;
    const qint64 forced = qEnvironmentVariableIntValue("VELMORA_OFFICE_TIMEOUT_MS", &ok);
    const std::chrono::milliseconds base =
        ok && forced > 0 ? std::chrono::milliseconds(forced) : 60s;
    // A cold office start is most of a small file's time; big files add layout time.
    const auto perMiB = 20s * (std::max<qint64>(fileSize, 0) / (1 << 20));
    return std::min<std::chrono::milliseconds>(base + perMiB, base + 15min);
}

bool prepareProfile(const QString &profile)
{
    if (!QDir().mkpath(profile + u"/user"_s))
        return false;
    QSaveFile file(profile + u"/user/registrymodifications.xcu"_s);
    return file.open(QIODevice::WriteOnly) && file.write(kProfileSettings) > 0 && file.commit();
}

Result convertWithCommand(const QString &source, const QString &pdf,
                          std::chrono::milliseconds limit)
{
    const QString program = officeProgram();
    if (program.isEmpty())
        return Result::Unavailable;
    ProfileSlot slot(u"command"_s);
    QTemporaryDir outFolder(QFileInfo(pdf).absolutePath() + u"/out-XXXXXX"_s);
    if (!slot.isValid() || !outFolder.isValid() || !prepareProfile(slot.folder()))
        return Result::Unavailable;
    const QStringList arguments = {
        u"-env:UserInstallation="_s +
            QUrl::fromLocalFile(slot.folder()).toString(QUrl::FullyEncoded),
        u"--headless"_s,
        u"--invisible"_s,
        u"--nologo"_s,
        u"--norestore"_s,
        u"--nolockcheck"_s,
        u"--convert-to"_s,
        u"pdf"_s,
        u"--outdir"_s,
        outFolder.path(),
        QUrl::fromLocalFile(source).toString(QUrl::FullyEncoded)};
    const QDeadlineTimer deadline(limit);
    // A new profile's first start may end early (81) once the profile is built.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifdef Q_OS_UNIX
    environment.insert(u"TMPDIR"_s, freshTemporaryFolder(slot.folder()));
#endif
    for (int attempt = 0; attempt < 2; ++attempt) {
        QProcess process;
        process.setProcessEnvironment(environment);
        const Run run = runBounded(process, program, arguments,
                                   std::chrono::milliseconds(deadline.remainingTime()));
        switch (run) {
        case Run::NotStarted:
            return Result::Unavailable;
        case Run::TimedOut:
            return Result::TimedOut;
        case Run::Cancelled:
            return Result::Cancelled;
        case Run::Crashed:
            return Result::Crashed;
        case Run::Exited:
            break;
        }
        const QStringList written = QDir(outFolder.path()).entryList({u"*.pdf"_s}, QDir::Files);
        if (!written.isEmpty()) {
            const QString file = outFolder.filePath(written.constFirst());
            if (!isPdf(file) || !QFile::rename(file, pdf))
                return Result::Crashed;
            return Result::Done;
        }
        if (process.exitCode() != 81)
            break;
    }
    return Result::Unreadable;
}

bool convert(const TaskRequest &request)
{
    sweepAbandonedWork();
    const QString source = batchsupport::singleSource(request);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return fail(request, BatchFailure::SourceMissing, source, u"no source"_s);
    if (!suffixes().contains(QFileInfo(source).suffix().toLower()))
        return fail(request, BatchFailure::UnsupportedFormat, source, u"not an office file"_s);
    // The office would write a blank page for nothing, and a PDF it opens as a drawing.
    if (QFileInfo(source).size() == 0)
        return fail(request, BatchFailure::EmptyFile, source, u"empty"_s);
    if (isPdf(source))
        return fail(request, BatchFailure::PdfNotOffice, source, u"a PDF"_s);
    if (lacksItsContainer(source))
        return fail(request, BatchFailure::OfficeUnreadable, source, u"not a document"_s);
    if (officeProgram().isEmpty())
        return fail(request, BatchFailure::OfficeMissing, QString(), u"no office suite"_s);
    const QString target = pathidentity::internal(request.outputPath);
    const QString folder = QFileInfo(target).absolutePath();
    if (!QFileInfo(folder).isDir())
        return fail(request, BatchFailure::OutputFolderMissing, folder, u"no output folder"_s);

    // The office writes into a folder of ours; the output folder only sees the finished file.
    // Named after this process, so that a later one can tell when it was left behind.
    QTemporaryDir work(QDir::tempPath() + u'/' + QString::fromLatin1(kWorkPrefix) +
                       QString::number(QCoreApplication::applicationPid()) + u"-XXXXXX"_s);
    if (!work.isValid())
        return fail(request, BatchFailure::WriteFailed, QDir::tempPath(), work.errorString());
    const QString pdf = work.filePath(u"out.pdf"_s);
    const auto limit = timeLimit(QFileInfo(source).size());

    // The kit loads no spreadsheet here (Calc documents come back empty): those go to the
    // command at once. What the warm office could not load, the command may still convert.
    Result result =
        isSpreadsheet(source) ? Result::Unavailable : officehelpers::convert(source, pdf, limit);
    if (result == Result::Unavailable || result == Result::Unreadable || result == Result::Crashed)
        result = convertWithCommand(source, pdf, limit);
    switch (result) {
    case Result::Done:
        break;
    case Result::Unreadable:
        return fail(request, BatchFailure::OfficeUnreadable, source, u"office could not load it"_s);
    case Result::TimedOut:
        return fail(request, BatchFailure::ConversionTimedOut, source, u"timed out"_s);
    case Result::Crashed:
        return fail(request, BatchFailure::ConversionFailed, source, u"office crashed"_s);
    case Result::Cancelled:
        return fail(request, BatchFailure::Cancelled, QString(), u"cancelled"_s);
    case Result::Unavailable:
        return fail(request, BatchFailure::OfficeMissing, QString(), u"office did not start"_s);
    }
    if (batchsupport::cancelRequested())
        return fail(request, BatchFailure::Cancelled, QString(), u"cancelled"_s);

    StagedFile staged(folder);
    if (!staged.isValid())
        return batchsupport::failStaged(request, staged);
    QString message;
    if (!batchsupport::copyFile(pdf, staged.path(), &message))
        return fail(request, batchsupport::writeFailure(folder), folder, message);
    return staged.commitTo(target) || batchsupport::failStaged(request, staged);
}

} // namespace officeconversion
