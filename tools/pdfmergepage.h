#pragma once

#include "batchtoolpage.h"

class PdfMergeOptionsPanel;

// Merges the listed PDF files, in list order, into one.
class PdfMergePage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit PdfMergePage(QWidget *parent = nullptr);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;
    QString outputWithoutInput(const TaskRequest &request) const override;

private:
    PdfMergeOptionsPanel *m_panel = nullptr;
};
