"""Drawing helpers that turn layered shape descriptions into ImageMagick runs.

A picture frame is described at its real size in pixel-edge coordinates
(a rectangle (0, 0, 3, 2) covers the pixels x 0..2, y 0..1).  It is drawn
SCALE times larger so that curves and diagonals come out smooth, reduced
with a box filter, and then made binary: every pixel is either fully opaque
or exactly the key colour magenta.  Edge pixels keep the colour of the shape
they belong to, so no anti-aliasing ever bleeds into the key colour.
"""

import os
import subprocess

SCALE = 4
KEY = "#FF00FF"


def run(args):
    """Runs convert with the given arguments and fails loudly on error."""
    result = subprocess.run(["convert"] + [str(a) for a in args],
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise RuntimeError("convert failed: " + result.stderr.strip()
                           + "\n" + " ".join(str(a) for a in args)[:2000])


def image_size(path):
    """Width and height of a picture file."""
    out = subprocess.run(["identify", "-format", "%w %h", path],
                         capture_output=True, text=True, check=True).stdout
    w, h = out.split()
    return int(w), int(h)


def hex_colour(rgb):
    r, g, b = rgb
    return "#%02X%02X%02X" % (r, g, b)


def mix(a, b, t):
    """Linear blend of two colours, t = 0 gives a, t = 1 gives b."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighten(c, t):
    return mix(c, (255, 255, 255), t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


def colour_at(stops, t):
    """Colour of a multi-stop gradient (list of (position, colour)) at t."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, 0 if p1 == p0 else (t - p0) / (p1 - p0))
    return stops[-1][1]


def _n(v):
    """Formats a coordinate compactly for MVG."""
    return ("%.3f" % v).rstrip("0").rstrip(".")


class Shape:
    """MVG primitives in frame coordinates; transformed when emitted."""

    def __init__(self):
        self.items = []  # (mode, mvg) with mode 'add' or 'cut'

    def _p(self, x, y):
        return "%s,%s" % (_n(x * SCALE - 0.5), _n(y * SCALE - 0.5))

    def _emit(self, mvg, cut):
        self.items.append(("cut" if cut else "add", mvg))
        return self

    def rect(self, x0, y0, x1, y1, cut=False):
        if x1 <= x0 or y1 <= y0:
            return self
        return self._emit("rectangle %d,%d %d,%d" % (
            x0 * SCALE, y0 * SCALE, x1 * SCALE - 1, y1 * SCALE - 1), cut)

    def rrect(self, x0, y0, x1, y1, r, cut=False):
        if r <= 0:
            return self.rect(x0, y0, x1, y1, cut)
        # Like rectangle, roundrectangle fills the pixels of both corners.
        return self._emit("roundrectangle %s,%s %s,%s %s,%s" % (
            _n(x0 * SCALE), _n(y0 * SCALE), _n(x1 * SCALE - 1),
            _n(y1 * SCALE - 1), _n(r * SCALE), _n(r * SCALE)), cut)

    def rrect_top(self, x0, y0, x1, y1, r, cut=False):
        """A rectangle whose top corners only are rounded."""
        self.rrect(x0, y0, x1, min(y1, y0 + 2 * r + 1), r, cut)
        return self.rect(x0, y0 + r, x1, y1, cut)

    def rrect_bottom(self, x0, y0, x1, y1, r, cut=False):
        self.rrect(x0, max(y0, y1 - 2 * r - 1), x1, y1, r, cut)
        return self.rect(x0, y0, x1, y1 - r, cut)

    def rrect_left(self, x0, y0, x1, y1, r, cut=False):
        self.rrect(x0, y0, min(x1, x0 + 2 * r + 1), y1, r, cut)
        return self.rect(x0 + r, y0, x1, y1, cut)

    def rrect_right(self, x0, y0, x1, y1, r, cut=False):
        self.rrect(max(x0, x1 - 2 * r - 1), y0, x1, y1, r, cut)
        return self.rect(x0, y0, x1 - r, y1, cut)

    def ellipse(self, cx, cy, rx, ry, cut=False):
        return self._emit("ellipse %s %s,%s 0,360" % (
            self._p(cx, cy), _n(rx * SCALE), _n(ry * SCALE)), cut)

    def circle(self, cx, cy, r, cut=False):
        return self.ellipse(cx, cy, r, r, cut)

    def polygon(self, points, cut=False):
        return self._emit("polygon " + " ".join(
            self._p(x, y) for x, y in points), cut)

    def stroke(self, points, width, cut=False, cap="round", join="round"):
        """A poly-line of the given width (pixels)."""
        mvg = ("push graphic-context stroke-linecap %s stroke-linejoin %s "
               "stroke-width %s fill none polyline %s pop graphic-context" % (
                   cap, join, _n(width * SCALE),
                   " ".join(self._p(x, y) for x, y in points)))
        return self._emit(("STROKE", mvg), cut)

    def arc(self, cx, cy, r, a0, a1, width, cut=False):
        """A stroked circular arc, angles in degrees clockwise from +x."""
        mvg = ("push graphic-context stroke-linecap round stroke-width %s "
               "fill none arc %s %s %s,%s pop graphic-context" % (
                   _n(width * SCALE), self._p(cx - r, cy - r),
                   self._p(cx + r, cy + r), _n(a0), _n(a1)))
        return self._emit(("STROKE", mvg), cut)

    def text(self, x, y, size, string, font, cut=False):
        """Text with its baseline starting at (x, y)."""
        safe = string.replace("\\", "\\\\").replace("'", "\\'")
        mvg = ("push graphic-context font '%s' font-size %s text %s '%s' "
               "pop graphic-context" % (font, _n(size * SCALE),
                                        self._p(x, y), safe))
        return self._emit(mvg, cut)

    def text_centred(self, dx, dy, size, string, font, cut=False):
        """Text centred on the frame, moved by (dx, dy) pixels."""
        safe = string.replace("\\", "\\\\").replace("'", "\\'")
        mvg = ("push graphic-context gravity center font '%s' font-size %s "
               "text %s,%s '%s' pop graphic-context" % (
                   font, _n(size * SCALE), _n(dx * SCALE), _n(dy * SCALE),
                   safe))
        return self._emit(mvg, cut)

    def mask_mvg(self):
        """MVG drawing the shape white on black (cut parts in black)."""
        out = []
        for mode, mvg in self.items:
            colour = "white" if mode == "add" else "black"
            if isinstance(mvg, tuple):
                out.append("push graphic-context stroke %s %s "
                           "pop graphic-context" % (colour, mvg[1]))
            else:
                out.append("push graphic-context fill %s stroke none %s "
                           "pop graphic-context" % (colour, mvg))
        return " ".join(out)


class Paint:
    """How a layer is coloured: solid, or a gradient across the frame."""

    def __init__(self, kind, stops, a=0.0, b=0.0):
        self.kind, self.stops, self.a, self.b = kind, stops, a, b

    def mvg(self, w, h):
        if self.kind == "solid":
            return "fill '%s' rectangle 0,0 %d,%d" % (
                hex_colour(self.stops), w * SCALE - 1, h * SCALE - 1)
        out = []
        span = max(self.b - self.a, 1e-6)
        if self.kind == "vertical":
            for row in range(h * SCALE):
                t = ((row + 0.5) / SCALE - self.a) / span
                out.append("fill '%s' rectangle 0,%d %d,%d" % (
                    hex_colour(colour_at(self.stops, t)), row,
                    w * SCALE - 1, row))
        else:
            for col in range(w * SCALE):
                t = ((col + 0.5) / SCALE - self.a) / span
                out.append("fill '%s' rectangle %d,0 %d,%d" % (
                    hex_colour(colour_at(self.stops, t)), col, col,
                    h * SCALE - 1))
        return " ".join(out)


def solid(c):
    return Paint("solid", c)


def vgrad(stops, y0, y1):
    """Top-to-bottom gradient; stops are (t, colour) or plain colours."""
    return Paint("vertical", _stops(stops), y0, y1)


def hgrad(stops, x0, x1):
    return Paint("horizontal", _stops(stops), x0, x1)


def _stops(stops):
    """Accepts plain colours (spread evenly) or (position, colour) pairs."""
    if len(stops[0]) == 2:
        return list(stops)
    n = len(stops) - 1
    return [(i / n if n else 0.0, c) for i, c in enumerate(stops)]


class Frame:
    """One picture frame: painted layers over a transparent field."""

    def __init__(self, w, h, background=None):
        self.w, self.h = w, h
        self.layers = []
        if background is not None:
            self.fill(Shape().rect(0, 0, w, h), solid(background))

    def fill(self, shape, paint):
        self.layers.append(("fill", shape, paint))
        return self

    def brushed(self, shape, seed, strength=0.10, blur=24):
        """Fine horizontal streaks of light and shade inside the shape."""
        self.layers.append(("brushed", shape, (seed, strength, blur)))
        return self

    def _layer_args(self, kind, shape, data):
        w, h = self.w * SCALE, self.h * SCALE
        mask = ["(", "-size", "%dx%d" % (w, h), "xc:black",
                "-draw", shape.mask_mvg(), ")"]
        if kind == "fill":
            return (["(", "-size", "%dx%d" % (w, h), "xc:black",
                     "-draw", data.mvg(self.w, self.h)] + mask +
                    ["-alpha", "off", "-compose", "CopyOpacity", "-composite",
                     ")"])
        seed, strength, blur = data
        args = []
        for colour, level in (("white", "50%,100%"), ("black", "0%,50%")):
            noise = ["(", "-size", "%dx%d" % (w, h), "xc:gray50",
                     "-seed", str(seed), "+noise", "Gaussian",
                     "-motion-blur", "0x%d+0" % (blur * SCALE),
                     "-colorspace", "gray", "-contrast-stretch", "1%x1%"]
            if colour == "white":
                noise += ["-level", level]
            else:
                noise += ["-negate", "-level", "50%,100%"]
            noise += ["-evaluate", "multiply", str(strength), ")"]
            args += (["(", "-size", "%dx%d" % (w, h), "xc:" + colour] +
                     ["("] + noise + mask +
                     ["-compose", "Multiply", "-composite", ")"] +
                     ["-alpha", "off", "-compose", "CopyOpacity",
                      "-composite", ")", "-compose", "Over", "-composite"])
            seed += 1
        return args

    def render(self, path, keyed=True):
        """Draws the frame into a PNG whose pixels are opaque or magenta;
        with keyed false the PNG keeps its smooth transparency instead."""
        w, h = self.w * SCALE, self.h * SCALE
        args = ["-size", "%dx%d" % (w, h), "xc:none"]
        for kind, shape, data in self.layers:
            if kind == "fill":
                args += self._layer_args(kind, shape, data)
                args += ["-compose", "Over", "-composite"]
            else:
                args += self._layer_args(kind, shape, data)
        args += ["-scale", "%dx%d!" % (self.w, self.h)]
        if keyed:
            args += binarise()
        args.append(path)
        run(args)
        return path


def binarise():
    """Arguments that make every pixel opaque or exactly the key colour."""
    return ["-channel", "A", "-threshold", "50%", "+channel",
            "-background", KEY, "-alpha", "remove", "-alpha", "off"]


def strip(frame_paths, out_path, stacked=False):
    """Joins frames side by side (or stacked) into a 24-bit BMP."""
    run(frame_paths + ["-append" if stacked else "+append",
                       "-type", "TrueColor", "-alpha", "off",
                       "BMP3:" + out_path])
    return out_path


def save_bmp(png_path, out_path):
    run([png_path, "-type", "TrueColor", "-alpha", "off", "BMP3:" + out_path])
    return out_path


def tmp_path(workdir, name):
    os.makedirs(workdir, exist_ok=True)
    return os.path.join(workdir, name)


def crop(png_path, x, y, w, h, out_path):
    """Cuts a rectangle out of a rendered picture."""
    run([png_path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
         out_path])
    return out_path
