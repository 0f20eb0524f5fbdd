#include "framework/menus/MenuClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/PopupMenu.h"

void RegisterMenuClasses()
{
    RegisterClasses(
        {&TMenuItem::StaticClass(), &TMainMenu::StaticClass(), &TPopupMenu::StaticClass()});
}
