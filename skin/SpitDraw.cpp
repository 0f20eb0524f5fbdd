#include "skin/SpitDraw.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DeviceContext.h"

#include <algorithm>

namespace
{
constexpr TColor KeyColor = 0xFF00FF;

// Source rectangle Src of S at its own size, its top-left corner at (X, Y).
void CopyPiece(TDeviceContext& Dc, const TSurface& S, const TRect& Src, int X, int Y,
               bool Transparent)
{
    const int W = Src.Width(), H = Src.Height();
    if (W <= 0 || H <= 0) return;
    if (Transparent)
        TransparentBlt(Dc, X, Y, W, H, S, Src.Left, Src.Top, W, H, KeyColor);
    else
        BitBlt(Dc, X, Y, W, H, S, Src.Left, Src.Top);
}

bool HasKey(const TSurface& S, const TRect& Src)
{
    const uint32_t Key = PixelFromRGB(KeyColor);
    for (int Y = Src.Top; Y < Src.Bottom; ++Y)
        for (int X = Src.Left; X < Src.Right; ++X)
            if (S.Row(Y)[X] == Key) return true;
    return false;
}

// Src of S stretched over Dest, its 0xFF00FF pixels left out. Over a large
// area a band without the key colour (bands are a pixel or two thick) takes
// the plain nearest-pixel stretch: the same pixels, many times faster there,
// though its set-up costs more than it saves on a button.
void StretchPiece(TDeviceContext& Dc, const TSurface& S, const TRect& Src, const TRect& Dest)
{
    constexpr int LargeArea = 4096;
    if (Src.IsEmpty() || Dest.IsEmpty()) return;
    if (Dest.Width() * Dest.Height() < LargeArea || HasKey(S, Src))
    {
        TransparentBlt(Dc, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), S, Src.Left, Src.Top,
                       Src.Width(), Src.Height(), KeyColor);
        return;
    }
    const int Old = Dc.SetStretchMode(COLORONCOLOR);
    StretchBlt(Dc, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), S, Src.Left, Src.Top,
               Src.Width(), Src.Height());
    Dc.SetStretchMode(Old);
}

// Src stretched over Dest opaquely.
void StretchOpaque(TDeviceContext& Dc, const TSurface& S, const TRect& Src, const TRect& Dest)
{
    if (Src.IsEmpty() || Dest.IsEmpty()) return;
    StretchBlt(Dc, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), S, Src.Left, Src.Top,
               Src.Width(), Src.Height());
}
} // namespace

void SpitDraw(const TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect, bool Transparent)
{
    if (!Bitmap || !Canvas || !Canvas->Handle()) return;
    TDeviceContext& Dc = *Canvas->Handle();
    const TSurface& S = Bitmap->Surface();
    const int SW = Bitmap->Width(), SH = Bitmap->Height();
    const int W = Rect.Width(), H = Rect.Height();
    // Below 4 pixels a right or bottom corner would be empty and the edges
    // beside it undefined.
    if (SW < 4 || SH < 4 || W < 4 || H < 4) return;
    const int HW = SW / 2, HH = SH / 2, DW = W / 2, DH = H / 2;
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;

    // Corners: the right and bottom ones are a pixel smaller than half.
    const int W1 = std::min(HW, DW), H1 = std::min(HH, DH);
    const int W2 = std::min(HW, DW), H2 = std::min(HH - 1, DH - 1);
    const int W4 = std::min(HW - 1, DW - 1), H4 = std::min(HH, DH);
    const int W5 = std::min(HW - 1, DW - 1), H5 = std::min(HH - 1, DH - 1);
    const TRect TL{L, T, L + W1, T + H1};
    const TRect BL{L, B - H2, L + W2, B};
    const TRect TR{R - W4, T, R, T + H4};
    const TRect BR{R - W5, B - H5, R, B};

    // The middle band is one row (odd height) or empty (even height): an
    // empty one takes row HH, the first of the lower half.
    const int MidBottom = std::max(SH - HH, HH + 1);

    CopyPiece(Dc, S, {0, 0, W1, H1}, TL.Left, TL.Top, Transparent);
    CopyPiece(Dc, S, {0, SH - H2, W2, SH}, BL.Left, BL.Top, Transparent);
    StretchPiece(Dc, S, {0, HH, W1, MidBottom}, {L, TL.Bottom, TL.Right, BL.Top});
    CopyPiece(Dc, S, {SW - W4, 0, SW, H4}, TR.Left, TR.Top, Transparent);
    CopyPiece(Dc, S, {SW - W5, SH - H5, SW, SH}, BR.Left, BR.Top, Transparent);
    StretchPiece(Dc, S, {SW - W4, SH - HH, SW, HH + 2}, {TR.Left, TR.Bottom, TR.Right, BR.Top});
    StretchPiece(Dc, S, {HW, 0, SW - HW + 1, H1}, {TL.Right, T, TR.Left, TL.Bottom});
    StretchPiece(Dc, S, {HW, HH, SW - HW + 1, MidBottom},
                 {TL.Right, TL.Bottom, TR.Left, BR.Top - 1});
    // The bottom edge reaches a column into the bottom-left corner and a
    // row above the bottom corners; its band keeps its bottom rows.
    const TRect Bottom{TL.Right - 1, BL.Top - 1, BR.Left, B};
    StretchPiece(Dc, S, {HW, SH - std::min(HH, Bottom.Height()), SW - HW + 1, SH}, Bottom);
    Canvas->OnChange(Canvas);
}

