#include "pdfconvertpage.h"

#include "outputnaming.h"
#include "pdfconvertoptionspanel.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

PdfConvertPage::PdfConvertPage(QWidget *parent)
    : BatchToolPage(new PdfConvertOptionsPanel, parent)
{
    setObjectName(u"pdfConvertPage"_s);
    m_panel = static_cast<PdfConvertOptionsPanel *>(optionsPanel());
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始转换。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

void PdfConvertPage::addFile(const QString &path)
{
    addFileFromOutside(path);
}

QList<TaskRequest> PdfConvertPage::makeRequests(const QStringList &files)
{
    OutputNaming naming;
    QList<TaskRequest> requests;
    for (const QString &file : files) {
        TaskRequest request = m_panel->buildRequest();
        request.type = TaskType::PdfToImage;
        request.inputFiles = {QDir::toNativeSeparators(file)};
        request.outputPath = naming.imageFolder(OutputNaming::outputFolder(request, file),
                                                QFileInfo(file).completeBaseName());
        requests.append(request);
    }
    return requests;
}
