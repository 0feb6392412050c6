#pragma once

#include "tooloptionspanel.h"

class TypeButton;

// Shows the Office formats a PDF could be converted to; it starts nothing.
class PdfToOfficeOptionsPanel : public ToolOptionsPanel
{
    Q_OBJECT

public:
    explicit PdfToOfficeOptionsPanel(QWidget *parent = nullptr);

private:
    TypeButton *m_word = nullptr;
    TypeButton *m_excel = nullptr;
    TypeButton *m_powerPoint = nullptr;
};
