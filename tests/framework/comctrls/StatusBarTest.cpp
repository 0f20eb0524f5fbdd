// The status bar on the headless desktop: panel geometry, pixels, the size
// grip and its hit test, fonts.

#include "../GuiFixture.h"

#include "framework/comctrls/StatusBar.h"
#include "framework/controls/Form.h"
#include "platform/win/WinApi.h"

namespace
{
// A form whose client area is 393 wide with a bottom-aligned status bar.
class StatusBarForm : public GuiTest
{
  protected:
    StatusBarForm() { MakeForm(bsDialog); }

    void MakeForm(TBorderStyle Style)
    {
        Form = new TForm(&FApp);
        Form->SetBorderStyle(Style);
        Form->SetBounds(30, 30, 300, 200);
        Form->SetClientWidth(393);
        Bar = new TStatusBar(Form);
        Bar->SetParent(Form);
        Bar->SetHeight(21);
        for (int W : {120, 160, 60})
        {
            TStatusPanel* P = Bar->Panels()->Add();
            P->SetWidth(W);
        }
        Form->Show();
        FDesktop.Pump();
    }

    // Reads the screen as it is now (composed once per call of Snap).
    void Snap() { FScreen = FDesktop.Screen(); }
    TColor BarPixel(int X, int Y) const
    {
        POINT P = At(Bar, X, Y);
        return FScreen.Pixel(P.x, P.y);
    }

    TForm* Form;
    TStatusBar* Bar;
    TSurface FScreen;
};
} // namespace

TEST_F(StatusBarForm, PanelEdgesLieAtRunningSumsAndTheLastReachesTheEnd)
{
    ASSERT_EQ(Bar->Width(), 393);
    EXPECT_EQ(Bar->Top() + Bar->Height(), Form->ClientHeight()); // aligned to the bottom
    EXPECT_EQ(Bar->PanelRect(0), (TRect{0, 2, 118, 21}));
    EXPECT_EQ(Bar->PanelRect(1), (TRect{120, 2, 278, 21}));
    EXPECT_EQ(Bar->PanelRect(2), (TRect{280, 2, 393, 21}));
    EXPECT_EQ(Bar->PanelRect(3), TRect{});
    EXPECT_EQ(Bar->PanelRect(-1), TRect{});

    // Lowered bevels: dark left edges at 0, 120 and 280, the bar's colour in
    // the gaps, the last panel's light right edge at the bar's end.
    const TColor Face = ColorToRGB(clBtnFace);
    const TColor Shadow = ColorToRGB(clBtnShadow);
    const TColor Light = ColorToRGB(clBtnHighlight);
    struct TCase
    {
        int X;
        TColor Expected;
    };
    Snap();
    for (TCase C : {TCase{0, Shadow},
                    {117, Light},
                    {118, Face},
                    {119, Face},
                    {120, Shadow},
                    {279, Face},
                    {280, Shadow},
                    {392, Light}})
        EXPECT_EQ(BarPixel(C.X, 10), C.Expected) << "x " << C.X;
    EXPECT_EQ(BarPixel(200, 0), Face);

    // A narrower last panel still reaches the end; wider earlier panels push
    // it out.
    Bar->Panels()->Items(2)->SetWidth(10);
    EXPECT_EQ(Bar->PanelRect(2).Right, 393);
    Bar->Panels()->Items(0)->SetWidth(400);
    EXPECT_EQ(Bar->PanelRect(1).Left, 400);
    EXPECT_TRUE(Bar->PanelRect(2).IsEmpty());
}

TEST_F(StatusBarForm, TextsFollowAlignmentAndSimpleModeHidesPanels)
{
    Bar->Panels()->Items(0)->SetText("Left");
    Bar->Panels()->Items(1)->SetText("Mid");
    Bar->Panels()->Items(1)->SetAlignment(taCenter);
    FDesktop.Pump();
    Snap();
    auto InkColumns = [&](int From, int To)
    {
        std::vector<int> Xs;
        for (int X = From; X < To; ++X)
            for (int Y = 4; Y < 18; ++Y)
                if (BarPixel(X, Y) == ColorToRGB(clWindowText))
                {
                    Xs.push_back(X);
                    break;
                }
        return Xs;
    };
    std::vector<int> Left = InkColumns(1, 117);
    ASSERT_FALSE(Left.empty());
    EXPECT_LT(Left.front(), 8);
    std::vector<int> Mid = InkColumns(121, 277);
    ASSERT_FALSE(Mid.empty());
    int Centre = (Mid.front() + Mid.back()) / 2;
    EXPECT_NEAR(Centre, 199, 3);

    Bar->SetSimpleText("Busy");
    Bar->SetSimplePanel(true);
    FDesktop.Pump();
    Snap();
    EXPECT_TRUE(Bar->PanelRect(0).IsEmpty());
    EXPECT_EQ(BarPixel(120, 10), ColorToRGB(clBtnFace));
    EXPECT_TRUE(InkColumns(121, 277).empty());
    EXPECT_FALSE(InkColumns(1, 40).empty());
}

