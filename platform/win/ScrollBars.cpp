#include "platform/win/ScrollBars.h"

#include "detail/Painting.h"
#include "detail/ScrollBars.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowTable.h"
#include "platform/win/LastError.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowState.h"

#include <algorithm>
#include <cstdint>

namespace
{
constexpr int MinThumbLength = 8;

// The last position the thumb can take: the page's first item at the end.
int PosLimit(const TScrollBarData& Data)
{
    int64_t Limit = static_cast<int64_t>(Data.Max) - std::max<int64_t>(Data.Page, 1) + 1;
    return static_cast<int>(std::max<int64_t>(Limit, Data.Min));
}

bool RangeNeeded(const TScrollBarData& Data)
{
    int64_t Span = static_cast<int64_t>(Data.Max) - Data.Min + 1;
    return Data.Max > Data.Min && static_cast<int64_t>(Data.Page) < Span;
}

DWORD StyleBit(int Bar)
{
    return Bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
}

// Shows or hides a window bar through its style bit; the frame is
// recomputed, so the client area grows or shrinks. False when the window
// went away meanwhile.
bool ShowWindowBar(HWND Handle, int Bar, bool Show)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return false;
    DWORD Bit = StyleBit(Bar);
    if (((Window->Style & Bit) != 0) == Show) return true;
    if (Show)
        Window->Style |= Bit;
    else
        Window->Style &= ~Bit;
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return OwnWindow(Handle) != nullptr;
}

int BarOfObject(LONG ObjectId)
{
    switch (ObjectId)
    {
    case OBJID_HSCROLL:
        return SB_HORZ;
    case OBJID_VSCROLL:
        return SB_VERT;
    case OBJID_CLIENT:
        return SB_CTL;
    default:
        return -1;
    }
}
} // namespace

TScrollBarData* ScrollDataOf(TWindow& Window, int Bar)
{
    if (Bar < SB_HORZ || Bar > SB_CTL) return nullptr;
    return &Window.Scroll[static_cast<size_t>(Bar)];
}

bool ScrollBarShown(const TWindow& Window, int Bar)
{
    return Bar == SB_CTL || (Window.Style & StyleBit(Bar));
}

bool ScrollBarVertical(const TWindow& Window, int Bar)
{
    return Bar == SB_CTL ? (Window.Style & SBS_VERT) != 0 : Bar == SB_VERT;
}

bool ScrollBarDisabled(const TWindow& Window, int Bar)
{
    const TScrollBarData& Data = Window.Scroll[static_cast<size_t>(Bar)];
    return (Window.Style & WS_DISABLED) || Data.DisabledArrows == ESB_DISABLE_BOTH ||
           Data.NotNeeded;
}

