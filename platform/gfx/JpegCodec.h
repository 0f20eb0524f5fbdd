#pragma once

#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <span>
#include <vector>

// Decodes a baseline or progressive JPEG (greyscale or colour) held in
// memory into an opaque surface. Data that ends early is Truncated (the
// library would otherwise fill the rest with grey); data the library rejects
// is Malformed; colour spaces it cannot turn into RGB are Unsupported. Out
// is unchanged on failure.
TCodecStatus ReadJpeg(std::span<const uint8_t> Data, TSurface& Out);

// Encodes Image as a colour JPEG of Quality 1..100 (clamped) into Bytes.
// Returns Malformed for an empty image, EncodeFailed if the library fails.
TCodecStatus WriteJpeg(const TSurface& Image, int Quality, std::vector<uint8_t>& Bytes);
