// A form's main menu: shortcuts typed anywhere in the form, the menu going
// away, and accelerators the menu assigns itself.

#include "MenuTestForm.h"

#include "framework/PropertyRegistry.h"
#include "framework/menus/AutoHotkeys.h"
#include "framework/menus/MainMenu.h"
#include "framework/stdctrls/Edit.h"

TEST(AutoHotkeys, ItemsWithoutAnAcceleratorGetTheFirstFreeLetter)
{
    const struct
    {
        std::vector<std::string> Captions;
        std::vector<std::string> Shown;
    } Cases[] = {
        {{"&Open", "Options", "Print", "Properties"},
         {"&Open", "O&ptions", "P&rint", "Prop&erties"}},
        {{"File", "-", "Find"}, {"&File", "-", "F&ind"}},
        // A literal "&&" is no accelerator; every letter taken leaves it.
        {{"A&&B", "ab", "ba"}, {"&A&&B", "a&b", "ba"}},
        {{"1st", "", "éa"}, {"&1st", "", "é&a"}},
    };
    TMainMenu Menu(nullptr);
    for (const auto& C : Cases)
    {
        Menu.Items()->Clear();
        for (const std::string& Caption : C.Captions)
        {
            auto* Item = new TMenuItem(&Menu);
            Item->SetCaption(Caption);
            Menu.Items()->Add(Item);
        }
        Menu.SetAutoHotkeys(maManual);
        EXPECT_EQ(MenuShownCaptions(&Menu, Menu.Items()), C.Captions);
        Menu.SetAutoHotkeys(maAutomatic);
        EXPECT_EQ(MenuShownCaptions(&Menu, Menu.Items()), C.Shown);
        EXPECT_EQ(MenuShownCaption(Menu.Items()->Items(0)), C.Shown[0]);
    }
}

TEST_F(MenuForm, AutomaticAcceleratorsAreShownAndTyped)
{
    // "One" and "Two" under &Recent carry no accelerator of their own.
    Menu->SetAutoHotkeys(maAutomatic);
    PopupWithSteps(Menu, {50, 50},
                   {[&] { FDesktop.Press('R'); },
                    [&]
                    {
                        ASSERT_EQ(TMenuLoop::Current()->LevelCount(), 2);
                        FDesktop.Press('T');
                    }});
    EXPECT_EQ(Clicked, std::vector<std::string>{"Two"});
}

namespace
{
// A form holding an edit with the focus and a main menu with &File >
// &Save (Ctrl+S) and &Quit (Ctrl+Q, disabled).
class FormMenu : public MenuForm
{
  protected:
    FormMenu()
    {
        Main = new TMainMenu(Form);
        TMenuItem* File = AddItem(Main->Items(), "&File");
        SaveItem = AddItem(File, "&Save");
        SaveItem->SetShortCut(ShortCut('S', {ssCtrl}));
        TMenuItem* Quit = AddItem(File, "&Quit");
        Quit->SetShortCut(ShortCut('Q', {ssCtrl}));
        Quit->SetEnabled(false);
        Edit = new TEdit(Form);
        Edit->SetParent(Form);
        Keys = 0;
        Edit->OnKeyDown = [this](TObject*, unsigned short&, TShiftState) { ++Keys; };
        Form->SetMenu(Main);
        FDesktop.Pump();
        Edit->SetFocus();
        FDesktop.Pump();
    }

    TMainMenu* Main;
    TMenuItem* SaveItem;
    TEdit* Edit;
    int Keys;
};
} // namespace

TEST_F(FormMenu, ShortcutsReachTheMenuBeforeTheFocusedControl)
{
    PressWith(VK_CONTROL, 'S');
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Save"});
    EXPECT_EQ(Keys, 1) << "only the Ctrl key itself reached the edit";
    // A disabled item's shortcut is an ordinary key.
    PressWith(VK_CONTROL, 'Q');
    EXPECT_EQ(Clicked.size(), 1u);
    EXPECT_EQ(Keys, 3);
    const TValue Stored = GetPropValue(*Form, "Menu");
    ASSERT_NE(Stored.TryGet<TObject*>(), nullptr);
    EXPECT_EQ(*Stored.TryGet<TObject*>(), Main);
}

TEST_F(FormMenu, AFreedMenuIsForgotten)
{
    Main->Free();
    EXPECT_EQ(Form->Menu(), nullptr);
    PressWith(VK_CONTROL, 'S');
    EXPECT_TRUE(Clicked.empty());
    EXPECT_EQ(Keys, 2);
}
