#include "passwordtool.h"

#include "batchsupport.h"
#include "mupdftools.h"
#include "pathidentity.h"
#include "qpdfsupport.h"
#include "stagedfile.h"

#include <QDir>
#include <QFileInfo>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

using namespace batchsupport;

PasswordTool::PasswordTool(Mode mode)
    : m_mode(mode)
{}

bool PasswordTool::execute(const TaskRequest &request)
{
    const QString source = singleSource(request);
    if (source.isEmpty())
        return fail(request, BatchFailure::SourceMissing, QString(),
                    QStringLiteral("no source file"));
    if (!QFileInfo(source).isFile())
        return fail(request, BatchFailure::SourceMissing, source,
                    QStringLiteral("the source does not exist: %1").arg(source));
    const bool encrypt = m_mode == Mode::Encrypt;
    // The file's own password, given when it was added, comes before the panel's.
    const QString ownPassword = inputPassword(request.options, 0);
    const QString password = encrypt || ownPassword.isEmpty()
                                 ? request.options.value(TaskOption::Password).toString()
                                 : ownPassword;
    if (encrypt && password.isEmpty())
        return fail(request, BatchFailure::EmptyPassword, QString(),
                    QStringLiteral("an empty password protects nothing"));

    const SaveMode save = saveMode(request);
    QString folder = pathidentity::internal(request.outputPath);
    if (save == SaveMode::NewFile && folder.isEmpty() && request.useSourceFolder)
        folder = QFileInfo(source).absolutePath();
    if (save == SaveMode::ReplaceSource)
        folder = QFileInfo(source).absolutePath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return fail(request, BatchFailure::OutputFolderMissing, folder,
                    QStringLiteral("the output folder does not exist: %1").arg(folder));

    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    // Encrypting opens the file with the password it has now; unlocking with the one given.
    const QString opening = encrypt ? ownPassword : password;
    bool encrypted = false;
    bool accepted = false;
    bool needsPassword = false;
    bool owner = false;
    if (!mupdftools::passwordState(source, opening, &encrypted, &accepted, &message, &needsPassword,
                                   &owner))
        return fail(request, BatchFailure::NotPdf, source, message);
    if (!encrypt && !encrypted)
        return fail(request, BatchFailure::NotProtected, source,
                    QStringLiteral("the document has no password; nothing to unlock"));
    if (encrypted && !accepted && (needsPassword || !opening.isEmpty()))
        return fail(request,
                    opening.isEmpty() ? BatchFailure::PasswordRequired
                                      : BatchFailure::WrongPassword,
                    source, QStringLiteral("the password is not correct"));
    // Protection is changed only by who may change it: a new one needs the owner password, and
    // removing one takes a password even where the file opens without (owner password only).
    if (encrypt && encrypted && !owner)
        return fail(request, BatchFailure::OwnerPasswordRequired, source,
                    QStringLiteral("the document is protected and its owner password was not "
                                   "given"));
    if (!encrypt && password.isEmpty())
        return fail(request, BatchFailure::PasswordRequired, source,
                    QStringLiteral("the document is protected and no password was given"));

    std::shared_ptr<qpdfsupport::Source> input =
        qpdfsupport::open(source, opening, false, &error, &message);
    if (!input)
        return fail(request, failureOf(error), source, message);
    if (encrypted && !input->repairedBytes.isEmpty() && encrypt)
        return fail(request, BatchFailure::NotPdf, source,
                    QStringLiteral("the protected document is too damaged to be protected anew"));

    StagedFile staged(folder);
    if (!staged.isValid())
        return failStaged(request, staged);
    const QByteArray user = password.toUtf8();
    const QString ownerText = request.options.value(TaskOption::OwnerPassword).toString();
    // An owner password left empty would let "" open the file as its owner.
    const QByteArray ownerSecret = ownerText.isEmpty() ? user : ownerText.toUtf8();
    const auto allowed = [&request](QLatin1StringView key) {
        return request.options.value(key, true).toBool();
    };
    const bool print = allowed(TaskOption::AllowPrint);
    const bool copy = allowed(TaskOption::AllowCopy);
    const bool modify = allowed(TaskOption::AllowModify);
    const bool written = qpdfsupport::writeStaged(
        *input->pdf, staged.path(),
        [&](QPDFWriter &writer) {
            writer.setPreserveEncryption(false);
            writer.setObjectStreamMode(qpdf_o_preserve);
            if (encrypt) {
                writer.setR6EncryptionParameters(user.constData(), ownerSecret.constData(), true,
                                                 copy, modify, modify, modify, modify,
                                                 print ? qpdf_r3p_full : qpdf_r3p_none, true);
            }
        },
        &error, &message);
    if (!written)
        return fail(request, writeFailureOf(error, folder), folder, message);
    if (save == SaveMode::ReplaceSource) {
        // Closed before the rename: a source still open cannot be replaced everywhere.
        input.reset();
        if (!staged.replace(source))
            return failStaged(request, staged);
        return true;
    }
    // A new file is placed first; the parsed source is let go after.
    if (staged.commitToFreeName(folder, QFileInfo(source).completeBaseName()).isEmpty())
        return failStaged(request, staged);
    return true;
}
