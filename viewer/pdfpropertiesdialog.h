#pragma once

#include "pdfeditorbackend.h"

#include <QDialog>

class QGridLayout;
class QLabel;
class QLineEdit;

// Shows what a document says about itself and lets the reader change its title, author,
// subject and keywords. The file's part arrives later (setProperties): it is read off the GUI
// thread, and the dialog is shown at once.
class PdfPropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PdfPropertiesDialog(QWidget *parent = nullptr);

    // The document as the tab holds it: its file, its pages and the information it would save.
    void setDocument(const QString &path, const QList<QSizeF> &pageSizes,
                     const PdfDocumentMetadata &metadata);
    void setProperties(const PdfDocumentProperties &properties);
    void setReadError(const QString &message);
    // The file's digital signatures in a few words ("2 个（全部有效）", "无").
    void setSignatures(const QString &summary);

    PdfDocumentMetadata metadata() const;
    // False where the file's permissions keep a reader without its owner password from changing it.
    bool isEditable() const { return m_editable; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *addValue(const QString &name, const QString &label, const QString &objectName);
    void setEditable(bool editable);

    QLineEdit *m_title = nullptr;
    QLineEdit *m_author = nullptr;
    QLineEdit *m_subject = nullptr;
    QLineEdit *m_keywords = nullptr;
    QLabel *m_location = nullptr;
    QLabel *m_fileSize = nullptr;
    QLabel *m_pageCount = nullptr;
    QLabel *m_pageSize = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_creator = nullptr;
    QLabel *m_producer = nullptr;
    QLabel *m_created = nullptr;
    QLabel *m_modified = nullptr;
    QLabel *m_encryption = nullptr;
    QLabel *m_permissions = nullptr;
    QLabel *m_signatures = nullptr;
    QLabel *m_notice = nullptr;
    QWidget *m_card = nullptr;
    QGridLayout *m_grid = nullptr;
    PdfDocumentMetadata m_original;
    bool m_editable = true;
};
