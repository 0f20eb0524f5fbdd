#include "platform/gfx/BmpCodec.h"

#include "platform/gfx/ByteReader.h"
#include "platform/gfx/Dib.h"

#include <algorithm>
#include <map>

namespace
{
constexpr size_t FileHeaderSize = 14;
constexpr size_t InfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& B, size_t At, uint32_t V)
{
    B[At] = static_cast<uint8_t>(V);
    B[At + 1] = static_cast<uint8_t>(V >> 8);
}

void Put32(std::vector<uint8_t>& B, size_t At, uint32_t V)
{
    Put16(B, At, V & 0xFFFF);
    Put16(B, At + 2, V >> 16);
}
} // namespace

TCodecStatus ReadBmp(std::span<const uint8_t> Data, TSurface& Out)
{
    TByteReader R(Data);
    if (Data.size() < 2) return TCodecStatus::Truncated;
    if (Data[0] != 'B' || Data[1] != 'M') return TCodecStatus::Malformed;
    const uint32_t PixelOffset = R.U32(10);
    if (R.Failed() || Data.size() < FileHeaderSize + 4) return TCodecStatus::Truncated;
    TDibSource Source;
    Source.Data = Data.subspan(FileHeaderSize);
    // An offset inside the headers is wrong; the rows then start after the
    // palette.
    Source.PixelOffset = PixelOffset > FileHeaderSize ? PixelOffset - FileHeaderSize : 0;
    if (Source.PixelOffset != 0 && Source.PixelOffset < R.U32(FileHeaderSize))
        return TCodecStatus::Malformed;
    return DecodeDib(Source, Out);
}

TCodecStatus WriteBmp(const TSurface& Image, int BitsPerPixel, std::vector<uint8_t>& Bytes)
{
    const int Bpp = BitsPerPixel;
    if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 16 && Bpp != 24 && Bpp != 32)
        return TCodecStatus::Unsupported;
    if (Image.IsEmpty()) return TCodecStatus::Malformed;
    const int W = Image.Width();
    const int H = Image.Height();

    // Palette of the picture's colours, in order of first appearance.
    std::map<uint32_t, uint8_t> Index;
    std::vector<uint32_t> Palette;
    if (Bpp <= 8)
    {
        const size_t Limit = size_t(1) << Bpp;
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X)
            {
                const uint32_t P = Image.Row(Y)[X] & 0x00FFFFFFu;
                if (Index.count(P)) continue;
                if (Palette.size() == Limit) return TCodecStatus::Unsupported;
                Index.emplace(P, static_cast<uint8_t>(Palette.size()));
                Palette.push_back(P);
            }
    }
    const size_t Stride = static_cast<size_t>((int64_t(W) * Bpp + 31) / 32 * 4);
    const size_t PaletteBytes = Palette.size() * 4;
    const size_t PixelOffset = FileHeaderSize + InfoHeaderSize + PaletteBytes;
    const size_t Total = PixelOffset + Stride * static_cast<size_t>(H);
    std::vector<uint8_t> B(Total, 0);
    B[0] = 'B';
    B[1] = 'M';
    Put32(B, 2, static_cast<uint32_t>(Total));
    Put32(B, 10, static_cast<uint32_t>(PixelOffset));
    Put32(B, 14, InfoHeaderSize);
    Put32(B, 18, static_cast<uint32_t>(W));
    Put32(B, 22, static_cast<uint32_t>(H));
    Put16(B, 26, 1);
    Put16(B, 28, static_cast<uint32_t>(Bpp));
    Put32(B, 34, static_cast<uint32_t>(Stride * static_cast<size_t>(H)));
    Put32(B, 38, 3780); // 96 pixels per inch
    Put32(B, 42, 3780);
    Put32(B, 46, static_cast<uint32_t>(Palette.size()));
    for (size_t I = 0; I < Palette.size(); ++I)
        Put32(B, FileHeaderSize + InfoHeaderSize + I * 4, Palette[I]);
    for (int Y = 0; Y < H; ++Y)
    {
        const uint32_t* In = Image.Row(Y);
        uint8_t* Row = B.data() + PixelOffset + static_cast<size_t>(H - 1 - Y) * Stride;
        for (int X = 0; X < W; ++X)
        {
            const uint32_t P = In[X];
            switch (Bpp)
            {
            case 1:
                Row[X >> 3] |= static_cast<uint8_t>(Index[P & 0x00FFFFFFu] << (7 - (X & 7)));
                break;
            case 4:
                Row[X >> 1] |= static_cast<uint8_t>(Index[P & 0x00FFFFFFu] << (X & 1 ? 0 : 4));
                break;
            case 8:
                Row[X] = Index[P & 0x00FFFFFFu];
                break;
            case 16:
            {
                const uint32_t V = (P >> 19 & 0x1F) << 10 | (P >> 11 & 0x1F) << 5 | (P >> 3 & 0x1F);
                Row[2 * X] = static_cast<uint8_t>(V);
                Row[2 * X + 1] = static_cast<uint8_t>(V >> 8);
                break;
            }
            case 24:
                Row[3 * X] = static_cast<uint8_t>(P);
                Row[3 * X + 1] = static_cast<uint8_t>(P >> 8);
                Row[3 * X + 2] = static_cast<uint8_t>(P >> 16);
                break;
            case 32:
                Row[4 * X] = static_cast<uint8_t>(P);
                Row[4 * X + 1] = static_cast<uint8_t>(P >> 8);
                Row[4 * X + 2] = static_cast<uint8_t>(P >> 16);
                break;
            }
        }
    }
    Bytes = std::move(B);
    return TCodecStatus::Ok;
}
