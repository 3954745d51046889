"""Window frame pictures: the four sides, the caption text plate, the menu bar.

The sides are cut from one drawn miniature window so that the rounded top
corners, the highlight and the inner edge run on across the seams between
the Left, Top and Right pictures.
"""

import os

import magick
from magick import Frame, Shape, solid, vgrad, mix
import palette as P
from picture import Picture, render_frames

TEMPLATE_W = P.FRAME_TEMPLATE_WIDTH
TEMPLATE_H = P.TITLE_HEIGHT + P.FRAME_TEMPLATE_MIDDLE + P.BORDER
# With square bottom corners the Bottom picture is a short tiled piece; with
# rounded ones it is the whole bottom edge, both curves at its ends.
BOTTOM_WIDTH = 16 if P.BOTTOM_RADIUS <= 0 else TEMPLATE_W - 2 * P.BORDER
KEY = (255, 0, 255)


def bottom_end():
    """Unscaled columns at each end of the Bottom picture."""
    return 2 if P.BOTTOM_RADIUS <= 0 else max(2, P.BOTTOM_RADIUS)


def side_bottom_end():
    """Unscaled rows at the bottom of the Left and Right pictures."""
    return P.BORDER if P.BOTTOM_RADIUS <= 0 else max(P.BORDER,
                                                     P.BOTTOM_RADIUS + 1)


def _outline(x0, y0, x1, y1, r, inset=0, cut=False, shape=None):
    """The window's outer shape: rounded top corners, and rounded bottom
    corners when the palette asks for them."""
    shape = shape or Shape()
    rb = P.BOTTOM_RADIUS - inset
    if P.BOTTOM_RADIUS <= 0:
        return shape.rrect_top(x0, y0, x1, y1, r, cut)
    mid = (y0 + y1) // 2
    shape.rrect_top(x0, y0, x1, mid, r, cut)
    return shape.rrect_bottom(x0, mid, x1, y1, max(rb, 0), cut)


def _look(active):
    if active:
        return dict(outline=P.OUTLINE, title=P.TITLE_ACTIVE,
                    high=P.WHITE, body=P.SILVER_3, body_right=P.SILVER_2,
                    body_bottom=P.SILVER_4, edge=P.SILVER_6, brushed=0.10)
    return dict(outline=P.OUTLINE_INACTIVE, title=P.TITLE_INACTIVE,
                high=P.WHITE, body=P.SILVER_2, body_right=P.SILVER_1,
                body_bottom=P.SILVER_3, edge=P.SILVER_5, brushed=0.05)


