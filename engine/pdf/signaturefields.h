#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <vector>

class QPDF;

// The signature fields of a document, read from its form without qpdf's form helper (which
// walks every page's annotations first).
namespace signaturefields {

struct Field
{
    QPDFObjectHandle field;  // the terminal field
    QPDFObjectHandle widget; // its (first) widget: the field itself when merged, else a kid
    std::string name;        // fully qualified, UTF-8
    QPDFObjectHandle value;  // the signature dictionary, null when the field is empty
};

std::vector<Field> list(QPDF &pdf);
bool anySigned(QPDF &pdf);
// The page at index, found through the page tree's /Count entries without loading every page;
// null when there is none. *count (when given): the pages the tree says it has.
QPDFObjectHandle pageAt(QPDF &pdf, int index, int *count = nullptr);
// /P of the document's certification signature (1, 2 or 3), 0 when it has none.
int certificationLevel(QPDF &pdf);
// What a certification with that /P (0: none) lets later revisions do.
bool allowsAnnotations(int level);
bool allowsFormFilling(int level);

} // namespace signaturefields
