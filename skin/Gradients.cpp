#include "skin/Gradients.h"

#include "framework/graphics/Canvas.h"

namespace
{
// Component C of the colour Step steps of Span from From to To.
int Blend(int From, int To, int Span, int Step)
{
    return From + static_cast<int>(static_cast<double>(To - From) / Span * Step);
}

TColor BlendColor(TColor From, TColor To, int Span, int Step)
{
    return RGB(Blend(GetRValue(From), GetRValue(To), Span, Step),
               Blend(GetGValue(From), GetGValue(To), Span, Step),
               Blend(GetBValue(From), GetBValue(To), Span, Step));
}

void Row(TCanvas* Canvas, const TRect& Rect, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->MoveTo(Rect.Left, Y);
    Canvas->LineTo(Rect.Right, Y);
}

void Column(TCanvas* Canvas, const TRect& Rect, int X, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->MoveTo(X, Rect.Top);
    Canvas->LineTo(X, Rect.Bottom);
}
} // namespace

void DrawHorizontalGradient(TCanvas* Canvas, const TRect& Rect, TColor FromColor, TColor ToColor)
{
    if (!Canvas || Rect.Bottom <= Rect.Top) return;
    const TColor From = ColorToRGB(FromColor), To = ColorToRGB(ToColor);
    const int Span = Rect.Height();
    Row(Canvas, Rect, Rect.Top, From);
    for (int Y = Rect.Top + 1; Y <= Rect.Bottom - 2; ++Y)
        Row(Canvas, Rect, Y, BlendColor(From, To, Span, Y - Rect.Top - 1));
    Row(Canvas, Rect, Rect.Bottom - 1, To);
}

void DrawVerticalGradient(TCanvas* Canvas, const TRect& Rect, TColor FromColor, TColor ToColor)
{
    if (!Canvas || Rect.Right <= Rect.Left) return;
    const TColor From = ColorToRGB(FromColor), To = ColorToRGB(ToColor);
    const int Span = Rect.Width();
    Column(Canvas, Rect, Rect.Left, From);
    for (int X = Rect.Left + 1; X <= Rect.Right - 2; ++X)
        Column(Canvas, Rect, X, BlendColor(From, To, Span, X - Rect.Left));
    Column(Canvas, Rect, Rect.Right - 1, To);
}
