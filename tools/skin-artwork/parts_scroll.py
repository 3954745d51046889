"""Scroll bar pictures: the 23-frame arrow and grip strip, tracks, thumbs.

Strip frames: left arrow 1-4, right arrow 5-8, up arrow 9-12, down arrow
13-16 (each normal, pressed, disabled, hot); horizontal thumb grip 17-19
and vertical thumb grip 20-22 (normal, pressed, hot); 23 the corner square.
"""

from magick import Frame, Shape, solid, vgrad, hgrad, mix
import palette as P
from picture import Picture, render_frames

N = P.SCROLL_CELL
L = P.THUMB_LENGTH

ARROW_STATES = ("normal", "pressed", "disabled", "hot")


def _cylinder(state):
    """Body gradient of arrows and thumbs, light on the leading side."""
    return {"normal": [P.WHITE, P.SILVER_1, P.SILVER_3, P.SILVER_4],
            "hot": [P.WHITE, P.SILVER_0, P.SILVER_2, P.SILVER_3],
            "pressed": [P.SILVER_5, P.SILVER_4, P.SILVER_3, P.SILVER_3],
            "disabled": [P.SILVER_1, P.SILVER_1, P.SILVER_2,
                         P.SILVER_2]}[state]


def _outline(state):
    return {"normal": P.OUTLINE_SOFT, "hot": P.STEEL, "pressed": P.OUTLINE,
            "disabled": P.OUTLINE_DISABLED}[state]


def _ink(state):
    return {"normal": P.INK, "hot": P.ACCENT_DARK, "pressed": P.INK,
            "disabled": P.INK_DISABLED}[state]


def _face(f, x0, y0, x1, y1, state, vertical, r=3):
    """A rounded face over a rectangle, shaded across the bar's axis."""
    f.fill(Shape().rrect(x0, y0, x1, y1, r), solid(_outline(state)))
    inner = Shape().rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, r - 1)
    if vertical:
        f.fill(inner, hgrad(_cylinder(state), x0 + 1, x1 - 1))
    else:
        f.fill(inner, vgrad(_cylinder(state), y0 + 1, y1 - 1))
    if state != "pressed":
        if vertical:
            f.fill(Shape().rect(x0 + 1, y0 + r, x0 + 2, y1 - r),
                   solid(P.WHITE))
        else:
            f.fill(Shape().rect(x0 + r, y0 + 1, x1 - r, y0 + 2),
                   solid(P.WHITE))
    return f


def _arrow_points(direction, shift):
    c, a, b = N / 2 + shift, 3.6, 2.0
    return {"up": [(c, c - b - 0.2), (c + a, c + b - 0.2),
                   (c - a, c + b - 0.2)],
            "down": [(c, c + b + 0.2), (c - a, c - b + 0.2),
                     (c + a, c - b + 0.2)],
            "left": [(c - b - 0.2, c), (c + b - 0.2, c - a),
                     (c + b - 0.2, c + a)],
            "right": [(c + b + 0.2, c), (c - b + 0.2, c + a),
                      (c - b + 0.2, c - a)]}[direction]


def _arrow(direction, state):
    vertical = direction in ("up", "down")
    f = _face(Frame(N, N), 0, 0, N, N, state, vertical)
    shift = 1 if state == "pressed" else 0
    f.fill(Shape().polygon(_arrow_points(direction, shift)),
           solid(_ink(state)))
    return f


def _grip(vertical, state):
    """Three ridges across the thumb, each a dark line with a light one."""
    f = Frame(N, N)
    dark = {"normal": P.SILVER_6, "pressed": P.OUTLINE,
            "hot": P.ACCENT}[state]
    light = P.WHITE if state != "pressed" else P.SILVER_3
    for i in range(3):
        p = 5 + 2 * i
        if vertical:
            f.fill(Shape().rect(5, p, 11, p + 1), solid(dark))
            f.fill(Shape().rect(5, p + 1, 11, p + 2), solid(light))
        else:
            f.fill(Shape().rect(p, 5, p + 1, 11), solid(dark))
            f.fill(Shape().rect(p + 1, 5, p + 2, 11), solid(light))
    return f


