#include "accountservice.h"

#include "accountaddress.h"
#include "sessionvault.h"
#include "settingskeys.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QSysInfo>

using namespace Qt::StringLiterals;

// Diagnostics name paths and status codes only: never the password, the token or a body.
Q_LOGGING_CATEGORY(lcAccount, "velmora.account", QtInfoMsg)

namespace {

constexpr QStringView loginPath = u"/api/desktop/auth/login";
constexpr QStringView mePath = u"/api/desktop/me";
constexpr QStringView logoutPath = u"/api/desktop/auth/logout";

QString sessionKey()
{
    return settingskeys::AccountSession;
}

constexpr char refusedRedirectProperty[] = "velmoraRefusedRedirect";

// The password and the token go to the service's own origin only. Qt would carry both to any
// other https origin a redirect names, so redirects stay on the origin (or move it to https).
bool isSafeRedirect(const QUrl &from, const QUrl &to)
{
    if (from.host().compare(to.host(), Qt::CaseInsensitive) != 0)
        return false;
    if (to.scheme() == from.scheme()) {
        const int standardPort = from.scheme() == u"https"_s ? 443 : 80;
        return to.port(standardPort) == from.port(standardPort);
    }
    return from.scheme() == u"http"_s && to.scheme() == u"https"_s;
}

// Redirects are checked one by one; a refused one ends the request.
void guardRedirects(QNetworkReply *reply)
{
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl &target) {
        if (isSafeRedirect(reply->request().url(), target)) {
            Q_EMIT reply->redirectAllowed();
            return;
        }
        qCWarning(lcAccount) << "refusing a redirect to" << target.host();
        reply->setProperty(refusedRedirectProperty, true);
        reply->abort();
    });
}

} // namespace

AccountService::AccountService(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_entitlementType(u"free"_s)
{
    loadSession();
    if (!m_token.isEmpty())
        refresh();
}

AccountService::~AccountService() = default;

AccountService &AccountService::instance()
{
    // Owned by the application object, like every other long-lived QObject of the program.
    static AccountService *const service = new AccountService(QCoreApplication::instance());
    return *service;
}

QUrl AccountService::webPage(QStringView path)
{
    return AccountAddress::endpoint(AccountAddress::baseUrl(), path);
}

QString AccountService::deviceId()
{
    QString hex = QString::fromLatin1(QSysInfo::machineUniqueId().toHex());
    if (hex.size() < 8)
        hex = QString::fromLatin1(QHostInfo::localHostName().toUtf8().toHex());
    return u"velmora-"_s + hex.left(180);
}

QString AccountService::deviceName()
{
    return QHostInfo::localHostName().left(80);
}

void AccountService::login(const QString &email, const QString &password)
{
    if (m_busy)
        return;
    const QString normalised = email.trimmed().toLower();
    if (normalised.isEmpty() || password.isEmpty()) {
        setErrorMessage(tr("Enter your email address and password."));
        return;
    }
    const std::optional<QUrl> base = beginRequest();
    if (!base)
        return;
    const QJsonObject body{{u"email"_s, normalised},
                           {u"password"_s, password},
                           {u"device_id"_s, deviceId()},
                           {u"device_name"_s, deviceName()}};
    qCDebug(lcAccount) << "sign-in request to" << base->host();
    track(m_network->post(makeRequest(*base, loginPath, false),
                          QJsonDocument(body).toJson(QJsonDocument::Compact)),
          RequestKind::Login);
}

void AccountService::refresh()
{
    if (m_busy || m_token.isEmpty())
        return;
    const std::optional<QUrl> base = beginRequest();
    if (!base)
        return;
    qCDebug(lcAccount) << "account refresh from" << base->host();
    track(m_network->get(makeRequest(*base, mePath, true)), RequestKind::Refresh);
}

void AccountService::logout()
{
    // Abandon a pending sign-in or refresh; its handler still sees the cancellation.
    if (m_currentRequest)
        m_currentRequest->abort();

    if (m_token.isEmpty()) {
        clearSession();
        return;
    }
    const QUrl base = AccountAddress::baseUrl();
    // Signing out locally never depends on the service; the token only goes where it may.
    if (AccountAddress::isAcceptable(base)) {
        QNetworkReply *reply = m_network->post(makeRequest(base, logoutPath, true), "{}"_ba);
        guardRedirects(reply);
        connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    }
    clearSession();
    setErrorMessage(QString());
}

QNetworkRequest AccountService::makeRequest(const QUrl &base, QStringView path,
                                            bool authenticated) const
{
    QNetworkRequest request(AccountAddress::endpoint(base, path));
    request.setHeader(QNetworkRequest::ContentTypeHeader, u"application/json"_s);
    request.setRawHeader("Accept", "application/json");
    request.setRawHeader("User-Agent", "Velmora-Desktop/1.0");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    if (authenticated && !m_token.isEmpty())
        request.setRawHeader("Authorization", "Bearer "_ba + m_token.toUtf8());
    return request;
}

std::optional<QUrl> AccountService::beginRequest()
{
    const QUrl base = AccountAddress::baseUrl();
    if (AccountAddress::isAcceptable(base)) {
        setBusy(true);
        setErrorMessage(QString());
        return base;
    }
    qCWarning(lcAccount) << "refusing to contact the account service at" << base.toDisplayString();
    setErrorMessage(tr("The account service address is not secure. Only https addresses are "
                       "allowed."));
    return std::nullopt;
}

void AccountService::track(QNetworkReply *reply, RequestKind kind)
{
    m_currentRequest = reply;
    guardRedirects(reply);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, kind] { onReplyFinished(reply, kind); });
}

