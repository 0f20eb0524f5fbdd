#include "framework/stdctrls/EditContextMenu.h"

#include "framework/menus/MenuItem.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/win/WinApi.h"

TEditContextMenu::TEditContextMenu(TCustomEdit* Edit) : TPopupMenu(nullptr), FEdit(Edit)
{
    FUndo = AddItem("&Undo", WM_UNDO);
    AddItem("-", 0);
    FCut = AddItem("Cu&t", WM_CUT);
    FCopy = AddItem("&Copy", WM_COPY);
    FPaste = AddItem("&Paste", WM_PASTE);
    FDelete = AddItem("&Delete", WM_CLEAR);
    AddItem("-", 0);
    FSelectAll = AddItem("Select &All", EM_SETSEL, -1);
}

TMenuItem* TEditContextMenu::AddItem(const char* Caption, unsigned Msg, long long LParam)
{
    auto* Item = new TMenuItem(this);
    Item->SetCaption(Caption);
    if (Msg)
        Item->OnClick = [this, Msg, LParam](TObject*)
        { FEdit->Perform(Msg, 0, static_cast<LPARAM>(LParam)); };
    Items()->Add(Item);
    return Item;
}

void TEditContextMenu::PopupFor(int X, int Y)
{
    bool Writable = !FEdit->ReadOnly();
    bool Selection = FEdit->SelLength() > 0;
    FUndo->SetEnabled(Writable && FEdit->CanUndo());
    FCut->SetEnabled(Writable && Selection);
    FCopy->SetEnabled(Selection);
    FPaste->SetEnabled(Writable && IsClipboardFormatAvailable(CF_TEXT));
    FDelete->SetEnabled(Writable && Selection);
    FSelectAll->SetEnabled(FEdit->SelLength() < static_cast<int>(FEdit->Text().size()));
    SetPopupComponent(FEdit);
    Popup(X, Y);
}
