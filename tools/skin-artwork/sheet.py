"""Contact sheet: every picture magnified on a checkerboard, with its name."""

import os
import subprocess

import magick

MAGNIFY = 3
ROW_WIDTH = 1500
BACKGROUND = "#3A3D44"


def _tile(bmp_path, caption, out_path):
    """One picture, key colour shown as checkerboard, labelled below."""
    shown = out_path + ".pic.png"
    magick.run([bmp_path, "-transparent", magick.KEY,
                "-scale", "%d%%" % (MAGNIFY * 100), shown])
    w, h = magick.image_size(shown)
    magick.run(["-size", "2x2", "xc:#BDBDC4", "-fill", "#ECECF0",
                "-draw", "point 0,0 point 1,1", "-scale", "600%",
                "-write", "mpr:check", "+delete",
                "-size", "%dx%d" % (w, h), "tile:mpr:check",
                shown, "-compose", "Over", "-composite", shown])
    least = 7 * len(caption) + 4
    if w < least:
        magick.run([shown, "-background", "none", "-gravity", "center",
                    "-extent", "%dx%d" % (least, h), shown])
    subprocess.run(["montage", "-label", caption, shown,
                    "-font", "DejaVu-Sans", "-pointsize", "12",
                    "-fill", "#E8E8EC", "-background", BACKGROUND,
                    "-geometry", "+10+8", out_path], check=True)
    os.remove(shown)
    return out_path


def contact_sheet(entries, workdir, out_path, title):
    """entries: list of (bmp path, caption).  Packs tiles into rows."""
    os.makedirs(workdir, exist_ok=True)
    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    tiles = []
    for i, (bmp, caption) in enumerate(entries):
        tiles.append(_tile(bmp, caption,
                           os.path.join(workdir, "tile%03d.png" % i)))
    rows, row, width = [], [], 0
    for t in tiles:
        w, _ = magick.image_size(t)
        if row and width + w > ROW_WIDTH:
            rows.append(row)
            row, width = [], 0
        row.append(t)
        width += w
    if row:
        rows.append(row)
    row_paths = []
    for i, r in enumerate(rows):
        path = os.path.join(workdir, "row%02d.png" % i)
        magick.run(r + ["-background", BACKGROUND, "-gravity", "North",
                        "+append", path])
        row_paths.append(path)
    magick.run(["-background", BACKGROUND, "-fill", "#FFFFFF",
                "-font", "DejaVu-Sans-Bold", "-pointsize", "18",
                "label:" + title] + row_paths +
               ["-gravity", "West", "-append", "-bordercolor", BACKGROUND,
                "-border", "12", "+repage", "-depth", "8", "-strip",
                "-define",
                "png:exclude-chunk=date,time", out_path])
    return out_path
