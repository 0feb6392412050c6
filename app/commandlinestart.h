#pragma once

#include <optional>

class CommandLine;

// The start of every run, before anything of the window exists.
namespace Startup {

// Names and version, which settings, the command line and the single-instance socket rely on.
void nameApplication();

// Runs --convert-to and --ocr (the batch engine's work) to their exit code.
using Conversion = int (*)(const CommandLine &line);

// Answers --help and --version, runs the command-line verbs, and reports usage errors, before
// any window or display is needed. Returns the exit code when the process should end now.
// Without convert, conversions continue in the window's program, which carries the batch engine.
std::optional<int> runInformationalOptions(int argc, char *argv[], Conversion convert = nullptr);

// Where no display server can be reached, says so and returns 1, before Qt would abort the
// process for want of its platform.
std::optional<int> refuseWithoutDisplay(int argc, char *argv[]);

} // namespace Startup
