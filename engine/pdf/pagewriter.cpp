#include "pagewriter.h"

#include "annotationwriter.h"
#include "documentproperties.h"
#include "mupdfsupport.h"
#include "outputreservations.h"
#include "pagecopy.h"
#include "pagestamp.h"
#include "qpdfsupport.h"
#include "signedsave.h"
#include "stagedfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <functional>
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
    int rotation = 0; // the /Rotate written
    bool duplicate = false;
};

// Fields whose every widget sat on a dropped page would otherwise linger in the form.
void dropOrphanFields(QPDF &pdf, const std::vector<OutputPage> &outputs)
{
    QPDFObjectHandle acroForm = pdf.getRoot().getKey("/AcroForm");
    if (!acroForm.isDictionary() || !acroForm.getKey("/Fields").isArray())
        return;
    std::set<QPDFObjGen> liveWidgets;
    for (const OutputPage &out : outputs) {
        QPDFObjectHandle page = out.page;
        if (pagecopy::hasAnnotations(page))
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

// Draws comments and form fields into the pages. qpdf's flattening takes every annotation off a
// page, links included; links keep working instead, and the pop-ups of flattened comments go.
void flattenKeepingLinks(QPDF &pdf, const std::vector<QPDFObjectHandle> &pages)
{
    std::vector<std::vector<QPDFObjectHandle>> links(pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        QPDFObjectHandle page = pages[i];
        QPDFObjectHandle annots = page.getKey("/Annots");
        if (!annots.isArray())
            continue;
        std::vector<QPDFObjectHandle> drawn;
        for (QPDFObjectHandle annot : annots.aitems()) {
            QPDFObjectHandle subtype =
                annot.isDictionary() ? annot.getKey("/Subtype") : QPDFObjectHandle();
            const std::string name = subtype.isName() ? subtype.getName() : std::string();
            if (name == "/Link")
                links[i].push_back(annot);
            else if (name != "/Popup")
                drawn.push_back(annot);
        }
        page.replaceKey("/Annots", QPDFObjectHandle::newArray(drawn));
    }
    // Fields whose appearances are left to the reader are drawn first, so that their values are
    // not lost.
    QPDFAcroFormDocumentHelper forms(pdf);
    forms.generateAppearancesIfNeeded();
    for (QPDFFormFieldObjectHelper field : forms.getFormFields())
        for (QPDFAnnotationObjectHelper widget : forms.getAnnotationsForField(field))
            if (!widget.getAppearanceStream("/N").isStream())
                field.generateAppearance(widget);
    QPDFPageDocumentHelper(pdf).flattenAnnotations();
    for (size_t i = 0; i < pages.size(); ++i) {
        QPDFObjectHandle page = pages[i];
        QPDFObjectHandle left = page.getKey("/Annots");
        std::vector<QPDFObjectHandle> kept =
            left.isArray() ? left.getArrayAsVector() : std::vector<QPDFObjectHandle>();
        kept.insert(kept.end(), links[i].begin(), links[i].end());
        if (kept.empty())
            page.removeKey("/Annots");
        else
            page.replaceKey("/Annots", QPDFObjectHandle::newArray(kept));
    }
}

// The page labels of reorganised pages: each page keeps the label it showed in its source, a
// page without one (blank, or from a file without labels) is numbered by its place. No labels
// when no source had any.
void writePageLabels(QPDF &out, const std::vector<OutputPage> &outputs)
{
    struct Label
    {
        std::string style; // "/D", "/r", … or empty for a prefix alone
        std::string prefix;
        long long number = 1;
        bool operator==(const Label &) const = default;
    };
    std::map<InputDocument *, std::unique_ptr<QPDFPageLabelDocumentHelper>> sources;
    bool any = false;
    std::vector<Label> labels;
    labels.reserve(outputs.size());
    for (size_t i = 0; i < outputs.size(); ++i) {
        const OutputPage &entry = outputs[i];
        Label label{"/D", std::string(), static_cast<long long>(i) + 1};
        if (entry.input) {
            auto &helper = sources[entry.input];
            if (!helper)
                helper = std::make_unique<QPDFPageLabelDocumentHelper>(*entry.input->source->pdf);
            if (helper->hasPageLabels()) {
                any = true;
                QPDFObjectHandle found = helper->getLabelForPage(entry.index);
                if (found.isDictionary()) {
                    QPDFObjectHandle style = found.getKey("/S");
                    QPDFObjectHandle prefix = found.getKey("/P");
                    QPDFObjectHandle start = found.getKey("/St");
                    label.style = style.isName() ? style.getName() : std::string();
                    label.prefix = prefix.isString() ? prefix.getStringValue() : std::string();
                    label.number = start.isInteger() ? start.getIntValue() : 1;
                }
            }
        }
        labels.push_back(label);
    }
    if (!any) {
        out.getRoot().removeKey("/PageLabels");
        return;
    }
    std::vector<QPDFObjectHandle> nums;
    for (size_t i = 0; i < labels.size(); ++i) {
        const Label &label = labels[i];
        if (i > 0) {
            const Label &before = labels[i - 1];
            // A range goes on while the numbers count up (or are not shown).
            if (label.style == before.style && label.prefix == before.prefix &&
                (label.style.empty() || label.number == before.number + 1))
                continue;
        }
        QPDFObjectHandle range = QPDFObjectHandle::newDictionary();
        if (!label.style.empty())
            range.replaceKey("/S", QPDFObjectHandle::newName(label.style));
        if (!label.prefix.empty())
            range.replaceKey("/P", QPDFObjectHandle::newString(label.prefix));
        if (!label.style.empty() && label.number != 1)
            range.replaceKey("/St", QPDFObjectHandle::newInteger(label.number));
        nums.push_back(QPDFObjectHandle::newInteger(static_cast<long long>(i)));
        nums.push_back(range);
    }
    QPDFObjectHandle tree = QPDFObjectHandle::newDictionary();
    tree.replaceKey("/Nums", QPDFObjectHandle::newArray(nums));
    out.getRoot().replaceKey("/PageLabels", out.makeIndirectObject(tree));
}

enum class Outcome { Written, Failed, SourceDamaged };

// qpdf recovers some damaged files in its own way; the page indexes come from MuPDF's reading,
// so a damaged source whose page count qpdf sees differently is read from MuPDF's repair.
bool agreesWithMupdf(const InputDocument &input, const PdfSourcePage &spec)
{
    if (!input.source->repairedBytes.isEmpty() || !input.source->pdf->anyWarnings())
        return true;
    mupdf::OpenStatus status;
    QString ignored;
    const mupdf::DocumentRef doc =
        mupdf::openDocument(spec.filePath, spec.password, false, &status, &ignored);
    return !doc || mupdf::pageCount(doc) == static_cast<int>(input.pages.size());
}

std::unique_ptr<InputDocument> openInput(const PdfSourcePage &spec, bool forceRepair,
                                         PdfBackendError *error, QString *message)
{
    auto input = std::make_unique<InputDocument>();
    for (bool repair : {forceRepair, true}) {
        input->source = qpdfsupport::open(spec.filePath, spec.password, repair, error, message);
        if (!input->source)
            return {};
        try {
            input->pages = input->source->pdf->getAllPages();
        } catch (const std::exception &) {
            if (repair)
                throw;
            continue; // a page tree qpdf cannot walk
        }
        if (repair || agreesWithMupdf(*input, spec))
            break;
    }
    input->source->pdf->pushInheritedAttributesToPage();
    input->pages = input->source->pdf->getAllPages();
    input->ownRotation.reserve(input->pages.size());
    for (QPDFObjectHandle page : input->pages) {
        QPDFObjectHandle rotate = page.getKey("/Rotate");
        input->ownRotation.push_back(qpdfsupport::normalizedRotation(
            rotate.isNumber() ? static_cast<long long>(rotate.getNumericValue()) : 0));
    }
    return input;
}

QString absolutePath(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Saving through a symbolic link replaces the file it points to, not the link.
QString resolvedTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 32 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

// Finds the document whose encryption the output copies: an input read from the file itself
// when there is one, else the file opened on its own (kept in owned). False with error and
// message when the protection cannot be read; a null protection means none to copy.
bool protectionDocument(const PdfWriteOptions &options, const std::vector<InputDocument *> &order,
                        std::shared_ptr<qpdfsupport::Source> *owned, QPDF **protection,
                        PdfBackendError *error, QString *message)
{
    *protection = nullptr;
    if (options.protectionSource.isEmpty())
        return true;
    const QString wanted = absolutePath(options.protectionSource);
    for (InputDocument *input : order) {
        const qpdfsupport::Source &source = *input->source;
        if (source.repairedBytes.isEmpty() && absolutePath(source.path) == wanted) {
            *protection = source.encrypted ? source.pdf.get() : nullptr;
            return true;
        }
    }
    PdfBackendError openError = PdfBackendError::NoError;
    QString openMessage;
    *owned = qpdfsupport::open(options.protectionSource, options.protectionPassword, false,
                               &openError, &openMessage);
    if (!*owned) {
        *error = openError;
        *message = QStringLiteral("The protection of %1 cannot be read, so it could not be kept: "
                                  "%2")
                       .arg(QDir::toNativeSeparators(options.protectionSource), openMessage);
        return false;
    }
    if (!(*owned)->encrypted)
        return true;
    if (!(*owned)->repairedBytes.isEmpty()) {
        *error = PdfBackendError::WriteFailed;
        *message = QStringLiteral("%1 is encrypted and too damaged for its protection to be "
                                  "copied; nothing was written, so the protection is not lost.")
                       .arg(QDir::toNativeSeparators(options.protectionSource));
        return false;
    }
    *protection = (*owned)->pdf.get();
    return true;
}

Outcome writeOnce(const QList<PdfSourcePage> &pages, const QString &path,
                  const PdfWriteOptions &options, bool forceRepair,
                  std::unique_ptr<StagedFile> *staged, PdfBackendError *error, QString *message)
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
            slot = openInput(spec, forceRepair, error, message);
            if (!slot)
                return Outcome::Failed;
            order.push_back(slot.get());
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
    std::shared_ptr<qpdfsupport::Source> ownedProtection;
    QPDF *protection = nullptr;
    if (!protectionDocument(options, order, &ownedProtection, &protection, error, message))
        return Outcome::Failed;

    // One source becomes the output and keeps its catalog (outlines, names, forms): the file
    // being saved over, else the source of the first page.
    InputDocument *primary = order.empty() ? nullptr : order.front();
    const QString target = absolutePath(path);
    for (InputDocument *input : order)
        if (absolutePath(input->source->path) == target)
            primary = input;
    QPDF blankDocument;
    QPDF *out = primary ? primary->source->pdf.get() : &blankDocument;
    if (!primary)
        blankDocument.emptyPDF();
    for (InputDocument *input : order)
        if (input != primary)
            pagecopy::markLinkTargets(*input->source->pdf, input->pages);

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
                if (pagecopy::hasAnnotations(firstCopy->second))
                    outForms.fixCopiedAnnotations(entry.page, firstCopy->second, outForms);
            } else if (input == primary) {
                entry.page = original;
            } else {
                entry.page = out->copyForeignObject(original);
                if (pagecopy::hasAnnotations(original)) {
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
        entry.rotation = rotate;
        placed.insert(entry.page.getObjGen());
        outputs.push_back(entry);
    }

    // After every page is placed, so that duplicates made above do not inherit a number.
    QPDFObjectHandle stampFont;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (pages[i].stampText.isEmpty())
            continue;
        if (!stampFont.isInitialized())
            stampFont = pagestamp::helveticaFont(*out);
        const OutputPage &entry = outputs[static_cast<size_t>(i)];
        pagestamp::stampPage(*out, entry.page, entry.rotation, pages[i], stampFont);
    }
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const PdfSourcePage &spec = pages[i];
        if (spec.annotations.isEmpty() && spec.hiddenAnnotations.isEmpty())
            continue;
        if (!stampFont.isInitialized())
            stampFont = pagestamp::helveticaFont(*out);
        const OutputPage &entry = outputs[static_cast<size_t>(i)];
        const int own =
            entry.input ? entry.input->ownRotation[static_cast<size_t>(entry.index)] : 0;
        annotationwriter::writePage(*out, entry.page, spec, own, stampFont);
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
    annotationwriter::fillForms(*out, kids, pages);
    if (options.flattenAnnotations)
        flattenKeepingLinks(*out, kids);

    for (const OutputPage &entry : outputs) {
        if (!entry.input || entry.input == primary)
            continue;
        pagecopy::resolveLinkTargets(entry.page, [&](int index) {
            auto found = first.find({entry.input, index});
            return found == first.end() ? QPDFObjectHandle::newNull() : found->second;
        });
    }
    if (primary) {
        // The other sources' outlines follow the primary's own, one item per file.
        std::vector<QPDFObjectHandle> bookmarks;
        for (InputDocument *input : order) {
            if (input == primary)
                continue;
            auto firstPage =
                std::find_if(outputs.begin(), outputs.end(),
                             [input](const OutputPage &o) { return o.input == input; });
            QPDFObjectHandle bookmark = pagecopy::copyOutlineUnder(
                *out, *input->source->pdf, QFileInfo(input->source->path).completeBaseName(),
                firstPage->page, false);
            if (!bookmark.isNull())
                bookmarks.push_back(bookmark);
        }
        if (bookmarks.empty())
            pagecopy::pruneOutlines(*out);
        else
            pagecopy::appendOutlineItems(*out, bookmarks);
        dropOrphanFields(*out, outputs);
        if (!identity)
            writePageLabels(*out, outputs);
    }
    if (options.metadata)
        documentproperties::writeMetadata(*out, *options.metadata, QDateTime::currentDateTime());

    *staged = std::make_unique<StagedFile>(QFileInfo(resolvedTarget(path)).absolutePath());
    if (!(*staged)->isValid()) {
        *error = PdfBackendError::WriteFailed;
        *message = (*staged)->errorString();
        return Outcome::Failed;
    }
    PdfBackendError writeError = PdfBackendError::NoError;
    bool damaged = false;
    const bool ok = qpdfsupport::writeStaged(
        *out, (*staged)->path(),
        [protection](QPDFWriter &writer) {
            if (protection)
                writer.copyEncryptionParameters(*protection);
            else
                writer.setPreserveEncryption(false);
        },
        &writeError, message, &damaged);
    if (ok)
        return Outcome::Written;
    staged->reset();
    *error = writeError;
    return damaged ? Outcome::SourceDamaged : Outcome::Failed;
}

} // namespace

