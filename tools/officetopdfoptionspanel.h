#pragma once

#include "batchoptionspanel.h"

class QLabel;

// Options of the Office to PDF tool: what it does, where the PDFs go, and, when no office suite
// is installed, how to install one.
class OfficeToPdfOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit OfficeToPdfOptionsPanel(QWidget *parent = nullptr);

    QString startBlocker() const override;

protected:
    QVariantMap options() const override;
    void showEvent(QShowEvent *event) override;

private:
    // Looks for the office suite again (it may have been installed meanwhile).
    void updateOfficeNote();

    QLabel *m_missingOffice = nullptr;
    bool m_officeFound = false;
};
