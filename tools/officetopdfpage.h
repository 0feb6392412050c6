#pragma once

#include <QWidget>

class FileDropZoneWidget;
class OfficeToPdfOptionsPanel;

// The Office to PDF tool: its intake and options are shown, starting it says that conversion is not available.
class OfficeToPdfPage : public QWidget
{
    Q_OBJECT

public:
    explicit OfficeToPdfPage(QWidget *parent = nullptr);

public Q_SLOTS:
    // Office conversion is not part of this version: says so, starts nothing.
    void onStart();

public:

    FileDropZoneWidget *dropZone() const { return m_dropZone; }
    OfficeToPdfOptionsPanel *optionsPanel() const { return m_panel; }

private:
    FileDropZoneWidget *m_dropZone = nullptr;
    OfficeToPdfOptionsPanel *m_panel = nullptr;
};
