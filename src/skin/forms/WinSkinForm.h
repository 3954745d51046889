// The skinning of top-level windows, and the skin picture painters that every
// window and control skin draws with.
#pragma once

#include <memory>

#include "platform/gdi/gdi.h"
#include "toolkit/Graphics.h"

// ---------------------------------------------------------------------------
// Skin picture painters
//
// A skin picture holds `frameCount` equal frames side by side (frame width =
// picture width ÷ frameCount) or, with the vertical flag, stacked (frame
// height = picture height ÷ frameCount); frames are numbered from 1. Margins
// and caps are pixel counts measured inward from a frame's edges, held in a
// rectangle's left, top, right and bottom. Magenta (0xFF00FF) is the key
// colour of transparent drawing. Stretching drops or repeats pixels
// (COLORONCOLOR).
//
// A destination rectangle with right < left or bottom < top draws nothing, and
// so does a missing or empty picture or a frame count below 1. The painters
// draw the result a composing memory bitmap would give: where the parts tile
// the destination exactly they are drawn straight onto it, else composed in
// a bitmap and transferred in one operation.

// The key colour of transparent skin pictures.
constexpr TColor kSkinKeyColour = 0xFF00FF;

// Nine-part scaling of one frame into a new bitmap of the destination's size
// (only the size of `dest` is used): the corners keep their size, the edges
// stretch along their length, the centre is stretched or tiled. Margins that do
// not fit the destination count as 0 in that direction. The caller owns the
// result; null when nothing can be drawn.
std::unique_ptr<TBitmap> BuildSkinPicture(const TRect& dest, TBitmap* picture, const TRect& margins, bool vertical,
                                          bool tile, int frameCount, int frame);

// BuildSkinPicture drawn at `dest`, magenta-transparent or opaque.
void PaintSkinPicture(HDC dc, const TRect& dest, TBitmap* picture, bool vertical, bool tile, bool transparent,
                      int frameCount, int frame, const TRect& margins);

// The `source` part of the picture repeated unscaled over `dest`, row by row
// from the top-left; the last row and column may run past `dest`.
void TilePicture(TCanvas* canvas, const TRect& dest, TBitmap* picture, const TRect& source);

// Three-part horizontal strip: the left cap, the middle part repeated (each
// copy stretched to the full height) and the right cap. A frame whose caps
// leave no middle part draws only the caps.
void PaintSkinStrip(TCanvas* canvas, const TRect& dest, TBitmap* picture, bool vertical, bool transparent,
                    int frameCount, int frame, const TRect& caps);

// The whole frame stretched into `dest`.
void PaintFrameCell(HDC dc, const TRect& dest, TBitmap* picture, bool transparent, int frameCount, int frame);

// The frame at its own size, centred in `dest`.
void PaintFrameCentered(HDC dc, const TRect& dest, TBitmap* picture, bool transparent, int frameCount, int frame);

// Straight onto the DC, every part stretched to the rectangle's height: the
// whole frame when the rectangle is narrower than it, else the left cap, the
// stretched middle and the right cap.
void PaintSkinBar(HDC dc, const TRect& dest, TBitmap* picture, bool vertical, int frameCount, int frame,
                  const TRect& caps);

// The top-left part of the bitmap of `dest`'s size (no stretching) drawn at
// `dest` so that pixels of the key colour leave the destination unchanged:
// with MaskBlt on the NT family, with three blits on the 9x family.
void DrawMasked(HDC dc, const TRect& dest, TBitmap* bitmap, TColor key);

// The region of the bitmap's opaque pixels, moved by the offsets. A pixel is
// transparent when each of its channels lies between the key colour's value
// and that value plus the channel's tolerance (capped at 255). The bitmap is
// switched to 32 bits per pixel. The caller owns the region; every pixel
// transparent gives an empty region, a null bitmap no region.
HRGN RegionFromBitmap(TBitmap* bitmap, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, TColor key);
