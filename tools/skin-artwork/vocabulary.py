"""The sections and keys that the skin loader reads, for checking the INI.

Section names compare without regard to case, keys are compared lower-cased,
as the skin's INI reader does.
"""

OBJECT_KEYS = ["Image", "Style", "LeftWidth", "RightWidth", "TopHeight",
               "BottomHeight", "Frame", "Trans", "Tile", "NormalColour",
               "MouseOverColour", "PressedColour", "NormalColour2",
               "MouseOverColour2", "PressedColour2"]
OBJECT_EX_KEYS = [k for k in OBJECT_KEYS if k != "Frame"]

COLOUR_KEYS = ["WindowText", "ButtonFace", "Scrollbar", "HilightText",
               "Hilight", "Menubar", "Menu", "MenuText", "ButtonText",
               "ButtonHilight", "Buttonlight", "ButtonShadow",
               "ButtonDkShadow", "MenuBarText", "TitleTextActive",
               "TitleTextNoActive"]

SIDE_KEYS = [side + suffix
             for side in ("Left", "Right", "Top", "Bottom")
             for suffix in ("", "TopHeight", "BotHeight", "Frame", "Stretch",
                            "Trans")]
TITLE_KEYS = ["TextBack", "TextShift", "TextShiftVert", "TextRightClip",
              "TextAlignment", "Textbackground", "TXTBackleft",
              "TXTBackRight"] + [
    prefix + c for prefix in ("ActiveText", "InActiveText") for c in "RGB"]
MENU_BAR_KEYS = ["menuBar", "TileMenu", "TileLeftMenu", "TileRightMenu"]

CAPTION_BUTTON_KEYS = ["Action", "Align", "Xcoord", "Ycoord", "Visibility",
                       "Visibility1", "CombineOp", "frame", "ButtonImage"]

PLAIN_OBJECTS = ["Progress.Chunk", "GroupBoxEdge", "StatusBarEdges",
                 "Tab.Pane", "ToolBars", "SunkEdge", "ExtraImages",
                 "Headerbar", "MenuItem", "MenuBackground", "Scrollbar",
                 "HorzScroll", "VertScroll", "Trackbar.ThumbHorz",
                 "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                 "Trackbar.ThumbRight", "Trackbar.ThumbUp",
                 "Trackbar.ThumbDown", "Track", "TRACKVERT"]

FIXED_SECTIONS = {
    "TitlebarSkin": ["SkinName"],
    "Personality": SIDE_KEYS + TITLE_KEYS + MENU_BAR_KEYS,
    "Fonts": ["FontHeight"],
    "Colours": COLOUR_KEYS,
    "MDICONTROLS": ["Image"],
    "Buttons": ["LeftWidth", "RightWidth", "TopHeight", "BottomHeight",
                "Trans", "Bitmap", "Tile", "CheckButton", "RadioButton",
                "NormalColour", "MouseOverColour", "PressedColour",
                "RadioButtonFrame", "CheckButtonFrame", "NormalColour2",
                "MouseOverColour2", "PressedColour2"],
    "Progress": ["Bitmap", "Style", "LeftWidth", "RightWidth", "TopHeight",
                 "BottomHeight", "Trans", "Tile"],
    "GroupBox": OBJECT_EX_KEYS + ["BackgroundAlignment",
                                  "BackgroundLeftShift",
                                  "BackgroundRightShift"],
    "Tabs": OBJECT_EX_KEYS + ["Border"],
    "ComboButton": OBJECT_EX_KEYS,
    "UpDown.Horz": OBJECT_EX_KEYS + ["GlyphImage"],
    "UpDown.Vert": OBJECT_EX_KEYS + ["GlyphImage"],
    "HorzScrollThumb": OBJECT_KEYS + ["FrameCount"],
    "VertScrollThumb": OBJECT_KEYS + ["FrameCount"],
}
FIXED_SECTIONS.update({name: OBJECT_KEYS for name in PLAIN_OBJECTS})

# Keys whose value names a picture of the package, by section.
PERSONALITY_PICTURES = {"left", "right", "top", "bottom", "textback",
                        "menubar"}
OBJECT_PICTURES = {"image", "border", "glyphimage"}


def picture_keys(section):
    """Lower-cased keys of a section whose values are picture names."""
    upper = section.upper()
    if upper == "PERSONALITY":
        return PERSONALITY_PICTURES
    if upper in ("BUTTONS", "PROGRESS"):
        return {"bitmap", "checkbutton", "radiobutton"}
    if upper in ("COLOURS", "FONTS", "TITLEBARSKIN") or \
            upper.startswith("COLOUR"):
        return set()
    if upper.startswith("BUTTON"):
        return {"buttonimage"}
    return OBJECT_PICTURES


EXCLUDED_BUTTON_SECTIONS = {"BUTTON", "BUTTONS", "BUTTON.RADIO",
                            "BUTTON.CHECKBOX"}


def allowed_keys(section):
    """Lower-cased keys the loader reads in a section; None if unread."""
    upper = section.upper()
    for name, keys in FIXED_SECTIONS.items():
        if name.upper() == upper:
            return {k.lower() for k in keys}
    if upper.startswith("BUTTON") and upper not in EXCLUDED_BUTTON_SECTIONS:
        return {k.lower() for k in CAPTION_BUTTON_KEYS}
    if upper.startswith("COLOUR") and upper != "COLOURS":
        return {"color"}
    return None
