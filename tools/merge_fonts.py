#!/usr/bin/python3
"""Merge subset font files of one face (Latin, Cyrillic, ...) into a single TrueType font.

usage: merge_fonts.py OUT.ttf IN1.woff IN2.woff ...
"""
import sys
import tempfile
import os

from fontTools.ttLib import TTFont
from fontTools.merge import Merger


def main():
    out, inputs = sys.argv[1], sys.argv[2:]
    with tempfile.TemporaryDirectory() as tmp:
        plain = []
        for i, path in enumerate(inputs):
            font = TTFont(path)
            font.flavor = None
            p = os.path.join(tmp, f"{i}.ttf")
            font.save(p)
            plain.append(p)
        merged = Merger().merge(plain)
        merged.save(out)


if __name__ == "__main__":
    main()
