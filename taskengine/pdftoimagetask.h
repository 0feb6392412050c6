#pragma once

#include "taskbase.h"

class PdfToImageTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
