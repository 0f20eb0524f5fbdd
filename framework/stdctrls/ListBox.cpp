#include "framework/stdctrls/ListBox.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Frame3D.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <cctype>

namespace
{
// Room left of an item's text, and as much right of it.
constexpr int TextMargin = 2;
} // namespace

const TClassInfo& TCustomListBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomListBox>("TCustomListBox", &TCustomControl::StaticClass()).Build();
    return Info;
}

const TMessageMap& TCustomListBox::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_GETDLGCODE, &TCustomListBox::WMGetDlgCode)
                                       .On(WM_LBUTTONDOWN, &TCustomListBox::WMLButtonDown)
                                       .On(WM_LBUTTONDBLCLK, &TCustomListBox::WMLButtonDblClk)
                                       .On(WM_MOUSEMOVE, &TCustomListBox::WMMouseMove)
                                       .On(WM_MOUSEWHEEL, &TCustomListBox::WMMouseWheel)
                                       .On(WM_SETFOCUS, &TCustomListBox::WMSetFocus)
                                       .On(WM_KILLFOCUS, &TCustomListBox::WMKillFocus)
                                       .On(LB_GETCURSEL, &TCustomListBox::LBGetCurSel)
                                       .On(LB_SETCURSEL, &TCustomListBox::LBSetCurSel)
                                       .On(LB_GETCOUNT, &TCustomListBox::LBGetCount)
                                       .On(LB_GETTOPINDEX, &TCustomListBox::LBGetTopIndex)
                                       .On(LB_SETTOPINDEX, &TCustomListBox::LBSetTopIndex)
                                       .On(WM_VSCROLL, &TCustomListBox::WMVScroll)
                                       .On(CM_FONTCHANGED, &TCustomListBox::CMFontChanged);
    return Map;
}

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TItemStrings>())
{
    // OnClick reports selections (UserSelect), not every press.
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
    FColor = clWindow;
    FTabStop = true;
    FWidth = 121;
    FHeight = 97;
    FItems->OnChanged = [this] { ItemsChanged(); };
}

TCustomListBox::~TCustomListBox()
{
    FItems->OnChanged = nullptr;
}

void TCustomListBox::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBar();
}

void TCustomListBox::Resize()
{
    FTopIndex = ClampTop(FTopIndex);
    UpdateScrollBar();
    TCustomControl::Resize();
}

void TCustomListBox::UpdateScrollBar()
{
    if (!HandleAllocated()) return;
    SCROLLINFO Info;
    Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    Info.nMin = 0;
    Info.nMax = Count() - 1;
    Info.nPage = static_cast<UINT>(VisibleCount());
    Info.nPos = FTopIndex;
    SetScrollInfo(FHandle, SB_VERT, &Info, TRUE);
}

