"""Composes the header, the home screen and the status strip."""

import os

import elements as E
import params as M
from magick import hex_colour, run, lighten, image_size

WHITE = (255, 255, 255)


def vertical_gradient(w, h, stops):
    """IM arguments for a vertical gradient through several colours, each
    (position 0..1, colour); the result is one image of w x h."""
    args, done = ["("], 0
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        rows = round(p1 * h) - done if p1 < 1 else h - done
        if rows > 0:
            args += ["-size", "%dx%d" % (w, rows),
                     "gradient:%s-%s" % (hex_colour(c0), hex_colour(c1))]
        done += rows
    return args + ["-append", ")"]


def brushed(w, h, seed, strength):
    """IM arguments overlaying faint horizontal streaks on the image."""
    return ["(", "-size", "%dx%d" % (w, h), "xc:gray50", "-seed", str(seed),
            "+noise", "Gaussian", "-motion-blur", "0x60+0",
            "-colorspace", "gray", "-contrast-stretch", "1%x1%",
            "-evaluate", "subtract", "50%", "-evaluate", "multiply",
            str(strength), "-evaluate", "add", "50%", ")",
            "-geometry", "+0+0", "-compose", "SoftLight", "-composite"]


def lattice_layer(w, h, x0, x1, step, colour, opacity, y0=0, y1=None):
    """IM arguments drawing a trellis of diagonals over [x0, x1) that fades
    in from the left end and out towards the right end."""
    y1 = h if y1 is None else y1
    lines = []
    for c in range(x0 - (y1 - y0), x1 + (y1 - y0), step):
        lines.append("line %d,%d %d,%d" % (c, y1, c + (y1 - y0), y0))
        lines.append("line %d,%d %d,%d" % (c, y0, c + (y1 - y0), y1))
    mid = (x0 + x1) // 2
    fade_in = ["(", "-size", "%dx%d" % (y1 - y0, mid - x0),
               "gradient:black-white", "-rotate", "-90", ")",
               "-geometry", "+%d+%d" % (x0, y0), "-compose", "Over",
               "-composite"]
    fade_out = ["(", "-size", "%dx%d" % (y1 - y0, x1 - mid),
                "gradient:white-black", "-rotate", "-90", ")",
                "-geometry", "+%d+%d" % (mid, y0), "-compose", "Over",
                "-composite"]
    return (["(", "-size", "%dx%d" % (w, h), "xc:black", "-stroke", "white",
             "-strokewidth", "1", "-draw", " ".join(lines),
             "(", "-size", "%dx%d" % (w, h), "xc:black"] + fade_in +
            fade_out + [")", "-geometry", "+0+0", "-compose", "Multiply",
                        "-composite", "-evaluate", "multiply", str(opacity),
                        "(", "-size", "%dx%d" % (w, h),
                        "xc:" + hex_colour(colour), ")", "+swap",
                        "-alpha", "off", "-compose", "CopyOpacity",
                        "-composite", "-stroke", "none", ")",
                        "-geometry", "+0+0", "-compose", "Over",
                        "-composite"])


def place(png, x, y):
    return [png, "-geometry", "+%d+%d" % (x, y), "-compose", "Over",
            "-composite"]


def text_image(work, name, text, font, size, colour):
    return E.text_png(text, font, size, colour, os.path.join(work, name))


def header(work, out_path):
    w, h = M.HEADER_SIZE
    args = vertical_gradient(w, h, [(0, (250, 251, 252)),
                                    (0.5, (233, 235, 239)),
                                    (0.52, (224, 227, 233)),
                                    (1, (212, 216, 223))])
    args += brushed(w, h, 5, 0.35)
    args += lattice_layer(w, h, 560, 900, 14, WHITE, 0.3, 0, h - 4)
    rules = [("#FFFFFF", 0), ("#C4C8D0", h - 3),
             (hex_colour(M.ACCENT), h - 2), (hex_colour(M.ACCENT_DARK), h - 1)]
    for colour, y in rules:
        args += ["-fill", colour, "-draw", "line 0,%d %d,%d" % (y, w, y)]
    # Logo area.
    lx, ly, _, _ = M.HEADER_SPOTS["Image4"]
    args += place(E.emblem(os.path.join(work, "emblem48.png"), 48), lx + 4,
                  ly + 5)
    word = text_image(work, "wordmark.png", "Brellis", M.LATIN_BOLD, 30,
                      (38, 60, 98))
    args += place(word, lx + 62, ly + 1)
    sub = text_image(work, "subtitle.png", "综合服务平台  客户端",
                     M.HEADING_FONT, 13, M.INK_SOFT)
    args += place(sub, lx + 65, ly + 37)
    args += ["-fill", "#C2C6CE", "-draw", "line 256,34 256,92",
             "-fill", "#FFFFFF", "-draw", "line 257,34 257,92"]
    for name, label, glyph, _ in M.NAVIGATION:
        x, y, sw, sh = M.HEADER_SPOTS[name]
        args += place(E.nav_button(work, name, label, glyph, sw, sh), x, y)
    # Window buttons under their hot spots.
    mx, _, mw, _ = M.HEADER_SPOTS["Image5"]
    cx, _, _, _ = M.HEADER_SPOTS["Image_Close"]
    args += place(E.window_button(os.path.join(work, "minimise.png"),
                                  mw - 2, 27, "minimise"), mx + 1, 0)
    args += place(E.window_button(os.path.join(work, "close.png"),
                                  w - cx - 3, 27, "close"), cx + 1, 0)
    tag = text_image(work, "tagline.png", "让服务更简单 · 让沟通更高效",
                     M.HEADING_FONT, 13, M.INK_SOFT)
    tw, _ = image_size(tag)
    args += place(tag, w - 22 - tw, 68)
    run(args + ["-quality", str(M.JPEG_QUALITY), "-sampling-factor", "1x1",
                "-strip", out_path])
    return out_path


def status(work, out_path):
    w, h = M.STATUS_SIZE
    args = vertical_gradient(w, h, [(0, (242, 243, 246)),
                                    (1, (220, 223, 229))])
    args += ["-fill", "#B9BEC8", "-draw", "line 0,0 %d,0" % w,
             "-fill", "#FFFFFF", "-draw", "line 0,1 %d,1" % w]
    run(args + ["-quality", str(M.JPEG_QUALITY), "-sampling-factor", "1x1",
                "-strip", out_path])
    return out_path


def window_icon(work, out_dir):
    """The application icon at 16, 32 and 48 pixels, and an ICO of all."""
    sizes = []
    for size in (16, 32, 48):
        path = os.path.join(out_dir, "brellis-%d.png" % size)
        E.emblem(os.path.join(work, "icon%d.png" % size), size,
                 lattice=size >= 32)
        run([os.path.join(work, "icon%d.png" % size), "-depth", "8",
             "-strip", path])
        sizes.append(path)
    run(sizes + [os.path.join(out_dir, "brellis.ico")])
    return sizes
