#pragma once

#include "framework/Component.h"
#include "framework/controls/Messages.h"
#include "framework/menus/AutoHotkeys.h"
#include "framework/menus/MenuItem.h"

class TImageList;

// What popup and main menus share: the root item whose sub-items are the
// menu, the image list item images come from, owner drawing, and shortcut
// lookup.
class TMenu : public TComponent
{
  public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // The root item; owned by the menu, never null.
    TMenuItem* Items() const { return FItems; }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value);
    // When true, items with OnMeasureItem / OnDrawItem handlers are measured
    // and drawn by them; the others keep the default look.
    virtual bool OwnerDraw() const { return FOwnerDraw; }
    virtual void SetOwnerDraw(bool Value) { FOwnerDraw = Value; }
    // Whether the menu gives its items accelerators of its own where their
    // captions have none (shown and typed in the menu's windows).
    TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
    void SetAutoHotkeys(TMenuAutoFlag Value) { FAutoHotkeys = Value; }

    // The enabled, visible item whose shortcut matches a WM_KEYDOWN /
    // WM_SYSKEYDOWN (with the modifiers down now), or null.
    TMenuItem* FindItemForKey(unsigned short Key, TShiftState Shift) const;
    // Clicks the item FindItemForKey finds for Message; true if there was one.
    bool IsShortCut(const TMessage& Message);

    // An item of the tree changed (caption, state, sub-items).
    virtual void MenuChanged(TMenuItem* Source);
    TNotifyEvent OnChange;

    void GetChildren(const std::function<void(TComponent*)>& Proc,
                     const TComponent* Root) const override;

  protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

  private:
    TMenuItem* FItems;
    TImageList* FImages = nullptr;
    bool FOwnerDraw = false;
    TMenuAutoFlag FAutoHotkeys = maManual;
};
