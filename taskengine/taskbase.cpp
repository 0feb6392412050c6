#include "taskbase.h"

TaskBase::TaskBase(const TaskRequest &request)
    : request(request)
{}

TaskBase::~TaskBase() = default;

void TaskBase::cancel()
{
    cancelled = true;
}
