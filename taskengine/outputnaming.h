#pragma once

#include "worklane_global.h"

#include <QSet>
#include <QString>

struct TaskRequest;
namespace ToolType {
struct Info;
}

// Output names of the jobs of one start. A name is free when nothing of that name exists on
// disk, no earlier job of the same start was given it and no unfinished job of any page holds
// it, so a.jpg and a.png converted into one folder become a.pdf and a(1).pdf.
class WORKLANE_EXPORT OutputNaming
{
public:
    // Where a job on source writes: next to the source, or into the folder the panel chose.
    static QString outputFolder(const TaskRequest &request, const QString &source);

    // The requests of one start of a tool, in submission order, for the files in list order
    // (cleaned, '/' separators): base carries the options panel's options and location.
    QList<TaskRequest> requests(const ToolType::Info &tool, TaskRequest base,
                                const QStringList &files);
    // The output of a job about to run again with fewer inputs: a whole list's output is
    // named again, after what it now holds.
    static QString outputWithFewerInputs(const ToolType::Info &tool, const TaskRequest &request);

    // "base.pdf", else "base(1).pdf", "base(2).pdf" ... in folder; native separators.
    QString pdfFile(const QString &folder, const QString &base);
    // The same for files of another suffix (without the dot): "base.docx", "base(1).docx" ...
    QString file(const QString &folder, const QString &base, const QString &suffix);
    // "base", else "base (1)", "base (2)" ... in folder, created; "/" separators.
    QString imageFolder(const QString &folder, const QString &base);

private:
    QString output(const ToolType::Info &tool, const TaskRequest &request, const QString &source,
                   const QString &base);
    bool isTaken(const QString &path) const;
    void reserve(const QString &path);

    QSet<QString> m_reserved;
};
