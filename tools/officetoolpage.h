#pragma once

#include <QWidget>

class FileDropZoneWidget;
class ToolOptionsPanel;

// The shell of the two Office tools: intake, divider and options are shown, starting says that
// conversion is not available.
class OfficeToolPage : public QWidget
{
    Q_OBJECT

public:
    FileDropZoneWidget *dropZone() const { return m_dropZone; }
    ToolOptionsPanel *optionsPanel() const { return m_panel; }

public Q_SLOTS:
    // Office conversion is not part of this version: says so, starts nothing.
    void onStart();

protected:
    explicit OfficeToolPage(QWidget *parent = nullptr);
    // Lays out the drop zone with its prompt beside the panel, which the page takes over.
    void setUp(const QString &prompt, ToolOptionsPanel *panel);

private:
    FileDropZoneWidget *m_dropZone = nullptr;
    ToolOptionsPanel *m_panel = nullptr;
};
