#pragma once

#include "taskbase.h"

class PdfDecryTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
