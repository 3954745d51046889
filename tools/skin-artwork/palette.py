"""Parameters of the "tesmera-metallic" look: colours, radii and sizes.

Change a value here and run generate.py to retune the whole skin.
"""

SKIN_NAME = "tesmera-metallic"

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
TITLE_END = 8            # unscaled columns at each end of the title picture
FRAME_TEMPLATE_WIDTH = BORDER * 2 + 64
FRAME_TEMPLATE_MIDDLE = 10

TITLE_ACTIVE = [(0.0, (251, 251, 253)), (0.46, (230, 231, 236)),
                (0.54, (216, 218, 225)), (1.0, (226, 227, 233))]
TITLE_INACTIVE = [(0.0, (248, 248, 249)), (0.5, (238, 238, 241)),
                  (1.0, (228, 228, 232))]

# Caption buttons: cell size, place from the right edge, spacing.
CAPTION_BUTTON = (21, 18)
CAPTION_BUTTON_TOP = 4
CAPTION_BUTTON_RIGHT = 6
CAPTION_BUTTON_GAP = 2
CAPTION_BUTTON_RADIUS = 3

# Caption text layout.
TEXT_SHIFT = 20
TEXT_RIGHT_CLIP = 82
TEXT_BACK_CAP = 8

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
