#include "platform/win/WindowPos.h"

#include "detail/Desktop.h"
#include "detail/Focus.h"
#include "detail/WindowEvents.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowPos.h"
#include "detail/WindowTable.h"
#include "detail/WindowTree.h"
#include "platform/win/Focus.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"

#include <algorithm>
#include <vector>

namespace
{
bool Contains(const TWindow& Ancestor, HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    return Window && (Window == &Ancestor || IsDescendant(Ancestor, *Window));
}

// Where the focus and activation go when a window that holds them is hidden.
void MoveInputAwayFrom(HWND Handle)
{
    TDesktop& Desktop = TDesktop::Instance();
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return;
    if (Window->Parent && Contains(*Window, Desktop.Focus)) SetFocus(Window->Parent->Handle);
    if (!Window->Parent && Desktop.Active == Handle) ActivateOtherWindow(Handle);
}

void ApplyZOrder(TWindow& Window, HWND InsertAfter, bool MoveOwned)
{
    if (!Window.Parent)
    {
        if (InsertAfter == HWND_TOPMOST) Window.ExStyle |= WS_EX_TOPMOST;
        if (InsertAfter == HWND_NOTOPMOST) Window.ExStyle &= ~WS_EX_TOPMOST;
    }
    LinkWindow(Window, Window.Parent, InsertAfter);
    if (Window.Parent || !MoveOwned) return;
    // Owned windows stay above their owner, in their own order.
    auto& List = TDesktop::Instance().TopLevel;
    std::vector<TWindow*> Owned;
    for (TWindow* W : List)
        if (W->Owner == &Window) Owned.push_back(W);
    for (auto It = Owned.rbegin(); It != Owned.rend(); ++It)
    {
        std::erase(List, *It);
        List.insert(std::find(List.begin(), List.end(), &Window), *It);
    }
}
} // namespace

BOOL SetWindowPos(HWND Handle, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return FALSE;
    if (Window->MessageOnly) Flags |= SWP_NOZORDER | SWP_NOACTIVATE;
    if (Window->Style & WS_VISIBLE)
        Flags &= ~SWP_SHOWWINDOW;
    else
        Flags &= ~SWP_HIDEWINDOW;
    if (Window->MessageOnly) Flags &= ~SWP_SHOWWINDOW;
    if (Window->Style & WS_CHILD) Flags |= SWP_NOACTIVATE;
    if (InsertAfter == Handle) Flags |= SWP_NOZORDER;
    if (InsertAfter && InsertAfter != HWND_BOTTOM && InsertAfter != HWND_TOPMOST &&
        InsertAfter != HWND_NOTOPMOST && !(Flags & SWP_NOZORDER))
    {
        TWindow* After = TWindowTable::Instance().FindOwn(InsertAfter);
        if (!After || After->Parent != Window->Parent)
        {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }

    const RECT Old = Window->WindowRect;
    WINDOWPOS Pos{Handle, InsertAfter, X, Y, Width, Height, Flags};
    if (Flags & SWP_NOMOVE)
    {
        Pos.x = Old.left;
        Pos.y = Old.top;
    }
    if (Flags & SWP_NOSIZE)
    {
        Pos.cx = Old.right - Old.left;
        Pos.cy = Old.bottom - Old.top;
    }
    if (!(Flags & SWP_NOSENDCHANGING))
    {
        SendMessage(Handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&Pos));
        if (!(Window = OwnWindow(Handle))) return FALSE;
    }
    Pos.cx = std::max(Pos.cx, 0);
    Pos.cy = std::max(Pos.cy, 0);
    RECT New{Pos.x, Pos.y, Pos.x + Pos.cx, Pos.y + Pos.cy};
    const bool Sized = (New.right - New.left) != (Old.right - Old.left) ||
                       (New.bottom - New.top) != (Old.bottom - Old.top);
    const RECT OldClient = Window->ClientRect;
    const RECT OldScreen = ScreenWindowRect(*Window);
    const bool WasShown = IsShown(*Window);
    RECT Client{New.left + OldClient.left, New.top + OldClient.top, New.left + OldClient.right,
                New.top + OldClient.bottom};
    if (Sized || (Pos.flags & SWP_FRAMECHANGED))
    {
        NCCALCSIZE_PARAMS Params{};
        Params.rgrc[0] = New;
        Params.rgrc[1] = Old;
        Params.rgrc[2] = {Old.left + OldClient.left, Old.top + OldClient.top,
                          Old.left + OldClient.right, Old.top + OldClient.bottom};
        Params.lppos = &Pos;
        SendMessage(Handle, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&Params));
        if (!(Window = OwnWindow(Handle))) return FALSE;
        Client = Params.rgrc[0];
    }
    Window->WindowRect = New;
    Window->ClientRect = {Client.left - New.left, Client.top - New.top, Client.right - New.left,
                          Client.bottom - New.top};
    // Hiding leaves the z-order alone.
    if (!(Pos.flags & (SWP_NOZORDER | SWP_HIDEWINDOW)))
    {
        std::vector<TWindow*>* Siblings = SiblingList(*Window);
        std::vector<TWindow*> Before = Siblings ? *Siblings : std::vector<TWindow*>{};
        DWORD OldExStyle = Window->ExStyle;
        ApplyZOrder(*Window, Pos.hwndInsertAfter, !(Pos.flags & SWP_NOOWNERZORDER));
        if (Siblings && *Siblings == Before && Window->ExStyle == OldExStyle)
            Pos.flags |= SWP_NOZORDER;
    }
    const bool Moved = New.left != Old.left || New.top != Old.top;
    const bool Reordered = !(Pos.flags & (SWP_NOZORDER | SWP_HIDEWINDOW));
    if (!Sized && !Moved && !Reordered &&
        !(Pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED)))
    {
        // Nothing changed: no WM_WINDOWPOSCHANGED, but a requested activation still happens.
        if (!(Pos.flags & SWP_NOACTIVATE) && (Window->Style & WS_VISIBLE) &&
            !(Window->Style & WS_MINIMIZE) && TDesktop::Instance().Raising != Handle)
            SetActiveWindow(Handle);
        return TRUE;
    }
    if (Pos.flags & SWP_SHOWWINDOW) Window->Style |= WS_VISIBLE;
    if (Pos.flags & SWP_HIDEWINDOW) Window->Style &= ~WS_VISIBLE;

    const RECT& NewClient = Window->ClientRect;
    if (NewClient.right - NewClient.left == OldClient.right - OldClient.left &&
        NewClient.bottom - NewClient.top == OldClient.bottom - OldClient.top)
        Pos.flags |= SWP_NOCLIENTSIZE;
    if (New.left + NewClient.left == Old.left + OldClient.left &&
        New.top + NewClient.top == Old.top + OldClient.top)
        Pos.flags |= SWP_NOCLIENTMOVE;

    WindowPosChanged(*Window, OldScreen, WasShown, Pos.flags);
    if (!(Pos.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && (Window->Style & WS_VISIBLE) &&
        !(Window->Style & WS_MINIMIZE) && TDesktop::Instance().Raising != Handle)
    {
        SetActiveWindow(Handle);
        if (!IsWindow(Handle)) return FALSE;
    }
    SendMessage(Handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&Pos));
    // Activation and focus leave a hidden window once it is told it moved.
    if (Pos.flags & SWP_HIDEWINDOW) MoveInputAwayFrom(Handle);
    return IsWindow(Handle);
}

