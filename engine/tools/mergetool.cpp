#include "mergetool.h"

#include "batchsupport.h"
#include "pagecopy.h"
#include "pathidentity.h"
#include "qpdfsupport.h"
#include "stagedfile.h"

#include <QDir>
#include <QFileInfo>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cmath>
#include <map>
#include <set>
#include <vector>

using namespace batchsupport;

namespace {

struct Input
{
    std::shared_ptr<qpdfsupport::Source> source;
    std::vector<QPDFObjectHandle> pages;
    QString title;
};

// An empty page that shows as large as page does (its visible box, its rotation).
QPDFObjectHandle blankPageLike(QPDF &out, QPDFObjectHandle page)
{
    QPDFPageObjectHelper helper(page);
    QPDFObjectHandle box = helper.getCropBox(false, false);
    QPDFObjectHandle::Rectangle rect =
        box.isRectangle() ? box.getArrayAsRectangle() : QPDFObjectHandle::Rectangle(0, 0, 612, 792);
    QPDFObjectHandle blank = QPDFObjectHandle::newDictionary();
    blank.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    blank.replaceKey("/MediaBox",
                     QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                         0, 0, std::abs(rect.urx - rect.llx), std::abs(rect.ury - rect.lly))));
    blank.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
    blank.replaceKey("/Contents", QPDFObjectHandle::newStream(&out, std::string()));
    for (const char *key : {"/Rotate", "/UserUnit"}) {
        QPDFObjectHandle value = page.getKey(key);
        if (value.isNumber())
            blank.replaceKey(key, value);
    }
    return out.makeIndirectObject(blank);
}

bool merge(const TaskRequest &request, const QStringList &paths, const QString &target)
{
    std::vector<Input> inputs(static_cast<size_t>(paths.size()));
    for (qsizetype i = 0; i < paths.size(); ++i) {
        Input &input = inputs[static_cast<size_t>(i)];
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        input.source =
            qpdfsupport::open(paths[i], inputPassword(request.options, i), false, &error, &message);
        if (!input.source)
            return fail(request, failureOf(error), paths[i], message);
        // A repaired copy is decrypted: merged, the file's protection would be lost.
        if (input.source->encrypted && !input.source->repairedBytes.isEmpty())
            return fail(request, BatchFailure::NotPdf, paths[i],
                        QStringLiteral("the protected document is too damaged to keep its "
                                       "protection: %1")
                            .arg(paths[i]));
        input.source->pdf->pushInheritedAttributesToPage();
        input.pages = input.source->pdf->getAllPages();
        input.title = QFileInfo(paths[i]).completeBaseName();
    }

    QPDF out;
    out.emptyPDF();
    QPDFPageDocumentHelper outPages(out);
    QPDFAcroFormDocumentHelper outForms(out);
    std::vector<QPDFObjectHandle> bookmarks;
    const bool blankBetween = request.options.value(TaskOption::InsertBlankPages).toBool();
    // The merged file keeps the protection of the first protected input: never stripped.
    std::shared_ptr<qpdfsupport::Source> protection;
    QPDFObjectHandle lastPage;
    for (Input &input : inputs) {
        QPDF &source = *input.source->pdf;
        if (!protection && input.source->encrypted)
            protection = input.source;
        if (blankBetween && lastPage.isInitialized() && !input.pages.empty())
            outPages.addPage(QPDFPageObjectHelper(blankPageLike(out, lastPage)), false);
        // Each page is copied once, so its annotations are its own already; only form fields
        // need registering in the output's form.
        std::unique_ptr<QPDFAcroFormDocumentHelper> forms;
        if (source.getRoot().getKey("/AcroForm").isDictionary())
            forms = std::make_unique<QPDFAcroFormDocumentHelper>(source);
        std::vector<QPDFObjectHandle> copies;
        copies.reserve(input.pages.size());
        for (QPDFObjectHandle page : input.pages) {
            QPDFObjectHandle copy = out.copyForeignObject(page);
            outPages.addPage(QPDFPageObjectHelper(copy), false);
            if (forms && pagecopy::hasAnnotations(page))
                outForms.fixCopiedAnnotations(copy, page, *forms);
            copies.push_back(copy);
        }
        if (!copies.empty())
            lastPage = copies.back();
        const auto copyAt = [&copies](int index) {
            return index < static_cast<int>(copies.size()) ? copies[static_cast<size_t>(index)]
                                                           : QPDFObjectHandle::newNull();
        };
        {
            qpdfsupport::DestinationResolver destinations(source);
            pagecopy::LinkRetargeter links(destinations, input.pages);
            for (size_t i = 0; i < copies.size(); ++i)
                links.retarget(input.pages[i], copies[i], copyAt);
            bookmarks.push_back(pagecopy::copyOutlineUnder(
                out, source, input.title,
                copies.empty() ? QPDFObjectHandle::newNull() : copies.front(), true,
                &destinations));
        }
        // Copied streams read their data straight from the source file, not through its parsed
        // objects: those are let go here rather than held through the write. The file (or the
        // repaired bytes) stays open with the source.
        forms.reset();
        input.pages.clear();
        if (input.source != protection)
            input.source->pdf.reset();
    }
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
    QPDF *protectionPdf = protection ? protection->pdf.get() : nullptr;
    if (!qpdfsupport::writeStaged(
            out, staged.path(),
            [protectionPdf](QPDFWriter &writer) {
                if (protectionPdf)
                    writer.copyEncryptionParameters(*protectionPdf);
            },
            &error, &message))
        return fail(request, writeFailureOf(error, folder), folder, message);
    // The output never replaces a source, so it is placed before the sources are closed.
    return staged.commitTo(target) || failStaged(request, staged);
}

} // namespace

bool MergeTool::execute(const TaskRequest &request)
{
    const QStringList paths = sources(request);
    const QString target = pathidentity::internal(request.outputPath);
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
        if (pathidentity::same(path, target))
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
