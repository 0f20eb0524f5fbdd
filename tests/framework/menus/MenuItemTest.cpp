// Menu item trees, shortcuts and their texts, shortcut lookup.

#include "framework/menus/MainMenu.h"
#include "framework/menus/ShortCut.h"
#include "platform/win/Input.h"
#include "platform/win/WinMessages.h"

#include <gtest/gtest.h>

TEST(ShortCut, TextAndBackAgain)
{
    struct TCase
    {
        TShortCut Value;
        const char* Text;
    };
    const TCase Cases[] = {
        {static_cast<TShortCut>('S' | scCtrl), "Ctrl+S"},
        {static_cast<TShortCut>('Z' | scCtrl | scShift), "Ctrl+Shift+Z"},
        {static_cast<TShortCut>(VK_F1 + 3), "F4"},
        {static_cast<TShortCut>(VK_DELETE), "Del"},
        {static_cast<TShortCut>(VK_RETURN | scAlt), "Alt+Enter"},
        {static_cast<TShortCut>('5' | scCtrl | scShift | scAlt), "Ctrl+Shift+Alt+5"},
        {scNone, ""},
    };
    for (const TCase& C : Cases)
    {
        EXPECT_EQ(ShortCutToText(C.Value), C.Text);
        EXPECT_EQ(TextToShortCut(C.Text), C.Value) << C.Text;
    }
    EXPECT_EQ(TextToShortCut("ctrl+shift+s"), 'S' | scCtrl | scShift);
    EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
    EXPECT_EQ(TextToShortCut("Hyper+S"), scNone);
    EXPECT_EQ(ShortCut('S', {ssCtrl, ssShift}), 'S' | scCtrl | scShift);
}

class MenuTree : public ::testing::Test
{
  protected:
    MenuTree()
    {
        File = Add(Menu.Items(), "&File");
        Save = Add(File, "&Save");
        Save->SetShortCut(TextToShortCut("Ctrl+S"));
        Export = Add(File, "&Export");
        Pdf = Add(Export, "&Pdf");
        Pdf->SetShortCut(TextToShortCut("Ctrl+P"));
        Edit = Add(Menu.Items(), "&Edit");
        Undo = Add(Edit, "&Undo");
        Undo->SetShortCut(TextToShortCut("Ctrl+Z"));
    }

    TMenuItem* Add(TMenuItem* Parent, const std::string& Caption)
    {
        auto* Item = new TMenuItem(&Owner);
        Item->SetCaption(Caption);
        Item->OnClick = [this, Item](TObject*) { Clicked.push_back(Item); };
        Parent->Add(Item);
        return Item;
    }

    TComponent Owner{nullptr};
    TMainMenu Menu{&Owner};
    TMenuItem *File, *Save, *Export, *Pdf, *Edit, *Undo;
    std::vector<TMenuItem*> Clicked;
};

TEST_F(MenuTree, ShortCutLookupSearchesSubMenusAndSkipsDisabledOrHiddenItems)
{
    EXPECT_EQ(Menu.FindItemForKey('S', {ssCtrl}), Save);
    EXPECT_EQ(Menu.FindItemForKey('P', {ssCtrl}), Pdf);
    EXPECT_EQ(Menu.FindItemForKey('Z', {ssCtrl}), Undo);
    EXPECT_EQ(Menu.FindItemForKey('S', {ssCtrl, ssShift}), nullptr);
    EXPECT_EQ(Menu.FindItemForKey('S', {}), nullptr);
    Save->SetEnabled(false);
    Undo->SetVisible(false);
    EXPECT_EQ(Menu.FindItemForKey('S', {ssCtrl}), nullptr);
    EXPECT_EQ(Menu.FindItemForKey('Z', {ssCtrl}), nullptr);

    TMessage Key{WM_KEYDOWN, 'P', 0, 0};
    // KeyboardShiftState reads the key state: no Ctrl down, no match.
    EXPECT_FALSE(Menu.IsShortCut(Key));
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(MenuTree, TreeKeepsParentsAndOrderAndFreesSubItemsWithTheirParent)
{
    EXPECT_EQ(Pdf->Parent(), Export);
    EXPECT_EQ(Pdf->GetParentMenu(), &Menu);
    EXPECT_EQ(File->GetParentComponent(), &Menu);
    EXPECT_EQ(Pdf->GetParentComponent(), Export);
    Edit->Insert(0, Pdf); // moves it
    EXPECT_EQ(Export->Count(), 0);
    EXPECT_EQ(Edit->IndexOf(Pdf), 0);
    EXPECT_EQ(Pdf->MenuIndex(), 0);
    EXPECT_THROW(Pdf->Add(Edit), EMenuError);
    EXPECT_THROW(Edit->Items(5), EListError);

    int Before = Owner.ComponentCount();
    Edit->Free(); // takes Pdf and Undo with it
    EXPECT_EQ(Owner.ComponentCount(), Before - 3);
    EXPECT_EQ(Menu.Items()->Count(), 1);
    Save->Free();
    EXPECT_EQ(File->Count(), 1);
}

TEST_F(MenuTree, ChangesReachTheMenuAndDefaultIsUniqueAmongSiblings)
{
    int Changes = 0;
    Menu.OnChange = [&](TObject*) { ++Changes; };
    Save->SetCaption("&Save");
    EXPECT_EQ(Changes, 0); // unchanged
    Save->SetChecked(true);
    Pdf->SetEnabled(false);
    EXPECT_EQ(Changes, 2);
    Save->SetDefault(true);
    Export->SetDefault(true);
    EXPECT_FALSE(Save->Default());
    EXPECT_TRUE(Export->Default());

    Save->SetAutoCheck(true);
    Save->Click();
    EXPECT_FALSE(Save->Checked());
    Pdf->Click(); // disabled: nothing
    EXPECT_EQ(Clicked, std::vector<TMenuItem*>{Save});
}
