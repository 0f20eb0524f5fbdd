#include "GalleryForm.h"

#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Button.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/PopupMenu.h"
#include "framework/stdctrls/CheckListBox.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ListBox.h"
#include "framework/stdctrls/MaskEdit.h"

namespace
{
TMenuItem* AddItem(TComponent* Owner, TMenuItem* Parent, const std::string& Caption,
                   const std::string& Keys = {})
{
    auto* Item = new TMenuItem(Owner);
    Item->SetCaption(Caption);
    if (!Keys.empty()) Item->SetShortCut(TextToShortCut(Keys));
    Parent->Add(Item);
    return Item;
}
} // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("novla controls gallery");
    SetBorderStyle(bsSizeable);
    SetBounds(40, 40, 540, 400);
    SetClientWidth(520);
    SetClientHeight(360);
    BuildMenus();
    BuildToolBar();
    BuildControls();
}

template <class T> T* TGalleryForm::Add(TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* C = new T(this);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    return C;
}

void TGalleryForm::BuildMenus()
{
    MainMenu = new TMainMenu(this);
    TMenuItem* File = AddItem(this, MainMenu->Items(), "&File");
    AddItem(this, File, "&Open port", "Ctrl+O");
    AddItem(this, File, "&Close port")->SetEnabled(false);
    AddItem(this, File, "-");
    TMenuItem* Recent = AddItem(this, File, "&Recent");
    AddItem(this, Recent, "COM3");
    AddItem(this, Recent, "COM200");
    AddItem(this, File, "-");
    AddItem(this, File, "E&xit", "Alt+F4")->OnClick = [this](TObject*) { Close(); };
    TMenuItem* Module = AddItem(this, MainMenu->Items(), "&Module");
    AddItem(this, Module, "&Read All", "F5")->SetDefault(true);
    AddItem(this, Module, "&Write All", "F6");
    TMenuItem* Sound = AddItem(this, Module, "&Beep on reply");
    Sound->SetAutoCheck(true);
    Sound->SetChecked(true);

    ContextMenu = new TPopupMenu(this);
    for (const char* Caption : {"&Undo", "-", "Cu&t", "&Copy", "&Paste", "-", "Select &All"})
        AddItem(this, ContextMenu->Items(), Caption);
    ContextMenu->Items()->Items(0)->SetEnabled(false);
    for (int I = 0; I < ContextMenu->Items()->Count(); ++I)
    {
        TMenuItem* Item = ContextMenu->Items()->Items(I);
        Item->OnClick = [this, Item](TObject*) { ShowStatus("Menu: " + Item->Caption()); };
    }
}

void TGalleryForm::BuildToolBar()
{
    ToolBar = new TToolBar(this);
    ToolBar->SetParent(this);
    ToolBar->SetFlat(true);
    ToolBar->SetShowCaptions(true);
    ToolBar->SetAutoSize(true);
    // A new button at Left 0 goes first: last to first.
    auto AddButton = [this](const std::string& Caption, TToolButtonStyle Style)
    {
        auto* B = new TToolButton(this);
        B->SetStyle(Style);
        B->SetAutoSize(true);
        B->SetCaption(Caption);
        B->SetParent(ToolBar);
        return B;
    };
    AddButton("Write", tbsButton)->OnClick = [this](TObject*) { ShowStatus("Write All"); };
    AddButton("Read", tbsButton)->OnClick = [this](TObject*) { ShowStatus("Read All"); };
    AddButton("", tbsDivider);
    TToolButton* Hex = AddButton("Hex", tbsCheck);
    Hex->SetGrouped(true);
    TToolButton* Dec = AddButton("Dec", tbsCheck);
    Dec->SetGrouped(true);
    Dec->SetDown(true);
    AddButton("", tbsDivider);
    for (int I = MainMenu->Items()->Count() - 1; I >= 0; --I)
        AddButton("", tbsButton)->SetMenuItem(MainMenu->Items()->Items(I));
}

void TGalleryForm::BuildControls()
{
    StatusBar = new TStatusBar(this);
    StatusBar->SetParent(this);
    const struct
    {
        int Width;
        TAlignment Alignment;
        const char* Text;
    } Panels[] = {
        {120, taLeftJustify, "Ready"}, {160, taCenter, "COM3 closed"}, {60, taCenter, "12:00"}};
    for (const auto& P : Panels)
    {
        TStatusPanel* Panel = StatusBar->Panels()->Add();
        Panel->SetWidth(P.Width);
        Panel->SetAlignment(P.Alignment);
        Panel->SetText(P.Text);
    }

    int Top = ToolBar->Height() + 10;
    Add<TLabel>(this, 12, Top + 4, 70, 16)->SetCaption("&Name:");
    NameEdit = Add<TEdit>(this, 90, Top, 150, 21);
    NameEdit->SetText("Radio 1");
    NameEdit->SetPopupMenu(ContextMenu);
    Add<TLabel>(this, 12, Top + 34, 70, 16)->SetCaption("&Frequency:");
    auto* Frequency = Add<TMaskEdit>(this, 90, Top + 30, 150, 21);
    Frequency->SetEditMask("999.99;1;_");
    Frequency->SetText("868.50");
    Add<TLabel>(this, 12, Top + 64, 70, 16)->SetCaption("&Rate:");
    RateCombo = Add<TComboBox>(this, 90, Top + 60, 150, 21);
    RateCombo->SetStyle(csDropDownList);
    for (const char* Rate : {"1200", "2400", "4800", "9600", "19200", "38400", "57600"})
        RateCombo->Items()->Add(Rate);
    RateCombo->SetItemIndex(3);
    Add<TLabel>(this, 12, Top + 94, 70, 16)->SetCaption("&Port:");
    auto* Port = Add<TComboBox>(this, 90, Top + 90, 150, 21);
    Port->SetStyle(csDropDown);
    for (const char* Name : {"COM1", "COM3", "COM200"})
        Port->Items()->Add(Name);
    Port->SetText("COM3");
    auto* Disabled = Add<TEdit>(this, 90, Top + 120, 150, 21);
    Disabled->SetText("disabled edit");
    Disabled->SetEnabled(false);

    auto* Read = Add<TButton>(this, 12, Top + 156, 100, 25);
    Read->SetCaption("Read &All");
    Read->SetDefault(true);
    Read->OnClick = [this](TObject*) { ShowStatus("Read All"); };
    auto* Write = Add<TButton>(this, 120, Top + 156, 100, 25);
    Write->SetCaption("&Write All");
    Write->SetEnabled(false);

    auto* Lists = Add<TGroupBox>(this, 260, Top - 4, 248, 190);
    Lists->SetCaption("Lists");
    auto* List = Add<TListBox>(Lists, 10, 20, 110, 110);
    for (const char* Mode : {"Node", "Gateway", "Repeater", "Sniffer", "Sleep"})
        List->Items()->Add(Mode);
    List->SetItemIndex(1);
    auto* Checks = Add<TCheckListBox>(Lists, 128, 20, 110, 110);
    for (const char* Option : {"Breath", "Wake", "Encrypt", "Ack"})
        Checks->Items()->Add(Option);
    Checks->SetChecked(0, true);
    Checks->SetChecked(2, true);
    Checks->SetItemEnabled(3, false);

    auto* Note = Add<TPanel>(this, 260, Top + 194, 248, 40);
    Note->SetCaption("Right-click the name for its menu");
}

void TGalleryForm::ShowStatus(const std::string& Text)
{
    StatusBar->Panels()->Items(0)->SetText(Text);
}
