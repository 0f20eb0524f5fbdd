#include "framework/stdctrls/ComboBox.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Frame3D.h"
#include "framework/stdctrls/ComboParts.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <cctype>

namespace
{
constexpr int Edge = 2;
constexpr int ButtonWidth = 17;
} // namespace

const TClassInfo& TCustomComboBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomComboBox>("TCustomComboBox", &TCustomControl::StaticClass()).Build();
    return Info;
}

const TMessageMap& TCustomComboBox::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_GETDLGCODE, &TCustomComboBox::WMGetDlgCode)
                                       .On(WM_SETFOCUS, &TCustomComboBox::WMSetFocus)
                                       .On(WM_KILLFOCUS, &TCustomComboBox::WMKillFocus)
                                       .On(WM_LBUTTONDOWN, &TCustomComboBox::WMLButtonDown)
                                       .On(WM_LBUTTONDBLCLK, &TCustomComboBox::WMLButtonDown)
                                       .On(CB_GETCOUNT, &TCustomComboBox::CBGetCount)
                                       .On(CB_GETCURSEL, &TCustomComboBox::CBGetCurSel)
                                       .On(CB_SETCURSEL, &TCustomComboBox::CBSetCurSel)
                                       .On(CB_SHOWDROPDOWN, &TCustomComboBox::CBShowDropDown)
                                       .On(CB_GETDROPPEDSTATE, &TCustomComboBox::CBGetDroppedState)
                                       .On(CB_GETCOMBOBOXINFO, &TCustomComboBox::CBGetComboBoxInfo)
                                       .On(CM_TEXTCHANGED, &TCustomComboBox::CMTextChanged)
                                       .On(CM_ENABLEDCHANGED, &TCustomComboBox::CMEnabledChanged)
                                       .On(CM_FONTCHANGED, &TCustomComboBox::CMFontChanged)
                                       .On(CM_COLORCHANGED, &TCustomComboBox::CMColorChanged);
    return Map;
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TItemStrings>())
{
    FControlStyle = {csOpaque, csDoubleClicks};
    FColor = clWindow;
    FTabStop = true;
    FWidth = 145;
    FHeight = 21;
    FItems->OnChanged = [this] { ItemsChanged(); };
    UpdateChildren();
}

TCustomComboBox::~TCustomComboBox()
{
    // Parts going away call back in: mark the combo box as going away first
    // (a combo box freed from the heap already is).
    Destroying();
    FItems->OnChanged = nullptr;
    // The parts go while the combo box is still whole: their windows'
    // last messages (focus loss) call back into it.
    FDropped = false;
    TComboList* List = FList;
    FList = nullptr;
    delete List;
    TComboEdit* Editor = FEditor;
    FEditor = nullptr;
    delete Editor;
}

void TCustomComboBox::CreateHandle()
{
    TCustomControl::CreateHandle();
    UpdateChildren();
}

// Properties -------------------------------------------------------------

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    if (FStyle == Value) return;
    CloseList(false);
    std::string Text = GetText();
    FStyle = Value;
    if (FList)
    {
        delete FList;
        FList = nullptr;
    }
    UpdateChildren();
    if (FEditor)
    {
        FShowingText = true;
        FEditor->SetText(Text);
        FShowingText = false;
    }
    Invalidate();
}

void TCustomComboBox::UpdateChildren()
{
    bool Editable = FStyle != csDropDownList;
    if (Editable && !FEditor)
    {
        FEditor = new TComboEdit(this);
        FEditor->SetMaxLength(FMaxLength);
        FEditor->SetParent(this);
    }
    else if (!Editable && FEditor)
    {
        delete FEditor;
        FEditor = nullptr;
    }
    if (FStyle == csSimple && !FList)
    {
        FList = new TComboList(this, false);
        FList->Items()->Assign(FItems.get());
        FList->SetParent(this);
    }
    TRect Item = ItemRect();
    if (FEditor)
    {
        FEditor->SetColor(FColor);
        FEditor->SetFont(Font());
        FEditor->SetEnabled(FEnabled);
        FEditor->SetBounds(Item.Left + 1, Item.Top, Item.Width() - 1, Item.Height());
    }
    if (FList)
    {
        FList->SetColor(FColor);
        FList->SetFont(Font());
        FList->SetItemHeight(ItemHeight());
        FList->SetEnabled(FEnabled);
        if (!FList->Popup())
        {
            int Top = Item.Bottom + Edge;
            FList->SetBounds(0, Top, FWidth, std::max(0, FHeight - Top));
            FList->SetItemIndex(FItemIndex);
        }
    }
}