namespace {

// Writes the pages into a staged file, then hands it to place.
bool writeAndPlace(const QList<PdfSourcePage> &pages, const QString &path,
                   const PdfWriteOptions &options, PdfBackendError *error, QString *message,
                   const std::function<bool(StagedFile &)> &place)
{
    switch (signedsave::write(pages, QFileInfo(resolvedTarget(path)).absolutePath(), options, error,
                              message, place)) {
    case signedsave::Result::Written:
        return true;
    case signedsave::Result::Failed:
        return false;
    case signedsave::Result::NotSigned:
        break;
    }
    // Damage qpdf only meets while copying or writing is retried on copies MuPDF repaired.
    for (bool forceRepair : {false, true}) {
        std::unique_ptr<StagedFile> staged;
        try {
            const Outcome outcome =
                writeOnce(pages, path, options, forceRepair, &staged, error, message);
            if (outcome == Outcome::Written) {
                // Every source is closed by now, so the target can be replaced even where open
                // files cannot be.
                if (place(*staged))
                    return true;
                *error = PdfBackendError::WriteFailed;
                *message = staged->errorString();
                return false;
            }
            if (outcome != Outcome::SourceDamaged)
                return false;
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

} // namespace

bool write(const QList<PdfSourcePage> &pages, const QString &path, const PdfWriteOptions &options,
           PdfBackendError *error, QString *message)
{
    const QString target = resolvedTarget(path);
    return writeAndPlace(pages, path, options, error, message,
                         [&target](StagedFile &staged) { return staged.replace(target); });
}

bool writeNew(const QList<PdfSourcePage> &pages, const QString &path,
              const PdfWriteOptions &options, QString *writtenPath, PdfBackendError *error,
              QString *message)
{
    // The name is promised to this write only while it is placed; afterwards the file holds it.
    const QString owner = QUuid::createUuid().toString();
    const bool ok = writeAndPlace(pages, path, options, error, message, [&](StagedFile &staged) {
        staged.setOwner(owner);
        if (!staged.commitTo(QFileInfo(path).absoluteFilePath()))
            return false;
        *writtenPath = staged.placedPath();
        return true;
    });
    outputreservations::release(owner);
    return ok;
}

} // namespace pagewriter
