#pragma once

#include "batchtypes.h"

// Joins the request's PDFs, in order, into its output file. Each input's outline goes under a
// top-level bookmark named after the file; form fields of different inputs stay apart;
// annotations and links are kept.
class MergeTool final : public IPfdfTool
{
public:
    bool execute(const TaskRequest &request) override;
};
