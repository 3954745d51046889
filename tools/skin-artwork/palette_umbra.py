"""Parameters of the "umbra" look: the metallic skin's shapes in graphite.

Starts from palette.py and changes the colours only: a near-black frame
and caption, slate controls, light glyphs and text, an amber accent.
"""

from palette import *  # noqa: F401,F403

SKIN_NAME = "umbra"
DESCRIPTION = "a dark graphite skin for Brellis"
PALETTE_FILE = "palette_umbra.py"
README_LOOK = [
    "A dark skin: near-black graphite frames and caption with a faint",
    "cool highlight, rounded top corners, slate controls with light glyphs",
    "and text, and an amber accent for focus, selection and progress.",
]

# Graphite scale, light to dark; "white" is the scale's highlight.
WHITE = (150, 156, 168)
SILVER_0 = (122, 128, 140)
SILVER_1 = (106, 112, 124)
SILVER_2 = (92, 97, 108)
SILVER_3 = (76, 80, 90)
SILVER_4 = (62, 66, 75)
SILVER_5 = (50, 53, 61)
SILVER_6 = (40, 42, 49)
STEEL = (176, 182, 194)
OUTLINE = (14, 15, 18)
OUTLINE_SOFT = (28, 30, 35)
OUTLINE_INACTIVE = (40, 42, 48)
INK = (232, 234, 240)
INK_SOFT = (200, 204, 212)
INK_DISABLED = (118, 122, 132)
OUTLINE_DISABLED = (70, 73, 81)
OUTLINE_DISABLED_BUTTON = (66, 69, 77)
OUTLINE_CAPTION_INACTIVE = (54, 56, 63)
MENU_FACE = (58, 61, 69)

ACCENT = (222, 148, 44)
ACCENT_LIGHT = (246, 190, 104)
ACCENT_DARK = (160, 98, 20)
ACCENT_PALE = (96, 80, 58)

ALERT = (196, 58, 48)
ALERT_LIGHT = (230, 104, 90)
ALERT_DARK = (128, 28, 22)

BUTTON_FACE = (84, 89, 99)

TITLE_ACTIVE = [(0.0, (64, 68, 78)), (0.46, (44, 47, 55)),
                (0.54, (36, 38, 45)), (1.0, (42, 45, 52))]
TITLE_INACTIVE = [(0.0, (70, 73, 81)), (0.5, (60, 63, 70)),
                  (1.0, (54, 57, 64))]

TEXT_BACK_TOP = (30, 32, 38)
TEXT_BACK_TOP_INACTIVE = (48, 50, 57)
TEXT_BACK_BOTTOM = (52, 55, 63)
TEXT_BACK_HIGHLIGHT = (86, 91, 102)

TITLE_TEXT_ACTIVE = (240, 198, 128)
TITLE_TEXT_INACTIVE = (140, 144, 152)

CONTROL_TEXT = (236, 238, 242)
CONTROL_TEXT_HOT = (250, 206, 136)
CONTROL_TEXT_PRESSED = (255, 255, 255)
TAB_TEXT = (200, 204, 212)
TAB_TEXT_HOT = (250, 206, 136)
STATUS_TEXT = (220, 224, 230)

COLOURS = [
    ("WindowText", (16, 17, 20)), ("ButtonFace", BUTTON_FACE),
    ("Scrollbar", (70, 74, 83)), ("HilightText", (20, 16, 8)),
    ("Hilight", ACCENT), ("Menubar", (48, 51, 58)),
    ("Menu", MENU_FACE), ("MenuText", CONTROL_TEXT),
    ("ButtonText", CONTROL_TEXT), ("ButtonHilight", (132, 138, 150)),
    ("Buttonlight", SILVER_1), ("ButtonShadow", (44, 46, 53)),
    ("ButtonDkShadow", OUTLINE), ("MenuBarText", CONTROL_TEXT),
    ("TitleTextActive", TITLE_TEXT_ACTIVE),
    ("TitleTextNoActive", TITLE_TEXT_INACTIVE)]
