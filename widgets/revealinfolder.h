#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Shows a file selected in the system file manager.
namespace RevealInFolder {

// One way of showing the file, tried in order until one works.
struct Action
{
    enum Kind {
        StartProgram,      // program with arguments, started detached
        ShowItemsOverDBus, // org.freedesktop.FileManager1.ShowItems with the file's URI
        OpenFolder,        // the containing folder in the default file manager
    };
    Kind kind = StartProgram;
    QString program;
    QStringList arguments;
    QUrl url;
};

// "explorer.exe" with "/select," and the path in Windows separators, as two arguments.
Action windowsCommand(const QString &path);
// What to try for path on this platform, best first; empty for an empty path.
QList<Action> actionsFor(const QString &path);

// Carries out an action; true when it was started. Tests replace it to observe the actions.
using Launcher = std::function<bool(const Action &)>;
void setLauncher(Launcher launcher);
bool launch(const Action &action);

// Tries the platform's actions in order; nothing happens for an empty path.
void reveal(const QString &path);

} // namespace RevealInFolder
