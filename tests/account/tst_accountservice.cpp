#include "accountaddress.h"
#include "accountservice.h"
#include "accounttesting.h"
#include "sessionvault.h"
#include "testregistry.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace AccountTesting;

namespace {

// Settings and the session key live in a folder of this run only.
void useScratchConfig()
{
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
}

void nameApplication()
{
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setApplicationName(u"Velmora"_s);
}

const QString loginPath = u"/api/desktop/auth/login"_s;
const QString mePath = u"/api/desktop/me"_s;
const QString logoutPath = u"/api/desktop/auth/logout"_s;

const QString expiredText = u"Your sign-in has expired. Please sign in again."_s;
const QString incompleteText = u"The account service returned incomplete account information."_s;
const QString invalidSessionText = u"The account service returned an invalid session."_s;
const QString invalidResponseText = u"The account service returned an invalid response."_s;

FakeAccountServer::Reply json(int status, const QByteArray &body)
{
    return {status, body, {{"Content-Type", "application/json"}}};
}

QByteArray randomKey()
{
    QByteArray key(32, '\0');
    QRandomGenerator::global()->generate(key.begin(), key.end());
    return key;
}

bool writeKeyFile(const QByteArray &key)
{
    QFile file(SessionVault::keyFilePath());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(key) == key.size();
}

// Every message the account code logs while it lives.
class LogCapture
{
public:
    LogCapture()
    {
        s_lines.clear();
        QLoggingCategory::setFilterRules(u"velmora.account*=true"_s);
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    static QStringList lines() { return s_lines; }

private:
    static void handle(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        s_lines.append(message);
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};

} // namespace

class TestAccountService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void baseAddress_data();
    void baseAddress();
    void insecureAddressNeverGetsThePassword();

    void loginSendsNormalisedRequest();
    void loginWhileBusyDoesNothing();
    void emptyFieldsAskForBoth_data();
    void emptyFieldsAskForBoth();
    void replyHandling_data();
    void replyHandling();
    void redirects_data();
    void redirects();

    void logoutSendsTokenAndForgetsSession();
    void logoutWithoutTokenSendsNothing();
    void logoutAbortsPendingRequest_data();
    void logoutAbortsPendingRequest();

    void sessionSurvivesRestart();
    void sessionUnreadableWithAnotherKey();
    void damagedStoredSessionIsDropped_data();
    void damagedStoredSessionIsDropped();
    void keyFileIsPrivate();
    void secretsStayOutOfTheLog();

private:
    // A signed-in service (as alice unless told otherwise).
    std::unique_ptr<AccountService> signedIn(const Person &person = alice());
    bool waitIdle(AccountService &service);

    std::unique_ptr<FakeAccountServer> m_server;
};

void TestAccountService::initTestCase()
{
    m_server = startServer();
    QVERIFY(m_server);
}

void TestAccountService::init()
{
    resetStorage();
    useService(m_server->baseUrl());
    m_server->setHolding(false);
    m_server->revokeTokens();
    m_server->clearRequests();
}

bool TestAccountService::waitIdle(AccountService &service)
{
    return QTest::qWaitFor([&] { return !service.isBusy(); });
}

std::unique_ptr<AccountService> TestAccountService::signedIn(const Person &person)
{
    auto service = std::make_unique<AccountService>();
    service->login(person.email, person.password);
    if (!waitIdle(*service) || !service->isSignedIn())
        qWarning() << "sign-in failed:" << service->errorMessage();
    m_server->clearRequests();
    return service;
}

void TestAccountService::baseAddress_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("https") << u"https://accounts.example.com"_s << u"https://accounts.example.com"_s
                           << true;
    QTest::newRow("trailing slashes") << u"https://accounts.example.com/desk//"_s
                                      << u"https://accounts.example.com/desk"_s << true;
    QTest::newRow("http loopback v4")
        << u"http://127.0.0.1:8080"_s << u"http://127.0.0.1:8080"_s << true;
    QTest::newRow("http loopback v6") << u"http://[::1]:8080"_s << u"http://[::1]:8080"_s << true;
    QTest::newRow("http localhost") << u"http://LOCALHOST:9"_s << u"http://localhost:9"_s << true;
    QTest::newRow("http elsewhere")
        << u"http://accounts.example.com"_s << u"http://accounts.example.com"_s << false;
    QTest::newRow("http private net")
        << u"http://192.168.1.10"_s << u"http://192.168.1.10"_s << false;
    QTest::newRow("http any address") << u"http://0.0.0.0:80"_s << u"http://0.0.0.0:80"_s << false;
    QTest::newRow("loopback look-alike")
        << u"http://127.0.0.1.example.com"_s << u"http://127.0.0.1.example.com"_s << false;
    QTest::newRow("user info") << u"https://me:pw@accounts.example.com"_s
                               << u"https://me:pw@accounts.example.com"_s << false;
    QTest::newRow("other scheme") << u"ftp://accounts.example.com"_s
                                  << u"ftp://accounts.example.com"_s << false;
    QTest::newRow("no host") << u"https:///path"_s << u"https:///path"_s << false;
    QTest::newRow("default") << QString() << AccountAddress::defaultBaseUrl().toString() << true;
}

