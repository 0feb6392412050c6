#include <QByteArray>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>

// Posts body to url and waits for the answer, within the time limit; on failure the reason in
// *error. Runs an event loop of its own, on the calling thread.
extern "C" Q_DECL_EXPORT bool velmora_http_post(const QString &url, const QByteArray &contentType,
                                                const QByteArray &body, int timeoutMs,
                                                QByteArray *answer, QString *error)
{
    QNetworkAccessManager network;
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QString::fromLatin1(contentType));
    request.setTransferTimeout(timeoutMs);
    QNetworkReply *reply = network.post(request, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    *answer = reply->readAll();
    const bool ok = reply->error() == QNetworkReply::NoError;
    if (!ok)
        *error = reply->errorString();
    delete reply;
    return ok;
}
