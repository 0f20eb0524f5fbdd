#include "framework/stdctrls/ComboParts.h"

#include "framework/PropertyRegistry.h"
#include "framework/stdctrls/ComboBox.h"
#include "platform/win/WinApi.h"

const TClassInfo& TComboEdit::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TComboEdit>("TComboEdit", &TCustomEdit::StaticClass()).Build();
    return Info;
}

const TMessageMap& TComboEdit::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomEdit::StaticMessages())
                                       .On(WM_GETDLGCODE, &TComboEdit::WMGetDlgCode)
                                       .On(WM_KILLFOCUS, &TComboEdit::WMKillFocus);
    return Map;
}

TComboEdit::TComboEdit(TCustomComboBox* Combo) : TCustomEdit(nullptr), FCombo(Combo)
{
    SetBorderStyle(bsNone);
    SetTabStop(false);
}

void TComboEdit::DefaultHandler(TMessage& Message)
{
    if ((Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN) &&
        FCombo->ComboKey(static_cast<UINT>(Message.WParam),
                         Message.Msg == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0))
        return;
    TCustomEdit::DefaultHandler(Message);
}

void TComboEdit::Change()
{
    TCustomEdit::Change();
    FCombo->EditChanged();
}

void TComboEdit::DoEnter()
{
    TCustomEdit::DoEnter();
    FCombo->DoEnter();
}

void TComboEdit::WMGetDlgCode(TMessage& M)
{
    TCustomEdit::WMGetDlgCode(M);
    if (FCombo->DroppedDown()) M.Result |= DLGC_WANTALLKEYS;
}

void TComboEdit::WMKillFocus(TMessage& M)
{
    TCustomEdit::WMKillFocus(M);
    FCombo->FocusLeaving(reinterpret_cast<HWND>(M.WParam));
}

const TClassInfo& TComboList::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TComboList>("TComboList", &TCustomListBox::StaticClass()).Build();
    return Info;
}

const TMessageMap& TComboList::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomListBox::StaticMessages())
                                       .On(WM_LBUTTONDOWN, &TComboList::WMLButtonDown)
                                       .On(WM_LBUTTONDBLCLK, &TComboList::WMLButtonDblClk)
                                       .On(WM_LBUTTONUP, &TComboList::WMLButtonUp)
                                       .On(WM_CAPTURECHANGED, &TComboList::WMCaptureChanged)
                                       .On(WM_MOUSEACTIVATE, &TComboList::WMMouseActivate);
    return Map;
}

TComboList::TComboList(TCustomComboBox* Combo, bool Popup)
    : TCustomListBox(nullptr), FCombo(Combo), FPopup(Popup)
{
    SetTabStop(false);
    if (!Popup) return;
    FHotTrack = true;
    FVisible = false;
    SetBorderStyle(bsNone);
}

void TComboList::CreateParams(TCreateParams& Params)
{
    TCustomListBox::CreateParams(Params);
    if (!FPopup) return;
    Params.Style = WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS | (FVisible ? WS_VISIBLE : 0);
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = FCombo->TopParent()->Handle();
}

void TComboList::UserSelect(int Index)
{
    if (FPopup)
        SetItemIndex(Index);
    else
        FCombo->UserSelect(Index);
}

void TComboList::WMLButtonDown(TMessage& M)
{
    if (!FPopup)
    {
        TCustomListBox::WMLButtonDown(M);
        return;
    }
    TPoint P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    POINT Screen{P.X, P.Y};
    ::ClientToScreen(FHandle, &Screen);
    const LPARAM At = MAKELPARAM(static_cast<WORD>(Screen.x), static_cast<WORD>(Screen.y));
    if (SendMessage(FHandle, WM_NCHITTEST, 0, At) == HTVSCROLL)
    {
        // The scroll bar's loop keeps the capture the list holds.
        SendMessage(FHandle, WM_NCLBUTTONDOWN, HTVSCROLL, At);
        return;
    }
    if (!ClientRect().Contains(P.X, P.Y))
    {
        // A press outside closes the list, and is used up: a press on the
        // combo box's button does not open it again.
        FCombo->CloseList(false);
    }
}

void TComboList::WMLButtonDblClk(TMessage& M)
{
    if (FPopup)
        WMLButtonDown(M);
    else
        TCustomListBox::WMLButtonDblClk(M);
}

void TComboList::WMLButtonUp(TMessage& M)
{
    if (!FPopup)
    {
        TCustomControl::WMLButtonUp(M);
        return;
    }
    TPoint P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    int Index = ItemAtPos(P);
    // The release of the press that opened the list lands on the combo box,
    // not on an item, and keeps the list open.
    if (Index < 0) return;
    SetItemIndex(Index);
    FCombo->CloseList(true);
}

void TComboList::WMCaptureChanged(TMessage& M)
{
    if (FPopup && FCombo->DroppedDown() && reinterpret_cast<HWND>(M.LParam) != FHandle)
        FCombo->CloseList(false);
    TCustomListBox::DefaultHandler(M);
}

void TComboList::WMMouseActivate(TMessage& M)
{
    M.Result = FPopup ? MA_NOACTIVATE : MA_ACTIVATE;
}
