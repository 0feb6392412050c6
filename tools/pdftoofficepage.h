#pragma once

#include <QWidget>

class FileDropZoneWidget;
class PdfToOfficeOptionsPanel;

// The PDF to Office tool: its intake and options are shown, nothing is converted.
class PdfToOfficePage : public QWidget
{
    Q_OBJECT

public:
    explicit PdfToOfficePage(QWidget *parent = nullptr);

    FileDropZoneWidget *dropZone() const { return m_dropZone; }
    PdfToOfficeOptionsPanel *optionsPanel() const { return m_panel; }

private:
    FileDropZoneWidget *m_dropZone = nullptr;
    PdfToOfficeOptionsPanel *m_panel = nullptr;
};
