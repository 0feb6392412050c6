#include "annotationgeometry.h"
#include "cmssupport.h"
#include "mappeddocument.h"
#include "pdfsignatures.h"
#include "qpdfsupport.h"
#include "signaturefields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimeZone>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pkcs7.h>
#include <openssl/ts.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFXRefEntry.hh>

#include <map>
#include <optional>
#include <set>

using namespace cmssupport;
using Handle = QPDFObjectHandle;

bool PdfSignatureReport::isSigned() const
{
    return signedCount() > 0;
}

int PdfSignatureReport::signedCount() const
{
    int count = 0;
    for (const PdfSignatureInfo &signature : signatures)
        count += signature.verdict != PdfSignatureVerdict::Unsigned;
    return count;
}

bool PdfSignatureReport::allowsAnnotations() const
{
    return signaturefields::allowsAnnotations(certificationLevel);
}

bool PdfSignatureReport::allowsFormFilling() const
{
    return signaturefields::allowsFormFilling(certificationLevel);
}

QString PdfSignatures::describeChanges(int changes)
{
    QStringList parts;
    if (changes & PdfChangeAnnotations)
        parts << QStringLiteral("annotations");
    if (changes & PdfChangeFormFields)
        parts << QStringLiteral("form fields");
    if (changes & PdfChangePages)
        parts << QStringLiteral("pages");
    if (changes & PdfChangeSignatures)
        parts << QStringLiteral("signatures");
    if (changes & PdfChangeOther)
        parts << QStringLiteral("other objects");
    return parts.join(QStringLiteral(", "));
}

QString PdfSignatures::signedName(const QString &input, const QString &folder)
{
    const QFileInfo info(input);
    const QString dir = folder.isEmpty() ? info.absolutePath() : folder;
    return QDir(dir).filePath(info.completeBaseName() + QStringLiteral("-signed.pdf"));
}

namespace {

// "D:YYYYMMDDHHmmSSOHH'mm'", every part after the year optional.
QDateTime pdfDate(const std::string &text)
{
    std::string s = text;
    if (s.rfind("D:", 0) == 0)
        s = s.substr(2);
    auto part = [&s](size_t at, size_t length, int fallback) {
        if (s.size() < at + length)
            return fallback;
        bool ok = false;
        const int value = QString::fromStdString(s.substr(at, length)).toInt(&ok);
        return ok ? value : fallback;
    };
    if (s.size() < 4)
        return {};
    const QDate date(part(0, 4, 0), part(4, 2, 1), part(6, 2, 1));
    const QTime time(part(8, 2, 0), part(10, 2, 0), part(12, 2, 0));
    if (!date.isValid() || !time.isValid())
        return {};
    int offset = 0;
    if (s.size() > 14 && (s[14] == '+' || s[14] == '-')) {
        offset = (part(15, 2, 0) * 60 + part(18, 2, 0)) * 60;
        if (s[14] == '-')
            offset = -offset;
    }
    return QDateTime(date, time, QTimeZone(offset)).toUTC();
}

QString text(Handle value)
{
    return value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
}

// The byte ranges a signature covers; false when they are not two ranges from the file's start
// around the signature value.
bool byteRanges(Handle dict, qint64 fileSize, qint64 range[4])
{
    Handle array = dict.getKey("/ByteRange");
    if (!array.isArray() || array.getArrayNItems() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        Handle item = array.getArrayItem(i);
        if (!item.isInteger() || item.getIntValue() < 0)
            return false;
        range[i] = item.getIntValue();
    }
    return range[0] == 0 && range[1] > 0 && range[2] > range[1] && range[2] + range[3] <= fileSize;
}

// The signature value read from the file between the two ranges ("<hex>"), not through the
// parser, which would decrypt it in an encrypted file.
QByteArray signatureValue(const QByteArray &bytes, const qint64 range[4])
{
    QByteArray gap = bytes.mid(range[1], range[2] - range[1]).trimmed();
    if (!gap.startsWith('<') || !gap.endsWith('>'))
        return {};
    gap = gap.mid(1, gap.size() - 2);
    QByteArray hex;
    hex.reserve(gap.size());
    for (char c : std::as_const(gap)) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            hex += c;
        else if (!std::isspace(static_cast<unsigned char>(c)))
            return {};
    }
    return QByteArray::fromHex(hex);
}

