"""A skinned dialog with a menu and common controls, for reviewing the look."""

from mockup import Mockup
import palette as P
from parts_caption import caption_layout

INK = (30, 33, 40)


def _ini(section_list, section):
    for name, keys in section_list:
        if name == section:
            return {k.lower(): v for k, v in keys}
    return {}


def _margins(values):
    return tuple(int(values.get(k, 0)) for k in
                 ("leftwidth", "topheight", "rightwidth", "bottomheight"))


def _window(m, sec, x0, y0, w, h, title, active):
    th, b = P.TITLE_HEIGHT, P.BORDER
    frame = 1 if active else 2
    pers = _ini(sec, "Personality")
    m.put(m.nine("left", 2, frame, b, h, (0, int(pers["lefttopheight"]), 0,
                                          int(pers["leftbotheight"]))),
          x0, y0)
    m.put(m.nine("right", 2, frame, b, h, (0, int(pers["righttopheight"]),
                                           0, int(pers["rightbotheight"]))),
          x0 + w - b, y0)
    m.put(m.nine("bottom", 2, frame, w - 2 * b, b,
                  (int(pers["bottomtopheight"]), 0,
                   int(pers["bottombotheight"]), 0), stacked=True),
          x0 + b, y0 + h - b)
    m.put(m.nine("top", 2, frame, w - 2 * b, th,
                  (int(pers["toptopheight"]), 0, int(pers["topbotheight"]),
                   0), stacked=True), x0 + b, y0)
    text_w = 12 * len(title) + 24
    left = x0 + b + P.TEXT_SHIFT
    m.put(m.nine("textback", 2, frame, text_w + 2 * P.TEXT_BACK_CAP, th,
                  (P.TEXT_BACK_CAP, 0, P.TEXT_BACK_CAP, 0), stacked=True),
          left, y0)
    m.text(title, left + P.TEXT_BACK_CAP + 12, y0 + 7,
           P.TITLE_TEXT_ACTIVE if active else P.TITLE_TEXT_INACTIVE)
    m.put(m.window_icon(), x0 + 6, y0 + 5)
    layout = caption_layout()
    for name, state in (("minimize", 1), ("maximize", 3 if active else 4),
                        ("close", 1 if active else 4)):
        m.put(m.cell(name, 4, state), x0 + w - layout[name],
              y0 + P.CAPTION_BUTTON_TOP)


def _menu_bar(m, x, y, w, items, hot):
    m.put(m.nine("menubar", 2, 1, w, P.MENU_BAR_HEIGHT, (4, 0, 4, 0),
                 stacked=True), x, y)
    cx = x + 8
    for i, item in enumerate(items):
        iw = 12 * len(item) + 10
        if i == hot:
            m.fill((255, 255, 255), cx, y, cx + iw, y + 1)
            m.fill((255, 255, 255), cx, y + 17, cx + iw, y + 18)
            m.fill((255, 255, 255), cx, y, cx + 1, y + 18)
            m.fill((255, 255, 255), cx + iw - 1, y, cx + iw, y + 18)
        m.text(item, cx + 5, y + 3, INK)
        cx += iw


def _button(m, sec, x, y, w, h, label, frame, colour=INK):
    m.put(m.nine("buttons", 5, frame, w, h, _margins(_ini(sec, "Buttons"))),
          x, y)
    m.text(label, x + (w - 12 * len(label)) // 2, y + (h - 12) // 2 - 1,
           colour)


def _checks(m, x, y):
    rows = [(1, "显示状态栏"), (5, "自动保存"), (9, "部分选择"),
            (8, "不可用的选项")]
    for i, (frame, label) in enumerate(rows):
        m.put(m.cell("checkbox", 12, frame), x, y + 20 * i)
        m.text(label, x + 17, y + 20 * i, INK if frame != 8 else
               (150, 152, 160))
    for i, (frame, label) in enumerate(((5, "每天"), (1, "每周"), (2, "每月"))):
        m.put(m.cell("radio", 8, frame), x + 120, y + 20 * i)
        m.text(label, x + 137, y + 20 * i, INK)


