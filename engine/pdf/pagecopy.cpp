#include "pagecopy.h"

#include "qpdfsupport.h"

#include <qpdf/QPDF.hh>

#include <climits>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

namespace pagecopy {
namespace {

constexpr int kMaxOutlineDepth = 50;

bool isLink(QPDFObjectHandle annot)
{
    return annot.isDictionary() && annot.getKey("/Subtype").isNameAndEquals("/Link");
}

// Named destinations are resolved in their own document, whose name tree a copy does not carry.
void resolveOutlineDestinations(qpdfsupport::DestinationResolver &resolver, QPDFObjectHandle parent,
                                std::set<QPDFObjGen> &seen, int depth)
{
    QPDFObjectHandle item = parent.getKey("/First");
    while (item.isDictionary() && seen.insert(item.getObjGen()).second) {
        // A structure element would drag the source's whole structure tree along.
        item.removeKey("/SE");
        QPDFObjectHandle dest = qpdfsupport::localDestination(item);
        if (!dest.isNull() && !dest.isArray()) {
            QPDFObjectHandle target = resolver.resolve(dest);
            if (target.isArray()) {
                qpdfsupport::setLocalDestination(item, target);
            } else {
                item.removeKey("/Dest");
                item.removeKey("/A");
            }
        }
        if (depth < kMaxOutlineDepth)
            resolveOutlineDestinations(resolver, item, seen, depth + 1);
        item = item.getKey("/Next");
    }
}

int pruneChildren(QPDF &pdf, QPDFObjectHandle parent, std::set<QPDFObjGen> &seen, int depth)
{
    std::vector<QPDFObjectHandle> kept;
    int visible = 0;
    QPDFObjectHandle item = parent.getKey("/First");
    while (item.isDictionary() && seen.insert(item.getObjGen()).second) {
        QPDFObjectHandle next = item.getKey("/Next");
        const int below = depth < kMaxOutlineDepth ? pruneChildren(pdf, item, seen, depth + 1) : 0;
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

} // namespace

bool hasAnnotations(QPDFObjectHandle page)
{
    QPDFObjectHandle annots = page.getKey("/Annots");
    return annots.isArray() && annots.getArrayNItems() > 0;
}

void markLinkTargets(QPDF &pdf, const std::vector<QPDFObjectHandle> &pages)
{
    std::map<QPDFObjGen, int> indexOf;
    for (size_t i = 0; i < pages.size(); ++i)
        indexOf[pages[i].getObjGen()] = static_cast<int>(i);
    qpdfsupport::DestinationResolver resolver(pdf);
    for (QPDFObjectHandle page : pages) {
        if (!hasAnnotations(page))
            continue;
        for (QPDFObjectHandle annot : page.getKey("/Annots").aitems()) {
            if (!isLink(annot))
                continue;
            QPDFObjectHandle dest = qpdfsupport::localDestination(annot);
            if (dest.isNull())
                continue;
            QPDFObjectHandle target = resolver.resolve(dest);
            if (!target.isArray() || target.getArrayNItems() < 1)
                continue;
            std::vector<QPDFObjectHandle> items = target.getArrayAsVector();
            auto found = indexOf.find(items[0].getObjGen());
            items[0] = QPDFObjectHandle::newInteger(found == indexOf.end() ? -1 : found->second);
            QPDFObjectHandle marked = QPDFObjectHandle::newArray(items);
            // A direct action belongs to this link alone: changed where it is, not duplicated.
            QPDFObjectHandle action = annot.getKey("/A");
            if (!annot.hasKey("/Dest") && action.isDictionary() && !action.isIndirect())
                action.replaceKey("/D", marked);
            else
                qpdfsupport::setLocalDestination(annot, marked);
        }
    }
}

void resolveLinkTargets(QPDFObjectHandle copy, const std::function<QPDFObjectHandle(int)> &pageAt)
{
    if (!hasAnnotations(copy))
        return;
    for (QPDFObjectHandle annot : copy.getKey("/Annots").aitems()) {
        if (!isLink(annot))
            continue;
        QPDFObjectHandle dest = qpdfsupport::localDestination(annot);
        if (!dest.isArray() || dest.getArrayNItems() < 1 || !dest.getArrayItem(0).isInteger())
            continue;
        const long long index = dest.getArrayItem(0).getIntValue();
        QPDFObjectHandle page = index >= 0 && index <= INT_MAX ? pageAt(static_cast<int>(index))
                                                               : QPDFObjectHandle::newNull();
        if (page.isNull()) {
            annot.removeKey("/Dest");
            annot.removeKey("/A");
            continue;
        }
        // The marked array is this copy's own, made before copying.
        if (!dest.isIndirect()) {
            dest.setArrayItem(0, page);
            continue;
        }
        std::vector<QPDFObjectHandle> items = dest.getArrayAsVector();
        items[0] = page;
        qpdfsupport::setLocalDestination(annot, QPDFObjectHandle::newArray(items));
    }
}

struct LinkRetargeter::Private
{
    // A target: the source index of its page (-1 when not one of the pages) and the rest of
    // the explicit destination.
    struct Target
    {
        int index = -1;
        std::vector<QPDFObjectHandle> rest;
        // The destination made for the copies, shared by every link through the same name.
        QPDFObjectHandle written;
    };

    explicit Private(qpdfsupport::DestinationResolver &resolver)
        : resolver(resolver)
    {}

    Target *targetOf(QPDFObjectHandle dest)
    {
        const bool named = dest.isString() || dest.isName();
        std::string key;
        if (named) {
            key = dest.isName() ? dest.getName() : "(" + dest.getStringValue();
            if (auto found = byName.find(key); found != byName.end())
                return found->second ? &*found->second : nullptr;
        }
        std::optional<Target> target;
        QPDFObjectHandle explicitDest = resolver.resolve(dest);
        if (explicitDest.isArray() && explicitDest.getArrayNItems() > 0) {
            std::vector<QPDFObjectHandle> items = explicitDest.getArrayAsVector();
            target.emplace();
            auto page = indexOf.find(items[0].getObjGen());
            target->index = page == indexOf.end() ? -1 : page->second;
            // Zoom values are plain numbers, copied so that the output shares nothing with the
            // source; anything indirect would tie the copy to the source.
            for (size_t i = 1; i < items.size(); ++i)
                target->rest.push_back(items[i].isIndirect() || items[i].isStream()
                                           ? QPDFObjectHandle::newNull()
                                           : items[i].shallowCopy());
        }
        if (!named) {
            scratch = target;
            return scratch ? &*scratch : nullptr;
        }
        auto stored = byName.emplace(std::move(key), std::move(target)).first;
        return stored->second ? &*stored->second : nullptr;
    }

    qpdfsupport::DestinationResolver &resolver;
    std::map<QPDFObjGen, int> indexOf;
    std::unordered_map<std::string, std::optional<Target>> byName;
    std::optional<Target> scratch;
};

LinkRetargeter::LinkRetargeter(qpdfsupport::DestinationResolver &source,
                               const std::vector<QPDFObjectHandle> &pages)
    : d(std::make_unique<Private>(source))
{
    for (size_t i = 0; i < pages.size(); ++i)
        d->indexOf.emplace(pages[i].getObjGen(), static_cast<int>(i));
}

LinkRetargeter::~LinkRetargeter() = default;

void LinkRetargeter::retarget(QPDFObjectHandle original, QPDFObjectHandle copy,
                              const std::function<QPDFObjectHandle(int)> &pageAt)
{
    if (!hasAnnotations(original) || !hasAnnotations(copy))
        return;
    QPDFObjectHandle from = original.getKey("/Annots");
    QPDFObjectHandle to = copy.getKey("/Annots");
    const int count = from.getArrayNItems();
    if (to.getArrayNItems() != count)
        return;
    for (int i = 0; i < count; ++i) {
        QPDFObjectHandle copied = to.getArrayItem(i);
        if (!isLink(copied))
            continue;
        QPDFObjectHandle dest = qpdfsupport::localDestination(copied);
        if (dest.isNull())
            continue;
        // A name is copied as it is; page references of later pages are not, so those are
        // read from the source.
        if (!dest.isString() && !dest.isName()) {
            QPDFObjectHandle annot = from.getArrayItem(i);
            if (!isLink(annot))
                continue;
            dest = qpdfsupport::localDestination(annot);
        }
        Private::Target *target = d->targetOf(dest);
        if (!target)
            continue;
        QPDFObjectHandle page = target->index >= 0 ? pageAt(target->index) : QPDFObjectHandle();
        if (!page.isInitialized() || page.isNull()) {
            copied.removeKey("/Dest");
            copied.removeKey("/A");
            continue;
        }
        if (!target->written.isInitialized()) {
            std::vector<QPDFObjectHandle> items;
            items.reserve(target->rest.size() + 1);
            items.push_back(page);
            items.insert(items.end(), target->rest.begin(), target->rest.end());
            target->written = QPDFObjectHandle::newArray(items);
        }
        QPDFObjectHandle retargeted = target->written;
        // A direct action belongs to this link alone: changed where it is, not duplicated.
        QPDFObjectHandle action = copied.getKey("/A");
        if (!copied.hasKey("/Dest") && action.isDictionary() && !action.isIndirect())
            action.replaceKey("/D", retargeted);
        else
            qpdfsupport::setLocalDestination(copied, retargeted);
    }
}

int pruneOutlineItems(QPDF &pdf, QPDFObjectHandle parent)
{
    std::set<QPDFObjGen> seen;
    return pruneChildren(pdf, parent, seen, 0);
}

QPDFObjectHandle copyOutlineUnder(QPDF &out, QPDF &source, const QString &title,
                                  QPDFObjectHandle firstPage, bool keepEmpty,
                                  qpdfsupport::DestinationResolver *resolver)
{
    QPDFObjectHandle bookmark = out.makeIndirectObject(QPDFObjectHandle::newDictionary());
    bookmark.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(title.toStdString()));
    if (!firstPage.isNull()) {
        bookmark.replaceKey("/Dest", QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
                                         firstPage, QPDFObjectHandle::newName("/Fit")}));
    }
    QPDFObjectHandle outlines = source.getRoot().getKey("/Outlines");
    if (outlines.isDictionary() && outlines.getKey("/First").isDictionary()) {
        std::set<QPDFObjGen> seen;
        std::optional<qpdfsupport::DestinationResolver> own;
        if (!resolver)
            resolver = &own.emplace(source);
        resolveOutlineDestinations(*resolver, outlines, seen, 0);
        // Copying the first item brings the whole tree; pruning relinks its top level here.
        QPDFObjectHandle first = out.copyForeignObject(outlines.getKey("/First"));
        bookmark.replaceKey("/First", first);
        pruneOutlineItems(out, bookmark);
    }
    if (!keepEmpty && !bookmark.getKey("/First").isDictionary())
        return QPDFObjectHandle::newNull();
    return bookmark;
}

