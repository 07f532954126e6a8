#!/usr/bin/python3
"""Cuts the page's font out of a face of a font collection: only the glyphs
of the characters the page shows and printable ASCII for typing, as a WOFF2.
REQUEST (UTF-8, written by make_page) names the face, the dialog's stand-in
font, on its first line and holds the characters after it. The font's own
time stamp is kept, so one font package always gives the same bytes.
Usage: subset_font.py COLLECTION REQUEST OUTPUT.woff2
"""
import io
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection, woff2

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
    options.hinting = False
    # The page sets its text horizontally, one glyph per character.
    options.layout_features = []
    options.drop_tables += ["vhea", "vmtx", "GDEF", "GPOS", "GSUB", "FFTM"]
    # Family, style and full name, with the copyright and licence.
    options.name_IDs = [0, 1, 2, 4, 13, 14]
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    # Browsers read the Windows Unicode map; the other one says the same.
    font["cmap"].tables = [table for table in font["cmap"].tables if table.platformID == 3]
    font.recalcTimestamp = False
    sfnt = io.BytesIO()
    font.save(sfnt)
    sfnt.seek(0)
    # Each glyph's left side bearing repeats its outline's own left edge:
    # WOFF2 can leave them out (the hmtx transform) as it leaves out the
    # glyph offsets.
    with open(output, "wb") as out:
        woff2.compress(sfnt, out, transform_tables={"glyf", "loca", "hmtx"})


if __name__ == "__main__":
    main()
