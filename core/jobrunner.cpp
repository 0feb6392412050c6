#include "jobrunner.h"

#include "cpubudget.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <QWaitCondition>

#include <algorithm>
#include <array>
#include <deque>
#include <thread>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace jobs {
namespace {

QThreadPool *made(Lane lane)
{
    auto *pool = new QThreadPool;
    switch (lane) {
    case Lane::Reads:
        // Owners that read a lot (search, comments, protection checks) limit themselves (Group).
        pool->setObjectName(QStringLiteral("DocumentReaders"));
        pool->setMaxThreadCount(std::max(QThread::idealThreadCount(), 2) + 6);
        break;
    case Lane::Background:
        pool->setObjectName(QStringLiteral("BackgroundScans"));
        pool->setMaxThreadCount(2);
        break;
    case Lane::Writes:
        // Each write its own thread: a long print must not hold a save up.
        pool->setObjectName(QStringLiteral("Writers"));
        pool->setMaxThreadCount(16);
        break;
    }
    // Idle threads stay a minute: each keeps the documents it opened for the next read.
    pool->setExpiryTimeout(60000);
    return pool;
}

} // namespace

QThreadPool *pool(Lane lane)
{
    static const std::array<QThreadPool *, 3> pools = [] {
        std::array<QThreadPool *, 3> all{made(Lane::Reads), made(Lane::Background),
                                         made(Lane::Writes)};
        // As for Qt's own pool: jobs still running when the application goes are waited for,
        // before the engine's statics are torn down under them. Queued reads are dropped.
        qAddPostRoutine([] {
            for (Lane each : {Lane::Reads, Lane::Background})
                pool(each)->clear();
            for (Lane each : {Lane::Reads, Lane::Background, Lane::Writes})
                pool(each)->waitForDone();
        });
        return all;
    }();
    return pools[size_t(lane)];
}

void startOn(Lane lane, std::function<void()> work)
{
    if (lane != Lane::Background) {
        pool(lane)->start(std::move(work));
        return;
    }
    pool(lane)->start([work = std::move(work)] {
#ifdef Q_OS_LINUX
        // The lane's threads do nothing else, so they may stay behind the others for good.
        setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10);
#endif
        work();
    });
}

struct Group::State
{
    Lane lane;
    int maxThreads;
    QMutex mutex;
    QWaitCondition idle;
    std::deque<std::function<void()>> waiting;
    int running = 0;
};

namespace {

// Starts the next waiting job of the group while it has room; the caller holds the lock.
void dispatch(const std::shared_ptr<Group::State> &state)
{
    while (state->running < state->maxThreads && !state->waiting.empty()) {
        std::function<void()> work = std::move(state->waiting.front());
        state->waiting.pop_front();
        ++state->running;
        startOn(state->lane, [state, work = std::move(work)] {
            work();
            QMutexLocker lock(&state->mutex);
            --state->running;
            dispatch(state);
            if (state->running == 0 && state->waiting.empty())
                state->idle.wakeAll();
        });
    }
}

} // namespace

Group::Group(Lane lane, int maxThreads)
    : m_state(std::make_shared<State>())
{
    m_state->lane = lane;
    m_state->maxThreads = std::max(maxThreads, 1);
}

Group::~Group()
{
    clear();
    waitForDone();
}

void Group::start(std::function<void()> work)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->waiting.push_back(std::move(work));
    dispatch(m_state);
}

void Group::clear()
{
    QMutexLocker lock(&m_state->mutex);
    m_state->waiting.clear();
    if (m_state->running == 0)
        m_state->idle.wakeAll();
}

bool Group::waitForDone(int msecs)
{
    QMutexLocker lock(&m_state->mutex);
    QDeadlineTimer deadline(msecs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(msecs));
    while (m_state->running > 0 || !m_state->waiting.empty()) {
        if (!m_state->idle.wait(&m_state->mutex, deadline))
            return m_state->running == 0 && m_state->waiting.empty();
    }
    return true;
}

void runInParallel(int threads, const std::function<void()> &work,
                   const std::function<bool()> &pending, const std::atomic<bool> *cancel)
{
    cpubudget::Share own;
    if (!cpubudget::heldByThisThread())
        own = cpubudget::Share::forThisThread(cancel);
    std::atomic<bool> done{false};
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::max(threads, 1); ++t) {
        helpers.emplace_back([&work, &pending, &done] {
            const cpubudget::Share share = cpubudget::Share::whenFree(done);
            if (share.threads() > 0 && pending())
                work();
        });
    }
    work();
    done = true;
    cpubudget::wakeWaiting();
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace jobs
