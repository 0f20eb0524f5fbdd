// Check boxes, radio buttons and their groups with real input on the
// headless desktop: the click cycle, Space, accelerators, exclusivity, the
// arrow keys within a group, the notifications and form definitions.

#include "../GuiFixture.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/CheckGroup.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/RadioGroup.h"
#include "framework/stdctrls/StandardControlClasses.h"
#include "platform/win/WinApi.h"

#include <vector>

namespace
{
class ToggleForm : public GuiTest
{
  protected:
    ToggleForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 400, 300);
        Form->Show();
        FDesktop.Pump();
    }
    template <class T> T* Make(TWinControl* Parent, int Y, const char* Caption)
    {
        auto* C = new T(Form);
        C->SetParent(Parent);
        C->SetBounds(10, Y, 120, 17);
        C->SetCaption(Caption);
        return C;
    }
    void ClickAt(const TControl* Control, int X, int Y)
    {
        POINT P = At(Control, X, Y);
        FDesktop.Advance(1000); // never a double click
        FDesktop.Click(P.x, P.y);
        FDesktop.Pump();
    }
    TForm* Form;
};
} // namespace

TEST_F(ToggleForm, CheckBoxClicksCycleThroughGrayedOnlyWhenAllowed)
{
    struct TCase
    {
        bool AllowGrayed;
        std::vector<TCheckBoxState> After;
    };
    const TCase Cases[] = {
        {false, {cbChecked, cbUnchecked, cbChecked}},
        {true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}},
    };
    for (const TCase& C : Cases)
    {
        auto* Box = Make<TCheckBox>(Form, 10, "&Log");
        Box->SetAllowGrayed(C.AllowGrayed);
        int Clicks = 0;
        Box->OnClick = [&](TObject*) { ++Clicks; };
        FDesktop.Pump();
        std::vector<TCheckBoxState> Seen;
        for (size_t I = 0; I < C.After.size(); ++I)
        {
            ClickAt(Box, 30, 8);
            Seen.push_back(Box->State());
        }
        EXPECT_EQ(Seen, C.After) << "AllowGrayed " << C.AllowGrayed;
        EXPECT_EQ(Clicks, static_cast<int>(C.After.size()));
        EXPECT_TRUE(Box->Focused());
        delete Box;
    }
}

TEST_F(ToggleForm, CheckBoxKeysAndSettersNotifyOncePerChange)
{
    auto* Box = Make<TCheckBox>(Form, 10, "&Log");
    auto* Other = Make<TCheckBox>(Form, 40, "Beep");
    int Clicks = 0;
    Box->OnClick = [&](TObject*) { ++Clicks; };
    FDesktop.Pump();
    Box->SetFocus();
    FDesktop.Press(VK_SPACE);
    FDesktop.Pump();
    EXPECT_TRUE(Box->Checked());
    // Space held shows the press and acts only on release.
    FDesktop.KeyDown(VK_SPACE);
    FDesktop.Pump();
    EXPECT_TRUE(Box->Pressed());
    EXPECT_TRUE(Box->Checked());
    FDesktop.KeyUp(VK_SPACE);
    FDesktop.Pump();
    EXPECT_FALSE(Box->Checked());
    // The accelerator from another control focuses and toggles.
    Other->SetFocus();
    PressWith(VK_MENU, 'L');
    EXPECT_TRUE(Box->Checked());
    EXPECT_TRUE(Box->Focused());
    EXPECT_EQ(Clicks, 3);
    Box->SetChecked(true);   // no change, no notification
    Box->SetState(cbGrayed); // a setter may gray without AllowGrayed
    EXPECT_EQ(Box->State(), cbGrayed);
    EXPECT_EQ(Clicks, 4);
}

TEST_F(ToggleForm, PressReleasedOutsideTheBoxDoesNothing)
{
    auto* Box = Make<TCheckBox>(Form, 10, "Log");
    FDesktop.Pump();
    POINT In = At(Box, 5, 8), Out = At(Box, 5, 60);
    FDesktop.MouseDown(In.x, In.y);
    FDesktop.Pump();
    EXPECT_TRUE(Box->Pressed());
    FDesktop.MouseMove(Out.x, Out.y);
    FDesktop.Pump();
    EXPECT_FALSE(Box->Pressed()); // the mouse is held: it left, the press shows no more
    FDesktop.MouseUp(Out.x, Out.y);
    FDesktop.Pump();
    EXPECT_FALSE(Box->Checked());
}