void TCustomListBox::ItemsChanged()
{
    if (FItemIndex >= Count()) FItemIndex = -1;
    FTopIndex = ClampTop(FTopIndex);
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetItemIndex(int Value)
{
    if (Value < 0 || Value >= Count()) Value = -1;
    if (FItemIndex == Value) return;
    FItemIndex = Value;
    if (Value >= 0) ScrollIntoView(Value);
    Invalidate();
}

int TCustomListBox::ItemHeight() const
{
    if (FItemHeight > 0) return FItemHeight;
    TCanvas Measure;
    Measure.SetFont(Font());
    return std::max(Measure.TextHeight("Wg"), 1);
}

void TCustomListBox::SetItemHeight(int Value)
{
    Value = std::max(Value, 0);
    if (FItemHeight == Value) return;
    FItemHeight = Value;
    FTopIndex = ClampTop(FTopIndex);
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value)
{
    if (Value != bsNone) Value = bsSingle;
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    if (!HandleAllocated()) return;
    LONG Ex = GetWindowLong(FHandle, GWL_EXSTYLE) & ~static_cast<LONG>(WS_EX_CLIENTEDGE);
    if (Value == bsSingle) Ex |= WS_EX_CLIENTEDGE;
    SetWindowLong(FHandle, GWL_EXSTYLE, Ex);
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int TCustomListBox::VisibleCount() const
{
    return std::max(1, ClientHeight() / ItemHeight());
}

int TCustomListBox::ScrollRange() const
{
    return std::max(0, Count() - VisibleCount());
}

int TCustomListBox::ClampTop(int Top) const
{
    return std::clamp(Top, 0, ScrollRange());
}

void TCustomListBox::SetTopIndex(int Value)
{
    Value = ClampTop(Value);
    if (FTopIndex == Value) return;
    FTopIndex = Value;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::ScrollIntoView(int Index)
{
    if (Index < 0 || Index >= Count()) return;
    if (Index < FTopIndex)
        SetTopIndex(Index);
    else if (Index >= FTopIndex + VisibleCount())
        SetTopIndex(Index - VisibleCount() + 1);
}

bool TCustomListBox::ScrollBarVisible() const
{
    if (HandleAllocated()) return (GetWindowLong(FHandle, GWL_STYLE) & WS_VSCROLL) != 0;
    return Count() > VisibleCount();
}

TRect TCustomListBox::ScrollBarRect() const
{
    TRect R = ClientRect();
    if (!ScrollBarVisible()) return {R.Right, R.Top, R.Right, R.Bottom};
    return {R.Right, R.Top, R.Right + GetSystemMetrics(SM_CXVSCROLL), R.Bottom};
}

int TCustomListBox::WidthForItems(int Rows) const
{
    TCanvas Measure;
    Measure.SetFont(Font());
    int Widest = 0;
    for (int I = 0; I < Count(); ++I)
        Widest = std::max(Widest, Measure.TextWidth(FItems->Strings(I)));
    return Widest + 2 * TextMargin + (Count() > Rows ? GetSystemMetrics(SM_CXVSCROLL) : 0);
}

TRect TCustomListBox::ItemRect(int Index) const
{
    int H = ItemHeight();
    int Top = (Index - FTopIndex) * H;
    return {0, Top, ClientWidth(), Top + H};
}

int TCustomListBox::ItemAtPos(TPoint P) const
{
    if (P.X < 0 || P.X >= ClientWidth() || P.Y < 0 || P.Y >= ClientHeight()) return -1;
    int Index = FTopIndex + P.Y / ItemHeight();
    return Index < Count() ? Index : -1;
}

void TCustomListBox::UserSelect(int Index)
{
    if (Index < 0 || Index >= Count() || Index == FItemIndex) return;
    SetItemIndex(Index);
    Click();
}

// Painting ---------------------------------------------------------------

void TCustomListBox::Paint()
{
    TCanvas* C = Canvas();
    TRect Client = ClientRect();
    bool Focus = Focused();
    C->Brush()->SetColor(FColor);
    C->FillRect(Client);
    int Last = std::min(Count(), FTopIndex + VisibleCount() + 1);
    for (int I = FTopIndex; I < Last; ++I)
    {
        TRect R = ItemRect(I);
        if (R.Top >= Client.Bottom) break;
        DrawItem(I, R, I == FItemIndex, Focus && I == FItemIndex);
    }
    if (Focus && FItemIndex < 0 && Count() == 0) C->DrawFocusRect(ItemRect(0));
}

void TCustomListBox::DrawItem(int Index, const TRect& R, bool Selected, bool Focus)
{
    TCanvas* C = Canvas();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Selected ? clHighlight : FColor);
    C->FillRect(R);
    DrawItemText(Index, R, !FEnabled ? clGrayText : Selected ? clHighlightText : Font()->Color());
    if (Focus) C->DrawFocusRect(R);
}

void TCustomListBox::DrawItemText(int Index, const TRect& R, TColor TextColor)
{
    TCanvas* C = Canvas();
    C->Brush()->SetStyle(bsClear);
    C->Font()->Assign(Font());
    C->Font()->SetColor(TextColor);
    TRect Text{R.Left + TextMargin, R.Top, R.Right, R.Bottom};
    C->DrawText(FItems->Strings(Index), Text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// Input ------------------------------------------------------------------

void TCustomListBox::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TCustomListBox::WMLButtonDown(TMessage& M)
{
    if (CanFocus() && !Focused()) SetFocus();
    TPoint P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    UserSelect(ItemAtPos(P));
    TCustomControl::WMLButtonDown(M);
}

void TCustomListBox::WMLButtonDblClk(TMessage& M)
{
    TPoint P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    TCustomControl::WMLButtonDblClk(M);
    if (ItemAtPos(P) >= 0) DblClick(); // the control style has no click events
}

void TCustomListBox::WMMouseMove(TMessage& M)
{
    TPoint P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    if ((M.WParam & MK_LBUTTON) || FHotTrack)
    {
        // Dragging past the ends scrolls one item at a time.
        int Index = ItemAtPos({std::min(P.X, ClientWidth() - 1), P.Y});
        if (M.WParam & MK_LBUTTON)
        {
            if (P.Y < 0 && FTopIndex > 0) Index = FTopIndex - 1;
            if (P.Y >= ClientHeight() && Count() > 0)
                Index = std::min(Count() - 1, FTopIndex + VisibleCount());
        }
        if (Index >= 0 && P.X >= 0 && P.X < ClientWidth())
        {
            if (FHotTrack)
                SetItemIndex(Index);
            else
                UserSelect(Index);
        }
    }
    TCustomControl::WMMouseMove(M);
}

void TCustomListBox::WMVScroll(TMessage& M)
{
    switch (LOWORD(M.WParam))
    {
    case SB_LINEUP:
        SetTopIndex(FTopIndex - 1);
        break;
    case SB_LINEDOWN:
        SetTopIndex(FTopIndex + 1);
        break;
    case SB_PAGEUP:
        SetTopIndex(FTopIndex - VisibleCount());
        break;
    case SB_PAGEDOWN:
        SetTopIndex(FTopIndex + VisibleCount());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
    {
        // The 32-bit position: the report carries only 16 bits of it.
        SCROLLINFO Info;
        Info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(FHandle, SB_VERT, &Info)) SetTopIndex(Info.nTrackPos);
        break;
    }
    case SB_TOP:
        SetTopIndex(0);
        break;
    case SB_BOTTOM:
        SetTopIndex(ScrollRange());
        break;
    default:
        break;
    }
    M.Result = 0;
}

void TCustomListBox::CMFontChanged(TMessage& M)
{
    TCustomControl::CMFontChanged(M);
    FTopIndex = ClampTop(FTopIndex);
    UpdateScrollBar();
}

void TCustomListBox::WMMouseWheel(TMessage& M)
{
    int Delta = static_cast<short>(HIWORD(static_cast<ULONG_PTR>(M.WParam)));
    SetTopIndex(FTopIndex - Delta * 3 / WHEEL_DELTA);
    M.Result = 0;
}

void TCustomListBox::WMSetFocus(TMessage& M)
{
    Invalidate();
    TCustomControl::WMSetFocus(M);
}

void TCustomListBox::WMKillFocus(TMessage& M)
{
    Invalidate();
    TCustomControl::WMKillFocus(M);
}

void TCustomListBox::DefaultHandler(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN)
    {
        int Page = std::max(1, VisibleCount() - 1);
        int Last = Count() - 1;
        int Index = FItemIndex;
        switch (static_cast<UINT>(Message.WParam))
        {
        case VK_UP:
            Index = Index < 0 ? 0 : Index - 1;
            break;
        case VK_DOWN:
            Index = Index + 1;
            break;
        case VK_HOME:
            Index = 0;
            break;
        case VK_END:
            Index = Last;
            break;
        case VK_PRIOR:
            Index = Index < 0 ? 0 : Index - Page;
            break;
        case VK_NEXT:
            Index = Index + Page;
            break;
        default:
            TCustomControl::DefaultHandler(Message);
            return;
        }
        if (Last >= 0) UserSelect(std::clamp(Index, 0, Last));
        return;
    }
    if (Message.Msg == WM_CHAR)
    {
        auto Ch = static_cast<unsigned char>(Message.WParam);
        if (Ch <= ' ') return;
        // The next item after the selection whose text starts with the
        // character, wrapping around.
        for (int Step = 1; Step <= Count(); ++Step)
        {
            int I = (FItemIndex + Step + Count()) % Count();
            std::string S = FItems->Strings(I);
            if (!S.empty() && std::toupper(static_cast<unsigned char>(S[0])) == std::toupper(Ch))
            {
                UserSelect(I);
                return;
            }
        }
        return;
    }
    TCustomControl::DefaultHandler(Message);
}

void TCustomListBox::LBGetCurSel(TMessage& M)
{
    M.Result = FItemIndex;
}

void TCustomListBox::LBSetCurSel(TMessage& M)
{
    SetItemIndex(static_cast<int>(static_cast<LONG_PTR>(M.WParam)));
    M.Result = FItemIndex < 0 ? LB_ERR : FItemIndex;
}

void TCustomListBox::LBGetCount(TMessage& M)
{
    M.Result = Count();
}

void TCustomListBox::LBGetTopIndex(TMessage& M)
{
    M.Result = FTopIndex;
}

void TCustomListBox::LBSetTopIndex(TMessage& M)
{
    SetTopIndex(static_cast<int>(M.WParam));
}

const TClassInfo& TListBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TListBox>("TListBox", &TCustomListBox::StaticClass())
            .Enum("BorderStyle", &TListBox::BorderStyle, &TListBox::SetBorderStyle,
                  ControlBorderStyleNames())
            .Default(bsSingle)
            .Integer("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
            .Stored(&TListBox::IsItemHeightStored)
            .Strings("Items", &TListBox::Items, &TListBox::SetItems)
            .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
            .Default(-1)
            .Boolean("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
            .Default(false)
            .Boolean("TabStop", &TListBox::TabStop, &TListBox::SetTabStop)
            .Default(true)
            .Build();
    return Info;
}