void SendPendingSize(TWindow& Window)
{
    Window.SizePending = false;
    HWND Handle = Window.Handle;
    const RECT R = Window.WindowRect;
    const RECT C = Window.ClientRect;
    const WPARAM Kind = (Window.Style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                        : (Window.Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                       : SIZE_RESTORED;
    SendMessage(
        Handle, WM_SIZE, Kind,
        MAKELPARAM(static_cast<WORD>(C.right - C.left), static_cast<WORD>(C.bottom - C.top)));
    if (IsWindow(Handle))
        SendMessage(
            Handle, WM_MOVE, 0,
            MAKELPARAM(static_cast<WORD>(R.left + C.left), static_cast<WORD>(R.top + C.top)));
}

BOOL MoveWindow(HWND Window, int X, int Y, int Width, int Height, BOOL Repaint)
{
    return SetWindowPos(Window, nullptr, X, Y, Width, Height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (Repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND Window)
{
    return SetWindowPos(Window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL GetWindowRect(HWND Handle, RECT* Out)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Out) return FALSE;
    *Out = ScreenWindowRect(*Window);
    return TRUE;
}

BOOL GetClientRect(HWND Handle, RECT* Out)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Out) return FALSE;
    const RECT& C = Window->ClientRect;
    *Out = {0, 0, C.right - C.left, C.bottom - C.top};
    return TRUE;
}

BOOL ClientToScreen(HWND Handle, POINT* Point)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Point) return FALSE;
    POINT Origin = ClientOrigin(*Window);
    Point->x += Origin.x;
    Point->y += Origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND Handle, POINT* Point)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Point) return FALSE;
    POINT Origin = ClientOrigin(*Window);
    Point->x -= Origin.x;
    Point->y -= Origin.y;
    return TRUE;
}

int MapWindowPoints(HWND From, HWND To, POINT* Points, UINT Count)
{
    POINT FromOrigin{0, 0}, ToOrigin{0, 0};
    if (From)
    {
        TWindow* Window = OwnWindow(From);
        if (!Window) return 0;
        FromOrigin = ClientOrigin(*Window);
    }
    if (To)
    {
        TWindow* Window = OwnWindow(To);
        if (!Window) return 0;
        ToOrigin = ClientOrigin(*Window);
    }
    LONG Dx = FromOrigin.x - ToOrigin.x, Dy = FromOrigin.y - ToOrigin.y;
    for (UINT I = 0; Points && I < Count; ++I)
    {
        Points[I].x += Dx;
        Points[I].y += Dy;
    }
    SetLastError(ERROR_SUCCESS);
    return MAKELONG(static_cast<WORD>(Dx), static_cast<WORD>(Dy));
}

HWND ChildWindowFromPointEx(HWND ParentHandle, POINT Point, UINT Flags)
{
    TWindow* Parent = OwnWindow(ParentHandle);
    if (!Parent) return nullptr;
    const RECT& C = Parent->ClientRect;
    if (!PointInRect({0, 0, C.right - C.left, C.bottom - C.top}, Point)) return nullptr;
    for (TWindow* Child : Parent->Children)
    {
        if (!PointInRect(Child->WindowRect, Point)) continue;
        if ((Flags & CWP_SKIPINVISIBLE) && !(Child->Style & WS_VISIBLE)) continue;
        if ((Flags & CWP_SKIPDISABLED) && (Child->Style & WS_DISABLED)) continue;
        if ((Flags & CWP_SKIPTRANSPARENT) && (Child->ExStyle & WS_EX_TRANSPARENT)) continue;
        return Child->Handle;
    }
    return ParentHandle;
}

HWND ChildWindowFromPoint(HWND Parent, POINT Point)
{
    return ChildWindowFromPointEx(Parent, Point, CWP_ALL);
}
