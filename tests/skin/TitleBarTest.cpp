// The title bar inside the skinned configuration window: places, hits,
// dragging, the control-box menu, double clicks, vetoes and styles.

#include "SkinnedWindow.h"

#include "framework/SysLocale.h"
#include "framework/graphics/Bitmap.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"

TEST_F(SkinnedWindow, BarPlacesAndHits)
{
    const int W = Bar->Width();
    EXPECT_EQ(Bar->Height(), 20);
    EXPECT_EQ(Bar->Top(), 0);
    EXPECT_EQ(Bar->ButtonTop(), -1);
    EXPECT_EQ(W, OuterWidth - 6);
    struct Case
    {
        int X, Y, Hot;
    };
    // Index 0 is the control box (the icon area, 0..19 x -1..18), 1 the close
    // button drawn at x = W - 20 .. W - 2, y = -1 .. 17; hits count the far
    // edges too.
    const Case Cases[] = {{W - 20, 5, 1}, {W - 2, 17, 1}, {W - 21, 5, -1}, {W - 1, 18, 1},
                          {0, 0, 0},      {19, 17, 0},    {20, 5, -1},     {200, 10, -1}};
    for (const Case& C : Cases)
    {
        HoverBar(C.X, C.Y);
        EXPECT_EQ(Bar->HotButton(), C.Hot) << C.X << "," << C.Y;
    }
}

TEST_F(SkinnedWindow, CaptionStartsAfterTheIconAndIsCutWithDots)
{
    HoverBar(200, 40); // off the bar
    int First = -1;
    ASSERT_TRUE(BarHas(clWhite, 20, 120, 2, 15, &First));
    EXPECT_GE(First, 21);
    EXPECT_LE(First, 23);

    // A caption far wider than the bar ends in "..." before the close button.
    Skin->SetCaption(std::string(200, 'W'));
    FDesktop.Pump();
    const int W = Bar->Width();
    TCanvas Measure;
    Measure.SetFont(Bar->Font());
    const int Dots = Measure.TextWidth("...");
    int LastWhite = -1;
    ASSERT_TRUE(BarHas(clWhite, 21, W - 20, 2, 15, nullptr, &LastWhite));
    EXPECT_LE(LastWhite, W - 21);
    EXPECT_GE(LastWhite, W - 21 - Dots - Measure.TextWidth("W"));
}

TEST_F(SkinnedWindow, DraggingTheBarMovesTheWindow)
{
    struct Case
    {
        const char* What;
        int X, Y;
        TRawInput::TButton Button;
        int UpX, UpY; // the release, from the press
        int Dx, Dy;   // how far the window moves
    };
    const int W = Bar->Width();
    const auto Left = TRawInput::TButton::Left, Right = TRawInput::TButton::Right;
    // The pointer moves by (30, 20); a display may report no motion for the
    // rest of the way, so the release counts too.
    const Case Cases[] = {
        {"bar", 200, 10, Left, 30, 20, 30, 20},
        {"bar, released further on", 200, 10, Left, 60, 40, 60, 40},
        {"right button", 200, 10, Right, 30, 20, 0, 0},
        {"close button", W - 10, 8, Left, 30, 20, 0, 0},
        {"icon", 8, 8, Left, 30, 20, 0, 0},
    };
    for (const Case& C : Cases)
    {
        HoverBar(C.X, C.Y);
        const RECT Before = WindowRect();
        POINT P = OnBar(C.X, C.Y);
        FDesktop.MouseDown(P.x, P.y, C.Button);
        FDesktop.MouseMove(P.x + 30, P.y + 20);
        FDesktop.MouseUp(P.x + C.UpX, P.y + C.UpY, C.Button);
        FDesktop.Pump();
        const RECT After = WindowRect();
        EXPECT_EQ(After.left - Before.left, C.Dx) << C.What;
        EXPECT_EQ(After.top - Before.top, C.Dy) << C.What;
        // The drag gave the capture back to the window system; the
        // framework must not think the bar still holds the mouse.
        EXPECT_EQ(TControl::CaptureControl(), nullptr) << C.What;
        EXPECT_EQ(TMenuLoop::Current(), nullptr) << C.What << ": no menu";
        if (C.Button == Right)
        {
            HoverBar(200, 40);
            FDesktop.Pump();
        }
    }
    // Form controls still get the mouse after a drag.
    bool Clicked = false;
    Skin->OnClick = [&](TObject*) { Clicked = true; };
    POINT P = At(Skin, 100, 100);
    FDesktop.Click(P.x, P.y);
    FDesktop.Pump();
    EXPECT_TRUE(Clicked);
}

