#pragma once

#include <QString>

// Output names promised to jobs that have not finished, process-wide: a job never takes a name
// another unfinished job was given. Names compare as the most forgiving file system would.
namespace outputreservations {

// False when another owner holds the name already.
bool reserve(const QString &path, const QString &owner);
bool isReservedByOther(const QString &path, const QString &owner);
void release(const QString &owner);

} // namespace outputreservations
