#include "framework/graphics/Picture.h"
#include "skin/Gradients.h"
#include "skin/RoundPicture.h"
#include "skin/TileDraw.h"
#include "tests/skin/CodedPicture.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
constexpr TColor FillColour = RGB(1, 2, 3);

TEST(Gradients, EndsInTheirColoursAndInterpolateDifferently)
{
    const TColor From = RGB(0, 100, 200), To = RGB(100, 0, 255);
    auto Out = FilledBitmap(10, 10, FillColour);
    TCanvas& K = *Out->Canvas();

    // Rows 1 and 2 of a 4-row rectangle: steps 0 and 1 of 4.
    DrawHorizontalGradient(&K, {0, 0, 3, 4}, From, To);
    EXPECT_EQ(K.Pixel(0, 0), From);
    EXPECT_EQ(K.Pixel(2, 1), From);
    EXPECT_EQ(K.Pixel(2, 2), RGB(25, 75, 213)); // 0+25, 100-25, 200+trunc(13.75)
    EXPECT_EQ(K.Pixel(0, 3), To);
    EXPECT_EQ(K.Pixel(3, 0), FillColour); // right edge exclusive

    // Columns 1 and 2 of a 4-column rectangle: steps 1 and 2 of 4.
    DrawVerticalGradient(&K, {4, 5, 8, 6}, From, To);
    EXPECT_EQ(K.Pixel(4, 5), From);
    EXPECT_EQ(K.Pixel(5, 5), RGB(25, 75, 213));
    EXPECT_EQ(K.Pixel(6, 5), RGB(50, 50, 227));
    EXPECT_EQ(K.Pixel(7, 5), To);
    EXPECT_EQ(K.Pixel(4, 6), FillColour);
}

TEST(Gradients, ThinAndEmptyRectangles)
{
    struct TCase
    {
        TRect R;
        TColor Top;    // at (0, R.Top)
        TColor Bottom; // at (0, R.Bottom - 1)
    };
    const TColor From = RGB(10, 10, 10), To = RGB(200, 200, 200);
    const TCase Cases[] = {
        {{0, 2, 5, 4}, From, To},               // two rows: only the end rows
        {{0, 2, 5, 3}, To, To},                 // one row: ToColor overwrites
        {{0, 2, 5, 2}, FillColour, FillColour}, // empty
        {{0, 4, 5, 2}, FillColour, FillColour}, // inverted
    };
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(std::to_string(C.R.Top) + ".." + std::to_string(C.R.Bottom));
        auto Out = FilledBitmap(6, 6, FillColour);
        DrawHorizontalGradient(Out->Canvas(), C.R, From, To);
        const int Top = std::min(C.R.Top, 5), Bottom = std::max(C.R.Bottom - 1, 0);
        EXPECT_EQ(Out->Canvas()->Pixel(0, Top), C.Top);
        EXPECT_EQ(Out->Canvas()->Pixel(0, Bottom), C.Bottom);
    }
    auto Out = FilledBitmap(6, 6, FillColour);
    DrawVerticalGradient(Out->Canvas(), {3, 0, 3, 6}, From, To);
    EXPECT_EQ(Out->Canvas()->Pixel(3, 0), FillColour);
    DrawHorizontalGradient(Out->Canvas(), {0, 0, 6, 1}, clBtnFace, clBtnFace);
    EXPECT_EQ(Out->Canvas()->Pixel(0, 0), ColorToRGB(clBtnFace)); // system colours resolved
}

