#include "pdfencrypage.h"

#include "outputnaming.h"
#include "pdfencryoptionspanel.h"

#include <QDir>

using namespace Qt::StringLiterals;

PdfEncryPage::PdfEncryPage(QWidget *parent)
    : BatchToolPage(new PdfEncryOptionsPanel, parent)
{
    setObjectName(u"pdfEncryPage"_s);
    m_panel = static_cast<PdfEncryOptionsPanel *>(optionsPanel());
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始加密。"));
    setPasswordCheck(FileProtectionCheck::Ask::OwnerPassword);
}

void PdfEncryPage::addFile(const QString &path)
{
    addFileFromOutside(path);
}

QList<TaskRequest> PdfEncryPage::makeRequests(const QStringList &files)
{
    QList<TaskRequest> requests;
    for (const QString &file : files) {
        TaskRequest request = m_panel->buildRequest();
        request.type = TaskType::Encrypt;
        request.inputFiles = {file};
        request.inputFile = QDir::toNativeSeparators(file);
        // The engine names the protected file inside this folder.
        request.outputPath = QDir::toNativeSeparators(OutputNaming::outputFolder(request, file));
        requests.append(request);
    }
    return requests;
}
