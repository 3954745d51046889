"""Service icons drawn on a 24-unit grid, placed and scaled by a Pen.

Each glyph function draws white shapes into a pen; "cut" shapes punch holes
through the glyph so that the badge colour shows.
"""

import math


class Pen:
    """Maps the 24-unit design grid onto a square of the frame."""

    GRID = 24.0

    def __init__(self, shape, x0, y0, size):
        self.shape = shape
        self.x0, self.y0, self.k = x0, y0, size / self.GRID

    def _pt(self, x, y):
        return (self.x0 + x * self.k, self.y0 + y * self.k)

    def box(self, x0, y0, x1, y1, cut=False):
        a, b = self._pt(x0, y0)
        c, d = self._pt(x1, y1)
        self.shape.polygon([(a, b), (c, b), (c, d), (a, d)], cut)

    def rbox(self, x0, y0, x1, y1, r, cut=False):
        a, b = self._pt(x0, y0)
        c, d = self._pt(x1, y1)
        self.shape.rrect(a, b, c, d, r * self.k, cut)

    def circle(self, cx, cy, r, cut=False):
        x, y = self._pt(cx, cy)
        self.shape.circle(x, y, r * self.k, cut)

    def ellipse(self, cx, cy, rx, ry, cut=False):
        x, y = self._pt(cx, cy)
        self.shape.ellipse(x, y, rx * self.k, ry * self.k, cut)

    def poly(self, points, cut=False):
        self.shape.polygon([self._pt(x, y) for x, y in points], cut)

    def line(self, points, width, cut=False, cap="round"):
        self.shape.stroke([self._pt(x, y) for x, y in points],
                          width * self.k, cut, cap=cap)

    def arc(self, cx, cy, r, a0, a1, width, cut=False):
        x, y = self._pt(cx, cy)
        self.shape.arc(x, y, r * self.k, a0, a1, width * self.k, cut)


def home(p):
    p.poly([(12, 3.2), (21.5, 11.6), (18.6, 11.6), (18.6, 20.5),
            (5.4, 20.5), (5.4, 11.6), (2.5, 11.6)])
    p.box(10.2, 14.2, 13.8, 20.5, cut=True)


def account(p):
    p.ellipse(12, 21.2, 7.8, 7.4)
    p.box(0, 20.4, 24, 24, cut=True)
    p.circle(12, 8.4, 6.0, cut=True)
    p.circle(12, 8.4, 4.4)


def notice(p):
    p.poly([(3.5, 9.6), (8.8, 9.6), (15.8, 5.0), (15.8, 19.0), (8.8, 14.4),
            (3.5, 14.4)])
    p.poly([(6.0, 14.4), (9.2, 14.4), (10.4, 19.6), (7.2, 19.6)])
    p.arc(15.5, 12, 4.2, -45, 45, 1.7)
    p.arc(15.5, 12, 7.2, -40, 40, 1.7)


def payment(p):
    p.rbox(2.8, 5.6, 21.2, 18.4, 2.2)
    p.box(2.8, 8.6, 21.2, 11.0, cut=True)
    p.box(5.4, 13.6, 10.6, 15.4, cut=True)


def bill(p):
    p.poly([(5, 2.8), (14.2, 2.8), (19, 7.6), (19, 21.2), (5, 21.2)])
    p.poly([(14.2, 2.8), (14.2, 7.6), (19, 7.6)], cut=True)
    p.poly([(14.9, 3.9), (17.9, 6.9), (14.9, 6.9)])
    for y0, x1 in ((10.2, 16), (13.6, 16), (17.0, 12.6)):
        p.box(7.8, y0, x1, y0 + 1.6, cut=True)


def business(p):
    p.rbox(2.8, 7.6, 21.2, 20.2, 2.2)
    p.rbox(8.4, 4.0, 15.6, 9.0, 1.6)
    p.rbox(10.0, 5.6, 14.0, 9.0, 0.6, cut=True)
    p.box(2.8, 12.4, 21.2, 13.6, cut=True)
    p.rbox(10.4, 11.2, 13.6, 14.8, 0.8)


