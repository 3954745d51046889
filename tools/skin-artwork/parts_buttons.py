"""Push buttons, check box and radio button glyphs, tool bar buttons."""

from magick import Frame, Shape, solid, vgrad, mix
import palette as P
from picture import Picture, render_frames

GLOSS = [(0.0, P.WHITE), (0.46, P.SILVER_1), (0.54, P.SILVER_3),
         (1.0, P.SILVER_2)]
GLOSS_HOT = [(0.0, P.WHITE), (0.46, P.SILVER_0), (0.54, P.SILVER_2),
             (1.0, P.SILVER_1)]
GLOSS_PRESSED = [(0.0, P.SILVER_5), (0.5, P.SILVER_4), (1.0, P.SILVER_3)]
FLAT_DISABLED = [(0.0, P.SILVER_1), (1.0, P.SILVER_2)]


def push_button(w, h, state):
    """A glossy rounded button; state is normal, pressed, disabled, hot,
    focused or checked."""
    r = P.BUTTON_RADIUS
    outline = {"normal": P.OUTLINE_SOFT, "pressed": P.OUTLINE,
               "disabled": P.OUTLINE_DISABLED_BUTTON, "hot": P.STEEL,
               "focused": P.ACCENT, "checked": P.OUTLINE}[state]
    body = {"normal": GLOSS, "pressed": GLOSS_PRESSED,
            "disabled": FLAT_DISABLED, "hot": GLOSS_HOT,
            "focused": GLOSS, "checked": GLOSS_PRESSED}[state]
    f = Frame(w, h)
    f.fill(Shape().rrect(0, 0, w, h, r), solid(outline))
    f.fill(Shape().rrect(1, 1, w - 1, h - 1, r - 1), vgrad(body, 1, h - 1))
    if state in ("pressed", "checked"):
        f.fill(Shape().rect(r, 1, w - r, 2), solid(P.SILVER_6))
        f.fill(Shape().rect(1, r, 2, h - r), solid(mix(P.SILVER_5,
                                                       P.SILVER_6, 0.5)))
    else:
        f.fill(Shape().rect(r, 1, w - r, 2), solid(P.WHITE))
        f.fill(Shape().rect(r, h - 2, w - r, h - 1),
               solid(mix(body[-1][1], P.SILVER_5, 0.5)))
    if state == "focused":
        ring = Shape().rrect(1, 1, w - 1, h - 1, r - 1).rrect(
            2, 2, w - 2, h - 2, max(r - 2, 0), cut=True)
        f.fill(ring, solid(P.ACCENT_LIGHT))
    if state == "hot":
        f.fill(Shape().rect(r, h - 2, w - r, h - 1), solid(P.ACCENT_PALE))
    return f


def _buttons_frames(frame_dir):
    w, h = P.BUTTON_SIZE
    return render_frames(frame_dir, [
        push_button(w, h, s)
        for s in ("normal", "pressed", "disabled", "hot", "focused")])


def _box(state, round_box):
    """Check box or radio button well for a state."""
    n = P.GLYPH_CELL
    outline = {"normal": P.OUTLINE_SOFT, "hot": P.ACCENT,
               "pressed": P.OUTLINE, "disabled": P.OUTLINE_DISABLED}[state]
    well = {"normal": [P.SILVER_2, P.WHITE],
            "hot": [P.ACCENT_PALE, P.WHITE],
            "pressed": [P.SILVER_5, P.SILVER_2],
            "disabled": [P.SILVER_1, P.SILVER_1]}[state]
    f = Frame(n, n)
    if round_box:
        f.fill(Shape().circle(n / 2, n / 2, n / 2), solid(outline))
        f.fill(Shape().circle(n / 2, n / 2, n / 2 - 1), vgrad(well, 1, n - 1))
    else:
        f.fill(Shape().rrect(0, 0, n, n, 2), solid(outline))
        f.fill(Shape().rect(1, 1, n - 1, n - 1), vgrad(well, 1, n - 1))
        if state != "disabled":
            f.fill(Shape().rect(1, 1, n - 1, 2), solid(
                P.SILVER_4 if state != "pressed" else P.SILVER_6))
    return f


def _mark_colour(state):
    return {"normal": P.INK, "hot": P.ACCENT_DARK, "pressed": P.INK,
            "disabled": P.INK_DISABLED}[state]


CHECK_STATES = ("normal", "hot", "pressed", "disabled")


def _check_frames(frame_dir):
    frames = []
    for mark in ("none", "check", "mixed"):
        for state in CHECK_STATES:
            f = _box(state, round_box=False)
            ink = _mark_colour(state)
            if mark == "check":
                f.fill(Shape().stroke([(3.2, 6.6), (5.6, 9.0), (10.0, 3.8)],
                                      1.9, cap="butt", join="miter"),
                       solid(ink))
            elif mark == "mixed":
                f.fill(Shape().rect(3, 3, 10, 10),
                       vgrad([mix(ink, P.WHITE, 0.35), ink], 3, 10))
            frames.append(f)
    return render_frames(frame_dir, frames)


def _radio_frames(frame_dir):
    n = P.GLYPH_CELL
    frames = []
    for dot in (False, True):
        for state in CHECK_STATES:
            f = _box(state, round_box=True)
            if dot:
                ink = _mark_colour(state)
                f.fill(Shape().circle(n / 2, n / 2, 2.8),
                       vgrad([mix(ink, P.WHITE, 0.45), ink], 3.7, 9.3))
            frames.append(f)
    return render_frames(frame_dir, frames)


def _toolbar_frames(frame_dir):
    w, h = P.TAB_SIZE
    frames = []
    for state in ("flat", "pressed", "flat", "hot", "checked"):
        if state == "flat":
            frames.append(Frame(w, h))
        else:
            frames.append(push_button(w, h, state))
    return render_frames(frame_dir, frames)


def pictures():
    return [
        Picture("buttons", 5, P.BUTTON_SIZE, _buttons_frames,
                "frames side by side: 1 normal, 2 pressed, 3 disabled, "
                "4 hot, 5 focused or default"),
        Picture("checkbox", 12, (P.GLYPH_CELL, P.GLYPH_CELL), _check_frames,
                "unchecked 1-4, checked 5-8, grayed 9-12; in each group "
                "normal, hot, pressed, disabled"),
        Picture("radio", 8, (P.GLYPH_CELL, P.GLYPH_CELL), _radio_frames,
                "unchecked 1-4, checked 5-8; in each group normal, hot, "
                "pressed, disabled"),
        Picture("toolbars", 5, P.TAB_SIZE, _toolbar_frames,
                "flat tool buttons: 1 normal (no frame), 2 pressed, "
                "3 disabled (no frame), 4 hot, 5 checked"),
    ]
