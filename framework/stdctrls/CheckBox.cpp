#include "framework/stdctrls/CheckBox.h"

#include "framework/PropertyRegistry.h"

const TClassInfo& TCheckBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCheckBox>("TCheckBox", &TButtonControl::StaticClass())
            .Boolean("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)
            .Default(false)
            .Enum("State", &TCheckBox::State, &TCheckBox::SetState,
                  {"cbUnchecked", "cbChecked", "cbGrayed"})
            .Default(cbUnchecked)
            .Build();
    return Info;
}

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {}

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (FState == Value) return;
    FState = Value;
    Invalidate();
    if (!ComponentState().Contains(csLoading)) TButtonControl::Click();
}

void TCheckBox::Toggle()
{
    switch (FState)
    {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    }
}

void TCheckBox::Click()
{
    Toggle();
}

void TCheckBox::PaintMark(TCanvas* C, const TRect& Box)
{
    DrawCheckMark(C, Box, FState, FEnabled);
}
