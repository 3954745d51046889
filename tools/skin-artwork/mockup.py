"""A rough mock-up of a skinned dialog built from the generated pictures.

It slices the pictures the way the engine does (nine-part pictures with
fixed corners, frames side by side or stacked, magenta transparent) so that
the pieces can be judged together while the look is tuned.  It is a review
aid only; the engine's painters are the reference.
"""

import os

import magick
import palette as P

FONT = "AR-PL-UMing-CN"


class Mockup:
    def __init__(self, skin_dir, workdir, width, height):
        self.skin_dir, self.workdir = skin_dir, workdir
        self.w, self.h = width, height
        self.ops = []
        self.count = 0
        os.makedirs(workdir, exist_ok=True)

    def _tmp(self):
        self.count += 1
        return os.path.join(self.workdir, "piece%03d.png" % self.count)

    def bmp(self, part, frames):
        name = "%s%s__%s.bmp" % (P.SKIN_NAME,
                                 "(%d)" % frames if frames > 1 else "", part)
        return os.path.join(self.skin_dir, name)

    def frame(self, part, frames, index, stacked=False):
        """Cuts frame index (from 1) out of a picture."""
        src = self.bmp(part, frames)
        out = self._tmp()
        geometry = _frame_geometry(src, frames, index, stacked)
        magick.run([src, "-crop", geometry, "+repage", out])
        return out

    def nine(self, part, frames, index, w, h, margins, stacked=False,
             bottom_rows=None):
        """Nine-part stretch of one frame to w x h, corners unscaled;
        bottom_rows keeps only that many rows at the frame's bottom."""
        src = self.frame(part, frames, index, stacked)
        if bottom_rows is not None:
            fw, fh = magick.image_size(src)
            cut = self._tmp()
            magick.run([src, "-crop", "%dx%d+0+%d" % (
                fw, bottom_rows, fh - bottom_rows), "+repage", cut])
            src = cut
        fw, fh = magick.image_size(src)
        left, top, right, bottom = margins
        if w < left + right:
            left = right = 0
        if h < top + bottom:
            top = bottom = 0
        cols = [(0, left, left), (left, fw - left - right, w - left - right),
                (fw - right, right, right)]
        rows = [(0, top, top), (top, fh - top - bottom, h - top - bottom),
                (fh - bottom, bottom, bottom)]
        row_paths = []
        for sy, sh, dh in rows:
            if dh <= 0:
                continue
            parts = []
            for sx, sw, dw in cols:
                if dw <= 0:
                    continue
                p = self._tmp()
                magick.run([src, "-crop", "%dx%d+%d+%d" % (sw, sh, sx, sy),
                            "+repage", "-filter", "point",
                            "-resize", "%dx%d!" % (dw, dh), p])
                parts.append(p)
            rp = self._tmp()
            magick.run(parts + ["+append", rp])
            row_paths.append(rp)
        out = self._tmp()
        magick.run(row_paths + ["-append", out])
        return out

    def cell(self, part, frames, index, w=None, h=None, stacked=False):
        src = self.frame(part, frames, index, stacked)
        if w is None:
            return src
        out = self._tmp()
        magick.run([src, "-filter", "point", "-resize", "%dx%d!" % (w, h),
                    out])
        return out

    def window_icon(self):
        """The application icon when the main artwork has been drawn, else
        a plain square of the accent colour."""
        icon = os.path.normpath(os.path.join(
            self.skin_dir, "..", "..", "art", "main", "brellis-16.png"))
        if os.path.exists(icon):
            return icon
        out = self._tmp()
        magick.run(["-size", "16x16", "xc:" + magick.hex_colour(P.ACCENT),
                    out])
        return out

    def put(self, png, x, y):
        self.ops.append(("image", png, x, y))

    def fill(self, colour, x0, y0, x1, y1):
        self.ops.append(("rect", colour, x0, y0, x1, y1))

    def text(self, string, x, y, colour=(0, 0, 0), size=12, font=FONT):
        self.ops.append(("text", string, x, y, colour, size, font))

    def render(self, out_path, background="#5B6F86"):
        args = ["-size", "%dx%d" % (self.w, self.h), "xc:" + background]
        for op in self.ops:
            if op[0] == "image":
                _, png, x, y = op
                args += ["(", png, "-transparent", magick.KEY, ")",
                         "-geometry", "+%d+%d" % (x, y), "-compose", "Over",
                         "-composite"]
            elif op[0] == "rect":
                _, colour, x0, y0, x1, y1 = op
                args += ["-fill", magick.hex_colour(colour), "-draw",
                         "rectangle %d,%d %d,%d" % (x0, y0, x1 - 1, y1 - 1)]
            else:
                _, string, x, y, colour, size, font = op
                args += ["-font", font, "-pointsize", str(size), "-fill",
                         magick.hex_colour(colour), "-annotate",
                         "+%d+%d" % (x, y + size - 2), string]
        magick.run(args + [out_path])
        return out_path


def _frame_geometry(src, frames, index, stacked):
    w, h = magick.image_size(src)
    if stacked:
        fh = h // frames
        return "%dx%d+0+%d" % (w, fh, (index - 1) * fh)
    fw = w // frames
    return "%dx%d+%d+0" % (fw, h, (index - 1) * fw)