void TestAccountService::baseAddress()
{
    QFETCH(QString, configured);
    QFETCH(QString, base);
    QFETCH(bool, acceptable);

    // The settings value, unless the environment says otherwise.
    qunsetenv(AccountAddress::environmentVariable);
    QSettings().setValue(AccountAddress::settingsKey(), configured);
    QCOMPARE(AccountAddress::baseUrl().toString(), base);
    QCOMPARE(AccountAddress::isAcceptable(AccountAddress::baseUrl()), acceptable);

    useService(QUrl(u"https://override.example.net"_s));
    QCOMPARE(AccountAddress::baseUrl(), QUrl(u"https://override.example.net"_s));
}

void TestAccountService::insecureAddressNeverGetsThePassword()
{
    // 0.0.0.0 reaches this machine without being a loopback name: the plain server would get
    // the password if the rule let it through.
    const auto plain = startPlainServer();
    QVERIFY(plain);
    QUrl reachable = plain->baseUrl();
    reachable.setHost(u"0.0.0.0"_s);
    useService(reachable);

    AccountService service;
    QSignalSpy busy(&service, &AccountService::busyChanged);
    service.login(alice().email, alice().password);
    QVERIFY(!service.isBusy());
    QVERIFY(busy.isEmpty());
    QVERIFY(!service.errorMessage().isEmpty());
    QVERIFY(service.findChildren<QNetworkReply *>().isEmpty());

    // The same server under its loopback address is used.
    useService(plain->baseUrl());
    service.login(alice().email, alice().password);
    QVERIFY(waitIdle(service));
    QVERIFY(service.isSignedIn());
    QCOMPARE(plain->requests(loginPath).size(), 1);
}

void TestAccountService::loginSendsNormalisedRequest()
{
    AccountService service;
    QSignalSpy busy(&service, &AccountService::busyChanged);
    service.login(u"  Alice@Example.COM \t"_s, alice().password);
    QVERIFY(waitIdle(service));

    const QList<FakeAccountServer::Request> sent = m_server->requests(loginPath);
    QCOMPARE(sent.size(), 1);
    const FakeAccountServer::Request &request = sent.first();
    QCOMPARE(request.method, "POST"_ba);
    QCOMPARE(request.header("content-type"), "application/json"_ba);
    QCOMPARE(request.header("accept"), "application/json"_ba);
    QCOMPARE(request.header("user-agent"), "Velmora-Desktop/1.0"_ba);
    QVERIFY(request.header("authorization").isEmpty());
    const QJsonObject body = request.json();
    QCOMPARE(body.value(u"email"_s).toString(), alice().email);
    QCOMPARE(body.value(u"password"_s).toString(), alice().password);
    QVERIFY(QRegularExpression(u"^velmora-[0-9a-f]{8,180}$"_s)
                .match(body.value(u"device_id"_s).toString())
                .hasMatch());
    const QString deviceName = body.value(u"device_name"_s).toString();
    QVERIFY(!deviceName.isEmpty() && deviceName.size() <= 80);

    QCOMPARE(busy.size(), 2);
    QCOMPARE(busy.at(0).at(0).toBool(), true);
    QCOMPARE(busy.at(1).at(0).toBool(), false);
    QVERIFY(service.isSignedIn());
    QCOMPARE(service.errorMessage(), QString());
    QCOMPARE(service.email(), alice().email);
    QCOMPARE(service.username(), alice().username);
    QVERIFY(service.entitlementActive());
    QCOMPARE(service.entitlementType(), alice().type);
    QCOMPARE(service.entitlementExpiresAt(), alice().expiresAt);
    QCOMPARE(m_server->activeTokens(), QStringList{service.token()});

    // Refreshing sends the issued token.
    service.refresh();
    QVERIFY(waitIdle(service));
    const QList<FakeAccountServer::Request> refreshes = m_server->requests(mePath);
    QCOMPARE(refreshes.size(), 1);
    QCOMPARE(refreshes.first().method, "GET"_ba);
    QCOMPARE(refreshes.first().header("authorization"), "Bearer "_ba + service.token().toUtf8());
    QCOMPARE(refreshes.first().header("user-agent"), "Velmora-Desktop/1.0"_ba);
}

