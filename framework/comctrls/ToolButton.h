#pragma once

#include "framework/controls/GraphicControl.h"

class TToolBar;
class TMenuItem;
class TPopupMenu;

enum TToolButtonStyle
{
    tbsButton,
    tbsCheck,
    tbsDropDown,
    tbsSeparator,
    tbsDivider
};

// A button on a tool bar. The bar places and paints it; the button keeps its
// state (hot while the pointer is over it, pressed while held, down for a
// checked button or an open drop-down menu) and handles its input. A button
// with a MenuItem shows the item's caption and state and, when the item has
// sub-items, drops them down as a menu when pressed; a tbsDropDown button
// drops its DropdownMenu from the arrow at its right end.
class TToolButton : public TGraphicControl
{
  public:
    // Width of the arrow part of a tbsDropDown button.
    static constexpr int ArrowPart = 14;

    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Checked (tbsCheck) or showing its drop-down menu.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    // Grouped check buttons next to each other: one of them is down.
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool Value) { FGrouped = Value; }
    // Sized to the caption (when the bar shows captions) instead of the
    // bar's ButtonWidth.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TMenuItem* MenuItem() const { return FMenuItem; }
    void SetMenuItem(TMenuItem* Value);
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* Value);

    bool Hot() const { return FHot; }
    bool Pressed() const { return FPressed; }
    // Whether pressing the button at client point X opens a menu.
    bool DropsDownAt(int X) const;
    // Opens the button's menu below it and returns once it is closed; the
    // chosen item is clicked last (it may free this button).
    void DropDown(bool SelectFirst = false);
    TToolBar* ToolBar() const;

    void Click() override;
    void SetParent(TWinControl* AParent) override;

  protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void CMMouseEnter(TMessage& M);
    void CMMouseLeave(TMessage& M);
    void CMTextChanged(TMessage& M);
    void CMEnabledChanged(TMessage& M);

  private:
    void SetHot(bool Value);
    void SetPressed(bool Value);
    void LayoutChanged();

    TToolButtonStyle FStyle = tbsButton;
    int FImageIndex = -1;
    bool FDown = false;
    bool FGrouped = false;
    bool FAutoSize = false;
    TMenuItem* FMenuItem = nullptr;
    TPopupMenu* FDropdownMenu = nullptr;
    bool FHot = false;
    bool FPressed = false;
};