void TCustomComboBox::BoundsChanged()
{
    TCustomControl::BoundsChanged();
    UpdateChildren();
}

void TCustomComboBox::SetItemIndex(int Value)
{
    if (Value < 0 || Value >= FItems->Count()) Value = -1;
    if (FItemIndex == Value)
    {
        // Clearing an editable box's selection clears its text too.
        if (Value < 0 && FEditor && !FEditor->Text().empty()) ShowItemText();
        return;
    }
    FItemIndex = Value;
    ShowItemText();
    if (FList) FList->SetItemIndex(Value);
    Invalidate();
}

void TCustomComboBox::ShowItemText()
{
    if (!FEditor) return;
    FShowingText = true;
    FEditor->SetText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : "");
    FShowingText = false;
    if (FEditor->Focused()) FEditor->SelectAll();
}

int TCustomComboBox::ItemHeight() const
{
    if (FItemHeight > 0) return FItemHeight;
    TCanvas Measure;
    Measure.SetFont(Font());
    return std::max(Measure.TextHeight("Wg"), 1);
}

void TCustomComboBox::SetItemHeight(int Value)
{
    Value = std::max(Value, 0);
    if (FItemHeight == Value) return;
    FItemHeight = Value;
    UpdateChildren();
}

void TCustomComboBox::SetMaxLength(int Value)
{
    FMaxLength = std::max(Value, 0);
    if (FEditor) FEditor->SetMaxLength(FMaxLength);
}

std::string TCustomComboBox::GetText() const
{
    if (FStyle == csDropDownList)
        return FItemIndex >= 0 ? FItems->Strings(FItemIndex) : std::string();
    return FEditor ? FEditor->Text() : FText;
}

void TCustomComboBox::ItemsChanged()
{
    if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    if (FList && (!FList->Popup() || FDropped))
    {
        FList->Items()->Assign(FItems.get());
        FList->SetItemIndex(FItemIndex);
    }
    Invalidate();
}

// Layout -----------------------------------------------------------------

TRect TCustomComboBox::ButtonRect() const
{
    if (FStyle == csSimple) return {};
    int Left = std::max(Edge, FWidth - Edge - ButtonWidth);
    return {Left, Edge, std::max(Left, FWidth - Edge), std::max(Edge, FHeight - Edge)};
}

TRect TCustomComboBox::ItemRect() const
{
    if (FStyle == csSimple)
        return {Edge, Edge, std::max(Edge, FWidth - Edge), Edge + ItemHeight() + 2};
    return {Edge, Edge, ButtonRect().Left, std::max(Edge, FHeight - Edge)};
}

TCustomListBox* TCustomComboBox::ListControl()
{
    if (!FList) FList = new TComboList(this, FStyle != csSimple);
    return FList;
}

bool TCustomComboBox::GetComboBoxInfo(COMBOBOXINFO& Info)
{
    if (Info.cbSize != sizeof(COMBOBOXINFO)) return false;
    TRect Item = ItemRect();
    TRect Button = ButtonRect();
    Info.rcItem = {Item.Left, Item.Top, Item.Right, Item.Bottom};
    Info.rcButton = {Button.Left, Button.Top, Button.Right, Button.Bottom};
    Info.stateButton =
        FStyle == csSimple ? STATE_SYSTEM_INVISIBLE : (FButtonPressed ? STATE_SYSTEM_PRESSED : 0);
    Info.hwndCombo = Handle();
    Info.hwndItem = FEditor ? FEditor->Handle() : nullptr;
    Info.hwndList = ListControl()->Handle();
    return true;
}

// Dropping down ----------------------------------------------------------

void TCustomComboBox::SetDroppedDown(bool Value)
{
    if (Value)
        OpenList();
    else
        CloseList(false);
}

