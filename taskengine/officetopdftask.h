#pragma once

#include "taskbase.h"

class OfficeToPdfTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
