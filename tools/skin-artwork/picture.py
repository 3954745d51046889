"""The list of skin pictures: names, frame layouts and how each is drawn."""

import os

import magick
import palette as P


class Picture:
    """One BMP of the skin: a strip of equal frames built by a drawer.

    The drawer is called with a working folder and answers the PNG paths of
    the frames in order.  Frames lie side by side unless stacked is set.
    """

    def __init__(self, part, frames, size, drawer, layout, stacked=False):
        self.part = part
        self.frames = frames
        self.size = size
        self.drawer = drawer
        self.layout = layout
        self.stacked = stacked

    @property
    def file_name(self):
        count = "(%d)" % self.frames if self.frames > 1 else ""
        return "%s%s__%s.bmp" % (P.SKIN_NAME, count, self.part)

    @property
    def bitmap_size(self):
        w, h = self.size
        return (w, h * self.frames) if self.stacked else (w * self.frames, h)

    def build(self, workdir, outdir):
        frame_dir = os.path.join(workdir, self.part)
        os.makedirs(frame_dir, exist_ok=True)
        paths = self.drawer(frame_dir)
        if len(paths) != self.frames:
            raise RuntimeError("%s drew %d frames, %d expected" % (
                self.part, len(paths), self.frames))
        return magick.strip(paths, os.path.join(outdir, self.file_name),
                            self.stacked)


def render_frames(frame_dir, frames):
    """Renders a list of magick.Frame objects to numbered PNG files."""
    paths = []
    for i, frame in enumerate(frames, 1):
        paths.append(frame.render(os.path.join(frame_dir, "%02d.png" % i)))
    return paths
