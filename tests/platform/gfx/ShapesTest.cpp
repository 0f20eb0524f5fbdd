#include "platform/gfx/Shapes.h"
#include "platform/gfx/Lines.h"

#include "PixelTestUtil.h"

#include <gtest/gtest.h>

TEST(Shapes, RectangleFrameAndFillAreRightBottomExclusive)
{
    TSurface S(7, 6, clWhite);
    TDeviceContext Dc(S);
    Dc.SetBrush(gfx::TBrush::Solid(clRed));
    Rectangle(Dc, 1, 1, 6, 5);
    const std::vector<std::string> Frame = {
        ".......", ".#####.", ".#...#.", ".#...#.", ".#####.", ".......",
    };
    EXPECT_EQ(InkRows(S, S.Bounds(), clBlack), Frame);
    EXPECT_EQ(S.Pixel(2, 2), clRed);
    EXPECT_EQ(S.Pixel(4, 3), clRed);
    EXPECT_EQ(CountInk(S, clRed), 6);
}

TEST(Shapes, RectangleWithoutPenFillsOnePixelLess)
{
    TSurface S(7, 6, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_NULL, 1, clBlack});
    Dc.SetBrush(gfx::TBrush::Solid(clRed));
    Rectangle(Dc, 6, 5, 1, 1); // inverted corners are normalised
    EXPECT_EQ(CountInk(S, clRed), 4 * 3);
    EXPECT_EQ(S.Pixel(1, 1), clRed);
    EXPECT_EQ(S.Pixel(4, 3), clRed);
    EXPECT_EQ(S.Pixel(5, 3), clWhite);
    EXPECT_EQ(S.Pixel(4, 4), clWhite);
}

TEST(Shapes, DottedOutlineAlternatesAlongRowsAndColumns)
{
    TSurface S(6, 6, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_DOT, 1, clBlack});
    Dc.SetBkMode(TRANSPARENT);
    Dc.SetBrush(gfx::TBrush::Clear());
    Rectangle(Dc, 0, 0, 6, 6);
    const std::vector<std::string> Expected = {
        "#.#.#.", ".....#", "#.....", ".....#", "#.....", ".#.#.#",
    };
    EXPECT_EQ(InkRows(S, S.Bounds(), clBlack), Expected);
}

TEST(Shapes, ClearBrushLeavesTheInsideAlone)
{
    TSurface S(7, 6, clLime);
    TDeviceContext Dc(S);
    Dc.SetBrush(gfx::TBrush::Clear());
    Rectangle(Dc, 0, 0, 7, 6);
    EXPECT_EQ(S.Pixel(3, 3), clLime);
    EXPECT_EQ(S.Pixel(6, 5), clBlack);
}

TEST(Shapes, FillRectAndFrameRect)
{
    TSurface S(8, 8, clWhite);
    TDeviceContext Dc(S);
    FillRect(Dc, {1, 1, 4, 3}, gfx::TBrush::Solid(clBlue));
    EXPECT_EQ(CountInk(S, clBlue), 6);
    EXPECT_EQ(S.Pixel(3, 2), clBlue);
    FillRect(Dc, {5, 5, 2, 7}, gfx::TBrush::Solid(clRed)); // inverted: nothing
    EXPECT_EQ(CountInk(S, clRed), 0);
    FrameRect(Dc, {4, 4, 8, 8}, gfx::TBrush::Solid(clRed));
    EXPECT_EQ(CountInk(S, clRed), 12);
    EXPECT_EQ(S.Pixel(7, 7), clRed);
    EXPECT_EQ(S.Pixel(5, 5), clWhite);
}

TEST(Shapes, PatternBrushTilesFromTheBrushOrigin)
{
    auto Pattern = std::make_shared<TSurface>(2, 2, clWhite);
    Pattern->SetPixel(0, 0, clRed);
    Pattern->SetPixel(1, 1, clRed);
    TSurface S(6, 6, clBlack);
    TDeviceContext Dc(S, {1, 1, 6, 6});
    FillRect(Dc, {0, 0, 4, 4}, gfx::TBrush::FromPattern(Pattern));
    // Tiles are aligned to the context's device origin, not to the rectangle.
    EXPECT_EQ(S.Pixel(1, 1), clRed);
    EXPECT_EQ(S.Pixel(2, 1), clWhite);
    EXPECT_EQ(S.Pixel(4, 4), clRed);
    Dc.SetBrushOrg(1, 0);
    FillRect(Dc, {0, 0, 4, 4}, gfx::TBrush::FromPattern(Pattern));
    EXPECT_EQ(S.Pixel(1, 1), clWhite);
    EXPECT_EQ(S.Pixel(2, 1), clRed);
}

