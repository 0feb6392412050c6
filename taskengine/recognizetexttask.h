#pragma once

#include "taskbase.h"

class RecognizeTextTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
