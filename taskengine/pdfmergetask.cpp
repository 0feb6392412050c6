#include "pdfmergetask.h"

TaskResult PdfMergeTask::run()
{
    return runEngineTool();
}
