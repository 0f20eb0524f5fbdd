#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Bounds-checked little-endian reads from a byte span, for the picture codecs
// and the skin-file reader: every read outside the span yields 0 and sets
// Failed.
class TByteReader
{
  public:
    explicit TByteReader(std::span<const uint8_t> Data) : FData(Data) {}

    size_t Size() const { return FData.size(); }
    bool Failed() const { return FFailed; }
    bool Has(size_t Offset, size_t Count) const
    {
        return Offset <= FData.size() && Count <= FData.size() - Offset;
    }

    uint8_t U8(size_t Offset)
    {
        if (!Has(Offset, 1)) return Fail();
        return FData[Offset];
    }
    uint16_t U16(size_t Offset)
    {
        if (!Has(Offset, 2)) return Fail();
        return static_cast<uint16_t>(FData[Offset] | FData[Offset + 1] << 8);
    }
    uint32_t U32(size_t Offset)
    {
        if (!Has(Offset, 4)) return Fail();
        return static_cast<uint32_t>(FData[Offset]) |
               static_cast<uint32_t>(FData[Offset + 1]) << 8 |
               static_cast<uint32_t>(FData[Offset + 2]) << 16 |
               static_cast<uint32_t>(FData[Offset + 3]) << 24;
    }
    int32_t I32(size_t Offset) { return static_cast<int32_t>(U32(Offset)); }
    // The span [Offset, Offset + Count), or an empty span (and Failed) when
    // it does not fit.
    std::span<const uint8_t> Bytes(size_t Offset, size_t Count)
    {
        if (!Has(Offset, Count))
        {
            Fail();
            return {};
        }
        return FData.subspan(Offset, Count);
    }

  private:
    uint8_t Fail()
    {
        FFailed = true;
        return 0;
    }

    std::span<const uint8_t> FData;
    bool FFailed = false;
};
