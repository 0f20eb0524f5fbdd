#pragma once

#include "skinfiles/ByteBuffer.h"
#include "skinfiles/InflateStatus.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Largest output of one stream unless a caller asks for less: a small file
// must not be able to claim all memory.
constexpr size_t MaxInflateOutput = size_t(64) << 20;

// Inflates the raw DEFLATE stream In (no zlib or gzip wrapper) into Out,
// replacing Out's content, until the block marked final ends; bytes after it
// are ignored. SizeHint, when not 0, is the expected output size and is
// reserved up front. Never reads outside In and never lets Out grow beyond
// MaxOutput bytes (plus a few hundred bytes of working room). On failure Out
// holds what was decoded so far.
TInflateStatus Inflate(std::span<const uint8_t> In, TByteBuffer& Out,
                       size_t MaxOutput = MaxInflateOutput, size_t SizeHint = 0);
