#pragma once

#include "taskbase.h"

class CompressPdf final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
