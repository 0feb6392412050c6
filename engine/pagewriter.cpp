#include "pagewriter.h"

#include "qpdfsupport.h"

#include <QFileInfo>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>
#include <set>
#include <vector>

namespace pagewriter {
namespace {

using qpdfsupport::Source;

struct InputDocument
{
    std::shared_ptr<Source> source;
    std::vector<QPDFObjectHandle> pages;
    std::vector<int> ownRotation;
    std::unique_ptr<QPDFAcroFormDocumentHelper> forms;
};

struct OutputPage
{
    QPDFObjectHandle page;
    InputDocument *input = nullptr; // null for blank pages
    int index = -1;
    bool duplicate = false;
};

bool hasAnnotations(QPDFObjectHandle page)
{
    QPDFObjectHandle annots = page.getKey("/Annots");
    return annots.isArray() && annots.getArrayNItems() > 0;
}

// Links of a foreign document point at its own page objects, which copying would turn into
// nulls. Before copying, rewrite each link's target as that page's index; the indexes are
// mapped to the written pages afterwards.
void markLinkTargets(InputDocument &input)
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
            auto found = indexOf.find(target.getArrayItem(0).getObjGen());
            std::vector<QPDFObjectHandle> items = target.getArrayAsVector();
            items[0] = QPDFObjectHandle::newInteger(found == indexOf.end() ? -1 : found->second);
            qpdfsupport::setLocalDestination(annot, QPDFObjectHandle::newArray(items));
        }
    }
}

void resolveLinkTargets(const OutputPage &out,
                        const std::map<std::pair<InputDocument *, int>, QPDFObjectHandle> &first)
{
    QPDFObjectHandle page = out.page;
    if (!hasAnnotations(page))
        return;
    for (QPDFObjectHandle annot : page.getKey("/Annots").aitems()) {
        if (!annot.isDictionary() || !annot.getKey("/Subtype").isNameAndEquals("/Link"))
            continue;
        QPDFObjectHandle dest = qpdfsupport::localDestination(annot);
        if (!dest.isArray() || dest.getArrayNItems() < 1)
            continue;
        QPDFObjectHandle head = dest.getArrayItem(0);
        if (!head.isInteger())
            continue;
        auto found = first.find({out.input, head.getIntValueAsInt()});
        if (found == first.end()) {
            annot.removeKey("/Dest");
            annot.removeKey("/A");
            continue;
        }
        std::vector<QPDFObjectHandle> items = dest.getArrayAsVector();
        items[0] = found->second;
        qpdfsupport::setLocalDestination(annot, QPDFObjectHandle::newArray(items));
    }
}

// Outline items whose destination page was dropped are removed, unless they still hold live
// children. Returns the number of items that stay visible under parent.
int pruneOutlineChildren(QPDF &pdf, QPDFObjectHandle parent, std::set<QPDFObjGen> &seen, int depth)
{
    std::vector<QPDFObjectHandle> kept;
    int visible = 0;
    QPDFObjectHandle item = parent.getKey("/First");
    while (item.isDictionary() && seen.insert(item.getObjGen()).second) {
        QPDFObjectHandle next = item.getKey("/Next");
        const int below = depth < 50 ? pruneOutlineChildren(pdf, item, seen, depth + 1) : 0;
        bool dead = false;
        QPDFObjectHandle dest = qpdfsupport::localDestination(item);
        if (!dest.isNull()) {
            QPDFObjectHandle target = qpdfsupport::explicitDestination(pdf, dest);
            dead =
                target.isArray() && target.getArrayNItems() > 0 && target.getArrayItem(0).isNull();
        }
        const bool hasChildren = item.getKey("/First").isDictionary();
        if (!dead || hasChildren) {
            if (dead) {
                item.removeKey("/Dest");
                item.removeKey("/A");
            }
            kept.push_back(item);
            ++visible;
            QPDFObjectHandle count = item.getKey("/Count");
            if (count.isInteger() && count.getIntValue() > 0)
                visible += below;
        }
        item = next;
    }
    for (size_t i = 0; i < kept.size(); ++i) {
        kept[i].replaceKey("/Parent", parent);
        if (i == 0)
            kept[i].removeKey("/Prev");
        else
            kept[i].replaceKey("/Prev", kept[i - 1]);
        if (i + 1 == kept.size())
            kept[i].removeKey("/Next");
        else
            kept[i].replaceKey("/Next", kept[i + 1]);
    }
    if (kept.empty()) {
        parent.removeKey("/First");
        parent.removeKey("/Last");
        parent.removeKey("/Count");
    } else {
        parent.replaceKey("/First", kept.front());
        parent.replaceKey("/Last", kept.back());
        QPDFObjectHandle count = parent.getKey("/Count");
        const bool closed = count.isInteger() && count.getIntValue() < 0;
        parent.replaceKey("/Count", QPDFObjectHandle::newInteger(closed ? -visible : visible));
    }
    return visible;
}

