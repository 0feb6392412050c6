#include "outputnaming.h"

#include "freename.h"
#include "inkwell.h"
#include "pathidentity.h"
#include "taskrequest.h"
#include "tooltype.h"
#include "worklane.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString OutputNaming::outputFolder(const TaskRequest &request, const QString &source)
{
    if (request.useSourceFolder)
        return QFileInfo(source).absolutePath();
    return request.outputPath;
}

QList<TaskRequest> OutputNaming::requests(const ToolType::Info &tool, TaskRequest base,
                                          const QStringList &files)
{
    using ToolType::Carries;
    using ToolType::Jobs;
    if (files.isEmpty())
        return {};
    base.type = tool.task;
    const bool wholeList =
        tool.jobs == Jobs::WholeList || (tool.jobs == Jobs::WholeListWhenSinglePdf &&
                                         base.options.value(TaskOption::SinglePdf).toBool());
    if (wholeList) {
        const QString first = files.constFirst();
        for (const QString &file : files)
            base.inputFiles.append(QDir::toNativeSeparators(file));
        base.outputPath = output(tool, base, first,
                                 tool.listName ? QString::fromLatin1(tool.listName)
                                               : QFileInfo(first).completeBaseName());
        return {base};
    }
    QList<TaskRequest> requests;
    requests.reserve(files.size());
    for (const QString &file : files) {
        TaskRequest request = base;
        const QString native = QDir::toNativeSeparators(file);
        if (tool.carries != Carries::File)
            request.inputFiles = {native};
        if (tool.carries != Carries::List)
            request.inputFile = native;
        request.outputPath = output(tool, request, file, QFileInfo(file).completeBaseName());
        requests.append(request);
    }
    return requests;
}

QString OutputNaming::outputWithFewerInputs(const ToolType::Info &tool, const TaskRequest &request)
{
    if (tool.jobs == ToolType::Jobs::EachFile || request.inputFiles.isEmpty())
        return request.outputPath;
    const QString base = tool.listName
                             ? QString::fromLatin1(tool.listName)
                             : QFileInfo(request.inputFiles.constFirst()).completeBaseName();
    return OutputNaming().pdfFile(QFileInfo(request.outputPath).absolutePath(), base);
}

QString OutputNaming::output(const ToolType::Info &tool, const TaskRequest &request,
                             const QString &source, const QString &base)
{
    const QString folder = outputFolder(request, source);
    switch (tool.output) {
    case ToolType::Output::Pdf:
        break;
    case ToolType::Output::OfficeFile:
        return file(folder, base,
                    Inkwell::officeSuffix(
                        OfficeFormat(request.options.value(TaskOption::OfficeFormat).toInt())));
    case ToolType::Output::ImageFolder:
        return imageFolder(folder, base);
    case ToolType::Output::NamedByEngine:
        return QDir::toNativeSeparators(folder);
    }
    return pdfFile(folder, base);
}

bool OutputNaming::isTaken(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink() ||
           m_reserved.contains(pathidentity::outputKey(path)) ||
           Worklane::instance().isOutputReserved(path);
}

void OutputNaming::reserve(const QString &path)
{
    m_reserved.insert(pathidentity::outputKey(path));
}

QString OutputNaming::pdfFile(const QString &folder, const QString &base)
{
    return file(folder, base, u"pdf"_s);
}

QString OutputNaming::file(const QString &folder, const QString &base, const QString &suffix)
{
    const QString path = freename::first(QDir(folder).filePath(base + u'.' + suffix),
                                         [this](const QString &name) { return isTaken(name); });
    reserve(path);
    return QDir::toNativeSeparators(path);
}

QString OutputNaming::imageFolder(const QString &folder, const QString &base)
{
    const QDir dir(folder);
    QString name = base;
    for (int counter = 1; isTaken(dir.filePath(name)); ++counter)
        name = u"%1 (%2)"_s.arg(base, QString::number(counter));
    const QString path = dir.filePath(name);
    reserve(path);
    // A folder that cannot be made is still named; the job then fails and says so.
    QDir().mkpath(path);
    return path;
}
