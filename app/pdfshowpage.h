#pragma once

#include <QWidget>

class PdfViewerWidget;
class QVBoxLayout;

// A viewer tab: the page that hosts the PDF viewer of one open file and turns the viewer's tool
// requests into tool types for the main page. Tests may replace it through WorkspaceFactory
// with a subclass that answers openFile and confirmClose itself.
class PdfShowPage : public QWidget
{
    Q_OBJECT

public:
    explicit PdfShowPage(QWidget *parent = nullptr);

    // Opens the document with an empty password; false when it could not be opened (the viewer
    // has told the user why).
    virtual bool openFile(const QString &filePath);
    // True when the tab may close: the document is unmodified, or saved or discarded on request.
    virtual bool confirmClose();

    // The tool type for one of the viewer's tool ids ("compress", "images", "encrypt",
    // "decrypt"), 0 for any other.
    static int toolTypeForViewerTool(const QString &toolId);

    PdfViewerWidget *viewer() const { return m_viewer; }

Q_SIGNALS:
    void toolRequested(int toolType, const QString &filePath);
    // The document was saved under another name.
    void filePathChanged(const QString &filePath);

public Q_SLOTS:
    // Targets for the viewer's convert-to-Office and external-tool requests.
    void onConvertToOfficeRequested(const QString &filePath);
    void onExternalToolRequested(const QString &toolId, const QString &filePath);

protected:
private:
    QVBoxLayout *m_layout = nullptr;
    PdfViewerWidget *m_viewer = nullptr;
};
