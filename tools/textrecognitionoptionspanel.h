#pragma once

#include "batchoptionspanel.h"

class QCheckBox;
class QLabel;

// Options of searchable scans: the languages to read, whether pages that already have text are
// read too, and where the results go.
class TextRecognitionOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit TextRecognitionOptionsPanel(QWidget *parent = nullptr);

    QString startBlocker() const override;
    // The languages ticked, tesseract codes joined by '+'.
    QString languages() const;

protected:
    QVariantMap options() const override;

private:
    QList<QCheckBox *> m_languages;
    QCheckBox *m_force = nullptr;
    QLabel *m_missingData = nullptr;
};
