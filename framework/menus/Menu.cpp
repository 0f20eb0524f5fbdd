#include "framework/menus/Menu.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/MenuLoop.h"
#include "platform/win/WinMessages.h"

const TClassInfo& TMenu::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TMenu>("TMenu", &TComponent::StaticClass())
            .Enum("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys,
                  {"maAutomatic", "maManual"})
            .Default(maManual)
            .Component("Images", &TMenu::Images, &TMenu::SetImages)
            .Boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
            .Default(false)
            .Build();
    return Info;
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this))
{
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    // An open menu window must not outlive the items it shows.
    TMenuLoop::MenuDestroyed(this);
    Destroying();
    FItems->Free();
}

void TMenu::SetImages(TImageList* Value)
{
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    MenuChanged(nullptr);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

TMenuItem* TMenu::FindItemForKey(unsigned short Key, TShiftState Shift) const
{
    return FItems->FindItemByShortCut(::ShortCut(Key, Shift));
}

bool TMenu::IsShortCut(const TMessage& Message)
{
    if (Message.Msg != WM_KEYDOWN && Message.Msg != WM_SYSKEYDOWN) return false;
    TMenuItem* Item =
        FindItemForKey(static_cast<unsigned short>(Message.WParam), KeyboardShiftState());
    if (!Item) return false;
    Item->Click();
    return true;
}

void TMenu::MenuChanged(TMenuItem*)
{
    if (ComponentState().Contains(csDestroying)) return;
    OnChange(this);
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& Proc, const TComponent* Root) const
{
    for (int I = 0; I < FItems->Count(); ++I)
        if (FItems->Items(I)->Owner() == Root) Proc(FItems->Items(I));
}
