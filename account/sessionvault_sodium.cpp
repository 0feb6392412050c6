#include "sessionvault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <sodium.h>

#include <cstring>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcVault, "velmora.account.vault", QtInfoMsg)

namespace {

constexpr qsizetype keySize = crypto_secretbox_KEYBYTES;
constexpr qsizetype nonceSize = crypto_secretbox_NONCEBYTES;
constexpr qsizetype macSize = crypto_secretbox_MACBYTES;
constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// Holds key bytes and wipes them when done.
class Key
{
public:
    Key()
        : m_bytes(keySize, '\0')
    {}
    ~Key() { sodium_memzero(m_bytes.data(), size_t(m_bytes.size())); }
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;
    unsigned char *data() { return reinterpret_cast<unsigned char *>(m_bytes.data()); }

private:
    QByteArray m_bytes;
};

bool readKey(const QString &path, Key &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Another user must never be able to read it; repair a key file that was opened up.
    if (file.permissions() & ~(ownerOnly | QFileDevice::ReadUser | QFileDevice::WriteUser))
        file.setPermissions(ownerOnly);
    char buffer[keySize + 1];
    const qint64 got = file.read(buffer, sizeof buffer);
    const bool ok = got == keySize;
    if (ok)
        std::memcpy(key.data(), buffer, keySize);
    sodium_memzero(buffer, sizeof buffer);
    return ok;
}

// A missing or damaged key file is replaced by a fresh random key; sessions sealed under the
// old key can no longer be opened, which costs only a sign-in.
bool createKey(const QString &path, Key &key)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QFile::remove(path);
    QFile file(path);
    // NewOnly: never write a key into a file someone else created in the meantime.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly)) {
        qCWarning(lcVault) << "cannot create the session key file" << path << file.errorString();
        return false;
    }
    randombytes_buf(key.data(), keySize);
    const bool ok =
        file.write(reinterpret_cast<const char *>(key.data()), keySize) == keySize && file.flush();
    file.close();
    if (!ok) {
        QFile::remove(path);
        qCWarning(lcVault) << "cannot write the session key file" << path;
    }
    return ok;
}

} // namespace

QString SessionVault::keyFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u"/session.key"_s;
}

QByteArray SessionVault::seal(const QByteArray &plain)
{
    if (!sodiumReady())
        return {};
    Key key;
    const QString path = keyFilePath();
    if (!readKey(path, key) && !createKey(path, key))
        return {};

    QByteArray sealed(nonceSize + macSize + plain.size(), Qt::Uninitialized);
    auto *nonce = reinterpret_cast<unsigned char *>(sealed.data());
    randombytes_buf(nonce, nonceSize);
    crypto_secretbox_easy(nonce + nonceSize,
                          reinterpret_cast<const unsigned char *>(plain.constData()),
                          quint64(plain.size()), nonce, key.data());
    return sealed;
}

QByteArray SessionVault::open(const QByteArray &sealed)
{
    if (!sodiumReady() || sealed.size() < nonceSize + macSize)
        return {};
    Key key;
    if (!readKey(keyFilePath(), key))
        return {};

    const auto *nonce = reinterpret_cast<const unsigned char *>(sealed.constData());
    QByteArray plain(sealed.size() - nonceSize - macSize, Qt::Uninitialized);
    if (crypto_secretbox_open_easy(reinterpret_cast<unsigned char *>(plain.data()),
                                   nonce + nonceSize, quint64(sealed.size() - nonceSize), nonce,
                                   key.data()) != 0) {
        return {};
    }
    return plain;
}
