#pragma once

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

#include <cstddef>
#include <cstdint>

union pixman_image;

// A 32-bit pixel surface: rows of 0xAARRGGBB words, top row first.
//
// Surfaces made here own their pixels, are premultiplied ARGB and start
// opaque; every drawing primitive writes opaque pixels, so alpha only matters
// for pictures that carry it (icons) and is used by DrawAlpha-style
// composition. A wrapped surface borrows someone else's XRGB pixels (a window
// system's frame buffer); its alpha byte is ignored.
//
// Move-only; Clone() makes a deep copy. Not thread-safe: one thread draws
// into a surface at a time.
class TSurface
{
  public:
    // Largest accepted width or height, in pixels.
    static constexpr int MaxDimension = 32767;

    TSurface() = default;
    // Width x Height pixels filled with Fill. A size of 0 in either direction,
    // a negative size, a side past MaxDimension or a failed allocation gives
    // an empty surface (IsEmpty()).
    TSurface(int Width, int Height, TColor Fill = clBlack);
    ~TSurface();
    TSurface(TSurface&& Other) noexcept;
    TSurface& operator=(TSurface&& Other) noexcept;
    TSurface(const TSurface&) = delete;
    TSurface& operator=(const TSurface&) = delete;

    // Borrows Pixels (XRGB words, StrideBytes apart; not owned, must outlive
    // the surface). Returns an empty surface for a null pointer or bad sizes.
    static TSurface Wrap(uint32_t* Pixels, int Width, int Height, int StrideBytes);

    TSurface Clone() const;

    bool IsEmpty() const { return FImage == nullptr; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TRect Bounds() const { return {0, 0, FWidth, FHeight}; }
    // Distance between rows in 32-bit words.
    int StrideWords() const { return FStrideWords; }
    bool IsWrapped() const { return FWrapped; }

    // Row Y (0 <= Y < Height; unchecked).
    uint32_t* Row(int Y) { return FPixels + static_cast<std::ptrdiff_t>(Y) * FStrideWords; }
    const uint32_t* Row(int Y) const
    {
        return FPixels + static_cast<std::ptrdiff_t>(Y) * FStrideWords;
    }

    // The colour at (X, Y), or CLR_INVALID outside the surface.
    TColor Pixel(int X, int Y) const;
    // Raw 0xAARRGGBB word at (X, Y); 0 outside the surface.
    uint32_t RawPixel(int X, int Y) const;
    // Sets (X, Y) to an opaque Color; ignored outside the surface.
    void SetPixel(int X, int Y, TColor Color);
    // Fills the whole surface with an opaque Color.
    void Fill(TColor Color);

    // The pixman image behind the surface, for this layer's drawing code.
    pixman_image* Image() const { return FImage; }

  private:
    void Release();

    pixman_image* FImage = nullptr;
    uint32_t* FPixels = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    int FStrideWords = 0;
    bool FWrapped = false;
};

constexpr TColor CLR_INVALID = 0xFFFFFFFF;
