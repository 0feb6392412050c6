#pragma once

#include <QString>
#include <QUrl>

// Where the account service lives. A deployment writes its origin to the settings
// ("account/serviceUrl"); the environment variable VELMORA_ACCOUNT_SERVICE_URL overrides that for
// tests and local development. Without either, the built-in default is used.
namespace AccountAddress {

inline constexpr char environmentVariable[] = "VELMORA_ACCOUNT_SERVICE_URL";
QString settingsKey();
QUrl defaultBaseUrl();

// The configured base address without a trailing slash. It may still be unacceptable.
QUrl baseUrl();

// Credentials travel only over https, or over plain http to this machine (local testing).
bool isAcceptable(const QUrl &base);
bool isLoopbackHost(const QString &host);

// base with path appended to its own path.
QUrl endpoint(const QUrl &base, QStringView path);

} // namespace AccountAddress
