#include "pdftoofficetask.h"

#include "inkwell.h"

TaskResult PdfToOfficeTask::run()
{
    TaskResult result;
    result.taskId = request.taskId;
    result.success = Inkwell::pdfToOffice(request);
    return result;
}
