#include "fakeaccountserver.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString loginPath = u"/api/desktop/auth/login"_s;
const QString mePath = u"/api/desktop/me"_s;
const QString logoutPath = u"/api/desktop/auth/logout"_s;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 307:
        return "Temporary Redirect";
    case 308:
        return "Permanent Redirect";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

QString newToken()
{
    QByteArray bytes(24, '\0');
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return QString::fromLatin1(bytes.toHex());
}

FakeAccountServer::Reply errorReply(int status, const QString &message)
{
    return FakeAccountServer::jsonReply(status, {{u"error"_s, message}});
}

} // namespace

QJsonObject FakeAccountServer::Request::json() const
{
    return QJsonDocument::fromJson(body).object();
}

FakeAccountServer::FakeAccountServer(QObject *parent)
    : QObject(parent)
{}

FakeAccountServer::~FakeAccountServer()
{
    for (auto it = m_connections.cbegin(); it != m_connections.cend(); ++it)
        it.key()->disconnect(this);
}

bool FakeAccountServer::listen(quint16 port)
{
    m_tls = false;
    m_server = new QTcpServer(this);
    return startListening(port);
}

bool FakeAccountServer::listenTls(const QSslCertificate &certificate, const QSslKey &key,
                                  quint16 port)
{
    m_tls = true;
    auto *server = new QSslServer(this);
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(certificate);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    server->setSslConfiguration(configuration);
    m_server = server;
    return startListening(port);
}

bool FakeAccountServer::startListening(quint16 port)
{
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (m_server->hasPendingConnections())
            accept(m_server->nextPendingConnection());
    });
    if (!m_server->listen(QHostAddress::LocalHost, port)) {
        m_error = m_server->errorString();
        return false;
    }
    return true;
}

QUrl FakeAccountServer::baseUrl() const
{
    QUrl url;
    url.setScheme(m_tls ? u"https"_s : u"http"_s);
    url.setHost(u"127.0.0.1"_s);
    url.setPort(m_server ? m_server->serverPort() : 0);
    return url;
}

void FakeAccountServer::addAccount(const Account &account)
{
    m_accounts.insert(account.email.toLower(), account);
}

void FakeAccountServer::queueReply(const QString &path, const Reply &reply)
{
    m_queued[path].append(reply);
}

void FakeAccountServer::setHolding(bool holding)
{
    m_holding = holding;
    if (!holding)
        releaseHeld();
}

void FakeAccountServer::releaseHeld()
{
    const QList<Held> held = std::exchange(m_held, {});
    for (const Held &h : held) {
        if (h.socket)
            send(h.socket, h.path, h.reply, h.close);
    }
}

QList<FakeAccountServer::Request> FakeAccountServer::requests(const QString &path) const
{
    QList<Request> result;
    for (const Request &r : m_requests) {
        if (r.path == path)
            result.append(r);
    }
    return result;
}

FakeAccountServer::Reply FakeAccountServer::jsonReply(int status, const QJsonObject &object)
{
    return {status,
            QJsonDocument(object).toJson(QJsonDocument::Compact),
            {{"Content-Type", "application/json"}}};
}

void FakeAccountServer::accept(QTcpSocket *socket)
{
    if (!socket)
        return;
    socket->setParent(this);
    m_connections.insert(socket, {});
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        const Connection connection = m_connections.take(socket);
        if (!connection.pendingPath.isEmpty())
            Q_EMIT clientGaveUp(connection.pendingPath);
        socket->deleteLater();
    });
    if (socket->bytesAvailable() > 0)
        readFrom(socket);
}

void FakeAccountServer::readFrom(QTcpSocket *socket)
{
    Connection &connection = m_connections[socket];
    connection.buffer += socket->readAll();
    // One request at a time per connection: clients do not pipeline.
    while (connection.pendingPath.isEmpty()) {
        const qsizetype headerEnd = connection.buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QList<QByteArray> lines = connection.buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        Request request;
        request.method = requestLine.value(0);
        request.path = QUrl(QString::fromLatin1(requestLine.value(1))).path();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines.at(i).indexOf(':');
            if (colon > 0) {
                request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                       lines.at(i).mid(colon + 1).trimmed());
            }
        }
        const qsizetype length = request.header("content-length").toLongLong();
        if (connection.buffer.size() < headerEnd + 4 + length)
            return;
        request.body = connection.buffer.mid(headerEnd + 4, length);
        connection.buffer.remove(0, headerEnd + 4 + length);

        m_requests.append(request);
        connection.pendingPath = request.path;
        const bool close = request.header("connection").toLower() == "close";
        const Reply reply = answer(request);
        Q_EMIT requestReceived(request.path);
        if (m_holding) {
            m_held.append({socket, request.path, reply, close});
        } else if (m_delay > 0) {
            QTimer::singleShot(m_delay, socket, [this, socket, path = request.path, reply, close] {
                send(socket, path, reply, close);
            });
        } else {
            send(socket, request.path, reply, close);
        }
        if (!m_connections.contains(socket))
            return;
    }
}

