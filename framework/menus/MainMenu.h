#pragma once

#include "framework/menus/Menu.h"

// A form's menu-bar menu: its top-level items are the bar's entries and
// their sub-items drop down from them. The form hands the keys pressed in it
// to IsShortCut, so items' shortcuts work wherever the focus is.
class TMainMenu : public TMenu
{
  public:
    explicit TMainMenu(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
