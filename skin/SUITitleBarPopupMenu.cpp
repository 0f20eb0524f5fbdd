#include "skin/SUITitleBarPopupMenu.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Application.h"
#include "framework/controls/CustomForm.h"
#include "framework/menus/MenuItem.h"
#include "platform/win/WinApi.h"
#include "skin/SUITitleBar.h"
#include "skin/Suiresdef.h"

const TClassInfo& TsuiTitleBarPopupMenu::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiTitleBarPopupMenu>("TsuiTitleBarPopupMenu", &TsuiPopupMenu::StaticClass())
            .Build();
    return Info;
}

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TComponent* AOwner) : TsuiPopupMenu(AOwner)
{
    auto AddItem = [this](const std::string& Caption)
    {
        auto* Item = new TMenuItem(this);
        Item->SetCaption(Caption);
        Items()->Add(Item);
        return Item;
    };
    FMinItem = AddItem(SUI_TITLE_MENUITEM_MINIMIZE);
    FMinItem->OnClick.Bind(this, &TsuiTitleBarPopupMenu::OnMin);
    FMaxItem = AddItem(SUI_TITLE_MENUITEM_MAXIMIZE);
    FMaxItem->OnClick.Bind(this, &TsuiTitleBarPopupMenu::OnMax);
    AddItem("-");
    FCloseItem = AddItem(SUI_TITLE_MENUITEM_CLOSE);
    FCloseItem->OnClick.Bind(this, &TsuiTitleBarPopupMenu::OnClose);
    MenuAdded();
}

void TsuiTitleBarPopupMenu::UpdateItems()
{
    auto HasVisible = [this](TsuiTitleBarBtnType Type)
    {
        if (!FTitleBar) return false;
        TsuiTitleBarButtons* Buttons = FTitleBar->Buttons();
        for (int I = 0; I < Buttons->Count(); ++I)
            if (Buttons->Items(I)->Visible() && Buttons->Items(I)->ButtonType() == Type)
                return true;
        return false;
    };
    FMinItem->SetEnabled(HasVisible(suiMin));
    FMaxItem->SetEnabled(HasVisible(suiMax));
    FCloseItem->SetEnabled(HasVisible(suiClose));
}

void TsuiTitleBarPopupMenu::Popup(int X, int Y)
{
    UpdateItems();
    if (FTitleBar && FTitleBar->UseRightToLeftAlignment()) X += RightToLeftMenuOffset;
    TsuiPopupMenu::Popup(X, Y);
}

void TsuiTitleBarPopupMenu::OnMin(TObject*)
{
    if (!FTitleBar) return;
    bool Allow = true;
    FTitleBar->OnMinClick(FTitleBar, Allow);
    TCustomForm* Form = FTitleBar->ContainingForm();
    if (!Allow || !Form || !Application) return;
    if (Application->MainForm() == Form && Form->HandleAllocated())
        SendMessage(Form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else
        Form->SetWindowState(wsMinimized);
}

void TsuiTitleBarPopupMenu::OnMax(TObject*)
{
    if (!FTitleBar) return;
    TsuiTitleBarButtons* Buttons = FTitleBar->Buttons();
    for (int I = 0; I < Buttons->Count(); ++I)
        if (Buttons->Items(I)->Visible() && Buttons->Items(I)->ButtonType() == suiMax)
            Buttons->Items(I)->DoClick();
}

void TsuiTitleBarPopupMenu::OnClose(TObject*)
{
    if (!FTitleBar) return;
    if (TCustomForm* Form = FTitleBar->ContainingForm()) Form->Close();
}
