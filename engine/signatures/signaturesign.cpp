#include "annotationgeometry.h"
#include "annotationwriter.h"
#include "cmssupport.h"
#include "flateimage.h"
#include "incrementalwriter.h"
#include "mappeddocument.h"
#include "outputreservations.h"
#include "pdfsignatures.h"
#include "qpdfsupport.h"
#include "signaturefields.h"
#include "stagedfile.h"
#include "timestampclient.h"
#include "unicodeface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <set>

using namespace cmssupport;
using Handle = QPDFObjectHandle;

namespace {

struct Credentials
{
    Owned<EVP_PKEY> key;
    Owned<X509> certificate;
    Owned<STACK_OF(X509)> chain;
};

bool loadCredentials(const QString &path, const QString &password, Credentials *out,
                     bool *wrongPassword, QString *message)
{
    *wrongPassword = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *message =
            QStringLiteral("The certificate file cannot be read: %1").arg(file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    const unsigned char *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    PKCS12 *p12 = d2i_PKCS12(nullptr, &p, bytes.size());
    if (!p12) {
        ERR_clear_error();
        *message = QStringLiteral("%1 is not a PKCS#12 certificate file (.p12, .pfx).")
                       .arg(QDir::toNativeSeparators(path));
        return false;
    }
    const QByteArray pass = password.toUtf8();
    EVP_PKEY *key = nullptr;
    X509 *certificate = nullptr;
    STACK_OF(X509) *chain = nullptr;
    bool parsed = PKCS12_parse(p12, pass.constData(), &key, &certificate, &chain) == 1;
    if (!parsed) {
        // Files protected the old way (RC2, 3DES) need the legacy provider, loaded only then.
        ERR_clear_error();
        loadProviders();
        parsed = PKCS12_parse(p12, pass.constData(), &key, &certificate, &chain) == 1;
    }
    // Parsing checks the password itself; asked again only to tell a wrong one from damage.
    const bool wrong = !parsed &&
                       !PKCS12_verify_mac(p12, pass.constData(), static_cast<int>(pass.size())) &&
                       !(pass.isEmpty() && PKCS12_verify_mac(p12, nullptr, 0));
    PKCS12_free(p12);
    if (wrong) {
        ERR_clear_error();
        *wrongPassword = true;
        *message = QStringLiteral("The password does not open the certificate file.");
        return false;
    }
    out->key.reset(key);
    out->certificate.reset(certificate);
    out->chain.reset(chain);
    if (!parsed || !key || !certificate) {
        *message = QStringLiteral("The certificate file holds no private key with its "
                                  "certificate: %1")
                       .arg(lastError());
        return false;
    }
    ERR_clear_error();
    return true;
}

std::string number(double value)
{
    return QString::number(value, 'f', 3).toStdString();
}

std::string pdfDate(const QDateTime &when)
{
    const QDateTime local = when.toLocalTime();
    const int offset = local.offsetFromUtc();
    QString text = QStringLiteral("D:") + local.toString(QStringLiteral("yyyyMMddHHmmss"));
    if (offset == 0) {
        text += QLatin1Char('Z');
    } else {
        text += QLatin1Char(offset > 0 ? '+' : '-');
        const int minutes = std::abs(offset) / 60;
        text += QStringLiteral("%1'%2'")
                    .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                    .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    }
    return text.toStdString();
}

Handle pdfText(const QString &value)
{
    return Handle::newUnicodeString(value.toStdString());
}

// The text lines of a visible signature, in a box w x h (points, upright), with an image at
// the left when one is given.
Handle appearance(QPDF &pdf, incrementalwriter::NewObjects &objects, double w, double h,
                  const QStringList &lines, const PdfSignatureImage &image,
                  const QTransform &matrix)
{
    std::string content = "q\n";
    Handle resources = Handle::newDictionary();
    double textLeft = 4;
    if (!image.isNull() && w > 40) {
        const PdfSignatureImage &rgba = image;
        QByteArray rgb;
        QByteArray alpha;
        rgb.reserve(rgba.width * rgba.height * 3);
        alpha.reserve(rgba.width * rgba.height);
        bool anyAlpha = false;
        for (int y = 0; y < rgba.height; ++y) {
            const auto *row = reinterpret_cast<const uchar *>(rgba.rgba.constData()) +
                              qsizetype(y) * rgba.width * 4;
            for (int x = 0; x < rgba.width; ++x) {
                rgb.append(reinterpret_cast<const char *>(row + x * 4), 3);
                alpha.append(static_cast<char>(row[x * 4 + 3]));
                anyAlpha = anyAlpha || row[x * 4 + 3] != 255;
            }
        }
        auto imageStream = [&](const QByteArray &rows, int components, const char *space) {
            const QByteArray data = flateimage::encode(
                reinterpret_cast<const unsigned char *>(rows.constData()), rgba.width * components,
                rgba.width * components, rgba.height, components);
            Handle dict = Handle::newDictionary();
            dict.replaceKey("/Type", Handle::newName("/XObject"));
            dict.replaceKey("/Subtype", Handle::newName("/Image"));
            dict.replaceKey("/Width", Handle::newInteger(rgba.width));
            dict.replaceKey("/Height", Handle::newInteger(rgba.height));
            dict.replaceKey("/BitsPerComponent", Handle::newInteger(8));
            dict.replaceKey("/ColorSpace", Handle::newName(space));
            dict.replaceKey("/Filter", Handle::newName("/FlateDecode"));
            dict.replaceKey("/DecodeParms",
                            Handle::parse("<< /Predictor 15 /Colors " + std::to_string(components) +
                                          " /BitsPerComponent 8 /Columns " +
                                          std::to_string(rgba.width) + " >>"));
            return objects.addStream(dict, data.toStdString());
        };
        Handle picture = imageStream(rgb, 3, "/DeviceRGB");
        if (anyAlpha)
            picture.replaceKey("/SMask", imageStream(alpha, 1, "/DeviceGray"));
        Handle xobjects = Handle::newDictionary();
        xobjects.replaceKey("/Im0", picture);
        resources.replaceKey("/XObject", xobjects);
        // The image takes up to the left third, kept in proportion.
        const double boxW = w / 3 - 4;
        const double boxH = h - 4;
        const double scale = std::min(boxW / rgba.width, boxH / static_cast<double>(rgba.height));
        const double iw = rgba.width * scale;
        const double ih = rgba.height * scale;
        content += "q " + number(iw) + " 0 0 " + number(ih) + " " + number(2 + (boxW - iw) / 2) +
                   " " + number((h - ih) / 2) + " cm /Im0 Do Q\n";
        textLeft = w / 3 + 2;
    }
    // Greek, Cyrillic and other scripts in a subset of a system face, as in text boxes.
    std::set<char32_t> faceCharacters;
    for (const QString &line : lines) {
        const std::set<char32_t> more = annotationwriter::faceCharacters(line);
        faceCharacters.insert(more.begin(), more.end());
    }
    std::unique_ptr<UnicodeFace> face;
    if (!faceCharacters.empty()) {
        face = std::make_unique<UnicodeFace>(faceCharacters);
        if (face->isNull())
            face.reset();
    }
    const double textWidth = std::max(10.0, w - textLeft - 4);
    double size = std::min(12.0, (h - 4) / (std::max<qsizetype>(1, lines.size()) * 1.25));
    for (const QString &line : lines)
        size = std::min(
            size,
            0.95 * textWidth * 12.0 /
                std::max(1.0, annotationgeometry::helveticaWidth(line, 12.0) *
                                  (annotationwriter::needsCjk(line, face.get()) ? 1.6 : 1.0)));
    size = std::max(size, 3.0);
    Handle fonts = Handle::newDictionary();
    fonts.replaceKey("/Helv",
                     objects.add(Handle::parse("<< /Type /Font /Subtype /Type1 /BaseFont "
                                               "/Helvetica /Encoding /WinAnsiEncoding >>")));
    bool cjk = false;
    for (const QString &line : lines)
        cjk = cjk || annotationwriter::needsCjk(line, face.get());
    if (cjk)
        fonts.replaceKey("/CJK", objects.add(annotationwriter::cjkFontDictionary()));
    if (face) {
        // Rare enough to take qpdf's numbering (the embedded program is a real stream).
        Handle font = face->font(pdf);
        objects.adopt(font);
        fonts.replaceKey("/Uni", font);
    }
    resources.replaceKey("/Font", fonts);
    const double blockHeight = lines.size() * size * 1.25;
    double baseline = (h + blockHeight) / 2 - size;
    // A light frame says where the signature's box is.
    content += "0.80 0.83 0.87 RG 0.6 w 0.3 0.3 " + number(w - 0.6) + " " + number(h - 0.6) +
               " re S\n0.1 0.15 0.25 rg\n";
    for (const QString &line : lines) {
        content += "BT 1 0 0 1 " + number(textLeft) + " " + number(baseline) + " Tm\n" +
                   annotationwriter::textRuns(line, size, face.get()) + "ET\n";
        baseline -= size * 1.25;
    }
    content += "Q\n";
    Handle dict = Handle::newDictionary();
    dict.replaceKey("/Type", Handle::newName("/XObject"));
    dict.replaceKey("/Subtype", Handle::newName("/Form"));
    dict.replaceKey("/BBox", Handle::newArray(QPDFObjectHandle::Rectangle(0, 0, w, h)));
    dict.replaceKey("/Matrix", Handle::newArray(QPDFObjectHandle::Matrix(
                                   matrix.m11(), matrix.m12(), matrix.m21(), matrix.m22(), 0, 0)));
    dict.replaceKey("/Resources", resources);
    return objects.addStream(dict, content);
}

QString uniqueFieldName(QPDF &pdf)
{
    QStringList taken;
    for (signaturefields::Field field : signaturefields::list(pdf))
        taken << QString::fromStdString(field.name);
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("Signature%1").arg(n);
        if (!taken.contains(name))
            return name;
    }
}

// A DER CMS SignedData (CAdES: signing-certificate-v2) over the two parts of the file, with a
// timestamp token in the unsigned attributes when a server is given. The digest is taken here,
// over the parts where they lie, so the content is never copied or streamed through OpenSSL.
QByteArray cmsSignature(const Credentials &credentials, std::initializer_list<QByteArrayView> parts,
                        const QString &timestampUrl, QString *message)
{
    const unsigned int flags = CMS_DETACHED | CMS_BINARY | CMS_NOSMIMECAP | CMS_PARTIAL | CMS_CADES;
    Owned<CMS_ContentInfo> cms(CMS_sign(nullptr, nullptr, nullptr, nullptr, flags));
    CMS_SignerInfo *si = cms ? CMS_add1_signer(cms.get(), credentials.certificate.get(),
                                               credentials.key.get(), EVP_sha256(), flags)
                             : nullptr;
    if (!si) {
        *message =
            QStringLiteral("The signature cannot be made with this key: %1").arg(lastError());
        return {};
    }
    for (int i = 0; credentials.chain && i < sk_X509_num(credentials.chain.get()); ++i)
        CMS_add1_cert(cms.get(), sk_X509_value(credentials.chain.get(), i));
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    EVP_MD_CTX *ctx = EVP_MD_CTX_new();
    EVP_DigestInit_ex(ctx, EVP_sha256(), nullptr);
    for (const QByteArrayView part : parts)
        EVP_DigestUpdate(ctx, part.data(), static_cast<size_t>(part.size()));
    EVP_DigestFinal_ex(ctx, digest, &digestLength);
    EVP_MD_CTX_free(ctx);
    const bool attributes =
        CMS_signed_add1_attr_by_NID(si, NID_pkcs9_messageDigest, V_ASN1_OCTET_STRING, digest,
                                    static_cast<int>(digestLength)) == 1 &&
        (CMS_signed_get_attr_by_NID(si, NID_pkcs9_contentType, -1) >= 0 ||
         CMS_signed_add1_attr_by_NID(si, NID_pkcs9_contentType, V_ASN1_OBJECT,
                                     OBJ_nid2obj(NID_pkcs7_data), -1) == 1);
    if (!attributes || CMS_SignerInfo_sign(si) != 1) {
        *message = QStringLiteral("The signature could not be computed: %1").arg(lastError());
        return {};
    }
    if (!timestampUrl.isEmpty()) {
        const ASN1_OCTET_STRING *value = CMS_SignerInfo_get0_signature(si);
        unsigned char stamped[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        EVP_Digest(ASN1_STRING_get0_data(value), static_cast<size_t>(ASN1_STRING_length(value)),
                   stamped, &length, EVP_sha256(), nullptr);
        const QByteArray token = timestampclient::request(
            timestampUrl, QByteArray(reinterpret_cast<char *>(stamped), length), message);
        if (token.isEmpty())
            return {};
        if (CMS_unsigned_add1_attr_by_NID(si, NID_id_smime_aa_timeStampToken, V_ASN1_SEQUENCE,
                                          token.constData(), static_cast<int>(token.size())) != 1) {
            *message = QStringLiteral("The timestamp could not be added: %1").arg(lastError());
            return {};
        }
    }
    unsigned char *der = nullptr;
    const int length = i2d_CMS_ContentInfo(cms.get(), &der);
    if (length <= 0) {
        *message = QStringLiteral("The signature could not be encoded: %1").arg(lastError());
        return {};
    }
    QByteArray out(reinterpret_cast<char *>(der), length);
    OPENSSL_free(der);
    return out;
}

int derSize(X509 *certificate)
{
    return certificate ? i2d_X509(certificate, nullptr) : 0;
}

} // namespace

bool PdfSignatures::readCertificate(const QString &path, const QString &password,
                                    PdfCertificate *certificate, bool *wrongPassword,
                                    QString *message)
{
    Credentials credentials;
    if (!loadCredentials(path, password, &credentials, wrongPassword, message))
        return false;
    *certificate = describe(credentials.certificate.get());
    return true;
}

bool PdfSignatures::sign(const QString &input, const QString &password,
                         const PdfSignOptions &options, const QString &output, bool replace,
                         QString *writtenPath, PdfBackendError *error, QString *message)
{
    *error = PdfBackendError::WriteFailed;
    Credentials credentials;
    bool wrongPassword = false;
    if (!loadCredentials(options.certificatePath, options.certificatePassword, &credentials,
                         &wrongPassword, message))
        return false;

    MappedDocument document;
    if (!document.open(input, password, error, message))
        return false;
    QPDF &pdf = document.pdf();
    const QByteArray &original = document.bytes();

    QByteArray update;
    incrementalwriter::SignatureSlot slot;
    try {
        if (pdf.isEncrypted() && !pdf.ownerPasswordMatched() && !pdf.allowModifyForm()) {
            *message = QStringLiteral("The file's permissions do not allow signing it without "
                                      "its owner password.");
            return false;
        }
        if (signaturefields::certificationLevel(pdf) == 1) {
            *message = QStringLiteral("The document is certified by its signer against any "
                                      "change, signing included.");
            return false;
        }
        // What will change, found before anything does: the field to fill or the page to add
        // one to.
        signaturefields::Field emptyField;
        Handle page;
        int pageCount = 0;
        const bool visible =
            options.fieldName.isEmpty() && options.pageIndex >= 0 && !options.rect.isEmpty();
        if (!options.fieldName.isEmpty()) {
            bool found = false;
            for (signaturefields::Field field : signaturefields::list(pdf)) {
                if (QString::fromStdString(field.name) != options.fieldName)
                    continue;
                if (field.value.isDictionary()) {
                    *message = QStringLiteral("The signature field %1 is signed already.")
                                   .arg(options.fieldName);
                    return false;
                }
                emptyField = field;
                found = true;
                break;
            }
            if (!found) {
                *message = QStringLiteral("The document has no signature field named %1.")
                               .arg(options.fieldName);
                return false;
            }
        } else {
            const int index = visible ? options.pageIndex : 0;
            page = signaturefields::pageAt(pdf, index, &pageCount);
            if (!page.isDictionary()) {
                *error = pageCount > 0 ? PdfBackendError::WriteFailed
                                       : PdfBackendError::CorruptOrUnsupported;
                *message =
                    pageCount > 0
                        ? QStringLiteral("Page %1 does not exist; the document has %2 pages.")
                              .arg(index + 1)
                              .arg(pageCount)
                        : QStringLiteral("The document has no pages.");
                return false;
            }
        }
        Handle root = pdf.getRoot();
        std::vector<Handle> candidates{root, root.getKey("/AcroForm"),
                                       root.getKey("/AcroForm").getKey("/Fields")};
        if (page.isInitialized())
            candidates.insert(candidates.end(), {page, page.getKey("/Annots")});
        if (emptyField.field.isInitialized())
            candidates.insert(candidates.end(), {emptyField.field, emptyField.widget});
        incrementalwriter::Snapshot snapshot(pdf, candidates);
        incrementalwriter::NewObjects newObjects(pdf);

        const QDateTime when =
            options.signingTime.isValid() ? options.signingTime : QDateTime::currentDateTime();
        Handle sig = Handle::newDictionary();
        sig.replaceKey("/Type", Handle::newName("/Sig"));
        sig.replaceKey("/Filter", Handle::newName("/Adobe.PPKLite"));
        sig.replaceKey("/SubFilter", Handle::newName("/ETSI.CAdES.detached"));
        sig.replaceKey("/M", Handle::newString(pdfDate(when)));
        const PdfCertificate signer = describe(credentials.certificate.get());
        sig.replaceKey("/Name", pdfText(signer.commonName));
        if (!options.reason.isEmpty())
            sig.replaceKey("/Reason", pdfText(options.reason));
        if (!options.location.isEmpty())
            sig.replaceKey("/Location", pdfText(options.location));
        if (!options.contactInfo.isEmpty())
            sig.replaceKey("/ContactInfo", pdfText(options.contactInfo));
        sig.replaceKey("/ByteRange", Handle::newArray());
        sig.replaceKey("/Contents", Handle::newString(std::string()));
        sig = newObjects.add(sig);

        Handle acroForm = root.getKey("/AcroForm");
        if (!acroForm.isDictionary()) {
            acroForm = newObjects.add(Handle::newDictionary());
            root.replaceKey("/AcroForm", acroForm);
        }
        if (!acroForm.getKey("/Fields").isArray())
            acroForm.replaceKey("/Fields", Handle::newArray());
        acroForm.replaceKey("/SigFlags", Handle::newInteger(3));

        QStringList lines;
        lines << QStringLiteral("Digitally signed by %1").arg(signer.commonName)
              << QStringLiteral("Date: %1")
                     .arg(when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t")));
        if (!options.reason.isEmpty())
            lines << QStringLiteral("Reason: %1").arg(options.reason);
        if (!options.location.isEmpty())
            lines << QStringLiteral("Location: %1").arg(options.location);

        auto setAppearance = [&](Handle widget, Handle page, const QRectF &userRect) {
            const int own = qpdfsupport::ownRotation(page);
            const QTransform toUser =
                annotationgeometry::shownToUser(annotationgeometry::visibleBox(page), own);
            // Upright (y up) in the box as the page shows it: flip, then the page's own turn.
            // The flip applied first: the second row of the linear part changes sign.
            const QTransform matrix(toUser.m11(), toUser.m12(), -toUser.m21(), -toUser.m22(), 0, 0);
            const bool quarter = own == 90 || own == 270;
            const double w = quarter ? userRect.height() : userRect.width();
            const double h = quarter ? userRect.width() : userRect.height();
            Handle ap = Handle::newDictionary();
            ap.replaceKey("/N", appearance(pdf, newObjects, w, h, lines, options.image, matrix));
            widget.replaceKey("/AP", ap);
        };

        if (emptyField.field.isInitialized()) {
            emptyField.field.replaceKey("/V", sig);
            Handle rect = emptyField.widget.getKey("/Rect");
            Handle fieldPage = emptyField.widget.getKey("/P");
            if (rect.isRectangle() && fieldPage.isDictionary()) {
                const auto r = rect.getArrayAsRectangle();
                const QRectF userRect =
                    QRectF(QPointF(r.llx, r.lly), QPointF(r.urx, r.ury)).normalized();
                if (userRect.width() > 1 && userRect.height() > 1)
                    setAppearance(emptyField.widget, fieldPage, userRect);
            }
        } else {
            Handle widget = Handle::newDictionary();
            widget.replaceKey("/Type", Handle::newName("/Annot"));
            widget.replaceKey("/Subtype", Handle::newName("/Widget"));
            widget.replaceKey("/FT", Handle::newName("/Sig"));
            widget.replaceKey("/T", pdfText(uniqueFieldName(pdf)));
            widget.replaceKey("/F", Handle::newInteger(132)); // printed, locked
            widget.replaceKey("/P", page);
            widget.replaceKey("/V", sig);
            QRectF userRect;
            if (visible) {
                userRect = annotationgeometry::shownToUserRect(annotationgeometry::visibleBox(page),
                                                               qpdfsupport::ownRotation(page),
                                                               options.rect);
            }
            widget.replaceKey("/Rect", Handle::newArray(QPDFObjectHandle::Rectangle(
                                           userRect.left(), userRect.top(), userRect.right(),
                                           userRect.bottom())));
            widget = newObjects.add(widget);
            if (visible)
                setAppearance(widget, page, userRect);
            Handle annots = page.getKey("/Annots");
            if (annots.isArray() && annots.isIndirect()) {
                annots.appendItem(widget);
            } else {
                std::vector<Handle> items;
                if (annots.isArray())
                    items = annots.getArrayAsVector();
                items.push_back(widget);
                page.replaceKey("/Annots", Handle::newArray(items));
            }
            acroForm.getKey("/Fields").appendItem(widget);
        }

        std::vector<QPDFObjGen> changed = snapshot.changedObjects(pdf);
        changed.insert(changed.end(), newObjects.objects().begin(), newObjects.objects().end());
        std::sort(changed.begin(), changed.end());
        int estimate = 4096 + 2 * derSize(credentials.certificate.get());
        for (int i = 0; credentials.chain && i < sk_X509_num(credentials.chain.get()); ++i)
            estimate += derSize(sk_X509_value(credentials.chain.get(), i));
        if (!options.timestampUrl.isEmpty())
            estimate += 12288; // the token carries the authority's certificates
        slot.object = sig.getObjGen();
        slot.contentsSize = estimate;
        if (!incrementalwriter::append(pdf, original, changed, &update, message, &slot,
                                       &newObjects))
            return false;
    } catch (const std::exception &e) {
        *message = QStringLiteral("The signature field could not be made: %1")
                       .arg(QString::fromStdString(e.what()));
        return false;
    }

    // The placeholders lie in the update; offsets are in the whole file.
    const qint64 base = original.size();
    const qint64 a = slot.contentsStart;
    const qint64 b = slot.contentsEnd;
    const qint64 c = base + update.size() - b;
    QByteArray ranges = "[0 " + QByteArray::number(a) + ' ' + QByteArray::number(b) + ' ' +
                        QByteArray::number(c) + ']';
    const qint64 width = slot.byteRangeEnd - slot.byteRangeStart;
    if (ranges.size() > width) {
        *message = QStringLiteral("The file is too large to be signed here.");
        return false;
    }
    ranges.insert(ranges.size() - 1, QByteArray(width - ranges.size(), ' '));
    update.replace(slot.byteRangeStart - base, width, ranges);

    const QByteArrayView tail(update);
    const QByteArray signature = cmsSignature(
        credentials, {QByteArrayView(original), tail.first(a - base), tail.sliced(b - base)},
        options.timestampUrl, message);
    if (signature.isEmpty())
        return false;
    if (signature.size() > slot.contentsSize) {
        *message = QStringLiteral("The signature is larger than the room made for it.");
        return false;
    }
    const QByteArray hex = signature.toHex().toUpper();
    update.replace(a - base + 1, hex.size(), hex);

    const QString target = QFileInfo(output).absoluteFilePath();
    StagedFile staged(QFileInfo(target).absolutePath());
    QFile out(staged.path());
    if (!staged.isValid() || !out.open(QIODevice::WriteOnly) ||
        out.write(original) != original.size() || out.write(update) != update.size() ||
        !out.flush()) {
        *message = staged.isValid() ? out.errorString() : staged.errorString();
        return false;
    }
    out.close();
    const QString owner = QUuid::createUuid().toString();
    staged.setOwner(owner);
    const bool placed = replace ? staged.replace(target) : staged.commitTo(target);
    outputreservations::release(owner);
    if (!placed) {
        *message = staged.errorString();
        return false;
    }
    *writtenPath = replace ? target : staged.placedPath();
    *error = PdfBackendError::NoError;
    return true;
}
