"""The program's own bitmaps that go with the skin engine.

"TRACK" (16 x 4) and "TRACKVERT" (4 x 16) stand in for a skin that has no
track bar channel; "ORVANELMENU" (64 x 16, one bit per pixel) holds the four
16-pixel glyphs of the skinned system menu: restore, maximise, minimise,
close, black on white (white is transparent).
"""

import os

import magick
from magick import Frame, Shape, solid
import parts_bars
import parts_caption

TRACK_LONG, TRACK_THICK = 16, 4


def _menu_glyphs(workdir):
    paths = []
    glyphs = [
        lambda s: parts_caption.glyph_restore(s, 0, 0, 2, 2),
        lambda s: parts_caption.glyph_maximize(s, 0, 0, 3, 3, 13, 12),
        lambda s: parts_caption.glyph_minimize(s, 0, 0, 4, 12, 10),
        lambda s: parts_caption.glyph_close(s, 0, 0, 8.0, 7.5, 3.5, 1.6),
    ]
    for i, glyph in enumerate(glyphs, 1):
        f = Frame(16, 16, background=(255, 255, 255))
        f.fill(glyph(Shape()), solid((0, 0, 0)))
        paths.append(f.render(os.path.join(workdir, "menu%d.png" % i)))
    return paths


def build(workdir, outdir):
    """Writes the three bitmaps and answers their paths."""
    os.makedirs(workdir, exist_ok=True)
    os.makedirs(outdir, exist_ok=True)
    out = []
    for name, vertical in (("track", False), ("trackvert", True)):
        png = parts_bars.channel(TRACK_LONG, TRACK_THICK, vertical).render(
            os.path.join(workdir, name + ".png"))
        out.append(magick.save_bmp(png, os.path.join(outdir, name + ".bmp")))
    menu = os.path.join(outdir, "orvanelmenu.bmp")
    magick.run(_menu_glyphs(workdir) + [
        "+append", "-colorspace", "gray", "-threshold", "50%",
        "-type", "bilevel", "BMP3:" + menu])
    out.append(menu)
    return out


README = """# Built-in bitmaps of the skin engine

Written by `tools/skin-artwork/generate.py` in the look of the skin
"tesmera-metallic".

| Bitmap | Resource name | Size | Content |
|---|---|---|---|
| `track.bmp` | "TRACK" | 16 × 4, 24-bit | horizontal track bar channel for skins without one; margins 3 |
| `trackvert.bmp` | "TRACKVERT" | 4 × 16, 24-bit | vertical track bar channel; margins 3 |
| `orvanelmenu.bmp` | "ORVANELMENU" | 64 × 16, 1-bit | system menu glyphs, 16 pixels each: restore, maximise, minimise, close; white is transparent |
"""
