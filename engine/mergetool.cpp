#include "mergetool.h"

#include "batchsupport.h"
#include "pagecopy.h"
#include "qpdfsupport.h"
#include "stagedfile.h"

#include <QDir>
#include <QFileInfo>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>
#include <set>
#include <vector>

using namespace batchsupport;

namespace {

struct Input
{
    std::shared_ptr<qpdfsupport::Source> source;
    std::unique_ptr<qpdfsupport::DestinationResolver> destinations;
    std::vector<QPDFObjectHandle> pages;
    std::vector<QPDFObjectHandle> copies;
    QString title;
};

bool merge(const TaskRequest &request, const QStringList &paths, const QString &target)
{
    std::vector<Input> inputs(static_cast<size_t>(paths.size()));
    for (qsizetype i = 0; i < paths.size(); ++i) {
        Input &input = inputs[static_cast<size_t>(i)];
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        input.source = qpdfsupport::open(paths[i], QString(), false, &error, &message);
        if (!input.source)
            return fail(request, failureOf(error), paths[i], message);
        input.source->pdf->pushInheritedAttributesToPage();
        input.pages = input.source->pdf->getAllPages();
        input.title = QFileInfo(paths[i]).completeBaseName();
    }

    QPDF out;
    out.emptyPDF();
    QPDFPageDocumentHelper outPages(out);
    QPDFAcroFormDocumentHelper outForms(out);
    for (Input &input : inputs) {
        // Each page is copied once, so its annotations are its own already; only form fields
        // need registering in the output's form.
        std::unique_ptr<QPDFAcroFormDocumentHelper> forms;
        if (input.source->pdf->getRoot().getKey("/AcroForm").isDictionary())
            forms = std::make_unique<QPDFAcroFormDocumentHelper>(*input.source->pdf);
        input.copies.reserve(input.pages.size());
        for (QPDFObjectHandle page : input.pages) {
            QPDFObjectHandle copy = out.copyForeignObject(page);
            outPages.addPage(QPDFPageObjectHelper(copy), false);
            if (forms && pagecopy::hasAnnotations(page))
                outForms.fixCopiedAnnotations(copy, page, *forms);
            input.copies.push_back(copy);
        }
        const auto copyAt = [&input](int index) {
            return index < static_cast<int>(input.copies.size())
                       ? input.copies[static_cast<size_t>(index)]
                       : QPDFObjectHandle::newNull();
        };
        input.destinations = std::make_unique<qpdfsupport::DestinationResolver>(*input.source->pdf);
        pagecopy::LinkRetargeter links(*input.destinations, input.pages);
        for (size_t i = 0; i < input.copies.size(); ++i)
            links.retarget(input.pages[i], input.copies[i], copyAt);
    }

    std::vector<QPDFObjectHandle> bookmarks;
    for (Input &input : inputs)
        bookmarks.push_back(pagecopy::copyOutlineUnder(
            out, *input.source->pdf, input.title,
            input.copies.empty() ? QPDFObjectHandle::newNull() : input.copies.front(), true,
            input.destinations.get()));
    if (!bookmarks.empty()) {
        pagecopy::appendOutlineItems(out, bookmarks);
        out.getRoot().replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
    }

    const QString folder = QFileInfo(target).absolutePath();
    StagedFile staged(folder);
    if (!staged.isValid())
        return failStaged(request, staged);
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (!qpdfsupport::writeAtomically(out, staged.path(), {}, &error, &message))
        return fail(request, writeFailureOf(error, folder), folder, message);
    // The output never replaces a source, so it is placed before the sources are let go.
    return staged.commitTo(target) || failStaged(request, staged);
}

} // namespace

bool MergeTool::execute(const TaskRequest &request)
{
    const QStringList paths = sources(request);
    const QString target = QDir::cleanPath(QDir::fromNativeSeparators(request.outputPath));
    if (paths.isEmpty())
        return fail(request, BatchFailure::SourceMissing, QString(),
                    QStringLiteral("nothing to merge"));
    if (request.outputPath.isEmpty())
        return fail(request, BatchFailure::OutputFolderMissing, QString(),
                    QStringLiteral("no output file"));
    for (const QString &path : paths) {
        if (!QFileInfo(path).isFile())
            return fail(request, BatchFailure::SourceMissing, path,
                        QStringLiteral("the input does not exist: %1").arg(path));
        if (samePath(path, target))
            return fail(request, BatchFailure::OutputIsInput, path,
                        QStringLiteral("the output would overwrite an input: %1").arg(path));
    }
    try {
        return merge(request, paths, target);
    } catch (const std::exception &e) {
        QString file;
        exceptionFailure(e, &file);
        return fail(request, BatchFailure::NotPdf, file, QString::fromStdString(e.what()));
    }
}
