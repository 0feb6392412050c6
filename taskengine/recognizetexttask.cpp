#include "recognizetexttask.h"

#include "inkwell.h"

TaskResult RecognizeTextTask::run()
{
    TaskResult result;
    result.taskId = request.taskId;
    Inkwell::setProgressSink(progressCallback);
    result.success = Inkwell::recognizeText(request);
    Inkwell::setProgressSink({});
    return result;
}
