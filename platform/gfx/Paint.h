#pragma once

#include "platform/gfx/DeviceContext.h"

#include <initializer_list>
#include <optional>

// What a primitive puts into the pixels it covers, and the clipped span and
// rectangle writers every primitive ends in. Internal to platform/gfx;
// coordinates here are surface coordinates.
struct TPaint
{
    enum class TKind
    {
        Solid,
        Pattern,
        Invert
    };
    TKind Kind = TKind::Solid;
    uint32_t Pixel = 0xFF000000u;
    const TSurface* Pattern = nullptr;
    // Surface position of the pattern's pixel (0, 0).
    int OriginX = 0;
    int OriginY = 0;

    static TPaint Solid(TColor Color)
    {
        return {TKind::Solid, PixelFromColor(Color), nullptr, 0, 0};
    }
    static TPaint Invert() { return {TKind::Invert, 0, nullptr, 0, 0}; }
};

// Logical coordinates are limited to +-CoordLimit so that sums and sizes
// cannot overflow; beyond it nothing could be visible anyway.
constexpr int CoordLimit = 1 << 24;

inline bool WithinCoordLimit(std::initializer_list<int> Values)
{
    for (int V : Values)
        if (V < -CoordLimit || V > CoordLimit) return false;
    return true;
}

// The paint of Dc's current brush, or of Brush; nothing for a null brush or
// a pattern brush without a pattern.
std::optional<TPaint> BrushPaint(const TDeviceContext& Dc, const gfx::TBrush& Brush);

// Pixels X0..X1 (inclusive) of row Y, clipped to Dc's drawable region.
void PaintSpan(const TDeviceContext& Dc, const TPaint& Paint, int Y, int X0, int X1);
// Rect (right and bottom exclusive), clipped to Dc's drawable region.
void PaintRect(const TDeviceContext& Dc, const TPaint& Paint, const TRect& Rect);
