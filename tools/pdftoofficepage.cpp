#include "pdftoofficepage.h"

#include "inkwell.h"
#include "outputnaming.h"
#include "pdftoofficeoptionspanel.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

PdfToOfficePage::PdfToOfficePage(QWidget *parent)
    : BatchToolPage(new PdfToOfficeOptionsPanel, parent)
{
    setObjectName(u"pdfToOfficePage"_s);
    m_panel = static_cast<PdfToOfficeOptionsPanel *>(optionsPanel());
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始转换。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

QList<TaskRequest> PdfToOfficePage::makeRequests(const QStringList &files)
{
    OutputNaming naming;
    QList<TaskRequest> requests;
    for (const QString &file : files) {
        TaskRequest request = m_panel->buildRequest();
        request.type = TaskType::PdfToOffice;
        request.inputFile = QDir::toNativeSeparators(file);
        request.outputPath = naming.file(OutputNaming::outputFolder(request, file),
                                         QFileInfo(file).completeBaseName(),
                                         Inkwell::officeSuffix(m_panel->format()));
        requests.append(request);
    }
    return requests;
}
