"""Parameters of the "pebble" look: a heavier frame with rounded corners.

Starts from palette.py and changes the geometry and the colours: a thick
frame whose four corners are rounded (cut out by key-colour pixels, so the
window gets a region), a taller title, the caption buttons at the left end
of the title and the caption text on a plate of its own, in warm sand
colours with a sea-green accent.
"""

from palette import *  # noqa: F401,F403

SKIN_NAME = "pebble"
DESCRIPTION = "a sand-coloured skin with a thick rounded frame for Brellis"
PALETTE_FILE = "palette_pebble.py"
README_LOOK = [
    "A warm sand skin with a different geometry: an 8-pixel frame whose",
    "four corners are rounded with a radius of 12 (key-colour pixels, so",
    "the window region is cut from the pictures), a 34-pixel title, round",
    "caption buttons at the left end of the title, the caption text on a",
    "plate of its own, and a sea-green accent.",
]

WHITE = (255, 255, 255)
SILVER_0 = (253, 250, 244)
SILVER_1 = (245, 239, 228)
SILVER_2 = (236, 228, 214)
SILVER_3 = (224, 214, 196)
SILVER_4 = (210, 198, 178)
SILVER_5 = (190, 176, 154)
SILVER_6 = (164, 148, 124)
STEEL = (126, 110, 88)
OUTLINE = (104, 88, 66)
OUTLINE_SOFT = (150, 134, 110)
OUTLINE_INACTIVE = (160, 148, 130)
INK = (48, 40, 30)
INK_SOFT = (90, 80, 66)
INK_DISABLED = (170, 160, 146)
OUTLINE_DISABLED = (198, 188, 172)
OUTLINE_DISABLED_BUTTON = (194, 184, 168)
OUTLINE_CAPTION_INACTIVE = (188, 178, 162)
MENU_FACE = (252, 249, 243)

ACCENT = (42, 138, 120)
ACCENT_LIGHT = (100, 190, 170)
ACCENT_DARK = (22, 92, 80)
ACCENT_PALE = (204, 234, 226)

BUTTON_FACE = (236, 229, 216)

# Window frame: thick, all four corners rounded, a tall title.
TITLE_HEIGHT = 34
BORDER = 8
CORNER_RADIUS = 12
BOTTOM_RADIUS = 12
TITLE_END = 14
FRAME_TEMPLATE_WIDTH = BORDER * 2 + 64
FRAME_TEMPLATE_MIDDLE = 16

TITLE_ACTIVE = [(0.0, (252, 246, 234)), (0.5, (238, 226, 204)),
                (0.56, (228, 214, 190)), (1.0, (236, 224, 202))]
TITLE_INACTIVE = [(0.0, (250, 247, 241)), (0.5, (242, 236, 226)),
                  (1.0, (234, 228, 216))]

# Caption buttons at the left end: close, minimise, maximise.
CAPTION_BUTTON = (21, 18)
CAPTION_BUTTON_TOP = 9
CAPTION_BUTTON_RIGHT = 14       # the first button's distance from the left edge
CAPTION_BUTTON_GAP = 4
CAPTION_BUTTON_RADIUS = 8
CAPTION_BUTTONS_LEFT = True

# The caption text begins after the three buttons, on its plate.
TEXT_SHIFT = 78
TEXT_RIGHT_CLIP = 16
TEXT_BACK_CAP = 10
TEXT_BACK_TOP = (232, 222, 204)
TEXT_BACK_TOP_INACTIVE = (240, 234, 224)
TEXT_BACK_BOTTOM = (250, 246, 238)

TITLE_TEXT_ACTIVE = (60, 46, 28)
TITLE_TEXT_INACTIVE = (150, 138, 120)

CONTROL_TEXT = (48, 40, 30)
CONTROL_TEXT_HOT = (22, 92, 80)
CONTROL_TEXT_PRESSED = (30, 24, 16)
TAB_TEXT = (90, 78, 62)
TAB_TEXT_HOT = (30, 24, 16)
STATUS_TEXT = (70, 60, 46)

COLOURS = [
    ("WindowText", (40, 32, 24)), ("ButtonFace", BUTTON_FACE),
    ("Scrollbar", (238, 232, 220)), ("HilightText", WHITE),
    ("Hilight", ACCENT), ("Menubar", (242, 236, 224)),
    ("Menu", MENU_FACE), ("MenuText", CONTROL_TEXT),
    ("ButtonText", CONTROL_TEXT), ("ButtonHilight", WHITE),
    ("Buttonlight", SILVER_1), ("ButtonShadow", (170, 156, 134)),
    ("ButtonDkShadow", OUTLINE), ("MenuBarText", CONTROL_TEXT),
    ("TitleTextActive", TITLE_TEXT_ACTIVE),
    ("TitleTextNoActive", TITLE_TEXT_INACTIVE)]
