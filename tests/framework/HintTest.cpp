#include "framework/controls/Button.h"
#include "framework/controls/Form.h"
#include "framework/controls/HintTracker.h"
#include "framework/controls/HintWindow.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "platform/win/WinApi.h"
#include "tests/framework/GuiFixture.h"

#include <string>

namespace
{
// A form with two buttons side by side, a panel whose label has no hint of
// its own, and empty room; hints on.
class HintTest : public GuiTest
{
  protected:
    HintTest()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(50, 40, 320, 200);
        Alpha = MakeButton("Alpha", 8);
        Beta = MakeButton("Beta", 88);
        Panel = new TPanel(Form);
        Panel->SetBounds(8, 60, 100, 40);
        Panel->SetParent(Form);
        Panel->SetHint("Panel");
        Inner = new TLabel(Form);
        Inner->SetBounds(4, 4, 40, 20);
        Inner->SetCaption("Inner");
        Inner->SetParent(Panel);
        Form->SetShowHint(true);
        Form->Show();
        FDesktop.Pump();
    }

    TButton* MakeButton(const std::string& Hint, int X)
    {
        auto* B = new TButton(Form);
        B->SetBounds(X, 8, 80, 25);
        B->SetCaption(Hint);
        B->SetHint(Hint);
        B->SetParent(Form);
        return B;
    }

    void Hover(const TControl* Control, int X = 10, int Y = 10)
    {
        const POINT P = At(Control, X, Y);
        FDesktop.MouseMove(P.x, P.y);
        FDesktop.Pump();
    }
    // Somewhere on the form that has no hint.
    void HoverEmpty() { Hover(Form, 250, 150); }

    THintTracker& Hints() { return FApp.Hints(); }
    bool Showing() { return Hints().Showing(); }
    // The text of the hint on screen, read back from its window; empty
    // when none shows.
    std::string Shown()
    {
        THintWindow* W = Hints().Window();
        if (!Showing() || !W || !IsWindowVisible(W->Handle())) return "";
        char Text[512] = {};
        GetWindowText(W->Handle(), Text, sizeof(Text));
        return Text;
    }
    TRect HintRect()
    {
        RECT R{};
        GetWindowRect(Hints().Window()->Handle(), &R);
        return {R.left, R.top, R.right, R.bottom};
    }
    void ShowAlpha()
    {
        Hover(Alpha);
        FDesktop.Advance(THintTracker::DefaultPause);
        ASSERT_EQ(Shown(), "Alpha");
    }

    TForm* Form;
    TButton* Alpha;
    TButton* Beta;
    TPanel* Panel;
    TLabel* Inner;
};

