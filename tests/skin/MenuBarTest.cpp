// The skinned form's menu bar: one button per top-level item in order,
// removing the menu, the bar's height, drawing of the hot entry, keys, and a
// skinned main menu handing its style and font to the bar.

#include "SkinnedWindow.h"

#include "framework/ClassRegistry.h"
#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Button.h"
#include "framework/controls/Panel.h"
#include "framework/graphics/Font.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuClasses.h"
#include "framework/stdctrls/Edit.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUIMenuBar.h"

#include <memory>

namespace
{
// The configuration-window look with a client panel and an edit on it, and
// a main menu &File (&Save Ctrl+S, &Close), &Edit (&Copy), &Help (&About).
class MenuBarWindow : public SkinnedWindow
{
  protected:
    MenuBarWindow()
    {
        Client = new TPanel(Form);
        Client->SetParent(Skin);
        Client->SetAlign(alClient);
        Edit = new TEdit(Form);
        Edit->SetParent(Client);
        Main = MakeMenu<TMainMenu>();
        FDesktop.Pump();
        Edit->SetFocus();
        FDesktop.Pump();
    }

    template <class T> T* MakeMenu()
    {
        auto* M = new T(Form);
        TMenuItem* File = AddItem(M->Items(), "&File");
        AddItem(File, "&Save")->SetShortCut(ShortCut('S', {ssCtrl}));
        AddItem(File, "&Close");
        AddItem(AddItem(M->Items(), "&Edit"), "&Copy");
        AddItem(AddItem(M->Items(), "&Help"), "&About");
        return M;
    }
    TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption)
    {
        auto* Item = new TMenuItem(Form);
        Item->SetCaption(Caption);
        Item->OnClick = [this, Item](TObject*) { Clicked.push_back(Item->Caption()); };
        Parent->Add(Item);
        return Item;
    }
    std::vector<TMenuItem*> ButtonItems() const
    {
        std::vector<TMenuItem*> Items;
        for (int I = 0; I < Skin->MenuBar()->ButtonCount(); ++I)
            Items.push_back(Skin->MenuBar()->Buttons(I)->MenuItem());
        return Items;
    }
    void Keys(UINT Modifier, UINT Key)
    {
        FDesktop.KeyDown(Modifier);
        FDesktop.Press(Key);
        FDesktop.KeyUp(Modifier);
        FApp.ProcessMessages();
    }

    TPanel* Client;
    TEdit* Edit;
    TMainMenu* Main;
    std::vector<std::string> Clicked;
};
} // namespace

TEST_F(MenuBarWindow, ThreeItemsGiveThreeButtonsBelowTheTitleAndRemovingTheMenuTakesThemAway)
{
    const int TitleBottom = Bar->Top() + Bar->Height();
    ASSERT_EQ(Client->Top(), TitleBottom);
    // Either way of removing the menu: clearing the property, freeing it.
    for (bool FreeIt : {false, true})
    {
        SCOPED_TRACE(FreeIt ? "freed" : "cleared");
        Skin->SetMenu(Main);
        FDesktop.Pump();
        ASSERT_NE(Skin->MenuBar(), nullptr);
        TMenuItem* Items = Main->Items();
        EXPECT_EQ(ButtonItems(),
                  (std::vector<TMenuItem*>{Items->Items(0), Items->Items(1), Items->Items(2)}));
        TToolBar* MenuBar = Skin->MenuBar();
        EXPECT_EQ(MenuBar->Buttons(0)->Caption(), "&File");
        EXPECT_LT(MenuBar->Buttons(0)->Left(), MenuBar->Buttons(1)->Left());
        EXPECT_EQ(MenuBar->Top(), TitleBottom);
        EXPECT_EQ(Skin->MenuBarHeight(), 22);
        EXPECT_EQ(Client->Top(), TitleBottom + 22);

        if (FreeIt)
        {
            Main->Free();
            Main = MakeMenu<TMainMenu>();
        }
        else
            Skin->SetMenu(nullptr);
        FDesktop.Pump();
        EXPECT_EQ(Skin->Menu(), nullptr);
        EXPECT_EQ(Skin->MenuBar(), nullptr);
        EXPECT_EQ(Skin->MenuBarHeight(), 0);
        EXPECT_EQ(Client->Top(), TitleBottom);
    }
}

