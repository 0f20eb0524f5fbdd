#pragma once

#include "platform/gfx/Geometry.h"

#include <algorithm>
#include <climits>
#include <vector>

// Row spans of the filled shapes this layer draws and turns into regions.
// Internal to platform/gfx.

// One row of a shape: pixels X0..X1 inclusive; X0 > X1 when the row is empty.
struct TSpanRow
{
    int X0 = 0;
    int X1 = -1;
    bool Empty() const { return X0 > X1; }
    bool Has(int X) const { return X >= X0 && X <= X1; }
};

// A shape given as one span per row, rows Top .. Top + Rows.size() - 1.
struct TSpanShape
{
    int Top = 0;
    std::vector<TSpanRow> Rows;

    TSpanRow Row(int Y) const
    {
        if (Y < Top || Y >= Top + static_cast<int>(Rows.size())) return {};
        return Rows[static_cast<size_t>(Y - Top)];
    }
};

// The filled rounded rectangle inside Box (right and bottom exclusive) with
// corner ellipses CornerWidth x CornerHeight; a corner size below 2 gives a
// plain rectangle, corners larger than the box are clamped to it. A pixel is
// inside when its centre is inside the corner ellipse; a row that would be
// empty keeps the pixel (or two) nearest the ellipse's centre line, so the
// shape has no gaps. Ellipses are round rects whose corners fill the box.
// Only rows RowFrom..RowTo-1 are computed (the shape's Top is then the first
// of them), so huge shapes cost what their visible part costs.
TSpanShape RoundRectShape(const TRect& Box, int CornerWidth, int CornerHeight,
                          int RowFrom = INT_MIN, int RowTo = INT_MAX);

// Pixels of Shape that have a 4-neighbour outside it: the one-pixel outline.
// Calls Emit(Y, X0, X1) for each run (inclusive).
template <typename TEmit> void ForEachOutlineRun(const TSpanShape& Shape, TEmit&& Emit)
{
    const int Count = static_cast<int>(Shape.Rows.size());
    for (int I = 0; I < Count; ++I)
    {
        const int Y = Shape.Top + I;
        const TSpanRow Row = Shape.Rows[static_cast<size_t>(I)];
        if (Row.Empty()) continue;
        const TSpanRow Up = Shape.Row(Y - 1);
        const TSpanRow Down = Shape.Row(Y + 1);
        int In0 = std::max({Row.X0 + 1, Up.X0, Down.X0});
        int In1 = std::min({Row.X1 - 1, Up.X1, Down.X1});
        if (Up.Empty() || Down.Empty() || In0 > In1)
        {
            Emit(Y, Row.X0, Row.X1);
            continue;
        }
        if (In0 > Row.X0) Emit(Y, Row.X0, In0 - 1);
        if (In1 < Row.X1) Emit(Y, In1 + 1, Row.X1);
    }
}

// The interior that ForEachOutlineRun leaves out, one run per row at most.
template <typename TEmit> void ForEachInteriorRun(const TSpanShape& Shape, TEmit&& Emit)
{
    const int Count = static_cast<int>(Shape.Rows.size());
    for (int I = 0; I < Count; ++I)
    {
        const int Y = Shape.Top + I;
        const TSpanRow Row = Shape.Rows[static_cast<size_t>(I)];
        const TSpanRow Up = Shape.Row(Y - 1);
        const TSpanRow Down = Shape.Row(Y + 1);
        if (Row.Empty() || Up.Empty() || Down.Empty()) continue;
        int In0 = std::max({Row.X0 + 1, Up.X0, Down.X0});
        int In1 = std::min({Row.X1 - 1, Up.X1, Down.X1});
        if (In0 <= In1) Emit(Y, In0, In1);
    }
}
