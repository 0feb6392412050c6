#include "signedsave.h"

#include "annotationwriter.h"
#include "incrementalwriter.h"
#include "mappeddocument.h"
#include "pagestamp.h"
#include "pdfsignatures.h"
#include "qpdfsupport.h"
#include "signaturefields.h"
#include "stagedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

namespace {

bool sameSource(const PdfSourcePage &a, const PdfSourcePage &b)
{
    return a.filePath == b.filePath && a.password == b.password;
}

} // namespace

bool PdfSignatures::canAppend(const QList<PdfSourcePage> &pages, const PdfWriteOptions &options)
{
    if (pages.isEmpty() || options.flattenAnnotations || options.metadata)
        return false;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const PdfSourcePage &page = pages[i];
        if (page.blank || page.filePath.isEmpty() || !sameSource(page, pages.front()) ||
            page.pageIndex != i || page.rotation % 360 != 0 || !page.stampText.isEmpty())
            return false;
    }
    if (!options.protectionSource.isEmpty() &&
        QFileInfo(options.protectionSource).absoluteFilePath() !=
            QFileInfo(pages.front().filePath).absoluteFilePath())
        return false;
    return true;
}

bool PdfSignatures::isSigned(const QString &path, const QString &password)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    try {
        pdf.processFile(QFile::encodeName(path).constData(), password.toStdString().c_str());
        return signaturefields::anySigned(pdf);
    } catch (const std::exception &) {
        return false;
    }
}

namespace signedsave {

Result write(const QList<PdfSourcePage> &pages, const QString &folder,
             const PdfWriteOptions &options, PdfBackendError *error, QString *message,
             const std::function<bool(StagedFile &)> &place)
{
    // Anything but annotations and form values rewrites the file whole (the viewer asked first).
    if (!PdfSignatures::canAppend(pages, options))
        return Result::NotSigned;
    const PdfSourcePage &first = pages.front();
    MappedDocument document;
    if (!document.open(first.filePath, first.password, error, message))
        return Result::NotSigned; // the whole-file writer reports (or repairs) it
    QPDF &pdf = document.pdf();
    const QByteArray &original = document.bytes();
    try {
        if (!signaturefields::anySigned(pdf))
            return Result::NotSigned;
        std::vector<QPDFObjectHandle> filePages = pdf.getAllPages();
        if (static_cast<qsizetype>(filePages.size()) != pages.size())
            return Result::NotSigned;

        bool annotations = false;
        bool forms = false;
        for (const PdfSourcePage &page : pages) {
            annotations =
                annotations || !page.annotations.isEmpty() || !page.hiddenAnnotations.isEmpty();
            forms = forms || !page.fieldValues.isEmpty();
        }
        const int level = signaturefields::certificationLevel(pdf);
        if ((annotations && !signaturefields::allowsAnnotations(level)) ||
            (forms && !signaturefields::allowsFormFilling(level))) {
            *error = PdfBackendError::WriteFailed;
            *message = level == 1 ? QStringLiteral("The document is certified by its signer "
                                                   "against any change.")
                                  : QStringLiteral("The document is certified by its signer "
                                                   "for form filling and signing only.");
            return Result::Failed;
        }

        incrementalwriter::Snapshot snapshot(pdf);
        QPDFObjectHandle font;
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const PdfSourcePage &spec = pages[i];
            if (spec.annotations.isEmpty() && spec.hiddenAnnotations.isEmpty())
                continue;
            if (!font.isInitialized())
                font = pagestamp::helveticaFont(pdf);
            QPDFObjectHandle page = filePages[static_cast<size_t>(i)];
            annotationwriter::writePage(pdf, page, spec, qpdfsupport::ownRotation(page), font);
        }
        annotationwriter::fillForms(pdf, filePages, pages);

        QByteArray update;
        const std::vector<QPDFObjGen> changed = snapshot.changedObjects(pdf);
        if (!changed.empty() &&
            !incrementalwriter::append(pdf, original, changed, &update, message)) {
            *error = PdfBackendError::WriteFailed;
            return Result::Failed;
        }

        StagedFile staged(folder);
        QFile target(staged.path());
        if (!staged.isValid() || !target.open(QIODevice::WriteOnly) ||
            target.write(original) != original.size() || target.write(update) != update.size() ||
            !target.flush()) {
            *error = PdfBackendError::WriteFailed;
            *message = staged.isValid() ? target.errorString() : staged.errorString();
            return Result::Failed;
        }
        target.close();
        if (!place(staged)) {
            *error = PdfBackendError::WriteFailed;
            *message = staged.errorString();
            return Result::Failed;
        }
        return Result::Written;
    } catch (const std::exception &e) {
        *error = PdfBackendError::WriteFailed;
        *message = QStringLiteral("The changes could not be appended to the signed file: %1")
                       .arg(QString::fromStdString(e.what()));
        return Result::Failed;
    }
}

} // namespace signedsave