QByteArray digestOf(const EVP_MD *md, const QByteArray &bytes, const qint64 range[4])
{
    if (!md)
        return {};
    EVP_MD_CTX *ctx = EVP_MD_CTX_new();
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestInit_ex(ctx, md, nullptr);
    EVP_DigestUpdate(ctx, bytes.constData() + range[0], static_cast<size_t>(range[1]));
    EVP_DigestUpdate(ctx, bytes.constData() + range[2], static_cast<size_t>(range[3]));
    EVP_DigestFinal_ex(ctx, out, &length);
    EVP_MD_CTX_free(ctx);
    return QByteArray(reinterpret_cast<char *>(out), static_cast<qsizetype>(length));
}

QByteArray digestOf(const EVP_MD *md, const unsigned char *data, size_t size)
{
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!md || EVP_Digest(data, size, out, &length, md, nullptr) != 1)
        return {};
    return QByteArray(reinterpret_cast<char *>(out), static_cast<qsizetype>(length));
}

QByteArray octets(const ASN1_OCTET_STRING *value)
{
    if (!value)
        return {};
    return QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(value)),
                      ASN1_STRING_length(value));
}

struct TrustResult
{
    bool trusted = false;
    bool expired = false;
    bool selfSigned = false;
    bool unknownIssuer = false;
    bool other = false;
};

int recordError(int ok, X509_STORE_CTX *ctx)
{
    if (!ok) {
        auto *result = static_cast<TrustResult *>(X509_STORE_CTX_get_app_data(ctx));
        switch (X509_STORE_CTX_get_error(ctx)) {
        case X509_V_ERR_CERT_HAS_EXPIRED:
        case X509_V_ERR_CERT_NOT_YET_VALID:
            result->expired = true;
            break;
        case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
        case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN:
            result->selfSigned = true;
            break;
        case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
        case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
        case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE:
            result->unknownIssuer = true;
            break;
        default:
            result->other = true;
            break;
        }
    }
    return 1; // go on, to learn every problem of the chain
}

TrustResult checkChain(X509 *signer, STACK_OF(X509) * untrusted, QList<PdfCertificate> *chain)
{
    TrustResult result;
    Owned<X509_STORE> store = trustStore();
    Owned<X509_STORE_CTX> ctx(X509_STORE_CTX_new());
    if (!X509_STORE_CTX_init(ctx.get(), store.get(), signer, untrusted)) {
        result.other = true;
        return result;
    }
    X509_STORE_CTX_set_app_data(ctx.get(), &result);
    X509_STORE_CTX_set_verify_cb(ctx.get(), recordError);
    const int ok = X509_verify_cert(ctx.get());
    result.trusted =
        ok == 1 && !result.expired && !result.selfSigned && !result.unknownIssuer && !result.other;
    if (STACK_OF(X509) *built = X509_STORE_CTX_get1_chain(ctx.get())) {
        for (int i = 0; i < sk_X509_num(built); ++i)
            chain->append(describe(sk_X509_value(built, i)));
        sk_X509_pop_free(built, X509_free);
    } else {
        chain->append(describe(signer));
    }
    ERR_clear_error();
    return result;
}

// The time a timestamp token gives, and whether it matches the data it stamps (imprint) and
// its own signature.
bool readTimestamp(PKCS7 *token, const QByteArray &stamped, QDateTime *when, bool *valid)
{
    TS_TST_INFO *info = PKCS7_to_TS_TST_INFO(token);
    if (!info)
        return false;
    *when = toDateTime(TS_TST_INFO_get_time(info));
    TS_MSG_IMPRINT *imprint = TS_TST_INFO_get_msg_imprint(info);
    X509_ALGOR *algorithm = TS_MSG_IMPRINT_get_algo(imprint);
    const EVP_MD *md = EVP_get_digestbyobj(algorithm->algorithm);
    const QByteArray expected = octets(TS_MSG_IMPRINT_get_msg(imprint));
    const QByteArray actual =
        digestOf(md, reinterpret_cast<const unsigned char *>(stamped.constData()),
                 static_cast<size_t>(stamped.size()));
    const bool signatureOk =
        PKCS7_verify(token, nullptr, nullptr, nullptr, nullptr, PKCS7_NOVERIFY) == 1;
    *valid = !actual.isEmpty() && actual == expected && signatureOk;
    TS_TST_INFO_free(info);
    ERR_clear_error();
    return true;
}

