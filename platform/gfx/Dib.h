#pragma once

#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <span>

// Decoding of a device-independent bitmap: an info header, its palette or
// colour masks, and pixel rows. Shared by the BMP and ICO readers; internal
// to platform/gfx.
struct TDibSource
{
    // From the info header to the end of the data available.
    std::span<const uint8_t> Data;
    // Where the pixel rows start, counted from the info header; 0 means
    // "right after the palette".
    size_t PixelOffset = 0;
    // Icon images: the header height covers the colour rows and the 1-bit
    // transparency mask that follows them.
    bool Icon = false;
};

// Decodes into Out (premultiplied ARGB; opaque unless Icon). Out is left
// untouched on failure.
TCodecStatus DecodeDib(const TDibSource& Source, TSurface& Out);
