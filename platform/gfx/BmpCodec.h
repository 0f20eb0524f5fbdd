#pragma once

#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <span>
#include <vector>

// Reads a BMP file held in memory: 1, 4 and 8 bits per pixel with a
// palette, 16 (5-5-5 or colour masks), 24 and 32 (plain or colour masks)
// bits per pixel, bottom-up or top-down rows, run-length coded 4- and 8-bit
// pictures, with the old 12-byte or any 40- to 124-byte info header. On
// success Out holds the opaque picture; on failure Out is unchanged. Never
// reads outside Data.
TCodecStatus ReadBmp(std::span<const uint8_t> Data, TSurface& Out);

// Encodes Image as a bottom-up BMP file with BitsPerPixel 1, 4, 8 (with a
// palette of the picture's colours: Unsupported when it has more than the
// depth allows), 16 (5-5-5), 24 or 32. Bytes receives the file. Returns
// Unsupported for another depth and Malformed for an empty image.
TCodecStatus WriteBmp(const TSurface& Image, int BitsPerPixel, std::vector<uint8_t>& Bytes);
