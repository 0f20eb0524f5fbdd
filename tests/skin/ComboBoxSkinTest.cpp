// The skinned combo box, pixel for pixel, over the framework's combo box.

#include "../framework/GuiFixture.h"

#include "framework/SysLocale.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "platform/win/WinApi.h"
#include "skin/SUIComboBox.h"

namespace
{
constexpr TColor Near = TColor(0xFBFBFB);
constexpr TColor Grey = TColor(0x808080);

class ComboSkinForm : public GuiTest
{
  protected:
    ComboSkinForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 200);
        Combo = new TsuiComboBox(Form);
        Combo->SetParent(Form);
        Combo->SetBounds(10, 10, 57, 21);
        Combo->SetStyle(csDropDownList);
        for (const char* S : {"Standard", "Central", "Node"})
            Combo->Items()->Add(S);
        Combo->SetItemIndex(0);
        // The configuration window's look.
        Combo->SetUIStyle(Protein);
        Combo->SetBorderColor(clBlack);
        Combo->SetArrowColor(clBlack);
        Combo->SetButtonColor(16514043);
        Combo->SetColor(clLime);
        Form->Show();
        FDesktop.Pump();
    }
    TColor Pixel(int X, int Y) const
    {
        TPoint P = Combo->ClientToScreen({X, Y});
        return FDesktop.ScreenPixel(P.X, P.Y);
    }
    // The button picture of Style stretched over the button rectangle.
    std::unique_ptr<TBitmap> StretchedButton(const char* Name, const TRect& B) const
    {
        TBitmap Source;
        Source.LoadFromResourceName(Name);
        auto Out = std::make_unique<TBitmap>();
        Out->SetSize(B.Width(), B.Height());
        Out->Canvas()->StretchDraw({0, 0, B.Width(), B.Height()}, &Source);
        return Out;
    }

    TForm* Form;
    TsuiComboBox* Combo;
};
} // namespace

TEST_F(ComboSkinForm, TheWindowsComboBoxInProtein)
{
    ASSERT_EQ(Combo->ButtonRect(), (TRect{38, 2, 55, 19}));
    for (int I = 0; I < 57; ++I)
    {
        EXPECT_EQ(Pixel(I, 0), clBlack) << I;
        EXPECT_EQ(Pixel(I, 20), clBlack) << I;
    }
    for (int I = 0; I < 21; ++I)
    {
        EXPECT_EQ(Pixel(0, I), clBlack) << I;
        EXPECT_EQ(Pixel(56, I), clBlack) << I;
    }
    for (int I = 1; I < 56; ++I)
    {
        if (I == 38) continue; // the separator crosses the inner ring
        EXPECT_EQ(Pixel(I, 1), clLime) << I;
        EXPECT_EQ(Pixel(I, 19), clLime) << I;
    }
    for (int I = 2; I < 19; ++I)
    {
        EXPECT_EQ(Pixel(1, I), clLime) << I;
        EXPECT_EQ(Pixel(55, I), clLime) << I;
    }
    for (int Y = 1; Y <= 19; ++Y)
        EXPECT_EQ(Pixel(38, Y), clBlack) << "separator " << Y;
    // The arrow (43, 8), (49, 8), (46, 11) on the button fill.
    for (TPoint P : {TPoint{43, 8}, TPoint{49, 8}, TPoint{46, 11}, TPoint{46, 9}, TPoint{45, 10}})
        EXPECT_EQ(Pixel(P.X, P.Y), clBlack) << P.X << "," << P.Y;
    for (TPoint P : {TPoint{42, 8}, TPoint{50, 8}, TPoint{46, 12}, TPoint{46, 7}, TPoint{43, 10},
                     TPoint{39, 2}, TPoint{54, 18}, TPoint{54, 2}, TPoint{39, 18}})
        EXPECT_EQ(Pixel(P.X, P.Y), Near) << P.X << "," << P.Y;

    Combo->SetEnabled(false);
    FDesktop.Pump();
    for (TPoint P : {TPoint{43, 8}, TPoint{49, 8}, TPoint{46, 11}})
        EXPECT_EQ(Pixel(P.X, P.Y), Grey) << P.X << "," << P.Y;
    for (TPoint P : {TPoint{50, 9}, TPoint{47, 12}})
        EXPECT_EQ(Pixel(P.X, P.Y), clWhite) << P.X << "," << P.Y;
    EXPECT_EQ(Pixel(0, 0), clBlack) << "the frame is the same when disabled";
    Combo->SetEnabled(true);
    FDesktop.Pump();
    EXPECT_EQ(Pixel(43, 8), clBlack);
    EXPECT_EQ(Pixel(50, 9), Near);
}

TEST_F(ComboSkinForm, RightToLeftAlignmentMovesTheSeparator)
{
    SetSysLocale({true});
    Combo->SetBiDiMode(bdRightToLeft);
    Combo->Invalidate();
    FDesktop.Pump();
    SetSysLocale({});
    for (int Y = 1; Y <= 19; ++Y)
        EXPECT_EQ(Pixel(55, Y), clBlack) << Y;
    EXPECT_EQ(Pixel(38, 10), Near);
}

