#pragma once

#include "framework/stdctrls/ButtonControl.h"
#include "framework/stdctrls/CheckMark.h"

// A check box: a click (mouse, Space, accelerator) turns it on or off, or
// with AllowGrayed cycles unchecked, grayed, checked. Every change of State,
// by a click or a setter, runs OnClick once; reading a form definition runs
// none.
class TCheckBox : public TButtonControl
{
  public:
    explicit TCheckBox(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return FAllowGrayed; }
    // Only the click cycle heeds it; SetState takes cbGrayed either way.
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }

    // Moves to the next state of the cycle.
    void Toggle();
    void Click() override;

  protected:
    void PaintMark(TCanvas* C, const TRect& Box) override;

  private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
};
