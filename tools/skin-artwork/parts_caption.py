"""Caption buttons and the three buttons of a maximised MDI child.

Caption button frames: 1 normal, 2 pressed, 3 hot, 4 inactive or disabled.
MDI button frames: 1 normal, 2 pressed, 3 hot, 4 hot (the menu bar shows a
hot MDI button with frame 4).
"""

from magick import Frame, Shape, solid, vgrad, mix
import palette as P
from picture import Picture, render_frames

NORMAL, PRESSED, HOT, INACTIVE = "normal", "pressed", "hot", "inactive"


def _button_look(state, alert=False):
    """Outline, body gradient, top highlight and glyph colour of a state."""
    if alert and state in (HOT, PRESSED):
        if state == HOT:
            return (P.ALERT_DARK, [P.ALERT_LIGHT, P.ALERT],
                    mix(P.ALERT_LIGHT, P.WHITE, 0.4), P.WHITE)
        return (P.ALERT_DARK, [P.ALERT_DARK, P.ALERT],
                mix(P.ALERT_DARK, (0, 0, 0), 0.2), P.WHITE)
    if state == NORMAL:
        return (P.OUTLINE_SOFT, [P.SILVER_0, P.SILVER_2, P.SILVER_4],
                P.WHITE, P.INK)
    if state == HOT:
        return (P.STEEL, [P.WHITE, P.SILVER_0, P.SILVER_2],
                P.WHITE, P.ACCENT_DARK)
    if state == PRESSED:
        return (P.OUTLINE, [P.SILVER_5, P.SILVER_4, P.SILVER_3],
                P.SILVER_6, P.INK)
    return (P.OUTLINE_CAPTION_INACTIVE, [P.SILVER_1, P.SILVER_2], P.SILVER_0,
            P.INK_DISABLED)


def small_button(w, h, state, glyph, radius, alert=False):
    """A rounded button face with a glyph drawn by glyph(shape, dx, dy)."""
    outline, body, top, ink = _button_look(state, alert)
    f = Frame(w, h)
    f.fill(Shape().rrect(0, 0, w, h, radius), solid(outline))
    f.fill(Shape().rrect(1, 1, w - 1, h - 1, radius - 1),
           vgrad(body, 1, h - 1))
    f.fill(Shape().rect(radius, 1, w - radius, 2), solid(top))
    shift = 1 if state == PRESSED else 0
    f.fill(glyph(Shape(), shift, shift), solid(ink))
    return f


def glyph_close(s, dx, dy, cx=10.5, cy=8.5, half=3.0, width=1.7):
    x0, x1, y0, y1 = cx - half + dx, cx + half + dx, cy - half + dy, \
        cy + half + dy
    s.stroke([(x0, y0), (x1, y1)], width, cap="butt")
    return s.stroke([(x1, y0), (x0, y1)], width, cap="butt")


def glyph_maximize(s, dx, dy, x0=6, y0=5, x1=15, y1=13):
    s.rect(x0 + dx, y0 + dy, x1 + dx, y1 + dy)
    return s.rect(x0 + 1 + dx, y0 + 2 + dy, x1 - 1 + dx, y1 - 1 + dy, cut=True)


def glyph_restore(s, dx, dy, x0=5, y0=4):
    s.rect(x0 + 3 + dx, y0 + dy, x0 + 11 + dx, y0 + 7 + dy)
    s.rect(x0 + 4 + dx, y0 + 2 + dy, x0 + 10 + dx, y0 + 6 + dy, cut=True)
    s.rect(x0 + dx, y0 + 3 + dy, x0 + 8 + dx, y0 + 10 + dy, cut=True)
    s.rect(x0 + dx, y0 + 3 + dy, x0 + 8 + dx, y0 + 10 + dy)
    return s.rect(x0 + 1 + dx, y0 + 5 + dy, x0 + 7 + dx, y0 + 9 + dy,
                  cut=True)


def glyph_minimize(s, dx, dy, x0=6, x1=15, y=11):
    return s.rect(x0 + dx, y + dy, x1 + dx, y + 2 + dy)


def glyph_help(s, dx, dy, size=13.0, lift=0.0):
    return s.text_centred(0.5 + dx, lift + dy, size, "?", "DejaVu-Sans-Bold")


CAPTION_GLYPHS = {
    "close": glyph_close,
    "maximize": glyph_maximize,
    "restore": glyph_restore,
    "minimize": glyph_minimize,
    "help": glyph_help,
}


def _caption_drawer(name):
    def draw(frame_dir):
        w, h = P.CAPTION_BUTTON
        frames = [small_button(w, h, state, CAPTION_GLYPHS[name],
                               P.CAPTION_BUTTON_RADIUS, alert=name == "close")
                  for state in (NORMAL, PRESSED, HOT, INACTIVE)]
        return render_frames(frame_dir, frames)
    return draw


MDI_CELL = (16, 14)


def _mdi_glyphs():
    def minimize(s, dx, dy):
        return glyph_minimize(s, dx, dy, 4, 11, 9)

    def restore(s, dx, dy):
        s.rect(6 + dx, 3 + dy, 12 + dx, 8 + dy)
        s.rect(7 + dx, 5 + dy, 11 + dx, 7 + dy, cut=True)
        s.rect(4 + dx, 5 + dy, 10 + dx, 11 + dy, cut=True)
        s.rect(4 + dx, 5 + dy, 10 + dx, 11 + dy)
        return s.rect(5 + dx, 7 + dy, 9 + dx, 10 + dy, cut=True)

    def close(s, dx, dy):
        return glyph_close(s, dx, dy, 8.0, 7.0, 2.5, 1.5)
    return [("minimize", minimize), ("restore", restore), ("close", close)]


def _mdi_frames(frame_dir):
    w, h = MDI_CELL
    frames = []
    for name, glyph in _mdi_glyphs():
        for state in (NORMAL, PRESSED, HOT, HOT):
            frames.append(small_button(w, h, state, glyph, 2,
                                       alert=name == "close"))
    return render_frames(frame_dir, frames)


def caption_layout():
    """Xcoord of each caption button, close first: counted from the right
    edge to the button's left side (Align 1), or, for a skin with its
    buttons on the left, from the left edge (Align 0) with close, minimise
    and maximise in that order."""
    w = P.CAPTION_BUTTON[0]
    step = w + P.CAPTION_BUTTON_GAP
    if P.CAPTION_BUTTONS_LEFT:
        first = P.CAPTION_BUTTON_RIGHT
        return {"close": first, "minimize": first + step,
                "maximize": first + 2 * step}
    first = P.CAPTION_BUTTON_RIGHT + w
    return {"close": first, "maximize": first + step,
            "minimize": first + 2 * step}


def pictures():
    size = P.CAPTION_BUTTON
    layout = "frames side by side: 1 normal, 2 pressed, 3 hot, 4 inactive"
    result = [Picture(name, 4, size, _caption_drawer(name), layout)
              for name in ("close", "maximize", "restore", "minimize", "help")]
    result.append(Picture(
        "mdicontrols", 12, MDI_CELL, _mdi_frames,
        "three buttons of four frames each: minimise, restore, close; "
        "frames 1 normal, 2 pressed, 3 and 4 hot"))
    return result
