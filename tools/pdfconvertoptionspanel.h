#pragma once

#include "batchoptionspanel.h"

class ModernComboBox;
class MoreOption;

// Image format, and whether to extract the embedded images instead of rendering pages.
class PdfConvertOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit PdfConvertOptionsPanel(QWidget *parent = nullptr);

protected:
    QVariantMap options() const override;

private:
    ModernComboBox *m_format = nullptr;
    MoreOption *m_separateImages = nullptr;
};
