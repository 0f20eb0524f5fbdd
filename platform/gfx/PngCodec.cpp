#include "platform/gfx/PngCodec.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <string_view>

// libpng reports errors by longjmp to the setjmp in Encode; everything with
// a destructor lives in the caller's state, built before the jump point.

namespace
{
struct TPngState
{
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    std::vector<uint8_t> Bytes;
    std::vector<uint8_t> Row;

    ~TPngState()
    {
        if (Png) png_destroy_write_struct(&Png, Info ? &Info : nullptr);
    }
};

void Append(png_structp Png, png_bytep Data, png_size_t Length)
{
    auto* State = static_cast<TPngState*>(png_get_io_ptr(Png));
    State->Bytes.insert(State->Bytes.end(), Data, Data + Length);
}

void Flush(png_structp) {}

TCodecStatus Encode(TPngState& S, const TSurface& Image, bool KeepAlpha)
{
    S.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!S.Png) return TCodecStatus::EncodeFailed;
    S.Info = png_create_info_struct(S.Png);
    if (!S.Info) return TCodecStatus::EncodeFailed;
    const int Channels = KeepAlpha ? 4 : 3;
    S.Row.resize(static_cast<size_t>(Image.Width()) * Channels);
    if (setjmp(png_jmpbuf(S.Png))) return TCodecStatus::EncodeFailed;
    png_set_write_fn(S.Png, &S, Append, Flush);
    png_set_IHDR(S.Png, S.Info, static_cast<png_uint_32>(Image.Width()),
                 static_cast<png_uint_32>(Image.Height()), 8,
                 KeepAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(S.Png, S.Info);
    for (int Y = 0; Y < Image.Height(); ++Y)
    {
        const uint32_t* In = Image.Row(Y);
        for (int X = 0; X < Image.Width(); ++X)
        {
            uint8_t* Out = &S.Row[static_cast<size_t>(Channels) * X];
            const uint32_t P = In[X];
            const uint32_t A = P >> 24;
            if (!KeepAlpha || A == 255)
            {
                Out[0] = static_cast<uint8_t>(P >> 16);
                Out[1] = static_cast<uint8_t>(P >> 8);
                Out[2] = static_cast<uint8_t>(P);
            }
            else
            {
                // Surfaces are premultiplied; PNG wants straight colour.
                auto Straight = [A](uint32_t C) -> uint8_t {
                    return A ? static_cast<uint8_t>(std::min<uint32_t>(255, (C * 255 + A / 2) / A))
                             : 0;
                };
                Out[0] = Straight(P >> 16 & 0xFF);
                Out[1] = Straight(P >> 8 & 0xFF);
                Out[2] = Straight(P & 0xFF);
            }
            if (KeepAlpha) Out[3] = static_cast<uint8_t>(A);
        }
        png_write_row(S.Png, S.Row.data());
    }
    png_write_end(S.Png, nullptr);
    return TCodecStatus::Ok;
}
} // namespace

TCodecStatus WritePng(const TSurface& Image, std::vector<uint8_t>& Bytes, bool KeepAlpha)
{
    if (Image.IsEmpty()) return TCodecStatus::Malformed;
    TPngState State;
    const TCodecStatus Status = Encode(State, Image, KeepAlpha);
    if (Status == TCodecStatus::Ok) Bytes = std::move(State.Bytes);
    return Status;
}

TCodecStatus ReadPng(std::span<const uint8_t> Data, TSurface& Out)
{
    // The signature and the header chunk.
    if (Data.size() < 33)
        return Data.size() >= 8 && png_sig_cmp(Data.data(), 0, 8) != 0 ? TCodecStatus::Malformed
                                                                       : TCodecStatus::Truncated;
    png_image Image;
    std::memset(&Image, 0, sizeof Image);
    Image.version = PNG_IMAGE_VERSION;
    // The simplified interface catches the library's errors itself and
    // reports them through its return value and message.
    auto Failure = [&Image]
    {
        const std::string_view Message(Image.message);
        const bool Short = Message.find("beyond end") != std::string_view::npos ||
                           Message.find("EOF") != std::string_view::npos ||
                           Message.find("ot enough") != std::string_view::npos ||
                           Message.find("runcated") != std::string_view::npos;
        png_image_free(&Image);
        return Short ? TCodecStatus::Truncated : TCodecStatus::Malformed;
    };
    if (!png_image_begin_read_from_memory(&Image, Data.data(), Data.size())) return Failure();
    if (Image.width > TSurface::MaxDimension || Image.height > TSurface::MaxDimension ||
        static_cast<long long>(Image.width) * Image.height > MaxPicturePixels)
    {
        png_image_free(&Image);
        return TCodecStatus::TooLarge;
    }
    // Premultiplied BGRA bytes are the surface's 0xAARRGGBB words.
    Image.format = PNG_FORMAT_BGRA;
    TSurface Picture(static_cast<int>(Image.width), static_cast<int>(Image.height));
    if (Picture.IsEmpty())
    {
        png_image_free(&Image);
        return TCodecStatus::TooLarge;
    }
    if (!png_image_finish_read(&Image, nullptr, Picture.Row(0), Picture.StrideWords() * 4, nullptr))
        return Failure();
    for (int Y = 0; Y < Picture.Height(); ++Y)
    {
        uint32_t* Row = Picture.Row(Y);
        for (int X = 0; X < Picture.Width(); ++X)
        {
            const uint32_t P = Row[X];
            const uint32_t A = P >> 24;
            if (A == 255) continue;
            Row[X] = A << 24 | ((P >> 16 & 0xFF) * A + 127) / 255 << 16 |
                     ((P >> 8 & 0xFF) * A + 127) / 255 << 8 | ((P & 0xFF) * A + 127) / 255;
        }
    }
    Out = std::move(Picture);
    return TCodecStatus::Ok;
}
