#include "framework/menus/PopupMenu.h"

#include "framework/PropertyRegistry.h"
#include "framework/menus/MenuLoop.h"
#include "platform/win/Focus.h"

const TClassInfo& TPopupMenu::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClass())
            .Enum("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment,
                  {"paLeft", "paRight", "paCenter"})
            .Default(paLeft)
            .Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
            .Default(true)
            .Event("OnPopup", &TPopupMenu::OnPopup)
            .Build();
    return Info;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int X, int Y)
{
    FPopupPoint = {X, Y};
    OnPopup(this);
    TMenuLoop Loop(this, GetActiveWindow());
    TMenuItem* Chosen = Loop.Run(Items(), {X, Y}, FAlignment);
    // Nothing of this menu is touched after the click: it may free it.
    if (Chosen) Chosen->Click();
}
