#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PictureFile.h"
#include "platform/gfx/PngCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace
{
// Up to sixteen colours whose channels survive 5-bit storage unchanged.
TSurface Sample(int W, int H, int Colours)
{
    static constexpr int Levels[] = {0, 8, 132, 255, 66, 197, 16, 247};
    TSurface S(W, H);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
        {
            const int K = (X + Y * 3) % Colours;
            S.SetPixel(X, Y, RGB(Levels[K % 8], Levels[(K + 3) % 8], K < 8 ? 0 : 255));
        }
    return S;
}

bool SamePixels(const TSurface& A, const TSurface& B)
{
    if (A.Width() != B.Width() || A.Height() != B.Height()) return false;
    for (int Y = 0; Y < A.Height(); ++Y)
        for (int X = 0; X < A.Width(); ++X)
            if (A.Pixel(X, Y) != B.Pixel(X, Y)) return false;
    return true;
}

void Put32(std::vector<uint8_t>& B, size_t At, uint32_t V)
{
    for (int I = 0; I < 4; ++I)
        B[At + static_cast<size_t>(I)] = static_cast<uint8_t>(V >> (8 * I));
}
} // namespace

TEST(BmpCodec, RoundTripsEveryDepth)
{
    struct TCase
    {
        int Bpp;
        int Colours;
    };
    for (const TCase C :
         {TCase{1, 2}, TCase{4, 16}, TCase{8, 16}, TCase{16, 16}, TCase{24, 16}, TCase{32, 16}})
    {
        // Odd widths exercise row padding.
        const TSurface Original = Sample(13, 5, C.Colours);
        std::vector<uint8_t> Bytes;
        ASSERT_EQ(WriteBmp(Original, C.Bpp, Bytes), TCodecStatus::Ok) << C.Bpp;
        TSurface Decoded;
        ASSERT_EQ(ReadBmp(Bytes, Decoded), TCodecStatus::Ok) << C.Bpp;
        EXPECT_TRUE(SamePixels(Original, Decoded)) << C.Bpp;
    }
}

TEST(BmpCodec, WriterRefusesWhatItCannotStore)
{
    std::vector<uint8_t> Bytes;
    EXPECT_EQ(WriteBmp(Sample(8, 8, 3), 1, Bytes), TCodecStatus::Unsupported);
    EXPECT_EQ(WriteBmp(Sample(8, 8, 3), 12, Bytes), TCodecStatus::Unsupported);
    EXPECT_EQ(WriteBmp(TSurface(), 24, Bytes), TCodecStatus::Malformed);
}

TEST(BmpCodec, ReadsTopDownRowsAndColourMasks)
{
    // A 2 x 2 top-down 32-bit image with explicit masks in a 56-byte header
    // and blue/green/red/alpha in an unusual order.
    std::vector<uint8_t> B(14 + 56 + 16, 0);
    B[0] = 'B';
    B[1] = 'M';
    Put32(B, 10, 14 + 56);
    Put32(B, 14, 56);
    Put32(B, 18, 2);
    Put32(B, 22, static_cast<uint32_t>(-2));
    B[26] = 1;
    B[28] = 32;
    Put32(B, 30, 3);          // colour masks
    Put32(B, 54, 0x000000FF); // red in the low byte
    Put32(B, 58, 0x0000FF00);
    Put32(B, 62, 0x00FF0000);
    const uint32_t Pixels[4] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00102030};
    for (int I = 0; I < 4; ++I)
        Put32(B, 70 + static_cast<size_t>(I) * 4, Pixels[I]);
    TSurface S;
    ASSERT_EQ(ReadBmp(B, S), TCodecStatus::Ok);
    EXPECT_EQ(S.Pixel(0, 0), clRed);
    EXPECT_EQ(S.Pixel(1, 0), clLime);
    EXPECT_EQ(S.Pixel(0, 1), clBlue);
    EXPECT_EQ(S.Pixel(1, 1), RGB(0x30, 0x20, 0x10));
}

