#include "skin/SUIForm.h"

#include "framework/comctrls/ToolButton.h"
#include "framework/graphics/Font.h"
#include "framework/menus/MainMenu.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUIMenuBar.h"
#include "skin/Suimenu.h"

// The menu bar below the title bar: made, filled from the form's menu and
// kept in step with it.

int TsuiForm::GetMenuBarHeight() const
{
    return FMenuBar && FMenuBar->Visible() ? FMenuBar->Height() : 0;
}

void TsuiForm::SetMenu(TMainMenu* Value)
{
    if (auto* Old = dynamic_cast<TsuiMainMenu*>(FMenu)) Old->SetForm(nullptr);
    if (FMenu && FMenu != Value) FMenu->RemoveFreeNotification(this);
    FMenu = Value;
    if (!FMenu)
    {
        DestroyMenuBar();
        return;
    }
    FMenu->FreeNotification(this);
    if (auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu)) Skinned->SetForm(this);
    CreateMenuBar();
    UpdateMenu();
    if (FTitleBar) FTitleBar->SetTop(0);
    UpdateSizeLimits();
    PaintFormBorder();
}

void TsuiForm::CreateMenuBar()
{
    if (FMenuBar) return;
    // A stored height of 0 means no bar was shown; a new bar gets the usual
    // height rather than none.
    const int Height = FMenuBarHeightWanted > 0 ? FMenuBarHeightWanted : 22;
    FMenuBar = new TsuiMenuBar(this);
    FMenuBar->SetForm(this);
    FMenuBar->SetFlat(true);
    FMenuBar->SetEdgeBorders({});
    FMenuBar->SetShowCaptions(true);
    FMenuBar->SetButtonHeight(Height);
    FMenuBar->SetHeight(Height);
    FMenuBar->SetColor(FMenuBarColor);
    FMenuBar->SetWrapable(true);
    FMenuBar->SetTop(FTitleBar ? FTitleBar->Top() + FTitleBar->Height() : 0);
    FMenuBar->SetParent(this);
    FMenuBar->SetAutoSize(true);
    // Both lie at the top: the title bar first, the menu bar below it.
    if (FTitleBar) FTitleBar->SetTop(0);
}

void TsuiForm::DestroyMenuBar()
{
    if (TsuiMenuBar* Bar = FMenuBar)
    {
        FMenuBar = nullptr;
        // The buttons belong to this form; they go with the bar.
        while (Bar->ButtonCount() > 0)
            Bar->Buttons(Bar->ButtonCount() - 1)->Free();
        Bar->Free();
    }
    if (auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu)) Skinned->SetForm(nullptr);
    if (FMenu) FMenu->RemoveFreeNotification(this);
    FMenu = nullptr;
    UpdateSizeLimits();
    PaintFormBorder();
}

void TsuiForm::ApplyMenuFont()
{
    auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu);
    if (!FMenuBar || !Skinned) return;
    TFont* Font = FMenuBar->Font();
    if (Skinned->UseSystemFont())
        Menu_GetSystemFont(Font);
    else
    {
        Font->SetName(Skinned->FontName());
        Font->SetSize(Skinned->FontSize());
        Font->SetCharset(Skinned->FontCharset());
    }
    FMenuBar->ArrangeButtons();
}

void TsuiForm::UpdateMenu()
{
    if (!FMenuBar) return;
    if (!FMenu)
    {
        DestroyMenuBar();
        return;
    }
    FMenuBar->SetAutoSize(false);
    ApplyMenuFont();
    while (FMenuBar->ButtonCount() > 0)
        FMenuBar->Buttons(FMenuBar->ButtonCount() - 1)->Free();
    // A new button at the left goes first: last item first keeps the order.
    TMenuItem* Items = FMenu->Items();
    for (int I = Items->Count() - 1; I >= 0; --I)
    {
        auto* Button = new TToolButton(this);
        Button->SetGrouped(true);
        Button->SetAutoSize(true);
        Button->SetMenuItem(Items->Items(I));
        Button->SetParent(FMenuBar);
    }
    FMenuBar->SetAutoSize(true);
}

void TsuiForm::UpdateTopMenu()
{
    if (!FMenuBar) return;
    for (int I = 0; I < FMenuBar->ButtonCount(); ++I)
    {
        TToolButton* Button = FMenuBar->Buttons(I);
        if (TMenuItem* Item = Button->MenuItem())
        {
            Button->SetCaption(Item->Caption());
            Button->SetEnabled(Item->Enabled());
        }
    }
}

void TsuiForm::MenuChanged()
{
    if (!FMenuBar || !FMenu) return;
    TMenuItem* Items = FMenu->Items();
    bool Same = Items->Count() == FMenuBar->ButtonCount();
    for (int I = 0; Same && I < Items->Count(); ++I)
        Same = FMenuBar->Buttons(I)->MenuItem() == Items->Items(I);
    if (Same)
        UpdateTopMenu();
    else
        UpdateMenu();
}

void TsuiForm::RepaintMenuBar()
{
    if (!FMenuBar || !FMenu) return;
    ApplyMenuFont();
    FMenuBar->Invalidate();
}

void TsuiForm::SetMenuBarHeight(int Value)
{
    FMenuBarHeightWanted = Value;
    if (!FMenuBar) return;
    FMenuBar->SetButtonHeight(Value);
    FMenuBar->SetHeight(Value);
}

void TsuiForm::SetMenuBarColor(TColor Value)
{
    FMenuBarColor = Value;
    if (FMenuBar) FMenuBar->SetColor(Value);
}

void TsuiForm::SetMenuBarToColor(TColor Value)
{
    FMenuBarToColor = Value;
    if (FMenuBar) FMenuBar->Invalidate();
}
