#include "revealinfolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#if VELMORA_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#endif

using namespace Qt::StringLiterals;

namespace RevealInFolder {

namespace {

Launcher &launcher()
{
    static Launcher l;
    return l;
}

bool launchDirectly(const Action &action)
{
    switch (action.kind) {
    case Action::StartProgram:
        return QProcess::startDetached(action.program, action.arguments);
    case Action::ShowItemsOverDBus: {
#if VELMORA_HAVE_DBUS
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return false;
        QDBusMessage call = QDBusMessage::createMethodCall(
            u"org.freedesktop.FileManager1"_s, u"/org/freedesktop/FileManager1"_s,
            u"org.freedesktop.FileManager1"_s, u"ShowItems"_s);
        call << QStringList{action.url.toString()} << QString();
        const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
        return reply.type() == QDBusMessage::ReplyMessage;
#else
        return false;
#endif
    }
    case Action::OpenFolder:
        return QDesktopServices::openUrl(action.url);
    }
    return false;
}

} // namespace

Action windowsCommand(const QString &path)
{
    Action action;
    action.kind = Action::StartProgram;
    action.program = u"explorer.exe"_s;
    action.arguments = {u"/select,"_s, QString(path).replace(u'/', u'\\')};
    return action;
}

QList<Action> actionsFor(const QString &path)
{
    if (path.isEmpty())
        return {};
#ifdef Q_OS_WIN
    return {windowsCommand(path)};
#else
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Action showItems;
    showItems.kind = Action::ShowItemsOverDBus;
    showItems.url = QUrl::fromLocalFile(absolute);
    Action openFolder;
    openFolder.kind = Action::OpenFolder;
    openFolder.url = QUrl::fromLocalFile(QFileInfo(absolute).absolutePath());
    return {showItems, openFolder};
#endif
}

void setLauncher(Launcher l)
{
    launcher() = std::move(l);
}

bool launch(const Action &action)
{
    return launcher() ? launcher()(action) : launchDirectly(action);
}

void reveal(const QString &path)
{
    for (const Action &action : actionsFor(path)) {
        if (launch(action))
            return;
    }
}

} // namespace RevealInFolder
