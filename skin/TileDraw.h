#pragma once

#include "platform/gfx/Geometry.h"

class TBitmap;
class TCanvas;
class TPicture;

// Draws Picture at its size over and over, in columns from the canvas
// origin (not from Rect's corner) until a tile row and column lie past
// Rect's width and height; the last ones may reach beyond Rect. Draws
// nothing for an empty picture.
void TileDraw(TCanvas* Canvas, const TPicture* Picture, const TRect& Rect);

// Stretches the whole Bitmap over Rect, smoothed (half-tone), opaque.
// Draws nothing for an empty bitmap or rectangle.
void ResizeImage(const TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect);
