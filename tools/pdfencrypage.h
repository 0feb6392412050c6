#pragma once

#include "batchtoolpage.h"

class PdfEncryOptionsPanel;

// Protects PDF files with a password, one job per file.
class PdfEncryPage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit PdfEncryPage(QWidget *parent = nullptr);

    void addFile(const QString &path);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;

private:
    PdfEncryOptionsPanel *m_panel = nullptr;
};
