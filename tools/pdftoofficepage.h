#pragma once

#include <QWidget>

class FileDropZoneWidget;
class PdfToOfficeOptionsPanel;

// The PDF to Office tool: its intake and options are shown, starting it says that conversion is not available.
class PdfToOfficePage : public QWidget
{
    Q_OBJECT

public:
    explicit PdfToOfficePage(QWidget *parent = nullptr);

public Q_SLOTS:
    // Office conversion is not part of this version: says so, starts nothing.
    void onStart();

public:

    FileDropZoneWidget *dropZone() const { return m_dropZone; }
    PdfToOfficeOptionsPanel *optionsPanel() const { return m_panel; }

private:
    FileDropZoneWidget *m_dropZone = nullptr;
    PdfToOfficeOptionsPanel *m_panel = nullptr;
};
