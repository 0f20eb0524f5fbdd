#pragma once

#include "platform/gfx/Color.h"

// Pen styles (classic values). Only these three are drawn; other classic
// styles are not offered.
enum : int
{
    PS_SOLID = 0,
    PS_DOT = 2,
    PS_NULL = 5
};

// Widest pen drawn, in pixels.
constexpr int MaxPenWidth = 256;

namespace gfx
{
// How lines and shape outlines are drawn. Width is in pixels; widths below 1
// count as 1, widths above MaxPenWidth as MaxPenWidth. A dotted pen draws
// every other pixel along the line and is always one pixel wide; in opaque
// background mode the gaps take the background colour.
struct TPen
{
    int Style = PS_SOLID;
    int Width = 1;
    TColor Color = clBlack;

    friend bool operator==(const TPen&, const TPen&) = default;
};
} // namespace gfx
