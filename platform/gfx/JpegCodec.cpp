#include "platform/gfx/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports fatal errors through a callback that must not return; it
// longjmps back to the decode or encode function. Those functions keep every
// object with a destructor in the caller's state (constructed before the
// setjmp), so nothing is skipped by the jump.

namespace
{
struct TErrorManager
{
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    bool Truncated = false;
    bool BadColour = false;
};

[[noreturn]] void OnError(j_common_ptr Info)
{
    TErrorManager* Errors = reinterpret_cast<TErrorManager*>(Info->err);
    Errors->BadColour = Info->err->msg_code == JERR_CONVERSION_NOTIMPL;
    std::longjmp(Errors->Jump, 1);
}

void OnMessage(j_common_ptr Info, int Level)
{
    // Level -1 is a warning; the one that matters is "premature end of data".
    TErrorManager* Errors = reinterpret_cast<TErrorManager*>(Info->err);
    if (Level < 0 && Info->err->msg_code == JWRN_JPEG_EOF) Errors->Truncated = true;
}

void OnOutput(j_common_ptr) {}

struct TDecodeState
{
    jpeg_decompress_struct Info;
    TErrorManager Errors;
    TSurface Image;
    std::vector<uint8_t> Row;
};

TCodecStatus Decode(TDecodeState& S, std::span<const uint8_t> Data)
{
    S.Info.err = jpeg_std_error(&S.Errors.Base);
    S.Errors.Base.error_exit = OnError;
    S.Errors.Base.emit_message = OnMessage;
    S.Errors.Base.output_message = OnOutput;
    if (setjmp(S.Errors.Jump))
    {
        jpeg_destroy_decompress(&S.Info);
        return S.Errors.BadColour   ? TCodecStatus::Unsupported
               : S.Errors.Truncated ? TCodecStatus::Truncated
                                    : TCodecStatus::Malformed;
    }
    jpeg_create_decompress(&S.Info);
    jpeg_mem_src(&S.Info, Data.data(), static_cast<unsigned long>(Data.size()));
    if (jpeg_read_header(&S.Info, TRUE) != JPEG_HEADER_OK)
    {
        jpeg_destroy_decompress(&S.Info);
        return TCodecStatus::Truncated;
    }
    const long long Pixels = static_cast<long long>(S.Info.image_width) * S.Info.image_height;
    if (S.Info.image_width > TSurface::MaxDimension ||
        S.Info.image_height > TSurface::MaxDimension || Pixels > MaxPicturePixels)
    {
        jpeg_destroy_decompress(&S.Info);
        return TCodecStatus::TooLarge;
    }
    S.Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&S.Info);
    const int W = static_cast<int>(S.Info.output_width);
    const int H = static_cast<int>(S.Info.output_height);
    S.Image = TSurface(W, H);
    S.Row.resize(static_cast<size_t>(W) * 3);
    if (S.Image.IsEmpty() || S.Info.output_components != 3)
    {
        jpeg_destroy_decompress(&S.Info);
        return S.Image.IsEmpty() ? TCodecStatus::TooLarge : TCodecStatus::Unsupported;
    }
    while (S.Info.output_scanline < S.Info.output_height && !S.Errors.Truncated)
    {
        const int Y = static_cast<int>(S.Info.output_scanline);
        JSAMPROW Rows[1] = {S.Row.data()};
        if (jpeg_read_scanlines(&S.Info, Rows, 1) != 1) break;
        uint32_t* Out = S.Image.Row(Y);
        for (int X = 0; X < W; ++X)
            Out[X] = 0xFF000000u | uint32_t(S.Row[3 * X]) << 16 | uint32_t(S.Row[3 * X + 1]) << 8 |
                     S.Row[3 * X + 2];
    }
    const bool Complete = S.Info.output_scanline == S.Info.output_height && !S.Errors.Truncated;
    if (Complete) jpeg_finish_decompress(&S.Info);
    jpeg_destroy_decompress(&S.Info);
    return Complete && !S.Errors.Truncated ? TCodecStatus::Ok : TCodecStatus::Truncated;
}

struct TEncodeState
{
    jpeg_compress_struct Info;
    TErrorManager Errors;
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    std::vector<uint8_t> Row;

    ~TEncodeState() { std::free(Buffer); }
};

TCodecStatus Encode(TEncodeState& S, const TSurface& Image, int Quality)
{
    S.Info.err = jpeg_std_error(&S.Errors.Base);
    S.Errors.Base.error_exit = OnError;
    S.Errors.Base.emit_message = OnMessage;
    S.Errors.Base.output_message = OnOutput;
    if (setjmp(S.Errors.Jump))
    {
        jpeg_destroy_compress(&S.Info);
        return TCodecStatus::EncodeFailed;
    }
    jpeg_create_compress(&S.Info);
    jpeg_mem_dest(&S.Info, &S.Buffer, &S.Size);
    S.Info.image_width = static_cast<JDIMENSION>(Image.Width());
    S.Info.image_height = static_cast<JDIMENSION>(Image.Height());
    S.Info.input_components = 3;
    S.Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&S.Info);
    jpeg_set_quality(&S.Info, std::clamp(Quality, 1, 100), TRUE);
    jpeg_start_compress(&S.Info, TRUE);
    S.Row.resize(static_cast<size_t>(Image.Width()) * 3);
    while (S.Info.next_scanline < S.Info.image_height)
    {
        const uint32_t* In = Image.Row(static_cast<int>(S.Info.next_scanline));
        for (int X = 0; X < Image.Width(); ++X)
        {
            S.Row[3 * X] = static_cast<uint8_t>(In[X] >> 16);
            S.Row[3 * X + 1] = static_cast<uint8_t>(In[X] >> 8);
            S.Row[3 * X + 2] = static_cast<uint8_t>(In[X]);
        }
        JSAMPROW Rows[1] = {S.Row.data()};
        jpeg_write_scanlines(&S.Info, Rows, 1);
    }
    jpeg_finish_compress(&S.Info);
    jpeg_destroy_compress(&S.Info);
    return TCodecStatus::Ok;
}
} // namespace

TCodecStatus ReadJpeg(std::span<const uint8_t> Data, TSurface& Out)
{
    if (Data.size() < 2 || Data[0] != 0xFF || Data[1] != 0xD8)
        return Data.size() < 2 ? TCodecStatus::Truncated : TCodecStatus::Malformed;
    TDecodeState State;
    const TCodecStatus Status = Decode(State, Data);
    if (Status == TCodecStatus::Ok) Out = std::move(State.Image);
    return Status;
}

TCodecStatus WriteJpeg(const TSurface& Image, int Quality, std::vector<uint8_t>& Bytes)
{
    if (Image.IsEmpty()) return TCodecStatus::Malformed;
    TEncodeState State;
    const TCodecStatus Status = Encode(State, Image, Quality);
    if (Status == TCodecStatus::Ok) Bytes.assign(State.Buffer, State.Buffer + State.Size);
    return Status;
}
