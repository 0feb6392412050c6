#include "pdffixtures.h"
#include "testregistry.h"

#include "pdfeditorbackend.h"
#include "pdfsignatures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct ManifestRow
{
    QString file;
    QString caseName;
    int index = 0;
    QString signature;   // pdfsig's "Signature Validation"
    QString certificate; // its "Certificate Validation", empty NSS database
    QString coverage;
    QString certificateWithCa; // with the test CA trusted for e-mail
    QString hash;
    QString mutoolCertificate; // what MuPDF says of the certificate
};

QList<ManifestRow> readManifest(const QString &path)
{
    QList<ManifestRow> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    const QStringList header = QString::fromUtf8(file.readLine()).trimmed().split(u'\t');
    while (!file.atEnd()) {
        const QStringList cells = QString::fromUtf8(file.readLine()).chopped(1).split(u'\t');
        auto cell = [&](const QString &name) {
            const qsizetype at = header.indexOf(name);
            return at >= 0 && at < cells.size() ? cells[at] : QString();
        };
        rows.append({cell(u"file"_s), cell(u"case"_s), cell(u"sig"_s).toInt(),
                     cell(u"pdfsig_signature"_s), cell(u"pdfsig_certificate"_s),
                     cell(u"pdfsig_coverage"_s), cell(u"trusted-with-ca-email"_s),
                     cell(u"pdfsig_hash"_s), cell(u"mutool_certificate"_s)});
    }
    return rows;
}

