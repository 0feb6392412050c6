#pragma once

#include "batchtypes.h"

// Renders every page at 150 dpi into the request's output folder as "<base>_<n>.jpg" or .png,
// on all cores; or, with "saveAsSeparateFiles", writes the embedded images instead as
// "<base>_p<page>_<k>.<ext>", JPEG streams as they are. Nothing is left behind on failure.
class PdfToImageTool final : public IPfdfTool
{
public:
    bool execute(const TaskRequest &request) override;
};
