#!/usr/bin/env python3
"""Checks a skin folder: INI vocabulary, picture files and frame counts.

Usage: check.py SKIN_FOLDER
Prints one line per problem and exits 1 when there is any.
"""

import os
import re
import struct
import sys

sys.dont_write_bytecode = True

import vocabulary as V

KEY = (255, 0, 255)

# Frame counts that the loader fixes or reads, per section and picture key.
FIXED_FRAMES = {
    ("buttons", "bitmap"): 5, ("tabs", "image"): 5, ("toolbars", "image"): 5,
    ("statusbaredges", "image"): 3, ("tab.pane", "image"): 1,
    ("groupbox", "image"): 1, ("groupboxedge", "image"): 2,
    ("combobutton", "image"): 4, ("sunkedge", "image"): 4,
    ("extraimages", "image"): 5, ("menuitem", "image"): 5,
    ("menubackground", "image"): 1, ("scrollbar", "image"): 23,
    ("horzscroll", "image"): 4, ("vertscroll", "image"): 4,
    ("updown.horz", "image"): 8, ("updown.vert", "image"): 8,
    ("updown.horz", "glyphimage"): 8, ("updown.vert", "glyphimage"): 8,
    ("mdicontrols", "image"): 12, ("tabs", "border"): 1,
    ("personality", "textback"): 2, ("personality", "menubar"): 2,
}
STACKED = {("personality", "top"), ("personality", "bottom"),
           ("personality", "textback"), ("personality", "menubar")}
# Pictures drawn opaquely whatever their Trans value says.
ALWAYS_OPAQUE = {("personality", "menubar"), ("headerbar", "image"),
                 ("tab.pane", "image"), ("tabs", "border"),
                 ("statusbaredges", "image"), ("menubackground", "image"),
                 ("track", "image"), ("trackvert", "image")}


# Pictures whose Trans value decides between opaque and keyed drawing; the
# others not listed in ALWAYS_OPAQUE are always drawn with the key colour.
HONOURS_TRANS = {("horzscroll", "image"), ("vertscroll", "image"),
                 ("horzscrollthumb", "image"), ("vertscrollthumb", "image"),
                 ("buttons", "bitmap"), ("tabs", "image"),
                 ("toolbars", "image"), ("sunkedge", "image"),
                 ("menuitem", "image"), ("groupboxedge", "image"),
                 ("groupbox", "image")}


def parse_ini(text):
    sections = []
    for raw in re.split(r"\r\n", text):
        line = raw.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            sections.append((line[1:-1], []))
        elif "=" in line and sections:
            k, v = line.split("=", 1)
            sections[-1][1].append((k.strip(), v.strip()))
        else:
            sections.append(("", [(line, "")]))
    return sections


