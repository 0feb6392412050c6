#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPDF;
class QPDFObjectHandle;
namespace qpdfsupport {
class DestinationResolver;
}

// Copying pages and their outline from one document into another, shared by the writers that
// assemble a PDF from several sources.
namespace pagecopy {

bool hasAnnotations(QPDFObjectHandle page);

// Copying a page drops references to pages not copied yet. Before copying, every internal
// link target on pages is turned into the index (in pages) of the page it jumps to, -1 when it
// is not one of them; resolveLinkTargets points them at the copies afterwards.
void markLinkTargets(QPDF &pdf, const std::vector<QPDFObjectHandle> &pages);

// pageAt answers the written page of a source index, or a null handle when that page was not
// written; links to such pages lose their target.
void resolveLinkTargets(QPDFObjectHandle copy, const std::function<QPDFObjectHandle(int)> &pageAt);

// Points the links of pages copied out of one source at the copies of their target pages,
// reading each link's target from the source page it was copied from. Unlike markLinkTargets it
// leaves the source alone and resolves each named destination once.
class LinkRetargeter
{
public:
    LinkRetargeter(qpdfsupport::DestinationResolver &source,
                   const std::vector<QPDFObjectHandle> &pages);
    ~LinkRetargeter();
    LinkRetargeter(const LinkRetargeter &) = delete;
    LinkRetargeter &operator=(const LinkRetargeter &) = delete;

    // copy was made from original (whose annotations it holds in the same order); pageAt as for
    // resolveLinkTargets, answering the same page for an index every time: links through the
    // same named destination share one destination array.
    void retarget(QPDFObjectHandle original, QPDFObjectHandle copy,
                  const std::function<QPDFObjectHandle(int)> &pageAt);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Removes outline items below parent whose destination page is gone (unless they still hold
// live children) and fixes the counts. Returns the number of visible items below parent.
int pruneOutlineItems(QPDF &pdf, QPDFObjectHandle parent);

// Makes one outline item in out titled title that jumps to firstPage and holds a copy of the
// outline of source. Call it after the pages were copied: page references are then mapped onto
// their copies, and items whose pages were not copied are left out. Returns a null handle when
// nothing of the source's outline remains and keepEmpty is false.
// resolver, when given, resolves the source's named destinations (and may be shared with a
// LinkRetargeter of the same source).
QPDFObjectHandle copyOutlineUnder(QPDF &out, QPDF &source, const QString &title,
                                  QPDFObjectHandle firstPage, bool keepEmpty,
                                  qpdfsupport::DestinationResolver *resolver = nullptr);

// Appends items at the top level of out's outline, creating the outline when there is none.
void appendOutlineItems(QPDF &out, const std::vector<QPDFObjectHandle> &items);

// Prunes the whole outline of pdf (as pruneOutlineItems) and drops it when nothing is left.
void pruneOutlines(QPDF &pdf);

} // namespace pagecopy
