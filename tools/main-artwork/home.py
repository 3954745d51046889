"""The home screen: banner, service tiles, notices and the support card.

Everything is placed in client coordinates and moved up by the header's
height, because the picture is shown at client y = 107.
"""

import os

import elements as E
import params as M
from compose import vertical_gradient, lattice_layer, place, text_image
from magick import Frame, hex_colour, run, lighten, image_size

NOTICES = [("平台服务升级通知", "06-16"), ("新版客户端发布说明", "06-10"),
           ("关于账户安全的温馨提示", "05-28"), ("端午节服务时间安排", "05-20")]


def _y(client_y):
    return client_y - M.HOME_TOP


def _shadow(x0, y0, x1, y1, strength, blur):
    """IM arguments laying a soft shadow under a rounded rectangle."""
    return ["(", "+clone", "-alpha", "transparent", "-fill",
            "rgba(40,50,70,%.2f)" % strength, "-draw",
            "roundrectangle %d,%d %d,%d 8,8" % (x0 + 1, y0 + 3, x1 + 1,
                                                 y1 + 2),
            "-channel", "A", "-blur", "0x%s" % blur, "+channel", ")",
            "-geometry", "+0+0", "-compose", "Over", "-composite"]


def _card(args, x0, y0, x1, y1, fill=(255, 255, 255)):
    """A white card with a one-pixel border and a soft shadow."""
    args += _shadow(x0, y0, x1, y1, 0.16, 3)
    args += ["-fill", hex_colour(M.CARD_BORDER), "-stroke", "none", "-draw",
             "roundrectangle %d,%d %d,%d 8,8" % (x0, y0, x1, y1),
             "-fill", hex_colour(fill), "-draw",
             "roundrectangle %d,%d %d,%d 7,7" % (x0 + 1, y0 + 1, x1 - 1,
                                                  y1 - 1)]


def _heading(work, args, name, text, x, y):
    args += ["-fill", hex_colour(M.ACCENT), "-draw",
             "rectangle %d,%d %d,%d" % (x, y + 3, x + 2, y + 16)]
    heading = text_image(work, name, text, M.HEADING_FONT, 15, M.INK)
    args += place(heading, x + 9, y)


def _banner(work, args, w):
    x0, y0, x1, y1 = 24, 14, w - 24, 80
    bw, bh = x1 - x0, y1 - y0
    banner = os.path.join(work, "banner.png")
    run(["(", "-size", "%dx%d" % (bh, bw),
         "gradient:%s-%s" % (hex_colour(M.ACCENT_DARK),
                             hex_colour(lighten(M.ACCENT, 0.18))),
         "-rotate", "-90", ")"] +
        lattice_layer(bw, bh, bw - 420, bw, 16, (255, 255, 255), 0.22) +
        ["(", "-size", "%dx%d" % (bw, bh), "xc:black", "-fill", "white",
         "-draw", "roundrectangle 0,0 %d,%d 8,8" % (bw - 1, bh - 1), ")",
         "-alpha", "off", "-compose", "CopyOpacity", "-composite", banner])
    args += place(banner, x0, y0)
    title = text_image(work, "banner-title.png",
                       "欢迎使用 Brellis 综合服务平台", M.HEADING_FONT, 22,
                       (255, 255, 255))
    args += place(title, x0 + 24, y0 + 9)
    sub = text_image(work, "banner-sub.png",
                     "一站式办理各项业务   安全 · 便捷 · 高效",
                     M.HEADING_FONT, 13, (214, 228, 246))
    args += place(sub, x0 + 26, y0 + 41)


def _tiles(work, args):
    for name, (x, y, w, h), _, label, glyph, colour in M.TILES:
        args += _shadow(x, _y(y), x + w - 1, _y(y) + h, 0.20, 2.5)
        card = E.tile(work, name, label, glyph, colour, (w, h))
        args += place(card, x, _y(y))