// Revisions end with "%%EOF"; a linearized file's first-page section ends with one too.
int revisionsUpTo(const QByteArray &bytes, qint64 end, bool linearized)
{
    int count = 0;
    qint64 at = 0;
    while ((at = bytes.indexOf("%%EOF", at)) >= 0 && at < end) {
        ++count;
        at += 5;
    }
    if (linearized && count > 1)
        --count;
    return std::max(count, 1);
}

// What the revisions after signedLength changed, by the objects they define.
class ChangeAnalysis
{
public:
    ChangeAnalysis(QPDF &full, const QByteArray &bytes, const QString &password)
        : m_full(full)
        , m_bytes(bytes)
        , m_password(password)
    {
        for (const auto &[og, entry] : m_full.getXRefTable())
            m_xref.emplace(og, entry);
    }

    int changesAfter(qint64 signedLength)
    {
        auto cached = m_cache.find(signedLength);
        if (cached != m_cache.end())
            return cached->second;
        const int flags = analyse(signedLength);
        m_cache.emplace(signedLength, flags);
        return flags;
    }

private:
    qint64 offsetOf(const QPDFObjGen &og) const
    {
        auto found = m_xref.find(og);
        if (found == m_xref.end())
            return -1;
        const QPDFXRefEntry &entry = found->second;
        if (entry.getType() == 1)
            return entry.getOffset();
        if (entry.getType() == 2)
            return offsetOf(QPDFObjGen(entry.getObjStreamNumber(), 0));
        return -1;
    }

    int analyse(qint64 signedLength)
    {
        QPDF before;
        before.setSuppressWarnings(true);
        const QByteArray prefix = QByteArray::fromRawData(m_bytes.constData(), signedLength);
        try {
            before.processMemoryFile("signed revision", prefix.constData(),
                                     static_cast<size_t>(prefix.size()),
                                     m_password.toStdString().c_str());
        } catch (const std::exception &) {
            return PdfChangeOther;
        }
        int flags = PdfChangeNone;
        try {
            std::vector<Handle> oldPages = before.getAllPages();
            std::vector<Handle> newPages = m_full.getAllPages();
            std::set<QPDFObjGen> contents;
            if (oldPages.size() != newPages.size())
                flags |= PdfChangePages;
            for (size_t i = 0; i < oldPages.size() && i < newPages.size(); ++i)
                if (oldPages[i].getObjGen() != newPages[i].getObjGen())
                    flags |= PdfChangePages;
            for (Handle page : newPages) {
                Handle c = page.getKey("/Contents");
                if (c.isIndirect())
                    contents.insert(c.getObjGen());
                if (c.isArray())
                    for (Handle item : c.aitems())
                        if (item.isIndirect())
                            contents.insert(item.getObjGen());
            }
            Handle info = m_full.getTrailer().getKey("/Info");
            const QPDFObjGen infoOg = info.isIndirect() ? info.getObjGen() : QPDFObjGen();
            const QPDFObjGen rootOg = m_full.getRoot().getObjGen();
            for (const auto &[og, entry] : m_xref) {
                const qint64 offset = offsetOf(og);
                if (offset < signedLength)
                    continue;
                Handle object = m_full.getObjectByObjGen(og);
                Handle old = before.getObjectByObjGen(og);
                flags |= classify(object, old, og == infoOg, og == rootOg, contents.count(og));
            }
        } catch (const std::exception &) {
            flags |= PdfChangeOther;
        }
        return flags;
    }

    static bool sameExcept(Handle a, Handle b, const std::set<std::string> &ignored)
    {
        if (!a.isDictionary() || !b.isDictionary())
            return false;
        std::set<std::string> keys = a.getKeys();
        for (const std::string &key : b.getKeys())
            keys.insert(key);
        for (const std::string &key : keys) {
            if (ignored.count(key))
                continue;
            if (a.getKey(key).unparseResolved() != b.getKey(key).unparseResolved())
                return false;
        }
        return true;
    }

