#pragma once

#include <QByteArray>
#include <QString>

// Seals the stored account session so that only the same user on the same machine can open it:
// Windows data protection there; elsewhere libsodium's secretbox under a random per-user key kept
// in a file (mode 0600) in the application's configuration folder.
class SessionVault
{
public:
    // Empty when sealing fails.
    static QByteArray seal(const QByteArray &plain);
    // Empty when the data was sealed elsewhere, was changed, or the key is gone.
    static QByteArray open(const QByteArray &sealed);

#ifndef Q_OS_WIN
    static QString keyFilePath();
#endif
};
