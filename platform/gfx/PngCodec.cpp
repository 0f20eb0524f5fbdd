#include "platform/gfx/PngCodec.h"

#include <png.h>

#include <csetjmp>

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
        if (Png)
            png_destroy_write_struct(&Png, Info ? &Info : nullptr);
    }
};

void Append(png_structp Png, png_bytep Data, png_size_t Length)
{
    auto* State = static_cast<TPngState*>(png_get_io_ptr(Png));
    State->Bytes.insert(State->Bytes.end(), Data, Data + Length);
}

void Flush(png_structp)
{
}

TCodecStatus Encode(TPngState& S, const TSurface& Image)
{
    S.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!S.Png)
        return TCodecStatus::EncodeFailed;
    S.Info = png_create_info_struct(S.Png);
    if (!S.Info)
        return TCodecStatus::EncodeFailed;
    S.Row.resize(static_cast<size_t>(Image.Width()) * 3);
    if (setjmp(png_jmpbuf(S.Png)))
        return TCodecStatus::EncodeFailed;
    png_set_write_fn(S.Png, &S, Append, Flush);
    png_set_IHDR(S.Png, S.Info, static_cast<png_uint_32>(Image.Width()), static_cast<png_uint_32>(Image.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(S.Png, S.Info);
    for (int Y = 0; Y < Image.Height(); ++Y)
    {
        const uint32_t* In = Image.Row(Y);
        for (int X = 0; X < Image.Width(); ++X)
        {
            S.Row[3 * X] = static_cast<uint8_t>(In[X] >> 16);
            S.Row[3 * X + 1] = static_cast<uint8_t>(In[X] >> 8);
            S.Row[3 * X + 2] = static_cast<uint8_t>(In[X]);
        }
        png_write_row(S.Png, S.Row.data());
    }
    png_write_end(S.Png, nullptr);
    return TCodecStatus::Ok;
}
} // namespace

TCodecStatus WritePng(const TSurface& Image, std::vector<uint8_t>& Bytes)
{
    if (Image.IsEmpty())
        return TCodecStatus::Malformed;
    TPngState State;
    const TCodecStatus Status = Encode(State, Image);
    if (Status == TCodecStatus::Ok)
        Bytes = std::move(State.Bytes);
    return Status;
}
