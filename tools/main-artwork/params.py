"""Sizes, hot spots, tiles and colours of the main window's pictures."""

HEADER_SIZE = (1000, 107)
HOME_SIZE = (1000, 572)
HOME_TOP = 107            # client y at which the home picture is shown
STATUS_SIZE = (803, 25)
WINDOW_SIZE = (999, 697)
STATUS_TOP = 672
JPEG_QUALITY = 92

HEADING_FONT = "WenQuanYi-Zen-Hei"
SONG_FONT = "AR-PL-UMing-CN"
LATIN_BOLD = "DejaVu-Sans-Bold"
LATIN = "DejaVu-Sans"

# Hot spots of the header, in client coordinates (x, y, w, h).
HEADER_SPOTS = {
    "Image4": (16, 24, 233, 57),
    "Image_First": (266, 30, 48, 68),
    "Image3": (338, 30, 56, 68),
    "Image19": (423, 30, 40, 68),
    "Image5": (912, 0, 37, 33),
    "Image_Close": (952, 0, 49, 33),
}
SUPPORT_SPOT = ("Image11", (816, 474, 77, 21))

# Navigation icons of the header: hot spot, label, glyph, service number.
NAVIGATION = [
    ("Image_First", "首页", "home", None),
    ("Image3", "账户中心", "account", 16),
    ("Image19", "公告", "notice", 25),
]

# Home-screen tiles: control, client rectangle, service number, label,
# glyph, badge colour.
TILES = [
    ("Image2", (38, 202, 75, 76), 10, "在线缴费", "payment", (46, 116, 196)),
    ("Image6", (187, 202, 75, 76), 11, "账单查询", "bill", (30, 146, 150)),
    ("Image7", (340, 202, 75, 76), 12, "业务办理", "business", (226, 128, 44)),
    ("Image8", (480, 202, 75, 76), 13, "订单管理", "orders", (64, 156, 92)),
    ("Image9", (627, 203, 75, 76), 14, "数据报表", "report", (116, 88, 178)),
    ("Image10", (38, 327, 75, 76), 15, "消息通知", "message", (206, 78, 72)),
    ("Image13", (187, 328, 75, 76), 21, "资料下载", "download", (36, 148, 200)),
    ("Image14", (340, 328, 75, 76), 22, "安全中心", "security", (68, 92, 168)),
    ("Image15", (480, 327, 75, 76), 26, "积分商城", "mall", (200, 80, 128)),
    ("Image16", (627, 328, 75, 76), 23, "统计分析", "statistics",
     (206, 154, 36)),
    ("Image12", (38, 450, 75, 76), 18, "客户服务", "service", (28, 140, 118)),
    ("Image17", (187, 451, 75, 76), 20, "设备管理", "device", (92, 110, 132)),
    ("Image18", (340, 451, 75, 76), 19, "系统设置", "settings", (110, 118, 136)),
]

# Labels drawn over the status strip at run time (client x, text).
STATUS_LABELS = [(18, "软件版本： V 2016-06-16 08:40"),
                 (232, "用户名称：匿名登录")]

# Colours.
ACCENT = (66, 112, 176)
ACCENT_LIGHT = (124, 168, 224)
ACCENT_DARK = (38, 72, 126)
INK = (34, 38, 48)
INK_SOFT = (96, 102, 116)
CARD_BORDER = (212, 216, 224)
CLOSE = (204, 74, 62)
