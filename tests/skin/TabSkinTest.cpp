// The skinned tab and page controls: each state's tab frame, the line and
// body, the caption colours and what shows behind the tabs, in a built-in
// style and from a skin file.

#include "CodedPicture.h"
#include "SkinButtonFixture.h"
#include "TestFileTheme.h"

#include "framework/comctrls/TabSheet.h"
#include "skin/SUITabControl.h"

#include <string>

namespace
{
constexpr TColor Magenta = 0xFF00FF;

class TabSkin : public SkinForm
{
  protected:
    TabSkin()
    {
        Form->SetColor(TColor(0x336699));
        Tabs = Make<TsuiTabControl>(Form, 10, 10, 240, 120);
        Tabs->Tabs()->Add("One");
        Tabs->Tabs()->Add("Two");
        Tabs->SetTabIndex(0);
    }

    // Frame's pixel at (FX, FY) is where the control shows (X, Y), or the
    // form behind where the frame is transparent.
    void ExpectFramePixel(const TBitmap& Frame, int FX, int FY, int X, int Y)
    {
        TColor Want = Frame.Surface().Pixel(FX, FY);
        if (Want == Magenta) Want = Form->Color();
        EXPECT_EQ(PixelOf(Tabs, X, Y), Want) << "frame " << FX << "," << FY;
    }

    // Whether the control shows Colour anywhere inside R.
    bool Shows(TColor Colour, const TRect& R)
    {
        auto Shot = Snapshot(Tabs);
        for (int Y = R.Top; Y < R.Bottom; ++Y)
            for (int X = R.Left; X < R.Right; ++X)
                if (Shot[static_cast<size_t>(Y)][static_cast<size_t>(X)] == Colour) return true;
        return false;
    }

    TRect Selected() const
    {
        TRect R = Tabs->TabRect(0);
        const int G = TCustomTabControl::SelectedGrow;
        return {R.Left - G, R.Top - G, R.Right + G, R.Bottom + 1};
    }

    TsuiTabControl* Tabs;
};
} // namespace

TEST_F(TabSkin, ABuiltInStyleDrawsEachTabFromItsFrameOverTheLineAndBody)
{
    Tabs->SetUIStyle(DeepBlue);
    TBitmap Sel, Other, Line;
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_TAB_IMAGE, &Sel, 2, 1);
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_TAB_IMAGE, &Other, 2, 2);
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_TAB_LINE_IMAGE, &Line);
    ASSERT_NE(Sel.Surface().Pixel(2, 1), Other.Surface().Pixel(2, 1));

    // Corners copied as they are: the selected tab's top left and bottom
    // right, the other tab's right ones (its left edge lies under the
    // selected tab).
    const TRect S = Selected();
    const TRect O = Tabs->TabRect(1);
    for (int D : {0, 1, 2})
    {
        ExpectFramePixel(Sel, D, 1, S.Left + D, S.Top + 1);
        ExpectFramePixel(Sel, 1, D, S.Left + 1, S.Top + D);
        ExpectFramePixel(Sel, Sel.Width() - 1 - D, Sel.Height() - 2, S.Right - 1 - D, S.Bottom - 2);
        ExpectFramePixel(Other, Other.Width() - 1 - D, 2, O.Right - 1 - D, O.Top + 2);
        ExpectFramePixel(Other, Other.Width() - 2, D, O.Right - 2, O.Top + D);
        ExpectFramePixel(Other, Other.Width() - 1 - D, Other.Height() - 1, O.Right - 1 - D,
                         O.Bottom - 1);
    }
    // The line's rows along the body's top, the body in the line's face with
    // a frame in its rim; the form behind the tabs.
    const int Top = Tabs->TabsBottom();
    const int W = Tabs->ClientWidth(), H = Tabs->ClientHeight();
    for (int Y = 0; Y < Line.Height(); ++Y)
        EXPECT_EQ(PixelOf(Tabs, W - 20, Top + Y), Line.Surface().Pixel(0, Y)) << Y;
    EXPECT_EQ(Tabs->Color(), Sel.Surface().Pixel(Sel.Width() / 2, Sel.Height() / 2));
    EXPECT_EQ(PixelOf(Tabs, W / 2, H / 2), Tabs->Color());
    for (TPoint P : {TPoint{0, H - 10}, TPoint{W - 1, H - 10}, TPoint{W / 2, H - 1},
                     TPoint{0, Top + 2}, TPoint{W - 1, Top + 2}})
        EXPECT_EQ(PixelOf(Tabs, P.X, P.Y), Line.Surface().Pixel(0, 0)) << P.X << "," << P.Y;
    EXPECT_EQ(PixelOf(Tabs, W - 5, 3), Form->Color());
    // The selected tab covers the line under it.
    EXPECT_NE(PixelOf(Tabs, S.Left + S.Width() / 2, Top), Line.Surface().Pixel(0, 0));
}

