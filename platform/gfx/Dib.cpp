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
// What the info header says, checked.
struct TDibHeader
{
    uint32_t Size = 0;
    bool Core = false; // the 12-byte header of the oldest format
    int64_t Width = 0;
    int64_t Height = 0; // of the colour rows only
    bool TopDown = false;
    int Bpp = 0;
    uint32_t Compression = BI_RGB;
    uint32_t ColorsUsed = 0;
    bool Fields = false; // colour masks
    bool Rle = false;
};

TCodecStatus ReadHeader(TByteReader& R, bool Icon, TDibHeader& H)
{
    H.Size = R.U32(0);
    if (R.Failed()) return TCodecStatus::Truncated;
    H.Core = H.Size == 12;
    if (!H.Core && (H.Size < 40 || H.Size > 124)) return TCodecStatus::Malformed;
    if (!R.Has(0, H.Size)) return TCodecStatus::Truncated;
    if (H.Core)
    {
        H.Width = R.U16(4);
        H.Height = R.U16(6);
        H.Bpp = R.U16(10);
    }
    else
    {
        H.Width = R.I32(4);
        H.Height = R.I32(8);
        H.Bpp = R.U16(14);
        H.Compression = R.U32(16);
        H.ColorsUsed = R.U32(32);
    }
    H.TopDown = H.Height < 0;
    if (H.TopDown) H.Height = -H.Height;
    if (Icon)
    {
        if (H.TopDown) return TCodecStatus::Malformed;
        H.Height /= 2;
    }
    if (H.Width <= 0 || H.Height <= 0) return TCodecStatus::Malformed;
    if (H.Width > TSurface::MaxDimension || H.Height > TSurface::MaxDimension ||
        H.Width * H.Height > MaxPicturePixels)
        return TCodecStatus::TooLarge;
    const int Bpp = H.Bpp;
    if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 16 && Bpp != 24 && Bpp != 32)
        return Bpp == 0 || Bpp > 64 ? TCodecStatus::Malformed : TCodecStatus::Unsupported;
    H.Fields = H.Compression == BI_BITFIELDS || H.Compression == BI_ALPHABITFIELDS;
    H.Rle = H.Compression == BI_RLE8 || H.Compression == BI_RLE4;
    if (H.Compression != BI_RGB && !H.Fields && !H.Rle) return TCodecStatus::Unsupported;
    if (H.Rle && (Bpp != (H.Compression == BI_RLE8 ? 8 : 4) || H.TopDown || Icon))
        return TCodecStatus::Malformed;
    if (H.Fields && Bpp != 16 && Bpp != 32) return TCodecStatus::Malformed;
    return TCodecStatus::Ok;
}

// Colour masks: inside a long header, or just after a 40-byte one (then the
// palette starts after them); the classic defaults otherwise.
TCodecStatus ReadMasks(TByteReader& R, const TDibHeader& H, uint32_t (&Masks)[4],
                       size_t& PaletteOffset)
{
    PaletteOffset = H.Size;
    if (H.Fields)
    {
        const int Count = H.Compression == BI_ALPHABITFIELDS ? 4 : 3;
        const size_t MaskOffset = 40;
        if (H.Size == 40) PaletteOffset += static_cast<size_t>(Count) * 4;
        for (int I = 0; I < Count; ++I)
            Masks[I] = R.U32(MaskOffset + static_cast<size_t>(I) * 4);
        if (H.Size >= 56 && Count == 3) Masks[3] = R.U32(52);
        return R.Failed() ? TCodecStatus::Truncated : TCodecStatus::Ok;
    }
    if (H.Bpp == 16)
    {
        Masks[0] = 0x7C00;
        Masks[1] = 0x03E0;
        Masks[2] = 0x001F;
    }
    else if (H.Bpp == 32)
    {
        Masks[0] = 0x00FF0000;
        Masks[1] = 0x0000FF00;
        Masks[2] = 0x000000FF;
    }
    return TCodecStatus::Ok;
}

// The palette of an indexed picture (entries past the stored ones are
// black); Count is how many entries the data holds, also for pictures that
// carry an optional one.
TCodecStatus ReadPalette(TByteReader& R, const TDibHeader& H, size_t Offset,
                         std::vector<uint32_t>& Palette, size_t& Count)
{
    const size_t EntrySize = H.Core ? 3 : 4;
    Count = 0;
    if (H.Bpp > 8)
    {
        if (H.ColorsUsed <= 256) Count = H.ColorsUsed; // a reader may skip it
        return TCodecStatus::Ok;
    }
    const size_t Full = size_t(1) << H.Bpp;
    Count = H.ColorsUsed == 0 || H.ColorsUsed > Full ? Full : H.ColorsUsed;
    if (!R.Has(Offset, Count * EntrySize)) return TCodecStatus::Truncated;
    Palette.resize(Full, 0xFF000000u);
    for (size_t I = 0; I < Count; ++I)
    {
        const size_t At = Offset + I * EntrySize;
        Palette[I] =
            0xFF000000u | uint32_t(R.U8(At + 2)) << 16 | uint32_t(R.U8(At + 1)) << 8 | R.U8(At);
    }
    return TCodecStatus::Ok;
}

