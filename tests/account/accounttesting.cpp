#include "accounttesting.h"

#include "accountaddress.h"
#include "sessionvault.h"
#include "testcertificate.h"

#include <QFile>
#include <QSettings>
#include <QtDebug>

using namespace Qt::StringLiterals;

namespace AccountTesting {

const Person &alice()
{
    static const Person p{
        u"alice@example.com"_s, u"correct horse battery"_s, u"alice.w"_s, true, u"pro"_s,
        u"2027-03-01"_s};
    return p;
}

const Person &bob()
{
    static const Person p{
        u"bob.smith@example.com"_s, u"s3cret!"_s, QString(), false, QString(), QString()};
    return p;
}

const Person &carol()
{
    static const Person p{
        u"carol@example.com"_s, u"pa55word"_s, u"Carol"_s, true, u"team"_s, QString()};
    return p;
}

namespace {

const TestCertificate &certificate()
{
    static const TestCertificate certificate = [] {
        TestCertificate c = TestCertificate::create();
        if (c.error.isEmpty())
            c.trustInThisProcess();
        return c;
    }();
    return certificate;
}

std::unique_ptr<FakeAccountServer> start(bool tls)
{
    auto server = std::make_unique<FakeAccountServer>();
    if (tls && !certificate().error.isEmpty()) {
        qWarning() << "no test certificate:" << certificate().error;
        return nullptr;
    }
    const bool listening =
        tls ? server->listenTls(certificate().certificate, certificate().key) : server->listen();
    if (!listening) {
        qWarning() << "the local account service cannot listen:" << server->errorString();
        return nullptr;
    }
    for (const Person *p : {&alice(), &bob(), &carol()})
        server->addAccount({p->email, p->password, p->username, p->active, p->type, p->expiresAt});
    return server;
}

} // namespace

std::unique_ptr<FakeAccountServer> startServer()
{
    return start(true);
}

std::unique_ptr<FakeAccountServer> startPlainServer()
{
    return start(false);
}

void useService(const QUrl &base)
{
    qputenv(AccountAddress::environmentVariable, base.toString().toUtf8());
}

void resetStorage()
{
    QSettings settings;
    settings.clear();
    settings.sync();
    QFile::remove(SessionVault::keyFilePath());
}

QString settingsFilePath()
{
    return QSettings().fileName();
}

QByteArray settingsFileBytes()
{
    QSettings().sync();
    QFile file(settingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString storedSession()
{
    return QSettings().value(u"account/encryptedSession"_s).toString();
}

void storeSession(const QString &value)
{
    QSettings settings;
    settings.setValue(u"account/encryptedSession"_s, value);
    settings.sync();
}

} // namespace AccountTesting
