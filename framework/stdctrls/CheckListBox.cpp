#include "framework/stdctrls/CheckListBox.h"

#include "framework/PropertyRegistry.h"
#include "platform/win/WinApi.h"

namespace
{
// Item state word: the check state in the low bits, a disabled flag above.
constexpr int StateMask = 0x3;
constexpr int DisabledFlag = 0x4;
constexpr int BoxSize = 13;
constexpr int BoxRoom = BoxSize + 4;
} // namespace

const TClassInfo& TCheckListBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCheckListBox>("TCheckListBox", &TCustomListBox::StaticClass())
            .Boolean("AllowGrayed", &TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed)
            .Default(false)
            .Enum("BorderStyle", &TCheckListBox::BorderStyle, &TCheckListBox::SetBorderStyle,
                  ControlBorderStyleNames())
            .Default(bsSingle)
            .Integer("ItemHeight", &TCheckListBox::ItemHeight, &TCheckListBox::SetItemHeight)
            .Stored(&TCheckListBox::IsItemHeightStored)
            .Strings("Items", &TCheckListBox::Items, &TCheckListBox::SetItems)
            .Integer("ItemIndex", &TCheckListBox::ItemIndex, &TCheckListBox::SetItemIndex)
            .Default(-1)
            .Boolean("Sorted", &TCheckListBox::Sorted, &TCheckListBox::SetSorted)
            .Default(false)
            .Boolean("TabStop", &TCheckListBox::TabStop, &TCheckListBox::SetTabStop)
            .Default(true)
            .Event("OnClickCheck", &TCheckListBox::OnClickCheck)
            .Build();
    return Info;
}

const TMessageMap& TCheckListBox::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomListBox::StaticMessages())
                                       .On(WM_LBUTTONDOWN, &TCheckListBox::WMLButtonDown)
                                       .On(WM_LBUTTONDBLCLK, &TCheckListBox::WMLButtonDblClk)
                                       .On(WM_KEYDOWN, &TCheckListBox::WMKeyDown);
    return Map;
}

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

TCheckBoxState TCheckListBox::State(int Index) const
{
    return static_cast<TCheckBoxState>(Items()->State(Index) & StateMask);
}

void TCheckListBox::SetState(int Index, TCheckBoxState Value)
{
    Items()->SetState(Index, (Items()->State(Index) & ~StateMask) | Value);
}

bool TCheckListBox::ItemEnabled(int Index) const
{
    return !(Items()->State(Index) & DisabledFlag);
}

void TCheckListBox::SetItemEnabled(int Index, bool Value)
{
    int S = Items()->State(Index) & ~DisabledFlag;
    Items()->SetState(Index, Value ? S : S | DisabledFlag);
}

void TCheckListBox::Toggle(int Index)
{
    if (Index < 0 || Index >= Count() || !ItemEnabled(Index)) return;
    TCheckBoxState Next = cbUnchecked;
    switch (State(Index))
    {
    case cbUnchecked:
        Next = FAllowGrayed ? cbGrayed : cbChecked;
        break;
    case cbGrayed:
        Next = cbChecked;
        break;
    case cbChecked:
        Next = cbUnchecked;
        break;
    }
    SetState(Index, Next);
    ClickCheck();
}

TRect TCheckListBox::CheckBoxRect(const TRect& R)
{
    int Top = R.Top + (R.Height() - BoxSize) / 2;
    return {R.Left + 2, Top, R.Left + 2 + BoxSize, Top + BoxSize};
}

void TCheckListBox::DrawItem(int Index, const TRect& R, bool Selected, bool Focus)
{
    TCanvas* C = Canvas();
    // The state first: what the box and the text look like.
    TCheckBoxState Check = State(Index);
    bool Usable = Enabled() && ItemEnabled(Index);

    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect({R.Left, R.Top, R.Left + BoxRoom, R.Bottom});
    DrawCheckMark(C, CheckBoxRect(R), Check, Usable);
    TRect Text{R.Left + BoxRoom, R.Top, R.Right, R.Bottom};
    C->Brush()->SetColor(Selected ? clHighlight : Color());
    C->FillRect(Text);
    DrawItemText(Index, Text, !Usable ? clGrayText : Selected ? clHighlightText : Font()->Color());
    if (Focus) C->DrawFocusRect(Text);
}

void TCheckListBox::WMLButtonDown(TMessage& M)
{
    TPoint P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    int Index = ItemAtPos(P);
    TCustomListBox::WMLButtonDown(M);
    if (Index >= 0 && P.X < ItemRect(Index).Left + BoxRoom) Toggle(Index);
}

void TCheckListBox::WMLButtonDblClk(TMessage& M)
{
    // The second press of a quick pair on a box toggles again, as a
    // separate press would.
    TPoint P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    int Index = ItemAtPos(P);
    if (Index >= 0 && P.X < ItemRect(Index).Left + BoxRoom) Toggle(Index);
    TCustomListBox::WMLButtonDblClk(M);
}

void TCheckListBox::WMKeyDown(TMessage& M)
{
    if (M.WParam == VK_SPACE && !DoKeyDown(M))
    {
        Toggle(ItemIndex());
        return;
    }
    TCustomListBox::WMKeyDown(M);
}
