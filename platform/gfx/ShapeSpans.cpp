#include "platform/gfx/ShapeSpans.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace
{
// Columns of the ellipse inscribed in a W x H box at the origin, in row Y.
TSpanRow EllipseRow(int W, int H, int Y)
{
    const double A = W / 2.0;
    const double B = H / 2.0;
    const double Dy = (Y + 0.5 - B) / B;
    const double Half = Dy * Dy >= 1.0 ? 0.0 : A * std::sqrt(1.0 - Dy * Dy);
    TSpanRow Row{static_cast<int>(std::ceil(A - Half - 0.5)),
                 static_cast<int>(std::floor(A + Half - 0.5))};
    if (Row.Empty())
        Row = {static_cast<int>(std::floor(A - 0.5)), static_cast<int>(std::ceil(A - 0.5))};
    return Row;
}
} // namespace

TSpanShape RoundRectShape(const TRect& Box, int CornerWidth, int CornerHeight, int RowFrom,
                          int RowTo)
{
    TSpanShape Shape;
    const int First = std::max(Box.Top, RowFrom);
    const int Last = std::min(Box.Bottom, RowTo);
    Shape.Top = First;
    if (Box.IsEmpty() || First >= Last) return Shape;
    const int W = Box.Width();
    const int H = Box.Height();
    int Cw = static_cast<int>(std::min<int64_t>(std::llabs(int64_t(CornerWidth)), W));
    int Ch = static_cast<int>(std::min<int64_t>(std::llabs(int64_t(CornerHeight)), H));
    if (Cw < 2 || Ch < 2) Cw = Ch = 0;
    Shape.Rows.resize(static_cast<size_t>(Last - First));
    for (int I = First - Box.Top; I < Last - Box.Top; ++I)
    {
        TSpanRow Row{Box.Left, Box.Right - 1};
        // Rows inside a corner band take their ends from the corner ellipse;
        // the top band owns the middle row of an odd ellipse.
        int EllipseY = -1;
        if (I < (Ch + 1) / 2)
            EllipseY = I;
        else if (I >= H - Ch / 2)
            EllipseY = Ch - (H - I);
        if (Ch > 0 && EllipseY >= 0)
        {
            const TSpanRow E = EllipseRow(Cw, Ch, EllipseY);
            Row.X0 = Box.Left + E.X0;
            Row.X1 = Box.Right - Cw + E.X1;
        }
        Shape.Rows[static_cast<size_t>(I - (First - Box.Top))] = Row;
    }
    return Shape;
}
