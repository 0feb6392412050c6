#pragma once

#include "batchtoolpage.h"

class ImageToPdfOptionsPanel;

// Converts images to PDF files, one per image or all into one.
class ImageToPdfPage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit ImageToPdfPage(QWidget *parent = nullptr);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;
    QString outputWithoutInput(const TaskRequest &request) const override;

private:
    ImageToPdfOptionsPanel *m_panel = nullptr;
};
