#pragma once

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

class TCanvas;

// Draws Width one-pixel rings along the inside of R: top and left edges in
// TopColor, bottom and right in BottomColor; R shrinks by Width.
void Frame3D(TCanvas* Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width);
