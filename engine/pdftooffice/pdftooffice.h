#pragma once

#include "taskrequest.h"

#include <QString>

// PDF to Word, Excel or PowerPoint by our own layout analysis.
namespace pdftooffice {

QString suffix(OfficeFormat format);
// The batch job: request.inputFile into request.outputPath by the output rule.
bool convert(const TaskRequest &request);

} // namespace pdftooffice
