#include "taskbase.h"

#include "inkwell.h"

TaskBase::TaskBase(const TaskRequest &request)
    : request(request)
{}

TaskBase::~TaskBase() = default;

void TaskBase::cancel()
{
    cancelled = true;
}

TaskResult TaskBase::runEngineTool() const
{
    TaskResult result;
    result.taskId = request.taskId;
    if (std::shared_ptr<IPfdfTool> tool = Inkwell::CreateTool(request.type))
        result.success = tool->execute(request);
    return result;
}
