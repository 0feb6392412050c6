#include "testcertificate.h"

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

TestCertificate TestCertificate::create()
{
    TestCertificate result;
    const QString openssl = QStandardPaths::findExecutable(u"openssl"_s);
    if (openssl.isEmpty()) {
        result.error = u"the openssl command is not installed"_s;
        return result;
    }
    QTemporaryDir dir;
    const QString keyPath = dir.filePath(u"key.pem"_s);
    const QString certificatePath = dir.filePath(u"certificate.pem"_s);
    QProcess process;
    process.start(openssl, {u"req"_s, u"-x509"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s,
                            u"ec_paramgen_curve:prime256v1"_s, u"-nodes"_s, u"-days"_s, u"2"_s,
                            u"-subj"_s, u"/CN=127.0.0.1"_s, u"-addext"_s,
                            u"subjectAltName=IP:127.0.0.1,IP:::1,DNS:localhost"_s, u"-keyout"_s,
                            keyPath, u"-out"_s, certificatePath});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        result.error =
            u"openssl failed: "_s + QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
    QFile keyFile(keyPath);
    QFile certificateFile(certificatePath);
    if (!keyFile.open(QIODevice::ReadOnly) || !certificateFile.open(QIODevice::ReadOnly)) {
        result.error = u"openssl wrote no certificate"_s;
        return result;
    }
    result.key = QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem);
    result.certificate = QSslCertificate(certificateFile.readAll(), QSsl::Pem);
    if (result.key.isNull() || result.certificate.isNull())
        result.error = u"the certificate or key cannot be read"_s;
    return result;
}

void TestCertificate::trustInThisProcess() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(configuration);
}