    static int classify(Handle object, Handle old, bool isInfo, bool isRoot, bool isContent)
    {
        if (object.isNull())
            return old.isNull() ? PdfChangeNone : PdfChangeOther;
        if (isContent)
            return old.isInitialized() && !old.isNull() &&
                           object.getRawStreamData()->getSize() ==
                               old.getRawStreamData()->getSize() &&
                           object.getDict().unparseResolved() == old.getDict().unparseResolved()
                       ? PdfChangeNone
                       : PdfChangePages;
        if (isInfo)
            return PdfChangeOther;
        Handle dict = object.isStream() ? object.getDict() : object;
        if (!dict.isDictionary())
            return PdfChangeNone; // arrays (/Annots, /Fields) change with what they list
        if (isRoot)
            return sameExcept(dict, old, {"/AcroForm", "/Perms", "/DSS", "/Extensions"})
                       ? PdfChangeNone
                       : PdfChangeOther;
        Handle type = dict.getKey("/Type");
        Handle subtype = dict.getKey("/Subtype");
        if (type.isNameAndEquals("/Sig") || type.isNameAndEquals("/DocTimeStamp"))
            return PdfChangeSignatures;
        if (type.isNameAndEquals("/Page"))
            return old.isDictionary() && sameExcept(dict, old, {"/Annots"}) ? PdfChangeAnnotations
                                                                            : PdfChangePages;
        if (type.isNameAndEquals("/Pages"))
            return old.isDictionary() && sameExcept(dict, old, {}) ? PdfChangeNone : PdfChangePages;
        if (type.isNameAndEquals("/Metadata") || type.isNameAndEquals("/Catalog"))
            return PdfChangeOther;
        if (subtype.isNameAndEquals("/Widget") || dict.hasKey("/FT") ||
            (dict.hasKey("/T") && dict.hasKey("/Kids"))) {
            Handle ft = dict.getKey("/FT");
            if (!ft.isName() && dict.getKey("/Parent").isDictionary())
                ft = dict.getKey("/Parent").getKey("/FT");
            return ft.isNameAndEquals("/Sig") ? PdfChangeSignatures : PdfChangeFormFields;
        }
        if (type.isNameAndEquals("/Annot") || (subtype.isName() && dict.hasKey("/Rect")))
            return PdfChangeAnnotations;
        return PdfChangeNone; // appearances, fonts, images that changes above bring along
    }

    QPDF &m_full;
    const QByteArray &m_bytes;
    QString m_password;
    std::map<QPDFObjGen, QPDFXRefEntry> m_xref;
    std::map<qint64, int> m_cache;
};

bool changesAllowed(int flags, int level)
{
    if (flags == PdfChangeNone)
        return true;
    if (flags & PdfChangePages)
        return false;
    switch (level) {
    case 1:
        return false;
    case 2:
        return !(flags & (PdfChangeAnnotations | PdfChangeOther));
    case 3:
        return !(flags & PdfChangeOther);
    default:
        return true;
    }
}