RECT ScrollBarRectInWindow(const TWindow& Window, int Bar)
{
    const RECT& C = Window.ClientRect;
    if (Bar == SB_CTL) return C;
    if (!ScrollBarShown(Window, Bar)) return {};
    if (Bar == SB_VERT) return {C.right, C.top, C.right + GetSystemMetrics(SM_CXVSCROLL), C.bottom};
    return {C.left, C.bottom, C.right, C.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

RECT SizeBoxRectInWindow(const TWindow& Window)
{
    if ((Window.Style & (WS_HSCROLL | WS_VSCROLL)) != (WS_HSCROLL | WS_VSCROLL)) return {};
    const RECT& C = Window.ClientRect;
    return {C.right, C.bottom, C.right + GetSystemMetrics(SM_CXVSCROLL),
            C.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

TScrollGeometry ScrollGeometryOf(const TWindow& Window, int Bar)
{
    TScrollGeometry G;
    G.Bar = ScrollBarRectInWindow(Window, Bar);
    G.Vertical = ScrollBarVertical(Window, Bar);
    const int Length = G.Length();
    const int Thickness = G.Vertical ? G.Bar.right - G.Bar.left : G.Bar.bottom - G.Bar.top;
    if (Length <= 0 || Thickness <= 0) return G;
    G.Arrow = std::min(Thickness, Length / 2);
    const TScrollBarData& Data = Window.Scroll[static_cast<size_t>(Bar)];
    const int Track = Length - 2 * G.Arrow;
    if (ScrollBarDisabled(Window, Bar) || Track <= 0) return G;
    int64_t Span = static_cast<int64_t>(Data.Max) - Data.Min + 1;
    int Thumb =
        Data.Page ? static_cast<int>(Track * static_cast<int64_t>(Data.Page) / Span) : Thickness;
    Thumb = std::max(Thumb, MinThumbLength);
    if (Thumb > Track) return G;
    const int Limit = PosLimit(Data);
    const int Pos = Data.Tracking ? Data.TrackPos : Data.Pos;
    int Offset = Limit > Data.Min ? static_cast<int>(static_cast<int64_t>(Track - Thumb) *
                                                     (std::clamp(Pos, Data.Min, Limit) - Data.Min) /
                                                     (static_cast<int64_t>(Limit) - Data.Min))
                                  : 0;
    G.ThumbStart = G.Arrow + Offset;
    G.ThumbEnd = G.ThumbStart + Thumb;
    return G;
}

int ScrollPosAt(const TScrollGeometry& G, const TScrollBarData& Data, int ThumbStart)
{
    const int Free = G.Length() - 2 * G.Arrow - (G.ThumbEnd - G.ThumbStart);
    const int Limit = PosLimit(Data);
    if (Free <= 0 || Limit <= Data.Min) return Data.Min;
    int64_t Span = static_cast<int64_t>(Limit) - Data.Min;
    int64_t Offset = std::clamp(ThumbStart - G.Arrow, 0, Free);
    return Data.Min + static_cast<int>((Offset * Span + Free / 2) / Free);
}

RECT TScrollGeometry::PartRect(TScrollPart Part) const
{
    int From = 0, To = 0;
    const int Length = this->Length();
    switch (Part)
    {
    case spLineUp:
        To = Arrow;
        break;
    case spPageUp:
        From = Arrow;
        To = ThumbStart;
        break;
    case spThumb:
        From = ThumbStart;
        To = ThumbEnd;
        break;
    case spPageDown:
        From = ThumbEnd;
        To = Length - Arrow;
        break;
    case spLineDown:
        From = Length - Arrow;
        To = Length;
        break;
    default:
        return {};
    }
    if (To <= From) return {};
    if (Vertical) return {Bar.left, Bar.top + From, Bar.right, Bar.top + To};
    return {Bar.left + From, Bar.top, Bar.left + To, Bar.bottom};
}

TScrollPart TScrollGeometry::PartAt(POINT P) const
{
    if (!PointInRect(Bar, P)) return spNone;
    const int Offset = Vertical ? P.y - Bar.top : P.x - Bar.left;
    if (Offset < Arrow) return spLineUp;
    if (Offset >= Length() - Arrow) return spLineDown;
    if (ThumbEnd <= ThumbStart) return spNone;
    if (Offset < ThumbStart) return spPageUp;
    if (Offset < ThumbEnd) return spThumb;
    return spPageDown;
}

void InvalidateScrollBar(TWindow& Window, int Bar)
{
    if (Bar == SB_CTL)
    {
        InvalidateWindow(Window, TRegion(ToTRect(Window.ClientRect)),
                         RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    RECT R = ScrollBarRectInWindow(Window, Bar);
    if (R.right > R.left && R.bottom > R.top)
        InvalidateWindow(Window, TRegion(ToTRect(R)), RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

int SetScrollInfo(HWND Handle, int Bar, const SCROLLINFO* Info, BOOL Redraw)
{
    TWindow* Window = OwnWindow(Handle);
    TScrollBarData* Data = Window ? ScrollDataOf(*Window, Bar) : nullptr;
    if (!Data || !Info)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const UINT Mask = Info->fMask;
    if (Mask & SIF_RANGE)
    {
        Data->Min = Info->nMin;
        Data->Max = std::max(Info->nMax, Info->nMin);
    }
    if (Mask & SIF_PAGE) Data->Page = Info->nPage;
    int64_t Span = static_cast<int64_t>(Data->Max) - Data->Min + 1;
    if (static_cast<int64_t>(Data->Page) > Span) Data->Page = static_cast<UINT>(Span);
    if (Mask & SIF_POS) Data->Pos = Info->nPos;
    Data->Pos = std::clamp(Data->Pos, Data->Min, PosLimit(*Data));
    const int Pos = Data->Pos;
    if (Mask & (SIF_RANGE | SIF_PAGE))
    {
        const bool Needed = RangeNeeded(*Data);
        const bool KeepShown = (Mask & SIF_DISABLENOSCROLL) != 0;
        Data->NotNeeded = KeepShown && !Needed;
        if (Bar != SB_CTL && !ShowWindowBar(Handle, Bar, Needed || KeepShown)) return Pos;
    }
    if (Redraw && (Window = OwnWindow(Handle))) InvalidateScrollBar(*Window, Bar);
    return Pos;
}

BOOL GetScrollInfo(HWND Handle, int Bar, SCROLLINFO* Info)
{
    TWindow* Window = OwnWindow(Handle);
    TScrollBarData* Data = Window ? ScrollDataOf(*Window, Bar) : nullptr;
    if (!Data || !Info || !(Info->fMask & SIF_ALL))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (Info->fMask & SIF_RANGE)
    {
        Info->nMin = Data->Min;
        Info->nMax = Data->Max;
    }
    if (Info->fMask & SIF_PAGE) Info->nPage = Data->Page;
    if (Info->fMask & SIF_POS) Info->nPos = Data->Pos;
    if (Info->fMask & SIF_TRACKPOS) Info->nTrackPos = Data->Tracking ? Data->TrackPos : Data->Pos;
    return TRUE;
}

BOOL GetScrollBarInfo(HWND Handle, LONG ObjectId, SCROLLBARINFO* Info)
{
    TWindow* Window = OwnWindow(Handle);
    const int Bar = BarOfObject(ObjectId);
    if (!Window || Bar < 0 || !Info)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    TScrollGeometry G = ScrollGeometryOf(*Window, Bar);
    const RECT Outer = ScreenWindowRect(*Window);
    Info->rcScrollBar = {G.Bar.left + Outer.left, G.Bar.top + Outer.top, G.Bar.right + Outer.left,
                         G.Bar.bottom + Outer.top};
    Info->dxyLineButton = G.Arrow;
    Info->xyThumbTop = G.ThumbStart;
    Info->xyThumbBottom = G.ThumbEnd;
    Info->reserved = 0;
    const TScrollBarData& Data = Window->Scroll[static_cast<size_t>(Bar)];
    const bool Shown = ScrollBarShown(*Window, Bar);
    const bool Disabled = ScrollBarDisabled(*Window, Bar);
    Info->rgstate[0] = !Shown ? STATE_SYSTEM_INVISIBLE : Disabled ? STATE_SYSTEM_UNAVAILABLE : 0;
    for (int Part = spLineUp; Part <= spLineDown; ++Part)
    {
        DWORD State = 0;
        if (Part == Data.Pressed) State |= STATE_SYSTEM_PRESSED;
        if (G.PartRect(static_cast<TScrollPart>(Part)).right <= 0) State |= STATE_SYSTEM_INVISIBLE;
        if ((Part == spLineUp && (Data.DisabledArrows & ESB_DISABLE_LTUP)) ||
            (Part == spLineDown && (Data.DisabledArrows & ESB_DISABLE_RTDN)) || Disabled)
            State |= STATE_SYSTEM_UNAVAILABLE;
        Info->rgstate[Part] = State;
    }
    return TRUE;
}

int SetScrollPos(HWND Handle, int Bar, int Pos, BOOL Redraw)
{
    TWindow* Window = OwnWindow(Handle);
    TScrollBarData* Data = Window ? ScrollDataOf(*Window, Bar) : nullptr;
    if (!Data) return 0;
    const int Previous = Data->Pos;
    SCROLLINFO Info;
    Info.fMask = SIF_POS;
    Info.nPos = Pos;
    SetScrollInfo(Handle, Bar, &Info, Redraw);
    return Previous;
}

int GetScrollPos(HWND Handle, int Bar)
{
    SCROLLINFO Info;
    Info.fMask = SIF_POS;
    return GetScrollInfo(Handle, Bar, &Info) ? Info.nPos : 0;
}

BOOL SetScrollRange(HWND Handle, int Bar, int Min, int Max, BOOL Redraw)
{
    if (Max < Min)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    SCROLLINFO Info;
    Info.fMask = SIF_RANGE;
    Info.nMin = Min;
    Info.nMax = Max;
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !ScrollDataOf(*Window, Bar))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    SetScrollInfo(Handle, Bar, &Info, Redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND Handle, int Bar, int* Min, int* Max)
{
    SCROLLINFO Info;
    Info.fMask = SIF_RANGE;
    if (!Min || !Max || !GetScrollInfo(Handle, Bar, &Info)) return FALSE;
    *Min = Info.nMin;
    *Max = Info.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND Handle, int Bar, BOOL Show)
{
    if (!OwnWindow(Handle))
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    switch (Bar)
    {
    case SB_HORZ:
    case SB_VERT:
        return ShowWindowBar(Handle, Bar, Show);
    case SB_BOTH:
        return ShowWindowBar(Handle, SB_HORZ, Show) && ShowWindowBar(Handle, SB_VERT, Show);
    case SB_CTL:
        ShowWindow(Handle, Show ? SW_SHOW : SW_HIDE);
        return TRUE;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}

BOOL EnableScrollBar(HWND Handle, UINT Bar, UINT Arrows)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || Bar > SB_BOTH)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    bool Changed = false;
    for (int One : {SB_HORZ, SB_VERT, SB_CTL})
    {
        bool Named =
            static_cast<int>(Bar) == One || (Bar == SB_BOTH && (One == SB_HORZ || One == SB_VERT));
        TScrollBarData& Data = Window->Scroll[static_cast<size_t>(One)];
        if (!Named || Data.DisabledArrows == (Arrows & ESB_DISABLE_BOTH)) continue;
        Data.DisabledArrows = Arrows & ESB_DISABLE_BOTH;
        InvalidateScrollBar(*Window, One);
        Changed = true;
    }
    return Changed;
}
