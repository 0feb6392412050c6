#pragma once

#include "batchtoolpage.h"

class PdfConvertOptionsPanel;

// Turns each PDF into a folder of images.
class PdfConvertPage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit PdfConvertPage(QWidget *parent = nullptr);

    void addFile(const QString &path);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;

private:
    PdfConvertOptionsPanel *m_panel = nullptr;
};
