#pragma once

#include "batchoptionspanel.h"

class MoreOption;

// Merging has no options of its own; the "blank pages" choice is shown but not acted on.
class PdfMergeOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit PdfMergeOptionsPanel(QWidget *parent = nullptr);

protected:
    QVariantMap options() const override;

private:
    MoreOption *m_blank = nullptr;
};
