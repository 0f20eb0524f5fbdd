#include "platform/gfx/Enlarge.h"

#include <gtest/gtest.h>

namespace
{
// Every pixel different, so a pixel taken from the wrong place shows.
TSurface Numbered(int Width, int Height)
{
    TSurface S(Width, Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            S.Row(Y)[X] = 0xFF000000u | static_cast<uint32_t>(Y * 256 + X + 1);
    return S;
}

TEST(Enlarge, EveryPixelBecomesABlockOfItsOwnColour)
{
    const TSurface Source = Numbered(5, 3);
    for (int Factor : {1, 2, 3})
    {
        const TSurface Big = Enlarged(Source, Factor);
        ASSERT_EQ(Big.Width(), 5 * Factor);
        ASSERT_EQ(Big.Height(), 3 * Factor);
        for (int Y = 0; Y < Big.Height(); ++Y)
            for (int X = 0; X < Big.Width(); ++X)
                ASSERT_EQ(Big.RawPixel(X, Y), Source.RawPixel(X / Factor, Y / Factor))
                    << "factor " << Factor << " at " << X << "," << Y;
    }
}

TEST(Enlarge, WritesOnlyWhereBothSurfacesReach)
{
    const TSurface Source = Numbered(3, 2);
    const uint32_t Untouched = 0xFF123456u;
    struct TCase
    {
        int Width, Height; // of the target, the source enlarged being 6 x 4
    };
    for (const TCase C : {TCase{5, 3}, TCase{8, 7}, TCase{1, 9}})
    {
        TSurface Target(C.Width, C.Height);
        for (int Y = 0; Y < C.Height; ++Y)
            for (int X = 0; X < C.Width; ++X)
                Target.Row(Y)[X] = Untouched;
        EnlargeInto(Source, 2, Target);
        for (int Y = 0; Y < C.Height; ++Y)
            for (int X = 0; X < C.Width; ++X)
                ASSERT_EQ(Target.RawPixel(X, Y),
                          X < 6 && Y < 4 ? Source.RawPixel(X / 2, Y / 2) : Untouched)
                    << C.Width << "x" << C.Height << " at " << X << "," << Y;
    }
}

TEST(Enlarge, RefusesAResultPastTheLargestSurface)
{
    EXPECT_TRUE(Enlarged(TSurface(TSurface::MaxDimension / 2 + 1, 1), 2).IsEmpty());
    EXPECT_TRUE(Enlarged(Numbered(2, 2), 0).IsEmpty());
}
} // namespace
