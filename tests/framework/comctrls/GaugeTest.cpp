// Progress bars and track bars: the range, stepping, the filled part, the
// track bar's keys, mouse, ticks and change notifications, and both in
// form definitions.

#include "../GuiFixture.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/comctrls/CommonControlClasses.h"
#include "framework/comctrls/ProgressBar.h"
#include "framework/comctrls/TrackBar.h"
#include "framework/controls/Form.h"
#include "platform/win/WinApi.h"

#include <climits>
#include <vector>

namespace
{
class GaugeForm : public GuiTest
{
  protected:
    GaugeForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 400, 300);
        Bar = new TProgressBar(Form);
        Bar->SetParent(Form);
        Track = new TTrackBar(Form);
        Track->SetParent(Form);
        Track->SetBounds(10, 100, 200, 45);
        Track->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
        FDesktop.Pump();
    }
    ~GaugeForm() override { Track->OnChange = {}; }

    TForm* Form;
    TProgressBar* Bar;
    TTrackBar* Track;
    int Changes = 0;
};
} // namespace

TEST_F(GaugeForm, ProgressPositionStaysInRangeAndStepsWrapOrStop)
{
    struct TCase
    {
        const char* What;
        void (*Act)(TProgressBar*);
        int Position;
    };
    const TCase Cases[] = {
        {"below Min", [](TProgressBar* B) { B->SetPosition(-5); }, 0},
        {"above Max", [](TProgressBar* B) { B->SetPosition(500); }, 100},
        {"StepIt", [](TProgressBar* B) { B->SetPosition(85), B->StepIt(); }, 95},
        {"StepIt past Max starts over", [](TProgressBar* B) { B->SetPosition(95), B->StepIt(); },
         0},
        {"StepIt onto Max", [](TProgressBar* B) { B->SetPosition(90), B->StepIt(); }, 100},
        {"StepBy stops at Max", [](TProgressBar* B) { B->SetPosition(95), B->StepBy(30); }, 100},
        {"StepBy stops at Min", [](TProgressBar* B) { B->SetPosition(5), B->StepBy(-30); }, 0},
        {"StepBy without overflow",
         [](TProgressBar* B)
         { B->SetMax(INT_MAX), B->SetPosition(INT_MAX - 1), B->StepBy(INT_MAX); },
         INT_MAX},
        {"Min raised above Position", [](TProgressBar* B) { B->SetPosition(10), B->SetMin(40); },
         40},
        {"Max lowered below Min", [](TProgressBar* B) { B->SetMin(20), B->SetMax(10); }, 10},
    };
    for (const TCase& C : Cases)
    {
        TProgressBar B(nullptr);
        C.Act(&B);
        EXPECT_EQ(B.Position(), C.Position) << C.What;
        EXPECT_LE(B.Min(), B.Max()) << C.What;
    }
}

TEST_F(GaugeForm, ProgressFillsFromTheLeftOrFromTheBottom)
{
    const TRect Inside{1, 1, 201, 51};
    Bar->SetPosition(25);
    EXPECT_EQ(Bar->FilledRect(Inside), (TRect{1, 1, 51, 51}));
    Bar->SetOrientation(pbVertical);
    EXPECT_EQ(Bar->FilledRect(Inside), (TRect{1, 39, 201, 51}));
    EXPECT_EQ(Bar->Width(), 16) << "turning swaps the sides";
    Bar->SetMax(0); // an empty range fills nothing
    EXPECT_TRUE(Bar->FilledRect(Inside).IsEmpty());
}

TEST_F(GaugeForm, TrackKeysMoveByLinePageAndToTheEnds)
{
    Track->SetPageSize(3);
    Track->SetPosition(5);
    Changes = 0;
    Track->SetFocus();
    struct TStep
    {
        UINT Key;
        int Position;
    };
    const TStep Steps[] = {{VK_RIGHT, 6}, {VK_DOWN, 7},  {VK_LEFT, 6},   {VK_UP, 5},
                           {VK_NEXT, 8},  {VK_NEXT, 10}, {VK_RIGHT, 10}, {VK_PRIOR, 7},
                           {VK_HOME, 0},  {VK_UP, 0},    {VK_END, 10}};
    int Expected = 0;
    int Before = 5;
    for (const TStep& S : Steps)
    {
        FDesktop.Press(S.Key);
        FDesktop.Pump();
        EXPECT_EQ(Track->Position(), S.Position) << "key " << S.Key;
        Expected += S.Position != Before;
        Before = S.Position;
    }
    EXPECT_EQ(Changes, Expected) << "one notification per change, none at the ends";
}

