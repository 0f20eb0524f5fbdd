#include "platform/gfx/Color.h"
#include "platform/gfx/Surface.h"

#include <gtest/gtest.h>

TEST(Color, SystemAndNamedColoursResolveToRgb)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clGradientActiveCaption), RGB(166, 202, 240));
    EXPECT_EQ(ColorToRGB(clInactiveCaption), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clMoneyGreen), RGB(192, 220, 192));
    EXPECT_EQ(ColorToRGB(clLime), RGB(0, 255, 0));
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
    EXPECT_EQ(ColorToRGB(0xFBFBFB), 0xFBFBFBu);
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(COLOR_COUNT), 0u);
}

TEST(Color, NamesLookUpCaseInsensitively)
{
    TColor C = 123;
    EXPECT_TRUE(ColorFromName("clMoneyGreen", C));
    EXPECT_EQ(C, clMoneyGreen);
    EXPECT_TRUE(ColorFromName("CLBTNFACE", C));
    EXPECT_EQ(C, clBtnFace);
    EXPECT_FALSE(ColorFromName("clNoSuchColour", C));
    EXPECT_EQ(C, clBtnFace);
}

TEST(Color, PixelWordsSwapRedAndBlue)
{
    EXPECT_EQ(PixelFromColor(RGB(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(ColorFromPixel(0xFF010203u), RGB(1, 2, 3));
}

TEST(Surface, RejectsBadSizesAndGuardsPixelAccess)
{
    EXPECT_TRUE(TSurface(0, 5).IsEmpty());
    EXPECT_TRUE(TSurface(-1, 5).IsEmpty());
    EXPECT_TRUE(TSurface(TSurface::MaxDimension + 1, 1).IsEmpty());
    TSurface S(3, 2, clRed);
    ASSERT_FALSE(S.IsEmpty());
    EXPECT_EQ(S.Pixel(2, 1), clRed);
    EXPECT_EQ(S.Pixel(3, 0), CLR_INVALID);
    EXPECT_EQ(S.Pixel(0, -1), CLR_INVALID);
    S.SetPixel(5, 5, clBlue);
    S.SetPixel(1, 1, clBtnFace);
    EXPECT_EQ(S.Pixel(1, 1), RGB(212, 208, 200));
    const TSurface Copy = S.Clone();
    EXPECT_EQ(Copy.Pixel(1, 1), RGB(212, 208, 200));
}

TEST(Surface, WrapsForeignPixelsWithoutCopying)
{
    uint32_t Pixels[2 * 4] = {};
    TSurface S = TSurface::Wrap(Pixels, 2, 2, 16);
    ASSERT_FALSE(S.IsEmpty());
    S.SetPixel(1, 1, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(Pixels[4 + 1] & 0xFFFFFF, 0x112233u);
    EXPECT_TRUE(TSurface::Wrap(Pixels, 3, 2, 8).IsEmpty());
    EXPECT_TRUE(TSurface::Wrap(nullptr, 2, 2, 16).IsEmpty());
}
