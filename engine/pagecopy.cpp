#include "pagecopy.h"

#include "qpdfsupport.h"

#include <qpdf/QPDF.hh>

#include <climits>
#include <map>
#include <set>

namespace pagecopy {
namespace {

constexpr int kMaxOutlineDepth = 50;

bool isLink(QPDFObjectHandle annot)
{
    return annot.isDictionary() && annot.getKey("/Subtype").isNameAndEquals("/Link");
}

// Named destinations are resolved in their own document, whose name tree a copy does not carry.
void resolveOutlineDestinations(qpdfsupport::DestinationResolver &resolver,
                                QPDFObjectHandle parent, std::set<QPDFObjGen> &seen, int depth)
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
            qpdfsupport::setLocalDestination(annot, QPDFObjectHandle::newArray(items));
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
        std::vector<QPDFObjectHandle> items = dest.getArrayAsVector();
        items[0] = page;
        qpdfsupport::setLocalDestination(annot, QPDFObjectHandle::newArray(items));
    }
}

int pruneOutlineItems(QPDF &pdf, QPDFObjectHandle parent)
{
    std::set<QPDFObjGen> seen;
    return pruneChildren(pdf, parent, seen, 0);
}

QPDFObjectHandle copyOutlineUnder(QPDF &out, QPDF &source, const QString &title,
                                  QPDFObjectHandle firstPage, bool keepEmpty)
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
        qpdfsupport::DestinationResolver resolver(source);
        resolveOutlineDestinations(resolver, outlines, seen, 0);
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
