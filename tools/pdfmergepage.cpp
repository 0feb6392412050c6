#include "pdfmergepage.h"

#include "outputnaming.h"
#include "pdfmergeoptionspanel.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

PdfMergePage::PdfMergePage(QWidget *parent)
    : BatchToolPage(new PdfMergeOptionsPanel, parent)
{
    setObjectName(u"pdfMergePage"_s);
    m_panel = static_cast<PdfMergeOptionsPanel *>(optionsPanel());
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始合并。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

QString PdfMergePage::outputWithoutInput(const TaskRequest &request) const
{
    return OutputNaming().pdfFile(QFileInfo(request.outputPath).absolutePath(), u"pdf_merge"_s);
}

QList<TaskRequest> PdfMergePage::makeRequests(const QStringList &files)
{
    OutputNaming naming;
    TaskRequest request = m_panel->buildRequest();
    request.type = TaskType::Merge;
    request.inputFiles = files;
    request.outputPath =
        naming.pdfFile(OutputNaming::outputFolder(request, files.constFirst()), u"pdf_merge"_s);
    return {request};
}
