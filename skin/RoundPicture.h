#pragma once

#include "platform/gfx/Color.h"

class TBitmap;

// Quarter and half turns of a bitmap in place (the bitmap takes the turned
// size). An empty or null bitmap is left as it is.

// 90 degrees counter-clockwise: source (x, y) goes to (y, Width - 1 - x).
void RoundPicture(TBitmap* Bitmap);
// 180 degrees: (x, y) goes to (Width - 1 - x, Height - 1 - y).
void RoundPicture2(TBitmap* Bitmap);
// 90 degrees clockwise: result (x, y) comes from source (y, Height - 1 - x).
void RoundPicture3(TBitmap* Bitmap);

// Makes Bitmap 24 bits per pixel and replaces every pixel of FromColor with
// ToColor (system colours resolved).
void ScanColor(TBitmap* Bitmap, TColor FromColor, TColor ToColor);
