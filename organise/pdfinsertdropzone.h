#pragma once

#include <QPushButton>
#include <QStringList>

// The large button under the thumbnail strip: a click asks for files to insert, and PDF files
// dropped on it are inserted at the end of the document.
class PdfInsertDropZone : public QPushButton
{
    Q_OBJECT

public:
    explicit PdfInsertDropZone(QWidget *parent = nullptr);
    ~PdfInsertDropZone() override;

    // A local file whose suffix is "pdf" in any letter case.
    static bool isPdfUrl(const QUrl &url);

Q_SIGNALS:
    void pdfFilesDropped(QStringList files);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setDragActive(bool active);
    void retranslate();
    // Breaks the prompt into lines that fit beside the icon; the zone grows to hold them.
    void wrapText();

    QString m_prompt;
};
