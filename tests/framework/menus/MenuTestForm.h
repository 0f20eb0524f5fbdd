#pragma once

#include "../GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/menus/MenuLoop.h"
#include "framework/menus/MenuWindow.h"
#include "framework/menus/PopupMenu.h"
#include "platform/win/WinApi.h"
#include "tests/support/MenuSteps.h"

#include <functional>
#include <string>
#include <vector>

// A shown form with a popup menu:
//   &Open | &Save (disabled) | - | Sa&ve As | &Recent > (One, Two) | E&xit
// Clicking an item records its caption in Clicked.
class MenuForm : public GuiTest
{
  protected:
    MenuForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 400, 300);
        Menu = new TPopupMenu(Form);
        Open = AddItem(Menu->Items(), "&Open");
        Save = AddItem(Menu->Items(), "&Save");
        Save->SetEnabled(false);
        AddItem(Menu->Items(), "-");
        SaveAs = AddItem(Menu->Items(), "Sa&ve As");
        Recent = AddItem(Menu->Items(), "&Recent");
        AddItem(Recent, "One");
        AddItem(Recent, "Two");
        Exit = AddItem(Menu->Items(), "E&xit");
        Form->Show();
        FDesktop.Pump();
    }

    TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption)
    {
        auto* Item = new TMenuItem(Form);
        Item->SetCaption(Caption);
        Item->OnClick = [this, Item](TObject*) { Clicked.push_back(Item->Caption()); };
        Parent->Add(Item);
        return Item;
    }

    // Runs Popup at At with the steps of RunMenuSteps.
    void PopupWithSteps(TPopupMenu* Popup, TPoint At, std::vector<std::function<void()>> Steps)
    {
        EXPECT_EQ(RunMenuSteps(
                      Form, [&] { Popup->Popup(At.X, At.Y); }, Steps),
                  Steps.size())
            << "the menu closed before the last step";
    }

    // The screen centre of sub-item Index of Parent in a menu window placed
    // at At (the layout a popup at At gets).
    POINT ItemCentre(TMenuItem* Parent, int Index, TPoint At) const
    {
        TMenuWindow Probe(Menu, Parent, nullptr);
        TRect R = Probe.ItemRect(Index).Offset(At.X, At.Y);
        return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    }

    TForm* Form;
    TPopupMenu* Menu;
    TMenuItem* Open;
    TMenuItem* Save;
    TMenuItem* SaveAs;
    TMenuItem* Recent;
    TMenuItem* Exit;
    std::vector<std::string> Clicked;
};
