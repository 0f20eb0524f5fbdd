#pragma once

#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <vector>

// Encodes Image as an 8-bit RGB PNG into Bytes (alpha is dropped: surfaces
// are opaque screenshots). Returns Malformed for an empty image and
// EncodeFailed if the library fails.
TCodecStatus WritePng(const TSurface& Image, std::vector<uint8_t>& Bytes);