TCodecStatus DecodeRlePixels(const TDibSource& Source, const TDibHeader& H, size_t PixelStart,
                             const std::vector<uint32_t>& Palette, TSurface& Out)
{
    if (PixelStart > Source.Data.size()) return TCodecStatus::Truncated;
    // Runs hold at most 255 pixels per two bytes; a picture far larger
    // than its data could describe is refused before allocating it.
    if (H.Width * H.Height > 512 * static_cast<int64_t>(Source.Data.size() - PixelStart + 1))
        return TCodecStatus::TooLarge;
    std::vector<uint8_t> Indices;
    const TCodecStatus Status =
        DecodeRle(Source.Data.subspan(PixelStart), H.Compression == BI_RLE4,
                  static_cast<int>(H.Width), static_cast<int>(H.Height), Indices);
    if (Status != TCodecStatus::Ok) return Status;
    TSurface Image(static_cast<int>(H.Width), static_cast<int>(H.Height));
    if (Image.IsEmpty()) return TCodecStatus::TooLarge;
    const uint8_t* Index = Indices.data();
    for (int Y = 0; Y < Image.Height(); ++Y)
        for (int X = 0; X < Image.Width(); ++X)
            Image.Row(Y)[X] = Palette[*Index++];
    Out = std::move(Image);
    return TCodecStatus::Ok;
}

// How the pixels of one uncompressed row become premultiplied ARGB.
struct TPixelFormat
{
    int Bpp;
    const std::vector<uint32_t>& Palette;
    TChannel Red, Green, Blue, Alpha;
    // Icons keep the fourth byte of 32-bit pixels as alpha when any is set.
    bool IconAlpha;

    uint32_t At(const uint8_t* In, int X) const
    {
        switch (Bpp)
        {
        case 1:
            return Palette[In[X >> 3] >> (7 - (X & 7)) & 1];
        case 4:
            return Palette[In[X >> 1] >> (X & 1 ? 0 : 4) & 15];
        case 8:
            return Palette[In[X]];
        case 16:
        {
            const uint32_t V = In[2 * X] | uint32_t(In[2 * X + 1]) << 8;
            return Premultiply(Alpha.Get(V, 255), Red.Get(V, 0), Green.Get(V, 0), Blue.Get(V, 0));
        }
        case 24:
            return 0xFF000000u | uint32_t(In[3 * X + 2]) << 16 | uint32_t(In[3 * X + 1]) << 8 |
                   In[3 * X];
        default:
        {
            const uint32_t V = In[4 * X] | uint32_t(In[4 * X + 1]) << 8 |
                               uint32_t(In[4 * X + 2]) << 16 | uint32_t(In[4 * X + 3]) << 24;
            const uint32_t A = IconAlpha ? V >> 24 : Alpha.Get(V, 255);
            return Premultiply(A, Red.Get(V, 0), Green.Get(V, 0), Blue.Get(V, 0));
        }
        }
    }
};

TCodecStatus DecodePlainPixels(const TDibSource& Source, TByteReader& R, const TDibHeader& H,
                               size_t PixelStart, const std::vector<uint32_t>& Palette,
                               const uint32_t (&Masks)[4], TSurface& Out)
{
    const size_t Stride = static_cast<size_t>((H.Width * H.Bpp + 31) / 32 * 4);
    const size_t MaskStride = static_cast<size_t>((H.Width + 31) / 32 * 4);
    const size_t Rows = static_cast<size_t>(H.Height);
    if (!R.Has(PixelStart, Stride * Rows)) return TCodecStatus::Truncated;
    const bool HasMask = Source.Icon && R.Has(PixelStart + Stride * Rows, MaskStride * Rows);
    if (Source.Icon && !HasMask && H.Bpp != 32) return TCodecStatus::Truncated;

    TSurface Image(static_cast<int>(H.Width), static_cast<int>(H.Height));
    if (Image.IsEmpty()) return TCodecStatus::TooLarge;
    bool IconAlpha = false;
    const std::span<const uint8_t> Pixels = R.Bytes(PixelStart, Stride * Rows);
    if (Source.Icon && H.Bpp == 32)
        for (size_t I = 3; I < Pixels.size() && !IconAlpha; I += 4)
            IconAlpha = Pixels[I] != 0;
    if (Source.Icon && H.Bpp == 32 && !IconAlpha && !HasMask) return TCodecStatus::Truncated;

    const TPixelFormat Format{H.Bpp,
                              Palette,
                              TChannel(Masks[0]),
                              TChannel(Masks[1]),
                              TChannel(Masks[2]),
                              TChannel(Masks[3]),
                              IconAlpha};
    const int W = static_cast<int>(H.Width);
    for (size_t Y = 0; Y < Rows; ++Y)
    {
        const size_t SourceRow = H.TopDown ? Y : Rows - 1 - Y;
        const uint8_t* In = Pixels.data() + SourceRow * Stride;
        uint32_t* Row = Image.Row(static_cast<int>(Y));
        for (int X = 0; X < W; ++X)
            Row[X] = Format.At(In, X);
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
} // namespace

TCodecStatus DecodeDib(const TDibSource& Source, TSurface& Out)
{
    TByteReader R(Source.Data);
    TDibHeader H;
    if (const TCodecStatus S = ReadHeader(R, Source.Icon, H); S != TCodecStatus::Ok) return S;
    uint32_t Masks[4] = {0, 0, 0, 0};
    size_t PaletteOffset = 0;
    if (const TCodecStatus S = ReadMasks(R, H, Masks, PaletteOffset); S != TCodecStatus::Ok)
        return S;
    std::vector<uint32_t> Palette;
    size_t PaletteCount = 0;
    if (const TCodecStatus S = ReadPalette(R, H, PaletteOffset, Palette, PaletteCount);
        S != TCodecStatus::Ok)
        return S;
    const size_t PixelStart = Source.PixelOffset != 0
                                  ? Source.PixelOffset
                                  : PaletteOffset + PaletteCount * (H.Core ? 3 : 4);
    if (H.Rle) return DecodeRlePixels(Source, H, PixelStart, Palette, Out);
    return DecodePlainPixels(Source, R, H, PixelStart, Palette, Masks, Out);
}
