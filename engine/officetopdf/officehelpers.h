#pragma once

#include "officeconversion.h"

#include <QString>

#include <chrono>

// Warm offices: helper processes of ours that keep the office loaded and convert one document
// after another. At most one per core, each with its own profile; a helper is retired after a
// number of documents or once it holds too much memory, and idle ones end after a while.
namespace officehelpers {

// The helper program, or an empty string where there is none (the command is used then).
QString helperProgram();

// Converts source into pdf in a warm helper. Unavailable when no helper could be had; Unreadable
// or Crashed when the helper could not do this document (the command may still).
officeconversion::Result convert(const QString &source, const QString &pdf,
                                 std::chrono::milliseconds limit);

// Ends every idle helper now.
void shutDownIdle();

} // namespace officehelpers
