#include "platform/gfx/LineRaster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace
{
std::vector<int> PatternOf(int Style)
{
    switch (Style)
    {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {1, 1};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}
} // namespace

TPenStroker::TPenStroker(const TDeviceContext& Dc) : FDc(Dc)
{
    const gfx::TPen& Pen = Dc.Pen();
    FVisible = Pen.Style != PS_NULL;
    FPattern = PatternOf(Pen.Style);
    for (int Length : FPattern)
        FPeriod += Length;
    FWidth = FPattern.empty() ? std::clamp(Pen.Width, 1, MaxPenWidth) : 1;
    FInk = TPaint::Solid(Pen.Color);
    FGap = TPaint::Solid(Dc.BkColor());
    FGapPaint = !FPattern.empty() && Dc.BkMode() == OPAQUE;
    if (FWidth > 1)
        FNib = RoundRectShape({-FWidth / 2, -FWidth / 2, FWidth - FWidth / 2, FWidth - FWidth / 2},
                              FWidth, FWidth);
}

void TPenStroker::Stamp(int Sx, int Sy)
{
    for (size_t I = 0; I < FNib.Rows.size(); ++I)
    {
        const TSpanRow& R = FNib.Rows[I];
        PaintSpan(FDc, FInk, Sy + FNib.Top + static_cast<int>(I), Sx + R.X0, Sx + R.X1);
    }
}

void TPenStroker::Dot(int Sx, int Sy, int Index)
{
    bool Inked = true;
    if (FPeriod > 0)
    {
        int At = ((Index % FPeriod) + FPeriod) % FPeriod;
        size_t Part = 0;
        while (At >= FPattern[Part])
            At -= FPattern[Part++];
        Inked = Part % 2 == 0;
    }
    if (Inked)
        PaintSpan(FDc, FInk, Sy, Sx, Sx);
    else if (FGapPaint)
        PaintSpan(FDc, FGap, Sy, Sx, Sx);
}

void TPenStroker::Plot(int X, int Y, int Index)
{
    const int Sx = X + FDc.OffsetX();
    const int Sy = Y + FDc.OffsetY();
    if (FWidth > 1)
        Stamp(Sx, Sy);
    else
        Dot(Sx, Sy, Index);
}

void TPenStroker::Run(int Y, int X0, int X1)
{
    if (!FVisible) return;
    if (FPeriod > 0)
    {
        // Only the part that can reach the clip is walked pixel by pixel.
        const TRect Reach = Reachable();
        if (Y < Reach.Top || Y >= Reach.Bottom) return;
        const int From = std::max(X0, Reach.Left);
        const int To = std::min(X1, Reach.Right - 1);
        // Outline runs come row by row, so the pattern follows X + Y: it
        // runs on along rows and along columns alike.
        for (int X = From; X <= To; ++X)
            Dot(X + FDc.OffsetX(), Y + FDc.OffsetY(), X + Y);
        return;
    }
    PaintSpan(FDc, FInk, Y + FDc.OffsetY(), X0 + FDc.OffsetX(), X1 + FDc.OffsetX());
}

TRect TPenStroker::Reachable() const
{
    const TRect Box = FDc.SurfaceClip().Box().Offset(-FDc.OffsetX(), -FDc.OffsetY());
    return Box.IsEmpty() ? TRect{} : Box.Inflate(FWidth, FWidth);
}

int TPenStroker::Line(TPoint From, TPoint To, int Index)
{
    if (!FVisible) return Index;
    // Steps along the major axis; the minor coordinate is the nearest pixel
    // to the true line. The end point is left out for thin pens and covered
    // by the round nib of wide ones. Steps that cannot reach the clip are
    // skipped, so a line far longer than the surface costs nothing extra.
    const int64_t Dx = int64_t(To.X) - From.X;
    const int64_t Dy = int64_t(To.Y) - From.Y;
    const bool XMajor = std::llabs(Dx) >= std::llabs(Dy);
    const int64_t Major = XMajor ? Dx : Dy;
    const int64_t Minor = XMajor ? Dy : Dx;
    const int64_t Length = std::llabs(Major);
    const int64_t Steps = Length + (FWidth > 1 ? 1 : 0);
    // The pattern index only matters modulo its period.
    const int Next = FPeriod > 0 ? static_cast<int>((Index + Length) % FPeriod) : Index;
    if (Steps == 0) return Next;
    const TRect Reach = Reachable();
    if (Reach.IsEmpty()) return Next;
    const int64_t Start = XMajor ? From.X : From.Y;
    const int64_t Lo = XMajor ? Reach.Left : Reach.Top;
    const int64_t Hi = XMajor ? Reach.Right - 1 : Reach.Bottom - 1;
    const int64_t Dir = Major >= 0 ? 1 : -1;
    int64_t First = 0;
    int64_t Last = Steps - 1;
    if (Dir > 0)
    {
        First = std::max<int64_t>(First, Lo - Start);
        Last = std::min<int64_t>(Last, Hi - Start);
    }
    else
    {
        First = std::max<int64_t>(First, Start - Hi);
        Last = std::min<int64_t>(Last, Start - Lo);
    }
    for (int64_t K = First; K <= Last; ++K)
    {
        // Nearest minor coordinate, halves rounded up.
        // (128-bit: both factors can approach 2^32.)
        const int64_t Offset =
            Length == 0
                ? 0
                : static_cast<int64_t>((2 * static_cast<__int128>(K) * std::llabs(Minor) + Length) /
                                       (2 * static_cast<__int128>(Length))) *
                      (Minor >= 0 ? 1 : -1);
        const int64_t M = Start + Dir * K;
        // Far outside the surface the minor coordinate only needs to stay
        // far outside it.
        const int64_t N =
            std::clamp<int64_t>((XMajor ? From.Y : From.X) + Offset, -(1 << 30), 1 << 30);
        const int At = FPeriod > 0 ? static_cast<int>((Index + K) % FPeriod) : 0;
        if (XMajor)
            Plot(static_cast<int>(M), static_cast<int>(N), At);
        else
            Plot(static_cast<int>(N), static_cast<int>(M), At);
    }
    return Next;
}
