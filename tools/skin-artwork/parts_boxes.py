"""Tabs and panes, status bar edges, group box, combo box, header, menus."""

from magick import Frame, Shape, solid, vgrad, hgrad, mix
import palette as P
from picture import Picture, render_frames
from parts_buttons import GLOSS, GLOSS_HOT, GLOSS_PRESSED, FLAT_DISABLED

PANE = 24
STATUS = 12
GROUP_LABEL = (32, 16)
GROUP_EDGE = 16
MENU_BACKGROUND = (36, 32)
MENU_GUTTER = 26


def _corner_blend(f, w, h, colour, towards):
    """Softens square corners of an opaque picture toward the face colour."""
    c = mix(colour, towards, 0.55)
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        f.fill(Shape().rect(x, y, x + 1, y + 1), solid(c))


def _tab(state):
    w, h = P.TAB_SIZE
    r = P.TAB_RADIUS
    outline = {"normal": P.OUTLINE_SOFT, "selected": P.OUTLINE_SOFT,
               "hot": P.STEEL, "disabled": P.OUTLINE_DISABLED,
               "selected-hot": P.STEEL}[state]
    body = {"normal": [P.SILVER_1, P.SILVER_3],
            "selected": [P.WHITE, P.BUTTON_FACE],
            "hot": [P.WHITE, P.SILVER_2],
            "disabled": [P.SILVER_1, P.SILVER_2],
            "selected-hot": [P.WHITE, P.BUTTON_FACE]}[state]
    top = 0 if state.startswith("selected") else 2
    f = Frame(w, h)
    f.fill(Shape().rrect_top(0, top, w, h, r), solid(outline))
    f.fill(Shape().rrect_top(1, top + 1, w - 1, h, r - 1),
           vgrad(body, top + 1, h))
    if state.startswith("selected"):
        f.fill(Shape().rrect_top(1, top + 1, w - 1, top + 4, r - 1).rect(
            0, top + 3, w, top + 4, cut=True), solid(P.ACCENT))
        f.fill(Shape().rect(r - 1, top + 3, w - r + 1, top + 4),
               solid(P.ACCENT_LIGHT))
    else:
        f.fill(Shape().rect(r, top + 1, w - r, top + 2), solid(P.WHITE))
        f.fill(Shape().rect(1, h - 1, w - 1, h),
               solid(mix(body[-1], P.SILVER_6, 0.4)))
    return f


def _tabs_frames(frame_dir):
    return render_frames(frame_dir, [
        _tab(s) for s in ("normal", "selected", "hot", "disabled",
                          "selected-hot")])


def _pane_frames(frame_dir):
    f = Frame(PANE, PANE, background=P.BUTTON_FACE)
    f.fill(Shape().rect(0, 0, PANE, PANE).rect(1, 1, PANE - 1, PANE - 1,
                                               cut=True),
           solid(P.OUTLINE_SOFT))
    f.fill(Shape().rect(1, 1, PANE - 1, 2).rect(1, 1, 2, PANE - 1),
           solid(P.WHITE))
    f.fill(Shape().rect(2, PANE - 2, PANE - 1, PANE - 1).rect(
        PANE - 2, 2, PANE - 1, PANE - 1), solid(P.SILVER_3))
    _corner_blend(f, PANE, PANE, P.OUTLINE_SOFT, P.BUTTON_FACE)
    return render_frames(frame_dir, [f])


def _status_frames(frame_dir):
    n = STATUS
    frames = []
    for kind in ("lowered", "raised", "flat"):
        f = Frame(n, n)
        if kind == "lowered":
            f.fill(Shape().rect(0, 0, n, n),
                   vgrad([P.SILVER_2, P.SILVER_1], 0, n))
            f.fill(Shape().rect(0, 0, n, 1).rect(0, 0, 1, n),
                   solid(P.SILVER_5))
            f.fill(Shape().rect(1, n - 1, n, n).rect(n - 1, 1, n, n),
                   solid(P.WHITE))
        elif kind == "raised":
            f.fill(Shape().rect(0, 0, n, n),
                   vgrad([P.SILVER_0, P.BUTTON_FACE], 0, n))
            f.fill(Shape().rect(0, 0, n, 1).rect(0, 0, 1, n), solid(P.WHITE))
            f.fill(Shape().rect(1, n - 1, n, n).rect(n - 1, 1, n, n),
                   solid(P.SILVER_5))
        else:
            f.fill(Shape().rect(0, 0, n, n), solid(P.BUTTON_FACE))
            f.fill(Shape().rect(n - 2, 2, n - 1, n - 2), solid(P.SILVER_5))
            f.fill(Shape().rect(n - 1, 2, n, n - 2), solid(P.WHITE))
        frames.append(f)
    return render_frames(frame_dir, frames)


