#include "framework/controls/CustomControl.h"
#include "framework/controls/Form.h"
#include "framework/controls/GraphicControl.h"
#include "framework/controls/Panel.h"
#include "framework/graphics/Font.h"
#include "framework/stdctrls/ComboBox.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/Animation.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "skin/ControlBorder.h"
#include "skin/DoTrans.h"
#include "skin/SkinText.h"
#include "skin/SkinWindows.h"
#include "tests/framework/GuiFixture.h"
#include "tests/skin/CodedPicture.h"

#include <string>

namespace
{
// A graphic control that fills itself with one colour.
class TSwatch : public TGraphicControl
{
  public:
    TSwatch(TComponent* AOwner, TColor Fill) : TGraphicControl(AOwner), FFill(Fill) {}

  protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(FFill);
        Canvas()->FillRect({0, 0, Width(), Height()});
    }

  private:
    TColor FFill;
};

class WindowHelpers : public GuiTest
{
  protected:
    TForm* ShownForm(int Left, int Top)
    {
        TForm* Form = nullptr;
        FApp.CreateForm(Form);
        Form->SetBounds(Left, Top, 300, 200);
        Form->Show();
        // The desktop outlives a test; start from another program's focus
        // so that activating the form activates the application.
        FDesktop.FocusOtherProgram();
        FDesktop.FocusWindow(Form->Handle());
        FDesktop.Pump();
        return Form;
    }
};

TEST_F(WindowHelpers, DoTransPaintsTheParentUnderTheControl)
{
    TForm* Form = ShownForm(0, 0);
    auto* Panel = new TPanel(Form);
    Panel->SetParent(Form);
    Panel->SetBounds(0, 0, 200, 150);
    Panel->SetBevelOuter(bvNone);
    Panel->SetColor(RGB(10, 200, 30));
    auto* Swatch = new TSwatch(Form, RGB(250, 0, 0));
    Swatch->SetParent(Panel);
    Swatch->SetBounds(50, 40, 10, 10);
    auto* Control = new TCustomControl(Form);
    Control->SetParent(Panel);
    Control->SetBounds(45, 35, 30, 30);

    auto Out = FilledBitmap(30, 30, RGB(1, 2, 3));
    const TPoint OrgBefore = Out->Canvas()->Handle()->GetViewportOrg();
    DoTrans(Out->Canvas(), Control);
    EXPECT_EQ(Out->Canvas()->Pixel(0, 0), RGB(10, 200, 30));
    EXPECT_EQ(Out->Canvas()->Pixel(5, 5), RGB(250, 0, 0)); // the swatch at (50, 40)
    EXPECT_EQ(Out->Canvas()->Pixel(4, 4), RGB(10, 200, 30));
    EXPECT_EQ(Out->Canvas()->Handle()->GetViewportOrg(), OrgBefore);

    TCustomControl Orphan(nullptr);
    auto Untouched = FilledBitmap(4, 4, RGB(1, 2, 3));
    DoTrans(Untouched->Canvas(), &Orphan);
    EXPECT_EQ(Untouched->Canvas()->Pixel(0, 0), RGB(1, 2, 3));
}

TEST_F(WindowHelpers, DrawControlBorderFramesTheWholeWindow)
{
    TForm* Form = ShownForm(0, 0);
    auto* Control = new TCustomControl(Form);
    Control->SetParent(Form);
    Control->SetBounds(10, 10, 40, 20);
    Control->HandleNeeded();
    for (bool Inner : {false, true})
    {
        DrawControlBorder(Control, clRed, RGB(0, 0, 255), Inner);
        HDC Dc = GetWindowDC(Control->Handle());
        ASSERT_NE(Dc, nullptr);
        EXPECT_EQ(GetPixel(*Dc, 0, 0), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(*Dc, 39, 19), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(*Dc, 1, 1) == RGB(0, 0, 255), Inner);
        EXPECT_NE(GetPixel(*Dc, 2, 2), RGB(0, 0, 255));
        ReleaseDC(Control->Handle(), Dc);
    }
    TCustomControl NoWindow(nullptr);
    DrawControlBorder(&NoWindow, clRed, clRed, true);
}