TEST_F(TabSkin, CaptionsTakeTheActiveInactiveOrDisabledColour)
{
    Tabs->SetUIStyle(WinXP);
    Tabs->SetActiveFontColor(clRed);
    Tabs->SetInactiveFontColor(clBlue);
    const TRect S = Selected();
    const TRect O = Tabs->TabRect(1);
    EXPECT_TRUE(Shows(clRed, S));
    EXPECT_FALSE(Shows(clBlue, S));
    EXPECT_TRUE(Shows(clBlue, O));
    EXPECT_FALSE(Shows(clRed, O));
    Tabs->SetTabIndex(1);
    EXPECT_TRUE(Shows(clBlue, Tabs->TabRect(0)));
    Tabs->SetEnabled(false);
    EXPECT_TRUE(Shows(ColorToRGB(clGrayText), Tabs->TabRect(0)));
    EXPECT_FALSE(Shows(clRed, {0, 0, Tabs->ClientWidth(), Tabs->TabsBottom()}));
}

namespace
{
// A skin whose tab and line pictures are coded, so each shown pixel names
// its source.
class TabFileSkin : public TabSkin
{
  protected:
    TabFileSkin()
    {
        Theme = new TTestFileTheme(Form);
        Theme->SetLoaded(true);
        TBitmap Coded;
        Fill(Coded, 18, 17);
        Theme->SetBitmap(SKIN2_TABCONTROL, Coded);
        Fill(Coded, 10, 5);
        Theme->SetBitmap(SKIN2_TABCONTROLLINE, Coded);
        Theme->SetColor(SKIN2_TABCONTROLCOLOR, TColor(0x10E0F0));
        Theme->SetColor(SKIN2_TABCONTROLBORDERCOLOR, TColor(0x202020));
        Theme->SetColor(SKIN2_TABCONTROLACTIVEFONTCOLOR, TColor(0x0000C0));
        Theme->SetColor(SKIN2_TABCONTROLINACTIVEFONTCOLOR, TColor(0x00C000));
        Theme->SetColor(SKIN2_FORMCOLOR, TColor(0xC0C0FF));
        Tabs->SetFileTheme(Theme);
        Tabs->SetUIStyle(FromThemeFile);
    }

    static void Fill(TBitmap& B, int W, int H)
    {
        B.SetSize(W, H);
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X)
                B.Canvas()->SetPixel(X, Y, Code(X, Y));
    }

    TTestFileTheme* Theme;
};
} // namespace

TEST_F(TabFileSkin, EveryTabIsTheSkinsOneFrameAndTheBodyTakesItsColours)
{
    const TRect S = Selected();
    const TRect O = Tabs->TabRect(1);
    for (int D : {0, 1, 3})
    {
        EXPECT_EQ(Decode(PixelOf(Tabs, S.Left + D, S.Top + D)), (TPoint{D, D}));
        for (const TRect& R : {S, O})
        {
            EXPECT_EQ(Decode(PixelOf(Tabs, R.Right - 1 - D, R.Top + D)), (TPoint{17 - D, D}));
            EXPECT_EQ(Decode(PixelOf(Tabs, R.Right - 1 - D, R.Bottom - 1 - D)),
                      (TPoint{17 - D, 16 - D}));
        }
    }
    const int Top = Tabs->TabsBottom();
    const int W = Tabs->ClientWidth(), H = Tabs->ClientHeight();
    for (int Y = 0; Y < 5; ++Y)
        EXPECT_EQ(Decode(PixelOf(Tabs, W - 30, Top + Y)).Y, Y);
    EXPECT_EQ(PixelOf(Tabs, W / 2, H / 2), TColor(0x10E0F0));
    EXPECT_EQ(PixelOf(Tabs, W / 2, H - 1), TColor(0x202020));
    EXPECT_TRUE(Shows(TColor(0x0000C0), S));
    EXPECT_TRUE(Shows(TColor(0x00C000), O));
    // Not transparent: the skin's form colour behind the tabs; transparent:
    // the parent.
    EXPECT_EQ(PixelOf(Tabs, W - 5, 3), TColor(0xC0C0FF));
    Theme->SetBool(SKIN2_TABCONTROLTRANS, true);
    Tabs->SetFileTheme(Theme);
    EXPECT_EQ(PixelOf(Tabs, W - 5, 3), Form->Color());
}

TEST_F(TabFileSkin, PagesTakeTheBodyColourAndAFreedThemeFallsBackToDeepBlue)
{
    auto* Pages = Make<TsuiPageControl>(Form, 10, 140, 240, 120);
    Pages->SetFileTheme(Theme);
    Pages->SetUIStyle(FromThemeFile);
    auto* Sheet = new TTabSheet(Form);
    Sheet->SetCaption("Sheet");
    Sheet->SetPageControl(Pages);
    const TRect D = Pages->DisplayRect();
    EXPECT_EQ(Sheet->Color(), TColor(0x10E0F0));
    EXPECT_EQ(PixelOf(Pages, D.Left + 5, D.Top + 5), TColor(0x10E0F0));
    delete Theme;
    TBitmap Sel;
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_TAB_IMAGE, &Sel, 2, 1);
    for (TsuiSkinned* C : std::initializer_list<TsuiSkinned*>{Tabs, Pages})
    {
        EXPECT_EQ(C->UIStyle(), DeepBlue);
        EXPECT_EQ(C->FileTheme(), nullptr);
    }
    EXPECT_EQ(PixelOf(Pages, D.Left + 5, D.Top + 5),
              Sel.Surface().Pixel(Sel.Width() / 2, Sel.Height() / 2));
}