TEST_F(ComboSkinForm, AStyleChangeResetsTheColours)
{
    Combo->SetArrowColor(clRed);
    Combo->SetBorderColor(clRed);
    FDesktop.Pump();
    EXPECT_EQ(Pixel(46, 9), clRed);
    struct
    {
        TsuiUIStyle Style;
        TColor Border;
        TColor Button;
    } const Cases[] = {{MacOS, TColor(0x7F7F7F), TColor(0xE7E7E7)},
                       {DeepBlue, clBlack, TColor(0xE8E8E8)},
                       {FromThemeFile, clBlack, TColor(0xE8E8E8)}}; // no theme: DeepBlue
    for (const auto& C : Cases)
    {
        Combo->SetArrowColor(clRed);
        Combo->SetUIStyle(C.Style);
        EXPECT_EQ(Combo->ArrowColor(), clBlack);
        EXPECT_EQ(Combo->BorderColor(), C.Border);
        EXPECT_EQ(Combo->ButtonColor(), C.Button);
    }
    FDesktop.Pump();
    EXPECT_EQ(Pixel(46, 9), clBlack);
    EXPECT_EQ(Pixel(40, 4), TColor(0xE8E8E8)) << "the theme-file style paints flat";
}

TEST_F(ComboSkinForm, PicturedButtonsInMacOSAndWinXP)
{
    const TRect B = Combo->ButtonRect();
    struct
    {
        TsuiUIStyle Style;
        const char* Picture;
        bool Arrow;
    } const Cases[] = {{WinXP, "WINXP_COMBOBOX_BUTTON", false},
                       {MacOS, "MACOS_COMBOBOX_BUTTON", true}};
    for (const auto& C : Cases)
    {
        Combo->SetUIStyle(C.Style);
        FDesktop.Pump();
        auto Expected = StretchedButton(C.Picture, B);
        int Differ = 0;
        for (int Y = B.Top; Y < B.Bottom; ++Y)
            for (int X = B.Left; X < B.Right; ++X)
                if (Pixel(X, Y) != Expected->Canvas()->Pixel(X - B.Left, Y - B.Top))
                {
                    ++Differ;
                    EXPECT_EQ(Pixel(X, Y), clBlack) << "only the arrow differs " << X << "," << Y;
                }
        EXPECT_EQ(Differ > 0, C.Arrow) << C.Picture;
        EXPECT_EQ(Pixel(B.Left + 1, B.Top + 1), Expected->Canvas()->Pixel(1, 1)) << C.Picture;
    }
}

TEST_F(ComboSkinForm, TheOpenListIsFramedAndTheSimpleStyleIsLeftAlone)
{
    Combo->SetBorderColor(clRed);
    Combo->SetDroppedDown(true);
    FDesktop.Pump();
    COMBOBOXINFO Info{};
    Info.cbSize = sizeof(Info);
    ASSERT_TRUE(GetComboBoxInfo(Combo->Handle(), &Info));
    RECT L;
    GetWindowRect(Info.hwndList, &L);
    EXPECT_EQ(FDesktop.ScreenPixel(L.left, L.top + 5), clRed);
    EXPECT_EQ(FDesktop.ScreenPixel(L.right - 1, L.bottom - 1), clRed);
    EXPECT_EQ(FDesktop.ScreenPixel((L.left + L.right) / 2, L.bottom - 1), clRed);
    Combo->SetDroppedDown(false);
    FDesktop.Pump();

    Combo->SetStyle(csSimple);
    Combo->SetHeight(80);
    FDesktop.Pump();
    EXPECT_NE(Pixel(0, 0), clRed);
    EXPECT_NE(Pixel(20, 1), clLime);
}

TEST_F(ComboSkinForm, DriveAndFilterBoxesCarryTheSameSkin)
{
    auto* Filters = new TsuiFilterComboBox(Form);
    Filters->SetParent(Form);
    Filters->SetBounds(10, 60, 57, 21);
    Filters->SetUIStyle(Protein);
    Filters->SetColor(clLime);
    auto* Drives = new TsuiDriveComboBox(Form);
    Drives->SetParent(Form);
    Drives->SetBounds(10, 100, 57, 21);
    FDesktop.Pump();
    for (TsuiComboBoxSkin<TFilterComboBox>* C : {Filters})
    {
        TPoint O = C->ClientOrigin();
        EXPECT_EQ(FDesktop.ScreenPixel(O.X, O.Y), clBlack);
        EXPECT_EQ(FDesktop.ScreenPixel(O.X + 1, O.Y + 1), clLime);
        EXPECT_EQ(FDesktop.ScreenPixel(O.X + 43, O.Y + 8), clBlack);
    }
    EXPECT_EQ(Drives->UIStyle(), DeepBlue) << "a form without a skinned form";
    EXPECT_FALSE(Filters->DroppedDown());
    Filters->SetDroppedDown(true);
    EXPECT_TRUE(Filters->DroppedDown());
    Filters->SetDroppedDown(false);
    EXPECT_FALSE(Filters->DroppedDown());
}