def frame_template(active):
    """A miniature window: outline, title strip, borders and inner edge."""
    w, h, th, b, r = (TEMPLATE_W, TEMPLATE_H, P.TITLE_HEIGHT, P.BORDER,
                      P.CORNER_RADIUS)
    look = _look(active)
    f = Frame(w, h)
    f.fill(_outline(0, 0, w, h, r), solid(look["outline"]))
    # Border body, graded across its width.
    f.fill(_outline(1, 1, w - 1, h - 1, r - 1, 1), solid(look["body"]))
    f.fill(Shape().rect(w - 3, th, w - 1, h - 1), solid(look["body_right"]))
    f.fill(Shape().rect(1, h - 2, w - 1, h - 1), solid(look["body_bottom"]))
    # Title strip across the whole width.
    title = Shape().rrect_top(1, 1, w - 1, h - 1, r - 1).rect(
        0, th, w, h, cut=True)
    f.fill(title, vgrad(look["title"], 1, th))
    f.brushed(title, seed=11 if active else 23, strength=look["brushed"])
    # Highlight along the top curve and down the left border.
    high = _outline(1, 1, w - 1, h - 1, r - 1, 1)
    _outline(2, 2, w - 1, h - 1, r - 2, 2, cut=True, shape=high)
    high.rect(0, h - 2, w, h, cut=True)
    f.fill(high, solid(look["high"]))
    f.fill(Shape().rect(w - 2, r, w - 1, h - 1),
           solid(mix(look["body_right"], P.WHITE, 0.4)))
    # The inner edge that frames the client area.
    edge = Shape().rect(b - 1, th - 1, w - b + 1, h - b + 1).rect(
        b, th, w - b, h - b, cut=True)
    f.fill(edge, solid(look["edge"]))
    f.fill(Shape().rect(b - 1, th - 2, w - b + 1, th - 1),
           solid(mix(look["title"][-1][1], P.SILVER_6, 0.35)))
    if P.BOTTOM_RADIUS > 0:
        # The shading above ran straight into the bottom corners: key them
        # out again, outside the outline.
        outside = _outline(0, 0, w, h, r, cut=True,
                           shape=Shape().rect(0, h // 2, w, h))
        f.fill(outside, solid(KEY))
    return f


def _template_png(workdir, active):
    path = os.path.join(workdir, "template-%s.png" % (
        "active" if active else "inactive"))
    if not os.path.exists(path):
        frame_template(active).render(path)
    return path


def _side_drawer(x, y, w, h):
    def draw(frame_dir):
        paths = []
        for i, active in enumerate((True, False), 1):
            src = _template_png(os.path.dirname(frame_dir), active)
            paths.append(magick.crop(src, x, y, w, h,
                                     os.path.join(frame_dir, "%02d.png" % i)))
        return paths
    return draw


def _text_back_frames(frame_dir):
    """A softly engraved plate behind the caption text."""
    w, th, cap = 3 * P.TEXT_BACK_CAP, P.TITLE_HEIGHT, P.TEXT_BACK_CAP
    frames = []
    for active in (True, False):
        look = _look(active)
        top, bottom = 5, th - 5
        f = Frame(w, th)
        plate = Shape().rrect(0, top, w, bottom, cap // 2)
        f.fill(plate, solid(mix(look["title"][-1][1], P.SILVER_6, 0.45)))
        f.fill(Shape().rrect(0, top + 1, w, bottom, cap // 2),
               solid(P.TEXT_BACK_HIGHLIGHT))
        inner = Shape().rrect(1, top + 1, w - 1, bottom - 1, cap // 2 - 1)
        f.fill(inner, vgrad([(0, P.TEXT_BACK_TOP if active else
                              P.TEXT_BACK_TOP_INACTIVE),
                             (1, P.TEXT_BACK_BOTTOM)], top + 1, bottom - 1))
        frames.append(f)
    return render_frames(frame_dir, frames)


def _menu_bar_frames(frame_dir):
    w, h = 32, P.MENU_BAR_HEIGHT
    frames = []
    for active in (True, False):
        f = Frame(w, h)
        stops = ([(0, P.SILVER_1), (1, P.SILVER_3)] if active else
                 [(0, P.SILVER_1), (1, P.SILVER_2)])
        f.fill(Shape().rect(0, 0, w, h), vgrad(stops, 0, h))
        f.fill(Shape().rect(0, 0, w, 1), solid(P.WHITE))
        f.fill(Shape().rect(0, h - 1, w, h),
               solid(P.SILVER_5 if active else P.SILVER_4))
        frames.append(f)
    return render_frames(frame_dir, frames)


def pictures():
    w, h, th, b = TEMPLATE_W, TEMPLATE_H, P.TITLE_HEIGHT, P.BORDER
    return [
        Picture("left", 2, (b, h), _side_drawer(0, 0, b, h),
                "frames side by side: 1 active, 2 inactive; rounded top "
                "corner in the top rows"),
        Picture("right", 2, (b, h), _side_drawer(w - b, 0, b, h),
                "frames side by side: 1 active, 2 inactive"),
        Picture("top", 2, (w - 2 * b, th),
                _side_drawer(b, 0, w - 2 * b, th),
                "frames stacked: 1 active, 2 inactive", stacked=True),
        Picture("bottom", 2, (BOTTOM_WIDTH, b),
                _side_drawer(b, h - b, BOTTOM_WIDTH, b),
                "frames stacked: 1 active, 2 inactive" + (
                    "" if P.BOTTOM_RADIUS <= 0 else
                    "; the rounded bottom corners at both ends"),
                stacked=True),
        Picture("textback", 2, (3 * P.TEXT_BACK_CAP, th), _text_back_frames,
                "frames stacked: 1 active, 2 inactive; caps of %d pixels"
                % P.TEXT_BACK_CAP, stacked=True),
        Picture("menubar", 2, (32, P.MENU_BAR_HEIGHT), _menu_bar_frames,
                "frames stacked: 1 active, 2 inactive", stacked=True),
    ]
