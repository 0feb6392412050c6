#pragma once

#include "cpubudget.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

// Runs work on up to that many threads at once, the calling thread among them, and returns when
// every one is done. The work takes its items from a shared counter, so a thread may join late.
// Threads come from the program's budget: a caller not yet counted in it waits for a core (or
// for cancel); the others start as cores come free and give up once the work is done, so a run
// inside a job never oversubscribes the machine and still takes the cores the other jobs leave.
// A thread that gets its core late starts only while pending() says items are left: each thread
// sets itself up (a reader, a document) before its first item.
inline void runInParallel(int threads, const std::function<void()> &work,
                          const std::function<bool()> &pending,
                          const std::atomic<bool> *cancel = nullptr)
{
    cpubudget::Share own;
    if (!cpubudget::heldByThisThread())
        own = cpubudget::Share::forThisThread(cancel);
    std::atomic<bool> done{false};
    std::vector<std::thread> pool;
    for (int t = 1; t < std::max(threads, 1); ++t) {
        pool.emplace_back([&work, &pending, &done] {
            const cpubudget::Share share = cpubudget::Share::whenFree(done);
            if (share.threads() > 0 && pending())
                work();
        });
    }
    work();
    done = true;
    cpubudget::wakeWaiting();
    for (std::thread &thread : pool)
        thread.join();
}
