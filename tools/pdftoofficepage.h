#pragma once

#include "batchtoolpage.h"

class PdfToOfficeOptionsPanel;

// Converts PDFs to Word, Excel or PowerPoint files, one job per file.
class PdfToOfficePage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit PdfToOfficePage(QWidget *parent = nullptr);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;

private:
    PdfToOfficeOptionsPanel *m_panel = nullptr;
};