TEST_F(SkinnedWindow, ControlBoxOpensTheMenuWithOnlyClose)
{
    const TPoint Expected = Bar->ClientToScreen({0, Bar->Height()});
    WithMenuSteps(
        [&]
        {
            POINT P = OnBar(8, 8);
            FDesktop.Click(P.x, P.y);
            FDesktop.Pump();
        },
        {[&]
         {
             TMenuWindow* Menu = TMenuLoop::Current()->Level(0);
             EXPECT_EQ(Menu->ScreenRect().Left, Expected.X);
             EXPECT_EQ(Menu->ScreenRect().Top, Expected.Y);
             TsuiTitleBarPopupMenu* M = Bar->TitleMenu();
             EXPECT_FALSE(M->MinimizeItem()->Enabled());
             EXPECT_FALSE(M->MaximizeItem()->Enabled());
             EXPECT_TRUE(M->CloseItem()->Enabled());
         }});
}

TEST_F(SkinnedWindow, DoubleClicks)
{
    int Closes = 0;
    Form->OnCloseQuery = [&](TObject*, bool& CanClose)
    {
        ++Closes;
        CanClose = false;
    };
    // Elsewhere on the bar: no maximize button, so nothing happens.
    POINT P = OnBar(200, 10);
    HoverBar(200, 10);
    FDesktop.Click(P.x, P.y);
    FDesktop.Click(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(Closes, 0);
    EXPECT_EQ(Form->WindowState(), wsNormal);

    // On the control box the double click closes.
    HoverBar(8, 8);
    Bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, 8));
    EXPECT_EQ(Closes, 1);
    // A release follows and opens the menu; it is cancelled.
    WithMenuSteps([&] { Bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(8, 8)); }, {});
}

TEST_F(SkinnedWindow, InactiveCaptionColour)
{
    Bar->SetInactiveCaptionColor(TColor(0x0000FF));
    HoverBar(200, 40);
    auto CaptionHas = [&](TColor Colour) { return BarHas(Colour, 21, 150, 2, 15); };
    EXPECT_TRUE(Bar->FormActive());
    EXPECT_FALSE(CaptionHas(TColor(0x0000FF)));
    FDesktop.FocusOtherProgram();
    FDesktop.Pump();
    EXPECT_FALSE(Bar->FormActive());
    EXPECT_TRUE(CaptionHas(TColor(0x0000FF)));
    FDesktop.FocusWindow(Form->Handle());
    FDesktop.Pump();
    EXPECT_TRUE(Bar->FormActive());
    EXPECT_FALSE(CaptionHas(TColor(0x0000FF)));
}

TEST_F(SkinnedWindow, CustomBarKeepsEverythingOnAStyleChange)
{
    Bar->SetCustom(true);
    Bar->Font()->SetColor(clRed);
    const int Height = Bar->Height();
    Skin->SetUIStyle(WinXP);
    EXPECT_EQ(Bar->Sections()->Count(), 3);
    EXPECT_EQ(Bar->Sections()->Items(0)->Picture()->Width(), 441);
    EXPECT_EQ(Bar->Buttons()->Count(), 2);
    EXPECT_EQ(Bar->Font()->Color(), clRed);
    EXPECT_EQ(Bar->Height(), Height);
}

namespace
{
bool SamePixels(TGraphic* A, TBitmap& B)
{
    TBitmap Copy;
    Copy.Assign(A);
    if (Copy.Width() != B.Width() || Copy.Height() != B.Height()) return false;
    for (int Y = 0; Y < B.Height(); ++Y)
        for (int X = 0; X < B.Width(); ++X)
            if (Copy.Canvas()->Pixel(X, Y) != B.Canvas()->Pixel(X, Y)) return false;
    return true;
}
} // namespace

TEST_F(SkinnedWindow, MaxButtonFramesFollowTheWindowState)
{
    Bar->SetCustom(false);
    TsuiTitleBarButton* Max = Bar->Buttons()->Add();
    Max->SetButtonType(suiMax);
    Max->SetUIStyle(Protein);
    TBitmap Normal7, Normal10;
    GetInsideThemeBitmap(Protein, SUI_ITEM_TITLEBUTTON_IMAGE, &Normal7, 18, 7);
    GetInsideThemeBitmap(Protein, SUI_ITEM_TITLEBUTTON_IMAGE, &Normal10, 18, 10);
    EXPECT_TRUE(SamePixels(Max->PicNormal()->Graphic(), Normal7));
    Form->SetWindowState(wsMaximized);
    FDesktop.Pump();
    EXPECT_TRUE(SamePixels(Max->PicNormal()->Graphic(), Normal10));
    Form->SetWindowState(wsNormal);
    FDesktop.Pump();
    EXPECT_TRUE(SamePixels(Max->PicNormal()->Graphic(), Normal7));
}

