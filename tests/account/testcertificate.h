#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>

// A throwaway self-signed certificate for 127.0.0.1, ::1 and localhost, made with the openssl
// command in a temporary folder.
struct TestCertificate
{
    QSslCertificate certificate;
    QSslKey key;
    QString error;

    static TestCertificate create();
    // Lets every TLS connection of this process trust the certificate.
    void trustInThisProcess() const;
};
