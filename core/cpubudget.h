#pragma once

#include <atomic>

// One budget of busy threads for the whole program: the task centre's jobs and the parallel runs
// inside them (recognition, conversions, PDF to images) together never keep more threads busy
// than there are cores. Four jobs of four threads each on two cores only fight over the caches.
namespace cpubudget {

// Threads that may be busy at once: one a core, or VELMORA_CPU_BUDGET (0 turns the budget off,
// to measure what it saves).
int capacity();

// Threads taken from the budget, given back when the share goes.
class Share
{
public:
    Share() = default;
    Share(Share &&other) noexcept;
    Share &operator=(Share &&other) noexcept;
    Share(const Share &) = delete;
    Share &operator=(const Share &) = delete;
    ~Share();

    // One thread, the calling one, once a core is free; an empty share when cancel turns true
    // first. The calling thread holds it until the share goes.
    static Share forThisThread(const std::atomic<bool> *cancel = nullptr);
    // One thread once one is free, or an empty share once stop turns true (see wakeWaiting).
    static Share whenFree(const std::atomic<bool> &stop);

    int threads() const { return m_threads; }

private:
    explicit Share(int threads, bool ownThread);
    void release();

    int m_threads = 0;
    bool m_ownThread = false;
};

// Whether the calling thread's work is already counted in the budget.
bool heldByThisThread();

// Wakes the threads waiting in whenFree to look at their stop flags again.
void wakeWaiting();

} // namespace cpubudget
