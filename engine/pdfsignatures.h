#pragma once

#include "pdfeditorbackend.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

// One certificate of a signature's chain.
struct PdfCertificate
{
    QString commonName; // the subject's CN, else the whole subject
    QString subject;
    QString issuer;
    QString serialNumber; // hex
    QDateTime validFrom;
    QDateTime validTo;
    bool selfSigned = false;
};

enum class PdfSignatureVerdict : int {
    Valid = 0,               // intact, covers the whole file, certificate trusted
    ChangedAfterSigning = 1, // intact for the revision it signed; later revisions changed the file
    Invalid = 2,             // the signed bytes or the signature itself do not match
    NotTrusted = 3,          // intact and covering the file, but its certificate is not trusted
    Unreadable = 4,          // the signature cannot be read or is of a type not checked here
    Unsigned = 5,            // an empty signature field waiting to be signed
};

// What later revisions changed, as flags.
enum PdfRevisionChange : int {
    PdfChangeNone = 0,
    PdfChangeAnnotations = 1,
    PdfChangeFormFields = 2,
    PdfChangePages = 4, // pages added, removed, reordered, or their content or rotation changed
    PdfChangeSignatures = 8,
    PdfChangeOther = 16, // document information, catalog entries and other objects
};

struct PdfSignatureInfo
{
    QString fieldName; // fully qualified
    int pageIndex = -1;
    QRectF rect;    // points on the page as it shows itself; empty for an invisible signature
    QString signer; // the signing certificate's common name, else /Name
    QDateTime signingTime; // the timestamp's time when there is one, else /M
    QString reason;
    QString location;
    QString contactInfo;
    QString subFilter;     // "adbe.pkcs7.detached", "ETSI.CAdES.detached", …
    QString hashAlgorithm; // "SHA-256"
    int revision = 0;      // 1-based revision of the file the signature covers
    qint64 signedLength = 0;
    bool coversWholeFile = false;
    int changesAfter = PdfChangeNone; // PdfRevisionChange flags of the later revisions
    // The later changes are within what the signatures allow (annotations, form filling, more
    // signatures; fewer under a certification signature's permissions).
    bool changesAllowed = true;
    int certificationLevel = 0; // /DocMDP /P of a certification signature (1..3), 0 for approval
    bool digestMatches = false;
    bool signatureMatches = false;
    bool certificateTrusted = false;
    bool certificateExpired = false;
    bool hasTimestamp = false;
    bool timestampValid = false;
    QDateTime timestampTime;
    QList<PdfCertificate> chain; // signer first
    PdfSignatureVerdict verdict = PdfSignatureVerdict::Unreadable;
    QString problem; // English: why the verdict is not Valid (shown as detail, printed by --verify)
};

struct PdfSignatureReport
{
    QList<PdfSignatureInfo> signatures; // in field order; empty fields among them (Unsigned)
    int revisionCount = 1;
    // /DocMDP /P of the document's certification signature, 0 when it has none.
    int certificationLevel = 0;
    bool isSigned() const;
    int signedCount() const;
    // What the signatures let a later revision do without losing their validity.
    bool allowsAnnotations() const;
    bool allowsFormFilling() const;
};

// A picture for a visible signature: 8-bit RGBA rows without padding.
struct PdfSignatureImage
{
    QByteArray rgba;
    int width = 0;
    int height = 0;

    bool isNull() const
    {
        return width <= 0 || height <= 0 || rgba.size() < qsizetype(width) * height * 4;
    }
    // Inline, so that only callers with a picture link the GUI library (the command line has none).
    static PdfSignatureImage fromImage(const QImage &image)
    {
        PdfSignatureImage picture;
        const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
        if (rgba.isNull())
            return picture;
        picture.width = rgba.width();
        picture.height = rgba.height();
        picture.rgba.reserve(qsizetype(picture.width) * picture.height * 4);
        for (int y = 0; y < picture.height; ++y)
            picture.rgba.append(reinterpret_cast<const char *>(rgba.constScanLine(y)),
                                qsizetype(picture.width) * 4);
        return picture;
    }
};

struct PdfSignOptions
{
    QString certificatePath; // PKCS#12 (.p12, .pfx)
    QString certificatePassword;
    QString fieldName;  // an empty signature field to sign; else a new one is made
    int pageIndex = -1; // the new field's page; -1 for an invisible signature
    QRectF rect;        // the new field's box, points on the page as it shows itself
    QString reason;
    QString location;
    QString contactInfo;
    QString timestampUrl;    // RFC 3161 authority; empty: no timestamp (B-B)
    PdfSignatureImage image; // drawn in the appearance beside the text; may be null
    QDateTime signingTime;   // invalid: now
};

// Reading, verifying and making digital signatures (engine/signatures/).
class PdfSignatures
{
public:
    // Reads every signature field of a file and checks each signature: the bytes it covers,
    // the signature over them, its certificate against the system's CA certificates (plus
    // VELMORA_TRUSTED_CERTIFICATES, a PEM file), its timestamp, and what later revisions changed.
    // Safe on any thread; reads the whole file.
    static bool verify(const QString &path, const QString &password, PdfSignatureReport *report,
                       PdfBackendError *error, QString *message);
    // Whether a file carries signature fields with a signature, without checking them (cheap).
    static bool isSigned(const QString &path, const QString &password);
    // The file as it was when the signature covering signedLength bytes was made, copied to a
    // new temporary file; *copyPath names it.
    static bool extractRevision(const QString &path, qint64 signedLength, QString *copyPath,
                                QString *message);
    // Whether writing pages with options over/next to the file they all come from can be
    // appended to that file (same pages in the same order, only annotations and form values
    // changed), so that its signatures stay valid.
    static bool canAppend(const QList<PdfSourcePage> &pages, const PdfWriteOptions &options);
    // The certificate of a PKCS#12 file; false with an English message when the file cannot
    // be read or the password does not open it (*wrongPassword set then).
    static bool readCertificate(const QString &path, const QString &password,
                                PdfCertificate *certificate, bool *wrongPassword, QString *message);
    // Signs input (opened with password) into a new file: output when replace is true (the
    // target replaced atomically), else output or the next free "<stem>(n).pdf"; *writtenPath
    // names what was written. The input's bytes are kept as a prefix of the output, so earlier
    // signatures stay valid. PAdES B-B, or B-T with a timestamp authority.
    static bool sign(const QString &input, const QString &password, const PdfSignOptions &options,
                     const QString &output, bool replace, QString *writtenPath,
                     PdfBackendError *error, QString *message);
    // PdfRevisionChange flags in fixed English words: "annotations, form fields".
    static QString describeChanges(int changes);
    // "<folder>/<stem>-signed.pdf": the name a signed copy is offered under.
    static QString signedName(const QString &input, const QString &folder = {});
};