TEST_F(MenuBarWindow, TheBarFollowsTheWantedHeightAndTheMenusItems)
{
    // A skinned main menu tells the form of its changes.
    Main = MakeMenu<TsuiMainMenu>();
    Skin->SetMenu(Main);
    Skin->SetMenuBarHeight(30);
    EXPECT_EQ(Skin->MenuBarHeight(), 30);
    EXPECT_EQ(Skin->MenuBar()->Buttons(2)->Height(), 30);
    // A new top-level item gets its button; a changed caption shows.
    AddItem(Main->Items(), "&Tools");
    Main->Items()->Items(0)->SetCaption("&Files");
    ASSERT_EQ(Skin->MenuBar()->ButtonCount(), 4);
    EXPECT_EQ(Skin->MenuBar()->Buttons(3)->Caption(), "&Tools");
    EXPECT_EQ(Skin->MenuBar()->Buttons(0)->Caption(), "&Files");
}

TEST_F(MenuBarWindow, AnOpenEntryIsDrawnInTheStylesSelectionColour)
{
    Skin->SetMenu(Main);
    FDesktop.Pump();
    TToolButton* Help = Skin->MenuBar()->Buttons(2);
    WithMenuSteps(
        [&] { Help->DropDown(); },
        {[&]
         {
             EXPECT_EQ(Help->Tag(), SUI_MENUBAR_HOT_TAG);
             POINT Inside = At(Help, Help->Width() / 2, 3);
             POINT Edge = At(Help, 0, Help->Height() / 2);
             EXPECT_EQ(FDesktop.ScreenPixel(Inside.x, Inside.y),
                       ColorToRGB(GetInsideThemeColor(Protein, SUI_ITEM_MENU_SELECTED_COLOR)));
             EXPECT_EQ(
                 FDesktop.ScreenPixel(Edge.x, Edge.y),
                 ColorToRGB(GetInsideThemeColor(Protein, SUI_ITEM_MENU_SELECTED_BORDER_COLOR)));
             EXPECT_EQ(TMenuLoop::Current()->Level(0)->ParentItem(), Main->Items()->Items(2));
         }});
    FDesktop.Pump();
    EXPECT_EQ(Help->Tag(), 0);
}

TEST_F(MenuBarWindow, ShortcutsRunOnceAndLettersNeedAlt)
{
    Skin->SetMenu(Main);
    Form->SetMenu(Main);
    // Showing the window again hands the shortcuts to the skinned form
    // alone.
    Form->Hide();
    Form->Show();
    FDesktop.Pump();
    EXPECT_EQ(Form->Menu(), nullptr);
    Edit->SetFocus();
    Keys(VK_CONTROL, 'S');
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Save"});

    // A plain letter is the edit's; Alt and the letter open the entry.
    Clicked.clear();
    FDesktop.Press('H');
    FApp.ProcessMessages();
    WithMenuSteps([&] { Keys(VK_MENU, 'H'); }, {[&] { FDesktop.Press(VK_RETURN); }});
    EXPECT_EQ(Clicked, std::vector<std::string>{"&About"});
    EXPECT_EQ(Edit->Text(), "h");

    // A control that leaves letters to the form: the bar still wants Alt.
    auto* Button = new TButton(Form);
    Button->SetParent(Client);
    Button->SetTop(40);
    Button->SetFocus();
    const auto Opened = [&](const std::function<void()>& Keystrokes)
    { return RunMenuSteps(Form, Keystrokes, {[] { TMenuLoop::Current()->Cancel(); }}); };
    EXPECT_EQ(Opened(
                  [&]
                  {
                      FDesktop.Press('H');
                      FApp.ProcessMessages();
                  }),
              0u)
        << "a plain letter opened the menu";
    EXPECT_EQ(Opened([&] { Keys(VK_MENU, 'H'); }), 1u);
}

