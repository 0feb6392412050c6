#pragma once

#include "batchoptionspanel.h"

class CardRadioButton;

// Compression level and what becomes of the original file.
class PdfCompressOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit PdfCompressOptionsPanel(QWidget *parent = nullptr);

protected:
    QVariantMap options() const override;

private:
    CardRadioButton *m_basic = nullptr;
    CardRadioButton *m_strong = nullptr;
};
