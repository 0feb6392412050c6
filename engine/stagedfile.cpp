#include "inkwell.h"

#include "batchsupport.h"
#include "fileplacement.h"
#include "outputreservations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

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

// "<stem>(n).<suffix>" after target, counting on from a "(n)" target already has.
QString candidate(const QString &target, int step)
{
    if (step == 0)
        return target;
    const QFileInfo info(target);
    QString stem = info.completeBaseName();
    const QString suffix = info.suffix();
    int start = 0;
    static const QRegularExpression numbered(QStringLiteral("^(.*)\\((\\d{1,6})\\)$"));
    if (const QRegularExpressionMatch m = numbered.match(stem); m.hasMatch()) {
        stem = m.captured(1);
        start = m.captured(2).toInt();
    }
    QString name = QStringLiteral("%1(%2)").arg(stem).arg(start + step);
    if (!suffix.isEmpty())
        name += QLatin1Char('.') + suffix;
    return info.dir().filePath(name);
}

} // namespace

StagedFile::StagedFile(const QString &folder)
    : m_folder(folder)
{
    const QFileInfo dir(folder);
    if (folder.isEmpty() || !dir.isDir()) {
        m_error = QStringLiteral("The output folder does not exist: %1")
                      .arg(QDir::toNativeSeparators(folder));
        m_failure = BatchFailure::OutputFolderMissing;
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
            m_failure = batchsupport::writeFailure(folder);
            return;
        }
    }
    m_error = QStringLiteral("Cannot create a temporary file in %1")
                  .arg(QDir::toNativeSeparators(folder));
    m_failure = BatchFailure::WriteFailed;
}

StagedFile::~StagedFile()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

bool StagedFile::refuseWhenCancelled()
{
    if (!batchsupport::cancelRequested())
        return false;
    m_error = QStringLiteral("cancelled");
    m_failure = BatchFailure::Cancelled;
    return true;
}

bool StagedFile::replace(const QString &target)
{
    if (m_path.isEmpty() || refuseWhenCancelled())
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
        m_failure = batchsupport::writeFailure(m_folder);
        return false;
    }
    m_path.clear();
    m_placed = target;
    batchsupport::outcome().writtenPath = target;
    return true;
}

bool StagedFile::commitTo(const QString &target)
{
    if (m_path.isEmpty() || refuseWhenCancelled())
        return false;
    const QString owner = batchsupport::jobOwner();
    for (int step = 0; step < 100000; ++step) {
        const QString name = candidate(target, step);
        if (outputreservations::isReservedByOther(name, owner))
            continue;
        const QFileInfo info(name);
        if (info.exists() || info.isSymLink())
            continue;
        QString why;
        switch (fileplacement::moveWithoutReplacing(m_path, name, &why)) {
        case fileplacement::Result::Placed:
            outputreservations::reserve(name, owner);
            m_path.clear();
            m_placed = name;
            batchsupport::outcome().writtenPath = name;
            return true;
        case fileplacement::Result::Exists:
            continue;
        case fileplacement::Result::Failed:
            m_error =
                QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(name), why);
            m_failure = batchsupport::writeFailure(m_folder);
            return false;
        }
    }
    m_error = QStringLiteral("No free file name for %1").arg(QDir::toNativeSeparators(target));
    m_failure = BatchFailure::NoFreeName;
    return false;
}

QString StagedFile::commitToFreeName(const QString &folder, const QString &base)
{
    if (!commitTo(QDir(folder).filePath(base + QStringLiteral(".pdf"))))
        return {};
    return m_placed;
}
