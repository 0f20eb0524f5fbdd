#pragma once

#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <span>
#include <vector>

// Reads one image of an icon (or cursor) file held in memory: the entry
// whose width is closest to PreferredSize (0: the largest), the deepest
// colour among equals. Images are device-independent bitmaps of 1 to 32 bits
// per pixel, or PNG pictures; their transparency (the 1-bit mask, the alpha
// bytes of a 32-bit image, or PNG alpha) becomes premultiplied alpha in Out.
// Out is unchanged on failure. Never reads outside Data.
TCodecStatus ReadIco(std::span<const uint8_t> Data, TSurface& Out, int PreferredSize = 0);

// Encodes Images (each 1..256 pixels wide and high, premultiplied alpha) as
// an icon file of 32-bit entries with alpha and a 1-bit mask (set where
// alpha is 0), in the order given. Bytes receives the file. Returns
// Malformed for no images or an empty one and Unsupported for one larger
// than 256 pixels.
TCodecStatus WriteIco(std::span<const TSurface* const> Images, std::vector<uint8_t>& Bytes);
