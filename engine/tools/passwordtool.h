#pragma once

#include "batchtypes.h"

// Encrypt (AES-256, the password as user and owner password) or unlock (user or owner password,
// output unencrypted) one PDF, replacing it or writing "<base>.pdf", "<base>(1).pdf", ... into
// the request's output folder.
class PasswordTool final : public IPfdfTool
{
public:
    enum class Mode { Encrypt, Decrypt };
    explicit PasswordTool(Mode mode);
    bool execute(const TaskRequest &request) override;

private:
    Mode m_mode;
};
