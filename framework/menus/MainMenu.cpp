#include "framework/menus/MainMenu.h"

#include "framework/PropertyRegistry.h"

const TClassInfo& TMainMenu::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TMainMenu>("TMainMenu", &TMenu::StaticClass()).Build();
    return Info;
}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
