// The combo box on the headless desktop: opening by click and by keys,
// picking by mouse and by arrows, event order, the layout query.

#include "../GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ListBox.h"
#include "platform/win/WinApi.h"

namespace
{
class ComboForm : public GuiTest
{
  protected:
    ComboForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 300);
        Combo = new TComboBox(Form);
        Combo->SetParent(Form);
        Combo->SetBounds(10, 10, 120, 21);
        Combo->SetStyle(csDropDownList);
        for (const char* S : {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200",
                              "230400", "460800"})
            Combo->Items()->Add(S);
        Combo->OnChange = [this](TObject*) { Events.push_back("change " + Combo->Text()); };
        Combo->OnSelect = [this](TObject*) { Events.push_back("select"); };
        Combo->OnDropDown = [this](TObject*) { Events.push_back("dropdown"); };
        Combo->OnCloseUp = [this](TObject*) { Events.push_back("closeup"); };
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(150, 10, 100, 21);
        Form->Show();
        FDesktop.Pump();
    }

    void ClickAt(const TControl* C, int X, int Y)
    {
        POINT P = At(C, X, Y);
        FDesktop.Advance(1000); // never a double click
        FDesktop.Click(P.x, P.y);
        FDesktop.Pump();
    }
    void Key(UINT Vk)
    {
        FDesktop.Press(Vk);
        FDesktop.Pump();
    }
    TCustomListBox* List() const { return Combo->ListControl(); }

    TForm* Form;
    TComboBox* Combo;
    TEdit* Other;
    std::vector<std::string> Events;
};
} // namespace

TEST_F(ComboForm, ClickOpensTheListAndClickingAnItemPicksItAndCloses)
{
    ClickAt(Combo, 30, 10);
    ASSERT_TRUE(Combo->DroppedDown());
    EXPECT_TRUE(Combo->Focused());
    auto* L = List();
    EXPECT_TRUE(IsWindowVisible(L->Handle()));
    // Below the combo box, as wide, eight items high plus its border.
    EXPECT_EQ(L->Left(), Combo->ClientOrigin().X);
    EXPECT_EQ(L->Top(), Combo->ClientOrigin().Y + 21);
    EXPECT_EQ(L->Width(), 120);
    EXPECT_EQ(L->Height(), 8 * Combo->ItemHeight() + 2);

    int H = Combo->ItemHeight();
    POINT Item = At(L, 20, 2 * H + H / 2);
    FDesktop.MouseMove(Item.x, Item.y);
    FDesktop.Pump();
    EXPECT_EQ(L->ItemIndex(), 2); // the list follows the pointer
    EXPECT_EQ(Combo->ItemIndex(), -1);
    FDesktop.Click(Item.x, Item.y);
    FDesktop.Pump();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(L->Handle()));
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Combo->Text(), "4800");
    EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "closeup", "change 4800", "select"}));
}

TEST_F(ComboForm, AClickOutsideOrOnTheComboBoxClosesWithoutPicking)
{
    Combo->SetItemIndex(1);
    for (bool OnCombo : {false, true})
    {
        Events.clear();
        ClickAt(Combo, 30, 10);
        ASSERT_TRUE(Combo->DroppedDown());
        if (OnCombo)
            ClickAt(Combo, 30, 10);
        else
            ClickAt(Form, 250, 250);
        EXPECT_FALSE(Combo->DroppedDown());
        EXPECT_EQ(Combo->ItemIndex(), 1);
        EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "closeup"}));
    }
}

TEST_F(ComboForm, KeysOpenMoveAndCommitOrCancel)
{
    Combo->SetFocus();
    Key(VK_DOWN); // closed: the selection moves at once
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_EQ(Events, (std::vector<std::string>{"change 1200", "select"}));

    Events.clear();
    Key(VK_F4);
    EXPECT_TRUE(Combo->DroppedDown());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(List()->ItemIndex(), 2);
    EXPECT_EQ(Combo->ItemIndex(), 0); // open: only the highlight moves
    Key(VK_RETURN);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "closeup", "change 4800", "select"}));

    Events.clear();
    PressWith(VK_MENU, VK_DOWN);
    EXPECT_TRUE(Combo->DroppedDown());
    Key(VK_END);
    Key(VK_ESCAPE);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "closeup"}));
    EXPECT_TRUE(Form->Visible()); // Escape did not reach the form

    struct
    {
        UINT Key;
        int Index;
    } const Steps[] = {{VK_END, 9},   {VK_UP, 8}, {VK_HOME, 0}, {VK_NEXT, 7},
                       {VK_PRIOR, 0}, {'9', 3},   {'2', 8},     {'2', 1}};
    for (const auto& Step : Steps)
    {
        Key(Step.Key);
        EXPECT_EQ(Combo->ItemIndex(), Step.Index) << Step.Key;
    }
}

