#pragma once

#include "taskbase.h"

class ImageToPdf final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override;
};
