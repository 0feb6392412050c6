#pragma once

#include <QString>

namespace BenchSupport {

// A field of /proc/self/status in KiB ("VmRSS:" now, "VmHWM:" the peak); -1 when unreadable.
qint64 residentKiB(const char *field);

// Writes an A4 text document of the given length: a heading every sectionPages pages, sixty
// lines of the sentence and a coloured block per page, so every page costs about the same to draw.
bool writeLongDocument(const QString &path, int pages, const QString &heading, int sectionPages,
                       const QString &sentence);

} // namespace BenchSupport