TEST(TileDraw, TilesStartAtTheCanvasOriginAndCoverTheRectangle)
{
    TPicture Picture;
    Picture.Bitmap()->Assign(CodedBitmap(3, 2).get());
    auto Out = FilledBitmap(12, 12, FillColour);
    TileDraw(Out->Canvas(), &Picture, {4, 3, 11, 8}); // 7 x 5, away from the origin
    for (int Y = 0; Y < 12; ++Y)
        for (int X = 0; X < 12; ++X)
        {
            // Columns of tiles while x < 3 + 7, rows while y < 2 + 5.
            const bool Tiled = X < 12 && Y < 8;
            const TColor Want = Tiled ? Code(X % 3, Y % 2) : FillColour;
            ASSERT_EQ(Out->Canvas()->Pixel(X, Y), Want) << X << ", " << Y;
        }

    TPicture Empty;
    auto Untouched = FilledBitmap(4, 4, FillColour);
    TileDraw(Untouched->Canvas(), &Empty, {0, 0, 4, 4});
    TileDraw(Untouched->Canvas(), nullptr, {0, 0, 4, 4});
    EXPECT_EQ(Untouched->Canvas()->Pixel(0, 0), FillColour);
}

TEST(ResizeImage, StretchesTheWholeBitmapSmoothly)
{
    auto Source = FilledBitmap(2, 1, RGB(0, 0, 0));
    Source->Canvas()->SetPixel(1, 0, RGB(200, 200, 200));
    auto Out = FilledBitmap(12, 4, FillColour);
    ResizeImage(Source.get(), Out->Canvas(), {1, 1, 11, 3});
    EXPECT_EQ(Out->Canvas()->Pixel(0, 0), FillColour);
    EXPECT_EQ(Out->Canvas()->Pixel(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(Out->Canvas()->Pixel(10, 2), RGB(200, 200, 200));
    const int Middle = GetRValue(Out->Canvas()->Pixel(6, 1));
    EXPECT_GT(Middle, 0);
    EXPECT_LT(Middle, 200);
    ResizeImage(Source.get(), Out->Canvas(), {5, 5, 5, 9});
    ResizeImage(nullptr, Out->Canvas(), {0, 0, 4, 4});
}

TEST(RoundPicture, TurnsMovePixelsWhereTheyBelong)
{
    const int W = 4, H = 3;
    struct TCase
    {
        const char* Name;
        void (*Turn)(TBitmap*);
        int OutW, OutH;
        // The source of result pixel (x, y).
        TPoint (*SourceOf)(int X, int Y);
    };
    const TCase Cases[] = {
        {"counter-clockwise", RoundPicture, H, W,
         [](int X, int Y) {
             return TPoint{W - 1 - Y, X};
         }},
        {"half", RoundPicture2, W, H,
         [](int X, int Y) {
             return TPoint{W - 1 - X, H - 1 - Y};
         }},
        {"clockwise", RoundPicture3, H, W,
         [](int X, int Y) {
             return TPoint{Y, H - 1 - X};
         }},
    };
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(C.Name);
        auto B = CodedBitmap(W, H);
        C.Turn(B.get());
        ASSERT_EQ(B->Width(), C.OutW);
        ASSERT_EQ(B->Height(), C.OutH);
        for (int Y = 0; Y < C.OutH; ++Y)
            for (int X = 0; X < C.OutW; ++X)
                EXPECT_EQ(Decode(B->Canvas()->Pixel(X, Y)), C.SourceOf(X, Y));
        TBitmap Empty;
        C.Turn(&Empty);
        EXPECT_TRUE(Empty.Empty());
        C.Turn(nullptr);
    }
    // Source (0, 0) of a counter-clockwise turn lands at (0, W - 1).
    auto B = CodedBitmap(W, H);
    RoundPicture(B.get());
    EXPECT_EQ(Decode(B->Canvas()->Pixel(0, W - 1)), (TPoint{0, 0}));
}

TEST(ScanColor, ReplacesOneColourAndMakesTheBitmap24Bits)
{
    auto B = FilledBitmap(3, 2, RGB(5, 5, 5));
    B->Canvas()->SetPixel(1, 1, RGB(9, 9, 9));
    ScanColor(B.get(), RGB(5, 5, 5), clBtnFace);
    EXPECT_EQ(B->PixelFormat(), pf24bit);
    EXPECT_EQ(B->Canvas()->Pixel(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(B->Canvas()->Pixel(2, 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(B->Canvas()->Pixel(1, 1), RGB(9, 9, 9));
}
} // namespace
