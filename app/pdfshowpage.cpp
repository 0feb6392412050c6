#include "pdfshowpage.h"

#include "pdfviewerwidget.h"
#include "tooltype.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PdfShowPage::PdfShowPage(QWidget *parent)
    : QWidget(parent)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_viewer = new PdfViewerWidget(this);
    m_layout->addWidget(m_viewer);
    connect(m_viewer, &PdfViewerWidget::convertPdfToOfficeRequested, this,
            &PdfShowPage::onConvertToOfficeRequested);
    connect(m_viewer, &PdfViewerWidget::externalToolRequested, this,
            &PdfShowPage::onExternalToolRequested);
}

bool PdfShowPage::openFile(const QString &filePath)
{
    return m_viewer->openDocument(filePath, QString());
}

bool PdfShowPage::confirmClose()
{
    return m_viewer->confirmClose();
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
