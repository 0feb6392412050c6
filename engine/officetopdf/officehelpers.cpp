#include "officehelpers.h"

#include "batchsupport.h"
#include "officeconversion.h"
#include "privatefiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <QUrl>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using officeconversion::Result;

namespace officehelpers {

QString helperProgram()
{
#ifdef VELMORA_OFFICE_HELPER_BUILT
    const QString built = QStringLiteral(VELMORA_OFFICE_HELPER_BUILT);
#else
    const QString built;
#endif
    for (const QString &place :
         privatefiles::places(u"velmora-office-helper"_s, "VELMORA_OFFICE_HELPER", built)) {
        if (QFileInfo(place).isExecutable())
            return QFileInfo(place).canonicalFilePath();
    }
    return {};
}

#ifdef Q_OS_UNIX
namespace {

// Enough to be safe from a slow leak, few enough restarts to stay warm.
constexpr int kDocumentsPerHelper = 200;
constexpr qint64 kMaxResident = 300ll << 20;
constexpr auto kIdleLife = 30s;

struct Helper
{
    pid_t pid = -1;
    int toHelper = -1;
    int fromHelper = -1;
    std::string buffer;
    int documents = 0;
    QString program;
    std::unique_ptr<QLockFile> lock;
    std::chrono::steady_clock::time_point idleSince;

    ~Helper()
    {
        if (toHelper >= 0)
            ::close(toHelper);
        if (fromHelper >= 0)
            ::close(fromHelper);
        if (pid > 0) {
            // The kit may have started processes of its own.
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }

    qint64 resident() const
    {
        QFile statm(u"/proc/%1/statm"_s.arg(pid));
        if (!statm.open(QIODevice::ReadOnly))
            return 0;
        const QList<QByteArray> fields = statm.readAll().split(' ');
        return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
    }

    enum class Read { Line, Closed, TimedOut, Cancelled };
    // One line of the helper's, within the deadline, giving up when the job is cancelled.
    Read readLine(const QDeadlineTimer &deadline, std::string *line)
    {
        for (;;) {
            const auto end = buffer.find('\n');
            if (end != std::string::npos) {
                *line = buffer.substr(0, end);
                buffer.erase(0, end + 1);
                return Read::Line;
            }
            if (batchsupport::cancelRequested())
                return Read::Cancelled;
            if (deadline.hasExpired())
                return Read::TimedOut;
            pollfd wait{fromHelper, POLLIN, 0};
            const int ready =
                ::poll(&wait, 1, int(std::min<qint64>(deadline.remainingTime(), 100)));
            if (ready < 0 && errno != EINTR)
                return Read::Closed;
            if (ready <= 0)
                continue;
            char chunk[256];
            const ssize_t got = ::read(fromHelper, chunk, sizeof chunk);
            if (got <= 0)
                return Read::Closed;
            buffer.append(chunk, size_t(got));
        }
    }
};

QString profileFolder(int n)
{
    return officeconversion::profileRoot() + u"/helper-%1"_s.arg(n);
}

// Starts a helper in a process group of its own; null when it cannot start.
std::unique_ptr<Helper> spawn(const QString &program, const QString &officeFolder)
{
    auto helper = std::make_unique<Helper>();
    for (int n = 0; n < 64 && !helper->lock; ++n) {
        const QString folder = profileFolder(n);
        QDir().mkpath(QFileInfo(folder).absolutePath());
        auto lock = std::make_unique<QLockFile>(folder + u".lock"_s);
        lock->setStaleLockTime(0);
        if (lock->tryLock(0) && officeconversion::prepareProfile(folder))
            helper->lock = std::move(lock);
    }
    if (!helper->lock)
        return {};
    const QByteArray path = QFile::encodeName(program);
    const QByteArray folder = QFile::encodeName(officeFolder);
    const QByteArray profile = QUrl::fromLocalFile(helper->lock->fileName().chopped(5))
                                   .toString(QUrl::FullyEncoded)
                                   .toUtf8();
    // The kit's own temporary files go to a folder of this profile, emptied at each start, so
    // that a helper killed mid-way leaves nothing in the system's.
    const QByteArray temporary =
        "TMPDIR=" + QFile::encodeName(officeconversion::freshTemporaryFolder(
                        helper->lock->fileName().chopped(5)));
    std::vector<char *> environment;
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "TMPDIR=", 7) != 0)
            environment.push_back(*variable);
    }
    environment.push_back(const_cast<char *>(temporary.constData()));
    environment.push_back(nullptr);
    const int guard = officeconversion::groupGuard();
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        return {};
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        return {};
    }
    const int devnull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Not a parent-death signal: that follows the forking thread, and pool threads expire.
        // A helper whose parent is gone reads the end of its input and exits when idle; the
        // group's watcher ends it mid-document too.
        ::setsid();
        officeconversion::guardGroupAfterFork(guard);
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        if (devnull >= 0)
            ::dup2(devnull, 2);
        char *const argv[] = {const_cast<char *>(path.constData()),
                              const_cast<char *>(folder.constData()),
                              const_cast<char *>(profile.constData()), nullptr};
        ::execve(path.constData(), argv, environment.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    if (devnull >= 0)
        ::close(devnull);
    if (pid < 0) {
        ::close(in[1]);
        ::close(out[0]);
        return {};
    }
    ::signal(SIGPIPE, SIG_IGN);
    helper->pid = pid;
    helper->program = program;
    helper->toHelper = in[1];
    helper->fromHelper = out[0];
    return helper;
}

