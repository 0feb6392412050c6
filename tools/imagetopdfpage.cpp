#include "imagetopdfpage.h"

#include "imagetopdfoptionspanel.h"
#include "outputnaming.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

ImageToPdfPage::ImageToPdfPage(QWidget *parent)
    : BatchToolPage(new ImageToPdfOptionsPanel, parent)
{
    setObjectName(u"imageToPdfPage"_s);
    m_panel = static_cast<ImageToPdfOptionsPanel *>(optionsPanel());
    setIntake(tr("添加或拖拽图像文件进行转换。"), tr("图像文件 (*.jpg *.jpeg *.png)"),
              tr("选择图片"));
}

QString ImageToPdfPage::outputWithoutInput(const TaskRequest &request) const
{
    // Named after its first image, which may be the one taken out.
    return OutputNaming().pdfFile(QFileInfo(request.outputPath).absolutePath(),
                                  QFileInfo(request.inputFiles.constFirst()).completeBaseName());
}

QList<TaskRequest> ImageToPdfPage::makeRequests(const QStringList &files)
{
    OutputNaming naming;
    TaskRequest request = m_panel->buildRequest();
    request.type = TaskType::ImageToPdf;
    if (request.options.value(TaskOption::SinglePdf).toBool()) {
        const QString first = files.constFirst();
        request.inputFiles = files;
        request.outputPath = naming.pdfFile(OutputNaming::outputFolder(request, first),
                                            QFileInfo(first).completeBaseName());
        return {request};
    }
    QList<TaskRequest> requests;
    requests.reserve(files.size());
    for (const QString &image : files) {
        TaskRequest job = request;
        job.inputFiles = {QDir::toNativeSeparators(image)};
        job.outputPath = naming.pdfFile(OutputNaming::outputFolder(request, image),
                                        QFileInfo(image).completeBaseName());
        requests.append(job);
    }
    return requests;
}
