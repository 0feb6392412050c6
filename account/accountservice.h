#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// The client of the remote account service: signs in with e-mail address and password, keeps the
// session (sealed in the settings between runs), refreshes account and subscription state and
// signs out. It only reports state; every tool works without it.
class AccountService : public QObject
{
    Q_OBJECT

public:
    // Loads the stored session and, when there is one, starts a refresh.
    explicit AccountService(QObject *parent = nullptr);
    ~AccountService() override;

    // The one service of the program, made on first use.
    static AccountService &instance();

    bool isSignedIn() const { return !m_token.isEmpty(); }
    bool isBusy() const { return m_busy; }
    QString errorMessage() const { return m_errorMessage; }
    // The bearer token; keep it out of logs.
    QString token() const { return m_token; }
    QString expiresAt() const { return m_expiresAt; }
    QString email() const { return m_email; }
    QString username() const { return m_username; }
    bool entitlementActive() const { return m_entitlementActive; }
    QString entitlementType() const { return m_entitlementType; }
    QString entitlementExpiresAt() const { return m_entitlementExpiresAt; }

    // The address the account web pages ("/register", "/account") are opened at.
    static QUrl webPage(QStringView path);
    static QString deviceId();
    static QString deviceName();

public Q_SLOTS:
    void login(const QString &email, const QString &password);
    void logout();
    void refresh();

Q_SIGNALS:
    void accountChanged();
    void busyChanged(bool busy);
    void errorChanged(const QString &message);

private:
    enum class RequestKind { Login, Refresh };

    QNetworkRequest makeRequest(const QUrl &base, QStringView path, bool authenticated) const;
    // The base address, the service then busy with a request; null after reporting why
    // requests may not go there.
    std::optional<QUrl> beginRequest();
    void track(QNetworkReply *reply, RequestKind kind);
    void onReplyFinished(QNetworkReply *reply, RequestKind kind);
    void applyResponse(const QByteArray &body, bool withSession);
    static QString failureText(QNetworkReply *reply, const QByteArray &body);
    void setBusy(bool busy);
    void setErrorMessage(const QString &message);
    void saveSession();
    void loadSession();
    void clearSession();

    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_currentRequest;
    QString m_token;
    QString m_expiresAt;
    QString m_email;
    QString m_username;
    QString m_entitlementType;
    QString m_entitlementExpiresAt;
    QString m_errorMessage;
    bool m_entitlementActive = false;
    bool m_busy = false;
};
