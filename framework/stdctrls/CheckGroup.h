#pragma once

#include "framework/controls/GroupBox.h"
#include "framework/stdctrls/GroupButtons.h"

// A group box holding one check box per line of Items, in Columns columns.
// OnClick runs when any of them toggles.
class TCheckGroup : public TGroupBox
{
  public:
    explicit TCheckGroup(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TStringList* Items() const { return FButtons.Items(); }
    void SetItems(const TStrings* Value) { FButtons.SetItems(Value); }
    int Columns() const { return FButtons.Columns(); }
    void SetColumns(int Value) { FButtons.SetColumns(Value); }
    // False outside the items.
    bool Checked(int Index) const { return FButtons.Checked(Index); }
    void SetChecked(int Index, bool Value) { FButtons.SetChecked(Index, Value); }
    // The check box of item Index, or null.
    TButtonControl* Buttons(int Index) const { return FButtons.Button(Index); }

    void AlignControls(TRect& Rect) override;

  private:
    TGroupButtons FButtons;
};
