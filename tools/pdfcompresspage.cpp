#include "pdfcompresspage.h"

#include "outputnaming.h"
#include "pdfcompressoptionspanel.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

PdfCompressPage::PdfCompressPage(QWidget *parent)
    : BatchToolPage(new PdfCompressOptionsPanel, parent)
{
    setObjectName(u"pdfCompressPage"_s);
    m_panel = static_cast<PdfCompressOptionsPanel *>(optionsPanel());
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始压缩。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

void PdfCompressPage::addFile(const QString &path)
{
    addFileFromOutside(path);
}

QList<TaskRequest> PdfCompressPage::makeRequests(const QStringList &files)
{
    OutputNaming naming;
    QList<TaskRequest> requests;
    for (const QString &file : files) {
        TaskRequest request = m_panel->buildRequest();
        request.type = TaskType::Compress;
        request.inputFile = QDir::toNativeSeparators(file);
        request.outputPath = naming.pdfFile(OutputNaming::outputFolder(request, file),
                                            QFileInfo(file).completeBaseName());
        requests.append(request);
    }
    return requests;
}