def orders(p):
    p.rbox(4.6, 4.6, 19.4, 21.4, 2.2)
    p.rbox(8.6, 2.6, 15.4, 6.8, 1.2)
    p.rbox(9.8, 4.6, 14.2, 6.8, 0.4, cut=True)
    p.line([(8.4, 13.6), (11.0, 16.2), (15.8, 10.6)], 2.0, cut=True)


def report(p):
    p.box(4.6, 12.6, 8.0, 19.0)
    p.box(10.3, 7.6, 13.7, 19.0)
    p.box(16.0, 3.8, 19.4, 19.0)
    p.box(3.2, 19.8, 20.8, 21.4)


def message(p):
    p.rbox(2.8, 5.6, 21.2, 18.4, 1.8)
    p.line([(3.6, 6.8), (12, 13.2), (20.4, 6.8)], 1.7, cut=True)


def download(p):
    p.box(10.6, 3.0, 13.4, 11.0)
    p.poly([(6.2, 10.0), (17.8, 10.0), (12, 16.2)])
    p.line([(4, 15.4), (4, 20.2), (20, 20.2), (20, 15.4)], 2.2)


def security(p):
    p.poly([(12, 2.6), (19.8, 5.6), (19.6, 11.6), (18.0, 15.6), (15.2, 18.8),
            (12, 21.2), (8.8, 18.8), (6.0, 15.6), (4.4, 11.6), (4.2, 5.6)])
    p.line([(8.4, 11.8), (11.0, 14.4), (15.8, 8.8)], 2.0, cut=True)


def mall(p):
    p.box(3.4, 8.2, 20.6, 11.8)
    p.box(4.8, 12.8, 19.2, 20.8)
    p.box(10.9, 8.2, 13.1, 20.8, cut=True)
    p.circle(9.2, 5.8, 2.4)
    p.circle(14.8, 5.8, 2.4)
    p.circle(9.2, 5.8, 1.0, cut=True)
    p.circle(14.8, 5.8, 1.0, cut=True)


def statistics(p):
    p.line([(4, 3.8), (4, 20), (20.6, 20)], 1.9)
    p.line([(7.2, 15.8), (10.6, 11.2), (13.8, 13.8), (19.2, 7.0)], 2.0)
    for x, y in ((7.2, 15.8), (10.6, 11.2), (13.8, 13.8), (19.2, 7.0)):
        p.circle(x, y, 1.7)


def service(p):
    p.arc(12, 13, 7.6, 180, 360, 2.0)
    p.rbox(3.0, 12.2, 7.8, 19.4, 1.8)
    p.rbox(16.2, 12.2, 21.0, 19.4, 1.8)
    p.line([(18.6, 19.2), (18.6, 20.6), (14.6, 21.4)], 1.4)
    p.circle(13.6, 21.4, 1.5)


def device(p):
    p.rbox(2.8, 3.6, 21.2, 16.4, 1.8)
    p.rbox(4.8, 5.6, 19.2, 14.4, 0.6, cut=True)
    p.box(10.6, 16.4, 13.4, 19.0)
    p.rbox(7.0, 18.8, 17.0, 20.8, 0.8)


def settings(p):
    teeth = 8
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        ca, sa = math.cos(a), math.sin(a)
        corners = []
        for r, half in ((5.4, 1.9), (9.4, 1.5), (9.4, -1.5), (5.4, -1.9)):
            corners.append((12 + r * ca - half * sa, 12 + r * sa + half * ca))
        p.poly(corners)
    p.circle(12, 12, 6.6)
    p.circle(12, 12, 2.8, cut=True)


def chat(p):
    p.rbox(2.0, 3.0, 22.0, 16.6, 4.0)
    p.poly([(6.0, 15.6), (6.0, 21.2), (11.6, 15.6)])
    for x in (7.6, 12.0, 16.4):
        p.circle(x, 9.8, 1.5, cut=True)
