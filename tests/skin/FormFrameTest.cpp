// The skinned form's frame sizes as pure functions: what is painted on
// each side, where the title and menu rows end, and the client rectangle a
// placed window gets.

#include "platform/win/WindowPos.h"
#include "skin/SUIFormFrame.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace
{
// A dialog 300 x 200 with a 3-pixel frame (2 at the bottom) and a 20-row bar.
TsuiFrameInput Dialog()
{
    TsuiFrameInput In;
    In.Window = {300, 200, 3, 3, 3, 2};
    In.BarHeight = 20;
    In.BarVisible = true;
    return In;
}
} // namespace

TEST(FormFrame, SidesTitleAndMenuRows)
{
    struct Case
    {
        const char* What;
        std::function<void(TsuiFrameInput&)> Change;
        int Left, Right, Bottom, TitleBottom, MenuTop, MenuBottom, FrameWidth, MinHeight;
    };
    const Case Cases[] = {
        // The built-in styles paint the frame the window has; the title
        // ends below the bar and the frame's top rows.
        {"dialog", [](TsuiFrameInput&) {}, 3, 3, 2, 23, 23, 23, 2, 23},
        {"with a menu", [](TsuiFrameInput& In) { In.MenuHeight = 22; }, 3, 3, 2, 23, 23, 45, 2, 45},
        {"bar hidden",
         [](TsuiFrameInput& In)
         {
             In.BarVisible = false;
             In.MenuHeight = 22;
         },
         3, 3, 2, 0, 0, 22, 2, 45},
        // A skin's borders widen the frame, to at least 4; a wider frame
        // of the window's own wins. The title is the bar and 3 rows.
        {"skin",
         [](TsuiFrameInput& In)
         {
             In.Skinned = true;
             In.SkinLeft = 6, In.SkinRight = 5, In.SkinBottom = 7;
             In.Window = {300, 200, 5, 4, 4, 6};
         },
         6, 5, 7, 23, 24, 24, 6, 30},
        {"thin skin on a sizeable window",
         [](TsuiFrameInput& In)
         {
             In.Skinned = true;
             In.SkinLeft = In.SkinRight = In.SkinBottom = 1;
             In.Window = {300, 200, 4, 4, 5, 4};
         },
         4, 5, 4, 23, 24, 24, 4, 24},
    };
    for (const Case& C : Cases)
    {
        TsuiFrameInput In = Dialog();
        C.Change(In);
        const TsuiFrameGeometry G = FrameGeometry(In);
        EXPECT_EQ(G.In, In) << C.What;
        EXPECT_EQ(G.Left, C.Left) << C.What;
        EXPECT_EQ(G.Right, C.Right) << C.What;
        EXPECT_EQ(G.Bottom, C.Bottom) << C.What;
        EXPECT_EQ(G.TitleBottom, C.TitleBottom) << C.What;
        EXPECT_EQ(G.MenuTop, C.MenuTop) << C.What;
        EXPECT_EQ(G.MenuBottom, C.MenuBottom) << C.What;
        EXPECT_EQ(G.FrameWidth, C.FrameWidth) << C.What;
        EXPECT_EQ(G.MinHeight, C.MinHeight) << C.What;
    }
}

TEST(FormFrame, ClientRectangleOfAPlacedWindow)
{
    struct Case
    {
        const char* What;
        std::function<void(TsuiFrameInput&)> Change;
        RECT Client;
    };
    // The window lies at (10, 20), 300 x 200; the window system takes its
    // own frame (4 here) off what is returned.
    const Case Cases[] = {
        {"built-in, 1-pixel border", [](TsuiFrameInput&) {}, {10, 20, 310, 221}},
        {"built-in, 3-pixel border",
         [](TsuiFrameInput& In) { In.BorderWidth = 3; },
         {10, 20, 310, 220}},
        {"thick owner frame",
         [](TsuiFrameInput& In) { In.TakenLeft = In.TakenBottom = 6; },
         {8, 18, 312, 223}},
        {"skin",
         [](TsuiFrameInput& In) { In.SkinLeft = 6, In.SkinRight = 5, In.SkinBottom = 7; },
         {13, 20, 308, 216}},
        {"thin skin keeps 4",
         [](TsuiFrameInput& In) { In.SkinLeft = In.SkinRight = In.SkinBottom = 2; },
         {11, 20, 309, 219}},
    };
    for (const Case& C : Cases)
    {
        TsuiFrameInput In = Dialog();
        C.Change(In);
        const WINDOWPOS Pos{nullptr, nullptr, 10, 20, 300, 200, 0};
        const RECT R = SkinnedClientRect(In, Pos);
        EXPECT_EQ(R.left, C.Client.left) << C.What;
        EXPECT_EQ(R.top, C.Client.top) << C.What;
        EXPECT_EQ(R.right, C.Client.right) << C.What;
        EXPECT_EQ(R.bottom, C.Client.bottom) << C.What;
    }
}

TEST(FormFrame, MeasuredThicknessOutOfRangeCountsAsFour)
{
    for (auto [Measured, Sane] : {std::pair{-1, 4}, {0, 0}, {3, 3}, {12, 12}, {13, 4}})
        EXPECT_EQ(SaneFrameThickness(Measured), Sane) << Measured;
}
