#pragma once

#include "skin/SUIPopupMenu.h"

class TMenuItem;
class TsuiTitleBar;

// The title bar's control-box menu in the skinned popup menu's look:
// "Mi&nimize", "Ma&ximize/Restore", a separator and "&Close", each enabled
// only while the bar has a visible button of that kind.
class TsuiTitleBarPopupMenu : public TsuiPopupMenu
{
  public:
    explicit TsuiTitleBarPopupMenu(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TsuiTitleBar* TitleBar() const { return FTitleBar; }
    void SetTitleBar(TsuiTitleBar* Value) { FTitleBar = Value; }

    // Sets the items' enabled states, then opens the menu.
    void Popup(int X, int Y) override;
    // Enables each item as Popup does, without opening the menu.
    void UpdateItems();

    TMenuItem* MinimizeItem() const { return FMinItem; }
    TMenuItem* MaximizeItem() const { return FMaxItem; }
    TMenuItem* CloseItem() const { return FCloseItem; }

  private:
    void OnMin(TObject*);
    void OnMax(TObject*);
    void OnClose(TObject*);

    TsuiTitleBar* FTitleBar = nullptr;
    TMenuItem* FMinItem = nullptr;
    TMenuItem* FMaxItem = nullptr;
    TMenuItem* FCloseItem = nullptr;
};
