#pragma once

#include <QString>

#include <functional>

// The next free name for an output: "<stem>(n).<suffix>" beside the name asked for, the same rule
// for the tool pages, the engine's staged outputs and the page organiser's extracts.
namespace freename {

enum class Counting {
    FromOne,    // "a(1).pdf" is followed by "a(1)(1).pdf"
    CountingOn, // "a(1).pdf" is followed by "a(2).pdf"
};

// The n-th name after path (path itself for 0), in path's folder.
QString numbered(const QString &path, int n, Counting counting = Counting::FromOne);

// The first of path and its numbered names that taken() does not claim.
QString first(const QString &path, const std::function<bool(const QString &)> &taken,
              Counting counting = Counting::FromOne);

} // namespace freename
