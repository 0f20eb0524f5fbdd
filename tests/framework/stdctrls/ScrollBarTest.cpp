// The stand-alone scroll bar with real input on the headless desktop.

#include "../GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/stdctrls/ScrollBar.h"
#include "platform/win/WinApi.h"

#include <string>

namespace
{
// A 160 x 16 horizontal bar over 10..60: 16-pixel arrows, a 16-pixel thumb
// with 112 pixels to move.
class ScrollBarForm : public GuiTest
{
  protected:
    ScrollBarForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 250);
        Bar = new TScrollBar(Form);
        Bar->SetParent(Form);
        Bar->SetBounds(10, 10, 160, 16);
        Bar->SetParams(10, 10, 60);
        Bar->SetSmallChange(2);
        Bar->SetLargeChange(15);
        Bar->OnScroll = [this](TObject*, TScrollCode Code, int& Pos)
        {
            Events += std::string(1, "lLpPatTBE"[Code]) + std::to_string(Pos) + " ";
            if (Snap) Pos = Pos / 10 * 10;
        };
        Bar->OnChange = [this](TObject*) { Events += "C" + std::to_string(Bar->Position()) + " "; };
        Form->Show();
        FDesktop.Pump();
    }
    std::string Take()
    {
        std::string Out = std::move(Events);
        Events.clear();
        return Out;
    }
    void ClickAt(int X, int Y)
    {
        POINT P = At(Bar, X, Y);
        FDesktop.Advance(1000);
        FDesktop.Click(P.x, P.y);
        FDesktop.Pump();
    }

    TForm* Form;
    TScrollBar* Bar;
    std::string Events; // scroll codes as letters (l/L line, p/P page, t/T thumb, ...)
    bool Snap = false;
};
} // namespace

TEST_F(ScrollBarForm, KeysOfItsKindMoveThePosition)
{
    Bar->SetFocus();
    struct
    {
        UINT Key;
        int Position;
        const char* Events;
    } const Steps[] = {
        {VK_RIGHT, 12, "L12 C12 E12 "},
        {VK_NEXT, 27, "P27 C27 E27 "},
        {VK_END, 60, "B60 C60 E60 "},
        {VK_RIGHT, 60, "L60 E60 "},
        {VK_LEFT, 58, "l58 C58 E58 "},
        {VK_HOME, 10, "T10 C10 E10 "},
        {VK_DOWN, 10, ""},
        {VK_PRIOR, 10, "p10 E10 "},
    };
    for (const auto& Step : Steps)
    {
        FDesktop.Press(Step.Key);
        FDesktop.Pump();
        EXPECT_EQ(Bar->Position(), Step.Position) << Step.Key;
        EXPECT_EQ(Take(), Step.Events) << Step.Key;
    }
    EXPECT_EQ(Bar->Focused(), true) << "the arrows stayed with the bar";

    Snap = true; // OnScroll may change where the move ends
    Bar->SetPosition(30);
    Take();
    FDesktop.Press(VK_NEXT);
    FDesktop.Pump();
    EXPECT_EQ(Bar->Position(), 40);
    EXPECT_EQ(Take(), "P45 C40 E40 ");

    Bar->SetKind(sbVertical);
    EXPECT_EQ(Bar->Width(), 16);
    EXPECT_EQ(Bar->Height(), 160);
    Snap = false;
    FDesktop.Press(VK_DOWN);
    FDesktop.Press(VK_LEFT);
    FDesktop.Pump();
    EXPECT_EQ(Bar->Position(), 42);
}

TEST_F(ScrollBarForm, ArrowsTrackAndThumbFollowTheMouse)
{
    ClickAt(155, 8); // right arrow
    EXPECT_EQ(Take(), "L12 C12 E12 ");
    ClickAt(120, 8); // the track right of the thumb
    EXPECT_EQ(Take(), "P27 C27 E27 ");
    EXPECT_TRUE(Bar->Focused()) << "a press takes the focus";

    Bar->SetPosition(10);
    Take();
    POINT Thumb = At(Bar, 20, 8), Dropped = At(Bar, 20 + 56, 8);
    FDesktop.Advance(1000);
    FDesktop.MouseDown(Thumb.x, Thumb.y);
    FDesktop.MouseMove(Dropped.x, Dropped.y);
    FDesktop.MouseUp(Dropped.x, Dropped.y);
    FDesktop.Pump();
    EXPECT_EQ(Take(), "t35 C35 a35 E35 ");
    EXPECT_EQ(Bar->Position(), 35);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarForm, ValuesAreHeldToTheRange)
{
    struct
    {
        const char* Name;
        void (*Change)(TScrollBar*);
        int Min, Max, Page, Position;
    } const Cases[] = {
        {"position past max", [](TScrollBar* B) { B->SetPosition(200); }, 10, 60, 0, 60},
        {"position before min", [](TScrollBar* B) { B->SetPosition(-4); }, 10, 60, 0, 10},
        {"page keeps the last page whole",
         [](TScrollBar* B)
         {
             B->SetPageSize(10);
             B->SetPosition(60);
         },
         10, 60, 10, 51},
        {"page larger than the range", [](TScrollBar* B) { B->SetPageSize(500); }, 10, 60, 51, 10},
        {"min above max moves max", [](TScrollBar* B) { B->SetMin(150); }, 150, 150, 0, 150},
        {"max below min moves min", [](TScrollBar* B) { B->SetMax(-5); }, -5, -5, 0, -5},
    };
    for (const auto& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        Bar->SetPageSize(0);
        Bar->SetParams(10, 10, 60);
        Case.Change(Bar);
        EXPECT_EQ(Bar->Min(), Case.Min);
        EXPECT_EQ(Bar->Max(), Case.Max);
        EXPECT_EQ(Bar->PageSize(), Case.Page);
        EXPECT_EQ(Bar->Position(), Case.Position);
        SCROLLINFO Info;
        Info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(Bar->Handle(), SB_CTL, &Info));
        EXPECT_EQ(Info.nPos, Case.Position) << "the window's bar agrees";
        EXPECT_EQ(static_cast<int>(Info.nPage), Case.Page);
    }
}
