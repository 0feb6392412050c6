#include "inkwell.h"

bool Inkwell::compress(TaskRequest)
{
    return false;
}

bool Inkwell::imageToPdf(TaskRequest)
{
    return false;
}

std::shared_ptr<IPfdfTool> Inkwell::CreateTool(int)
{
    return {};
}
