// List box and check list box with real input on the headless desktop.

#include "../GuiFixture.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/CheckListBox.h"
#include "platform/win/WinApi.h"

namespace
{
class ListForm : public GuiTest
{
  protected:
    ListForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 250);
        List = new TCheckListBox(Form);
        List->SetParent(Form);
        List->SetBounds(10, 10, 150, 4 * 16 + 4);
        List->SetItemHeight(16);
        for (const char* S : {"Read", "Write", "Verify", "Log", "Beep", "Retry"})
            List->Items()->Add(S);
        List->OnClickCheck = [this](TObject*) { ++Checks; };
        List->OnClick = [this](TObject*) { ++Clicks; };
        Form->Show();
        FDesktop.Pump();
    }
    void ClickAt(int X, int Y)
    {
        POINT P = At(List, X, Y);
        FDesktop.Advance(1000); // never a double click
        FDesktop.Click(P.x, P.y);
        FDesktop.Pump();
    }

    TForm* Form;
    TCheckListBox* List;
    int Checks = 0;
    int Clicks = 0;
};
} // namespace

TEST_F(ListForm, ClickOnTheBoxTogglesAndOnTheTextOnlySelects)
{
    ClickAt(8, 16 + 8); // box of "Write"
    EXPECT_TRUE(List->Checked(1));
    EXPECT_EQ(List->ItemIndex(), 1);
    ClickAt(80, 16 + 8); // its text
    EXPECT_TRUE(List->Checked(1));
    ClickAt(8, 16 + 8);
    EXPECT_FALSE(List->Checked(1));
    EXPECT_EQ(Checks, 2);
    EXPECT_EQ(Clicks, 1); // the selection changed once

    // A quick second press on the box toggles again.
    POINT Box = At(List, 8, 8);
    FDesktop.Click(Box.x, Box.y);
    FDesktop.Click(Box.x, Box.y);
    FDesktop.Pump();
    EXPECT_FALSE(List->Checked(0));
    EXPECT_EQ(Checks, 4);
}

TEST_F(ListForm, SpaceTogglesTheSelectedItemThroughGrayedWhenAllowed)
{
    List->SetFocus();
    FDesktop.Press(VK_DOWN);
    FDesktop.Press(VK_DOWN);
    FDesktop.Press(VK_SPACE);
    FDesktop.Pump();
    EXPECT_EQ(List->ItemIndex(), 1);
    EXPECT_TRUE(List->Checked(1));
    List->SetAllowGrayed(true);
    std::vector<TCheckBoxState> Seen;
    for (int I = 0; I < 3; ++I)
    {
        FDesktop.Press(VK_SPACE);
        FDesktop.Pump();
        Seen.push_back(List->State(1));
    }
    EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbUnchecked, cbGrayed, cbChecked}));
    List->SetItemEnabled(1, false);
    FDesktop.Press(VK_SPACE);
    FDesktop.Pump();
    EXPECT_TRUE(List->Checked(1)); // a disabled item keeps its state
}

TEST_F(ListForm, KeysMoveTheSelectionAndScrollIt)
{
    List->SetFocus();
    struct
    {
        UINT Key;
        int Index;
        int Top;
    } const Steps[] = {
        {VK_END, 5, 2},   {VK_HOME, 0, 0},
        {VK_NEXT, 3, 0},  {VK_NEXT, 5, 2},
        {VK_PRIOR, 2, 2}, {'V', 2, 2} /* "Verify" is already selected: wraps to itself */,
        {'R', 5, 2},      {'R', 0, 0}};
    for (const auto& Step : Steps)
    {
        FDesktop.Press(Step.Key);
        FDesktop.Pump();
        EXPECT_EQ(List->ItemIndex(), Step.Index) << Step.Key;
        EXPECT_EQ(List->TopIndex(), Step.Top) << Step.Key;
    }
}

