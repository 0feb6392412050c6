#include "pdfdecrypage.h"

#include "outputnaming.h"
#include "pdfdecryoptionspanel.h"

#include <QDir>

using namespace Qt::StringLiterals;

PdfDecryPage::PdfDecryPage(QWidget *parent)
    : BatchToolPage(new PdfDecryOptionsPanel, parent)
{
    setObjectName(u"pdfDecryPage"_s);
    m_panel = static_cast<PdfDecryOptionsPanel *>(optionsPanel());
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始解密。"));
    setPasswordCheck(FileProtectionCheck::Ask::AnyPassword);
}

void PdfDecryPage::addFile(const QString &path)
{
    addFileFromOutside(path);
}

QList<TaskRequest> PdfDecryPage::makeRequests(const QStringList &files)
{
    QList<TaskRequest> requests;
    for (const QString &file : files) {
        TaskRequest request = m_panel->buildRequest();
        request.type = TaskType::Decrypt;
        request.inputFile = QDir::toNativeSeparators(file);
        // The engine names the unlocked file inside this folder.
        request.outputPath = QDir::toNativeSeparators(OutputNaming::outputFolder(request, file));
        requests.append(request);
    }
    return requests;
}
