#pragma once

#include "framework/stdctrls/GroupButtons.h"
#include "skin/SUIGroupBox.h"

// The skinned group box holding one skinned radio button per line of
// Items, in Columns columns; ItemIndex is the checked one (-1 for none).
// The buttons take the group's style and theme. OnClick runs when
// ItemIndex changes, by the user or a setter.
class TsuiRadioGroup : public TsuiGroupBox
{
  public:
    explicit TsuiRadioGroup(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TStringList* Items() const { return FButtons.Items(); }
    void SetItems(const TStrings* Value) { FButtons.SetItems(Value); }
    int ItemIndex() const { return FButtons.ItemIndex(); }
    void SetItemIndex(int Value) { FButtons.SetItemIndex(Value); }
    int Columns() const { return FButtons.Columns(); }
    void SetColumns(int Value) { FButtons.SetColumns(Value); }
    // The radio button of item Index, or null.
    TButtonControl* Buttons(int Index) const { return FButtons.Button(Index); }

    void AlignControls(TRect& Rect) override;

  protected:
    void Loaded() override;

  private:
    TGroupButtons FButtons;
};
