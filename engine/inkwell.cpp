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

class GuardedTool final : public IPfdfTool
{
public:
    explicit GuardedTool(std::unique_ptr<IPfdfTool> tool)
        : m_tool(std::move(tool))
    {}
    bool execute(const TaskRequest &request) override
    {
        return guarded(request, [&] { return m_tool->execute(request); });
    }

private:
    std::unique_ptr<IPfdfTool> m_tool;
};

} // namespace

bool Inkwell::compress(TaskRequest request)
{
    return guarded(request, [&] { return compression::compress(request); });
}

bool Inkwell::imageToPdf(TaskRequest request)
{
    return guarded(request, [&] { return imageconversion::imagesToPdf(request); });
}

bool Inkwell::officeToPdf(TaskRequest request)
{
    return guarded(request, [&] { return officeconversion::convert(request); });
}

bool Inkwell::pdfToOffice(TaskRequest request)
{
    return guarded(request, [&] { return pdftooffice::convert(request); });
}

bool Inkwell::recognizeText(TaskRequest request)
{
    return guarded(request, [&] { return textrecognition::recognise(request); });
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
    std::unique_ptr<IPfdfTool> tool;
    switch (type) {
    case TaskType::Merge:
        tool = std::make_unique<MergeTool>();
        break;
    case TaskType::Encrypt:
        tool = std::make_unique<PasswordTool>(PasswordTool::Mode::Encrypt);
        break;
    case TaskType::Decrypt:
        tool = std::make_unique<PasswordTool>(PasswordTool::Mode::Decrypt);
        break;
    case TaskType::PdfToImage:
        tool = std::make_unique<PdfToImageTool>();
        break;
    default:
        return {};
    }
    return std::make_shared<GuardedTool>(std::move(tool));
}