void TestAccountService::loginWhileBusyDoesNothing()
{
    auto service = signedIn();
    m_server->setHolding(true);
    service->refresh();
    QTRY_COMPARE(m_server->requests(mePath).size(), 1);

    QSignalSpy errors(service.get(), &AccountService::errorChanged);
    service->login(bob().email, bob().password);
    service->refresh();
    m_server->releaseHeld();
    QVERIFY(waitIdle(*service));

    QVERIFY(errors.isEmpty());
    QCOMPARE(service->email(), alice().email);
    QVERIFY(m_server->requests(loginPath).isEmpty());
    QCOMPARE(m_server->requests(mePath).size(), 1);
}

void TestAccountService::emptyFieldsAskForBoth_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::newRow("no password") << alice().email << QString();
    QTest::newRow("blank e-mail") << u"   "_s << alice().password;
    QTest::newRow("neither") << QString() << QString();
}

void TestAccountService::emptyFieldsAskForBoth()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    AccountService service;
    QSignalSpy errors(&service, &AccountService::errorChanged);
    service.login(email, password);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(service.errorMessage(), u"Enter your email address and password."_s);
    QVERIFY(!service.isBusy());
    QVERIFY(service.findChildren<QNetworkReply *>().isEmpty());
}

void TestAccountService::replyHandling_data()
{
    QTest::addColumn<bool>("refreshing");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("signedInAfter");
    QTest::addColumn<QString>("error");

    const QByteArray user = R"("user":{"email":"alice@example.com","username":"alice.w"})";
    QTest::newRow("login without expires_at")
        << false << 200 << R"({"token":"t1",)" + user + "}" << false << invalidSessionText;
    QTest::newRow("login without token")
        << false << 200 << R"({"expires_at":"2030-01-01T00:00:00Z",)" + user + "}" << false
        << invalidSessionText;
    QTest::newRow("login 401 uses the service's text")
        << false << 401 << R"({"error":"Incorrect email address or password."})"_ba << false
        << u"Incorrect email address or password."_s;
    QTest::newRow("login 500 padded error")
        << false << 500 << R"({"error":"  Down for maintenance. \n"})"_ba << false
        << u"Down for maintenance."_s;
    QTest::newRow("login unparsable 200")
        << false << 200 << "<html>oops</html>"_ba << false << incompleteText;
    QTest::newRow("login 200 without e-mail")
        << false << 200 << R"({"token":"t","expires_at":"x","user":{"username":"a"}})"_ba << false
        << incompleteText;
    QTest::newRow("refresh 401 signs out")
        << true << 401 << R"({"error":"gone"})"_ba << false << expiredText;
    QTest::newRow("refresh 401 without body")
        << true << 401 << QByteArray() << false << expiredText;
    QTest::newRow("refresh 500 keeps session")
        << true << 500 << R"({"error":"Busy, retry."})"_ba << true << u"Busy, retry."_s;
    QTest::newRow("refresh unparsable 200") << true << 200 << "{"_ba << true << incompleteText;
    QTest::newRow("refresh error is not an object")
        << true << 503 << R"(["error"])"_ba << true << u"*Service Unavailable*"_s;
}

