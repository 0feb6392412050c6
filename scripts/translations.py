#!/usr/bin/env python3
"""Moves translations between the catalogues and one JSON work file.

  scripts/translations.py todo [--all] > work.json   texts still to translate, one entry each,
                                                      with the other languages' translations
  scripts/translations.py apply work.json             writes the filled-in entries back
  scripts/translations.py show [SOURCE...]            prints the translations of some texts

An entry is {"context", "source", "numerus", "en", "de", "fr", "es", "ar", "jp"}; a numerus
entry holds a list of forms per language (en/de/fr/es 2, ar 6, jp 1). An entry whose context is
"*" applies to that source text in every context. Run scripts/update-translations.sh first, so the
catalogues know every text of the code.
"""
import json
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LANGS = ["en", "de", "fr", "es", "ar", "jp"]


def ts_path(lang):
    return ROOT / "translations" / f"tessel_{lang}.ts"


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def key(context, message):
    return (context, message.findtext("source"), message.findtext("comment") or "")


def value(message):
    tr = message.find("translation")
    if tr is None or tr.get("type") in ("unfinished", "vanished", "obsolete"):
        return None
    if message.get("numerus") == "yes":
        forms = [f.text or "" for f in tr.findall("numerusform")]
        return forms if forms and all(forms) else None
    return tr.text or None


def load():
    return {lang: ET.parse(ts_path(lang)) for lang in LANGS}


def todo(show_all):
    trees = load()
    entries = {}
    for lang, tree in trees.items():
        for context, message in messages(tree):
            tr = message.find("translation")
            if tr is not None and tr.get("type") in ("vanished", "obsolete"):
                continue
            k = key(context, message)
            entry = entries.setdefault(k, {"context": k[0], "source": k[1]})
            if k[2]:
                entry["comment"] = k[2]
            if message.get("numerus") == "yes":
                entry["numerus"] = True
            entry[lang] = value(message)
    out = [e for e in entries.values() if show_all or any(e.get(l) is None for l in LANGS)]
    json.dump(out, sys.stdout, ensure_ascii=False, indent=1)
    print()


def apply(work_file):
    work = json.loads(Path(work_file).read_text(encoding="utf-8"))
    trees = load()
    for lang, tree in trees.items():
        changed = 0
        for context, message in messages(tree):
            k = key(context, message)
            for entry in work:
                if entry["source"] != k[1] or entry.get("comment", "") != k[2]:
                    continue
                if entry["context"] not in ("*", context):
                    continue
                text = entry.get(lang)
                if text is None or text == "" or text == []:
                    continue
                tr = message.find("translation")
                if tr is None:
                    tr = ET.SubElement(message, "translation")
                tr.attrib.pop("type", None)
                if message.get("numerus") == "yes":
                    for f in list(tr):
                        tr.remove(f)
                    tr.text = None
                    for form in text:
                        ET.SubElement(tr, "numerusform").text = form
                else:
                    tr.text = text
                changed += 1
        path = ts_path(lang)
        tree.write(path, encoding="utf-8", xml_declaration=True)
        normalise(path)
        print(f"{path.relative_to(ROOT)}: {changed} translations written")


def normalise(path):
    """Back to the layout lupdate writes, so diffs stay small."""
    lconvert = shutil.which("lconvert") or "/usr/lib/qt6/bin/lconvert"
    text = path.read_text(encoding="utf-8")
    if "<!DOCTYPE TS>" not in text:
        text = text.replace("?>\n", "?>\n<!DOCTYPE TS>\n", 1)
        path.write_text(text, encoding="utf-8")
    subprocess.run([lconvert, "-locations", "none", "-i", str(path), "-o", str(path)],
                   check=True)


def show(sources):
    trees = load()
    for lang, tree in trees.items():
        for context, message in messages(tree):
            if not sources or message.findtext("source") in sources:
                print(f"{lang}\t{context}\t{message.findtext('source')!r}\t{value(message)!r}")


def main(argv):
    if len(argv) >= 2 and argv[1] == "todo":
        todo("--all" in argv)
    elif len(argv) == 3 and argv[1] == "apply":
        apply(argv[2])
    elif len(argv) >= 2 and argv[1] == "show":
        show(argv[2:])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
