// The skinned status bar: its colour by style, panel edges, and its own size
// grip on resizable forms.

#include "SkinButtonFixture.h"
#include "TestFileTheme.h"

#include "framework/FormWriter.h"
#include "platform/win/WinApi.h"
#include "skin/SUIStatusBar.h"

namespace
{
class BarForm : public SkinForm
{
  protected:
    TsuiStatusBar* MakeBar()
    {
        auto* Bar = new TsuiStatusBar(Form);
        Bar->SetParent(Form);
        Bar->SetUIStyle(Protein);
        FDesktop.Pump();
        return Bar;
    }

    // Whether the grip's first line (W-15, H-1) .. (W-2, H-14) shows.
    bool GripLines(TsuiStatusBar* Bar)
    {
        const int W = Bar->Width(), H = Bar->Height();
        for (int I = 0; I < 14; ++I)
            if (PixelOf(Bar, W - 15 + I, H - 1 - I) != ColorToRGB(clInactiveCaption)) return false;
        return true;
    }
};
} // namespace

TEST_F(BarForm, TheColourFollowsTheStyle)
{
    const std::pair<TsuiUIStyle, TColor> Cases[] = {
        {Protein, 0xFBFBFB},  {MacOS, 0xE7E7E7},     {WinXP, 0xDEEBEF},
        {DeepBlue, 0xE8E8E8}, {BlueGlass, 0xE7E7E7}, {FromThemeFile, 0xE8E8E8}};
    auto* Bar = MakeBar();
    for (const auto& [Style, Colour] : Cases)
    {
        Bar->SetUIStyle(Style);
        EXPECT_EQ(Bar->PanelColor(), Colour) << UIStyleNames()[Style];
        EXPECT_EQ(Bar->Color(), Colour) << UIStyleNames()[Style];
    }
    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    Theme->SetColor(SKIN2_FORMCOLOR, clAqua);
    Bar->SetFileTheme(Theme);
    Bar->SetUIStyle(FromThemeFile);
    EXPECT_EQ(Bar->Color(), clAqua);
    Theme->Free();
    EXPECT_EQ(Bar->UIStyle(), DeepBlue);
    EXPECT_EQ(Bar->Color(), static_cast<TColor>(0xE8E8E8));
}

TEST_F(BarForm, TheConfigurationWindowsBarHasItsPanelEdgesAndNoGrip)
{
    Form->SetBorderStyle(bsDialog);
    Form->SetClientWidth(393);
    auto* Bar = MakeBar();
    Bar->SetHeight(21);
    for (int Width : {120, 160, 60})
        Bar->Panels()->Add()->SetWidth(Width);
    Bar->Panels()->Items(1)->SetAlignment(taCenter);
    Bar->Panels()->Items(2)->SetAlignment(taCenter);
    FDesktop.Pump();
    EXPECT_EQ(Bar->Width(), 393);
    EXPECT_EQ(Bar->PanelRect(1).Left, 120);
    EXPECT_EQ(Bar->PanelRect(2).Left, 280);
    EXPECT_EQ(Bar->PanelRect(2).Right, 393);
    EXPECT_EQ(PixelOf(Bar, 200, 10), static_cast<TColor>(0xFBFBFB));
    EXPECT_EQ(PixelOf(Bar, 390, 18), static_cast<TColor>(0xFBFBFB));
    EXPECT_FALSE(GripLines(Bar));
    const std::string Text = WriteFormDefinition(*Form);
    EXPECT_NE(Text.find("PanelColor = 16514043"), std::string::npos);
    EXPECT_NE(Text.find("Color = 16514043"), std::string::npos);
}

TEST_F(BarForm, AResizableFormShowsTheSkinnedGripUnlessMaximized)
{
    Form->SetBorderStyle(bsSizeable);
    auto* Bar = MakeBar();
    EXPECT_TRUE(GripLines(Bar));
    // Between the lines the bar's colour, not the framework's grip.
    const int W = Bar->Width(), H = Bar->Height();
    EXPECT_EQ(PixelOf(Bar, W - 13, H - 1), static_cast<TColor>(0xFBFBFB));
    EXPECT_EQ(PixelOf(Bar, W - 1, H - 1), static_cast<TColor>(0xFBFBFB));
    EXPECT_EQ(PixelOf(Bar, W - 1, H - 8), static_cast<TColor>(0xFBFBFB));

    Bar->SetSizeGrip(false);
    EXPECT_FALSE(GripLines(Bar));
    Bar->SetSizeGrip(true);

    Form->SetWindowState(wsMaximized);
    FDesktop.Pump();
    EXPECT_FALSE(GripLines(Bar));
    TPoint P = Bar->ClientToScreen({Bar->Width() - 5, Bar->Height() - 5});
    EXPECT_EQ(SendMessage(Bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(P.X, P.Y)), HTNOWHERE);
    Form->SetWindowState(wsNormal);
    FDesktop.Pump();
    P = Bar->ClientToScreen({Bar->Width() - 5, Bar->Height() - 5});
    EXPECT_NE(SendMessage(Bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(P.X, P.Y)), HTNOWHERE);
}