void TestAccountService::replyHandling()
{
    QFETCH(bool, refreshing);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, signedInAfter);
    QFETCH(QString, error);

    auto service = refreshing ? signedIn() : std::make_unique<AccountService>();
    const QString storedBefore = storedSession();
    QCOMPARE(storedBefore.isEmpty(), !refreshing);

    m_server->queueReply(refreshing ? mePath : loginPath, json(status, body));
    QSignalSpy errors(service.get(), &AccountService::errorChanged);
    if (refreshing)
        service->refresh();
    else
        service->login(alice().email, alice().password);
    QVERIFY(waitIdle(*service));

    QCOMPARE(service->isSignedIn(), signedInAfter);
    if (error.startsWith(u'*'))
        QVERIFY2(service->errorMessage().contains(error.mid(1).chopped(1)),
                 qPrintable(service->errorMessage()));
    else
        QCOMPARE(service->errorMessage(), error);
    QCOMPARE(errors.size(), 1);
    // What is stored follows the session.
    QCOMPARE(storedSession().isEmpty(), !signedInAfter);
    if (signedInAfter) {
        QCOMPARE(storedSession(), storedBefore);
        QCOMPARE(service->email(), alice().email);
    }
}

void TestAccountService::redirects_data()
{
    QTest::addColumn<bool>("refreshing");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("followed");
    QTest::newRow("login, same origin") << false << u"same"_s << 307 << true;
    QTest::newRow("login, relative") << false << u"relative"_s << 307 << true;
    QTest::newRow("login, https to http") << false << u"plain"_s << 307 << false;
    QTest::newRow("login, other origin") << false << u"other"_s << 307 << false;
    QTest::newRow("login, other origin 302") << false << u"other"_s << 302 << false;
    QTest::newRow("refresh, same origin") << true << u"same"_s << 302 << true;
    QTest::newRow("refresh, other origin") << true << u"other"_s << 307 << false;
    QTest::newRow("refresh, https to http") << true << u"plain"_s << 301 << false;
}

void TestAccountService::redirects()
{
    QFETCH(bool, refreshing);
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(bool, followed);

    const auto plain = startPlainServer();
    const auto other = startServer();
    QVERIFY(plain && other);
    const QString path = refreshing ? mePath : loginPath;
    const auto location = [&](const QString &to) {
        if (target == u"relative"_s)
            return to.toUtf8();
        const QUrl base = target == u"plain"_s   ? plain->baseUrl()
                          : target == u"other"_s ? other->baseUrl()
                                                 : m_server->baseUrl();
        return AccountAddress::endpoint(base, to).toEncoded();
    };

    auto service = refreshing ? signedIn() : std::make_unique<AccountService>();
    m_server->queueReply(path, {status, {}, {{"Location", location(path)}}});
    if (refreshing)
        service->refresh();
    else
        service->login(alice().email, alice().password);
    QVERIFY(waitIdle(*service));

    // A refused redirect is reported and changes nothing else.
    QCOMPARE(service->isSignedIn(), followed || refreshing);
    QCOMPARE(service->errorMessage(),
             followed ? QString()
                      : u"The account service redirected to an address that is not allowed."_s);
    const QList<FakeAccountServer::Request> sent = m_server->requests(path);
    QCOMPARE(sent.size(), followed ? 2 : 1);
    if (followed && !refreshing)
        QCOMPARE(sent.last().json().value(u"password"_s).toString(), alice().password);
    if (followed && refreshing)
        QCOMPARE(sent.last().header("authorization"), "Bearer "_ba + service->token().toUtf8());
    // Neither the password nor the token went anywhere else.
    QVERIFY(plain->requests().isEmpty());
    QVERIFY(other->requests().isEmpty());

    if (refreshing) {
        // Signing out is held to the same rule.
        m_server->queueReply(logoutPath, {307, {}, {{"Location", location(logoutPath)}}});
        service->logout();
        QTRY_COMPARE(m_server->requests(logoutPath).size(), followed ? 2 : 1);
        QVERIFY(plain->requests().isEmpty());
        QVERIFY(other->requests().isEmpty());
    }
}

