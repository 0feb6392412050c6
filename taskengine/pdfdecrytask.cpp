#include "pdfdecrytask.h"

TaskResult PdfDecryTask::run()
{
    return runEngineTool();
}