TEST_F(HintTest, ShowsAfterTheRestAsATopLevelWindowThatTakesNoFocus)
{
    Alpha->SetFocus();
    Hover(Alpha);
    FDesktop.Advance(THintTracker::DefaultPause - 1);
    EXPECT_EQ(Shown(), "");
    FDesktop.Advance(1);
    ASSERT_EQ(Shown(), "Alpha");
    const HWND Tip = Hints().Window()->Handle();
    EXPECT_EQ(GetParent(Tip), nullptr);
    EXPECT_TRUE(GetWindowLong(Tip, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLong(Tip, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_TRUE(GetWindowLong(Tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    EXPECT_EQ(GetFocus(), Alpha->Handle());
}

TEST_F(HintTest, MovingBeforeTheRestStartsTheWaitAgain)
{
    Hover(Alpha, 10, 10);
    FDesktop.Advance(300);
    Hover(Alpha, 12, 10);
    FDesktop.Advance(300);
    EXPECT_EQ(Shown(), "");
    FDesktop.Advance(200);
    EXPECT_EQ(Shown(), "Alpha");
}

TEST_F(HintTest, StaysLongerForLongerTextThenGoesForGood)
{
    const std::string Long(120, 'x');
    Beta->SetHint(Long);
    const unsigned ShortTime = Hints().HideTimeFor("Alpha");
    const unsigned LongTime = Hints().HideTimeFor(Long);
    EXPECT_GE(ShortTime, THintTracker::DefaultHidePause);
    EXPECT_GT(LongTime, ShortTime + 5000);
    EXPECT_LE(Hints().HideTimeFor(std::string(10000, 'x')), THintTracker::LongestHidePause);

    ShowAlpha();
    FDesktop.Advance(ShortTime - 1);
    EXPECT_EQ(Shown(), "Alpha");
    FDesktop.Advance(1);
    EXPECT_EQ(Shown(), "");
    // Resting on, or moving on the same control, does not bring it back.
    Hover(Alpha, 20, 12);
    FDesktop.Advance(2 * THintTracker::DefaultPause);
    EXPECT_EQ(Shown(), "");

    Hover(Beta);
    FDesktop.Advance(THintTracker::DefaultPause);
    EXPECT_EQ(Shown(), Long);
    FDesktop.Advance(ShortTime + 1000);
    EXPECT_EQ(Shown(), Long);
    FDesktop.Advance(LongTime - ShortTime - 1000);
    EXPECT_EQ(Shown(), "");
}

TEST_F(HintTest, InputAndLeavingHideIt)
{
    struct Case
    {
        const char* Name;
        std::function<void()> Act;
    };
    const Case Cases[] = {
        {"click",
         [&]
         {
             ClickOn(Alpha);
             FDesktop.Pump();
         }},
        {"right click",
         [&]
         {
             const POINT P = At(Alpha, 10, 10);
             FDesktop.Click(P.x, P.y, TRawInput::TButton::Right);
             FDesktop.Pump();
         }},
        {"key",
         [&]
         {
             FDesktop.Press(VK_SHIFT);
             FDesktop.Pump();
         }},
        {"leaving to room without a hint", [&] { HoverEmpty(); }},
        {"leaving the window",
         [&]
         {
             FDesktop.MouseMove(600, 500);
             // The leave notice is posted while the move is taken, after
             // the posted messages were looked at: a second pass gets it.
             FDesktop.Pump();
             FDesktop.Pump();
         }},
    };
    for (const Case& C : Cases)
    {
        SCOPED_TRACE(C.Name);
        HoverEmpty();
        FDesktop.Advance(2 * THintTracker::ShortPauseWindow);
        ShowAlpha();
        C.Act();
        EXPECT_EQ(Shown(), "");
        FDesktop.Advance(2 * THintTracker::DefaultPause);
        EXPECT_EQ(Shown(), "");
    }
}

TEST_F(HintTest, ClickOrKeyWhileWaitingShowsNothingUntilTheNextControl)
{
    Hover(Alpha);
    FDesktop.Advance(200);
    FDesktop.Press(VK_SHIFT);
    FDesktop.Pump();
    Hover(Alpha, 14, 10);
    FDesktop.Advance(2 * THintTracker::DefaultPause);
    EXPECT_EQ(Shown(), "");
    Hover(Beta);
    FDesktop.Advance(THintTracker::DefaultPause);
    EXPECT_EQ(Shown(), "Beta");
}

TEST_F(HintTest, MovesToTheNeighbourWithoutTheWait)
{
    ShowAlpha();
    Hover(Beta);
    FDesktop.Advance(THintTracker::DefaultShortPause);
    EXPECT_EQ(Shown(), "Beta");
    // Back again, through a gap without a hint.
    HoverEmpty();
    EXPECT_EQ(Shown(), "");
    Hover(Alpha);
    FDesktop.Advance(THintTracker::DefaultShortPause);
    EXPECT_EQ(Shown(), "Alpha");
}

TEST_F(HintTest, AfterAPauseTheNeighbourWaitsInFull)
{
    ShowAlpha();
    HoverEmpty();
    FDesktop.Advance(THintTracker::ShortPauseWindow);
    Hover(Beta);
    FDesktop.Advance(THintTracker::DefaultShortPause);
    EXPECT_EQ(Shown(), "");
    FDesktop.Advance(THintTracker::DefaultPause);
    EXPECT_EQ(Shown(), "Beta");
}

TEST_F(HintTest, ShowHintAndParentShowHintDecide)
{
    struct Case
    {
        const char* Name;
        std::function<void()> Set;
        TControl* Over;
        const char* Expected;
    };
    const Case Cases[] = {
        {"inherited from the form", [] {}, Alpha, "Alpha"},
        {"a label without a hint shows its parent's", [] {}, Inner, "Panel"},
        {"the control turns it off", [&] { Alpha->SetShowHint(false); }, Alpha, ""},
        {"the form turns it off", [&] { Form->SetShowHint(false); }, Alpha, ""},
        {"the control back on its parent",
         [&]
         {
             Alpha->SetShowHint(false);
             Alpha->SetParentShowHint(true);
         },
         Alpha, "Alpha"},
        {"on for the control alone",
         [&]
         {
             Form->SetShowHint(false);
             Beta->SetShowHint(true);
         },
         Beta, "Beta"},
        {"the application turns it off", [&] { FApp.SetShowHint(false); }, Alpha, ""},
        {"an empty hint", [&] { Alpha->SetHint(""); }, Alpha, ""},
    };
    for (const Case& C : Cases)
    {
        SCOPED_TRACE(C.Name);
        Form->SetShowHint(true);
        for (TButton* B : {Alpha, Beta})
        {
            B->SetParentShowHint(true);
            B->SetHint(B->Caption());
        }
        Panel->SetParentShowHint(true);
        FApp.SetShowHint(true);
        C.Set();
        HoverEmpty();
        FDesktop.Advance(2 * THintTracker::ShortPauseWindow);
        Hover(C.Over);
        FDesktop.Advance(THintTracker::DefaultPause);
        EXPECT_EQ(Shown(), C.Expected);
    }
}

TEST_F(HintTest, OnHintAndHintShowAdjustTheText)
{
    std::string SeenInOnHint;
    FApp.OnHint = [&](TObject*)
    {
        SeenInOnHint = FApp.Hint();
        FApp.SetHint(FApp.Hint() + " (from the application)");
    };
    std::string SeenInHintShow;
    auto Old = Beta->WindowProc;
    Beta->WindowProc = [&, Old](TMessage& M)
    {
        if (M.Msg != CM_HINTSHOW) return Old(M);
        auto* Info = reinterpret_cast<THintInfo*>(M.LParam);
        SeenInHintShow = Info->HintStr;
        Info->HintStr = "Beta, line one\nline two";
        // Only the left half of the button is what the hint is about.
        Info->CursorRect.Right = Beta->Width() / 2;
    };
    Hover(Alpha);
    FDesktop.Advance(THintTracker::DefaultPause);
    EXPECT_EQ(SeenInOnHint, "Alpha");
    EXPECT_EQ(Shown(), "Alpha (from the application)");

    HoverEmpty();
    FDesktop.Advance(THintTracker::ShortPauseWindow);
    Hover(Beta, 10, 10);
    FDesktop.Advance(THintTracker::DefaultPause);
    EXPECT_EQ(SeenInHintShow, "Beta (from the application)");
    EXPECT_EQ(Shown(), "Beta, line one\nline two");
    // Two lines: taller than the one-line hint was.
    EXPECT_GT(HintRect().Height(), Hints().Window()->CalcHintRect(300, "Beta").Height() + 8);
    // Leaving the rectangle of the hint hides it; the next one comes
    // quickly, as for a neighbour.
    Hover(Beta, Beta->Width() - 5, 10);
    EXPECT_EQ(Shown(), "");
    FDesktop.Advance(THintTracker::DefaultShortPause);
    EXPECT_EQ(Shown(), "Beta, line one\nline two");

    Beta->WindowProc = [Old](TMessage& M)
    {
        if (M.Msg == CM_HINTSHOW)
            M.Result = 1;
        else
            Old(M);
    };
    HoverEmpty();
    FDesktop.Advance(THintTracker::ShortPauseWindow);
    Hover(Beta);
    FDesktop.Advance(THintTracker::DefaultPause);
    EXPECT_EQ(Shown(), "");
    Beta->WindowProc = Old;
}

TEST_F(HintTest, PlacementKeepsInsideTheWorkArea)
{
    const TRect Work{0, 0, 800, 570};
    const TSize Size{120, 30};
    const int Drop = THintTracker::PointerHeight;
    struct Case
    {
        const char* Name;
        TPoint Cursor;
        TRect Expected;
    };
    const Case Cases[] = {
        {"middle: below the pointer", {300, 200}, {300, 200 + Drop, 420, 230 + Drop}},
        {"right edge: moved left", {750, 200}, {680, 200 + Drop, 800, 230 + Drop}},
        {"bottom edge: above the pointer", {300, 560}, {300, 530, 420, 560}},
        {"bottom-right corner", {799, 569}, {680, 539, 800, 569}},
        {"left edge beyond the area", {-5, 100}, {0, 100 + Drop, 120, 130 + Drop}},
        {"top-left corner", {0, 0}, {0, Drop, 120, 30 + Drop}},
    };
    for (const Case& C : Cases)
    {
        SCOPED_TRACE(C.Name);
        const TRect R = THintTracker::PlaceHint(C.Cursor, Size, Work);
        EXPECT_EQ(R.Left, C.Expected.Left);
        EXPECT_EQ(R.Top, C.Expected.Top);
        EXPECT_EQ(R.Right, C.Expected.Right);
        EXPECT_EQ(R.Bottom, C.Expected.Bottom);
    }
}

TEST_F(HintTest, OnScreenAtTheCornerOfTheWorkArea)
{
    // A task bar along the bottom of the one monitor.
    FDesktop.SetMonitors({{{0, 0, 800, 600}, {0, 0, 800, 570}}});
    Form->SetBounds(800 - 320, 570 - 200, 320, 200);
    FDesktop.Pump();
    Alpha->SetHint("A hint long enough to need more than one line of text at the width "
                   "hints wrap at, and then some more.");
    Alpha->SetLeft(320 - 8 - 80);
    Alpha->SetTop(200 - 60);
    const POINT P = At(Alpha, 75, 20);
    FDesktop.MouseMove(P.x, P.y);
    FDesktop.Pump();
    FDesktop.Advance(THintTracker::DefaultPause);
    ASSERT_TRUE(Showing());
    const TRect R = HintRect();
    EXPECT_LE(R.Right, 800);
    EXPECT_LE(R.Bottom, 570);
    EXPECT_LE(R.Width(), THintTracker::DefaultMaxWidth + 2 * THintWindow::TextMargin + 2);
    EXPECT_GT(R.Height(), 2 * Hints().Window()->CalcHintRect(300, "x").Height() - 8);
    // Not over the pointer: it would take the pointer's messages.
    EXPECT_FALSE(R.Contains(P.x, P.y));
}

TEST_F(HintTest, ClassicLook)
{
    ShowAlpha();
    const HWND Tip = Hints().Window()->Handle();
    const TRect R = HintRect();
    EXPECT_EQ(FDesktop.WindowPixel(Tip, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(FDesktop.WindowPixel(Tip, R.Width() - 1, R.Height() / 2), RGB(0, 0, 0));
    EXPECT_EQ(FDesktop.WindowPixel(Tip, 1, 1), ColorToRGB(clInfoBk));
    int TextPixels = 0;
    for (int Y = 1; Y < R.Height() - 1; ++Y)
        for (int X = 1; X < R.Width() - 1; ++X)
            if (FDesktop.WindowPixel(Tip, X, Y) == ColorToRGB(clInfoText)) ++TextPixels;
    EXPECT_GT(TextPixels, 10);
    NONCLIENTMETRICS Metrics;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0));
    EXPECT_EQ(Hints().Window()->Font()->Name(), Metrics.lfStatusFont.Face);
}

TEST_F(HintTest, ControlGoingAwayTakesItsHint)
{
    ShowAlpha();
    delete Beta;
    EXPECT_EQ(Shown(), "Alpha");
    delete Alpha;
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(Hints().HintControl(), nullptr);
    FDesktop.Advance(10000);
    EXPECT_EQ(Shown(), "");
}
} // namespace
