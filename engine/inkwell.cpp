#include "inkwell.h"

#include "batchsupport.h"
#include "compression.h"
#include "imageconversion.h"
#include "mergetool.h"
#include "officeconversion.h"
#include "outputreservations.h"
#include "passwordtool.h"
#include "pdftoimagetool.h"
#include "pdftooffice.h"
#include "textrecognition.h"

#include <exception>
#include <new>

namespace {

// Failures are answered, never thrown: a job that runs out of memory or meets a library error
// has failed like any other.
template<typename Operation> bool guarded(const TaskRequest &request, Operation operation)
{
    batchsupport::beginJob(request);
    try {
        const bool done = operation();
        if (done)
            batchsupport::outcome().failure = BatchFailure::None;
        else if (batchsupport::outcome().failure == BatchFailure::None)
            batchsupport::outcome().failure = BatchFailure::Unknown;
        return done;
    } catch (const std::bad_alloc &) {
        return batchsupport::fail(request, BatchFailure::OutOfMemory, QString(),
                                  QStringLiteral("out of memory"));
    } catch (const std::exception &e) {
        QString file;
        const BatchFailure failure = batchsupport::exceptionFailure(e, &file);
        return batchsupport::fail(request, failure, file, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return batchsupport::fail(request, QStringLiteral("unexpected error"));
    }
}

template<typename Tool, auto... arguments> bool runTool(const TaskRequest &request)
{
    return Tool(arguments...).execute(request);
}

// The engine function of each row of the tool table, by task type.
struct Operation
{
    TaskType task;
    bool (*run)(const TaskRequest &);
    // Offered through CreateTool as well.
    bool asTool = false;
};

constexpr Operation operations[] = {
    {TaskType::Merge, runTool<MergeTool>, true},
    {TaskType::Encrypt, runTool<PasswordTool, PasswordTool::Mode::Encrypt>, true},
    {TaskType::Decrypt, runTool<PasswordTool, PasswordTool::Mode::Decrypt>, true},
    {TaskType::PdfToImage, runTool<PdfToImageTool>, true},
    {TaskType::ImageToPdf, imageconversion::imagesToPdf},
    {TaskType::Compress, compression::compress},
    {TaskType::OfficeToPdf, officeconversion::convert},
    {TaskType::PdfToOffice, pdftooffice::convert},
    {TaskType::RecognizeText, textrecognition::recognise},
};

const Operation *operation(int task)
{
    for (const Operation &row : operations) {
        if (row.task == task)
            return &row;
    }
    return nullptr;
}

class GuardedTool final : public IPfdfTool
{
public:
    explicit GuardedTool(const Operation *operation)
        : m_operation(operation)
    {}
    bool execute(const TaskRequest &request) override
    {
        return guarded(request, [&] { return m_operation->run(request); });
    }

private:
    const Operation *m_operation;
};

} // namespace

bool Inkwell::run(const TaskRequest &request)
{
    const Operation *row = operation(request.type);
    if (!row) {
        batchsupport::beginJob(request);
        batchsupport::outcome().failure = BatchFailure::Unknown;
        return false;
    }
    return guarded(request, [&] { return row->run(request); });
}

bool Inkwell::compress(TaskRequest request)
{
    request.type = TaskType::Compress;
    return run(request);
}

bool Inkwell::imageToPdf(TaskRequest request)
{
    request.type = TaskType::ImageToPdf;
    return run(request);
}

bool Inkwell::officeToPdf(TaskRequest request)
{
    request.type = TaskType::OfficeToPdf;
    return run(request);
}

bool Inkwell::pdfToOffice(TaskRequest request)
{
    request.type = TaskType::PdfToOffice;
    return run(request);
}

bool Inkwell::recognizeText(TaskRequest request)
{
    request.type = TaskType::RecognizeText;
    return run(request);
}

QString Inkwell::officeSuffix(OfficeFormat format)
{
    return pdftooffice::suffix(format);
}

QString Inkwell::officeProgram()
{
    return officeconversion::officeProgram();
}

QStringList Inkwell::officeSuffixes()
{
    return officeconversion::suffixes();
}

BatchOutcome Inkwell::lastOutcome()
{
    return batchsupport::outcome();
}

void Inkwell::setCancelFlag(const std::atomic<bool> *flag)
{
    batchsupport::outcome() = BatchOutcome();
    batchsupport::setCancelFlag(flag);
}

void Inkwell::setProgressSink(std::function<void(int)> sink)
{
    batchsupport::setProgressSink(std::move(sink));
}

bool Inkwell::reserveOutput(const QString &path, const QString &owner)
{
    return outputreservations::reserve(path, owner);
}

bool Inkwell::isOutputReserved(const QString &path)
{
    return outputreservations::isReservedByOther(path, QString());
}

void Inkwell::releaseOutputs(const QString &owner)
{
    outputreservations::release(owner);
}

std::shared_ptr<IPfdfTool> Inkwell::CreateTool(int type)
{
    const Operation *row = operation(type);
    if (!row || !row->asTool)
        return {};
    return std::make_shared<GuardedTool>(row);
}
