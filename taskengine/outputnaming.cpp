#include "outputnaming.h"

#include "freename.h"
#include "pathidentity.h"
#include "taskrequest.h"
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
