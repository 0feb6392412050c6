#pragma once

// Codes carried by Worklane::taskStatus. The centre itself emits only Running, Completed and
// Failed; the others belong to the task lists that show them.
namespace TaskStatus {
enum Code : int {
    Waiting = 0,
    Running = 1,
    Paused = 2,
    Completed = 3,
    Failed = 4,
    Cancelled = 5,
};
} // namespace TaskStatus
