#include "timestampclient.h"

#include "privatefiles.h"

#include <QMutex>
#include <QUrl>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/rand.h>
#include <openssl/ts.h>

namespace timestampclient {
namespace {

QByteArray query(const QByteArray &sha256, ASN1_INTEGER **nonceOut)
{
    TS_REQ *req = TS_REQ_new();
    TS_REQ_set_version(req, 1);
    TS_MSG_IMPRINT *imprint = TS_MSG_IMPRINT_new();
    X509_ALGOR *algorithm = X509_ALGOR_new();
    X509_ALGOR_set0(algorithm, OBJ_nid2obj(NID_sha256), V_ASN1_NULL, nullptr);
    TS_MSG_IMPRINT_set_algo(imprint, algorithm);
    TS_MSG_IMPRINT_set_msg(imprint,
                           reinterpret_cast<unsigned char *>(const_cast<char *>(sha256.data())),
                           static_cast<int>(sha256.size()));
    TS_REQ_set_msg_imprint(req, imprint);
    unsigned char random[8];
    RAND_bytes(random, sizeof random);
    BIGNUM *bn = BN_bin2bn(random, sizeof random, nullptr);
    ASN1_INTEGER *nonce = BN_to_ASN1_INTEGER(bn, nullptr);
    BN_free(bn);
    TS_REQ_set_nonce(req, nonce);
    *nonceOut = nonce;
    TS_REQ_set_cert_req(req, 1);
    unsigned char *der = nullptr;
    const int length = i2d_TS_REQ(req, &der);
    QByteArray out(reinterpret_cast<char *>(der), length);
    OPENSSL_free(der);
    X509_ALGOR_free(algorithm);
    TS_MSG_IMPRINT_free(imprint);
    TS_REQ_free(req);
    return out;
}

using Post = bool (*)(const QString &url, const QByteArray &contentType, const QByteArray &body,
                      int timeoutMs, QByteArray *answer, QString *error);

// The network library is loaded with the module, on the first request only.
Post loadPost(QString *why)
{
    static QMutex mutex;
    static Post post = nullptr;
    static QString failure;
    QMutexLocker lock(&mutex);
    if (!post && failure.isEmpty()) {
#ifdef VELMORA_HTTP_MODULE_BUILT
        const QString built = QStringLiteral(VELMORA_HTTP_MODULE_BUILT);
#else
        const QString built;
#endif
        post = reinterpret_cast<Post>(privatefiles::resolve(QStringLiteral("libvelmora_http.so"),
                                                            "VELMORA_HTTP_MODULE", built,
                                                            "velmora_http_post", {}, &failure));
    }
    *why = failure;
    return post;
}

} // namespace

QByteArray request(const QString &url, const QByteArray &sha256, QString *message, int timeoutMs)
{
    const QUrl address(url);
    if (!address.isValid() ||
        (address.scheme() != QLatin1String("http") && address.scheme() != QLatin1String("https"))) {
        *message =
            QStringLiteral("The timestamp server address is not an http(s) address: %1").arg(url);
        return {};
    }
    QString why;
    const Post post = loadPost(&why);
    if (!post) {
        *message = QStringLiteral("The network module cannot be loaded: %1").arg(why);
        return {};
    }
    ASN1_INTEGER *nonce = nullptr;
    const QByteArray body = query(sha256, &nonce);
    QByteArray answer;
    QString networkError;
    if (!post(url, "application/timestamp-query", body, timeoutMs, &answer, &networkError)) {
        ASN1_INTEGER_free(nonce);
        *message = QStringLiteral("The timestamp server did not answer: %1").arg(networkError);
        return {};
    }

    const unsigned char *p = reinterpret_cast<const unsigned char *>(answer.constData());
    TS_RESP *response = d2i_TS_RESP(nullptr, &p, answer.size());
    QByteArray token;
    if (!response) {
        *message = QStringLiteral("The timestamp server's answer is not a timestamp response.");
    } else {
        TS_STATUS_INFO *status = TS_RESP_get_status_info(response);
        const long code = ASN1_INTEGER_get(TS_STATUS_INFO_get0_status(status));
        PKCS7 *stamp = TS_RESP_get_token(response);
        TS_TST_INFO *info = TS_RESP_get_tst_info(response);
        const ASN1_INTEGER *echoed = info ? TS_TST_INFO_get_nonce(info) : nullptr;
        if ((code != 0 && code != 1) || !stamp) {
            *message =
                QStringLiteral("The timestamp server refused the request (status %1).").arg(code);
        } else if (!echoed || ASN1_INTEGER_cmp(echoed, nonce) != 0) {
            *message = QStringLiteral("The timestamp server's answer is not for this request.");
        } else {
            unsigned char *der = nullptr;
            const int length = i2d_PKCS7(stamp, &der);
            token = QByteArray(reinterpret_cast<char *>(der), length);
            OPENSSL_free(der);
        }
        TS_RESP_free(response);
    }
    ASN1_INTEGER_free(nonce);
    ERR_clear_error();
    return token;
}

} // namespace timestampclient
