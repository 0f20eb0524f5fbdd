#include "framework/stdctrls/ScrollBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Messages.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/win/WinApi.h"

#include <cstdint>

namespace
{
const std::vector<std::string>& ScrollBarKindNames()
{
    static const std::vector<std::string> Names = {"sbHorizontal", "sbVertical"};
    return Names;
}
} // namespace

const TClassInfo& TScrollBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TScrollBar>("TScrollBar", &TWinControl::StaticClass())
            .Enum("Kind", &TScrollBar::Kind, &TScrollBar::SetKind, ScrollBarKindNames())
            .Default(sbHorizontal)
            .Integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
            .Default(1)
            .Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax)
            .Default(100)
            .Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin)
            .Default(0)
            .Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
            .Default(0)
            .Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
            .Default(0)
            .Integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
            .Default(1)
            .Boolean("TabStop", &TScrollBar::TabStop, &TScrollBar::SetTabStop)
            .Default(true)
            .Event("OnChange", &TScrollBar::OnChange)
            .Event("OnScroll", &TScrollBar::OnScroll)
            .Build();
    return Info;
}

const TMessageMap& TScrollBar::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TWinControl::StaticMessages())
                                       .On(WM_PAINT, &TScrollBar::WMToControl)
                                       .On(WM_PRINTCLIENT, &TScrollBar::WMToControl)
                                       .On(WM_ERASEBKGND, &TScrollBar::WMToControl)
                                       .On(WM_LBUTTONDOWN, &TScrollBar::WMLButtonDown)
                                       .On(WM_LBUTTONDBLCLK, &TScrollBar::WMLButtonDown)
                                       .On(WM_GETDLGCODE, &TScrollBar::WMGetDlgCode)
                                       .On(CN_HSCROLL, &TScrollBar::CNScroll)
                                       .On(CN_VSCROLL, &TScrollBar::CNScroll);
    return Map;
}

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner)
{
    FTabStop = true;
    FWidth = 121;
    FHeight = GetSystemMetrics(SM_CYHSCROLL);
}

void TScrollBar::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    if (FKind == sbVertical) Params.Style |= SBS_VERT;
}

void TScrollBar::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateBar();
}

void TScrollBar::DefaultHandler(TMessage& Message)
{
    if (FHandle)
        Message.Result = ScrollBarControlProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TScrollBar::WMToControl(TMessage& M)
{
    DefaultHandler(M);
}

void TScrollBar::WMLButtonDown(TMessage& M)
{
    if (CanFocus() && !Focused()) SetFocus();
    TLifeGuard Guard(this);
    DefaultHandler(M);
}

void TScrollBar::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_WANTARROWS;
}

int TScrollBar::PositionLimit() const
{
    int64_t Limit = static_cast<int64_t>(FMax) - std::max(FPageSize, 1) + 1;
    return static_cast<int>(std::max<int64_t>(Limit, FMin));
}

void TScrollBar::UpdateBar()
{
    if (!HandleAllocated()) return;
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    Info.nMin = FMin;
    Info.nMax = FMax;
    Info.nPage = static_cast<UINT>(FPageSize);
    Info.nPos = FPosition;
    SetScrollInfo(FHandle, SB_CTL, &Info, TRUE);
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    AMax = std::max(AMax, AMin);
    FMin = AMin;
    FMax = AMax;
    FPageSize = std::min<int64_t>(FPageSize, static_cast<int64_t>(FMax) - FMin + 1);
    const int Old = FPosition;
    FPosition = std::clamp(APosition, FMin, PositionLimit());
    UpdateBar();
    if (FPosition != Old) Change();
}

void TScrollBar::SetMin(int Value)
{
    SetParams(FPosition, Value, std::max(FMax, Value));
}

void TScrollBar::SetMax(int Value)
{
    SetParams(FPosition, std::min(FMin, Value), Value);
}

void TScrollBar::SetPosition(int Value)
{
    SetParams(Value, FMin, FMax);
}

void TScrollBar::SetPageSize(int Value)
{
    FPageSize = std::max(Value, 0);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (FKind == Value) return;
    FKind = Value;
    if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
    if (!HandleAllocated()) return;
    LONG Style = GetWindowLong(FHandle, GWL_STYLE) & ~static_cast<LONG>(SBS_VERT);
    SetWindowLong(FHandle, GWL_STYLE, Style | (Value == sbVertical ? SBS_VERT : 0));
    Invalidate();
}

void TScrollBar::CNScroll(TMessage& M)
{
    const auto Code = static_cast<TScrollCode>(LOWORD(M.WParam));
    int64_t Pos = FPosition;
    switch (Code)
    {
    case scLineUp:
        Pos -= FSmallChange;
        break;
    case scLineDown:
        Pos += FSmallChange;
        break;
    case scPageUp:
        Pos -= FLargeChange;
        break;
    case scPageDown:
        Pos += FLargeChange;
        break;
    case scPosition:
    case scTrack:
    {
        // The report carries 16 bits; the bar keeps the whole position.
        SCROLLINFO Info;
        Info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(FHandle, SB_CTL, &Info)) Pos = Info.nTrackPos;
        break;
    }
    case scTop:
        Pos = FMin;
        break;
    case scBottom:
        Pos = FMax;
        break;
    default:
        break;
    }
    int NewPos = static_cast<int>(std::clamp<int64_t>(Pos, FMin, PositionLimit()));
    TLifeGuard Guard(this);
    Scroll(Code, NewPos);
    if (Guard.Alive()) SetPosition(NewPos);
    M.Result = 0;
}
