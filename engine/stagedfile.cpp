#include "stagedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include "mupdfsupport.h"

#include <QThread>
#endif

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path fsPath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

} // namespace

StagedFile::StagedFile(const QString &folder)
{
    const QFileInfo dir(folder);
    if (folder.isEmpty() || !dir.isDir()) {
        m_error = QStringLiteral("The output folder does not exist: %1")
                      .arg(QDir::toNativeSeparators(folder));
        return;
    }
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name =
            QStringLiteral(".velmora-%1.part")
                .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_path = file.fileName();
            return;
        }
        if (!file.exists()) {
            m_error = QStringLiteral("Cannot write in %1: %2")
                          .arg(QDir::toNativeSeparators(folder), file.errorString());
            return;
        }
    }
    m_error = QStringLiteral("Cannot create a temporary file in %1")
                  .arg(QDir::toNativeSeparators(folder));
}

StagedFile::~StagedFile()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

bool StagedFile::commitTo(const QString &target)
{
    if (m_path.isEmpty())
        return false;
    if (QFileInfo::exists(target))
        QFile::setPermissions(m_path, QFile::permissions(target));
    std::error_code error;
#ifdef Q_OS_WIN
    // Windows cannot replace a file that is open: the render caches let go of it first, and a
    // page being drawn from it closes it within moments.
    const mupdf::ReleasedPath released(target);
    for (int attempt = 0; attempt < 40; ++attempt) {
        error.clear();
        std::filesystem::rename(fsPath(m_path), fsPath(target), error);
        if (!error || !QFileInfo(target).isFile())
            break;
        QThread::msleep(50);
    }
#else
    std::filesystem::rename(fsPath(m_path), fsPath(target), error);
#endif
    if (error) {
        m_error =
            QStringLiteral("Cannot replace %1: %2")
                .arg(QDir::toNativeSeparators(target), QString::fromStdString(error.message()));
        return false;
    }
    m_path.clear();
    return true;
}

QString StagedFile::commitToFreeName(const QString &folder, const QString &base)
{
    if (m_path.isEmpty())
        return {};
    const QDir dir(folder);
    for (int counter = 0; counter < 100000; ++counter) {
        const QString name = counter == 0 ? base + QStringLiteral(".pdf")
                                          : QStringLiteral("%1(%2).pdf").arg(base).arg(counter);
        const QString target = dir.filePath(name);
        if (QFileInfo::exists(target))
            continue;
        // QFile::rename refuses to replace, so a name taken meanwhile by another job is skipped.
        if (QFile::rename(m_path, target)) {
            m_path.clear();
            return target;
        }
        if (!QFileInfo::exists(target)) {
            m_error = QStringLiteral("Cannot write %1").arg(QDir::toNativeSeparators(target));
            return {};
        }
    }
    m_error = QStringLiteral("No free file name for %1 in %2")
                  .arg(base, QDir::toNativeSeparators(folder));
    return {};
}
