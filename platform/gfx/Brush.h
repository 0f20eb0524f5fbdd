#pragma once

#include "platform/gfx/Color.h"
#include "platform/gfx/Surface.h"

#include <memory>

// Brush styles (classic values).
enum : int
{
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HOLLOW = BS_NULL,
    BS_PATTERN = 3
};

namespace gfx
{
// How areas are filled. A pattern brush tiles Pattern (any size, typically
// 8 x 8) from the device context's brush origin; it is shared, not copied.
// A pattern brush without a pattern surface fills nothing.
struct TBrush
{
    int Style = BS_SOLID;
    TColor Color = clWhite;
    std::shared_ptr<const TSurface> Pattern;

    static TBrush Solid(TColor Color) { return {BS_SOLID, Color, nullptr}; }
    static TBrush Clear() { return {BS_NULL, clWhite, nullptr}; }
    static TBrush FromPattern(std::shared_ptr<const TSurface> Pattern)
    {
        return {BS_PATTERN, clWhite, std::move(Pattern)};
    }
};
} // namespace gfx
