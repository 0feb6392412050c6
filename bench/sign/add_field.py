#!/usr/bin/env python3
"""Appends an empty signature field "Signature1" on page 1 of a PDF with classic xref tables,
so that both signers of the benchmark fill the same field. Prints the field's object number."""
import re
import sys
import os

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "signatures"))
import make_corpus as corpus  # noqa: E402


def main():
    src, dst = sys.argv[1], sys.argv[2]
    data = open(src, "rb").read()
    offsets, _ = corpus.read_xref(data)
    root = corpus.root_num(data)
    field = corpus.next_free_num(data)
    form = field + 1
    catalog = corpus.get_object(data, offsets, root)
    pages = corpus.get_object(data, offsets, int(re.search(rb"/Pages\s+(\d+)", catalog).group(1)))
    first = int(re.search(rb"/Kids\s*\[\s*(\d+)", pages).group(1))
    page = corpus.get_object(data, offsets, first)
    updates = {
        field: b"<< /Type /Annot /Subtype /Widget /FT /Sig /T (Signature1)"
               b" /Rect [72 72 272 122] /F 4 /P %d 0 R >>" % first,
        form: b"<< /Fields [%d 0 R] >>" % field,
        root: corpus.dict_set(catalog, "AcroForm", b"%d 0 R" % form),
    }
    annots = re.search(rb"/Annots\s*(\[|(\d+)\s+0\s+R)", page)
    if annots and annots.group(1) == b"[":
        updates[first] = page[:annots.end()] + b"%d 0 R " % field + page[annots.end():]
    elif annots:
        number = int(annots.group(2))
        array = corpus.get_object(data, offsets, number)
        updates[number] = array.replace(b"[", b"[%d 0 R " % field, 1)
    else:
        idx = page.rindex(b">>")
        updates[first] = page[:idx] + b" /Annots [%d 0 R] >>" % field + page[idx + 2:]
    open(dst, "wb").write(corpus.append_update(data, updates))
    print(field)


if __name__ == "__main__":
    main()
