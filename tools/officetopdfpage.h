#pragma once

#include "officetoolpage.h"

// The Office to PDF tool.
class OfficeToPdfPage : public OfficeToolPage
{
    Q_OBJECT

public:
    explicit OfficeToPdfPage(QWidget *parent = nullptr);
};
