#include "stagedfile.h"

#include "batchsupport.h"
#include "fileplacement.h"
#include "freename.h"
#include "outputreservations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include "mupdfsupport.h"

#include <QThread>
#endif

#include <filesystem>
#include <mutex>
#include <system_error>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

std::filesystem::path fsPath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

#ifdef Q_OS_LINUX
// Every anonymous staged file holds a descriptor until it is placed; an image export stages a
// file a page. The soft limit is raised to what the system allows once.
void raiseDescriptorLimit()
{
    static std::once_flag once;
    std::call_once(once, [] {
        rlimit limit{};
        if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
            limit.rlim_cur = limit.rlim_max;
            ::setrlimit(RLIMIT_NOFILE, &limit);
        }
    });
}
#endif

} // namespace

StagedFile::StagedFile(const QString &folder, Kind kind)
    : m_folder(folder)
    , m_owner(batchsupport::jobOwner())
{
    const QFileInfo dir(folder);
    if (folder.isEmpty() || !dir.isDir()) {
        m_error = QStringLiteral("The output folder does not exist: %1")
                      .arg(QDir::toNativeSeparators(folder));
        m_failure = BatchFailure::OutputFolderMissing;
        return;
    }
    if (kind == Kind::Anonymous && makeAnonymous())
        return;
    makeNamed();
}

bool StagedFile::makeAnonymous()
{
#ifdef Q_OS_LINUX
    raiseDescriptorLimit();
    const int fd =
        ::open(QFile::encodeName(m_folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false; // a file system without unnamed files, or no descriptor left
    const QString name = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (!QFileInfo(name).isFile()) {
        ::close(fd);
        return false;
    }
    m_descriptor = fd;
    m_path = name;
    return true;
#else
    return false;
#endif
}

bool StagedFile::makeNamed()
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name =
            QStringLiteral(".velmora-%1.part")
                .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        QFile file(QDir(m_folder).filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_path = file.fileName();
            return true;
        }
        if (!file.exists()) {
            m_error = QStringLiteral("Cannot write in %1: %2")
                          .arg(QDir::toNativeSeparators(m_folder), file.errorString());
            m_failure = batchsupport::writeFailure(m_folder);
            return false;
        }
    }
    m_error = QStringLiteral("Cannot create a temporary file in %1")
                  .arg(QDir::toNativeSeparators(m_folder));
    m_failure = BatchFailure::WriteFailed;
    return false;
}

StagedFile::~StagedFile()
{
#ifdef Q_OS_LINUX
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        return;
    }
#endif
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

int StagedFile::placeAt(const QString &to, QString *why)
{
#ifdef Q_OS_LINUX
    if (m_descriptor >= 0) {
        // Linking an unnamed file gives it the name only where none exists.
        if (::linkat(AT_FDCWD, QFile::encodeName(m_path).constData(), AT_FDCWD,
                     QFile::encodeName(to).constData(), AT_SYMLINK_FOLLOW) == 0) {
            ::close(m_descriptor);
            m_descriptor = -1;
            return int(fileplacement::Result::Placed);
        }
        if (errno == EEXIST)
            return int(fileplacement::Result::Exists);
        *why = QString::fromLocal8Bit(std::strerror(errno));
        return int(fileplacement::Result::Failed);
    }
#endif
    return int(fileplacement::moveWithoutReplacing(m_path, to, why));
}

bool StagedFile::replace(const QString &target)
{
    if (m_path.isEmpty() || refuseWhenCancelled())
        return false;
    if (QFileInfo::exists(target))
        QFile::setPermissions(m_path, QFile::permissions(target));
#ifdef Q_OS_LINUX
    if (m_descriptor >= 0) {
        // An unnamed file is given a hidden name beside the target first; rename then replaces
        // the target in one step.
        const QFileInfo info(target);
        QString why;
        bool named = false;
        for (int attempt = 0; attempt < 16 && !named; ++attempt) {
            const QString hidden = info.dir().filePath(
                QStringLiteral(".velmora-%1.part")
                    .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
            switch (fileplacement::Result(placeAt(hidden, &why))) {
            case fileplacement::Result::Placed:
                m_path = hidden;
                named = true;
                break;
            case fileplacement::Result::Exists:
                break;
            case fileplacement::Result::Failed:
                m_error = QStringLiteral("Cannot replace %1: %2")
                              .arg(QDir::toNativeSeparators(target), why);
                m_failure = batchsupport::writeFailure(m_folder);
                return false;
            }
        }
        if (!named) {
            m_error = QStringLiteral("Cannot replace %1").arg(QDir::toNativeSeparators(target));
            m_failure = BatchFailure::WriteFailed;
            return false;
        }
    }
#endif
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
    for (int step = 0; step < 100000; ++step) {
        const QString name = freename::numbered(target, step, freename::Counting::CountingOn);
        if (outputreservations::isReservedByOther(name, m_owner))
            continue;
        const QFileInfo info(name);
        if (info.exists() || info.isSymLink())
            continue;
        QString why;
        switch (fileplacement::Result(placeAt(name, &why))) {
        case fileplacement::Result::Placed:
            outputreservations::reserve(name, m_owner);
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
