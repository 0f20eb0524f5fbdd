#include "detail/ScrollBarPaint.h"

#include "detail/NcPaint.h"
#include "detail/Window.h"
#include "detail/WindowGeometry.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WinPaint.h"

#include <algorithm>
#include <memory>

namespace
{
gfx::TBrush SysBrush(int Index)
{
    return gfx::TBrush::Solid(ColorToRGB(GetSysColor(Index)));
}

// The track's half-tone: two system colours in a one-pixel checker.
gfx::TBrush Checker(int First, int Second)
{
    auto Pattern = std::make_shared<TSurface>(2, 2, ColorToRGB(GetSysColor(First)));
    Pattern->SetPixel(1, 0, ColorToRGB(GetSysColor(Second)));
    Pattern->SetPixel(0, 1, ColorToRGB(GetSysColor(Second)));
    return gfx::TBrush::FromPattern(std::move(Pattern));
}

// A raised face (arrow button or thumb); pressed arrows are flat.
void Face(TDeviceContext& Dc, const TRect& R, bool Pressed)
{
    FillRect(Dc, R, SysBrush(COLOR_BTNFACE));
    if (Pressed)
    {
        FrameRect(Dc, R, SysBrush(COLOR_BTNSHADOW));
        return;
    }
    PaintEdgeRing(Dc, R, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
    PaintEdgeRing(Dc, R.Inflate(-1, -1), COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
}

// A filled triangle pointing along the bar: towards its start (First) or
// its end, Half + 1 rows deep and 2 * Half + 1 wide, its top-left at (X, Y).
void Glyph(TDeviceContext& Dc, int X, int Y, int Half, bool Vertical, bool First, int Colour)
{
    gfx::TBrush Brush = SysBrush(Colour);
    for (int I = 0; I <= Half; ++I)
    {
        int Row = First ? I : Half - I; // the tip row has one pixel
        if (Vertical)
            FillRect(Dc, {X + Half - Row, Y + I, X + Half + Row + 1, Y + I + 1}, Brush);
        else
            FillRect(Dc, {X + I, Y + Half - Row, X + I + 1, Y + Half + Row + 1}, Brush);
    }
}

void ArrowButton(TDeviceContext& Dc, const TRect& R, bool Vertical, bool First, bool Pressed,
                 bool Disabled)
{
    if (R.IsEmpty()) return;
    Face(Dc, R, Pressed);
    const int Half = std::max(1, (std::min(R.Width(), R.Height()) - 4) / 4);
    const int Across = 2 * Half + 1, Along = Half + 1;
    const int W = Vertical ? Across : Along, H = Vertical ? Along : Across;
    int X = R.Left + (R.Width() - W) / 2, Y = R.Top + (R.Height() - H) / 2;
    if (Pressed)
    {
        ++X;
        ++Y;
    }
    if (Disabled)
    {
        Glyph(Dc, X + 1, Y + 1, Half, Vertical, First, COLOR_BTNHIGHLIGHT);
        Glyph(Dc, X, Y, Half, Vertical, First, COLOR_BTNSHADOW);
        return;
    }
    Glyph(Dc, X, Y, Half, Vertical, First, COLOR_BTNTEXT);
}
} // namespace

void PaintScrollBar(TDeviceContext& Dc, const TScrollGeometry& G, const TScrollBarData& Data,
                    bool Disabled)
{
    if (G.Bar.right <= G.Bar.left || G.Bar.bottom <= G.Bar.top) return;
    const TRect Track =
        ToTRect(G.Bar).Inflate(G.Vertical ? 0 : -G.Arrow, G.Vertical ? -G.Arrow : 0);
    if (!Track.IsEmpty()) FillRect(Dc, Track, Checker(COLOR_BTNHIGHLIGHT, COLOR_BTNFACE));
    for (TScrollPart Page : {spPageUp, spPageDown})
        if (Data.Pressed == Page)
            FillRect(Dc, ToTRect(G.PartRect(Page)), Checker(COLOR_3DDKSHADOW, COLOR_BTNSHADOW));
    ArrowButton(Dc, ToTRect(G.PartRect(spLineUp)), G.Vertical, true, Data.Pressed == spLineUp,
                Disabled || (Data.DisabledArrows & ESB_DISABLE_LTUP));
    ArrowButton(Dc, ToTRect(G.PartRect(spLineDown)), G.Vertical, false, Data.Pressed == spLineDown,
                Disabled || (Data.DisabledArrows & ESB_DISABLE_RTDN));
    if (G.ThumbEnd > G.ThumbStart) Face(Dc, ToTRect(G.PartRect(spThumb)), false);
}

void PaintWindowScrollBars(TDeviceContext& Dc, const TWindow& Window)
{
    for (int Bar : {SB_HORZ, SB_VERT})
        if (ScrollBarShown(Window, Bar))
            PaintScrollBar(Dc, ScrollGeometryOf(Window, Bar),
                           Window.Scroll[static_cast<size_t>(Bar)], ScrollBarDisabled(Window, Bar));
    RECT Box = SizeBoxRectInWindow(Window);
    if (Box.right > Box.left) FillRect(Dc, ToTRect(Box), SysBrush(COLOR_BTNFACE));
}
