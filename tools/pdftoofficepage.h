#pragma once

#include "officetoolpage.h"

// The PDF to Office tool.
class PdfToOfficePage : public OfficeToolPage
{
    Q_OBJECT

public:
    explicit PdfToOfficePage(QWidget *parent = nullptr);
};