def _group_label_frames(frame_dir):
    w, h = GROUP_LABEL
    r = h // 2 - 1
    f = Frame(w, h)
    f.fill(Shape().rrect(0, 0, w, h, r), solid(P.SILVER_5))
    f.fill(Shape().rrect(1, 1, w - 1, h - 1, r - 1),
           vgrad([P.WHITE, P.SILVER_2], 1, h - 1))
    return render_frames(frame_dir, [f])


def _group_edge_frames(frame_dir):
    n, r = GROUP_EDGE, 4
    frames = []
    for line in (P.SILVER_6, P.SILVER_4):
        f = Frame(n, n)
        f.fill(Shape().rrect(0, 0, n, n, r).rrect(1, 1, n - 1, n - 1, r - 1,
                                                  cut=True), solid(line))
        f.fill(Shape().rrect(1, 1, n - 1, n - 1, r - 1).rrect(
            2, 2, n - 1, n - 1, r - 1, cut=True), solid(P.WHITE))
        frames.append(f)
    return render_frames(frame_dir, frames)


COMBO_STATES = ("normal", "pressed", "disabled", "hot")


def _edge_colour(state):
    return {"normal": P.OUTLINE_SOFT, "pressed": P.STEEL,
            "disabled": P.OUTLINE_DISABLED, "hot": P.ACCENT}[state]


def _sunk_edge(state):
    w, h = P.SUNK_EDGE
    f = Frame(w, h)
    f.fill(Shape().rrect(0, 0, w, h, 2), solid(_edge_colour(state)))
    inside = P.SILVER_1 if state == "disabled" else P.WHITE
    f.fill(Shape().rect(1, 1, w - 1, h - 1), solid(inside))
    f.fill(Shape().rect(1, 1, w - 1, 2),
           solid(P.SILVER_3 if state != "hot" else P.ACCENT_PALE))
    return f


def _combo_button(state):
    w, h = P.COMBO_BUTTON
    edge = _edge_colour(state)
    body = {"normal": GLOSS, "pressed": GLOSS_PRESSED,
            "disabled": FLAT_DISABLED, "hot": GLOSS_HOT}[state]
    f = Frame(w, h)
    f.fill(Shape().rrect_right(0, 0, w, h, 2), solid(edge))
    f.fill(Shape().rect(1, 1, w - 1, h - 1), vgrad(body, 1, h - 1))
    f.fill(Shape().rect(1, 1, w - 1, 2),
           solid(P.WHITE if state != "pressed" else P.SILVER_6))
    f.fill(Shape().rect(0, 0, 1, h), solid(mix(edge, P.SILVER_5, 0.3)))
    return f


def _sunk_frames(frame_dir):
    return render_frames(frame_dir, [_sunk_edge(s) for s in COMBO_STATES])


def _combo_frames(frame_dir):
    return render_frames(frame_dir, [_combo_button(s) for s in COMBO_STATES])


def _extra_frames(frame_dir):
    n = P.EXTRA_CELL
    frames = []
    for state in COMBO_STATES:
        ink = {"normal": P.INK, "pressed": P.INK, "disabled": P.INK_DISABLED,
               "hot": P.ACCENT_DARK}[state]
        f = Frame(n, n)
        c = n / 2
        f.fill(Shape().stroke([(c - 3.2, c - 1.6), (c, c + 1.6),
                               (c + 3.2, c - 1.6)], 1.7, cap="butt",
                              join="miter"), solid(ink))
        frames.append(f)
    grip = Frame(n, n)
    for x, y in ((8, 8), (8, 5), (5, 8), (8, 2), (5, 5), (2, 8)):
        grip.fill(Shape().rect(x + 1, y + 1, x + 3, y + 3), solid(P.WHITE))
        grip.fill(Shape().rect(x, y, x + 2, y + 2), solid(P.SILVER_6))
    frames.append(grip)
    return render_frames(frame_dir, frames)


