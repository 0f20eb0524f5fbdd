#include "framework/stdctrls/RadioButton.h"

#include "framework/PropertyRegistry.h"
#include "framework/stdctrls/CheckMark.h"
#include "platform/win/WinApi.h"

#include <vector>

const TClassInfo& TRadioButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TRadioButton>("TRadioButton", &TButtonControl::StaticClass())
            .Boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
            .Default(false)
            .Build();
    return Info;
}

const TMessageMap& TRadioButton::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TButtonControl::StaticMessages())
                                       .On(WM_GETDLGCODE, &TRadioButton::WMGetDlgCode)
                                       .On(WM_KEYDOWN, &TRadioButton::WMKeyDown)
                                       .On(CM_ENABLEDCHANGED, &TRadioButton::CMEnabledChanged);
    return Map;
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    FTabStop = false;
}

void TRadioButton::SetChecked(bool Value)
{
    if (FChecked == Value) return;
    FChecked = Value;
    Invalidate();
    if (Value)
        if (TWinControl* P = Parent())
            for (int I = 0; I < P->ControlCount(); ++I)
                if (auto* Other = dynamic_cast<TRadioButton*>(P->Controls(I));
                    Other && Other != this)
                    Other->SetChecked(false);
    UpdateTabStops();
    if (Value && !ComponentState().Contains(csLoading)) TButtonControl::Click();
}

void TRadioButton::SetParent(TWinControl* AParent)
{
    TWinControl* Old = Parent();
    TButtonControl::SetParent(AParent);
    if (Old && Old != AParent)
        for (int I = 0; I < Old->ControlCount(); ++I)
            if (auto* R = dynamic_cast<TRadioButton*>(Old->Controls(I)))
            {
                R->UpdateTabStops();
                break;
            }
    UpdateTabStops();
}

void TRadioButton::UpdateTabStops()
{
    TWinControl* P = Parent();
    if (!P)
    {
        SetTabStop(FChecked);
        return;
    }
    std::vector<TRadioButton*> Group;
    for (int I = 0; I < P->ControlCount(); ++I)
        if (auto* R = dynamic_cast<TRadioButton*>(P->Controls(I))) Group.push_back(R);
    TRadioButton* Stop = nullptr;
    for (TRadioButton* R : Group)
        if (R->FChecked) Stop = R;
    for (TRadioButton* R : Group)
        if (!Stop && R->Enabled()) Stop = R;
    for (TRadioButton* R : Group)
        R->SetTabStop(R == Stop);
}

void TRadioButton::Click()
{
    SetChecked(true);
}

void TRadioButton::PaintMark(TCanvas* C, const TRect& Box)
{
    DrawRadioMark(C, Box, FChecked, FEnabled);
}

TRadioButton* TRadioButton::Neighbour(int Step)
{
    TWinControl* P = Parent();
    if (!P) return this;
    std::vector<TRadioButton*> Group;
    for (int I = 0; I < P->ControlCount(); ++I)
        if (auto* R = dynamic_cast<TRadioButton*>(P->Controls(I))) Group.push_back(R);
    const int N = static_cast<int>(Group.size());
    int At = 0;
    while (At < N && Group[static_cast<size_t>(At)] != this)
        ++At;
    for (int Moved = 1; Moved < N; ++Moved)
    {
        TRadioButton* R = Group[static_cast<size_t>(((At + Step * Moved) % N + N) % N)];
        if (R->CanFocus()) return R;
    }
    return this;
}

void TRadioButton::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_BUTTON | DLGC_WANTARROWS;
}

void TRadioButton::WMKeyDown(TMessage& M)
{
    const WPARAM Key = M.WParam;
    const bool Back = Key == VK_LEFT || Key == VK_UP;
    const bool Forward = Key == VK_RIGHT || Key == VK_DOWN;
    if (Back || Forward)
    {
        if (DoKeyDown(M)) return;
        TRadioButton* Next = Neighbour(Forward ? 1 : -1);
        if (Next == this) return;
        Next->SetFocus();
        Next->SetChecked(true);
        return;
    }
    TButtonControl::WMKeyDown(M);
}

void TRadioButton::CMEnabledChanged(TMessage& M)
{
    TButtonControl::CMEnabledChanged(M);
    UpdateTabStops();
}