TEST_F(ToggleForm, RadioButtonsOfOneParentAreExclusiveAndArrowsMoveWithin)
{
    auto* Panel = new TForm(&FApp); // a second parent with a group of its own
    Panel->SetBounds(450, 40, 200, 200);
    Panel->Show();
    auto* Apart = Make<TRadioButton>(Panel, 10, "Apart");
    Apart->SetChecked(true);
    std::vector<TRadioButton*> R{Make<TRadioButton>(Form, 10, "A"),
                                 Make<TRadioButton>(Form, 30, "B"),
                                 Make<TRadioButton>(Form, 50, "C")};
    auto* Last = Make<TRadioButton>(Form, 70, "D");
    R.push_back(Last);
    std::vector<int> Clicks(R.size());
    for (size_t I = 0; I < R.size(); ++I)
        R[I]->OnClick = [&Clicks, I](TObject*) { ++Clicks[I]; };
    R[2]->SetEnabled(false);
    FDesktop.Pump();

    ClickAt(R[1], 30, 8);
    ClickAt(R[1], 30, 8); // a checked button stays checked
    EXPECT_TRUE(R[1]->Checked());
    EXPECT_TRUE(R[1]->TabStop());
    EXPECT_FALSE(R[0]->TabStop());
    EXPECT_TRUE(Apart->Checked()) << "another parent's group is untouched";

    struct TStep
    {
        UINT Key;
        size_t Checked; // the focused and checked one after the key
    };
    // The disabled C is skipped; the ends wrap.
    const TStep Steps[] = {{VK_DOWN, 3}, {VK_RIGHT, 0}, {VK_UP, 3}, {VK_LEFT, 1}, {VK_LEFT, 0}};
    for (const TStep& S : Steps)
    {
        FDesktop.Press(S.Key);
        FDesktop.Pump();
        for (size_t I = 0; I < R.size(); ++I)
            EXPECT_EQ(R[I]->Checked(), I == S.Checked) << "key " << S.Key << " button " << I;
        EXPECT_TRUE(R[S.Checked]->Focused());
    }
    EXPECT_EQ(Clicks, (std::vector<int>{2, 2, 0, 2}));
    delete Panel;
}

TEST_F(ToggleForm, TabReachesARadioGroupThroughOneButton)
{
    auto* Before = Make<TCheckBox>(Form, 10, "Before");
    std::vector<TRadioButton*> R{Make<TRadioButton>(Form, 30, "A"),
                                 Make<TRadioButton>(Form, 50, "B"),
                                 Make<TRadioButton>(Form, 70, "C")};
    auto* After = Make<TCheckBox>(Form, 90, "After");
    R[0]->SetEnabled(false);
    FDesktop.Pump();
    auto TabStops = [&]
    {
        std::vector<bool> Stops;
        for (TRadioButton* B : R)
            Stops.push_back(B->TabStop());
        return Stops;
    };
    // None checked: the first enabled one stands for the group.
    EXPECT_EQ(TabStops(), (std::vector<bool>{false, true, false}));
    Before->SetFocus();
    FDesktop.Press(VK_TAB);
    FDesktop.Pump();
    EXPECT_TRUE(R[1]->Focused());
    FDesktop.Press(VK_TAB);
    FDesktop.Pump();
    EXPECT_TRUE(After->Focused()) << "one stop per group";
    R[2]->SetChecked(true);
    EXPECT_EQ(TabStops(), (std::vector<bool>{false, false, true}));
    R[2]->SetChecked(false);
    EXPECT_EQ(TabStops(), (std::vector<bool>{false, true, false}));
}

TEST_F(ToggleForm, RadioGroupKeepsItemIndexAndNotifiesOncePerChange)
{
    auto* Group = new TRadioGroup(Form);
    Group->SetParent(Form);
    Group->SetBounds(10, 10, 300, 120);
    Group->SetColumns(2);
    for (const char* S : {"NO", "ODD", "EVEN"})
        Group->Items()->Add(S);
    int Clicks = 0;
    Group->OnClick = [&](TObject*) { ++Clicks; };
    FDesktop.Pump();
    ASSERT_NE(Group->Buttons(2), nullptr);
    EXPECT_EQ(Group->Buttons(2)->Caption(), "EVEN");
    // Two rows: the third item opens the second column.
    EXPECT_EQ(Group->Buttons(1)->Left(), Group->Buttons(0)->Left());
    EXPECT_GT(Group->Buttons(1)->Top(), Group->Buttons(0)->Top());
    EXPECT_GE(Group->Buttons(2)->Left(), 150);
    EXPECT_EQ(Group->Buttons(2)->Top(), Group->Buttons(0)->Top());

    ClickAt(Group->Buttons(1), 30, 5);
    EXPECT_EQ(Group->ItemIndex(), 1);
    EXPECT_EQ(Clicks, 1);
    FDesktop.Press(VK_DOWN);
    FDesktop.Pump();
    EXPECT_EQ(Group->ItemIndex(), 2);
    EXPECT_EQ(Clicks, 2);
    Group->SetItemIndex(0);
    EXPECT_TRUE(static_cast<TRadioButton*>(Group->Buttons(0))->Checked());
    EXPECT_FALSE(static_cast<TRadioButton*>(Group->Buttons(2))->Checked());
    EXPECT_EQ(Clicks, 3);
    Group->SetItemIndex(3); // no such item: refused
    EXPECT_EQ(Group->ItemIndex(), 0);
    EXPECT_EQ(Clicks, 3);
    Group->SetItemIndex(2);
    Group->Items()->Delete(2); // the checked item goes: nothing is checked
    EXPECT_EQ(Group->ItemIndex(), -1);
    EXPECT_EQ(Group->Buttons(2), nullptr);
}

