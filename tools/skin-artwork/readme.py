"""Writes the README of the skin folder from the pictures and the INI."""

import palette as P
import vocabulary as V


def _uses(section_list, file_name):
    out = []
    for section, keys in section_list:
        for key, value in keys:
            if value == file_name and key.lower() in V.picture_keys(section):
                out.append("[%s] %s" % (section, key))
    return ", ".join(out)


def render(pictures, section_list):
    lines = [
        "# The skin \"%s\"" % P.SKIN_NAME,
        "",
    ] + P.README_LOOK + [
        "",
        "Everything here is written by `tools/skin-artwork/generate.py`: the",
        "pictures (24-bit uncompressed bottom-up BMP, magenta 0xFF00FF where",
        "transparent) and `%s.ini` (CR LF line breaks). Change the" %
        P.SKIN_NAME,
        "generator's parameters (`%s`) and run it again rather than" %
        P.PALETTE_FILE,
        "editing these files; it checks the result with `check.py`.",
        "",
        "Names follow the pattern skin name, frame count in brackets when a",
        "picture holds several frames, two underscores, the part.",
        "",
        "| Picture | Size | Frames | Used by |",
        "|---|---|---|---|",
    ]
    for p in pictures:
        w, h = p.bitmap_size
        lines.append("| `%s` | %d × %d | %d: %s | %s |" % (
            p.file_name, w, h, p.frames, p.layout,
            _uses(section_list, p.file_name) or "—"))
    lines += [
        "",
        "The system-menu caption button (`[Button.SysMenu]`, Action 3) has no",
        "picture: it shows the window icon.",
    ] + ([] if not P.CAPTION_BUTTONS_LEFT else [
        "",
        "The caption buttons sit at the left end of the title (Align 0, their",
        "Xcoord counted from the window's left edge); the window icon is not",
        "shown.",
    ]) + [
        "",
    ]
    return "\n".join(lines)
