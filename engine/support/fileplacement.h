#pragma once

#include <QString>

// Moving a finished file onto its name without ever replacing what is there.
namespace fileplacement {

enum class Result { Placed, Exists, Failed };

// Moves from onto to in one step unless to exists (then Exists, nothing moved). Linux:
// renameat2(RENAME_NOREPLACE), or link() and unlink() where the file system lacks it; Windows:
// MoveFileExW without replacing. On Failed, *error says why.
Result moveWithoutReplacing(const QString &from, const QString &to, QString *error);

} // namespace fileplacement