TEST(BmpCodec, PaletteIndexBeyondTheColourCountReadsBlack)
{
    std::vector<uint8_t> Bytes;
    ASSERT_EQ(WriteBmp(Sample(4, 1, 2), 8, Bytes), TCodecStatus::Ok);
    Bytes[14 + 40 + 8] = 200; // first pixel points past the two palette entries
    TSurface S;
    ASSERT_EQ(ReadBmp(Bytes, S), TCodecStatus::Ok);
    EXPECT_EQ(S.Pixel(0, 0), clBlack);
}

namespace
{
// A bottom-up run-length coded BMP with a four-colour palette.
std::vector<uint8_t> RleFile(int Bpp, int W, int H, const std::vector<uint8_t>& Runs)
{
    const size_t Palette = 4 * 4;
    std::vector<uint8_t> B(14 + 40 + Palette, 0);
    B[0] = 'B';
    B[1] = 'M';
    Put32(B, 10, static_cast<uint32_t>(B.size()));
    Put32(B, 14, 40);
    Put32(B, 18, static_cast<uint32_t>(W));
    Put32(B, 22, static_cast<uint32_t>(H));
    B[26] = 1;
    B[28] = static_cast<uint8_t>(Bpp);
    B[30] = Bpp == 8 ? 1 : 2;
    Put32(B, 46, 4);
    // Entries are stored blue, green, red, 0: black, red, green, blue.
    const uint32_t Colours[4] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    for (size_t I = 0; I < 4; ++I)
        Put32(B, 54 + I * 4, Colours[I]);
    B.insert(B.end(), Runs.begin(), Runs.end());
    return B;
}
} // namespace

