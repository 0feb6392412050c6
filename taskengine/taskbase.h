#pragma once

#include "taskrequest.h"
#include "taskresult.h"
#include "worklane_global.h"

#include <atomic>
#include <functional>

// One batch job. Tasks are held through std::shared_ptr by the centre's registry and by the
// worker that runs them; each runs once, on a pool thread.
class WORKLANE_EXPORT TaskBase
{
public:
    explicit TaskBase(const TaskRequest &request);
    TaskBase(const TaskBase &) = delete;
    TaskBase &operator=(const TaskBase &) = delete;
    virtual ~TaskBase();

    virtual TaskResult run() = 0;
    // Asks the task to stop: one not yet begun never runs, one running stops at the engine's next
    // step and leaves no output.
    virtual void cancel();

    TaskRequest request;
    std::function<void(int)> progressCallback;
    std::atomic<bool> cancelled{false};
};
