#include "commandlinesignatures.h"

#include "commandline.h"
#include "pdfsignatures.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace CommandLineSignatures {
namespace {

void printLine(FILE *stream, const QString &text)
{
    fputs(qPrintable(text + u'\n'), stream);
    fflush(stream);
}

// Fixed English words, for scripts that read the lines.
QString verdictText(const PdfSignatureInfo &info)
{
    switch (info.verdict) {
    case PdfSignatureVerdict::Valid:
        return u"valid"_s;
    case PdfSignatureVerdict::ChangedAfterSigning: {
        const QString list = PdfSignatures::describeChanges(info.changesAfter);
        return (info.changesAllowed ? u"changed after signing"_s
                                    : u"changed beyond its permissions"_s) +
               (list.isEmpty() ? QString() : u" ("_s + list + u')');
    }
    case PdfSignatureVerdict::Invalid:
        return u"invalid ("_s + info.problem + u')';
    case PdfSignatureVerdict::NotTrusted:
        return u"not trusted ("_s + info.problem + u')';
    case PdfSignatureVerdict::Unreadable:
        return u"unreadable ("_s + info.problem + u')';
    case PdfSignatureVerdict::Unsigned:
        return u"empty field"_s;
    }
    return {};
}

bool acceptable(const PdfSignatureInfo &info)
{
    switch (info.verdict) {
    case PdfSignatureVerdict::Valid:
    case PdfSignatureVerdict::NotTrusted:
    case PdfSignatureVerdict::Unsigned:
        return true;
    case PdfSignatureVerdict::ChangedAfterSigning:
        return info.changesAllowed;
    default:
        return false;
    }
}

QString readPassword()
{
    const QByteArray fromEnvironment = qgetenv("VELMORA_CERT_PASSWORD");
    if (!fromEnvironment.isNull())
        return QString::fromLocal8Bit(fromEnvironment);
    QTextStream in(stdin);
    return in.readLine();
}

} // namespace

int verify(const CommandLine &line)
{
    int result = 0;
    for (const QString &file : line.files) {
        const QString shown = QDir::toNativeSeparators(file);
        PdfSignatureReport report;
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        if (!PdfSignatures::verify(file, QString(), &report, &error, &message)) {
            printLine(stderr, shown + u": "_s + message);
            result = 1;
            continue;
        }
        if (!report.isSigned()) {
            printLine(stdout, shown + u"\t-\t-\tnot signed"_s);
            result = 1;
            continue;
        }
        for (const PdfSignatureInfo &info : std::as_const(report.signatures)) {
            printLine(stdout, shown + u'\t' + info.fieldName + u'\t' +
                                  (info.signer.isEmpty() ? u"-"_s : info.signer) + u'\t' +
                                  verdictText(info));
            if (!acceptable(info))
                result = 1;
        }
    }
    return result;
}

int sign(const CommandLine &line)
{
    if (!QFileInfo::exists(line.certificate)) {
        printLine(
            stderr,
            CommandLine::tr("证书文件不存在：%1").arg(QDir::toNativeSeparators(line.certificate)));
        return 1;
    }
    if (!line.outputFolder.isEmpty() && !QDir().mkpath(line.outputFolder)) {
        printLine(
            stderr,
            CommandLine::tr("无法创建文件夹：%1").arg(QDir::toNativeSeparators(line.outputFolder)));
        return 1;
    }
    PdfSignOptions options;
    options.certificatePath = line.certificate;
    options.certificatePassword = readPassword();
    options.fieldName = line.signatureField;
    options.pageIndex = line.signaturePage - 1;
    options.rect = line.signatureRect;
    options.reason = line.reason;
    options.timestampUrl = line.timestampUrl;
    int result = 0;
    for (const QString &file : line.files) {
        QString written;
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        const QString target = PdfSignatures::signedName(file, line.outputFolder);
        if (PdfSignatures::sign(file, QString(), options, target, false, &written, &error,
                                &message)) {
            printLine(stdout, QDir::toNativeSeparators(written));
        } else {
            printLine(stderr, QDir::toNativeSeparators(file) + u": "_s + message);
            result = 1;
        }
    }
    return result;
}

} // namespace CommandLineSignatures