void TCustomComboBox::OpenList()
{
    if (FDropped || FStyle == csSimple || !HandleAllocated() || !FEnabled) return;
    TLifeGuard Guard(this);
    DropDown();
    if (!Guard.Alive() || FDropped) return;
    auto* List = static_cast<TComboList*>(ListControl());
    List->HandleNeeded();
    List->SetColor(FColor);
    List->SetFont(Font());
    List->SetItemHeight(ItemHeight());
    List->Items()->Assign(FItems.get());
    int Rows = std::clamp(FItems->Count(), 1, FDropDownCount);
    int Height = Rows * ItemHeight() + 2;
    RECT Window;
    GetWindowRect(FHandle, &Window);
    int Top = Window.bottom;
    if (Top + Height > GetSystemMetrics(SM_CYSCREEN) && Window.top - Height >= 0)
        Top = Window.top - Height;
    // Wider than the box where an item would be cut, and then moved left as
    // far as the screen's edge asks.
    const int Frame = List->Width() - List->ClientWidth() - List->ScrollBarRect().Width();
    const int Width = std::max(FWidth, List->WidthForItems(Rows) + Frame);
    int Left = static_cast<int>(Window.left);
    if (Width > FWidth) Left = std::max(0, std::min(Left, GetSystemMetrics(SM_CXSCREEN) - Width));
    List->SetBounds(Left, Top, Width, Height);
    List->SetTopIndex(0);
    List->SetItemIndex(-1);
    List->SetItemIndex(FItemIndex);
    FDropped = true;
    SetButtonPressed(true);
    List->SetVisible(true);
    SetCapture(List->Handle());
    Invalidate();
}

void TCustomComboBox::CloseList(bool Commit)
{
    if (!FDropped) return;
    FDropped = false;
    int Picked = FList ? FList->ItemIndex() : -1;
    if (FList && FList->HandleAllocated())
    {
        if (GetCapture() == FList->Handle()) ReleaseCapture();
        FList->SetVisible(false);
    }
    SetButtonPressed(false);
    Invalidate();
    TLifeGuard Guard(this);
    CloseUp();
    if (!Guard.Alive()) return;
    if (Commit) UserSelect(Picked);
}

void TCustomComboBox::SetButtonPressed(bool Value)
{
    if (FButtonPressed == Value) return;
    FButtonPressed = Value;
    Invalidate();
}

void TCustomComboBox::UserSelect(int Index)
{
    if (Index < 0 || Index >= FItems->Count() || Index == FItemIndex) return;
    SetItemIndex(Index);
    TLifeGuard Guard(this);
    Change();
    if (Guard.Alive()) Select();
}

void TCustomComboBox::EditChanged()
{
    if (FShowingText) return;
    FItemIndex = FItems->IndexOf(FEditor->Text());
    if (FList && !FList->Popup()) FList->SetItemIndex(FItemIndex);
    Change();
}

void TCustomComboBox::FocusLeaving(HWND NewFocus)
{
    // Going away: no events any more.
    if (ComponentState().Contains(csDestroying)) return;
    if (NewFocus && (NewFocus == FHandle || (FEditor && NewFocus == FEditor->Handle()))) return;
    TLifeGuard Guard(this);
    CloseList(false);
    // With an edit, the combo box's own window only passes the focus on, so
    // it leaves when the edit does.
    if (Guard.Alive() && FEditor && NewFocus != FHandle && !FInKillFocus) DoExit();
}

bool TCustomComboBox::ComboKey(UINT Key, bool Alt)
{
    if (Key == VK_F4 || (Alt && (Key == VK_DOWN || Key == VK_UP)))
    {
        if (FStyle == csSimple) return false;
        if (FDropped)
            CloseList(true);
        else
            OpenList();
        return true;
    }
    if (Alt) return false;
    if (FDropped && (Key == VK_RETURN || Key == VK_ESCAPE))
    {
        CloseList(Key == VK_RETURN);
        return true;
    }
    int Last = FItems->Count() - 1;
    int Current = FDropped ? FList->ItemIndex() : FItemIndex;
    int Page = std::max(1, FDropDownCount - 1);
    int Index;
    switch (Key)
    {
    case VK_UP:
        Index = Current < 0 ? 0 : Current - 1;
        break;
    case VK_DOWN:
        Index = Current + 1;
        break;
    case VK_PRIOR:
        Index = Current < 0 ? 0 : Current - Page;
        break;
    case VK_NEXT:
        Index = Current + Page;
        break;
    case VK_HOME:
    case VK_END:
        // In the edit they move the caret, unless the list is open.
        if (FEditor && !FDropped) return false;
        Index = Key == VK_HOME ? 0 : Last;
        break;
    default:
        return false;
    }
    if (Last < 0) return true;
    Index = std::clamp(Index, 0, Last);
    if (FDropped)
        FList->SetItemIndex(Index);
    else
        UserSelect(Index);
    return true;
}

