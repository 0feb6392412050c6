#include "cpubudget.h"

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <algorithm>
#include <utility>

namespace cpubudget {
namespace {

QMutex mutex;
QWaitCondition freed;
int busy = 0;
thread_local int heldHere = 0;

} // namespace

int capacity()
{
    static const int threads = [] {
        bool ok = false;
        const int set = qEnvironmentVariableIntValue("VELMORA_CPU_BUDGET", &ok);
        return ok && set >= 0 ? set : std::max(QThread::idealThreadCount(), 1);
    }();
    return threads;
}

Share::Share(int threads, bool ownThread)
    : m_threads(threads)
    , m_ownThread(ownThread)
{
    if (m_ownThread)
        ++heldHere;
}

Share::Share(Share &&other) noexcept
    : m_threads(std::exchange(other.m_threads, 0))
    , m_ownThread(std::exchange(other.m_ownThread, false))
{}

Share &Share::operator=(Share &&other) noexcept
{
    if (this != &other) {
        release();
        m_threads = std::exchange(other.m_threads, 0);
        m_ownThread = std::exchange(other.m_ownThread, false);
    }
    return *this;
}

Share::~Share()
{
    release();
}

void Share::release()
{
    if (m_ownThread)
        --heldHere;
    m_ownThread = false;
    if (m_threads == 0 || capacity() == 0) {
        m_threads = 0;
        return;
    }
    {
        QMutexLocker lock(&mutex);
        busy -= m_threads;
    }
    m_threads = 0;
    freed.wakeAll();
}

Share Share::forThisThread(const std::atomic<bool> *cancel)
{
    if (capacity() == 0)
        return Share(1, true);
    QMutexLocker lock(&mutex);
    while (busy >= capacity()) {
        if (cancel && cancel->load())
            return {};
        // Woken by every release; the timeout is only for noticing a cancel.
        freed.wait(&mutex, 100);
    }
    ++busy;
    return Share(1, true);
}

Share Share::whenFree(const std::atomic<bool> &stop)
{
    if (capacity() == 0)
        return stop ? Share() : Share(1, false);
    QMutexLocker lock(&mutex);
    while (busy >= capacity()) {
        if (stop)
            return {};
        freed.wait(&mutex);
    }
    if (stop)
        return {};
    ++busy;
    return Share(1, false);
}

void wakeWaiting()
{
    // Under the lock, so that a waiter between its check and its wait does not miss it.
    QMutexLocker lock(&mutex);
    freed.wakeAll();
}

bool heldByThisThread()
{
    return heldHere > 0;
}

} // namespace cpubudget
