#pragma once

#include "framework/menus/Menu.h"

enum TPopupAlignment
{
    paLeft,
    paRight,
    paCenter
};

// A menu shown on request in its own popup window. Popup runs the menu loop
// until an item is chosen or the menu is dismissed, then clicks the chosen
// item.
class TPopupMenu : public TMenu
{
  public:
    explicit TPopupMenu(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // Shows the menu with its top-left corner (paLeft), top-right corner
    // (paRight) or top centre (paCenter) at the screen point (X, Y), moved to
    // stay on the screen, and returns once it is closed. OnPopup runs first;
    // the chosen item's Click runs last, after the window is gone, and may
    // free this menu.
    virtual void Popup(int X, int Y);
    // The component the menu was last shown for (a control's context menu).
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }
    TPoint PopupPoint() const { return FPopupPoint; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    // Whether a control shows it on a right click by itself.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }

    TNotifyEvent OnPopup;

  protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

  private:
    TComponent* FPopupComponent = nullptr;
    TPoint FPopupPoint{};
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
};
