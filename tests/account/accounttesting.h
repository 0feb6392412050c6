#pragma once

#include "fakeaccountserver.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <memory>

// What the account tests share: the local service with its accounts, and clean storage.
namespace AccountTesting {

struct Person
{
    QString email;
    QString password;
    QString username;
    bool active;
    QString type;
    QString expiresAt;
};

// Signed up with a username and a subscription that ends on a given day.
const Person &alice();
// No username, free account.
const Person &bob();
// An active subscription without an end date.
const Person &carol();

// A local service over TLS with a throwaway certificate this process trusts, holding the three
// people above. Null (with a warning) when it cannot start.
std::unique_ptr<FakeAccountServer> startServer();
// The same over plain http.
std::unique_ptr<FakeAccountServer> startPlainServer();

// Points the program's account service at base through the environment override.
void useService(const QUrl &base);

// Forgets every setting and the session key.
void resetStorage();
QString settingsFilePath();
QByteArray settingsFileBytes();
QString storedSession();
void storeSession(const QString &value);

} // namespace AccountTesting