void pruneOutlines(QPDF &pdf)
{
    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle outlines = root.getKey("/Outlines");
    if (!outlines.isDictionary())
        return;
    std::set<QPDFObjGen> seen;
    pruneOutlineChildren(pdf, outlines, seen, 0);
    if (!outlines.getKey("/First").isDictionary())
        root.removeKey("/Outlines");
    else
        outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(
                                          std::abs(outlines.getKey("/Count").getIntValue())));
}

// Fields whose every widget sat on a dropped page would otherwise linger in the form.
void dropOrphanFields(QPDF &pdf, const std::vector<OutputPage> &outputs)
{
    QPDFObjectHandle acroForm = pdf.getRoot().getKey("/AcroForm");
    if (!acroForm.isDictionary() || !acroForm.getKey("/Fields").isArray())
        return;
    std::set<QPDFObjGen> liveWidgets;
    for (const OutputPage &out : outputs) {
        QPDFObjectHandle page = out.page;
        if (hasAnnotations(page))
            for (QPDFObjectHandle annot : page.getKey("/Annots").aitems())
                liveWidgets.insert(annot.getObjGen());
    }
    QPDFAcroFormDocumentHelper forms(pdf);
    std::set<QPDFObjGen> orphans;
    for (QPDFFormFieldObjectHelper field : forms.getFormFields()) {
        bool live = false;
        for (QPDFAnnotationObjectHelper widget : forms.getAnnotationsForField(field))
            live = live || liveWidgets.count(widget.getObjectHandle().getObjGen()) > 0;
        if (!live)
            orphans.insert(field.getObjectHandle().getObjGen());
    }
    if (!orphans.empty())
        forms.removeFormFields(orphans);
}

QPDFObjectHandle blankPage(QPDF &pdf, const PdfSourcePage &spec)
{
    const double w = spec.pageSize.width() > 0 ? spec.pageSize.width() : 595.276;
    const double h = spec.pageSize.height() > 0 ? spec.pageSize.height() : 841.89;
    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey("/MediaBox",
                    QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, w, h)));
    page.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, std::string()));
    return pdf.makeIndirectObject(page);
}

enum class Outcome { Written, Failed, SourceDamaged };

