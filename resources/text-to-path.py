#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Print an SVG <path> element that draws a line of text as outlines.

Used once by hand to make the lettering in svg/badge.svg, so that rendering the
badge does not depend on installed fonts. Needs Debian's python3-fonttools and
fonts-dejavu-core.

  text-to-path.py FONT.ttf SIZE X BASELINE TEXT [FILL]

X and BASELINE are in SVG user units; kerning pairs from the font's GPOS 'kern'
feature are applied.
"""
import sys

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont


def pair_kerning(font):
    """Return {(left glyph, right glyph): x advance adjustment} from GPOS kern."""
    pairs = {}
    if "GPOS" not in font:
        return pairs
    gpos = font["GPOS"].table
    lookup_ids = set()
    for rec in gpos.FeatureList.FeatureRecord:
        if rec.FeatureTag == "kern":
            lookup_ids.update(rec.Feature.LookupListIndex)
    for index in sorted(lookup_ids):
        lookup = gpos.LookupList.Lookup[index]
        for sub in lookup.SubTable:
            if lookup.LookupType == 9:  # extension
                sub = sub.ExtSubTable
            if getattr(sub, "LookupType", 2) != 2 and lookup.LookupType != 9:
                continue
            if not hasattr(sub, "Format") or not hasattr(sub, "Coverage"):
                continue
            firsts = sub.Coverage.glyphs
            if sub.Format == 1:
                for first, pset in zip(firsts, sub.PairSet):
                    for pvr in pset.PairValueRecord:
                        v = getattr(pvr.Value1, "XAdvance", 0) if pvr.Value1 else 0
                        pairs.setdefault((first, pvr.SecondGlyph), v)
            elif sub.Format == 2:
                cls1 = sub.ClassDef1.classDefs if sub.ClassDef1 else {}
                cls2 = sub.ClassDef2.classDefs if sub.ClassDef2 else {}
                for first in firsts:
                    c1 = cls1.get(first, 0)
                    row = sub.Class1Record[c1].Class2Record
                    for second, c2 in cls2.items():
                        rec = row[c2]
                        v = getattr(rec.Value1, "XAdvance", 0) if rec.Value1 else 0
                        if v:
                            pairs.setdefault((first, second), v)
    return pairs


def main():
    if len(sys.argv) not in (6, 7):
        sys.exit(__doc__)
    font_file, size, x, baseline, text = sys.argv[1:6]
    fill = sys.argv[6] if len(sys.argv) == 7 else "#ffffff"
    size, x, baseline = float(size), float(x), float(baseline)
    font = TTFont(font_file)
    scale = size / font["head"].unitsPerEm
    cmap = font.getBestCmap()
    glyphs = font.getGlyphSet()
    hmtx = font["hmtx"]
    kern = pair_kerning(font)

    names = [cmap[ord(ch)] for ch in text]
    pen = SVGPathPen(glyphs, ntos=lambda v: ("%.2f" % v).rstrip("0").rstrip("."))
    cursor = 0.0
    for i, name in enumerate(names):
        glyphs[name].draw(TransformPen(pen, (scale, 0, 0, -scale, x + cursor * scale, baseline)))
        cursor += hmtx[name][0]
        if i + 1 < len(names):
            cursor += kern.get((name, names[i + 1]), 0)
    print('<path fill="%s" d="%s"/>' % (fill, pen.getCommands()))
    print("<!-- advance width: %.2f -->" % (cursor * scale), file=sys.stderr)


if __name__ == "__main__":
    main()
