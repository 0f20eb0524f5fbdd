#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/stdctrls/ItemStrings.h"

#include <memory>

// A list of text items with one selected item (ItemIndex, -1 for none),
// scrolled by the window's standard vertical scroll bar, shown while the
// items do not fit. Mouse: a press selects the item under it and a drag
// follows; the wheel and the scroll bar scroll. Keyboard: arrows, Home, End, Page Up / Down,
// and a character selects the next item starting with it. A selection the
// user makes runs Click (OnClick). Items are drawn by DrawItem, which
// descendants replace (a check list box adds its boxes; a combo box's
// drop-down list draws the same way).
class TCustomListBox : public TCustomControl
{
  public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TItemStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* Value) { FItems->Assign(Value); }
    int Count() const { return FItems->Count(); }
    // -1 or an index outside the list clears the selection.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value) { FItems->SetSorted(Value); }
    // 0: the font's line height.
    int ItemHeight() const;
    void SetItemHeight(int Value);
    bool IsItemHeightStored() const { return FItemHeight > 0; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int Value);
    // Items that fit the client area whole (at least 1).
    int VisibleCount() const;
    // The item at a client point, or -1.
    int ItemAtPos(TPoint P) const;
    // Client rectangle of an item (may lie outside the client area).
    TRect ItemRect(int Index) const;
    // Makes Index visible, scrolling as little as possible.
    void ScrollIntoView(int Index);
    bool ScrollBarVisible() const;
    // The scroll bar in client coordinates: right of the client area, empty
    // while hidden.
    TRect ScrollBarRect() const;
    // The client width that shows every item whole when Rows of them are
    // visible at once (with the scroll bar when there are more).
    int WidthForItems(int Rows) const;

  protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Resize() override;
    void Paint() override;
    void DefaultHandler(TMessage& Message) override;
    // Draws one item into R: background, text; Selected and Focus describe
    // its state.
    virtual void DrawItem(int Index, const TRect& R, bool Selected, bool Focus);
    void DrawItemText(int Index, const TRect& R, TColor TextColor);
    // A selection made by the user (mouse or keys); runs Click.
    virtual void UserSelect(int Index);
    virtual void ItemsChanged();
    // The selection follows the pointer without a button (drop-down lists).
    bool FHotTrack = false;

    void WMGetDlgCode(TMessage& M);
    void WMLButtonDown(TMessage& M);
    void WMLButtonDblClk(TMessage& M);
    void WMMouseMove(TMessage& M);
    void WMMouseWheel(TMessage& M);
    void WMSetFocus(TMessage& M);
    void WMKillFocus(TMessage& M);
    void LBGetCurSel(TMessage& M);
    void LBSetCurSel(TMessage& M);
    void LBGetCount(TMessage& M);
    void LBGetTopIndex(TMessage& M);
    void LBSetTopIndex(TMessage& M);
    void WMVScroll(TMessage& M);
    void CMFontChanged(TMessage& M);

  private:
    // Hands range, page and top index to the window's scroll bar.
    void UpdateScrollBar();
    int ScrollRange() const;
    int ClampTop(int Top) const;

    std::unique_ptr<TItemStrings> FItems;
    int FItemIndex = -1;
    int FTopIndex = 0;
    int FItemHeight = 0;
    TBorderStyle FBorderStyle = bsSingle;
};

class TListBox : public TCustomListBox
{
  public:
    using TCustomListBox::TCustomListBox;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