TEST(BmpCodec, ReadsRunLengthCodedPictures)
{
    // Bottom row: three red, then a literal green, blue, green; top row
    // jumps two pixels right and draws one blue; pixel (0, 0) stays index 0.
    const std::vector<uint8_t> Rle8 = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 0, 1, 3, 0, 1};
    TSurface S;
    ASSERT_EQ(ReadBmp(RleFile(8, 6, 2, Rle8), S), TCodecStatus::Ok);
    EXPECT_EQ(S.Pixel(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(S.Pixel(2, 1), RGB(255, 0, 0));
    EXPECT_EQ(S.Pixel(3, 1), RGB(0, 255, 0));
    EXPECT_EQ(S.Pixel(4, 1), RGB(0, 0, 255));
    EXPECT_EQ(S.Pixel(5, 1), RGB(0, 255, 0));
    EXPECT_EQ(S.Pixel(0, 0), clBlack);
    EXPECT_EQ(S.Pixel(2, 0), RGB(0, 0, 255));
    // Four bits: a run alternates the two nibbles.
    ASSERT_EQ(ReadBmp(RleFile(4, 4, 1, {4, 0x12, 0, 1}), S), TCodecStatus::Ok);
    EXPECT_EQ(S.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(S.Pixel(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(S.Pixel(2, 0), RGB(255, 0, 0));
    // No end code, a literal run past the data, and a huge picture from a
    // few bytes are refused.
    EXPECT_EQ(ReadBmp(RleFile(8, 6, 2, {3, 1}), S), TCodecStatus::Truncated);
    EXPECT_EQ(ReadBmp(RleFile(8, 6, 2, {0, 9, 1}), S), TCodecStatus::Truncated);
    EXPECT_EQ(ReadBmp(RleFile(8, 30000, 30000, {0, 1}), S), TCodecStatus::TooLarge);
    EXPECT_EQ(ReadBmp(RleFile(4, 6, 2, {0, 1}), S), TCodecStatus::Ok);
}

TEST(BmpCodec, RejectsBadInput)
{
    std::vector<uint8_t> Good;
    ASSERT_EQ(WriteBmp(Sample(9, 7, 16), 24, Good), TCodecStatus::Ok);
    struct TCase
    {
        const char* Name;
        size_t At;
        uint32_t Value;
        int Size; // 0 keeps the length; otherwise the file is cut to Size bytes
        TCodecStatus Expected;
    };
    const TCase Cases[] = {
        {"empty", 0, 0, 1, TCodecStatus::Truncated},
        {"signature", 0, 0x4D41, 0, TCodecStatus::Malformed},
        {"cut headers", 0, 0, 30, TCodecStatus::Truncated},
        {"cut pixels", 0, 0, static_cast<int>(Good.size()) - 1, TCodecStatus::Truncated},
        {"header size", 14, 7, 0, TCodecStatus::Malformed},
        {"zero width", 18, 0, 0, TCodecStatus::Malformed},
        {"negative width", 18, 0xFFFFFFF0, 0, TCodecStatus::Malformed},
        {"oversized", 18, 0x7FFFFFFF, 0, TCodecStatus::TooLarge},
        {"too many pixels", 22, 0x7FFF, 0, TCodecStatus::TooLarge},
        {"tall", 22, 30000, 0, TCodecStatus::Truncated},
        {"depth", 28, 7, 0, TCodecStatus::Unsupported},
        {"run length on 24 bits", 30, 1, 0, TCodecStatus::Malformed},
        {"compression", 30, 4, 0, TCodecStatus::Unsupported},
        {"masks on 24 bits", 30, 3, 0, TCodecStatus::Malformed},
        {"pixels past end", 10, 0x10000000, 0, TCodecStatus::Truncated},
        {"pixels inside header", 10, 20, 0, TCodecStatus::Malformed},
    };
    for (const TCase& C : Cases)
    {
        std::vector<uint8_t> B = Good;
        if (C.Size > 0)
            B.resize(static_cast<size_t>(C.Size));
        else if (C.At == 0)
            B[0] = 'X';
        else if (C.At == 28)
            B[28] = static_cast<uint8_t>(C.Value);
        else
            Put32(B, C.At, C.Value);
        if (C.At == 18 && C.Value == 0x7FFFFFFF) Put32(B, 22, 1);
        if (C.At == 22) Put32(B, 18, C.Value == 0x7FFF ? 0x7FFF : 9);
        TSurface S(1, 1, clRed);
        EXPECT_EQ(ReadBmp(B, S), C.Expected) << C.Name;
        EXPECT_EQ(S.Pixel(0, 0), clRed) << C.Name; // untouched on failure
    }
}

TEST(JpegCodec, RoundTripKeepsThePictureClose)
{
    TSurface Original(40, 24);
    for (int Y = 0; Y < 24; ++Y)
        for (int X = 0; X < 40; ++X)
            Original.SetPixel(X, Y, RGB(X * 6, Y * 10, 128));
    std::vector<uint8_t> Bytes;
    ASSERT_EQ(WriteJpeg(Original, 95, Bytes), TCodecStatus::Ok);
    TSurface Decoded;
    ASSERT_EQ(ReadJpeg(Bytes, Decoded), TCodecStatus::Ok);
    ASSERT_EQ(Decoded.Width(), 40);
    ASSERT_EQ(Decoded.Height(), 24);
    for (int Y = 0; Y < 24; Y += 5)
        for (int X = 0; X < 40; X += 7)
        {
            const TColor A = Original.Pixel(X, Y);
            const TColor B = Decoded.Pixel(X, Y);
            EXPECT_NEAR(GetRValue(A), GetRValue(B), 8) << X << "," << Y;
            EXPECT_NEAR(GetGValue(A), GetGValue(B), 8) << X << "," << Y;
            EXPECT_NEAR(GetBValue(A), GetBValue(B), 8) << X << "," << Y;
        }
    EXPECT_EQ(WriteJpeg(TSurface(), 90, Bytes), TCodecStatus::Malformed);
}

TEST(JpegCodec, RejectsTruncatedAndGarbageData)
{
    std::vector<uint8_t> Bytes;
    ASSERT_EQ(WriteJpeg(TSurface(64, 64, clRed), 90, Bytes), TCodecStatus::Ok);
    TSurface S(1, 1, clLime);
    const std::vector<uint8_t> Half(Bytes.begin(),
                                    Bytes.begin() + static_cast<long>(Bytes.size() / 2));
    EXPECT_EQ(ReadJpeg(Half, S), TCodecStatus::Truncated);
    const std::vector<uint8_t> Head(Bytes.begin(), Bytes.begin() + 20);
    EXPECT_EQ(ReadJpeg(Head, S), TCodecStatus::Truncated);
    // Garbage after the start marker holds no further marker: the reader
    // runs out of data looking for one.
    std::vector<uint8_t> Garbage(Bytes.size(), 0x5A);
    Garbage[0] = 0xFF;
    Garbage[1] = 0xD8;
    EXPECT_EQ(ReadJpeg(Garbage, S), TCodecStatus::Truncated);
    // A frame header claiming zero lines is refused by the library.
    std::vector<uint8_t> ZeroHeight = Bytes;
    for (size_t I = 2; I + 8 < ZeroHeight.size(); ++I)
        if (ZeroHeight[I] == 0xFF && ZeroHeight[I + 1] == 0xC0)
        {
            ZeroHeight[I + 5] = 0;
            ZeroHeight[I + 6] = 0;
            break;
        }
    EXPECT_EQ(ReadJpeg(ZeroHeight, S), TCodecStatus::Malformed);
    EXPECT_EQ(ReadJpeg(std::vector<uint8_t>{1, 2, 3}, S), TCodecStatus::Malformed);
    EXPECT_EQ(S.Pixel(0, 0), clLime);
}

namespace
{
// An icon file with one 32 x 32 entry of the given depth: colour rows from
// Colour(x, y) (palette index for 4 bits), mask bit set where Clear(x, y).
template <typename TColour, typename TClear>
std::vector<uint8_t> MakeIcon(int Bpp, TColour Colour, TClear Clear, bool Alpha = false)
{
    const int W = 32;
    const size_t Stride = static_cast<size_t>(W * Bpp / 8);
    const size_t MaskStride = 4;
    const size_t Palette = Bpp <= 8 ? (size_t(1) << Bpp) * 4 : 0;
    const size_t Image = 40 + Palette + Stride * W + MaskStride * W;
    std::vector<uint8_t> B(6 + 16 + Image, 0);
    B[2] = 1;
    B[4] = 1;
    B[6] = W;
    B[7] = W;
    B[12] = static_cast<uint8_t>(Bpp);
    Put32(B, 14, static_cast<uint32_t>(Image));
    Put32(B, 18, 22);
    const size_t H = 22;
    Put32(B, H, 40);
    Put32(B, H + 4, W);
    Put32(B, H + 8, 2 * W);
    B[H + 12] = 1;
    B[H + 14] = static_cast<uint8_t>(Bpp);
    if (Bpp == 4)
    {
        Put32(B, H + 40, 0x00FF0000); // index 0: red
        Put32(B, H + 44, 0x000000FF); // index 1: blue
    }
    const size_t Pixels = H + 40 + Palette;
    for (int Y = 0; Y < W; ++Y)
    {
        const size_t Row = static_cast<size_t>(W - 1 - Y);
        for (int X = 0; X < W; ++X)
        {
            const uint32_t C = Colour(X, Y);
            if (Bpp == 4)
                B[Pixels + Row * Stride + static_cast<size_t>(X / 2)] |=
                    static_cast<uint8_t>(C << (X % 2 ? 0 : 4));
            else
                Put32(B, Pixels + Row * Stride + static_cast<size_t>(X) * 4,
                      C | (Alpha ? (Clear(X, Y) ? 0u : 0xFF000000u) : 0u));
            if (Clear(X, Y))
                B[Pixels + Stride * W + Row * MaskStride + static_cast<size_t>(X / 8)] |=
                    static_cast<uint8_t>(0x80 >> (X % 8));
        }
    }
    return B;
}
} // namespace

TEST(IcoCodec, MaskAndAlphaBecomeTransparency)
{
    auto ClearLeft = [](int X, int) { return X < 4; };
    const std::vector<uint8_t> Paletted = MakeIcon(
        4, [](int, int Y) { return Y < 16 ? 0u : 1u; }, ClearLeft);
    TSurface S;
    ASSERT_EQ(ReadIco(Paletted, S), TCodecStatus::Ok);
    EXPECT_EQ(S.Width(), 32);
    EXPECT_EQ(S.Height(), 32);
    EXPECT_EQ(S.RawPixel(10, 0), 0xFFFF0000u);
    EXPECT_EQ(S.RawPixel(10, 31), 0xFF0000FFu);
    EXPECT_EQ(S.RawPixel(0, 0), 0u);

    const std::vector<uint8_t> Blended = MakeIcon(
        32, [](int, int) { return 0x0000FF00u; }, ClearLeft, true);
    ASSERT_EQ(ReadIco(Blended, S), TCodecStatus::Ok);
    EXPECT_EQ(S.RawPixel(10, 5), 0xFF00FF00u);
    EXPECT_EQ(S.RawPixel(1, 5), 0u);
}

TEST(IcoCodec, ReadsPngEntries)
{
    std::vector<uint8_t> Png;
    ASSERT_EQ(WritePng(TSurface(48, 48, clBlue), Png), TCodecStatus::Ok);
    std::vector<uint8_t> B(22, 0);
    B[2] = 1;
    B[4] = 1;
    B[6] = 48;
    B[7] = 48;
    B[12] = 32;
    Put32(B, 14, static_cast<uint32_t>(Png.size()));
    Put32(B, 18, 22);
    B.insert(B.end(), Png.begin(), Png.end());
    TSurface S;
    ASSERT_EQ(ReadIco(B, S), TCodecStatus::Ok);
    EXPECT_EQ(S.Width(), 48);
    EXPECT_EQ(S.Pixel(10, 10), clBlue);
}

TEST(IcoCodec, RejectsBadInput)
{
    const std::vector<uint8_t> Good = MakeIcon(
        4, [](int, int) { return 0u; }, [](int, int) { return false; });
    TSurface Probe;
    ASSERT_EQ(ReadIco(Good, Probe), TCodecStatus::Ok);
    struct TCase
    {
        const char* Name;
        size_t At;
        uint32_t Value;
        size_t Size;
        TCodecStatus Expected;
    };
    const TCase Cases[] = {
        {"short", 0, 0, 5, TCodecStatus::Truncated},
        {"type", 2, 3, 0, TCodecStatus::Malformed},
        {"no entries", 4, 0, 0, TCodecStatus::Malformed},
        {"directory cut", 4, 200, 0, TCodecStatus::Truncated},
        {"offset into directory", 18, 4, 0, TCodecStatus::Malformed},
        {"offset past end", 18, 0x7FFFFFF0, 0, TCodecStatus::Truncated},
        {"size past end", 14, 0x7FFFFFF0, 0, TCodecStatus::Truncated},
        {"image cut", 0, 0, Good.size() - 10, TCodecStatus::Truncated},
        {"top-down image", 30, 0xFFFFFFC0, 0, TCodecStatus::Malformed},
    };
    for (const TCase& C : Cases)
    {
        std::vector<uint8_t> B = Good;
        if (C.Size > 0)
            B.resize(C.Size);
        else if (C.At == 2 || C.At == 4)
            B[C.At] = static_cast<uint8_t>(C.Value);
        else
            Put32(B, C.At, C.Value);
        if (C.Name == std::string("image cut")) Put32(B, 14, static_cast<uint32_t>(B.size() - 22));
        TSurface S(1, 1, clRed);
        EXPECT_EQ(ReadIco(B, S), C.Expected) << C.Name;
        EXPECT_EQ(S.Pixel(0, 0), clRed) << C.Name;
    }
}

TEST(IcoCodec, WrittenIconsReadBackWithTheirAlpha)
{
    // Opaque, clear and half-covered pixels, at two sizes (256 is stored as 0).
    auto Make = [](int Size)
    {
        TSurface S(Size, Size, clRed);
        S.Row(0)[0] = 0;
        S.Row(1)[1] = 0x80400000; // half-covered dark blue, premultiplied
        return S;
    };
    const TSurface Small = Make(16), Large = Make(256);
    const TSurface* Images[] = {&Small, &Large};
    std::vector<uint8_t> Bytes;
    ASSERT_EQ(WriteIco(Images, Bytes), TCodecStatus::Ok);
    for (int Size : {16, 256})
    {
        TSurface S;
        ASSERT_EQ(ReadIco(Bytes, S, Size), TCodecStatus::Ok);
        ASSERT_EQ(S.Width(), Size);
        EXPECT_EQ(S.RawPixel(5, 5), 0xFFFF0000u);
        EXPECT_EQ(S.RawPixel(0, 0), 0u);
        EXPECT_EQ(S.RawPixel(1, 1), 0x80400000u);
        EXPECT_EQ(S.RawPixel(Size - 1, Size - 1), 0xFFFF0000u);
    }

    const TSurface Empty, Huge(257, 1);
    const TSurface* None[] = {&Empty};
    const TSurface* TooBig[] = {&Huge};
    EXPECT_EQ(WriteIco({}, Bytes), TCodecStatus::Malformed);
    EXPECT_EQ(WriteIco(None, Bytes), TCodecStatus::Malformed);
    EXPECT_EQ(WriteIco(TooBig, Bytes), TCodecStatus::Unsupported);
}

TEST(PictureFile, SavesByExtensionAndLoadsBySignature)
{
    const std::filesystem::path Dir =
        std::filesystem::temp_directory_path() / ("gfx-files-" + std::to_string(getpid()));
    std::filesystem::create_directories(Dir);
    const TSurface Original = Sample(6, 4, 16);
    for (const char* Name : {"a.bmp", "b.JPG", "c.png"})
        EXPECT_EQ(SavePicture((Dir / Name).string(), Original), TCodecStatus::Ok) << Name;
    EXPECT_EQ(SavePicture((Dir / "d.gif").string(), Original), TCodecStatus::Unsupported);
    TSurface Loaded;
    ASSERT_EQ(LoadPicture((Dir / "a.bmp").string(), Loaded), TCodecStatus::Ok);
    EXPECT_TRUE(SamePixels(Original, Loaded));
    EXPECT_EQ(LoadPicture((Dir / "b.JPG").string(), Loaded), TCodecStatus::Ok);
    EXPECT_EQ(Loaded.Width(), 6);
    ASSERT_EQ(LoadPicture((Dir / "c.png").string(), Loaded), TCodecStatus::Ok);
    EXPECT_TRUE(SamePixels(Original, Loaded));
    EXPECT_EQ(LoadPicture((Dir / "missing.bmp").string(), Loaded), TCodecStatus::Truncated);
    std::filesystem::remove_all(Dir);
}

TEST(PngCodec, RoundTripAndDamagedData)
{
    const TSurface Original = Sample(7, 3, 16);
    std::vector<uint8_t> Bytes;
    ASSERT_EQ(WritePng(Original, Bytes), TCodecStatus::Ok);
    TSurface Decoded;
    ASSERT_EQ(ReadPng(Bytes, Decoded), TCodecStatus::Ok);
    EXPECT_TRUE(SamePixels(Original, Decoded));
    EXPECT_EQ(WritePng(TSurface(), Bytes), TCodecStatus::Malformed);

    TSurface S(1, 1, clRed);
    ASSERT_EQ(WritePng(Sample(40, 40, 16), Bytes), TCodecStatus::Ok);
    const std::vector<uint8_t> Cut(Bytes.begin(), Bytes.end() - 30);
    EXPECT_EQ(ReadPng(Cut, S), TCodecStatus::Truncated);
    EXPECT_EQ(ReadPng(std::vector<uint8_t>(Bytes.begin(), Bytes.begin() + 20), S),
              TCodecStatus::Truncated);
    std::vector<uint8_t> Garbage = Bytes;
    Garbage[0] = 'X';
    EXPECT_EQ(ReadPng(Garbage, S), TCodecStatus::Malformed);
    std::vector<uint8_t> BadCrc = Bytes;
    BadCrc[20] ^= 0xFF; // inside the header chunk
    EXPECT_EQ(ReadPng(BadCrc, S), TCodecStatus::Malformed);
    EXPECT_EQ(S.Pixel(0, 0), clRed);
}

TEST(PngCodec, KeepsAlphaOnlyWhenAsked)
{
    TSurface Icon(2, 1, clBlue);
    Icon.Row(0)[1] = 0x40002000; // a quarter of dark green, premultiplied
    std::vector<uint8_t> Bytes;
    TSurface Decoded;
    ASSERT_EQ(WritePng(Icon, Bytes, true), TCodecStatus::Ok);
    ASSERT_EQ(ReadPng(Bytes, Decoded), TCodecStatus::Ok);
    EXPECT_EQ(Decoded.RawPixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(Decoded.RawPixel(1, 0), 0x40002000u);

    ASSERT_EQ(WritePng(Icon, Bytes), TCodecStatus::Ok);
    ASSERT_EQ(ReadPng(Bytes, Decoded), TCodecStatus::Ok);
    EXPECT_EQ(Decoded.RawPixel(1, 0) >> 24, 0xFFu);
}