TEST_F(ToggleForm, CheckGroupTogglesItsItemsApart)
{
    auto* Group = new TCheckGroup(Form);
    Group->SetParent(Form);
    Group->SetBounds(10, 10, 200, 100);
    for (const char* S : {"Read", "Write", "Verify"})
        Group->Items()->Add(S);
    int Clicks = 0;
    Group->OnClick = [&](TObject*) { ++Clicks; };
    FDesktop.Pump();
    ClickAt(Group->Buttons(0), 5, 8);
    ClickAt(Group->Buttons(2), 5, 8);
    Group->SetChecked(0, false);
    EXPECT_FALSE(Group->Checked(0));
    EXPECT_FALSE(Group->Checked(1));
    EXPECT_TRUE(Group->Checked(2));
    EXPECT_FALSE(Group->Checked(7));
    EXPECT_EQ(Clicks, 3);
}

namespace
{
constexpr const char* ToggleDefinition = R"(object Window: TForm
  Caption = 'Window'
  object Log: TCheckBox
    Caption = 'Log'
    AllowGrayed = True
    State = cbGrayed
  end
  object Fast: TRadioButton
    Caption = 'Fast'
    Checked = True
  end
  object Slow: TRadioButton
    Caption = 'Slow'
  end
  object Parity: TRadioGroup
    Caption = 'Parity'
    Columns = 2
    Items = (
      'NO'
      'ODD'
      'EVEN')
    ItemIndex = 2
  end
  object Steps: TCheckGroup
    Items = (
      'Read'
      'Write')
  end
end
)";

void CheckToggles(TComponent* Root)
{
    auto* Log = dynamic_cast<TCheckBox*>(Root->FindComponent("Log"));
    ASSERT_NE(Log, nullptr);
    EXPECT_TRUE(Log->AllowGrayed());
    EXPECT_EQ(Log->State(), cbGrayed);
    auto* Fast = dynamic_cast<TRadioButton*>(Root->FindComponent("Fast"));
    auto* Slow = dynamic_cast<TRadioButton*>(Root->FindComponent("Slow"));
    ASSERT_NE(Fast, nullptr);
    ASSERT_NE(Slow, nullptr);
    EXPECT_TRUE(Fast->Checked());
    EXPECT_FALSE(Slow->Checked());
    auto* Parity = dynamic_cast<TRadioGroup*>(Root->FindComponent("Parity"));
    ASSERT_NE(Parity, nullptr);
    EXPECT_EQ(Parity->Columns(), 2);
    EXPECT_EQ(Parity->Items()->Count(), 3);
    EXPECT_EQ(Parity->ItemIndex(), 2);
    auto* Steps = dynamic_cast<TCheckGroup*>(Root->FindComponent("Steps"));
    ASSERT_NE(Steps, nullptr);
    ASSERT_NE(Steps->Buttons(1), nullptr);
    EXPECT_EQ(Steps->Buttons(1)->Caption(), "Write");
}
} // namespace

TEST_F(GuiTest, TogglesAreReadAndWrittenBack)
{
    RegisterStandardControlClasses();
    TComponent* Window = TFormReader::Create(ToggleDefinition, &FApp);
    CheckToggles(Window);
    const std::string Written = WriteFormDefinition(*Window);
    // The group's own buttons are not part of the definition.
    EXPECT_EQ(Written.find("'EVEN'"), Written.rfind("'EVEN'"));
    EXPECT_EQ(Written.find("object ", Written.find("object Parity") + 1),
              Written.find("object Steps"));
    Window->Free();
    TComponent* Again = TFormReader::Create(Written, &FApp);
    CheckToggles(Again);
    Again->Free();
}