void checkCms(PdfSignatureInfo *info, const QByteArray &bytes, const qint64 range[4],
              const QByteArray &value)
{
    const unsigned char *der = reinterpret_cast<const unsigned char *>(value.constData());
    Owned<CMS_ContentInfo> cms(d2i_CMS_ContentInfo(nullptr, &der, value.size()));
    if (!cms) {
        info->problem =
            QStringLiteral("The signature value is not a CMS signature: %1").arg(lastError());
        return;
    }
    STACK_OF(CMS_SignerInfo) *signers = CMS_get0_SignerInfos(cms.get());
    if (!signers || sk_CMS_SignerInfo_num(signers) < 1) {
        info->problem = QStringLiteral("The signature holds no signer.");
        return;
    }
    CMS_SignerInfo *si = sk_CMS_SignerInfo_value(signers, 0);
    X509_ALGOR *digestAlgorithm = nullptr;
    CMS_SignerInfo_get0_algs(si, nullptr, nullptr, &digestAlgorithm, nullptr);
    const int digestNid = digestAlgorithm ? OBJ_obj2nid(digestAlgorithm->algorithm) : NID_undef;
    info->hashAlgorithm = digestName(digestNid);
    const EVP_MD *md = EVP_get_digestbynid(digestNid);

    Owned<STACK_OF(X509)> certificates(CMS_get1_certs(cms.get()));
    X509 *signer = nullptr;
    for (int i = 0; certificates && i < sk_X509_num(certificates.get()); ++i)
        if (CMS_SignerInfo_cert_cmp(si, sk_X509_value(certificates.get(), i)) == 0)
            signer = sk_X509_value(certificates.get(), i);
    if (!signer) {
        info->problem = QStringLiteral("The signer's certificate is not in the signature.");
        return;
    }
    CMS_SignerInfo_set1_signer_cert(si, signer);
    const PdfCertificate described = describe(signer);
    info->signer = described.commonName;

    const bool timestampToken = info->subFilter == QLatin1String("ETSI.RFC3161");
    const bool sha1Content = info->subFilter == QLatin1String("adbe.pkcs7.sha1");
    if (timestampToken) {
        // A document timestamp: the token stamps the digest of the ranges.
        BIO *content = BIO_new(BIO_s_mem());
        info->signatureMatches = CMS_verify(cms.get(), nullptr, nullptr, nullptr, content,
                                            CMS_NO_SIGNER_CERT_VERIFY | CMS_BINARY) == 1;
        BIO_free(content);
        const unsigned char *tokenDer = reinterpret_cast<const unsigned char *>(value.constData());
        if (PKCS7 *token = d2i_PKCS7(nullptr, &tokenDer, value.size())) {
            if (TS_TST_INFO *tst = PKCS7_to_TS_TST_INFO(token)) {
                TS_MSG_IMPRINT *imprint = TS_TST_INFO_get_msg_imprint(tst);
                const EVP_MD *imprintMd =
                    EVP_get_digestbyobj(TS_MSG_IMPRINT_get_algo(imprint)->algorithm);
                info->hashAlgorithm =
                    digestName(OBJ_obj2nid(TS_MSG_IMPRINT_get_algo(imprint)->algorithm));
                info->digestMatches =
                    digestOf(imprintMd, bytes, range) == octets(TS_MSG_IMPRINT_get_msg(imprint));
                info->hasTimestamp = true;
                info->timestampTime = toDateTime(TS_TST_INFO_get_time(tst));
                info->timestampValid = info->digestMatches && info->signatureMatches;
                info->signingTime = info->timestampTime;
                TS_TST_INFO_free(tst);
            }
            PKCS7_free(token);
        }
    } else if (CMS_signed_get_attr_count(si) > 0) {
        const QByteArray messageDigest =
            octets(static_cast<ASN1_OCTET_STRING *>(CMS_signed_get0_data_by_OBJ(
                si, OBJ_nid2obj(NID_pkcs9_messageDigest), -3, V_ASN1_OCTET_STRING)));
        if (sha1Content) {
            ASN1_OCTET_STRING **content = CMS_get0_content(cms.get());
            const QByteArray inner = content && *content ? octets(*content) : QByteArray();
            info->digestMatches =
                !inner.isEmpty() && inner == digestOf(EVP_sha1(), bytes, range) &&
                messageDigest ==
                    digestOf(md, reinterpret_cast<const unsigned char *>(inner.constData()),
                             static_cast<size_t>(inner.size()));
        } else {
            info->digestMatches =
                !messageDigest.isEmpty() && messageDigest == digestOf(md, bytes, range);
        }
        info->signatureMatches = CMS_SignerInfo_verify(si) == 1;
    } else {
        // No signed attributes: the signature is over the content itself.
        QByteArray content = bytes.mid(range[0], range[1]) + bytes.mid(range[2], range[3]);
        Owned<BIO> data(BIO_new_mem_buf(content.constData(), static_cast<int>(content.size())));
        const bool ok = CMS_verify(cms.get(), nullptr, nullptr, data.get(), nullptr,
                                   CMS_NO_SIGNER_CERT_VERIFY | CMS_BINARY) == 1;
        info->digestMatches = ok;
        info->signatureMatches = ok;
    }
    ERR_clear_error();

    TrustResult trust = checkChain(signer, certificates.get(), &info->chain);
    trust.selfSigned = trust.selfSigned || (!trust.trusted && described.selfSigned);
    info->certificateTrusted = trust.trusted;
    info->certificateExpired = trust.expired;
    if (!trust.trusted)
        info->problem = trust.expired         ? QStringLiteral("The certificate has expired.")
                        : trust.selfSigned    ? QStringLiteral("The certificate is self-signed.")
                        : trust.unknownIssuer ? QStringLiteral("The certificate's issuer is not "
                                                               "trusted.")
                                              : QStringLiteral("The certificate is not valid.");

    if (!timestampToken) {
        const int index = CMS_unsigned_get_attr_by_NID(si, NID_id_smime_aa_timeStampToken, -1);
        if (index >= 0) {
            X509_ATTRIBUTE *attribute = CMS_unsigned_get_attr(si, index);
            ASN1_TYPE *type = X509_ATTRIBUTE_get0_type(attribute, 0);
            if (type && type->type == V_ASN1_SEQUENCE) {
                const unsigned char *p = type->value.sequence->data;
                if (PKCS7 *token = d2i_PKCS7(nullptr, &p, type->value.sequence->length)) {
                    const QByteArray signatureValue = octets(CMS_SignerInfo_get0_signature(si));
                    info->hasTimestamp = readTimestamp(token, signatureValue, &info->timestampTime,
                                                       &info->timestampValid);
                    if (info->hasTimestamp && info->timestampValid)
                        info->signingTime = info->timestampTime;
                    PKCS7_free(token);
                }
            }
        }
        ERR_clear_error();
    }
}

