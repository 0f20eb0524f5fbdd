#include "skin/SUIMenuBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/comctrls/ToolButton.h"
#include "platform/win/WinApi.h"
#include "skin/SUIForm.h"

const TClassInfo& TsuiMenuBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiMenuBar>("TsuiMenuBar", &TToolBar::StaticClass()).Build();
    return Info;
}

const TMessageMap& TsuiMenuBar::StaticMessages()
{
    static const TMessageMap Map =
        TMessageMap(&TToolBar::StaticMessages()).On(CM_DIALOGCHAR, &TsuiMenuBar::CMDialogChar);
    return Map;
}

TsuiMenuBar::TsuiMenuBar(TComponent* AOwner) : TToolBar(AOwner) {}

void TsuiMenuBar::SetForm(TsuiForm* Value)
{
    if (FForm == Value) return;
    if (FForm) FForm->RemoveFreeNotification(this);
    FForm = Value;
    if (FForm) FForm->FreeNotification(this);
}

void TsuiMenuBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TToolBar::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FForm) FForm = nullptr;
}

void TsuiMenuBar::CMDialogChar(TMessage& M)
{
    bool Hot = false;
    for (int I = 0; I < ButtonCount(); ++I)
        Hot = Hot || Buttons(I)->Tag() == SUI_MENUBAR_HOT_TAG;
    if (!Hot && GetKeyState(VK_MENU) >= 0) return;
    TToolBar::CMDialogChar(M);
}
