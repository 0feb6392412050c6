#include "officetopdftask.h"

#include "inkwell.h"

TaskResult OfficeToPdfTask::run()
{
    TaskResult result;
    result.taskId = request.taskId;
    result.success = Inkwell::officeToPdf(request);
    return result;
}
