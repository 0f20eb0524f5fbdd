#include "platform/gfx/Shapes.h"

#include "platform/gfx/LineRaster.h"
#include "platform/gfx/Paint.h"
#include "platform/gfx/ShapeSpans.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
enum class TShape
{
    Rect,
    Round,
    Ellipse
};

int ClampCoord(int V)
{
    return std::clamp(V, -CoordLimit, CoordLimit);
}

TRect ClampRect(const TRect& R)
{
    return {ClampCoord(R.Left), ClampCoord(R.Top), ClampCoord(R.Right), ClampCoord(R.Bottom)};
}

// Logical rows a shape needs computing: those that can reach the clip, plus
// one on each side for the outline test.
struct TRows
{
    int From = 0;
    int To = 0;
};

TRows RowsFor(const TDeviceContext& Dc, int Margin)
{
    const TRect Box = Dc.SurfaceClip().Box();
    if (Box.IsEmpty()) return {};
    return {Box.Top - Dc.OffsetY() - Margin - 1, Box.Bottom - Dc.OffsetY() + Margin + 1};
}

TSpanShape MakeShape(TShape Kind, const TRect& Box, int Cw, int Ch, TRows Rows)
{
    switch (Kind)
    {
    case TShape::Rect:
        return RoundRectShape(Box, 0, 0, Rows.From, Rows.To);
    case TShape::Round:
        return RoundRectShape(Box, Cw, Ch, Rows.From, Rows.To);
    case TShape::Ellipse:
        break;
    }
    return RoundRectShape(Box, Box.Width(), Box.Height(), Rows.From, Rows.To);
}

void FillRuns(const TDeviceContext& Dc, const TPaint& Paint, int Y, int X0, int X1)
{
    PaintSpan(Dc, Paint, Y + Dc.OffsetY(), X0 + Dc.OffsetX(), X1 + Dc.OffsetX());
}

// Calls Emit(Y, X) for every pixel of the pen band of a shape: the outline
// for a one-pixel pen, the outer shape minus the inner one for wider pens.
template <typename TEmitRun, typename TEmitFill>
void WalkShape(TShape Kind, const TRect& Box, int Cw, int Ch, int PenWidth, TRows Rows,
               TEmitRun&& Band, TEmitFill&& Inside)
{
    if (PenWidth <= 1)
    {
        const TSpanShape Shape = MakeShape(Kind, Box, Cw, Ch, Rows);
        ForEachOutlineRun(Shape, Band);
        ForEachInteriorRun(Shape, Inside);
        return;
    }
    const int Out = PenWidth / 2;
    const int In = (PenWidth + 1) / 2;
    const int InRight = PenWidth - (PenWidth - 1) / 2;
    const TRect Outer{Box.Left - Out, Box.Top - Out, Box.Right + (PenWidth - 1) / 2,
                      Box.Bottom + (PenWidth - 1) / 2};
    const TRect Inner{Box.Left + In, Box.Top + In, Box.Right - InRight, Box.Bottom - InRight};
    const TSpanShape OuterShape =
        MakeShape(Kind, Outer, Cw + PenWidth - 1, Ch + PenWidth - 1, Rows);
    const TSpanShape InnerShape =
        MakeShape(Kind, Inner, Cw - PenWidth + 1, Ch - PenWidth + 1, Rows);
    for (size_t I = 0; I < OuterShape.Rows.size(); ++I)
    {
        const int Y = OuterShape.Top + static_cast<int>(I);
        const TSpanRow O = OuterShape.Rows[I];
        const TSpanRow N = Inner.IsEmpty() ? TSpanRow{} : InnerShape.Row(Y);
        if (O.Empty()) continue;
        if (N.Empty())
        {
            Band(Y, O.X0, O.X1);
            continue;
        }
        if (N.X0 > O.X0) Band(Y, O.X0, N.X0 - 1);
        if (N.X1 < O.X1) Band(Y, N.X1 + 1, O.X1);
        Inside(Y, N.X0, N.X1);
    }
}

