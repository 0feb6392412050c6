#pragma once

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QSslKey>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// A small stand-in for the account service on the loopback interface: the three desktop endpoints
// with in-memory accounts and tokens, over TLS when given a certificate. It can be told to answer
// late (held replies), with chosen statuses and bodies, or with redirects, and it records what it
// was sent.
class FakeAccountServer : public QObject
{
    Q_OBJECT

public:
    struct Account
    {
        QString email;
        QString password;
        QString username;
        bool active = false;
        QString type;
        QString expiresAt;
    };

    struct Request
    {
        QByteArray method;
        QString path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;

        QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
        QJsonObject json() const;
    };

    struct Reply
    {
        int status = 200;
        QByteArray body;
        QList<std::pair<QByteArray, QByteArray>> headers;
    };

    explicit FakeAccountServer(QObject *parent = nullptr);
    ~FakeAccountServer() override;

    // Listens on 127.0.0.1 (port 0: any free one), in plain http or over TLS.
    bool listen(quint16 port = 0);
    bool listenTls(const QSslCertificate &certificate, const QSslKey &key, quint16 port = 0);
    QUrl baseUrl() const;
    QString errorString() const { return m_error; }

    void addAccount(const Account &account);
    // The next request for path is answered with reply instead of the service's own answer.
    void queueReply(const QString &path, const Reply &reply);
    // While holding, answers wait for releaseHeld(): a slow service without timers.
    void setHolding(bool holding);
    void releaseHeld();
    qsizetype heldCount() const { return m_held.size(); }
    // Every answer waits this long (for trying the program by hand).
    void setDelay(int milliseconds) { m_delay = milliseconds; }
    // Ends every session: the next refresh is answered 401.
    void revokeTokens() { m_tokens.clear(); }
    QStringList activeTokens() const { return m_tokens.keys(); }

    QList<Request> requests() const { return m_requests; }
    QList<Request> requests(const QString &path) const;
    void clearRequests() { m_requests.clear(); }

    static Reply jsonReply(int status, const QJsonObject &object);

Q_SIGNALS:
    void requestReceived(const QString &path);
    void replySent(const QString &path, int status);
    // A client hung up before its answer was sent.
    void clientGaveUp(const QString &path);

private:
    struct Connection
    {
        QByteArray buffer;
        QString pendingPath;
    };
    struct Held
    {
        QPointer<QTcpSocket> socket;
        QString path;
        Reply reply;
        bool close = false;
    };

    bool startListening(quint16 port);
    void accept(QTcpSocket *socket);
    void readFrom(QTcpSocket *socket);
    Reply answer(const Request &request);
    Reply login(const Request &request);
    Reply me(const Request &request);
    Reply logout(const Request &request);
    QJsonObject userObject(const Account &account) const;
    QJsonObject entitlementObject(const Account &account) const;
    void send(QTcpSocket *socket, const QString &path, const Reply &reply, bool close);

    QTcpServer *m_server = nullptr;
    bool m_tls = false;
    QString m_error;
    QHash<QString, Account> m_accounts; // by e-mail address
    QHash<QString, QString> m_tokens;   // token -> e-mail address
    QHash<QString, QList<Reply>> m_queued;
    QHash<QTcpSocket *, Connection> m_connections;
    QList<Held> m_held;
    QList<Request> m_requests;
    bool m_holding = false;
    int m_delay = 0;
};