class Pool
{
public:
    static Pool &instance()
    {
        static Pool pool;
        return pool;
    }

    // An idle helper, or room for a new one; waits while every core has one at work (the wait
    // is not the document's time).
    std::unique_ptr<Helper> take(const QString &program, bool *mayStart)
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            // A helper of another program (the office was changed) is not used again.
            std::vector<std::unique_ptr<Helper>> stale;
            for (auto it = m_idle.begin(); it != m_idle.end();) {
                if ((*it)->program != program) {
                    stale.push_back(std::move(*it));
                    it = m_idle.erase(it);
                    --m_live;
                } else {
                    ++it;
                }
            }
            if (!m_idle.empty()) {
                std::unique_ptr<Helper> helper = std::move(m_idle.back());
                m_idle.pop_back();
                *mayStart = false;
                return helper;
            }
            if (m_live < m_max) {
                ++m_live;
                *mayStart = true;
                return {};
            }
            if (batchsupport::cancelRequested()) {
                *mayStart = false;
                return {};
            }
            m_changed.wait_for(lock, 100ms);
        }
    }

    void giveBack(std::unique_ptr<Helper> helper)
    {
        std::unique_lock lock(m_mutex);
        if (!helper) {
            --m_live;
        } else {
            helper->idleSince = std::chrono::steady_clock::now();
            m_idle.push_back(std::move(helper));
            startReaper();
        }
        m_changed.notify_all();
    }

    void endIdle()
    {
        std::vector<std::unique_ptr<Helper>> ending;
        {
            std::unique_lock lock(m_mutex);
            m_live -= int(m_idle.size());
            ending.swap(m_idle);
        }
    }

private:
    Pool()
        : m_max(std::max(1, QThread::idealThreadCount()))
    {}
    ~Pool()
    {
        {
            std::unique_lock lock(m_mutex);
            m_stopping = true;
            m_changed.notify_all();
        }
        if (m_reaper.joinable())
            m_reaper.join();
        m_idle.clear();
    }

    // Idle helpers end after a while, so none holds its memory long after the last job.
    void startReaper()
    {
        if (m_reaper.joinable())
            return;
        m_reaper = std::thread([this] {
            std::unique_lock lock(m_mutex);
            while (!m_stopping) {
                m_changed.wait_for(lock, 2s);
                const auto now = std::chrono::steady_clock::now();
                std::vector<std::unique_ptr<Helper>> ending;
                for (auto it = m_idle.begin(); it != m_idle.end();) {
                    if (now - (*it)->idleSince >= kIdleLife) {
                        ending.push_back(std::move(*it));
                        it = m_idle.erase(it);
                        --m_live;
                    } else {
                        ++it;
                    }
                }
                lock.unlock();
                ending.clear();
                lock.lock();
            }
        });
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::unique_ptr<Helper>> m_idle;
    int m_live = 0;
    const int m_max;
    bool m_stopping = false;
    std::thread m_reaper;
};

