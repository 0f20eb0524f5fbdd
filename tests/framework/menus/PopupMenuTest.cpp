// Popup menus on the headless desktop, driven by real input: either queued
// before Popup or queued step by step whenever the menu loop is idle.

#include "MenuTestForm.h"

#include "framework/controls/Button.h"
#include "framework/graphics/Canvas.h"

namespace
{
constexpr TPoint MenuAt{100, 100};
} // namespace

TEST_F(MenuForm, KeyboardMovesOverSelectableItemsOnly)
{
    struct TCase
    {
        std::vector<UINT> Keys;
        std::vector<std::string> Clicked;
    };
    const TCase Cases[] = {
        {{VK_DOWN, VK_RETURN}, {"&Open"}},
        // Down from Open skips the disabled item and the separator.
        {{VK_DOWN, VK_DOWN, VK_RETURN}, {"Sa&ve As"}},
        {{VK_DOWN, VK_DOWN, VK_UP, VK_RETURN}, {"&Open"}},
        // Up from nothing wraps to the last item; End and Home too.
        {{VK_UP, VK_RETURN}, {"E&xit"}},
        {{VK_END, VK_UP, VK_RETURN, VK_RETURN}, {"One"}},
        {{VK_END, VK_HOME, VK_RETURN}, {"&Open"}},
        // Into the sub-menu (its first item highlighted) and out again.
        {{VK_END, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}, {"Two"}},
        {{VK_END, VK_UP, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN}, {"E&xit"}},
        {{VK_END, VK_UP, VK_RIGHT, VK_ESCAPE, VK_UP, VK_RETURN}, {"Sa&ve As"}},
        // Accelerators; the letter only the disabled item has does nothing.
        {{'V'}, {"Sa&ve As"}},
        {{'X'}, {"E&xit"}},
        {{'S', VK_RETURN}, {}},
        {{'R', VK_DOWN, VK_RETURN}, {"Two"}},
        // Nothing highlighted: Enter chooses nothing; Escape and Alt close.
        {{VK_RETURN}, {}},
        {{VK_ESCAPE, 'X'}, {}},
        {{VK_MENU, 'X'}, {}},
    };
    for (const TCase& Case : Cases)
    {
        Clicked.clear();
        for (UINT Key : Case.Keys)
            FDesktop.Press(Key);
        PopupWithSteps(Menu, MenuAt, {});
        FDesktop.Pump(); // keys left over after the menu closed
        EXPECT_EQ(Clicked, Case.Clicked) << "case " << (&Case - Cases);
        EXPECT_EQ(TMenuLoop::Current(), nullptr);
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST_F(MenuForm, PointerHighlightsOnlyEnabledItemsAndReleaseChooses)
{
    POINT OpenPt = ItemCentre(Menu->Items(), 0, MenuAt);
    POINT SavePt = ItemCentre(Menu->Items(), 1, MenuAt);
    POINT SeparatorPt = ItemCentre(Menu->Items(), 2, MenuAt);
    POINT SaveAsPt = ItemCentre(Menu->Items(), 3, MenuAt);
    auto Selected = [] { return TMenuLoop::Current()->Level(0)->Selected(); };
    PopupWithSteps(
        Menu, MenuAt,
        {
            [&] { FDesktop.MouseMove(OpenPt.x, OpenPt.y); },
            [&]
            {
                EXPECT_EQ(Selected(), 0);
                // The highlight is on the screen.
                EXPECT_EQ(FDesktop.ScreenPixel(MenuAt.X + 6, OpenPt.y), ColorToRGB(clHighlight));
                FDesktop.MouseMove(SavePt.x, SavePt.y);
            },
            [&]
            {
                EXPECT_EQ(Selected(), -1);
                EXPECT_EQ(FDesktop.ScreenPixel(MenuAt.X + 6, SavePt.y), ColorToRGB(clMenu));
                // Releasing over a disabled item or a separator
                // keeps the menu open.
                FDesktop.Click(SavePt.x, SavePt.y);
                FDesktop.Click(SeparatorPt.x, SeparatorPt.y);
            },
            [&]
            {
                EXPECT_EQ(Selected(), -1);
                EXPECT_TRUE(Clicked.empty());
                FDesktop.Click(SaveAsPt.x, SaveAsPt.y);
            },
        });
    EXPECT_EQ(Clicked, std::vector<std::string>{"Sa&ve As"});
}

TEST_F(MenuForm, HoveringOpensTheSubMenuBesideItsItem)
{
    POINT RecentPt = ItemCentre(Menu->Items(), 4, MenuAt);
    TMenuWindow Main(Menu, Menu->Items(), nullptr);
    TRect RecentRect = Main.ItemRect(4).Offset(MenuAt.X, MenuAt.Y);
    TPoint SubAt{MenuAt.X + Main.Size().Width - TMenuWindow::FrameWidth,
                 RecentRect.Top - TMenuWindow::FrameWidth};
    POINT TwoPt = ItemCentre(Recent, 1, SubAt);
    POINT OpenPt = ItemCentre(Menu->Items(), 0, MenuAt);
    PopupWithSteps(Menu, MenuAt,
                   {
                       [&] { FDesktop.MouseMove(RecentPt.x, RecentPt.y); },
                       [&]
                       {
                           TMenuLoop* Loop = TMenuLoop::Current();
                           ASSERT_EQ(Loop->LevelCount(), 2);
                           EXPECT_EQ(Loop->Level(1)->ScreenRect().Left, SubAt.X);
                           EXPECT_EQ(Loop->Level(1)->ScreenRect().Top, SubAt.Y);
                           // Moving to another item of the first menu closes it.
                           FDesktop.MouseMove(OpenPt.x, OpenPt.y);
                       },
                       [&]
                       {
                           EXPECT_EQ(TMenuLoop::Current()->LevelCount(), 1);
                           FDesktop.MouseMove(RecentPt.x, RecentPt.y);
                           FDesktop.Click(TwoPt.x, TwoPt.y);
                       },
                   });
    EXPECT_EQ(Clicked, std::vector<std::string>{"Two"});
}

TEST_F(MenuForm, PressOutsideClosesTheMenuAndIsSwallowed)
{
    auto* Button = new TButton(Form);
    Button->SetBounds(250, 200, 80, 25);
    Button->SetParent(Form);
    int ButtonClicks = 0;
    Button->OnClick = [&](TObject*) { ++ButtonClicks; };
    FDesktop.Pump();
    ClickOn(Button);
    PopupWithSteps(Menu, MenuAt, {});
    FDesktop.Pump();
    EXPECT_TRUE(Clicked.empty());
    EXPECT_EQ(ButtonClicks, 0);
    ClickOn(Button);
    FDesktop.Pump();
    EXPECT_EQ(ButtonClicks, 1);
}

TEST_F(MenuForm, OwnerDrawHandlersMeasureAndDrawInTheirRectangles)
{
    struct TDrawn
    {
        TMenuItem* Item;
        TRect Rect;
        bool Selected;
    };
    std::vector<TDrawn> Drawn;
    Menu->SetOwnerDraw(true);
    Recent->SetVisible(false);
    for (int I = 0; I < Menu->Items()->Count(); ++I)
    {
        TMenuItem* Item = Menu->Items()->Items(I);
        Item->OnMeasureItem = [Item](TObject* Sender, TCanvas* Canvas, int& W, int& H)
        {
            EXPECT_EQ(Sender, Item);
            EXPECT_NE(Canvas, nullptr);
            EXPECT_GT(H, 0); // preset to the default layout's size
            W = Item->IsLine() ? 10 : 100 + static_cast<int>(Item->Caption().size());
            H = Item->IsLine() ? 5 : 21;
        };
        Item->OnDrawItem = [&Drawn, Item](TObject*, TCanvas* Canvas, const TRect& R, bool Selected)
        {
            Drawn.push_back({Item, R, Selected});
            Canvas->FillRect(R);
        };
    }
    constexpr int F = TMenuWindow::FrameWidth;
    const int Widest = 100 + 8; // "Sa&ve As"
    auto Row = [&](int Top, int Height) { return TRect{F, F + Top, F + Widest, F + Top + Height}; };
    PopupWithSteps(Menu, MenuAt,
                   {
                       [&]
                       {
                           // Every shown item once, in its own row of the
                           // widest item's width; the hidden one not at all.
                           ASSERT_EQ(Drawn.size(), 5u);
                           EXPECT_EQ(Drawn[0].Rect, Row(0, 21));
                           EXPECT_EQ(Drawn[1].Rect, Row(21, 21));
                           EXPECT_EQ(Drawn[2].Rect, Row(42, 5));
                           EXPECT_EQ(Drawn[3].Rect, Row(47, 21));
                           EXPECT_EQ(Drawn[4].Item, Exit);
                           EXPECT_EQ(Drawn[4].Rect, Row(68, 21));
                           for (const TDrawn& D : Drawn)
                               EXPECT_FALSE(D.Selected);
                           EXPECT_EQ(TMenuLoop::Current()->Level(0)->Size(),
                                     (TSize{Widest + 2 * F, 89 + 2 * F}));
                           Drawn.clear();
                           FDesktop.Press(VK_DOWN);
                       },
                       [&]
                       {
                           // Only the newly highlighted item is drawn again.
                           ASSERT_EQ(Drawn.size(), 1u);
                           EXPECT_EQ(Drawn[0].Item, Open);
                           EXPECT_TRUE(Drawn[0].Selected);
                           EXPECT_EQ(Drawn[0].Rect, Row(0, 21));
                       },
                   });
}

TEST_F(MenuForm, ClickHandlerMayFreeTheMenu)
{
    Exit->OnClick = [this](TObject*)
    {
        Menu->Free();
        Menu = nullptr;
    };
    FDesktop.Press('X');
    Menu->Popup(MenuAt.X, MenuAt.Y);
    EXPECT_EQ(Menu, nullptr);
}

TEST_F(MenuForm, FreeingTheMenuWhileOpenEndsTheLoop)
{
    PopupWithSteps(Menu, MenuAt, {[&] { Recent->Free(); }});
    EXPECT_EQ(TMenuLoop::Current(), nullptr);
    EXPECT_EQ(Menu->Items()->Count(), 5);
}

TEST_F(MenuForm, EmptyMenuDoesNotOpen)
{
    TPopupMenu Empty(nullptr);
    int Popups = 0;
    Empty.OnPopup = [&](TObject*) { ++Popups; };
    Empty.Popup(10, 10);
    EXPECT_EQ(Popups, 1);
    EXPECT_EQ(GetCapture(), nullptr);
}
