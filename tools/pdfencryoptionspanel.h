#pragma once

#include "batchoptionspanel.h"

class PasswordInput;
class QCheckBox;
class QLabel;
class QToolButton;

// The new password, entered twice, and what becomes of the originals; under "more options", an
// owner password of its own and what readers may do.
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
    QString ownerProblem() const;
    void updateOwnerFeedback();
    void addMoreOptions();
    void setMoreOptionsShown(bool shown);

    PasswordInput *m_password = nullptr;
    QLabel *m_passwordError = nullptr;
    PasswordInput *m_confirmation = nullptr;
    QLabel *m_confirmationError = nullptr;
    QToolButton *m_moreToggle = nullptr;
    QWidget *m_more = nullptr;
    PasswordInput *m_ownerPassword = nullptr;
    QLabel *m_ownerError = nullptr;
    QCheckBox *m_allowPrint = nullptr;
    QCheckBox *m_allowCopy = nullptr;
    QCheckBox *m_allowModify = nullptr;
};
