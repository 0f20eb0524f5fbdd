#include "platform/gfx/Surface.h"

#include <pixman.h>

#include <cstring>
#include <utility>

TSurface::TSurface(int Width, int Height, TColor Fill)
{
    if (Width <= 0 || Height <= 0 || Width > MaxDimension || Height > MaxDimension) return;
    // pixman allocates (zeroed) and frees the buffer itself when given none.
    FImage = pixman_image_create_bits(PIXMAN_a8r8g8b8, Width, Height, nullptr, 0);
    if (!FImage) return;
    FPixels = pixman_image_get_data(FImage);
    FWidth = Width;
    FHeight = Height;
    FStrideWords = pixman_image_get_stride(FImage) / 4;
    this->Fill(Fill);
}

TSurface::~TSurface()
{
    Release();
}

TSurface::TSurface(TSurface&& Other) noexcept
    : FImage(std::exchange(Other.FImage, nullptr)), FPixels(std::exchange(Other.FPixels, nullptr)),
      FWidth(std::exchange(Other.FWidth, 0)), FHeight(std::exchange(Other.FHeight, 0)),
      FStrideWords(std::exchange(Other.FStrideWords, 0)),
      FWrapped(std::exchange(Other.FWrapped, false))
{
}

TSurface& TSurface::operator=(TSurface&& Other) noexcept
{
    if (this != &Other)
    {
        Release();
        FImage = std::exchange(Other.FImage, nullptr);
        FPixels = std::exchange(Other.FPixels, nullptr);
        FWidth = std::exchange(Other.FWidth, 0);
        FHeight = std::exchange(Other.FHeight, 0);
        FStrideWords = std::exchange(Other.FStrideWords, 0);
        FWrapped = std::exchange(Other.FWrapped, false);
    }
    return *this;
}

void TSurface::Release()
{
    if (FImage) pixman_image_unref(FImage);
    FImage = nullptr;
    FPixels = nullptr;
    FWidth = FHeight = FStrideWords = 0;
    FWrapped = false;
}

TSurface TSurface::Wrap(uint32_t* Pixels, int Width, int Height, int StrideBytes)
{
    TSurface S;
    if (!Pixels || Width <= 0 || Height <= 0 || Width > MaxDimension || Height > MaxDimension ||
        StrideBytes < Width * 4 || StrideBytes % 4 != 0)
        return S;
    S.FImage = pixman_image_create_bits(PIXMAN_x8r8g8b8, Width, Height, Pixels, StrideBytes);
    if (!S.FImage) return S;
    S.FPixels = Pixels;
    S.FWidth = Width;
    S.FHeight = Height;
    S.FStrideWords = StrideBytes / 4;
    S.FWrapped = true;
    return S;
}

TSurface TSurface::Clone() const
{
    TSurface Copy(FWidth, FHeight);
    if (Copy.IsEmpty()) return Copy;
    for (int Y = 0; Y < FHeight; ++Y)
        std::memcpy(Copy.Row(Y), Row(Y), static_cast<size_t>(FWidth) * 4);
    if (FWrapped)
        for (int Y = 0; Y < FHeight; ++Y)
            for (uint32_t* P = Copy.Row(Y); P != Copy.Row(Y) + FWidth; ++P)
                *P |= 0xFF000000u;
    return Copy;
}

TColor TSurface::Pixel(int X, int Y) const
{
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return CLR_INVALID;
    return ColorFromPixel(Row(Y)[X]);
}

uint32_t TSurface::RawPixel(int X, int Y) const
{
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return 0;
    return Row(Y)[X];
}

void TSurface::SetPixel(int X, int Y, TColor Color)
{
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return;
    Row(Y)[X] = PixelFromColor(Color);
}

void TSurface::Fill(TColor Color)
{
    const uint32_t Value = PixelFromColor(Color);
    for (int Y = 0; Y < FHeight; ++Y)
    {
        uint32_t* P = Row(Y);
        for (int X = 0; X < FWidth; ++X)
            P[X] = Value;
    }
}