namespace
{
// The caps and middle of a three-image strip over Rect. MiddleBottom is
// where the middle ends; a Rect narrower than one image gets the left part
// of the left cap.
void DrawThreePieces(TDeviceContext& Dc, const TSurface& S, int FW, const TRect& Rect, bool Masked,
                     TColor Mask, const TSurface& Middle, int MiddleBottom)
{
    const int FH = S.Height();
    auto Cap = [&](int SrcX, int X, int Width)
    {
        if (Masked)
            TransparentBlt(Dc, X, Rect.Top, Width, FH, S, SrcX, 0, Width, FH, Mask);
        else
            BitBlt(Dc, X, Rect.Top, Width, FH, S, SrcX, 0);
    };
    if (Rect.Width() < FW)
    {
        if (Rect.Width() > 0) Cap(0, Rect.Left, Rect.Width());
        return;
    }
    Cap(0, Rect.Left, FW);
    Cap(2 * FW, Rect.Right - FW, FW);
    StretchOpaque(Dc, Middle, Middle.Bounds(),
                  {Rect.Left + FW, Rect.Top, Rect.Right - FW, MiddleBottom});
}
} // namespace

void SpitDrawHorizontal2(const TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect,
                         bool Transparent, TColor MaskColor)
{
    if (!Bitmap || !Canvas || !Canvas->Handle()) return;
    const int FW = Bitmap->Width() / 3;
    if (FW < 1 || Bitmap->Height() < 1) return;
    const TSurface& S = Bitmap->Surface();
    TSurface Middle(FW, S.Height());
    TDeviceContext MiddleDc(Middle);
    BitBlt(MiddleDc, 0, 0, FW, S.Height(), S, FW, 0);
    DrawThreePieces(*Canvas->Handle(), S, FW, Rect, Transparent, ColorToRGB(MaskColor), Middle,
                    Rect.Top + S.Height());
    Canvas->OnChange(Canvas);
}

void SpitDrawHorizontal(const TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect,
                        bool UseCornerPixel, TColor MiddleColor, bool SampleTopRow)
{
    if (!Bitmap || !Canvas || !Canvas->Handle()) return;
    const int FW = Bitmap->Width() / 3;
    if (FW < 1 || Bitmap->Height() < 1) return;
    const TSurface& S = Bitmap->Surface();
    const TColor Mask = UseCornerPixel ? S.Pixel(0, SampleTopRow ? 0 : S.Height() - 1) : KeyColor;
    TSurface Middle(FW, S.Height(), ColorToRGB(MiddleColor));
    TDeviceContext MiddleDc(Middle);
    TransparentBlt(MiddleDc, 0, 0, FW, S.Height(), S, FW, 0, FW, S.Height(), Mask);
    DrawThreePieces(*Canvas->Handle(), S, FW, Rect, true, Mask, Middle, Rect.Bottom);
    Canvas->OnChange(Canvas);
}
