#pragma once

#include "tooloptionspanel.h"

// Shows what the Office to PDF tool would do; it starts nothing.
class OfficeToPdfOptionsPanel : public ToolOptionsPanel
{
    Q_OBJECT

public:
    explicit OfficeToPdfOptionsPanel(QWidget *parent = nullptr);
};
