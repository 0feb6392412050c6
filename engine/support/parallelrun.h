#pragma once

#include <algorithm>
#include <functional>
#include <thread>
#include <vector>

// Runs work on that many threads at once (at least one), the calling thread among them, and
// returns when every one is done. The work takes its items from a shared counter.
inline void runInParallel(int threads, const std::function<void()> &work)
{
    std::vector<std::thread> pool;
    for (int t = 1; t < std::max(threads, 1); ++t)
        pool.emplace_back(work);
    work();
    for (std::thread &thread : pool)
        thread.join();
}