// Painting ---------------------------------------------------------------

void TCustomComboBox::Paint()
{
    TCanvas* C = Canvas();
    TRect Client = ClientRect();
    // The state first, then the drawing.
    bool Disabled = !FEnabled;
    bool Simple = FStyle == csSimple;
    bool ShowFocus = Focused() && FStyle == csDropDownList && !FDropped;
    bool Pressed = FButtonPressed;
    TColor Face = Disabled ? clBtnFace : FColor;

    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Client);
    TRect Frame = Simple ? TRect{0, 0, FWidth, ItemRect().Bottom + Edge} : Client;
    Frame3D(C, Frame, clBtnShadow, clBtnHighlight, 1);
    Frame3D(C, Frame, cl3DDkShadow, cl3DLight, 1);
    C->Brush()->SetColor(Face);
    C->FillRect(Frame);
    if (!Simple)
    {
        TRect Button = ButtonRect();
        if (Pressed)
            Frame3D(C, Button, clBtnShadow, clBtnShadow, 1);
        else
        {
            Frame3D(C, Button, cl3DLight, cl3DDkShadow, 1);
            Frame3D(C, Button, clBtnHighlight, clBtnShadow, 1);
        }
        C->Brush()->SetColor(clBtnFace);
        C->FillRect(Button);
        int X = Button.Left + (Button.Width() - 7) / 2 + (Pressed ? 1 : 0);
        int Y = Button.Top + (Button.Height() - 4) / 2 + (Pressed ? 1 : 0);
        auto Arrow = [&](int Dx, TColor Colour)
        {
            C->Brush()->SetColor(Colour);
            C->Pen()->SetColor(Colour);
            C->Polygon({{X + Dx, Y + Dx}, {X + 6 + Dx, Y + Dx}, {X + 3 + Dx, Y + 3 + Dx}});
        };
        if (Disabled) Arrow(1, clBtnHighlight);
        Arrow(0, Disabled ? clBtnShadow : clBtnText);
    }
    if (FStyle != csDropDownList) return;
    // The selection spans the item area's full width: the 8-point face's
    // widest entries of a narrow list use every column between the edge
    // and the button.
    TRect Item = ItemRect();
    Item.Top += 1;
    Item.Bottom -= 1;
    if (ShowFocus)
    {
        C->Brush()->SetColor(clHighlight);
        C->FillRect(Item);
    }
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(Disabled ? clGrayText : ShowFocus ? clHighlightText : Font()->Color());
    C->DrawText(GetText(), Item, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (ShowFocus) C->DrawFocusRect(Item);
}

// Messages ---------------------------------------------------------------

void TCustomComboBox::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (ComboKey(static_cast<UINT>(Message.WParam),
                     Message.Msg == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0))
            return;
        break;
    case WM_CHAR:
        if (FStyle == csDropDownList)
        {
            auto Ch = static_cast<unsigned char>(Message.WParam);
            int Count = FItems->Count();
            int From = FDropped ? FList->ItemIndex() : FItemIndex;
            for (int Step = 1; Ch > ' ' && Step <= Count; ++Step)
            {
                int I = (From + Step + Count) % Count;
                std::string S = FItems->Strings(I);
                if (S.empty() || std::toupper(static_cast<unsigned char>(S[0])) != std::toupper(Ch))
                    continue;
                if (FDropped)
                    FList->SetItemIndex(I);
                else
                    UserSelect(I);
                break;
            }
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TCustomComboBox::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (FDropped ? DLGC_WANTALLKEYS : 0);
}

