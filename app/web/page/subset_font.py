#!/usr/bin/python3
"""Cuts the page's font out of a face of a font collection: only the glyphs
of the characters the page shows and printable ASCII for typing, as a WOFF2.
REQUEST (UTF-8, written by make_page) names the face, the dialog's stand-in
font, on its first line and holds the characters after it. The font's own
time stamp is kept, so one font package always gives the same bytes.
Usage: subset_font.py COLLECTION REQUEST OUTPUT.woff2
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection

PRINTABLE_ASCII = "".join(chr(c) for c in range(0x20, 0x7F))


def face(collection_path, name):
    for font in TTCollection(collection_path).fonts:
        if font["name"].getDebugName(4) == name:
            return font
    sys.exit(f"subset_font: no face {name!r} in {collection_path}")


def main():
    collection, request, output = sys.argv[1:]
    with open(request, encoding="utf-8") as f:
        name, shown = f.read().split("\n", 1)
    text = "".join(sorted(set(shown + PRINTABLE_ASCII) - set("\r\n")))

    font = face(collection, name)
    options = subset.Options()
    options.flavor = "woff2"
    options.hinting = False
    # The page sets its text horizontally, one glyph per character.
    options.layout_features = []
    options.drop_tables += ["vhea", "vmtx", "GDEF", "GPOS", "GSUB", "FFTM"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # licence and copyright kept
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    font.recalcTimestamp = False
    font.flavor = "woff2"
    font.save(output)


if __name__ == "__main__":
    main()
