#pragma once

#include "batchtoolpage.h"

class PdfCompressOptionsPanel;

// Compresses PDF files, one job per file.
class PdfCompressPage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit PdfCompressPage(QWidget *parent = nullptr);

    void addFile(const QString &path);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;

private:
    PdfCompressOptionsPanel *m_panel = nullptr;
};
