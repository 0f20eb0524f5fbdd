#include "platform/gfx/Lines.h"

#include "PixelTestUtil.h"

#include <gtest/gtest.h>

TEST(Lines, LineToLeavesOutTheEndPointInEveryDirection)
{
    struct TCase
    {
        TPoint From, To;
        int Pixels;
    };
    const TCase Cases[] = {
        {{2, 5}, {8, 5}, 6}, {{8, 5}, {2, 5}, 6}, {{5, 1}, {5, 9}, 8}, {{5, 9}, {5, 1}, 8},
        {{1, 1}, {7, 7}, 6}, {{7, 1}, {1, 7}, 6}, {{1, 2}, {9, 5}, 8}, {{3, 3}, {3, 3}, 0},
    };
    for (const TCase& C : Cases)
    {
        TSurface S(12, 12, clWhite);
        TDeviceContext Dc(S);
        MoveTo(Dc, C.From.X, C.From.Y);
        LineTo(Dc, C.To.X, C.To.Y);
        EXPECT_EQ(CountInk(S, clBlack), C.Pixels) << C.To.X << "," << C.To.Y;
        if (C.Pixels > 0)
        {
            EXPECT_EQ(S.Pixel(C.From.X, C.From.Y), clBlack);
        }
        EXPECT_EQ(S.Pixel(C.To.X, C.To.Y), clWhite);
        EXPECT_EQ(Dc.CurrentPosition(), C.To);
    }
}

TEST(Lines, PolylineJoinsSegmentsAndLeavesOutOnlyTheLastPoint)
{
    TSurface S(6, 6, clWhite);
    TDeviceContext Dc(S);
    Polyline(Dc, {{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    const std::vector<std::string> Expected = {
        "#####.", "....#.", "....#.", "....#.", ".####.", "......",
    };
    EXPECT_EQ(InkRows(S, S.Bounds(), clBlack), Expected);
    EXPECT_EQ(Dc.CurrentPosition(), (TPoint{0, 0}));
}

TEST(Lines, DottedPenSkipsEveryOtherPixelAndFillsGapsWhenOpaque)
{
    TSurface S(8, 2, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_DOT, 1, clRed});
    Dc.SetBkColor(clBlue);
    Dc.SetBkMode(TRANSPARENT);
    MoveTo(Dc, 0, 0);
    LineTo(Dc, 7, 0);
    EXPECT_EQ(InkRows(S, {0, 0, 8, 1}, clRed), std::vector<std::string>{"#.#.#.#."});
    EXPECT_EQ(S.Pixel(1, 0), clWhite);
    Dc.SetBkMode(OPAQUE);
    MoveTo(Dc, 0, 1);
    LineTo(Dc, 7, 1);
    EXPECT_EQ(InkRows(S, {0, 1, 8, 2}, clBlue), std::vector<std::string>{".#.#.#.."});
}

TEST(Lines, WidePenIsCentredAndNullPenDrawsNothing)
{
    TSurface S(12, 12, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_SOLID, 3, clBlack});
    MoveTo(Dc, 3, 6);
    LineTo(Dc, 8, 6);
    EXPECT_EQ(S.Pixel(5, 5), clBlack);
    EXPECT_EQ(S.Pixel(5, 7), clBlack);
    EXPECT_EQ(S.Pixel(5, 4), clWhite);
    EXPECT_EQ(S.Pixel(5, 8), clWhite);
    Dc.SetPen({PS_NULL, 1, clRed});
    LineTo(Dc, 0, 0);
    EXPECT_EQ(CountInk(S, clRed), 0);
}

TEST(Lines, ClippedLineStopsAtTheClip)
{
    TSurface S(10, 3, clWhite);
    TDeviceContext Dc(S);
    Dc.ExcludeClipRect({3, 0, 5, 3});
    MoveTo(Dc, -5, 1);
    LineTo(Dc, 20, 1);
    EXPECT_EQ(InkRows(S, {0, 1, 10, 2}, clBlack), std::vector<std::string>{"###..#####"});
}

TEST(Lines, DashPatternContinuesAcrossPolylineSegmentsAndFillsGapsWhenOpaque)
{
    TSurface S(40, 3, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_DASH, 1, clBlack});
    Dc.SetBkColor(clBlue);
    Dc.SetBkMode(OPAQUE);
    // Two segments meeting at x = 10: the second carries on with the dash.
    Polyline(Dc, {{0, 1}, {10, 1}, {30, 1}});
    EXPECT_EQ(InkRows(S, {0, 1, 31, 2}, clBlack),
              std::vector<std::string>{std::string(18, '#') + "......" + "######" + "."});
    EXPECT_EQ(InkRows(S, {0, 1, 31, 2}, clBlue),
              std::vector<std::string>{std::string(18, '.') + "######" + "......."});
}

TEST(Lines, WidePolylineIsPenWideAcrossItsLength)
{
    TSurface S(30, 30, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_SOLID, 4, clBlack});
    Polyline(Dc, {{5, 10}, {25, 10}, {25, 28}});
    int Across = 0;
    for (int Y = 0; Y < 30; ++Y)
        Across += S.Pixel(15, Y) == clBlack;
    EXPECT_EQ(Across, 4) << "the horizontal segment";
    int Down = 0;
    for (int X = 0; X < 30; ++X)
        Down += S.Pixel(X, 20) == clBlack;
    EXPECT_EQ(Down, 4) << "the vertical segment";
}
