#include "platform/gfx/LineRaster.h"

#include <cstdlib>

TPenStroker::TPenStroker(const TDeviceContext& Dc) : FDc(Dc)
{
    const TPen& Pen = Dc.Pen();
    FVisible = Pen.Style != PS_NULL;
    FDotted = Pen.Style == PS_DOT;
    FWidth = FDotted ? 1 : std::max(1, Pen.Width);
    FInk = TPaint::Solid(Pen.Color);
    FGap = TPaint::Solid(Dc.BkColor());
    FGapPaint = FDotted && Dc.BkMode() == OPAQUE;
    if (FWidth > 1)
        FNib = RoundRectShape({-FWidth / 2, -FWidth / 2, FWidth - FWidth / 2, FWidth - FWidth / 2}, FWidth, FWidth);
}

void TPenStroker::Stamp(int Sx, int Sy)
{
    for (size_t I = 0; I < FNib.Rows.size(); ++I)
    {
        const TSpanRow& R = FNib.Rows[I];
        PaintSpan(FDc, FInk, Sy + FNib.Top + static_cast<int>(I), Sx + R.X0, Sx + R.X1);
    }
}

void TPenStroker::Plot(int X, int Y, int Index)
{
    if (!FVisible)
        return;
    const int Sx = X + FDc.OffsetX();
    const int Sy = Y + FDc.OffsetY();
    if (FWidth > 1)
        Stamp(Sx, Sy);
    else if (!FDotted || Index % 2 == 0)
        PaintSpan(FDc, FInk, Sy, Sx, Sx);
    else if (FGapPaint)
        PaintSpan(FDc, FGap, Sy, Sx, Sx);
}

void TPenStroker::Run(int Y, int X0, int X1)
{
    if (!FVisible)
        return;
    if (FWidth > 1 || FDotted)
    {
        // Outline runs come row by row, so dots follow the checkerboard:
        // alternate along rows and along columns alike.
        for (int X = X0; X <= X1; ++X)
            Plot(X, Y, X + Y);
        return;
    }
    PaintSpan(FDc, FInk, Y + FDc.OffsetY(), X0 + FDc.OffsetX(), X1 + FDc.OffsetX());
}

void TPenStroker::Line(TPoint From, TPoint To)
{
    if (!FVisible)
        return;
    // Bresenham over the major axis; the end point is left out for thin pens
    // and covered by the round nib of wide ones.
    const int Dx = std::abs(To.X - From.X);
    const int Dy = std::abs(To.Y - From.Y);
    const int Sx = From.X < To.X ? 1 : -1;
    const int Sy = From.Y < To.Y ? 1 : -1;
    const int Steps = std::max(Dx, Dy) + (FWidth > 1 ? 1 : 0);
    int X = From.X;
    int Y = From.Y;
    int Err = Dx - Dy;
    for (int I = 0; I < Steps; ++I)
    {
        Plot(X, Y, I);
        const int E2 = 2 * Err;
        if (E2 > -Dy)
        {
            Err -= Dy;
            X += Sx;
        }
        if (E2 < Dx)
        {
            Err += Dx;
            Y += Sy;
        }
    }
}