TEST_F(WindowHelpers, WorkAreaOfTheMonitorNearestTheMainForm)
{
    FDesktop.SetMonitors(
        {{{0, 0, 800, 600}, {0, 0, 800, 570}}, {{800, 0, 1600, 600}, {800, 20, 1600, 600}}});
    EXPECT_EQ(GetWorkAreaRect(), (TRect{0, 0, 800, 570})); // no main form
    TForm* Main = ShownForm(900, 100);
    EXPECT_EQ(GetWorkAreaRect(), (TRect{800, 20, 1600, 600}));
    Main->SetBounds(1700, 100, 300, 200); // off every monitor: the nearest
    EXPECT_EQ(GetWorkAreaRect(), (TRect{800, 20, 1600, 600}));
    Main->SetBounds(100, 100, 300, 200);
    EXPECT_EQ(GetWorkAreaRect(), (TRect{0, 0, 800, 570}));
}

TEST_F(WindowHelpers, FormHasFocusFollowsTheApplicationAndTheActiveForm)
{
    TForm Loose(nullptr);
    EXPECT_FALSE(FormHasFocus(&Loose)); // no main form: its own flag
    EXPECT_FALSE(FormHasFocus(nullptr));

    TForm* Main = ShownForm(0, 0);
    EXPECT_TRUE(FormHasFocus(Main));
    EXPECT_TRUE(FormHasFocus(nullptr));
    EXPECT_FALSE(FormHasFocus(&Loose));

    FDesktop.FocusOtherProgram();
    FDesktop.Pump();
    EXPECT_FALSE(FormHasFocus(Main));
    Main->SetFormStyle(fsMDIForm);
    EXPECT_TRUE(FormHasFocus(Main));
}

TEST_F(WindowHelpers, PlaceControlAndInRect)
{
    TForm* Form = ShownForm(0, 0);
    auto* Control = new TCustomControl(Form);
    Control->SetParent(Form);
    PlaceControl(Control, TRect{5, 6, 25, 16});
    EXPECT_EQ(Control->BoundsRect(), (TRect{5, 6, 25, 16}));
    PlaceControl(Control, TPoint{1, 2});
    EXPECT_EQ(Control->BoundsRect(), (TRect{1, 2, 21, 12}));

    struct TCase
    {
        int X, Y;
        bool Inside;
    };
    const TRect R{0, 0, 10, 10};
    for (TCase C : {TCase{10, 10, true}, TCase{0, 0, true}, TCase{5, 10, true}, TCase{11, 5, false},
                    TCase{-1, 5, false}, TCase{5, 11, false}})
    {
        EXPECT_EQ(InRect(C.X, C.Y, R), C.Inside) << C.X << ", " << C.Y;
        EXPECT_EQ(InRect(TPoint{C.X, C.Y}, R), C.Inside);
    }
}

