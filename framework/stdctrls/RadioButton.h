#pragma once

#include "framework/stdctrls/ButtonControl.h"

// A radio button: checking it unchecks the radio buttons that share its
// parent. A click checks it; the arrow keys move the focus to the previous
// or next enabled radio button of the parent (wrapping) and check that one.
// One button of a group is a tab stop: the checked one, or the first
// enabled one while none is checked, so Tab always reaches the group. OnClick
// runs when the
// button becomes checked, by a click or a setter; reading a form definition
// runs none.
class TRadioButton : public TButtonControl
{
  public:
    explicit TRadioButton(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

    void Click() override;
    void SetParent(TWinControl* AParent) override;

  protected:
    void PaintMark(TCanvas* C, const TRect& Box) override;
    // The enabled, visible radio button Step places away among the parent's
    // radio buttons (wrapping), or this one.
    TRadioButton* Neighbour(int Step);

    // Gives the tab stop of this button's group to the one that holds it.
    void UpdateTabStops();

    void WMGetDlgCode(TMessage& M);
    void WMKeyDown(TMessage& M);
    void CMEnabledChanged(TMessage& M);

  private:
    bool FChecked = false;
};