def _corner():
    f = Frame(N, N, background=P.BUTTON_FACE)
    for x, y in ((11, 11), (11, 8), (8, 11), (11, 5), (8, 8), (5, 11)):
        f.fill(Shape().rect(x + 1, y + 1, x + 3, y + 3), solid(P.WHITE))
        f.fill(Shape().rect(x, y, x + 2, y + 2), solid(P.SILVER_6))
    return f


def _strip_frames(frame_dir):
    frames = []
    for direction in ("left", "right", "up", "down"):
        frames += [_arrow(direction, s) for s in ARROW_STATES]
    frames += [_grip(False, s) for s in ("normal", "pressed", "hot")]
    frames += [_grip(True, s) for s in ("normal", "pressed", "hot")]
    frames.append(_corner())
    return render_frames(frame_dir, frames)


def _track(vertical, state):
    """The groove between the arrows: shaded inward, lit on the far side."""
    w, h = (N, L) if vertical else (L, N)
    tone = {"enabled": [P.SILVER_4, P.SILVER_2, P.SILVER_1],
            "pressed": [P.SILVER_5, P.SILVER_3, P.SILVER_2],
            "disabled": [P.SILVER_2, P.SILVER_1, P.SILVER_1],
            "hot": [P.SILVER_3, P.SILVER_1, P.SILVER_0]}[state]
    f = Frame(w, h)
    if vertical:
        f.fill(Shape().rect(0, 0, w, h), hgrad(tone, 0, w))
        f.fill(Shape().rect(0, 0, 1, h), solid(mix(tone[0], P.SILVER_6, 0.6)))
        f.fill(Shape().rect(w - 1, 0, w, h), solid(P.WHITE))
    else:
        f.fill(Shape().rect(0, 0, w, h), vgrad(tone, 0, h))
        f.fill(Shape().rect(0, 0, w, 1), solid(mix(tone[0], P.SILVER_6, 0.6)))
        f.fill(Shape().rect(0, h - 1, w, h), solid(P.WHITE))
    return f


def _track_drawer(vertical):
    def draw(frame_dir):
        return render_frames(frame_dir, [
            _track(vertical, s)
            for s in ("enabled", "pressed", "disabled", "hot")])
    return draw


def _thumb(vertical, state):
    """A thumb one pixel narrower than the bar on each side."""
    if vertical:
        return _face(Frame(N, L), 1, 0, N - 1, L, state, True)
    return _face(Frame(L, N), 0, 1, L, N - 1, state, False)


def _thumb_drawer(vertical):
    def draw(frame_dir):
        return render_frames(frame_dir, [
            _thumb(vertical, s) for s in ("normal", "pressed", "hot")])
    return draw


def pictures():
    return [
        Picture("scrollbar", 23, (N, N), _strip_frames,
                "arrows left 1-4, right 5-8, up 9-12, down 13-16 (normal, "
                "pressed, disabled, hot); grips horizontal 17-19, vertical "
                "20-22 (normal, pressed, hot); 23 corner"),
        Picture("hscroll", 4, (L, N), _track_drawer(False),
                "horizontal track: 1 enabled, 2 pressed, 3 disabled, 4 hot"),
        Picture("vscroll", 4, (N, L), _track_drawer(True),
                "vertical track: 1 enabled, 2 pressed, 3 disabled, 4 hot"),
        Picture("hthumb", 3, (L, N), _thumb_drawer(False),
                "horizontal thumb: 1 normal, 2 pressed, 3 hot"),
        Picture("vthumb", 3, (N, L), _thumb_drawer(True),
                "vertical thumb: 1 normal, 2 pressed, 3 hot"),
    ]
