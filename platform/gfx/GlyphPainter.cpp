#include "platform/gfx/GlyphPainter.h"

#include "platform/gfx/Paint.h"

#include <pixman.h>

namespace
{
void BlendGlyph(TDeviceContext& Dc, const TGlyph& G, int Sx, int Sy, uint32_t Ink)
{
    const TRect Box{Sx, Sy, Sx + G.Width, Sy + G.Height};
    const TRegion& Clip = Dc.SurfaceClip();
    if (!Clip.Overlaps(Box)) return;
    const int Ir = Ink >> 16 & 0xFF, Ig = Ink >> 8 & 0xFF, Ib = Ink & 0xFF;
    TSurface& S = Dc.Surface();
    int Count = 0;
    const pixman_box32_t* Boxes = pixman_region32_rectangles(Clip.Native(), &Count);
    for (int I = 0; I < Count; ++I)
    {
        const TRect Part = Box.Intersect({Boxes[I].x1, Boxes[I].y1, Boxes[I].x2, Boxes[I].y2});
        for (int Y = Part.Top; Y < Part.Bottom; ++Y)
        {
            const uint8_t* Cov =
                G.Coverage.data() + static_cast<size_t>(Y - Sy) * static_cast<size_t>(G.Width);
            uint32_t* Row = S.Row(Y);
            for (int X = Part.Left; X < Part.Right; ++X)
            {
                const int A = Cov[X - Sx];
                if (A == 0) continue;
                if (A == 255)
                {
                    Row[X] = Ink;
                    continue;
                }
                const uint32_t D = Row[X];
                const int R = (D >> 16 & 0xFF) + ((Ir - int(D >> 16 & 0xFF)) * A + 127) / 255;
                const int Gc = (D >> 8 & 0xFF) + ((Ig - int(D >> 8 & 0xFF)) * A + 127) / 255;
                const int B = (D & 0xFF) + ((Ib - int(D & 0xFF)) * A + 127) / 255;
                Row[X] = 0xFF000000u | uint32_t(R) << 16 | uint32_t(Gc) << 8 | uint32_t(B);
            }
        }
    }
}
} // namespace

int PaintGlyphRun(TDeviceContext& Dc, const gfx::TFont& Font, int X, int Top,
                  std::u32string_view Text, std::u32string_view Marks)
{
    const uint32_t Ink = PixelFromColor(Dc.TextColor());
    const int Baseline = Top + Font.Metrics().Ascent;
    int Pen = X;
    for (size_t I = 0; I < Text.size(); ++I)
    {
        const TGlyph& G = Font.Glyph(Text[I]);
        if (G.Width > 0 && G.Height > 0)
            BlendGlyph(Dc, G, Pen + G.Left + Dc.OffsetX(), Baseline - G.Top + Dc.OffsetY(), Ink);
        if (I < Marks.size() && Marks[I] && G.Advance > 0)
            PaintTextBar(Dc, Pen, Pen + G.Advance, Baseline + Font.UnderlineOffset(),
                         Font.UnderlineThickness());
        Pen += G.Advance;
    }
    if (Font.Desc().Underline)
        PaintTextBar(Dc, X, Pen, Baseline + Font.UnderlineOffset(), Font.UnderlineThickness());
    if (Font.Desc().StrikeOut)
        PaintTextBar(Dc, X, Pen, Baseline - Font.Metrics().Ascent / 3, Font.UnderlineThickness());
    return Pen;
}

void PaintTextBar(TDeviceContext& Dc, int X0, int X1, int Y, int Thickness)
{
    PaintRect(Dc, TPaint::Solid(Dc.TextColor()),
              Dc.LogicalToSurface(TRect{X0, Y, X1, Y + Thickness}));
}
