#include "platform/gfx/IcoCodec.h"

#include "platform/gfx/ByteReader.h"
#include "platform/gfx/Dib.h"
#include "platform/gfx/PngCodec.h"

#include <algorithm>
#include <cstdlib>

TCodecStatus ReadIco(std::span<const uint8_t> Data, TSurface& Out, int PreferredSize)
{
    TByteReader R(Data);
    const uint16_t Reserved = R.U16(0);
    const uint16_t Type = R.U16(2);
    const uint16_t Count = R.U16(4);
    if (R.Failed()) return TCodecStatus::Truncated;
    if (Reserved != 0 || (Type != 1 && Type != 2) || Count == 0) return TCodecStatus::Malformed;
    if (!R.Has(6, size_t(Count) * 16)) return TCodecStatus::Truncated;

    int Best = -1;
    long BestScore = 0;
    for (int I = 0; I < Count; ++I)
    {
        const size_t At = 6 + static_cast<size_t>(I) * 16;
        const int Width = R.U8(At) == 0 ? 256 : R.U8(At);
        const int Bits = R.U16(At + 6);
        // Closest size first, deepest colour second.
        const long SizeScore =
            PreferredSize > 0 ? 1000 - std::labs(long(Width) - PreferredSize) : Width;
        const long Score = SizeScore * 100 + Bits;
        if (Best < 0 || Score > BestScore)
        {
            Best = I;
            BestScore = Score;
        }
    }
    const size_t At = 6 + static_cast<size_t>(Best) * 16;
    const uint32_t Size = R.U32(At + 8);
    const uint32_t Offset = R.U32(At + 12);
    if (Offset < 6 + size_t(Count) * 16) return TCodecStatus::Malformed;
    if (!R.Has(Offset, Size) || Size < 4) return TCodecStatus::Truncated;
    const std::span<const uint8_t> Image = Data.subspan(Offset, Size);
    static constexpr uint8_t PngSignature[4] = {0x89, 'P', 'N', 'G'};
    if (std::equal(PngSignature, PngSignature + 4, Image.begin())) return ReadPng(Image, Out);
    TDibSource Source;
    Source.Data = Image;
    Source.Icon = true;
    return DecodeDib(Source, Out);
}
