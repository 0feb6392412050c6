#include "taskfactory.h"

#include "compresspdf.h"
#include "imagetopdf.h"
#include "officetopdftask.h"
#include "pdfdecrytask.h"
#include "pdfencrytask.h"
#include "pdfmergetask.h"
#include "pdftoimagetask.h"
#include "pdftoofficetask.h"
#include "recognizetexttask.h"

#include <QMutex>

namespace TaskFactory {
namespace {

QMutex g_creatorMutex;
Creator g_creator;

} // namespace

std::shared_ptr<TaskBase> create(const TaskRequest &request)
{
    {
        QMutexLocker lock(&g_creatorMutex);
        if (g_creator) {
            if (std::shared_ptr<TaskBase> task = g_creator(request))
                return task;
        }
    }
    switch (request.type) {
    case TaskType::Merge:
        return std::make_shared<PdfMergeTask>(request);
    case TaskType::Encrypt:
        return std::make_shared<PdfEncryTask>(request);
    case TaskType::Decrypt:
        return std::make_shared<PdfDecryTask>(request);
    case TaskType::PdfToImage:
        return std::make_shared<PdfToImageTask>(request);
    case TaskType::ImageToPdf:
        // The enumerator of the same name hides the class here.
        return std::make_shared<class ImageToPdf>(request);
    case TaskType::Compress:
        return std::make_shared<CompressPdf>(request);
    case TaskType::OfficeToPdf:
        return std::make_shared<OfficeToPdfTask>(request);
    case TaskType::PdfToOffice:
        return std::make_shared<PdfToOfficeTask>(request);
    case TaskType::RecognizeText:
        return std::make_shared<RecognizeTextTask>(request);
    default:
        return {};
    }
}

void setCreatorForTesting(Creator creator)
{
    QMutexLocker lock(&g_creatorMutex);
    g_creator = std::move(creator);
}

} // namespace TaskFactory
