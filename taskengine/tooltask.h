#pragma once

#include "taskbase.h"

// The job of any row of the tool table: the engine function bound to its task type, reporting
// progress to the centre while it runs.
class ToolTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
