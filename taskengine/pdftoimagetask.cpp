#include "pdftoimagetask.h"

TaskResult PdfToImageTask::run()
{
    return runEngineTool();
}