TEST_F(SkinnedWindow, VetoesKeepTheWindowState)
{
    TsuiTitleBarButton* Max = Bar->Buttons()->Add();
    Max->SetButtonType(suiMax);
    TsuiTitleBarButton* Min = Bar->Buttons()->Add();
    Min->SetButtonType(suiMin);
    bool Allow = false;
    int Asked = 0;
    Bar->OnMaxClick = [&](TObject*, bool& A)
    {
        ++Asked;
        A = Allow;
    };
    Bar->OnMinClick = [&](TObject*, bool& A)
    {
        ++Asked;
        A = Allow;
    };
    TsuiTitleBarPopupMenu* Menu = Bar->TitleMenu();
    const std::function<void()> Actions[] = {
        [&] { Max->DoClick(); },
        [&] { Min->DoClick(); },
        [&] { Menu->MaximizeItem()->Click(); },
        [&] { Menu->MinimizeItem()->Click(); },
    };
    for (const auto& Action : Actions)
        Action();
    FDesktop.Pump();
    EXPECT_EQ(Asked, 4);
    EXPECT_EQ(Form->WindowState(), wsNormal);
    Allow = true;
    Max->DoClick();
    FDesktop.Pump();
    EXPECT_EQ(Form->WindowState(), wsMaximized);
}

TEST_F(SkinnedWindow, NarrowBarMirrorsTheClientStretch)
{
    // The 441-pixel left picture is wider than the bar: the client span runs
    // backwards and is drawn mirrored outside the bar; nothing breaks.
    Form->SetBounds(40, 40, 200, 120);
    FDesktop.Pump();
    EXPECT_LT(Bar->Width(), 441);
    const TBitmap* Title = Bar->TitleImage();
    EXPECT_EQ(Title->Width(), Bar->Width() + 4);
    EXPECT_EQ(Title->Height(), 23);
}

TEST(TitleBarItems, UniquenessRulesAndSectionSizes)
{
    TsuiTitleBar Bar(nullptr);
    EXPECT_EQ(Bar.Buttons()->Count(), 4);
    EXPECT_EQ(Bar.Buttons()->Items(0)->ButtonType(), suiControlBox);
    EXPECT_EQ(Bar.Sections()->Count(), 3);
    // Without sections AutoSize reads false and the height stays.
    Bar.Sections()->Clear();
    Bar.SetHeight(33);
    Bar.SetAutoSize2(true);
    EXPECT_FALSE(Bar.AutoSize());
    EXPECT_EQ(Bar.Height(), 33);
    TsuiTitleBarSection* S = Bar.Sections()->Add();
    EXPECT_EQ(S->Width(), 10);
    S->SetAlign(suiClient);
    EXPECT_TRUE(S->Stretch());
    S->SetStretch(false);
    EXPECT_TRUE(S->Stretch());
    // AutoSize false with a picture still takes the picture's height.
    TPicture P;
    P.LoadFromResourceName("PROTEIN_TITLE_LEFT");
    S->SetPicture(&P);
    Bar.SetAutoSize2(false);
    EXPECT_EQ(Bar.Height(), 23);
    EXPECT_FALSE(Bar.CanPaint());
}

namespace
{
// Sets the process's locale for one test and restores it afterwards.
class LocaleScope
{
  public:
    explicit LocaleScope(bool MiddleEast) : FOld(SysLocale())
    {
        TSysLocale L = FOld;
        L.MiddleEast = MiddleEast;
        SetSysLocale(L);
    }
    ~LocaleScope() { SetSysLocale(FOld); }

  private:
    TSysLocale FOld;
};
} // namespace