def read_bmp(path):
    """Answers (width, height, pixels) of a 24-bit bottom-up BMP or raises."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError("not a BMP")
    offset, = struct.unpack_from("<I", data, 10)
    size, w, h, planes, bpp, compression = struct.unpack_from(
        "<IiiHHI", data, 14)
    if size != 40:
        raise ValueError("info header of %d bytes, 40 expected" % size)
    if planes != 1 or bpp != 24 or compression != 0:
        raise ValueError("%d bits, compression %d; 24-bit uncompressed "
                         "expected" % (bpp, compression))
    if h <= 0:
        raise ValueError("top-down rows; bottom-up expected")
    stride = (w * 3 + 3) & ~3
    if len(data) < offset + stride * h:
        raise ValueError("pixel data truncated")
    pixels = []
    for row in range(h):
        base = offset + (h - 1 - row) * stride
        pixels.append([tuple(data[base + 3 * x + 2 - c] for c in range(3))
                       for x in range(w)])
    return w, h, pixels


def check(folder):
    problems = []
    inis = [n for n in os.listdir(folder) if n.endswith(".ini")]
    if len(inis) != 1:
        return ["expected one INI file, found %d" % len(inis)]
    with open(os.path.join(folder, inis[0]), "rb") as f:
        raw = f.read()
    text = raw.decode("ascii")
    if re.search(r"(?<!\r)\n|\r(?!\n)", text):
        problems.append("%s: line breaks are not all CR LF" % inis[0])
    sections = parse_ini(text)
    seen = set()
    referenced = {}
    for name, keys in sections:
        allowed = V.allowed_keys(name)
        if allowed is None:
            problems.append("[%s]: section the loader does not read" % name)
            continue
        if name.upper() in seen:
            problems.append("[%s]: duplicate section" % name)
        seen.add(name.upper())
        values = {}
        for k, v in keys:
            if k.lower() not in allowed:
                problems.append("[%s] %s: key the loader does not read"
                                % (name, k))
            if k.lower() in values:
                problems.append("[%s] %s: duplicate key" % (name, k))
            values[k.lower()] = v
        for k, v in values.items():
            if k in V.picture_keys(name):
                referenced.setdefault(v, []).append((name, k, values))
    problems += _check_pictures(folder, referenced)
    problems += _check_caption_buttons(sections)
    return problems


def _drawn_opaque(section, key, values):
    """Whether the painters copy this picture without the key colour."""
    if (section, key) in ALWAYS_OPAQUE:
        return True
    if section == "personality" and key in ("left", "right", "top",
                                            "bottom"):
        return values.get(key + "trans", "1") == "0"
    if (section, key) in HONOURS_TRANS:
        return values.get("trans", "0") == "0"
    return False


def _expected_frames(section, key, values):
    s = section.lower()
    if (s, key) in FIXED_FRAMES:
        return FIXED_FRAMES[(s, key)]
    if s == "personality":
        return int(values.get(key + "frame", "1"))
    if s == "buttons":
        return int(values[{"checkbutton": "checkbuttonframe",
                           "radiobutton": "radiobuttonframe"}[key]])
    if s.startswith("button"):
        return int(values.get("frame", "0")) or None
    if s in ("horzscrollthumb", "vertscrollthumb"):
        return int(values.get("framecount", "3"))
    if s.startswith("trackbar.thumb"):
        return 5
    if s == "progress":
        return 1 if values.get("style", "0") != "0" else 2
    return int(values.get("frame", "0")) or 1


def _check_pictures(folder, referenced):
    problems = []
    bmps = {n for n in os.listdir(folder) if n.lower().endswith(".bmp")}
    for name in sorted(bmps - set(referenced)):
        problems.append("%s: picture not used by the INI" % name)
    for name, uses in sorted(referenced.items()):
        if not name.endswith(".bmp") or name != name.lower():
            problems.append("%s: picture names must be lower case .bmp"
                            % name)
        if name not in bmps:
            problems.append("%s: referenced but missing" % name)
            continue
        try:
            w, h, pixels = read_bmp(os.path.join(folder, name))
        except ValueError as e:
            problems.append("%s: %s" % (name, e))
            continue
        match = re.search(r"\((\d+)\)__", name)
        named = int(match.group(1)) if match else 1
        has_key = any(p == KEY for row in pixels for p in row)
        for section, key, values in uses:
            frames = _expected_frames(section, key, values)
            stacked = (section.lower(), key) in STACKED
            length = h if stacked else w
            where = "%s ([%s] %s)" % (name, section, key)
            if frames is not None:
                if length % frames:
                    problems.append("%s: %d pixels do not divide into %d "
                                    "frames" % (where, length, frames))
                if named != frames and not section.lower().startswith(
                        ("button.", "mdicontrols")):
                    problems.append("%s: name says %d frames, loader uses %d"
                                    % (where, named, frames))
            if _drawn_opaque(section.lower(), key, values) and has_key:
                problems.append("%s: drawn opaquely but holds the key "
                                "colour" % where)
            if section.lower() == "scrollbar" and abs(h - 16) > 2:
                problems.append("%s: strip height %d is not within 2 pixels "
                                "of the arrow size 16" % (where, h))
    return problems


def _check_caption_buttons(sections):
    problems = []
    kept = []
    for name, keys in sections:
        upper = name.upper()
        if not upper.startswith("BUTTON") or \
                upper in V.EXCLUDED_BUTTON_SECTIONS:
            continue
        values = {k.lower(): v for k, v in keys}
        action = int(values.get("action", "0"))
        visibility = int(values.get("visibility", "-1"))
        if action == -1 and visibility != 0:
            problems.append("[%s]: dropped by the caption button filter"
                            % name)
            continue
        kept.append((name, action, visibility))
    recorded = False
    for name, action, visibility in kept:
        if action == 1 and visibility == 2:
            recorded = True
        if action == 4 and not recorded:
            problems.append("[%s]: help button before the maximise button "
                            "has no position to take" % name)
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip())
        return 2
    problems = check(argv[1])
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
