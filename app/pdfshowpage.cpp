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
    connect(m_viewer, &PdfViewerWidget::documentPathChanged, this, &PdfShowPage::filePathChanged);
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
    const ToolType::Info *tool = ToolType::forViewerId(toolId);
    return tool ? tool->type : ToolType::None;
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
