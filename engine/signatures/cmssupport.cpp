#include "cmssupport.h"

#include <QByteArray>
#include <QFile>

#include <openssl/err.h>
#include <openssl/objects.h>
#include <openssl/provider.h>

#include <mutex>

namespace cmssupport {
namespace {

// Kept for the life of the process.
OSSL_PROVIDER *loadedProviders[2] = {};

} // namespace

QDateTime toDateTime(const ASN1_TIME *time)
{
    if (!time)
        return {};
    struct tm parts = {};
    if (ASN1_TIME_to_tm(time, &parts) != 1)
        return {};
    return QDateTime(QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday),
                     QTime(parts.tm_hour, parts.tm_min, parts.tm_sec), Qt::UTC);
}

namespace {

QString nameText(const X509_NAME *name)
{
    if (!name)
        return {};
    BIO *bio = BIO_new(BIO_s_mem());
    X509_NAME_print_ex(bio, name, 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
    char *data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    QString text = QString::fromUtf8(data, static_cast<qsizetype>(size));
    BIO_free(bio);
    return text;
}

QString commonName(const X509_NAME *name)
{
    const int index = X509_NAME_get_index_by_NID(name, NID_commonName, -1);
    if (index < 0)
        return {};
    const ASN1_STRING *value = X509_NAME_ENTRY_get_data(X509_NAME_get_entry(name, index));
    unsigned char *utf8 = nullptr;
    const int length = ASN1_STRING_to_UTF8(&utf8, value);
    if (length < 0)
        return {};
    QString text = QString::fromUtf8(reinterpret_cast<char *>(utf8), length);
    OPENSSL_free(utf8);
    return text;
}

} // namespace

PdfCertificate describe(X509 *certificate)
{
    PdfCertificate out;
    if (!certificate)
        return out;
    out.subject = nameText(X509_get_subject_name(certificate));
    out.issuer = nameText(X509_get_issuer_name(certificate));
    out.commonName = commonName(X509_get_subject_name(certificate));
    if (out.commonName.isEmpty())
        out.commonName = out.subject;
    if (BIGNUM *serial = ASN1_INTEGER_to_BN(X509_get0_serialNumber(certificate), nullptr)) {
        char *hex = BN_bn2hex(serial);
        out.serialNumber = QString::fromLatin1(hex);
        OPENSSL_free(hex);
        BN_free(serial);
    }
    out.validFrom = toDateTime(X509_get0_notBefore(certificate));
    out.validTo = toDateTime(X509_get0_notAfter(certificate));
    // By names and key identifiers: a self-signed leaf need not be allowed to sign certificates.
    out.selfSigned = X509_self_signed(certificate, 0) == 1;
    ERR_clear_error();
    return out;
}

QString digestName(int nid)
{
    switch (nid) {
    case NID_sha1:
        return QStringLiteral("SHA-1");
    case NID_sha224:
        return QStringLiteral("SHA-224");
    case NID_sha256:
        return QStringLiteral("SHA-256");
    case NID_sha384:
        return QStringLiteral("SHA-384");
    case NID_sha512:
        return QStringLiteral("SHA-512");
    case NID_md5:
        return QStringLiteral("MD5");
    default:
        return QString::fromLatin1(OBJ_nid2sn(nid));
    }
}

Owned<X509_STORE> trustStore()
{
    Owned<X509_STORE> store(X509_STORE_new());
    X509_STORE_set_default_paths(store.get());
    const QByteArray extra = qgetenv("VELMORA_TRUSTED_CERTIFICATES");
    if (!extra.isEmpty() && QFile::exists(QString::fromLocal8Bit(extra)))
        X509_STORE_load_file(store.get(), extra.constData());
    ERR_clear_error();
    return store;
}

QString lastError()
{
    const unsigned long code = ERR_get_error();
    ERR_clear_error();
    if (!code)
        return {};
    char text[256];
    ERR_error_string_n(code, text, sizeof text);
    return QString::fromLatin1(text);
}

void loadProviders()
{
    static std::once_flag once;
    std::call_once(once, [] {
        loadedProviders[0] = OSSL_PROVIDER_load(nullptr, "default");
        loadedProviders[1] = OSSL_PROVIDER_load(nullptr, "legacy");
        ERR_clear_error();
    });
}

} // namespace cmssupport