TEST_F(GaugeForm, TrackMouseClickPagesAndDragFollows)
{
    Track->SetPosition(5);
    Changes = 0;
    const TRect Thumb = Track->ThumbRect();
    const int Y = (Thumb.Top + Thumb.Bottom) / 2;
    POINT Right = At(Track, Thumb.Right + 20, Y);
    FDesktop.Click(Right.x, Right.y);
    FDesktop.Pump();
    EXPECT_EQ(Track->Position(), 7);
    EXPECT_TRUE(Track->Focused());

    // Dragging by the thumb's edge keeps the grip: the thumb's centre
    // lands on the value under the moved centre.
    const TRect Now = Track->ThumbRect();
    POINT Grip = At(Track, Now.Left + 1, Y);
    FDesktop.Advance(1000);
    FDesktop.MouseDown(Grip.x, Grip.y);
    const int Target = Track->OffsetOf(2);
    POINT To = At(Track, Target - (Track->OffsetOf(7) - Now.Left - 1), Y);
    FDesktop.MouseMove(To.x, To.y);
    FDesktop.Pump();
    EXPECT_EQ(Track->Position(), 2);
    POINT Far = At(Track, 1000, Y);
    FDesktop.MouseMove(Far.x, Far.y);
    FDesktop.MouseUp(Far.x, Far.y);
    FDesktop.Pump();
    EXPECT_EQ(Track->Position(), 10);
    EXPECT_EQ(Changes, 3);
}

TEST_F(GaugeForm, TrackGeometryAndTicks)
{
    Track->SetFrequency(3);
    EXPECT_EQ(Track->TickValues(), (std::vector<int>{0, 3, 6, 9, 10}));
    Track->SetTickStyle(tsNone);
    EXPECT_TRUE(Track->TickValues().empty());
    // The thumb's centre runs from one end of the channel to the other and
    // every value between maps back to itself.
    const TRect Channel = Track->ChannelRect();
    EXPECT_GT(Track->OffsetOf(0), Channel.Left);
    EXPECT_LT(Track->OffsetOf(10), Channel.Right);
    for (int V = 0; V <= 10; ++V)
        EXPECT_EQ(Track->PositionAt(Track->OffsetOf(V)), V);
    Track->SetOrientation(trVertical);
    EXPECT_EQ(Track->Height(), 200);
    const TRect Thumb = Track->ThumbRect();
    EXPECT_GT(Thumb.Height(), 0);
    EXPECT_LT(Thumb.Height(), Thumb.Width()) << "a vertical thumb lies across";
}

namespace
{
constexpr const char* GaugeDefinition = R"(object Window: TForm
  Caption = 'Window'
  object Load: TProgressBar
    Max = 50
    Position = 20
    Step = 5
    Smooth = True
    Orientation = pbVertical
  end
  object Early: TProgressBar
    Position = 150
    Max = 200
  end
  object Level: TTrackBar
    Orientation = trVertical
    Position = 4
    Min = 1
    Max = 7
    Frequency = 2
    TickMarks = tmBoth
    PageSize = 3
  end
end
)";

void CheckGauges(TComponent* Root)
{
    auto* Load = dynamic_cast<TProgressBar*>(Root->FindComponent("Load"));
    ASSERT_NE(Load, nullptr);
    EXPECT_EQ(Load->Max(), 50);
    EXPECT_EQ(Load->Position(), 20);
    EXPECT_EQ(Load->Step(), 5);
    EXPECT_TRUE(Load->Smooth());
    EXPECT_EQ(Load->Orientation(), pbVertical);
    auto* Level = dynamic_cast<TTrackBar*>(Root->FindComponent("Level"));
    ASSERT_NE(Level, nullptr);
    EXPECT_EQ(Level->Orientation(), trVertical);
    EXPECT_EQ(Level->Min(), 1);
    EXPECT_EQ(Level->Max(), 7);
    EXPECT_EQ(Level->Position(), 4);
    EXPECT_EQ(Level->Frequency(), 2);
    EXPECT_EQ(Level->TickMarks(), tmBoth);
    EXPECT_EQ(Level->PageSize(), 3);
    // A position given before its range is not cut to the default range.
    auto* Early = dynamic_cast<TProgressBar*>(Root->FindComponent("Early"));
    ASSERT_NE(Early, nullptr);
    EXPECT_EQ(Early->Position(), 150);
}
} // namespace

TEST_F(GuiTest, GaugesAreReadAndWrittenBack)
{
    RegisterCommonControlClasses();
    TComponent* Window = TFormReader::Create(GaugeDefinition, &FApp);
    CheckGauges(Window);
    const std::string Written = WriteFormDefinition(*Window);
    Window->Free();
    TComponent* Again = TFormReader::Create(Written, &FApp);
    CheckGauges(Again);
    Again->Free();
}
