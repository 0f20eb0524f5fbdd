#include "skinfiles/PictureSize.h"

#include "platform/gfx/ByteReader.h"

#include <algorithm>
#include <cstdlib>

namespace
{

constexpr uint8_t PngSignature[4] = {0x89, 'P', 'N', 'G'};
constexpr size_t InfoHeaderAt = 14;

uint32_t BigEndian32(std::span<const uint8_t> B)
{
    return uint32_t(B[0]) << 24 | uint32_t(B[1]) << 16 | uint32_t(B[2]) << 8 | B[3];
}

} // namespace

uint64_t DeclaredPixels(std::span<const uint8_t> Picture)
{
    TByteReader R(Picture);
    if (R.Has(0, 4) && std::equal(Picture.begin(), Picture.begin() + 4, PngSignature))
    {
        // The IHDR chunk comes first: width and height after the 8-byte
        // signature and the chunk's 8-byte length and type.
        const auto Size = R.Bytes(16, 8);
        if (R.Failed()) return 0;
        return uint64_t(BigEndian32(Size)) * BigEndian32(Size.subspan(4));
    }
    const uint32_t HeaderSize = R.U32(InfoHeaderAt);
    if (HeaderSize == 12) return uint64_t(R.U16(InfoHeaderAt + 4)) * R.U16(InfoHeaderAt + 6);
    const uint64_t Width = uint64_t(std::llabs(R.I32(InfoHeaderAt + 4)));
    const uint64_t Height = uint64_t(std::llabs(R.I32(InfoHeaderAt + 8)));
    return R.Failed() ? 0 : Width * Height;
}
