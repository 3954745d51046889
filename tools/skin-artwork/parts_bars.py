"""Progress bar, track bar thumbs and channels, up-down buttons."""

from magick import Frame, Shape, solid, vgrad, hgrad, mix
import palette as P
from picture import Picture, render_frames
from parts_buttons import GLOSS, GLOSS_HOT, GLOSS_PRESSED, FLAT_DISABLED

TRACK_LONG = 24
TRACK_THICK = 5
UPDOWN_VERT = (16, 11)
UPDOWN_HORZ = (11, 16)
ARROW_LONG, ARROW_SHORT = 7, 4


def _progress_frames(frame_dir):
    w, h = P.PROGRESS_SIZE
    f = Frame(w, h)
    f.fill(Shape().rrect(0, 0, w, h, 3), solid(P.OUTLINE_SOFT))
    f.fill(Shape().rrect(1, 1, w - 1, h - 1, 2),
           vgrad([P.SILVER_4, P.SILVER_2, P.SILVER_1], 1, h - 1))
    f.fill(Shape().rect(3, 1, w - 3, 2), solid(P.SILVER_5))
    f.fill(Shape().rect(3, h - 2, w - 3, h - 1), solid(P.WHITE))
    return render_frames(frame_dir, [f])


def _chunk_frames(frame_dir):
    w, h = P.CHUNK_SIZE
    block = w - 2
    f = Frame(w, h)
    f.fill(Shape().rrect(0, 0, block, h, 1.5), solid(P.ACCENT_DARK))
    f.fill(Shape().rect(1, 1, block - 1, h - 1),
           vgrad([(0.0, mix(P.ACCENT_LIGHT, P.WHITE, 0.35)),
                  (0.48, P.ACCENT_LIGHT), (0.52, P.ACCENT),
                  (1.0, mix(P.ACCENT, P.ACCENT_LIGHT, 0.3))], 1, h - 1))
    f.fill(Shape().rect(1, 1, block - 1, 2),
           solid(mix(P.ACCENT_LIGHT, P.WHITE, 0.6)))
    return render_frames(frame_dir, [f])


THUMB_STATES = ("normal", "focused", "hot", "pressed", "disabled")


def _thumb_colours(state):
    outline = {"normal": P.OUTLINE_SOFT, "focused": P.OUTLINE_SOFT,
               "hot": P.STEEL, "pressed": P.OUTLINE,
               "disabled": P.OUTLINE_DISABLED}[state]
    body = {"normal": GLOSS, "focused": GLOSS, "hot": GLOSS_HOT,
            "pressed": GLOSS_PRESSED, "disabled": FLAT_DISABLED}[state]
    ridge = {"normal": P.SILVER_6, "focused": P.ACCENT, "hot": P.ACCENT,
             "pressed": P.OUTLINE, "disabled": P.SILVER_4}[state]
    return outline, body, ridge


def _thumb_outline(kind, w, h):
    """Outline points at pixel centres for a thumb of the given kind."""
    a, b = w - 0.5, h - 0.5
    if kind == "horz" or kind == "vert":
        return None
    if kind == "down":
        return [(0.5, 0.5), (a, 0.5), (a, b - 5.5), (w / 2, b),
                (0.5, b - 5.5)]
    if kind == "up":
        return [(w / 2, 0.5), (a, 6.0), (a, b), (0.5, b), (0.5, 6.0)]
    if kind == "right":
        return [(0.5, 0.5), (a - 5.5, 0.5), (a, h / 2), (a - 5.5, b),
                (0.5, b)]
    return [(0.5, h / 2), (6.0, 0.5), (a, 0.5), (a, b),
            (6.0, b)]


def _track_thumb(kind, state):
    upright = kind in ("horz", "up", "down")
    w, h = P.TRACK_THUMB if upright else P.TRACK_THUMB[::-1]
    outline, body, ridge = _thumb_colours(state)
    f = Frame(w, h)
    points = _thumb_outline(kind, w, h)
    if points is None:
        f.fill(Shape().rrect(0, 0, w, h, 3), solid(outline))
        f.fill(Shape().rrect(1, 1, w - 1, h - 1, 2), vgrad(body, 1, h - 1))
    else:
        f.fill(Shape().polygon(points).stroke(points + points[:1], 1.0,
                                              cap="butt", join="miter"),
               solid(outline))
        f.fill(Shape().polygon(points), vgrad(body, 1, h - 1))
        f.fill(Shape().stroke(points + points[:1], 1.0, cap="butt",
                              join="miter"), solid(outline))
    cx, cy = w // 2, h // 2
    for i in (-2, 0, 2):
        if upright:
            f.fill(Shape().rect(cx - 3, cy + i, cx + 3, cy + i + 1),
                   solid(ridge))
            f.fill(Shape().rect(cx - 3, cy + i + 1, cx + 3, cy + i + 2),
                   solid(P.WHITE))
        else:
            f.fill(Shape().rect(cx + i, cy - 3, cx + i + 1, cy + 3),
                   solid(ridge))
            f.fill(Shape().rect(cx + i + 1, cy - 3, cx + i + 2, cy + 3),
                   solid(P.WHITE))
    return f


def _thumb_drawer(kind):
    def draw(frame_dir):
        return render_frames(frame_dir, [
            _track_thumb(kind, s) for s in THUMB_STATES])
    return draw


CHANNEL_TONES = {
    4: [P.SILVER_6, P.SILVER_4, P.SILVER_2, P.WHITE],
    5: [P.SILVER_6, P.SILVER_4, P.SILVER_3, P.SILVER_1, P.WHITE],
}


