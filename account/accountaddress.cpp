#include "accountaddress.h"

#include "settingskeys.h"

#include <QHostAddress>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace AccountAddress {

QString settingsKey()
{
    return settingskeys::AccountService;
}

QUrl defaultBaseUrl()
{
    // A reserved name that resolves nowhere: until a deployment names the real service, a
    // password typed into an unconfigured build never leaves the machine.
    return QUrl(u"https://account.velmora.example"_s);
}

QUrl baseUrl()
{
    QString text = qEnvironmentVariable(environmentVariable).trimmed();
    if (text.isEmpty())
        text = QSettings().value(settingsKey()).toString().trimmed();
    QUrl url = text.isEmpty() ? defaultBaseUrl() : QUrl(text, QUrl::StrictMode);
    QString path = url.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path);
    return url;
}

bool isLoopbackHost(const QString &host)
{
    if (host.compare(u"localhost"_s, Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool isAcceptable(const QUrl &base)
{
    if (!base.isValid() || base.host().isEmpty() || !base.userInfo().isEmpty() || base.hasQuery() ||
        base.hasFragment()) {
        return false;
    }
    const QString scheme = base.scheme();
    return scheme == u"https"_s || (scheme == u"http"_s && isLoopbackHost(base.host()));
}

QUrl endpoint(const QUrl &base, QStringView path)
{
    QUrl url = base;
    url.setPath(base.path() + path);
    return url;
}

} // namespace AccountAddress
