// The skinned popup menu: the control-box menu in Protein, pixel by pixel,
// and the style rules.

#include "../framework/menus/MenuTestForm.h"

#include "framework/SysLocale.h"
#include "skin/SUIPopupMenu.h"

namespace
{
constexpr TColor Bar = TColor(0xCED3D6);
constexpr TColor Highlight = TColor(0xC4302D);
constexpr TColor DisabledGrey = TColor(0x808080);

class SkinMenuForm : public MenuForm
{
  protected:
    SkinMenuForm()
    {
        Skin = new TsuiPopupMenu(Form);
        Skin->SetUIStyle(Protein);
        Minimize = Add("Mi&nimize", false);
        Maximize = Add("Ma&ximize/Restore", false);
        Add("-", true);
        Close = Add("&Close", true);
        Skin->MenuAdded();
    }
    TMenuItem* Add(const std::string& Caption, bool Enabled)
    {
        TMenuItem* Item = AddItem(Skin->Items(), Caption);
        Item->SetEnabled(Enabled);
        return Item;
    }
    TColor At(TPoint Screen) const { return FDesktop.ScreenPixel(Screen.X, Screen.Y); }
    // Counts the pixels of Colour in item Index's caption area.
    int CaptionPixels(int Index, TColor Colour) const
    {
        TRect R = TMenuLoop::Current()->Level(0)->ItemScreenRect(Index);
        const TSurface Screen = FDesktop.Screen();
        int N = 0;
        for (int Y = R.Top; Y < R.Bottom; ++Y)
            for (int X = R.Left + 30; X < R.Right - 2; ++X)
                N += Screen.Pixel(X, Y) == Colour;
        return N;
    }

    TsuiPopupMenu* Skin;
    TMenuItem* Minimize;
    TMenuItem* Maximize;
    TMenuItem* Close;
};
} // namespace

TEST_F(SkinMenuForm, TheControlBoxMenuInProtein)
{
    PopupWithSteps(
        Skin, {100, 100},
        {[&]
         {
             TMenuWindow* W = TMenuLoop::Current()->Level(0);
             const int Heights[] = {21, 21, 5, 21};
             for (int I = 0; I < 4; ++I)
             {
                 EXPECT_EQ(W->ItemRect(I).Height(), Heights[I]) << I;
                 TRect R = W->ItemScreenRect(I);
                 EXPECT_EQ(At({R.Left, R.Top}), Bar) << I;
                 EXPECT_EQ(At({R.Left + 25, R.Bottom - 1}), Bar) << I;
                 EXPECT_EQ(At({R.Left + 26, R.Top}), clWhite) << I;
             }
             TRect Line = W->ItemScreenRect(2);
             EXPECT_EQ(At({Line.Left + 30, Line.Top + 2}), TColor(0x848284));
             EXPECT_EQ(At({Line.Right - 3, Line.Top + 2}), TColor(0x848284));
             EXPECT_EQ(At({Line.Left + 29, Line.Top + 2}), clWhite);
             EXPECT_EQ(At({Line.Left + 30, Line.Top + 1}), clWhite);
             EXPECT_GT(CaptionPixels(0, DisabledGrey), 0);
             EXPECT_EQ(CaptionPixels(0, clBlack), 0);
             EXPECT_GT(CaptionPixels(3, clBlack), 0);
             // The pointer on a disabled item highlights nothing.
             TRect R = W->ItemScreenRect(0);
             FDesktop.MouseMove(R.Left + 40, R.Top + 10);
         },
         [&]
         {
             EXPECT_EQ(CaptionPixels(0, Highlight), 0);
             EXPECT_GT(CaptionPixels(0, DisabledGrey), 0);
             TRect R = TMenuLoop::Current()->Level(0)->ItemScreenRect(3);
             FDesktop.MouseMove(R.Left + 40, R.Top + 10);
         },
         [&]
         {
             TRect R = TMenuLoop::Current()->Level(0)->ItemScreenRect(3);
             EXPECT_EQ(At({R.Left, R.Top}), Highlight) << "framed and filled over the bar";
             EXPECT_EQ(At({R.Left + 10, R.Top + 10}), Highlight);
             EXPECT_GT(CaptionPixels(3, clWhite), 0);
             EXPECT_EQ(CaptionPixels(3, clBlack), 0);
         }});
}

TEST_F(SkinMenuForm, CheckedItemsShowTheCheckMark)
{
    Close->SetChecked(true);
    PopupWithSteps(Skin, {100, 100},
                   {[&]
                    {
                        TRect R = TMenuLoop::Current()->Level(0)->ItemScreenRect(3);
                        const TSurface Screen = FDesktop.Screen();
                        int Marked = 0;
                        for (int Y = R.Top + 3; Y < R.Top + 19; ++Y)
                            for (int X = R.Left + 4; X < R.Left + 20; ++X)
                                Marked += Screen.Pixel(X, Y) != Bar;
                        EXPECT_GT(Marked, 0);
                    }});
}

TEST_F(SkinMenuForm, RightToLeftReadingPutsTheBarOnTheRight)
{
    SetSysLocale({true});
    Skin->SetBiDiMode(bdRightToLeft);
    PopupWithSteps(Skin, {100, 100},
                   {[&]
                    {
                        TRect R = TMenuLoop::Current()->Level(0)->ItemScreenRect(3);
                        EXPECT_EQ(At({R.Right - 1, R.Top}), Bar);
                        EXPECT_EQ(At({R.Right - 26, R.Top}), Bar);
                        EXPECT_EQ(At({R.Left, R.Top}), clWhite);
                    }});
    SetSysLocale({});
}

TEST_F(SkinMenuForm, StyleRules)
{
    EXPECT_TRUE(Skin->OwnerDraw());
    Skin->SetOwnerDraw(false);
    EXPECT_TRUE(Skin->OwnerDraw());
    Skin->SetMenuItemHeight(30);
    Skin->SetSeparatorHeight(9);
    EXPECT_EQ(Skin->MenuItemHeight(), 30);
    EXPECT_EQ(Skin->SeparatorHeight(), 9);
    Skin->SetUIStyle(MacOS);
    EXPECT_EQ(Skin->MenuItemHeight(), 20);
    EXPECT_EQ(Skin->SeparatorHeight(), 12);
    EXPECT_EQ(Skin->SeparatorColor(), clBlack);
    Skin->SetMenuItemHeight(30);
    Skin->SetSeparatorHeight(9);
    EXPECT_EQ(Skin->MenuItemHeight(), 20) << "written heights are ignored in MacOS";
    EXPECT_EQ(Skin->SeparatorHeight(), 12);
    Skin->SetUIStyle(Protein);
    EXPECT_EQ(Skin->MenuItemHeight(), 21);
    EXPECT_EQ(Skin->SeparatorHeight(), 5);
    EXPECT_EQ(Skin->BarWidth(), 26);
    EXPECT_EQ(Skin->BarColor(), Bar);
    EXPECT_EQ(Skin->SelectedColor(), Highlight);
    EXPECT_EQ(Skin->SelectedFontColor(), clWhite);
    EXPECT_EQ(Skin->FontColor(), clBlack);
    // Items added later draw like the others; another menu's items do not.
    TMenuItem* Later = AddItem(Skin->Items(), "Later");
    EXPECT_TRUE(static_cast<bool>(Later->OnDrawItem));
    EXPECT_FALSE(static_cast<bool>(Open->OnDrawItem));
}
