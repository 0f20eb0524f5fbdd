// The window in every look the command line can give it: the content keeps
// its distance below a title bar of any height, and no list text is cut at
// its combo box's button.

#include "MainFormFixture.h"

#include "app/ToolLook.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

namespace
{
// The window as laid out in its own style: a title bar 20 high, the top
// row of group boxes 4 below it, the window 347 high.
constexpr int OwnTitleHeight = 20;
constexpr int OwnGapBelowTitle = 4;
constexpr int OwnWindowHeight = 347;

struct Look
{
    std::string Name, Style, Skin;
};

void PrintTo(const Look& L, std::ostream* Out)
{
    *Out << L.Name;
}

std::string LookName(const ::testing::TestParamInfo<Look>& Info)
{
    return Info.param.Name;
}

// The ink of Text in Font, drawn alone from (0, 0): true where a pixel
// differs from the background.
struct TInk
{
    int Width = 0, Height = 0;
    std::vector<bool> Mask;
    bool At(int X, int Y) const { return Mask[static_cast<size_t>(Y * Width + X)]; }
    int FirstColumn() const;
    int LastColumn() const;
};

TInk InkOf(const std::string& Text, const TFont* Font)
{
    TBitmap B;
    B.SetPixelFormat(pf24bit);
    TCanvas& C = *B.Canvas();
    C.Font()->Assign(Font);
    C.Font()->SetColor(clBlack);
    const int W = C.TextWidth(Text) + 8, H = C.TextHeight(Text) + 2;
    B.SetSize(W, H);
    C.Brush()->SetColor(clWhite);
    C.FillRect({0, 0, W, H});
    C.Brush()->SetStyle(bsClear);
    C.TextOut(0, 0, Text);
    TInk Ink{W, H, {}};
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            Ink.Mask.push_back(ColorToRGB(C.Pixel(X, Y)) != ColorToRGB(clWhite));
    return Ink;
}

int TInk::FirstColumn() const
{
    for (int X = 0; X < Width; ++X)
        for (int Y = 0; Y < Height; ++Y)
            if (At(X, Y)) return X;
    return -1;
}

int TInk::LastColumn() const
{
    for (int X = Width - 1; X >= 0; --X)
        for (int Y = 0; Y < Height; ++Y)
            if (At(X, Y)) return X;
    return -1;
}

class StylesFit : public MainFormTest, public ::testing::WithParamInterface<Look>
{
  protected:
    void ShowInLook()
    {
        FApp.CreateForm(Form);
        TToolOptions Options;
        Options.Style = GetParam().Style;
        Options.Skin = GetParam().Skin;
        std::string Error;
        ASSERT_TRUE(ApplyToolLook(*Form, Options, Error)) << Error;
        Form->Show();
        FDesktop.Pump();
        // No list has the focus: each shows its text in its own colours.
        Form->suiButton_OpenPort->SetFocus();
        FDesktop.Pump();
    }

    int ScreenTop(const TControl* C) const { return C->ClientToScreen({0, 0}).Y; }
    int ScreenBottom(const TControl* C) const { return C->ClientToScreen({0, C->Height()}).Y; }
    // A client pixel of C on a picture of the screen.
    static TColor Pixel(const TSurface& Screen, const TControl* C, int X, int Y)
    {
        const TPoint P = C->ClientToScreen({X, Y});
        return Screen.Pixel(P.X, P.Y);
    }
};

TEST_P(StylesFit, TheContentKeepsItsDistanceBelowTheTitleBar)
{
    ShowInLook();
    const TsuiTitleBar* Bar = Form->suiForm1->TitleBar();
    const int Grown = Bar->Height() - OwnTitleHeight;
    RECT R{};
    GetWindowRect(Form->Handle(), &R);
    EXPECT_EQ(R.bottom - R.top, OwnWindowHeight + Grown) << "title bar " << Bar->Height();
    for (const TsuiGroupBox* Box : {Form->suiGroupBox1, Form->suiGroupBox2, Form->suiGroupBox3})
    {
        EXPECT_EQ(ScreenTop(Box) - ScreenBottom(Bar), OwnGapBelowTitle) << Box->Caption();
        // Every pixel of the caption's ink is seen in the caption's colour.
        const TInk Ink = InkOf(Box->Caption(), Box->Font());
        const TColor Colour = ColorToRGB(Box->Font()->Color());
        const TSurface Screen = FDesktop.Screen();
        int Covered = 0;
        for (int Y = 0; Y < Ink.Height; ++Y)
            for (int X = 0; X < Ink.Width; ++X)
                if (Ink.At(X, Y) && ColorToRGB(Pixel(Screen, Box, 5 + X, Y)) != Colour) ++Covered;
        EXPECT_EQ(Covered, 0) << Box->Caption() << " has pixels under the title bar";
    }
    // The rest of the window moved with the top row: the buttons keep their
    // distance to the status bar at the bottom.
    EXPECT_EQ(ScreenTop(Form->suiStatusBar1) - ScreenBottom(Form->btn_ReadAll),
              Form->suiStatusBar1->Top() - Form->btn_ReadAll->BoundsRect().Bottom);
    EXPECT_GE(Form->btn_ReadAll->Top(), 0);
}

// Each entry of each list, shown in its combo box: the text's ink on the
// screen is as wide as the text's own ink, and its right-most column lies
// left of the button.
TEST_P(StylesFit, NoListTextIsCutAtItsButton)
{
    ShowInLook();
    for (TsuiComboBox* Combo :
         {Form->suiComboBox_PcPort, Form->suiComboBox_PcBaudRate, Form->suiComboBox_PcParity,
          Form->suiComboBox_RfFactor, Form->suiComboBox1, Form->suiComboBox_RFBW,
          Form->suiComboBox_McuBaudRate, Form->suiComboBox_McuParity, Form->suiComboBox_Power,
          Form->suiComboBox2, Form->suiComboBox3})
    {
        const TRect B = Combo->ButtonRect();
        const TColor Face = ColorToRGB(Combo->Color());
        for (int I = 0; I < Combo->Items()->Count(); ++I)
        {
            const std::string Text = Combo->Items()->Strings(I);
            Combo->SetItemIndex(I);
            Combo->Invalidate();
            FDesktop.Pump();
            const TInk Ink = InkOf(Text, Combo->Font());
            const TSurface Screen = FDesktop.Screen();
            int First = -1, Last = -1;
            for (int X = 2; X < B.Left; ++X)
                for (int Y = 2; Y < Combo->Height() - 2; ++Y)
                    if (ColorToRGB(Pixel(Screen, Combo, X, Y)) != Face)
                    {
                        if (First < 0) First = X;
                        Last = X;
                        break;
                    }
            const std::string What = Combo->Name() + " \"" + Text + "\"";
            ASSERT_GE(First, 0) << What << " shows no text";
            EXPECT_EQ(Last - First, Ink.LastColumn() - Ink.FirstColumn()) << What << " is cut";
            EXPECT_LT(Last, B.Left) << What;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryLook, StylesFit,
    ::testing::Values(Look{"BuiltIn", "", ""}, Look{"MacOS", "MacOS", ""},
                      Look{"WinXP", "WinXP", ""}, Look{"DeepBlue", "DeepBlue", ""},
                      Look{"Protein", "Protein", ""}, Look{"BlueGlass", "BlueGlass", ""},
                      Look{"SampleSkin", "",
                           std::string(NOVLA_SAMPLE_SKIN_DIR) + "/novla-sample.skin"}),
    LookName);
} // namespace
