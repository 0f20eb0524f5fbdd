#include "platform/gfx/Paint.h"

#include <pixman.h>

namespace
{
void WriteRun(TSurface& Surface, const TPaint& Paint, int Y, int X0, int X1)
{
    uint32_t* Row = Surface.Row(Y);
    switch (Paint.Kind)
    {
    case TPaint::TKind::Solid:
        for (int X = X0; X <= X1; ++X)
            Row[X] = Paint.Pixel;
        break;
    case TPaint::TKind::Invert:
        for (int X = X0; X <= X1; ++X)
            Row[X] ^= 0x00FFFFFFu;
        break;
    case TPaint::TKind::Pattern:
    {
        const TSurface& P = *Paint.Pattern;
        const int Py = ((Y - Paint.OriginY) % P.Height() + P.Height()) % P.Height();
        const uint32_t* Src = P.Row(Py);
        int Px = ((X0 - Paint.OriginX) % P.Width() + P.Width()) % P.Width();
        for (int X = X0; X <= X1; ++X)
        {
            Row[X] = Src[Px] | 0xFF000000u;
            if (++Px == P.Width()) Px = 0;
        }
        break;
    }
    }
}
} // namespace

std::optional<TPaint> BrushPaint(const TDeviceContext& Dc, const gfx::TBrush& Brush)
{
    switch (Brush.Style)
    {
    case BS_SOLID:
        return TPaint::Solid(Brush.Color);
    case BS_PATTERN:
        if (!Brush.Pattern || Brush.Pattern->IsEmpty()) return std::nullopt;
        return TPaint{TPaint::TKind::Pattern, 0, Brush.Pattern.get(),
                      Dc.Area().Left + Dc.GetBrushOrg().X, Dc.Area().Top + Dc.GetBrushOrg().Y};
    default:
        return std::nullopt;
    }
}

void PaintSpan(const TDeviceContext& Dc, const TPaint& Paint, int Y, int X0, int X1)
{
    if (X0 > X1) return;
    const TRegion& Clip = Dc.SurfaceClip();
    int Count = 0;
    const pixman_box32_t* Boxes = pixman_region32_rectangles(Clip.Native(), &Count);
    for (int I = 0; I < Count; ++I)
    {
        const pixman_box32_t& B = Boxes[I];
        if (B.y1 > Y) break;
        if (B.y2 <= Y) continue;
        const int L = std::max(X0, B.x1);
        const int R = std::min(X1, B.x2 - 1);
        if (L <= R) WriteRun(Dc.Surface(), Paint, Y, L, R);
    }
}

void PaintRect(const TDeviceContext& Dc, const TPaint& Paint, const TRect& Rect)
{
    if (Rect.IsEmpty()) return;
    TRegion Area(Rect);
    Area.Intersect(Dc.SurfaceClip());
    if (Area.IsEmpty()) return;
    if (Paint.Kind == TPaint::TKind::Solid)
    {
        TSurface& S = Dc.Surface();
        for (const TRect& R : Area.Rects())
            pixman_fill(S.Row(0), S.StrideWords(), 32, R.Left, R.Top, R.Width(), R.Height(),
                        Paint.Pixel);
        return;
    }
    for (const TRect& R : Area.Rects())
        for (int Y = R.Top; Y < R.Bottom; ++Y)
            WriteRun(Dc.Surface(), Paint, Y, R.Left, R.Right - 1);
}