def channel(long_side, thick, vertical):
    """The recessed groove of a track bar, opaque with softened corners."""
    w, h = (thick, long_side) if vertical else (long_side, thick)
    f = Frame(w, h)
    tones = CHANNEL_TONES[thick]
    for i, tone in enumerate(tones):
        if vertical:
            f.fill(Shape().rect(i, 0, i + 1, h), solid(tone))
        else:
            f.fill(Shape().rect(0, i, w, i + 1), solid(tone))
    edge = P.SILVER_6
    if vertical:
        f.fill(Shape().rect(0, 0, w, 1).rect(0, h - 1, w, h), solid(edge))
    else:
        f.fill(Shape().rect(0, 0, 1, h).rect(w - 1, 0, w, h), solid(edge))
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        f.fill(Shape().rect(x, y, x + 1, y + 1),
               solid(mix(edge, P.BUTTON_FACE, 0.6)))
    return f


def _channel_drawer(vertical):
    def draw(frame_dir):
        return render_frames(frame_dir, [
            channel(TRACK_LONG, TRACK_THICK, vertical)])
    return draw


UPDOWN_STATES = ("normal", "pressed", "disabled", "hot")


def _updown_button(vertical, first, state):
    w, h = UPDOWN_VERT if vertical else UPDOWN_HORZ
    outline = {"normal": P.OUTLINE_SOFT, "pressed": P.OUTLINE,
               "disabled": P.OUTLINE_DISABLED, "hot": P.STEEL}[state]
    body = {"normal": GLOSS, "pressed": GLOSS_PRESSED,
            "disabled": FLAT_DISABLED, "hot": GLOSS_HOT}[state]
    f = Frame(w, h)
    if vertical:
        rounded = Shape().rrect_top if first else Shape().rrect_bottom
        f.fill(rounded(0, 0, w, h, 2), solid(outline))
        inner = Shape().rect(1, 1 if first else 0, w - 1, h - 1)
        f.fill(inner, vgrad(body, 0, h))
        if not first:
            f.fill(Shape().rect(1, 0, w - 1, 1),
                   solid(P.WHITE if state != "pressed" else P.SILVER_6))
    else:
        rounded = Shape().rrect_left if first else Shape().rrect_right
        f.fill(rounded(0, 0, w, h, 2), solid(outline))
        inner = Shape().rect(1 if first else 0, 1, w - 1, h - 1)
        f.fill(inner, vgrad(body, 1, h - 1))
        f.fill(Shape().rect(1 if first else 0, 1, w - 1, 2),
               solid(P.WHITE if state != "pressed" else P.SILVER_6))
    return f


def _updown_drawer(vertical):
    def draw(frame_dir):
        return render_frames(frame_dir, [
            _updown_button(vertical, first, s)
            for first in (True, False) for s in UPDOWN_STATES])
    return draw


def _arrow_glyph(direction, state):
    ink = {"normal": P.INK, "pressed": P.INK, "disabled": P.INK_DISABLED,
           "hot": P.ACCENT_DARK}[state]
    long_side, short = ARROW_LONG, ARROW_SHORT
    if direction in ("up", "down"):
        f = Frame(long_side, short)
        tip, base = (0, short) if direction == "up" else (short, 0)
        pts = [(long_side / 2, tip), (long_side, base), (0, base)]
    else:
        f = Frame(short, long_side)
        tip, base = (0, short) if direction == "left" else (short, 0)
        pts = [(tip, long_side / 2), (base, 0), (base, long_side)]
    f.fill(Shape().polygon(pts), solid(ink))
    return f


def _glyph_drawer(vertical):
    first, second = ("up", "down") if vertical else ("left", "right")

    def draw(frame_dir):
        return render_frames(frame_dir, [
            _arrow_glyph(d, s) for d in (first, second)
            for s in UPDOWN_STATES])
    return draw


def pictures():
    thumb = "frames side by side: 1 normal, 2 focused (drawn by the " \
            "track bar), 3 hot, 4 pressed, 5 disabled"
    upright, lying = P.TRACK_THUMB, P.TRACK_THUMB[::-1]
    updown = "frames side by side: %s button 1-4, %s button 5-8 " \
             "(normal, pressed, disabled, hot)"
    return [
        Picture("progress", 1, P.PROGRESS_SIZE, _progress_frames,
                "one frame: the trough (chunk style)"),
        Picture("progresschunk", 1, P.CHUNK_SIZE, _chunk_frames,
                "one chunk with its gap, repeated along the bar"),
        Picture("thumbhorz", 5, upright, _thumb_drawer("horz"), thumb),
        Picture("thumbvert", 5, lying, _thumb_drawer("vert"), thumb),
        Picture("thumbleft", 5, lying, _thumb_drawer("left"), thumb),
        Picture("thumbright", 5, lying, _thumb_drawer("right"), thumb),
        Picture("thumbup", 5, upright, _thumb_drawer("up"), thumb),
        Picture("thumbdown", 5, upright, _thumb_drawer("down"), thumb),
        Picture("updownhorz", 8, UPDOWN_HORZ, _updown_drawer(False),
                updown % ("left", "right")),
        Picture("updownhorzglyph", 8, (ARROW_SHORT, ARROW_LONG),
                _glyph_drawer(False), updown % ("left", "right")),
        Picture("updownvert", 8, UPDOWN_VERT, _updown_drawer(True),
                updown % ("up", "down")),
        Picture("updownvertglyph", 8, (ARROW_LONG, ARROW_SHORT),
                _glyph_drawer(True), updown % ("up", "down")),
        Picture("track", 1, (TRACK_LONG, TRACK_THICK),
                _channel_drawer(False), "one frame: the horizontal channel"),
        Picture("trackvert", 1, (TRACK_THICK, TRACK_LONG),
                _channel_drawer(True), "one frame: the vertical channel"),
    ]
