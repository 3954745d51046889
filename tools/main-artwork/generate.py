#!/usr/bin/env python3
"""Draws the main window's pictures and the application icon.

Usage: generate.py [--repo DIR] [--work DIR]

Writes resources/art/main/ (header.jpg 1000 x 107, home.jpg 1000 x 572,
status.jpg 803 x 25, brellis-16/32/48.png and brellis.ico) and the preview
docs/main-window-preview.png; a second preview with every hot spot outlined
and the status labels drawn goes to the scratch folder.  Needs ImageMagick.
"""

import argparse
import os
import shutil
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "skin-artwork"))

import compose            # noqa: E402
import home               # noqa: E402
import params as M        # noqa: E402
from magick import run    # noqa: E402


def preview(art_dir, out_path):
    """The 999 x 697 window as the program shows it."""
    w, h = M.WINDOW_SIZE
    top = M.HOME_TOP
    run(["-size", "%dx%d" % (w, h), "xc:#D4D0C8",
         os.path.join(art_dir, "header.jpg"), "-geometry", "+0+0",
         "-composite",
         "(", os.path.join(art_dir, "home.jpg"), "-crop",
         "%dx%d+0+0" % (w, M.STATUS_TOP - top), "+repage", ")",
         "-geometry", "+0+%d" % top, "-composite",
         "(", os.path.join(art_dir, "status.jpg"), "-filter", "triangle",
         "-resize", "%dx%d!" % (w, h - M.STATUS_TOP), ")",
         "-geometry", "+0+%d" % M.STATUS_TOP, "-composite",
         "-strip", "-define", "png:exclude-chunk=date,time", out_path])
    return out_path


def hot_spot_check(plain, out_path):
    """Outlines every hot spot and tile and draws the status labels."""
    draw = ["-fill", "none", "-stroke", "#FF2020", "-strokewidth", "1"]
    spots = list(M.HEADER_SPOTS.items()) + [M.SUPPORT_SPOT] + [
        (t[0], t[1]) for t in M.TILES]
    for _, (x, y, w, h) in spots:
        draw += ["-draw", "rectangle %d,%d %d,%d" % (x, y, x + w - 1,
                                                       y + h - 1)]
    labels = []
    for x, text in M.STATUS_LABELS:
        labels += ["-stroke", "none", "-fill", "black", "-font",
                   M.SONG_FONT, "-pointsize", "12", "-annotate",
                   "+%d+%d" % (x, M.STATUS_TOP + 7 + 11), text]
    run([plain] + draw + labels + [out_path])
    return out_path


def readme():
    """The README of the art folder: files, and what lies under each spot."""
    lines = [
        "# Main window pictures",
        "",
        "Written by `tools/main-artwork/generate.py`; change the generator",
        "and run it again rather than editing these files. Preview:",
        "`docs/main-window-preview.png`.",
        "",
        "| File | Size | Shown |",
        "|---|---|---|",
        "| `header.jpg` | 1000 × 107 | `Image1` in `Panel1`, unscaled at the "
        "top-left |",
        "| `home.jpg` | 1000 × 572 | `Image_Main` at client (0, 107), cut to "
        "999 × 565 |",
        "| `status.jpg` | 803 × 25 | `img5`, stretched to 999 × 25 at client "
        "y 672; the labels are drawn over its left part |",
        "| `brellis-16.png`, `brellis-32.png`, `brellis-48.png`, "
        "`brellis.ico` | 16, 32, 48 | the application icon |",
        "",
        "Header (client coordinates): the logo under `Image4`, the navigation",
        "icons \"首页\" under `Image_First`, \"账户中心\" (service 16) under "
        "`Image3`",
        "and \"公告\" (service 25) under `Image19`, the minimise glyph under",
        "`Image5` and the close glyph under `Image_Close`.",
        "",
        "Home-screen tiles (the picture starts at client y 107):",
        "",
        "| Tile | Client rectangle | In the picture | Service | Label "
        "| Icon |",
        "|---|---|---|---|---|---|",
    ]
    for name, (x, y, w, h), number, label, glyph, _ in M.TILES:
        lines.append("| `%s` | %d, %d, %d × %d | %d, %d | %d | %s | %s |" % (
            name, x, y, w, h, x, y - M.HOME_TOP, number, label, glyph))
    name, (x, y, w, h) = M.SUPPORT_SPOT
    lines += ["", "The support button \"在线客服\" lies under `%s` at client "
              "(%d, %d), %d × %d." % (name, x, y, w, h), ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--repo", default=os.path.normpath(
        os.path.join(HERE, "..", "..")))
    parser.add_argument("--work", default=None,
                        help="scratch folder (default: build/main-artwork)")
    args = parser.parse_args()
    work = args.work or os.path.join(args.repo, "build", "main-artwork")
    art = os.path.join(args.repo, "resources", "art", "main")
    if os.path.isdir(work):
        shutil.rmtree(work)
    os.makedirs(work)
    os.makedirs(art, exist_ok=True)

    compose.header(work, os.path.join(art, "header.jpg"))
    home.home(work, os.path.join(art, "home.jpg"))
    compose.status(work, os.path.join(art, "status.jpg"))
    compose.window_icon(work, art)
    with open(os.path.join(art, "README.md"), "w") as f:
        f.write(readme())

    docs = os.path.join(args.repo, "docs")
    os.makedirs(docs, exist_ok=True)
    plain = preview(art, os.path.join(docs, "main-window-preview.png"))
    checked = hot_spot_check(plain, os.path.join(work, "hot-spots.png"))
    print("hot-spot check: " + checked)
    return 0


if __name__ == "__main__":
    sys.exit(main())
