#pragma once

#include "platform/gfx/Surface.h"

#include <string>
#include <vector>

// Renders a rectangle of a surface as text rows, '#' where the pixel has
// colour Ink and '.' elsewhere, for compact pixel expectations.
inline std::vector<std::string> InkRows(const TSurface& S, const TRect& R, TColor Ink)
{
    std::vector<std::string> Rows;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
    {
        std::string Row;
        for (int X = R.Left; X < R.Right; ++X)
            Row += S.Pixel(X, Y) == Ink ? '#' : '.';
        Rows.push_back(Row);
    }
    return Rows;
}

inline int CountInk(const TSurface& S, TColor Ink)
{
    int N = 0;
    for (int Y = 0; Y < S.Height(); ++Y)
        for (int X = 0; X < S.Width(); ++X)
            N += S.Pixel(X, Y) == Ink;
    return N;
}