def _tabs(m, sec, x, y, w, h):
    labels = ["常规", "高级", "关于"]
    tab = _margins(_ini(sec, "Tabs"))
    pane_top = y + 22
    m.put(m.nine("tabpane", 1, 1, w, h - 22, (4, 5, 4, 4)), x, pane_top)
    cx = x + 2
    for i, label in enumerate(labels):
        tw = 12 * len(label) + 18
        frame = 2 if i == 0 else (3 if i == 2 else 1)
        top = y + (0 if frame == 2 else 2)
        m.put(m.nine("tabs", 5, frame, tw, pane_top - top + 1, tab), cx, top)
        m.text(label, cx + 9, top + 5, INK)
        cx += tw


def _combo(m, sec, x, y, w):
    h = 21
    m.put(m.nine("sunkedge", 4, 1, w, h, (2, 2, 2, 2)), x, y)
    m.fill((255, 255, 255), x + 2, y + 2, x + w - 20, y + h - 2)
    m.put(m.nine("combobutton", 4, 1, 18, h, (3, 3, 3, 3)), x + w - 18, y)
    m.put(m.cell("extraimages", 5, 1), x + w - 18 + 3, y + 5)
    m.text("北京市", x + 5, y + 4, INK)


def _list_with_scroll(m, sec, x, y, w, h):
    m.fill((150, 152, 160), x, y, x + w, y + h)
    m.fill((255, 255, 255), x + 1, y + 1, x + w - 1, y + h - 1)
    hb = _margins(_ini(sec, "Headerbar"))
    m.put(m.nine("headerbar", 2, 1, 70, 19, hb), x + 1, y + 1)
    m.put(m.nine("headerbar", 2, 2, 60, 19, hb), x + 71, y + 1)
    m.put(m.nine("headerbar", 2, 1, w - 2 - 16 - 130, 19, hb), x + 131,
          y + 1)
    m.text("名称", x + 8, y + 4, INK)
    m.text("日期", x + 78, y + 4, INK)
    for i, row in enumerate(("账单 2016-06", "账单 2016-05", "账单 2016-04")):
        m.text(row, x + 8, y + 26 + 18 * i, INK)
    sx, sy, sh = x + w - 17, y + 1, h - 2
    track = _margins(_ini(sec, "VertScroll"))
    m.put(m.nine("vscroll", 4, 1, 16, sh - 32, track), sx, sy + 16)
    m.put(m.cell("scrollbar", 23, 9), sx, sy)
    m.put(m.cell("scrollbar", 23, 13), sx, sy + sh - 16)
    thumb = _margins(_ini(sec, "VertScrollThumb"))
    m.put(m.nine("vthumb", 3, 3, 16, 40, thumb), sx, sy + 24)
    m.put(m.cell("scrollbar", 23, 22), sx, sy + 24 + 12)


