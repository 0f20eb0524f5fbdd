#include "platform/gfx/ImageList.h"

#include "PixelTestUtil.h"

#include <gtest/gtest.h>

TEST(ImageList, AddSplitsAStripIntoImages)
{
    TSurface Strip(7, 2, clWhite);
    Strip.SetPixel(3, 0, clRed);
    gfx::TImageList List(3, 2);
    EXPECT_EQ(List.Add(Strip), 0);
    EXPECT_EQ(List.Count(), 2); // the 1-pixel remainder is dropped
    EXPECT_EQ(List.Image(1).Pixel(0, 0), clRed);
    EXPECT_TRUE(List.Image(2).IsEmpty());
    EXPECT_EQ(List.Add(TSurface(2, 2)), -1);
}

TEST(ImageList, MaskedImageLeavesOutTheMaskColour)
{
    TSurface Strip(2, 2, clFuchsia);
    Strip.SetPixel(1, 1, clBlue);
    gfx::TImageList List(2, 2);
    EXPECT_EQ(List.AddMasked(Strip, clFuchsia), 0);
    TSurface S(4, 4, clLime);
    TDeviceContext Dc(S);
    List.Draw(Dc, 1, 1, 0);
    EXPECT_EQ(S.Pixel(2, 2), clBlue);
    EXPECT_EQ(S.Pixel(1, 1), clLime);
    EXPECT_EQ(CountInk(S, clLime), 15);
    List.Draw(Dc, 0, 0, 5); // out of range: nothing
    EXPECT_EQ(CountInk(S, clLime), 15);
}

TEST(ImageList, DisabledRenderingEmbossesDarkPixels)
{
    TSurface Strip(3, 3, clWhite);
    Strip.SetPixel(1, 1, clBlack);
    Strip.SetPixel(0, 0, clFuchsia);
    gfx::TImageList List(3, 3);
    List.AddMasked(Strip, clFuchsia);
    TSurface S(5, 5, clLime);
    TDeviceContext Dc(S);
    List.Draw(Dc, 0, 0, 0, false);
    EXPECT_EQ(S.Pixel(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(S.Pixel(2, 2), ColorToRGB(clBtnHighlight));
    // Light and masked pixels are not drawn.
    EXPECT_EQ(S.Pixel(0, 0), clLime);
    EXPECT_EQ(S.Pixel(2, 1), clLime);
    EXPECT_EQ(CountInk(S, clLime), 23);
}
