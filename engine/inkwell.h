#pragma once

#include "taskrequest.h"

#include <memory>

class IPfdfTool
{
public:
    virtual ~IPfdfTool() = default;
    virtual bool execute(const TaskRequest &request) = 0;
};

// Batch operations, run on task threads. Each answers true only when its output was written.
class Inkwell
{
public:
    static bool compress(TaskRequest request);
    static bool imageToPdf(TaskRequest request);
    // 0 merge, 2 encrypt, 3 decrypt, 4 PDF to images; an empty pointer for anything else.
    static std::shared_ptr<IPfdfTool> CreateTool(int type);
};
