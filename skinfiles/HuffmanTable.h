#pragma once

#include "skinfiles/InflateStatus.h"

#include <cstdint>
#include <span>

// A decoding table for one canonical Huffman code of a DEFLATE stream. The
// first level is indexed by the next RootBits input bits (least significant
// first); codes longer than that continue in second-level tables that follow
// the first level in the same array. Each 32-bit entry says what the bits
// stand for and how many of them to consume.
namespace huffman
{

// Entry layout.
constexpr uint32_t CodeBitsMask = 0x0F; // bits to consume at this level
constexpr uint32_t ExtraShift = 4;      // extra bits after the code, or a
constexpr uint32_t ExtraMask = 0x0F;    // second-level table's index bits
constexpr uint32_t Literal = 0x100;     // value is a literal byte
constexpr uint32_t EndOfBlock = 0x200;  // the end-of-block code
constexpr uint32_t Link = 0x400;        // value is a second-level table's offset
constexpr uint32_t Invalid = 0x800;     // no symbol has this code
constexpr uint32_t ValueShift = 16;     // literal, base length or distance, offset

inline uint32_t CodeBits(uint32_t Entry)
{
    return Entry & CodeBitsMask;
}
inline uint32_t ExtraBits(uint32_t Entry)
{
    return (Entry >> ExtraShift) & ExtraMask;
}
inline uint32_t Value(uint32_t Entry)
{
    return Entry >> ValueShift;
}

} // namespace huffman

// What a table's symbols stand for.
enum class THuffmanAlphabet
{
    // Literal/length: 0-255 literals, 256 end of block, 257-285 lengths.
    LiteralLength,
    // Distance: 0-29 with their base distances and extra bits.
    Distance,
    // The code-length code: symbols 0-18 as they are.
    CodeLength
};

class THuffmanTable
{
  public:
    // Largest tables: first level plus every second-level table a complete
    // code over the alphabet can need.
    static constexpr int LiteralRootBits = 10;
    static constexpr int DistanceRootBits = 8;
    static constexpr int CodeLengthRootBits = 7;
    static constexpr int MaxEntries = 1536;

    // Builds the table from one code length per symbol (0 = unused). Refuses
    // (BadCodeSet) an over-subscribed set and an incomplete one, except the
    // single one-bit code and, for distances, no code at all.
    TInflateStatus Build(THuffmanAlphabet Alphabet, std::span<const uint8_t> Lengths);

    // The entry of the code at the start of Bits (least significant bit
    // first), through a second-level table where the code continues there.
    // Length receives the bits the code takes at both levels together.
    uint32_t Decode(uint64_t Bits, unsigned& Length) const;

    const uint32_t* Entries() const { return FEntries; }
    int RootBits() const { return FRootBits; }

  private:
    uint32_t FEntries[MaxEntries];
    int FRootBits = 0;
};