def _titled_card(work, args, name, title, box, fill=(255, 255, 255),
                 rule=True):
    """A card with a heading and, below it, a thin rule."""
    x0, y0, x1, _ = box
    _card(args, *box, fill=fill)
    _heading(work, args, name + "-heading.png", title, x0 + 14, y0 + 12)
    if rule:
        args += ["-fill", "#E3E6EC", "-draw",
                 "line %d,%d %d,%d" % (x0 + 14, y0 + 40, x1 - 14, y0 + 40)]


def _tip(work, args):
    x0, y0 = 480, _y(450)
    _titled_card(work, args, "tip", "温馨提示", (x0, y0, 702, _y(526)),
                 fill=(250, 251, 253), rule=False)
    for i, line in enumerate(("请妥善保管您的账户与密码，",
                              "如有疑问请联系在线客服。")):
        text = text_image(work, "tip%d.png" % i, line, M.SONG_FONT, 12,
                          M.INK_SOFT)
        args += place(text, x0 + 24, y0 + 38 + 18 * i)


def _notices(work, args):
    x0, y0, x1, y1 = 738, 88, 980, 250
    _titled_card(work, args, "notice", "系统公告", (x0, y0, x1, y1))
    for i, (title, date) in enumerate(NOTICES):
        y = y0 + 52 + 26 * i
        args += ["-fill", hex_colour(M.ACCENT), "-draw",
                 "rectangle %d,%d %d,%d" % (x0 + 18, y + 7, x0 + 20, y + 9)]
        text = text_image(work, "notice%d.png" % i, title, M.SONG_FONT, 12,
                          M.INK)
        args += place(text, x0 + 28, y)
        day = text_image(work, "date%d.png" % i, date, M.LATIN, 10,
                         (140, 146, 158))
        dw, _ = image_size(day)
        args += place(day, x1 - 16 - dw, y + 2)


def _support(work, args):
    x0, y0, x1, y1 = 738, 262, 980, 436
    _titled_card(work, args, "support", "客服中心", (x0, y0, x1, y1))
    badge = Frame(44, 44)
    E.badge(badge, 22, 22, 21, (28, 140, 118), "service", 26)
    args += place(badge.render(os.path.join(work, "support-badge.png"),
                               keyed=False), x0 + 20, y0 + 54)
    lines = [("服务时间", 13, M.INK), ("每天 8:00 - 22:00", 12, M.INK_SOFT)]
    for i, (line, size, colour) in enumerate(lines):
        text = text_image(work, "support-line%d.png" % i, line,
                          M.HEADING_FONT, size, colour)
        args += place(text, x0 + 74, y0 + 56 + 20 * i)
    _, (sx, sy, sw, sh) = M.SUPPORT_SPOT
    args += place(E.support_button(work, sw, sh), sx, _y(sy))
    hint = text_image(work, "support-hint.png", "专业客服在线为您解答",
                      M.SONG_FONT, 12, (130, 136, 148))
    hw, _ = image_size(hint)
    args += place(hint, sx + sw // 2 - hw // 2, _y(sy) + sh + 12)


def home(work, out_path):
    w, h = M.HOME_SIZE
    args = vertical_gradient(w, h, [(0, (241, 243, 247)),
                                    (1, (228, 231, 237))])
    _banner(work, args, w)
    _tiles(work, args)
    _tip(work, args)
    _notices(work, args)
    _support(work, args)
    args += ["-fill", "#D3D7DF", "-draw", "line 24,518 %d,518" % (w - 25),
             "-fill", "#FFFFFF", "-draw", "line 24,519 %d,519" % (w - 25)]
    foot = text_image(work, "footer.png",
                      "版权所有 © 2016 Brellis   综合服务平台客户端",
                      M.SONG_FONT, 12, (130, 136, 148))
    fw, _ = image_size(foot)
    args += place(foot, (w - 1) // 2 - fw // 2, 530)
    run(args + ["-quality", str(M.JPEG_QUALITY), "-sampling-factor", "1x1",
                "-strip", out_path])
    return out_path
