#include "commandlinestart.h"

#include "commandline.h"
#include "commandlinesignatures.h"
#include "languagemanager.h"
#include "windowprogram.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace Startup {

void nameApplication()
{
    QCoreApplication::setApplicationName(u"Velmora"_s);
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
}

std::optional<int> runInformationalOptions(int argc, char *argv[], Conversion convert)
{
    // Qt's own options are the application object's to take; they are no usage error here.
    static const QStringList qtWithValue = {
        u"-platform"_s,        u"-platformpluginpath"_s, u"-platformtheme"_s, u"-plugin"_s,
        u"-qwindowgeometry"_s, u"-qwindowicon"_s,        u"-qwindowtitle"_s,  u"-session"_s,
        u"-display"_s,         u"-geometry"_s,           u"-style"_s,         u"-stylesheet"_s,
        u"-qmljsdebugger"_s};
    static const QStringList qtFlags = {u"-reverse"_s, u"-widgetcount"_s, u"-nograb"_s,
                                        u"-dograb"_s, u"-sync"_s};
    QStringList raw;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (i > 0 && qtWithValue.contains(argument)) {
            ++i;
            continue;
        }
        if (i > 0 && (qtFlags.contains(argument) || argument.startsWith(u"-style="_s)))
            continue;
        raw.append(argument);
    }
    CommandLine line = CommandLine::parse(raw, QDir::currentPath());
    if (line.action == CommandLine::Action::Open)
        return std::nullopt;
    if (line.action == CommandLine::Action::Convert && !convert)
        return WindowProgram::replaceProcess(argv);
    // No display needed: a console application answers, in the saved language.
    QCoreApplication core(argc, argv);
    nameApplication();
    LanguageManager::instance().loadSaved();
    line = CommandLine::parse(raw, QDir::currentPath());
    if (line.action == CommandLine::Action::Error) {
        fputs(qPrintable(line.message + u'\n'), stderr);
        fputs(qPrintable(CommandLine::tr("用 --help 查看可用的选项。") + u'\n'), stderr);
        return 2;
    }
    if (line.action == CommandLine::Action::Convert)
        return convert(line);
    if (line.action == CommandLine::Action::Verify)
        return CommandLineSignatures::verify(line);
    if (line.action == CommandLine::Action::Sign)
        return CommandLineSignatures::sign(line);
    fputs(qPrintable(line.message + u'\n'), stdout);
    return 0;
}

std::optional<int> refuseWithoutDisplay(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0)
            return std::nullopt;
    }
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland"_s)
        return std::nullopt;
    QCoreApplication core(argc, argv);
    nameApplication();
    LanguageManager::instance().loadSaved();
    fputs(qPrintable(CommandLine::tr("没有可用的显示器：窗口需要图形会话（DISPLAY 或 "
                                     "WAYLAND_DISPLAY）。命令行功能无需显示器，见 --help。") +
                     u'\n'),
          stderr);
    return 1;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return std::nullopt;
#endif
}

} // namespace Startup
