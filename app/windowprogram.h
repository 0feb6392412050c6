#pragma once

// The window lives in a program of its own beside the command-line one, so that a command-line
// run never loads the widget libraries.
namespace WindowProgram {

// Where the window's program is: beside this one in the build tree, in the private library
// folder once installed. Empty when neither holds it.
const char *path();

// Replaces this process with the window's program, with the same arguments. Returns only when
// that failed, with the exit code after saying why on standard error.
int replaceProcess(char *argv[]);

} // namespace WindowProgram