TEST_F(StatusBarForm, ColourFillsTheBarAndOwnerDrawnPanelsGetTheirRectangle)
{
    Bar->SetColor(0xFBFBFB);
    std::vector<TRect> Drawn;
    Bar->Panels()->Items(1)->SetStyle(psOwnerDraw);
    Bar->OnDrawPanel = [&](TCustomStatusBar* Sender, TStatusPanel* Panel, const TRect& R)
    {
        EXPECT_EQ(Sender, Bar);
        EXPECT_EQ(Panel, Bar->Panels()->Items(1));
        Drawn.push_back(R);
    };
    FDesktop.Pump();
    Snap();
    EXPECT_EQ(BarPixel(119, 10), 0xFBFBFBu);
    EXPECT_EQ(BarPixel(300, 0), 0xFBFBFBu);
    ASSERT_FALSE(Drawn.empty());
    // Inside the bevel.
    EXPECT_EQ(Drawn.back(), (TRect{121, 3, 277, 20}));
}

TEST_F(StatusBarForm, SizeGripOnlyOnResizableFormsAndItsHitTestResizesTheForm)
{
    auto HitAt = [&](int X, int Y)
    {
        POINT P = At(Bar, X, Y);
        return SendMessage(Bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(P.x, P.y));
    };
    EXPECT_FALSE(Bar->GripShown());
    EXPECT_EQ(HitAt(390, 18), HTCLIENT);

    Form->Free();
    MakeForm(bsSizeable);
    ASSERT_TRUE(Bar->GripShown());
    TRect Grip = Bar->GripRect();
    EXPECT_EQ(Grip.Right, Bar->Width());
    EXPECT_EQ(Grip.Bottom, Bar->Height());
    EXPECT_EQ(HitAt(Bar->Width() - 2, Bar->Height() - 2), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(Grip.Left - 1, Bar->Height() - 2), HTCLIENT);

    // Dragging the grip sizes the form.
    int OldWidth = Form->Width();
    int OldHeight = Form->Height();
    POINT P = At(Bar, Bar->Width() - 3, Bar->Height() - 3);
    FDesktop.MouseMove(P.x, P.y);
    FDesktop.MouseDown(P.x, P.y);
    FDesktop.MouseMove(P.x + 30, P.y + 20);
    FDesktop.MouseUp(P.x + 30, P.y + 20);
    FDesktop.Pump();
    EXPECT_EQ(Form->Width(), OldWidth + 30);
    EXPECT_EQ(Form->Height(), OldHeight + 20);
    EXPECT_EQ(Bar->Width(), Form->ClientWidth());

    Bar->SetSizeGrip(false);
    EXPECT_FALSE(Bar->GripShown());
    Bar->SetSizeGrip(true);
    Bar->SetAlign(alTop); // no longer in the form's corner
    EXPECT_FALSE(Bar->GripShown());
    Bar->SetAlign(alBottom);
    Form->SetWindowState(wsMaximized);
    FDesktop.Pump();
    EXPECT_FALSE(Bar->GripShown());
}

TEST(StatusBar, SystemFontUntilAFontIsSet)
{
    TStatusBar Bar(nullptr);
    EXPECT_TRUE(Bar.UseSystemFont());
    EXPECT_FALSE(Bar.ParentFont());
    EXPECT_EQ(Bar.Align(), alBottom);
    EXPECT_EQ(Bar.Height(), 19);
    EXPECT_EQ(Bar.Color(), clBtnFace);
    TFont System;
    Bar.Font()->SetName("Tahoma");
    EXPECT_FALSE(Bar.UseSystemFont());
    Bar.SetUseSystemFont(true);
    EXPECT_EQ(Bar.Font()->Name(), System.Name());
    EXPECT_TRUE(Bar.UseSystemFont());
    EXPECT_EQ(Bar.Panels()->Add()->Width(), 50);
    EXPECT_EQ(Bar.Panels()->Items(0)->Bevel(), pbLowered);
}