TEST_F(ComboForm, TheListScrollsWhenLongerThanTheDropDownCount)
{
    Combo->SetDropDownCount(4);
    Combo->SetFocus();
    Key(VK_F4);
    Key(VK_END);
    EXPECT_EQ(List()->ItemIndex(), 9);
    EXPECT_EQ(List()->TopIndex(), 6);
    EXPECT_TRUE(List()->ScrollBarVisible());
    // A press on the scroll bar scrolls and keeps the list open.
    TRect Bar = List()->ScrollBarRect();
    POINT Up = At(List(), Bar.Left + 8, 4);
    FDesktop.Click(Up.x, Up.y);
    FDesktop.Pump();
    EXPECT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(List()->TopIndex(), 5);
}

TEST_F(ComboForm, ADragOfTheListsThumbScrollsAndPicksNothing)
{
    Combo->SetDropDownCount(4);
    Combo->SetFocus();
    Key(VK_F4);
    ASSERT_TRUE(List()->ScrollBarVisible());
    const int Picked = Combo->ItemIndex();
    TRect Bar = List()->ScrollBarRect();
    POINT Thumb = At(List(), Bar.Left + 8, 18);
    POINT Below = At(List(), Bar.Left + 8, Bar.Bottom + 40); // past the end: the last top
    FDesktop.MouseDown(Thumb.x, Thumb.y);
    FDesktop.MouseMove(Below.x, Below.y);
    FDesktop.MouseUp(Below.x, Below.y);
    FDesktop.Pump();
    EXPECT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(List()->TopIndex(), 6);
    EXPECT_EQ(Combo->ItemIndex(), Picked);
    EXPECT_EQ(GetCapture(), List()->Handle()) << "the list still holds the mouse";
}

TEST_F(ComboForm, IndexMinusOneAndOutOfRangeClearTheSelection)
{
    for (TComboBoxStyle Style : {csDropDownList, csDropDown})
    {
        Combo->SetStyle(Style);
        for (int Bad : {-1, 10, 1000, -5})
        {
            Combo->SetItemIndex(3);
            EXPECT_EQ(Combo->Text(), "9600");
            Combo->SetItemIndex(Bad);
            EXPECT_EQ(Combo->ItemIndex(), -1) << Bad;
            EXPECT_EQ(Combo->Text(), "") << Bad;
            EXPECT_EQ(SendMessage(Combo->Handle(), CB_GETCURSEL, 0, 0), CB_ERR);
        }
        EXPECT_EQ(SendMessage(Combo->Handle(), CB_SETCURSEL, 4, 0), 4);
        EXPECT_EQ(SendMessage(Combo->Handle(), CB_SETCURSEL, 99, 0), CB_ERR);
        EXPECT_EQ(Combo->ItemIndex(), -1);
    }
    EXPECT_TRUE(Events.empty()); // the program's changes raise nothing
}

TEST_F(ComboForm, TheLayoutQueryReportsTheButtonAndTheListWindow)
{
    Combo->SetBounds(10, 10, 57, 21);
    COMBOBOXINFO Info;
    ASSERT_TRUE(
        SendMessage(Combo->Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&Info)));
    EXPECT_EQ(Info.rcButton.left, 38);
    EXPECT_EQ(Info.rcButton.top, 2);
    EXPECT_EQ(Info.rcButton.right, 55);
    EXPECT_EQ(Info.rcButton.bottom, 19);
    EXPECT_EQ(Info.hwndCombo, Combo->Handle());
    EXPECT_EQ(Info.hwndItem, nullptr);
    EXPECT_EQ(Info.hwndList, List()->Handle());
    EXPECT_EQ(SendMessage(Combo->Handle(), CB_GETDROPPEDSTATE, 0, 0), 0);
    SendMessage(Combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(SendMessage(Combo->Handle(), CB_GETDROPPEDSTATE, 0, 0), 1);
    Combo->SetDroppedDown(false);
    EXPECT_FALSE(Combo->DroppedDown());

    Info.cbSize = 3;
    EXPECT_FALSE(Combo->GetComboBoxInfo(Info));
    Info.cbSize = sizeof(Info);
    EXPECT_FALSE(GetComboBoxInfo(Other->Handle(), &Info)); // not a combo box
    EXPECT_TRUE(GetComboBoxInfo(Combo->Handle(), &Info));
    Combo->SetStyle(csDropDown);
    Info.cbSize = sizeof(Info);
    ASSERT_TRUE(Combo->GetComboBoxInfo(Info));
    EXPECT_NE(Info.hwndItem, nullptr);
}

TEST_F(ComboForm, TheEditableStyleTypesAndOpensOnlyFromTheButton)
{
    Combo->SetStyle(csDropDown);
    int Enters = 0, Exits = 0;
    Combo->OnEnter = [&](TObject*) { ++Enters; };
    Combo->OnExit = [&](TObject*) { ++Exits; };
    Other->SetFocus();
    ClickAt(Combo, 20, 10); // the text area: no list
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Enters, 1);
    FDesktop.Press('9');
    FDesktop.Press('6');
    FDesktop.Press('0');
    FDesktop.Press('0');
    FDesktop.Pump();
    EXPECT_EQ(Combo->Text(), "9600");
    EXPECT_EQ(Combo->ItemIndex(), 3); // the typed text matches an item
    EXPECT_EQ(Events.size(), 4u);
    Key(VK_DOWN);
    EXPECT_EQ(Combo->Text(), "19200");
    TRect Button = Combo->ButtonRect();
    ClickAt(Combo, Button.Left + 5, 10);
    EXPECT_TRUE(Combo->DroppedDown());
    ClickAt(Other, 5, 5); // closes the list and is used up
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Exits, 0);
    ClickAt(Other, 5, 5);
    EXPECT_TRUE(Other->Focused());
    EXPECT_EQ(Exits, 1);
    PressWith(VK_SHIFT, VK_TAB); // back in by keyboard: the text is selected
    EXPECT_EQ(Enters, 2);
    EXPECT_EQ(Combo->ListControl()->Parent(), nullptr);
    // The counters go out of scope before the fixture tears the form down,
    // which moves the focus once more.
    Combo->OnEnter = {};
    Combo->OnExit = {};
}

