#pragma once

#include "batchoptionspanel.h"

class PasswordInput;
class QLabel;

// The password that opens the files, and what becomes of the originals.
class PdfDecryOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit PdfDecryOptionsPanel(QWidget *parent = nullptr);

protected:
    QVariantMap options() const override;

public:
    QString startBlocker() const override;

private:
    void onPasswordChanged(const QString &text);

    PasswordInput *m_password = nullptr;
    QLabel *m_passwordError = nullptr;
};
