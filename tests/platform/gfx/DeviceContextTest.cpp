#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DcSaver.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/Lines.h"
#include "platform/gfx/Shapes.h"

#include <gtest/gtest.h>

namespace
{
void Fill(TDeviceContext& Dc, const TRect& R, TColor C)
{
    FillRect(Dc, R, gfx::TBrush::Solid(C));
}
} // namespace

TEST(DeviceContext, ViewportOriginMovesLogicalCoordinates)
{
    TSurface S(20, 20, clWhite);
    TDeviceContext Dc(S);
    EXPECT_EQ(Dc.SetViewportOrg(5, 6), (TPoint{0, 0}));
    Fill(Dc, {0, 0, 1, 1}, clRed);
    EXPECT_EQ(S.Pixel(5, 6), clRed);
    Dc.OffsetViewportOrg(-5, -6);
    Fill(Dc, {1, 1, 2, 2}, clBlue);
    EXPECT_EQ(S.Pixel(1, 1), clBlue);
}

TEST(DeviceContext, AreaContextHasItsOwnOriginAndCannotDrawOutside)
{
    TSurface S(20, 20, clWhite);
    TDeviceContext Dc(S, {10, 10, 15, 15});
    EXPECT_EQ(Dc.GetClipBox(), (TRect{0, 0, 5, 5}));
    Fill(Dc, {-5, -5, 50, 50}, clRed);
    EXPECT_EQ(S.Pixel(10, 10), clRed);
    EXPECT_EQ(S.Pixel(14, 14), clRed);
    EXPECT_EQ(S.Pixel(9, 10), clWhite);
    EXPECT_EQ(S.Pixel(15, 14), clWhite);
    // A window partly off the surface keeps its coordinates.
    TDeviceContext Off(S, {-3, 18, 7, 28});
    Fill(Off, {3, 0, 4, 1}, clBlue);
    EXPECT_EQ(S.Pixel(0, 18), clBlue);
}

TEST(DeviceContext, VisibleRegionLimitsDrawing)
{
    TSurface S(10, 10, clWhite);
    TRegion Visible({0, 0, 10, 10});
    Visible.Subtract(TRegion({2, 2, 4, 4}));
    TDeviceContext Dc(S, {0, 0, 10, 10}, Visible);
    Fill(Dc, {0, 0, 10, 10}, clRed);
    EXPECT_EQ(S.Pixel(3, 3), clWhite);
    EXPECT_EQ(S.Pixel(4, 4), clRed);
    // A clip region cannot widen what is visible.
    const TRegion All({0, 0, 10, 10});
    Dc.SelectClipRgn(&All);
    Fill(Dc, {0, 0, 10, 10}, clBlue);
    EXPECT_EQ(S.Pixel(3, 3), clWhite);
}

TEST(DeviceContext, ClipRectanglesTakeLogicalCoordinatesAndRegionsDeviceOnes)
{
    TSurface S(20, 20, clWhite);
    TDeviceContext Dc(S);
    Dc.SetViewportOrg(10, 0);
    EXPECT_EQ(Dc.IntersectClipRect({0, 0, 5, 5}), SIMPLEREGION);
    EXPECT_EQ(Dc.GetClipBox(), (TRect{0, 0, 5, 5}));
    EXPECT_EQ(Dc.ExcludeClipRect({1, 1, 2, 2}), COMPLEXREGION);
    Fill(Dc, {-10, 0, 10, 10}, clRed);
    EXPECT_EQ(S.Pixel(10, 0), clRed);
    EXPECT_EQ(S.Pixel(11, 1), clWhite);
    EXPECT_EQ(S.Pixel(9, 0), clWhite);
    EXPECT_EQ(S.Pixel(15, 0), clWhite);
    EXPECT_FALSE(Dc.PtVisible(1, 1));
    EXPECT_TRUE(Dc.PtVisible(0, 0));

    const TRegion Device({0, 0, 2, 2});
    Dc.SelectClipRgn(&Device);
    EXPECT_EQ(Dc.GetClipBox(), (TRect{-10, 0, -8, 2}));
    EXPECT_EQ(Dc.SelectClipRgn(nullptr), SIMPLEREGION);
    EXPECT_EQ(Dc.GetClipBox(), (TRect{-10, 0, 10, 20}));
    EXPECT_EQ(Dc.IntersectClipRect({100, 100, 101, 101}), NULLREGION);
}

TEST(DeviceContext, ASaverRestoresItsLevelWhateverHappensInItsScope)
{
    TSurface S(20, 20, clWhite);
    TDeviceContext Dc(S);
    try
    {
        TDcSaver Saved(Dc);
        Dc.SetViewportOrg(3, 3);
        Dc.SaveDC(); // left unrestored: dropped with the saver's level
        Dc.IntersectClipRect({0, 0, 2, 2});
        throw 1;
    }
    catch (int)
    {
    }
    EXPECT_EQ(Dc.GetViewportOrg(), (TPoint{0, 0}));
    EXPECT_EQ(Dc.GetClipBox(), (TRect{0, 0, 20, 20}));
    EXPECT_EQ(Dc.SaveDC(), 1) << "no level left behind";
}

