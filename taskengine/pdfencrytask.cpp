#include "pdfencrytask.h"

TaskResult PdfEncryTask::run()
{
    return runEngineTool();
}
