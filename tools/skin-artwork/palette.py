"""Parameters of the "tesmera-metallic" look: colours, radii and sizes.

Change a value here and run generate.py to retune the whole skin.
"""

SKIN_NAME = "tesmera-metallic"
DESCRIPTION = "a silver-metallic skin for Brellis"
PALETTE_FILE = "palette.py"
README_LOOK = [
    "A silver-metallic skin: graded silver frames with a dark outline",
    "and a thin highlight, rounded top corners, a brushed caption strip,",
    "small rounded caption buttons, glossy controls and a steel-blue",
    "accent for focus, selection and progress.",
]

# Neutral silver scale, light to dark.
WHITE = (255, 255, 255)
SILVER_0 = (252, 252, 253)
SILVER_1 = (242, 242, 245)
SILVER_2 = (232, 232, 236)
SILVER_3 = (218, 219, 224)
SILVER_4 = (204, 205, 211)
SILVER_5 = (186, 188, 195)
SILVER_6 = (160, 163, 171)
STEEL = (120, 124, 134)
OUTLINE = (96, 100, 111)
OUTLINE_SOFT = (140, 144, 153)
OUTLINE_INACTIVE = (150, 153, 160)
INK = (38, 42, 50)
INK_SOFT = (76, 80, 90)
INK_DISABLED = (160, 162, 168)
OUTLINE_DISABLED = (188, 190, 196)
OUTLINE_DISABLED_BUTTON = (184, 186, 192)
OUTLINE_CAPTION_INACTIVE = (178, 180, 186)
MENU_FACE = (250, 250, 252)

# Accent used for focus, selection and progress.
ACCENT = (66, 112, 176)
ACCENT_LIGHT = (124, 168, 224)
ACCENT_DARK = (40, 76, 132)
ACCENT_PALE = (206, 222, 242)

# Close button when hovered and pressed.
ALERT = (214, 72, 58)
ALERT_LIGHT = (240, 128, 112)
ALERT_DARK = (160, 40, 30)

# The face colour of every skinned window and control.
BUTTON_FACE = (224, 223, 227)

# Window frame.
TITLE_HEIGHT = 26
BORDER = 4
CORNER_RADIUS = 7
BOTTOM_RADIUS = 0        # 0: square bottom corners, the Bottom side opaque
TITLE_END = 8            # unscaled columns at each end of the title picture
FRAME_TEMPLATE_WIDTH = BORDER * 2 + 64
FRAME_TEMPLATE_MIDDLE = 10

TITLE_ACTIVE = [(0.0, (251, 251, 253)), (0.46, (230, 231, 236)),
                (0.54, (216, 218, 225)), (1.0, (226, 227, 233))]
TITLE_INACTIVE = [(0.0, (248, 248, 249)), (0.5, (238, 238, 241)),
                  (1.0, (228, 228, 232))]

# Caption buttons: cell size, place from the right (or left) edge, spacing.
CAPTION_BUTTON = (21, 18)
CAPTION_BUTTON_TOP = 4
CAPTION_BUTTON_RIGHT = 6
CAPTION_BUTTONS_LEFT = False  # True: close first from the left edge, Align 0
CAPTION_BUTTON_GAP = 2
CAPTION_BUTTON_RADIUS = 3

# Caption text layout.
TEXT_SHIFT = 20
TEXT_RIGHT_CLIP = 82
TEXT_BACK_CAP = 8
TEXT_BACK_TOP = (236, 237, 241)
TEXT_BACK_TOP_INACTIVE = (240, 240, 243)
TEXT_BACK_BOTTOM = (250, 250, 252)
TEXT_BACK_HIGHLIGHT = WHITE
TEXT_ALIGNMENT = 0       # 0 left, 1 centre, 2 right

# Menu bar height follows the platform's menu metric.
MENU_BAR_HEIGHT = 19

# Controls.
BUTTON_SIZE = (28, 24)
BUTTON_RADIUS = 3
BUTTON_MARGIN = 5
GLYPH_CELL = 13
SCROLL_CELL = 16
THUMB_LENGTH = 24
TAB_SIZE = (24, 22)
TAB_RADIUS = 3
COMBO_BUTTON = (18, 21)
SUNK_EDGE = (20, 21)
EXTRA_CELL = 11
HEADER_SIZE = (24, 20)
MENU_ITEM_SIZE = (32, 20)
PROGRESS_SIZE = (32, 18)
CHUNK_SIZE = (10, 11)
TRACK_THUMB = (11, 21)

# Text colours written to the INI.
TITLE_TEXT_ACTIVE = (30, 34, 42)
TITLE_TEXT_INACTIVE = (128, 131, 140)

# Text colours of controls written to the INI.
CONTROL_TEXT = (30, 33, 40)
CONTROL_TEXT_HOT = (22, 52, 100)
CONTROL_TEXT_PRESSED = (16, 18, 24)
TAB_TEXT = (64, 68, 78)
TAB_TEXT_HOT = (20, 24, 32)
STATUS_TEXT = (40, 44, 52)

# The skin's "Colours" section, in the loader's order.
COLOURS = [
    ("WindowText", (24, 26, 32)), ("ButtonFace", BUTTON_FACE),
    ("Scrollbar", (232, 232, 236)), ("HilightText", WHITE),
    ("Hilight", ACCENT), ("Menubar", (236, 236, 240)),
    ("Menu", MENU_FACE), ("MenuText", CONTROL_TEXT),
    ("ButtonText", CONTROL_TEXT), ("ButtonHilight", WHITE),
    ("Buttonlight", SILVER_1), ("ButtonShadow", (150, 152, 160)),
    ("ButtonDkShadow", OUTLINE), ("MenuBarText", CONTROL_TEXT),
    ("TitleTextActive", TITLE_TEXT_ACTIVE),
    ("TitleTextNoActive", TITLE_TEXT_INACTIVE)]
