#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/stdctrls/ItemStrings.h"
#include "framework/stdctrls/StdCtrlMessages.h"

#include <algorithm>
#include <memory>

class TComboEdit;
class TComboList;
class TCustomListBox;

enum TComboBoxStyle
{
    csDropDown,    // an edit with a drop-down list
    csSimple,      // an edit with a list always shown below it
    csDropDownList // pick only: the selected item and a drop-down list
};
inline const std::vector<std::string>& ComboBoxStyleNames()
{
    static const std::vector<std::string> Names = {"csDropDown", "csSimple", "csDropDownList"};
    return Names;
}

// A combo box: a text (editable, or the selected item), a list of items and,
// except in the simple style, a button that drops the list down in a popup
// window below (or above, where there is no room below) the control. The
// list is as wide as the control and shows DropDownCount items, scrolling
// when there are more; it is drawn in the combo box's Color and Font.
//
// Mouse: a press on the button (anywhere in the pick-only style) opens or
// closes the list; while it is open the list follows the pointer, a release
// on an item picks it and a press outside closes it. Keyboard: F4 and
// Alt+Up/Down open and close; Up, Down, Home, End, Page Up and Page Down
// move the selection (inside the open list: the highlight, taken by Enter,
// dropped by Escape); in the pick-only style a character selects the next
// item that starts with it.
//
// Events: OnDropDown before the list opens (a handler may still fill it);
// OnCloseUp when it closes; a selection the user makes runs OnChange, then
// OnSelect, after OnCloseUp when it comes from the list. Editing the text
// runs OnChange. The program setting ItemIndex or Text runs no event.
class TCustomComboBox : public TCustomControl
{
  public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    TItemStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* Value) { FItems->Assign(Value); }
    // -1, or any index outside the list, clears the selection (and, in the
    // editable styles, the text).
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value) { FItems->SetSorted(Value); }
    // Height of a list item; 0: the font's line height.
    int ItemHeight() const;
    void SetItemHeight(int Value);
    bool IsItemHeightStored() const { return FItemHeight > 0; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = std::max(Value, 1); }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);

    // Whether the list is open; setting it opens or closes it (closing
    // keeps the selection).
    bool DroppedDown() const { return FDropped; }
    void SetDroppedDown(bool Value);
    // The parts' places (also answered to CB_GETCOMBOBOXINFO): false when
    // Info is not a COMBOBOXINFO of the right size.
    bool GetComboBoxInfo(COMBOBOXINFO& Info);
    // The drop-down button in client coordinates (empty in the simple style).
    TRect ButtonRect() const;
    // Where the text is shown or edited.
    TRect ItemRect() const;
    // The list's window, created when first asked for.
    TCustomListBox* ListControl();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

  protected:
    void CreateHandle() override;
    void Paint() override;
    std::string GetText() const override;
    void DefaultHandler(TMessage& Message) override;
    void BoundsChanged() override;

    virtual void Change() { OnChange(this); }
    virtual void Select() { OnSelect(this); }
    virtual void DropDown() { OnDropDown(this); }
    virtual void CloseUp() { OnCloseUp(this); }

    void WMGetDlgCode(TMessage& M);
    void WMSetFocus(TMessage& M);
    void WMKillFocus(TMessage& M);
    void WMLButtonDown(TMessage& M);
    void CBGetCount(TMessage& M);
    void CBGetCurSel(TMessage& M);
    void CBSetCurSel(TMessage& M);
    void CBShowDropDown(TMessage& M);
    void CBGetDroppedState(TMessage& M);
    void CBGetComboBoxInfo(TMessage& M);
    void CMTextChanged(TMessage& M);
    void CMEnabledChanged(TMessage& M);
    void CMFontChanged(TMessage& M);
    void CMColorChanged(TMessage& M);

  private:
    friend class TComboEdit;
    friend class TComboList;

    // A key for the combo box (from itself or its edit); true when taken.
    bool ComboKey(UINT Key, bool Alt);
    void OpenList();
    // Closes the list; Commit takes its highlighted item.
    void CloseList(bool Commit);
    void UserSelect(int Index);
    void ShowItemText();
    void EditChanged();
    void FocusLeaving(HWND NewFocus);
    void ItemsChanged();
    void UpdateChildren();
    void SetButtonPressed(bool Value);

    TComboBoxStyle FStyle = csDropDown;
    std::unique_ptr<TItemStrings> FItems;
    int FItemIndex = -1;
    int FItemHeight = 0;
    int FDropDownCount = 8;
    int FMaxLength = 0;
    bool FDropped = false;
    bool FButtonPressed = false;
    bool FShowingText = false;
    bool FInKillFocus = false;
    TComboEdit* FEditor = nullptr;
    TComboList* FList = nullptr;
};

class TComboBox : public TCustomComboBox
{
  public:
    using TCustomComboBox::TCustomComboBox;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