TEST_F(ListForm, TheScrollBarScrollsAndIndexOutsideClearsTheSelection)
{
    ASSERT_TRUE(List->ScrollBarVisible());
    TRect Bar = List->ScrollBarRect();
    ClickAt(Bar.Left + 8, Bar.Bottom - 4); // down arrow
    EXPECT_EQ(List->TopIndex(), 1);
    ClickAt(Bar.Left + 8, 4); // up arrow
    EXPECT_EQ(List->TopIndex(), 0);
    POINT P = At(List, 20, 20);
    FDesktop.Wheel(P.x, P.y, -WHEEL_DELTA); // three items down, as far as it goes
    FDesktop.Pump();
    EXPECT_EQ(List->TopIndex(), 2);
    EXPECT_EQ(List->ItemAtPos({20, 2}), 2);

    List->SetItemIndex(3);
    for (int Bad : {-1, 6, 100})
    {
        List->SetItemIndex(3);
        List->SetItemIndex(Bad);
        EXPECT_EQ(List->ItemIndex(), -1) << Bad;
    }
    List->SetItemIndex(5);
    List->Items()->Delete(5);
    EXPECT_EQ(List->ItemIndex(), -1);
}

TEST_F(ListForm, TheWindowScrollBarDragsPagesAndHidesWhenEverythingFits)
{
    // 6 items, 4 visible: the bar lies right of the items; its 32-pixel
    // track holds a 21-pixel thumb with 11 pixels to move over tops 0..2.
    TRect Bar = List->ScrollBarRect();
    EXPECT_EQ(Bar.Left, List->ClientWidth());
    EXPECT_EQ(List->ItemRect(0).Right, List->ClientWidth());
    POINT Thumb = At(List, Bar.Left + 8, 20);
    FDesktop.MouseDown(Thumb.x, Thumb.y);
    FDesktop.MouseMove(Thumb.x, Thumb.y + 6);
    FDesktop.MouseMove(Thumb.x, Thumb.y + 11);
    FDesktop.MouseUp(Thumb.x, Thumb.y + 11);
    FDesktop.Pump();
    EXPECT_EQ(List->TopIndex(), 2);
    EXPECT_EQ(Clicks, 0) << "the drag selects nothing";
    ClickAt(Bar.Left + 8, 18); // the track above the thumb
    EXPECT_EQ(List->TopIndex(), 0);

    const int Narrow = List->ClientWidth();
    List->Items()->Delete(5);
    List->Items()->Delete(4);
    EXPECT_FALSE(List->ScrollBarVisible());
    EXPECT_EQ(List->ClientWidth(), Narrow + GetSystemMetrics(SM_CXVSCROLL));
    List->Items()->Add("Again");
    EXPECT_TRUE(List->ScrollBarVisible());
    EXPECT_EQ(List->ClientWidth(), Narrow);
}

TEST(ItemStrings, SortedListsInsertInOrderWithoutRegardToCase)
{
    TItemStrings Items;
    int Changes = 0;
    Items.OnChanged = [&] { ++Changes; };
    for (const char* S : {"node", "Beta", "alpha", "Zulu"})
        Items.Add(S);
    Items.SetSorted(true);
    EXPECT_EQ(Items.CommaText(), "alpha,Beta,node,Zulu");
    EXPECT_EQ(Items.Add("charlie"), 2);
    Items.BeginUpdate();
    Items.Add("x");
    Items.Add("y");
    Items.EndUpdate();
    EXPECT_EQ(Changes, 4 + 1 + 1 + 1); // one for the batch
}

TEST(ListProperties, ItemHeightIsStoredOnlyWhenSet)
{
    TCheckListBox List(nullptr);
    const TPropInfo* Height = TCheckListBox::StaticClass().FindProperty("ItemHeight");
    ASSERT_NE(Height, nullptr);
    EXPECT_FALSE(IsStoredProp(List, *Height));
    EXPECT_GT(List.ItemHeight(), 0); // the font's line height
    List.SetItemHeight(18);
    EXPECT_TRUE(IsStoredProp(List, *Height));
}
