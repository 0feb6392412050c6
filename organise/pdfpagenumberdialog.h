#pragma once

#include "pdfpageentry.h"

#include <QDialog>

#include <optional>

class ModernComboBox;
class QSpinBox;

// Asks where and how page numbers go: position, format, first number and size.
class PdfPageNumberDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PdfPageNumberDialog(QWidget *parent = nullptr);

    PdfPageNumbering numbering() const;
    void setNumbering(const PdfPageNumbering &numbering);

    // The chosen numbering, or none when cancelled (always none in scripted tests).
    static std::optional<PdfPageNumbering> ask(QWidget *parent, const PdfPageNumbering &initial);

protected:
    void showEvent(QShowEvent *event) override;

private:
    ModernComboBox *m_position = nullptr;
    ModernComboBox *m_format = nullptr;
    QSpinBox *m_firstNumber = nullptr;
    QSpinBox *m_fontSize = nullptr;
};
