"""Small pieces of the main window's art, each rendered with transparency:
service tiles, navigation buttons, the emblem, window buttons, the support
button, and text labels."""

import os

import glyphs
import params as M
from magick import Frame, Shape, solid, vgrad, mix, hex_colour, run, \
    lighten, darken, image_size


def text_png(text, font, size, colour, out_path, weight=None):
    """Renders a line of text on a transparent background; the picture's
    height is the font's line height, so equal fonts share a baseline."""
    args = ["-background", "none", "-font", font, "-pointsize", str(size),
            "-fill", hex_colour(colour)]
    if weight:
        args += ["-stroke", hex_colour(colour), "-strokewidth", str(weight)]
    run(args + ["label:" + text, out_path])
    return out_path


def put_centred(base, overlay, cx, top, out_path):
    """Composites overlay with its top centre at (cx, top)."""
    w, _ = image_size(overlay)
    run([base, overlay, "-geometry", "+%d+%d" % (round(cx - w / 2), top),
         "-compose", "Over", "-composite", out_path])
    return out_path


def badge(f, cx, cy, r, colour, glyph, glyph_size):
    """A round colour badge with a soft rim and a white glyph."""
    f.fill(Shape().circle(cx, cy, r), solid(darken(colour, 0.18)))
    f.fill(Shape().circle(cx, cy, r - 1),
           vgrad([lighten(colour, 0.28), colour, darken(colour, 0.08)],
                 cy - r, cy + r))
    f.fill(Shape().ellipse(cx, cy - r * 0.42, r * 0.78, r * 0.5),
           vgrad([lighten(colour, 0.42), lighten(colour, 0.16)],
                 cy - r, cy))
    shape = Shape()
    getattr(glyphs, glyph)(glyphs.Pen(shape, cx - glyph_size / 2,
                                      cy - glyph_size / 2, glyph_size))
    f.fill(shape, solid((255, 255, 255)))


def tile(workdir, name, label, glyph, colour, size):
    """A white card with a colour badge and the service's label."""
    w, h = size
    f = Frame(w, h)
    f.fill(Shape().rrect(0, 0, w, h, 8), solid(M.CARD_BORDER))
    f.fill(Shape().rrect(1, 1, w - 1, h - 1, 7),
           vgrad([(255, 255, 255), (244, 245, 248)], 1, h - 1))
    f.fill(Shape().rect(8, h - 3, w - 8, h - 2), solid(mix(colour, (255,) * 3,
                                                           0.25)))
    badge(f, w / 2, 28, 20, colour, glyph, 24)
    card = f.render(os.path.join(workdir, name + "-card.png"), keyed=False)
    text = text_png(label, M.HEADING_FONT, 13, M.INK,
                    os.path.join(workdir, name + "-label.png"))
    return put_centred(card, text, w / 2, 51,
                       os.path.join(workdir, name + ".png"))


def nav_button(workdir, name, label, glyph, width, height):
    """A header navigation item: a steel badge over its label."""
    f = Frame(width, height)
    badge(f, width / 2, 20, 17, M.ACCENT, glyph, 20)
    icon = f.render(os.path.join(workdir, name + "-icon.png"), keyed=False)
    text = text_png(label, M.HEADING_FONT, 13, M.INK,
                    os.path.join(workdir, name + "-label.png"))
    return put_centred(icon, text, width / 2, 46,
                       os.path.join(workdir, name + ".png"))


def _lattice(k, lo=4, hi=44):
    """Crossing diagonals of a trellis on a 48-unit square, scaled by k."""
    shape = Shape()
    for c in (24, 36, 48, 60, 72):
        x0, x1 = max(lo, c - hi), min(hi, c - lo)
        shape.stroke([(x0 * k, (c - x0) * k), (x1 * k, (c - x1) * k)],
                     1.4 * k)
    for c in (-24, -12, 0, 12, 24):
        x0, x1 = max(lo, lo - c), min(hi, hi - c)
        shape.stroke([(x0 * k, (x0 + c) * k), (x1 * k, (x1 + c) * k)],
                     1.4 * k)
    return shape


def emblem(path, size, lattice=True):
    """The brand mark: a steel-blue rounded square with a white B."""
    r = max(3, size * 0.2)
    f = Frame(size, size)
    f.fill(Shape().rrect(0, 0, size, size, r), solid(M.ACCENT_DARK))
    f.fill(Shape().rrect(1, 1, size - 1, size - 1, r - 1),
           vgrad([M.ACCENT_LIGHT, M.ACCENT, M.ACCENT_DARK], 1, size - 1))
    if lattice:
        f.fill(_lattice(size / 48.0), solid(lighten(M.ACCENT, 0.16)))
    mark = Shape().text_centred(size * 0.02, size * 0.02, size * 0.74, "B",
                                M.LATIN_BOLD)
    f.fill(mark, solid((255, 255, 255)))
    return f.render(path, keyed=False)


def window_button(path, w, h, kind):
    """Minimise or close button hanging from the header's top edge."""
    f = Frame(w, h)
    if kind == "close":
        rim, body, ink = darken(M.CLOSE, 0.2), [lighten(M.CLOSE, 0.25),
                                                M.CLOSE], (255, 255, 255)
    else:
        rim, body, ink = (150, 154, 164), [(250, 250, 252), (220, 222, 228)], \
            M.INK
    f.fill(Shape().rrect_bottom(0, -1, w, h, 5), solid(rim))
    f.fill(Shape().rrect_bottom(1, -1, w - 1, h - 1, 4), vgrad(body, 0, h))
    cx, cy = w / 2, h / 2 - 0.5
    g = Shape()
    if kind == "close":
        g.stroke([(cx - 5, cy - 5), (cx + 5, cy + 5)], 2.0, cap="butt")
        g.stroke([(cx + 5, cy - 5), (cx - 5, cy + 5)], 2.0, cap="butt")
    else:
        g.rect(int(cx) - 6, int(cy) + 3, int(cx) + 6, int(cy) + 5)
    f.fill(g, solid(ink))
    return f.render(path, keyed=False)


def support_button(workdir, w, h):
    """The support chat button: a warm pill with a bubble and a label."""
    colour = (232, 124, 40)
    f = Frame(w, h)
    f.fill(Shape().rrect(0, 0, w, h, h / 2), solid(darken(colour, 0.2)))
    f.fill(Shape().rrect(1, 1, w - 1, h - 1, h / 2 - 1),
           vgrad([lighten(colour, 0.3), colour], 1, h - 1))
    shape = Shape()
    glyphs.chat(glyphs.Pen(shape, 6, 3.5, 14))
    f.fill(shape, solid((255, 255, 255)))
    pill = f.render(os.path.join(workdir, "support-pill.png"), keyed=False)
    text = text_png("在线客服", M.HEADING_FONT, 12, (255, 255, 255),
                    os.path.join(workdir, "support-label.png"))
    tw, th = image_size(text)
    out = os.path.join(workdir, "support.png")
    run([pill, text, "-geometry", "+%d+%d" % (23 + (w - 27 - tw) // 2,
                                               (h - th) // 2),
         "-compose", "Over", "-composite", out])
    return out