TEST_F(SkinnedWindow, RightToLeftBarsPlaceCaptionAndMenuFromTheRight)
{
    TPopupMenu Own(nullptr);
    Own.Items()->Add(new TMenuItem(&Own));
    Own.Items()->Items(0)->SetCaption("Own");
    struct Case
    {
        bool MiddleEast;
        TBiDiMode Mode;
        bool Mirrored;
    };
    // Only a right-to-left bar on a right-to-left locale is mirrored; the
    // bar follows the skinned form's mode.
    const Case Cases[] = {{false, bdLeftToRight, false},
                          {false, bdRightToLeft, false},
                          {true, bdLeftToRight, false},
                          {true, bdRightToLeftReadingOnly, false},
                          {true, bdRightToLeft, true}};
    const int W = Bar->Width();
    TCanvas Measure;
    Measure.SetFont(Bar->Font());
    for (const Case& C : Cases)
    {
        LocaleScope Locale(C.MiddleEast);
        Skin->SetBiDiMode(C.Mode);
        EXPECT_EQ(Bar->BiDiMode(), C.Mode);
        // The caption's columns: white now and not with an empty caption
        // (the icon has white in it too).
        auto CaptionColumns = [&](const std::string& Caption, int& First, int& Last)
        {
            Skin->SetCaption("");
            HoverBar(200, 40);
            const TSurface Empty = FDesktop.Screen();
            Skin->SetCaption(Caption);
            HoverBar(200, 40);
            const TSurface Shot = FDesktop.Screen();
            First = Last = -1;
            for (int X = 0; X < W - 20; ++X)
                for (int Y = 2; Y < 15; ++Y)
                {
                    POINT P = OnBar(X, Y);
                    if (Shot.Pixel(P.x, P.y) != clWhite || Empty.Pixel(P.x, P.y) == clWhite)
                        continue;
                    if (First < 0) First = X;
                    Last = X;
                }
        };
        const std::string Long(200, 'W');
        std::string Cut = Long;
        while (Measure.TextWidth(Cut + "...") > W - 20 - 21)
            Cut.pop_back();
        for (const std::string& Caption : {std::string("NOVLA"), Long})
        {
            int First, Last;
            CaptionColumns(Caption, First, Last);
            const std::string Shown = Caption == Long ? Cut + "..." : Caption;
            // Left to right the caption starts after the icon (x = 21);
            // mirrored it ends 10 pixels before the close button (x = W -
            // 20), so a cut caption reaches up to 10 pixels into the icon.
            const int Start = C.Mirrored ? W - 20 - 10 - Measure.TextWidth(Shown) : 21;
            EXPECT_LE(std::abs(First - Start), 1) << C.MiddleEast << C.Mode << Caption.size();
            EXPECT_LE(Last, Start + Measure.TextWidth(Shown)) << Caption.size();
            EXPECT_GE(Last, Start + Measure.TextWidth(Shown) - 3) << Caption.size();
        }
        // The bar's own menu (also on Alt+Space) and a control box's own
        // menu open 176 pixels in.
        const int In = C.Mirrored ? 176 : 0;
        const TPoint Expected = Bar->ClientToScreen({In, Bar->Height()});
        auto MenuAt = [&](const TPoint& P)
        {
            return [&, P]
            {
                TMenuWindow* Menu = TMenuLoop::Current()->Level(0);
                EXPECT_EQ(Menu->ScreenRect().Left, P.X) << C.MiddleEast << C.Mode;
                EXPECT_EQ(Menu->ScreenRect().Top, P.Y) << C.MiddleEast << C.Mode;
            };
        };
        WithMenuSteps([&] { Bar->PopupTitleMenu(); }, {MenuAt(Expected)});
        WithMenuSteps(
            [&]
            {
                FDesktop.KeyDown(VK_MENU);
                FDesktop.Press(VK_SPACE);
                FDesktop.KeyUp(VK_MENU);
                FApp.ProcessMessages();
            },
            {MenuAt({Form->Left() + In, Form->Top() + Bar->Height()})});
        Box->SetControlBoxMenu(&Own);
        WithMenuSteps([&] { Box->DoClick(); }, {MenuAt(Expected)});
        Box->SetControlBoxMenu(nullptr);
    }
}

TEST_F(SkinnedWindow, AControlBoxMenuNeverOpensLeftOfTheScreen)
{
    TPopupMenu Own(nullptr);
    Own.Items()->Add(new TMenuItem(&Own));
    Own.Items()->Items(0)->SetCaption("Own");
    Box->SetControlBoxMenu(&Own);
    Form->SetLeft(-100);
    FDesktop.Pump();
    const TPoint Corner = Bar->ClientToScreen({0, Bar->Height()});
    ASSERT_LT(Corner.X, 0);
    WithMenuSteps([&] { Box->DoClick(); }, {[&]
                                            {
                                                TMenuWindow* Menu = TMenuLoop::Current()->Level(0);
                                                EXPECT_EQ(Menu->ScreenRect().Left, 0);
                                                EXPECT_EQ(Menu->ScreenRect().Top, Corner.Y);
                                            }});
    Box->SetControlBoxMenu(nullptr);
}
