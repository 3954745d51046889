// Bitmap utilities of the skin engine: the transparent key colour replaced by
// a solid colour, mirrored, flipped and rotated copies of 24-bit pictures,
// colour mixing and saturation, and gradient fills through a small cache of
// computed gradients.
#pragma once

#include <vector>

#include "toolkit/Graphics.h"

// Converts the picture to 24 bits per pixel when it has another format, then
// gives every pixel that is exactly magenta (red 255, green 0, blue 255) the
// colour (an RGB value; system colours are not resolved here).
void ReplaceKeyColour(TBitmap* picture, TColor colour);

// Left–right mirror and top–bottom flip, in place.
void MirrorPicture(TBitmap* picture);
void FlipPicture(TBitmap* picture);
// Quarter turns counter-clockwise and clockwise; width and height are exchanged.
void RotateLeft(TBitmap* picture);
void RotateRight(TBitmap* picture);

// A colour between C1 (weight A) and C2: A below 100 is a percentage, A of 100
// and above a per-mille weight (so 100 gives 10 % of C1). System colours are
// resolved first.
TColor MixColors(TColor c1, TColor c2, int a);

// The saturation on a 0–255 scale, or 200 for a dark colour (every channel
// below 160).
int ColorSaturation(TColor colour);

// Fills the visible part of the rectangle with one solid band per pixel row
// (vertical) or column, from C1 to C2.
void FillGradient(HDC dc, const TRect& rect, TColor c1, bool vertical, TColor c2);

// The slot of the gradient cache (16 slots, reused round-robin) that holds the
// N band colours from C1 to C2, found or newly computed. N must be positive:
// anything else raises EAssertionFailed.
int GetGradient(int n, TColor c1, TColor c2);
// The band colours a slot holds (empty for a slot not yet used).
const std::vector<TColor>& GradientColors(int slot);
