#pragma once

#include "batchoptionspanel.h"

class ModernComboBox;
class MoreOption;
class SelectButton;

// Page size, margins, orientation and single-file output for images to PDF.
class ImageToPdfOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit ImageToPdfOptionsPanel(QWidget *parent = nullptr);

protected:
    QVariantMap options() const override;

private:
    ModernComboBox *m_pageSize = nullptr;
    ModernComboBox *m_pageMargin = nullptr;
    SelectButton *m_portrait = nullptr;
    SelectButton *m_landscape = nullptr;
    MoreOption *m_singlePdf = nullptr;
};
