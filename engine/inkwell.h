#pragma once

#include "batchoutcome.h"
#include "taskrequest.h"

#include <atomic>
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

    // What the last operation run on the calling thread did: why it failed, or what it wrote.
    static BatchOutcome lastOutcome();
    // Starts a run of operations on the calling thread with a clean outcome. While the flag is
    // set, they stop at their next step once it is true, leaving no output behind.
    static void setCancelFlag(const std::atomic<bool> *flag);

    // Output names promised to unfinished jobs (owner: the job's identifier). An operation never
    // writes a name promised to another job; the task centre keeps them.
    static bool reserveOutput(const QString &path, const QString &owner);
    static bool isOutputReserved(const QString &path);
    static void releaseOutputs(const QString &owner);
};