TEST(DeviceContext, RestoreBringsBackClipOriginAndDrawingState)
{
    TSurface S(20, 20, clWhite);
    TDeviceContext Dc(S);
    Dc.SetPen({PS_SOLID, 1, clRed});
    EXPECT_EQ(Dc.SaveDC(), 1);
    Dc.SetViewportOrg(3, 3);
    Dc.IntersectClipRect({0, 0, 2, 2});
    Dc.SetPen({PS_DOT, 1, clBlue});
    Dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(Dc.SaveDC(), 2);
    Dc.SetViewportOrg(7, 7);
    EXPECT_TRUE(Dc.RestoreDC(-1));
    EXPECT_EQ(Dc.GetViewportOrg(), (TPoint{3, 3}));
    EXPECT_EQ(Dc.GetClipBox(), (TRect{0, 0, 2, 2}));
    EXPECT_TRUE(Dc.RestoreDC(1));
    EXPECT_EQ(Dc.GetViewportOrg(), (TPoint{0, 0}));
    EXPECT_EQ(Dc.GetClipBox(), (TRect{0, 0, 20, 20}));
    EXPECT_EQ(Dc.Pen(), (gfx::TPen{PS_SOLID, 1, clRed}));
    EXPECT_EQ(Dc.BkMode(), OPAQUE);
    Fill(Dc, {0, 0, 20, 20}, clRed);
    EXPECT_EQ(S.Pixel(19, 19), clRed);
    EXPECT_FALSE(Dc.RestoreDC(1));
    EXPECT_FALSE(Dc.RestoreDC(-1));
    EXPECT_FALSE(Dc.RestoreDC(0));
}

TEST(DeviceContext, ModeSettersRejectUnknownValues)
{
    TSurface S(1, 1);
    TDeviceContext Dc(S);
    EXPECT_EQ(Dc.SetBkMode(7), 0);
    EXPECT_EQ(Dc.BkMode(), OPAQUE);
    EXPECT_EQ(Dc.SetStretchMode(HALFTONE), BLACKONWHITE);
    EXPECT_EQ(Dc.SetStretchMode(9), 0);
    EXPECT_EQ(Dc.StretchMode(), HALFTONE);
}

TEST(DeviceContext, DrawingOnAnEmptySurfaceDoesNothing)
{
    TSurface Empty;
    TDeviceContext Dc(Empty);
    EXPECT_EQ(Dc.GetClipBox(), (TRect{}));
    Fill(Dc, {0, 0, 10, 10}, clRed);
    Rectangle(Dc, 0, 0, 10, 10);
    Ellipse(Dc, 0, 0, 10, 10);
    MoveTo(Dc, 0, 0);
    LineTo(Dc, 10, 10);
    DrawFocusRect(Dc, {0, 0, 10, 10});
    const TSurface Src(4, 4, clRed);
    EXPECT_TRUE(BitBlt(Dc, 0, 0, 4, 4, Src, 0, 0));
    EXPECT_TRUE(StretchBlt(Dc, 0, 0, 8, 8, Src, 0, 0, 4, 4));
    TRect R{0, 0, 50, 20};
    EXPECT_GT(DrawText(Dc, "Open", R, DT_SINGLELINE), 0);
    EXPECT_EQ(GetPixel(Dc, 0, 0), CLR_INVALID);
}

TEST(DeviceContext, WindowOriginIsTheLogicalPointAtTheViewportOrigin)
{
    TSurface S(30, 30, clWhite);
    TDeviceContext Dc(S, {2, 2, 30, 30});
    Dc.SetViewportOrg(10, 10);
    EXPECT_EQ(Dc.SetWindowOrg(4, 6), (TPoint{0, 0}));
    EXPECT_EQ(Dc.GetWindowOrg(), (TPoint{4, 6}));
    Fill(Dc, {4, 6, 5, 7}, clRed);
    EXPECT_EQ(S.Pixel(12, 12), clRed) << "area 2 + viewport 10, logical (4, 6) at the origin";
    // Clipping and the clip box are logical too.
    Dc.IntersectClipRect({4, 6, 8, 9});
    EXPECT_EQ(Dc.GetClipBox(), (TRect{4, 6, 8, 9}));
    Fill(Dc, {0, 0, 30, 30}, clBlue);
    EXPECT_EQ(S.Pixel(15, 14), clBlue);
    EXPECT_EQ(S.Pixel(16, 14), clWhite);
    EXPECT_TRUE(Dc.PtVisible(7, 8));
    EXPECT_FALSE(Dc.PtVisible(8, 8));
    // The origin belongs to the saved state.
    const int Level = Dc.SaveDC();
    Dc.OffsetWindowOrg(-4, -6);
    EXPECT_EQ(Dc.GetWindowOrg(), (TPoint{0, 0}));
    Dc.RestoreDC(Level);
    EXPECT_EQ(Dc.GetWindowOrg(), (TPoint{4, 6}));
}
