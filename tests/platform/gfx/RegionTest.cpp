#include "platform/gfx/Region.h"

#include <gtest/gtest.h>

TEST(Region, RectangleExcludesRightAndBottomEdges)
{
    const TRegion R({2, 3, 6, 8});
    EXPECT_EQ(R.Kind(), SIMPLEREGION);
    EXPECT_TRUE(R.Contains(2, 3));
    EXPECT_TRUE(R.Contains(5, 7));
    EXPECT_FALSE(R.Contains(6, 7));
    EXPECT_FALSE(R.Contains(5, 8));
    EXPECT_EQ(R.Box(), (TRect{2, 3, 6, 8}));
    EXPECT_EQ(TRegion({5, 5, 5, 9}).Kind(), NULLREGION);
    EXPECT_EQ(TRegion({5, 5, 2, 9}).Box(), (TRect{}));
}

TEST(Region, CombineModes)
{
    const TRegion A({0, 0, 10, 10});
    const TRegion B({5, 5, 15, 15});
    struct TCase
    {
        int Mode;
        int Kind;
        TRect Box;
        bool In77, In22, In1212;
    };
    const TCase Cases[] = {
        {RGN_AND, SIMPLEREGION, {5, 5, 10, 10}, true, false, false},
        {RGN_OR, COMPLEXREGION, {0, 0, 15, 15}, true, true, true},
        {RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}, false, true, true},
        {RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}, false, true, false},
        {RGN_COPY, SIMPLEREGION, {0, 0, 10, 10}, true, true, false},
    };
    for (const TCase& C : Cases)
    {
        TRegion D;
        EXPECT_EQ(CombineRgn(D, A, B, C.Mode), C.Kind) << C.Mode;
        EXPECT_EQ(D.Box(), C.Box) << C.Mode;
        EXPECT_EQ(D.Contains(7, 7), C.In77) << C.Mode;
        EXPECT_EQ(D.Contains(2, 2), C.In22) << C.Mode;
        EXPECT_EQ(D.Contains(12, 12), C.In1212) << C.Mode;
    }
    TRegion D = A;
    EXPECT_EQ(CombineRgn(D, A, B, 99), RGN_ERROR);
    EXPECT_EQ(D, A);
    EXPECT_EQ(CombineRgn(D, D, B, RGN_AND), SIMPLEREGION);
}

TEST(Region, RectsAreBandedTopToBottom)
{
    TRegion R({0, 0, 4, 2});
    R.Union(TRegion({6, 0, 8, 2}));
    R.Union(TRegion({0, 2, 8, 3}));
    const std::vector<TRect> Rects = R.Rects();
    ASSERT_EQ(Rects.size(), 3u);
    EXPECT_EQ(Rects[0], (TRect{0, 0, 4, 2}));
    EXPECT_EQ(Rects[1], (TRect{6, 0, 8, 2}));
    EXPECT_EQ(Rects[2], (TRect{0, 2, 8, 3}));
    EXPECT_TRUE(R.Overlaps({3, 1, 5, 2}));
    EXPECT_FALSE(R.Overlaps({4, 0, 6, 2}));
    R.Offset(10, 20);
    EXPECT_EQ(R.Box(), (TRect{10, 20, 18, 23}));
}

TEST(Region, RoundRectCornersFollowTheClassicRule)
{
    // The region of (0, 0, 11, 11) covers pixels 0..9: one less than the
    // rectangle numbers, which is why windows pass their size + 1.
    const TRegion R = TRegion::RoundRect(0, 0, 11, 11, 5, 5);
    EXPECT_EQ(R.Box(), (TRect{0, 0, 10, 10}));
    EXPECT_FALSE(R.Contains(0, 0));
    EXPECT_TRUE(R.Contains(1, 0));
    EXPECT_TRUE(R.Contains(0, 1));
    EXPECT_FALSE(R.Contains(9, 0));
    EXPECT_TRUE(R.Contains(8, 0));
    EXPECT_FALSE(R.Contains(0, 9));
    EXPECT_FALSE(R.Contains(9, 9));
    EXPECT_TRUE(R.Contains(8, 9));
    EXPECT_TRUE(R.Contains(9, 8));
    EXPECT_TRUE(R.Contains(5, 5));
    // Square corners below a 2-pixel ellipse; degenerate boxes are empty.
    EXPECT_EQ(TRegion::RoundRect(0, 0, 11, 11, 1, 5), TRegion({0, 0, 10, 10}));
    EXPECT_TRUE(TRegion::RoundRect(0, 0, 1, 11, 5, 5).IsEmpty());
    EXPECT_EQ(TRegion::RoundRect(11, 11, 0, 0, 5, 5), R);
}

TEST(Region, EllipseIsSymmetric)
{
    const TRegion E = TRegion::Ellipse(0, 0, 21, 11);
    EXPECT_EQ(E.Box(), (TRect{0, 0, 20, 10}));
    for (int Y = 0; Y < 10; ++Y)
        for (int X = 0; X < 20; ++X)
        {
            EXPECT_EQ(E.Contains(X, Y), E.Contains(19 - X, Y)) << X << "," << Y;
            EXPECT_EQ(E.Contains(X, Y), E.Contains(X, 9 - Y)) << X << "," << Y;
        }
    EXPECT_FALSE(E.Contains(0, 0));
    EXPECT_TRUE(E.Contains(0, 5));
    EXPECT_TRUE(E.Contains(10, 0));
}
