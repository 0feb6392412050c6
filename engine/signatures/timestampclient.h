#pragma once

#include <QByteArray>
#include <QString>

// Asks an RFC 3161 timestamp authority to stamp a digest (SHA-256), over HTTP(S); blocks the
// calling thread (a worker's) up to the time limit.
namespace timestampclient {

// The time-stamp token (DER ContentInfo) on success; empty with an English *message otherwise.
QByteArray request(const QString &url, const QByteArray &sha256, QString *message,
                   int timeoutMs = 30000);

} // namespace timestampclient
