#pragma once

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

#include <memory>

// Pictures in which every pixel has its own colour, so the source of each
// drawn pixel can be read back.
inline TColor Code(int X, int Y)
{
    return RGB(X & 0xFF, Y & 0x7F, 0x80 | (X >> 8));
}

// The source point a coded colour came from; (-1, -1) for other colours.
inline TPoint Decode(TColor C)
{
    if (!(GetBValue(C) & 0x80) || (GetGValue(C) & 0x80)) return {-1, -1};
    return {GetRValue(C) | (GetBValue(C) & 0x7F) << 8, GetGValue(C)};
}

inline std::unique_ptr<TBitmap> CodedBitmap(int Width, int Height)
{
    auto B = std::make_unique<TBitmap>();
    B->SetSize(Width, Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            B->Canvas()->SetPixel(X, Y, Code(X, Y));
    return B;
}

inline std::unique_ptr<TBitmap> FilledBitmap(int Width, int Height, TColor Color)
{
    auto B = std::make_unique<TBitmap>();
    B->SetSize(Width, Height);
    B->Canvas()->Brush()->SetColor(Color);
    B->Canvas()->FillRect({0, 0, Width, Height});
    return B;
}
