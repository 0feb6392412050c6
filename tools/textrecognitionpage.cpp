#include "textrecognitionpage.h"

#include "outputnaming.h"
#include "textrecognitionoptionspanel.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

TextRecognitionPage::TextRecognitionPage(QWidget *parent)
    : BatchToolPage(new TextRecognitionOptionsPanel, parent)
{
    setObjectName(u"textRecognitionPage"_s);
    setIntake(tr("从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

void TextRecognitionPage::addFile(const QString &path)
{
    addFileFromOutside(path);
}

QList<TaskRequest> TextRecognitionPage::makeRequests(const QStringList &files)
{
    OutputNaming naming;
    QList<TaskRequest> requests;
    for (const QString &file : files) {
        TaskRequest request = optionsPanel()->buildRequest();
        request.type = TaskType::RecognizeText;
        request.inputFile = QDir::toNativeSeparators(file);
        request.outputPath = naming.pdfFile(OutputNaming::outputFolder(request, file),
                                            QFileInfo(file).completeBaseName());
        requests.append(request);
    }
    return requests;
}
