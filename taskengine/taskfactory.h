#pragma once

#include "taskrequest.h"
#include "worklane_global.h"

#include <functional>
#include <memory>

class TaskBase;

namespace TaskFactory {

using Creator = std::function<std::shared_ptr<TaskBase>(const TaskRequest &)>;

// The task of the tool-table row that request.type names, holding a copy of the request; empty
// for a type no row names.
std::shared_ptr<TaskBase> create(const TaskRequest &request);

// Test seam: while set, creator is asked first and its task, if any, is used instead.
WORKLANE_EXPORT void setCreatorForTesting(Creator creator);

} // namespace TaskFactory