TEST(Shapes, EllipseTouchesEveryEdgeOfItsBoxAndIsSymmetric)
{
    TSurface S(14, 10, clWhite);
    TDeviceContext Dc(S);
    Dc.SetBrush(gfx::TBrush::Solid(clRed));
    Ellipse(Dc, 1, 1, 13, 9);
    const TRect Box{1, 1, 13, 9};
    for (int Y = Box.Top; Y < Box.Bottom; ++Y)
        for (int X = Box.Left; X < Box.Right; ++X)
        {
            const TColor C = S.Pixel(X, Y);
            EXPECT_EQ(C, S.Pixel(Box.Right - 1 - (X - Box.Left), Y)) << X << "," << Y;
            EXPECT_EQ(C, S.Pixel(X, Box.Bottom - 1 - (Y - Box.Top))) << X << "," << Y;
        }
    EXPECT_EQ(S.Pixel(1, 4), clBlack);
    EXPECT_EQ(S.Pixel(12, 4), clBlack);
    EXPECT_EQ(S.Pixel(6, 1), clBlack);
    EXPECT_EQ(S.Pixel(6, 8), clBlack);
    EXPECT_EQ(S.Pixel(1, 1), clWhite);
    EXPECT_EQ(S.Pixel(6, 4), clRed);
    EXPECT_EQ(S.Pixel(13, 4), clWhite);
    EXPECT_EQ(S.Pixel(6, 9), clWhite);
}

TEST(Shapes, NinetyDegreeArcRunsCounterClockwiseBetweenItsEndPixels)
{
    TSurface S(22, 22, clWhite);
    TDeviceContext Dc(S);
    // Right-hand point to top point: the top-right quarter only.
    Arc(Dc, 0, 0, 20, 20, 20, 10, 10, 0);
    EXPECT_EQ(S.Pixel(19, 9), clBlack);
    EXPECT_EQ(S.Pixel(10, 0), clBlack);
    EXPECT_EQ(S.Pixel(19, 10), clWhite);
    EXPECT_EQ(S.Pixel(9, 0), clWhite);
    for (int Y = 0; Y < 22; ++Y)
        for (int X = 0; X < 22; ++X)
        {
            if (S.Pixel(X, Y) == clBlack)
            {
                EXPECT_TRUE(X >= 10 && Y <= 9) << X << "," << Y;
            }
        }
    // The same two points the other way round give the other three quarters.
    TSurface T(22, 22, clWhite);
    TDeviceContext Dt(T);
    Arc(Dt, 0, 0, 20, 20, 10, 0, 20, 10);
    EXPECT_EQ(T.Pixel(9, 0), clBlack);
    EXPECT_EQ(T.Pixel(19, 10), clBlack);
    EXPECT_EQ(T.Pixel(0, 10), clBlack);
    EXPECT_EQ(T.Pixel(10, 0), clWhite);
    EXPECT_EQ(CountInk(S, clBlack) + CountInk(T, clBlack),
              []
              {
                  TSurface Full(22, 22, clWhite);
                  TDeviceContext D(Full);
                  Arc(D, 0, 0, 20, 20, 20, 10, 20, 10);
                  return CountInk(Full, clBlack);
              }());
}

TEST(Shapes, RoundRectCornersAreCutAndEdgesStraight)
{
    TSurface S(12, 12, clWhite);
    TDeviceContext Dc(S);
    Dc.SetBrush(gfx::TBrush::Solid(clRed));
    RoundRect(Dc, 0, 0, 10, 10, 5, 5);
    EXPECT_EQ(S.Pixel(0, 0), clWhite);
    EXPECT_EQ(S.Pixel(9, 9), clWhite);
    EXPECT_EQ(S.Pixel(1, 0), clBlack);
    EXPECT_EQ(S.Pixel(0, 5), clBlack);
    EXPECT_EQ(S.Pixel(9, 5), clBlack);
    EXPECT_EQ(S.Pixel(5, 9), clBlack);
    EXPECT_EQ(S.Pixel(5, 5), clRed);
    EXPECT_EQ(S.Pixel(10, 5), clWhite);
}

