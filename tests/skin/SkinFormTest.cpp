// The skinned form: taking over the owner's frame, the frame it paints, the
// region, activation, styles, the keyboard and teardown.

#include "SkinnedWindow.h"

#include "framework/graphics/Bitmap.h"
#include "platform/gfx/Region.h"
#include "skin/SUIThemes.h"

namespace
{
struct Frame
{
    int Left, Top, Right, Bottom;
};

Frame FrameOf(HWND Window)
{
    RECT W{}, C{};
    GetWindowRect(Window, &W);
    GetClientRect(Window, &C);
    POINT O{0, 0};
    ClientToScreen(Window, &O);
    return {O.x - W.left, O.y - W.top, W.right - (O.x + C.right), W.bottom - (O.y + C.bottom)};
}
} // namespace

TEST_F(SkinnedWindow, TakesOverTheCaption)
{
    const RECT R = WindowRect();
    EXPECT_EQ(R.right - R.left, OuterWidth);
    EXPECT_EQ(R.bottom - R.top, OuterHeight);
    EXPECT_EQ(GetWindowLong(Form->Handle(), GWL_STYLE) & WS_CAPTION, 0);
    const Frame F = FrameOf(Form->Handle());
    EXPECT_EQ(F.Left, 3);
    EXPECT_EQ(F.Top, 3);
    EXPECT_EQ(F.Right, 3);
    EXPECT_EQ(F.Bottom, 2);
    EXPECT_EQ(Skin->FrameWidth(), 2);
    EXPECT_EQ(SendMessage(Form->Handle(), SUIM_GETFRAMEWIDTH, 0, 0), 2);
    // The client area grew by what the caption took.
    RECT C{};
    GetClientRect(Form->Handle(), &C);
    EXPECT_EQ(C.bottom, OuterHeight - 5);
    EXPECT_GT(C.bottom, PlainClientHeight);
    EXPECT_EQ(Skin->BoundsRect(), (TRect{0, 0, C.right, C.bottom}));
}

TEST_F(SkinnedWindow, OnlyOneSkinnedFormPerForm)
{
    EXPECT_THROW(new TsuiForm(Form), Exception);
}

