#pragma once

class CommandLine;

// `velmora --verify FILE...` and `velmora --sign --cert FILE.p12 … FILE.pdf` without a window.
namespace CommandLineSignatures {

// One line per signature (file, field, signer, verdict) on standard output. Returns 0 when
// every signature of every file is intact (changes after signing within what it allows),
// 1 when one is invalid, changed beyond its permissions, unreadable, or a file has none.
int verify(const CommandLine &line);

// Signs every file into a new file, one line per file written; reasons on standard error.
// The certificate's password comes from VELMORA_CERT_PASSWORD or the first line of standard
// input. Returns 0 when all were signed, 1 otherwise.
int sign(const CommandLine &line);

} // namespace CommandLineSignatures
