#pragma once

#include "batchtoolpage.h"

class OfficeToPdfOptionsPanel;

// Converts Word, Excel and PowerPoint files to PDF, one job per file.
class OfficeToPdfPage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit OfficeToPdfPage(QWidget *parent = nullptr);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;

private:
    OfficeToPdfOptionsPanel *m_panel = nullptr;
};