FakeAccountServer::Reply FakeAccountServer::answer(const Request &request)
{
    auto queued = m_queued.find(request.path);
    if (queued != m_queued.end() && !queued->isEmpty()) {
        Reply reply = queued->takeFirst();
        // A service answers a sign-out by ending the session whatever it says.
        if (request.path == logoutPath)
            logout(request);
        return reply;
    }
    if (request.path == loginPath)
        return request.method == "POST" ? login(request) : errorReply(405, u"Use POST."_s);
    if (request.path == mePath)
        return request.method == "GET" ? me(request) : errorReply(405, u"Use GET."_s);
    if (request.path == logoutPath)
        return request.method == "POST" ? logout(request) : errorReply(405, u"Use POST."_s);
    if (request.method == "GET" &&
        (request.path == u"/register"_s || request.path == u"/account"_s)) {
        return {200,
                "<!doctype html><title>Velmora account</title><p>This is the local test account "
                "service. Its accounts are set up by the program that started it.</p>",
                {{"Content-Type", "text/html; charset=utf-8"}}};
    }
    return errorReply(404, u"Not found."_s);
}

FakeAccountServer::Reply FakeAccountServer::login(const Request &request)
{
    const QJsonObject body = request.json();
    const QString email = body.value(u"email"_s).toString();
    const QString password = body.value(u"password"_s).toString();
    if (email.isEmpty() || password.isEmpty() || body.value(u"device_id"_s).toString().isEmpty())
        return errorReply(400, u"Email, password and device are required."_s);
    const auto account = m_accounts.constFind(email);
    if (account == m_accounts.cend() || account->password != password)
        return errorReply(401, u"Incorrect email address or password."_s);

    const QString token = newToken();
    m_tokens.insert(token, account->email.toLower());
    return jsonReply(
        200, {{u"token"_s, token},
              {u"expires_at"_s, QDateTime::currentDateTimeUtc().addDays(30).toString(Qt::ISODate)},
              {u"user"_s, userObject(*account)},
              {u"entitlement"_s, entitlementObject(*account)}});
}

FakeAccountServer::Reply FakeAccountServer::me(const Request &request)
{
    const QByteArray authorization = request.header("authorization");
    const QString token =
        authorization.startsWith("Bearer ") ? QString::fromUtf8(authorization.mid(7)) : QString();
    const auto email = m_tokens.constFind(token);
    if (token.isEmpty() || email == m_tokens.cend() || !m_accounts.contains(*email))
        return errorReply(401, u"Your session has ended."_s);
    const Account &account = m_accounts[*email];
    return jsonReply(
        200, {{u"user"_s, userObject(account)}, {u"entitlement"_s, entitlementObject(account)}});
}

FakeAccountServer::Reply FakeAccountServer::logout(const Request &request)
{
    const QByteArray authorization = request.header("authorization");
    if (authorization.startsWith("Bearer "))
        m_tokens.remove(QString::fromUtf8(authorization.mid(7)));
    return jsonReply(200, {});
}

QJsonObject FakeAccountServer::userObject(const Account &account) const
{
    return {{u"email"_s, account.email.toLower()}, {u"username"_s, account.username}};
}

QJsonObject FakeAccountServer::entitlementObject(const Account &account) const
{
    QJsonObject entitlement{{u"active"_s, account.active},
                            {u"type"_s, account.type.isEmpty() ? u"free"_s : account.type}};
    if (!account.expiresAt.isEmpty())
        entitlement.insert(u"expires_at"_s, account.expiresAt);
    return entitlement;
}

void FakeAccountServer::send(QTcpSocket *socket, const QString &path, const Reply &reply,
                             bool close)
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    for (const auto &[name, value] : reply.headers)
        head += name + ": " + value + "\r\n";
    head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    head += close ? "Connection: close\r\n\r\n" : "Connection: keep-alive\r\n\r\n";
    socket->write(head + reply.body);
    if (m_connections.contains(socket))
        m_connections[socket].pendingPath.clear();
    Q_EMIT replySent(path, reply.status);
    if (close)
        socket->disconnectFromHost();
    else if (m_connections.contains(socket) && !m_connections[socket].buffer.isEmpty())
        QTimer::singleShot(0, socket, [this, socket] { readFrom(socket); });
}