void TestAccountService::logoutSendsTokenAndForgetsSession()
{
    auto service = signedIn();
    const QString token = service->token();
    QVERIFY(!storedSession().isEmpty());

    QSignalSpy changed(service.get(), &AccountService::accountChanged);
    service->logout();
    QVERIFY(!service->isSignedIn());
    QVERIFY(!changed.isEmpty());
    QCOMPARE(service->email(), QString());
    QCOMPARE(service->entitlementType(), u"free"_s);
    QVERIFY(!service->entitlementActive());
    QVERIFY(storedSession().isEmpty());
    QVERIFY(!settingsFileBytes().contains("encryptedSession"));

    QTRY_COMPARE(m_server->requests(logoutPath).size(), 1);
    const FakeAccountServer::Request request = m_server->requests(logoutPath).first();
    QCOMPARE(request.method, "POST"_ba);
    QCOMPARE(request.body, "{}"_ba);
    QCOMPARE(request.header("authorization"), "Bearer "_ba + token.toUtf8());
    QTRY_VERIFY(!m_server->activeTokens().contains(token));
}

void TestAccountService::logoutWithoutTokenSendsNothing()
{
    AccountService service;
    QSignalSpy changed(&service, &AccountService::accountChanged);
    service.logout();
    QVERIFY(service.findChildren<QNetworkReply *>().isEmpty());
    QVERIFY(!changed.isEmpty());

    // Anything sent before this sign-in would have reached the service first.
    service.login(bob().email, bob().password);
    QVERIFY(waitIdle(service));
    QVERIFY(service.isSignedIn());
    QVERIFY(m_server->requests(logoutPath).isEmpty());
}

void TestAccountService::logoutAbortsPendingRequest_data()
{
    QTest::addColumn<bool>("refreshing");
    QTest::newRow("refresh") << true;
    QTest::newRow("login") << false;
}

void TestAccountService::logoutAbortsPendingRequest()
{
    QFETCH(bool, refreshing);
    auto service = refreshing ? signedIn() : std::make_unique<AccountService>();
    const QString token = service->token();
    const QString path = refreshing ? mePath : loginPath;
    m_server->setHolding(true);
    QSignalSpy gaveUp(m_server.get(), &FakeAccountServer::clientGaveUp);
    if (refreshing)
        service->refresh();
    else
        service->login(carol().email, carol().password);
    QTRY_COMPARE(m_server->heldCount(), 1);
    QVERIFY(service->isBusy());

    QSignalSpy busy(service.get(), &AccountService::busyChanged);
    service->logout();
    // The handler saw the cancellation at once and reported no failure.
    QCOMPARE(busy.size(), 1);
    QVERIFY(!service->isBusy());
    QVERIFY(!service->isSignedIn());
    QCOMPARE(service->errorMessage(), QString());
    QTRY_COMPARE(gaveUp.size(), 1);
    QCOMPARE(gaveUp.first().first().toString(), path);

    // Signing out still reached the service; the held answer reaches no one.
    QTRY_COMPARE(m_server->requests(logoutPath).size(), refreshing ? 1 : 0);
    if (refreshing)
        QTRY_VERIFY(!m_server->activeTokens().contains(token));
    m_server->releaseHeld();
    QVERIFY(!service->isSignedIn());
    QVERIFY(storedSession().isEmpty());
}

void TestAccountService::sessionSurvivesRestart()
{
    QString token;
    {
        auto first = signedIn(alice());
        token = first->token();
    }
    const QString stored = storedSession();
    QVERIFY(!stored.isEmpty());
    const QByteArray onDisk = settingsFileBytes();
    const QByteArray sealed = QByteArray::fromBase64(stored.toLatin1());
    for (const QString &secret : {token, alice().email, alice().username, alice().password}) {
        QVERIFY2(!onDisk.contains(secret.toUtf8()), qPrintable(secret));
        QVERIFY2(!sealed.contains(secret.toUtf8()), qPrintable(secret));
    }

    m_server->setHolding(true);
    AccountService restarted;
    QVERIFY(restarted.isSignedIn());
    QCOMPARE(restarted.email(), alice().email);
    QCOMPARE(restarted.username(), alice().username);
    QCOMPARE(restarted.expiresAt().isEmpty(), false);
    // Entitlements are not stored: they come from the refresh the start-up sends.
    QVERIFY(restarted.isBusy());
    QVERIFY(!restarted.entitlementActive());
    QTRY_COMPARE(m_server->requests(mePath).size(), 1);
    QCOMPARE(m_server->requests(mePath).first().header("authorization"),
             "Bearer "_ba + token.toUtf8());
    m_server->releaseHeld();
    QVERIFY(waitIdle(restarted));
    QVERIFY(restarted.entitlementActive());
    QCOMPARE(restarted.entitlementType(), alice().type);
}