TEST(Shapes, PolygonFillsInsideAndOutlinesEveryVertex)
{
    TSurface S(9, 6, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_SOLID, 1, clBlack});
    Dc.SetBrush(gfx::TBrush::Solid(clBlack));
    // The down arrow of a combo box button.
    Polygon(Dc, {{1, 1}, {7, 1}, {4, 4}});
    const std::vector<std::string> Expected = {
        ".........", ".#######.", "..#####..", "...###...", "....#....", ".........",
    };
    EXPECT_EQ(InkRows(S, S.Bounds(), clBlack), Expected);
}

TEST(Shapes, FocusRectTwiceRestoresThePixels)
{
    TSurface S(10, 8, clWhite);
    for (int X = 0; X < 10; ++X)
        S.SetPixel(X, 3, RGB(X * 20, 100, 7));
    const TSurface Before = S.Clone();
    TDeviceContext Dc(S);
    DrawFocusRect(Dc, {1, 1, 9, 7});
    EXPECT_EQ(S.Pixel(1, 1), clBlack);
    EXPECT_EQ(S.Pixel(2, 1), clWhite);
    EXPECT_EQ(S.Pixel(8, 6), clBlack);
    EXPECT_EQ(S.Pixel(4, 4), clWhite);
    int Changed = 0;
    for (int Y = 0; Y < 8; ++Y)
        for (int X = 0; X < 10; ++X)
            Changed += S.Pixel(X, Y) != Before.Pixel(X, Y);
    EXPECT_EQ(Changed, 12); // half of the 24 frame pixels
    DrawFocusRect(Dc, {1, 1, 9, 7});
    for (int Y = 0; Y < 8; ++Y)
        for (int X = 0; X < 10; ++X)
            ASSERT_EQ(S.Pixel(X, Y), Before.Pixel(X, Y)) << X << "," << Y;
}

TEST(Shapes, PixelsHonourOriginAndClip)
{
    TSurface S(5, 5, clWhite);
    TDeviceContext Dc(S);
    Dc.SetViewportOrg(1, 1);
    Dc.IntersectClipRect({0, 0, 2, 2});
    SetPixel(Dc, 1, 1, clRed);
    SetPixel(Dc, 3, 3, clRed);
    EXPECT_EQ(S.Pixel(2, 2), clRed);
    EXPECT_EQ(S.Pixel(4, 4), clWhite);
    EXPECT_EQ(GetPixel(Dc, 1, 1), clRed);
    EXPECT_EQ(GetPixel(Dc, 3, 3), CLR_INVALID);
}

TEST(Shapes, HugeCoordinatesDrawOnlyTheVisiblePartQuickly)
{
    constexpr int Far = 2000000000;
    TSurface S(20, 20, clWhite);
    TDeviceContext Dc(S);
    Dc.SetBrush(gfx::TBrush::Solid(clRed));
    Rectangle(Dc, -Far, -Far, Far, Far);
    EXPECT_EQ(CountInk(S, clRed), 400);
    Ellipse(Dc, -Far, -Far, Far, Far);
    RoundRect(Dc, -Far, -Far, Far, Far, Far, Far);
    Arc(Dc, -Far, -Far, Far, Far, 0, 0, 0, 0);
    Polygon(Dc, {{-Far, -Far}, {Far, -Far}, {0, Far}});
    DrawFocusRect(Dc, {-Far, -Far, Far, Far});
    EXPECT_EQ(CountInk(S, clRed), 400);
    Dc.SetPen({PS_SOLID, 1 << 30, clBlue});
    MoveTo(Dc, -Far, 5);
    LineTo(Dc, Far, 5);
    EXPECT_EQ(S.Pixel(10, 5), clBlue);
    Dc.SetPen({PS_DOT, 1, clBlack});
    MoveTo(Dc, -Far, -Far);
    LineTo(Dc, Far, Far);
    EXPECT_GT(CountInk(S, clBlack), 0);
}

// The ink run that contains (X, Y) along its row: where it starts and how wide.
std::pair<int, int> InkRunAt(const TSurface& S, int X, int Y, TColor Ink)
{
    if (S.Pixel(X, Y) != Ink) return {X, 0};
    int From = X, To = X;
    while (From > 0 && S.Pixel(From - 1, Y) == Ink)
        --From;
    while (To + 1 < S.Width() && S.Pixel(To + 1, Y) == Ink)
        ++To;
    return {From, To - From + 1};
}