QRectF shownRect(Handle widget, Handle page)
{
    Handle rect = widget.getKey("/Rect");
    if (!rect.isArray() || rect.getArrayNItems() != 4)
        return {};
    double v[4];
    for (int i = 0; i < 4; ++i) {
        Handle n = rect.getArrayItem(i);
        v[i] = n.isNumber() ? n.getNumericValue() : 0.0;
    }
    const QRectF user = QRectF(QPointF(v[0], v[1]), QPointF(v[2], v[3])).normalized();
    if (user.width() < 0.5 || user.height() < 0.5)
        return {};
    const int own = qpdfsupport::ownRotation(page);
    return annotationgeometry::userToShownRect(annotationgeometry::visibleBox(page), own, user);
}

} // namespace

bool PdfSignatures::verify(const QString &path, const QString &password, PdfSignatureReport *report,
                           PdfBackendError *error, QString *message)
{
    *report = {};
    MappedDocument document;
    if (!document.open(path, password, error, message))
        return false;
    QPDF &pdf = document.pdf();
    const QByteArray &bytes = document.bytes();

    try {
        const bool linearized = bytes.left(1024).contains("/Linearized");
        report->revisionCount = revisionsUpTo(bytes, bytes.size(), linearized);
        report->certificationLevel = signaturefields::certificationLevel(pdf);
        std::vector<signaturefields::Field> fields = signaturefields::list(pdf);
        if (fields.empty())
            return true; // most files: nothing more to read
        Handle certification = pdf.getRoot().getKey("/Perms").getKey("/DocMDP");
        std::map<QPDFObjGen, int> pageIndex;
        std::vector<Handle> pages = pdf.getAllPages();
        for (size_t i = 0; i < pages.size(); ++i)
            pageIndex.emplace(pages[i].getObjGen(), static_cast<int>(i));
        // Only where a signature does not cover the whole file.
        std::optional<ChangeAnalysis> changes;

        for (signaturefields::Field &field : fields) {
            PdfSignatureInfo info;
            info.fieldName = QString::fromStdString(field.name);
            Handle page = field.widget.getKey("/P");
            auto found = page.isIndirect() ? pageIndex.find(page.getObjGen()) : pageIndex.end();
            if (found == pageIndex.end()) {
                // Widgets without /P: look for the page listing it.
                for (size_t i = 0; i < pages.size() && found == pageIndex.end(); ++i) {
                    Handle annots = pages[i].getKey("/Annots");
                    if (!annots.isArray())
                        continue;
                    for (Handle annot : annots.aitems())
                        if (annot.isIndirect() && field.widget.isIndirect() &&
                            annot.getObjGen() == field.widget.getObjGen()) {
                            found = pageIndex.find(pages[i].getObjGen());
                            break;
                        }
                }
            }
            if (found != pageIndex.end()) {
                info.pageIndex = found->second;
                info.rect = shownRect(field.widget, pages[static_cast<size_t>(found->second)]);
            }
            Handle sig = field.value;
            if (!sig.isDictionary()) {
                info.verdict = PdfSignatureVerdict::Unsigned;
                report->signatures.append(info);
                continue;
            }
            info.reason = text(sig.getKey("/Reason"));
            info.location = text(sig.getKey("/Location"));
            info.contactInfo = text(sig.getKey("/ContactInfo"));
            info.signer = text(sig.getKey("/Name"));
            if (sig.getKey("/M").isString())
                info.signingTime = pdfDate(sig.getKey("/M").getStringValue());
            Handle subFilter = sig.getKey("/SubFilter");
            info.subFilter = subFilter.isName()
                                 ? QString::fromStdString(subFilter.getName().substr(1))
                                 : QString();
            if (certification.isIndirect() && sig.isIndirect() &&
                certification.getObjGen() == sig.getObjGen())
                info.certificationLevel = report->certificationLevel;

            qint64 range[4];
            if (!byteRanges(sig, bytes.size(), range)) {
                info.problem = QStringLiteral("The signature's byte range is missing or does not "
                                              "lie inside the file.");
                report->signatures.append(info);
                continue;
            }
            info.signedLength = range[2] + range[3];
            info.coversWholeFile = info.signedLength == bytes.size();
            info.revision = revisionsUpTo(bytes, info.signedLength, linearized);
            const QByteArray value = signatureValue(bytes, range);
            if (value.isEmpty()) {
                info.problem = QStringLiteral("The signature value cannot be read.");
                report->signatures.append(info);
                continue;
            }
            if (info.subFilter == QLatin1String("adbe.x509.rsa_sha1")) {
                info.problem = QStringLiteral("Signatures of type adbe.x509.rsa_sha1 are not "
                                              "checked.");
                report->signatures.append(info);
                continue;
            }
            checkCms(&info, bytes, range, value);
            const QString cmsProblem = info.problem; // why it could not be read, or trust
            if (!info.coversWholeFile) {
                if (!changes)
                    changes.emplace(pdf, bytes, password);
                info.changesAfter = changes->changesAfter(info.signedLength);
                info.changesAllowed = changesAllowed(info.changesAfter, report->certificationLevel);
            }
            if (info.signer.isEmpty() && !info.chain.isEmpty())
                info.signer = info.chain.front().commonName;
            if (!info.digestMatches || !info.signatureMatches) {
                info.verdict = PdfSignatureVerdict::Invalid;
                info.problem = !info.digestMatches && info.hashAlgorithm.isEmpty() ? cmsProblem
                               : !info.digestMatches
                                   ? QStringLiteral("The signed bytes were changed after signing "
                                                    "(digest mismatch).")
                                   : QStringLiteral("The signature does not match the signed "
                                                    "data.");
            } else if (!info.coversWholeFile) {
                info.verdict = PdfSignatureVerdict::ChangedAfterSigning;
                const QString list = PdfSignatures::describeChanges(info.changesAfter);
                info.problem =
                    QStringLiteral("The document was changed after signing%1%2.")
                        .arg(list.isEmpty() ? QString() : QStringLiteral(": ") + list,
                             info.changesAllowed
                                 ? QStringLiteral(" (changes the signature allows)")
                                 : QStringLiteral(" (beyond what the signature allows)"));
            } else if (!info.certificateTrusted) {
                info.verdict = PdfSignatureVerdict::NotTrusted;
            } else {
                info.verdict = PdfSignatureVerdict::Valid;
                info.problem.clear();
            }
            report->signatures.append(info);
        }
    } catch (const std::exception &e) {
        *error = PdfBackendError::CorruptOrUnsupported;
        *message = QString::fromStdString(e.what());
        return false;
    }
    return true;
}

bool PdfSignatures::extractRevision(const QString &path, qint64 signedLength, QString *copyPath,
                                    QString *message)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *message = file.errorString();
        return false;
    }
    if (signedLength <= 0 || signedLength > file.size()) {
        *message = QStringLiteral("The signed version is not inside the file.");
        return false;
    }
    const QByteArray bytes = file.read(signedLength);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                           QStringLiteral("/velmora-signed-versions");
    QDir().mkpath(folder);
    QTemporaryFile copy(folder + QLatin1Char('/') + QFileInfo(path).completeBaseName() +
                        QStringLiteral("-signed-XXXXXX.pdf"));
    copy.setAutoRemove(false);
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) {
        *message = copy.errorString();
        return false;
    }
    copy.setPermissions(QFileDevice::ReadOwner);
    *copyPath = copy.fileName();
    return true;
}