void appendOutlineItems(QPDF &out, const std::vector<QPDFObjectHandle> &items)
{
    QPDFObjectHandle root = out.getRoot();
    QPDFObjectHandle outlines = root.getKey("/Outlines");
    if (!outlines.isDictionary()) {
        outlines = out.makeIndirectObject(QPDFObjectHandle::newDictionary());
        outlines.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
        root.replaceKey("/Outlines", outlines);
    }
    QPDFObjectHandle last;
    std::set<QPDFObjGen> seen;
    for (QPDFObjectHandle item = outlines.getKey("/First");
         item.isDictionary() && seen.insert(item.getObjGen()).second; item = item.getKey("/Next"))
        last = item;
    for (QPDFObjectHandle item : items) {
        if (last.isInitialized() && last.isDictionary())
            last.replaceKey("/Next", item);
        else
            outlines.replaceKey("/First", item);
        last = item;
    }
    // Pruning relinks /Prev, /Parent and /Last and recounts the visible items.
    pruneOutlines(out);
}

void pruneOutlines(QPDF &pdf)
{
    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle outlines = root.getKey("/Outlines");
    if (!outlines.isDictionary())
        return;
    const int visible = pruneOutlineItems(pdf, outlines);
    if (!outlines.getKey("/First").isDictionary())
        root.removeKey("/Outlines");
    else
        outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(visible));
}

} // namespace pagecopy
