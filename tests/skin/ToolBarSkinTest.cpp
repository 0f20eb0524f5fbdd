// The skinned tool bar: the bar and each button state's face and frame, in
// a built-in style and from a skin file.

#include "CodedPicture.h"
#include "SkinButtonFixture.h"
#include "TestFileTheme.h"

#include "framework/comctrls/ToolButton.h"
#include "skin/SUIToolBar.h"

namespace
{
class ToolBarSkin : public SkinForm
{
  protected:
    ToolBarSkin()
    {
        Bar = new TsuiToolBar(Form);
        Bar->SetParent(Form);
        Bar->SetShowCaptions(true);
        // Each new button at Left 0 goes first: added last to first.
        for (const char* Caption : {"Off", "Down", "Press", "Hot", "Plain"})
        {
            auto* B = new TToolButton(Form);
            B->SetCaption(Caption);
            B->SetAutoSize(true);
            B->SetParent(Bar);
        }
        Bar->Buttons(3)->SetStyle(tbsCheck);
        Bar->Buttons(3)->SetDown(true);
        Bar->Buttons(4)->SetEnabled(false);
        FDesktop.Pump();
    }

    // Hovers the hot button and holds the left button on the pressed one
    // (the press takes the pointer there last).
    void SetStates()
    {
        POINT Hot = At(Bar, Bar->Buttons(1)->Left() + 5, 5);
        FDesktop.MouseMove(Hot.x, Hot.y);
        FDesktop.Pump();
        ASSERT_TRUE(Bar->Buttons(1)->Hot());
    }
    void Press()
    {
        POINT P = At(Bar, Bar->Buttons(2)->Left() + 5, 5);
        FDesktop.MouseMove(P.x, P.y);
        FDesktop.MouseDown(P.x, P.y);
        FDesktop.Pump();
        ASSERT_TRUE(Bar->Buttons(2)->Pressed());
    }

    // The colours at a button's corner, just inside it and at its middle
    // row's first column of face.
    void ExpectButton(int Index, TColor Corner, TColor Inside, const char* Name)
    {
        const TRect B = Bar->Buttons(Index)->BoundsRect();
        EXPECT_EQ(PixelOf(Bar, B.Left, B.Top), Corner) << Name;
        EXPECT_EQ(PixelOf(Bar, B.Right - 1, B.Bottom - 1), Corner) << Name;
        EXPECT_EQ(PixelOf(Bar, B.Left + 1, B.Top + 1), Inside) << Name;
        EXPECT_EQ(PixelOf(Bar, B.Right - 2, B.Top + B.Height() / 2), Inside) << Name;
    }

    TsuiToolBar* Bar;
};
} // namespace

TEST_F(ToolBarSkin, EachButtonStateInABuiltInStyle)
{
    Bar->SetUIStyle(WinXP);
    SetStates();
    const TColor Face = GetInsideThemeColor(WinXP, SUI_ITEM_FORM_COLOR);
    const TColor Border = GetInsideThemeColor(WinXP, SUI_ITEM_TOOLBAR_BUTTON_BORDER_COLOR);
    const TColor Hot = GetInsideThemeColor(WinXP, SUI_ITEM_TOOLBAR_BUTTON_COLOR);
    const TColor Down = GetInsideThemeColor(WinXP, SUI_ITEM_TOOLBAR_BUTTON_DOWN_COLOR);
    EXPECT_EQ(Bar->Color(), Face);
    ExpectButton(0, Face, Face, "plain");
    ExpectButton(1, Border, Hot, "hot");
    ExpectButton(3, Border, Down, "down");
    ExpectButton(4, Face, Face, "disabled");
    Press();
    ExpectButton(2, Border, Down, "pressed");
    ExpectButton(1, Face, Face, "no longer hot");
    POINT P = At(Bar, Bar->Buttons(2)->Left() + 5, 5);
    FDesktop.MouseUp(P.x, P.y);
    FDesktop.Pump();
    // The caption sits on the face in the style's control ink; the disabled
    // one is grey.
    auto Shows = [&](int Index, TColor Colour)
    {
        auto Shot = Snapshot(Bar);
        const TRect B = Bar->Buttons(Index)->BoundsRect();
        for (int Y = B.Top; Y < B.Bottom; ++Y)
            for (int X = B.Left; X < B.Right; ++X)
                if (Shot[static_cast<size_t>(Y)][static_cast<size_t>(X)] == Colour) return true;
        return false;
    };
    EXPECT_TRUE(Shows(0, GetInsideThemeColor(WinXP, SUI_ITEM_CONTROL_FONT_COLOR)));
    EXPECT_TRUE(Shows(4, ColorToRGB(clGrayText)));
}

TEST_F(ToolBarSkin, ASkinFilesPictureColoursAndGradient)
{
    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    Theme->SetColor(SKIN2_TOOLBARSTARTCOLOR, TColor(0xFFFFFF));
    Theme->SetColor(SKIN2_TOOLBARENDCOLOR, TColor(0x000000));
    Theme->SetColor(SKIN2_TOOLBARONCOLOR, TColor(0x30C0F0));
    Theme->SetColor(SKIN2_TOOLBARBORDERCOLOR, TColor(0x203040));
    Theme->SetColor(SKIN2_TOOLBARDOWNCOLOR, TColor(0x1090B0));
    Bar->SetFileTheme(Theme);
    Bar->SetUIStyle(FromThemeFile);
    SetStates();
    ExpectButton(1, TColor(0x203040), TColor(0x30C0F0), "hot");
    ExpectButton(3, TColor(0x203040), TColor(0x1090B0), "down");
    // Without a picture: the gradient from top to bottom.
    const int Last = Bar->ClientHeight() - 1;
    const int X = Bar->ClientWidth() - 3;
    EXPECT_EQ(PixelOf(Bar, X, 0), TColor(0xFFFFFF));
    EXPECT_GT(GetRValue(PixelOf(Bar, X, Last / 2)), GetRValue(PixelOf(Bar, X, Last)));

    // With one: stretched over the bar, row for row where the heights agree.
    TBitmap Coded;
    Coded.SetSize(1, Bar->ClientHeight());
    for (int Y = 0; Y < Coded.Height(); ++Y)
        Coded.Canvas()->SetPixel(0, Y, Code(0, Y));
    Theme->SetBitmap(SKIN2_TOOLBAR, Coded);
    Bar->SetFileTheme(Theme);
    for (int Y : {0, 7, Last})
        EXPECT_EQ(Decode(PixelOf(Bar, X, Y)), (TPoint{0, Y}));
    // A plain button lies flat on it.
    const TRect Plain = Bar->Buttons(0)->BoundsRect();
    for (int Y = Plain.Top; Y < Plain.Bottom; ++Y)
        EXPECT_EQ(Decode(PixelOf(Bar, Plain.Left + 1, Y)), (TPoint{0, Y}));
}
