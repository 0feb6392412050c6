#include "compresspdf.h"

#include "inkwell.h"

TaskResult CompressPdf::run()
{
    TaskResult result;
    result.taskId = request.taskId;
    result.success = Inkwell::compress(request);
    return result;
}