TEST_F(ComboForm, DisabledComboBoxDoesNotOpenAndGreysItsArrow)
{
    Combo->SetItemIndex(0);
    Combo->SetEnabled(false);
    ClickAt(Combo, 30, 10);
    Combo->SetDroppedDown(true);
    EXPECT_FALSE(Combo->DroppedDown());
    FDesktop.Pump();
    TRect B = Combo->ButtonRect();
    TPoint Origin = Combo->ClientOrigin();
    bool Shadow = false, Black = false;
    for (int X = B.Left; X < B.Right; ++X)
        for (int Y = B.Top; Y < B.Bottom; ++Y)
        {
            TColor P = FDesktop.ScreenPixel(Origin.X + X, Origin.Y + Y);
            Shadow |= P == ColorToRGB(clBtnShadow);
            Black |= P == ColorToRGB(clBtnText);
        }
    EXPECT_TRUE(Shadow);
    EXPECT_FALSE(Black);
}

TEST_F(ComboForm, TheSimpleStyleShowsItsListBelowTheEdit)
{
    Combo->SetStyle(csSimple);
    Combo->SetHeight(120);
    TCustomListBox* L = List();
    EXPECT_TRUE(IsWindowVisible(L->Handle()));
    EXPECT_EQ(GetParent(L->Handle()), Combo->Handle());
    EXPECT_EQ(L->Top(), Combo->ItemRect().Bottom + 2);
    COMBOBOXINFO Info;
    ASSERT_TRUE(Combo->GetComboBoxInfo(Info));
    EXPECT_TRUE(Info.stateButton & STATE_SYSTEM_INVISIBLE);
    ClickAt(L, 20, Combo->ItemHeight() * 4 + 2);
    EXPECT_EQ(Combo->ItemIndex(), 4);
    EXPECT_EQ(Combo->Text(), "19200");
    EXPECT_EQ(Events, (std::vector<std::string>{"change 19200", "select"}));
    Key(VK_F4); // no drop-down in this style
    EXPECT_FALSE(Combo->DroppedDown());
}

TEST_F(ComboForm, TheDroppedListIsAsWideAsItsLongestItem)
{
    TCanvas Measure;
    Measure.SetFont(Combo->Font());
    const auto Widest = [&]
    {
        int W = 0;
        for (int I = 0; I < Combo->Items()->Count(); ++I)
            W = std::max(W, Measure.TextWidth(Combo->Items()->Strings(I)));
        return W;
    };
    struct
    {
        int Left;  // of the form
        int Width; // of the box
        int Ports;
        bool Wider;
    } const Cases[] = {
        {40, 120, 4, false}, // the items fit: as wide as the box
        {40, 30, 4, true},   // wider, to the right of the box's left edge
        {40, 30, 12, true},  // with the scroll bar beside the items
        {755, 30, 12, true}, // held on the screen at its right edge
    };
    for (const auto& C : Cases)
    {
        Form->SetBounds(C.Left, 40, 300, 300);
        Combo->SetBounds(10, 10, C.Width, 21);
        Combo->Items()->Clear();
        for (int I = 0; I < C.Ports; ++I)
            Combo->Items()->Add("COM" + std::to_string(255 - I));
        Combo->Items()->Add("COM1");
        FDesktop.Pump();
        Combo->SetDroppedDown(true);
        FDesktop.Pump();
        auto* L = List();
        RECT Box{}, Dropped{};
        GetWindowRect(Combo->Handle(), &Box);
        GetWindowRect(L->Handle(), &Dropped);
        const std::string Case = std::to_string(C.Left) + " " + std::to_string(C.Width);
        EXPECT_EQ(Dropped.right - Dropped.left > C.Width, C.Wider) << Case;
        if (!C.Wider)
        {
            EXPECT_EQ(Dropped.right - Dropped.left, C.Width) << Case;
        }
        for (int I = 0; I < L->Count(); ++I)
            EXPECT_GE(L->ItemRect(I).Width(), Widest() + 4) << Case << " " << I;
        EXPECT_EQ(Dropped.left, std::min<LONG>(Box.left, GetSystemMetrics(SM_CXSCREEN) -
                                                             (Dropped.right - Dropped.left)))
            << Case;
        EXPECT_LE(Dropped.right, GetSystemMetrics(SM_CXSCREEN)) << Case;
        Combo->SetDroppedDown(false);
    }
}
