#pragma once

class CommandLine;

// `velmora --compress|--ocr|--convert-to pdf|... [--outdir DIR] FILE...`: the tool pages' jobs
// without a window.
namespace CommandLineConversion {

// Converts every file of the command line, one line per file written on standard output, the
// reason for each failure on standard error. Returns 0 when all succeeded, 1 otherwise.
int run(const CommandLine &line);

} // namespace CommandLineConversion
