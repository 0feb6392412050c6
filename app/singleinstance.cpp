#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int connectTimeoutMs = 1000;
constexpr int answerTimeoutMs = 5000;
// A request is a few paths; anything larger is not from us.
constexpr qint64 requestLimit = 1 << 20;
const QByteArray acknowledgement = "ok\n";

} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent)
    , m_name(serverName)
{}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultServerName()
{
    const QString overridden = qEnvironmentVariable("VELMORA_INSTANCE_NAME");
    if (!overridden.isEmpty())
        return overridden;
    // A window on another display (a nested or virtual X server) is not the user's window.
    const QByteArray display = qgetenv("WAYLAND_DISPLAY") + '|' + qgetenv("DISPLAY");
    const QString tag = QString::fromLatin1(
        QCryptographicHash::hash(display, QCryptographicHash::Sha1).toHex().left(12));
#ifdef Q_OS_WIN
    const QString user = qEnvironmentVariable("USERNAME");
    const QString userTag = QString::fromLatin1(
        QCryptographicHash::hash(user.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    return u"velmora-%1-%2"_s.arg(userTag, tag);
#else
    // The runtime folder belongs to the user alone (mode 0700), so nobody else can take the name.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return u"velmora-%1-%2"_s.arg(qEnvironmentVariable("USER"), tag);
    return QDir(folder).filePath(u"velmora-%1.socket"_s.arg(tag));
#endif
}

QByteArray SingleInstance::encode(const Request &request)
{
    QJsonObject object;
    object.insert(u"files"_s, QJsonArray::fromStringList(request.files));
    object.insert(u"page"_s, request.page);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

bool SingleInstance::decode(const QByteArray &line, Request *request)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    const QJsonValue files = object.value(u"files"_s);
    if (!files.isArray())
        return false;
    Request decoded;
    for (const QJsonValue &file : files.toArray()) {
        // Only absolute paths: the running instance's folder says nothing about the caller's.
        const QString path = file.toString();
        if (!path.isEmpty() && QFileInfo(path).isAbsolute())
            decoded.files.append(path);
    }
    decoded.page = std::max(0, object.value(u"page"_s).toInt());
    *request = decoded;
    return true;
}

SingleInstance::Role SingleInstance::start(const Request &request)
{
    // Two starts at once: whoever holds the lock decides alone between handing over and
    // listening, so the other finds the listener instead of removing its socket.
    const QFileInfo name(m_name);
    const QString lockPath =
        name.isAbsolute() ? m_name + u".lock"_s : QDir::temp().filePath(m_name + u".lock"_s);
    QLockFile lock(lockPath);
    const bool locked = lock.tryLock(10000);

    switch (handOver(request)) {
    case HandOver::Delivered:
        return Role::HandedOver;
    case HandOver::NoAnswer:
        return Role::Alone;
    case HandOver::NoServer:
        break;
    }
    if (!locked)
        return Role::Alone;

    // Nobody answered: a socket left behind by a crashed instance is ours to replace.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        qWarning("velmora: cannot listen on %s: %s", qPrintable(m_name),
                 qPrintable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return Role::Alone;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            acceptConnection(socket);
    });
    return Role::Primary;
}

SingleInstance::HandOver SingleInstance::handOver(const Request &request)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(connectTimeoutMs))
        return HandOver::NoServer;
    socket.write(encode(request));
    if (!socket.waitForBytesWritten(answerTimeoutMs))
        return HandOver::NoAnswer;
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(answerTimeoutMs))
        answer += socket.readAll();
    return answer == acknowledgement ? HandOver::Delivered : HandOver::NoAnswer;
}

void SingleInstance::acceptConnection(QLocalSocket *socket)
{
    socket->setParent(this);
    // A client that never finishes its line is dropped.
    auto *timeout = new QTimer(socket);
    timeout->setSingleShot(true);
    connect(timeout, &QTimer::timeout, socket, &QLocalSocket::abort);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::errorOccurred, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    const auto read = [this, socket, buffer] {
        buffer->append(socket->readAll());
        if (buffer->size() > requestLimit) {
            socket->abort();
            return;
        }
        const qsizetype end = buffer->indexOf('\n');
        if (end < 0)
            return;
        Request request;
        const bool valid = decode(buffer->left(end), &request);
        buffer->clear();
        if (!valid) {
            socket->abort();
            return;
        }
        // Answer first: opening the files may ask the user something and take a while.
        socket->write(acknowledgement);
        socket->flush();
        socket->disconnectFromServer();
        Q_EMIT requestReceived(request);
    };
    connect(socket, &QLocalSocket::readyRead, socket, read);
    timeout->start(answerTimeoutMs);
    if (socket->bytesAvailable() > 0)
        read();
}
