#include "tooltask.h"

#include "inkwell.h"

TaskResult ToolTask::run()
{
    TaskResult result;
    result.taskId = request.taskId;
    Inkwell::setProgressSink(progressCallback);
    result.success = Inkwell::run(request);
    Inkwell::setProgressSink({});
    return result;
}