// Starts a helper and waits for its office to be ready.
std::unique_ptr<Helper> start(const QString &program, const QDeadlineTimer &deadline, Result *why)
{
    const QString office =
        QFileInfo(QFileInfo(officeconversion::officeProgram()).canonicalFilePath()).absolutePath();
    // A fresh profile's first start may end early once the profile is built: start again.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::unique_ptr<Helper> helper = spawn(program, office);
        if (!helper) {
            *why = Result::Unavailable;
            return {};
        }
        std::string line;
        switch (helper->readLine(deadline, &line)) {
        case Helper::Read::Line:
            if (line == "ready")
                return helper;
            *why = Result::Unavailable;
            return {};
        case Helper::Read::TimedOut:
            *why = Result::TimedOut;
            return {};
        case Helper::Read::Cancelled:
            *why = Result::Cancelled;
            return {};
        case Helper::Read::Closed:
            *why = Result::Unavailable;
            break;
        }
    }
    return {};
}

} // namespace

Result convertInHelper(const QString &source, const QString &pdf, std::chrono::milliseconds limit)
{
    const QString program = helperProgram();
    if (program.isEmpty() || officeconversion::officeProgram().isEmpty())
        return Result::Unavailable;
    Pool &pool = Pool::instance();
    bool mayStart = false;
    std::unique_ptr<Helper> helper = pool.take(program, &mayStart);
    if (!helper && !mayStart)
        return Result::Cancelled;
    const QDeadlineTimer deadline(limit);
    if (!helper) {
        Result why = Result::Unavailable;
        helper = start(program, deadline, &why);
        if (!helper) {
            pool.giveBack({});
            return why;
        }
    }
    const QByteArray request = "convert\t" +
                               QUrl::fromLocalFile(source).toString(QUrl::FullyEncoded).toUtf8() +
                               '\t' + QFile::encodeName(pdf) + '\n';
    Result result = Result::Crashed;
    std::string line;
    if (::write(helper->toHelper, request.constData(), size_t(request.size())) == request.size()) {
        switch (helper->readLine(deadline, &line)) {
        case Helper::Read::Line:
            result = line == "done"         ? Result::Done
                     : line == "unreadable" ? Result::Unreadable
                                            : Result::Crashed;
            break;
        case Helper::Read::TimedOut:
            result = Result::TimedOut;
            break;
        case Helper::Read::Cancelled:
            result = Result::Cancelled;
            break;
        case Helper::Read::Closed:
            result = Result::Crashed;
            break;
        }
    }
    const bool healthy = result == Result::Done || result == Result::Unreadable;
    if (healthy && ++helper->documents < kDocumentsPerHelper && helper->resident() < kMaxResident)
        pool.giveBack(std::move(helper));
    else {
        helper.reset(); // killed with its group
        pool.giveBack({});
    }
    return result;
}

Result convert(const QString &source, const QString &pdf, std::chrono::milliseconds limit)
{
    // A load that fails in the kit leaves its lock file beside the document.
    const QFileInfo info(source);
    const QString lockFile = info.absolutePath() + u"/.~lock."_s + info.fileName() + u'#';
    const bool lockedBefore = QFileInfo::exists(lockFile);
    const Result result = convertInHelper(source, pdf, limit);
    if (!lockedBefore && QFileInfo::exists(lockFile))
        QFile::remove(lockFile);
    return result;
}

void shutDownIdle()
{
    Pool::instance().endIdle();
}

#else

Result convert(const QString &, const QString &, std::chrono::milliseconds)
{
    return Result::Unavailable;
}

void shutDownIdle()
{}

#endif

} // namespace officehelpers