bool have(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// pdfsig's verdict lines for every signature of a file, against an empty NSS database.
QStringList pdfsigLines(const QString &path, const QString &nssDir, const QString &password = {})
{
    QByteArray out;
    QStringList arguments = {u"-nssdir"_s, u"sql:"_s + nssDir};
    if (!password.isEmpty())
        arguments << u"-opw"_s << password;
    fixtures::run(u"pdfsig"_s, arguments << path, &out);
    QStringList lines;
    for (const QString &line : QString::fromUtf8(out).split(u'\n'))
        if (line.contains(u"Signature Validation:"_s))
            lines << line.section(u':', 1).trimmed();
    return lines;
}

PdfSignatureReport verified(const QString &path, const QString &password = {})
{
    PdfSignatureReport report;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (!PdfSignatures::verify(path, password, &report, &error, &message))
        qWarning() << "verify failed:" << message;
    return report;
}

QList<PdfSourcePage> pagesOf(const QString &path, const QString &password = {})
{
    PdfDocumentInfo info;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QList<PdfSourcePage> pages;
    if (!PdfEditorBackend::inspectDocument(path, password, &info, &error, &message))
        return pages;
    for (int i = 0; i < info.pageCount; ++i) {
        PdfSourcePage page;
        page.filePath = path;
        page.password = password;
        page.pageIndex = i;
        page.pageSize = info.pageSizes.value(i);
        pages << page;
    }
    return pages;
}

struct Velmora
{
    int exitCode = -1;
    QString out;
    QString err;
};

Velmora runVelmora(const QStringList &arguments, const QByteArray &input = {},
                   const QMap<QString, QString> &environment = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"VELMORA_CERT_PASSWORD"_s);
    for (auto it = environment.cbegin(); it != environment.cend(); ++it)
        env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VELMORA_EXECUTABLE), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestSignatures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &tool :
             {u"python3"_s, u"openssl"_s, u"mutool"_s, u"pdfsig"_s, u"certutil"_s, u"qpdf"_s})
            if (!have(tool))
                QSKIP(qPrintable(tool + u" is not installed (scripts/setup.sh installs it)"_s));
        QVERIFY(m_dir.isValid());
        m_corpus = m_dir.filePath(u"corpus"_s);
        QByteArray log;
        QVERIFY2(fixtures::run(
                     u"python3"_s,
                     {QStringLiteral(VELMORA_SOURCE_DIR) + u"/tests/signatures/make_corpus.py"_s,
                      m_corpus},
                     &log),
                 log.constData());
        m_rows = readManifest(m_corpus + u"/manifest.tsv"_s);
        QVERIFY(m_rows.size() >= 12);
        m_nss = m_dir.filePath(u"nss"_s);
        QDir().mkpath(m_nss);
        QVERIFY(fixtures::run(u"certutil"_s,
                              {u"-N"_s, u"-d"_s, u"sql:"_s + m_nss, u"--empty-password"_s}));
        m_p12 = m_corpus + u"/self.p12"_s;
    }

    void cleanup() { qunsetenv("VELMORA_TRUSTED_CERTIFICATES"); }

    // Every signature of files made by other tools reads as pdfsig reads it, with the system's
    // trust and with the test CA trusted.
    void verdictsMatchPdfsig_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QString>("coverage");
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<QString>("hash");
        QTest::addColumn<bool>("caTrusted");
        QTest::addColumn<bool>("selfSigned");
        for (const ManifestRow &row : std::as_const(m_rows)) {
            for (bool ca : {false, true})
                QTest::addRow("%s #%d%s", qPrintable(row.caseName), row.index,
                              ca ? " (CA trusted)" : "")
                    << row.file << row.index << row.signature << row.coverage
                    << (ca ? row.certificateWithCa : row.certificate) << row.hash << ca
                    << row.mutoolCertificate.contains(u"Self-signed"_s);
        }
    }

    void verdictsMatchPdfsig()
    {
        QFETCH(QString, file);
        QFETCH(int, index);
        QFETCH(QString, signature);
        QFETCH(QString, coverage);
        QFETCH(QString, certificate);
        QFETCH(QString, hash);
        QFETCH(bool, caTrusted);
        QFETCH(bool, selfSigned);
        if (caTrusted)
            qputenv("VELMORA_TRUSTED_CERTIFICATES", QFile::encodeName(m_corpus + u"/ca.pem"_s));
        const PdfSignatureReport report = verified(m_corpus + u'/' + file);
        QList<PdfSignatureInfo> signedOnes;
        for (const PdfSignatureInfo &info : report.signatures)
            if (info.verdict != PdfSignatureVerdict::Unsigned)
                signedOnes << info;
        QVERIFY(index >= 1 && index <= signedOnes.size());
        const PdfSignatureInfo &info = signedOnes[index - 1];

        const bool intact = signature == u"Signature is Valid."_s;
        QCOMPARE(info.digestMatches && info.signatureMatches, intact);
        QCOMPARE(info.verdict == PdfSignatureVerdict::Invalid, !intact);
        QCOMPARE(info.coversWholeFile, coverage == u"Total document signed"_s);
        QCOMPARE(QString(info.hashAlgorithm).remove(u'-'), QString(hash).remove(u'-'));
        if (intact) {
            QCOMPARE(info.certificateTrusted, certificate == u"Certificate is Trusted."_s);
            QCOMPARE(info.certificateExpired, certificate.startsWith(u"Certificate has Expired"_s));
            QVERIFY(!info.signer.isEmpty());
            QVERIFY(!info.chain.isEmpty());
            QCOMPARE(info.chain.constFirst().selfSigned, selfSigned);
        }
    }

    // What later revisions changed, and whether the signatures allow it.
    void changesAfterSigning_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("changes");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<int>("certification");
        QTest::newRow("annotation added")
            << u"10-update-annotation.pdf"_s << int(PdfChangeAnnotations) << true << 0;
        QTest::newRow("page content replaced")
            << u"11-update-content.pdf"_s << int(PdfChangePages) << false << 0;
        QTest::newRow("second signature")
            << u"14-two-signatures.pdf"_s << int(PdfChangeSignatures) << true << 0;
        QTest::newRow("certified, untouched")
            << u"15-certify-p1.pdf"_s << int(PdfChangeNone) << true << 1;
        QTest::newRow("certified P1, annotation added")
            << u"16-certify-p1-annotation.pdf"_s << int(PdfChangeAnnotations) << false << 1;
    }

    void changesAfterSigning()
    {
        QFETCH(QString, file);
        QFETCH(int, changes);
        QFETCH(bool, allowed);
        QFETCH(int, certification);
        const PdfSignatureReport report = verified(m_corpus + u'/' + file);
        QVERIFY(report.isSigned());
        const PdfSignatureInfo &first = report.signatures.constFirst();
        QCOMPARE(first.changesAfter, changes);
        QCOMPARE(first.changesAllowed, allowed);
        QCOMPARE(report.certificationLevel, certification);
        QCOMPARE(first.verdict == PdfSignatureVerdict::ChangedAfterSigning,
                 changes != PdfChangeNone);
        QVERIFY(report.revisionCount > first.revision || changes == PdfChangeNone);
    }

    // Changes the signatures allow are appended: the signed bytes stay a prefix and every
    // earlier signature stays valid for pdfsig and MuPDF.
    void allowedChangesKeepSignatures_data()
    {
        QTest::addColumn<QString>("base"); // a corpus file, or "form" (made here)
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("protection"); // "", "aes256"
        QTest::addColumn<bool>("objectStreams");
        QTest::addColumn<bool>("saveOver");
        QTest::newRow("note on a file mutool signed")
            << u"01-mutool-valid.pdf"_s << u"note"_s << QString() << false << false;
        QTest::newRow("note saved over the file")
            << u"03-cms-sha256.pdf"_s << u"note"_s << QString() << false << true;
        QTest::newRow("second signature, visible")
            << u"14-two-signatures.pdf"_s << u"sign"_s << QString() << false << false;
        QTest::newRow("empty field signed")
            << u"unsigned-two-fields.pdf"_s << u"field"_s << QString() << false << false;
        QTest::newRow("form filled after signing")
            << u"form"_s << u"fill"_s << QString() << false << false;
        QTest::newRow("xref stream file, note")
            << u"form"_s << u"note"_s << QString() << true << false;
        QTest::newRow("encrypted, note") << u"form"_s << u"note"_s << u"aes256"_s << false << false;
        QTest::newRow("encrypted, filled")
            << u"form"_s << u"fill"_s << u"aes256"_s << false << true;
    }

    void allowedChangesKeepSignatures()
    {
        QFETCH(QString, base);
        QFETCH(QString, change);
        QFETCH(QString, protection);
        QFETCH(bool, objectStreams);
        QFETCH(bool, saveOver);
        QTemporaryDir work;
        const QString password = protection.isEmpty() ? QString() : u"secret"_s;
        QString source = work.filePath(u"source.pdf"_s);
        if (base == u"form"_s) {
            // A form with a text field, signed here: the starting point of a fill-in contract.
            fixtures::DocumentSpec spec;
            spec.pages = fixtures::pagesOf(2, {595, 842});
            spec.formFieldPage = 0;
            QString plain = work.filePath(u"plain.pdf"_s);
            QVERIFY(fixtures::write(spec, plain));
            if (objectStreams) {
                const QString packed = work.filePath(u"packed.pdf"_s);
                QVERIFY(fixtures::run(u"qpdf"_s, {u"--object-streams=generate"_s, plain, packed}));
                plain = packed;
            }
            if (!password.isEmpty()) {
                const QString locked = work.filePath(u"locked.pdf"_s);
                QVERIFY(fixtures::encrypt(plain, locked, fixtures::Scheme::Aes256, password,
                                          u"owner"_s));
                plain = locked;
            }
            PdfSignOptions options;
            options.certificatePath = m_p12;
            options.certificatePassword = u"pw"_s;
            options.pageIndex = 1;
            options.rect = QRectF(300, 700, 200, 60);
            options.reason = u"Approved"_s;
            QString written;
            PdfBackendError error = PdfBackendError::NoError;
            QString message;
            QVERIFY2(PdfSignatures::sign(plain, password, options, source, false, &written, &error,
                                         &message),
                     qPrintable(message));
            QCOMPARE(written, source);
        } else {
            QVERIFY(QFile::copy(m_corpus + u'/' + base, source));
        }
        const QByteArray before = fixtures::readBytes(source);
        const int signaturesBefore = pdfsigLines(source, m_nss, password).size();

        const QString target = saveOver ? source : work.filePath(u"out.pdf"_s);
        if (change == u"sign"_s || change == u"field"_s) {
            PdfSignOptions options;
            options.certificatePath = m_corpus + u"/leaf.p12"_s;
            options.certificatePassword = u"pw"_s;
            if (change == u"field"_s) {
                const PdfSignatureReport empty = verified(source);
                QCOMPARE(empty.signatures.size(), 2);
                options.fieldName = empty.signatures.constLast().fieldName;
            } else {
                options.pageIndex = 0;
                options.rect = QRectF(40, 40, 180, 50);
                // Drawn with a subset of a system face (its objects numbered by qpdf) beside
                // the objects the signer numbers itself.
                options.reason = u"Утверждено Ωmega"_s;
                // A picture beside the text, half of it transparent.
                QImage picture(8, 4, QImage::Format_ARGB32);
                picture.fill(Qt::transparent);
                for (int y = 0; y < 4; ++y)
                    for (int x = 0; x < 4; ++x)
                        picture.setPixelColor(x, y, Qt::red);
                options.image = PdfSignatureImage::fromImage(picture);
            }
            QString written;
            PdfBackendError error = PdfBackendError::NoError;
            QString message;
            QVERIFY2(PdfSignatures::sign(source, password, options, target, saveOver, &written,
                                         &error, &message),
                     qPrintable(message));
        } else {
            QList<PdfSourcePage> pages = pagesOf(source, password);
            QVERIFY(!pages.isEmpty());
            if (change == u"note"_s) {
                PdfAnnotation note;
                note.type = PdfAnnotation::Type::Note;
                note.rect = QRectF(50, 50, 20, 20);
                note.text = u"Looks right"_s;
                pages[0].annotations << note;
            } else {
                pages[0].fieldValues.insert(u"field0"_s, u"Filled after signing"_s);
            }
            PdfBackendError error = PdfBackendError::NoError;
            QString message;
            QVERIFY2(PdfEditorBackend::saveDocument(pages, target, &error, &message),
                     qPrintable(message));
        }

        const QByteArray after = fixtures::readBytes(target);
        QVERIFY(after.size() > before.size());
        QVERIFY(after.startsWith(before));
        QVERIFY(fixtures::qpdfCheck(target, password));
        const QStringList verdicts = pdfsigLines(target, m_nss, password);
        const int expected = signaturesBefore + (change == u"sign"_s || change == u"field"_s);
        QCOMPARE(verdicts.size(), expected);
        for (const QString &verdict : verdicts)
            QCOMPARE(verdict, u"Signature is Valid."_s);
        if (password.isEmpty()) {
            QByteArray mutool;
            fixtures::run(u"mutool"_s, {u"sign"_s, u"-v"_s, target}, &mutool);
            QVERIFY2(!mutool.contains("Digest error"), mutool.constData());
        }
        const PdfSignatureReport report = verified(target, password);
        for (const PdfSignatureInfo &info : report.signatures) {
            if (info.verdict == PdfSignatureVerdict::Unsigned)
                continue;
            QVERIFY(info.digestMatches && info.signatureMatches);
            QVERIFY(info.changesAllowed);
        }
        if (change == u"sign"_s) {
            QProcess text;
            text.start(u"pdftotext"_s, {u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, target, u"-"_s});
            QVERIFY(text.waitForFinished(30000));
            QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains(u"Утверждено"_s));
            QCOMPARE(QString::fromUtf8(text.readAllStandardError()), QString());
            // The picture went in at its size, with its transparency as a soft mask.
            QByteArray json;
            QVERIFY(fixtures::run(u"qpdf"_s, {u"--json=2"_s, u"--json-key=qpdf"_s, target}, &json));
            const QJsonObject objects =
                QJsonDocument::fromJson(json).object().value(u"qpdf"_s).toArray().at(1).toObject();
            bool pictured = false;
            for (const QJsonValue &object : objects) {
                const QJsonObject dict =
                    object.toObject().value(u"stream"_s).toObject().value(u"dict"_s).toObject();
                pictured = pictured ||
                           (dict.value(u"/Subtype"_s) == u"/Image"_s &&
                            dict.value(u"/Width"_s).toInt() == 8 &&
                            dict.value(u"/Height"_s).toInt() == 4 && dict.contains(u"/SMask"_s));
            }
            QVERIFY(pictured);
        }
        if (change == u"fill"_s)
            QCOMPARE(report.signatures.constFirst().changesAfter, int(PdfChangeFormFields));
        if (change == u"note"_s)
            QCOMPARE(report.signatures.constFirst().changesAfter, int(PdfChangeAnnotations));
    }

    // A certification signature that forbids changes: the save and a new signature are refused
    // with the reason, and nothing is written.
    void refusedChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("note") << u"note"_s;
        QTest::newRow("signature") << u"sign"_s;
    }

    void refusedChange()
    {
        QFETCH(QString, change);
        QTemporaryDir work;
        const QString source = work.filePath(u"certified.pdf"_s);
        QVERIFY(QFile::copy(m_corpus + u"/15-certify-p1.pdf"_s, source));
        const QByteArray before = fixtures::readBytes(source);
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        bool ok = true;
        if (change == u"note"_s) {
            QList<PdfSourcePage> pages = pagesOf(source);
            PdfAnnotation note;
            note.type = PdfAnnotation::Type::Note;
            note.rect = QRectF(50, 50, 20, 20);
            pages[0].annotations << note;
            ok = PdfEditorBackend::saveDocument(pages, source, &error, &message);
        } else {
            PdfSignOptions options;
            options.certificatePath = m_p12;
            options.certificatePassword = u"pw"_s;
            QString written;
            ok = PdfSignatures::sign(source, {}, options, work.filePath(u"out.pdf"_s), false,
                                     &written, &error, &message);
        }
        QVERIFY(!ok);
        QVERIFY(message.contains(u"certified"_s));
        QCOMPARE(fixtures::readBytes(source), before);
        QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList{u"certified.pdf"_s});
    }

    // --verify and --sign: lines, exit codes, names never replacing a file.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("password"); // VELMORA_CERT_PASSWORD; "stdin:…" on input
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // what stdout must contain
        QTest::newRow("verify, changed within permissions")
            << QStringList{u"--verify"_s, u"@/10-update-annotation.pdf"_s} << QString() << 0
            << u"changed after signing"_s;
        QTest::newRow("verify, trusted")
            << QStringList{u"--verify"_s, u"@/12-ca-leaf.pdf"_s} << u"ca"_s << 0 << u"\tvalid"_s;
        QTest::newRow("verify, tampered")
            << QStringList{u"--verify"_s, u"@/03-cms-sha256.pdf"_s, u"@/09-tampered.pdf"_s}
            << QString() << 1 << u"invalid"_s;
        QTest::newRow("verify, pages changed")
            << QStringList{u"--verify"_s, u"@/11-update-content.pdf"_s} << QString() << 1
            << u"changed beyond its permissions"_s;
        QTest::newRow("verify, certified then annotated")
            << QStringList{u"--verify"_s, u"@/16-certify-p1-annotation.pdf"_s} << QString() << 1
            << u"changed beyond its permissions"_s;
        QTest::newRow("verify, not signed")
            << QStringList{u"--verify"_s, u"@/unsigned-one-field.pdf"_s} << QString() << 1
            << u"not signed"_s;
        QTest::newRow("verify, no file")
            << QStringList{u"--verify"_s} << QString() << 2 << QString();
        QTest::newRow("sign, password in the environment")
            << QStringList{u"--sign"_s,       u"--cert"_s,   u"@/self.p12"_s,
                           u"--page"_s,       u"1"_s,        u"--rect"_s,
                           u"40,40,200,60"_s, u"--reason"_s, u"Agreed"_s,
                           u"--outdir"_s,     u"#"_s,        u"@/unsigned-one-field.pdf"_s}
            << u"pw"_s << 0 << u"unsigned-one-field-signed.pdf"_s;
        QTest::newRow("sign twice: a free name")
            << QStringList{u"--sign"_s,
                           u"--cert"_s,
                           u"@/self.p12"_s,
                           u"--outdir"_s,
                           u"#"_s,
                           u"@/03-cms-sha256.pdf"_s,
                           u"@/03-cms-sha256.pdf"_s}
            << u"stdin:pw"_s << 0 << u"03-cms-sha256-signed(1).pdf"_s;
        QTest::newRow("sign, wrong password")
            << QStringList{u"--sign"_s,   u"--cert"_s, u"@/self.p12"_s,
                           u"--outdir"_s, u"#"_s,      u"@/03-cms-sha256.pdf"_s}
            << u"wrong"_s << 1 << QString();
        QTest::newRow("sign, no certificate")
            << QStringList{u"--sign"_s, u"@/03-cms-sha256.pdf"_s} << u"pw"_s << 2 << QString();
        QTest::newRow("sign, page without box")
            << QStringList{u"--sign"_s, u"--cert"_s, u"@/self.p12"_s,
                           u"--page"_s, u"1"_s,      u"@/03-cms-sha256.pdf"_s}
            << u"pw"_s << 2 << QString();
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, password);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QTemporaryDir out;
        for (QString &argument : arguments) {
            argument.replace(u"@"_s, m_corpus);
            if (argument == u"#"_s)
                argument = out.path();
        }
        QMap<QString, QString> environment;
        QByteArray input;
        if (password == u"ca"_s)
            environment.insert(u"VELMORA_TRUSTED_CERTIFICATES"_s, m_corpus + u"/ca.pem"_s);
        else if (password.startsWith(u"stdin:"_s))
            input = password.mid(6).toUtf8() + '\n';
        else if (!password.isEmpty())
            environment.insert(u"VELMORA_CERT_PASSWORD"_s, password);
        const Velmora run = runVelmora(arguments, input, environment);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.out + run.err));
        QVERIFY2(run.out.contains(output), qPrintable(run.out));
        if (arguments.contains(u"--sign"_s)) {
            const QStringList written = QDir(out.path()).entryList(QDir::Files);
            QCOMPARE(written.size(), exitCode == 0 ? run.out.count(u'\n') : 0);
            for (const QString &name : written) {
                const QStringList verdicts = pdfsigLines(out.filePath(name), m_nss);
                QVERIFY(!verdicts.isEmpty());
                for (const QString &verdict : verdicts)
                    QCOMPARE(verdict, u"Signature is Valid."_s);
            }
        }
    }

    // PAdES B-T: a timestamp token from a local authority in the unsigned attributes; an
    // authority that does not answer fails the signing and writes nothing.
    void timestampedSignature()
    {
        QTemporaryDir tsaDir;
        QProcess tsa;
        tsa.start(u"python3"_s,
                  {QStringLiteral(VELMORA_SOURCE_DIR) + u"/tests/signatures/tsa_server.py"_s,
                   u"--port"_s, u"0"_s, u"--dir"_s, tsaDir.path()});
        QVERIFY(tsa.waitForReadyRead(20000));
        const QString first = QString::fromUtf8(tsa.readLine()).trimmed();
        QVERIFY2(first.startsWith(u"PORT "_s), qPrintable(first));
        const QString url = u"http://127.0.0.1:"_s + first.mid(5) + u'/';

        QTemporaryDir work;
        PdfSignOptions options;
        options.certificatePath = m_p12;
        options.certificatePassword = u"pw"_s;
        options.timestampUrl = url;
        QString written;
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        const QString target = work.filePath(u"stamped.pdf"_s);
        QVERIFY2(PdfSignatures::sign(m_corpus + u"/unsigned-one-field.pdf"_s, {}, options, target,
                                     false, &written, &error, &message),
                 qPrintable(message));
        const PdfSignatureReport report = verified(target);
        QCOMPARE(report.signedCount(), 1);
        const PdfSignatureInfo &info = report.signatures.constLast();
        QVERIFY(info.hasTimestamp);
        QVERIFY(info.timestampValid);
        QCOMPARE(info.subFilter, u"ETSI.CAdES.detached"_s);
        QCOMPARE(info.hashAlgorithm, u"SHA-256"_s);
        QCOMPARE(pdfsigLines(target, m_nss), QStringList{u"Signature is Valid."_s});

        tsa.kill();
        tsa.waitForFinished();
        options.timestampUrl = url; // nobody answers there now
        const QString refused = work.filePath(u"refused.pdf"_s);
        QVERIFY(!PdfSignatures::sign(m_corpus + u"/unsigned-one-field.pdf"_s, {}, options, refused,
                                     false, &written, &error, &message));
        QVERIFY(message.contains(u"timestamp"_s));
        QVERIFY(!QFileInfo::exists(refused));
    }

private:
    QTemporaryDir m_dir;
    QString m_corpus;
    QString m_nss;
    QString m_p12;
    QList<ManifestRow> m_rows;
};

VELMORA_REGISTER_TEST(TestSignatures);

#include "tst_signatures.moc"
