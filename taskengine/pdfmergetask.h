#pragma once

#include "taskbase.h"

class PdfMergeTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
