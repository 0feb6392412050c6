#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The one record shared by the tool pages, the task centre and the engine.
struct TaskRequest
{
    QString taskId;
    qint32 type = 1;
    QStringList inputFiles;
    QString outputPath;
    QString inputFile;
    bool useSourceFolder = false;
    QVariantMap options;
};

enum TaskType : qint32 {
    Merge = 0,
    Encrypt = 2,
    Decrypt = 3,
    PdfToImage = 4,
    ImageToPdf = 5,
    Compress = 6,
};
