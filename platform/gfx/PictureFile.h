#pragma once

#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Surface.h"

#include <string>

// Reads a picture file, choosing the reader by the file's first bytes (BMP,
// JPEG, PNG or icon). Files larger than 256 MB are TooLarge; a missing or
// unreadable file is Truncated (nothing could be read). Out is unchanged on
// failure.
TCodecStatus LoadPicture(const std::string& Path, TSurface& Out);

// Writes Image to Path in the format named by the extension, case
// insensitive: ".png", ".bmp" (24 bits), ".jpg"/".jpeg" (quality 90).
// Unsupported for another extension, EncodeFailed when the file cannot be
// written.
TCodecStatus SavePicture(const std::string& Path, const TSurface& Image);
