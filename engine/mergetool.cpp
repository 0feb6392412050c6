#include "mergetool.h"

#include "batchsupport.h"
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
    std::vector<QPDFObjectHandle> pages;
    std::vector<QPDFObjectHandle> copies;
    QString title;
};

bool hasAnnotations(QPDFObjectHandle page)
{
    QPDFObjectHandle annots = page.getKey("/Annots");
    return annots.isArray() && annots.getArrayNItems() > 0;
}

// Copying a page drops references to pages not copied yet, so every internal link target is
// turned into its page index first and pointed at the copy once all pages are in.
void markLinkTargets(Input &input)
{
    QPDF &pdf = *input.source->pdf;
    std::map<QPDFObjGen, int> indexOf;
    for (size_t i = 0; i < input.pages.size(); ++i)
        indexOf[input.pages[i].getObjGen()] = static_cast<int>(i);
    for (QPDFObjectHandle page : input.pages) {
        if (!hasAnnotations(page))
            continue;
        for (QPDFObjectHandle annot : page.getKey("/Annots").aitems()) {
            if (!annot.isDictionary() || !annot.getKey("/Subtype").isNameAndEquals("/Link"))
                continue;
            QPDFObjectHandle dest = qpdfsupport::localDestination(annot);
            if (dest.isNull())
                continue;
            QPDFObjectHandle target = qpdfsupport::explicitDestination(pdf, dest);
            if (!target.isArray() || target.getArrayNItems() < 1)
                continue;
            std::vector<QPDFObjectHandle> items = target.getArrayAsVector();
            auto found = indexOf.find(items[0].getObjGen());
            items[0] = QPDFObjectHandle::newInteger(found == indexOf.end() ? -1 : found->second);
            qpdfsupport::setLocalDestination(annot, QPDFObjectHandle::newArray(items));
        }
    }
}

void resolveLinkTargets(const Input &input)
{
    for (QPDFObjectHandle page : input.copies) {
        if (!hasAnnotations(page))
            continue;
        for (QPDFObjectHandle annot : page.getKey("/Annots").aitems()) {
            if (!annot.isDictionary() || !annot.getKey("/Subtype").isNameAndEquals("/Link"))
                continue;
            QPDFObjectHandle dest = qpdfsupport::localDestination(annot);
            if (!dest.isArray() || dest.getArrayNItems() < 1 || !dest.getArrayItem(0).isInteger())
                continue;
            const long long index = dest.getArrayItem(0).getIntValue();
            if (index < 0 || index >= static_cast<long long>(input.copies.size())) {
                annot.removeKey("/Dest");
                annot.removeKey("/A");
                continue;
            }
            std::vector<QPDFObjectHandle> items = dest.getArrayAsVector();
            items[0] = input.copies[static_cast<size_t>(index)];
            qpdfsupport::setLocalDestination(annot, QPDFObjectHandle::newArray(items));
        }
    }
}

// Named destinations of outline items are resolved in their own document, whose name tree the
// output does not carry.
void resolveOutlineDestinations(QPDF &pdf, QPDFObjectHandle parent, std::set<QPDFObjGen> &seen,
                                int depth)
{
    QPDFObjectHandle item = parent.getKey("/First");
    while (item.isDictionary() && seen.insert(item.getObjGen()).second) {
        QPDFObjectHandle dest = qpdfsupport::localDestination(item);
        if (!dest.isNull() && !dest.isArray()) {
            QPDFObjectHandle target = qpdfsupport::explicitDestination(pdf, dest);
            if (target.isArray())
                qpdfsupport::setLocalDestination(item, target);
            else {
                item.removeKey("/Dest");
                item.removeKey("/A");
            }
        }
        if (depth < 64)
            resolveOutlineDestinations(pdf, item, seen, depth + 1);
        item = item.getKey("/Next");
    }
}

int visibleBelow(QPDFObjectHandle item)
{
    QPDFObjectHandle count = item.getKey("/Count");
    return count.isInteger() && count.getIntValue() > 0 ? static_cast<int>(count.getIntValue()) : 0;
}

