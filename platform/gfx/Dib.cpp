#include "platform/gfx/Dib.h"

#include "platform/gfx/ByteReader.h"

#include <bit>
#include <vector>

namespace
{
enum : uint32_t
{
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_ALPHABITFIELDS = 6
};

// Expands run-length coded rows (bottom-up) into palette indices, Width x
// Height, top row first. Pixels the data skips keep index 0; runs past the
// right edge are cut. Returns Truncated when the data ends before its
// end-of-picture code.
TCodecStatus DecodeRle(std::span<const uint8_t> Data, bool Four, int Width, int Height,
                       std::vector<uint8_t>& Out)
{
    Out.assign(static_cast<size_t>(Width) * static_cast<size_t>(Height), 0);
    int X = 0;
    int Line = 0; // counted from the bottom
    size_t I = 0;
    auto Put = [&](int Index)
    {
        if (X < Width && Line < Height)
            Out[static_cast<size_t>(Height - 1 - Line) * static_cast<size_t>(Width) +
                static_cast<size_t>(X)] = static_cast<uint8_t>(Index);
        ++X;
    };
    while (I + 1 < Data.size())
    {
        const int Count = Data[I];
        const int Value = Data[I + 1];
        I += 2;
        if (Count > 0)
        {
            for (int K = 0; K < Count && X < Width; ++K)
                Put(Four ? (K % 2 == 0 ? Value >> 4 : Value & 15) : Value);
            continue;
        }
        if (Value == 0)
        {
            X = 0;
            ++Line;
        }
        else if (Value == 1)
            return TCodecStatus::Ok;
        else if (Value == 2)
        {
            if (I + 1 >= Data.size()) return TCodecStatus::Truncated;
            X += Data[I];
            Line += Data[I + 1];
            I += 2;
        }
        else
        {
            // Literal run of Value pixels, padded to a 16-bit boundary.
            const size_t Bytes = Four ? (size_t(Value) + 1) / 2 : size_t(Value);
            if (I + Bytes > Data.size()) return TCodecStatus::Truncated;
            for (int K = 0; K < Value; ++K)
            {
                const uint8_t B = Data[I + static_cast<size_t>(Four ? K / 2 : K)];
                Put(Four ? (K % 2 == 0 ? B >> 4 : B & 15) : B);
            }
            I += (Bytes + 1) & ~size_t(1);
        }
        if (Line >= Height) return TCodecStatus::Ok;
    }
    return TCodecStatus::Truncated;
}

// Extracts one colour channel described by a bit mask, scaled to 0..255.
struct TChannel
{
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;

    explicit TChannel(uint32_t M) : Mask(M)
    {
        if (M == 0) return;
        Shift = std::countr_zero(M);
        Max = M >> Shift;
    }
    uint32_t Get(uint32_t Pixel, uint32_t Default) const
    {
        if (Mask == 0) return Default;
        const uint64_t V = (Pixel & Mask) >> Shift;
        return static_cast<uint32_t>((V * 255 + Max / 2) / Max);
    }
};

uint32_t Premultiply(uint32_t A, uint32_t R, uint32_t G, uint32_t B)
{
    if (A == 255) return 0xFF000000u | R << 16 | G << 8 | B;
    return A << 24 | (R * A + 127) / 255 << 16 | (G * A + 127) / 255 << 8 | (B * A + 127) / 255;
}
} // namespace

