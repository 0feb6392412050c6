#pragma once

#include <QWidget>

class FileDropZoneWidget;
class OfficeToPdfOptionsPanel;

// The Office to PDF tool: its intake and options are shown, nothing is converted.
class OfficeToPdfPage : public QWidget
{
    Q_OBJECT

public:
    explicit OfficeToPdfPage(QWidget *parent = nullptr);

    FileDropZoneWidget *dropZone() const { return m_dropZone; }
    OfficeToPdfOptionsPanel *optionsPanel() const { return m_panel; }

private:
    FileDropZoneWidget *m_dropZone = nullptr;
    OfficeToPdfOptionsPanel *m_panel = nullptr;
};