void DrawShape(TDeviceContext& Dc, TShape Kind, const TRect& Input, int Cw, int Ch)
{
    const TRect Box = ClampRect(Input).Normalized();
    const std::optional<TPaint> Fill = BrushPaint(Dc, Dc.Brush());
    TPenStroker Stroker(Dc);
    if (!Stroker.Visible())
    {
        if (!Fill) return;
        const TSpanShape Shape = MakeShape(Kind, {Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1},
                                           Cw, Ch, RowsFor(Dc, 0));
        for (size_t I = 0; I < Shape.Rows.size(); ++I)
            FillRuns(Dc, *Fill, Shape.Top + static_cast<int>(I), Shape.Rows[I].X0,
                     Shape.Rows[I].X1);
        return;
    }
    const int PenWidth = Stroker.Width();
    auto Band = [&](int Y, int X0, int X1) { Stroker.Run(Y, X0, X1); };
    auto Inside = [&](int Y, int X0, int X1)
    {
        if (Fill) FillRuns(Dc, *Fill, Y, X0, X1);
    };
    WalkShape(Kind, Box, Cw, Ch, PenWidth, RowsFor(Dc, PenWidth), Band, Inside);
}

double AngleOf(double Dx, double Dy)
{
    const double A = std::atan2(-Dy, Dx);
    return A < 0 ? A + 2 * std::numbers::pi : A;
}
} // namespace

void Rectangle(TDeviceContext& Dc, int Left, int Top, int Right, int Bottom)
{
    DrawShape(Dc, TShape::Rect, {Left, Top, Right, Bottom}, 0, 0);
}

void Ellipse(TDeviceContext& Dc, int Left, int Top, int Right, int Bottom)
{
    DrawShape(Dc, TShape::Ellipse, {Left, Top, Right, Bottom}, 0, 0);
}

void RoundRect(TDeviceContext& Dc, int Left, int Top, int Right, int Bottom, int CornerWidth,
               int CornerHeight)
{
    DrawShape(Dc, TShape::Round, {Left, Top, Right, Bottom}, CornerWidth, CornerHeight);
}

void Arc(TDeviceContext& Dc, int Left, int Top, int Right, int Bottom, int StartX, int StartY,
         int EndX, int EndY)
{
    TPenStroker Stroker(Dc);
    if (!Stroker.Visible()) return;
    const TRect Box = ClampRect({Left, Top, Right, Bottom}).Normalized();
    const double Cx = (Box.Left + Box.Right) / 2.0;
    const double Cy = (Box.Top + Box.Bottom) / 2.0;
    const double Start = AngleOf(StartX - Cx, StartY - Cy);
    double Sweep = AngleOf(EndX - Cx, EndY - Cy) - Start;
    if (Sweep <= 0) Sweep += 2 * std::numbers::pi;
    auto OnArc = [&](int X, int Y)
    {
        double Rel = AngleOf(X + 0.5 - Cx, Y + 0.5 - Cy) - Start;
        if (Rel < 0) Rel += 2 * std::numbers::pi;
        return Rel <= Sweep;
    };
    const int PenWidth = Stroker.Width();
    const TRect Clip =
        Dc.SurfaceClip().Box().Offset(-Dc.OffsetX(), -Dc.OffsetY()).Inflate(PenWidth, PenWidth);
    auto Band = [&](int Y, int X0, int X1)
    {
        for (int X = std::max(X0, Clip.Left); X <= std::min(X1, Clip.Right - 1); ++X)
            if (OnArc(X, Y)) Stroker.Run(Y, X, X);
    };
    WalkShape(TShape::Ellipse, Box, 0, 0, PenWidth, RowsFor(Dc, PenWidth), Band,
              [](int, int, int) {});
}

