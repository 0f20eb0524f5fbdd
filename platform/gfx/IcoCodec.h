#pragma once

#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <span>

// Reads one image of an icon (or cursor) file held in memory: the entry
// whose width is closest to PreferredSize (0: the largest), the deepest
// colour among equals. Images are device-independent bitmaps of 1 to 32 bits
// per pixel, or PNG pictures; their transparency (the 1-bit mask, the alpha
// bytes of a 32-bit image, or PNG alpha) becomes premultiplied alpha in Out.
// Out is unchanged on failure. Never reads outside Data.
TCodecStatus ReadIco(std::span<const uint8_t> Data, TSurface& Out, int PreferredSize = 0);
