#pragma once

#include "batchoptionspanel.h"

class MoreOption;

// Whether merging puts a blank page between the files.
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