void Polygon(TDeviceContext& Dc, const std::vector<TPoint>& Points)
{
    if (Points.size() < 2) return;
    if (const std::optional<TPaint> Fill = BrushPaint(Dc, Dc.Brush()))
    {
        int MinY = Points[0].Y;
        int MaxY = Points[0].Y;
        for (const TPoint& P : Points)
        {
            MinY = std::min(MinY, P.Y);
            MaxY = std::max(MaxY, P.Y);
        }
        const TRows Visible = RowsFor(Dc, 0);
        MinY = std::max(MinY, Visible.From);
        MaxY = std::min(MaxY, Visible.To);
        std::vector<double> Crossings;
        for (int Y = MinY; Y < MaxY; ++Y)
        {
            Crossings.clear();
            for (size_t I = 0; I < Points.size(); ++I)
            {
                const TPoint A = Points[I];
                const TPoint B = Points[(I + 1) % Points.size()];
                if (A.Y == B.Y) continue;
                const TPoint Lo = A.Y < B.Y ? A : B;
                const TPoint Hi = A.Y < B.Y ? B : A;
                if (Y < Lo.Y || Y >= Hi.Y) continue;
                Crossings.push_back(Lo.X + (double(Y) - Lo.Y) * (double(Hi.X) - Lo.X) /
                                               (double(Hi.Y) - Lo.Y));
            }
            std::sort(Crossings.begin(), Crossings.end());
            for (size_t I = 0; I + 1 < Crossings.size(); I += 2)
            {
                const int X0 = static_cast<int>(std::clamp(std::ceil(Crossings[I]), -1e9, 1e9));
                const int X1 =
                    static_cast<int>(std::clamp(std::ceil(Crossings[I + 1]), -1e9, 1e9)) - 1;
                FillRuns(Dc, *Fill, Y, X0, X1);
            }
        }
    }
    TPenStroker Stroker(Dc);
    int Index = 0;
    for (size_t I = 0; I < Points.size(); ++I)
        Index = Stroker.Line(Points[I], Points[(I + 1) % Points.size()], Index);
}

void FillRect(TDeviceContext& Dc, const TRect& Rect, const gfx::TBrush& Brush)
{
    if (const std::optional<TPaint> Fill = BrushPaint(Dc, Brush))
        PaintRect(Dc, *Fill, Dc.LogicalToSurface(ClampRect(Rect)));
}

void FrameRect(TDeviceContext& Dc, const TRect& Rect, const gfx::TBrush& Brush)
{
    const std::optional<TPaint> Fill = BrushPaint(Dc, Brush);
    if (!Fill || Rect.IsEmpty()) return;
    const TRect R = Dc.LogicalToSurface(ClampRect(Rect));
    PaintRect(Dc, *Fill, {R.Left, R.Top, R.Right, R.Top + 1});
    PaintRect(Dc, *Fill, {R.Left, R.Bottom - 1, R.Right, R.Bottom});
    PaintRect(Dc, *Fill, {R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1});
    PaintRect(Dc, *Fill, {R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1});
}

void DrawFocusRect(TDeviceContext& Dc, const TRect& Rect)
{
    if (Rect.IsEmpty()) return;
    const TRect R = Dc.LogicalToSurface(ClampRect(Rect));
    // Only the part of the frame near the clip is walked.
    const TRect Walk = R.Intersect(Dc.SurfaceClip().Box().Inflate(1, 1));
    const TPaint Invert = TPaint::Invert();
    // The checkerboard follows device coordinates so adjacent focus
    // rectangles line up; each frame pixel is visited once.
    auto Dot = [&](int X, int Y)
    {
        if (((X - Dc.Area().Left) + (Y - Dc.Area().Top)) % 2 == 0) PaintSpan(Dc, Invert, Y, X, X);
    };
    for (int X = Walk.Left; X < Walk.Right; ++X)
    {
        Dot(X, R.Top);
        if (R.Bottom - 1 > R.Top) Dot(X, R.Bottom - 1);
    }
    for (int Y = std::max(R.Top + 1, Walk.Top); Y < std::min(R.Bottom - 1, Walk.Bottom); ++Y)
    {
        Dot(R.Left, Y);
        if (R.Right - 1 > R.Left) Dot(R.Right - 1, Y);
    }
}

TColor GetPixel(const TDeviceContext& Dc, int X, int Y)
{
    const TPoint P = Dc.LogicalToSurface(TPoint{X, Y});
    if (!Dc.SurfaceClip().Contains(P.X, P.Y)) return CLR_INVALID;
    return Dc.Surface().Pixel(P.X, P.Y);
}

void SetPixel(TDeviceContext& Dc, int X, int Y, TColor Color)
{
    const TPoint P = Dc.LogicalToSurface(TPoint{X, Y});
    PaintSpan(Dc, TPaint::Solid(Color), P.Y, P.X, P.X);
}
