#pragma once

#include "batchtoolpage.h"

// Makes scanned PDFs searchable, one job per file.
class TextRecognitionPage : public BatchToolPage
{
    Q_OBJECT

public:
    explicit TextRecognitionPage(QWidget *parent = nullptr);

    void addFile(const QString &path);

protected:
    QList<TaskRequest> makeRequests(const QStringList &files) override;
};
