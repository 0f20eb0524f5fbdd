#include "platform/gfx/Blit.h"

#include "PixelTestUtil.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{
// A 4 x 2 picture whose pixels all differ: (x, y) has colour RGB(x*50, y*100, 9).
TSurface Ramp()
{
    TSurface S(4, 2);
    for (int Y = 0; Y < 2; ++Y)
        for (int X = 0; X < 4; ++X)
            S.SetPixel(X, Y, RGB(X * 50, Y * 100, 9));
    return S;
}
TColor RampAt(int X, int Y)
{
    return RGB(X * 50, Y * 100, 9);
}
} // namespace

TEST(Blit, CopyHonoursOriginClipAndSourceBounds)
{
    const TSurface Src = Ramp();
    TSurface S(10, 10, clWhite);
    TDeviceContext Dc(S);
    Dc.SetViewportOrg(1, 1);
    Dc.IntersectClipRect({0, 0, 3, 9});
    EXPECT_TRUE(BitBlt(Dc, 0, 0, 4, 2, Src, 0, 0));
    EXPECT_EQ(S.Pixel(1, 1), RampAt(0, 0));
    EXPECT_EQ(S.Pixel(3, 2), RampAt(2, 1));
    EXPECT_EQ(S.Pixel(4, 1), clWhite); // clipped
    // Asking for more source than exists copies only what is there.
    EXPECT_TRUE(BitBlt(Dc, 0, 4, 6, 6, Src, -1, 0));
    EXPECT_EQ(S.Pixel(1, 5), clWhite);
    EXPECT_EQ(S.Pixel(2, 5), RampAt(0, 0));
    EXPECT_EQ(S.Pixel(2, 7), clWhite);
    EXPECT_FALSE(BitBlt(Dc, 0, 0, 2, 2, Src, 0, 0, 0x12345678));
    EXPECT_FALSE(BitBlt(Dc, 0, 0, -2, 2, Src, 0, 0));
    // Coordinates whose sums would overflow are refused.
    EXPECT_FALSE(BitBlt(Dc, INT_MAX, 0, 2, 2, Src, 0, 0));
    EXPECT_FALSE(StretchBlt(Dc, 0, 0, 2, 2, Src, INT_MIN, 0, INT_MAX, 2));
    EXPECT_FALSE(TransparentBlt(Dc, 0, 0, INT_MAX, 2, Src, 0, 0, 2, 2, clRed));
}

TEST(Blit, OverlappingCopyWithinOneSurface)
{
    TSurface S = Ramp();
    TDeviceContext Dc(S);
    EXPECT_TRUE(BitBlt(Dc, 1, 0, 3, 2, S, 0, 0));
    EXPECT_EQ(S.Pixel(1, 0), RampAt(0, 0));
    EXPECT_EQ(S.Pixel(2, 0), RampAt(1, 0));
    EXPECT_EQ(S.Pixel(3, 1), RampAt(2, 1));
}

TEST(Blit, RasterOperationsCombinePixels)
{
    TSurface Src(1, 1, RGB(0x0F, 0xF0, 0x33));
    struct TCase
    {
        uint32_t Rop;
        TColor Expected;
    };
    const TCase Cases[] = {
        {SRCPAINT, RGB(0x8F, 0xF0, 0xBB)},
        {SRCAND, RGB(0x00, 0x80, 0x22)},
        {SRCINVERT, RGB(0x8F, 0x70, 0x99)},
        {NOTSRCCOPY, RGB(0xF0, 0x0F, 0xCC)},
        {DSTINVERT, RGB(0x7F, 0x7F, 0x55)},
        {BLACKNESS, clBlack},
        {WHITENESS, clWhite},
        {PATCOPY, clLime},
    };
    for (const TCase& C : Cases)
    {
        TSurface D(1, 1, RGB(0x80, 0x80, 0xAA));
        TDeviceContext Dc(D);
        Dc.SetBrush(gfx::TBrush::Solid(clLime));
        EXPECT_TRUE(BitBlt(Dc, 0, 0, 1, 1, Src, 0, 0, C.Rop));
        EXPECT_EQ(D.Pixel(0, 0), C.Expected) << std::hex << C.Rop;
    }
}

TEST(Blit, NearestStretchRepeatsPixels)
{
    const TSurface Src = Ramp();
    TSurface S(8, 4);
    TDeviceContext Dc(S);
    EXPECT_TRUE(StretchBlt(Dc, 0, 0, 8, 4, Src, 0, 0, 4, 2));
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 8; ++X)
            EXPECT_EQ(S.Pixel(X, Y), RampAt(X / 2, Y / 2)) << X << "," << Y;
    EXPECT_FALSE(StretchBlt(Dc, 0, 0, 0, 4, Src, 0, 0, 4, 2));
}

