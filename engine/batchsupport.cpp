#include "batchsupport.h"

#include <QDir>
#include <QFileInfo>

Q_LOGGING_CATEGORY(lcBatch, "velmora.engine.batch", QtInfoMsg)

namespace batchsupport {
namespace {

QString clean(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : resolved;
}

} // namespace

QString singleSource(const TaskRequest &request)
{
    if (!request.inputFile.isEmpty())
        return clean(request.inputFile);
    if (request.inputFiles.size() == 1)
        return clean(request.inputFiles.first());
    return {};
}

QStringList sources(const TaskRequest &request)
{
    QStringList result;
    result.reserve(request.inputFiles.size());
    for (const QString &path : request.inputFiles)
        result.append(clean(path));
    return result;
}

SaveOption saveOption(const TaskRequest &request)
{
    const QVariant value = request.options.value(QStringLiteral("saveOption"));
    bool ok = false;
    const int option = value.toInt(&ok);
    return ok && option == 0 ? ReplaceSource : NewFile;
}

bool samePath(const QString &a, const QString &b)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
    return canonical(a).compare(canonical(b), sensitivity) == 0;
}

bool fail(const TaskRequest &request, const QString &why)
{
    qCInfo(lcBatch, "task %s (type %d) failed: %s", qUtf8Printable(request.taskId), request.type,
           qUtf8Printable(why));
    return false;
}

} // namespace batchsupport
