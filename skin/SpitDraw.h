#pragma once

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

class TBitmap;
class TCanvas;

// Stretching a skin picture over a control of any size by cutting it into
// pieces: corners copied 1:1, edges and centre stretched from thin bands of
// the picture's middle. 0xFF00FF pixels of the stretched pieces are never
// drawn. Nothing is drawn on a canvas without a context.

// The nine-piece stretch of one frame Bitmap over Rect (left and top are
// normally 0, as for a client rectangle). Corners take half the frame each
// (the right and bottom ones one pixel less), limited to half the
// destination; with Transparent their 0xFF00FF pixels are left out too.
// Draws nothing when the frame or Rect is smaller than 4 x 4 pixels.
void SpitDraw(const TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect, bool Transparent);

// The three-piece horizontal stretch of a strip of three equal images (left
// cap, middle, right cap; each Bitmap width div 3 wide): the caps at the
// ends of Rect, the middle stretched between them at the bitmap's height.
// With Transparent, MaskColor pixels of the caps are left out. A Rect
// narrower than one image gets the left part of the left cap.
void SpitDrawHorizontal2(const TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect,
                         bool Transparent, TColor MaskColor);

// As SpitDrawHorizontal2 with the mask always applied: the mask colour is
// the bitmap's pixel at column 0 of its top row (SampleTopRow) or bottom row
// when UseCornerPixel, 0xFF00FF otherwise. The middle is laid on
// MiddleColor, then stretched over the full height of Rect.
void SpitDrawHorizontal(const TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect,
                        bool UseCornerPixel, TColor MiddleColor, bool SampleTopRow);
