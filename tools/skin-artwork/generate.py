#!/usr/bin/env python3
"""Draws a skin and writes its folder.

Usage: generate.py [--skin NAME] [--repo DIR] [--work DIR] [--mockup PNG]

Without --skin the skin is "tesmera-metallic" (parameters in palette.py);
--skin NAME takes the parameters of palette_NAME.py ("-" written "_"), which
start from palette.py and change what makes that skin its own.
Writes resources/skins/NAME/ (pictures, INI, README) and the contact sheet
docs/NAME-sheet.png, then checks the skin folder; for "tesmera-metallic" also
resources/skins/builtin/ (the program's own track and menu bitmaps).
Needs ImageMagick's convert and montage.
"""

import argparse
import importlib
import os
import shutil
import sys

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

DEFAULT_SKIN = "tesmera-metallic"


def load_palette(skin):
    """Makes the skin's parameters the module every drawer reads as
    "palette", before any drawer is imported."""
    if skin != DEFAULT_SKIN:
        module = importlib.import_module("palette_" + skin.replace("-", "_"))
        sys.modules["palette"] = module
    return importlib.import_module("palette")


def all_pictures():
    import parts_bars
    import parts_boxes
    import parts_buttons
    import parts_caption
    import parts_frame
    import parts_scroll
    return (parts_frame.pictures() + parts_caption.pictures() +
            parts_buttons.pictures() + parts_scroll.pictures() +
            parts_boxes.pictures() + parts_bars.pictures())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--skin", default=DEFAULT_SKIN,
                        help="the skin to draw (default: %(default)s)")
    parser.add_argument("--repo", default=os.path.normpath(
        os.path.join(HERE, "..", "..")))
    parser.add_argument("--work", default=None,
                        help="scratch folder (default: build/skin-artwork)")
    parser.add_argument("--mockup", default=None,
                        help="also write a mock-up of a skinned dialog here")
    args = parser.parse_args()
    P = load_palette(args.skin)
    import builtin
    import check
    import readme
    import sheet
    import skin_ini

    work = args.work or os.path.join(args.repo, "build", "skin-artwork",
                                     P.SKIN_NAME)
    skin_dir = os.path.join(args.repo, "resources", "skins", P.SKIN_NAME)
    builtin_dir = os.path.join(args.repo, "resources", "skins", "builtin")
    if os.path.isdir(work):
        shutil.rmtree(work)
    if os.path.isdir(skin_dir):
        shutil.rmtree(skin_dir)
    os.makedirs(skin_dir)

    pictures = all_pictures()
    by_part = {p.part: p for p in pictures}
    for p in pictures:
        p.build(work, skin_dir)
    section_list = skin_ini.sections(by_part)
    with open(os.path.join(skin_dir, P.SKIN_NAME + ".ini"), "wb") as f:
        f.write(skin_ini.render(section_list).encode("ascii"))
    with open(os.path.join(skin_dir, "README.md"), "w") as f:
        f.write(readme.render(pictures, section_list))

    if P.SKIN_NAME == DEFAULT_SKIN:
        builtin.build(os.path.join(work, "builtin"), builtin_dir)
        with open(os.path.join(builtin_dir, "README.md"), "w") as f:
            f.write(builtin.README)

    problems = check.check(skin_dir)
    for problem in problems:
        print("check: " + problem, file=sys.stderr)

    entries = [(os.path.join(skin_dir, p.file_name), "%s  %d×%d" % (
        p.file_name[len(P.SKIN_NAME):], *p.bitmap_size)) for p in pictures]
    sheet.contact_sheet(
        entries, os.path.join(work, "sheet"),
        os.path.join(args.repo, "docs", P.SKIN_NAME + "-sheet.png"),
        "%s: %d pictures, each shown three times its size"
        % (P.SKIN_NAME, len(pictures)))
    if args.mockup:
        import mockup_scene
        mockup_scene.render(skin_dir, by_part, section_list,
                            os.path.join(work, "mockup"), args.mockup)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
