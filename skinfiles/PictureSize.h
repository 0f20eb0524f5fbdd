#pragma once

#include <cstdint>
#include <span>

// Width times height as a bitmap item's header states them (a BMP info or
// core header, or a PNG header), read without decoding the picture; 0 when
// the header cannot be read (the picture reader then refuses the item).
uint64_t DeclaredPixels(std::span<const uint8_t> Picture);
