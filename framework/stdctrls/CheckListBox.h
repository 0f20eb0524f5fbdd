#pragma once

#include "framework/stdctrls/CheckMark.h"
#include "framework/stdctrls/ListBox.h"

// A list box whose items carry a check box. A press on an item's box, or
// Space on the selected item, toggles it (through the grayed state when
// AllowGrayed) and runs ClickCheck (OnClickCheck); disabled items keep
// their state.
class TCheckListBox : public TCustomListBox
{
  public:
    explicit TCheckListBox(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    bool Checked(int Index) const { return State(Index) == cbChecked; }
    void SetChecked(int Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State(int Index) const;
    void SetState(int Index, TCheckBoxState Value);
    bool ItemEnabled(int Index) const;
    void SetItemEnabled(int Index, bool Value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }

    TNotifyEvent OnClickCheck;

  protected:
    void DrawItem(int Index, const TRect& R, bool Selected, bool Focus) override;
    virtual void ClickCheck() { OnClickCheck(this); }
    void Toggle(int Index);
    // The check box of an item drawn into R.
    static TRect CheckBoxRect(const TRect& R);

    void WMLButtonDown(TMessage& M);
    void WMLButtonDblClk(TMessage& M);
    void WMKeyDown(TMessage& M);

  private:
    bool FAllowGrayed = false;
};