TEST(Shapes, WidePenOutlineIsPenWideAndCentredOnTheEdge)
{
    enum class TKind
    {
        Rect,
        Round,
        Ellipse
    };
    struct TCase
    {
        TKind Kind;
        int Width;
        int LeftStart; // first column of the left edge's band in the middle row
    };
    // A one-pixel outline lies in column 10; odd widths spread evenly around
    // it, even widths reach one pixel further out than in.
    const TCase Cases[] = {
        {TKind::Rect, 2, 9},    {TKind::Rect, 3, 9},     {TKind::Rect, 5, 8},
        {TKind::Round, 3, 9},   {TKind::Round, 4, 8},    {TKind::Ellipse, 3, 9},
        {TKind::Ellipse, 6, 7}, {TKind::Ellipse, 1, 10},
    };
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(testing::Message() << static_cast<int>(Case.Kind) << " width " << Case.Width);
        TSurface S(60, 60, clWhite);
        TDeviceContext Dc(S);
        Dc.SetPen({PS_SOLID, Case.Width, clBlack});
        Dc.SetBrush(gfx::TBrush::Solid(clRed));
        if (Case.Kind == TKind::Rect) Rectangle(Dc, 10, 10, 41, 41);
        if (Case.Kind == TKind::Round) RoundRect(Dc, 10, 10, 41, 41, 12, 12);
        if (Case.Kind == TKind::Ellipse) Ellipse(Dc, 10, 10, 41, 41);
        const auto Left = InkRunAt(S, 10, 25, clBlack);
        EXPECT_EQ(Left.first, Case.LeftStart);
        EXPECT_EQ(Left.second, Case.Width);
        // The other edges are as wide: right edge in the middle row, top and
        // bottom edges in the middle column (rows read through a transpose).
        EXPECT_EQ(InkRunAt(S, 40, 25, clBlack).second, Case.Width);
        int Top = 0, Bottom = 0;
        for (int Y = 0; Y < 25; ++Y)
            Top += S.Pixel(25, Y) == clBlack;
        for (int Y = 26; Y < 60; ++Y)
            Bottom += S.Pixel(25, Y) == clBlack;
        EXPECT_EQ(Top, Case.Width);
        EXPECT_EQ(Bottom, Case.Width);
        EXPECT_EQ(S.Pixel(25, 25), clRed) << "the brush fills inside the band";
    }
}

TEST(Shapes, WidePenArcIsPenWide)
{
    TSurface S(40, 40, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_SOLID, 3, clBlack});
    // The left half, top point to bottom point counter-clockwise.
    Arc(Dc, 5, 5, 36, 36, 20, 5, 20, 36);
    EXPECT_EQ(InkRunAt(S, 5, 20, clBlack), std::make_pair(4, 3));
    EXPECT_EQ(S.Pixel(35, 20), clWhite) << "the right half is not drawn";
}

TEST(Shapes, DashedPenPatternsRunAlongRectangleEdges)
{
    struct TCase
    {
        int Style;
        std::string Row; // the top edge from its left corner
    };
    const TCase Cases[] = {
        {PS_DASH, std::string(18, '#') + std::string(6, '.') + std::string(16, '#')},
        {PS_DASHDOT, std::string(9, '#') + "......###......" + std::string(9, '#') + "......#"},
        {PS_DASHDOTDOT, std::string(9, '#') + "...###...###..." + std::string(9, '#') + "...###."},
    };
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Style);
        TSurface S(42, 10, clWhite);
        TDeviceContext Dc(S);
        Dc.SetPen({Case.Style, 4, clBlack}); // styled pens are one pixel wide
        Dc.SetBrush(gfx::TBrush::Clear());
        Dc.SetBkMode(TRANSPARENT);
        Rectangle(Dc, 0, 0, 40, 8);
        EXPECT_EQ(InkRows(S, {0, 0, 40, 1}, clBlack), std::vector<std::string>{Case.Row});
        EXPECT_EQ(InkRows(S, {0, 1, 40, 2}, clBlack)[0].substr(1, 38), std::string(38, '.'));
    }
}