def _progress(m, sec, x, y, w, h, fraction):
    m.put(m.nine("progress", 1, 1, w, h, (4, 4, 4, 4)), x, y)
    chunk_w, chunk_h = P.CHUNK_SIZE
    filled = int(w * fraction)
    cx = x + 2
    while cx < x + filled:
        m.put(m.cell("progresschunk", 1, 1), cx, y + (h - chunk_h) // 2)
        cx += chunk_w


def _track_bar(m, x, y, w):
    m.put(m.nine("track", 1, 1, w, 5, (3, 0, 3, 0)), x, y + 8)
    m.put(m.cell("thumbdown", 5, 2), x + w // 3, y)
    for i in range(0, w + 1, w // 8):
        m.fill((150, 152, 160), x + i, y + 24, x + i + 1, y + 28)


def _updown(m, x, y):
    m.fill((150, 152, 160), x, y, x + 60, y + 21)
    m.fill((255, 255, 255), x + 1, y + 1, x + 59, y + 20)
    m.text("12", x + 5, y + 4, INK)
    m.put(m.cell("updownvert", 8, 1, 16, 10), x + 42, y + 1)
    m.put(m.cell("updownvert", 8, 6, 16, 9), x + 42, y + 11)
    m.put(m.cell("updownvertglyph", 8, 1), x + 46, y + 4)
    m.put(m.cell("updownvertglyph", 8, 6), x + 46, y + 14)


def _status(m, sec, x, y, w):
    m.fill(P.BUTTON_FACE, x, y, x + w, y + 20)
    m.put(m.nine("statusbar", 3, 1, 180, 20, (2, 2, 2, 2)), x, y)
    m.put(m.nine("statusbar", 3, 1, w - 180, 20, (2, 2, 2, 2)), x + 180, y)
    m.text("就绪", x + 6, y + 4, (40, 44, 52))
    m.text("用户名称：匿名登录", x + 186, y + 4, (40, 44, 52))
    m.put(m.cell("extraimages", 5, 5), x + w - 12, y + 8)


def _popup(m, x, y):
    items = ["打开", "-", "保存", "另存为…", "-", "退出"]
    w, h = 150, 6 + sum(9 if i == "-" else 22 for i in items)
    m.put(m.nine("menubackground", 1, 1, w, h, (26, 3, 3, 3)), x, y)
    cy = y + 3
    for i, item in enumerate(items):
        if item == "-":
            m.put(m.nine("menuitem", 5, 2, w - 6, 9, (4, 0, 4, 0),
                         bottom_rows=9), x + 3, cy)
            cy += 9
            continue
        selected = i == 2
        if selected:
            m.put(m.nine("menuitem", 5, 4, w - 6, 22, (4, 4, 4, 4)), x + 3,
                  cy)
        m.text(item, x + 30, cy + 5, (255, 255, 255) if selected else INK)
        cy += 22


def render(skin_dir, by_part, sec, workdir, out_path):
    m = Mockup(skin_dir, workdir, 720, 420)
    x0, y0, w, h = 20, 20, 470, 370
    _window(m, sec, x0, y0, w, h, "系统设置", True)
    cx, cy = x0 + P.BORDER, y0 + P.TITLE_HEIGHT
    _menu_bar(m, cx, cy, w - 2 * P.BORDER, ["文件", "编辑", "查看", "帮助"], 1)
    cy += P.MENU_BAR_HEIGHT
    cw, ch = w - 2 * P.BORDER, h - P.TITLE_HEIGHT - P.MENU_BAR_HEIGHT - \
        P.BORDER
    m.fill(P.BUTTON_FACE, cx, cy, cx + cw, cy + ch)
    _tabs(m, sec, cx + 10, cy + 10, 250, 130)
    _checks(m, cx + 22, cy + 44)
    _combo(m, sec, cx + 275, cy + 14, 170)
    _updown(m, cx + 275, cy + 44)
    _track_bar(m, cx + 345, cy + 42, 100)
    _list_with_scroll(m, sec, cx + 10, cy + 150, 250, 110)
    _progress(m, sec, cx + 275, cy + 80, 170, 18, 0.62)
    for i, (label, frame) in enumerate((("确定", 5), ("取消", 4),
                                        ("应用", 3), ("帮助", 1))):
        _button(m, sec, cx + 275 + 87 * (i % 2), cy + 120 + 34 * (i // 2),
                80, 25, label, frame,
                (150, 152, 160) if frame == 3 else INK)
    _status(m, sec, cx, cy + ch - 20, cw)
    _window(m, sec, 510, 250, 190, 150, "提示信息", False)
    m.fill(P.BUTTON_FACE, 514, 276, 696, 396)
    m.text("您确认要退出些系统？", 530, 300, INK)
    _button(m, sec, 530, 350, 70, 25, "是", 5)
    _button(m, sec, 610, 350, 70, 25, "否", 1)
    _popup(m, 530, 30)
    return m.render(out_path)
