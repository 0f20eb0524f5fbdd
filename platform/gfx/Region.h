#pragma once

#include "platform/gfx/Geometry.h"

#include <pixman.h>

#include <vector>

// Region kinds returned by region and clipping calls (classic values).
enum : int
{
    RGN_ERROR = 0,
    NULLREGION = 1,
    SIMPLEREGION = 2,
    COMPLEXREGION = 3
};

// Combine modes (classic values).
enum : int
{
    RGN_AND = 1,
    RGN_OR = 2,
    RGN_XOR = 3,
    RGN_DIFF = 4,
    RGN_COPY = 5
};

// A set of pixels stored as y-x banded rectangles (right and bottom
// exclusive). Value type: copies are deep.
class TRegion
{
  public:
    TRegion();
    explicit TRegion(const TRect& Rect);
    ~TRegion();
    TRegion(const TRegion& Other);
    TRegion& operator=(const TRegion& Other);
    TRegion(TRegion&& Other) noexcept;
    TRegion& operator=(TRegion&& Other) noexcept;

    // The classic rounded-rectangle region of (L, T, R, B): like the plain
    // rectangle region it leaves out the right column and the bottom row of
    // the shape a round rect drawn with the same numbers covers, so the
    // pixels are (L, T)..(R - 2, B - 2). Its corners are quarters of an
    // ellipse CornerWidth x CornerHeight (clamped to the rectangle). A corner
    // size below 2 in either direction gives square corners. An inverted
    // rectangle is normalised; a rectangle narrower than 2 pixels is empty.
    static TRegion RoundRect(int L, int T, int R, int B, int CornerWidth, int CornerHeight);
    // The elliptic region inscribed in (L, T, R, B), same edge rule.
    static TRegion Ellipse(int L, int T, int R, int B);
    // Union of the given rectangles (empty ones are skipped).
    static TRegion FromRects(const std::vector<TRect>& Rects);

    // NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
    int Kind() const;
    bool IsEmpty() const;
    // Bounding box; (0, 0, 0, 0) for an empty region.
    TRect Box() const;
    bool Contains(int X, int Y) const;
    // True when any pixel of Rect lies in the region.
    bool Overlaps(const TRect& Rect) const;
    // The banded rectangles, top to bottom, left to right within a band.
    std::vector<TRect> Rects() const;

    void Offset(int Dx, int Dy);
    // In-place set operations; each returns the resulting Kind().
    int Union(const TRegion& Other);
    int Intersect(const TRegion& Other);
    int Subtract(const TRegion& Other);
    int Xor(const TRegion& Other);
    int IntersectRect(const TRect& Rect);

    friend bool operator==(const TRegion& A, const TRegion& B);

    const pixman_region32_t* Native() const { return &FRegion; }
    pixman_region32_t* Native() { return &FRegion; }

  private:
    pixman_region32_t FRegion;
};

// Dest := A <Mode> B (RGN_COPY copies A). Dest may be A or B. Returns the
// kind of the result, or RGN_ERROR (Dest unchanged) for an unknown mode.
int CombineRgn(TRegion& Dest, const TRegion& A, const TRegion& B, int Mode);