TEST_F(MenuBarWindow, ASkinnedMainMenuHandsItsStyleAndFontToTheBar)
{
    auto* Skinned = MakeMenu<TsuiMainMenu>();
    Skinned->SetUseSystemFont(false);
    Skinned->SetFontName("DejaVu Sans");
    Skinned->SetFontSize(11);
    Skin->SetMenu(Skinned);
    EXPECT_EQ(Skinned->Form(), Skin);
    EXPECT_EQ(Skin->MenuBar()->Font()->Name(), "DejaVu Sans");
    EXPECT_EQ(Skin->MenuBar()->Font()->Size(), 11);
    Skin->SetUIStyle(WinXP);
    EXPECT_EQ(Skinned->UIStyle(), WinXP);
    EXPECT_TRUE(Skinned->OwnerDraw());

    Skin->SetMenu(Main);
    EXPECT_EQ(Skinned->Form(), nullptr);
    // A skinned menu freed while shown takes the bar with it.
    auto* Gone = MakeMenu<TsuiMainMenu>();
    Skin->SetMenu(Gone);
    Gone->Free();
    EXPECT_EQ(Skin->Menu(), nullptr);
    EXPECT_EQ(Skin->MenuBar(), nullptr);
    Skin->SetMenu(Skinned);
    Skin->Free();
    EXPECT_EQ(Skinned->Form(), nullptr);
}

TEST_F(GuiTest, AFormDefinitionGivesTheSkinnedFormItsMenuBar)
{
    RegisterMenuClasses();
    RegisterSkinMenuClasses();
    RegisterClass(TsuiForm::StaticClass());
    const std::string Text = R"(object Window: TForm
  Left = 20
  Top = 20
  Width = 320
  Height = 200
  object suiForm1: TsuiForm
    UIStyle = WinXP
    Menu = MainMenu1
    MenuBarHeight = 26
  end
  object MainMenu1: TsuiMainMenu
    UIStyle = WinXP
    object FileItem: TMenuItem
      Caption = '&File'
      object SaveItem: TMenuItem
        Caption = '&Save'
      end
    end
    object HelpItem: TMenuItem
      Caption = '&Help'
    end
  end
end
)";
    auto* Window = new TForm(&FApp);
    TFormReader::Read(*Window, Text);
    auto* Skin = dynamic_cast<TsuiForm*>(Window->FindComponent("suiForm1"));
    ASSERT_NE(Skin, nullptr);
    ASSERT_NE(Skin->MenuBar(), nullptr);
    ASSERT_EQ(Skin->MenuBar()->ButtonCount(), 2);
    EXPECT_EQ(Skin->MenuBar()->Buttons(1)->Caption(), "&Help");
    EXPECT_EQ(Skin->MenuBarHeight(), 26);
    EXPECT_EQ(dynamic_cast<TsuiMainMenu*>(Skin->Menu())->Form(), Skin);
    const std::string Written = WriteFormDefinition(*Window);
    EXPECT_NE(Written.find("Menu = MainMenu1"), std::string::npos) << Written;
    EXPECT_NE(Written.find("MenuBarHeight = 26"), std::string::npos) << Written;
    // The bar's buttons belong to the form at run time; they are not
    // written as components of their own.
    EXPECT_EQ(Written.find("TToolButton"), std::string::npos) << Written;
    EXPECT_EQ(Written.find("TsuiMenuBar"), std::string::npos) << Written;
    Window->Free();
}

TEST_F(MenuBarWindow, TheFrameBesideTheBarContinuesItsBackground)
{
    Skin->SetMenu(Main);
    Skin->SetMenuBarColor(TColor(0x2080C0));
    Skin->SetMenuBarToColor(TColor(0x2080C0));
    FDesktop.Pump();
    const RECT R = WindowRect();
    const int W = R.right - R.left;
    // The bar lies below the 3-row top frame and the title bar.
    const int Y = 3 + Bar->Height() + Skin->MenuBarHeight() / 2;
    for (int X : {1, 2, W - 3, W - 2})
        EXPECT_EQ(WindowPixel(X, Y), TColor(0x2080C0)) << X;
    EXPECT_EQ(WindowPixel(0, Y), clBlack);
    // Below the bar the frame has the form's colour again.
    EXPECT_EQ(WindowPixel(1, Y + Skin->MenuBarHeight()), TColor(0xFBFBFB));
}