Outcome writeOnce(const QList<PdfSourcePage> &pages, const QString &path, bool forceRepair,
                  PdfBackendError *error, QString *message)
{
    std::map<std::pair<QString, QString>, std::unique_ptr<InputDocument>> inputs;
    std::vector<InputDocument *> order;
    std::vector<InputDocument *> pageInputs;
    pageInputs.reserve(static_cast<size_t>(pages.size()));
    for (const PdfSourcePage &spec : pages) {
        if (spec.blank || spec.filePath.isEmpty()) {
            pageInputs.push_back(nullptr);
            continue;
        }
        auto &slot = inputs[{spec.filePath, spec.password}];
        if (!slot) {
            auto input = std::make_unique<InputDocument>();
            input->source =
                qpdfsupport::open(spec.filePath, spec.password, forceRepair, error, message);
            if (!input->source)
                return Outcome::Failed;
            input->source->pdf->pushInheritedAttributesToPage();
            input->pages = input->source->pdf->getAllPages();
            input->ownRotation.reserve(input->pages.size());
            for (QPDFObjectHandle page : input->pages) {
                QPDFObjectHandle rotate = page.getKey("/Rotate");
                input->ownRotation.push_back(qpdfsupport::normalizedRotation(
                    rotate.isNumber() ? static_cast<long long>(rotate.getNumericValue()) : 0));
            }
            order.push_back(input.get());
            slot = std::move(input);
        }
        if (spec.pageIndex < 0 || spec.pageIndex >= static_cast<int>(slot->pages.size())) {
            *error = PdfBackendError::CorruptOrUnsupported;
            *message = QStringLiteral("Page %1 does not exist in %2.")
                           .arg(spec.pageIndex + 1)
                           .arg(spec.filePath);
            return Outcome::Failed;
        }
        pageInputs.push_back(slot.get());
    }

    // One source becomes the output and keeps its catalog (outlines, names, forms): the file
    // being saved over, else the source of the first page.
    InputDocument *primary = order.empty() ? nullptr : order.front();
    const QString target = QFileInfo(path).absoluteFilePath();
    for (InputDocument *input : order)
        if (QFileInfo(input->source->path).absoluteFilePath() == target)
            primary = input;
    QPDF blankDocument;
    QPDF *out = primary ? primary->source->pdf.get() : &blankDocument;
    if (!primary)
        blankDocument.emptyPDF();
    for (InputDocument *input : order)
        if (input != primary)
            markLinkTargets(*input);

    QPDFObjectHandle pagesRoot = out->getRoot().getKey("/Pages");
    QPDFAcroFormDocumentHelper outForms(*out);
    std::vector<OutputPage> outputs;
    outputs.reserve(static_cast<size_t>(pages.size()));
    std::map<std::pair<InputDocument *, int>, QPDFObjectHandle> first;
    std::set<QPDFObjGen> placed;
    bool identity = primary && pages.size() == static_cast<qsizetype>(primary->pages.size());

    for (qsizetype i = 0; i < pages.size(); ++i) {
        const PdfSourcePage &spec = pages[i];
        InputDocument *input = pageInputs[static_cast<size_t>(i)];
        OutputPage entry;
        entry.input = input;
        entry.index = spec.pageIndex;
        int rotation = spec.rotation;
        if (!input) {
            entry.page = blankPage(*out, spec);
            identity = false;
        } else {
            const auto key = std::make_pair(input, spec.pageIndex);
            QPDFObjectHandle original = input->pages[static_cast<size_t>(spec.pageIndex)];
            auto firstCopy = first.find(key);
            if (firstCopy != first.end()) {
                entry.page = out->makeIndirectObject(firstCopy->second.shallowCopy());
                entry.duplicate = true;
                if (hasAnnotations(firstCopy->second))
                    outForms.fixCopiedAnnotations(entry.page, firstCopy->second, outForms);
            } else if (input == primary) {
                entry.page = original;
            } else {
                entry.page = out->copyForeignObject(original);
                if (hasAnnotations(original)) {
                    if (!input->forms)
                        input->forms =
                            std::make_unique<QPDFAcroFormDocumentHelper>(*input->source->pdf);
                    outForms.fixCopiedAnnotations(entry.page, original, *input->forms);
                }
            }
            if (firstCopy == first.end())
                first.emplace(key, entry.page);
            rotation += input->ownRotation[static_cast<size_t>(spec.pageIndex)];
            identity = identity && input == primary && spec.pageIndex == i;
        }
        const int rotate = qpdfsupport::normalizedRotation(rotation);
        if (rotate || entry.page.hasKey("/Rotate"))
            entry.page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(rotate));
        entry.page.replaceKey("/Parent", pagesRoot);
        placed.insert(entry.page.getObjGen());
        outputs.push_back(entry);
    }

    std::vector<QPDFObjectHandle> kids;
    kids.reserve(outputs.size());
    for (const OutputPage &entry : outputs)
        kids.push_back(entry.page);
    if (primary) {
        for (QPDFObjectHandle page : primary->pages)
            if (!placed.count(page.getObjGen()))
                out->replaceObject(page.getObjGen(), QPDFObjectHandle::newNull());
    }
    pagesRoot.replaceKey("/Kids", QPDFObjectHandle::newArray(kids));
    pagesRoot.replaceKey("/Count",
                         QPDFObjectHandle::newInteger(static_cast<long long>(kids.size())));
    out->updateAllPagesCache();

    for (const OutputPage &entry : outputs)
        if (entry.input && entry.input != primary)
            resolveLinkTargets(entry, first);
    if (primary) {
        pruneOutlines(*out);
        dropOrphanFields(*out, outputs);
        if (!identity)
            out->getRoot().removeKey("/PageLabels");
    }

    PdfBackendError writeError = PdfBackendError::NoError;
    bool damaged = false;
    const bool ok = qpdfsupport::writeAtomically(
        *out, path, [&](QPDFWriter &writer) { writer.setPreserveEncryption(false); }, &writeError,
        message, &damaged);
    if (ok)
        return Outcome::Written;
    *error = writeError;
    return damaged ? Outcome::SourceDamaged : Outcome::Failed;
}

} // namespace

bool write(const QList<PdfSourcePage> &pages, const QString &path, const PdfWriteOptions &options,
           PdfBackendError *error, QString *message)
{
    Q_UNUSED(options);
    // Damage qpdf only meets while copying or writing is retried on copies MuPDF repaired.
    for (bool forceRepair : {false, true}) {
        try {
            const Outcome outcome = writeOnce(pages, path, forceRepair, error, message);
            if (outcome != Outcome::SourceDamaged)
                return outcome == Outcome::Written;
        } catch (const std::exception &e) {
            *error = PdfBackendError::WriteFailed;
            *message = QStringLiteral("The document could not be assembled: %1")
                           .arg(QString::fromStdString(e.what()));
            if (!qpdfsupport::isDamage(e))
                return false;
        }
    }
    return false;
}

} // namespace pagewriter
