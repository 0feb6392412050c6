#include "pdfshowpage.h"

#include "tooltype.h"

#include <QDebug>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PdfShowPage::PdfShowPage(QWidget *parent)
    : QWidget(parent)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
}

bool PdfShowPage::openFile(const QString &filePath)
{
    qWarning() << "no PDF viewer is available to open" << filePath;
    return false;
}

bool PdfShowPage::confirmClose()
{
    return true;
}

int PdfShowPage::toolTypeForViewerTool(const QString &toolId)
{
    if (toolId == "compress"_L1)
        return ToolType::Compress;
    if (toolId == "images"_L1)
        return ToolType::PdfToImages;
    if (toolId == "encrypt"_L1)
        return ToolType::Encrypt;
    if (toolId == "decrypt"_L1)
        return ToolType::Decrypt;
    return 0;
}

void PdfShowPage::onConvertToOfficeRequested(const QString &filePath)
{
    Q_EMIT toolRequested(ToolType::PdfToOffice, filePath);
}

void PdfShowPage::onExternalToolRequested(const QString &toolId, const QString &filePath)
{
    if (const int type = toolTypeForViewerTool(toolId))
        Q_EMIT toolRequested(type, filePath);
}
