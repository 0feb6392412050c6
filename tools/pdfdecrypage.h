#pragma once

#include "batchtoolpage.h"

class PdfDecryOptionsPanel;

// Removes the password of PDF files, one job per file.
class PdfDecryPage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit PdfDecryPage(QWidget *parent = nullptr);

    void addFile(const QString &path);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;

private:
    PdfDecryOptionsPanel *m_panel = nullptr;
};
