#pragma once

#include "taskrequest.h"

// Images to PDF: every image of the request on a page of its own, in list order, fitted inside
// the margins and centred. JPEG files are embedded as they are; other formats losslessly, with
// their alpha channel as a soft mask. EXIF orientation is honoured.
namespace imageconversion {

bool imagesToPdf(const TaskRequest &request);

} // namespace imageconversion
