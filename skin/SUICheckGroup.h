#pragma once

#include "framework/stdctrls/GroupButtons.h"
#include "skin/SUIGroupBox.h"

// The skinned group box holding one skinned check box per line of
// Items, in Columns columns.
// The buttons take the group's style and theme. OnClick runs when
// any of them toggles.
class TsuiCheckGroup : public TsuiGroupBox
{
  public:
    explicit TsuiCheckGroup(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TStringList* Items() const { return FButtons.Items(); }
    void SetItems(const TStrings* Value) { FButtons.SetItems(Value); }
    // False outside the items.
    bool Checked(int Index) const { return FButtons.Checked(Index); }
    void SetChecked(int Index, bool Value) { FButtons.SetChecked(Index, Value); }
    int Columns() const { return FButtons.Columns(); }
    void SetColumns(int Value) { FButtons.SetColumns(Value); }
    // The check box of item Index, or null.
    TButtonControl* Buttons(int Index) const { return FButtons.Button(Index); }

    void AlignControls(TRect& Rect) override;

  private:
    TGroupButtons FButtons;
};
