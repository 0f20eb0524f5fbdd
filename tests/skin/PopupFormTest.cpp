// The notification pop-up on the headless desktop and its fake clock: where
// it comes in, how long it stays, that it never takes the focus, and how it
// is drawn in a built-in style and from a skin file.

#include "CodedPicture.h"
#include "SkinButtonFixture.h"
#include "TestFileTheme.h"

#include "framework/stdctrls/Edit.h"
#include "skin/SUIPopupForm.h"

namespace
{
// A desktop whose work area leaves a 40-pixel panel at the bottom; a form
// with a focused edit.
class PopupTest : public SkinForm
{
  protected:
    PopupTest()
    {
        FDesktop.SetMonitors({{{0, 0, 800, 600}, {0, 0, 800, 560}}});
        Edit = Make<TEdit>(Form, 10, 10, 100, 22);
        Edit->SetFocus();
        Popup = new TsuiPopupForm(Form);
        Popup->SetTitle("Module");
        Popup->SetText("Parameters written.");
        Popup->SetAnimationTime(200);
        Popup->SetDisplayTime(1000);
        Popup->OnClose = [this](TObject*) { ++Closes; };
        Popup->OnClick = [this](TObject*) { ++Clicks; };
        FDesktop.Pump();
    }

    HWND Window() const { return Popup->Handle(); }
    RECT Placed() const
    {
        RECT R{};
        GetWindowRect(Window(), &R);
        return R;
    }
    // Whether the screen shows the pop-up's border at its window point.
    bool ShowsBorderAt(int X, int Y) const
    {
        RECT R = Placed();
        return FDesktop.ScreenPixel(R.left + X, R.top + Y) == Popup->BorderColor();
    }

    TEdit* Edit;
    TsuiPopupForm* Popup;
    int Closes = 0;
    int Clicks = 0;
};
} // namespace

TEST_F(PopupTest, ComesInAtItsCornerStaysItsTimeAndGoesWithoutTakingTheFocus)
{
    struct Case
    {
        TsuiPopupCorner Corner;
        TsuiPopupAnimation Animation;
        LONG Left, Top;
        // Half-way in, the row where the border's leading edge shows and the
        // one just beyond it, which shows nothing yet.
        int Shows, Hidden;
    };
    const int W = Popup->Width(), H = Popup->Height();
    const Case Cases[] = {
        {suiBottomRight, suiPopupSlide, 800 - W, 560 - H, H / 2, H / 2 - 1},
        {suiBottomLeft, suiPopupSlide, 0, 560 - H, H / 2, H / 2 - 1},
        {suiTopRight, suiPopupSlide, 800 - W, 0, H / 2 - 1, H / 2},
        {suiTopLeft, suiPopupBlend, 0, 0, -1, -1},
    };
    for (const Case& C : Cases)
    {
        Closes = 0;
        Popup->SetCorner(C.Corner);
        Popup->SetAnimation(C.Animation);
        Popup->Popup();
        FDesktop.Pump();
        EXPECT_TRUE(Popup->Shown());
        EXPECT_EQ(Placed().left, C.Left) << C.Corner;
        EXPECT_EQ(Placed().top, C.Top) << C.Corner;
        FDesktop.Advance(100);
        if (C.Shows >= 0)
        {
            EXPECT_TRUE(ShowsBorderAt(W / 2, C.Shows)) << C.Corner;
            EXPECT_FALSE(ShowsBorderAt(W / 2, C.Hidden)) << C.Corner;
        }
        else
            EXPECT_EQ(FDesktop.Opacity(Window()), 128);
        FDesktop.Advance(100);
        EXPECT_TRUE(ShowsBorderAt(W / 2, 0) && ShowsBorderAt(W / 2, H - 1)) << C.Corner;
        // The display time counts from the end of the way in; then it goes
        // out over the animation time.
        FDesktop.Advance(990);
        EXPECT_TRUE(Popup->Shown());
        FDesktop.Advance(20);
        EXPECT_TRUE(Popup->Shown());
        EXPECT_EQ(Closes, 0);
        FDesktop.Advance(200);
        EXPECT_FALSE(Popup->Shown()) << C.Corner;
        EXPECT_EQ(Closes, 1);
        EXPECT_EQ(GetActiveWindow(), Form->Handle());
        EXPECT_TRUE(Edit->Focused());
    }
}

