#pragma once

#include "taskbase.h"

class PdfEncryTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
