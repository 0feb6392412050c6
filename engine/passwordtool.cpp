#include "passwordtool.h"

#include "batchsupport.h"
#include "inkwell.h"
#include "mupdftools.h"
#include "qpdfsupport.h"

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
    const QString password = request.options.value(TaskOption::Password).toString();
    const bool encrypt = m_mode == Mode::Encrypt;
    if (encrypt && password.isEmpty())
        return fail(request, BatchFailure::EmptyPassword, QString(),
                    QStringLiteral("an empty password protects nothing"));

    const SaveMode save = saveMode(request);
    QString folder = QDir::cleanPath(QDir::fromNativeSeparators(request.outputPath));
    if (save == SaveMode::NewFile && folder.isEmpty() && request.useSourceFolder)
        folder = QFileInfo(source).absolutePath();
    if (save == SaveMode::ReplaceSource)
        folder = QFileInfo(source).absolutePath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return fail(request, BatchFailure::OutputFolderMissing, folder,
                    QStringLiteral("the output folder does not exist: %1").arg(folder));

    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    // A file that needs a password to open cannot be encrypted anew without it.
    std::shared_ptr<qpdfsupport::Source> input =
        qpdfsupport::open(source, encrypt ? QString() : password, false, &error, &message);
    if (!input)
        return fail(request, failureOf(error), source, message);
    if (!encrypt) {
        bool encrypted = false;
        if (input->repairedBytes.isEmpty()) {
            encrypted = input->pdf->isEncrypted();
            if (encrypted && !password.isEmpty() && !input->pdf->userPasswordMatched() &&
                !input->pdf->ownerPasswordMatched())
                return fail(request, BatchFailure::WrongPassword, source,
                            QStringLiteral("the password is not correct"));
        } else {
            bool accepted = false;
            if (!mupdftools::passwordState(source, password, &encrypted, &accepted, &message))
                return fail(request, BatchFailure::NotPdf, source, message);
            if (encrypted && !accepted)
                return fail(request, BatchFailure::WrongPassword, source,
                            QStringLiteral("the password is not correct"));
        }
        // Even where the file opens without one (owner password only), unlocking takes a password.
        if (encrypted && password.isEmpty())
            return fail(request, BatchFailure::PasswordRequired, source,
                        QStringLiteral("the document is protected and no password was given"));
    }

    StagedFile staged(folder);
    if (!staged.isValid())
        return failStaged(request, staged);
    const QByteArray secret = password.toUtf8();
    const bool written = qpdfsupport::writeStaged(
        *input->pdf, staged.path(),
        [&](QPDFWriter &writer) {
            writer.setPreserveEncryption(false);
            writer.setObjectStreamMode(qpdf_o_preserve);
            if (encrypt) {
                writer.setR6EncryptionParameters(secret.constData(), secret.constData(), true, true,
                                                 true, true, true, true, qpdf_r3p_full, true);
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
