#pragma once

#include "mupdfsupport.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <vector>

// The pictures of a compress: where each is drawn, and how it is downsampled and re-encoded.
namespace compression {

struct Level
{
    double ppi;
    int quality;
};

// The names of a stream's filters, in order.
std::vector<std::string> filters(QPDFObjectHandle dict);

// Re-encodes the images of pages drawn above level's resolution as JPEG (masks as flate); an
// image that cannot be decoded stays as it was. Answers the pages whose resources list pictures
// their content never draws.
std::vector<QPDFObjectHandle> rewriteImages(QPDF &pdf, const mupdf::DocumentRef &doc,
                                            const Level &level,
                                            const std::vector<QPDFObjectHandle> &pages);

} // namespace compression
