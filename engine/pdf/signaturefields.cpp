#include "signaturefields.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>

#include <set>

namespace signaturefields {
namespace {

using Handle = QPDFObjectHandle;

std::string partialName(Handle field)
{
    Handle t = field.getKey("/T");
    return t.isString() ? t.getUTF8Value() : std::string();
}

void walk(Handle node, const std::string &prefix, bool inheritedSig, std::set<QPDFObjGen> &seen,
          std::vector<Field> &out, int depth)
{
    if (!node.isDictionary() || depth > 64)
        return;
    if (node.isIndirect() && !seen.insert(node.getObjGen()).second)
        return;
    const std::string own = partialName(node);
    const std::string name = own.empty() ? prefix : (prefix.empty() ? own : prefix + "." + own);
    Handle ft = node.getKey("/FT");
    const bool isSig = ft.isName() ? ft.getName() == "/Sig" : inheritedSig;
    Handle kids = node.getKey("/Kids");
    // Kids that carry a /T are fields; kids without one are this field's widgets.
    bool fieldKids = false;
    if (kids.isArray())
        for (Handle kid : kids.aitems())
            fieldKids = fieldKids || (kid.isDictionary() && kid.hasKey("/T"));
    if (fieldKids) {
        for (Handle kid : kids.aitems())
            walk(kid, name, isSig, seen, out, depth + 1);
        return;
    }
    if (!isSig)
        return;
    Field field;
    field.field = node;
    field.widget = node;
    if (kids.isArray() && kids.getArrayNItems() > 0 && kids.getArrayItem(0).isDictionary())
        field.widget = kids.getArrayItem(0);
    field.name = name;
    Handle v = node.getKey("/V");
    field.value = v.isDictionary() ? v : Handle::newNull();
    out.push_back(field);
}

} // namespace

std::vector<Field> list(QPDF &pdf)
{
    std::vector<Field> out;
    Handle acroForm = pdf.getRoot().getKey("/AcroForm");
    if (!acroForm.isDictionary())
        return out;
    Handle fields = acroForm.getKey("/Fields");
    if (!fields.isArray())
        return out;
    std::set<QPDFObjGen> seen;
    for (Handle field : fields.aitems())
        walk(field, {}, false, seen, out, 0);
    return out;
}

bool anySigned(QPDF &pdf)
{
    for (Field field : list(pdf))
        if (field.value.isDictionary() && field.value.hasKey("/ByteRange"))
            return true;
    return false;
}

QPDFObjectHandle pageAt(QPDF &pdf, int index, int *count)
{
    Handle node = pdf.getRoot().getKey("/Pages");
    if (count)
        *count = node.getKey("/Count").isInteger()
                     ? static_cast<int>(node.getKey("/Count").getIntValue())
                     : 0;
    for (int depth = 0; depth < 64 && node.isDictionary(); ++depth) {
        Handle kids = node.getKey("/Kids");
        if (!kids.isArray())
            return node.getKey("/Type").isNameAndEquals("/Page") && index == 0 ? node
                                                                               : Handle::newNull();
        Handle next;
        for (Handle kid : kids.aitems()) {
            if (!kid.isDictionary())
                continue;
            const bool leaf = !kid.getKey("/Kids").isArray();
            const long long pages = leaf ? 1
                                    : kid.getKey("/Count").isInteger()
                                        ? kid.getKey("/Count").getIntValue()
                                        : 0;
            if (index < pages) {
                if (leaf)
                    return kid;
                next = kid;
                break;
            }
            index -= static_cast<int>(pages);
        }
        if (!next.isInitialized())
            return Handle::newNull();
        node = next;
    }
    return Handle::newNull();
}

bool allowsAnnotations(int level)
{
    return level == 0 || level == 3;
}

bool allowsFormFilling(int level)
{
    return level != 1;
}

int certificationLevel(QPDF &pdf)
{
    Handle docMdp = pdf.getRoot().getKey("/Perms").getKey("/DocMDP");
    if (!docMdp.isDictionary())
        return 0;
    Handle references = docMdp.getKey("/Reference");
    if (references.isArray()) {
        for (Handle reference : references.aitems()) {
            if (!reference.getKey("/TransformMethod").isNameAndEquals("/DocMDP"))
                continue;
            Handle p = reference.getKey("/TransformParams").getKey("/P");
            if (p.isInteger() && p.getIntValue() >= 1 && p.getIntValue() <= 3)
                return static_cast<int>(p.getIntValue());
            return 2;
        }
    }
    return 2;
}

} // namespace signaturefields
