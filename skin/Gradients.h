#pragma once

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

class TCanvas;

// Gradient fills drawn line by line with the canvas's pen (whose colour
// they change). System colours are resolved first. An empty or inverted
// rectangle draws nothing.

// Rows from FromColor (top row) to ToColor (bottom row); row y between them
// takes From + trunc((To - From) / height * (y - top - 1)) per component.
// A one-row rectangle ends up in ToColor.
void DrawHorizontalGradient(TCanvas* Canvas, const TRect& Rect, TColor FromColor, TColor ToColor);

// Columns from FromColor (left) to ToColor (right); column x between them
// takes From + trunc((To - From) / width * (x - left)) per component.
void DrawVerticalGradient(TCanvas* Canvas, const TRect& Rect, TColor FromColor, TColor ToColor);
