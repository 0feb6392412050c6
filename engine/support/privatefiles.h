#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

// Files installed beside the program in its private folder (lib/velmora): helpers and modules.
namespace privatefiles {

// Where name may be, in order: a path the environment variable forces (alone), the private
// folder as seen from bin/ (the command line), the program's own folder (the window's program,
// which lives in the private folder), then the build tree's copy.
QStringList places(const QString &name, const char *forcingVariable, const QString &built);

// Loads the first module of those places that exists (never unloaded) and resolves symbol in
// it; null with the reason in *failure when none could be.
QFunctionPointer resolve(const QString &name, const char *forcingVariable, const QString &built,
                         const char *symbol, QLibrary::LoadHints hints, QString *failure);

} // namespace privatefiles
