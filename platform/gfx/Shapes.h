#pragma once

#include "platform/gfx/DeviceContext.h"

#include <vector>

// Filled and outlined shapes, in logical coordinates. Shapes are outlined
// with the current pen and filled with the current brush; a null pen or
// brush leaves that part out.
//
// Bounding boxes are (Left, Top, Right, Bottom) with the classic rule: a
// one-pixel pen covers Left..Right-1 and Top..Bottom-1. Without a pen the
// filled area is one pixel smaller at the right and bottom (Left..Right-2,
// Top..Bottom-2). Inverted boxes are normalised. A wider pen is centred on
// the one-pixel outline.

void Rectangle(TDeviceContext& Dc, int Left, int Top, int Right, int Bottom);
void Ellipse(TDeviceContext& Dc, int Left, int Top, int Right, int Bottom);
// Rounded corners are quarters of a CornerWidth x CornerHeight ellipse.
void RoundRect(TDeviceContext& Dc, int Left, int Top, int Right, int Bottom, int CornerWidth,
               int CornerHeight);
// The outline of the ellipse in the box, counter-clockwise from where the
// ray from the centre through (StartX, StartY) meets it to where the ray
// through (EndX, EndY) does. Equal rays draw the whole ellipse. No fill.
void Arc(TDeviceContext& Dc, int Left, int Top, int Right, int Bottom, int StartX, int StartY,
         int EndX, int EndY);
// Fills the polygon (even-odd rule; a pixel is inside when its top-left
// corner point is, edges at the right and bottom excluded), then outlines it
// as a closed polyline through every vertex. Fewer than two points draw
// nothing.
void Polygon(TDeviceContext& Dc, const std::vector<TPoint>& Points);

// Fills Rect (right and bottom exclusive, not normalised) with Brush; the
// pen is not used.
void FillRect(TDeviceContext& Dc, const TRect& Rect, const gfx::TBrush& Brush);
// One-pixel frame just inside Rect, painted with Brush.
void FrameRect(TDeviceContext& Dc, const TRect& Rect, const gfx::TBrush& Brush);
// Inverts every other pixel of the one-pixel frame just inside Rect (a
// checkerboard in device coordinates). Drawing the same rectangle twice
// restores the pixels.
void DrawFocusRect(TDeviceContext& Dc, const TRect& Rect);

// The colour of the logical pixel, CLR_INVALID when it is clipped away.
TColor GetPixel(const TDeviceContext& Dc, int X, int Y);
// Sets one logical pixel if it is drawable.
void SetPixel(TDeviceContext& Dc, int X, int Y, TColor Color);
