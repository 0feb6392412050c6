#include "fileplacement.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <linux/fs.h>
#include <sys/syscall.h>
#endif
#endif

namespace fileplacement {

#ifdef Q_OS_WIN

Result moveWithoutReplacing(const QString &from, const QString &to, QString *error)
{
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                    reinterpret_cast<const wchar_t *>(to.utf16()), MOVEFILE_WRITE_THROUGH))
        return Result::Placed;
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS)
        return Result::Exists;
    *error = QStringLiteral("error %1").arg(code);
    return Result::Failed;
}

#else

Result moveWithoutReplacing(const QString &from, const QString &to, QString *error)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
#if defined(Q_OS_LINUX) && defined(SYS_renameat2)
    if (::syscall(SYS_renameat2, AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                  RENAME_NOREPLACE) == 0)
        return Result::Placed;
    if (errno == EEXIST)
        return Result::Exists;
    if (errno != EINVAL && errno != ENOSYS) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return Result::Failed;
    }
#endif
    // A hard link is made only where no entry of that name exists.
    if (::link(source.constData(), target.constData()) != 0) {
        if (errno == EEXIST)
            return Result::Exists;
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return Result::Failed;
    }
    ::unlink(source.constData());
    return Result::Placed;
}

#endif

} // namespace fileplacement
