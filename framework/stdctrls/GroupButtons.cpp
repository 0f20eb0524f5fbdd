#include "framework/stdctrls/GroupButtons.h"

#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/RadioButton.h"

#include <algorithm>

namespace
{
// The gap at the left of each column.
constexpr int ColumnInset = 6;
} // namespace

TGroupButtons::TGroupButtons(TWinControl& Group, TMake Make)
    : FGroup(Group), FMake(std::move(Make)), FItems(std::make_unique<TStringList>())
{
    FItems->OnChange = [this](TObject*) { Update(); };
}

TGroupButtons::~TGroupButtons()
{
    FItems->OnChange = {};
}

void TGroupButtons::SetColumns(int Value)
{
    Value = std::clamp(Value, 1, 16);
    if (FColumns == Value) return;
    FColumns = Value;
    FGroup.Realign();
}

TButtonControl* TGroupButtons::Button(int Index) const
{
    return Index >= 0 && Index < Count() ? FButtons[static_cast<size_t>(Index)] : nullptr;
}

void TGroupButtons::SetItemIndex(int Value)
{
    if (FGroup.ComponentState().Contains(csLoading))
    {
        FLoadedIndex = Value;
        return;
    }
    if (Value < -1 || Value >= FItems->Count() || Value == FItemIndex) return;
    FItemIndex = Value;
    FUpdating = true;
    for (int I = 0; I < Count(); ++I)
        if (auto* R = dynamic_cast<TRadioButton*>(Button(I))) R->SetChecked(I == Value);
    FUpdating = false;
    OnClick(&FGroup);
}

void TGroupButtons::Loaded()
{
    // Quietly: reading a definition is no change a handler hears of.
    if (FLoadedIndex >= -1 && FLoadedIndex < FItems->Count()) FItemIndex = FLoadedIndex;
    Update();
}

bool TGroupButtons::Checked(int Index) const
{
    auto* C = dynamic_cast<TCheckBox*>(Button(Index));
    return C && C->Checked();
}

void TGroupButtons::SetChecked(int Index, bool Value)
{
    if (auto* C = dynamic_cast<TCheckBox*>(Button(Index))) C->SetChecked(Value);
}

void TGroupButtons::ButtonClicked(int Index)
{
    if (FUpdating) return;
    if (auto* R = dynamic_cast<TRadioButton*>(Button(Index)))
    {
        if (!R->Checked() || FItemIndex == Index) return;
        FItemIndex = Index;
    }
    OnClick(&FGroup);
}

void TGroupButtons::Update()
{
    const int Wanted = FItems->Count();
    while (Count() > Wanted)
    {
        delete FButtons.back();
        FButtons.pop_back();
    }
    while (Count() < Wanted)
    {
        const int Index = Count();
        TButtonControl* B = FMake(&FGroup);
        B->OnClick = [this, Index](TObject*) { ButtonClicked(Index); };
        FButtons.push_back(B);
    }
    if (FItemIndex >= Wanted) FItemIndex = -1;
    FUpdating = true;
    for (int I = 0; I < Wanted; ++I)
    {
        TButtonControl* B = FButtons[static_cast<size_t>(I)];
        B->SetCaption(FItems->Strings(I));
        if (auto* R = dynamic_cast<TRadioButton*>(B)) R->SetChecked(I == FItemIndex);
    }
    FUpdating = false;
    FGroup.Realign();
}

void TGroupButtons::Arrange(const TRect& Rect)
{
    if (FButtons.empty()) return;
    const int Rows = (Count() + FColumns - 1) / FColumns;
    const int ColumnWidth = Rect.Width() / FColumns;
    const int RowHeight = std::max(1, Rect.Height() / Rows);
    for (int I = 0; I < Count(); ++I)
    {
        const int Column = I / Rows, Row = I % Rows;
        const int Left = Rect.Left + Column * ColumnWidth + ColumnInset;
        const int Top = Rect.Top + Row * RowHeight;
        FButtons[static_cast<size_t>(I)]->SetBounds(Left, Top, ColumnWidth - ColumnInset,
                                                    RowHeight);
    }
}
