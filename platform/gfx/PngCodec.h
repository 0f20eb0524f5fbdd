#pragma once

#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <span>
#include <vector>

// Decodes a PNG held in memory (any colour type and depth) into a surface
// with premultiplied alpha. Data that ends early is Truncated, other
// damage Malformed; pictures beyond MaxPicturePixels are TooLarge. Out is
// unchanged on failure.
TCodecStatus ReadPng(std::span<const uint8_t> Data, TSurface& Out);

// Encodes Image as an 8-bit RGB PNG into Bytes: alpha is dropped (surfaces
// are opaque screenshots) unless KeepAlpha asks for an RGBA PNG, as icons
// need. Returns Malformed for an empty image and EncodeFailed if the library
// fails.
TCodecStatus WritePng(const TSurface& Image, std::vector<uint8_t>& Bytes, bool KeepAlpha = false);