void TCustomComboBox::WMSetFocus(TMessage& M)
{
    // The focus comes back from a part that is being destroyed with us.
    if (ComponentState().Contains(csDestroying))
    {
        DefaultHandler(M);
        return;
    }
    if (FEditor && FEditor->CanFocus())
    {
        FEditor->SetFocus();
        return;
    }
    Invalidate();
    TCustomControl::WMSetFocus(M);
}

void TCustomComboBox::WMKillFocus(TMessage& M)
{
    Invalidate();
    FInKillFocus = true;
    FocusLeaving(reinterpret_cast<HWND>(M.WParam));
    FInKillFocus = false;
    if (FEditor)
        DefaultHandler(M); // the focus only passed through to the edit
    else
        TCustomControl::WMKillFocus(M);
}

void TCustomComboBox::WMLButtonDown(TMessage& M)
{
    TLifeGuard Guard(this);
    if (CanFocus() && !Focused() && !(FEditor && FEditor->Focused())) SetFocus();
    if (!Guard.Alive()) return;
    TPoint P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    if (FStyle == csDropDownList || (FStyle == csDropDown && ButtonRect().Contains(P.X, P.Y)))
    {
        if (FDropped)
            CloseList(false);
        else
            OpenList();
    }
    if (Guard.Alive()) TCustomControl::WMLButtonDown(M);
}

void TCustomComboBox::CBGetCount(TMessage& M)
{
    M.Result = FItems->Count();
}

void TCustomComboBox::CBGetCurSel(TMessage& M)
{
    M.Result = FItemIndex;
}

void TCustomComboBox::CBSetCurSel(TMessage& M)
{
    SetItemIndex(static_cast<int>(static_cast<LONG_PTR>(M.WParam)));
    M.Result = FItemIndex < 0 ? CB_ERR : FItemIndex;
}

void TCustomComboBox::CBShowDropDown(TMessage& M)
{
    SetDroppedDown(M.WParam != 0);
    M.Result = TRUE;
}

void TCustomComboBox::CBGetDroppedState(TMessage& M)
{
    M.Result = FDropped;
}

void TCustomComboBox::CBGetComboBoxInfo(TMessage& M)
{
    auto* Info = reinterpret_cast<COMBOBOXINFO*>(M.LParam);
    M.Result = Info && GetComboBoxInfo(*Info);
}

void TCustomComboBox::CMTextChanged(TMessage&)
{
    // The program's text: an editable box shows it and selects the item
    // that matches it; a pick-only box selects the matching item or none.
    if (FEditor)
    {
        FShowingText = true;
        FEditor->SetText(FText);
        FShowingText = false;
    }
    int Match = FItems->IndexOf(FText);
    FItemIndex = Match;
    if (FList) FList->SetItemIndex(Match);
    Invalidate();
}

void TCustomComboBox::CMEnabledChanged(TMessage& M)
{
    if (!FEnabled) CloseList(false);
    TCustomControl::CMEnabledChanged(M);
    UpdateChildren();
}

void TCustomComboBox::CMFontChanged(TMessage& M)
{
    TCustomControl::CMFontChanged(M);
    UpdateChildren();
}

void TCustomComboBox::CMColorChanged(TMessage& M)
{
    TCustomControl::CMColorChanged(M);
    UpdateChildren();
}

const TClassInfo& TComboBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TComboBox>("TComboBox", &TCustomComboBox::StaticClass())
            .Enum("Style", &TComboBox::Style, &TComboBox::SetStyle, ComboBoxStyleNames())
            .Default(csDropDown)
            .Integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
            .Default(8)
            .Integer("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight)
            .Stored(&TComboBox::IsItemHeightStored)
            .Integer("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength)
            .Default(0)
            .Boolean("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted)
            .Default(false)
            .Boolean("TabStop", &TComboBox::TabStop, &TComboBox::SetTabStop)
            .Default(true)
            .String("Text", &TComboBox::Text, &TComboBox::SetText)
            .Strings("Items", &TComboBox::Items, &TComboBox::SetItems)
            .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
            .Default(-1)
            .Event("OnChange", &TComboBox::OnChange)
            .Event("OnCloseUp", &TComboBox::OnCloseUp)
            .Event("OnDropDown", &TComboBox::OnDropDown)
            .Event("OnSelect", &TComboBox::OnSelect)
            .Build();
    return Info;
}
