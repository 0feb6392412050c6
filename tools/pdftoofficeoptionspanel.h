#pragma once

#include "batchoptionspanel.h"

class TypeButton;

// Options of the PDF to Office tool: which Office file each PDF becomes, and where it goes.
class PdfToOfficeOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit PdfToOfficeOptionsPanel(QWidget *parent = nullptr);

    OfficeFormat format() const;

protected:
    QVariantMap options() const override;

private:
    TypeButton *m_word = nullptr;
    TypeButton *m_excel = nullptr;
    TypeButton *m_powerPoint = nullptr;
};