TEST_F(WindowHelpers, SystemQueries)
{
    TForm* Form = ShownForm(0, 0);
    auto* Combo = new TComboBox(Form);
    Combo->SetParent(Form);
    COMBOBOXINFO Info;
    EXPECT_TRUE(SUIGetComboBoxInfo(Combo->Handle(), Info));
    EXPECT_GT(Info.rcButton.right, Info.rcButton.left);
    SCROLLBARINFO Bar;
    EXPECT_FALSE(SUIGetScrollBarInfo(Combo->Handle(), 0, Bar));
    EXPECT_TRUE(SUIGetComboBoxInfo(Combo->Handle(), Info)); // no shared failure
    EXPECT_FALSE(SUIGetComboBoxInfo(Form->Handle(), Info));
    EXPECT_FALSE(SUIAnimateWindow(Form->Handle(), 200, 0));
    EXPECT_TRUE(SUIAnimateWindow(Form->Handle(), 200, AW_BLEND | AW_HIDE));
    EXPECT_FALSE(IsWinXP());
    EXPECT_FALSE(IsWinVista());

    auto* Control = new TCustomControl(Form);
    Control->SetParent(Form);
    Control->SetControlStyle(Control->ControlStyle() + TControlStyle{csOpaque});
    Control->HandleNeeded();
    SetWinControlTransparent(Control);
    EXPECT_FALSE(Control->ControlStyle().Contains(csOpaque));
    EXPECT_TRUE(GetWindowLong(Control->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TEST(SkinText, FormatStringWithWidthShortensToTheFirstFormThatReachesTheWidth)
{
    auto Out = FilledBitmap(10, 10, clWhite);
    TCanvas& K = *Out->Canvas();
    const std::string Text = "Configuration window";
    EXPECT_EQ(FormatStringWithWidth(&K, Text, K.TextWidth(Text)), Text);
    EXPECT_EQ(FormatStringWithWidth(&K, Text, 1000), Text);
    EXPECT_EQ(FormatStringWithWidth(&K, Text, 1), "C...");
    const int Goal = K.TextWidth("Config...");
    const std::string Cut = FormatStringWithWidth(&K, Text, Goal);
    EXPECT_GE(K.TextWidth(Cut), Goal);
    EXPECT_LT(K.TextWidth(Cut.substr(0, Cut.size() - 4) + "..."), Goal);
    // No shortened form reaches the width: the text itself.
    const std::string Wide = "iWWWW";
    ASSERT_LT(K.TextWidth("iWWW..."), K.TextWidth(Wide) - 1);
    EXPECT_EQ(FormatStringWithWidth(&K, Wide, K.TextWidth(Wide) - 1), Wide);
    // Whole characters only.
    const std::string Umlauts = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC";
    EXPECT_EQ(FormatStringWithWidth(&K, Umlauts, 1), "\xC3\xA4...");
    EXPECT_EQ(FormatStringWithWidth(nullptr, Text, 1), Text);
}

TEST(SkinText, ButtonCaptionsPerLanguage)
{
    struct TCase
    {
        TMsgDlgBtn Button;
        const char* Language;
        const char* Caption;
    };
    const TCase Cases[] = {
        {mbYes, "en_US.UTF-8", "&Yes"},
        {mbCancel, "C", "Cancel"},
        {mbNo, "de_DE.UTF-8", "&Nein"},
        {mbRetry, "fr_FR", "&R\xC3\xA9\x65ssayer"},
        {mbOK, "es_ES.UTF-8", "Aceptar"},
        {mbHelp, "zh_CN.UTF-8", "\xE5\xB8\xAE\xE5\x8A\xA9(&H)"},
        {mbAll, "de_DE", "All"},
        {mbNoToAll, "fr", "No to All"},
        {mbYesToAll, "zh_CN", "Yes to All"},
        {TMsgDlgBtn(11), "en", ""},
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(GetLocaleButtonCaption(C.Button, C.Language), C.Caption) << C.Language;
    EXPECT_FALSE(GetLocaleButtonCaption(mbIgnore).empty());
}

TEST(SkinText, CaptionFontAndTextOfAPointer)
{
    TFont Font;
    Font.SetColor(clRed);
    GetCaptionFont(&Font);
    EXPECT_EQ(Font.Name(), "Tahoma");
    EXPECT_TRUE(Font.Style().Contains(fsBold));
    EXPECT_EQ(Font.Color(), TColor(clRed));
    GetCaptionFont(nullptr);

    EXPECT_EQ(PCharToStr("abc"), "abc");
    EXPECT_EQ(PCharToStr(""), "");
    EXPECT_EQ(PCharToStr(nullptr), "");
}
} // namespace