def _header_frames(frame_dir):
    w, h = P.HEADER_SIZE
    frames = []
    for hot in (False, True):
        f = Frame(w, h)
        body = [P.WHITE, P.SILVER_2] if not hot else [P.WHITE, P.ACCENT_PALE]
        f.fill(Shape().rect(0, 0, w, h), vgrad(body, 0, h))
        f.fill(Shape().rect(0, 0, 1, h - 1), solid(P.WHITE))
        f.fill(Shape().rect(w - 1, 3, w, h - 4), solid(P.SILVER_5))
        f.fill(Shape().rect(0, h - 1, w, h),
               solid(P.SILVER_5 if not hot else P.ACCENT))
        if hot:
            f.fill(Shape().rect(0, h - 2, w, h - 1), solid(P.ACCENT_LIGHT))
        frames.append(f)
    return render_frames(frame_dir, frames)


def _menu_item(kind):
    w, h = P.MENU_ITEM_SIZE
    f = Frame(w, h)
    if kind == "separator":
        f.fill(Shape().rect(2, h - 5, w - 2, h - 4), solid(P.SILVER_4))
        f.fill(Shape().rect(2, h - 4, w - 2, h - 3), solid(P.WHITE))
    elif kind != "normal":
        outline, body = {
            "selected": (P.ACCENT, [P.ACCENT_LIGHT, P.ACCENT]),
            "pressed": (P.ACCENT_DARK, [P.ACCENT, P.ACCENT_DARK]),
            "muted": (P.SILVER_5, [P.SILVER_1, P.SILVER_3])}[kind]
        f.fill(Shape().rrect(1, 1, w - 1, h - 1, 3), solid(outline))
        f.fill(Shape().rrect(2, 2, w - 2, h - 2, 2), vgrad(body, 2, h - 2))
        f.fill(Shape().rect(4, 2, w - 4, 3),
               solid(mix(body[0], P.WHITE, 0.35)))
    return f


def _menu_item_frames(frame_dir):
    return render_frames(frame_dir, [
        _menu_item(k) for k in ("normal", "separator", "muted", "selected",
                                "pressed")])


def _menu_background_frames(frame_dir):
    """Frame lines and a shaded gutter that ends just before the text."""
    w, h = MENU_BACKGROUND
    g = MENU_GUTTER
    f = Frame(w, h, background=P.MENU_FACE)
    f.fill(Shape().rect(2, 2, g, h - 2),
           hgrad([P.SILVER_1, P.SILVER_1, P.SILVER_2], 2, g))
    f.fill(Shape().rect(g - 1, 2, g, h - 2), solid(P.SILVER_3))
    f.fill(Shape().rect(0, 0, w, h).rect(1, 1, w - 1, h - 1, cut=True),
           solid(P.OUTLINE_SOFT))
    f.fill(Shape().rect(1, 1, w - 1, 2).rect(1, 1, 2, h - 1), solid(P.WHITE))
    return render_frames(frame_dir, [f])


def pictures():
    return [
        Picture("tabs", 5, P.TAB_SIZE, _tabs_frames,
                "frames side by side: 1 normal, 2 selected, 3 hot, "
                "4 disabled, 5 selected and hot"),
        Picture("tabpane", 1, (PANE, PANE), _pane_frames,
                "one frame; border fits the margins 4, 5, 4, 4"),
        Picture("statusbar", 3, (STATUS, STATUS), _status_frames,
                "frames side by side: 1 lowered, 2 raised, 3 flat"),
        Picture("groupbox", 1, GROUP_LABEL, _group_label_frames,
                "one frame: the caption plate"),
        Picture("groupboxedge", 2, (GROUP_EDGE, GROUP_EDGE),
                _group_edge_frames, "frames side by side: 1 enabled, "
                "2 disabled; the inside is transparent"),
        Picture("combobutton", 4, P.COMBO_BUTTON, _combo_frames,
                "frames side by side: 1 normal, 2 pressed, 3 disabled, "
                "4 hot or focused"),
        Picture("sunkedge", 4, P.SUNK_EDGE, _sunk_frames,
                "frames side by side: 1 normal, 2 pressed, 3 disabled, "
                "4 hot or focused"),
        Picture("extraimages", 5, (P.EXTRA_CELL, P.EXTRA_CELL),
                _extra_frames, "combo arrow 1 normal, 2 pressed, "
                "3 disabled, 4 hot; 5 size grip"),
        Picture("headerbar", 2, P.HEADER_SIZE, _header_frames,
                "frames side by side: 1 normal, 2 hot"),
        Picture("menuitem", 5, P.MENU_ITEM_SIZE, _menu_item_frames,
                "1 normal (transparent), 2 separator in the bottom rows, "
                "3 muted, 4 selected, 5 pressed"),
        Picture("menubackground", 1, MENU_BACKGROUND,
                _menu_background_frames,
                "one frame: frame lines and the glyph gutter"),
    ]