TEST_F(PopupTest, AClickSendsItAwayAndAnotherPopupKeepsItLonger)
{
    Popup->Popup();
    FDesktop.Advance(800);
    // Shown again: the display time starts over, without a second way in.
    Popup->SetText("Again");
    Popup->Popup();
    FDesktop.Advance(1100);
    EXPECT_TRUE(Popup->Shown());
    EXPECT_EQ(Closes, 0);

    RECT R = Placed();
    FDesktop.Click(R.left + 20, R.top + 40);
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    EXPECT_TRUE(Edit->Focused());
    FDesktop.Advance(200);
    EXPECT_FALSE(Popup->Shown());
    EXPECT_EQ(Closes, 1);
    // Nothing left to go off later.
    FDesktop.Advance(3000);
    EXPECT_EQ(Closes, 1);

    // Without animation and display time: there at once, until closed.
    Popup->SetAnimationTime(0);
    Popup->SetDisplayTime(0);
    Popup->Popup();
    FDesktop.Pump();
    EXPECT_TRUE(ShowsBorderAt(0, 0) && ShowsBorderAt(Popup->Width() - 1, Popup->Height() - 1));
    FDesktop.Advance(60000);
    EXPECT_TRUE(Popup->Shown());
    Popup->Close();
    EXPECT_FALSE(Popup->Shown());
    EXPECT_EQ(Closes, 2);
}

TEST_F(PopupTest, DrawsTheBarTitleAndTextInTheStyleOrTheSkin)
{
    Popup->SetAnimationTime(0);
    Popup->SetUIStyle(Protein);
    Popup->Popup();
    FDesktop.Pump();
    TBitmap Bar;
    GetInsideThemeBitmap(Protein, SUI_ITEM_SIDECHANNEL_BAR_IMAGE, &Bar);
    const int W = Popup->Width(), H = Popup->Height();
    // One picture of the screen per look: composing it is the slow part.
    TSurface Shot = FDesktop.Screen();
    auto Pixel = [&](int X, int Y)
    {
        RECT R = Placed();
        return Shot.Pixel(R.left + X, R.top + Y);
    };
    EXPECT_EQ(Popup->BarHeight(), Bar.Height());
    for (int Y = 0; Y < Bar.Height(); ++Y)
        EXPECT_EQ(Pixel(W - 3, 1 + Y), Bar.Surface().Pixel(0, Y)) << Y;
    EXPECT_EQ(Pixel(W - 3, H - 3), GetInsideThemeColor(Protein, SUI_ITEM_FORM_COLOR));
    for (TPoint P : {TPoint{0, 0}, TPoint{W - 1, H / 2}, TPoint{W / 2, H - 1}})
        EXPECT_EQ(Pixel(P.X, P.Y), GetInsideThemeColor(Protein, SUI_ITEM_CONTROL_BORDER_COLOR));
    auto Has = [&](TColor Colour, int Y0, int Y1)
    {
        for (int Y = Y0; Y < Y1; ++Y)
            for (int X = 1; X < W - 1; ++X)
                if (Pixel(X, Y) == Colour) return true;
        return false;
    };
    EXPECT_TRUE(Has(Popup->TitleFontColor(), 1, 1 + Bar.Height()));

    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    TBitmap Coded;
    Coded.SetSize(1, 18);
    for (int Y = 0; Y < 18; ++Y)
        Coded.Canvas()->SetPixel(0, Y, Code(0, Y));
    Theme->SetBitmap(SKIN2_SIDECHANNELTITLE, Coded);
    Theme->SetColor(SKIN2_FORMCOLOR, TColor(0xE0F0F0));
    Theme->SetColor(SKIN2_CONTROLBORDERCOLOR, TColor(0x402010));
    Theme->SetColor(SKIN2_CONTROLFONTCOLOR, TColor(0x1020C0));
    Popup->SetFileTheme(Theme);
    Popup->SetUIStyle(FromThemeFile);
    FDesktop.Pump();
    Shot = FDesktop.Screen();
    EXPECT_EQ(Popup->BarHeight(), 18);
    for (int Y = 0; Y < 18; ++Y)
        EXPECT_EQ(Decode(Pixel(W - 3, 1 + Y)), (TPoint{0, Y}));
    EXPECT_EQ(Pixel(W - 3, H - 3), TColor(0xE0F0F0));
    EXPECT_EQ(Pixel(0, H / 2), TColor(0x402010));
    EXPECT_TRUE(Has(TColor(0x1020C0), 19, H - 1));
    EXPECT_EQ(Popup->TitleFontColor(), TColor(0x1020C0));
    Theme->SetColor(SKIN2_TITLEFONTCOLOR, TColor(0xF0F0F0));
    Popup->SetFileTheme(Theme);
    FDesktop.Pump();
    Shot = FDesktop.Screen();
    EXPECT_TRUE(Has(TColor(0xF0F0F0), 1, 19));
    delete Theme;
    EXPECT_EQ(Popup->UIStyle(), DeepBlue);
}
