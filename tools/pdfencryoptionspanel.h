#pragma once

#include "batchoptionspanel.h"

class PasswordInput;
class QLabel;

// The new password, entered twice, and what becomes of the originals.
class PdfEncryOptionsPanel : public BatchOptionsPanel
{
    Q_OBJECT

public:
    explicit PdfEncryOptionsPanel(QWidget *parent = nullptr);

protected:
    QVariantMap options() const override;

public:
    QString startBlocker() const override;

private:
    void onPasswordChanged(const QString &text);
    void onConfirmationChanged(const QString &text);
    void compare();

    PasswordInput *m_password = nullptr;
    QLabel *m_passwordError = nullptr;
    PasswordInput *m_confirmation = nullptr;
    QLabel *m_confirmationError = nullptr;
};
