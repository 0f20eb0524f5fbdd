#pragma once

#include <algorithm>

// Integer points and rectangles in pixels. A rectangle is (Left, Top, Right,
// Bottom) with Right and Bottom exclusive, so its width is Right - Left.
struct TPoint
{
    int X = 0;
    int Y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // True when the rectangle covers no pixel (also when it is inverted).
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int X, int Y) const { return X >= Left && X < Right && Y >= Top && Y < Bottom; }

    TRect Offset(int Dx, int Dy) const { return {Left + Dx, Top + Dy, Right + Dx, Bottom + Dy}; }
    TRect Inflate(int Dx, int Dy) const { return {Left - Dx, Top - Dy, Right + Dx, Bottom + Dy}; }
    // Left <= Right and Top <= Bottom, swapping edges where needed.
    TRect Normalized() const
    {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right),
                std::max(Top, Bottom)};
    }
    // The common part; an empty result is returned as (0, 0, 0, 0).
    TRect Intersect(const TRect& Other) const
    {
        TRect R{std::max(Left, Other.Left), std::max(Top, Other.Top), std::min(Right, Other.Right),
                std::min(Bottom, Other.Bottom)};
        return R.IsEmpty() ? TRect{} : R;
    }

    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize
{
    int Width = 0;
    int Height = 0;

    friend bool operator==(const TSize&, const TSize&) = default;
};
