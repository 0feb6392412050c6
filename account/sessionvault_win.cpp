#include "sessionvault.h"

#include <qt_windows.h>
#include <wincrypt.h>

namespace {

QByteArray takeBlob(DATA_BLOB &blob)
{
    QByteArray bytes(reinterpret_cast<const char *>(blob.pbData), qsizetype(blob.cbData));
    SecureZeroMemory(blob.pbData, blob.cbData);
    LocalFree(blob.pbData);
    return bytes;
}

} // namespace

QByteArray SessionVault::seal(const QByteArray &plain)
{
    DATA_BLOB in{DWORD(plain.size()),
                 reinterpret_cast<BYTE *>(const_cast<char *>(plain.constData()))};
    DATA_BLOB out{};
    if (!CryptProtectData(&in, L"Velmora account session", nullptr, nullptr, nullptr,
                          CRYPTPROTECT_UI_FORBIDDEN, &out)) {
        return {};
    }
    return takeBlob(out);
}

QByteArray SessionVault::open(const QByteArray &sealed)
{
    if (sealed.isEmpty())
        return {};
    DATA_BLOB in{DWORD(sealed.size()),
                 reinterpret_cast<BYTE *>(const_cast<char *>(sealed.constData()))};
    DATA_BLOB out{};
    if (!CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                            &out)) {
        return {};
    }
    return takeBlob(out);
}
