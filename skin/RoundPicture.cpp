#include "skin/RoundPicture.h"

#include "framework/graphics/Bitmap.h"

namespace
{
// Builds the turned picture row by row: Source(x, y) of the result is the
// source position of result pixel (x, y).
template <class F> void Turn(TBitmap* Bitmap, int NewWidth, int NewHeight, F Source)
{
    if (!Bitmap || Bitmap->Empty()) return;
    TSurface Turned(NewWidth, NewHeight);
    for (int Y = 0; Y < NewHeight; ++Y)
    {
        uint32_t* Out = Turned.Row(Y);
        for (int X = 0; X < NewWidth; ++X)
        {
            const TPoint P = Source(X, Y);
            Out[X] = Bitmap->ScanLine(P.Y)[P.X];
        }
    }
    Bitmap->LoadFromSurface(std::move(Turned));
}
} // namespace

void RoundPicture(TBitmap* Bitmap)
{
    if (!Bitmap) return;
    const int W = Bitmap->Width(), H = Bitmap->Height();
    // Result (y, W - 1 - x) comes from source (x, y).
    Turn(Bitmap, H, W, [W](int X, int Y) { return TPoint{W - 1 - Y, X}; });
}

void RoundPicture2(TBitmap* Bitmap)
{
    if (!Bitmap) return;
    const int W = Bitmap->Width(), H = Bitmap->Height();
    Turn(Bitmap, W, H, [W, H](int X, int Y) { return TPoint{W - 1 - X, H - 1 - Y}; });
}

void RoundPicture3(TBitmap* Bitmap)
{
    if (!Bitmap) return;
    const int W = Bitmap->Width(), H = Bitmap->Height();
    Turn(Bitmap, H, W, [H](int X, int Y) { return TPoint{Y, H - 1 - X}; });
}

void ScanColor(TBitmap* Bitmap, TColor FromColor, TColor ToColor)
{
    if (!Bitmap) return;
    Bitmap->SetPixelFormat(pf24bit);
    if (Bitmap->Empty()) return;
    const uint32_t From = PixelFromRGB(ColorToRGB(FromColor));
    const uint32_t To = PixelFromRGB(ColorToRGB(ToColor));
    for (int Y = 0; Y < Bitmap->Height(); ++Y)
    {
        uint32_t* Row = Bitmap->ScanLine(Y);
        for (int X = 0; X < Bitmap->Width(); ++X)
            if (Row[X] == From) Row[X] = To;
    }
}
