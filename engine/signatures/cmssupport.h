#pragma once

#include "pdfsignatures.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <openssl/asn1.h>
#include <openssl/cms.h>
#include <openssl/x509.h>

#include <memory>

// OpenSSL plumbing shared by verifying and signing.
namespace cmssupport {

struct Free
{
    void operator()(CMS_ContentInfo *p) const { CMS_ContentInfo_free(p); }
    void operator()(X509 *p) const { X509_free(p); }
    void operator()(X509_STORE *p) const { X509_STORE_free(p); }
    void operator()(X509_STORE_CTX *p) const { X509_STORE_CTX_free(p); }
    void operator()(EVP_PKEY *p) const { EVP_PKEY_free(p); }
    void operator()(BIO *p) const { BIO_free(p); }
    void operator()(STACK_OF(X509) * p) const { sk_X509_pop_free(p, X509_free); }
};
template<typename T> using Owned = std::unique_ptr<T, Free>;

QDateTime toDateTime(const ASN1_TIME *time);
PdfCertificate describe(X509 *certificate);
// "SHA-256" for a digest's NID.
QString digestName(int nid);
// The file's trusted roots: the system's CA certificates, plus the PEM file named by
// VELMORA_TRUSTED_CERTIFICATES.
Owned<X509_STORE> trustStore();
// The last OpenSSL error as text.
QString lastError();
// Loads the legacy provider too, so PKCS#12 files protected the old way (RC2, 3DES) open.
void loadProviders();

} // namespace cmssupport