TEST(Blit, NegativeWidthOrHeightMirrors)
{
    const TSurface Src = Ramp();
    struct TCase
    {
        int X, Y, W, H;
        bool FlipX, FlipY;
    };
    const TCase Cases[] = {
        {4, 0, -4, 2, true, false}, // right < left
        {0, 2, 4, -2, false, true}, // bottom < top
        {4, 2, -4, -2, true, true},
    };
    for (const TCase& C : Cases)
    {
        TSurface S(4, 2);
        TDeviceContext Dc(S);
        EXPECT_TRUE(StretchBlt(Dc, C.X, C.Y, C.W, C.H, Src, 0, 0, 4, 2));
        for (int Y = 0; Y < 2; ++Y)
            for (int X = 0; X < 4; ++X)
                EXPECT_EQ(S.Pixel(X, Y), RampAt(C.FlipX ? 3 - X : X, C.FlipY ? 1 - Y : Y))
                    << X << "," << Y;
    }
    // A mirrored source rectangle flips too; both negative cancel out.
    TSurface S(4, 2);
    TDeviceContext Dc(S);
    EXPECT_TRUE(StretchBlt(Dc, 0, 0, 4, 2, Src, 4, 0, -4, 2));
    EXPECT_EQ(S.Pixel(0, 0), RampAt(3, 0));
    EXPECT_TRUE(StretchBlt(Dc, 4, 0, -4, 2, Src, 4, 0, -4, 2));
    EXPECT_EQ(S.Pixel(0, 0), RampAt(0, 0));
}

TEST(Blit, HalftoneStretchAveragesAndStaysInsideTheSourceRect)
{
    TSurface Src(4, 1, clWhite);
    Src.SetPixel(0, 0, clBlack);
    Src.SetPixel(3, 0, clRed); // outside the source rectangle below
    TSurface S(1, 1);
    TDeviceContext Dc(S);
    Dc.SetStretchMode(HALFTONE);
    EXPECT_TRUE(StretchBlt(Dc, 0, 0, 1, 1, Src, 0, 0, 2, 1));
    const TColor Mid = S.Pixel(0, 0);
    EXPECT_NEAR(GetRValue(Mid), 128, 1);
    EXPECT_EQ(GetRValue(Mid), GetBValue(Mid));
    // Shrinking mirrored: the averaged black half lands on the right.
    TSurface Pair(2, 1);
    TDeviceContext Dp(Pair);
    Dp.SetStretchMode(HALFTONE);
    Src.SetPixel(3, 0, clWhite);
    EXPECT_TRUE(StretchBlt(Dp, 2, 0, -2, 1, Src, 0, 0, 4, 1));
    EXPECT_EQ(Pair.Pixel(0, 0), clWhite);
    EXPECT_NEAR(GetGValue(Pair.Pixel(1, 0)), 128, 1);
    // Part of the source rectangle off the surface averages in as black.
    TSurface Three(3, 1);
    TDeviceContext D3(Three);
    D3.SetStretchMode(HALFTONE);
    EXPECT_TRUE(StretchBlt(D3, 0, 0, 3, 1, Src, -2, 0, 6, 1));
    EXPECT_EQ(Three.Pixel(0, 0), clBlack);
    EXPECT_EQ(Three.Pixel(2, 0), clWhite);
    Src.SetPixel(3, 0, clRed);
    // Growing a two-pixel band smoothly never reaches the red pixel next to it.
    TSurface Wide(9, 1);
    TDeviceContext Dw(Wide);
    Dw.SetStretchMode(HALFTONE);
    EXPECT_TRUE(StretchBlt(Dw, 0, 0, 9, 1, Src, 1, 0, 2, 1));
    for (int X = 0; X < 9; ++X)
        EXPECT_EQ(Wide.Pixel(X, 0), clWhite) << X;
}

TEST(Blit, TransparentBlitLeavesOutTheKeyColour)
{
    TSurface Src(2, 2, clFuchsia);
    Src.SetPixel(1, 0, clRed);
    Src.SetPixel(0, 1, clBlue);
    TSurface S(4, 4, clWhite);
    TDeviceContext Dc(S);
    EXPECT_TRUE(TransparentBlt(Dc, 0, 0, 4, 4, Src, 0, 0, 2, 2, clFuchsia));
    const std::vector<std::string> Red = {"..##", "..##", "....", "...."};
    EXPECT_EQ(InkRows(S, S.Bounds(), clRed), Red);
    EXPECT_EQ(S.Pixel(0, 3), clBlue);
    EXPECT_EQ(CountInk(S, clWhite), 8);
    EXPECT_FALSE(TransparentBlt(Dc, 4, 0, -4, 4, Src, 0, 0, 2, 2, clFuchsia));
}

TEST(Blit, AlphaBlitComposesPremultipliedPixels)
{
    TSurface Icon(2, 1);
    Icon.Row(0)[0] = 0x00000000u; // transparent
    Icon.Row(0)[1] = 0x80800000u; // half-covering red
    TSurface S(2, 1, clWhite);
    TDeviceContext Dc(S);
    AlphaBlit(Dc, 0, 0, Icon);
    EXPECT_EQ(S.Pixel(0, 0), clWhite);
    EXPECT_EQ(S.Pixel(1, 0), RGB(255, 127, 127));
}
