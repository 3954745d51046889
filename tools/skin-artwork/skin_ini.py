"""The skin's INI text: every section and value, derived from the palette."""

import palette as P
from parts_caption import caption_layout
from parts_boxes import MENU_GUTTER
from parts_frame import side_bottom_end, bottom_end as bottom_end_columns


def _rgb(c):
    return "%d %d %d" % c


def _pic(pictures, part):
    return pictures[part].file_name


def _object(pictures, part, margins=(0, 0, 0, 0), trans=0, tile=0,
            frame=None, key="Image", extra=()):
    left, top, right, bottom = margins
    keys = [(key, _pic(pictures, part)),
            ("LeftWidth", left), ("RightWidth", right),
            ("TopHeight", top), ("BottomHeight", bottom),
            ("Trans", trans), ("Tile", tile)]
    if frame is not None:
        keys.append(("Frame", frame))
    return keys + list(extra)


def _caption_button(pictures, part, action, x, visibility, visibility1):
    right = action != 3 and not P.CAPTION_BUTTONS_LEFT
    keys = [("Action", action), ("Align", 1 if right else 0),
            ("Xcoord", x),
            ("Ycoord", P.CAPTION_BUTTON_TOP if action != 3 else 5),
            ("Visibility", visibility), ("Visibility1", visibility1)]
    if part is not None:
        keys += [("frame", 4), ("ButtonImage", _pic(pictures, part))]
    return keys


