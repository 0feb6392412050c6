#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QPromise>

#include <atomic>
#include <functional>
#include <memory>
#include <type_traits>

class QThreadPool;

// Work away from the window goes through here: a lane of threads for each kind of work, a
// future for each job, and the parallel runs inside a job. Never Qt's global pool: the raster
// engine splits large fills over that one and waits for them, so a long job queued there holds
// the window's painting up.
namespace jobs {

enum class Lane {
    Reads,      // short reads of a document: outline, labels, properties, signature checks
    Background, // whole-document scans at a low priority, behind the pages being drawn
    Writes,     // saving, printing, signing, extracting: a thread each, never waiting for a read
};

// The threads of a lane; waited for when the application ends.
QThreadPool *pool(Lane lane);

// Queues work on lane without a future.
void startOn(Lane lane, std::function<void()> work);

// Runs work(promise) on a thread of lane, for work that reports progress or looks at
// promise.isCanceled(); the future is finished when work returns.
template<typename Result, typename Work> QFuture<Result> runWithPromise(Lane lane, Work work)
{
    auto promise = std::make_shared<QPromise<Result>>();
    QFuture<Result> future = promise->future();
    promise->start();
    startOn(lane, [promise, work = std::move(work)]() mutable {
        work(*promise);
        promise->finish();
    });
    return future;
}

// Runs work() on a thread of lane; the future carries what it returns.
template<typename Work> auto run(Lane lane, Work work) -> QFuture<std::invoke_result_t<Work>>
{
    using Result = std::invoke_result_t<Work>;
    return runWithPromise<Result>(lane,
                                  [work = std::move(work)](QPromise<Result> &promise) mutable {
                                      if constexpr (std::is_void_v<Result>)
                                          work();
                                      else
                                          promise.addResult(work());
                                  });
}

// Calls done() on context's thread once future has finished, unless context has gone by then.
// (Qt 6.4's QFuture::then(context, …) asserts when its context goes first.)
template<typename Result, typename Done>
void whenDone(const QFuture<Result> &future, QObject *context, Done done)
{
    auto *watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, done = std::move(done)]() mutable {
                         watcher->deleteLater();
                         done();
                     });
    watcher->setFuture(future);
}

// Jobs of one owner on a lane, at most maxThreads of them at once (the rest wait their turn in
// the order given), so that the owner can drop the waiting ones and wait for its own.
class Group
{
public:
    Group(Lane lane, int maxThreads);
    Group(const Group &) = delete;
    Group &operator=(const Group &) = delete;
    // Waits for the running jobs; waiting ones are dropped.
    ~Group();

    void start(std::function<void()> work);
    // Drops the jobs still waiting for their turn.
    void clear();
    // True once none runs or waits; false when msecs (unless negative) passed first.
    bool waitForDone(int msecs = -1);

    struct State;

private:
    std::shared_ptr<State> m_state;
};

// Runs work on up to that many threads at once, the calling thread among them, and returns when
// every one is done. The work takes its items from a shared counter, so a thread may join late.
// Threads come from the program's CPU budget (cpubudget.h): a caller not yet counted in it waits
// for a core (or for cancel); the others start as cores come free and give up once the work is
// done. A thread that gets its core late starts only while pending() says items are left: each
// thread sets itself up (a reader, a document) before its first item.
void runInParallel(int threads, const std::function<void()> &work,
                   const std::function<bool()> &pending, const std::atomic<bool> *cancel = nullptr);

} // namespace jobs
