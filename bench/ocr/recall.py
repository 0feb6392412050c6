#!/usr/bin/env python3
"""Multiset word recall of a recognised text against the text it was made from: the share of
the source's words (lower case, letters and digits) found in the recognised text, each as often
as it occurs.
    recall.py SOURCE.txt RECOGNISED.txt"""
import collections
import re
import sys


def words(path):
    text = open(path, encoding="utf-8", errors="replace").read().lower()
    # Hyphenated line ends are one word in the source's own text layer too.
    text = re.sub(r"-\n\s*", "", text)
    return collections.Counter(re.findall(r"\w+", text))


source, found = words(sys.argv[1]), words(sys.argv[2])
total = sum(source.values())
hits = sum(min(n, found[w]) for w, n in source.items())
print(f"{hits / total:.4f} {hits} {total}")
