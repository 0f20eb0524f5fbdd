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

namespace
{
void PutLe(std::vector<uint8_t>& B, size_t At, uint32_t V, int Count)
{
    for (int I = 0; I < Count; ++I)
        B[At + I] = static_cast<uint8_t>(V >> (8 * I));
}
} // namespace

TCodecStatus WriteIco(std::span<const TSurface* const> Images, std::vector<uint8_t>& Bytes)
{
    if (Images.empty() || Images.size() > 0xFFFF) return TCodecStatus::Malformed;
    for (const TSurface* Image : Images)
    {
        if (!Image || Image->IsEmpty()) return TCodecStatus::Malformed;
        if (Image->Width() > 256 || Image->Height() > 256) return TCodecStatus::Unsupported;
    }
    const size_t DirectorySize = 6 + 16 * Images.size();
    std::vector<uint8_t> B(DirectorySize, 0);
    PutLe(B, 2, 1, 2); // icon
    PutLe(B, 4, static_cast<uint32_t>(Images.size()), 2);
    for (size_t I = 0; I < Images.size(); ++I)
    {
        const TSurface& Image = *Images[I];
        const int W = Image.Width(), H = Image.Height();
        const size_t MaskStride = static_cast<size_t>((W + 31) / 32) * 4;
        const size_t Size = 40 + static_cast<size_t>(W) * H * 4 + MaskStride * H;
        const size_t At = B.size();
        const size_t Entry = 6 + 16 * I;
        B[Entry] = static_cast<uint8_t>(W & 0xFF); // 256 is written as 0
        B[Entry + 1] = static_cast<uint8_t>(H & 0xFF);
        PutLe(B, Entry + 4, 1, 2);  // planes
        PutLe(B, Entry + 6, 32, 2); // bits per pixel
        PutLe(B, Entry + 8, static_cast<uint32_t>(Size), 4);
        PutLe(B, Entry + 12, static_cast<uint32_t>(At), 4);

        B.resize(At + Size, 0);
        PutLe(B, At, 40, 4);
        PutLe(B, At + 4, static_cast<uint32_t>(W), 4);
        PutLe(B, At + 8, static_cast<uint32_t>(2 * H), 4); // colour rows and mask rows
        PutLe(B, At + 12, 1, 2);
        PutLe(B, At + 14, 32, 2);
        const size_t Pixels = At + 40;
        const size_t Mask = Pixels + static_cast<size_t>(W) * H * 4;
        for (int Y = 0; Y < H; ++Y)
        {
            const uint32_t* Row = Image.Row(Y);
            const size_t Out = static_cast<size_t>(H - 1 - Y); // bottom-up
            for (int X = 0; X < W; ++X)
            {
                const uint32_t P = Row[X];
                const uint32_t A = P >> 24;
                uint32_t Straight = P;
                if (A == 0)
                    Straight = 0;
                else if (A < 255)
                {
                    // Entries hold straight (not premultiplied) colour.
                    auto C = [A](uint32_t V)
                    { return std::min<uint32_t>(255, (V * 255 + A / 2) / A); };
                    Straight =
                        A << 24 | C(P >> 16 & 0xFF) << 16 | C(P >> 8 & 0xFF) << 8 | C(P & 0xFF);
                }
                PutLe(B, Pixels + (Out * W + X) * 4, Straight, 4);
                if (A == 0)
                    B[Mask + Out * MaskStride + X / 8] |= static_cast<uint8_t>(0x80 >> (X % 8));
            }
        }
    }
    Bytes = std::move(B);
    return TCodecStatus::Ok;
}
