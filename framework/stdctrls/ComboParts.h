#pragma once

#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ListBox.h"

class TCustomComboBox;

// The edit of a combo box in the editable styles: hands the combo box's
// keys on and reports text changes and focus loss.
class TComboEdit : public TCustomEdit
{
  public:
    TComboEdit(TCustomComboBox* Combo);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

  protected:
    void DefaultHandler(TMessage& Message) override;
    void Change() override;
    // The combo box enters and leaves with its edit.
    void DoEnter() override;
    void WMGetDlgCode(TMessage& M);
    void WMKillFocus(TMessage& M);

  private:
    TCustomComboBox* FCombo;
};

// The list of a combo box: a popup window while dropped down (it holds the
// mouse, follows the pointer and never takes the focus), or a child below
// the edit in the simple style.
class TComboList : public TCustomListBox
{
  public:
    TComboList(TCustomComboBox* Combo, bool Popup);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    bool Popup() const { return FPopup; }

  protected:
    void CreateParams(TCreateParams& Params) override;
    void UserSelect(int Index) override;
    void WMLButtonDown(TMessage& M);
    void WMLButtonDblClk(TMessage& M);
    void WMLButtonUp(TMessage& M);
    void WMCaptureChanged(TMessage& M);
    void WMMouseActivate(TMessage& M);

  private:
    TCustomComboBox* FCombo;
    bool FPopup;
};
