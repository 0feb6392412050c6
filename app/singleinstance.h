#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One window per user session: the first start listens on a local socket named per user and
// display; later starts hand their files to it and end.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        // Absolute paths, resolved by the process that was started.
        QStringList files;
        int page = 0;
    };

    enum class Role {
        // This process listens; later starts reach it.
        Primary,
        // A running instance took the request; this process may end.
        HandedOver,
        // Neither: a running instance did not answer, or the socket could not be made.
        Alone,
    };

    explicit SingleInstance(const QString &serverName = defaultServerName(),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // VELMORA_INSTANCE_NAME when set; else a socket in the user's runtime folder, one per display.
    static QString defaultServerName();
    QString serverName() const { return m_name; }

    Role start(const Request &request);

    static QByteArray encode(const Request &request);
    static bool decode(const QByteArray &line, Request *request);

Q_SIGNALS:
    void requestReceived(const SingleInstance::Request &request);

private:
    enum class HandOver { Delivered, NoServer, NoAnswer };
    HandOver handOver(const Request &request);
    void acceptConnection(QLocalSocket *socket);

    QString m_name;
    QLocalServer *m_server = nullptr;
};
