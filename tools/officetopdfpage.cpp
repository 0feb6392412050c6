#include "officetopdfpage.h"

#include "inkwell.h"
#include "officetopdfoptionspanel.h"
#include "outputnaming.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

OfficeToPdfPage::OfficeToPdfPage(QWidget *parent)
    : BatchToolPage(new OfficeToPdfOptionsPanel, parent)
{
    setObjectName(u"officeToPdfPage"_s);
    m_panel = static_cast<OfficeToPdfOptionsPanel *>(optionsPanel());
    QStringList patterns;
    for (const QString &suffix : Inkwell::officeSuffixes())
        patterns.append(u"*."_s + suffix);
    setIntake(tr("添加或拖拽文件进行转换。"), tr("Office 文件 (%1)").arg(patterns.join(u' ')),
              tr("选择 Office 文件"));
}

QList<TaskRequest> OfficeToPdfPage::makeRequests(const QStringList &files)
{
    OutputNaming naming;
    QList<TaskRequest> requests;
    for (const QString &file : files) {
        TaskRequest request = m_panel->buildRequest();
        request.type = TaskType::OfficeToPdf;
        request.inputFile = QDir::toNativeSeparators(file);
        request.outputPath = naming.pdfFile(OutputNaming::outputFolder(request, file),
                                            QFileInfo(file).completeBaseName());
        requests.append(request);
    }
    return requests;
}
