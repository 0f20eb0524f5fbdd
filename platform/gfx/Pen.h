#pragma once

#include "platform/gfx/Color.h"

// Pen styles (classic values).
enum : int
{
    PS_SOLID = 0,
    PS_DASH = 1,       // 18 pixels on, 6 off
    PS_DOT = 2,        // every other pixel
    PS_DASHDOT = 3,    // 9 on, 6 off, 3 on, 6 off
    PS_DASHDOTDOT = 4, // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
    PS_NULL = 5
};

// Widest pen drawn, in pixels.
constexpr int MaxPenWidth = 256;

namespace gfx
{
// How lines and shape outlines are drawn. Width is in pixels; widths below 1
// count as 1, widths above MaxPenWidth as MaxPenWidth. A dotted or dashed pen
// is always one pixel wide and follows its pattern along the line (from the
// first point of a polyline on, across its segments; along shape outlines by
// the sum of the pixel's coordinates); in opaque background mode the gaps
// take the background colour.
struct TPen
{
    int Style = PS_SOLID;
    int Width = 1;
    TColor Color = clBlack;

    friend bool operator==(const TPen&, const TPen&) = default;
};
} // namespace gfx