TCodecStatus DecodeDib(const TDibSource& Source, TSurface& Out)
{
    TByteReader R(Source.Data);
    const uint32_t HeaderSize = R.U32(0);
    if (R.Failed()) return TCodecStatus::Truncated;
    const bool Core = HeaderSize == 12;
    if (!Core && (HeaderSize < 40 || HeaderSize > 124)) return TCodecStatus::Malformed;
    if (!R.Has(0, HeaderSize)) return TCodecStatus::Truncated;

    int64_t Width = 0;
    int64_t Height = 0;
    int Bpp = 0;
    uint32_t Compression = BI_RGB;
    uint32_t ColorsUsed = 0;
    if (Core)
    {
        Width = R.U16(4);
        Height = R.U16(6);
        Bpp = R.U16(10);
    }
    else
    {
        Width = R.I32(4);
        Height = R.I32(8);
        Bpp = R.U16(14);
        Compression = R.U32(16);
        ColorsUsed = R.U32(32);
    }
    const bool TopDown = Height < 0;
    if (TopDown) Height = -Height;
    if (Source.Icon)
    {
        if (TopDown) return TCodecStatus::Malformed;
        Height /= 2;
    }
    if (Width <= 0 || Height <= 0) return TCodecStatus::Malformed;
    if (Width > TSurface::MaxDimension || Height > TSurface::MaxDimension ||
        Width * Height > MaxPicturePixels)
        return TCodecStatus::TooLarge;
    if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 16 && Bpp != 24 && Bpp != 32)
        return Bpp == 0 || Bpp > 64 ? TCodecStatus::Malformed : TCodecStatus::Unsupported;
    const bool Fields = Compression == BI_BITFIELDS || Compression == BI_ALPHABITFIELDS;
    const bool Rle = Compression == BI_RLE8 || Compression == BI_RLE4;
    if (Compression != BI_RGB && !Fields && !Rle) return TCodecStatus::Unsupported;
    if (Rle && (Bpp != (Compression == BI_RLE8 ? 8 : 4) || TopDown || Source.Icon))
        return TCodecStatus::Malformed;
    if (Fields && Bpp != 16 && Bpp != 32) return TCodecStatus::Malformed;

    // Colour masks: inside a long header, or just after a 40-byte one.
    uint32_t Masks[4] = {0, 0, 0, 0};
    size_t PaletteOffset = HeaderSize;
    if (Fields)
    {
        const int Count = Compression == BI_ALPHABITFIELDS ? 4 : 3;
        const size_t MaskOffset = 40;
        if (HeaderSize == 40) PaletteOffset += static_cast<size_t>(Count) * 4;
        for (int I = 0; I < Count; ++I)
            Masks[I] = R.U32(MaskOffset + static_cast<size_t>(I) * 4);
        if (HeaderSize >= 56 && Count == 3) Masks[3] = R.U32(52);
        if (R.Failed()) return TCodecStatus::Truncated;
    }
    else if (Bpp == 16)
    {
        Masks[0] = 0x7C00;
        Masks[1] = 0x03E0;
        Masks[2] = 0x001F;
    }
    else if (Bpp == 32)
    {
        Masks[0] = 0x00FF0000;
        Masks[1] = 0x0000FF00;
        Masks[2] = 0x000000FF;
    }

    // Palette.
    const size_t EntrySize = Core ? 3 : 4;
    std::vector<uint32_t> Palette;
    size_t PaletteCount = 0;
    if (Bpp <= 8)
    {
        const size_t Full = size_t(1) << Bpp;
        PaletteCount = ColorsUsed == 0 || ColorsUsed > Full ? Full : ColorsUsed;
        if (!R.Has(PaletteOffset, PaletteCount * EntrySize)) return TCodecStatus::Truncated;
        Palette.resize(Full, 0xFF000000u);
        for (size_t I = 0; I < PaletteCount; ++I)
        {
            const size_t At = PaletteOffset + I * EntrySize;
            Palette[I] =
                0xFF000000u | uint32_t(R.U8(At + 2)) << 16 | uint32_t(R.U8(At + 1)) << 8 | R.U8(At);
        }
    }
    else if (ColorsUsed <= 256)
        PaletteCount = ColorsUsed; // an optional palette a reader may skip

    const size_t PixelStart =
        Source.PixelOffset != 0 ? Source.PixelOffset : PaletteOffset + PaletteCount * EntrySize;
    if (Rle)
    {
        if (PixelStart > Source.Data.size()) return TCodecStatus::Truncated;
        // Runs hold at most 255 pixels per two bytes; a picture far larger
        // than its data could describe is refused before allocating it.
        if (Width * Height > 512 * static_cast<int64_t>(Source.Data.size() - PixelStart + 1))
            return TCodecStatus::TooLarge;
        std::vector<uint8_t> Indices;
        const TCodecStatus Status =
            DecodeRle(Source.Data.subspan(PixelStart), Compression == BI_RLE4,
                      static_cast<int>(Width), static_cast<int>(Height), Indices);
        if (Status != TCodecStatus::Ok) return Status;
        TSurface Image(static_cast<int>(Width), static_cast<int>(Height));
        if (Image.IsEmpty()) return TCodecStatus::TooLarge;
        const uint8_t* Index = Indices.data();
        for (int Y = 0; Y < Image.Height(); ++Y)
            for (int X = 0; X < Image.Width(); ++X)
                Image.Row(Y)[X] = Palette[*Index++];
        Out = std::move(Image);
        return TCodecStatus::Ok;
    }
    const size_t Stride = static_cast<size_t>((Width * Bpp + 31) / 32 * 4);
    const size_t MaskStride = static_cast<size_t>((Width + 31) / 32 * 4);
    const size_t Rows = static_cast<size_t>(Height);
    if (!R.Has(PixelStart, Stride * Rows)) return TCodecStatus::Truncated;
    const bool HasMask = Source.Icon && R.Has(PixelStart + Stride * Rows, MaskStride * Rows);
    if (Source.Icon && !HasMask && Bpp != 32) return TCodecStatus::Truncated;

    TSurface Image(static_cast<int>(Width), static_cast<int>(Height));
    if (Image.IsEmpty()) return TCodecStatus::TooLarge;
    const TChannel Red(Masks[0]), Green(Masks[1]), Blue(Masks[2]), Alpha(Masks[3]);
    // Icons keep the fourth byte of 32-bit pixels as alpha when any is set.
    bool IconAlpha = false;
    const std::span<const uint8_t> Pixels = R.Bytes(PixelStart, Stride * Rows);
    if (Source.Icon && Bpp == 32)
        for (size_t I = 3; I < Pixels.size() && !IconAlpha; I += 4)
            IconAlpha = Pixels[I] != 0;
    if (Source.Icon && Bpp == 32 && !IconAlpha && !HasMask) return TCodecStatus::Truncated;

    const int W = static_cast<int>(Width);
    for (size_t Y = 0; Y < Rows; ++Y)
    {
        const size_t SourceRow = TopDown ? Y : Rows - 1 - Y;
        const uint8_t* In = Pixels.data() + SourceRow * Stride;
        uint32_t* Row = Image.Row(static_cast<int>(Y));
        for (int X = 0; X < W; ++X)
        {
            uint32_t P = 0;
            switch (Bpp)
            {
            case 1:
                P = Palette[In[X >> 3] >> (7 - (X & 7)) & 1];
                break;
            case 4:
                P = Palette[In[X >> 1] >> (X & 1 ? 0 : 4) & 15];
                break;
            case 8:
                P = Palette[In[X]];
                break;
            case 16:
            {
                const uint32_t V = In[2 * X] | uint32_t(In[2 * X + 1]) << 8;
                P = Premultiply(Alpha.Get(V, 255), Red.Get(V, 0), Green.Get(V, 0), Blue.Get(V, 0));
                break;
            }
            case 24:
                P = 0xFF000000u | uint32_t(In[3 * X + 2]) << 16 | uint32_t(In[3 * X + 1]) << 8 |
                    In[3 * X];
                break;
            case 32:
            {
                const uint32_t V = In[4 * X] | uint32_t(In[4 * X + 1]) << 8 |
                                   uint32_t(In[4 * X + 2]) << 16 | uint32_t(In[4 * X + 3]) << 24;
                const uint32_t A = IconAlpha ? V >> 24 : Alpha.Get(V, 255);
                P = Premultiply(A, Red.Get(V, 0), Green.Get(V, 0), Blue.Get(V, 0));
                break;
            }
            }
            Row[X] = P;
        }
        if (HasMask && !IconAlpha)
        {
            const uint8_t* Mask =
                Source.Data.data() + PixelStart + Stride * Rows + SourceRow * MaskStride;
            for (int X = 0; X < W; ++X)
                if (Mask[X >> 3] >> (7 - (X & 7)) & 1) Row[X] = 0;
        }
    }
    Out = std::move(Image);
    return TCodecStatus::Ok;
}