TEST_F(SkinnedWindow, BottomFrameFollowsTheBorderWidth)
{
    const struct
    {
        int Width, Bottom;
    } Cases[] = {{1, 2}, {2, 3}, {3, 3}};
    for (const auto& C : Cases)
    {
        Skin->SetBorderWidth(C.Width);
        SetWindowPos(Form->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        EXPECT_EQ(FrameOf(Form->Handle()).Bottom, C.Bottom) << C.Width;
    }
}

TEST_F(SkinnedWindow, FramePixels)
{
    HoverBar(200, 40);
    const int W = OuterWidth, H = OuterHeight;
    const TColor Near = TColor(0xFBFBFB);
    for (int Y : {40, 200, H - 3})
    {
        EXPECT_EQ(WindowPixel(0, Y), clBlack) << Y;
        EXPECT_EQ(WindowPixel(1, Y), Near) << Y;
        EXPECT_EQ(WindowPixel(2, Y), Near) << Y;
        EXPECT_EQ(WindowPixel(W - 1, Y), clBlack) << Y;
        EXPECT_EQ(WindowPixel(W - 2, Y), Near) << Y;
        EXPECT_EQ(WindowPixel(W - 3, Y), Near) << Y;
    }
    for (int X : {5, 200, W - 6})
    {
        EXPECT_EQ(WindowPixel(X, H - 1), clBlack) << X;
        EXPECT_EQ(WindowPixel(X, H - 2), Near) << X;
    }
    // The top rows and the frame beside the bar continue the title pictures:
    // left picture column 1 at x = 1, row 0 of the title image at x = 2.
    TPicture Left;
    Left.LoadFromResourceName("NOVLA_TITLE_LEFT");
    TBitmap* L = Left.Bitmap();
    for (int Y : {0, 1, 2, 10, 22})
    {
        EXPECT_EQ(WindowPixel(1, Y), L->Canvas()->Pixel(1, Y)) << Y;
        EXPECT_EQ(WindowPixel(2, Y), L->Canvas()->Pixel(2, Y)) << Y;
    }
    EXPECT_EQ(WindowPixel(100, 1), L->Canvas()->Pixel(100, 1));
}

TEST_F(SkinnedWindow, RegionCornersAndArcs)
{
    TRegion Region;
    GetWindowRgn(Form->Handle(), &Region);
    EXPECT_TRUE(Region.Contains(0, 0));
    Skin->SetRoundCorner(11);
    FDesktop.Pump();
    ASSERT_NE(GetWindowRgn(Form->Handle(), &Region), 0);
    EXPECT_FALSE(Region.Contains(0, 0));
    EXPECT_FALSE(Region.Contains(OuterWidth - 1, 0));
    EXPECT_TRUE(Region.Contains(0, OuterHeight - 1));
    EXPECT_TRUE(Region.Contains(OuterWidth / 2, 0));
    // Width 1 and corner 11: the arcs are drawn in the border colour.
    Skin->SetBorderColor(TColor(0x0000FF));
    Skin->PaintFormBorder();
    FDesktop.Pump();
    int Red = 0;
    for (int Y = 0; Y < 8; ++Y)
        for (int X = 0; X < 8; ++X)
            Red += WindowPixel(X, Y) == TColor(0x0000FF);
    EXPECT_GT(Red, 3);
}

TEST_F(SkinnedWindow, HiddenTitleBar)
{
    Skin->SetRoundCorner(11);
    Skin->SetTitleBarVisible(false);
    EXPECT_EQ(Skin->GetTitleBarHeight(), 0);
    EXPECT_EQ(Skin->RoundCorner(), 0);
    Skin->PaintFormBorder();
    FDesktop.Pump();
    EXPECT_EQ(WindowPixel(100, 0), clBlack);
    EXPECT_EQ(WindowPixel(100, 1), TColor(0xFBFBFB));
    EXPECT_EQ(WindowPixel(100, 2), TColor(0xFBFBFB));
    // The region built at the next size change has square corners.
    Form->SetBounds(40, 40, OuterWidth, OuterHeight + 10);
    FDesktop.Pump();
    TRegion Region;
    GetWindowRgn(Form->Handle(), &Region);
    EXPECT_TRUE(Region.Contains(0, 0));
}

TEST_F(SkinnedWindow, SwitchingToWinXPAtRunTime)
{
    Skin->SetUIStyle(WinXP);
    EXPECT_EQ(Skin->BorderColor(), TColor(0xC82C00));
    EXPECT_EQ(Skin->BorderWidth(), 3);
    EXPECT_EQ(Skin->Color(), TColor(0xDEEBEF));
    EXPECT_EQ(Skin->RoundCorner(), 13);
    ASSERT_EQ(Bar->Sections()->Count(), 3);
    EXPECT_EQ(Bar->Sections()->Items(0)->Picture()->Width(), 35);
    EXPECT_EQ(Bar->Height(), 26);
    EXPECT_EQ(Bar->Buttons()->Items(0)->PicNormal()->Width(), 21);
    EXPECT_EQ(FrameOf(Form->Handle()).Bottom, 3);
}

TEST_F(SkinnedWindow, AltSpaceOpensTheControlBoxMenu)
{
    const TPoint Expected{Form->Left(), Form->Top() + Bar->Height()};
    WithMenuSteps(
        [&]
        {
            FDesktop.KeyDown(VK_MENU);
            FDesktop.Press(VK_SPACE);
            FDesktop.KeyUp(VK_MENU);
            FApp.ProcessMessages();
        },
        {[&]
         {
             TMenuWindow* Menu = TMenuLoop::Current()->Level(0);
             EXPECT_EQ(Menu->ScreenRect().Left, Expected.X);
             EXPECT_EQ(Menu->ScreenRect().Top, Expected.Y);
         }});
}

TEST_F(SkinnedWindow, MinimizedOwnerIsLeftToTheSystem)
{
    Form->SetWindowState(wsMinimized);
    FDesktop.Pump();
    // Non-client activation goes to the default handling, which answers
    // for a minimized window; painting the frame does nothing.
    EXPECT_NE(SendMessage(Form->Handle(), WM_NCACTIVATE, TRUE, 0), 0);
    Skin->PaintFormBorder();
    Form->SetWindowState(wsNormal);
    FDesktop.Pump();
    EXPECT_EQ(FrameOf(Form->Handle()).Bottom, 2);
}

TEST_F(SkinnedWindow, TeardownGivesTheOwnerBackItsCaption)
{
    int Seen = 0;
    auto Counting = Form->WindowProc;
    Skin->Free();
    EXPECT_NE(GetWindowLong(Form->Handle(), GWL_STYLE) & WS_CAPTION, 0u);
    // The owner's procedure is its own again: messages reach the form.
    Form->OnResize = [&](TObject*) { ++Seen; };
    Form->SetBounds(40, 40, OuterWidth + 10, OuterHeight);
    FDesktop.Pump();
    EXPECT_GT(Seen, 0);
    EXPECT_GT(FrameOf(Form->Handle()).Top, 3);
}

TEST_F(SkinnedWindow, OwnerFreedWithItsSkinnedForm)
{
    // The owner goes first; the skinned form detaches while the owner is
    // whole and no message reaches it afterwards (the sanitizers watch the
    // reads), and both are gone with the window.
    TComponent::TLifeGuard Skinned(Skin);
    const HWND Window = Form->Handle();
    Form->Free();
    Form = nullptr;
    FDesktop.Pump();
    EXPECT_FALSE(Skinned.Alive());
    EXPECT_FALSE(IsWindow(Window));
}

TEST_F(SkinnedWindow, ReleasedOwnerGoesWithItsSkinnedForm)
{
    // The owner frees itself, and its skinned form, inside a message that
    // came through the skinned form's procedure (checked by the sanitizers).
    TComponent::TLifeGuard Owner(Form), Skinned(Skin);
    Form->Release();
    FDesktop.Pump();
    EXPECT_FALSE(Owner.Alive());
    EXPECT_FALSE(Skinned.Alive());
}

TEST_F(SkinnedWindow, TinyWindowDrawsWithoutTheFramePieces)
{
    Form->Constraints()->SetMinWidth(0);
    Form->Constraints()->SetMinHeight(0);
    for (int Size : {1, 3, 4, 6})
    {
        Form->SetBounds(40, 40, Size, Size);
        FDesktop.Pump();
        Skin->PaintFormBorder();
        Skin->RegionWindow();
        Skin->SetRoundCorner(11);
        FDesktop.Pump();
        // The window keeps the size it was given, and a region cut for
        // corners bigger than the window leaves nothing outside it.
        const RECT R = WindowRect();
        EXPECT_EQ(R.right - R.left, Size);
        EXPECT_EQ(R.bottom - R.top, Size);
        TRegion Region;
        if (GetWindowRgn(Form->Handle(), &Region) != 0)
        {
            EXPECT_FALSE(Region.Contains(Size, 0)) << Size;
            EXPECT_FALSE(Region.Contains(0, Size)) << Size;
        }
    }
}

TEST_F(SkinnedWindow, SizeableOwnerHasNoUnpaintedFrameLine)
{
    Form->SetBorderStyle(bsSizeable);
    FDesktop.Pump();
    HoverBar(200, 40);
    const Frame F = FrameOf(Form->Handle());
    EXPECT_EQ(F.Left, 4);
    EXPECT_EQ(F.Top, 4);
    EXPECT_EQ(F.Right, 4);
    EXPECT_EQ(F.Bottom, 3);
    const RECT R = WindowRect();
    const int W = R.right - R.left, H = R.bottom - R.top;
    const TColor Near = TColor(0xFBFBFB);
    for (int Y : {40, 200, H - 4})
        for (int X = 1; X < 4; ++X)
        {
            EXPECT_EQ(WindowPixel(X, Y), Near) << X << "," << Y;
            EXPECT_EQ(WindowPixel(W - 1 - X, Y), Near) << X << "," << Y;
        }
    for (int X : {5, 200, W - 6})
        for (int Y = 1; Y < 3; ++Y)
            EXPECT_EQ(WindowPixel(X, H - 1 - Y), Near) << X << "," << Y;
    // The fourth row and column continue the title pictures, and below the
    // 23-row pictures the frame beside the bar's last row is the form's.
    TPicture Left;
    Left.LoadFromResourceName("NOVLA_TITLE_LEFT");
    TBitmap* L = Left.Bitmap();
    EXPECT_EQ(WindowPixel(100, 3), L->Canvas()->Pixel(100, 3));
    EXPECT_EQ(WindowPixel(3, 10), L->Canvas()->Pixel(2, 10));
    EXPECT_EQ(WindowPixel(3, 23), Near);
}