void TestAccountService::sessionUnreadableWithAnotherKey()
{
    signedIn(bob());
    QVERIFY(!storedSession().isEmpty());
    QVERIFY(writeKeyFile(randomKey()));

    AccountService other;
    QVERIFY(!other.isSignedIn());
    QVERIFY(!other.isBusy());
    QVERIFY(storedSession().isEmpty());
    QVERIFY(m_server->requests().isEmpty());
}

void TestAccountService::damagedStoredSessionIsDropped_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("one bit flipped") << u"flip"_s;
    QTest::newRow("cut short") << u"cut"_s;
    QTest::newRow("not base64") << u"text"_s;
    QTest::newRow("key file gone") << u"nokey"_s;
    QTest::newRow("key file short") << u"shortkey"_s;
    QTest::newRow("sealed without expiry") << u"noexpiry"_s;
}

void TestAccountService::damagedStoredSessionIsDropped()
{
    QFETCH(QString, damage);
    signedIn(alice());
    QByteArray sealed = QByteArray::fromBase64(storedSession().toLatin1());
    QVERIFY(sealed.size() > 40);

    if (damage == u"flip"_s) {
        sealed[sealed.size() / 2] = char(sealed.at(sealed.size() / 2) ^ 0x01);
        storeSession(QString::fromLatin1(sealed.toBase64()));
    } else if (damage == u"cut"_s) {
        storeSession(QString::fromLatin1(sealed.left(30).toBase64()));
    } else if (damage == u"text"_s) {
        storeSession(u"{\"token\":\"abc\",\"expires_at\":\"2030\"}"_s);
    } else if (damage == u"nokey"_s) {
        QVERIFY(QFile::remove(SessionVault::keyFilePath()));
    } else if (damage == u"shortkey"_s) {
        QVERIFY(writeKeyFile(randomKey().left(31)));
    } else if (damage == u"noexpiry"_s) {
        const QByteArray plain = R"({"token":"abc","email":"alice@example.com","username":""})";
        storeSession(QString::fromLatin1(SessionVault::seal(plain).toBase64()));
    }

    AccountService restarted;
    QVERIFY(!restarted.isSignedIn());
    QVERIFY(!restarted.isBusy());
    QCOMPARE(restarted.email(), QString());
    QVERIFY(storedSession().isEmpty());
    QVERIFY(m_server->requests().isEmpty());

    // Signing in again works and is kept.
    restarted.login(bob().email, bob().password);
    QVERIFY(waitIdle(restarted));
    QVERIFY(restarted.isSignedIn());
    AccountService third;
    QCOMPARE(third.email(), bob().email);
}

void TestAccountService::keyFileIsPrivate()
{
    signedIn(alice());
    QFile key(SessionVault::keyFilePath());
    QVERIFY(key.exists());
    QCOMPARE(key.size(), 32);
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ReadUser | QFileDevice::WriteUser;
    QCOMPARE(key.permissions(), ownerOnly);

    // A key file someone opened up is closed again the next time it is used.
    QVERIFY(key.setPermissions(ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    AccountService restarted;
    QVERIFY(restarted.isSignedIn());
    QCOMPARE(QFile(SessionVault::keyFilePath()).permissions(), ownerOnly);
}

void TestAccountService::secretsStayOutOfTheLog()
{
    QString token;
    {
        LogCapture capture;
        AccountService service;
        service.login(carol().email, carol().password);
        QVERIFY(waitIdle(service));
        QVERIFY(service.isSignedIn());
        token = service.token();
        service.refresh();
        QVERIFY(waitIdle(service));
        m_server->queueReply(mePath, json(500, R"({"error":"no"})"));
        service.refresh();
        QVERIFY(waitIdle(service));
        service.logout();
        QTRY_COMPARE(m_server->requests(logoutPath).size(), 1);
        QVERIFY(!LogCapture::lines().isEmpty());
        for (const QString &line : LogCapture::lines()) {
            QVERIFY2(!line.contains(token), qPrintable(line));
            QVERIFY2(!line.contains(carol().password), qPrintable(line));
        }
    }
}

VELMORA_TEST_SETUP(BeforeApp, useScratchConfig);
VELMORA_TEST_SETUP(AfterApp, nameApplication);
VELMORA_REGISTER_TEST(TestAccountService);

#include "tst_accountservice.moc"