// Adds one top-level bookmark for the input, holding a copy of its own outline.
QPDFObjectHandle fileBookmark(QPDF &out, Input &input)
{
    QPDFObjectHandle bookmark = out.makeIndirectObject(QPDFObjectHandle::newDictionary());
    bookmark.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(input.title.toStdString()));
    if (!input.copies.empty()) {
        bookmark.replaceKey("/Dest", QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
                                         input.copies.front(), QPDFObjectHandle::newName("/Fit")}));
    }
    QPDF &pdf = *input.source->pdf;
    QPDFObjectHandle outlines = pdf.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary() || !outlines.getKey("/First").isDictionary())
        return bookmark;
    std::set<QPDFObjGen> seen;
    resolveOutlineDestinations(pdf, outlines, seen, 0);

    // Pages were copied already, so copying the tree maps its page references onto the copies.
    std::vector<QPDFObjectHandle> children;
    seen.clear();
    for (QPDFObjectHandle item = outlines.getKey("/First");
         item.isDictionary() && seen.insert(item.getObjGen()).second; item = item.getKey("/Next"))
        children.push_back(out.copyForeignObject(item));
    int visible = 0;
    for (size_t i = 0; i < children.size(); ++i) {
        children[i].replaceKey("/Parent", bookmark);
        if (i == 0)
            children[i].removeKey("/Prev");
        else
            children[i].replaceKey("/Prev", children[i - 1]);
        if (i + 1 == children.size())
            children[i].removeKey("/Next");
        else
            children[i].replaceKey("/Next", children[i + 1]);
        visible += 1 + visibleBelow(children[i]);
    }
    bookmark.replaceKey("/First", children.front());
    bookmark.replaceKey("/Last", children.back());
    bookmark.replaceKey("/Count", QPDFObjectHandle::newInteger(visible));
    return bookmark;
}

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
        markLinkTargets(input);
    }

    QPDF out;
    out.emptyPDF();
    QPDFPageDocumentHelper outPages(out);
    QPDFAcroFormDocumentHelper outForms(out);
    for (Input &input : inputs) {
        std::unique_ptr<QPDFAcroFormDocumentHelper> forms;
        input.copies.reserve(input.pages.size());
        for (QPDFObjectHandle page : input.pages) {
            QPDFObjectHandle copy = out.copyForeignObject(page);
            outPages.addPage(QPDFPageObjectHelper(copy), false);
            if (hasAnnotations(page)) {
                if (!forms)
                    forms = std::make_unique<QPDFAcroFormDocumentHelper>(*input.source->pdf);
                outForms.fixCopiedAnnotations(copy, page, *forms);
            }
            input.copies.push_back(copy);
        }
        resolveLinkTargets(input);
    }

    std::vector<QPDFObjectHandle> bookmarks;
    int visible = 0;
    for (Input &input : inputs) {
        bookmarks.push_back(fileBookmark(out, input));
        visible += 1 + visibleBelow(bookmarks.back());
    }
    if (!bookmarks.empty()) {
        QPDFObjectHandle outlines = out.makeIndirectObject(QPDFObjectHandle::newDictionary());
        outlines.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
        for (size_t i = 0; i < bookmarks.size(); ++i) {
            bookmarks[i].replaceKey("/Parent", outlines);
            if (i > 0)
                bookmarks[i].replaceKey("/Prev", bookmarks[i - 1]);
            if (i + 1 < bookmarks.size())
                bookmarks[i].replaceKey("/Next", bookmarks[i + 1]);
        }
        outlines.replaceKey("/First", bookmarks.front());
        outlines.replaceKey("/Last", bookmarks.back());
        outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(visible));
        out.getRoot().replaceKey("/Outlines", outlines);
        out.getRoot().replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
    }

    const QString folder = QFileInfo(target).absolutePath();
    StagedFile staged(folder);
    if (!staged.isValid())
        return failStaged(request, staged);
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    const bool written = qpdfsupport::writeAtomically(out, staged.path(), {}, &error, &message);
    inputs.clear();
    if (!written)
        return fail(request, writeFailureOf(error, folder), folder, message);
    if (!staged.commitTo(target))
        return failStaged(request, staged);
    return true;
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
