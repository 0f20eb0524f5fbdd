#pragma once

#include <cstdint>
#include <span>
#include <vector>

// How DeflateBytes codes its input.
enum class TDeflateMode
{
    // Stored blocks of at most 65535 bytes.
    Stored,
    // One block with the fixed Huffman codes, matches found by hash chains.
    Fixed
};

// A raw DEFLATE stream (no wrapper) of Data.
std::vector<uint8_t> DeflateBytes(std::span<const uint8_t> Data, TDeflateMode Mode);
