#!/usr/bin/python3
"""Scores PDF to Word conversions by independent tools.

LibreOffice lays each .docx out as PDF again and pdftotext reads both that PDF and the source:
words kept (multiset recall), word order (sequence similarity), page counts; python-docx counts
paragraphs, tables and pictures of the .docx; pdfimages counts the source's placed images.

    score.py SOURCE.pdf NAME=FILE.docx [NAME=FILE.docx ...]
"""
import collections
import difflib
import json
import os
import re
import subprocess
import sys
import tempfile

import docx  # python3-docx


def run(*args, **kw):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kw).stdout


def text_of(pdf):
    text = run("pdftotext", "-enc", "UTF-8", pdf, "-")
    # A word broken over a line end counts as one word, in the source as in the output.
    text = re.sub(r"(\w)[-\u00ad\u2010]\n\s*([a-z])", r"\1\2", text)
    return text


def words(text):
    return re.findall(r"\w+", text.lower())


def pages(pdf):
    info = run("pdfinfo", pdf)
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def placed_images(pdf):
    listing = run("pdfimages", "-list", pdf).splitlines()[2:]
    count = 0
    for row in listing:
        cols = row.split()
        # page num type width height ...: masks are not pictures of their own
        if len(cols) > 4 and cols[2] == "image" and int(cols[3]) >= 8 and int(cols[4]) >= 8:
            count += 1
    return count


def similarity(a, b):
    # Token order, compared in windows so that long manuals stay quick.
    if not a or not b:
        return 0.0
    matcher = difflib.SequenceMatcher(None, a, b, autojunk=False)
    return matcher.ratio()


def chunked_similarity(a, b, size=4000):
    # Aligns windows of the source to the output by position; the matcher is quadratic.
    if len(a) <= size:
        return similarity(a, b)
    total = 0
    matched = 0.0
    scale = len(b) / len(a)
    for start in range(0, len(a), size):
        part = a[start:start + size]
        lo = max(0, int(start * scale) - size // 4)
        hi = min(len(b), int((start + size) * scale) + size // 4)
        m = difflib.SequenceMatcher(None, part, b[lo:hi], autojunk=False)
        matched += sum(block.size for block in m.get_matching_blocks())
        total += len(part)
    return matched / total


def roundtrip(document, folder):
    profile = os.path.join(folder, "profile")
    run("soffice", f"-env:UserInstallation=file://{profile}", "--headless", "--norestore",
        "--convert-to", "pdf", "--outdir", folder, document, timeout=1800)
    pdf = os.path.join(folder, os.path.splitext(os.path.basename(document))[0] + ".pdf")
    return pdf


def score(source, document):
    src_text = text_of(source)
    src_words = words(src_text)
    src_lines = sum(1 for line in src_text.splitlines() if line.strip())
    with tempfile.TemporaryDirectory() as folder:
        pdf = roundtrip(document, folder)
        out_words = words(text_of(pdf))
        out_pages = pages(pdf)
    a = collections.Counter(src_words)
    b = collections.Counter(out_words)
    recall = sum(min(n, b[w]) for w, n in a.items()) / max(1, sum(a.values()))
    d = docx.Document(document)
    # Read from the XML: not every writer's tables are complete enough for python-docx.
    W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"
    body = d.element.body
    paragraphs = sum(1 for p in body.iter(W + "p")
                     if "".join(t.text or "" for t in p.iter(W + "t")).strip())
    return {
        "recall": round(recall, 4),
        "order": round(chunked_similarity(src_words, out_words), 4),
        "pages": out_pages,
        "source_pages": pages(source),
        "pictures": len(d.inline_shapes) + sum(1 for _ in d.element.body.iter(
            "{http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing}anchor")),
        "source_images": placed_images(source),
        "tables": sum(1 for _ in body.iter(W + "tbl")),
        "paragraphs": paragraphs,
        "source_lines": src_lines,
    }


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    source = sys.argv[1]
    for spec in sys.argv[2:]:
        name, _, path = spec.partition("=")
        print(json.dumps({"source": os.path.basename(source), "tool": name, **score(source, path)}))
    return 0


if __name__ == "__main__":
    sys.exit(main())
