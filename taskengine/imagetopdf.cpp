#include "imagetopdf.h"

#include "inkwell.h"

TaskResult ImageToPdf::run()
{
    TaskResult result;
    result.taskId = request.taskId;
    result.success = Inkwell::imageToPdf(request);
    return result;
}
