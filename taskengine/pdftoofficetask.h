#pragma once

#include "taskbase.h"

class PdfToOfficeTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
