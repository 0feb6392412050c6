#pragma once

#include "pdfeditorbackend.h"

#include <functional>

class StagedFile;

// Saving a signed document by appending its changes, so that its signatures stay valid.
namespace signedsave {

enum class Result { NotSigned, Written, Failed };

// Where pages can be appended to the signed file they come from, writes the file's bytes and
// the changes after them into a staged file in the target's folder and hands it to place.
// NotSigned when the source has no signature or the pages cannot be appended (the caller
// writes the document whole); Failed with error and message when a signed file could not be
// extended (nothing is written then: a signature is never broken silently).
Result write(const QList<PdfSourcePage> &pages, const QString &folder,
             const PdfWriteOptions &options, PdfBackendError *error, QString *message,
             const std::function<bool(StagedFile &)> &place);

} // namespace signedsave