def sections(pictures):
    """The INI content as an ordered list of (section, [(key, value)])."""
    pic = lambda part: _pic(pictures, part)
    x = caption_layout()
    th, b = P.TITLE_HEIGHT, P.BORDER
    personality = []
    side_end, bottom_end = side_bottom_end(), bottom_end_columns()
    bottom_trans = 1 if P.BOTTOM_RADIUS > 0 else 0
    for side, first, last in (("Left", th, side_end), ("Right", th, side_end),
                              ("Top", P.TITLE_END, P.TITLE_END),
                              ("Bottom", bottom_end, bottom_end)):
        personality += [
            (side, pic(side.lower())), (side + "TopHeight", first),
            (side + "BotHeight", last), (side + "Frame", 2),
            (side + "Stretch", 1), (side + "Trans", bottom_trans
                                     if side == "Bottom" else 1)]
    personality += [
        ("TextBack", pic("textback")), ("TextShift", P.TEXT_SHIFT),
        ("TextShiftVert", 0), ("TextRightClip", P.TEXT_RIGHT_CLIP),
        ("TextAlignment", P.TEXT_ALIGNMENT), ("Textbackground", 1),
        ("TXTBackleft", P.TEXT_BACK_CAP), ("TXTBackRight", P.TEXT_BACK_CAP)]
    for prefix, colour in (("ActiveText", P.TITLE_TEXT_ACTIVE),
                           ("InActiveText", P.TITLE_TEXT_INACTIVE)):
        personality += [(prefix + c, v) for c, v in zip("RGB", colour)]
    personality += [("menuBar", pic("menubar")), ("TileMenu", 1),
                    ("TileLeftMenu", 4), ("TileRightMenu", 4)]

    colours = P.COLOURS

    m = P.BUTTON_MARGIN
    return [
        ("TitlebarSkin", [("SkinName", P.SKIN_NAME)]),
        ("Personality", personality),
        ("Fonts", [("FontHeight", 12)]),
        ("Colours", [(k, _rgb(v)) for k, v in colours]),
        ("Button.Close", _caption_button(pictures, "close", 0, x["close"],
                                         0, 0)),
        ("Button.Maximize", _caption_button(pictures, "maximize", 1,
                                            x["maximize"], 2, 6)),
        ("Button.Restore", _caption_button(pictures, "restore", 1,
                                           x["maximize"], 1, 6)),
        ("Button.Minimize", _caption_button(pictures, "minimize", 2,
                                            x["minimize"], 8, 0)),
        ("Button.Help", _caption_button(pictures, "help", 4, x["maximize"],
                                        10, 0)),
    ] + ([] if P.CAPTION_BUTTONS_LEFT else [
        ("Button.SysMenu", _caption_button(pictures, None, 3, 6, 0, 0)),
    ]) + [
        ("MDICONTROLS", [("Image", pic("mdicontrols"))]),
        ("Buttons", [
            ("Bitmap", pic("buttons")), ("LeftWidth", m), ("RightWidth", m),
            ("TopHeight", m), ("BottomHeight", m), ("Trans", 1), ("Tile", 0),
            ("CheckButton", pic("checkbox")), ("RadioButton", pic("radio")),
            ("CheckButtonFrame", 12), ("RadioButtonFrame", 8),
            ("NormalColour2", _rgb(P.CONTROL_TEXT)), ("MouseOverColour2", _rgb(P.CONTROL_TEXT_HOT)),
            ("PressedColour2", _rgb(P.CONTROL_TEXT_PRESSED))]),
        ("Progress", [
            ("Bitmap", pic("progress")), ("Style", 1), ("LeftWidth", 4),
            ("RightWidth", 4), ("TopHeight", 4), ("BottomHeight", 4),
            ("Trans", 1), ("Tile", 0)]),
        ("Progress.Chunk", _object(pictures, "progresschunk", trans=1,
                                   tile=1, frame=1)),
        ("GroupBoxEdge", _object(pictures, "groupboxedge", (5, 5, 5, 5),
                                 trans=1, frame=2)),
        ("GroupBox", _object(pictures, "groupbox", (8, 3, 8, 3), trans=1,
                             extra=[("BackgroundAlignment", 0),
                                    ("BackgroundLeftShift", 6),
                                    ("BackgroundRightShift", 6),
                                    ("NormalColour2", _rgb(P.CONTROL_TEXT))])),
        ("Tabs", _object(pictures, "tabs", (5, 5, 5, 3), trans=1, extra=[
            ("Border", pic("tabpane")), ("Style", 0),
            ("NormalColour2", _rgb(P.TAB_TEXT)), ("MouseOverColour2", _rgb(P.TAB_TEXT_HOT))])),
        ("StatusBarEdges", _object(pictures, "statusbar", (2, 2, 2, 2),
                                   frame=3,
                                   extra=[("NormalColour2", _rgb(P.STATUS_TEXT))])),
        ("Tab.Pane", _object(pictures, "tabpane", (4, 4, 4, 4), frame=1)),
        ("ToolBars", _object(pictures, "toolbars", (4, 4, 4, 4), trans=1,
                             frame=5)),
        ("ComboButton", _object(pictures, "combobutton", (3, 3, 3, 3),
                                trans=1)),
        ("SunkEdge", _object(pictures, "sunkedge", (2, 2, 2, 2), trans=1,
                             frame=4)),
        ("ExtraImages", _object(pictures, "extraimages", trans=1, frame=5)),
        ("Headerbar", _object(pictures, "headerbar", (2, 2, 2, 3), frame=2,
                              extra=[("NormalColour2", _rgb(P.CONTROL_TEXT))])),
        ("MenuItem", _object(pictures, "menuitem", (4, 4, 4, 4), trans=1,
                             frame=5)),
        ("MenuBackground", _object(pictures, "menubackground",
                                   (MENU_GUTTER, 3, 3, 3), frame=1)),
        ("Scrollbar", _object(pictures, "scrollbar", trans=1, frame=23)),
        ("HorzScroll", _object(pictures, "hscroll", (2, 2, 2, 2), frame=4)),
        ("VertScroll", _object(pictures, "vscroll", (2, 2, 2, 2), frame=4)),
        ("HorzScrollThumb", _object(pictures, "hthumb", (5, 4, 5, 4),
                                    trans=1, frame=3,
                                    extra=[("FrameCount", 3)])),
        ("VertScrollThumb", _object(pictures, "vthumb", (4, 5, 4, 5),
                                    trans=1, frame=3,
                                    extra=[("FrameCount", 3)])),
    ] + [
        ("Trackbar.Thumb" + kind, _object(pictures, "thumb" + kind.lower(),
                                          trans=1, frame=5))
        for kind in ("Horz", "Vert", "Left", "Right", "Up", "Down")
    ] + [
        ("UpDown.Horz", _object(pictures, "updownhorz", trans=1, extra=[
            ("GlyphImage", pic("updownhorzglyph"))])),
        ("UpDown.Vert", _object(pictures, "updownvert", trans=1, extra=[
            ("GlyphImage", pic("updownvertglyph"))])),
        ("Track", _object(pictures, "track", (3, 0, 3, 0), frame=1)),
        ("TRACKVERT", _object(pictures, "trackvert", (0, 3, 0, 3), frame=1)),
    ]


HEADER = [
    "; %s: %s." % (P.SKIN_NAME, P.DESCRIPTION),
    "; Written by tools/skin-artwork/generate.py together with its pictures;",
    "; change the generator's parameters and run it again instead of "
    "editing this file.",
]


def render(section_list):
    """The INI text with CR LF line breaks."""
    lines = list(HEADER)
    for name, keys in section_list:
        lines.append("")
        lines.append("[%s]" % name)
        lines += ["%s=%s" % (k, v) for k, v in keys]
    return "\r\n".join(lines) + "\r\n"
