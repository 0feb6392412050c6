#include "windowprogram.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <process.h>
#include <qt_windows.h>
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace WindowProgram {
namespace {

#ifdef Q_OS_WIN
constexpr auto programName = "velmora-window.exe";
#else
constexpr auto programName = "velmora-window";
#endif

// No application object exists yet, so the folder of this program is read from the system.
QString ownFolder()
{
#ifdef Q_OS_WIN
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, DWORD(std::size(buffer)));
    return QFileInfo(QString::fromWCharArray(buffer, int(length))).absolutePath();
#else
    return QFileInfo(u"/proc/self/exe"_s).canonicalFilePath().section(u'/', 0, -2);
#endif
}

} // namespace

const char *path()
{
    static const QByteArray found = [] {
        const QString folder = ownFolder();
        const QString name = QString::fromLatin1(programName);
        for (const QString &candidate :
             QStringList{folder + u'/' + name, folder + u"/../lib/velmora/"_s + name}) {
            if (QFileInfo(candidate).isExecutable())
                return QFile::encodeName(QFileInfo(candidate).canonicalFilePath());
        }
        return QByteArray();
    }();
    return found.isEmpty() ? nullptr : found.constData();
}

int replaceProcess(char *argv[])
{
    const char *program = path();
    if (!program) {
        std::fprintf(stderr, "velmora: the window program (%s) is not installed beside %s\n",
                     programName, qPrintable(ownFolder()));
        return 1;
    }
#ifdef Q_OS_WIN
    // The arguments as Windows handed them, not as the local code page can spell them.
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    const QString widePath = QFile::decodeName(program);
    _wexecv(reinterpret_cast<const wchar_t *>(widePath.utf16()), wide);
#else
    execv(program, argv);
#endif
    std::fprintf(stderr, "velmora: cannot start %s: %s\n", program, std::strerror(errno));
    return 1;
}

} // namespace WindowProgram
