#!/usr/bin/python3
"""Make one embedded face: merge subset files of a font (Latin, Cyrillic, ...) into a single font
and give it the program's own family name, so that no installed font of the same name interferes.

usage: merge_fonts.py OUT FAMILY IN1 [IN2 ...]
"""
import os
import sys
import tempfile

from fontTools.merge import Merger
from fontTools.ttLib import TTFont


def rename(font, family):
    style = "Bold" if font["OS/2"].usWeightClass >= 700 else "Regular"
    names = {1: family, 2: style, 4: f"{family} {style}", 6: f"{family.replace(' ', '')}-{style}",
             16: family, 17: style}
    table = font["name"]
    for rec in list(table.names):
        if rec.nameID in (1, 2, 4, 6, 16, 17, 21, 22):
            table.removeNames(nameID=rec.nameID)
    for nid, value in names.items():
        table.setName(value, nid, 3, 1, 0x409)
        table.setName(value, nid, 1, 0, 0)


def main():
    out, family, inputs = sys.argv[1], sys.argv[2], sys.argv[3:]
    with tempfile.TemporaryDirectory() as tmp:
        plain = []
        for i, path in enumerate(inputs):
            font = TTFont(path)
            font.flavor = None
            p = os.path.join(tmp, f"{i}{os.path.splitext(out)[1]}")
            font.save(p)
            plain.append(p)
        font = Merger().merge(plain) if len(plain) > 1 else TTFont(plain[0])
        rename(font, family)
        font.save(out)


if __name__ == "__main__":
    main()
