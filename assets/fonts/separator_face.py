#!/usr/bin/python3
"""Makes the carried face for the decimal separator of Arabic and Persian regional settings
from DejaVu Sans Bold, under a family name of its own: a system's DejaVu Sans may have an
oblique bold without Arabic, which Qt would take for the italic read-outs in its place.
With --numbers-only it keeps just the characters numbers are written with, for the web.
    separator_face.py SOURCE OUTPUT [--numbers-only]"""
import argparse

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "DejaVu Sans Kraftfeld"
# Latin and Latin-1, the Arabic block, the direction marks and the minus sign.
NUMBERS = [*range(0x20, 0x7F), *range(0xA0, 0x100), *range(0x600, 0x700), 0x200E, 0x200F, 0x2212]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("source")
    parser.add_argument("output")
    parser.add_argument("--numbers-only", action="store_true")
    args = parser.parse_args()

    font = TTFont(args.source)
    if args.numbers_only:
        options = subset.Options(name_IDs=["*"], name_languages=["*"], notdef_outline=True, layout_features=["*"])
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=NUMBERS)
        subsetter.subset(font)
    # The family, the full and unique names, and the PostScript name.
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 16):
            record.string = record.toUnicode().replace("DejaVu Sans", FAMILY)
        elif record.nameID == 6:
            record.string = record.toUnicode().replace("DejaVuSans", FAMILY.replace(" ", ""))
    font.save(args.output)


if __name__ == "__main__":
    main()
