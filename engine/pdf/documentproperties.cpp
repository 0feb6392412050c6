#include "documentproperties.h"

#include "qpdfsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

using namespace Qt::StringLiterals;
using Handle = QPDFObjectHandle;

namespace documentproperties {

namespace {

QString infoText(Handle info, const char *key)
{
    Handle value = info.getKey(key);
    if (!value.isString())
        return {};
    // Some producers end their strings with a NUL; nobody wants to see it.
    QString text = QString::fromStdString(value.getUTF8Value());
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text.trimmed();
}

void setInfoText(Handle info, const char *key, const QString &text)
{
    if (text.trimmed().isEmpty())
        info.removeKey(key);
    else
        info.replaceKey(key, Handle::newUnicodeString(text.trimmed().toStdString()));
}

Handle infoDictionary(QPDF &pdf, bool create)
{
    Handle trailer = pdf.getTrailer();
    Handle info = trailer.getKey("/Info");
    if (info.isDictionary() || !create)
        return info;
    info = pdf.makeIndirectObject(Handle::newDictionary());
    trailer.replaceKey("/Info", info);
    return info;
}

} // namespace

void writeMetadata(QPDF &pdf, const PdfDocumentMetadata &metadata, const QDateTime &now)
{
    Handle info = infoDictionary(pdf, true);
    setInfoText(info, "/Title", metadata.title);
    setInfoText(info, "/Author", metadata.author);
    setInfoText(info, "/Subject", metadata.subject);
    setInfoText(info, "/Keywords", metadata.keywords);
    info.replaceKey("/ModDate", Handle::newString(formatPdfDate(now).toStdString()));
}

QDateTime parsePdfDate(const QString &text)
{
    static const QRegularExpression pattern(
        uR"(^\s*(?:D:)?(\d{4})(\d{2})?(\d{2})?(\d{2})?(\d{2})?(\d{2})?\s*(?:([Zz+\-])\s*(\d{2})?'?\s*(\d{2})?'?)?)"_s);
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    auto part = [&m](int n, int fallback) {
        return m.capturedLength(n) ? m.captured(n).toInt() : fallback;
    };
    const QDate date(part(1, 0), part(2, 1), part(3, 1));
    const QTime time(part(4, 0), part(5, 0), part(6, 0));
    if (!date.isValid() || !time.isValid())
        return {};
    const QString sign = m.captured(7);
    if (sign.isEmpty())
        return QDateTime(date, time, Qt::LocalTime);
    int offset = part(8, 0) * 3600 + part(9, 0) * 60;
    if (sign == u"-"_s)
        offset = -offset;
    if (qAbs(offset) > 14 * 3600)
        return {};
    return QDateTime(date, time, Qt::OffsetFromUTC, offset);
}

QString formatPdfDate(const QDateTime &when)
{
    const int offset = when.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    const QString zone = offset == 0 ? u"Z"_s
                                     : QStringLiteral("%1%2'%3'")
                                           .arg(offset < 0 ? u'-' : u'+')
                                           .arg(minutes / 60, 2, 10, QChar(u'0'))
                                           .arg(minutes % 60, 2, 10, QChar(u'0'));
    return u"D:"_s + when.toString(u"yyyyMMddHHmmss"_s) + zone;
}

} // namespace documentproperties

namespace {

QString encryptionName(QPDF &pdf)
{
    int R = 0;
    int P = 0;
    int V = 0;
    QPDF::encryption_method_e stream = QPDF::e_none;
    QPDF::encryption_method_e string = QPDF::e_none;
    QPDF::encryption_method_e file = QPDF::e_none;
    if (!pdf.isEncrypted(R, P, V, stream, string, file))
        return {};
    if (stream == QPDF::e_aesv3 || R >= 5)
        return u"AES-256"_s;
    if (stream == QPDF::e_aes)
        return u"AES-128"_s;
    if (stream == QPDF::e_rc4 || R <= 4)
        return R == 2 ? u"RC4-40"_s : u"RC4-128"_s;
    return {};
}

} // namespace

bool PdfEditorBackend::readProperties(const QString &path, const QString &password,
                                      PdfDocumentProperties *properties, PdfBackendError *error,
                                      QString *message)
{
    PdfBackendError failure = PdfBackendError::NoError;
    QString text;
    try {
        const std::shared_ptr<qpdfsupport::Source> source =
            qpdfsupport::open(path, password, false, &failure, &text);
        if (!source) {
            if (error)
                *error = failure;
            if (message)
                *message = text;
            return false;
        }
        QPDF &pdf = *source->pdf;
        PdfDocumentProperties result;
        Handle info = documentproperties::infoDictionary(pdf, false);
        if (info.isDictionary()) {
            result.metadata.title = documentproperties::infoText(info, "/Title");
            result.metadata.author = documentproperties::infoText(info, "/Author");
            result.metadata.subject = documentproperties::infoText(info, "/Subject");
            result.metadata.keywords = documentproperties::infoText(info, "/Keywords");
            result.creator = documentproperties::infoText(info, "/Creator");
            result.producer = documentproperties::infoText(info, "/Producer");
            result.created = documentproperties::parsePdfDate(
                documentproperties::infoText(info, "/CreationDate"));
            result.modified =
                documentproperties::parsePdfDate(documentproperties::infoText(info, "/ModDate"));
        }
        result.version = QString::fromStdString(pdf.getPDFVersion());
        if (const int level = pdf.getExtensionLevel(); level > 0)
            result.version =
                QStringLiteral("%1 (extension level %2)").arg(result.version).arg(level);
        result.linearized = source->repairedBytes.isEmpty() && pdf.isLinearized();
        result.encrypted = source->encrypted;
        if (pdf.isEncrypted()) {
            result.encryption = encryptionName(pdf);
            result.ownerAccess = pdf.ownerPasswordMatched();
            result.canPrint = pdf.allowPrintLowRes();
            result.canPrintHighQuality = pdf.allowPrintHighRes();
            result.canModify = pdf.allowModifyOther();
            result.canCopy = pdf.allowExtractAll();
            result.canAnnotate = pdf.allowModifyAnnotation();
            result.canFillForms = pdf.allowModifyForm();
            result.canAssemble = pdf.allowModifyAssembly();
        } else if (source->encrypted) {
            // Read through a repaired, decrypted copy: the protection is there but not its details.
            result.ownerAccess = false;
        }
        result.fileSize = QFileInfo(path).size();
        if (properties)
            *properties = result;
        if (error)
            *error = PdfBackendError::NoError;
        if (message)
            message->clear();
        return true;
    } catch (const std::exception &e) {
        if (error)
            *error = PdfBackendError::CorruptOrUnsupported;
        if (message)
            *message = QStringLiteral("The properties of %1 cannot be read: %2")
                           .arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what()));
        return false;
    }
}