void AccountService::onReplyFinished(QNetworkReply *reply, RequestKind kind)
{
    if (reply != m_currentRequest) {
        reply->deleteLater();
        return;
    }
    m_currentRequest = nullptr;
    // An aborted reply is closed and has nothing to read.
    const QByteArray body = reply->isReadable() ? reply->readAll() : QByteArray();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    qCDebug(lcAccount) << reply->url().path() << "answered" << status << reply->error();

    if (kind == RequestKind::Refresh && status == 401) {
        clearSession();
        setErrorMessage(tr("Your sign-in has expired. Please sign in again."));
    } else if (reply->error() == QNetworkReply::NoError && status >= 200 && status <= 299) {
        applyResponse(body, kind == RequestKind::Login);
    } else if (reply->property(refusedRedirectProperty).toBool()) {
        setErrorMessage(tr("The account service redirected to an address that is not allowed."));
    } else if (reply->error() != QNetworkReply::OperationCanceledError) {
        // Otherwise a cancelled request was abandoned by signing out: nothing went wrong.
        setErrorMessage(failureText(reply, body));
    }

    if (m_busy)
        setBusy(false);
    reply->deleteLater();
}

void AccountService::applyResponse(const QByteArray &body, bool withSession)
{
    const QJsonObject root = QJsonDocument::fromJson(body).object();
    const QJsonObject user = root.value(u"user"_s).toObject();
    const QJsonObject entitlement = root.value(u"entitlement"_s).toObject();

    const QString email = user.value(u"email"_s).toString();
    if (email.isEmpty()) {
        setErrorMessage(tr("The account service returned incomplete account information."));
        return;
    }
    if (withSession) {
        const QString token = root.value(u"token"_s).toString();
        const QString expiresAt = root.value(u"expires_at"_s).toString();
        if (token.isEmpty() || expiresAt.isEmpty()) {
            setErrorMessage(tr("The account service returned an invalid session."));
            return;
        }
        m_token = token;
        m_expiresAt = expiresAt;
    }
    m_email = email;
    m_username = user.value(u"username"_s).toString();
    m_entitlementActive = entitlement.value(u"active"_s).toBool(false);
    m_entitlementType = entitlement.value(u"type"_s).toString(u"free"_s);
    m_entitlementExpiresAt = entitlement.value(u"expires_at"_s).toString();

    setErrorMessage(QString());
    saveSession();
    Q_EMIT accountChanged();
}

QString AccountService::failureText(QNetworkReply *reply, const QByteArray &body)
{
    const QString serviceText =
        QJsonDocument::fromJson(body).object().value(u"error"_s).toString().trimmed();
    if (!serviceText.isEmpty())
        return serviceText;
    // The network's own words are technical and untranslated: they go below a sentence of ours.
    if (reply->error() != QNetworkReply::NoError) {
        const bool unreachable = reply->error() < QNetworkReply::ContentAccessDenied;
        const QString lead = unreachable ? tr("无法连接账户服务，请检查网络连接。")
                                         : tr("账户服务暂时无法完成请求。");
        return lead + u'\n' + reply->errorString();
    }
    return tr("The account service returned an invalid response.");
}

void AccountService::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged(busy);
    Q_EMIT accountChanged();
}

void AccountService::setErrorMessage(const QString &message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = message;
    Q_EMIT errorChanged(message);
    Q_EMIT accountChanged();
}

void AccountService::saveSession()
{
    if (m_token.isEmpty())
        return;
    const QJsonObject session{{u"token"_s, m_token},
                              {u"expires_at"_s, m_expiresAt},
                              {u"email"_s, m_email},
                              {u"username"_s, m_username}};
    const QByteArray sealed =
        SessionVault::seal(QJsonDocument(session).toJson(QJsonDocument::Compact));
    QSettings settings;
    if (sealed.isEmpty()) {
        // An older stored session would name a previous sign-in at the next start.
        settings.remove(sessionKey());
        qCWarning(lcAccount) << "the session could not be sealed and is not kept";
        return;
    }
    settings.setValue(sessionKey(), QString::fromLatin1(sealed.toBase64()));
}

void AccountService::loadSession()
{
    const QString stored = QSettings().value(sessionKey()).toString();
    if (stored.isEmpty())
        return;
    const auto decoded =
        QByteArray::fromBase64Encoding(stored.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray plain = decoded ? SessionVault::open(*decoded) : QByteArray();
    const QJsonObject session = QJsonDocument::fromJson(plain).object();
    m_token = session.value(u"token"_s).toString();
    m_expiresAt = session.value(u"expires_at"_s).toString();
    m_email = session.value(u"email"_s).toString();
    m_username = session.value(u"username"_s).toString();
    if (m_token.isEmpty() || m_expiresAt.isEmpty()) {
        qCInfo(lcAccount) << "the stored session cannot be used and is dropped";
        clearSession();
    }
}

void AccountService::clearSession()
{
    m_token.clear();
    m_expiresAt.clear();
    m_email.clear();
    m_username.clear();
    m_entitlementType = u"free"_s;
    m_entitlementExpiresAt.clear();
    m_entitlementActive = false;
    QSettings().remove(sessionKey());
    Q_EMIT accountChanged();
}
